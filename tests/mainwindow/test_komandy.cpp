// The choices, commands and switches of the main window, the page buttons
// and the closing questions, driven by clicks and picks.
#include <deque>

#include "BalFixture.h"

namespace kalteron::test {
namespace {

TEST_F(BalTest, FullLoad) {
  struct Case {
    const char* rejim;
    int oborot;
    const char* visota;  // stacking height typed, or "" to keep it
    const char* massa;
    const char* oborotKg;
  };
  const Case cases[] = {
      {"Хранение", 0, "2", "21000", "2100"},    {"Хранение", 1, "2", "15000", "1500"},
      {"Охлаждение", 0, "2", "21000", "21000"}, {"Охлаждение", 1, "2", "15000", "15000"},
      {"Хранение", 0, "0", "0", "0"},           {"Хранение", 0, ",", "0", "0"},
      {"Хранение", 0, "", "26250", "2625"},  // the 2,5 of a chamber 3 m high
  };
  vvesti("ClickKameraSirina", "10");
  vvesti("ClickKameraDlina", "5");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.rejim) + " " + std::to_string(c.oborot) + " '" + c.visota + "'");
    vvesti("ClickKameraVisota", "3");
    bal.pickItem("ClickRejim", c.rejim);
    if (*c.visota) vvesti("ClickZagruzkaVisota", c.visota);
    fokus("ClickZagruzkaOborot");
    bal.clickOption(bal.op.ClickZagruzkaOborot, c.oborot);
    const int before = bal.st.vhodov;
    bal.click("ClickZagruzkaPolnaia");
    EXPECT_GT(bal.st.vhodov, before);
    EXPECT_EQ(tekst("ClickProduktHranMassa"), c.massa);
    EXPECT_EQ(tekst("ClickProduktSutkiOborot"), c.oborotKg);
    EXPECT_EQ(tekst("ClickTaraHranMassa"), "0");
  }
}

TEST_F(BalTest, ChamberTypeResetsThicknessesAndShares) {
  bal.op.ClickTolcinaSteni[2].setText("250");
  bal.op.ClickZapolnenSteni[4].setText("40");
  bal.op.ClickTolcinaIzolaicii[1].setText("100");
  bal.click("Option1(1)");
  EXPECT_EQ(bal.SteniNadpis0.text(), "Выбор остекления");
  EXPECT_EQ(bal.SteniNadpis1.text(), "Заполнение %");
  EXPECT_TRUE(bal.ImageKamera2.visible());
  EXPECT_FALSE(bal.ImageKamera1.visible());
  bal.click("Option1(0)");
  EXPECT_EQ(bal.SteniNadpis0.text(), "Материал стен");
  for (int s = 0; s < kSurfaces; ++s) {
    const auto i = static_cast<std::size_t>(s);
    EXPECT_EQ(bal.op.ClickTolcinaSteni[i].text(), "0");
    EXPECT_EQ(bal.op.ClickZapolnenSteni[i].text(), "0");
    EXPECT_TRUE(bal.op.ClickSteni[i].visible());
    EXPECT_FALSE(bal.op.ClickStekloSteni[i].visible());
  }
  EXPECT_EQ(bal.op.ClickTolcinaIzolaicii[1].text(), "100");
}

TEST_F(BalTest, RegionChoice) {
  struct Case {
    const char* region;
    const char* temperatura;
    const char* vlajnost;
    bool enabled;
  };
  const Case cases[] = {{"Москва", "28", "64", false}, {"Другой", "0", "0", true}, {"Самара", "32", "54", false}};
  for (const auto& c : cases) {
    vvesti("ClickTemperaturaStenaV", "-5");
    bal.pickItem("ClickRegion", c.region);
    EXPECT_EQ(tekst("ClickTemperaturaVozduh"), c.temperatura) << c.region;
    EXPECT_EQ(tekst("ClickVlajnostVozduh"), c.vlajnost) << c.region;
    EXPECT_EQ(bal.op.ClickTemperaturaVozduh.enabled(), c.enabled) << c.region;
    EXPECT_EQ(bal.op.ClickVlajnostVozduh.enabled(), c.enabled) << c.region;
    for (const auto& f : bal.op.ClickTemperatura) EXPECT_EQ(f.text(), c.temperatura) << f.name();
  }
}

TEST_F(BalTest, RegimeRelabelsAndKeepsMasses) {
  vvesti("ClickProduktHranMassa", "500");
  bal.pickItem("ClickRejim", "Охлаждение");
  EXPECT_FALSE(bal.op.ClickProduktHranMassa.visible());
  EXPECT_FALSE(bal.ProduktText3.visible());
  EXPECT_FALSE(bal.op.ClickTaraHranMassa.visible());
  EXPECT_FALSE(bal.TaraText2.visible());
  EXPECT_EQ(bal.ProduktText4.text(), "Охлаждаемая масса кг.");
  EXPECT_EQ(bal.TaraText3.text(), "Охлаждаемая масса кг.");
  EXPECT_EQ(bal.RejimText4.text(), "Время обработки");
  EXPECT_FALSE(bal.setFocus("ClickProduktHranMassa"));
  bal.pickItem("ClickRejim", "Хранение");
  EXPECT_TRUE(bal.op.ClickProduktHranMassa.visible());
  EXPECT_EQ(tekst("ClickProduktHranMassa"), "500");
  EXPECT_EQ(bal.RejimText4.text(), "Время раб. обор.");
}

TEST_F(BalTest, CategoryFillsProductsAndPicksTheFirst) {
  fokus("ClickProduktKategoria");
  bal.pickItem("ClickProduktKategoria", "Овощи");
  EXPECT_EQ(bal.op.ClickProduktProdukt.items().size(), 30u);
  EXPECT_EQ(tekst("ClickProduktProdukt"), "Артишоки");
  bal.pickItem("ClickProduktKategoria", "Мясные");
  EXPECT_EQ(bal.op.ClickProduktProdukt.items().size(), 13u);
  EXPECT_EQ(tekst("ClickProduktProdukt"), "Баранина");
}

// Row A of the table, typed and picked, with different values below it.
void zapolnitStrokuA(BalTest& t, Bal& bal) {
  (void)t;
  bal.op.ClickSteni[0].setText(bal.op.ClickSteni[0].items().at(3));
  bal.op.ClickTolcinaSteni[0].setText("250");
  bal.op.ClickStekloSteni[0].setText(bal.op.ClickStekloSteni[0].items().at(2));
  bal.op.ClickZapolnenSteni[0].setText("40");
  bal.op.ClickIzolaicii[0].setText(bal.op.ClickIzolaicii[0].items().at(1));
  bal.op.ClickTolcinaIzolaicii[0].setText("100");
  bal.op.ClickTemperatura[0].setText("20");
  for (std::size_t r = 1; r < kSurfaces; ++r) {
    bal.op.ClickSteni[r].setText(bal.op.ClickSteni[r].items().at(5 + r));
    bal.op.ClickTolcinaSteni[r].setText(std::to_string(300 + r));
    bal.op.ClickStekloSteni[r].setText(bal.op.ClickStekloSteni[r].items().at(4 + r));
    bal.op.ClickZapolnenSteni[r].setText(std::to_string(10 + r));
    bal.op.ClickIzolaicii[r].setText(bal.op.ClickIzolaicii[r].items().at(3 + r));
    bal.op.ClickTolcinaIzolaicii[r].setText(std::to_string(50 + r));
    bal.op.ClickTemperatura[r].setText(std::to_string(10 + r));
  }
}

std::vector<std::string> stroka(Bal& bal, std::size_t r) {
  return {bal.op.ClickSteni[r].text(),       bal.op.ClickTolcinaSteni[r].text(),
          bal.op.ClickStekloSteni[r].text(), bal.op.ClickZapolnenSteni[r].text(),
          bal.op.ClickIzolaicii[r].text(),   bal.op.ClickTolcinaIzolaicii[r].text(),
          bal.op.ClickTemperatura[r].text()};
}

std::vector<std::string> rezultaty(Bal& bal) {
  std::vector<std::string> v;
  for (Control* c : bal.rez.controls())
    if (const auto* t = dynamic_cast<const TextBox*>(c)) v.push_back(c->name() + "=" + t->text());
  return v;
}

TEST_F(BalTest, CopyFirstRow) {
  struct Case {
    int option;
    const char* button;
    std::size_t copiedRows;  // rows after A that take its values
    int runs;                // recalculations: one per changed choice, then one
  };
  const Case cases[] = {
      {0, "ClickSteniPoPervoiStroke2", 3, 3 * 3 + 1},
      {0, "ClickSteniPoPervoiStroke", 5, 5 * 3 + 1},
      {1, "ClickSteniPoPervoiStroke", 5, 5 * 3 + 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    Bal& b = bal;
    b.clickOption(b.op.Option1, c.option);
    zapolnitStrokuA(*this, b);
    b.RaschetVse();
    const std::vector<std::string> a = stroka(b, 0);
    const std::vector<std::string> potolok = stroka(b, 4);
    fokus("ClickIzolaiciiStenaB");  // a choice box: leaving it runs nothing
    const int before = b.st.vhodov;
    b.click(c.button);
    EXPECT_EQ(b.st.vhodov - before, c.runs);
    EXPECT_EQ(stroka(b, 0), a);
    for (std::size_t r = 1; r <= c.copiedRows; ++r) EXPECT_EQ(stroka(b, r), a) << r;
    if (c.copiedRows == 3) {
      EXPECT_EQ(stroka(b, 4), potolok);
    }
    EXPECT_EQ(b.op.Option1.selected(), c.option);
    EXPECT_EQ(b.op.ClickSteni[2].visible(), c.option == 0);
    EXPECT_EQ(b.op.ClickStekloSteni[2].visible(), c.option == 1);

    // The same table set directly gives the same results; a second press
    // changes nothing.
    Bal direct;
    direct.Form_Load();
    direct.op.Option1.setValue(c.option, true);
    for (std::size_t r = 0; r < kSurfaces; ++r) {
      const auto v = stroka(b, r);
      direct.op.ClickSteni[r].setText(v[0]);
      direct.op.ClickTolcinaSteni[r].setText(v[1]);
      direct.op.ClickStekloSteni[r].setText(v[2]);
      direct.op.ClickZapolnenSteni[r].setText(v[3]);
      direct.op.ClickIzolaicii[r].setText(v[4]);
      direct.op.ClickTolcinaIzolaicii[r].setText(v[5]);
      direct.op.ClickTemperatura[r].setText(v[6]);
    }
    direct.RaschetVse();
    EXPECT_EQ(rezultaty(b), rezultaty(direct));
    const auto once = rezultaty(b);
    b.click(c.button);
    EXPECT_EQ(rezultaty(b), once);
  }
}

TEST_F(BalTest, LightingRecommendedValue) {
  fokus("ClickOsvesenieRekomenduemoe");
  bal.clickCheck(bal.op.ClickOsvesenieRekomenduemoe);  // cleared
  EXPECT_TRUE(bal.op.ClickOsvesenieMosnost.enabled());
  EXPECT_EQ(tekst("ClickOsvesenieMosnost"), "5");
  vvesti("ClickOsvesenieMosnost", "12");
  fokus("ClickOsvesenieRekomenduemoe");
  bal.clickCheck(bal.op.ClickOsvesenieRekomenduemoe);  // ticked
  EXPECT_EQ(tekst("ClickOsvesenieMosnost"), "5");
  EXPECT_FALSE(bal.op.ClickOsvesenieMosnost.enabled());
  EXPECT_FALSE(bal.setFocus("ClickOsvesenieMosnost"));
}

TEST_F(BalTest, AirChangeSwitch) {
  struct Case {
    const char* kategoria;
    const char* dimensions[3];
    const char* rate;  // after clearing the switch
  };
  const Case cases[] = {
      {"Овощи", {"10", "5", "2"}, "7"},    // volume 100, produce that respires
      {"Овощи", {"0", "5", "2"}, "0"},     // no volume yet
      {"Мясные", {"10", "5", "2"}, "0"},   // nothing respires
      {"Овощи", {"10", "5", "1"}, "9,9"},  // volume 50
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.kategoria) + " " + c.dimensions[0] + "x" + c.dimensions[1] + "x" + c.dimensions[2]);
    vvesti("ClickKameraSirina", c.dimensions[0]);
    vvesti("ClickKameraDlina", c.dimensions[1]);
    vvesti("ClickKameraVisota", c.dimensions[2]);
    fokus("ClickProduktKategoria");
    bal.pickItem("ClickProduktKategoria", c.kategoria);
    vvesti("ClickProduktHranMassa", "1000");
    vvesti("ClickProduktTemperKones", "2");  // produce respires above 0
    fokus("ClickVentilasiaKratnostSamostoiatelno");
    bal.clickCheck(bal.op.ClickVentilasiaKratnostSamostoiatelno);  // checked: the user's rate
    EXPECT_TRUE(bal.op.ClickVentilasiaKratnost.enabled());
    bal.clickCheck(bal.op.ClickVentilasiaKratnostSamostoiatelno);  // cleared again
    EXPECT_EQ(tekst("ClickVentilasiaKratnost"), c.rate);
    EXPECT_FALSE(bal.op.ClickVentilasiaKratnost.enabled());
  }
  // Checked again, the automatic value stays and a typed rate counts.
  bal.clickCheck(bal.op.ClickVentilasiaKratnostSamostoiatelno);
  const double before = chislo("ClickTeplopritokOborudovanie");
  vvesti("ClickVentilasiaKratnost", "12.5");
  EXPECT_EQ(tekst("ClickVentilasiaKratnost"), "12,5");
  EXPECT_GT(chislo("ClickTeplopritokOborudovanie"), before);
}

TEST_F(BalTest, RefinedAirCoolerSwitch) {
  fokus("ClickVOutochnauchiiRaschet");
  const std::pair<bool, bool> states[] = {{false, true}, {true, false}};  // preliminary, fans
  for (const auto& [predvaritelno, ventilatory] : states) {
    bal.clickCheck(bal.op.ClickVOutochnauchiiRaschet);
    EXPECT_EQ(bal.op.ClickVOpredvaritelno.enabled(), predvaritelno);
    EXPECT_EQ(bal.op.ClickVOkolichestvoVentilatorov.enabled(), ventilatory);
    EXPECT_EQ(bal.op.ClickVOmochnostVentilatorov.enabled(), ventilatory);
    EXPECT_EQ(tekst("ClickVOpredvaritelno"), "10");
  }
}

// A chamber in which every group of sources gives heat.
void polnaiaKamera(Bal& b) {
  b.op.ClickKameraSirina.setText("10");
  b.op.ClickKameraDlina.setText("5");
  b.op.ClickKameraVisota.setText("3");
  b.op.ClickProduktKategoria.setText("Фрукты");
  b.op.ClickProduktHranMassa.setText("5000");
  b.op.ClickProduktSutkiOborot.setText("500");
  b.op.ClickProduktTemperNasalnaia.setText("20");
  b.op.ClickTaraSutkiOborot.setText("50");
  b.op.ClickTaraTemperNasalnaia.setText("20");
  b.op.ClickDverVisota.setText("2");
  b.op.ClickDverShirina.setText("1,5");
  b.op.ClickOsvesenieVremia.setText("8");
  b.op.ClickPtsMosnost.setText("3");
  b.op.ClickPtsVremia.setText("4");
  b.op.ClickPersonalKolichestvo.setText("2");
  b.op.ClickPersonalVremia.setText("8");
  b.op.ClickLampaMosnost.setText("0,5");
  b.op.ClickLampaVremia.setText("6");
  for (auto& t : b.op.ClickTolcinaSteni) t.setText("200");
  for (auto& t : b.op.ClickTolcinaIzolaicii) t.setText("100");
  b.RaschetVse();
}

TEST_F(BalTest, GainSwitches) {
  const char* switches[] = {
      "CheckClickTeplopritokCteni",    "CheckClickTeplopritokProdukt",      "CheckClickTeplopritokDihanie",
      "CheckClickTeplopritokDveri",    "CheckClickTeplopritokOsvesenie",    "CheckClickTeplopritokPTS",
      "CheckClickTeplopritokPersonal", "CheckClickTeplopritokOborudovanie", "CheckClickTeplopritokVOiTEN"};
  polnaiaKamera(bal);
  const double summa = chislo("ClickTeplopritokSumma");
  const double q = chislo("ClickTeplopritokSummKoeff");
  for (const char* k : switches) {
    SCOPED_TRACE(k);
    const std::string rezultat = std::string(k).substr(5);  // without "Check"
    const std::string shown = tekst(rezultat);
    ASSERT_GT(chislo(rezultat), 0.0);
    bal.click(k);
    EXPECT_EQ(static_cast<CheckBox&>(control(k)).value(), 0);
    EXPECT_EQ(tekst(rezultat), "0");
    EXPECT_LT(chislo("ClickTeplopritokSumma"), summa);
    EXPECT_LT(chislo("ClickTeplopritokSummKoeff"), q);
    bal.click(k);
    EXPECT_EQ(tekst(rezultat), shown);
    EXPECT_EQ(chislo("ClickTeplopritokSumma"), summa);
  }
}

TEST_F(BalTest, DoorAndOptionSwitchesRecalculate) {
  for (const char* name : {"ClickDverTip", "ClickZagruzkaOborot(1)", "ClickZagruzkaOborot(0)"}) {
    fokus(std::string(name).substr(0, std::string(name).find('(')));
    const int before = bal.st.vhodov;
    bal.click(name);
    EXPECT_GT(bal.st.vhodov, before) << name;
  }
  EXPECT_EQ(bal.op.ClickDverTip.value(), 0);
}

TEST_F(BalTest, PageButtons) {
  struct Case {
    int pressed;
    int shown;
  };
  const Case cases[] = {{1, 1}, {3, 3}, {3, 3}, {5, 5}, {2, 2}, {1, 1}};
  EXPECT_EQ(bal.Caption, "   Kalteron");
  for (const auto& c : cases) {
    const int before = bal.st.vhodov;
    bal.click("Parametr(" + std::to_string(c.pressed) + ")");
    EXPECT_EQ(bal.TekusiiParametr, c.shown);
    EXPECT_EQ(bal.st.vhodov, before);  // switching pages does not recalculate
    for (int p = 1; p <= 5; ++p) {
      const auto i = static_cast<std::size_t>(p - 1);
      EXPECT_EQ(bal.Parametr[i].backColor(), p == c.shown ? colour::White : colour::ButtonFace) << p;
      EXPECT_EQ(bal.Frame5[i].visible(), p == c.shown) << p;
    }
  }
  // The button of the page shown changes nothing.
  const auto rev = bal.Parametr[0].revision();
  bal.Parametr_Click(1);
  EXPECT_EQ(bal.Parametr[0].revision(), rev);
}

// Leaving a field for a page button runs its leave step first.
TEST_F(BalTest, PageButtonLeavesTheField) {
  fokus("ClickTolcinaSteniStenaA");
  bal.typeText("12");
  bal.click("Parametr(2)");
  EXPECT_EQ(bal.focus()->name(), "Parametr(2)");
  EXPECT_EQ(tekst("ClickTolcinaSteniStenaA"), "12");
  fokus("ClickTemperaturaStenaA");
  bal.setSelection(0, 9);
  bal.typeText("\b-45");
  bal.click("Parametr(3)");
  EXPECT_EQ(tekst("ClickTemperaturaStenaA"), "-40");
}

class Otvety : public Prompter {
 public:
  explicit Otvety(std::deque<bool> a) : answers(std::move(a)) {}
  bool askYesNo(const std::string& q) override {
    asked.push_back(q);
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void message(const std::string& t) override { asked.push_back(t); }
  std::deque<bool> answers;
  std::vector<std::string> asked;
};

TEST_F(BalTest, ClosingQuestions) {
  struct Case {
    bool quit, save;
  };
  const Case cases[] = {{true, true}, {true, false}, {false, true}, {false, false}};
  for (const auto& c : cases) {
    Otvety otvety({c.quit, c.save});
    int saved = 0;
    bal.prompter = &otvety;
    bal.SaveNameFileSave = [&saved] { ++saved; };
    const Bal::Zakrytie z = bal.Form_QueryUnload();
    EXPECT_EQ(z.cancel, !c.quit);
    EXPECT_EQ(saved, c.save ? 1 : 0);
    EXPECT_EQ(otvety.asked, (std::vector<std::string>{"Действительно хотите выйти ?", "Сохранить расчет ?"}));
    EXPECT_EQ(z.zakryt, (std::vector<std::string>{"OprogrammeOkno", "FormPrint", "License", "MDIPrint"}));
  }
}

// A whole session typed, picked and clicked ends where the same values set
// directly end.
TEST_F(BalTest, TypedSessionEqualsDirectValues) {
  fokus("ClickZakazsik");
  bal.typeText("ООО Холод\r");
  bal.typeText("Самара, ул. Мира 1\r");
  bal.typeText("Петров\r");
  bal.pickItem("ClickRegion", "Москва");
  bal.pickItem("ClickRejim", "Хранение");
  fokus("ClickTemperaturaKamera");
  bal.setSelection(0, 9);
  bal.typeText("\b-18\r");
  bal.setSelection(0, 9);
  bal.typeText("\b90\r");
  bal.setSelection(0, 9);
  bal.typeText("\b20\r");
  bal.setSelection(0, 9);
  bal.typeText("\b10\r");
  fokus("ClickKameraSirina");
  bal.typeText("6\r8.5\r3");
  pokinut();
  fokus("ClickTolcinaSteniStenaA");
  bal.typeText("250");
  bal.click("ClickSteniPoPervoiStroke");
  fokus("ClickTolcinaIzolaiciiStenaA");
  bal.typeText("150");
  bal.click("ClickSteniPoPervoiStroke");
  fokus("ClickProduktKategoria");
  bal.pickItem("ClickProduktKategoria", "Рыбные");
  fokus("ClickProduktHranMassa");
  bal.typeText("8000\r1000\r5\r\b\b\b-18\r");
  bal.typeText("\b\b\b\b");  // stacking height 2,5 from the height
  bal.typeText("2,5\r400");
  bal.click("ClickZagruzkaPolnaia");
  fokus("ClickDverVisota");
  bal.typeText("2,2\r1,8\r10\r");
  bal.typeText("2\r1\r");
  fokus("ClickPtsVremia");
  bal.typeText("6\r3\r");
  fokus("ClickPersonalVremia");
  bal.typeText("8\r");
  fokus("ClickLampaMosnost");
  bal.typeText("0,4\r10\r1,1\r24\r");
  pokinut();

  Bal direct;
  direct.Form_Load();
  OpisanieKamery& o = direct.op;
  o.ClickZakazsik.setText("ООО Холод");
  o.ClickKontakt.setText("Самара, ул. Мира 1");
  o.ClickVedusii.setText("Петров");
  o.ClickRegion.setText("Москва");
  o.ClickTemperaturaKamera.setText("-18");
  o.ClickVlajnostKamera.setText("90");
  o.ClickVremiaKamera.setText("20");
  o.ClickZapasKamera.setText("10");
  o.ClickKameraSirina.setText("6");
  o.ClickKameraDlina.setText("8,5");
  o.ClickKameraVisota.setText("3");
  for (auto& t : o.ClickTolcinaSteni) t.setText("250");
  for (auto& t : o.ClickTolcinaIzolaicii) t.setText("150");
  o.ClickProduktKategoria.setText("Рыбные");
  o.ClickProduktHranMassa.setText(format0(6.0f * 8.5f * 2.5f * 400.0f * 0.7f));
  o.ClickProduktSutkiOborot.setText(format0(6.0f * 8.5f * 2.5f * 400.0f * 0.7f * 0.1));
  o.ClickProduktTemperNasalnaia.setText("5");
  o.ClickProduktTemperKones.setText("-18");
  o.ClickTaraTemperKones.setText("-18");
  o.ClickZagruzkaVisota.setText("2,5");
  o.ClickZagruzkaPlotnost.setText("400");
  o.ClickDverVisota.setText("2,2");
  o.ClickDverShirina.setText("1,8");
  o.ClickOsvesenieVremia.setText("10");
  o.ClickPtsMosnost.setText("2");
  o.ClickPtsGruzopodiemnost.setText("1");
  o.ClickPtsVremia.setText("6");
  o.ClickPersonalKolichestvo.setText("3");
  o.ClickPersonalVremia.setText("8");
  o.ClickLampaMosnost.setText("0,4");
  o.ClickLampaVremia.setText("10");
  o.ClickDvigateliMosnost.setText("1,1");
  o.ClickDvigateliVremia.setText("24");
  for (auto& t : o.ClickTemperatura) t.setText("28");
  direct.RaschetVse();

  for (Control* c : bal.op.controls()) {
    const Control* d = direct.find(c->name());
    if (const auto* t = dynamic_cast<const TextBox*>(c)) {
      EXPECT_EQ(t->text(), static_cast<const TextBox*>(d)->text());
    }
    if (const auto* e = dynamic_cast<const ComboBox*>(c)) {
      EXPECT_EQ(e->text(), static_cast<const ComboBox*>(d)->text());
    }
    if (const auto* l = dynamic_cast<const ListBox*>(c)) {
      EXPECT_EQ(l->text(), static_cast<const ListBox*>(d)->text());
    }
  }
  EXPECT_EQ(rezultaty(bal), rezultaty(direct));
  EXPECT_NE(tekst("ClickTeplopritokSumma"), "0,00");
}

}  // namespace
}  // namespace kalteron::test
