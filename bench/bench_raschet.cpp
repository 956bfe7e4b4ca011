// The cost of one complete recalculation of a filled chamber description.
// The start-up is timed in bench_startup.cpp.
#include <benchmark/benchmark.h>

#include "mainwindow/Bal.h"

using namespace kalteron;

namespace {

// A chamber with every gain in use.
void zapolnit(Bal& bal) {
  OpisanieKamery& op = bal.op;
  op.ClickKameraDlina.setText("12");
  op.ClickKameraSirina.setText("8,5");
  op.ClickKameraVisota.setText("4");
  op.ClickProduktKategoria.setText("Фрукты");
  op.ClickProduktProdukt.setText("Яблоки");
  op.ClickProduktHranMassa.setText("20000");
  op.ClickProduktSutkiOborot.setText("2000");
  op.ClickProduktTemperNasalnaia.setText("18");
  op.ClickProduktTemperKones.setText("2");
  op.ClickTemperaturaKamera.setText("2");
  op.ClickTaraMaterial.setText("Дерево");
  op.ClickTaraSutkiOborot.setText("200");
  op.ClickTaraTemperNasalnaia.setText("18");
  op.ClickTaraTemperKones.setText("2");
  for (std::size_t s = 0; s < kSurfaces; ++s) {
    op.ClickTolcinaSteni[s].setText("250");
    op.ClickTolcinaIzolaicii[s].setText("100");
  }
  op.ClickPersonalKolichestvo.setText("3");
  op.ClickPersonalVremia.setText("6");
  op.ClickPtsMosnost.setText("8");
  op.ClickPtsVremia.setText("3");
  op.ClickOsvesenieVremia.setText("10");
  op.ClickDverVisota.setText("2,5");
  op.ClickDverShirina.setText("1,8");
  op.ClickLampaMosnost.setText("0,5");
  op.ClickLampaVremia.setText("4");
  op.ClickDvigateliMosnost.setText("1,5");
  op.ClickDvigateliVremia.setText("12");
  op.ClickProcheeOborudMosnost.setText("0,7");
  op.ClickProcheeOborudVremia.setText("8");
}

void BM_RaschetVse(benchmark::State& state) {
  Bal bal;
  bal.Form_Load();
  zapolnit(bal);
  bal.RaschetVse();
  for (auto _ : state) {
    bal.RaschetVse();
    benchmark::DoNotOptimize(bal.st.gTeplopritokSummKoeff);
  }
}
BENCHMARK(BM_RaschetVse);

}  // namespace
