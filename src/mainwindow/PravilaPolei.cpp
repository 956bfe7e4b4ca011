#include "mainwindow/PravilaPolei.h"

namespace kalteron {

namespace {

using V = VidPolia;
using E = Effekt;
constexpr bool da = true;
constexpr bool net = false;

// Field, kind, max length, Enter target, empty default, corrections,
// further effect, recalculates[, characters refused].
// clang-format off
const std::vector<PraviloPolia> kPravila = {
    {"ClickZakazsik", V::T, 0, "ClickKontakt", "0", {{}}, E::Net, net, ":/\""},
    {"ClickKontakt", V::T, 0, "ClickVedusii", "0", {{}}, E::Net, net},
    {"ClickVedusii", V::T, 0, "ClickRegion", "0", {{}}, E::Net, net},
    {"ClickVlajnostVozduh", V::U, 3, "ClickTemperaturaVozduh", "0", {{{Proverka::Menshe, 50, "50"}, {Proverka::Bolshe, 100, "100"}}}, E::Net, da},
    {"ClickTemperaturaVozduh", V::S, 3, "ClickRejim", "0", {{{Proverka::Menshe, -40, "-40"}, {Proverka::NeMenshe, 40, "39"}}}, E::TemperaturaVozduha, da},
    {"ClickTemperaturaKamera", V::S, 4, "ClickVlajnostKamera", "0", {{{Proverka::Menshe, -40, "-40"}, {Proverka::Bolshe, 40, "40"}, {Proverka::NeNijeVozduha, 0, "-10"}}}, E::TemperaturaKamery, da},
    {"ClickVlajnostKamera", V::U, 4, "ClickVremiaKamera", "85", {{{Proverka::Menshe, 50, "50"}, {Proverka::Bolshe, 100, "100"}}}, E::Net, da},
    {"ClickVremiaKamera", V::D, 4, "ClickZapasKamera", "18", {{{Proverka::Menshe, 0.1f, "0,1"}, {Proverka::Bolshe, 24, "24"}}}, E::Net, da},
    {"ClickZapasKamera", V::U, 4, "ClickRejim", "5", {{}}, E::Net, da},
    {"ClickKameraSirina", V::D, 6, "ClickKameraDlina", "0", {{}}, E::Net, da},
    {"ClickKameraDlina", V::D, 6, "ClickKameraVisota", "0", {{}}, E::Net, da},
    {"ClickKameraVisota", V::D, 6, "", "0", {{}}, E::VisotaKamery, da},
    {"ClickTolcinaSteniStenaA", V::U, 4, "ClickTolcinaSteniStenaB", "0", {{}}, E::Net, da},
    {"ClickTolcinaSteniStenaB", V::U, 4, "ClickTolcinaSteniStenaV", "0", {{}}, E::Net, da},
    {"ClickTolcinaSteniStenaV", V::U, 4, "ClickTolcinaSteniStenaG", "0", {{}}, E::Net, da},
    {"ClickTolcinaSteniStenaG", V::U, 4, "ClickTolcinaSteniPotolok", "0", {{}}, E::Net, da},
    {"ClickTolcinaSteniPotolok", V::U, 4, "ClickTolcinaSteniPol", "0", {{}}, E::Net, da},
    {"ClickTolcinaSteniPol", V::U, 4, "ClickTolcinaIzolaiciiStenaA", "0", {{}}, E::Net, da},
    {"ClickZapolnenSteniStenaA", V::U, 4, "ClickZapolnenSteniStenaB", "0", {{{Proverka::Bolshe, 100, "0"}}}, E::Net, da},
    {"ClickZapolnenSteniStenaB", V::U, 4, "ClickZapolnenSteniStenaV", "0", {{{Proverka::Bolshe, 100, "0"}}}, E::Net, da},
    {"ClickZapolnenSteniStenaV", V::U, 4, "ClickZapolnenSteniStenaG", "0", {{{Proverka::Bolshe, 100, "0"}}}, E::Net, da},
    {"ClickZapolnenSteniStenaG", V::U, 4, "ClickZapolnenSteniPotolok", "0", {{{Proverka::Bolshe, 100, "0"}}}, E::Net, da},
    {"ClickZapolnenSteniPotolok", V::U, 4, "ClickZapolnenSteniPol", "0", {{{Proverka::Bolshe, 100, "0"}}}, E::Net, da},
    {"ClickZapolnenSteniPol", V::U, 4, "ClickTolcinaIzolaiciiStenaA", "0", {{{Proverka::Bolshe, 100, "0"}}}, E::Net, da},
    {"ClickTolcinaIzolaiciiStenaA", V::U, 4, "ClickTolcinaIzolaiciiStenaB", "0", {{}}, E::Net, da},
    {"ClickTolcinaIzolaiciiStenaB", V::U, 4, "ClickTolcinaIzolaiciiStenaV", "0", {{}}, E::Net, da},
    {"ClickTolcinaIzolaiciiStenaV", V::U, 4, "ClickTolcinaIzolaiciiStenaG", "0", {{}}, E::Net, da},
    {"ClickTolcinaIzolaiciiStenaG", V::U, 4, "ClickTolcinaIzolaiciiPotolok", "0", {{}}, E::Net, da},
    {"ClickTolcinaIzolaiciiPotolok", V::U, 4, "ClickTolcinaIzolaiciiPol", "0", {{}}, E::Net, da},
    {"ClickTolcinaIzolaiciiPol", V::U, 4, "ClickTemperaturaStenaA", "0", {{}}, E::Net, da},
    {"ClickTemperaturaStenaA", V::S, 4, "ClickTemperaturaStenaB", "0", {{{Proverka::Menshe, -40, "-40"}, {Proverka::NeMenshe, 40, "39"}}}, E::Net, da},
    {"ClickTemperaturaStenaB", V::S, 4, "ClickTemperaturaStenaV", "0", {{{Proverka::Menshe, -40, "-40"}, {Proverka::NeMenshe, 40, "39"}}}, E::Net, da},
    {"ClickTemperaturaStenaV", V::S, 4, "ClickTemperaturaStenaG", "0", {{{Proverka::Menshe, -40, "-40"}, {Proverka::NeMenshe, 40, "39"}}}, E::Net, da},
    {"ClickTemperaturaStenaG", V::S, 4, "ClickTemperaturaPotolok", "0", {{{Proverka::Menshe, -40, "-40"}, {Proverka::NeMenshe, 40, "39"}}}, E::Net, da},
    {"ClickTemperaturaPotolok", V::S, 4, "ClickTemperaturaPol", "0", {{{Proverka::Menshe, -40, "-40"}, {Proverka::NeMenshe, 40, "39"}}}, E::Net, da},
    {"ClickTemperaturaPol", V::S, 4, "ClickTemperaturaStenaA", "0", {{{Proverka::Menshe, -40, "-40"}, {Proverka::NeMenshe, 40, "39"}}}, E::Net, da},
    {"ClickProduktHranMassa", V::U, 8, "ClickProduktSutkiOborot", "0", {{}}, E::Net, da},
    {"ClickProduktSutkiOborot", V::U, 8, "ClickProduktTemperNasalnaia", "0", {{}}, E::Net, da},
    {"ClickProduktTemperNasalnaia", V::S, 6, "ClickProduktTemperKones", "0", {{}}, E::Net, da},
    {"ClickProduktTemperKones", V::S, 6, "ClickZagruzkaVisota", "0", {{}}, E::KonesnaiaTemperatura, da},
    {"ClickTaraHranMassa", V::U, 8, "ClickTaraSutkiOborot", "0", {{}}, E::Net, da},
    {"ClickTaraSutkiOborot", V::U, 8, "ClickTaraTemperNasalnaia", "0", {{}}, E::Net, da},
    {"ClickTaraTemperNasalnaia", V::S, 6, "ClickTaraTemperKones", "0", {{}}, E::Net, da},
    {"ClickTaraTemperKones", V::S, 6, "ClickZagruzkaVisota", "0", {{}}, E::KonesnaiaTemperatura, da},
    {"ClickZagruzkaVisota", V::D, 6, "ClickZagruzkaPlotnost", "0", {{}}, E::Net, da},
    {"ClickZagruzkaPlotnost", V::U, 6, "ClickZagruzkaVisota", "0", {{}}, E::Net, da},
    {"ClickDverVisota", V::D, 6, "ClickDverShirina", "0", {{}}, E::Net, da},
    {"ClickDverShirina", V::D, 6, "ClickOsvesenieVremia", "0", {{}}, E::Net, da},
    {"ClickOsvesenieVremia", V::U, 6, "ClickPtsMosnost", "0", {{}}, E::Net, da},
    {"ClickOsvesenieMosnost", V::U, 6, "ClickPtsMosnost", "0", {{}}, E::Net, da},
    {"ClickPtsMosnost", V::U, 6, "ClickPtsGruzopodiemnost", "0", {{}}, E::Net, da},
    {"ClickPtsGruzopodiemnost", V::U, 6, "ClickPersonalKolichestvo", "0", {{}}, E::Net, da},
    {"ClickPtsVremia", V::U, 6, "ClickPersonalKolichestvo", "0", {{}}, E::Net, da},
    {"ClickPersonalKolichestvo", V::U, 6, "ClickDverTipTovara", "0", {{}}, E::Net, da},
    {"ClickPersonalVremia", V::U, 6, "ClickDverTipTovara", "0", {{}}, E::Net, da},
    {"ClickVentilasiaKratnost", V::D, 6, "ClickVentilasiaKratnostSamostoiatelno", "0", {{}}, E::Net, da},
    {"ClickLampaMosnost", V::D, 6, "ClickLampaVremia", "0", {{}}, E::Net, da},
    {"ClickLampaVremia", V::U, 6, "ClickDvigateliMosnost", "0", {{}}, E::Net, da},
    {"ClickDvigateliMosnost", V::D, 6, "ClickDvigateliVremia", "0", {{}}, E::Net, da},
    {"ClickDvigateliVremia", V::U, 6, "ClickProcheeOborudMosnost", "0", {{}}, E::Net, da},
    {"ClickProcheeOborudMosnost", V::D, 6, "ClickProcheeOborudVremia", "0", {{}}, E::Net, da},
    {"ClickProcheeOborudVremia", V::U, 6, "ClickVentilasiaKratnostSamostoiatelno", "0", {{}}, E::Net, da},
    {"ClickVOpredvaritelno", V::U, 6, "ClickVOutochnauchiiRaschet", "0", {{}}, E::Net, da},
    {"ClickVOkolichestvoVentilatorov", V::U, 6, "ClickVOmochnostVentilatorov", "0", {{}}, E::Net, da},
    {"ClickVOmochnostVentilatorov", V::D, 6, "ClickVOutochnauchiiRaschet", "0", {{}}, E::Net, da},
};
// clang-format on

}  // namespace

const std::vector<PraviloPolia>& pravilaPolei() { return kPravila; }

const PraviloPolia* pravilo(std::string_view pole) {
  for (const auto& p : kPravila)
    if (p.pole == pole) return &p;
  return nullptr;
}

}  // namespace kalteron
