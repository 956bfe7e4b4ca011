// The mouse wheel on the report page: the message reaches the step rule with
// its keys and buttons, the caption shows the step and the page moves by it,
// wherever over the frame the wheel is turned. Each turn goes to the frame's
// own window, which hands it to the widget under the point as it does for the
// real wheel.
#include <QMdiArea>
#include <QScrollBar>
#include <QToolBar>
#include <QtTest>

#include "../../qt_test_helpers.h"

using namespace kalteron;
using namespace kalteron::qt::test;

namespace {

enum class Over { Page, GreyArea, Toolbar, ScrollBar };

void turn(MDIPrint* frame, QPoint at, int delta, Qt::KeyboardModifiers keys = {}, Qt::MouseButtons buttons = {},
          bool sideways = false) {
  QWheelEvent e(at, frame->mapToGlobal(at), QPoint(), sideways ? QPoint(delta, 0) : QPoint(0, delta), buttons, keys,
                Qt::NoScrollPhase, false);
  QSpontaneKeyEvent::setSpontaneous(&e);  // from the window system, as a real turn is
  QApplication::sendEvent(frame->windowHandle(), &e);
}

// A point of the frame over the wanted part, checked against what Qt finds
// there; (-1, -1) when there is none.
QPoint pointOver(MDIPrint* frame, Over over) {
  // The frame shows its scroll bars once the page's place is known.
  QCoreApplication::processEvents();
  auto* area = frame->findChild<QMdiArea*>();
  const auto inFrame = [frame](QWidget* w, QPoint p) { return w->mapTo(frame, p); };
  QPoint at;
  QWidget* expected = nullptr;
  switch (over) {
    case Over::Page:
      at = inFrame(frame->page()->sheet(), QPoint(300, 40));
      expected = frame->page()->sheet();
      break;
    case Over::GreyArea:
      at = inFrame(area->viewport(), QPoint(frame->page()->x() / 2, 100));
      expected = area->viewport();
      break;
    case Over::Toolbar:
      at = inFrame(frame->toolbar(), QPoint(frame->toolbar()->width() - 20, frame->toolbar()->height() / 2));
      expected = frame->toolbar();
      break;
    case Over::ScrollBar:
      at = inFrame(area->verticalScrollBar(), area->verticalScrollBar()->rect().center());
      expected = area->verticalScrollBar();
      break;
  }
  QWidget* under = frame->childAt(at);
  // The grey area is the area itself, not the page on it.
  if (over != Over::GreyArea)
    while (under && under != expected) under = under->parentWidget();
  return under == expected ? at : QPoint(-1, -1);
}

}  // namespace

class TestWheel : public QObject {
  Q_OBJECT

 private slots:
  void steps_data() {
    QTest::addColumn<int>("kind");  // the second turn: 0 plain, 1 Shift, 2 left button, 3 sideways, 4 Alt sideways
    QTest::addColumn<int>("delta");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("top");  // twips, from 0
    QTest::newRow("plain") << 0 << 120 << "300" << 0;
    QTest::newRow("held key repeats the last step") << 1 << 120 << "-300" << -600;
    QTest::newRow("held button repeats the last step") << 2 << 120 << "-300" << -600;
    QTest::newRow("fine wheel repeats the last step") << 0 << 15 << "-300" << -600;
    QTest::newRow("a sideways turn leaves the page") << 3 << 120 << "-300" << -300;
    // X11 turns the wheel with Alt held into a sideways turn.
    QTest::newRow("Alt with the wheel repeats the last step") << 4 << 120 << "-300" << -600;
  }
  void steps() {
    QFETCH(int, kind);
    QFETCH(int, delta);
    QFETCH(QString, caption);
    QFETCH(int, top);
    Preview p;
    MDIPrint* frame = p.open();
    FormPrintWindow* page = frame->page();
    QCOMPARE(page->windowTitle(), QStringLiteral("Печать"));
    const QPoint at = pointOver(frame, Over::Page);
    turn(frame, at, -120);
    turn(frame, at, delta,
         kind == 1   ? Qt::ShiftModifier
         : kind == 4 ? Qt::AltModifier
                     : Qt::NoModifier,
         kind == 2 ? Qt::LeftButton : Qt::NoButton, kind >= 3);
    QCOMPARE(page->windowTitle(), caption);
    QCOMPARE(page->top(), top);
  }

  // Every notch over the frame moves the page, whatever is under the pointer
  // and however far the page has gone: it has no stop either way.
  void everyNotchOverTheFrame_data() {
    QTest::addColumn<Over>("over");
    QTest::newRow("page") << Over::Page;
    QTest::newRow("grey area") << Over::GreyArea;
    QTest::newRow("toolbar") << Over::Toolbar;
    QTest::newRow("scroll bar") << Over::ScrollBar;
  }
  void everyNotchOverTheFrame() {
    QFETCH(Over, over);
    Preview p;
    MDIPrint* frame = p.open();
    const QPoint at = pointOver(frame, over);
    QVERIFY2(at.x() >= 0, "no such point in the frame");
    for (int i = 0; i < 40; ++i) turn(frame, at, 120);
    QCOMPARE(frame->page()->top(), 12000);
    for (int i = 0; i < 80; ++i) turn(frame, at, -120);
    QCOMPARE(frame->page()->top(), -12000);
    QCOMPARE(frame->page()->windowTitle(), QStringLiteral("-300"));
  }

  // The step lasts for the run: a new page starts with the last one.
  void stepOutlivesThePage() {
    Preview p;
    MDIPrint* frame = p.open();
    turn(frame, pointOver(frame, Over::Page), 120);
    p.close();
    frame = p.open();
    QCOMPARE(frame->page()->windowTitle(), QStringLiteral("Печать"));
    turn(frame, pointOver(frame, Over::Page), 120, Qt::ControlModifier);
    QCOMPARE(frame->page()->windowTitle(), QStringLiteral("300"));
    QCOMPARE(frame->page()->top(), 300);
  }
};

QTEST_MAIN(TestWheel)
#include "test_wheel.moc"
