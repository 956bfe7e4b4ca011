// The recalculation driver: the one entry point of the calculation.
#pragma once

#include <string>

#include "calculation/OpisanieKamery.h"
#include "calculation/RaschetState.h"
#include "calculation/RezultatyRascheta.h"
#include "reference/Basa.h"

namespace kalteron {

// Everything one recalculation reads and writes.
struct Kamera {
  const Basa& basa;
  OpisanieKamery& op;
  RezultatyRascheta& rez;
  RaschetState& st;
  // The caption beside the hours field: "Время раб. обор." or "Время обработки".
  const Label& RejimText4;
};

// One pass: defaults of empty choices (each followed by its handler, which
// starts a nested pass), the module values, volume and area, the chamber
// temperature correction, the condition captions, then every component.
void RaschetVse(Kamera& k);

// Reads a numeric field as a single-precision number, converted at the moment
// of use. A text that is not a number reads as the field's empty default.
float chislo(const TextField& field);
double chisloDouble(const TextField& field);

// True in the cooling regime.
bool ohlajdenie(const OpisanieKamery& op);

// The automatic air-change rate of a chamber, changes a day: 70 / sqrt(volume)
// to two decimals, as the rate field shows it. The volume must be above 0.
std::string avtoKratnost(float obiem);

// The component calculations of one complete pass, in their binding order.
void RaschetKomponenty(Kamera& k);

}  // namespace kalteron
