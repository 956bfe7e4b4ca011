// The mouse wheel on the report page: the step it takes, the caption that
// shows it and the page's movement, turn after turn.
#include <QtTest>
#include <memory>

#include "mainwindow/Bal.h"
#include "report/qt/MDIPrint.h"

using namespace kalteron;

namespace {

struct Turn {
  int delta;
  Qt::KeyboardModifiers keys;
  Qt::MouseButtons buttons;
  bool sideways = false;
};

void turn(QWidget* target, const Turn& t) {
  const QPointF at(100, 100);
  // A sideways turn is given as a delta with no vertical part.
  const QPoint delta = t.sideways ? QPoint(t.delta, 0) : QPoint(0, t.delta);
  QWheelEvent e(at, target->mapToGlobal(at), QPoint(), delta, t.buttons, t.keys, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &e);
}

}  // namespace

class TestWheel : public QObject {
  Q_OBJECT

 private slots:
  void steps_data() {
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<QList<int>>("keys");  // 0 none, 1 Ctrl, 2 Shift, 3 left button, 4 sideways
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("top");  // twips, from 0

    QTest::newRow("one notch towards the user") << QList<int>{-120} << QList<int>{0} << "-300" << -300;
    QTest::newRow("one notch away") << QList<int>{120} << QList<int>{0} << "300" << 300;
    QTest::newRow("two and three notches count once")
        << QList<int>{-240, -360, 240} << QList<int>{0, 0, 0} << "300" << -300;
    QTest::newRow("held key before any plain turn") << QList<int>{120} << QList<int>{1} << "0" << 0;
    QTest::newRow("held key repeats the last step") << QList<int>{120, -120} << QList<int>{0, 2} << "300" << 600;
    QTest::newRow("held button repeats the last step") << QList<int>{-120, 120} << QList<int>{0, 3} << "-300" << -600;
    QTest::newRow("fine wheel before any notch") << QList<int>{15, -30} << QList<int>{0, 0} << "0" << 0;
    QTest::newRow("fine wheel after a notch") << QList<int>{-120, 15, 15} << QList<int>{0, 0, 0} << "-300" << -900;
    QTest::newRow("a sideways turn leaves the page") << QList<int>{-120, 120} << QList<int>{0, 4} << "-300" << -300;
    QTest::newRow("four notches are no known turn") << QList<int>{480} << QList<int>{0} << "0" << 0;
    QList<int> forty(40, 120);
    QTest::newRow("forty notches away, no stop") << forty << QList<int>(40, 0) << "300" << 12000;
  }
  void steps() {
    QFETCH(QList<int>, deltas);
    QFETCH(QList<int>, keys);
    QFETCH(QString, caption);
    QFETCH(int, top);

    Bal bal;
    bal.Form_Load();
    QWidget main;
    MDIPrint* frame = openPreview(bal, &main);
    FormPrintWindow* page = frame->page();
    QCOMPARE(page->top(), 0);
    QCOMPARE(page->windowTitle(), QStringLiteral("Печать"));
    for (int i = 0; i < deltas.size(); ++i) {
      const Qt::KeyboardModifiers mods = keys[i] == 1   ? Qt::ControlModifier
                                         : keys[i] == 2 ? Qt::ShiftModifier
                                                        : Qt::NoModifier;
      const Qt::MouseButtons buttons = keys[i] == 3 ? Qt::LeftButton : Qt::NoButton;
      turn(page, {deltas[i], mods, buttons, keys[i] == 4});
    }
    QCOMPARE(page->windowTitle(), caption);
    QCOMPARE(page->top(), top);
    QCOMPARE(int(bal.ScrollStep), caption.toInt());
    closePreview(&main);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // The step lasts for the run: a new page starts with the last one.
  void stepOutlivesThePage() {
    Bal bal;
    bal.Form_Load();
    QWidget main;
    turn(openPreview(bal, &main)->page(), {-120, Qt::NoModifier, Qt::NoButton});
    closePreview(&main);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FormPrintWindow* page = openPreview(bal, &main)->page();
    QCOMPARE(page->windowTitle(), QStringLiteral("Печать"));
    turn(page, {120, Qt::ControlModifier, Qt::NoButton});
    QCOMPARE(page->windowTitle(), QStringLiteral("-300"));
    QCOMPARE(page->top(), -300);
    closePreview(&main);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

QTEST_MAIN(TestWheel)
#include "test_wheel.moc"
