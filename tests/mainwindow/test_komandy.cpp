// The choices, commands and switches of the main window, the page buttons
// and the closing questions, driven by clicks and picks.
#include "BalFixture.h"

namespace kalteron::test {
namespace {

// A fresh window given every input of `b` directly, then recalculated once.
std::vector<std::string> rezultatyNapriamuiu(Bal& b) {
  Bal d;
  d.Form_Load();
  d.op.Option1.setValue(b.op.Option1.selected(), true);
  for (Control* c : b.op.controls()) {
    Control* t = d.find(c->name());
    if (auto* l = dynamic_cast<ListBox*>(c)) static_cast<ListBox*>(t)->setText(l->text());
    if (auto* k = dynamic_cast<CheckBox*>(c)) static_cast<CheckBox*>(t)->setValue(k->value());
  }
  for (Control* c : b.op.controls()) {
    Control* t = d.find(c->name());
    if (auto* f = dynamic_cast<TextBox*>(c)) static_cast<TextBox*>(t)->setText(f->text());
    if (auto* e = dynamic_cast<ComboBox*>(c)) static_cast<ComboBox*>(t)->setText(e->text());
  }
  d.RaschetVse();
  return rezultaty(d);
}

TEST_F(BalTest, FullLoad) {
  struct Case {
    const char* rejim;
    int oborot;
    const char* visota;  // stacking height typed; "" keeps the 2,5 of a 3 m chamber
    const char* massa;
    const char* oborotKg;
  };
  const Case cases[] = {
      {"Хранение", 0, "2", "21000", "2100"},    {"Хранение", 1, "2", "15000", "1500"},
      {"Охлаждение", 0, "2", "21000", "21000"}, {"Охлаждение", 1, "2", "15000", "15000"},
      {"Хранение", 0, "0", "0", "0"},           {"Хранение", 0, ",", "0", "0"},
      {"Хранение", 0, "", "26250", "2625"},
  };
  vvesti("ClickKameraSirina", "10");
  vvesti("ClickKameraDlina", "5");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.rejim) + " " + std::to_string(c.oborot) + " '" + c.visota + "'");
    vvesti("ClickKameraVisota", "3");
    bal.pickItem("ClickRejim", c.rejim);
    if (*c.visota) vvesti("ClickZagruzkaVisota", c.visota);
    bal.click("ClickZagruzkaOborot(" + std::to_string(c.oborot) + ")");
    bal.click("ClickZagruzkaPolnaia");
    EXPECT_EQ(tekst("ClickProduktHranMassa"), c.massa);
    EXPECT_EQ(tekst("ClickProduktSutkiOborot"), c.oborotKg);
  }
}

TEST_F(BalTest, ChamberTypeRegionAndRegime) {
  bal.op.ClickTolcinaSteni[2].setText("250");
  bal.op.ClickZapolnenSteni[4].setText("40");
  bal.click("Option1(1)");
  EXPECT_EQ(bal.SteniNadpis0.text() + " / " + bal.SteniNadpis1.text(), "Выбор остекления / Заполнение %");
  EXPECT_TRUE(!bal.ImageKamera1.visible() && bal.ImageKamera2.visible() && !bal.ImageKamera3.visible() &&
              bal.ImageKamera4.visible());
  bal.click("Option1(0)");
  EXPECT_EQ(bal.SteniNadpis0.text(), "Материал стен");
  EXPECT_TRUE(bal.ImageKamera1.visible() && !bal.ImageKamera2.visible() && bal.ImageKamera3.visible() &&
              !bal.ImageKamera4.visible());
  for (std::size_t i = 0; i < kSurfaces; ++i) {
    EXPECT_EQ(bal.op.ClickTolcinaSteni[i].text() + bal.op.ClickZapolnenSteni[i].text(), "00");
    EXPECT_TRUE(bal.op.ClickSteni[i].visible() && !bal.op.ClickStekloSteni[i].visible());
  }

  const std::tuple<const char*, const char*, const char*, bool> regions[] = {
      {"Москва", "28", "64", false}, {"Другой", "0", "0", true}, {"Самара", "32", "54", false}};
  for (const auto& [region, temperatura, vlajnost, enabled] : regions) {
    vvesti("ClickTemperaturaStenaV", "-5");
    bal.pickItem("ClickRegion", region);
    EXPECT_EQ(tekst("ClickTemperaturaVozduh") + "/" + tekst("ClickVlajnostVozduh"),
              std::string(temperatura) + "/" + vlajnost);
    EXPECT_EQ(bal.op.ClickVlajnostVozduh.enabled(), enabled) << region;
    for (const auto& f : bal.op.ClickTemperatura) EXPECT_EQ(f.text(), temperatura) << f.name();
  }

  vvesti("ClickProduktHranMassa", "500");
  bal.pickItem("ClickRejim", "Охлаждение");
  EXPECT_FALSE(bal.op.ClickProduktHranMassa.visible() || bal.ProduktText3.visible() ||
               bal.op.ClickTaraHranMassa.visible() || bal.TaraText2.visible());
  EXPECT_EQ(bal.TaraText3.text(), "Охлаждаемая масса кг.");
  EXPECT_EQ(bal.ProduktText4.text(), "Охлаждаемая масса кг.");
  EXPECT_EQ(bal.RejimText4.text(), "Время обработки");
  EXPECT_EQ(bal.rez.NeobhodRejimText.text(), "Время обработки : 18  час.");
  EXPECT_FALSE(bal.setFocus("ClickProduktHranMassa"));
  bal.pickItem("ClickRejim", "Хранение");
  EXPECT_TRUE(bal.op.ClickProduktHranMassa.visible());
  EXPECT_EQ(tekst("ClickProduktHranMassa"), "500");
  EXPECT_EQ(bal.RejimText4.text(), "Время раб. обор.");
  EXPECT_EQ(bal.ProduktText4.text() + " / " + bal.TaraText3.text(), "Суточный оборот кг. / Суточный оборот кг.");
}

TEST_F(BalTest, CopyFirstRow) {
  struct Case {
    int option;
    const char* button;
    std::size_t copiedRows;  // rows after A that take its values
  };
  const Case cases[] = {
      {0, "ClickSteniPoPervoiStroke2", 3}, {0, "ClickSteniPoPervoiStroke", 5}, {1, "ClickSteniPoPervoiStroke", 5}};
  const auto stroka = [this](std::size_t r) {
    OpisanieKamery& o = bal.op;
    return std::vector<std::string>{o.ClickSteni[r].text(),       o.ClickTolcinaSteni[r].text(),
                                    o.ClickStekloSteni[r].text(), o.ClickZapolnenSteni[r].text(),
                                    o.ClickIzolaicii[r].text(),   o.ClickTolcinaIzolaicii[r].text(),
                                    o.ClickTemperatura[r].text()};
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    OpisanieKamery& o = bal.op;
    bal.click("Option1(" + std::to_string(c.option) + ")");
    for (std::size_t r = 0; r < kSurfaces; ++r) {  // every row different
      o.ClickSteni[r].setText(o.ClickSteni[r].items().at(3 + r));
      o.ClickTolcinaSteni[r].setText(std::to_string(250 + r));
      o.ClickStekloSteni[r].setText(o.ClickStekloSteni[r].items().at(2 + r));
      o.ClickZapolnenSteni[r].setText(std::to_string(40 + r));
      o.ClickIzolaicii[r].setText(o.ClickIzolaicii[r].items().at(1 + r));
      o.ClickTolcinaIzolaicii[r].setText(std::to_string(100 + r));
      o.ClickTemperatura[r].setText(std::to_string(20 + r));
    }
    const auto a = stroka(0);
    const auto potolok = stroka(4);
    fokus("ClickIzolaiciiStenaB");  // a choice box: leaving it runs nothing
    const int before = bal.st.vhodov;
    bal.click(c.button);
    // One recalculation per changed choice box (three columns), then one.
    EXPECT_EQ(bal.st.vhodov - before, static_cast<int>(3 * c.copiedRows + 1));
    EXPECT_EQ(stroka(0), a);
    for (std::size_t r = 1; r <= c.copiedRows; ++r) EXPECT_EQ(stroka(r), a) << r;
    if (c.copiedRows == 3) {
      EXPECT_EQ(stroka(4), potolok);
    }
    EXPECT_EQ(o.Option1.selected(), c.option);
    EXPECT_EQ(o.ClickStekloSteni[2].visible(), c.option == 1);
    const auto results = rezultaty(bal);
    EXPECT_EQ(results, rezultatyNapriamuiu(bal));
    bal.click(c.button);
    EXPECT_EQ(rezultaty(bal), results);
  }
}

TEST_F(BalTest, PageSwitches) {
  // Lighting: untick keeps 5 and opens the field; tick writes 5 and closes it.
  bal.click("Parametr(3)");
  bal.click("ClickOsvesenieRekomenduemoe");
  vvesti("ClickOsvesenieMosnost", "12");
  bal.click("ClickOsvesenieRekomenduemoe");
  EXPECT_EQ(tekst("ClickOsvesenieMosnost"), "5");
  EXPECT_FALSE(bal.op.ClickOsvesenieMosnost.enabled());

  // Refined air-cooler calculation: the share or the fans, texts kept.
  bal.click("Parametr(5)");
  for (const bool refined : {true, false}) {
    bal.click("ClickVOutochnauchiiRaschet");
    EXPECT_EQ(bal.op.ClickVOpredvaritelno.enabled(), !refined);
    EXPECT_EQ(bal.op.ClickVOkolichestvoVentilatorov.enabled(), refined);
    EXPECT_EQ(bal.op.ClickVOmochnostVentilatorov.enabled(), refined);
    EXPECT_EQ(tekst("ClickVOpredvaritelno"), "10");
  }

  // Air changes: automatic from the volume, only for produce that respires.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"Овощи", "2", "7"}, {"Овощи", "0", "0"}, {"Мясные", "2", "0"}, {"Овощи", "1", "9,9"}};
  vvesti("ClickKameraSirina", "10");
  vvesti("ClickKameraDlina", "5");
  for (const auto& [kategoria, visota, rate] : cases) {
    vvesti("ClickKameraVisota", visota);
    fokus("ClickProduktKategoria");
    bal.pickItem("ClickProduktKategoria", kategoria);
    vvesti("ClickProduktHranMassa", "1000");
    vvesti("ClickProduktTemperKones", "2");
    bal.click("Parametr(4)");
    bal.click("ClickVentilasiaKratnostSamostoiatelno");
    EXPECT_TRUE(bal.op.ClickVentilasiaKratnost.enabled());
    bal.click("ClickVentilasiaKratnostSamostoiatelno");
    EXPECT_EQ(tekst("ClickVentilasiaKratnost"), rate) << kategoria << " " << visota;
    EXPECT_FALSE(bal.op.ClickVentilasiaKratnost.enabled());
  }
  bal.click("ClickVentilasiaKratnostSamostoiatelno");  // the user's rate counts
  const double before = chislo("ClickTeplopritokOborudovanie");
  vvesti("ClickVentilasiaKratnost", "12.5");
  EXPECT_EQ(tekst("ClickVentilasiaKratnost"), "12,5");
  EXPECT_GT(chislo("ClickTeplopritokOborudovanie"), before);
}

TEST_F(BalTest, PageButtons) {
  EXPECT_EQ(bal.Caption, "   Kalteron");
  for (const int pressed : {1, 3, 3, 5, 2, 1}) {
    const int before = bal.st.vhodov;
    bal.click("Parametr(" + std::to_string(pressed) + ")");
    EXPECT_EQ(bal.TekusiiParametr, pressed);
    EXPECT_EQ(bal.st.vhodov, before);  // switching pages does not recalculate
    for (std::size_t i = 0; i < 5; ++i) {
      const bool shown = static_cast<int>(i) + 1 == pressed;
      EXPECT_EQ(bal.Parametr[i].backColor(), shown ? colour::White : colour::ButtonFace) << i;
      EXPECT_EQ(bal.Frame5[i].visible(), shown) << i;
    }
  }
  // A page button takes the focus, so the field being edited is left first.
  fokus("ClickTemperaturaStenaA");
  bal.typeText("-45");
  bal.click("Parametr(3)");
  EXPECT_EQ(tekst("ClickTemperaturaStenaA"), "-40");
}

TEST_F(BalTest, ClosingQuestions) {
  for (const auto& [quit, save] : {std::pair{true, true}, {true, false}, {false, true}, {false, false}}) {
    ScriptedPrompter otvety;
    otvety.answers = {quit, save};
    int saved = 0;
    bal.prompter = &otvety;
    bal.SaveNameFileSave = [&saved] { ++saved; };
    const Bal::Zakrytie z = bal.Form_QueryUnload();
    EXPECT_EQ(z.cancel, !quit);
    EXPECT_EQ(saved, save ? 1 : 0);
    EXPECT_EQ(otvety.questions, (std::vector<std::string>{"Действительно хотите выйти ?", "Сохранить расчет ?"}));
    EXPECT_TRUE(otvety.messages.empty());
    EXPECT_EQ(z.zakryt, (std::vector<std::string>{"OprogrammeOkno", "FormPrint", "License", "MDIPrint"}));
  }
}

// A whole session typed, picked and clicked ends where the same values set
// directly end.
TEST_F(BalTest, TypedSessionEqualsDirectValues) {
  fokus("ClickZakazsik");
  bal.typeText("ООО Холод\rСамара, ул. Мира 1\rПетров\r");
  bal.pickItem("ClickRegion", "Москва");
  fokus("ClickTemperaturaKamera");
  for (const char* v : {"-18", "90", "20", "10"}) {
    bal.setSelection(0, 9);
    bal.typeText(std::string("\b") + v + "\r");
  }
  fokus("ClickKameraSirina");
  bal.typeText("6\r8.5\r3");
  fokus("ClickTolcinaSteniStenaA");
  bal.typeText("250");
  bal.click("ClickSteniPoPervoiStroke");
  fokus("ClickTolcinaIzolaiciiStenaA");
  bal.typeText("150");
  bal.click("ClickSteniPoPervoiStroke");
  bal.click("Parametr(2)");
  bal.pickItem("ClickProduktKategoria", "Рыбные");
  fokus("ClickProduktHranMassa");
  bal.typeText("8000\r1000\r5\r\b-18\r\b2,5\r400");
  bal.click("ClickZagruzkaPolnaia");
  fokus("ClickDverVisota");
  bal.typeText("2,2\r1,8\r10\r2\r1\r3\r");
  fokus("ClickLampaMosnost");
  bal.typeText("0,4\r10\r1,1\r24\r");
  pokinut();

  const std::pair<const char*, const char*> expected[] = {{"ClickKontakt", "Самара, ул. Мира 1"},
                                                          {"ClickTemperaturaKamera", "-18"},
                                                          {"ClickZapasKamera", "10"},
                                                          {"ClickKameraDlina", "8,5"},
                                                          {"ClickTolcinaSteniPol", "250"},
                                                          {"ClickTolcinaIzolaiciiPol", "150"},
                                                          {"ClickTemperaturaPol", "28"},
                                                          {"ClickTaraTemperKones", "-18"},
                                                          {"ClickProduktHranMassa", "35700"},
                                                          {"ClickProduktSutkiOborot", "3570"},
                                                          {"ClickPtsGruzopodiemnost", "1"},
                                                          {"ClickPersonalKolichestvo", "3"},
                                                          {"ClickDvigateliVremia", "24"}};
  for (const auto& [field, text] : expected) EXPECT_EQ(tekst(field), text) << field;
  EXPECT_NE(tekst("ClickTeplopritokSumma"), "0,00");
  EXPECT_EQ(rezultaty(bal), rezultatyNapriamuiu(bal));
}

}  // namespace
}  // namespace kalteron::test
