// The reference catalogue: every built-in table, built once at start-up.
//
// Columns of each table (rows and columns counted from 1; a lookup scans the
// rows in order, first exact match wins, a miss keeps the reader's old value):
//   gKlimat (0..100 x 0..10), rows 1..80: 1 Gorod text, key and list item;
//     2 TemperaturaVozduh int16 °C; 3 VlajnostVozduh int16 %; "Другой" last (0, 0).
//   gSteniTabl (0..100 x 0..10), rows 1..24: 1 Nazvanie text, key;
//     2 Teploprovodnost W/(m·K), double ("Дюралюминий" 160 and "Сталь" 52 int16).
//   gStekloTabl (0..100 x 0..10), rows 1..13: 1 Nazvanie text, key;
//     2 Soprotivlenie m²·K/W, double.
//   gIzolaiciiTabl (0..100 x 0..10), rows 1..12: 1 Nazvanie text, key;
//     2 Teploprovodnost W/(m·K), double.
//   gProduktTabl (0..100 x 0..15), rows 1..94, every cell text as written:
//     1 Kategoria, 2 Nazvanie (key), 3 TemperZamerz, 4 TeploemkostDo, 5 TeploemkostPosle,
//     6 TeplotaZamerz, 7-9 Dihanie0/10/20, 10 TemperHranenia, 11 VlajnostHranenia,
//     12 TemperZamorozki, 13 TemperHraneniaZamoroj ("" where a row has no value).
//   gTaraTabl (0..5 x 0..3), rows 1..5, text: 1 Nazvanie (key);
//     2 Teploemkost kJ/(kg·K) ("0,50").
//   gZavesaTabl (0..3 x 0..3), rows 1..3, text: 1 Nazvanie (key);
//     2 Effektivnost 0..1 (the door gain is multiplied by 1 - E).
//   gTipTovaraTabl (0..2 x 0..3), rows 1..2, text: 1 Nazvanie (key);
//     2 MinutNaTonnu, door-open minutes per tonne.
//   gKoeffPlotnostiTabl (0..15 x 0..3), rows 1..10, float, 0 elsewhere:
//     1 OtnosheniePlotnostei (key, 0,95..1,4 step 0,05); 2 Koeff.
//   gPersonalTabl (0..130 x 0..3), rows 1..121, text: 1 Temperatura (key, -60..60,
//     row = t + 61); 2 Teplo, W per person.
//   gEntalpia (0..120 x 0..120), double: row t + 41 for t = -40..39 (rows 1..80),
//     column = relative humidity 50..100 %; kJ/kg; every other cell empty.
//   gEntalpiaTabl (0..20 x 0..120, text) and gEntalpiaVlajn (0..20 x 0..120, double):
//     the 17 source rows (t = 5k - 45) and the same interpolated to every whole %.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "reference/RefTable.h"

namespace kalteron {

// Appends one item to the list of the named choice box ("ClickRegion").
using AppendItem = std::function<void(std::string_view box, std::string_view item)>;

struct StrokaKlimat {
  std::string Gorod;
  std::int16_t TemperaturaVozduh = 0;
  std::int16_t VlajnostVozduh = 0;
};

struct StrokaMaterial {
  std::string Nazvanie;
  double Teploprovodnost = 0;
};

struct StrokaSteklo {
  std::string Nazvanie;
  double Soprotivlenie = 0;
};

// Every field as the table holds it: a text with a decimal comma.
struct StrokaProdukt {
  std::string Kategoria;
  std::string Nazvanie;
  std::string TemperZamerz;
  std::string TeploemkostDo;
  std::string TeploemkostPosle;
  std::string TeplotaZamerz;
  std::string Dihanie0;
  std::string Dihanie10;
  std::string Dihanie20;
  std::string TemperHranenia;
  std::string VlajnostHranenia;
  std::string TemperZamorozki;
  std::string TemperHraneniaZamoroj;
};

struct StrokaTara {
  std::string Nazvanie;
  std::string Teploemkost;
};

struct StrokaZavesa {
  std::string Nazvanie;
  std::string Effektivnost;
};

struct StrokaTipTovara {
  std::string Nazvanie;
  std::string MinutNaTonnu;
};

struct StrokaKoeffPlotnosti {
  float OtnosheniePlotnostei = 0;
  float Koeff = 0;
};

struct StrokaPersonal {
  std::string Temperatura;
  std::string Teplo;
};

// Filled rows of the tables.
constexpr int kStrokKlimat = 80;
constexpr int kStrokSteni = 24;
constexpr int kStrokSteklo = 13;
constexpr int kStrokIzolaicii = 12;
constexpr int kStrokProdukt = 94;
constexpr int kStrokTara = 5;
constexpr int kStrokZavesa = 3;
constexpr int kStrokTipTovara = 2;
constexpr int kStrokKoeffPlotnosti = 10;
constexpr int kStrokPersonal = 121;
constexpr int kStrokEntalpia = 80;

struct Basa {
  RefTable gKlimat;
  RefTable gSteniTabl;
  RefTable gStekloTabl;
  RefTable gIzolaiciiTabl;
  RefTable gProduktTabl;
  RefTable gTaraTabl;
  RefTable gZavesaTabl;
  RefTable gTipTovaraTabl;
  RefTable gEntalpiaTabl;
  RefTable gEntalpiaVlajn;
  RefTable gEntalpia;
  RefTable gKoeffPlotnostiTabl;
  RefTable gPersonalTabl;

  // A row as its record (row 1 is the first record; a row beyond the filled
  // ones gives empty texts and zeros).
  StrokaKlimat klimat(int row) const;
  StrokaMaterial stena(int row) const;
  StrokaSteklo steklo(int row) const;
  StrokaMaterial izolaicia(int row) const;
  StrokaProdukt produkt(int row) const;
  StrokaTara tara(int row) const;
  StrokaZavesa zavesa(int row) const;
  StrokaTipTovara tipTovara(int row) const;
  StrokaKoeffPlotnosti koeffPlotnosti(int row) const;
  StrokaPersonal personal(int row) const;

  // The enthalpy of moist air, kJ/kg, at a whole temperature t and a whole
  // relative humidity in %: the cell (t + 41, humidity) of gEntalpia. Nothing
  // for a temperature outside -40..39 or a humidity outside 50..100.
  std::optional<double> entalpia(int t, int vlajnost) const;
};

// Builds every table in its fixed order and appends the items of every
// choice box the catalogue fills.
void ZagruzitBasa(Basa& basa, const AppendItem& append);

// The builders, in the order ZagruzitBasa runs them. Each creates its table
// anew; the list builders only append to their boxes.
void ZagruzitKlimat(Basa& basa, const AppendItem& append);
void ZagruzitSteni(Basa& basa, const AppendItem& append);
void ZagruzitSteklo(Basa& basa, const AppendItem& append);
void ZagruzitIzolaicii(Basa& basa, const AppendItem& append);
void ZagruzitProdukti(Basa& basa, const AppendItem& append);
void ZagruzitTara(Basa& basa, const AppendItem& append);
void ZagruzitZavesa(Basa& basa, const AppendItem& append);
void ZagruzitTipTovara(Basa& basa, const AppendItem& append);
void ZagruzitEntalpia(Basa& basa);
void ZagruzitKoeffPlotnosti(Basa& basa);
void ZagruzitPersonal(Basa& basa);
void ZagruzitRejim(const AppendItem& append);
void ZagruzitTemperaturaKamera(const AppendItem& append);
void ZagruzitVlajnostKamera(const AppendItem& append);
void ZagruzitVremiaKamera(const AppendItem& append);
void ZagruzitZapasKamera(const AppendItem& append);

}  // namespace kalteron
