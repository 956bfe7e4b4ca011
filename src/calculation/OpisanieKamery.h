// The chamber description: every input of the main window, with the value
// each control holds when the window loads.
#pragma once

#include <vector>

#include "calculation/Controls.h"

namespace kalteron {

struct OpisanieKamery {
  // Frame "Контакты"
  TextBox ClickZakazsik{"ClickZakazsik", "Частный"};
  TextBox ClickKontakt{"ClickKontakt", "0"};
  TextBox ClickVedusii{"ClickVedusii", "0"};

  // Frame "Климатические параметры"
  ListBox ClickRegion{"ClickRegion"};
  TextBox ClickVlajnostVozduh{"ClickVlajnostVozduh", "0"};
  TextBox ClickTemperaturaVozduh{"ClickTemperaturaVozduh", "0"};

  // Frame "Режимы работы камеры"
  ListBox ClickRejim{"ClickRejim"};
  ComboBox ClickTemperaturaKamera{"ClickTemperaturaKamera", "-10"};
  ComboBox ClickVlajnostKamera{"ClickVlajnostKamera", "85"};
  ComboBox ClickVremiaKamera{"ClickVremiaKamera", "18"};
  ComboBox ClickZapasKamera{"ClickZapasKamera", "5"};

  // Frame "Параметры камеры"
  TextBox ClickKameraDlina{"ClickKameraDlina", "0"};
  TextBox ClickKameraSirina{"ClickKameraSirina", "0"};
  TextBox ClickKameraVisota{"ClickKameraVisota", "0"};
  OptionGroup Option1{"Option1", 0};  // 0 "Склад", 1 "Павильон"

  // Frame "Теплопоступления": the nine gain switches
  CheckBox CheckClickTeplopritokCteni{"CheckClickTeplopritokCteni", 1};
  CheckBox CheckClickTeplopritokProdukt{"CheckClickTeplopritokProdukt", 1};
  CheckBox CheckClickTeplopritokDihanie{"CheckClickTeplopritokDihanie", 1};
  CheckBox CheckClickTeplopritokDveri{"CheckClickTeplopritokDveri", 1};
  CheckBox CheckClickTeplopritokOsvesenie{"CheckClickTeplopritokOsvesenie", 1};
  CheckBox CheckClickTeplopritokPTS{"CheckClickTeplopritokPTS", 1};
  CheckBox CheckClickTeplopritokPersonal{"CheckClickTeplopritokPersonal", 1};
  CheckBox CheckClickTeplopritokOborudovanie{"CheckClickTeplopritokOborudovanie", 1};
  CheckBox CheckClickTeplopritokVOiTEN{"CheckClickTeplopritokVOiTEN", 1};

  // Page 1 "Камера": the enclosure table, one element per surface
  std::array<ListBox, kSurfaces> ClickSteni = perSurface<ListBox>("ClickSteni");
  std::array<TextBox, kSurfaces> ClickTolcinaSteni = perSurface<TextBox>("ClickTolcinaSteni", "0");
  std::array<ListBox, kSurfaces> ClickStekloSteni = perSurface<ListBox>("ClickStekloSteni");
  std::array<TextBox, kSurfaces> ClickZapolnenSteni = perSurface<TextBox>("ClickZapolnenSteni", "0");
  std::array<ListBox, kSurfaces> ClickIzolaicii = perSurface<ListBox>("ClickIzolaicii");
  std::array<TextBox, kSurfaces> ClickTolcinaIzolaicii = perSurface<TextBox>("ClickTolcinaIzolaicii", "0");
  std::array<TextBox, kSurfaces> ClickTemperatura = perSurface<TextBox>("ClickTemperatura", "0");

  // Page 2 "Продукт"
  ListBox ClickProduktKategoria{"ClickProduktKategoria"};
  ListBox ClickProduktProdukt{"ClickProduktProdukt"};
  TextBox ClickProduktHranMassa{"ClickProduktHranMassa", "0"};
  TextBox ClickProduktSutkiOborot{"ClickProduktSutkiOborot", "0"};
  TextBox ClickProduktTemperNasalnaia{"ClickProduktTemperNasalnaia", "0"};
  TextBox ClickProduktTemperKones{"ClickProduktTemperKones", "-10"};
  ListBox ClickTaraMaterial{"ClickTaraMaterial"};
  TextBox ClickTaraHranMassa{"ClickTaraHranMassa", "0"};
  TextBox ClickTaraSutkiOborot{"ClickTaraSutkiOborot", "0"};
  TextBox ClickTaraTemperNasalnaia{"ClickTaraTemperNasalnaia", "0"};
  TextBox ClickTaraTemperKones{"ClickTaraTemperKones", "-10"};
  TextBox ClickZagruzkaVisota{"ClickZagruzkaVisota", "0"};
  TextBox ClickZagruzkaPlotnost{"ClickZagruzkaPlotnost", "300"};
  OptionGroup ClickZagruzkaOborot{"ClickZagruzkaOborot", 0};  // 0 "Малая", 1 "Большая"

  // Page 3 "Эксплуатация"
  TextBox ClickPersonalKolichestvo{"ClickPersonalKolichestvo", "0"};
  TextBox ClickPersonalVremia{"ClickPersonalVremia", "0"};
  TextBox ClickPtsMosnost{"ClickPtsMosnost", "0"};
  TextBox ClickPtsGruzopodiemnost{"ClickPtsGruzopodiemnost", "3000"};
  TextBox ClickPtsVremia{"ClickPtsVremia", "0"};
  CheckBox ClickOsvesenieRekomenduemoe{"ClickOsvesenieRekomenduemoe", 1};
  TextBox ClickOsvesenieMosnost{"ClickOsvesenieMosnost", "5"};
  TextBox ClickOsvesenieVremia{"ClickOsvesenieVremia", "0"};
  CheckBox ClickDverTip{"ClickDverTip", 1};
  TextBox ClickDverVisota{"ClickDverVisota", "0"};
  TextBox ClickDverShirina{"ClickDverShirina", "0"};
  ListBox ClickDverTipTovara{"ClickDverTipTovara"};
  ListBox ClickDverZavesa{"ClickDverZavesa"};

  // Page 4 "Механизация"
  TextBox ClickLampaMosnost{"ClickLampaMosnost", "0"};
  TextBox ClickLampaVremia{"ClickLampaVremia", "0"};
  TextBox ClickDvigateliMosnost{"ClickDvigateliMosnost", "0"};
  TextBox ClickDvigateliVremia{"ClickDvigateliVremia", "0"};
  TextBox ClickProcheeOborudMosnost{"ClickProcheeOborudMosnost", "0"};
  TextBox ClickProcheeOborudVremia{"ClickProcheeOborudVremia", "0"};
  CheckBox ClickVentilasiaKratnostSamostoiatelno{"ClickVentilasiaKratnostSamostoiatelno", 0};
  TextBox ClickVentilasiaKratnost{"ClickVentilasiaKratnost", "0"};

  // Page 5 "Воздухоохладители"
  TextBox ClickVOpredvaritelno{"ClickVOpredvaritelno", "10"};
  CheckBox ClickVOutochnauchiiRaschet{"ClickVOutochnauchiiRaschet", 0};
  TextBox ClickVOkolichestvoVentilatorov{"ClickVOkolichestvoVentilatorov", "0"};
  TextBox ClickVOmochnostVentilatorov{"ClickVOmochnostVentilatorov", "0"};

  OpisanieKamery();

  // Every control of the description, in window order (the option groups
  // count once each).
  std::vector<Control*> controls();
};

}  // namespace kalteron
