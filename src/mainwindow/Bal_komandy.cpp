// The commands and switches of the pages, the page buttons and the questions
// asked when the window closes.

#include "calculation/Numbers.h"
#include "mainwindow/Bal.h"

namespace kalteron {

// ---- product page: the full load ---------------------------------------------

// Stored mass of a fully loaded chamber: floor area x stacking height x
// density x fill factor (0,7 at a slow turnover, 0,5 at a fast one). The
// turnover is a tenth of it a day; in cooling the whole mass is cooled.
void Bal::ClickZagruzkaPolnaia_Click() {
  const float visota = chislo(op.ClickZagruzkaVisota);
  const float plotnost = chislo(op.ClickZagruzkaPlotnost);
  if (op.ClickZagruzkaOborot.value(0)) st.gZagruzkaKoeff = 0.7f;
  if (op.ClickZagruzkaOborot.value(1)) st.gZagruzkaKoeff = 0.5f;
  st.gZagruzkaMassa = st.gKameraPlosad * visota * plotnost * st.gZagruzkaKoeff;
  op.ClickProduktHranMassa.setText(format0(st.gZagruzkaMassa));
  if (ohlajdenie(op))
    op.ClickProduktSutkiOborot.setText(format0(st.gZagruzkaMassa));
  else
    op.ClickProduktSutkiOborot.setText(format0(static_cast<double>(st.gZagruzkaMassa) * 0.1));
  RaschetVse();
}

// ---- operating page ------------------------------------------------------------

void Bal::ClickOsvesenieRekomenduemoe_Click() {
  if (op.ClickOsvesenieRekomenduemoe.value() == 1) {
    op.ClickOsvesenieMosnost.setText("5");
    op.ClickOsvesenieMosnost.setEnabled(false);
  } else {
    op.ClickOsvesenieMosnost.setEnabled(true);
  }
  RaschetVse();
}

// ---- mechanisation and air-cooler pages ---------------------------------------

// Cleared: the automatic air-change rate, 70 / sqrt(volume) a day, rounded to
// two decimals, in a field the user cannot type into.
void Bal::ClickVentilasiaKratnostSamostoiatelno_Click() {
  TextBox& kratnost = op.ClickVentilasiaKratnost;
  if (op.ClickVentilasiaKratnostSamostoiatelno.value() == 0) {
    kratnost.setText("0");
    if (st.gKameraObiem > 0) kratnost.setText(avtoKratnost(st.gKameraObiem));
    kratnost.setEnabled(false);
  } else {
    kratnost.setEnabled(true);
  }
  RaschetVse();
}

void Bal::ClickVOutochnauchiiRaschet_Click() {
  const bool utochnenie = op.ClickVOutochnauchiiRaschet.value() == 1;
  op.ClickVOpredvaritelno.setEnabled(!utochnenie);
  op.ClickVOkolichestvoVentilatorov.setEnabled(utochnenie);
  op.ClickVOmochnostVentilatorov.setEnabled(utochnenie);
  RaschetVse();
}

// ---- enclosure page: copying the first row -------------------------------------

namespace {

// Row A into rows 1..last, column by column, each column top to bottom. A
// choice box that changes runs its handler; a text field takes the text as
// it is.
void poPervoi(OpisanieKamery& op, std::size_t last) {
  const auto stolbec = [last](auto& col) {
    for (std::size_t r = 1; r <= last; ++r) col[r].setText(col[0].text());
  };
  stolbec(op.ClickSteni);
  stolbec(op.ClickTolcinaSteni);
  stolbec(op.ClickStekloSteni);
  stolbec(op.ClickZapolnenSteni);
  stolbec(op.ClickIzolaicii);
  stolbec(op.ClickTolcinaIzolaicii);
  stolbec(op.ClickTemperatura);
}

}  // namespace

void Bal::PoPervoiStroke() { poPervoi(op, kSurfaces - 1); }
void Bal::PoPervoiStroke2() { poPervoi(op, 3); }

void Bal::ClickSteniPoPervoiStroke_Click() {
  PoPervoiStroke();
  RaschetVse();
}

void Bal::ClickSteniPoPervoiStroke2_Click() {
  PoPervoiStroke2();
  RaschetVse();
}

// ---- the shell -----------------------------------------------------------------

void Bal::Parametr_Click(int index) {
  if (index < 1 || index > 5 || index == TekusiiParametr) return;
  const auto nov = static_cast<std::size_t>(index - 1);
  const auto star = static_cast<std::size_t>(TekusiiParametr - 1);
  Parametr[nov].setBackColor(colour::White);
  Parametr[star].setBackColor(colour::ButtonFace);
  Frame5[nov].setVisible(true);
  Frame5[star].setVisible(false);
  TekusiiParametr = index;
}

// Asks whether to quit and then, whatever the answer, whether to save. The
// other windows close in either case.
Bal::Zakrytie Bal::Form_QueryUnload() {
  Zakrytie z;
  if (prompter != nullptr) {
    z.cancel = !prompter->askYesNo("Действительно хотите выйти ?");
    if (prompter->askYesNo("Сохранить расчет ?") && SaveNameFileSave) SaveNameFileSave();
  }
  z.zakryt = {"OprogrammeOkno", "FormPrint", "License", "MDIPrint"};
  return z;
}

}  // namespace kalteron
