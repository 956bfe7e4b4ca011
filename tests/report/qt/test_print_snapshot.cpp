// Printing the page to a PDF file and saving its snapshot as BMP files.
#include <sys/fsuid.h>
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
#include <memory>
#include <optional>

#include "../../qt_test_helpers.h"
#include "projectfiles/ProjectCommands.h"
#include "projectfiles/WholeFile.h"

using namespace kalteron;
using namespace kalteron::qt::test;

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
  // user's own that takes the name: never through a link, never into
  // another user's file; where it cannot be made nothing is left, and the
  // dialog still comes. Run as root, the snapshot acts on files as the user
  // nobody, so that the folders' modes and the sticky bit bind it.
  void snapshot_data() {
    QTest::addColumn<QString>("at");       // what the temporary folder holds at the fixed name, or is
    QTest::addColumn<QString>("chosen");   // relative to the shared folder; "" cancels
    QTest::addColumn<QString>("written");  // the picture file, "" for none
    QTest::addColumn<bool>("fixed");       // the picture stands at the fixed name
    QTest::newRow("cancelled") << ""
                               << ""
                               << "" << true;
    QTest::newRow("prefilled name") << ""
                                    << "Заказчик1.klt"
                                    << "Заказчик1.klt.bmp" << true;
    QTest::newRow("a link to a file of the user's at the fixed name") << "link"
                                                                      << "plan"
                                                                      << "plan.bmp" << true;
    QTest::newRow("another user's file at the fixed name") << "theirs"
                                                           << "plan"
                                                           << "plan.bmp" << false;
    QTest::newRow("a file in the temporary folder's place") << "file"
                                                            << "plan"
                                                            << "plan.bmp" << false;
    QTest::newRow("a temporary folder that may not be written") << "locked"
                                                                << "plan"
                                                                << "plan.bmp" << false;
    QTest::newRow("the user's own copy, a folder that may not be written") << "locked, own copy"
                                                                           << "plan"
                                                                           << "plan.bmp" << true;
  }
  void snapshot() {
    QFETCH(QString, at);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(bool, fixed);
    const bool root = ::geteuid() == 0;
    const uid_t user = root ? 65534 : ::geteuid();  // who takes the snapshot
    if (at == QLatin1String("theirs") && !root) QSKIP("needs root to make another user's file");
    // A shared folder with the sticky bit, as /tmp is, beside a file of ours.
    const QDir shared(dir->filePath(QStringLiteral("shared")));
    const QString ours = dir->filePath(QStringLiteral("ours")), name = shared.filePath(QStringLiteral("333.bmp"));
    QVERIFY(shared.mkpath(QStringLiteral(".")) && ::chmod(qPrintable(dir->path()), 0711) == 0 &&
            ::chmod(qPrintable(shared.path()), 01777) == 0);
    const QByteArray text = "a file of ours\n";
    QVERIFY(put(ours, text, user));
    QString temp = shared.path();
    if (at == QLatin1String("link"))
      QVERIFY(::symlink(qPrintable(ours), qPrintable(name)) == 0 && ::lchown(qPrintable(name), user, gid_t(-1)) == 0);
    if (at == QLatin1String("theirs")) QVERIFY(put(name, text, 65533));
    if (at == QLatin1String("file")) QVERIFY(put(temp = shared.filePath(at), text, user));
    if (at.startsWith(QLatin1String("locked"))) {
      temp = shared.filePath(QStringLiteral("locked"));
      QVERIFY(shared.mkdir(QStringLiteral("locked")) && ::chown(qPrintable(temp), user, gid_t(-1)) == 0 &&
              (at == QLatin1String("locked") || put(QDir(temp).filePath(QStringLiteral("333.bmp")), text, user)) &&
              ::chmod(qPrintable(temp), 0555) == 0);
    }
    qputenv("TMPDIR", temp.toUtf8());
    if (!chosen.isEmpty()) host.paths = {shared.filePath(chosen).toStdString()};
    frame->page()->setTop(-4500);
    if (root) ::setfsgid(user), ::setfsuid(user);
    click(frame, "Save");
    if (root) ::setfsuid(0), ::setfsgid(0);

    QCOMPARE(frame->page()->top(), 0);
    QCOMPARE(host.asked.size(), std::size_t(1));
    const FileDialogRequest& r = host.asked.front();
    QVERIFY(r.save);
    QCOMPARE(QString::fromStdString(r.title), QStringLiteral("Сохранить"));
    QCOMPARE(QString::fromStdString(r.fileName), QStringLiteral("Заказчик1.klt"));
    QCOMPARE(nameFilters(r.filterBlock), (std::vector<std::string>{"Расчеты Kalteron (*.bmp)", "Все файлы (*)"}));
    QVERIFY(prompter.asked.empty());

    // Nothing in the folders but what was there and the pictures.
    const QString fixedName = QDir(temp).filePath(QStringLiteral("333.bmp"));
    QStringList expected{QFileInfo(temp == shared.path() ? name : temp).fileName()};
    if (!written.isEmpty()) expected << written;
    QStringList files = shared.entryList(kEverything);
    expected.sort();
    files.sort();
    QCOMPARE(files, expected);
    if (temp != shared.path() && QFileInfo(temp).isDir())
      QCOMPARE(QDir(temp).entryList(kEverything), fixed ? QStringList{QStringLiteral("333.bmp")} : QStringList{});
    QCOMPARE(bytesOf(ours), text.toStdString());
    if (at == QLatin1String("theirs")) QCOMPARE(bytesOf(name), text.toStdString());
    const QImage reference = frame->page()->image();
    QStringList pictures{fixed ? fixedName : QString()};
    if (!written.isEmpty()) pictures << shared.filePath(written);
    for (const QString& f : pictures) {
      if (f.isEmpty()) continue;
      QVERIFY(!QFileInfo(f).isSymLink());
      QImage img(f, "BMP");
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
