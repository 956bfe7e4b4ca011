// The sum of all thirteen components and the refrigerating capacity the
// equipment must deliver: the sum raised by the safety factor and, in
// storage, spread over the daily working time of the refrigeration.
#include "calculation/Komponenty.h"
#include "calculation/Numbers.h"

namespace kalteron {

void RaschetSummaKoeffZapasa(Kamera& k) {
  RaschetState& st = k.st;
  st.gZapasKamera = chislo(k.op.ClickZapasKamera);

  const float s13 = summa12(st) + st.gTeplopritokVO;
  const double sZapasom = s13 + static_cast<double>(s13) / 100.0 * st.gZapasKamera;
  st.gTeplopritokSummKoeff = konechnoe(ohlajdenie(k.op) ? sZapasom : sZapasom * 24.0 / st.gVremiaKamera);
  st.gTeplopritokSumma = konechnoe(s13);

  k.rez.ClickTeplopritokSumma.setText(format00(st.gTeplopritokSumma));
  k.rez.ClickTeplopritokSummKoeff.setText(format00(st.gTeplopritokSummKoeff));
}

}  // namespace kalteron
