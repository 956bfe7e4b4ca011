// Heat through the six enclosing surfaces by steady conduction: a solid part
// (building layer plus insulation) and, in a pavilion, a glazed part.
#include <cstddef>

#include "calculation/Komponenty.h"
#include "calculation/Numbers.h"

namespace kalteron {

namespace {

// Outer and inner surface heat-transfer coefficients, W/(m2 K).
constexpr float kAlfaNaruji = 22.7f;
constexpr float kAlfaVnutri = 9.37f;

// Column 2 of the first row named `name`; no such row keeps `value`.
void najti(const RefTable& t, const std::string& name, float& value) {
  if (const int row = t.find(name, 1, 100)) value = t.single(row, 2);
}

}  // namespace

void RaschetCteni(Kamera& k) {
  const OpisanieKamery& op = k.op;
  RaschetState& st = k.st;

  std::array<float, kSurfaces> temperatura{};
  std::array<float, kSurfaces> tolcinaSteni{};
  std::array<float, kSurfaces> zapolnen{};
  std::array<float, kSurfaces> tolcinaIzolaicii{};
  for (std::size_t s = 0; s < kSurfaces; ++s) {
    st.gMaterialSteni[s] = op.ClickSteni[s].text();
    st.gSteklo[s] = op.ClickStekloSteni[s].text();
    st.gIzolaicia[s] = op.ClickIzolaicii[s].text();
    temperatura[s] = chislo(op.ClickTemperatura[s]);
    tolcinaSteni[s] = chislo(op.ClickTolcinaSteni[s]);
    zapolnen[s] = chislo(op.ClickZapolnenSteni[s]);
    tolcinaIzolaicii[s] = chislo(op.ClickTolcinaIzolaicii[s]);
  }
  st.gTemperaturaStenaA = temperatura[0];

  const bool pavilion = op.Option1.value(1);
  double summa = 0;
  for (std::size_t s = 0; s < kSurfaces; ++s) {
    const float a1 = kAlfaNaruji;
    const float a2 = kAlfaVnutri;
    najti(k.basa.gSteniTabl, st.gMaterialSteni[s], st.gTeploprovodnostSteni[s]);
    najti(k.basa.gStekloTabl, st.gSteklo[s], st.gSoprotivlenieSteklo[s]);
    najti(k.basa.gIzolaiciiTabl, st.gIzolaicia[s], st.gTeploprovodnostIzolaicii[s]);
    const double kw = st.gTeploprovodnostSteni[s];
    const double ki = st.gTeploprovodnostIzolaicii[s];
    const float uSteni = static_cast<float>(
        1.0 / (tolcinaSteni[s] / 1000.0 / kw + 1.0 / a1 + tolcinaIzolaicii[s] / 1000.0 / ki + 1.0 / a2));
    const float uSteklo =
        static_cast<float>(1.0 / (1.0 / a1 + static_cast<double>(st.gSoprotivlenieSteklo[s]) + 1.0 / a2));

    float plosad = 0;
    switch (s) {
      case 0:  // walls А and В: height x width
      case 2:
        plosad = st.gKameraVisota * st.gKameraSirina;
        break;
      case 1:  // walls Б and Г: height x length
      case 3:
        plosad = st.gKameraVisota * st.gKameraDlina;
        break;
      default:  // ceiling and floor: width x length
        plosad = st.gKameraSirina * st.gKameraDlina;
        break;
    }
    const float plosadSteklo = static_cast<float>(plosad / 100.0 * zapolnen[s]);
    const float plosadSteni = pavilion ? plosad - plosadSteklo : plosad;
    const float dT = temperatura[s] - st.gTemperaturaKamera;

    const double q = static_cast<double>(uSteklo) * plosadSteklo * dT + static_cast<double>(plosadSteni) * uSteni * dT;
    st.gTeplopritokPoverhnost[s] = konechnoe(q);
    summa += st.gTeplopritokPoverhnost[s];
    k.rez.ClickTeplopritok[s].setText(singleToText(static_cast<float>(st.gTeplopritokPoverhnost[s] / 1000.0)));
  }

  st.gTeplopritokCteni = konechnoe(summa / 1000.0);
  zapisatKomponent(st.gTeplopritokCteni, k.rez.ClickTeplopritokCteni, op.CheckClickTeplopritokCteni);
}

}  // namespace kalteron
