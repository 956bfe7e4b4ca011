// Golden chambers: complete descriptions with every result pinned.
//
// Each chamber starts from a freshly loaded window, sets its fields in the
// order listed (the region first, as it rewrites the surface temperatures;
// the chamber type before the shares, as it clears them), recalculates once
// and must show exactly these texts. The expected texts and component values
// were worked out by golden_chambers.py beside this file, an independent model
// of the heat balance written from the formulas and the reference values,
// which rounds every value held in single precision to single; its output is
// pasted below. The test does not run the script.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>

#include "bal_helpers.h"
#include "calculation/Numbers.h"
#include "projectfiles/OpenSave.h"

namespace kalteron::test {
namespace {

struct ZolotaiaKamera {
  const char* name;
  Nastroiki nastroiki;
  Nastroiki ojidaemoe;
  // walls, product, packaging, respiration, doors, lighting, vehicles, staff,
  // ventilation, lamps, motors, other equipment, air coolers, sum, capacity
  std::array<float, 15> znachenia;
};

// clang-format off
const ZolotaiaKamera kKamery[] = {
    {"StoreStorageMeatAllOn",
     {{"ClickRegion", "Самара"}, {"ClickKameraDlina", "6"}, {"ClickKameraSirina", "4"},
      {"ClickKameraVisota", "3"}, {"ClickTemperaturaKamera", "-18"}, {"ClickVlajnostKamera", "90"},
      {"ClickZapasKamera", "10"}, {"ClickTolcinaSteniStenaA", "200"}, {"ClickTolcinaIzolaiciiStenaA", "100"},
      {"ClickTolcinaSteniStenaB", "200"}, {"ClickTolcinaIzolaiciiStenaB", "100"},
      {"ClickTolcinaSteniStenaV", "200"}, {"ClickTolcinaIzolaiciiStenaV", "100"},
      {"ClickTolcinaSteniStenaG", "200"}, {"ClickTolcinaIzolaiciiStenaG", "100"},
      {"ClickTolcinaSteniPotolok", "200"}, {"ClickTolcinaIzolaiciiPotolok", "100"},
      {"ClickTolcinaSteniPol", "200"}, {"ClickTolcinaIzolaiciiPol", "100"}, {"ClickSteniPol", "Грунт сухой"},
      {"ClickTemperaturaPol", "10"}, {"ClickIzolaiciiPol", "Пенопласт"}, {"ClickSteniStenaB", "Кирпич"},
      {"ClickTemperaturaStenaG", "20"}, {"ClickProduktHranMassa", "10000"},
      {"ClickProduktSutkiOborot", "2000"}, {"ClickProduktTemperNasalnaia", "5"},
      {"ClickProduktTemperKones", "-18"}, {"ClickTaraMaterial", "Дерево"}, {"ClickTaraSutkiOborot", "200"},
      {"ClickTaraTemperNasalnaia", "5"}, {"ClickTaraTemperKones", "-18"}, {"ClickPersonalKolichestvo", "2"},
      {"ClickPersonalVremia", "4"}, {"ClickPtsMosnost", "6"}, {"ClickPtsVremia", "2"},
      {"ClickPtsGruzopodiemnost", "1500"}, {"ClickOsvesenieVremia", "6"}, {"ClickDverVisota", "2,2"},
      {"ClickDverShirina", "1,6"}, {"ClickDverZavesa", "Штора"}, {"ClickLampaMosnost", "0,3"},
      {"ClickLampaVremia", "5"}, {"ClickDvigateliMosnost", "1"}, {"ClickDvigateliVremia", "10"},
      {"ClickProcheeOborudMosnost", "0,2"}, {"ClickProcheeOborudVremia", "24"}},
     {{"ClickTeplopritokCteni", "1,14"}, {"ClickTeplopritokStenaA", "0,1405671"},
      {"ClickTeplopritokStenaB", "0,2043624"}, {"ClickTeplopritokStenaV", "0,1405671"},
      {"ClickTeplopritokStenaG", "0,1602465"}, {"ClickTeplopritokPotolok", "0,2811342"},
      {"ClickTeplopritokPol", "0,2132808"}, {"ClickTeplopritokProdukt", "6,40"},
      {"ClickProduktTemperZamerz", "-1,5"}, {"ClickTeplopritokDihanie", "0,00"},
      {"DihanieText(1)", "Отсутствует"}, {"ClickTeplopritokDveri", "0,22"},
      {"ClickPtsKolisestvoProhodov", "2"}, {"ClickTeplopritokOsvesenie", "0,03"},
      {"ClickTeplopritokPTS", "0,25"}, {"ClickTeplopritokPersonal", "0,13"},
      {"ClickTeplopritokOborudovanie", "0,68"}, {"ClickTeplopritokVOiTEN", "1,18"},
      {"ClickTeplopritokSumma", "10,03"}, {"ClickTeplopritokSummKoeff", "14,71"},
      {"ClickKameraObiem", "72,00"}, {"ClickKameraPlosad", "24,00"},
      {"NeobhodRejimText", "Время раб. обор. : 18  час."}, {"NeobhodKoefZapas", "Коэф. запаса : 10  %"},
      {"ClickVentilasiaKratnost", "0"}, {"gTeplopritokProdukt", "6,26"}, {"gTeplopritokTara", "0,14"}},
     {1.140158f, 6.25625f, 0.1448148f, 0.0f, 0.2224013f, 0.03f, 0.25f, 0.126f, 0.0f, 0.0625f, 0.4166667f, 0.2f, 1.179839f, 10.02863f, 14.70866f}},
    {"PavilionCoolingApplesAllOn",
     {{"ClickRegion", "Москва"}, {"ClickRejim", "Охлаждение"}, {"Option1(1)", "True"},
      {"ClickKameraDlina", "5"}, {"ClickKameraSirina", "4"}, {"ClickKameraVisota", "3"},
      {"ClickTemperaturaKamera", "2"}, {"ClickVlajnostKamera", "90"}, {"ClickVremiaKamera", "12"},
      {"ClickZapasKamera", "15"}, {"ClickStekloSteniStenaA", "Стекло 4 мм."},
      {"ClickZapolnenSteniStenaA", "50"}, {"ClickStekloSteniStenaB", "Стекло 4 мм."},
      {"ClickZapolnenSteniStenaB", "50"}, {"ClickStekloSteniPotolok", "Ст/пак 32 мм.(6-6)"},
      {"ClickZapolnenSteniPotolok", "30"}, {"ClickSteniStenaV", "Пенобетон"},
      {"ClickIzolaiciiStenaA", "Мин. вата"}, {"ClickTolcinaIzolaiciiStenaA", "80"},
      {"ClickIzolaiciiStenaB", "Мин. вата"}, {"ClickTolcinaIzolaiciiStenaB", "80"},
      {"ClickIzolaiciiStenaV", "Мин. вата"}, {"ClickTolcinaIzolaiciiStenaV", "80"},
      {"ClickIzolaiciiStenaG", "Мин. вата"}, {"ClickTolcinaIzolaiciiStenaG", "80"},
      {"ClickIzolaiciiPotolok", "Мин. вата"}, {"ClickTolcinaIzolaiciiPotolok", "80"},
      {"ClickIzolaiciiPol", "Мин. вата"}, {"ClickTolcinaIzolaiciiPol", "80"}, {"ClickTemperaturaPol", "12"},
      {"ClickProduktKategoria", "Фрукты"}, {"ClickProduktProdukt", "Яблоки"},
      {"ClickProduktSutkiOborot", "3000"}, {"ClickProduktTemperNasalnaia", "20"},
      {"ClickProduktTemperKones", "4"}, {"ClickTaraMaterial", "Пластик"}, {"ClickTaraSutkiOborot", "300"},
      {"ClickTaraTemperNasalnaia", "20"}, {"ClickTaraTemperKones", "4"}, {"ClickPersonalKolichestvo", "1"},
      {"ClickPersonalVremia", "3"}, {"ClickPtsMosnost", "4"}, {"ClickPtsVremia", "1,5"},
      {"ClickPtsGruzopodiemnost", "1000"}, {"ClickOsvesenieVremia", "12"}, {"ClickDverTip", "0"},
      {"ClickDverVisota", "2"}, {"ClickDverShirina", "1,2"}, {"ClickDverTipTovara", "Мясные туши на крюках"},
      {"ClickDverZavesa", "Возд.завеса"}, {"ClickLampaMosnost", "0,2"}, {"ClickLampaVremia", "6"},
      {"ClickVOutochnauchiiRaschet", "1"}, {"ClickVOkolichestvoVentilatorov", "3"},
      {"ClickVOmochnostVentilatorov", "0,35"}},
     {{"ClickTeplopritokCteni", "3,33"}, {"ClickTeplopritokStenaA", "1,08885"},
      {"ClickTeplopritokStenaB", "1,361062"}, {"ClickTeplopritokStenaV", "0,1782067"},
      {"ClickTeplopritokStenaG", "0,2227583"}, {"ClickTeplopritokPotolok", "0,3619484"},
      {"ClickTeplopritokPol", "0,114235"}, {"ClickTeplopritokProdukt", "4,43"},
      {"ClickProduktTemperZamerz", "-2"}, {"ClickTeplopritokDihanie", "0,19"},
      {"DihanieText(1)", "Присутствует"}, {"ClickTeplopritokDveri", "0,05"},
      {"ClickPtsKolisestvoProhodov", "4"}, {"ClickTeplopritokOsvesenie", "0,05"},
      {"ClickTeplopritokPTS", "0,13"}, {"ClickTeplopritokPersonal", "0,03"},
      {"ClickTeplopritokOborudovanie", "0,50"}, {"ClickTeplopritokVOiTEN", "1,05"},
      {"ClickTeplopritokSumma", "9,76"}, {"ClickTeplopritokSummKoeff", "11,23"},
      {"ClickKameraObiem", "60,00"}, {"ClickKameraPlosad", "20,00"},
      {"NeobhodRejimText", "Время обработки : 12  час."}, {"NeobhodKoefZapas", "Коэф. запаса : 15  %"},
      {"ClickVentilasiaKratnost", "9,04"}, {"gTeplopritokProdukt", "4,28"}, {"gTeplopritokTara", "0,15"}},
     {3.32706f, 4.277778f, 0.1533333f, 0.19075f, 0.05203792f, 0.05f, 0.125f, 0.03225f, 0.4535135f, 0.05f, 0.0f, 0.0f, 1.05f, 9.761723f, 11.22598f}},
    {"StoreStoragePotatoesSomeOff",
     {{"ClickRegion", "Ашхабад"}, {"ClickKameraDlina", "8"}, {"ClickKameraSirina", "6"},
      {"ClickKameraVisota", "4"}, {"ClickTemperaturaKamera", "4"}, {"ClickVlajnostKamera", "95"},
      {"ClickVremiaKamera", "20"}, {"ClickTolcinaSteniStenaA", "250"},
      {"ClickTolcinaIzolaiciiStenaA", "120"}, {"ClickTolcinaSteniStenaB", "250"},
      {"ClickTolcinaIzolaiciiStenaB", "120"}, {"ClickTolcinaSteniStenaV", "250"},
      {"ClickTolcinaIzolaiciiStenaV", "120"}, {"ClickTolcinaSteniStenaG", "250"},
      {"ClickTolcinaIzolaiciiStenaG", "120"}, {"ClickTolcinaSteniPotolok", "250"},
      {"ClickTolcinaIzolaiciiPotolok", "120"}, {"ClickTolcinaSteniPol", "250"},
      {"ClickTolcinaIzolaiciiPol", "120"}, {"ClickSteniStenaA", "Кирпич"}, {"ClickTemperaturaPol", "15"},
      {"ClickProduktKategoria", "Овощи"}, {"ClickProduktProdukt", "Картофель"},
      {"ClickProduktHranMassa", "50000"}, {"ClickProduktSutkiOborot", "5000"},
      {"ClickProduktTemperNasalnaia", "15"}, {"ClickProduktTemperKones", "4"},
      {"ClickTaraMaterial", "Картон"}, {"ClickTaraSutkiOborot", "250"}, {"ClickTaraTemperNasalnaia", "15"},
      {"ClickTaraTemperKones", "4"}, {"ClickPersonalKolichestvo", "3"}, {"ClickPersonalVremia", "8"},
      {"ClickPtsMosnost", "10"}, {"ClickPtsVremia", "4"}, {"ClickOsvesenieVremia", "8"},
      {"ClickDverVisota", "2,5"}, {"ClickDverShirina", "2"}, {"ClickLampaMosnost", "1"},
      {"ClickLampaVremia", "12"}, {"ClickDvigateliMosnost", "2"}, {"ClickDvigateliVremia", "6"},
      {"CheckClickTeplopritokDihanie", "0"}, {"CheckClickTeplopritokPTS", "0"},
      {"CheckClickTeplopritokPersonal", "0"}, {"CheckClickTeplopritokVOiTEN", "0"}},
     {{"ClickTeplopritokCteni", "1,23"}, {"ClickTeplopritokStenaA", "0,164033"},
      {"ClickTeplopritokStenaB", "0,2259783"}, {"ClickTeplopritokStenaV", "0,1694837"},
      {"ClickTeplopritokStenaG", "0,2259783"}, {"ClickTeplopritokPotolok", "0,3389674"},
      {"ClickTeplopritokPol", "0,1035734"}, {"ClickTeplopritokProdukt", "2,31"},
      {"ClickProduktTemperZamerz", "-1"}, {"ClickTeplopritokDihanie", "0"},
      {"DihanieText(1)", "Присутствует"}, {"ClickTeplopritokDveri", "0,63"},
      {"ClickPtsKolisestvoProhodov", "2"}, {"ClickTeplopritokOsvesenie", "0,08"},
      {"ClickTeplopritokPTS", "0"}, {"ClickTeplopritokPersonal", "0"},
      {"ClickTeplopritokOborudovanie", "1,00"}, {"ClickTeplopritokVOiTEN", "0"},
      {"ClickTeplopritokSumma", "5,25"}, {"ClickTeplopritokSummKoeff", "6,62"},
      {"ClickKameraObiem", "192,00"}, {"ClickKameraPlosad", "48,00"},
      {"NeobhodRejimText", "Время раб. обор. : 20  час."}, {"NeobhodKoefZapas", "Коэф. запаса : 5  %"},
      {"ClickVentilasiaKratnost", "0"}, {"gTeplopritokProdukt", "2,27"}, {"gTeplopritokTara", "0,05"}},
     {1.228014f, 2.266204f, 0.04646991f, 0.0f, 0.6297956f, 0.08f, 0.0f, 0.0f, 0.0f, 0.5f, 0.5f, 0.0f, 0.0f, 5.250484f, 6.615609f}},
    {"PavilionStorageCheeseManualAir",
     {{"ClickRegion", "Другой"}, {"ClickTemperaturaVozduh", "25"}, {"ClickVlajnostVozduh", "52"},
      {"Option1(1)", "True"}, {"ClickKameraDlina", "7,5"}, {"ClickKameraSirina", "3,2"},
      {"ClickKameraVisota", "2,8"}, {"ClickTemperaturaKamera", "3"}, {"ClickVlajnostKamera", "80"},
      {"ClickVremiaKamera", "16"}, {"ClickZapasKamera", "20"}, {"ClickTemperaturaStenaA", "25"},
      {"ClickTemperaturaStenaB", "25"}, {"ClickTemperaturaStenaV", "18"}, {"ClickTemperaturaStenaG", "25"},
      {"ClickTemperaturaPotolok", "30"}, {"ClickTemperaturaPol", "10"},
      {"ClickStekloSteniStenaA", "Стекло 4 мм."}, {"ClickZapolnenSteniStenaA", "100"},
      {"ClickZapolnenSteniStenaG", "40"}, {"ClickTolcinaIzolaiciiStenaB", "100"},
      {"ClickTolcinaIzolaiciiStenaV", "100"}, {"ClickTolcinaIzolaiciiPotolok", "150"},
      {"ClickTolcinaIzolaiciiPol", "100"}, {"ClickProduktKategoria", "Молочные"},
      {"ClickProduktProdukt", "Сыры"}, {"ClickProduktHranMassa", "4000"}, {"ClickProduktSutkiOborot", "500"},
      {"ClickProduktTemperNasalnaia", "12"}, {"ClickProduktTemperKones", "3"},
      {"ClickTaraMaterial", "Стекло"}, {"ClickTaraSutkiOborot", "50"}, {"ClickTaraTemperNasalnaia", "12"},
      {"ClickTaraTemperKones", "3"}, {"ClickPersonalKolichestvo", "2"}, {"ClickPersonalVremia", "2"},
      {"ClickOsvesenieMosnost", "8"}, {"ClickOsvesenieVremia", "10"}, {"ClickDverVisota", "2,1"},
      {"ClickDverShirina", "0,9"}, {"ClickDverTip", "0"}, {"ClickPtsGruzopodiemnost", "0"},
      {"ClickVentilasiaKratnostSamostoiatelno", "1"}, {"ClickVentilasiaKratnost", "4,5"},
      {"ClickProcheeOborudMosnost", "0,4"}, {"ClickProcheeOborudVremia", "24"},
      {"ClickVOpredvaritelno", "15"}, {"CheckClickTeplopritokCteni", "0"},
      {"CheckClickTeplopritokOsvesenie", "0"}},
     {{"ClickTeplopritokCteni", "0"}, {"ClickTeplopritokStenaA", "1,263269"},
      {"ClickTeplopritokStenaB", "0,1113045"}, {"ClickTeplopritokStenaV", "0,03237949"},
      {"ClickTeplopritokStenaG", "2,965764"}, {"ClickTeplopritokPotolok", "0,1053526"},
      {"ClickTeplopritokPol", "0,04047436"}, {"ClickTeplopritokProdukt", "0,16"},
      {"ClickProduktTemperZamerz", "-8,5"}, {"ClickTeplopritokDihanie", "0,31"},
      {"DihanieText(1)", "Присутствует"}, {"ClickTeplopritokDveri", "0,01"},
      {"ClickPtsKolisestvoProhodov", "0"}, {"ClickTeplopritokOsvesenie", "0"},
      {"ClickTeplopritokPTS", "0,00"}, {"ClickTeplopritokPersonal", "0,04"},
      {"ClickTeplopritokOborudovanie", "0,57"}, {"ClickTeplopritokVOiTEN", "0,24"},
      {"ClickTeplopritokSumma", "1,32"}, {"ClickTeplopritokSummKoeff", "2,37"},
      {"ClickKameraObiem", "67,20"}, {"ClickKameraPlosad", "24,00"},
      {"NeobhodRejimText", "Время раб. обор. : 16  час."}, {"NeobhodKoefZapas", "Коэф. запаса : 20  %"},
      {"ClickVentilasiaKratnost", "4,5"}, {"gTeplopritokProdukt", "0,15"}, {"gTeplopritokTara", "0,00"}},
     {0.0f, 0.1526042f, 0.004375f, 0.305f, 0.007257686f, 0.0f, 0.0f, 0.042f, 0.1654454f, 0.0f, 0.0f, 0.4f, 0.2422535f, 1.318936f, 2.374084f}},
};
// clang-format on

// GoogleTest and the test list show a chamber by its name, not its bytes.
void PrintTo(const ZolotaiaKamera& z, std::ostream* os) { *os << z.name; }

class Golden : public ::testing::TestWithParam<ZolotaiaKamera> {};

TEST_P(Golden, EveryResultAsTheUserSeesIt) {
  const ZolotaiaKamera& z = GetParam();
  auto bal = poschitat(z.nastroiki);
  for (const auto& [name, text] : z.ojidaemoe) {
    SCOPED_TRACE(name);
    if (name == "gTeplopritokProdukt") {
      EXPECT_EQ(format00(bal->st.gTeplopritokProdukt), text);
    } else if (name == "gTeplopritokTara") {
      EXPECT_EQ(format00(bal->st.gTeplopritokTara), text);
    } else {
      EXPECT_EQ(tekst(*bal, name), text);
    }
  }
  // The automatic air-change rate is locked, a rate entered by hand is not.
  EXPECT_EQ(bal->op.ClickVentilasiaKratnost.enabled(), bal->op.ClickVentilasiaKratnostSamostoiatelno.value() != 0);

  const RaschetState& st = bal->st;
  const std::array<float, 15> poluceno = {
      st.gTeplopritokCteni,      st.gTeplopritokProdukt,   st.gTeplopritokTara,      st.gTeplopritokDihanie,
      st.gTeplopritokDveri,      st.gTeplopritokOsvesenie, st.gTeplopritokPts,       st.gTeplopritokPersonal,
      st.gTeplopritokVentilasia, st.gTeplopritokLampa,     st.gTeplopritokDvigateli, st.gTeplopritokProcheeOborud,
      st.gTeplopritokVO,         st.gTeplopritokSumma,     st.gTeplopritokSummKoeff};
  for (std::size_t i = 0; i < poluceno.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(poluceno[i], z.znachenia[i], 2e-6 * std::max(1.0f, std::fabs(z.znachenia[i])));
  }
}

// The same chamber gives the same results whatever the window showed before.
TEST_P(Golden, DoesNotDependOnTheChamberBefore) {
  const ZolotaiaKamera& z = GetParam();
  auto svejii = poschitat(z.nastroiki);
  auto bal = zapustit();
  for (const ZolotaiaKamera& drugaia : kKamery) {
    ustanovit(*bal, drugaia.nastroiki);
    bal->RaschetVse();
  }
  // Back to the new-project values (which keep the chamber type and two
  // hours), then this chamber.
  NewRaschet(*bal);
  ustanovit(*bal, {{"Option1(0)", "True"}, {"ClickPtsVremia", "0"}, {"ClickPersonalVremia", "0"}});
  ustanovit(*bal, z.nastroiki);
  bal->RaschetVse();
  EXPECT_EQ(rezultaty(*bal), rezultaty(*svejii));
}

INSTANTIATE_TEST_SUITE_P(Chambers, Golden, ::testing::ValuesIn(kKamery),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalteron::test

namespace kalteron::test {
namespace {

// Each switch of the gains panel on the apple pavilion (every gain in use):
// clearing it recalculates at once, the field shows "0" and the sum loses
// exactly that component; ticking it again brings every result back.
TEST(Switches, ClearedSwitchTakesItsComponentOut) {
  const ZolotaiaKamera& z = kKamery[1];
  auto bal = poschitat(z.nastroiki);
  const auto vse = rezultaty(*bal);
  const RaschetState on = bal->st;
  struct Case {
    const char* vkluchatel;
    const char* pole;
    float bezNego;  // the sum without the component
  };
  const float s = on.gTeplopritokSumma;
  const Case cases[] = {
      {"CheckClickTeplopritokCteni", "ClickTeplopritokCteni", s - on.gTeplopritokCteni},
      {"CheckClickTeplopritokProdukt", "ClickTeplopritokProdukt", s - on.gTeplopritokProdukt - on.gTeplopritokTara},
      // respiration off also stops the automatic air changes
      {"CheckClickTeplopritokDihanie", "ClickTeplopritokDihanie",
       s - on.gTeplopritokDihanie - on.gTeplopritokVentilasia},
      {"CheckClickTeplopritokDveri", "ClickTeplopritokDveri", s - on.gTeplopritokDveri},
      {"CheckClickTeplopritokOsvesenie", "ClickTeplopritokOsvesenie", s - on.gTeplopritokOsvesenie},
      {"CheckClickTeplopritokPTS", "ClickTeplopritokPTS", s - on.gTeplopritokPts},
      {"CheckClickTeplopritokPersonal", "ClickTeplopritokPersonal", s - on.gTeplopritokPersonal},
      {"CheckClickTeplopritokOborudovanie", "ClickTeplopritokOborudovanie",
       s - on.gTeplopritokVentilasia - on.gTeplopritokLampa - on.gTeplopritokDvigateli - on.gTeplopritokProcheeOborud},
      {"CheckClickTeplopritokVOiTEN", "ClickTeplopritokVOiTEN", s - on.gTeplopritokVO},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.vkluchatel);
    const bool dihanie = std::string(c.vkluchatel) == "CheckClickTeplopritokDihanie";
    ustanovit(*bal, c.vkluchatel, "0");
    EXPECT_EQ(tekst(*bal, c.pole), "0");
    EXPECT_NEAR(bal->st.gTeplopritokSumma, c.bezNego, 1e-5f);
    EXPECT_NE(tekst(*bal, "ClickTeplopritokSummKoeff"), "0");
    // Every other field of the panel keeps its text; respiration off reads
    // the rate as 0 but keeps the notice.
    for (const auto& [name, text] : z.ojidaemoe) {
      if (name == c.pole || name.rfind("ClickTeplopritokSumm", 0) == 0 || name[0] == 'g') continue;
      if (dihanie && name == "ClickTeplopritokOborudovanie") continue;
      SCOPED_TRACE(name);
      EXPECT_EQ(tekst(*bal, name), dihanie && name == "ClickVentilasiaKratnost" ? "0" : text);
    }
    ustanovit(*bal, c.vkluchatel, "1");
    EXPECT_EQ(rezultaty(*bal), vse);
    EXPECT_EQ(bal->st.gTeplopritokSumma, s);
  }
}

}  // namespace
}  // namespace kalteron::test
