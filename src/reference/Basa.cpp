#include "reference/Basa.h"

#include <array>
#include <span>

#include "calculation/Controls.h"
#include "calculation/Numbers.h"
#include "reference/BasaDannye.h"

namespace kalteron {

namespace {

// The bounds of a table stored cell by cell.
constexpr int kMaxStrok = 100;
constexpr int kMaxStolbcov = 10;

// Splits a row text at every ':' (no limit on the parts; the text between
// two adjacent colons is an empty part) and hands part j (from 1) to `f`.
template <typename F>
void razbit(std::string_view stroka, F&& f) {
  int j = 1;
  for (;;) {
    const std::size_t p = stroka.find(':');
    if (p == std::string_view::npos) {
      f(j, stroka);
      return;
    }
    f(j++, stroka.substr(0, p));
    stroka.remove_prefix(p + 1);
  }
}

// Fills a table of text rows: row k, column j gets part j of row text k.
template <std::size_t N>
void zapolnitStrokami(RefTable& t, const std::array<const char*, N>& stroki) {
  std::size_t bytes = 0;
  for (const char* s : stroki) bytes += std::string_view(s).size();
  t.reserveTexts(bytes);
  for (std::size_t k = 0; k < N; ++k)
    razbit(stroki[k], [&](int j, std::string_view chast) { t.set(static_cast<int>(k + 1), j, chast); });
}

// The list scan of a table stored cell by cell: rows from 1 until the first
// empty name, each name appended to every box in the given order.
void zapolnitSpiski(const RefTable& t, std::span<const std::string> boxes, const AppendItem& append) {
  for (int r = 1; r <= kMaxStrok; ++r) {
    const std::string name = t.text(r, 1);
    if (name.empty()) return;
    for (const auto& box : boxes) append(box, name);
  }
}

std::array<std::string, kSurfaces> perSurfaceNames(const char* prefix) {
  std::array<std::string, kSurfaces> names;
  for (int s = 0; s < kSurfaces; ++s) names[static_cast<std::size_t>(s)] = surfaceName(prefix, s);
  return names;
}

template <std::size_t N>
void zagruzitMaterialy(RefTable& t, const std::array<dannye::StrokaMaterialDannye, N>& dannye) {
  t = RefTable(kMaxStrok, kMaxStolbcov);
  for (std::size_t k = 0; k < N; ++k) {
    const auto& d = dannye[k];
    const int r = static_cast<int>(k + 1);
    t.set(r, 1, d.nazvanie);
    if (d.celoe)
      t.set(r, 2, static_cast<std::int16_t>(d.znachenie));
    else
      t.set(r, 2, d.znachenie);
  }
}

}  // namespace

void ZagruzitKlimat(Basa& basa, const AppendItem& append) {
  RefTable& t = basa.gKlimat;
  t = RefTable(kMaxStrok, kMaxStolbcov);
  for (std::size_t k = 0; k < dannye::kKlimat.size(); ++k) {
    const auto& d = dannye::kKlimat[k];
    const int r = static_cast<int>(k + 1);
    t.set(r, 1, d.gorod);
    t.set(r, 2, d.temperatura);
    t.set(r, 3, d.vlajnost);
  }
  const std::string box = "ClickRegion";
  zapolnitSpiski(t, {&box, 1}, append);
}

void ZagruzitSteni(Basa& basa, const AppendItem& append) {
  zagruzitMaterialy(basa.gSteniTabl, dannye::kSteni);
  zapolnitSpiski(basa.gSteniTabl, perSurfaceNames("ClickSteni"), append);
}

void ZagruzitSteklo(Basa& basa, const AppendItem& append) {
  zagruzitMaterialy(basa.gStekloTabl, dannye::kSteklo);
  zapolnitSpiski(basa.gStekloTabl, perSurfaceNames("ClickStekloSteni"), append);
}

void ZagruzitIzolaicii(Basa& basa, const AppendItem& append) {
  zagruzitMaterialy(basa.gIzolaiciiTabl, dannye::kIzolaicii);
  zapolnitSpiski(basa.gIzolaiciiTabl, perSurfaceNames("ClickIzolaicii"), append);
}

void ZagruzitProdukti(Basa& basa, const AppendItem& append) {
  basa.gProduktTabl = RefTable(100, 15);
  zapolnitStrokami(basa.gProduktTabl, dannye::kProdukti);
  // The box offers the categories in its own order, not the table's.
  for (const char* k : {"Мясные", "Рыбные", "Молочные", "Овощи", "Фрукты", "Прочие"})
    append("ClickProduktKategoria", k);
}

void ZagruzitTara(Basa& basa, const AppendItem& append) {
  basa.gTaraTabl = RefTable(5, 3);
  zapolnitStrokami(basa.gTaraTabl, dannye::kTara);
  for (int r = 1; r <= kStrokTara; ++r) append("ClickTaraMaterial", basa.gTaraTabl.text(r, 1));
}

void ZagruzitZavesa(Basa& basa, const AppendItem& append) {
  basa.gZavesaTabl = RefTable(3, 3);
  zapolnitStrokami(basa.gZavesaTabl, dannye::kZavesa);
  for (int r = 1; r <= kStrokZavesa; ++r) append("ClickDverZavesa", basa.gZavesaTabl.text(r, 1));
}

void ZagruzitTipTovara(Basa& basa, const AppendItem& append) {
  basa.gTipTovaraTabl = RefTable(2, 3);
  zapolnitStrokami(basa.gTipTovaraTabl, dannye::kTipTovara);
  for (int r = 1; r <= kStrokTipTovara; ++r) append("ClickDverTipTovara", basa.gTipTovaraTabl.text(r, 1));
}

void ZagruzitEntalpia(Basa& basa) {
  RefTable& src = basa.gEntalpiaTabl;
  RefTable& vl = basa.gEntalpiaVlajn;
  RefTable& grid = basa.gEntalpia;
  src = RefTable(20, 120);
  vl = RefTable(20, 120);
  grid = RefTable(120, 120);
  zapolnitStrokami(src, dannye::kEntalpia);
  constexpr int kIshodnih = static_cast<int>(dannye::kEntalpia.size());

  // The source as numbers, one row past the last and one column past the
  // 100 % value reading 0 like the empty cells they stand for.
  double h[kIshodnih + 1][15] = {};
  for (int k = 1; k <= kIshodnih; ++k)
    for (int i = 1; i <= 12; ++i) h[k][i] = src.number(k, i);

  // Across humidity: five steps between two source columns, the fifths summed
  // one by one; column 100 takes the 100 % value as it is.
  double v[kIshodnih + 2][101] = {};
  for (int k = 1; k <= kIshodnih; ++k) {
    int m = 49;
    for (int i = 2; i <= 13; ++i) {
      const double shag = (h[k][i + 1] - h[k][i]) / 5;
      double prirost = 0;
      int shagov = 0;
      for (m = m + 1; m <= 100; ++m) {
        v[k][m] = h[k][i] + prirost;
        vl.set(k, m, v[k][m]);
        ++shagov;
        prirost += shag;
        if (shagov == 5) break;
      }
    }
  }

  // Across temperature: five rows per source row, -40 to +39 °C.
  for (int c = 50; c <= 100; ++c) {
    int m = 0;
    for (int i = 1; i <= kIshodnih; ++i) {
      const double shag = (v[i + 1][c] - v[i][c]) / 5;
      double prirost = 0;
      int shagov = 0;
      for (m = m + 1; m <= kStrokEntalpia; ++m) {
        grid.set(m, c, v[i][c] + prirost);
        ++shagov;
        prirost += shag;
        if (shagov == 5) break;
      }
    }
  }
}

void ZagruzitKoeffPlotnosti(Basa& basa) {
  RefTable& t = basa.gKoeffPlotnostiTabl;
  t = RefTable(15, 3);
  for (int r = 0; r <= 15; ++r)
    for (int c = 0; c <= 3; ++c) t.set(r, c, 0.0f);
  for (std::size_t k = 0; k < dannye::kKoeffPlotnosti.size(); ++k)
    razbit(dannye::kKoeffPlotnosti[k], [&](int j, std::string_view chast) {
      t.set(static_cast<int>(k + 1), j, parseSingle(chast).value_or(0.0f));
    });
}

void ZagruzitPersonal(Basa& basa) {
  basa.gPersonalTabl = RefTable(130, 3);
  zapolnitStrokami(basa.gPersonalTabl, dannye::kPersonal);
}

void ZagruzitRejim(const AppendItem& append) {
  append("ClickRejim", "Хранение");
  append("ClickRejim", "Охлаждение");
}

void ZagruzitTemperaturaKamera(const AppendItem& append) {
  for (int t = -40; t <= 40; ++t) append("ClickTemperaturaKamera", intToText(t));
}

void ZagruzitVlajnostKamera(const AppendItem& append) {
  for (int v = 50; v <= 100; v += 5) append("ClickVlajnostKamera", intToText(v));
}

void ZagruzitVremiaKamera(const AppendItem& append) {
  for (int d = 1; d <= 5; ++d) append("ClickVremiaKamera", doubleToText(d / 10.0));
  for (int h = 1; h <= 24; ++h) append("ClickVremiaKamera", intToText(h));
}

void ZagruzitZapasKamera(const AppendItem& append) {
  for (int z = 0; z <= 100; z += 5) append("ClickZapasKamera", intToText(z));
}

void ZagruzitBasa(Basa& basa, const AppendItem& append) {
  ZagruzitKlimat(basa, append);
  ZagruzitSteni(basa, append);
  ZagruzitSteklo(basa, append);
  ZagruzitIzolaicii(basa, append);
  ZagruzitProdukti(basa, append);
  ZagruzitTara(basa, append);
  ZagruzitZavesa(basa, append);
  ZagruzitTipTovara(basa, append);
  ZagruzitEntalpia(basa);
  ZagruzitKoeffPlotnosti(basa);
  ZagruzitPersonal(basa);
  ZagruzitRejim(append);
  ZagruzitTemperaturaKamera(append);
  ZagruzitVlajnostKamera(append);
  ZagruzitVremiaKamera(append);
  ZagruzitZapasKamera(append);
}

StrokaKlimat Basa::klimat(int row) const {
  return {gKlimat.text(row, 1), static_cast<std::int16_t>(gKlimat.number(row, 2)),
          static_cast<std::int16_t>(gKlimat.number(row, 3))};
}

StrokaMaterial Basa::stena(int row) const { return {gSteniTabl.text(row, 1), gSteniTabl.number(row, 2)}; }

StrokaSteklo Basa::steklo(int row) const { return {gStekloTabl.text(row, 1), gStekloTabl.number(row, 2)}; }

StrokaMaterial Basa::izolaicia(int row) const { return {gIzolaiciiTabl.text(row, 1), gIzolaiciiTabl.number(row, 2)}; }

StrokaProdukt Basa::produkt(int row) const {
  const RefTable& t = gProduktTabl;
  return {t.text(row, 1),  t.text(row, 2),  t.text(row, 3), t.text(row, 4), t.text(row, 5),
          t.text(row, 6),  t.text(row, 7),  t.text(row, 8), t.text(row, 9), t.text(row, 10),
          t.text(row, 11), t.text(row, 12), t.text(row, 13)};
}

StrokaTara Basa::tara(int row) const { return {gTaraTabl.text(row, 1), gTaraTabl.text(row, 2)}; }

StrokaZavesa Basa::zavesa(int row) const { return {gZavesaTabl.text(row, 1), gZavesaTabl.text(row, 2)}; }

StrokaTipTovara Basa::tipTovara(int row) const { return {gTipTovaraTabl.text(row, 1), gTipTovaraTabl.text(row, 2)}; }

StrokaKoeffPlotnosti Basa::koeffPlotnosti(int row) const {
  return {gKoeffPlotnostiTabl.single(row, 1), gKoeffPlotnostiTabl.single(row, 2)};
}

StrokaPersonal Basa::personal(int row) const { return {gPersonalTabl.text(row, 1), gPersonalTabl.text(row, 2)}; }

std::optional<double> Basa::entalpia(int t, int vlajnost) const {
  const int row = t + 41;
  if (row < 1 || row > kStrokEntalpia) return std::nullopt;
  if (gEntalpia.empty(row, vlajnost)) return std::nullopt;
  return gEntalpia.number(row, vlajnost);
}

}  // namespace kalteron
