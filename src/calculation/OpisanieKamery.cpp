#include "calculation/OpisanieKamery.h"

namespace kalteron {

OpisanieKamery::OpisanieKamery() {
  for (int s = 0; s < kSurfaces; ++s) {
    ClickStekloSteni[static_cast<std::size_t>(s)].setVisible(false);
    ClickZapolnenSteni[static_cast<std::size_t>(s)].setVisible(false);
  }
  ClickOsvesenieMosnost.setEnabled(false);
  ClickVentilasiaKratnost.setEnabled(false);
  ClickVOkolichestvoVentilatorov.setEnabled(false);
  ClickVOmochnostVentilatorov.setEnabled(false);
}

std::vector<Control*> OpisanieKamery::controls() {
  std::vector<Control*> v = {&ClickZakazsik,
                             &ClickKontakt,
                             &ClickVedusii,
                             &ClickRegion,
                             &ClickVlajnostVozduh,
                             &ClickTemperaturaVozduh,
                             &ClickRejim,
                             &ClickTemperaturaKamera,
                             &ClickVlajnostKamera,
                             &ClickVremiaKamera,
                             &ClickZapasKamera,
                             &ClickKameraDlina,
                             &ClickKameraSirina,
                             &ClickKameraVisota,
                             &Option1,
                             &CheckClickTeplopritokCteni,
                             &CheckClickTeplopritokProdukt,
                             &CheckClickTeplopritokDihanie,
                             &CheckClickTeplopritokDveri,
                             &CheckClickTeplopritokOsvesenie,
                             &CheckClickTeplopritokPTS,
                             &CheckClickTeplopritokPersonal,
                             &CheckClickTeplopritokOborudovanie,
                             &CheckClickTeplopritokVOiTEN};
  for (int s = 0; s < kSurfaces; ++s) {
    const auto i = static_cast<std::size_t>(s);
    v.insert(v.end(), {&ClickSteni[i], &ClickTolcinaSteni[i], &ClickStekloSteni[i], &ClickZapolnenSteni[i],
                       &ClickIzolaicii[i], &ClickTolcinaIzolaicii[i], &ClickTemperatura[i]});
  }
  v.insert(v.end(), {&ClickProduktKategoria,
                     &ClickProduktProdukt,
                     &ClickProduktHranMassa,
                     &ClickProduktSutkiOborot,
                     &ClickProduktTemperNasalnaia,
                     &ClickProduktTemperKones,
                     &ClickTaraMaterial,
                     &ClickTaraHranMassa,
                     &ClickTaraSutkiOborot,
                     &ClickTaraTemperNasalnaia,
                     &ClickTaraTemperKones,
                     &ClickZagruzkaVisota,
                     &ClickZagruzkaPlotnost,
                     &ClickZagruzkaOborot,
                     &ClickPersonalKolichestvo,
                     &ClickPersonalVremia,
                     &ClickPtsMosnost,
                     &ClickPtsGruzopodiemnost,
                     &ClickPtsVremia,
                     &ClickOsvesenieRekomenduemoe,
                     &ClickOsvesenieMosnost,
                     &ClickOsvesenieVremia,
                     &ClickDverTip,
                     &ClickDverVisota,
                     &ClickDverShirina,
                     &ClickDverTipTovara,
                     &ClickDverZavesa,
                     &ClickLampaMosnost,
                     &ClickLampaVremia,
                     &ClickDvigateliMosnost,
                     &ClickDvigateliVremia,
                     &ClickProcheeOborudMosnost,
                     &ClickProcheeOborudVremia,
                     &ClickVentilasiaKratnostSamostoiatelno,
                     &ClickVentilasiaKratnost,
                     &ClickVOpredvaritelno,
                     &ClickVOutochnauchiiRaschet,
                     &ClickVOkolichestvoVentilatorov,
                     &ClickVOmochnostVentilatorov});
  return v;
}

}  // namespace kalteron
