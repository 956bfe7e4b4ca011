#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../calculation/bal_helpers.h"

using namespace kalteron;
using namespace kalteron::test;

TEST(Bal, StartUpCascade) {
  const auto bal = zapustit();
  const auto& op = bal->op;
  const auto& st = bal->st;
  EXPECT_EQ(st.vhodov, 26);
  EXPECT_EQ(st.maxGlubina, 25);
  EXPECT_EQ(st.glubina, 0);
  EXPECT_EQ(st.polnyhProhodov, 3);

  EXPECT_EQ(op.ClickRegion.text(), "Самара");
  EXPECT_EQ(op.ClickTemperaturaVozduh.text(), "32");
  EXPECT_EQ(op.ClickVlajnostVozduh.text(), "54");
  EXPECT_FALSE(op.ClickTemperaturaVozduh.enabled() || op.ClickVlajnostVozduh.enabled());
  EXPECT_EQ(op.ClickRejim.text(), "Хранение");
  EXPECT_EQ(bal->RejimText4.text(), "Время раб. обор.");
  EXPECT_EQ(bal->ProduktText4.text(), "Суточный оборот кг.");
  EXPECT_EQ(bal->TaraText3.text(), "Суточный оборот кг.");
  EXPECT_EQ(bal->rez.NeobhodRejimText.text(), "Время раб. обор. : 18  час.");
  EXPECT_EQ(bal->rez.NeobhodKoefZapas.text(), "Коэф. запаса : 5  %");
  EXPECT_EQ(bal->rez.ClickKameraObiem.text(), "0,00");

  EXPECT_EQ(op.ClickProduktKategoria.text(), "Мясные");
  EXPECT_EQ(op.ClickProduktProdukt.items().size(), 13u);
  EXPECT_EQ(op.ClickProduktProdukt.text(), "Баранина");
  EXPECT_EQ(op.ClickDverTipTovara.text(), "Штабели на поддонах");
  EXPECT_EQ(op.ClickDverZavesa.text(), "Нет");
  EXPECT_EQ(op.ClickTaraMaterial.text(), "Металл");
  for (std::size_t s = 0; s < kSurfaces; ++s) {
    EXPECT_EQ(op.ClickSteni[s].text(), "Железобетон");
    EXPECT_EQ(op.ClickIzolaicii[s].text(), "Пенополиуретан");
    EXPECT_EQ(op.ClickStekloSteni[s].text(), "Стекло 10 мм.");
    EXPECT_EQ(op.ClickTemperatura[s].text(), "32");
  }
  EXPECT_EQ(op.ClickTemperaturaKamera.text(), "-10");
  EXPECT_EQ(op.ClickProduktTemperKones.text() + " " + op.ClickTaraTemperKones.text(), "-10 -10");
  EXPECT_EQ(op.ClickZakazsik.text(), "Частный");
  for (const char* name : {"ClickOsvesenieMosnost", "ClickVentilasiaKratnost", "ClickVOkolichestvoVentilatorov",
                           "ClickVOmochnostVentilatorov"})
    EXPECT_FALSE(bal->find(name)->enabled()) << name;
  EXPECT_FALSE(op.ClickStekloSteni[0].visible() || op.ClickZapolnenSteni[5].visible());
  EXPECT_EQ(op.ClickRegion.items().size(), 80u);
  EXPECT_EQ(op.ClickVremiaKamera.items().size(), 29u);
}

// Setting from code: a list-only box, a check box or an option whose value
// changes runs its handler (which recalculates) before the set returns; a
// text box or an editable box runs nothing.
TEST(Bal, SettingFromCodeRunsHandlersByKind) {
  const auto bal = zapustit();
  auto& op = bal->op;
  op.ClickDverTip.onClick = [&] { bal->RaschetVse(); };
  struct Case {
    const char* what;
    std::function<void()> set;
    int passes;
  };
  const Case cases[] = {
      {"L to another item", [&] { op.ClickDverZavesa.setText("Штора"); }, 1},
      {"L to the same item", [&] { op.ClickDverZavesa.setText("Штора"); }, 0},
      {"L to no item: empty, then its default", [&] { op.ClickTaraMaterial.setText("Бумага"); }, 2},
      {"K cleared", [&] { op.ClickDverTip.setValue(0); }, 1},
      {"K cleared again", [&] { op.ClickDverTip.setValue(0); }, 0},
      {"O selected", [&] { op.Option1.setValue(1, true); }, 1},
      {"O cleared", [&] { op.Option1.setValue(1, false); }, 0},
      {"T", [&] { op.ClickKameraDlina.setText("12"); }, 0},
      {"E", [&] { op.ClickTemperaturaKamera.setText("-20"); }, 0},
      {"category: the product's pass, then its own", [&] { op.ClickProduktKategoria.setText("Рыбные"); }, 2},
  };
  for (const auto& c : cases) {
    const int before = bal->st.vhodov;
    c.set();
    EXPECT_EQ(bal->st.vhodov - before, c.passes) << c.what;
  }
  EXPECT_EQ(op.ClickTaraMaterial.text(), "Металл");
  EXPECT_EQ(op.ClickTemperaturaKamera.text(), "-20");
}

TEST(Bal, CategoryFillsProducts) {
  const auto bal = zapustit();
  auto& op = bal->op;
  struct Case {
    const char* category;
    std::size_t count;
    const char* first;
    const char* last;
  };
  const Case cases[] = {{"Рыбные", 11, "Креветки", "Устрицы"}, {"Молочные", 6, "Масло сливочное", "Сыры"},
                        {"Овощи", 30, "Артишоки", "Шпинат"},   {"Фрукты", 25, "Абрикосы", "Яблоки"},
                        {"Прочие", 9, "Дрожжи", "Яйца"},       {"Мясные", 13, "Баранина", "Телятина"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.category);
    op.ClickProduktKategoria.setText(c.category);
    const auto& items = op.ClickProduktProdukt.items();
    ASSERT_EQ(items.size(), c.count);
    EXPECT_EQ(items.back(), c.last);
    EXPECT_EQ(op.ClickProduktProdukt.text(), c.first);
  }
}

// What only an inconsistent file or a direct call can bring about.
TEST(Bal, HandlersOnUnusualStates) {
  const auto bal = zapustit();
  auto& op = bal->op;

  // An empty category with a product chosen: the driver's default replaces
  // the product list and selects its first product.
  op.ClickProduktKategoria.setText("Рыбные");
  op.ClickProduktProdukt.setText("Лосось");
  tiho(op.ClickProduktKategoria, "");
  bal->RaschetVse();
  EXPECT_EQ(op.ClickProduktKategoria.text(), "Мясные");
  EXPECT_EQ(op.ClickProduktProdukt.text(), "Баранина");

  // The category handler on a category with no rows selects nothing; its
  // recalculation then gives the category its default.
  tiho(op.ClickProduktKategoria, "");
  bal->ClickProduktKategoria_Click();
  EXPECT_EQ(op.ClickProduktKategoria.text(), "Мясные");
  EXPECT_EQ(op.ClickProduktProdukt.items().size(), 13u);
  EXPECT_EQ(op.ClickProduktProdukt.text(), "Баранина");

  // A region the table does not hold gives "0" in both outdoor fields and the
  // surfaces, not their old values; the default region's handler, run by the
  // recalculation that follows, sees them.
  op.ClickRegion.setText("Москва");
  tiho(op.ClickRegion, "");
  std::vector<std::string> seen;
  op.ClickRegion.onClick = [&] {
    seen = {op.ClickTemperaturaVozduh.text(), op.ClickVlajnostVozduh.text(), op.ClickTemperatura[5].text()};
    bal->ClickRegion_Click();
  };
  bal->ClickRegion_Click();
  EXPECT_EQ(seen, (std::vector<std::string>{"0", "0", "0"}));
  EXPECT_EQ(op.ClickRegion.text(), "Самара");
  EXPECT_EQ(bal->st.gTemperaturaVozduh, 32.0f);

  // A chamber type index other than 0 and 1 changes nothing but recalculates.
  op.ClickTolcinaSteni[0].setText("300");
  const int before = bal->st.vhodov;
  bal->Option1_Click(2);
  EXPECT_EQ(op.ClickTolcinaSteni[0].text(), "300");
  EXPECT_EQ(bal->st.vhodov, before + 1);
  EXPECT_EQ(bal->st.glubina, 0);
}
