#include "calculation/Raschet.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "calculation/Komponenty.h"
#include "calculation/Numbers.h"

namespace kalteron {

namespace {

// Counts the entries and the nesting of the driver.
struct Vhod {
  explicit Vhod(RaschetState& s) : st(s) {
    ++st.vhodov;
    ++st.glubina;
    if (st.glubina > st.maxGlubina) st.maxGlubina = st.glubina;
  }
  ~Vhod() { --st.glubina; }
  Vhod(const Vhod&) = delete;
  Vhod& operator=(const Vhod&) = delete;
  RaschetState& st;
};

// Step 7: the defaults of empty choices, in their order. Returns true when a
// default was set and the pass must end.
bool defaultChoices(OpisanieKamery& op) {
  struct Default {
    ListBox* box;
    const char* text;
  };
  const Default order[] = {
      {&op.ClickProduktKategoria, "Мясные"},
      {&op.ClickDverTipTovara, "Штабели на поддонах"},
      {&op.ClickDverZavesa, "Нет"},
      {&op.ClickTaraMaterial, "Металл"},
  };
  for (const auto& d : order) {
    if (d.box->text().empty()) {
      d.box->setText(d.text);
      return true;
    }
  }
  // The first empty box of a column takes the text.
  const auto pervyiPustoi = [](std::span<ListBox> boxes, const char* text) {
    for (auto& box : boxes) {
      if (box.text().empty()) {
        box.setText(text);
        return true;
      }
    }
    return false;
  };
  const std::span<ListBox> steklo(op.ClickStekloSteni);
  if (pervyiPustoi(op.ClickSteni, "Железобетон") || pervyiPustoi(op.ClickIzolaicii, "Пенополиуретан") ||
      pervyiPustoi(steklo.first(kSurfaces - 1), "Стекло 10 мм."))
    return true;
  // The floor glazing is the last default, and the pass goes on after it.
  pervyiPustoi(steklo.last(1), "Стекло 10 мм.");
  return false;
}

}  // namespace

float chislo(const TextField& field) {
  if (const auto v = parseSingle(field.text())) return *v;
  return parseSingle(field.emptyDefault()).value_or(0.0f);
}

double chisloDouble(const TextField& field) {
  if (const auto v = parseDouble(field.text())) return *v;
  return parseDouble(field.emptyDefault()).value_or(0.0);
}

bool ohlajdenie(const OpisanieKamery& op) { return op.ClickRejim.text() == "Охлаждение"; }

std::string avtoKratnost(float obiem) {
  return doubleToText(roundHalfEven(70.0 / std::sqrt(static_cast<double>(obiem)), 2));
}

void RaschetVse(Kamera& k) {
  Vhod vhod(k.st);
  OpisanieKamery& op = k.op;
  RaschetState& st = k.st;

  // 1. Region.
  if (op.ClickRegion.text().empty()) {
    op.ClickRegion.setText("Самара");
    return;
  }

  // 2. Climate and dimensions.
  st.gVlajnostVozduh = chislo(op.ClickVlajnostVozduh);
  st.gTemperaturaVozduh = chislo(op.ClickTemperaturaVozduh);
  st.gKameraSirina = chislo(op.ClickKameraSirina);
  st.gKameraDlina = chislo(op.ClickKameraDlina);
  st.gKameraVisota = chislo(op.ClickKameraVisota);

  // 3. Volume and floor area; one beyond the single-precision range counts 0,
  // as the window shows it.
  st.gKameraObiem = konechnoe(st.gKameraDlina * st.gKameraSirina * st.gKameraVisota);
  st.gKameraPlosad = konechnoe(st.gKameraDlina * st.gKameraSirina);
  k.rez.ClickKameraObiem.setText(format00(st.gKameraObiem));
  k.rez.ClickKameraPlosad.setText(format00(st.gKameraPlosad));

  // 4. Regime.
  if (op.ClickRejim.text().empty()) {
    op.ClickRejim.setText("Хранение");
    return;
  }

  // 5. Chamber values.
  st.gTemperaturaKamera = chislo(op.ClickTemperaturaKamera);
  st.gVlajnostKamera = chislo(op.ClickVlajnostKamera);
  // Hours below 0,1 (a file may hold 0) count as 0,1: they divide.
  st.gVremiaKamera = std::max(chislo(op.ClickVremiaKamera), 0.1f);

  // 6. A chamber that is not colder than outside. The module values keep what
  // was read above; the corrected texts count from the next pass.
  if (!st.bezKorrekciiTemperatur && st.gTemperaturaKamera >= st.gTemperaturaVozduh) {
    op.ClickTemperaturaKamera.setText("-10");
    op.ClickTemperaturaVozduh.setText("0");
  }

  // 7. Defaults of empty choices.
  if (defaultChoices(op)) return;

  // 8. Condition captions.
  k.rez.NeobhodRejimText.setText(k.RejimText4.text() + " : " + op.ClickVremiaKamera.text() + "  час.");
  k.rez.NeobhodKoefZapas.setText("Коэф. запаса : " + op.ClickZapasKamera.text() + "  %");

  // 9. Every component, in the binding order.
  ++st.polnyhProhodov;
  RaschetKomponenty(k);
}

}  // namespace kalteron
