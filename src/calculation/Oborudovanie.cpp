// Equipment: fresh-air ventilation, incandescent lamps, electric motors and
// other equipment, shown together as one component.

#include "calculation/Komponenty.h"

namespace kalteron {

void RaschetOborudovanie(Kamera& k) {
  RaschetVentilasia(k);
  RaschetLampa(k);
  RaschetDvigateli(k);
  RaschetProcheeOborud(k);
}

void RaschetVentilasia(Kamera& k) {
  OpisanieKamery& op = k.op;
  RaschetState& st = k.st;

  TextBox& kratnost = op.ClickVentilasiaKratnost;
  if (op.ClickVentilasiaKratnostSamostoiatelno.value() == 0) {
    // Air changes per day from the volume, and only for produce that respires.
    if (st.gKameraObiem > 0) kratnost.setText(avtoKratnost(st.gKameraObiem));
    if (st.gTeplopritokDihanie == 0) kratnost.setText("0");
    kratnost.setEnabled(false);
  } else {
    kratnost.setEnabled(true);
  }
  const double n = chislo(kratnost);

  const float rhoVnutri = plotnostVozduha(st.gTemperaturaKamera);
  const double g = rhoVnutri * (n * st.gKameraObiem) / 86400.0;  // kg/s

  // Outside: the outdoor air itself.
  st.gEntalpiaSnaruji = entalpia(k.basa, st.gTemperaturaVozduh, vlajnostKratno5(st.gVlajnostVozduh));
  st.gEntalpiaVnutri = entalpia(k.basa, st.gTemperaturaKamera, st.gVlajnostKamera);

  st.gTeplopritokVentilasia = konechnoe((static_cast<double>(st.gEntalpiaSnaruji) - st.gEntalpiaVnutri) * g);
  if (op.CheckClickTeplopritokOborudovanie.value() == 0) st.gTeplopritokVentilasia = 0;
}

namespace {

// Power over its hours, averaged over the day, kW.
float zaSutki(const TextBox& mosnost, const TextBox& vremia) {
  return konechnoe(static_cast<double>(chislo(mosnost)) * chislo(vremia) / 24.0);
}

}  // namespace

void RaschetLampa(Kamera& k) {
  k.st.gTeplopritokLampa = zaSutki(k.op.ClickLampaMosnost, k.op.ClickLampaVremia);
  if (k.op.CheckClickTeplopritokOborudovanie.value() == 0) k.st.gTeplopritokLampa = 0;
}

void RaschetDvigateli(Kamera& k) {
  k.st.gTeplopritokDvigateli = zaSutki(k.op.ClickDvigateliMosnost, k.op.ClickDvigateliVremia);
  if (k.op.CheckClickTeplopritokOborudovanie.value() == 0) k.st.gTeplopritokDvigateli = 0;
}

void RaschetProcheeOborud(Kamera& k) {
  RaschetState& st = k.st;
  st.gTeplopritokProcheeOborud = zaSutki(k.op.ClickProcheeOborudMosnost, k.op.ClickProcheeOborudVremia);
  float vse = konechnoe(static_cast<double>(st.gTeplopritokDvigateli) + st.gTeplopritokProcheeOborud +
                        st.gTeplopritokLampa + st.gTeplopritokVentilasia);
  zapisatKomponent(vse, k.rez.ClickTeplopritokOborudovanie, k.op.CheckClickTeplopritokOborudovanie);
  if (k.op.CheckClickTeplopritokOborudovanie.value() == 0) st.gTeplopritokProcheeOborud = 0;
}

}  // namespace kalteron
