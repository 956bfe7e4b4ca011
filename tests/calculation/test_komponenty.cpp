// The heat sources one at a time, through a whole window: each case starts
// from a freshly loaded window (Самара, an empty chamber, every gain on), sets
// the fields that matter, recalculates and reads the fields as a user sees
// them. The expected numbers are worked by hand from the formulas and the
// reference values; the working is in the comment beside each case.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "bal_helpers.h"
#include "calculation/Numbers.h"

namespace kalteron::test {
namespace {

// A chamber 5 m long, 4 m wide and 3 m high at -10 °C behind 32 °C (Самара),
// every thickness 0: U = 1 / (1/22,7 + 1/9,37) = 6,632 W/(m2 K).
const Nastroiki kKamera543 = {{"ClickKameraDlina", "5"}, {"ClickKameraSirina", "4"}, {"ClickKameraVisota", "3"}};

TEST(Enclosure, SurfaceGains) {
  struct Case {
    const char* name;
    Nastroiki nastroiki;
    float stenaA;  // W
  };
  const Case cases[] = {
      // 12 m2 x 6,632 x 42 K
      {"store", kKamera543, 3342.70f},
      // glazing of 10 mm: U = 1 / (1/22,7 + 0,013157895 + 1/9,37) = 6,100; 12 x 6,100 x 42
      {"pavilion fully glazed", {{"Option1(1)", "True"}, {"ClickZapolnenSteniStenaA", "100"}}, 3074.40f},
      // a store keeps the whole solid area and adds the glazed half on top: 6 x 6,100 x 42 + 3342,7
      {"store with a glazed share from a file", {{"ClickZapolnenSteniStenaA", "50"}}, 4879.90f},
      {"no temperature difference", {{"ClickTemperaturaStenaA", "-10"}}, 0.0f},
      // colder beyond than inside: a loss, 12 x 6,632 x (-10)
      {"colder beyond", {{"ClickTemperaturaStenaA", "-20"}}, -795.88f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto bal = poschitat(plus(kKamera543, c.nastroiki));
    EXPECT_NEAR(bal->st.gTeplopritokPoverhnost[0], c.stenaA, 0.01f);
    EXPECT_EQ(tekst(*bal, "ClickTeplopritokStenaA"), singleToText(bal->st.gTeplopritokPoverhnost[0] / 1000.0f));
  }
}

TEST(Product, CoolingFreezingAndBelow) {
  struct Case {
    const char* name;
    Nastroiki nastroiki;
    const char* pole;
    float kW;
  };
  // Баранина: freezing point -1,5, c1 3,06, c2 1,72, latent heat 222.
  // 20 -> -18 °C: 3,06 x 21,5 + 222 + 1,72 x 16,5 = 316,17 kJ/kg.
  const Nastroiki baranina = {
      {"ClickProduktSutkiOborot", "1000"}, {"ClickProduktTemperNasalnaia", "20"}, {"ClickProduktTemperKones", "-18"}};
  const auto s = [&](const Nastroiki& extra) { return plus(baranina, extra); };
  const Case cases[] = {
      {"storage: per day", baranina, "3,66", 316.17f * 1000 / 86400},
      {"cooling: per 10 h", s({{"ClickRejim", "Охлаждение"}, {"ClickVremiaKamera", "10"}}), "8,78",
       316.17f * 1000 / 36000},
      {"above freezing only", s({{"ClickProduktTemperKones", "2"}}), "0,64", 3.06f * 18 * 1000 / 86400},
      {"ending at the freezing point", s({{"ClickProduktTemperKones", "-1,5"}}), "0,76", 3.06f * 21.5f * 1000 / 86400},
      {"starting at the freezing point", s({{"ClickProduktTemperNasalnaia", "-1,5"}}), "0,33",
       1.72f * 16.5f * 1000 / 86400},
      {"all below freezing", s({{"ClickProduktTemperNasalnaia", "-5"}}), "0,26", 1.72f * 13 * 1000 / 86400},
      {"all three equal", s({{"ClickProduktTemperNasalnaia", "-1,5"}, {"ClickProduktTemperKones", "-1,5"}}), "0,00", 0},
      {"from below to above", s({{"ClickProduktTemperNasalnaia", "-5"}, {"ClickProduktTemperKones", "0"}}), "0,00", 0},
      // 1000 kg of wood, c 2,72, 20 -> -18 °C: 2,72 x 38 x 1000 / 86400 = 1,196 kW on top
      {"with packaging",
       s({{"ClickTaraMaterial", "Дерево"},
          {"ClickTaraSutkiOborot", "1000"},
          {"ClickTaraTemperNasalnaia", "20"},
          {"ClickTaraTemperKones", "-18"}}),
       "4,86", 316.17f * 1000 / 86400},
      // another product: its own freezing point and heats in the same recalculation (Говядина
      // жирная: -1,5, 2,93, 1,59, 207)
      {"another product", s({{"ClickProduktProdukt", "Говядина жирная"}}), "3,43",
       (2.93f * 21.5f + 207 + 1.59f * 16.5f) * 1000 / 86400},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto bal = poschitat(c.nastroiki);
    EXPECT_EQ(tekst(*bal, "ClickTeplopritokProdukt"), c.pole);
    EXPECT_NEAR(bal->st.gTeplopritokProdukt, c.kW, 1e-5f);
  }
}

TEST(Respiration, LivingProduce) {
  struct Case {
    const char* name;
    Nastroiki nastroiki;
    const char* pole;
    const char* nadpis;
    float kW;
  };
  const Nastroiki yabloki = {{"ClickProduktKategoria", "Фрукты"}, {"ClickProduktProdukt", "Яблоки"}};
  const auto s = [&](const Nastroiki& extra) { return plus(yabloki, extra); };
  // Яблоки: 53, 175 and 356 kJ per tonne per hour at 0, 10 and 20 °C.
  const Case cases[] = {
      {"stored at 0 °C", s({{"ClickProduktHranMassa", "10000"}, {"ClickProduktTemperKones", "0"}}), "0,15",
       "Присутствует", 10000 * 53 / 3600.0f / 1000},
      // 175 + (356 - 175) / 10 x 15 = 446,5 at 25 °C; turnover (446,5 + 53) / 2
      {"turnover from 25 °C",
       s({{"ClickProduktSutkiOborot", "1000"},
          {"ClickProduktTemperNasalnaia", "25"},
          {"ClickProduktTemperKones", "0"}}),
       "0,07", "Присутствует", 1000 * (446.5f + 53) / 2 / 3600 / 1000},
      // 5 °C: 53 + (175 - 53) / 10 x 5 = 114
      {"stored at 5 °C", s({{"ClickProduktHranMassa", "10000"}, {"ClickProduktTemperKones", "5"}}), "0,32",
       "Присутствует", 10000 * 114 / 3600.0f / 1000},
      {"below 0 °C nothing", s({{"ClickProduktHranMassa", "10000"}, {"ClickProduktTemperKones", "-1"}}), "0,00",
       "Отсутствует", 0},
      {"cooling ignores the stored mass",
       s({{"ClickRejim", "Охлаждение"}, {"ClickProduktHranMassa", "10000"}, {"ClickProduktTemperKones", "0"}}), "0,00",
       "Отсутствует", 0},
      {"meat does not respire",
       {{"ClickProduktHranMassa", "10000"}, {"ClickProduktTemperKones", "0"}},
       "0,00",
       "Отсутствует",
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto bal = poschitat(c.nastroiki);
    EXPECT_EQ(tekst(*bal, "ClickTeplopritokDihanie"), c.pole);
    EXPECT_EQ(tekst(*bal, "DihanieText(1)"), c.nadpis);
    EXPECT_NEAR(bal->st.gTeplopritokDihanie, c.kW, 1e-6f);
  }
}

// Door 2 m high, 1,5 m wide; wall A at 30 °C, outside 54 % (looked up at 55 %:
// 65,2 kJ/kg); chamber -10 °C, 85 % (-6,6 kJ/kg); 1000 kg a day on pallets
// (0,8 min per tonne), capacity 3000 kg, automatic door. Densities 1,16504 and
// 1,34214, ratio 1,152 -> 1,15 -> factor 0,965; q = 3 x 0,692 x 71,8 x 1,34214
// x 0,965 x sqrt((1 - 0,86804) x 2) = 99,17 kW; one passage of 15 s and
// 0,8 min open: 63 s a day; 63 / 86400 x 99,17 x 1,1 = 0,0795 kW.
const Nastroiki kDver = {{"ClickRegion", "Другой"},           {"ClickTemperaturaVozduh", "30"},
                         {"ClickVlajnostVozduh", "54"},       {"ClickTemperaturaStenaA", "30"},
                         {"ClickProduktSutkiOborot", "1000"}, {"ClickDverVisota", "2"},
                         {"ClickDverShirina", "1,5"}};

TEST(Door, Infiltration) {
  struct Case {
    const char* name;
    Nastroiki nastroiki;
    const char* pole;
    const char* prohodov;
    float kW;
  };
  const auto s = [&](const Nastroiki& extra) { return plus(kDver, extra); };
  const float q = 99.17f * 1.1f / 86400;
  const Case cases[] = {
      {"worked example", kDver, "0,08", "1", 63 * q},
      {"air curtain", s({{"ClickDverZavesa", "Возд.завеса"}}), "0,02", "1", 63 * q * 0.3f},
      {"strip curtain", s({{"ClickDverZavesa", "Штора"}}), "0,06", "1", 63 * q * 0.8f},
      {"manual door: 25 s a passage", s({{"ClickDverTip", "0"}}), "0,09", "1", 73 * q},
      // 2000 + 1000 kg = the capacity: two passages
      {"turnover equal to the capacity", s({{"ClickTaraSutkiOborot", "2000"}}), "0,10", "2", (30 + 48) * q},
      {"no turnover: one passage", s({{"ClickProduktSutkiOborot", "0"}}), "0,02", "1", 15 * q},
      // carcasses on hooks: 1 min per tonne
      {"carcasses", s({{"ClickDverTipTovara", "Мясные туши на крюках"}}), "0,09", "1", 75 * q},
      {"same temperature both sides", s({{"ClickTemperaturaStenaA", "-10"}}), "0,00", "1", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto bal = poschitat(c.nastroiki);
    EXPECT_EQ(tekst(*bal, "ClickTeplopritokDveri"), c.pole);
    EXPECT_EQ(tekst(*bal, "ClickPtsKolisestvoProhodov"), c.prohodov);
    EXPECT_NEAR(bal->st.gTeplopritokDveri, c.kW, 3e-4f * c.kW + 1e-7f);
  }
}

TEST(Door, OutsideHumidityGoesToMultiplesOfFive) {
  // 52 % -> 50 %, 53 % -> 55 %, 52,5 % -> 50 % (a half to even); the chamber's
  // 83 % is taken as it is.
  struct Case {
    const char* vlajnost;
    int kak;
  };
  const Case cases[] = {{"52", 50}, {"53", 55}, {"52,5", 50}, {"57,5", 60}, {"100", 100}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.vlajnost);
    Nastroiki n = kDver;
    n.push_back({"ClickVlajnostVozduh", c.vlajnost});
    n.push_back({"ClickVlajnostKamera", "83"});
    auto bal = poschitat(n);
    EXPECT_EQ(bal->st.gEntalpiaSnaruji, static_cast<float>(bal->basa.gEntalpia.number(30 + 41, c.kak)));
    EXPECT_EQ(bal->st.gEntalpiaVnutri, static_cast<float>(bal->basa.gEntalpia.number(-10 + 41, 83)));
  }
}

// A chamber of 10 x 5 x 2 = 100 m3 at 0 °C and 90 % (8,6 kJ/kg), outside 30 °C
// and 54 % (65,2 kJ/kg), apples respiring: 70 / sqrt(100) = 7 changes a day,
// G = 1,293 x 700 / 86400 = 0,010476 kg/s, 56,6 x G = 0,593 kW.
const Nastroiki kVentilasia = {
    {"ClickRegion", "Другой"},         {"ClickTemperaturaVozduh", "30"},   {"ClickVlajnostVozduh", "54"},
    {"ClickKameraDlina", "10"},        {"ClickKameraSirina", "5"},         {"ClickKameraVisota", "2"},
    {"ClickTemperaturaKamera", "0"},   {"ClickVlajnostKamera", "90"},      {"ClickProduktKategoria", "Фрукты"},
    {"ClickProduktProdukt", "Яблоки"}, {"ClickProduktHranMassa", "10000"}, {"ClickProduktTemperKones", "0"}};

TEST(Ventilation, AirChanges) {
  struct Case {
    const char* name;
    Nastroiki nastroiki;
    const char* kratnost;
    bool otkrito;
    float kW;
  };
  const auto s = [&](const Nastroiki& extra) { return plus(kVentilasia, extra); };
  const float g7 = 1.293f * 700 / 86400;
  const Case cases[] = {
      {"100 m3", kVentilasia, "7", false, 56.6f * g7},
      // 70 / 7,0711 = 9,8995 -> 9,9; 50 m3
      {"50 m3", s({{"ClickKameraVisota", "1"}}), "9,9", false, 56.6f * 1.293f * 9.9f * 50 / 86400},
      {"meat does not respire", s({{"ClickProduktKategoria", "Мясные"}}), "0", false, 0},
      {"by hand, even without respiration",
       s({{"ClickProduktKategoria", "Мясные"},
          {"ClickVentilasiaKratnostSamostoiatelno", "1"},
          {"ClickVentilasiaKratnost", "3,5"}}),
       "3,5", true, 56.6f * 1.293f * 350 / 86400},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto bal = poschitat(c.nastroiki);
    EXPECT_EQ(bal->op.ClickVentilasiaKratnost.text(), c.kratnost);
    EXPECT_EQ(bal->op.ClickVentilasiaKratnost.enabled(), c.otkrito);
    EXPECT_NEAR(bal->st.gTeplopritokVentilasia, c.kW, 2e-4f * c.kW + 1e-7f);
  }
}

TEST(Ventilation, NoVolumeKeepsTheRateText) {
  auto bal = poschitat(kVentilasia);
  ASSERT_EQ(bal->op.ClickVentilasiaKratnost.text(), "7");
  ustanovit(*bal, "ClickKameraDlina", "0");
  bal->RaschetVse();
  EXPECT_EQ(bal->op.ClickVentilasiaKratnost.text(), "7");
  EXPECT_EQ(bal->st.gTeplopritokVentilasia, 0.0f);
}

TEST(LightingVehiclesStaffEquipment, DailyAverages) {
  struct Case {
    const char* name;
    Nastroiki nastroiki;
    const char* pole;
    const char* tekstPolia;
    float RaschetState::*g;
    float kW;
  };
  using S = RaschetState;
  const Case cases[] = {
      // 50 m2 x 5 W/m2 x 8 h / 24 / 1000
      {"lighting",
       {{"ClickKameraDlina", "10"}, {"ClickKameraSirina", "5"}, {"ClickOsvesenieVremia", "8"}},
       "ClickTeplopritokOsvesenie",
       "0,08",
       &S::gTeplopritokOsvesenie,
       0.0833333f},
      // 10 / 2 x 4 / 24
      {"vehicles",
       {{"ClickPtsMosnost", "10"}, {"ClickPtsVremia", "4"}},
       "ClickTeplopritokPTS",
       "0,83",
       &S::gTeplopritokPts,
       0.833333f},
      // 330 W at -10 °C x 2 x 8 / 24 / 1000
      {"staff",
       {{"ClickPersonalKolichestvo", "2"}, {"ClickPersonalVremia", "8"}},
       "ClickTeplopritokPersonal",
       "0,22",
       &S::gTeplopritokPersonal,
       0.22f},
      // 206 W at 12 °C
      {"staff at 12 °C",
       {{"ClickTemperaturaKamera", "12"}, {"ClickPersonalKolichestvo", "3"}, {"ClickPersonalVremia", "24"}},
       "ClickTeplopritokPersonal",
       "0,62",
       &S::gTeplopritokPersonal,
       0.618f},
      {"staff at 41 °C gives nothing",
       {{"ClickRegion", "Другой"},
        {"ClickTemperaturaVozduh", "45"},
        {"ClickTemperaturaKamera", "41"},
        {"ClickPersonalKolichestvo", "2"},
        {"ClickPersonalVremia", "8"}},
       "ClickTeplopritokPersonal",
       "0,00",
       &S::gTeplopritokPersonal,
       0},
      {"no persons", {{"ClickPersonalVremia", "8"}}, "ClickTeplopritokPersonal", "0,00", &S::gTeplopritokPersonal, 0},
      // 2 kW of lamps for 12 h, 3 kW of motors for 24 h, 1,2 kW for 6 h: 1 + 3 + 0,3
      {"lamps, motors, other",
       {{"ClickLampaMosnost", "2"},
        {"ClickLampaVremia", "12"},
        {"ClickDvigateliMosnost", "3"},
        {"ClickDvigateliVremia", "24"},
        {"ClickProcheeOborudMosnost", "1,2"},
        {"ClickProcheeOborudVremia", "6"}},
       "ClickTeplopritokOborudovanie",
       "4,30",
       &S::gTeplopritokLampa,
       1.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto bal = poschitat(c.nastroiki);
    EXPECT_EQ(tekst(*bal, c.pole), c.tekstPolia);
    EXPECT_NEAR(bal->st.*c.g, c.kW, 1e-6f);
  }
}

TEST(AirCoolersAndSum, Capacity) {
  struct Case {
    const char* name;
    Nastroiki nastroiki;
    const char* vo;
    const char* summa;
    const char* nado;
  };
  // 10 kW of lamps around the clock stand for the other gains.
  const Nastroiki desat = {{"ClickLampaMosnost", "10"}, {"ClickLampaVremia", "24"}};
  const auto s = [&](const Nastroiki& extra) { return plus(desat, extra); };
  const Case cases[] = {
      // 10 / 100 x 10 x 24 / 18 = 1,333; (11,333 + 0,567) x 24 / 18 = 15,867
      {"storage 18 h", desat, "1,33", "11,33", "15,87"},
      // 1,0; 11,0; 11 x 1,05 = 11,55
      {"cooling 10 h", s({{"ClickRejim", "Охлаждение"}, {"ClickVremiaKamera", "10"}}), "1,00", "11,00", "11,55"},
      {"refined: 4 fans of 0,25 kW",
       s({{"ClickVOutochnauchiiRaschet", "1"},
          {"ClickVOkolichestvoVentilatorov", "4"},
          {"ClickVOmochnostVentilatorov", "0,25"}}),
       "1,00", "11,00", "15,40"},
      {"refined in cooling",
       s({{"ClickRejim", "Охлаждение"},
          {"ClickVOutochnauchiiRaschet", "1"},
          {"ClickVOkolichestvoVentilatorov", "4"},
          {"ClickVOmochnostVentilatorov", "0,25"}}),
       "1,00", "11,00", "11,55"},
      // 10 x 10 % = 1; 11 x 1,05 = 11,55
      {"24 h: only the margin", s({{"ClickVremiaKamera", "24"}}), "1,00", "11,00", "11,55"},
      {"air coolers off", s({{"CheckClickTeplopritokVOiTEN", "0"}}), "0", "10,00", "14,00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto bal = poschitat(c.nastroiki);
    EXPECT_EQ(tekst(*bal, "ClickTeplopritokVOiTEN"), c.vo);
    EXPECT_EQ(tekst(*bal, "ClickTeplopritokSumma"), c.summa);
    EXPECT_EQ(tekst(*bal, "ClickTeplopritokSummKoeff"), c.nado);
  }
}

}  // namespace
}  // namespace kalteron::test
