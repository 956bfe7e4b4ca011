#include "calculation/RezultatyRascheta.h"

namespace kalteron {

RezultatyRascheta::RezultatyRascheta() {
  for (auto& l : ClickTeplopritok) l.setVisible(false);
  ClickKameraPlosad.setVisible(false);
  ClickProduktTemperZamerz.setBackColor(colour::ButtonFace);
}

std::vector<Control*> RezultatyRascheta::controls() {
  std::vector<Control*> v = {&ClickTeplopritokCteni};
  for (auto& l : ClickTeplopritok) v.push_back(&l);
  v.insert(v.end(), {&ClickTeplopritokProdukt, &ClickProduktTemperZamerz, &ClickTeplopritokDihanie, &DihanieText1,
                     &ClickTeplopritokDveri, &ClickPtsKolisestvoProhodov, &ClickTeplopritokOsvesenie,
                     &ClickTeplopritokPTS, &ClickTeplopritokPersonal, &ClickTeplopritokOborudovanie,
                     &ClickTeplopritokVOiTEN, &ClickTeplopritokSumma, &ClickTeplopritokSummKoeff,
                     &ClickKameraObiem, &ClickKameraPlosad, &NeobhodRejimText, &NeobhodKoefZapas});
  return v;
}

}  // namespace kalteron
