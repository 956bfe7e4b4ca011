#include "calculation/Komponenty.h"

#include <algorithm>
#include <cmath>

#include "calculation/Numbers.h"

namespace kalteron {

namespace {

// A whole number, a half going to the even one. Whole values (the usual
// temperatures and humidities) need no decimal rounding.
double doTselogo(double v) {
  if (v == std::floor(v)) return v;
  return roundHalfEven(v, 0);
}

}  // namespace

void RaschetKomponenty(Kamera& k) {
  RaschetCteni(k);
  RaschetProdukt(k);
  RaschetTara(k);
  RaschetDihanie(k);
  RaschetDver(k);
  RaschetOsvesenie(k);
  RaschetPts(k);
  RaschetPersonal(k);
  RaschetOborudovanie(k);
  RaschetVO(k);
  RaschetSummaKoeffZapasa(k);
}

float konechnoe(double value) {
  const auto f = static_cast<float>(value);
  return std::isfinite(f) ? f : 0.0f;
}

void zapisatKomponent(float& value, TextBox& field, const CheckBox& vkluchatel) {
  if (!std::isfinite(value)) value = 0;
  field.setText(format00(value));
  if (vkluchatel.value() == 0) {
    value = 0;
    field.setText("0");
  }
}

float entalpia(const Basa& basa, float temperatura, float vlajnost) {
  const double t = std::clamp(doTselogo(temperatura), -40.0, 39.0);
  const double phi = std::clamp(doTselogo(vlajnost), 50.0, 100.0);
  return static_cast<float>(basa.gEntalpia.number(static_cast<int>(t) + 41, static_cast<int>(phi)));
}

float vlajnostKratno5(float vlajnost) { return static_cast<float>(doTselogo(vlajnost / 5.0) * 5.0); }

float plotnostVozduha(float temperatura) { return static_cast<float>(1.293 / (1.0 + temperatura / 273.15)); }

float summa12(const RaschetState& st) {
  float s = st.gTeplopritokProdukt;
  s += st.gTeplopritokCteni;
  s += st.gTeplopritokTara;
  s += st.gTeplopritokDihanie;
  s += st.gTeplopritokDveri;
  s += st.gTeplopritokOsvesenie;
  s += st.gTeplopritokPts;
  s += st.gTeplopritokPersonal;
  s += st.gTeplopritokProcheeOborud;
  s += st.gTeplopritokDvigateli;
  s += st.gTeplopritokLampa;
  s += st.gTeplopritokVentilasia;
  return s;
}

}  // namespace kalteron
