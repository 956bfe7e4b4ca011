// The main window's speed: one edit's round trip (leaving a field, the
// recalculation, the widgets refreshed) and the start of the program to its
// first shown window, against a bare QMainWindow started the same way.
// Runs offscreen.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "PrivateEnvironment.h"
#include "mainwindow/Bal.h"
#include "mainwindow/qt/Application.h"
#include "mainwindow/qt/BalWindow.h"

extern char** environ;

namespace {

// Qt's folders stay inside the program's own.
const kalteron::test::PrivateEnvironment ownEnvironment;

std::string gSelf;

// Leaving a field: its leave step and recalculation, the next field's entry
// step, and one refresh of the widgets, through the real focus events.
void BM_EditRoundTrip(benchmark::State& state) {
  kalteron::Bal bal;
  bal.Form_Load();
  kalteron::qt::BalWindow window(bal);
  window.show();
  window.activateWindow();
  for (int i = 0; i < 200 && !window.isActiveWindow(); ++i) QApplication::processEvents(QEventLoop::AllEvents, 5);
  if (!window.isActiveWindow()) state.SkipWithError("the window did not become active");
  // A chamber with something to compute.
  for (const auto& [field, value] : {std::pair{"ClickKameraSirina", "10"}, std::pair{"ClickKameraVisota", "3"},
                                     std::pair{"ClickDverVisota", "2"}, std::pair{"ClickProduktSutkiOborot", "500"}}) {
    if (auto* f = dynamic_cast<kalteron::TextField*>(bal.find(field))) f->setText(value);
  }
  window.act([&] { bal.RaschetVse(); });
  QWidget* a = window.widget("ClickKameraDlina");
  QWidget* b = window.widget("ClickTolcinaIzolaiciiStenaA");
  a->setFocus(Qt::TabFocusReason);
  // Each pass leaves one field with a new value: its leave step, the
  // recalculation, the next field's entry step and one refresh.
  bool toB = true;
  int n = 0;
  for (auto _ : state) {
    const bool odd = (n++ / 2) % 2 != 0;
    if (toB)
      bal.textEdited(odd ? "12,5" : "10", odd ? 4 : 2);
    else
      bal.textEdited(odd ? "150" : "100", 3);
    (toB ? b : a)->setFocus(Qt::TabFocusReason);
    toB = !toB;
    // With 1: the window also repaints what changed before the next edit.
    if (state.range(0) != 0) QApplication::processEvents();
  }
  state.counters["widgets_refreshed"] = window.lastRefreshCount();
}
BENCHMARK(BM_EditRoundTrip)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Starts this program again as a child that shows one window; the time runs
// from the spawn to the moment the child's window has been shown and its
// first paint is done (the child reports the steady clock, which all
// processes share).
double startChild(const char* which) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  posix_spawn_file_actions_t io;
  posix_spawn_file_actions_init(&io);
  posix_spawn_file_actions_adddup2(&io, fds[1], 1);
  posix_spawn_file_actions_addclose(&io, fds[0]);
  posix_spawn_file_actions_addopen(&io, 2, "/dev/null", O_WRONLY, 0);
  std::string arg = std::string("--child=") + which;
  char* argv[] = {gSelf.data(), arg.data(), nullptr};
  const auto t0 = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, gSelf.c_str(), &io, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&io);
  close(fds[1]);
  if (rc != 0) {
    close(fds[0]);
    return -1;
  }
  std::string out;
  char buf[64];
  for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) out.append(buf, static_cast<std::size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  const long long shown = std::atoll(out.c_str());
  const long long start = std::chrono::duration_cast<std::chrono::nanoseconds>(t0.time_since_epoch()).count();
  return shown > start ? static_cast<double>(shown - start) * 1e-9 : -1;
}

void BM_StartKalteron(benchmark::State& state) {
  for (auto _ : state) state.SetIterationTime(startChild("kalteron"));
}
BENCHMARK(BM_StartKalteron)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

void BM_StartBareMainWindow(benchmark::State& state) {
  for (auto _ : state) state.SetIterationTime(startChild("bare"));
}
BENCHMARK(BM_StartBareMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

void reportShown() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
  std::fflush(stdout);
}

// Shows the window, lets its first paint happen, reports, and ends.
int runChild(QWidget& window) {
  window.show();
  QTimer::singleShot(0, [&window] {
    QApplication::processEvents();  // the first paint, if still pending
    reportShown();
    QCoreApplication::exit(0);
  });
  return QApplication::exec();
}

int child(int argc, char** argv, bool kalteron) {
  QApplication app(argc, argv);
  if (kalteron) {
    kalteron::qt::setUpApplication(app);
    kalteron::Bal bal;
    bal.Form_Load();
    kalteron::qt::BalWindow window(bal);
    return runChild(window);
  }
  QMainWindow window;
  window.resize(995, 585);
  return runChild(window);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  gSelf = "/proc/self/exe";
  char buf[4096];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n > 0) gSelf.assign(buf, static_cast<std::size_t>(n));
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--child=kalteron") == 0) return child(argc, argv, true);
    if (std::strcmp(argv[i], "--child=bare") == 0) return child(argc, argv, false);
  }
  QApplication app(argc, argv);
  kalteron::qt::setUpApplication(app);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
