// Handling vehicles: half of their total power over their hours, averaged
// over the day.
#include "calculation/Komponenty.h"

namespace kalteron {

void RaschetPts(Kamera& k) {
  RaschetState& st = k.st;
  const double mosnost = chislo(k.op.ClickPtsMosnost);
  const double vremia = chislo(k.op.ClickPtsVremia);
  st.gTeplopritokPts = konechnoe(mosnost / 2.0 * vremia / 24.0);
  zapisatKomponent(st.gTeplopritokPts, k.rez.ClickTeplopritokPTS, k.op.CheckClickTeplopritokPTS);
}

}  // namespace kalteron
