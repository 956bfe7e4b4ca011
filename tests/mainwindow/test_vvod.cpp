// Typing into the fields of the main window: key filter, entry and leave
// steps, Enter, focus and paste.
#include <set>

#include "BalFixture.h"
#include "mainwindow/PravilaPolei.h"

namespace kalteron::test {
namespace {

// The rows name real typed fields, once each, and real Enter targets; every
// typed field has its row. The calculation reads a non-number as the same
// default the leave step puts in.
TEST_F(BalTest, EveryTypedFieldHasOneRule) {
  std::set<std::string> seen;
  for (const PraviloPolia& p : pravilaPolei()) {
    EXPECT_TRUE(seen.insert(std::string(p.pole)).second) << p.pole;
    EXPECT_TRUE(p.enter.empty() || bal.find(std::string(p.enter))) << p.enter;
    const Control& c = control(std::string(p.pole));
    const auto* t = dynamic_cast<const TextBox*>(&c);
    const auto* e = dynamic_cast<const ComboBox*>(&c);
    EXPECT_EQ(t ? t->emptyDefault() : e ? e->emptyDefault() : "?", p.pusto) << p.pole;
  }
  std::set<std::string> typed;
  for (Control* c : bal.op.controls())
    if (c->kind() == Kind::T || c->kind() == Kind::E) typed.insert(c->name());
  EXPECT_EQ(seen, typed);
}

TEST_F(BalTest, KeyFilter) {
  struct Case {
    const char* field;
    const char* before;  // set from code, then the field is entered
    bool caretAtEnd;     // false: the whole text stays selected
    const char* key;
    const char* after;  // nullptr: refused, text unchanged
  };
  const Case cases[] = {
      // A full field refuses a digit even while all of it is selected.
      {"ClickVlajnostVozduh", "100", false, "5", nullptr},
      {"ClickTolcinaSteniStenaA", "1234", false, "5", nullptr},
      {"ClickProduktHranMassa", "12345678", false, "1", nullptr},
      {"ClickTemperaturaKamera", "-100", true, "1", nullptr},
      {"ClickVlajnostVozduh", "100", false, "\b", ""},
      {"ClickTolcinaSteniStenaA", "12", false, "7", "7"},
      // Decimal fields: '.' becomes ',', one comma, the comma past the length.
      {"ClickKameraDlina", "12", true, ".", "12,"},
      {"ClickKameraDlina", "1,2", true, ",", nullptr},
      {"ClickKameraDlina", "1,2", true, ".", nullptr},
      {"ClickKameraDlina", "123456", true, ",", "123456,"},
      {"ClickKameraDlina", "123456,", true, "7", nullptr},
      {"ClickVremiaKamera", "2", true, ".", "2,"},
      {"ClickDverVisota", "2", true, "-", nullptr},
      {"ClickDverVisota", "2", true, "a", nullptr},
      // Signed fields: '-' anywhere, at any length, again and again.
      {"ClickTemperaturaStenaA", "1234", true, "-", "1234-"},
      {"ClickTemperaturaStenaA", "--", true, "-", "---"},
      {"ClickProduktTemperNasalnaia", "5", true, ",", nullptr},
      // Whole numbers: digits only.
      {"ClickLampaVremia", "1", true, "-", nullptr},
      {"ClickLampaVremia", "1", true, ",", nullptr},
      {"ClickLampaVremia", "1", true, " ", nullptr},
      // Text: anything but ':', '/' and '"' in the customer name.
      {"ClickZakazsik", "Иван", true, ":", nullptr},
      {"ClickZakazsik", "Иван", true, "/", nullptr},
      {"ClickZakazsik", "Иван", true, "\"", nullptr},
      {"ClickZakazsik", "Иван", true, "ъ", "Иванъ"},
      {"ClickKontakt", "тел", true, ":", "тел:"},
  };
  bal.pickItem("ClickRegion", "Другой");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " '" + c.before + "' + '" + c.key + "'");
    fokus(c.field);
    pokinut();
    Control& f = control(c.field);
    if (auto* t = dynamic_cast<TextBox*>(&f)) t->setText(c.before);
    if (auto* e = dynamic_cast<ComboBox*>(&f)) e->setText(c.before);
    fokus(c.field);
    if (c.caretAtEnd) bal.setSelection(1000, 0);
    EXPECT_EQ(bal.keyPress(c.key).accepted, c.after != nullptr);
    bal.typeKey(c.key);
    EXPECT_EQ(tekst(c.field), c.after ? c.after : c.before);
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
      {"ClickZakazsik", "Частный", "Частный", 0, 7},
      {"ClickZapasKamera", "0", "", 0, 0},             // an editable box is emptied
      {"ClickTemperaturaKamera", "-10", "-10", 3, 0},  // but never selected
  };
  for (const auto& c : cases) {
    Control& f = control(c.field);
    if (auto* t = dynamic_cast<TextBox*>(&f)) t->setText(c.before);
    if (auto* e = dynamic_cast<ComboBox*>(&f)) e->setText(c.before);
    fokus(c.field);
    EXPECT_EQ(tekst(c.field), c.after) << c.field;
    EXPECT_EQ(bal.selectionStart(), c.selStart) << c.field;
    EXPECT_EQ(bal.selectionLength(), c.selLength) << c.field;
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
      {"ClickTemperaturaVozduh", "40", "39"},
      {"ClickTemperaturaVozduh", "-", "0"},  // no number: the empty default
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
      {"ClickZakazsik", "-", "-"},
      {"ClickTemperaturaStenaB", "-45", "-40"},
      {"ClickTemperaturaStenaB", "40", "39"},
      {"ClickTemperaturaStenaB", "1000", "39"},
      {"ClickTemperaturaStenaB", "-40", "-40"},
      {"ClickTemperaturaStenaB", "--5", "0"},
      {"ClickZapolnenSteniPotolok", "150", "0"},
      {"ClickZapolnenSteniPotolok", "101", "0"},
      {"ClickZapolnenSteniPotolok", "100", "100"},
      {"ClickTolcinaIzolaiciiPol", "", "0"},
      {"ClickDverVisota", ",", "0"},
      {"ClickDverVisota", "2.5", "2,5"},
      {"ClickPersonalVremia", "30", "30"},
  };
  bal.pickItem("ClickRegion", "Другой");
  bal.click("Option1(1)");
  for (const auto& c : cases) {
    vvesti("ClickTemperaturaVozduh", "33");
    vvesti(c.field, c.typed);
    EXPECT_EQ(tekst(c.field), c.after) << c.field << " '" << c.typed << "'";
  }
}

TEST_F(BalTest, LeavingRecalculatesExceptTheContacts) {
  const std::pair<const char*, bool> cases[] = {{"ClickZakazsik", false},    {"ClickVedusii", false},
                                                {"ClickKameraVisota", true}, {"ClickZagruzkaPlotnost", true},
                                                {"ClickPtsVremia", true},    {"ClickLampaMosnost", true}};
  for (const auto& [field, recalculates] : cases) {
    fokus(field);
    const int before = bal.st.vhodov;
    pokinut();
    EXPECT_EQ(bal.st.vhodov > before, recalculates) << field;
  }
}

TEST_F(BalTest, FurtherEffects) {
  // The outdoor temperature overwrites the surfaces, also when unchanged.
  bal.pickItem("ClickRegion", "Другой");
  vvesti("ClickTemperaturaVozduh", "40");
  vvesti("ClickTemperaturaStenaG", "12");
  fokus("ClickTemperaturaVozduh");
  pokinut();
  for (const auto& f : bal.op.ClickTemperatura) EXPECT_EQ(f.text(), "39") << f.name();
  // -45 gives the surfaces -40; the recalculation then finds the chamber
  // (-10) not colder than outside and puts the outdoor field to 0.
  vvesti("ClickTemperaturaVozduh", "-45");
  for (const auto& f : bal.op.ClickTemperatura) EXPECT_EQ(f.text(), "-40") << f.name();
  EXPECT_EQ(tekst("ClickTemperaturaVozduh"), "0");

  // The final temperatures are compared with the chamber's as text.
  bal.pickItem("ClickRegion", "Самара");
  const std::tuple<const char*, const char*, std::uint32_t> kones[] = {
      {"ClickProduktTemperKones", "-10", colour::White},
      {"ClickProduktTemperKones", "-010", colour::Red},
      {"ClickTaraTemperKones", "-10", colour::White},
      {"ClickTaraTemperKones", "5", colour::Red},
      {"ClickProduktTemperKones", "-18", colour::Red}};
  for (const auto& [field, typed, cvet] : kones) {
    vvesti(field, typed);
    EXPECT_EQ(control(field).backColor(), cvet) << field << " " << typed;
    EXPECT_EQ(bal.op.ClickTemperaturaKamera.backColor(), cvet) << field << " " << typed;
  }
  // The chamber temperature: 45, 40, not below 32, so -10; the final
  // temperatures follow and all three turn white.
  vvesti("ClickTemperaturaKamera", "45");
  for (const char* f : {"ClickTemperaturaKamera", "ClickProduktTemperKones", "ClickTaraTemperKones"}) {
    EXPECT_EQ(tekst(f), "-10") << f;
    EXPECT_EQ(control(f).backColor(), colour::White) << f;
  }

  // The chamber height gives the stacking height.
  const std::pair<const char*, const char*> visota[] = {{"3", "2,5"},   {"0,3", "0"}, {"0,5", "0"},
                                                        {"2,7", "2,2"}, {"", "0"},    {",", "0"}};
  for (const auto& [typed, stacking] : visota) {
    vvesti("ClickKameraVisota", typed);
    EXPECT_EQ(tekst("ClickZagruzkaVisota"), stacking) << typed;
  }
}

TEST_F(BalTest, EnterPaths) {
  const std::pair<const char*, const char*> cases[] = {
      {"ClickZakazsik", "ClickKontakt"},
      {"ClickVedusii", "ClickRegion"},
      {"ClickVremiaKamera", "ClickZapasKamera"},
      {"ClickZapasKamera", "ClickRejim"},
      {"ClickKameraDlina", "ClickKameraVisota"},
      {"ClickKameraVisota", "ClickKameraVisota"},  // no target: the focus stays
      {"ClickTolcinaSteniPol", "ClickTolcinaIzolaiciiStenaA"},
      {"ClickTolcinaIzolaiciiPol", "ClickTemperaturaStenaA"},
      {"ClickTemperaturaPol", "ClickTemperaturaStenaA"},
      {"ClickProduktTemperKones", "ClickZagruzkaVisota"},
      {"ClickTaraTemperKones", "ClickZagruzkaVisota"},
      {"ClickZagruzkaVisota", "ClickZagruzkaPlotnost"},
      {"ClickZagruzkaPlotnost", "ClickZagruzkaVisota"},
      {"ClickDverShirina", "ClickOsvesenieVremia"},
      {"ClickPersonalKolichestvo", "ClickDverTipTovara"},
      {"ClickPersonalVremia", "ClickDverTipTovara"},
      {"ClickProcheeOborudVremia", "ClickVentilasiaKratnostSamostoiatelno"},
      {"ClickVOpredvaritelno", "ClickVOutochnauchiiRaschet"},
      {"ClickZapolnenSteniPol", "ClickTolcinaIzolaiciiStenaA"},  // from here on a pavilion
  };
  for (const auto& [from, to] : cases) {
    if (std::string(from) == "ClickZapolnenSteniPol") bal.click("Option1(1)");
    fokus(from);
    bal.typeKey(Bal::kEnter);
    EXPECT_EQ(bal.focus()->name(), to) << from;
  }
}

// Enter runs the leave step, with its correction and recalculation, and the
// target's entry step before the key handler returns.
TEST_F(BalTest, EnterLeavesAndEntersInsideTheKey) {
  fokus("ClickTemperaturaKamera");
  bal.setSelection(0, 100);
  bal.typeText("\b45");
  const int before = bal.st.vhodov;
  bal.typeKey(Bal::kEnter);
  EXPECT_GT(bal.st.vhodov, before);
  EXPECT_EQ(tekst("ClickTemperaturaKamera"), "-10");
  EXPECT_EQ(bal.focus(), &bal.op.ClickVlajnostKamera);

  fokus("ClickKameraSirina");
  bal.typeText("10\r5\r2\r");
  EXPECT_EQ(bal.focus(), &bal.op.ClickKameraVisota);
  pokinut();
  EXPECT_EQ(bal.rez.ClickKameraObiem.text(), "100,00");
}

TEST_F(BalTest, ControlsThatCannotTakeTheFocus) {
  const std::pair<const char*, bool> cases[] = {
      {"ClickTemperaturaVozduh", false},    // disabled for a city of the table
      {"ClickZapolnenSteniStenaA", false},  // hidden in a store
      {"ClickOsvesenieMosnost", false},     // the recommended value is on
      {"ClickVentilasiaKratnost", false},   // the automatic rate
      {"ClickTeplopritokSumma", false},     // a result
      {"ClickProduktHranMassa", false},     // page 2 is not shown
      {"ClickZagruzkaPolnaia", false},     {"ClickTolcinaSteniStenaA", true},
      {"ClickSteniPoPervoiStroke", true},  {"Parametr(4)", true},
  };
  for (const auto& [name, can] : cases) {
    ASSERT_TRUE(bal.setFocus("ClickKameraDlina"));
    EXPECT_EQ(bal.setFocus(name), can) << name;
    EXPECT_EQ(bal.focus()->name(), can ? name : "ClickKameraDlina") << name;
  }
}

TEST_F(BalTest, PasteAndWidgetEdits) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"ClickDverVisota", "12.5", "12,5"},         {"ClickDverVisota", "1,2,3", "1,23"},
      {"ClickTolcinaSteniStenaA", "1a2b3", "123"}, {"ClickTolcinaSteniStenaA", "12345678", "1234"},
      {"ClickTemperaturaStenaA", "-12 5", "-125"}, {"ClickZakazsik", "ООО \"Иней\": 1/2", "ООО Иней 12"},
      {"ClickKontakt", "тел.\r\n55", "тел.55"},  // no Enter out of a paste
  };
  for (const auto& [field, pasted, after] : cases) {
    fokus(field);
    bal.paste(pasted);
    EXPECT_EQ(tekst(field), after) << field;
    EXPECT_EQ(bal.focus()->name(), field);
    pokinut();
  }
  // What the widget edited itself, with its caret and selection.
  fokus("ClickKameraDlina");
  bal.textEdited("12", 1);
  bal.typeKey("5");
  EXPECT_EQ(tekst("ClickKameraDlina"), "152");
  bal.setSelection(0, 2);
  bal.typeText("\b\b");
  EXPECT_EQ(tekst("ClickKameraDlina"), "2");
}

// Whatever the widget put in on its own meets the key filter at the place it
// went in; a removal alone is taken as it is, what an insertion replaced goes
// only with a character the filter takes.
TEST_F(BalTest, WidgetEditsMeetTheFilter) {
  struct Case {
    const char* field;
    const char* before;
    int selStart, selLength;
    const char* widget;  // the widget's text after its own edit
    const char* after;
  };
  const Case cases[] = {
      {"ClickKameraDlina", "12", 1, 0, "1a9.52", "19,52"},        // at the caret, "." as ","
      {"ClickKameraDlina", "12", 0, 2, "7x", "7"},                // over the selection
      {"ClickKameraDlina", "1,5", 3, 0, "1,25", "1,25"},          // elsewhere than the caret
      {"ClickKameraDlina", "123456", 0, 6, "7", "123456"},        // a full field refuses
      {"ClickKameraDlina", "123", 1, 0, "13", "13"},              // a deletion
      {"ClickTolcinaSteniStenaA", "1234", 1, 2, "1xy4", "1234"},  // nothing taken, nothing removed
      {"ClickTolcinaSteniStenaA", "222", 0, 0, "23222", "2222"},  // at the caret, not where the texts differ
      {"ClickTemperaturaStenaA", "-5", 2, 0, "-5-é", "-5-"},      // S takes "-" anywhere
      {"ClickZakazsik", "ООО", 3, 0, "ООО \"Иней\"", "ООО Иней"},
      {"ClickKontakt", "а", 1, 0, "аж\tб", "ажб"},  // no control characters
  };
  for (const Case& c : cases) {
    fokus(c.field);
    ustanovit(bal, c.field, c.before);
    bal.setSelection(c.selStart, c.selLength);
    bal.textEdited(c.widget, 0);
    EXPECT_EQ(tekst(c.field), c.after) << c.field << " " << c.widget;
    pokinut();
  }
}

// A safety factor of 0 picked from the list recalculates; entering the box
// empties it, and leaving it empty gives 5.
TEST_F(BalTest, EditableBoxListPick) {
  bal.pickItem("ClickZapasKamera", "0");
  EXPECT_EQ(bal.rez.NeobhodKoefZapas.text(), "Коэф. запаса : 0  %");
  pokinut();
  fokus("ClickZapasKamera");
  EXPECT_EQ(tekst("ClickZapasKamera"), "");
  pokinut();
  EXPECT_EQ(bal.rez.NeobhodKoefZapas.text(), "Коэф. запаса : 5  %");
}

}  // namespace
}  // namespace kalteron::test
