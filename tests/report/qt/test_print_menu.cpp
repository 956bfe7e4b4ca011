// The main window's "Печать": it opens the preview, the main window waits
// until the preview closes, and closing the main window closes the preview.
#include <QAction>
#include <QtTest>
#include <deque>
#include <memory>

#include "mainwindow/Prompter.h"
#include "mainwindow/qt/BalWindow.h"
#include "report/qt/MDIPrint.h"

using namespace kalteron;

namespace {

class Answers : public Prompter {
 public:
  std::deque<bool> answers;
  bool askYesNo(const std::string&) override {
    const bool a = !answers.empty() && answers.front();
    if (!answers.empty()) answers.pop_front();
    return a;
  }
  void message(const std::string&) override {}
};

}  // namespace

class TestPrintMenu : public QObject {
  Q_OBJECT

 private slots:
  void menuOpensThePreviewAndClosingTheWindowClosesIt_data() {
    QTest::addColumn<bool>("quit");
    QTest::newRow("quit") << true;
    QTest::newRow("stay") << false;
  }
  void menuOpensThePreviewAndClosingTheWindowClosesIt() {
    QFETCH(bool, quit);
    Bal bal;
    bal.Form_Load();
    Answers answers;
    auto window = std::make_unique<qt::BalWindow>(bal);
    window->setPrompter(&answers);
    window->show();

    QVERIFY(window->printAction()->isEnabled());
    window->printAction()->trigger();
    QPointer<MDIPrint> frame = MDIPrint::find(window.get());
    QVERIFY(frame);
    QCOMPARE(frame->windowTitle(), QStringLiteral("Просмотр перед печатью"));
    QPointer<FormPrintWindow> page = frame->page();
    QVERIFY(page);
    QCOMPARE(page->windowTitle(), QStringLiteral("Печать"));
    QCOMPARE(page->sheet()->size(), QSize(761, 1080));
    QCOMPARE(page->sheet()->findChild<QWidget*>(QStringLiteral("ClickRegion"))->property("text").toString(),
             QString::fromStdString(bal.op.ClickRegion.text()));
    QVERIFY(!window->isEnabled());

    // Whatever the answer to the quit question, the preview closes.
    answers.answers = {quit, false};
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!frame && !page);
    QVERIFY(window->isEnabled());
    QCOMPARE(window->isVisible(), !quit);

    // A new "Печать" shows the values of that time.
    if (!quit) {
      bal.op.ClickKameraDlina.setText("42");
      window->printAction()->trigger();
      QCOMPARE(MDIPrint::find(window.get())->page()->content().text("ClickKameraDlina"), std::string("42"));
      answers.answers = {true, false};
      window->close();
    }
  }
};

QTEST_MAIN(TestPrintMenu)
#include "test_print_menu.moc"
