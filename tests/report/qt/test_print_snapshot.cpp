// Printing the page to a PDF file and saving its snapshot as BMP files.
#include <sys/fsuid.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <csignal>
#include <filesystem>
#include <memory>
#include <optional>

#include "../../FolderListing.h"
#include "../../qt_test_helpers.h"
#include "projectfiles/ProjectCommands.h"
#include "projectfiles/WholeFile.h"
#include "report/Snimok.h"

using namespace kalteron;
using namespace kalteron::qt::test;
using kalteron::test::changed;
using kalteron::test::Entries;
using kalteron::test::entriesBelow;

namespace {

QString run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(20000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

QAction* action(MDIPrint* frame, const char* key) {
  for (QAction* a : frame->toolbar()->actions())
    if (a->objectName() == QLatin1String(key)) return a;
  return nullptr;
}

// Clicks the toolbar key as the mouse does.
void click(MDIPrint* frame, const char* key) {
  QTest::mouseClick(frame->toolbar()->widgetForAction(action(frame, key)), Qt::LeftButton);
}

// A file of the bytes, given to `owner` where that is another user.
bool put(const QString& path, const QByteArray& bytes, uid_t owner) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush() &&
         (owner == ::geteuid() || ::fchown(f.handle(), owner, owner) == 0);
}

// Every entry of a folder.
const QDir::Filters kEverything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

std::string bytesOf(const QString& path) { return readWholeFile(path.toStdString()).value_or("none"); }

// One snapshot: the temporary folder and what stands in it, who takes the
// snapshot, the name chosen and what stands there, and what becomes of them.
struct Snapshot {
  const char* name;
  // The temporary folder: the shared one, or in it a folder of the user's,
  // "own", or the same that may not be written, "locked"; "file": a file in
  // its place.
  const char* temp;
  // At the fixed name: a link to a file of the user's, "own link" or "their
  // link" (another user's); "their file" that all may write; "own copy"
  // (private), "own copy, second name"; "own FIFO", "their FIFO". Or the
  // user's links at the names a new file beside it would take next.
  const char* entry;
  bool byRoot;           // root takes it, not the user nobody
  const char* chosen;    // relative to the shared folder; "" cancels
  const char* chosenIs;  // at the chosen name: "own link" or "their link" to a file of the user's
  bool fixed;            // the picture stands at the fixed name
  bool message;          // the chosen picture's save says it failed
};
constexpr Snapshot kSnapshots[] = {
    {"cancelled", "shared", "", false, "", "", true, false},
    {"prefilled name", "shared", "", false, "Заказчик1.klt", "", true, false},
    {"a link to a file of the user's at the fixed name", "shared", "own link", false, "plan", "", true, false},
    {"another user's file at the fixed name", "shared", "their file", false, "plan", "", false, false},
    {"a file in the temporary folder's place", "file", "", false, "plan", "", false, false},
    {"a temporary folder that may not be written", "locked", "", false, "plan", "", false, false},
    {"the user's own copy, a folder that may not be written", "locked", "own copy", false, "plan", "", true, false},
    {"another user's link at the chosen name", "shared", "", false, "plan", "their link", true, true},
    {"the user's own link at the chosen name", "shared", "", false, "plan", "own link", true, false},
    {"root, another user's file at the fixed name", "shared", "their file", true, "plan", "", false, false},
    {"root, another user's link at the fixed name", "shared", "their link", true, "plan", "", false, false},
    {"root, another user's FIFO at the fixed name", "shared", "their FIFO", true, "plan", "", false, false},
    {"links at the temporary files' names", "own", "links at the temporary names", false, "plan", "", false, false},
    {"another user's file that all may write, a folder that may not be written", "locked", "their file", false, "plan",
     "", false, false},
    {"the user's own copy with a second name, a folder that may not be written", "locked", "own copy, second name",
     false, "plan", "", false, false},
    {"the user's own FIFO, a folder that may not be written", "locked", "own FIFO", false, "plan", "", false, false},
};

}  // namespace

class TestPrintSnapshot : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    // In the system's temporary folder, so that the user nobody may pass.
    dir = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/kalteron-snapshot-XXXXXX"));
    QVERIFY(dir->isValid());
    tmpdir.emplace("TMPDIR", dir->path().toStdString());
    preview = std::make_unique<Preview>();
    preview->bal.op.ClickZakazsik.setText("Заказчик1");
    frame = preview->open();
    frame->setFileDialogHost(&host);
    frame->setPrompter(&prompter);
  }
  void cleanup() {
    preview.reset();
    host = ScriptedDialogs{};
    prompter = ScriptedPrompter{};
    // The locked folder is opened again, so that it can be removed.
    ::chmod(qPrintable(dir->filePath(QStringLiteral("shared/locked"))), 0755);
    tmpdir.reset();
    dir.reset();
  }

  void printsOnePageWithTheTexts() {
    const QString pdf = dir->filePath(QStringLiteral("report.pdf"));
    frame->setPrinterFactory([pdf] {
      auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
      p->setOutputFormat(QPrinter::PdfFormat);
      p->setOutputFileName(pdf);
      return p;
    });
    action(frame, "Print")->trigger();
    QVERIFY(QFileInfo(pdf).size() > 0);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("poppler-utils not installed");
    QVERIFY(run(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const QString& expected :
         {QStringLiteral("РАСЧЕТ ТРЕБУЕМОЙ ХОЛОДОПРОИЗВОДИТЕЛЬНОСТИ"), QStringLiteral("Характеристика камеры - Склад."),
          QString::fromStdString(preview->bal.op.ClickRegion.text()), QStringLiteral("Заказчик1"),
          QStringLiteral("Суммарные теплопритоки, кВт :")})
      QVERIFY2(text.contains(expected), qPrintable(expected));
  }

  // The image drawn for the snapshot and the printer is what the sheet's
  // labels show on screen.
  void imageIsTheSheetOnScreen() {
    const QImage drawn = frame->page()->image();
    const QImage shown = frame->page()->sheet()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.size(), shown.size());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
      for (int x = 0; x < drawn.width(); ++x) differing += drawn.pixel(x, y) != shown.pixel(x, y);
    QCOMPARE(differing, 0);
  }

  void failedPrintIsSilent() {
    frame->setPrinterFactory([] {
      auto p = std::make_unique<QPrinter>();
      p->setOutputFormat(QPrinter::PdfFormat);
      p->setOutputFileName(QStringLiteral("/nonexistent-folder/report.pdf"));
      return p;
    });
    action(frame, "Print")->trigger();
    frame->setPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    action(frame, "Print")->trigger();
    QVERIFY(frame->isVisible() && frame->page());
  }

  // The fixed copy goes to a shared temporary folder as a new file of the
  // user's own, readable by him alone, that takes the name: never through a
  // link, never into another user's file; another user's entry there stays,
  // even for root; where it cannot be made nothing is left, and the dialog
  // still comes. The chosen picture is saved as a project is: through the
  // user's own link, keeping the file's owner and mode, never through another
  // user's link in the shared folder, which the message names. Nothing else
  // below the test's folder changes. Run as root, the snapshot acts on files
  // as the user nobody, so that the folders' modes and the sticky bit bind
  // it, unless root takes it.
  void snapshot_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kSnapshots)); ++i) QTest::newRow(kSnapshots[i].name) << i;
  }
  void snapshot() {
    QFETCH(int, row);
    const Snapshot& c = kSnapshots[row];
    const bool root = ::geteuid() == 0;
    const uid_t user = root && !c.byRoot ? 65534 : ::geteuid();  // who takes the snapshot
    const QString entry = QString::fromUtf8(c.entry), chosenIs = QString::fromUtf8(c.chosenIs);
    if (!root && (c.byRoot || entry.startsWith(QLatin1String("their")) || chosenIs.startsWith(QLatin1String("their"))))
      QSKIP("needs root to make another user's entries");
    // A shared folder with the sticky bit, as /tmp is, beside a file of ours.
    const QDir shared(dir->filePath(QStringLiteral("shared")));
    const QString ours = dir->filePath(QStringLiteral("ours"));
    QVERIFY(shared.mkpath(QStringLiteral(".")) && ::chmod(qPrintable(dir->path()), 0711) == 0 &&
            ::chmod(qPrintable(shared.path()), 01777) == 0);
    const QByteArray text = "a file of ours\n";
    QVERIFY(put(ours, text, user));
    const QString temp = QLatin1String(c.temp) == QLatin1String("shared") ? shared.path() : shared.filePath(c.temp);
    if (QLatin1String(c.temp) == QLatin1String("file")) QVERIFY(put(temp, text, user));
    if (QLatin1String(c.temp) != QLatin1String("file") && temp != shared.path())
      QVERIFY(shared.mkdir(c.temp) && ::chown(qPrintable(temp), user, gid_t(-1)) == 0);
    const QString fixedName = QDir(temp).filePath(QStringLiteral("333.bmp"));
    const QByteArray at = fixedName.toUtf8();
    const auto owned = [](const QString& path, uid_t owner) { return ::lchown(qPrintable(path), owner, owner) == 0; };
    if (entry == QLatin1String("own link") || entry == QLatin1String("their link"))
      QVERIFY(::symlink(qPrintable(ours), at) == 0 &&
              owned(fixedName, entry.startsWith(QLatin1String("own")) ? user : 65533));
    if (entry == QLatin1String("their file")) QVERIFY(put(fixedName, text, 65533) && ::chmod(at, 0666) == 0);
    if (entry.startsWith(QLatin1String("own copy")))
      QVERIFY(put(fixedName, text, user) && ::chmod(at, 0600) == 0 &&
              (entry == QLatin1String("own copy") ||
               ::link(at, qPrintable(QDir(temp).filePath(QStringLiteral("second.bmp")))) == 0));
    if (entry.endsWith(QLatin1String("FIFO")))
      QVERIFY(::mkfifo(at, 0666) == 0 && owned(fixedName, entry.startsWith(QLatin1String("own")) ? user : 65533));
    // The user's own links at the names a new file beside the fixed copy
    // would take next.
    for (int n = 0; entry == QLatin1String("links at the temporary names") && n < 400; ++n) {
      const QString planted = QDir(temp).filePath(QStringLiteral(".kalteron-%1-%2.tmp").arg(::getpid()).arg(n));
      QVERIFY(::symlink(qPrintable(ours), qPrintable(planted)) == 0 && owned(planted, user));
    }
    // A link at the chosen name, to a file of the user's own with a mode of
    // its own.
    const QString chosenPath = shared.filePath(QStringLiteral("plan.bmp")),
                  target = dir->filePath(QStringLiteral("target.bmp"));
    if (!chosenIs.isEmpty())
      QVERIFY(put(target, text, user) && ::chmod(qPrintable(target), 0640) == 0 &&
              ::symlink(qPrintable(target), qPrintable(chosenPath)) == 0 &&
              owned(chosenPath, chosenIs.startsWith(QLatin1String("own")) ? user : 65533));
    if (QLatin1String(c.temp) == QLatin1String("locked")) QVERIFY(::chmod(qPrintable(temp), 0555) == 0);
    qputenv("TMPDIR", temp.toUtf8());
    if (*c.chosen != '\0') host.paths = {shared.filePath(c.chosen).toStdString()};
    const QString written = !chosenIs.isEmpty() ? (c.message ? QString() : target)
                            : *c.chosen == '\0' ? QString()
                                                : QString::fromStdString(picturePath(host.paths.front()));
    const Entries before = entriesBelow(dir->path().toStdString());
    // Whether the FIFO at the fixed name is opened.
    const int opens = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(opens >= 0 && (!entry.endsWith(QLatin1String("FIFO")) || ::inotify_add_watch(opens, at, IN_OPEN) >= 0));
    frame->page()->setTop(-4500);
    if (user != ::geteuid()) ::setfsgid(user), ::setfsuid(user);
    click(frame, "Save");
    if (user != ::geteuid()) ::setfsuid(0), ::setfsgid(0);
    alignas(inotify_event) char events[4096];
    bool opened = false;
    for (ssize_t n = ::read(opens, events, sizeof events), next = 0; next < n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(events + next);
      opened = opened || (e->mask & IN_OPEN) != 0;
      next += ssize_t(sizeof(inotify_event) + e->len);
    }
    ::close(opens);

    QCOMPARE(frame->page()->top(), 0);
    QCOMPARE(host.asked.size(), std::size_t(1));
    const FileDialogRequest& r = host.asked.front();
    QVERIFY(r.save);
    QCOMPARE(QString::fromStdString(r.title), QStringLiteral("Сохранить"));
    QCOMPARE(QString::fromStdString(r.fileName), QStringLiteral("Заказчик1.klt"));
    QCOMPARE(nameFilters(r.filterBlock), (std::vector<std::string>{"Расчеты Kalteron (*.bmp)", "Все файлы (*)"}));
    QCOMPARE(prompter.asked,
             c.message ? std::vector<std::string>{neSohranen(chosenPath.toStdString())} : std::vector<std::string>{});
    QVERIFY(!opened);

    // Nothing changed but the pictures, each the page, the fixed copy the
    // user's own and private, the chosen one with the owner and mode it had.
    const QDir top(dir->path());
    const std::string fixedCopy = top.relativeFilePath(fixedName).toStdString();
    std::set<std::string> pictures;
    if (c.fixed) pictures.insert(fixedCopy);
    if (!written.isEmpty()) pictures.insert(top.relativeFilePath(written).toStdString());
    const std::set<std::string> changes = changed(before, entriesBelow(dir->path().toStdString()));
    std::string listed;
    for (const std::string& f : changes) listed += f + "; ";
    QVERIFY2(changes == pictures, listed.c_str());
    const QImage reference = frame->page()->image();
    for (const std::string& f : pictures) {
      struct stat st {};
      QVERIFY(::lstat(qPrintable(top.filePath(QString::fromStdString(f))), &st) == 0 && S_ISREG(st.st_mode));
      if (f == fixedCopy) QVERIFY((st.st_mode & 07777) == 0600 && st.st_uid == user);
      if (f != fixedCopy && before.count(f) != 0)
        QVERIFY(st.st_mode == before.at(f).mode && st.st_uid == before.at(f).uid);
      QImage img(top.filePath(QString::fromStdString(f)), "BMP");
      QCOMPARE(img.size(), QSize(761, 1080));
      QCOMPARE(img.convertToFormat(QImage::Format_RGB32), reference);
    }
  }

  // A picture that cannot be saved whole leaves the earlier file byte for
  // byte and says so, naming it: a file-size limit, set once the dialog is
  // answered, stands for a disk that fills up while it is written.
  void aFailedSaveKeepsTheEarlierPictureAndSaysSo() {
    const QString earlier = dir->filePath(QStringLiteral("plan.bmp"));
    const QByteArray was(600 * 1024, 'e');
    QVERIFY(put(earlier, was, ::geteuid()));
    static rlimit unlimited;
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    const auto ignored = std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
    struct Limited : ScriptedDialogs {
      std::string show(const FileDialogRequest& r) override {
        const rlimit limit{1 << 20, unlimited.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return ScriptedDialogs::show(r);
      }
    } limited;
    limited.paths = {dir->filePath(QStringLiteral("plan")).toStdString()};
    frame->setFileDialogHost(&limited);
    click(frame, "Save");
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, ignored);

    QCOMPARE(bytesOf(earlier), was.toStdString());
    QCOMPARE(prompter.asked, std::vector<std::string>{neSohranen(earlier.toStdString())});
    QVERIFY(frame->isVisible());
    QCOMPARE(QDir(dir->path()).entryList(kEverything),
             (QStringList{QStringLiteral("333.bmp"), QStringLiteral("plan.bmp")}));
  }

 private:
  std::unique_ptr<QTemporaryDir> dir;
  std::optional<EnvironmentSet> tmpdir;  // the test's temporary folder, until its cleanup
  ScriptedDialogs host;
  ScriptedPrompter prompter;
  std::unique_ptr<Preview> preview;
  MDIPrint* frame = nullptr;
};

QTEST_MAIN(TestPrintSnapshot)
#include "test_print_snapshot.moc"
