// What the calculation does with values it was not designed for: texts that
// are not numbers, zero hours, temperatures and humidities beyond the tables,
// a negative door height, a load capacity of 0. Nothing may crash, show "nan"
// or "inf", or depend on what an earlier recalculation left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "bal_helpers.h"
#include "calculation/Numbers.h"

namespace kalteron::test {
namespace {

// A store with every gain in use, respiring produce, a door and air changes.
const Nastroiki kPolnaia = {{"ClickKameraDlina", "12"},
                            {"ClickKameraSirina", "8,5"},
                            {"ClickKameraVisota", "4"},
                            {"ClickTemperaturaKamera", "2"},
                            {"ClickProduktKategoria", "Фрукты"},
                            {"ClickProduktProdukt", "Яблоки"},
                            {"ClickProduktHranMassa", "20000"},
                            {"ClickProduktSutkiOborot", "2000"},
                            {"ClickProduktTemperNasalnaia", "18"},
                            {"ClickProduktTemperKones", "2"},
                            {"ClickTaraMaterial", "Дерево"},
                            {"ClickTaraSutkiOborot", "200"},
                            {"ClickTaraTemperNasalnaia", "18"},
                            {"ClickTaraTemperKones", "2"},
                            {"ClickTolcinaSteniStenaA", "250"},
                            {"ClickTolcinaIzolaiciiStenaA", "100"},
                            {"ClickPersonalKolichestvo", "3"},
                            {"ClickPersonalVremia", "6"},
                            {"ClickPtsMosnost", "8"},
                            {"ClickPtsVremia", "3"},
                            {"ClickOsvesenieVremia", "10"},
                            {"ClickDverVisota", "2,5"},
                            {"ClickDverShirina", "1,8"},
                            {"ClickLampaMosnost", "0,5"},
                            {"ClickLampaVremia", "4"},
                            {"ClickDvigateliMosnost", "1,5"},
                            {"ClickDvigateliVremia", "12"},
                            {"ClickProcheeOborudMosnost", "0,7"},
                            {"ClickProcheeOborudVremia", "8"}};

void bezNan(Bal& bal) {
  for (const std::string& r : rezultaty(bal)) {
    std::string low = r;
    std::transform(low.begin(), low.end(), low.begin(), [](unsigned char ch) { return std::tolower(ch); });
    EXPECT_EQ(low.find("nan"), std::string::npos) << r;
    EXPECT_EQ(low.find("inf"), std::string::npos) << r;
  }
  EXPECT_TRUE(std::isfinite(bal.st.gTeplopritokSumma));
  EXPECT_TRUE(std::isfinite(bal.st.gTeplopritokSummKoeff));
}

// The numeric inputs the calculation reads.
std::vector<Control*> chislovyePolia(Bal& bal) {
  std::vector<Control*> v;
  for (Control* c : bal.op.controls()) {
    if (c->kind() != Kind::T && c->kind() != Kind::E) continue;
    const std::string& n = c->name();
    if (n == "ClickZakazsik" || n == "ClickKontakt" || n == "ClickVedusii" || n.rfind("ClickZagruzka", 0) == 0)
      continue;
    v.push_back(c);
  }
  return v;
}

void ustanovitTekst(Control* c, const std::string& text) {
  if (auto* t = dynamic_cast<TextBox*>(c)) t->setText(text);
  if (auto* e = dynamic_cast<ComboBox*>(c)) e->setText(text);
}

std::string pustoe(Control* c) {
  if (auto* t = dynamic_cast<TextBox*>(c)) return t->emptyDefault();
  if (auto* e = dynamic_cast<ComboBox*>(c)) return e->emptyDefault();
  return {};
}

TEST(Rules, TextThatIsNoNumberReadsAsTheEmptyDefault) {
  auto bal = poschitat(kPolnaia);
  for (Control* c : chislovyePolia(*bal)) {
    SCOPED_TRACE(c->name());
    const std::string bylo = tekst(*bal, c->name());
    for (const char* ne : {"abc", "0.5", "", "-", ",", "1-2"}) {
      SCOPED_TRACE(ne);
      // Twice, so that a chamber no colder than outside is corrected first.
      ustanovitTekst(c, pustoe(c));
      bal->RaschetVse();
      bal->RaschetVse();
      const auto ojidaemoe = rezultaty(*bal, false);
      ustanovitTekst(c, ne);
      bal->RaschetVse();
      // The air-change rate is itself such a field: its own text stays.
      auto poluceno = rezultaty(*bal, false);
      if (c->name() == "ClickVentilasiaKratnost") poluceno.back() = ojidaemoe.back();
      EXPECT_EQ(poluceno, ojidaemoe);
      bezNan(*bal);
    }
    ustanovitTekst(c, bylo);
  }
}

TEST(Rules, NoNanWhateverTheNumbers) {
  auto bal = poschitat(kPolnaia);
  for (Control* c : chislovyePolia(*bal)) {
    SCOPED_TRACE(c->name());
    const std::string bylo = tekst(*bal, c->name());
    for (const char* v : {"-1000000", "1000000000000", "-273,15", "0", "99999999999999999999999999999999999999999"}) {
      SCOPED_TRACE(v);
      ustanovitTekst(c, v);
      bal->RaschetVse();
      bezNan(*bal);
    }
    ustanovitTekst(c, bylo);
  }
}

TEST(Rules, AVolumeOrAreaBeyondTheRangeCountsNothing) {
  struct Sluchai {
    const char* dlina;
    const char* sirina;
    const char* visota;
    const char* obiem;
    const char* plosad;
  };
  const std::string ogromnoe = "1" + std::string(34, '0');
  for (const Sluchai& s : {Sluchai{"100000", "100000", ogromnoe.c_str(), "0,00", "10000000000,00"},
                           Sluchai{ogromnoe.c_str(), ogromnoe.c_str(), "3", "0,00", "0,00"}}) {
    SCOPED_TRACE(s.dlina);
    Nastroiki n = kPolnaia;
    n.insert(n.end(),
             {{"ClickKameraDlina", s.dlina}, {"ClickKameraSirina", s.sirina}, {"ClickKameraVisota", s.visota}});
    auto bal = poschitat(n);
    EXPECT_TRUE(std::isfinite(bal->st.gKameraObiem));
    EXPECT_TRUE(std::isfinite(bal->st.gKameraPlosad));
    EXPECT_EQ(tekst(*bal, "ClickKameraObiem"), s.obiem);
    EXPECT_EQ(tekst(*bal, "ClickKameraPlosad"), s.plosad);
    bezNan(*bal);
  }
}

TEST(Rules, HoursBelowATenthCountAsATenth) {
  for (const char* rejim : {"Хранение", "Охлаждение"}) {
    SCOPED_TRACE(rejim);
    Nastroiki n = kPolnaia;
    n.push_back({"ClickRejim", rejim});
    n.push_back({"ClickVremiaKamera", "0,1"});
    const auto ojidaemoe = rezultaty(*poschitat(n), false);
    for (const char* vremia : {"0", "-3", "0,05"}) {
      SCOPED_TRACE(vremia);
      n.back().second = vremia;
      auto bal = poschitat(n);
      EXPECT_EQ(rezultaty(*bal, false), ojidaemoe);
      bezNan(*bal);
    }
  }
  // 10 kW of lamps, 0 h: 10 / 100 x 10 x 24 / 0,1 = 240; (250 + 12,5) x 240.
  auto bal = poschitat({{"ClickLampaMosnost", "10"}, {"ClickLampaVremia", "24"}, {"ClickVremiaKamera", "0"}});
  EXPECT_EQ(tekst(*bal, "ClickTeplopritokVOiTEN"), "240,00");
  EXPECT_EQ(tekst(*bal, "ClickTeplopritokSummKoeff"), "63000,00");
  // Lamb in cooling over 0 h is cooled over 360 s: 316,17 kJ/kg x 1000 kg / 360.
  bal = poschitat({{"ClickRejim", "Охлаждение"},
                   {"ClickVremiaKamera", "0"},
                   {"ClickProduktSutkiOborot", "1000"},
                   {"ClickProduktTemperNasalnaia", "20"},
                   {"ClickProduktTemperKones", "-18"}});
  EXPECT_EQ(tekst(*bal, "ClickTeplopritokProdukt"), "878,25");
}

TEST(Rules, EnthalpyAndHeatPerPersonBeyondTheirTables) {
  struct Case {
    const char* temperatura;
    const char* vlajnost;
    int tEntalpii;
    int vlEntalpii;
    int tCheloveka;
  };
  const Case cases[] = {
      {"-12,5", "85", -12, 85, -12},  // a half goes to the even degree
      {"-11,5", "85", -12, 85, -12}, {"-13,5", "85", -14, 85, -14}, {"-12,4", "85", -12, 85, -12},
      {"-45", "85", -40, 85, -45},  // below the grid, within the staff table
      {"-65", "85", -40, 85, -60},  // below both
      {"45", "85", 39, 85, 45},     // above the grid: 0 W per person
      {"2", "120", 2, 100, 2},       {"2", "40", 2, 50, 2},         {"2", "82,5", 2, 82, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.temperatura) + " " + c.vlajnost);
    auto bal = poschitat({{"ClickRegion", "Другой"},
                          {"ClickTemperaturaVozduh", "50"},
                          {"ClickVlajnostVozduh", "60"},
                          {"ClickTemperaturaKamera", c.temperatura},
                          {"ClickVlajnostKamera", c.vlajnost},
                          {"ClickPersonalKolichestvo", "1"},
                          {"ClickPersonalVremia", "24"}});
    EXPECT_EQ(bal->st.gEntalpiaVnutri, static_cast<float>(bal->basa.gEntalpia.number(c.tEntalpii + 41, c.vlEntalpii)));
    // The outside air at 50 °C is looked up at 39 °C.
    EXPECT_EQ(bal->st.gEntalpiaSnaruji, static_cast<float>(bal->basa.gEntalpia.number(39 + 41, 60)));
    EXPECT_EQ(bal->st.gTeploNaCheloveka, bal->basa.gPersonalTabl.single(c.tCheloveka + 61, 2));
    bezNan(*bal);
  }
}

TEST(Rules, OutsideHumidityBelowTheGridReadsAtFifty) {
  // The climate table has cities at 44 and 46 %: both round to 45, read at 50.
  Nastroiki n = kPolnaia;
  n.insert(n.begin(), {{"ClickRegion", "Другой"}, {"ClickTemperaturaVozduh", "30"}});
  n.push_back({"ClickVlajnostVozduh", "50"});
  const auto ojidaemoe = rezultaty(*poschitat(n));
  for (const char* vlajnost : {"44", "46", "47,4", "0"}) {
    SCOPED_TRACE(vlajnost);
    n.back().second = vlajnost;
    EXPECT_EQ(rezultaty(*poschitat(n)), ojidaemoe);
  }
}

TEST(Rules, DoorAndAirDoNotDependOnTheTemperaturesBefore) {
  // One window goes through every pair of temperatures beyond wall A and in
  // the chamber; each pair must show what a fresh window shows for it.
  Nastroiki n = kPolnaia;
  n.insert(n.begin(), {{"ClickRegion", "Другой"}, {"ClickTemperaturaVozduh", "50"}, {"ClickVlajnostVozduh", "60"}});
  n.push_back({"ClickTemperaturaStenaA", ""});
  n.push_back({"ClickTemperaturaKamera", ""});
  n.push_back({"ClickVlajnostVozduh", ""});
  auto bal = poschitat(n);
  const char* vlajnosti[] = {"44", "60", "46", "100"};
  int i = 0;
  for (const char* stena : {"45", "40", "39", "25", "10", "0", "-12,5", "-40", "-45"}) {
    for (const char* kamera : {"30", "15", "2", "0", "-5", "-20", "-40", "-41"}) {
      SCOPED_TRACE(std::string(stena) + " / " + kamera);
      n[n.size() - 3].second = stena;
      n[n.size() - 2].second = kamera;
      n.back().second = vlajnosti[i++ % 4];
      ustanovit(*bal, n);
      bal->RaschetVse();
      EXPECT_EQ(rezultaty(*bal), rezultaty(*poschitat(n)));
      bezNan(*bal);
    }
  }
}

TEST(Rules, NegativeDoorHeightCountsNothing) {
  Nastroiki n = kPolnaia;
  n.push_back({"ClickDverVisota", "-2"});
  auto bal = poschitat(n);
  EXPECT_EQ(tekst(*bal, "ClickTeplopritokDveri"), "0,00");
  EXPECT_EQ(bal->st.gTeplopritokDveri, 0.0f);
  bezNan(*bal);
  // The sum is that of the same chamber without a door.
  n.back().second = "0";
  EXPECT_EQ(tekst(*bal, "ClickTeplopritokSumma"), tekst(*poschitat(n), "ClickTeplopritokSumma"));
}

TEST(Rules, NoLoadCapacityShowsNoPassages) {
  auto bal = poschitat(kPolnaia);
  // 2000 + 200 kg over 3000 kg: one passage.
  EXPECT_EQ(tekst(*bal, "ClickPtsKolisestvoProhodov"), "1");
  ustanovit(*bal, "ClickPtsGruzopodiemnost", "1000");
  bal->RaschetVse();
  EXPECT_EQ(tekst(*bal, "ClickPtsKolisestvoProhodov"), "3");
  ustanovit(*bal, "ClickPtsGruzopodiemnost", "0");
  bal->RaschetVse();
  EXPECT_EQ(tekst(*bal, "ClickPtsKolisestvoProhodov"), "0");
  // Only the minutes per tonne remain: 2000 kg x 0,8 min per tonne.
  auto bezProhodov = poschitat(kPolnaia);
  EXPECT_EQ(bal->st.gKolichestvoProhodov, 0.0f);
  EXPECT_LT(bal->st.gTeplopritokDveri, bezProhodov->st.gTeplopritokDveri);
  EXPECT_GT(bal->st.gTeplopritokDveri, 0.0f);
}

}  // namespace
}  // namespace kalteron::test
