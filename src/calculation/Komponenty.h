// The component calculations of one recalculation pass and the helpers they
// share. Each reads the description and the module values of the same pass
// and writes its results in place.
#pragma once

#include "calculation/Raschet.h"

namespace kalteron {

// Enclosure (Cteni.cpp)
void RaschetCteni(Kamera& k);
// Product, packaging, respiration (Produkti.cpp)
void RaschetProdukt(Kamera& k);
void RaschetTara(Kamera& k);
void RaschetDihanie(Kamera& k);
// Doors (Dver.cpp)
void RaschetDver(Kamera& k);
// Lighting, handling vehicles, staff (Osvesenie.cpp, Pts.cpp, Personal.cpp)
void RaschetOsvesenie(Kamera& k);
void RaschetPts(Kamera& k);
void RaschetPersonal(Kamera& k);
// Ventilation, lamps, motors, other equipment (Oborudovanie.cpp)
void RaschetOborudovanie(Kamera& k);
void RaschetVentilasia(Kamera& k);
void RaschetLampa(Kamera& k);
void RaschetDvigateli(Kamera& k);
void RaschetProcheeOborud(Kamera& k);
// Air coolers (VO.cpp), sum and required capacity (SummaKoeffZapasa.cpp)
void RaschetVO(Kamera& k);
void RaschetSummaKoeffZapasa(Kamera& k);

// A value that came out infinite or not a number counts 0.
float konechnoe(double value);

// Ends a component: its value goes into the field as "#0.00"; a cleared switch
// then makes both 0 (the field "0").
void zapisatKomponent(float& value, TextBox& field, const CheckBox& vkluchatel);

// Enthalpy of moist air, kJ/kg, from the grid: the temperature is taken to a
// whole degree (a half to even) within -40..39, the humidity to a whole
// percent within 50..100.
float entalpia(const Basa& basa, float temperatura, float vlajnost);

// The outside humidity as the enthalpy look-ups take it: to a multiple of 5,
// a half to even.
float vlajnostKratno5(float vlajnost);

// Density of air at a temperature, kg/m3.
float plotnostVozduha(float temperatura);

// Sum of the twelve components before the air coolers, in their fixed order.
float summa12(const RaschetState& st);

}  // namespace kalteron
