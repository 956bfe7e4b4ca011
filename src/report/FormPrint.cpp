#include "report/FormPrint.h"

#include <array>
#include <stdexcept>

#include "calculation/Numbers.h"
#include "mainwindow/Bal.h"

namespace kalteron {

namespace {

// The columns every block shares.
constexpr int kLeft = 360;         // first column of every block
constexpr int kValue = 9855;       // the kW column of the totals
constexpr int kValueWidth = 1200;  // up to the right margin (11055)
constexpr int kTotalEnd = 9795;    // where the caption of a total ends
constexpr int kFrameLeft = 240;
constexpr int kFrameRight = 11175;
constexpr int kFrameTop = 2010;
constexpr int kFrameBottom = 15975;

// Rows of the enclosure table, top to bottom.
constexpr std::array<int, kSurfaces> kWallRows = {4545, 4770, 4995, 5220, 5445, 5670};
constexpr std::array<const char*, kSurfaces> kWallCaptions = {" Стена  А", " Стена  Б", " Стена  В",
                                                              " Стена  Г", " Потолок",  " Пол"};

// The text a control shows: a field's text, a list's choice, a label's caption.
std::string shown(const Bal& bal, const std::string& name) {
  const Control* c = bal.find(name);
  if (const auto* t = dynamic_cast<const TextField*>(c)) return t->text();
  if (const auto* l = dynamic_cast<const ListBox*>(c)) return l->text();
  throw std::logic_error("the report copies a field the main window does not have: " + name);
}

}  // namespace

std::string shortDate(std::chrono::year_month_day date) {
  const auto two = [](unsigned v) {
    return std::string(1, static_cast<char>('0' + v / 10 % 10)) + static_cast<char>('0' + v % 10);
  };
  std::string year = intToText(static_cast<int>(date.year()));
  while (year.size() < 4) year.insert(0, "0");
  return two(static_cast<unsigned>(date.day())) + "." + two(static_cast<unsigned>(date.month())) + "." + year;
}

std::string formatText00(std::string_view text) {
  if (const auto v = parseDouble(text)) return format00(*v);
  return std::string(text);
}

FormPrint::FormPrint() {
  const auto add = [this](std::string name, std::string text, int left, int top, int width,
                          int height = 240) -> PrintLabel& {
    PrintLabel l;
    l.name = std::move(name);
    l.text = std::move(text);
    l.left = left;
    l.top = top;
    l.width = width;
    l.height = height;
    labels_.push_back(std::move(l));
    return labels_.back();
  };
  const auto caption = [&](std::string text, int left, int top, int width, int height = 240) -> PrintLabel& {
    return add({}, std::move(text), left, top, width, height);
  };
  const auto value = [&](std::string name, int left, int top, int width, int height = 240) -> PrintLabel& {
    return add(std::move(name), "0", left, top, width, height);
  };
  // A header cell of a table: centred, broken into lines, a little smaller.
  const auto header = [&](std::string name, std::string text, int left, int top, int width) -> PrintLabel& {
    PrintLabel& l = add(std::move(name), std::move(text), left, top, width, 465);
    l.align = Align::Center;
    l.wrap = true;
    l.pointSize = 7.5;
    return l;
  };
  // A total: its caption ends at the kW column, its value is bold.
  const auto total = [&](std::string text, std::string name, int top, int captionLeft) {
    caption(std::move(text), captionLeft, top, kTotalEnd - captionLeft).align = Align::Right;
    value(std::move(name), kValue, top, kValueWidth).bold = true;
  };
  const auto hrule = [this](int y, int x1 = kFrameLeft, int x2 = kFrameRight) { rules_.push_back({x1, y, x2, y}); };
  const auto vrule = [this](int x, int y1, int y2) { rules_.push_back({x, y1, x, y2}); };

  // 1. Top margin: the author's contact lines are left blank.
  // 2. Title.
  {
    PrintLabel& t =
        caption("РАСЧЕТ ТРЕБУЕМОЙ ХОЛОДОПРОИЗВОДИТЕЛЬНОСТИ ОБОРУДОВАНИЯ ДЛЯ ХОЛОДИЛЬНОЙ КАМЕРЫ", 495, 2100, 10410);
    t.bold = true;
    t.pointSize = 9;
    t.align = Align::Center;
  }

  // 3. Inputs in three columns.
  caption(" Район строительства", kLeft, 2415, 2400);
  value("ClickRegion", 2760, 2415, 1395);
  caption(" Относительная влажность, %", kLeft, 2820, 2400);
  value("ClickVlajnostVozduh", 2760, 2820, 1395);
  caption(" Температура воздуха, С", kLeft, 3270, 2400);
  value("ClickTemperaturaVozduh", 2760, 3270, 1395);

  caption(" Режим работы камеры", 4275, 2415, 2115);
  value("ClickRejim", 6390, 2415, 1680);
  caption(" Температура в камере, С", 4275, 2640, 2430);
  value("ClickTemperaturaKamera", 6705, 2640, 1365);
  caption(" Влажность в камере, %", 4275, 2865, 2430);
  value("ClickVlajnostKamera", 6705, 2865, 1365);
  add("RejimText", " Время обработки", 4275, 3090, 2430);
  value("ClickVremiaKamera", 6705, 3090, 1365);
  caption(" Коэффициент запаса, %", 4275, 3315, 2430);
  value("ClickZapasKamera", 6705, 3315, 1365);

  {
    const std::array<std::pair<const char*, const char*>, 5> col3 = {{
        {" Ширина камеры, м.", "ClickKameraSirina"},
        {" Длина камеры, м.", "ClickKameraDlina"},
        {" Высота камеры, м.", "ClickKameraVisota"},
        {" Объем камеры, куб.м.", "ClickKameraObiem"},
        {" Площадь камеры кв.м.", "ClickKameraPlosad"},
    }};
    for (std::size_t i = 0; i < col3.size(); ++i) {
      const int top = 2415 + 225 * static_cast<int>(i);
      caption(col3[i].first, 8190, top, 2025);
      value(col3[i].second, 10215, top, 825);
    }
  }
  hrule(2370);
  vrule(4215, 2370, 3705);
  vrule(8130, 2370, 3705);
  hrule(3705);

  // 4. Chamber type.
  value("ClickHarakteristika", 405, 3810, 10605).bold = true;

  // 5. Enclosure table.
  {
    const std::array<int, 7> col = {kLeft, 1485, 3870, 4770, 7515, 8460, kValue};
    const std::array<int, 7> width = {1065, 2325, 870, 2685, 885, 1335, kValueWidth};
    const std::array<int, 6> lines = {1425, 3810, 4740, 7455, 8400, 9795};
    header("PrintTablicaSteni(1)", "Элемент ограждения", col[0], 4095, width[0]);
    header("PrintTablicaSteni(2)", "Материал строительных конструкций камеры", col[1], 4095, width[1]);
    header("PrintTablicaSteni(3)", "Толщина (мм)", col[2], 4095, width[2]);
    header({}, "Материал теплоизоляционных конструкций камеры", col[3], 4095, width[3]);
    header({}, "Толщина (мм)", col[4], 4095, width[4]);
    header({}, "Температура  внешняя, С", col[5], 4095, width[5]);
    header({}, "Теплоприток кВт.", col[6], 4095, width[6]);
    const std::array<const char*, 6> prefix = {"ClickSteni",       "ClickTolcinaSteni",
                                               "ClickIzolaicii",   "ClickTolcinaIzolaicii",
                                               "ClickTemperatura", "ClickTeplopritok"};
    for (int s = 0; s < kSurfaces; ++s) {
      const auto i = static_cast<std::size_t>(s);
      caption(kWallCaptions[i], col[0], kWallRows[i], width[0]);
      for (std::size_t c = 0; c < prefix.size(); ++c) {
        PrintLabel& v = value(surfaceName(prefix[c], s), col[c + 1], kWallRows[i], width[c + 1]);
        if (c != 0 && c != 2) v.align = Align::Center;
      }
    }
    hrule(4080);
    hrule(4545);
    hrule(5925);
    for (int x : lines) vrule(x, 4080, 5925);
    total("Теплоприток через стены потолок и пол, кВт :", "ClickTeplopritokCteni", 5940, 3870);
  }

  // 6. Product and packaging table.
  {
    const std::array<int, 7> col = {kLeft, 1755, 4275, 5670, 7065, 8460, kValue};
    const std::array<int, 7> width = {1335, 2460, 1335, 1335, 1335, 1335, kValueWidth};
    const std::array<const char*, 7> head = {"Элемент тепловыделения ",   "Тип термообрабатываемого груза",
                                             "  Хранимая   масса, кг.",   "  Суточный   оборот, кг.",
                                             "Температура  начальная, С", "Температура  конечная, С",
                                             "Теплоприток кВт."};
    for (std::size_t c = 0; c < col.size(); ++c) header({}, head[c], col[c], 6345, width[c]);
    const std::array<std::array<const char*, 7>, 2> rows = {{
        {" Продукт", "ClickProduktProdukt", "ClickProduktHranMassa", "ClickProduktSutkiOborot",
         "ClickProduktTemperNasalnaia", "ClickProduktTemperKones", "ClickProduktTeplopritokProdukt"},
        {" Тара", "ClickTaraMaterial", "ClickTaraHranMassa", "ClickTaraSutkiOborot", "ClickTaraTemperNasalnaia",
         "ClickTaraTemperKones", "ClickTaraTeplopritokTara"},
    }};
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const int top = 6795 + 225 * static_cast<int>(r);
      caption(rows[r][0], col[0], top, width[0]);
      for (std::size_t c = 1; c < col.size(); ++c) {
        PrintLabel& v = value(rows[r][c], col[c], top, width[c]);
        if (c != 1) v.align = Align::Center;
      }
    }
    hrule(6330);
    hrule(6795);
    hrule(7275);
    for (std::size_t c = 1; c < col.size(); ++c) vrule(col[c] - 60, 6330, 7275);
    total("Теплоприток от термообработки продуктов, тары, кВт :", "ClickTeplopritokProdukt", 7290, 3870);
  }
  hrule(7620);

  // Captions over values, centred in the same column.
  const auto column = [&](const char* text, const char* name, int left, int width, int captionTop, int valueTop) {
    caption(text, left, captionTop, width).align = Align::Center;
    value(name, left, valueTop, width).align = Align::Center;
  };

  // 7. Doors.
  column("Тип двери", "ClickDverTip", kLeft, 1650, 7695, 7920);
  column("Высота двери, м.", "ClickDverVisota", 2070, 1605, 7695, 7920);
  column("Ширина двери, м.", "ClickDverShirina", 3735, 1605, 7695, 7920);
  column("Тип товара", "ClickDverTipTovara", 5400, 2010, 7695, 7920);
  column("Завеса", "ClickDverZavesa", 7470, 2325, 7695, 7920);
  total("Теплоприток от открывания дверей, кВт :", "ClickTeplopritokDveri", 8190, 3870);
  hrule(8520);

  // 8. Lighting.
  column("Время работы освещения ч/сут", "ClickOsvesenieVremia", kLeft, 2835, 8595, 8820);
  column("Мощность освещения Вт/м2", "ClickOsvesenieMosnost", 3255, 2400, 8595, 8820);
  total("Теплоприток от освещения, кВт :", "ClickTeplopritokOsvesenie", 8775, 5700);
  hrule(9150);

  // 9. Handling vehicles.
  column("Мощность ПТС, кВт", "ClickPtsMosnost", kLeft, 1695, 9225, 9450);
  column("Грузоподъемность, кг.", "ClickPtsGruzopodiemnost", 2055, 1905, 9225, 9450);
  column("Количество проходов", "ClickPtsKolisestvoProhodov", 3960, 1905, 9225, 9450);
  column("Время ч/с", "ClickPtsVremia", 5865, 1305, 9225, 9450);
  total("Теплоприток от ПТС, кВт :", "ClickTeplopritokPTS", 9405, 7260);
  hrule(9750);

  // 10. Staff.
  caption("Число рабочих в камере, человек", kLeft, 9855, 2835);
  value("ClickPersonalKolichestvo", 3255, 9855, 900).align = Align::Center;
  value("ClickPersonalVremia", 4155, 9855, 900).align = Align::Center;
  total("Теплоприток от персонала, кВт :", "ClickTeplopritokPersonal", 9810, 5400);
  hrule(10185);

  // 11. Equipment.
  {
    const std::array<int, 4> col = {kLeft, 2460, 3810, 5460};
    const std::array<int, 4> width = {2100, 1350, 1650, 1875};
    const std::array<const char*, 4> head = {"Оборудование", "Мощность, кВт", "Время работы,  ч/с",
                                             "Кратность вентиляции "};
    for (std::size_t c = 0; c < col.size(); ++c) {
      PrintLabel& h = caption(head[c], col[c], 10260, width[c], 465);
      h.valign = VAlign::Top;
      if (c != 0) h.align = Align::Center;
    }
    const std::array<std::array<const char*, 3>, 3> rows = {{
        {"Лампы накаливания", "ClickLampaMosnost", "ClickLampaVremia"},
        {"Электродвигатели", "ClickDvigateliMosnost", "ClickDvigateliVremia"},
        {"Прочее оборудование", "ClickProcheeOborudMosnost", "ClickProcheeOborudVremia"},
    }};
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const int top = 10485 + 225 * static_cast<int>(r);
      caption(rows[r][0], col[0], top, width[0]);
      value(rows[r][1], col[1], top, width[1]).align = Align::Center;
      value(rows[r][2], col[2], top, width[2]).align = Align::Center;
    }
    value("ClickVentilasiaKratnost", col[3], 10710, width[3]).align = Align::Center;
    total("Теплоприток от оборудования, кВт :", "ClickTeplopritokOborudovanie", 10935, col[3]);
  }
  hrule(11265);

  // 12. Respiration.
  caption(" Дыхание", kLeft, 11340, 1200);
  value("DihanieText", 1560, 11340, 1995);
  total("Теплоприток от дыхания продукта, кВт :", "ClickTeplopritokDihanie", 11340, 3870);
  hrule(11670);

  // 13. Air-cooler fans.
  caption("Количество вентиляторов ВО", kLeft, 11745, 3000);
  value("ClickVOkolichestvoVentilatorov", 3360, 11745, 900).align = Align::Center;
  caption("Мощность вентиляторов ВО , (кВт)", kLeft, 11970, 3000);
  value("ClickVOmochnostVentilatorov", 3360, 11970, 900).align = Align::Center;
  total("Теплоприток от двигателей вентиляторов , кВт :", "ClickTeplopritokVOiTEN", 11835, 4500);
  hrule(12360);

  // 14. Sum.
  total("Суммарные теплопритоки, кВт :", "ClickTeplopritokSumma", 12465, 3870);
  labels_[labels_.size() - 2].bold = true;
  hrule(12825);

  // 15. Conditions of the required capacity.
  {
    PrintLabel& c = caption("Условия для расчета потребной холодпроизводительности", 2610, 12960, 2850, 480);
    c.wrap = true;
    c.align = Align::Center;
    value("ClickNeobhodRejimText", 5550, 12915, 3150).align = Align::Right;
    value("ClickNeobhodRejimTabl", 8760, 12915, 900);
    value("ClickNeobhodKoefZapas", 5550, 13275, 3150).align = Align::Right;
    value("ClickZapasKameraTabl", 8760, 13275, 900);
  }
  hrule(13545);

  // 16. Required capacity.
  {
    PrintLabel& c =
        caption("Потребная холодопроизводительность с учетом запаса и времени работы, кВт :", 1575, 13695, 8205);
    c.bold = true;
    c.align = Align::Right;
    PrintLabel& v = value("ClickTeplopritokSummKoeff", kValue, 13605, kValueWidth, 330);
    v.bold = true;
    v.pointSize = 10;
    // On the caption's line.
    v.valign = VAlign::Bottom;
  }
  hrule(14025);

  // 17. Signature block.
  caption(" Заказчик", 495, 14250, 2115);
  value("ClickZakazsik", 2610, 14250, 5820);
  caption(" Координаты и контакты", 495, 14520, 2115);
  value("ClickKontakt", 2610, 14520, 5820);
  caption(" Ведущий специалист", 495, 14790, 2115);
  value("ClickVedusii", 2610, 14790, 5820);
  caption("Дата расчета", 495, 15150, 2115);
  value("ClickData", 2610, 15150, 1545);
  {
    PrintLabel& p0 = add("prog(0)", "Kalteron", 8520, 14160, 2535);
    p0.bold = true;
    p0.pointSize = 10;
    p0.align = Align::Center;
    add("prog(1)", "Расчет  теплопоступлений.", 8520, 14460, 2535).align = Align::Center;
  }
  vrule(8475, 14025, kFrameBottom);

  // 18. The author's contact lines, left blank.
  for (int i = 0; i < 3; ++i) {
    const std::array<int, 3> top = {15075, 15390, 15675};
    add("adr(" + std::to_string(i) + ")", "", 8520, top[static_cast<std::size_t>(i)], 2535).align = Align::Center;
  }

  // The frame around the page.
  hrule(kFrameTop);
  hrule(kFrameBottom);
  vrule(kFrameLeft, kFrameTop, kFrameBottom);
  vrule(kFrameRight, kFrameTop, kFrameBottom);
}

const PrintLabel* FormPrint::find(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const auto& l : labels_)
    if (l.name == name) return &l;
  return nullptr;
}

std::string FormPrint::text(std::string_view name) const {
  const PrintLabel* l = find(name);
  return l ? l->text : std::string();
}

PrintLabel& FormPrint::at(std::string_view name) {
  for (auto& l : labels_)
    if (l.name == name) return l;
  throw std::logic_error("the report page has no label " + std::string(name));
}

void FormPrint::Form_Load(const Bal& bal, std::chrono::year_month_day today) {
  const auto copy = [&](const std::string& name) { set(name, shown(bal, name)); };
  const OpisanieKamery& op = bal.op;

  for (const char* n : {"ClickRegion", "ClickVlajnostVozduh", "ClickTemperaturaVozduh", "ClickRejim",
                        "ClickTemperaturaKamera", "ClickVlajnostKamera", "ClickVremiaKamera", "ClickZapasKamera"})
    copy(n);
  set("RejimText", bal.RejimText4.text());
  for (const char* n :
       {"ClickKameraSirina", "ClickKameraDlina", "ClickKameraVisota", "ClickKameraObiem", "ClickKameraPlosad"})
    copy(n);
  for (int s = 0; s < kSurfaces; ++s) copy(surfaceName("ClickSteni", s));
  for (int s = 0; s < kSurfaces; ++s) copy(surfaceName("ClickTolcinaSteni", s));

  // The chamber type: a pavilion shows its glazing in the first two columns.
  set("ClickHarakteristika", "Характеристика камеры - Склад.");
  if (op.Option1.value(1)) {
    set("PrintTablicaSteni(2)", "Материал заполнения остекления камеры");
    set("PrintTablicaSteni(3)", "Заполнение %");
    for (int s = 0; s < kSurfaces; ++s) {
      const auto i = static_cast<std::size_t>(s);
      set(surfaceName("ClickSteni", s), op.ClickStekloSteni[i].text());
      set(surfaceName("ClickTolcinaSteni", s), op.ClickZapolnenSteni[i].text());
    }
    set("ClickHarakteristika", "Характеристика камеры - Витрина.");
  }

  for (const char* prefix : {"ClickIzolaicii", "ClickTolcinaIzolaicii", "ClickTemperatura"})
    for (int s = 0; s < kSurfaces; ++s) copy(surfaceName(prefix, s));
  for (int s = 0; s < kSurfaces; ++s) {
    const std::string n = surfaceName("ClickTeplopritok", s);
    set(n, formatText00(shown(bal, n)));
  }
  copy("ClickTeplopritokCteni");

  for (const char* n : {"ClickProduktProdukt", "ClickProduktHranMassa", "ClickProduktSutkiOborot",
                        "ClickProduktTemperNasalnaia", "ClickProduktTemperKones"})
    copy(n);
  set("ClickProduktTeplopritokProdukt", format00(static_cast<double>(bal.st.gTeplopritokProdukt)));
  for (const char* n : {"ClickTaraMaterial", "ClickTaraHranMassa", "ClickTaraSutkiOborot", "ClickTaraTemperNasalnaia",
                        "ClickTaraTemperKones"})
    copy(n);
  set("ClickTaraTeplopritokTara", format00(static_cast<double>(bal.st.gTeplopritokTara)));
  copy("ClickTeplopritokProdukt");

  if (op.ClickDverTip.value() == 1) set("ClickDverTip", "Автоматическая");
  if (op.ClickDverTip.value() == 0) set("ClickDverTip", "Ручная");

  for (const char* n : {"ClickDverVisota",           "ClickDverShirina",           "ClickDverTipTovara",
                        "ClickDverZavesa",           "ClickTeplopritokDveri",      "ClickOsvesenieVremia",
                        "ClickOsvesenieMosnost",     "ClickTeplopritokOsvesenie",  "ClickPtsMosnost",
                        "ClickPtsGruzopodiemnost",   "ClickPtsKolisestvoProhodov", "ClickPtsVremia",
                        "ClickTeplopritokPTS",       "ClickPersonalKolichestvo",   "ClickTeplopritokPersonal",
                        "ClickPersonalVremia",       "ClickVentilasiaKratnost",    "ClickLampaMosnost",
                        "ClickLampaVremia",          "ClickDvigateliMosnost",      "ClickDvigateliVremia",
                        "ClickProcheeOborudMosnost", "ClickProcheeOborudVremia",   "ClickTeplopritokOborudovanie"})
    copy(n);
  set("DihanieText", bal.rez.DihanieText1.text());
  for (const char* n : {"ClickTeplopritokDihanie", "ClickVOkolichestvoVentilatorov", "ClickVOmochnostVentilatorov",
                        "ClickTeplopritokVOiTEN", "ClickTeplopritokSumma"})
    copy(n);

  // The regime decides which hours the required capacity is spread over.
  set("ClickNeobhodRejimText",
      op.ClickRejim.text() == "Хранение" ? "Время работы оборудования час. :" : "Время обработки продукта час. :");
  set("ClickNeobhodRejimTabl", op.ClickVremiaKamera.text());
  set("ClickNeobhodKoefZapas", "Коэфициент запаса % : ");
  set("ClickZapasKameraTabl", op.ClickZapasKamera.text());

  for (const char* n : {"ClickTeplopritokSummKoeff", "ClickZakazsik", "ClickKontakt", "ClickVedusii"}) copy(n);
  set("ClickData", shortDate(today));
}

}  // namespace kalteron
