// The main window without pixels: the chamber description, the results, the
// window's own captions and pictures, the catalogue and the calculation
// state, with every handler wired. The Qt window only mirrors it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "calculation/OpisanieKamery.h"
#include "calculation/Raschet.h"
#include "calculation/RaschetState.h"
#include "calculation/RezultatyRascheta.h"
#include "reference/Basa.h"

namespace kalteron {

class Bal {
 public:
  Bal();
  Bal(const Bal&) = delete;
  Bal& operator=(const Bal&) = delete;

  // The load step: builds the catalogue, fills the lists, recalculates.
  void Form_Load();

  void RaschetVse();

  // Every control by its name ("ClickKameraDlina", "Option1", "DihanieText(1)").
  Control* find(const std::string& name) const;
  // Every control: the description, the results, then the window's own.
  const std::vector<Control*>& controls() const { return controls_; }

  Basa basa;
  OpisanieKamery op;
  RezultatyRascheta rez;
  RaschetState st;

  // Window controls that belong to neither record.
  Widget ImageKamera1{"ImageKamera1", Kind::Image};
  Widget ImageKamera2{"ImageKamera2", Kind::Image};
  Widget ImageKamera3{"ImageKamera3", Kind::Image};
  Widget ImageKamera4{"ImageKamera4", Kind::Image};
  Label SteniNadpis0{"SteniNadpis(0)", "Материал стен"};
  Label SteniNadpis1{"SteniNadpis(1)", "Толщина (мм)"};
  Label ProduktText3{"ProduktText(3)", "Хранимая масса кг."};
  Label ProduktText4{"ProduktText(4)", "Суточный оборот кг."};
  Label TaraText2{"TaraText(2)", "Хранимая масса кг."};
  Label TaraText3{"TaraText(3)", "Суточный оборот, кг."};
  Label RejimText4{"RejimText(4)", "Время обработки"};

  // Handlers.
  void Option1_Click(int index);
  void ClickRegion_Click();
  void ClickRejim_Click();
  void ClickProduktKategoria_Click();
  void ClickProduktProdukt_Click();
  void ClickTaraMaterial_Click();

 private:
  void wire();

  Kamera kamera_;
  std::vector<Control*> controls_;
  std::map<std::string, Control*, std::less<>> byName_;
};

}  // namespace kalteron
