#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "calculation/Controls.h"
#include "reference/Basa.h"

using namespace kalteron;

namespace {

// The catalogue built once, with every list it appends and the boxes in the
// order of their first item.
struct Postroennaia {
  Basa basa;
  std::map<std::string, std::vector<std::string>> spiski;
  std::vector<std::string> poriadok;

  Postroennaia() {
    ZagruzitBasa(basa, [this](std::string_view box, std::string_view item) {
      auto& list = spiski[std::string(box)];
      if (list.empty()) poriadok.emplace_back(box);
      list.emplace_back(item);
    });
  }
};

const Postroennaia& katalog() {
  static const Postroennaia k;
  return k;
}

}  // namespace

TEST(Basa, ListsInBuilderOrderWithTheirCountsAndEnds) {
  struct Case {
    std::string box;
    std::size_t count;
    const char* first;
    const char* last;
  };
  std::vector<Case> cases = {{"ClickRegion", 80, "Алма-Ата", "Другой"}};
  for (const auto& [prefix, count, first, last] :
       {std::tuple{"ClickSteni", 24, "Асбест", "Шлакобетон"},
        std::tuple{"ClickStekloSteni", 13, "Стекло 4 мм.", "Ст/пак 32 мм.(6-4-4)"},
        std::tuple{"ClickIzolaicii", 12, "Картон", "Стекло"}})
    for (const char* s : kSurfaceSuffix) cases.push_back({std::string(prefix) + s, std::size_t(count), first, last});
  cases.insert(cases.end(), {{"ClickProduktKategoria", 6, "Мясные", "Прочие"},
                             {"ClickTaraMaterial", 5, "Дерево", "Картон"},
                             {"ClickDverZavesa", 3, "Нет", "Возд.завеса"},
                             {"ClickDverTipTovara", 2, "Штабели на поддонах", "Мясные туши на крюках"},
                             {"ClickRejim", 2, "Хранение", "Охлаждение"},
                             {"ClickTemperaturaKamera", 81, "-40", "40"},
                             {"ClickVlajnostKamera", 11, "50", "100"},
                             {"ClickVremiaKamera", 29, "0,1", "24"},
                             {"ClickZapasKamera", 21, "0", "100"}});
  const auto& k = katalog();
  ASSERT_EQ(k.poriadok.size(), cases.size());
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(c.box);
    EXPECT_EQ(k.poriadok[i], c.box);
    const auto& l = k.spiski.at(c.box);
    ASSERT_EQ(l.size(), c.count);
    EXPECT_EQ(l.front(), c.first);
    EXPECT_EQ(l.back(), c.last);
    for (const auto& item : l) EXPECT_TRUE(!item.empty() && item.front() != ' ' && item.back() != ' ') << item;
  }
  EXPECT_EQ(k.spiski.at("ClickTemperaturaKamera")[40], "0");
  EXPECT_EQ(k.spiski.at("ClickVremiaKamera")[4], "0,5");
  EXPECT_EQ(k.spiski.at("ClickVremiaKamera")[5], "1");
  EXPECT_EQ(k.spiski.at("ClickProduktKategoria"),
            (std::vector<std::string>{"Мясные", "Рыбные", "Молочные", "Овощи", "Фрукты", "Прочие"}));
  // The stored order of the cities, not a sorted one.
  const auto& cities = k.spiski.at("ClickRegion");
  for (const auto& [row, city] : {std::pair{29, "Кишенев"}, {30, "Керчь"}, {62, "Тамбов"}, {63, "Таллин"}})
    EXPECT_EQ(cities[static_cast<std::size_t>(row - 1)], city);
}

TEST(Basa, CellTablesKeepKindsAndFirstMatchWins) {
  const Basa& b = katalog().basa;
  struct Case {
    const RefTable* table;
    const char* name;
    int row;
    double value;
    bool whole;  // stored as a 16-bit integer
  };
  const Case cases[] = {
      {&b.gKlimat, "Самара", 53, 32, true},
      {&b.gKlimat, "Другой", 80, 0, true},
      {&b.gSteniTabl, "Дюралюминий", 12, 160, true},
      {&b.gSteniTabl, "Железобетон", 13, 1.7, false},
      {&b.gSteniTabl, "Известняк", 14, 1.7, false},
      {&b.gSteniTabl, "Сталь", 21, 52, true},
      {&b.gSteniTabl, "Стекло", 22, 0.76, false},
      {&b.gStekloTabl, "Стекло 10 мм.", 4, 0.013157895, false},
      {&b.gIzolaiciiTabl, "Панель ISO", 5, 0.025, false},
      {&b.gIzolaiciiTabl, "Пенополиуретан", 7, 0.025, false},
      {&b.gIzolaiciiTabl, "Стекло", 12, 0.76, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.table->find(c.name, 1, 100), c.row);
    EXPECT_EQ(c.table->number(c.row, 2), c.value);
    EXPECT_EQ(std::holds_alternative<std::int16_t>(c.table->at(c.row, 2)), c.whole);
  }
  EXPECT_EQ(b.gKlimat.text(53, 3), "54");
  EXPECT_EQ(b.klimat(4).VlajnostVozduh, 44);
  EXPECT_EQ(b.gSteniTabl.text(21, 2), "52");
  EXPECT_EQ(b.gStekloTabl.text(1, 2), "0,005263158");
  EXPECT_EQ(b.gKlimat.find("Кишинев", 1, 100), 0);
  // Looking up "" finds the first row after the records.
  EXPECT_EQ(b.gKlimat.find("", 1, 100), 81);
  EXPECT_EQ(b.gSteniTabl.find("", 1, 100), 25);
  EXPECT_EQ(b.gSteniTabl.number(25, 2), 0.0);
  EXPECT_TRUE(b.gIzolaiciiTabl.empty(1, 3));
}

TEST(RefTable, LookupConvention) {
  RefTable t(10, 3);
  t.set(1, 1, "Бетон");
  t.set(1, 2, 1.5);
  t.set(2, 1, static_cast<std::int16_t>(7));
  t.set(3, 1, "Бетон");
  t.set(3, 2, 9.0);
  t.set(4, 1, "");
  EXPECT_EQ(t.find("Бетон"), 1);  // a name held twice: the first row
  EXPECT_EQ(t.number(t.find("Бетон"), 2), 1.5);
  for (const char* miss : {"бетон", "Бетон ", "Бет"}) EXPECT_EQ(t.find(miss), 0) << miss;
  EXPECT_EQ(t.find("7"), 2);  // a number compares by its text
  EXPECT_EQ(t.find(""), 4);
  EXPECT_EQ(t.find("Бетон", 1, 0), 0);
  EXPECT_EQ(t.text(1, 2), "1,5");
  EXPECT_EQ(t.text(99, 1), "");
  EXPECT_EQ(t.number(1, 1), 0.0);  // a text that is no number
  EXPECT_THROW(t.set(11, 1, 1.0), std::out_of_range);
  t.set(1, 2, Cell{std::string("0,25")});
  EXPECT_TRUE(t.isText(1, 2));
  EXPECT_EQ(t.number(1, 2), 0.25);
}

TEST(Basa, ProductRows) {
  const RefTable& p = katalog().basa.gProduktTabl;
  struct Case {
    int row;
    int col;
    const char* text;
  };
  // Names, numbers and blanks are all held as text.
  const Case cases[] = {{1, 3, "-5,6"}, {16, 2, "Птица, дичь"}, {3, 11, "-25"}, {23, 6, "33,5"},
                        {2, 12, ""},    {17, 13, "-18"}};
  for (const auto& c : cases) {
    EXPECT_EQ(p.text(c.row, c.col), c.text) << c.row << "," << c.col;
    EXPECT_TRUE(p.isText(c.row, c.col)) << c.row << "," << c.col;
  }
  EXPECT_TRUE(p.empty(95, 1));
  EXPECT_TRUE(p.empty(1, 14));
  EXPECT_EQ(p.single(23, 6), 33.5f);
  EXPECT_EQ(katalog().basa.produkt(7).TeploemkostPosle, "1,72");

  EXPECT_EQ(p.find("Морковь   без ботвы", 2, kStrokProdukt), 34);
  EXPECT_EQ(p.find("Морковь без ботвы", 2, kStrokProdukt), 0);
  // Grouped by category in the table's order; every name unique.
  const std::pair<const char*, int> groups[] = {{"Молочные", 6}, {"Мясные", 13}, {"Овощи", 30},
                                                {"Прочие", 9},   {"Рыбные", 11}, {"Фрукты", 25}};
  int row = 1;
  for (const auto& [category, count] : groups)
    for (int i = 0; i < count; ++i, ++row) {
      EXPECT_TRUE(p.equals(row, 1, category)) << row;
      EXPECT_EQ(p.find(p.text(row, 2), 2, kStrokProdukt), row);
    }
  EXPECT_EQ(row, kStrokProdukt + 1);
}

TEST(Basa, SmallRowTables) {
  const Basa& b = katalog().basa;
  EXPECT_EQ(b.gTaraTabl.text(2, 2), "0,50");
  EXPECT_EQ(b.gTaraTabl.number(2, 2), 0.5);

  const RefTable& d = b.gKoeffPlotnostiTabl;
  EXPECT_TRUE(std::holds_alternative<float>(d.at(2, 1)));
  EXPECT_EQ(d.single(2, 1), 1.0f);
  EXPECT_EQ(d.single(2, 2), 1.0f);
  EXPECT_TRUE(std::holds_alternative<float>(d.at(11, 1)));  // 0, not empty
  EXPECT_EQ(d.single(11, 1), 0.0f);
  for (int r = 1; r <= kStrokKoeffPlotnosti; ++r) {
    const double ratio = 0.95 + 0.05 * (r - 1);
    EXPECT_EQ(d.single(r, 1), static_cast<float>(ratio)) << r;
    EXPECT_NEAR(d.single(r, 2), std::pow(2.0 / (1.0 + std::cbrt(ratio)), 1.5), 0.0005) << r;
  }
  EXPECT_EQ(d.findSingle(1.05f, 1, kStrokKoeffPlotnosti), 3);

  const RefTable& p = b.gPersonalTabl;
  // The ends of the line and the jump to 0 above 40 °C; the steps below fix the rest.
  const std::pair<float, const char*> heats[] = {{-60, "770"}, {12, "206"}, {40, "100"}, {41, "0"}, {60, "0"}};
  for (const auto& [t, heat] : heats) EXPECT_EQ(p.text(p.findSingle(t, 1, kStrokPersonal), 2), heat) << t;
  for (const float miss : {-61.0f, 61.0f, 10.5f}) EXPECT_EQ(p.findSingle(miss, 1, kStrokPersonal), 0) << miss;
  // One falling line through the anchor points, whole watts.
  for (int r = 2; r <= kStrokPersonal; ++r) {
    const int t = r - 61;
    const double step = p.number(r - 1, 2) - p.number(r, 2);
    EXPECT_EQ(step, t <= -40 ? 13 : t <= 10 ? 6 : t <= 15 ? 2 : t <= 40 ? 4 : t == 41 ? 100 : 0) << t;
  }
}

TEST(Basa, EnthalpyGrid) {
  const Basa& b = katalog().basa;
  struct Case {
    int t;
    int phi;
    double h;
  };
  const Case cases[] = {{-40, 50, -39},  {-38, 50, -37.4}, {-18, 95, -16.44}, {-10, 85, -6.6},   {0, 90, 8.6},
                        {2, 50, 8.3},    {5, 90, 17.3},    {10, 50, 19.8},    {20, 62, 43.2},    {28, 64, 67.72},
                        {32, 54, 72.24}, {35, 100, 129.9}, {38, 73, 119.948}, {39, 100, 160.14}, {20, 60, 42.4}};
  for (const auto& c : cases) {
    const auto h = b.entalpia(c.t, c.phi);
    ASSERT_TRUE(h.has_value()) << c.t << " / " << c.phi;
    EXPECT_NEAR(*h, c.h, 1e-9) << c.t << " / " << c.phi;
    EXPECT_EQ(b.gEntalpia.number(c.t + 41, c.phi), *h);
  }
  // At every source point the source value; -40 to -20 °C flat in humidity.
  for (int k = 1; k <= 16; ++k)
    for (int j = 2; j <= 12; ++j)
      EXPECT_NEAR(*b.entalpia(5 * k - 45, 40 + 5 * j), b.gEntalpiaTabl.number(k, j), 1e-9) << k << "," << j;
  for (int t = -40; t <= -20; ++t) EXPECT_NEAR(*b.entalpia(t, 100), *b.entalpia(t, 50), 1e-9) << t;
  EXPECT_NE(*b.entalpia(-19, 50), *b.entalpia(-19, 100));
  // Nothing at +40 °C, outside -40..39 or outside 50..100 %.
  for (int phi = 0; phi <= 120; ++phi) EXPECT_TRUE(b.gEntalpia.empty(81, phi));
  for (int r = 1; r <= 80; ++r) EXPECT_TRUE(b.gEntalpia.empty(r, 49) && b.gEntalpia.empty(r, 101)) << r;
  for (const auto& [t, phi] : {std::pair{40, 50}, {-41, 50}, {0, 49}, {0, 101}})
    EXPECT_FALSE(b.entalpia(t, phi).has_value()) << t << " / " << phi;
  EXPECT_EQ(b.gEntalpia.maxRow(), 120);
  EXPECT_NEAR(b.gEntalpiaVlajn.number(17, 73), 131.02, 1e-9);
}
