// The values that carry numbers from one calculation to the next within one
// recalculation pass. Single precision unless noted.
#pragma once

#include <array>
#include <string>

#include "calculation/Controls.h"

namespace kalteron {

struct RaschetState {
  // Set by the driver in every pass.
  float gVlajnostVozduh = 0;
  float gTemperaturaVozduh = 0;
  float gKameraSirina = 0;
  float gKameraDlina = 0;
  float gKameraVisota = 0;
  float gKameraObiem = 0;
  float gKameraPlosad = 0;
  float gTemperaturaKamera = 0;
  float gVlajnostKamera = 0;
  float gVremiaKamera = 0;

  std::array<std::string, kSurfaces> gMaterialSteni;

  // Enclosure
  float gTemperaturaStenaA = 0;
  // Per surface, kept from pass to pass: a lookup that finds no row leaves
  // the surface's previous value.
  std::array<std::string, kSurfaces> gSteklo;
  std::array<std::string, kSurfaces> gIzolaicia;
  std::array<float, kSurfaces> gTeploprovodnostSteni{};
  std::array<float, kSurfaces> gSoprotivlenieSteklo{};
  std::array<float, kSurfaces> gTeploprovodnostIzolaicii{};
  std::array<float, kSurfaces> gTeplopritokPoverhnost{};  // W

  // Product and packaging
  float gProduktHranMassa = 0;
  float gProduktSutkiOborot = 0;
  float gProduktTemperNasalnaia = 0;
  float gProduktTemperKones = 0;
  float gTaraSutkiOborot = 0;
  float gSekundPerioda = 0;
  // Properties of the chosen product and packaging from the last lookup that
  // found a row.
  float gTemperZamerz = 0;
  float gTeploemkostDo = 0;
  float gTeploemkostPosle = 0;
  float gTeplotaZamerz = 0;
  float gDihanie0 = 0;
  float gDihanie10 = 0;
  float gDihanie20 = 0;
  float gTaraTeploemkost = 0;

  // Doors: density factor, door-open minutes per tonne, protection
  // effectiveness (each from the last lookup that found a row) and the
  // passages per day.
  float gKoeffPlotnosti = 0;
  float gMinutNaTonnu = 0;
  float gEffektivnost = 0;
  float gKolichestvoProhodov = 0;
  // Enthalpies of the outside and the chamber air, kJ/kg, written by both
  // the door and the ventilation calculation.
  float gEntalpiaSnaruji = 0;
  float gEntalpiaVnutri = 0;

  // Staff: heat emitted per person, W.
  float gTeploNaCheloveka = 0;

  // The full-load command: the fill factor and the mass of its last run.
  float gZagruzkaKoeff = 0;
  float gZagruzkaMassa = 0;

  // The 13 components, kW, 0 when switched off.
  float gTeplopritokCteni = 0;
  float gTeplopritokProdukt = 0;
  float gTeplopritokTara = 0;
  float gTeplopritokDihanie = 0;
  float gTeplopritokDveri = 0;
  float gTeplopritokOsvesenie = 0;
  float gTeplopritokPts = 0;
  float gTeplopritokPersonal = 0;
  float gTeplopritokVentilasia = 0;
  float gTeplopritokLampa = 0;
  float gTeplopritokDvigateli = 0;
  float gTeplopritokProcheeOborud = 0;
  float gTeplopritokVO = 0;
  float gZapasKamera = 0;
  float gTeplopritokSumma = 0;
  float gTeplopritokSummKoeff = 0;

  // Bookkeeping of the driver: how often it was entered, how deep it is now
  // and the deepest it went since the counters were reset.
  int vhodov = 0;
  int glubina = 0;
  int maxGlubina = 0;
  // Passes that went through to the component calculations.
  int polnyhProhodov = 0;
  // While a project file is read the driver leaves the chamber and outdoor
  // temperatures alone; the final recalculation corrects them.
  bool bezKorrekciiTemperatur = false;
};

}  // namespace kalteron
