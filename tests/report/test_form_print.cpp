#include <gtest/gtest.h>

#include <set>
#include <string>

#include "../calculation/bal_helpers.h"
#include "report/FormPrint.h"
#include "report/Mause.h"
#include "report/Snimok.h"

using namespace kalteron;

namespace {

constexpr std::chrono::year_month_day kToday{std::chrono::year{2026}, std::chrono::month{3}, std::chrono::day{5}};

// Puts a choice into a list-only box without running its handler, so the
// main window shows exactly what the test wants the page to copy.
void choose(ListBox& box, const std::string& text) {
  if (box.indexOf(text) < 0) box.addItem(text);
  test::tiho(box, text);
}

// Every field of the main window gets its own text ("v1", "v2", ...), so a
// label that copies the wrong field shows it.
void fillDistinct(Bal& bal) {
  int n = 0;
  for (Control* c : bal.controls()) {
    const std::string t = "v" + std::to_string(++n);
    if (auto* tb = dynamic_cast<TextBox*>(c)) tb->setText(t);
    if (auto* cb = dynamic_cast<ComboBox*>(c)) cb->setText(t);
    if (auto* lb = dynamic_cast<ListBox*>(c)) choose(*lb, t);
  }
}

std::string surface(const char* prefix, int s) {
  return prefix + std::string(kSurfaceSuffix[static_cast<std::size_t>(s)]);
}

}  // namespace

// Labels stay on the sheet and inside its frame, no two boxes overlap (rows
// 225 twips apart may share one pixel), and no rule runs through a label.
TEST(FormPrint, LayoutKeepsLabelsApartAndOffTheRules) {
  const FormPrint page;
  constexpr int slack = 15;
  const auto& ls = page.labels();
  const auto height = [](const PrintLabel& l) { return l.valign == VAlign::Top ? 240 : l.height; };
  for (std::size_t i = 0; i < ls.size(); ++i) {
    const auto& a = ls[i];
    // Whole pixels at 15 twips to the pixel.
    EXPECT_TRUE(a.left % 15 == 0 && a.top % 15 == 0 && a.width % 15 == 0 && a.height % 15 == 0) << a.name << a.text;
    EXPECT_GE(a.left, 255) << a.text;
    EXPECT_LE(a.left + a.width, 11160) << a.text;
    EXPECT_GE(a.top, 2025) << a.text;
    EXPECT_LE(a.top + a.height, 15960) << a.text;
    for (std::size_t j = i + 1; j < ls.size(); ++j) {
      const auto& b = ls[j];
      const int dx = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
      const int dy = std::min(a.top + height(a), b.top + height(b)) - std::max(a.top, b.top);
      EXPECT_FALSE(dx > 0 && dy > slack) << "'" << a.name << a.text << "' and '" << b.name << b.text << "'";
    }
    for (const auto& r : page.rules()) {
      const bool horizontal = r.y1 == r.y2;
      const bool crosses =
          horizontal
              ? (r.y1 > a.top + slack && r.y1 < a.top + height(a) - slack && r.x1 < a.left + a.width && r.x2 > a.left)
              : (r.x1 > a.left && r.x1 < a.left + a.width && r.y1 < a.top + height(a) - slack && r.y2 > a.top + slack);
      EXPECT_FALSE(crosses) << "rule " << r.x1 << "," << r.y1 << " through '" << a.name << a.text << "'";
    }
  }
}

// Labels whose place on the sheet is fixed: left, top and width in twips
// (0: any width).
TEST(FormPrint, LabelsAtTheirPlaces) {
  struct Case {
    const char* name;
    int left, top, width;
  };
  const Case cases[] = {
      {"PrintTablicaSteni(3)", 3870, 4095, 0}, {"ClickTolcinaSteniStenaA", 3870, 4545, 0},
      {"ClickTolcinaSteniPol", 3870, 5670, 0}, {"ClickKameraSirina", 10215, 2415, 825},
      {"ClickKameraPlosad", 10215, 3315, 825},
  };
  const FormPrint page;
  for (const Case& c : cases) {
    const PrintLabel* l = page.find(c.name);
    ASSERT_NE(l, nullptr) << c.name;
    EXPECT_EQ(l->left, c.left) << c.name;
    EXPECT_EQ(l->top, c.top) << c.name;
    if (c.width != 0) {
      EXPECT_EQ(l->width, c.width) << c.name;
    }
  }
}

TEST(FormPrint, CopiesEachFieldIntoTheLabelOfItsName) {
  Bal bal;
  fillDistinct(bal);
  FormPrint page;
  page.Form_Load(bal, kToday);
  // Labels that show something else than their same-named field.
  const std::set<std::string> own = {"ClickHarakteristika",
                                     "ClickDverTip",
                                     "ClickNeobhodRejimText",
                                     "ClickNeobhodKoefZapas",
                                     "ClickNeobhodRejimTabl",
                                     "ClickZapasKameraTabl",
                                     "ClickData",
                                     "ClickProduktTeplopritokProdukt",
                                     "ClickTaraTeplopritokTara"};
  int copied = 0;
  for (const auto& l : page.labels()) {
    if (l.name.rfind("Click", 0) != 0 || own.count(l.name)) continue;
    ASSERT_NE(bal.find(l.name), nullptr) << l.name;
    EXPECT_EQ(l.text, test::tekst(bal, l.name)) << l.name;
    ++copied;
  }
  EXPECT_EQ(copied, 94);
  EXPECT_EQ(page.text("RejimText"), bal.RejimText4.text());
  EXPECT_EQ(page.text("DihanieText"), bal.rez.DihanieText1.text());
  EXPECT_EQ(page.text("ClickNeobhodRejimTabl"), bal.op.ClickVremiaKamera.text());
  EXPECT_EQ(page.text("ClickZapasKameraTabl"), bal.op.ClickZapasKamera.text());
  EXPECT_EQ(page.text("ClickData"), "05.03.2026");
}

TEST(FormPrint, ChamberTypeRegimeAndDoor) {
  struct Case {
    int chamber;  // 0 store, 1 pavilion
    const char* regime;
    int door;
    const char* rejimText;
    const char* dverTip;
  };
  const Case cases[] = {
      {0, "Хранение", 1, "Время работы оборудования час. :", "Автоматическая"},
      {0, "Охлаждение", 0, "Время обработки продукта час. :", "Ручная"},
      {1, "Хранение", 2, "Время работы оборудования час. :", "0"},
      {1, "Охлаждение", 1, "Время обработки продукта час. :", "Автоматическая"},
      {0, "", 0, "Время обработки продукта час. :", "Ручная"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.chamber) + " " + c.regime);
    Bal bal;
    bal.op.Option1.onClick = nullptr;
    bal.op.Option1.setValue(c.chamber, true);
    if (*c.regime) choose(bal.op.ClickRejim, c.regime);
    bal.op.ClickDverTip.setValue(c.door);
    bal.op.ClickVremiaKamera.setText("0,5");
    bal.op.ClickZapasKamera.setText("15");
    for (int s = 0; s < kSurfaces; ++s) {
      const auto i = static_cast<std::size_t>(s);
      choose(bal.op.ClickSteni[i], "Кирпич " + std::to_string(s));
      bal.op.ClickTolcinaSteni[i].setText(std::to_string(250 + s));
      choose(bal.op.ClickStekloSteni[i], "Стекло " + std::to_string(s));
      bal.op.ClickZapolnenSteni[i].setText(std::to_string(40 + s));
    }

    FormPrint page;
    page.Form_Load(bal, kToday);
    EXPECT_EQ(page.text("ClickHarakteristika"),
              c.chamber ? "Характеристика камеры - Витрина." : "Характеристика камеры - Склад.");
    EXPECT_EQ(page.text("PrintTablicaSteni(2)"),
              c.chamber ? "Материал заполнения остекления камеры" : "Материал строительных конструкций камеры");
    EXPECT_EQ(page.text("PrintTablicaSteni(3)"), c.chamber ? "Заполнение %" : "Толщина (мм)");
    for (int s = 0; s < kSurfaces; ++s) {
      const std::string material = (c.chamber ? "Стекло " : "Кирпич ") + std::to_string(s);
      const std::string thickness = std::to_string((c.chamber ? 40 : 250) + s);
      EXPECT_EQ(page.text(surface("ClickSteni", s)), material);
      EXPECT_EQ(page.text(surface("ClickTolcinaSteni", s)), thickness);
    }
    EXPECT_EQ(page.text("ClickNeobhodRejimText"), c.rejimText);
    EXPECT_EQ(page.text("ClickNeobhodRejimTabl"), "0,5");
    EXPECT_EQ(page.text("ClickNeobhodKoefZapas"), "Коэфициент запаса % : ");
    EXPECT_EQ(page.text("ClickZapasKameraTabl"), "15");
    EXPECT_EQ(page.text("ClickDverTip"), c.dverTip);
  }
}

TEST(FormPrint, HeatsInTwoDecimals) {
  Bal bal;
  const char* perSurface[] = {"1,5", "0,004", "-2,345", "12", "abc", ""};
  const char* shown[] = {"1,50", "0,00", "-2,35", "12,00", "abc", ""};
  for (int s = 0; s < kSurfaces; ++s) bal.rez.ClickTeplopritok[static_cast<std::size_t>(s)].setText(perSurface[s]);
  bal.st.gTeplopritokProdukt = 1.234f;
  bal.st.gTeplopritokTara = 0.5f;
  bal.rez.ClickTeplopritokProdukt.setText("1,73");
  bal.rez.ClickTeplopritokCteni.setText("7,1");

  FormPrint page;
  page.Form_Load(bal, kToday);
  for (int s = 0; s < kSurfaces; ++s) EXPECT_EQ(page.text(surface("ClickTeplopritok", s)), shown[s]) << s;
  EXPECT_EQ(page.text("ClickProduktTeplopritokProdukt"), "1,23");
  EXPECT_EQ(page.text("ClickTaraTeplopritokTara"), "0,50");
  // The totals are copied as the main window shows them.
  EXPECT_EQ(page.text("ClickTeplopritokProdukt"), "1,73");
  EXPECT_EQ(page.text("ClickTeplopritokCteni"), "7,1");
}

// A wall's gain too small for the plain form is shown by the main window in
// exponent form; the page shows the two decimals it rounds to.
TEST(FormPrint, TinyWallGainInTwoDecimals) {
  auto bal = test::zapustit();
  test::ustanovit(*bal, {{"ClickKameraDlina", "1"},
                         {"ClickKameraSirina", "1"},
                         {"ClickKameraVisota", "1"},
                         {"ClickTolcinaIzolaiciiStenaA", "10000"},
                         {"ClickTemperaturaKamera", "-18"},
                         {"ClickTemperaturaStenaA", "-17"}});
  bal->RaschetVse();
  ASSERT_EQ(test::tekst(*bal, "ClickTeplopritokStenaA"), "2,499058E-06");
  FormPrint page;
  page.Form_Load(*bal, kToday);
  EXPECT_EQ(page.text("ClickTeplopritokStenaA"), "0,00");
}

TEST(FormPrint, ShortDate) {
  using namespace std::chrono;
  EXPECT_EQ(shortDate(year_month_day{year{2026}, month{12}, day{7}}), "07.12.2026");
  EXPECT_EQ(shortDate(year_month_day{year{1999}, month{1}, day{31}}), "31.01.1999");
  EXPECT_EQ(shortDate(year_month_day{year{987}, month{10}, day{1}}), "01.10.0987");
}

TEST(Snimok, PicturePath) {
  struct Case {
    const char* chosen;
    const char* path;
  };
  const Case cases[] = {
      {"/home/u/plan", "/home/u/plan.bmp"},         {"/home/u/plan.bmp", "/home/u/plan.bmp"},
      {"/home/u/PLAN.BMP", "/home/u/PLAN.BMP"},     {"/home/u/Частный.klt", "/home/u/Частный.klt.bmp"},
      {"/home/u/plan.png", "/home/u/plan.png.bmp"}, {"/home/u/plan.bmpx", "/home/u/plan.bmpx.bmp"},
      {"/home/u.bmp/plan", "/home/u.bmp/plan.bmp"}, {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(picturePath(c.chosen), c.path) << c.chosen;
  EXPECT_EQ(fixedSnapshotPath("/tmp"), "/tmp/333.bmp");
  EXPECT_EQ(fixedSnapshotPath("/tmp/"), "/tmp/333.bmp");
}

TEST(Mause, WheelStep) {
  struct Case {
    int last, delta;
    unsigned keys;
    int step;
  };
  const Case cases[] = {
      {0, -120, 0, -300},  {0, 120, 0, 300},     {300, -240, 0, -300}, {-300, 360, 0, 300}, {0, 120, 1, 0},
      {300, -120, 1, 300}, {-300, 120, 2, -300}, {0, 15, 0, 0},        {-300, 15, 0, -300}, {300, 480, 0, 300},
  };
  for (const auto& c : cases)
    EXPECT_EQ(shagKolesa(static_cast<std::int16_t>(c.last), c.delta, c.keys), c.step) << c.last << " " << c.delta;
}
