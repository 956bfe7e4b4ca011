// What the user does: focus, keys, edits, paste, list picks and clicks, and
// the one engine that applies the field rules (key filter, entry step, leave
// step) of every typed field.
#include <algorithm>
#include <cstdint>

#include "calculation/Numbers.h"
#include "calculation/Utf8.h"
#include "mainwindow/Bal.h"
#include "mainwindow/PravilaPolei.h"

namespace kalteron {

namespace {

// ---- UTF-8 text counted in characters ------------------------------------

int dlina(const std::string& s) {
  int n = 0;
  for (char c : s)
    if (!prodolzhenieUtf8(c)) ++n;
  return n;
}

// The byte offset of character `pos` (clamped to the text).
std::size_t bajt(const std::string& s, int pos) {
  std::size_t i = 0;
  for (int n = 0; n < pos && i < s.size(); ++n) {
    ++i;
    while (i < s.size() && prodolzhenieUtf8(s[i])) ++i;
  }
  return i;
}

// The characters of a UTF-8 text, one string each.
std::vector<std::string_view> simvoly(std::string_view s) {
  std::vector<std::string_view> v;
  std::size_t i = 0;
  while (i < s.size()) {
    std::size_t j = i + 1;
    while (j < s.size() && prodolzhenieUtf8(s[j])) ++j;
    v.push_back(s.substr(i, j - i));
    i = j;
  }
  return v;
}

bool cifra(std::string_view ch) { return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9'; }

// ---- the text of a typed field, whichever kind of box holds it ------------

// A text box or an editable choice box; nullptr for anything else, labels
// included.
TextField* pole(Control* c) {
  if (c == nullptr || (c->kind() != Kind::T && c->kind() != Kind::E)) return nullptr;
  return static_cast<TextField*>(c);
}

const std::string* tekst(Control* c) {
  const TextField* f = pole(c);
  return f != nullptr ? &f->text() : nullptr;
}

void zapisat(Control& c, const std::string& t) {
  if (TextField* f = pole(&c)) f->setText(t);
}

bool verno(const Popravka& p, float v, float vozduh) {
  switch (p.proverka) {
    case Proverka::Net:
      return false;
    case Proverka::Menshe:
      return v < p.granica;
    case Proverka::Bolshe:
      return v > p.granica;
    case Proverka::NeMenshe:
      return v >= p.granica;
    case Proverka::NeNijeVozduha:
      return v >= vozduh;
  }
  return false;
}

}  // namespace

// ---- focus -----------------------------------------------------------------

int Bal::stranica(const Control& c) const {
  const auto it = stranicy_.find(&c);
  return it == stranicy_.end() ? 0 : it->second;
}

bool Bal::canFocus(const Control& c) const {
  switch (c.kind()) {
    case Kind::T:
      if (pravilo(c.name()) == nullptr) return false;  // results take no input
      break;
    case Kind::E:
    case Kind::L:
    case Kind::K:
    case Kind::O:
    case Kind::Button:
      break;
    default:
      return false;
  }
  if (!c.enabled() || !c.visible()) return false;
  const int page = stranica(c);
  return page == 0 || page == TekusiiParametr;
}

bool Bal::setFocus(Control& c) {
  if (focus_ == &c) return true;
  if (!canFocus(c)) return false;
  Control* old = focus_;
  focus_ = &c;
  selStart_ = 0;
  selLength_ = 0;
  if (old != nullptr) vyhod(*old);
  if (focus_ == &c) vhod(c);
  return true;
}

bool Bal::setFocus(const std::string& name) {
  Control* c = find(name);
  return c != nullptr && setFocus(*c);
}

// Entry step: a lone "0" is emptied; a text box then has its whole text
// selected, an editable choice box only puts the caret at the end.
void Bal::vhod(Control& c) {
  const std::string* t = tekst(&c);
  if (t == nullptr || pravilo(c.name()) == nullptr) return;
  if (*t == "0") zapisat(c, "");
  if (c.kind() == Kind::T) {
    selStart_ = 0;
    selLength_ = dlina(*t);
  } else {
    selStart_ = dlina(*t);
    selLength_ = 0;
  }
}

// Leave step: the empty default (also for a number field whose text is no
// number), the corrections in order, the further effect, the recalculation.
void Bal::vyhod(Control& c) {
  const PraviloPolia* p = pravilo(c.name());
  const std::string* t = tekst(&c);
  if (p == nullptr || t == nullptr) return;

  if (t->empty() || (p->vid != VidPolia::T && !parseSingle(*t))) zapisat(c, std::string(p->pusto));
  for (const Popravka& pop : p->popravki) {
    if (pop.proverka == Proverka::Net) continue;
    const auto v = parseSingle(*t);
    if (v && verno(pop, *v, st.gTemperaturaVozduh)) zapisat(c, std::string(pop.zamena));
  }

  switch (p->effekt) {
    case Effekt::Net:
      break;
    case Effekt::TemperaturaVozduha:
      vozduhNaPoverhnosti();
      break;
    case Effekt::TemperaturaKamery:
      op.ClickProduktTemperKones.setText(op.ClickTemperaturaKamera.text());
      op.ClickTaraTemperKones.setText(op.ClickTemperaturaKamera.text());
      op.ClickTemperaturaKamera.setBackColor(colour::White);
      op.ClickProduktTemperKones.setBackColor(colour::White);
      op.ClickTaraTemperKones.setBackColor(colour::White);
      break;
    case Effekt::VisotaKamery: {
      const double h = chisloDouble(op.ClickKameraVisota);
      op.ClickZagruzkaVisota.setText(h < 0.5 ? std::string("0") : doubleToText(h - 0.5));
      break;
    }
    case Effekt::KonesnaiaTemperatura: {
      const std::uint32_t cvet = *t == op.ClickTemperaturaKamera.text() ? colour::White : colour::Red;
      c.setBackColor(cvet);
      op.ClickTemperaturaKamera.setBackColor(cvet);
      break;
    }
  }
  if (p->pereschet) RaschetVse();
}

// ---- keys --------------------------------------------------------------------

Bal::KeyAnswer Bal::keyPress(std::string_view ch) {
  const std::string* t = tekst(focus_);
  const PraviloPolia* p = focus_ != nullptr ? pravilo(focus_->name()) : nullptr;
  if (t == nullptr || p == nullptr) return {};

  if (ch == kEnter) {
    if (!p->enter.empty()) {
      if (Control* target = find(std::string(p->enter))) setFocus(*target);
    }
    return {};  // a single-line field never takes Enter
  }
  if (p->vid == VidPolia::T) {
    if (ch.size() == 1 && p->zapret.find(ch[0]) != std::string_view::npos) return {};
    return {true, std::string(ch)};
  }
  if (ch == kBackspace) return {true, std::string(ch)};
  if (p->vid == VidPolia::S && ch == "-") return {true, "-"};
  if (p->vid == VidPolia::D && (ch == "." || ch == ",")) {
    if (t->find(',') != std::string::npos) return {};
    return {true, ","};
  }
  if (!cifra(ch) || dlina(*t) >= p->maxDlina) return {};
  return {true, std::string(ch)};
}

void Bal::typeKey(std::string_view ch) {
  const KeyAnswer a = keyPress(ch);
  if (a.accepted) vstavit(a.text);
}

// The accepted key goes into the focused field at its selection.
void Bal::vstavit(const std::string& s) {
  const std::string* t = tekst(focus_);
  if (t == nullptr) return;
  std::string v = *t;
  int start = selStart_;
  int len = selLength_;
  if (s == kBackspace) {
    if (len == 0) {
      if (start == 0) return;
      --start;
      len = 1;
    }
    const std::size_t a = bajt(v, start);
    v.erase(a, bajt(v, start + len) - a);
    selStart_ = start;
  } else {
    const std::size_t a = bajt(v, start);
    v.replace(a, bajt(v, start + len) - a, s);
    selStart_ = start + dlina(s);
  }
  selLength_ = 0;
  zapisat(*focus_, v);
}

void Bal::typeText(std::string_view text) {
  for (std::string_view ch : simvoly(text)) typeKey(ch);
}

void Bal::paste(std::string_view text) {
  for (std::string_view ch : simvoly(text)) {
    if (ch.size() == 1 && static_cast<unsigned char>(ch[0]) < 0x20) continue;
    if (ch == "\x7f") continue;
    typeKey(ch);
  }
}

// The widget changed its text on its own (Delete, cut, its context menu, an
// input method). A removal alone is taken as it is. What it put in goes
// through the key filter, as pasted over what it replaced at the place it
// went in: at the selection the model knows when the new text fits around
// it, otherwise between what the old and the new text share at both ends.
// What it replaced goes with the first character the filter takes; when the
// filter takes none, the text stays as it was.
void Bal::textEdited(const std::string& text, int cursor) {
  const std::string* t = tekst(focus_);
  if (t == nullptr) return;
  const std::vector<std::string_view> old = simvoly(*t);
  const std::vector<std::string_view> now = simvoly(text);
  const auto sovpadaet = [&](std::size_t o, std::size_t n, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
      if (old[o + i] != now[n + i]) return false;
    return true;
  };
  std::size_t start = std::min(static_cast<std::size_t>(selStart_), old.size());
  std::size_t removed = std::min(static_cast<std::size_t>(selLength_), old.size() - start);
  const std::size_t tail = old.size() - start - removed;
  if (now.size() < start + tail || !sovpadaet(0, 0, start) || !sovpadaet(start + removed, now.size() - tail, tail)) {
    start = 0;
    while (start < old.size() && start < now.size() && old[start] == now[start]) ++start;
    std::size_t shared = 0;
    while (shared < old.size() - start && shared < now.size() - start &&
           old[old.size() - 1 - shared] == now[now.size() - 1 - shared])
      ++shared;
    removed = old.size() - start - shared;
  }
  const std::size_t insertedCount = now.size() - (old.size() - removed);
  if (insertedCount == 0) {
    zapisat(*focus_, text);
    setSelection(cursor, 0);
    return;
  }
  std::string inserted;
  for (std::size_t i = 0; i < insertedCount; ++i) inserted += now[start + i];
  selStart_ = static_cast<int>(start);
  selLength_ = static_cast<int>(removed);
  paste(inserted);
  // Taken whole: the caret stays where the widget put it.
  if (this->text() == text) setSelection(cursor, 0);
}

void Bal::textRestored(const std::string& text, int cursor) {
  if (pole(focus_) == nullptr) return;
  zapisat(*focus_, text);
  setSelection(cursor, 0);
}

void Bal::setSelection(int start, int length) {
  const std::string* t = tekst(focus_);
  const int n = t != nullptr ? dlina(*t) : 0;
  if (start < 0) start = 0;
  if (start > n) start = n;
  if (length < 0) length = 0;
  if (start + length > n) length = n - start;
  selStart_ = start;
  selLength_ = length;
}

std::string Bal::text() const {
  const std::string* t = tekst(focus_);
  return t != nullptr ? *t : std::string();
}

// ---- lists and clicks ------------------------------------------------------

void Bal::pickItem(Control& box, int index) {
  if (!setFocus(box)) return;
  if (auto* l = dynamic_cast<ListBox*>(&box)) {
    if (index >= 0 && index < static_cast<int>(l->items().size()))
      l->setText(l->items()[static_cast<std::size_t>(index)]);
  } else if (auto* e = dynamic_cast<ComboBox*>(&box)) {
    if (index < 0 || index >= static_cast<int>(e->items().size())) return;
    e->setText(e->items()[static_cast<std::size_t>(index)]);
    selStart_ = 0;
    selLength_ = dlina(e->text());
    RaschetVse();  // the editable boxes' list pick
  }
}

void Bal::pickItem(const std::string& name, const std::string& item) {
  Control* c = find(name);
  const auto* list = dynamic_cast<const ItemList*>(c);
  if (list == nullptr) return;
  if (const int index = list->indexOf(item); index >= 0) pickItem(*c, index);
}

void Bal::clickCheck(CheckBox& box) {
  if (!setFocus(box)) return;
  box.setValue(box.value() == 0 ? 1 : 0);
}

void Bal::clickOption(OptionGroup& group, int index) {
  if (!setFocus(group)) return;
  group.setValue(index, true);
}

void Bal::clickButton(Widget& button) {
  if (!setFocus(button)) return;
  for (int i = 0; i < 5; ++i)
    if (&button == &Parametr[static_cast<std::size_t>(i)]) Parametr_Click(i + 1);
  if (&button == &ClickSteniPoPervoiStroke) ClickSteniPoPervoiStroke_Click();
  if (&button == &ClickSteniPoPervoiStroke2) ClickSteniPoPervoiStroke2_Click();
  if (&button == &ClickZagruzkaPolnaia) ClickZagruzkaPolnaia_Click();
}

void Bal::click(const std::string& name) {
  const auto paren = name.find('(');
  if (paren != std::string::npos) {
    if (auto* o = dynamic_cast<OptionGroup*>(find(name.substr(0, paren)))) {
      clickOption(*o, name[paren + 1] - '0');
      return;
    }
  }
  Control* c = find(name);
  if (auto* k = dynamic_cast<CheckBox*>(c)) clickCheck(*k);
  if (auto* w = dynamic_cast<Widget*>(c); w != nullptr && w->kind() == Kind::Button) clickButton(*w);
}

}  // namespace kalteron
