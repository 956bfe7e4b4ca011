#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "reference/Basa.h"

using namespace kalteron;

namespace {

// The catalogue built once, with every list it appends, in append order.
struct Postroennaia {
  Basa basa;
  std::map<std::string, std::vector<std::string>> spiski;
  std::vector<std::string> poriadok;  // boxes in the order of their first item

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

const std::vector<std::string>& spisok(const std::string& box) {
  static const std::vector<std::string> none;
  const auto it = katalog().spiski.find(box);
  return it == katalog().spiski.end() ? none : it->second;
}

const char* const kSuffix[] = {"StenaA", "StenaB", "StenaV", "StenaG", "Potolok", "Pol"};

}  // namespace

TEST(Basa, ListCountsAndEnds) {
  struct Case {
    std::string box;
    std::size_t count;
    const char* first;
    const char* last;
  };
  std::vector<Case> cases = {
      {"ClickRegion", 80, "Алма-Ата", "Другой"},
      {"ClickProduktKategoria", 6, "Мясные", "Прочие"},
      {"ClickTaraMaterial", 5, "Дерево", "Картон"},
      {"ClickDverZavesa", 3, "Нет", "Возд.завеса"},
      {"ClickDverTipTovara", 2, "Штабели на поддонах", "Мясные туши на крюках"},
      {"ClickRejim", 2, "Хранение", "Охлаждение"},
      {"ClickTemperaturaKamera", 81, "-40", "40"},
      {"ClickVlajnostKamera", 11, "50", "100"},
      {"ClickVremiaKamera", 29, "0,1", "24"},
      {"ClickZapasKamera", 21, "0", "100"},
  };
  for (const char* s : kSuffix) {
    cases.push_back({std::string("ClickSteni") + s, 24, "Асбест", "Шлакобетон"});
    cases.push_back({std::string("ClickStekloSteni") + s, 13, "Стекло 4 мм.", "Ст/пак 32 мм.(6-4-4)"});
    cases.push_back({std::string("ClickIzolaicii") + s, 12, "Картон", "Стекло"});
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.box);
    const auto& l = spisok(c.box);
    ASSERT_EQ(l.size(), c.count);
    EXPECT_EQ(l.front(), c.first);
    EXPECT_EQ(l.back(), c.last);
  }
  // Nothing else is filled; the product list belongs to the category choice.
  EXPECT_EQ(katalog().spiski.size(), cases.size());
  EXPECT_EQ(katalog().spiski.count("ClickProduktProdukt"), 0u);
}

TEST(Basa, ListsAreFilledInBuilderOrder) {
  const auto& p = katalog().poriadok;
  ASSERT_EQ(p.size(), 28u);
  EXPECT_EQ(p[0], "ClickRegion");
  for (int s = 0; s < 6; ++s) {
    EXPECT_EQ(p[static_cast<std::size_t>(1 + s)], std::string("ClickSteni") + kSuffix[s]);
    EXPECT_EQ(p[static_cast<std::size_t>(7 + s)], std::string("ClickStekloSteni") + kSuffix[s]);
    EXPECT_EQ(p[static_cast<std::size_t>(13 + s)], std::string("ClickIzolaicii") + kSuffix[s]);
  }
  const std::vector<std::string> rest = {"ClickProduktKategoria", "ClickTaraMaterial", "ClickDverZavesa",
                                         "ClickDverTipTovara",    "ClickRejim",        "ClickTemperaturaKamera",
                                         "ClickVlajnostKamera",   "ClickVremiaKamera", "ClickZapasKamera"};
  EXPECT_EQ(std::vector<std::string>(p.begin() + 19, p.end()), rest);
}

TEST(Basa, ChamberModeItems) {
  const auto& t = spisok("ClickTemperaturaKamera");
  EXPECT_EQ(t[40], "0");
  EXPECT_EQ(t[39], "-1");
  const auto& h = spisok("ClickVremiaKamera");
  const std::vector<std::string> head(h.begin(), h.begin() + 7);
  EXPECT_EQ(head, (std::vector<std::string>{"0,1", "0,2", "0,3", "0,4", "0,5", "1", "2"}));
  EXPECT_EQ(spisok("ClickZapasKamera")[1], "5");
  EXPECT_EQ(spisok("ClickVlajnostKamera")[9], "95");
  EXPECT_EQ(spisok("ClickProduktKategoria"),
            (std::vector<std::string>{"Мясные", "Рыбные", "Молочные", "Овощи", "Фрукты", "Прочие"}));
  // No item of any list starts or ends with a blank.
  for (const auto& [box, items] : katalog().spiski)
    for (const auto& item : items) {
      SCOPED_TRACE(box + ": " + item);
      ASSERT_FALSE(item.empty());
      EXPECT_NE(item.front(), ' ');
      EXPECT_NE(item.back(), ' ');
    }
}

TEST(Basa, CitiesKeepTheirStoredOrder) {
  const auto& r = spisok("ClickRegion");
  const RefTable& k = katalog().basa.gKlimat;
  struct Case {
    int row;
    const char* city;
  };
  const Case cases[] = {{29, "Кишенев"}, {30, "Керчь"},  {31, "Краснодар"}, {32, "Красноводск"}, {53, "Самара"},
                        {62, "Тамбов"},  {63, "Таллин"}, {18, "Дюшамбе"},   {58, "Симферопль"},  {80, "Другой"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.city);
    EXPECT_EQ(r[static_cast<std::size_t>(c.row - 1)], c.city);
    EXPECT_EQ(k.text(c.row, 1), c.city);
  }
  EXPECT_TRUE(k.empty(81, 1));
  EXPECT_EQ(k.find(""), 81);
}

TEST(Basa, ClimateLookups) {
  const Basa& b = katalog().basa;
  struct Case {
    const char* city;
    const char* t;
    const char* h;
  };
  const Case cases[] = {{"Самара", "32", "54"},   {"Москва", "28", "64"},   {"Ашхабад", "40", "44"},
                        {"Алма-Ата", "32", "56"}, {"Мурманск", "22", "77"}, {"Другой", "0", "0"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.city);
    const int row = b.gKlimat.find(c.city, 1, 100);
    ASSERT_GT(row, 0);
    // Whole numbers, written without blank or decimals.
    EXPECT_TRUE(std::holds_alternative<std::int16_t>(b.gKlimat.at(row, 2)));
    EXPECT_EQ(b.gKlimat.text(row, 2), c.t);
    EXPECT_EQ(b.gKlimat.text(row, 3), c.h);
    EXPECT_EQ(b.klimat(row).Gorod, c.city);
  }
  EXPECT_EQ(b.gKlimat.find("Кишинев", 1, 100), 0);
  int min = 100, max = 0;
  for (int r = 1; r <= 79; ++r) {
    min = std::min(min, static_cast<int>(b.klimat(r).TemperaturaVozduh));
    max = std::max(max, static_cast<int>(b.klimat(r).TemperaturaVozduh));
  }
  EXPECT_EQ(min, 22);
  EXPECT_EQ(max, 40);
}

TEST(Basa, EnclosureMaterials) {
  const Basa& b = katalog().basa;
  struct Case {
    const RefTable* table;
    const char* name;
    int row;
    double value;
    bool whole;
  };
  const Case cases[] = {
      {&b.gSteniTabl, "Асбест", 1, 0.35, false},
      {&b.gSteniTabl, "Дюралюминий", 12, 160, true},
      {&b.gSteniTabl, "Железобетон", 13, 1.7, false},
      {&b.gSteniTabl, "Известняк", 14, 1.7, false},
      {&b.gSteniTabl, "Сталь", 21, 52, true},
      {&b.gSteniTabl, "Стекло", 22, 0.76, false},
      {&b.gSteniTabl, "Шлакобетон", 24, 0.29, false},
      {&b.gStekloTabl, "Стекло 10 мм.", 4, 0.013157895, false},
      {&b.gStekloTabl, "Ст/пак 32 мм.(6-6)", 11, 0.86194332, false},
      {&b.gStekloTabl, "Ст/пак 24 мм.(6-4)", 6, 0.62854251, false},
      {&b.gIzolaiciiTabl, "Мин. вата", 3, 0.05, false},
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
  EXPECT_EQ(b.gSteniTabl.text(21, 2), "52");
  EXPECT_EQ(b.gStekloTabl.text(1, 2), "0,005263158");
  EXPECT_EQ(b.stena(21).Teploprovodnost, 52.0);
  EXPECT_EQ(b.steklo(13).Nazvanie, "Ст/пак 32 мм.(6-4-4)");
  EXPECT_EQ(b.izolaicia(12).Teploprovodnost, 0.76);
  // The cells beyond the records stay empty; looking up "" finds the first
  // row after them.
  EXPECT_EQ(b.gSteniTabl.find("", 1, 100), 25);
  EXPECT_EQ(b.gSteniTabl.number(25, 2), 0.0);
  EXPECT_TRUE(b.gSteniTabl.empty(1, 3));
}

TEST(Basa, ProductTableCells) {
  const RefTable& p = katalog().basa.gProduktTabl;
  struct Case {
    int row;
    int col;
    const char* text;
  };
  const Case cases[] = {
      {1, 3, "-5,6"},
      {94, 2, "Яблоки"},
      {7, 2, "Баранина"},
      {16, 2, "Птица, дичь"},
      {16, 3, "-1,7"},
      {62, 2, "Раки, омары, крабы"},
      {62, 3, "-2,2"},
      {5, 2, "Сметана (40%)"},
      {44, 2, "Фасоль зеленая (бобы)"},
      {3, 11, "-25"},
      {55, 5, "0"},
      {57, 3, "-29"},
      {6, 7, "244"},
      {6, 8, "244"},
      {6, 9, "244"},
      {47, 7, "0"},
      {47, 9, "95"},
      {23, 6, "33,5"},
      {2, 3, "-0,56"},
      {17, 13, "-18"},
      {1, 13, "-18"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.col));
    EXPECT_EQ(p.text(c.row, c.col), c.text);
    EXPECT_TRUE(p.isText(c.row, c.col));
  }
  // Empty fields are empty texts, not "0"; beyond the records nothing.
  for (int col = 10; col <= 13; ++col) {
    EXPECT_TRUE(p.isText(28, col));
    EXPECT_EQ(p.text(28, col), "");
  }
  EXPECT_TRUE(p.isText(2, 12));
  EXPECT_TRUE(p.empty(95, 1));
  EXPECT_TRUE(p.empty(1, 14));
  EXPECT_TRUE(p.empty(0, 0));
  // Numbers read with the comma.
  EXPECT_EQ(p.number(1, 3), -5.6);
  EXPECT_EQ(p.single(23, 6), 33.5f);
  const StrokaProdukt r = katalog().basa.produkt(7);
  EXPECT_EQ(r.Kategoria, "Мясные");
  EXPECT_EQ(r.TeploemkostPosle, "1,72");
  EXPECT_EQ(r.TemperHraneniaZamoroj, "-18");
}

TEST(Basa, ProductNamesAndCategories) {
  const RefTable& p = katalog().basa.gProduktTabl;
  EXPECT_EQ(p.find("Морковь   без ботвы", 2, kStrokProdukt), 34);
  EXPECT_EQ(p.find("Морковь без ботвы", 2, kStrokProdukt), 0);
  EXPECT_EQ(p.find("яблоки", 2, kStrokProdukt), 0);

  // The table is grouped by category in its own order.
  struct Group {
    const char* category;
    int first;
    int last;
  };
  const Group groups[] = {{"Молочные", 1, 6}, {"Мясные", 7, 19},  {"Овощи", 20, 49},
                          {"Прочие", 50, 58}, {"Рыбные", 59, 69}, {"Фрукты", 70, 94}};
  for (const auto& g : groups) {
    SCOPED_TRACE(g.category);
    for (int r = 1; r <= kStrokProdukt; ++r) EXPECT_EQ(p.equals(r, 1, g.category), r >= g.first && r <= g.last) << r;
  }
  // Names are unique.
  for (int r = 1; r <= kStrokProdukt; ++r) EXPECT_EQ(p.find(p.text(r, 2), 2, kStrokProdukt), r) << p.text(r, 2);
}

TEST(Basa, SmallRowTables) {
  const Basa& b = katalog().basa;
  EXPECT_EQ(b.gTaraTabl.text(2, 2), "0,50");
  EXPECT_EQ(b.gTaraTabl.number(2, 2), 0.5);
  EXPECT_EQ(b.tara(1).Teploemkost, "2,72");
  EXPECT_EQ(b.gTaraTabl.find("Картон", 1, kStrokTara), 5);
  EXPECT_EQ(b.gZavesaTabl.text(1, 2), "0");
  EXPECT_EQ(b.zavesa(3).Nazvanie, "Возд.завеса");
  EXPECT_EQ(b.gZavesaTabl.number(3, 2), 0.7);
  EXPECT_EQ(b.tipTovara(2).MinutNaTonnu, "1");
  EXPECT_EQ(b.gTipTovaraTabl.number(1, 2), 0.8);
  EXPECT_EQ(b.gTaraTabl.maxRow(), 5);
  EXPECT_EQ(b.gZavesaTabl.maxRow(), 3);
  EXPECT_EQ(b.gTipTovaraTabl.maxRow(), 2);
  EXPECT_EQ(b.gPersonalTabl.maxRow(), 130);
  EXPECT_TRUE(b.gTaraTabl.empty(1, 3));
}

TEST(Basa, DensityFactors) {
  const RefTable& t = katalog().basa.gKoeffPlotnostiTabl;
  EXPECT_EQ(t.maxRow(), 15);
  EXPECT_TRUE(std::holds_alternative<float>(t.at(2, 1)));
  EXPECT_EQ(t.single(2, 1), 1.0f);
  EXPECT_EQ(t.single(2, 2), 1.0f);
  EXPECT_EQ(t.single(1, 1), 0.95f);
  EXPECT_EQ(t.single(1, 2), 1.013f);
  EXPECT_EQ(t.single(10, 1), 1.4f);
  EXPECT_EQ(t.single(10, 2), 0.917f);
  // Unused rows hold single-precision zeros, not empty cells.
  EXPECT_TRUE(std::holds_alternative<float>(t.at(11, 1)));
  EXPECT_EQ(t.single(11, 1), 0.0f);
  EXPECT_EQ(t.single(15, 2), 0.0f);
  // Every factor is the door-infiltration density factor of its ratio.
  for (int r = 1; r <= kStrokKoeffPlotnosti; ++r) {
    const double ratio = 0.95 + 0.05 * (r - 1);
    EXPECT_EQ(t.single(r, 1), static_cast<float>(ratio)) << r;
    const double f = std::pow(2.0 / (1.0 + std::cbrt(ratio)), 1.5);
    EXPECT_NEAR(t.single(r, 2), f, 0.0005) << r;
  }
  EXPECT_EQ(t.findSingle(1.05f, 1, kStrokKoeffPlotnosti), 3);
  EXPECT_EQ(t.findSingle(1.07f, 1, kStrokKoeffPlotnosti), 0);
}

TEST(Basa, HeatPerPerson) {
  const RefTable& t = katalog().basa.gPersonalTabl;
  struct Case {
    float t;
    const char* heat;
  };
  const Case cases[] = {{-60, "770"}, {-40, "510"}, {-10, "330"}, {0, "270"}, {10, "210"}, {12, "206"},
                        {15, "200"},  {20, "180"},  {40, "100"},  {41, "0"},  {60, "0"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.t);
    const int row = t.findSingle(c.t, 1, kStrokPersonal);
    EXPECT_EQ(row, static_cast<int>(c.t) + 61);
    EXPECT_EQ(t.text(row, 2), c.heat);
  }
  for (const float miss : {-61.0f, 61.0f, 10.5f, -0.5f}) EXPECT_EQ(t.findSingle(miss, 1, kStrokPersonal), 0) << miss;
  // One falling line through the anchor points, whole watts, nothing above 40.
  for (int r = 2; r <= kStrokPersonal; ++r) {
    const int tc = r - 61;
    const double step = t.number(r - 1, 2) - t.number(r, 2);
    const double expected = tc <= -40 ? 13 : tc <= 10 ? 6 : tc <= 15 ? 2 : tc <= 40 ? 4 : (tc == 41 ? 100 : 0);
    EXPECT_EQ(step, expected) << tc;
  }
  EXPECT_EQ(katalog().basa.personal(102).Temperatura, "41");
  EXPECT_TRUE(t.empty(122, 1));
}

TEST(Basa, EnthalpyWorkedValues) {
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
    SCOPED_TRACE(std::to_string(c.t) + " / " + std::to_string(c.phi));
    const auto h = b.entalpia(c.t, c.phi);
    ASSERT_TRUE(h.has_value());
    EXPECT_NEAR(*h, c.h, 1e-9);
    EXPECT_EQ(b.gEntalpia.number(c.t + 41, c.phi), *h);
  }
  // At the source points the grid holds the source values.
  for (int k = 1; k <= 16; ++k)
    for (int j = 2; j <= 12; ++j) {
      const int t = 5 * k - 45;
      const int phi = 50 + 5 * (j - 2);
      EXPECT_NEAR(*b.entalpia(t, phi), b.gEntalpiaTabl.number(k, j), 1e-9) << t << " / " << phi;
    }
  // -40 to -20 °C do not vary with humidity; -19 does.
  for (int t = -40; t <= -20; ++t)
    for (int phi = 50; phi <= 100; ++phi) EXPECT_NEAR(*b.entalpia(t, phi), *b.entalpia(t, 50), 1e-9) << t;
  EXPECT_NE(*b.entalpia(-19, 50), *b.entalpia(-19, 100));
}

TEST(Basa, EnthalpyGridBounds) {
  const Basa& b = katalog().basa;
  EXPECT_EQ(b.gEntalpia.maxRow(), 120);
  EXPECT_EQ(b.gEntalpia.maxCol(), 120);
  for (int phi = 0; phi <= 120; ++phi) EXPECT_TRUE(b.gEntalpia.empty(81, phi));
  for (int r = 1; r <= 80; ++r) {
    EXPECT_TRUE(b.gEntalpia.empty(r, 49));
    EXPECT_TRUE(b.gEntalpia.empty(r, 101));
    EXPECT_FALSE(b.gEntalpia.empty(r, 50));
    EXPECT_FALSE(b.gEntalpia.empty(r, 100));
  }
  EXPECT_TRUE(b.gEntalpia.empty(0, 50));
  EXPECT_EQ(b.gEntalpia.number(81, 50), 0.0);
  for (const auto& [t, phi] : {std::pair{40, 50}, {-41, 50}, {0, 49}, {0, 101}, {39, 45}})
    EXPECT_FALSE(b.entalpia(t, phi).has_value()) << t << " / " << phi;
  // The working tables: source texts and the humidity pass.
  EXPECT_EQ(b.gEntalpiaTabl.text(17, 1), "40");
  EXPECT_EQ(b.gEntalpiaTabl.text(6, 2), "-13,6");
  EXPECT_TRUE(b.gEntalpiaTabl.empty(1, 13));
  EXPECT_NEAR(b.gEntalpiaVlajn.number(17, 73), 131.02, 1e-9);
  EXPECT_EQ(b.gEntalpiaVlajn.number(15, 100), 100.3);
  EXPECT_TRUE(b.gEntalpiaVlajn.empty(15, 101));
}

TEST(RefTable, LookupConvention) {
  RefTable t(10, 3);
  t.set(1, 1, "Бетон");
  t.set(1, 2, 1.5);
  t.set(2, 1, "Сталь");
  t.set(2, 2, static_cast<std::int16_t>(52));
  t.set(3, 1, "Бетон");
  t.set(3, 2, 9.0);
  t.set(4, 1, static_cast<std::int16_t>(7));
  t.set(5, 1, "");
  // A name held twice: the first row wins.
  EXPECT_EQ(t.find("Бетон"), 1);
  EXPECT_EQ(t.number(t.find("Бетон"), 2), 1.5);
  // Exact, case-sensitive, whole-text equality.
  EXPECT_EQ(t.find("бетон"), 0);
  EXPECT_EQ(t.find("Бетон "), 0);
  EXPECT_EQ(t.find("Бет"), 0);
  // A number cell compares by its text; an empty text matches an empty cell
  // or an empty text, whichever comes first.
  EXPECT_EQ(t.find("7"), 4);
  EXPECT_EQ(t.find(""), 5);
  EXPECT_EQ(t.find("", 1, 4), 0);
  EXPECT_EQ(t.find("Бетон", 1, 0), 0);
  EXPECT_EQ(t.find("Бетон", 2), 0);
  // Cells keep their kind; outside the bounds everything reads empty.
  EXPECT_EQ(t.text(2, 2), "52");
  EXPECT_EQ(t.text(1, 2), "1,5");
  EXPECT_EQ(t.text(99, 1), "");
  EXPECT_EQ(t.number(-1, 1), 0.0);
  EXPECT_THROW(t.set(11, 1, 1.0), std::out_of_range);
  EXPECT_THROW(t.set(1, 4, 1.0), std::out_of_range);
  // Overwriting replaces the kind.
  t.set(1, 2, Cell{});
  EXPECT_TRUE(t.empty(1, 2));
  t.set(1, 2, Cell{std::string("0,25")});
  EXPECT_TRUE(t.isText(1, 2));
  EXPECT_EQ(t.number(1, 2), 0.25);
  EXPECT_EQ(std::get<std::string>(t.at(1, 2)), "0,25");
  // A text that is no number reads as 0.
  EXPECT_EQ(t.number(2, 1), 0.0);
}

TEST(Basa, RebuildingKeepsTheTables) {
  Basa b;
  int appended = 0;
  const AppendItem count = [&](std::string_view, std::string_view) { ++appended; };
  ZagruzitBasa(b, count);
  const int once = appended;
  ZagruzitBasa(b, count);
  // The lists would get every item a second time; the tables stay as they were.
  EXPECT_EQ(appended, 2 * once);
  EXPECT_EQ(b.gProduktTabl.text(94, 2), "Яблоки");
  EXPECT_EQ(b.gKlimat.find("Другой"), 80);
  EXPECT_EQ(b.gKlimat.find(""), 81);
  EXPECT_NEAR(*b.entalpia(38, 73), 119.948, 1e-9);
}
