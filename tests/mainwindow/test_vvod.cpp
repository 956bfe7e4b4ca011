// Typing into the fields of the main window: key filter, entry and leave
// steps, Enter, focus and paste.
#include <set>

#include "BalFixture.h"
#include "mainwindow/PravilaPolei.h"

namespace kalteron::test {
namespace {

// The rows name real typed fields and real Enter targets, once each.
TEST_F(BalTest, EveryTypedFieldHasOneRule) {
  std::set<std::string> seen;
  for (const PraviloPolia& p : pravilaPolei()) {
    SCOPED_TRACE(std::string(p.pole));
    EXPECT_TRUE(seen.insert(std::string(p.pole)).second);
    const Control& c = control(std::string(p.pole));
    EXPECT_TRUE(c.kind() == Kind::T || c.kind() == Kind::E);
    if (!p.enter.empty()) {
      EXPECT_NE(bal.find(std::string(p.enter)), nullptr) << p.enter;
    }
    // The calculation reads a non-number as the same default.
    if (const auto* t = dynamic_cast<const TextBox*>(&c)) {
      EXPECT_EQ(t->emptyDefault(), p.pusto);
    }
    if (const auto* e = dynamic_cast<const ComboBox*>(&c)) {
      EXPECT_EQ(e->emptyDefault(), p.pusto);
    }
  }
  int typed = 0;
  for (Control* c : bal.op.controls())
    if (c->kind() == Kind::T || c->kind() == Kind::E) {
      ++typed;
      EXPECT_EQ(seen.count(c->name()), 1u) << c->name();
    }
  EXPECT_EQ(typed, 65);
  EXPECT_EQ(seen.size(), 65u);
}

TEST_F(BalTest, KeyFilter) {
  struct Case {
    const char* field;
    const char* before;  // set from code, then the field is entered
    bool caretAtEnd;     // false: the whole text stays selected
    const char* key;
    bool accepted;
    const char* after;
  };
  const Case cases[] = {
      // A full field refuses a digit even while all of it is selected.
      {"ClickVlajnostVozduh", "100", false, "5", false, "100"},
      {"ClickTolcinaSteniStenaA", "1234", false, "5", false, "1234"},
      {"ClickProduktHranMassa", "12345678", false, "1", false, "12345678"},
      {"ClickTemperaturaKamera", "-100", true, "1", false, "-100"},
      {"ClickPtsVremia", "123456", true, "7", false, "123456"},
      {"ClickVlajnostVozduh", "100", false, Bal::kBackspace.data(), true, ""},
      {"ClickTolcinaSteniStenaA", "12", false, "7", true, "7"},
      // Decimal fields: '.' becomes ',', one comma only, the comma beyond the length.
      {"ClickKameraDlina", "12", true, ".", true, "12,"},
      {"ClickKameraDlina", "1,2", true, ",", false, "1,2"},
      {"ClickKameraDlina", "1,2", true, ".", false, "1,2"},
      {"ClickKameraDlina", "123456", true, ",", true, "123456,"},
      {"ClickKameraDlina", "123456,", true, "7", false, "123456,"},
      {"ClickVremiaKamera", "2", true, ".", true, "2,"},
      {"ClickDverVisota", "2", true, "-", false, "2"},
      {"ClickDverVisota", "2", true, "a", false, "2"},
      // Signed fields: '-' anywhere, at any length, again and again.
      {"ClickTemperaturaStenaA", "1234", true, "-", true, "1234-"},
      {"ClickTemperaturaStenaA", "--", true, "-", true, "---"},
      {"ClickProduktTemperNasalnaia", "5", true, ",", false, "5"},
      // Whole numbers: only digits.
      {"ClickLampaVremia", "1", true, "-", false, "1"},
      {"ClickLampaVremia", "1", true, ",", false, "1"},
      {"ClickLampaVremia", "1", true, " ", false, "1"},
      {"ClickLampaMosnost", "1", true, ".", true, "1,"},
      // Text fields: anything but ':', '/' and '"' in the customer name.
      {"ClickZakazsik", "Иван", true, ":", false, "Иван"},
      {"ClickZakazsik", "Иван", true, "/", false, "Иван"},
      {"ClickZakazsik", "Иван", true, "\"", false, "Иван"},
      {"ClickZakazsik", "Иван", true, "ъ", true, "Иванъ"},
      {"ClickKontakt", "тел", true, ":", true, "тел:"},
      {"ClickVedusii", "", true, "/", true, "/"},
  };
  bal.pickItem("ClickRegion", "Другой");
  bal.clickOption(bal.op.Option1, 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " '" + c.before + "' + '" + c.key + "'");
    fokus(c.field);
    pokinut();
    Control& f = control(c.field);
    if (auto* t = dynamic_cast<TextBox*>(&f)) t->setText(c.before);
    if (auto* e = dynamic_cast<ComboBox*>(&f)) e->setText(c.before);
    fokus(c.field);
    if (c.caretAtEnd) bal.setSelection(1000, 0);
    EXPECT_EQ(bal.keyPress(c.key).accepted, c.accepted);
    bal.typeKey(c.key);
    EXPECT_EQ(tekst(c.field), c.after);
  }
}

TEST_F(BalTest, EntryStep) {
  struct Case {
    const char* field;
    const char* before;
    const char* after;
    int selStart, selLength;
  };
  const Case cases[] = {
      {"ClickKameraDlina", "0", "", 0, 0},
      {"ClickKameraDlina", "12,5", "12,5", 0, 4},
      {"ClickKameraDlina", "00", "00", 0, 2},
      {"ClickZakazsik", "Частный", "Частный", 0, 7},  // counted in characters
      {"ClickTemperaturaStenaA", "0", "", 0, 0},
      {"ClickZapasKamera", "0", "", 0, 0},             // editable box: emptied,
      {"ClickTemperaturaKamera", "-10", "-10", 3, 0},  // never selected
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    Control& f = control(c.field);
    if (auto* t = dynamic_cast<TextBox*>(&f)) t->setText(c.before);
    if (auto* e = dynamic_cast<ComboBox*>(&f)) e->setText(c.before);
    fokus(c.field);
    EXPECT_EQ(tekst(c.field), c.after);
    EXPECT_EQ(bal.selectionStart(), c.selStart);
    EXPECT_EQ(bal.selectionLength(), c.selLength);
    pokinut();
  }
}

TEST_F(BalTest, LeaveStepDefaultsAndCorrections) {
  struct Case {
    const char* field;
    const char* typed;
    const char* after;
  };
  const Case cases[] = {
      {"ClickVlajnostVozduh", "", "50"},  // "0", then raised to 50
      {"ClickVlajnostVozduh", "120", "100"},
      {"ClickVlajnostVozduh", "75", "75"},
      {"ClickTemperaturaVozduh", "40", "39"},
      {"ClickTemperaturaVozduh", "-", "0"},  // no number: the empty default
      {"ClickTemperaturaVozduh", "33", "33"},
      {"ClickTemperaturaKamera", "-45", "-40"},
      {"ClickTemperaturaKamera", "45", "-10"},  // 40, then not below 33
      {"ClickTemperaturaKamera", "33", "-10"},
      {"ClickTemperaturaKamera", "32", "32"},
      {"ClickTemperaturaKamera", "5-", "0"},
      {"ClickVlajnostKamera", "", "85"},
      {"ClickVlajnostKamera", "40", "50"},
      {"ClickVlajnostKamera", "1000", "100"},
      {"ClickVremiaKamera", "", "18"},
      {"ClickVremiaKamera", "0", "0,1"},
      {"ClickVremiaKamera", "0,05", "0,1"},
      {"ClickVremiaKamera", "0,1", "0,1"},
      {"ClickVremiaKamera", "30", "24"},
      {"ClickVremiaKamera", ",", "18"},
      {"ClickZapasKamera", "", "5"},
      {"ClickZapasKamera", "1000", "1000"},
      {"ClickZakazsik", "", "0"},
      {"ClickZakazsik", "-", "-"},  // text stays text
      {"ClickTemperaturaStenaB", "-45", "-40"},
      {"ClickTemperaturaStenaB", "40", "39"},
      {"ClickTemperaturaStenaB", "1000", "39"},
      {"ClickTemperaturaStenaB", "-40", "-40"},
      {"ClickTemperaturaStenaB", "39", "39"},
      {"ClickTemperaturaStenaB", "--5", "0"},
      {"ClickTolcinaIzolaiciiPol", "", "0"},
      {"ClickDverVisota", ",", "0"},
      {"ClickDverVisota", "2.5", "2,5"},
      {"ClickPersonalVremia", "30", "30"},
      {"ClickVOmochnostVentilatorov", "0,75", "0,75"},
  };
  bal.pickItem("ClickRegion", "Другой");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " '" + c.typed + "'");
    vvesti("ClickTemperaturaVozduh", "33");
    if (std::string(c.field) == "ClickVOmochnostVentilatorov") {
      fokus("ClickVOutochnauchiiRaschet");
      bal.clickCheck(bal.op.ClickVOutochnauchiiRaschet);
    }
    vvesti(c.field, c.typed);
    EXPECT_EQ(tekst(c.field), c.after);
  }
}

TEST_F(BalTest, GlazedShareAbove100BecomesZero) {
  bal.clickOption(bal.op.Option1, 1);
  const std::pair<const char*, const char*> cases[] = {{"150", "0"}, {"101", "0"}, {"100", "100"}, {"", "0"}};
  for (const auto& [typed, after] : cases) {
    vvesti("ClickZapolnenSteniPotolok", typed);
    EXPECT_EQ(tekst("ClickZapolnenSteniPotolok"), after) << typed;
  }
}

TEST_F(BalTest, LeavingRecalculatesExceptTheContacts) {
  struct Case {
    const char* field;
    bool recalculates;
  };
  const Case cases[] = {{"ClickZakazsik", false},    {"ClickKontakt", false},           {"ClickVedusii", false},
                        {"ClickKameraVisota", true}, {"ClickTolcinaSteniStenaA", true}, {"ClickZagruzkaPlotnost", true},
                        {"ClickPtsVremia", true},    {"ClickLampaMosnost", true}};
  for (const auto& c : cases) {
    fokus(c.field);
    const int before = bal.st.vhodov;
    pokinut();
    EXPECT_EQ(bal.st.vhodov > before, c.recalculates) << c.field;
  }
}

TEST_F(BalTest, FurtherEffectsOfTheTopArea) {
  // The outdoor temperature overwrites the surfaces, also when unchanged.
  bal.pickItem("ClickRegion", "Другой");
  vvesti("ClickTemperaturaVozduh", "40");
  vvesti("ClickTemperaturaStenaG", "12");
  fokus("ClickTemperaturaVozduh");
  pokinut();
  for (const auto& f : bal.op.ClickTemperatura) EXPECT_EQ(f.text(), "39") << f.name();
  EXPECT_FLOAT_EQ(bal.st.gTemperaturaVozduh, 39.0f);
  // -45 becomes -40 for the surfaces; the recalculation then finds the
  // chamber (-10) not colder than outside and puts the outdoor field to 0.
  vvesti("ClickTemperaturaVozduh", "-45");
  for (const auto& f : bal.op.ClickTemperatura) EXPECT_EQ(f.text(), "-40") << f.name();
  EXPECT_EQ(tekst("ClickTemperaturaVozduh"), "0");

  // The chamber temperature: 45 becomes 40, then not below 32 becomes -10;
  // the final temperatures follow and all three turn white.
  bal.pickItem("ClickRegion", "Самара");
  vvesti("ClickProduktTemperKones", "-18");
  EXPECT_EQ(bal.op.ClickTemperaturaKamera.backColor(), colour::Red);
  vvesti("ClickTemperaturaKamera", "45");
  EXPECT_EQ(tekst("ClickTemperaturaKamera"), "-10");
  EXPECT_EQ(tekst("ClickProduktTemperKones"), "-10");
  EXPECT_EQ(tekst("ClickTaraTemperKones"), "-10");
  for (const char* f : {"ClickTemperaturaKamera", "ClickProduktTemperKones", "ClickTaraTemperKones"})
    EXPECT_EQ(control(f).backColor(), colour::White) << f;

  // The chamber height gives the stacking height.
  const std::pair<const char*, const char*> visota[] = {{"3", "2,5"},   {"0,3", "0"}, {"0,5", "0"},
                                                        {"2,7", "2,2"}, {"", "0"},    {",", "0"}};
  for (const auto& [typed, stacking] : visota) {
    vvesti("ClickKameraVisota", typed);
    EXPECT_EQ(tekst("ClickZagruzkaVisota"), stacking) << typed;
  }
}

TEST_F(BalTest, FinalTemperaturesAreComparedAsText) {
  struct Case {
    const char* field;
    const char* typed;
    std::uint32_t colour;
  };
  const Case cases[] = {
      {"ClickProduktTemperKones", "-10", colour::White}, {"ClickProduktTemperKones", "-18", colour::Red},
      {"ClickProduktTemperKones", "-010", colour::Red},  {"ClickTaraTemperKones", "-10", colour::White},
      {"ClickTaraTemperKones", "5", colour::Red},
  };
  for (const auto& c : cases) {
    vvesti(c.field, c.typed);
    EXPECT_EQ(control(c.field).backColor(), c.colour) << c.field << " " << c.typed;
    EXPECT_EQ(bal.op.ClickTemperaturaKamera.backColor(), c.colour) << c.field << " " << c.typed;
  }
  // The initial temperatures colour nothing.
  vvesti("ClickProduktTemperNasalnaia", "30");
  EXPECT_EQ(bal.op.ClickProduktTemperNasalnaia.backColor(), colour::White);
}

TEST_F(BalTest, EnterPaths) {
  struct Case {
    const char* from;
    const char* to;  // "" : the focus stays
  };
  const Case cases[] = {
      {"ClickZakazsik", "ClickKontakt"},
      {"ClickKontakt", "ClickVedusii"},
      {"ClickVedusii", "ClickRegion"},
      {"ClickTemperaturaKamera", "ClickVlajnostKamera"},
      {"ClickVlajnostKamera", "ClickVremiaKamera"},
      {"ClickVremiaKamera", "ClickZapasKamera"},
      {"ClickZapasKamera", "ClickRejim"},
      {"ClickKameraSirina", "ClickKameraDlina"},
      {"ClickKameraDlina", "ClickKameraVisota"},
      {"ClickKameraVisota", ""},
      {"ClickTolcinaSteniStenaG", "ClickTolcinaSteniPotolok"},
      {"ClickTolcinaSteniPol", "ClickTolcinaIzolaiciiStenaA"},
      {"ClickTolcinaIzolaiciiPol", "ClickTemperaturaStenaA"},
      {"ClickTemperaturaPol", "ClickTemperaturaStenaA"},
      {"ClickProduktHranMassa", "ClickProduktSutkiOborot"},
      {"ClickProduktTemperKones", "ClickZagruzkaVisota"},
      {"ClickTaraTemperKones", "ClickZagruzkaVisota"},
      {"ClickZagruzkaVisota", "ClickZagruzkaPlotnost"},
      {"ClickZagruzkaPlotnost", "ClickZagruzkaVisota"},
      {"ClickDverShirina", "ClickOsvesenieVremia"},
      {"ClickOsvesenieVremia", "ClickPtsMosnost"},
      {"ClickPtsVremia", "ClickPersonalKolichestvo"},
      {"ClickPersonalKolichestvo", "ClickDverTipTovara"},
      {"ClickPersonalVremia", "ClickDverTipTovara"},
      {"ClickProcheeOborudVremia", "ClickVentilasiaKratnostSamostoiatelno"},
      {"ClickLampaVremia", "ClickDvigateliMosnost"},
      {"ClickVOpredvaritelno", "ClickVOutochnauchiiRaschet"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from);
    fokus(c.from);
    bal.typeKey(Bal::kEnter);
    EXPECT_EQ(bal.focus()->name(), *c.to ? c.to : c.from);
    EXPECT_EQ(bal.text().find('\r'), std::string::npos);
  }
  // In a pavilion the glazed shares walk down to the insulation column.
  bal.clickOption(bal.op.Option1, 1);
  fokus("ClickZapolnenSteniPol");
  bal.typeKey(Bal::kEnter);
  EXPECT_EQ(bal.focus()->name(), "ClickTolcinaIzolaiciiStenaA");
  // The air-change rate, once it may be typed, leads to its switch; the fan
  // power to the refined-calculation switch.
  fokus("ClickVentilasiaKratnostSamostoiatelno");
  bal.clickCheck(bal.op.ClickVentilasiaKratnostSamostoiatelno);
  fokus("ClickVOutochnauchiiRaschet");
  bal.clickCheck(bal.op.ClickVOutochnauchiiRaschet);
  for (const auto& [from, to] : {std::pair{"ClickVentilasiaKratnost", "ClickVentilasiaKratnostSamostoiatelno"},
                                 std::pair{"ClickVOmochnostVentilatorov", "ClickVOutochnauchiiRaschet"}}) {
    fokus(from);
    bal.typeKey(Bal::kEnter);
    EXPECT_EQ(bal.focus()->name(), to);
  }
}

// Enter runs the leave step, with its correction and recalculation, and the
// target's entry step, before the key handler returns.
TEST_F(BalTest, EnterLeavesAndEntersInsideTheKey) {
  fokus("ClickTemperaturaKamera");
  bal.setSelection(0, 100);
  bal.typeText("\b45");
  const int before = bal.st.vhodov;
  bal.typeText("\r");
  EXPECT_GT(bal.st.vhodov, before);
  EXPECT_EQ(tekst("ClickTemperaturaKamera"), "-10");
  EXPECT_EQ(bal.focus(), &bal.op.ClickVlajnostKamera);

  fokus("ClickKameraSirina");
  bal.typeText("10\r5\r2\r");
  EXPECT_EQ(tekst("ClickKameraSirina"), "10");
  EXPECT_EQ(tekst("ClickKameraDlina"), "5");
  EXPECT_EQ(tekst("ClickKameraVisota"), "2");
  EXPECT_EQ(bal.focus(), &bal.op.ClickKameraVisota);
  pokinut();
  EXPECT_EQ(bal.rez.ClickKameraObiem.text(), "100,00");
  EXPECT_EQ(tekst("ClickZagruzkaVisota"), "1,5");
}

TEST_F(BalTest, ControlsThatCannotTakeTheFocus) {
  struct Case {
    const char* name;
    bool can;
  };
  const Case cases[] = {
      {"ClickTemperaturaVozduh", false},    // disabled for a city of the table
      {"ClickZapolnenSteniStenaA", false},  // hidden in a store
      {"ClickOsvesenieMosnost", false},     // the recommended value is on
      {"ClickVentilasiaKratnost", false},   // automatic rate
      {"ClickVOkolichestvoVentilatorov", false},
      {"ClickTeplopritokSumma", false},  // a result
      {"ClickProduktHranMassa", false},  // page 2 not shown
      {"ClickTolcinaSteniStenaA", true},
      {"ClickRegion", true},
      {"ClickZagruzkaPolnaia", false},
      {"ClickSteniPoPervoiStroke", true},
      {"Parametr(4)", true},
  };
  bal.setFocus("ClickKameraDlina");
  for (const auto& c : cases) {
    EXPECT_EQ(bal.canFocus(control(c.name)), c.can) << c.name;
    EXPECT_EQ(bal.setFocus(c.name), c.can) << c.name;
    if (!c.can) {
      EXPECT_EQ(bal.focus()->name(), "ClickKameraDlina") << c.name;
    }
    bal.setFocus("ClickKameraDlina");
  }
}

TEST_F(BalTest, PasteGoesThroughTheKeyFilter) {
  struct Case {
    const char* field;
    const char* pasted;
    const char* after;
  };
  const Case cases[] = {
      {"ClickDverVisota", "12.5", "12,5"},         {"ClickDverVisota", "1,2,3", "1,23"},
      {"ClickTolcinaSteniStenaA", "1a2b3", "123"}, {"ClickTolcinaSteniStenaA", "12345678", "1234"},
      {"ClickTemperaturaStenaA", "-12 5", "-125"}, {"ClickZakazsik", "ООО \"Иней\": 1/2", "ООО Иней 12"},
      {"ClickKontakt", "тел.\r\n55", "тел.55"},  // no Enter out of a paste
  };
  for (const auto& c : cases) {
    fokus(c.field);
    bal.setSelection(0, 1000);
    bal.paste(c.pasted);
    EXPECT_EQ(tekst(c.field), c.after) << c.field;
    EXPECT_EQ(bal.focus()->name(), c.field);
    pokinut();
  }
}

// Edits the widget reports are kept, with the caret where the widget has it.
TEST_F(BalTest, WidgetEditsAndSelection) {
  fokus("ClickKameraDlina");
  bal.textEdited("12", 1);
  bal.typeKey("5");
  EXPECT_EQ(tekst("ClickKameraDlina"), "152");
  bal.setSelection(0, 2);
  bal.typeKey(Bal::kBackspace);
  EXPECT_EQ(tekst("ClickKameraDlina"), "2");
  bal.setSelection(1, 0);
  bal.typeKey(Bal::kBackspace);
  bal.typeKey(Bal::kBackspace);
  EXPECT_EQ(tekst("ClickKameraDlina"), "");
  pokinut();
  EXPECT_EQ(tekst("ClickKameraDlina"), "0");
}

// A safety factor of 0 picked from the list recalculates; entering the box
// empties it and leaving it empty gives 5.
TEST_F(BalTest, EditableBoxListPick) {
  const int before = bal.st.vhodov;
  bal.pickItem("ClickZapasKamera", "0");
  EXPECT_GT(bal.st.vhodov, before);
  EXPECT_EQ(bal.rez.NeobhodKoefZapas.text(), "Коэф. запаса : 0  %");
  EXPECT_EQ(bal.focus(), &bal.op.ClickZapasKamera);
  pokinut();
  fokus("ClickZapasKamera");
  EXPECT_EQ(tekst("ClickZapasKamera"), "");
  pokinut();
  EXPECT_EQ(tekst("ClickZapasKamera"), "5");
  EXPECT_EQ(bal.rez.NeobhodKoefZapas.text(), "Коэф. запаса : 5  %");
}

}  // namespace
}  // namespace kalteron::test
