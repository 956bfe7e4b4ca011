// Opening a project file (reading, loading with the window's handlers, the
// final recalculation) and saving one. Goal for opening: under 1 ms median.
// Opening the largest file read, a project behind many short lines: under
// 1 s, in time and memory in proportion to the file (the memory is measured
// outside, on the dump tool).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "mainwindow/Bal.h"
#include "projectfiles/OpenSave.h"
#include "projectfiles/WholeFile.h"

using namespace kalteron;
namespace fs = std::filesystem;

namespace {

// Two projects that differ in every choice a load has to switch: region,
// regime, chamber type, category and product, switches.
struct Proekty {
  fs::path dir = fs::temp_directory_path() / ("kalteron-bench-projectfile-" + std::to_string(::getpid()));
  std::string a = (dir / "sklad").string();
  std::string b = (dir / "pavilion").string();

  Proekty() {
    fs::create_directories(dir);
    Bal bal;
    bal.Form_Load();
    NewRaschet(bal);
    bal.op.ClickKameraDlina.setText("12");
    bal.op.ClickKameraSirina.setText("6");
    bal.op.ClickKameraVisota.setText("4");
    bal.op.ClickProduktHranMassa.setText("20000");
    bal.op.ClickProduktSutkiOborot.setText("2000");
    SaveRaschet(bal, a);
    bal.op.Option1.setValue(1, true);
    bal.op.ClickRegion.setText("Москва");
    bal.op.ClickRejim.setText("Охлаждение");
    bal.op.ClickProduktKategoria.setText("Овощи");
    bal.op.ClickProduktProdukt.setText("Картофель");
    bal.op.ClickProduktSutkiOborot.setText("5000");
    bal.op.ClickProduktTemperNasalnaia.setText("20");
    bal.op.ClickProduktTemperKones.setText("4");
    bal.op.ClickTemperaturaKamera.setText("2");
    bal.op.ClickDverTip.setValue(0);
    bal.op.ClickVOutochnauchiiRaschet.setValue(1);
    bal.op.ClickStekloSteni[0].setText("Стекло 4 мм.");
    bal.op.ClickZapolnenSteni[0].setText("60");
    bal.RaschetVse();
    SaveRaschet(bal, b);
  }
  ~Proekty() { fs::remove_all(dir); }
};

void BM_OtkrytProekt(benchmark::State& state) {
  Proekty p;
  Bal bal;
  bal.Form_Load();
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    benchmark::DoNotOptimize(OpenRaschet(bal, flip ? p.b : p.a));
  }
}
BENCHMARK(BM_OtkrytProekt)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SohranitProekt(benchmark::State& state) {
  Proekty p;
  Bal bal;
  bal.Form_Load();
  OpenRaschet(bal, p.b);
  for (auto _ : state) benchmark::DoNotOptimize(SaveRaschet(bal, p.a));
}
BENCHMARK(BM_SohranitProekt)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The largest file read: empty lines (filler 0) or lines of distinct keys of
// the project's own section (filler 1), then the project. Lines end with
// CR LF, so that saving it keeps its size. Returns its path.
std::string bolshoi(const Proekty& p, std::int64_t filler) {
  const std::string project = *readWholeFile(p.b + ".klt");
  std::string big;
  big.reserve(kMaxFileBytes);
  if (filler == 0) {
    while (big.size() + 2 <= kMaxFileBytes - project.size()) big += "\r\n";
  } else {
    big = "[Kalteron]\r\n";
    for (unsigned n = 0; big.size() + 12 < kMaxFileBytes - project.size(); ++n)
      big += "k" + std::to_string(n) + "=\r\n";
  }
  big += project;
  const std::string path = (p.dir / "bolshoi.klt").string();
  writeWholeFile(path, big);
  return path;
}

void BM_OtkrytBolshoi(benchmark::State& state) {
  Proekty p;
  const std::string path = bolshoi(p, state.range(0));
  Bal bal;
  bal.Form_Load();
  for (auto _ : state)
    if (!OpenRaschetFile(bal, path)) state.SkipWithError("not opened");
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kMaxFileBytes));
}
BENCHMARK(BM_OtkrytBolshoi)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Saving the window's project into that file: read, changed, written whole.
void BM_SohranitBolshoi(benchmark::State& state) {
  Proekty p;
  const std::string path = bolshoi(p, state.range(0));
  Bal bal;
  bal.Form_Load();
  OpenRaschet(bal, p.b);
  for (auto _ : state)
    if (!SaveRaschetFile(bal, path)) state.SkipWithError("not saved");
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kMaxFileBytes));
}
BENCHMARK(BM_SohranitBolshoi)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
