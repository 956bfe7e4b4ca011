// Lighting: the power per square metre of floor over its hours, averaged
// over the day.
#include "calculation/Komponenty.h"

namespace kalteron {

void RaschetOsvesenie(Kamera& k) {
  RaschetState& st = k.st;
  const double mosnost = chislo(k.op.ClickOsvesenieMosnost);
  const double vremia = chislo(k.op.ClickOsvesenieVremia);
  st.gTeplopritokOsvesenie = konechnoe(st.gKameraPlosad * mosnost * vremia / 24.0 / 1000.0);
  zapisatKomponent(st.gTeplopritokOsvesenie, k.rez.ClickTeplopritokOsvesenie, k.op.CheckClickTeplopritokOsvesenie);
}

}  // namespace kalteron
