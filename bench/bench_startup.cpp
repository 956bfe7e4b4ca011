// Start-up costs: building the catalogue, and the load step of a fresh main
// window (catalogue, lists and the first recalculation with its cascade).
// Start-up should take well under 200 microseconds (median); run with
// --benchmark_repetitions=10 for the median.
#include <benchmark/benchmark.h>

#include <memory>
#include <string_view>

#include "mainwindow/Bal.h"
#include "reference/Basa.h"

namespace {

void BM_ZagruzitBasa(benchmark::State& state) {
  std::size_t items = 0;
  const kalteron::AppendItem append = [&items](std::string_view, std::string_view) { ++items; };
  for (auto _ : state) {
    kalteron::Basa basa;
    kalteron::ZagruzitBasa(basa, append);
    benchmark::DoNotOptimize(basa);
  }
  benchmark::DoNotOptimize(items);
}
BENCHMARK(BM_ZagruzitBasa);

// Construction of the window model and its load step.
void BM_StartUp(benchmark::State& state) {
  for (auto _ : state) {
    auto bal = std::make_unique<kalteron::Bal>();
    bal->Form_Load();
    benchmark::DoNotOptimize(bal->rez.ClickTeplopritokSummKoeff.text());
    state.PauseTiming();
    bal.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUp);

// The load step alone, on a window constructed beforehand.
void BM_FormLoad(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto bal = std::make_unique<kalteron::Bal>();
    state.ResumeTiming();
    bal->Form_Load();
    benchmark::DoNotOptimize(bal->rez.ClickTeplopritokSummKoeff.text());
    state.PauseTiming();
    bal.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FormLoad);

}  // namespace
