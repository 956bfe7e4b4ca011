// The mouse wheel on the report page: the message reaches the step rule with
// its keys and buttons, the caption shows the step and the page moves by it.
#include <QtTest>

#include "../../qt_test_helpers.h"

using namespace kalteron;
using namespace kalteron::qt::test;

namespace {

void turn(QWidget* target, int delta, Qt::KeyboardModifiers keys = {}, Qt::MouseButtons buttons = {},
          bool sideways = false) {
  const QPointF at(100, 100);
  QWheelEvent e(at, target->mapToGlobal(at), QPoint(), sideways ? QPoint(delta, 0) : QPoint(0, delta), buttons, keys,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &e);
}

}  // namespace

class TestWheel : public QObject {
  Q_OBJECT

 private slots:
  void steps_data() {
    QTest::addColumn<int>("kind");  // the second turn: 0 plain, 1 Shift, 2 left button, 3 sideways
    QTest::addColumn<int>("delta");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("top");  // twips, from 0
    QTest::newRow("plain") << 0 << 120 << "300" << 0;
    QTest::newRow("held key repeats the last step") << 1 << 120 << "-300" << -600;
    QTest::newRow("held button repeats the last step") << 2 << 120 << "-300" << -600;
    QTest::newRow("fine wheel repeats the last step") << 0 << 15 << "-300" << -600;
    QTest::newRow("a sideways turn leaves the page") << 3 << 120 << "-300" << -300;
  }
  void steps() {
    QFETCH(int, kind);
    QFETCH(int, delta);
    QFETCH(QString, caption);
    QFETCH(int, top);
    Preview p;
    FormPrintWindow* page = p.open()->page();
    QCOMPARE(page->windowTitle(), QStringLiteral("Печать"));
    turn(page, -120);
    turn(page, delta, kind == 1 ? Qt::ShiftModifier : Qt::NoModifier, kind == 2 ? Qt::LeftButton : Qt::NoButton,
         kind == 3);
    QCOMPARE(page->windowTitle(), caption);
    QCOMPARE(page->top(), top);
  }

  // The page has no stop, and the step lasts for the run: a new page starts
  // with the last one.
  void stepOutlivesThePage() {
    Preview p;
    p.open();
    for (int i = 0; i < 40; ++i) turn(p.frame->page(), 120);
    QCOMPARE(p.frame->page()->top(), 12000);
    p.close();
    FormPrintWindow* page = p.open()->page();
    QCOMPARE(page->windowTitle(), QStringLiteral("Печать"));
    turn(page, 120, Qt::ControlModifier);
    QCOMPARE(page->windowTitle(), QStringLiteral("300"));
    QCOMPARE(page->top(), 300);
  }
};

QTEST_MAIN(TestWheel)
#include "test_wheel.moc"
