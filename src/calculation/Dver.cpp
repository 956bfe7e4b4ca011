// Warm air that flows in while the door stands open: the load of the fully
// open door from the enthalpy difference and the air densities on both sides,
// averaged over the day by the time the door is open, raised by the door flow
// factor and reduced by the door protection.
#include <cmath>

#include "calculation/Komponenty.h"
#include "calculation/Numbers.h"

namespace kalteron {

namespace {

// Door flow factor.
constexpr float kDf = 1.1f;

}  // namespace

void RaschetDver(Kamera& k) {
  const OpisanieKamery& op = k.op;
  RaschetState& st = k.st;
  const Basa& basa = k.basa;

  const float visota = chislo(op.ClickDverVisota);
  const float plosad = chislo(op.ClickDverShirina) * visota;

  // Outside: the air beyond wall A, where the door is.
  st.gEntalpiaSnaruji = entalpia(basa, st.gTemperaturaStenaA, vlajnostKratno5(st.gVlajnostVozduh));
  st.gEntalpiaVnutri = entalpia(basa, st.gTemperaturaKamera, st.gVlajnostKamera);
  const float dH = st.gEntalpiaSnaruji - st.gEntalpiaVnutri;

  const float rhoNaruji = plotnostVozduha(st.gTemperaturaStenaA);
  const float rhoVnutri = plotnostVozduha(st.gTemperaturaKamera);

  // The density ratio to a multiple of 0.05 within 0.95..1.4.
  const auto otnoshenie = static_cast<float>(static_cast<double>(rhoVnutri) / rhoNaruji);
  float r = std::isfinite(otnoshenie) ? static_cast<float>(roundHalfEven(otnoshenie * 20.0, 0) / 20.0) : 1.0f;
  if (r > 1.4f) r = 1.4f;
  if (r < 0.95f) r = 0.95f;
  if (const int row = basa.gKoeffPlotnostiTabl.findSingle(r, 1, 10))
    st.gKoeffPlotnosti = basa.gKoeffPlotnostiTabl.single(row, 2);

  const double x =
      rhoNaruji < rhoVnutri ? static_cast<double>(rhoNaruji) / rhoVnutri : static_cast<double>(rhoVnutri) / rhoNaruji;
  const float q = konechnoe(static_cast<double>(plosad) * 0.692 * dH * rhoVnutri * st.gKoeffPlotnosti *
                            std::sqrt((1.0 - x) * visota));

  if (const int row = basa.gTipTovaraTabl.find(op.ClickDverTipTovara.text(), 1, 2))
    st.gMinutNaTonnu = basa.gTipTovaraTabl.single(row, 2);
  const double minutOtkryto = st.gProduktSutkiOborot * static_cast<double>(st.gMinutNaTonnu) / 1000.0;

  const double sekundNaProhod = op.ClickDverTip.checked() ? 15.0 : 25.0;

  const float gruzopodiemnost = chislo(op.ClickPtsGruzopodiemnost);
  if (gruzopodiemnost != 0) {
    st.gKolichestvoProhodov = konechnoe(
        std::floor((static_cast<double>(st.gTaraSutkiOborot) + st.gProduktSutkiOborot) / gruzopodiemnost) + 1.0);
  } else {
    st.gKolichestvoProhodov = 0;
  }
  k.rez.ClickPtsKolisestvoProhodov.setText(singleToText(st.gKolichestvoProhodov));

  const double dolia = (st.gKolichestvoProhodov * sekundNaProhod + 60.0 * minutOtkryto) / 86400.0;

  if (const int row = basa.gZavesaTabl.find(op.ClickDverZavesa.text(), 1, 3))
    st.gEffektivnost = basa.gZavesaTabl.single(row, 2);

  st.gTeplopritokDveri = konechnoe(dolia * q * kDf * (1.0 - st.gEffektivnost));
  zapisatKomponent(st.gTeplopritokDveri, k.rez.ClickTeplopritokDveri, op.CheckClickTeplopritokDveri);
}

}  // namespace kalteron
