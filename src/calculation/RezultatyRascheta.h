// The results of the calculation as the window shows them.
#pragma once

#include <vector>

#include "calculation/Controls.h"

namespace kalteron {

struct RezultatyRascheta {
  TextBox ClickTeplopritokCteni{"ClickTeplopritokCteni", "0"};
  // Per surface: hidden labels on the window, shown on the report.
  std::array<Label, kSurfaces> ClickTeplopritok = perSurface<Label>("ClickTeplopritok", "0");
  TextBox ClickTeplopritokProdukt{"ClickTeplopritokProdukt", "0"};
  TextBox ClickProduktTemperZamerz{"ClickProduktTemperZamerz", "0"};
  TextBox ClickTeplopritokDihanie{"ClickTeplopritokDihanie", "0"};
  Label DihanieText1{"DihanieText(1)", "Отсутствует"};
  TextBox ClickTeplopritokDveri{"ClickTeplopritokDveri", "0"};
  Label ClickPtsKolisestvoProhodov{"ClickPtsKolisestvoProhodov", "0"};
  TextBox ClickTeplopritokOsvesenie{"ClickTeplopritokOsvesenie", "0"};
  TextBox ClickTeplopritokPTS{"ClickTeplopritokPTS", "0"};
  TextBox ClickTeplopritokPersonal{"ClickTeplopritokPersonal", "0"};
  TextBox ClickTeplopritokOborudovanie{"ClickTeplopritokOborudovanie", "0"};
  TextBox ClickTeplopritokVOiTEN{"ClickTeplopritokVOiTEN", "0"};
  TextBox ClickTeplopritokSumma{"ClickTeplopritokSumma", "0"};
  TextBox ClickTeplopritokSummKoeff{"ClickTeplopritokSummKoeff", "0"};
  Label ClickKameraObiem{"ClickKameraObiem", "0"};
  Label ClickKameraPlosad{"ClickKameraPlosad", "0"};
  Label NeobhodRejimText{"NeobhodRejimText", "0"};
  Label NeobhodKoefZapas{"NeobhodKoefZapas", "0"};

  RezultatyRascheta();

  std::vector<Control*> controls();
};

}  // namespace kalteron
