// Printing the page to a PDF file and saving its snapshot as BMP files.
#include <QAction>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <memory>
#include <optional>

#include "../../qt_test_helpers.h"

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

  void unwritableTemporaryFolderEndsSilently() {
    // A file where the folder should be.
    const QString notAFolder = dir->filePath(QStringLiteral("file"));
    QFile f(notAFolder);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    qputenv("TMPDIR", notAFolder.toUtf8());
    host.paths = {dir->filePath(QStringLiteral("x")).toStdString()};
    action(frame, "Save")->trigger();
    QVERIFY(host.asked.empty());
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("file")});
    QVERIFY(frame->isVisible());
  }

 private:
  std::unique_ptr<QTemporaryDir> dir;
  std::optional<EnvironmentSet> tmpdir;  // the test's temporary folder, until its cleanup
  ScriptedDialogs host;
  std::unique_ptr<Preview> preview;
  MDIPrint* frame = nullptr;
};

QTEST_MAIN(TestPrintSnapshot)
#include "test_print_snapshot.moc"
