// How what the user does in the main window reaches the model: focus moves,
// keys, a line edit's own edits, list picks, mouse entry into a text box. The
// layout (BalWindow.cpp) builds the widgets and hands each one here.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

#include "mainwindow/qt/BalWindow.h"

namespace kalteron::qt {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string u(const QString& s) { return s.toStdString(); }

const std::string& tekst(const Control& c) { return static_cast<const TextField&>(c).text(); }

// A line edit counts positions in UTF-16 units, the model in characters: a
// character beyond the first 65536 is two units.
int vSimvolah(const QString& t, int pos) {
  int n = 0;
  for (int i = 0; i < pos && i < t.size(); ++i)
    if (!t.at(i).isLowSurrogate() || i == 0 || !t.at(i - 1).isHighSurrogate()) ++n;
  return n;
}

// The line edit of a text box or of an editable box.
QLineEdit* lineEditIn(QObject* w) {
  if (auto* box = qobject_cast<QComboBox*>(w)) return box->lineEdit();
  return qobject_cast<QLineEdit*>(w);
}

int vEdinicah(const QString& t, int pos) {
  int i = 0;
  for (int n = 0; n < pos && i < t.size(); ++n)
    i += t.at(i).isHighSurrogate() && i + 1 < t.size() && t.at(i + 1).isLowSurrogate() ? 2 : 1;
  return i;
}

}  // namespace

// ---- wiring ------------------------------------------------------------------

void BalWindow::watch(Control& c, QWidget* w) {
  controlOf_[w] = &c;
  w->installEventFilter(this);
}

void BalWindow::watchLineEdit(Control& c, QLineEdit* le) {
  controlOf_[le] = &c;
  le->installEventFilter(this);
  le->setAcceptDrops(false);
  // Whatever the widget puts in on its own (its context menu, the middle
  // button, an input method) reaches the model's key filter; undo and redo
  // bring back what the model held; a text set from outside (the box writing
  // a picked item, the accessibility interface) is weighed once Qt is done.
  connect(le, &QLineEdit::textEdited, this, [this, &c, le] { widgetEdited(c, le); });
  connect(le, &QLineEdit::textChanged, this, [this, &c, le] { widgetSet(c, le); });
  const auto selection = [this, &c, le] {
    if (!syncing_) peredatVydelenie(c, le);
  };
  connect(le, &QLineEdit::selectionChanged, this, selection);
  connect(le, &QLineEdit::cursorPositionChanged, this, selection);
}

// The model takes the selection (or the caret) the field shows.
void BalWindow::peredatVydelenie(const Control& c, const QLineEdit* le) {
  if (bal_.focus() != &c) return;
  const QString t = le->text();
  if (le->hasSelectedText()) {
    const int start = vSimvolah(t, le->selectionStart());
    bal_.setSelection(start, vSimvolah(t, le->selectionEnd()) - start);
  } else {
    bal_.setSelection(vSimvolah(t, le->cursorPosition()), 0);
  }
}

void BalWindow::watchList(ListBox& c, QComboBox* box) {
  watch(c, box);
  const auto pick = [this, &c, box](int index) {
    if (syncing_) return;
    act([&] { bal_.pickItem(c, index); });
    pokazat(c);  // the model may have refused the pick
  };
  connect(box, &QComboBox::activated, this, pick);
  connect(box, &QComboBox::currentIndexChanged, this, [&c, pick](int index) {
    if (index != c.listIndex()) pick(index);
  });
}

void BalWindow::watchEdit(ComboBox& c, QComboBox* box) {
  watch(c, box);
  watchLineEdit(c, box->lineEdit());
  // A pick from the list, by the mouse, the keyboard or from outside the
  // window (the accessibility interface picks without giving the box the
  // focus): the box takes the focus as a mouse pick gives it. Qt also reports
  // a typed text that equals an item as picked when the box loses the focus;
  // that is no pick (the model holds that text already), and running it
  // would pull the focus back into the box.
  const auto pick = [this, &c, box](int index) {
    if (syncing_ || index < 0) return;
    if (!box->hasFocus() && box->itemText(index) == q(c.text())) return;
    act([&] { bal_.pickItem(c, index); });
    pokazat(c);
    syncFocus(true);
  };
  connect(box, &QComboBox::activated, this, pick);
  connect(box, &QComboBox::currentIndexChanged, this, [box, pick](int index) {
    if (!box->hasFocus()) pick(index);  // with the focus, activated follows
  });
}

// ---- lookups ------------------------------------------------------------------

Control* BalWindow::controlOf(QObject* o) const {
  const auto it = controlOf_.find(o);
  return it == controlOf_.end() ? nullptr : it->second;
}

QWidget* BalWindow::focusWidgetOf(const Control* c) const {
  if (c == nullptr) return nullptr;
  if (const auto* g = dynamic_cast<const OptionGroup*>(c)) return widget(g->buttonName(std::max(0, g->selected())));
  return widget(c->name());
}

QLineEdit* BalWindow::lineEditOf(const Control* c) const { return lineEditIn(focusWidgetOf(c)); }

// ---- events -------------------------------------------------------------------

namespace {

// Raises a flag for the length of a scope: the widgets' own signals while the
// window shows the model are no user action (syncing_), an edit made by undo
// or redo brings back a text the model held (vozvrat_).
class Sinhron {
 public:
  explicit Sinhron(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~Sinhron() { flag_ = old_; }
  Sinhron(const Sinhron&) = delete;
  Sinhron& operator=(const Sinhron&) = delete;

 private:
  bool& flag_;
  bool old_;
};

// Whether a line edit would insert the text of this key: the characters
// that reach a field with Alt, AltGr or no modifier at all. Ctrl and
// Ctrl+Shift are shortcuts (copy, select all, undo).
bool vstavlyaetTekst(const QKeyEvent* e) {
  const QString t = e->text();
  if (t.isEmpty()) return false;
  const QChar c = t.at(0);
  if (c.category() == QChar::Other_Format) return true;
  const Qt::KeyboardModifiers m = e->modifiers() & ~Qt::KeypadModifier;
  if (m == Qt::ControlModifier || m == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
  return c.isPrint() || c.category() == QChar::Other_PrivateUse ||
         (c.isHighSurrogate() && t.size() > 1 && t.at(1).isLowSurrogate());
}

}  // namespace

void BalWindow::act(const std::function<void()>& action) {
  const Control* before = bal_.focus();
  action();
  {
    const Sinhron guard(syncing_);
    lastRefresh_ = binder_.refresh();
  }
  syncFocus(bal_.focus() != before);
}

void BalWindow::pokazat(const Control& c) {
  const Sinhron guard(syncing_);
  binder_.apply(c);
}

// Puts the window's focus where the model has it and, after a focus move,
// shows the model's selection in the field.
void BalWindow::syncFocus(bool selection) {
  Control* f = bal_.focus();
  QWidget* w = focusWidgetOf(f);
  if (w == nullptr) return;
  const Sinhron guard(syncing_);
  if (QApplication::focusWidget() != w && w->isEnabled() && w->isVisibleTo(this)) w->setFocus(Qt::OtherFocusReason);
  if (selection) {
    if (QLineEdit* le = lineEditOf(f)) {
      const QString t = le->text();
      const int start = vEdinicah(t, bal_.selectionStart());
      if (bal_.selectionLength() > 0)
        le->setSelection(start, vEdinicah(t, bal_.selectionStart() + bal_.selectionLength()) - start);
      else
        le->setCursorPosition(start);
    }
  }
}

// A line edit changed its text itself: a key let in, Delete, cut, paste, an
// input method, undo or redo. In the field being edited what it put in goes
// through the model's key filter (undo and redo bring back a text the model
// held, taken as it is). Where the filter refused something the field shows
// the model's text again, which also clears the widget's undo history, so
// the refused text cannot come back; the caret goes where the model put it.
void BalWindow::widgetEdited(Control& c, QLineEdit* le) {
  if (syncing_) return;
  const QString shown = le->text();
  const std::string novy = u(shown);
  if (novy == tekst(c)) return;
  if (bal_.focus() != &c) {
    widgetSet(c, le);
    return;
  }
  const int cursor = vSimvolah(shown, le->cursorPosition());
  if (vozvrat_)
    act([&] { bal_.textRestored(novy, cursor); });
  else
    act([&] { bal_.textEdited(novy, cursor); });
  if (bal_.text() != novy) {
    pokazat(c);
    syncFocus(true);
  }
}

// A line edit was given a text from outside: an editable box writes the
// picked item into it before it reports the pick, the accessibility
// interface sets it. Nothing is decided before Qt is done with the widget: a
// pick that follows puts its item into the model; otherwise the field being
// edited takes the text as an edit of its own, and any other field shows the
// model's text again.
void BalWindow::widgetSet(Control& c, QLineEdit* le) {
  if (syncing_ || u(le->text()) == tekst(c)) return;
  QTimer::singleShot(0, le, [this, &c, le] {
    if (u(le->text()) == tekst(c)) return;
    if (bal_.focus() == &c)
      widgetEdited(c, le);
    else
      pokazat(c);
  });
}

// Undo and redo, by the keys or the context menu: the line edit brings back
// one of its earlier texts.
void BalWindow::vernut(QLineEdit* le, bool nazad) {
  {
    const Sinhron guard(vozvrat_);
    if (nazad)
      le->undo();
    else
      le->redo();
  }
  // The line edit reports the selection it brings back before the text, so
  // the model takes it once it holds the text.
  if (const Control* c = controlOf(le)) peredatVydelenie(*c, le);
}

// The line edit's own context menu, its Undo and Redo going through vernut().
void BalWindow::kontekstnoeMenu(QLineEdit* le, QPoint at) {
  QMenu* menu = le->createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (QAction* a : menu->actions()) {
    if (QObject::disconnect(a, SIGNAL(triggered()), le, SLOT(undo())))
      connect(a, &QAction::triggered, le, [this, le] { vernut(le, true); });
    else if (QObject::disconnect(a, SIGNAL(triggered()), le, SLOT(redo())))
      connect(a, &QAction::triggered, le, [this, le] { vernut(le, false); });
  }
  menu->popup(at);
}

bool BalWindow::keyPress(QLineEdit* le, QKeyEvent* e) {
  if (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo)) {
    vernut(le, e->matches(QKeySequence::Undo));
    return true;
  }
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    act([&] { bal_.keyPress(Bal::kEnter); });
    return true;  // never inserted
  }
  if (e->key() == Qt::Key_Backspace) {
    Bal::KeyAnswer a;
    act([&] { a = bal_.keyPress(Bal::kBackspace); });
    return !a.accepted;
  }
  // Keys without a character (arrows, Delete, Home), control keys (Tab moves
  // the focus, Escape) and shortcuts go to the field as they are; their
  // edits (a paste among them) come back through textEdited.
  if (!vstavlyaetTekst(e)) return false;
  const QString typed = e->text();
  // Several characters at once go in and meet the filter through textEdited.
  if (typed.size() != 1 && !(typed.size() == 2 && typed.at(0).isHighSurrogate())) return false;
  Bal::KeyAnswer a;
  act([&] { a = bal_.keyPress(u(typed)); });
  if (!a.accepted) return true;
  if (a.text == u(typed)) return false;
  le->insert(q(a.text));  // "." typed as ","
  return true;
}

// Arrow keys move within a group of option buttons, in either direction and
// round, and select the button they land on as a click does.
bool BalWindow::optionKey(QRadioButton* b, QKeyEvent* e) {
  int step = 0;
  switch (e->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
      step = 1;
      break;
    case Qt::Key_Up:
    case Qt::Key_Left:
      step = -1;
      break;
    default:
      return false;
  }
  if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  QList<QRadioButton*> group;
  for (QObject* o : b->parentWidget()->children())
    if (auto* r = qobject_cast<QRadioButton*>(o); r != nullptr && r->isEnabled() && r->isVisibleTo(this))
      group.push_back(r);
  const qsizetype n = group.size();
  const qsizetype at = group.indexOf(b);
  if (n < 2 || at < 0) return true;
  QRadioButton* next = group.at((at + step + n) % n);
  next->click();
  next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

bool BalWindow::eventFilter(QObject* watched, QEvent* event) {
  Control* c = controlOf(watched);
  if (c == nullptr) return QMainWindow::eventFilter(watched, event);

  switch (event->type()) {
    case QEvent::FocusIn: {
      // Only a real move between controls of the window runs the leave and
      // entry steps: not the window being activated, not a popup closing.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (syncing_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
      if (bal_.focus() == c) break;
      // The widget takes the focus its own way first (a line edit selects
      // its text on Tab); the model's entry step then has the last word.
      watched->event(event);
      act([&] { bal_.setFocus(*c); });
      syncFocus(true);
      // A click that brought the focus into a text box leaves the entry
      // step's selection of the whole text standing: the press that follows
      // must not put the caret down, nor its moves select. An editable box
      // selects nothing on entry, so there the press places the caret and a
      // drag selects, as in any text field.
      if (reason == Qt::MouseFocusReason && bal_.focus() == c) klikFokus_ = qobject_cast<QLineEdit*>(watched);
      return true;
    }
    case QEvent::FocusOut:
      klikFokus_ = nullptr;
      klikUderzhan_ = nullptr;
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      const bool uderzhat = watched == klikFokus_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
      klikFokus_ = nullptr;
      klikUderzhan_ = uderzhat ? watched : nullptr;
      if (uderzhat) return true;
      break;
    }
    case QEvent::MouseMove:
      // The hand moves a pixel or two while the button is down. A line edit
      // that never saw the press measures the move from wherever an earlier
      // press was, and would select from the start of the text or from the
      // caret to the pointer.
      if (watched == klikUderzhan_) {
        if (static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton) return true;
        klikUderzhan_ = nullptr;
      }
      break;
    case QEvent::MouseButtonRelease:
      if (watched == klikUderzhan_) klikUderzhan_ = nullptr;
      break;
    case QEvent::ContextMenu: {
      // An editable box hands the menu key to its line edit past the filter.
      QLineEdit* le = lineEditIn(watched);
      if (le == nullptr || le->isReadOnly()) break;
      kontekstnoeMenu(le, static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    }
    case QEvent::KeyPress: {
      klikFokus_ = nullptr;
      auto* key = static_cast<QKeyEvent*>(event);
      if (auto* radio = qobject_cast<QRadioButton*>(watched)) return optionKey(radio, key);
      QLineEdit* le = lineEditIn(watched);
      if (le == nullptr || le->isReadOnly()) break;
      if (bal_.focus() != c) {
        // Keys reach a field the model does not know as focused (the window
        // was never activated): the field takes the focus first.
        act([&] { bal_.setFocus(*c); });
        syncFocus(true);
        if (bal_.focus() != c) return true;
      }
      return keyPress(le, key);
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace kalteron::qt
