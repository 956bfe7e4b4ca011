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

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file of the bytes, given to `owner` where that is another user.
bool put(const QString& path, const QByteArray& bytes, uid_t owner) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush() &&
         (owner == ::geteuid() || ::fchown(f.handle(), owner, owner) == 0);
}

// While it lives, this thread's file accesses are the user nobody's, where
// `asRoot`: only the identity that files see changes, and root's rights over
// files go with it.
class AsNobody {
 public:
  explicit AsNobody(bool asRoot) : asRoot_(asRoot) {
    if (!asRoot_) return;
    ::setfsgid(65534);
    ::setfsuid(65534);
  }
  ~AsNobody() {
    if (!asRoot_) return;
    ::setfsuid(0);
    ::setfsgid(0);
  }
  AsNobody(const AsNobody&) = delete;
  AsNobody& operator=(const AsNobody&) = delete;

 private:
  bool asRoot_;
};

// While it lives, no file of this process grows past `bytes`: a write beyond
// fails (EFBIG) instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &was_);
    wasHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, was_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &was_);
    std::signal(SIGXFSZ, wasHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit was_{};
  void (*wasHandler_)(int) = nullptr;
};

}  // namespace

class TestPrintSnapshot : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    tmpdir.emplace("TMPDIR", dir->path().toStdString());
    preview = std::make_unique<Preview>();
    preview->bal.op.ClickZakazsik.setText("Заказчик1");
    frame = preview->open();
    frame->setFileDialogHost(&host);
  }
  void cleanup() {
    preview.reset();
    host = ScriptedDialogs{};
    prompter = ScriptedPrompter{};
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

  void snapshot_data() {
    QTest::addColumn<QString>("chosen");   // relative to the temporary folder; "" cancels
    QTest::addColumn<QString>("written");  // the picture file, "" for none
    QTest::newRow("cancelled") << ""
                               << "";
    QTest::newRow("prefilled name") << "Заказчик1.klt"
                                    << "Заказчик1.klt.bmp";
  }
  void snapshot() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    if (!chosen.isEmpty()) host.paths = {dir->filePath(chosen).toStdString()};
    frame->page()->setTop(-4500);
    action(frame, "Save")->trigger();

    QCOMPARE(frame->page()->top(), 0);
    QCOMPARE(host.asked.size(), std::size_t(1));
    const FileDialogRequest& r = host.asked.front();
    QVERIFY(r.save);
    QCOMPARE(QString::fromStdString(r.title), QStringLiteral("Сохранить"));
    QCOMPARE(QString::fromStdString(r.fileName), QStringLiteral("Заказчик1.klt"));
    QCOMPARE(nameFilters(r.filterBlock), (std::vector<std::string>{"Расчеты Kalteron (*.bmp)", "Все файлы (*)"}));

    QStringList expected{QStringLiteral("333.bmp")};
    if (!written.isEmpty()) expected << written;
    QStringList files = QDir(dir->path()).entryList(QDir::Files);
    expected.sort();
    files.sort();
    QCOMPARE(files, expected);
    const QImage reference = frame->page()->image();
    for (const QString& f : files) {
      QImage img(dir->filePath(f), "BMP");
      QCOMPARE(img.size(), QSize(761, 1080));
      QCOMPARE(img.convertToFormat(QImage::Format_RGB32), reference);
    }
  }

  // The fixed copy is a new file of the user's own that takes the name in a
  // shared folder: it never writes through a link or into another user's
  // file, and where it cannot be made nothing is left and the chosen picture
  // is still saved. Run as root, the snapshot acts on files as the user
  // nobody, so that the folders' modes and sticky bit bind it.
  void fixedCopyNeverWritesThroughANameItDoesNotOwn_data() {
    QTest::addColumn<QString>("at");     // what the temporary folder holds at the fixed name, or is
    QTest::addColumn<QString>("fixed");  // what stands at the fixed name afterwards
    QTest::newRow("a link to a file of the user's") << "link"
                                                    << "picture";
    QTest::newRow("another user's file, a folder with the sticky bit") << "theirs"
                                                                       << "as before";
    QTest::newRow("a file in the folder's place") << "file"
                                                  << "";
    QTest::newRow("a folder that may not be written") << "locked"
                                                      << "";
  }
  void fixedCopyNeverWritesThroughANameItDoesNotOwn() {
    QFETCH(QString, at);
    QFETCH(QString, fixed);
    const bool root = ::geteuid() == 0;
    const uid_t user = root ? 65534 : ::geteuid();  // who takes the snapshot
    if (at == QLatin1String("theirs") && !root) QSKIP("needs root to make another user's file");
    // A folder every user may pass through, holding a shared one as /tmp is.
    QTemporaryDir top(QStringLiteral("/tmp/kalteron-snapshot-XXXXXX"));
    QVERIFY(top.isValid());
    const QString shared = top.filePath(QStringLiteral("shared")), ours = top.filePath(QStringLiteral("ours"));
    QVERIFY(QDir().mkdir(shared) && ::chmod(qPrintable(top.path()), 0711) == 0 &&
            ::chmod(qPrintable(shared), 01777) == 0);
    const QByteArray text = "a file of ours\n";
    QVERIFY(put(ours, text, user));
    QString temp = shared;
    const QString name = QDir(shared).filePath(QStringLiteral("333.bmp"));
    if (at == QLatin1String("link")) {
      QVERIFY(::symlink(qPrintable(ours), qPrintable(name)) == 0 && ::lchown(qPrintable(name), user, gid_t(-1)) == 0);
    } else if (at == QLatin1String("theirs")) {
      QVERIFY(put(name, text, 65533));
    } else if (at == QLatin1String("file")) {
      QVERIFY(put(temp = QDir(shared).filePath(QStringLiteral("file")), text, user));
    } else {
      temp = QDir(shared).filePath(QStringLiteral("locked"));
      QVERIFY(QDir().mkdir(temp) && ::chmod(qPrintable(temp), 0555) == 0 &&
              ::chown(qPrintable(temp), user, gid_t(-1)) == 0);
    }
    qputenv("TMPDIR", temp.toUtf8());
    host.paths = {QDir(shared).filePath(QStringLiteral("plan")).toStdString()};
    frame->setPrompter(&prompter);
    frame->page()->setTop(-4500);
    {
      const AsNobody nobody(root);
      click(frame, "Save");
    }

    QCOMPARE(frame->page()->top(), 0);
    QCOMPARE(host.asked.size(), std::size_t(1));
    QVERIFY(prompter.asked.empty());
    const QImage reference = frame->page()->image();
    QCOMPARE(QImage(QDir(shared).filePath(QStringLiteral("plan.bmp")), "BMP").convertToFormat(QImage::Format_RGB32),
             reference);
    QCOMPARE(contents(ours), text);
    const QFileInfo after(name);
    if (fixed == QLatin1String("picture")) {
      QVERIFY(!after.isSymLink());
      QCOMPARE(QImage(name, "BMP").convertToFormat(QImage::Format_RGB32), reference);
    } else if (fixed == QLatin1String("as before")) {
      QCOMPARE(contents(name), text);
      QCOMPARE(after.ownerId(), 65533u);
    }
    // Nothing else in the folders: no temporary file, no copy.
    QStringList names = QDir(shared).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QStringList expected{QStringLiteral("plan.bmp"), QFileInfo(temp == shared ? name : temp).fileName()};
    names.sort();
    expected.sort();
    QCOMPARE(names, expected);
    if (temp != shared && QFileInfo(temp).isDir())
      QVERIFY(QDir(temp).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
  }

  // A picture that cannot be saved whole leaves the earlier file byte for
  // byte and says so, naming it; a file-size limit set once the dialog is
  // answered stands for a disk that fills up while it is written.
  void aFailedSaveKeepsTheEarlierPictureAndSaysSo() {
    const QString earlier = dir->filePath(QStringLiteral("plan.bmp"));
    const QByteArray was(600 * 1024, 'e');
    QVERIFY(put(earlier, was, ::geteuid()));
    struct LimitedOnceAnswered : ScriptedDialogs {
      std::optional<FileSizeLimit> limit;
      std::string show(const FileDialogRequest& r) override {
        limit.emplace(1 << 20);
        return ScriptedDialogs::show(r);
      }
    } limited;
    limited.paths = {dir->filePath(QStringLiteral("plan")).toStdString()};
    frame->setFileDialogHost(&limited);
    frame->setPrompter(&prompter);
    click(frame, "Save");
    limited.limit.reset();

    QCOMPARE(contents(earlier), was);
    QCOMPARE(prompter.asked, std::vector<std::string>{neSohranen(earlier.toStdString())});
    QVERIFY(frame->isVisible());
    QStringList names =
        QDir(dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("333.bmp"), QStringLiteral("plan.bmp")}));
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
