// The report snapshot: drawing the whole page into an image and writing the
// fixed BMP file, the dialog answered with Cancel. Goal: under 200 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include "PrivateEnvironment.h"
#include "mainwindow/Bal.h"
#include "mainwindow/Prompter.h"
#include "projectfiles/clsOpenDialog.h"
#include "report/qt/FormPrintWindow.h"

using namespace kalteron;

namespace {

// Qt's folders and the snapshot's fixed copy stay inside the program's own.
const kalteron::test::PrivateEnvironment ownEnvironment;

QApplication& app() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "bench_qt_snimok";
  static char* argv[] = {name, nullptr};
  static QApplication a(argc, argv);
  return a;
}

class Cancel : public FileDialogHost {
 public:
  std::string show(const FileDialogRequest&) override { return {}; }
};

class Silent : public Prompter {
 public:
  bool askYesNo(const std::string&) override { return false; }
  void message(const std::string&) override {}
};

struct Preview {
  Bal bal;
  QWidget main;
  FormPrintWindow page{bal, &main};
  Preview() {
    bal.Form_Load();
    page.Form_Load(std::chrono::year_month_day{std::chrono::year{2026}, std::chrono::month{12}, std::chrono::day{7}});
  }
};

void BM_Snimok(benchmark::State& state) {
  app();
  QTemporaryDir dir;
  const kalteron::test::EnvironmentSet tmpdir("TMPDIR", dir.path().toStdString());
  Preview p;
  Cancel cancel;
  Silent silent;
  for (auto _ : state) p.page.Snimok(cancel, silent);
}
BENCHMARK(BM_Snimok)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_PageImage(benchmark::State& state) {
  app();
  Preview p;
  for (auto _ : state) benchmark::DoNotOptimize(p.page.image());
}
BENCHMARK(BM_PageImage)->Unit(benchmark::kMillisecond);

}  // namespace
