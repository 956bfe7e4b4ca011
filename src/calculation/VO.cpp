// Air coolers: a preliminary share of the other gains or, in the refined
// calculation, the installed fan power.
#include "calculation/Komponenty.h"

namespace kalteron {

void RaschetVO(Kamera& k) {
  const OpisanieKamery& op = k.op;
  RaschetState& st = k.st;

  const double s12 = summa12(st);
  double vo = 0;
  if (op.ClickVOutochnauchiiRaschet.value() == 1) {
    vo = static_cast<double>(chislo(op.ClickVOmochnostVentilatorov)) * chislo(op.ClickVOkolichestvoVentilatorov);
  } else {
    const double dolia = chislo(op.ClickVOpredvaritelno);
    vo = ohlajdenie(op) ? s12 / 100.0 * dolia : s12 / 100.0 * dolia * 24.0 / st.gVremiaKamera;
  }
  st.gTeplopritokVO = konechnoe(vo);
  zapisatKomponent(st.gTeplopritokVO, k.rez.ClickTeplopritokVOiTEN, op.CheckClickTeplopritokVOiTEN);
}

}  // namespace kalteron
