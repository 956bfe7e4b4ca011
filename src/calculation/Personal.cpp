// Staff: the heat one person gives off at the chamber temperature, times the
// persons and their hours, averaged over the day.
#include <algorithm>
#include <cmath>

#include "calculation/Komponenty.h"
#include "calculation/Numbers.h"

namespace kalteron {

namespace {

// The heat per person at a whole temperature, W. The table holds one row per
// degree from -60 °C upwards, so the row is tried first where it should be
// and the table scanned only if it is not there.
bool teploNaCheloveka(const RefTable& t, double temperatura, float& teplo) {
  constexpr int kStrok = 121;
  const int guess = static_cast<int>(temperatura) + 61;
  if (guess >= 1 && guess <= kStrok && t.number(guess, 1) == temperatura) {
    teplo = t.single(guess, 2);
    return true;
  }
  for (int row = 1; row <= kStrok; ++row) {
    if (t.number(row, 1) == temperatura) {
      teplo = t.single(row, 2);
      return true;
    }
  }
  return false;
}

}  // namespace

void RaschetPersonal(Kamera& k) {
  RaschetState& st = k.st;
  // A temperature between whole degrees or beyond the table counts as the
  // nearest one it holds.
  double t = st.gTemperaturaKamera;
  if (t != std::floor(t)) t = roundHalfEven(t, 0);
  t = std::clamp(t, -60.0, 60.0);
  if (!teploNaCheloveka(k.basa.gPersonalTabl, t, st.gTeploNaCheloveka)) st.gTeploNaCheloveka = 0;

  const double kolichestvo = chislo(k.op.ClickPersonalKolichestvo);
  const double vremia = chislo(k.op.ClickPersonalVremia);
  st.gTeplopritokPersonal = konechnoe(st.gTeploNaCheloveka * kolichestvo * vremia / 24.0 / 1000.0);
  zapisatKomponent(st.gTeplopritokPersonal, k.rez.ClickTeplopritokPersonal, k.op.CheckClickTeplopritokPersonal);
}

}  // namespace kalteron
