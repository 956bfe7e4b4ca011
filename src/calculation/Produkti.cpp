// Heat taken from the product and its packaging while they are cooled, and
// the respiration heat of living produce.
#include "calculation/Komponenty.h"
#include "calculation/Numbers.h"

namespace kalteron {

namespace {

constexpr int kProduktov = 94;

// Respiration heat at a temperature, kJ per tonne per hour: 0 below 0 °C,
// straight lines through the values at 0, 10 and 20 °C, the last one
// continued above 20 °C.
double dihanie(const RaschetState& st, double t) {
  if (t < 0) return 0;
  if (t <= 10) return st.gDihanie0 + (static_cast<double>(st.gDihanie10) - st.gDihanie0) / 10.0 * t;
  return st.gDihanie10 + (static_cast<double>(st.gDihanie20) - st.gDihanie10) / 10.0 * (t - 10.0);
}

}  // namespace

void RaschetProdukt(Kamera& k) {
  const OpisanieKamery& op = k.op;
  RaschetState& st = k.st;

  st.gProduktHranMassa = chislo(op.ClickProduktHranMassa);
  st.gProduktSutkiOborot = chislo(op.ClickProduktSutkiOborot);
  st.gProduktTemperNasalnaia = chislo(op.ClickProduktTemperNasalnaia);
  st.gProduktTemperKones = chislo(op.ClickProduktTemperKones);
  st.gTaraSutkiOborot = chislo(op.ClickTaraSutkiOborot);

  const RefTable& t = k.basa.gProduktTabl;
  if (const int row = t.find(op.ClickProduktProdukt.text(), 2, kProduktov)) {
    k.rez.ClickProduktTemperZamerz.setText(t.text(row, 3));
    st.gTeploemkostDo = t.single(row, 4);
    st.gTeploemkostPosle = t.single(row, 5);
    st.gTeplotaZamerz = t.single(row, 6);
  }
  // The freezing point is always the one the field shows.
  st.gTemperZamerz = chislo(k.rez.ClickProduktTemperZamerz);

  st.gSekundPerioda = ohlajdenie(op) ? st.gVremiaKamera * 3600.0f : 86400.0f;

  const float tn = st.gProduktTemperNasalnaia;
  const float tk = st.gProduktTemperKones;
  const float tz = st.gTemperZamerz;
  const float dT1 = tk > tz ? tn - tk : tn - tz;
  const float dT2 = tn < tz ? tn - tk : tz - tk;
  const double m = st.gProduktSutkiOborot;
  const double sek = st.gSekundPerioda;

  const double doZamerzania = tn > tz ? dT1 * static_cast<double>(st.gTeploemkostDo) * m / sek : 0.0;
  const double zamerzanie = tn > tz && tk < tz ? st.gTeplotaZamerz * m / sek : 0.0;
  const double posleZamerzania = tk < tz ? dT2 * static_cast<double>(st.gTeploemkostPosle) * m / sek : 0.0;

  st.gTeplopritokProdukt = konechnoe(doZamerzania + zamerzanie + posleZamerzania);
  if (op.CheckClickTeplopritokProdukt.value() == 0) st.gTeplopritokProdukt = 0;
}

void RaschetTara(Kamera& k) {
  const OpisanieKamery& op = k.op;
  RaschetState& st = k.st;

  const RefTable& t = k.basa.gTaraTabl;
  if (const int row = t.find(op.ClickTaraMaterial.text(), 1, 5)) st.gTaraTeploemkost = t.single(row, 2);

  const double tn = chislo(op.ClickTaraTemperNasalnaia);
  const double tk = chislo(op.ClickTaraTemperKones);
  st.gTeplopritokTara =
      konechnoe(st.gTaraSutkiOborot * static_cast<double>(st.gTaraTeploemkost) * (tn - tk) / st.gSekundPerioda);

  float vmeste = konechnoe(static_cast<double>(st.gTeplopritokProdukt) + st.gTeplopritokTara);
  zapisatKomponent(vmeste, k.rez.ClickTeplopritokProdukt, op.CheckClickTeplopritokProdukt);
  if (op.CheckClickTeplopritokProdukt.value() == 0) st.gTeplopritokTara = 0;
}

void RaschetDihanie(Kamera& k) {
  const OpisanieKamery& op = k.op;
  RaschetState& st = k.st;

  const RefTable& t = k.basa.gProduktTabl;
  if (const int row = t.find(op.ClickProduktProdukt.text(), 2, kProduktov)) {
    st.gDihanie0 = t.single(row, 7);
    st.gDihanie10 = t.single(row, 8);
    st.gDihanie20 = t.single(row, 9);
  }

  const double qk = dihanie(st, st.gProduktTemperKones);
  const double qn = dihanie(st, st.gProduktTemperNasalnaia);
  const double hranenie = ohlajdenie(op) ? 0.0 : st.gProduktHranMassa * qk / 3600.0 / 1000.0;
  const double oborot = st.gProduktSutkiOborot * (qn + qk) / 2.0 / 3600.0 / 1000.0;
  st.gTeplopritokDihanie = konechnoe(oborot + hranenie);

  k.rez.DihanieText1.setText(st.gTeplopritokDihanie != 0 ? "Присутствует" : "Отсутствует");
  zapisatKomponent(st.gTeplopritokDihanie, k.rez.ClickTeplopritokDihanie, op.CheckClickTeplopritokDihanie);
}

}  // namespace kalteron
