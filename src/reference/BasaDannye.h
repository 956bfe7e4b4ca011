// The built-in data behind the catalogue's tables, in row order. Only the
// builders in Basa.cpp read it.
#pragma once

#include <array>
#include <cstdint>

namespace kalteron::dannye {

struct StrokaKlimatDannye {
  const char* gorod;
  std::int16_t temperatura;
  std::int16_t vlajnost;
};

// A material or a glazing: its name and value; `celoe` when the value is kept
// as a 16-bit integer instead of a double.
struct StrokaMaterialDannye {
  const char* nazvanie;
  double znachenie;
  bool celoe;
};

extern const std::array<StrokaKlimatDannye, 80> kKlimat;
extern const std::array<StrokaMaterialDannye, 24> kSteni;
extern const std::array<StrokaMaterialDannye, 13> kSteklo;
extern const std::array<StrokaMaterialDannye, 12> kIzolaicii;

// Row texts, fields joined by ':'.
extern const std::array<const char*, 94> kProdukti;
extern const std::array<const char*, 5> kTara;
extern const std::array<const char*, 3> kZavesa;
extern const std::array<const char*, 2> kTipTovara;
extern const std::array<const char*, 10> kKoeffPlotnosti;
extern const std::array<const char*, 121> kPersonal;
extern const std::array<const char*, 17> kEntalpia;

}  // namespace kalteron::dannye
