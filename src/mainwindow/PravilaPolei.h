// The rules of the 65 typed fields of the main window, one row per field:
// the key filter, the length test, where Enter goes, the text an empty field
// gets on leaving, the corrections on leaving in their order, the further
// effect and whether leaving recalculates. One engine in Bal applies them.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace kalteron {

// The key filter of a field.
//   T: any text but the characters of `zapret`;
//   U: digits; S: digits and '-' anywhere; D: digits and one ',' ('.' typed
//   becomes ','). The length test covers every key of U, S and D except
//   Backspace, '-' in S and ',' in D.
enum class VidPolia { T, U, S, D };

// A correction on leaving: when the test holds, the text becomes `zamena`.
enum class Proverka {
  Net,            // no correction in this slot
  Menshe,         // value < granica
  Bolshe,         // value > granica
  NeMenshe,       // value >= granica
  NeNijeVozduha,  // value >= the outdoor temperature the calculation holds now
};

struct Popravka {
  Proverka proverka = Proverka::Net;
  float granica = 0;
  std::string_view zamena;
};

// What a leave step does after its corrections and before the recalculation.
enum class Effekt {
  Net,
  TemperaturaVozduha,    // the outdoor temperature goes into the six surfaces
  TemperaturaKamery,     // the final temperatures follow; three fields whitened
  VisotaKamery,          // stacking height := height - 0,5
  KonesnaiaTemperatura,  // red or white against the chamber temperature
};

struct PraviloPolia {
  std::string_view pole;
  VidPolia vid;
  int maxDlina;            // 0: no length test
  std::string_view enter;  // "": Enter moves nothing
  std::string_view pusto;  // the empty default
  std::array<Popravka, 3> popravki;
  Effekt effekt;
  bool pereschet;
  std::string_view zapret = {};  // characters a T field refuses
};

// Every row, in window order.
const std::vector<PraviloPolia>& pravilaPolei();
// The row of a field, or nullptr.
const PraviloPolia* pravilo(std::string_view pole);

}  // namespace kalteron
