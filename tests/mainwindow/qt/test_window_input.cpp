// What a user does in the main window reaches the model, and what the model
// decides shows in the widgets.
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>

#include "../../qt_test_helpers.h"

using namespace kalteron;
using namespace kalteron::qt::test;

class WindowInput : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { setUp(); }

  void typingGoesThroughTheKeyFilter_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    // Entering a field holding "0" empties it; otherwise its text is
    // selected and the first key replaces it.
    QTest::newRow("decimal: full stop becomes comma") << "ClickKameraDlina" << "12.5x" << "12,5";
    QTest::newRow("contacts take a colon") << "ClickKontakt" << "тел: 1/2" << "тел: 1/2";
    QTest::newRow("editable box, caret at the end") << "ClickTemperaturaKamera" << "56" << "-105";
  }
  void typingGoesThroughTheKeyFilter() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    Harness h;
    h.focus(field.toStdString());
    QCOMPARE(h.focused(), field);
    h.type(field.toStdString(), keys);
    QCOMPARE(h.edit(field.toStdString())->text(), shown);
    QCOMPARE(QString::fromStdString(h.bal.text()), shown);
  }

  void enterMovesTheFocusAlongItsPath_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("customer") << 1 << "ClickZakazsik" << "ClickKontakt";
    QTest::newRow("height stays") << 1 << "ClickKameraVisota" << "ClickKameraVisota";
    QTest::newRow("final temperature") << 2 << "ClickProduktTemperKones" << "ClickZagruzkaVisota";
    QTest::newRow("share to the switch") << 5 << "ClickVOpredvaritelno" << "ClickVOutochnauchiiRaschet";
  }
  void enterMovesTheFocusAlongItsPath() {
    QFETCH(int, page);
    QFETCH(QString, from);
    QFETCH(QString, to);
    Harness h;
    if (page != 1) h.page(page);
    h.focus(from.toStdString());
    QCOMPARE(h.focused(), from);
    const QString before = h.edit(from.toStdString())->text();
    h.enter(from.toStdString());
    QCOMPARE(h.focused(), to);
    QCOMPARE(QString::fromStdString(h.bal.focus()->name()), to);
    if (from == to) QCOMPARE(h.edit(from.toStdString())->text(), before);  // Enter is never inserted
  }

  void tabMovesTheFocusAndLeavesTheField_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("left");
    QTest::newRow("text box") << "ClickKameraSirina" << "2," << "ClickKameraDlina" << "2,";
    QTest::newRow("editable box") << "ClickVremiaKamera" << "30" << "ClickZapasKamera" << "24";
    QTest::newRow("editable box, an item typed") << "ClickVremiaKamera" << "2" << "ClickZapasKamera" << "2";
  }
  void tabMovesTheFocusAndLeavesTheField() {
    QFETCH(QString, from);
    QFETCH(QString, typed);
    QFETCH(QString, to);
    QFETCH(QString, left);
    Harness h;
    h.focus(from.toStdString());
    QTest::keyClick(h.w(from.toStdString()), Qt::Key_A, Qt::ControlModifier);
    h.type(from.toStdString(), typed);
    QTest::keyClick(h.w(from.toStdString()), Qt::Key_Tab);
    QCOMPARE(h.focused(), to);
    QCOMPARE(h.bal.focus()->name(), to.toStdString());
    QCOMPARE(h.edit(from.toStdString())->text(), left);
    QTest::keyClick(h.w(to.toStdString()), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(h.focused(), from);
  }

  void tabOrderFollowsTheTable_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("along a row") << "ClickTolcinaSteniStenaA" << "ClickIzolaiciiStenaA";
    QTest::newRow("row to row") << "ClickTemperaturaStenaA" << "ClickSteniStenaB";
    QTest::newRow("floor to the buttons") << "ClickTemperaturaPol" << "ClickSteniPoPervoiStroke";
    QTest::newRow("height to the chamber type") << "ClickKameraVisota" << "Option1(0)";
    QTest::newRow("climate to regime") << "ClickTemperaturaVozduh" << "ClickRejim";
  }
  void tabOrderFollowsTheTable() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    Harness h;
    if (from == "ClickTemperaturaVozduh") {  // enabled only for "Другой"
      auto* region = qobject_cast<QComboBox*>(h.w("ClickRegion"));
      region->setCurrentIndex(region->findText("Другой"));
    }
    h.focus(from.toStdString());
    QTest::keyClick(h.w(from.toStdString()), Qt::Key_Tab);
    QCOMPARE(h.focused(), to);
  }

  void aClickedFieldTakesTheFocusFromTheModel() {
    Harness h;
    QLineEdit* dlina = h.edit("ClickKameraDlina");
    QTest::mouseClick(dlina, Qt::LeftButton, {}, QPoint(4, dlina->height() / 2));
    QCOMPARE(h.bal.focus()->name(), std::string("ClickKameraDlina"));
    h.type("ClickKameraDlina", "7x");
    QCOMPARE(dlina->text(), QString("7"));
  }

  void leavingAFieldRecalculatesAndShowsTheResults() {
    Harness h;
    for (const auto& [field, value] : {std::pair{"ClickKameraSirina", "10"}, std::pair{"ClickKameraDlina", "5"},
                                       std::pair{"ClickKameraVisota", "3"}}) {
      h.focus(field);
      h.type(field, value);
    }
    QCOMPARE(qobject_cast<QLabel*>(h.w("ClickKameraObiem"))->text(), QString("0,00"));  // not left yet
    h.focus("ClickTolcinaIzolaiciiStenaA");
    QCOMPARE(qobject_cast<QLabel*>(h.w("ClickKameraObiem"))->text(), QString("150,00"));
    // Every result widget shows what the model holds.
    for (Control* c : h.bal.rez.controls()) {
      const std::string& t = static_cast<TextBox*>(c)->text();
      QWidget* x = h.w(c->name());
      QVERIFY2(x != nullptr, c->name().c_str());
      const QString shown = qobject_cast<QLabel*>(x) ? qobject_cast<QLabel*>(x)->text()
                                                      : qobject_cast<QLineEdit*>(x)->text();
      QCOMPARE(shown, QString::fromStdString(t));
    }
  }

  void leavingAnEmptyFieldPutsItsDefaultBack() {
    Harness h;
    h.focus("ClickVlajnostKamera");
    QTest::keyClick(h.w("ClickVlajnostKamera"), Qt::Key_End);
    for (int i = 0; i < 2; ++i) QTest::keyClick(h.w("ClickVlajnostKamera"), Qt::Key_Backspace);
    QCOMPARE(h.edit("ClickVlajnostKamera")->text(), QString());
    h.focus("ClickKameraDlina");
    QCOMPARE(h.edit("ClickKameraDlina")->text(), QString());  // "0" emptied on entry
    QCOMPARE(h.edit("ClickVlajnostKamera")->text(), QString("85"));
  }

  void pastedTextGoesThroughTheFilter() {
    Harness h;
    QApplication::clipboard()->setText("1a2.5\n");
    h.focus("ClickKameraDlina");
    QTest::keyClick(h.w("ClickKameraDlina"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(h.edit("ClickKameraDlina")->text(), QString("12,5"));
    QCOMPARE(h.bal.op.ClickKameraDlina.text(), std::string("12,5"));
  }

  // Another window takes the focus and gives it back: the field being edited
  // keeps it, and only a real move to another field leaves it.
  void leavingTheWindowIsNoLeaveStep_data() {
    QTest::addColumn<bool>("preview");
    QTest::newRow("About") << false;
    QTest::newRow("report preview") << true;
  }
  void leavingTheWindowIsNoLeaveStep() {
    QFETCH(bool, preview);
    Harness h;
    h.focus("ClickKameraDlina");
    h.type("ClickKameraDlina", "7");
    if (preview) {
      h.window->printAction()->trigger();
      QVERIFY(!h.window->isEnabled());
      QCOMPARE(MDIPrint::find(h.window.get())->page()->content().text("ClickKameraDlina"), std::string("7"));
      closePreview(h.window.get());
      QVERIFY(h.window->isEnabled());
    } else {
      h.window->showAbout();
      QVERIFY(QTest::qWaitForWindowActive(h.window->about()));
      h.window->about()->close();
    }
    QCOMPARE(h.bal.op.ClickKameraDlina.text(), std::string("7"));  // still being edited
    QCOMPARE(qobject_cast<QLabel*>(h.w("ClickKameraObiem"))->text(), QString("0,00"));
    h.window->activateWindow();
    QVERIFY(h.active());
    QCOMPARE(h.bal.focus()->name(), std::string("ClickKameraDlina"));
    QTRY_COMPARE(h.focused(), QString("ClickKameraDlina"));
    h.type("ClickKameraDlina", "5");
    QCOMPARE(h.bal.op.ClickKameraDlina.text(), std::string("75"));
    h.focus("ClickKameraSirina");
    QCOMPARE(h.edit("ClickKameraDlina")->text(), QString("75"));
  }

  // The wheel over a choice box changes it only while it has the focus.
  void theWheelTurnsOnlyTheFocusedChoiceBox_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("city") << "ClickRegion";
    QTest::newRow("chamber temperature") << "ClickTemperaturaKamera";
  }
  void theWheelTurnsOnlyTheFocusedChoiceBox() {
    QFETCH(QString, box);
    Harness h;
    auto* combo = qobject_cast<QComboBox*>(h.w(box.toStdString()));
    const auto wheel = [combo] {
      const QPointF at(combo->width() / 2, combo->height() / 2);
      QWheelEvent e(at, combo->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
      QApplication::sendEvent(combo, &e);
    };
    const QString before = combo->currentText();
    h.focus("ClickTemperaturaStenaA");
    h.type("ClickTemperaturaStenaA", "5");
    wheel();
    QCOMPARE(combo->currentText(), before);
    QCOMPARE(h.bal.focus()->name(), std::string("ClickTemperaturaStenaA"));
    QCOMPARE(h.edit("ClickTemperaturaStenaA")->text(), QString("5"));
    h.focus(box.toStdString());
    wheel();
    QVERIFY(combo->currentText() != before);
  }

  // A city picked as the keyboard or the wheel picks: the climate and the
  // surface temperatures follow, typed in only for "Другой".
  void pickingACityFillsTheClimate() {
    Harness h;
    auto* region = qobject_cast<QComboBox*>(h.w("ClickRegion"));
    for (const auto& [city, temperature, typed] : {std::tuple{"Москва", "28", false}, std::tuple{"Другой", "0", true}}) {
      region->setCurrentIndex(region->findText(city));
      QCOMPARE(h.bal.op.ClickRegion.text(), std::string(city));
      QCOMPARE(h.edit("ClickTemperaturaVozduh")->text(), QString(temperature));
      QCOMPARE(h.edit("ClickTemperaturaPol")->text(), QString(temperature));
      QCOMPARE(h.w("ClickVlajnostVozduh")->isEnabled(), typed);
    }
  }

  // The radio buttons reach the model; its headers, pictures and columns show.
  void chamberTypeSwitchesTheEnclosureColumns() {
    Harness h;
    for (const auto& [option, header, pavilion] :
         {std::tuple{1, "Выбор остекления", true}, std::tuple{0, "Материал стен", false}}) {
      QTest::mouseClick(h.w("Option1(" + std::to_string(option) + ")"), Qt::LeftButton);
      QVERIFY(!qobject_cast<QRadioButton*>(h.w("Option1(" + std::to_string(1 - option) + ")"))->isChecked());
      QCOMPARE(qobject_cast<QLabel*>(h.w("SteniNadpis(0)"))->text(), QString(header));
      QCOMPARE(h.w("ImageKamera2")->isVisible(), pavilion);
      QCOMPARE(h.w("ImageKamera1")->isVisible(), !pavilion);
      QCOMPARE(h.w("ClickStekloSteniPol")->isVisible(), pavilion);
      QCOMPARE(h.w("ClickTolcinaSteniPol")->isVisible(), !pavilion);
    }
  }

  void pageButtonsSwitchPagesAndColours() {
    Harness h;
    const auto colourOf = [&](int i) {
      return h.w("Parametr(" + std::to_string(i) + ")")->palette().color(QPalette::Active, QPalette::Button);
    };
    const QColor face = colourOf(2);
    QCOMPARE(colourOf(1), QColor(Qt::white));
    QVERIFY(face != QColor(Qt::white));
    for (int shown : {3, 3, 5, 1, 2}) {
      // Pressed near its lower edge, which the page shown reaches up to.
      QWidget* button = h.w("Parametr(" + std::to_string(shown) + ")");
      const QPoint at = button->geometry().center() + QPoint(0, button->height() / 2 - 2);
      QWidget* hit = button->parentWidget()->childAt(at);
      QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(button->parentWidget(), at));
      for (int i = 1; i <= 5; ++i) {
        QCOMPARE(h.w("Frame5(" + std::to_string(i) + ")")->isVisible(), i == shown);
        QCOMPARE(colourOf(i), i == shown ? QColor(Qt::white) : face);
      }
      QCOMPARE(h.bal.TekusiiParametr, shown);
    }
    // A field on a hidden page cannot take the focus.
    QCOMPARE(h.w("ClickDverVisota")->isVisible(), false);
  }

  void switchesAndCommandsRunTheirHandlers() {
    Harness h;
    h.page(3);
    auto* recommended = qobject_cast<QCheckBox*>(h.w("ClickOsvesenieRekomenduemoe"));
    QVERIFY(!h.w("ClickOsvesenieMosnost")->isEnabled());
    QTest::mouseClick(recommended, Qt::LeftButton);
    QVERIFY(!recommended->isChecked());
    QCOMPARE(h.bal.op.ClickOsvesenieRekomenduemoe.value(), 0);
    QVERIFY(h.w("ClickOsvesenieMosnost")->isEnabled());
    QCOMPARE(h.edit("ClickOsvesenieMosnost")->text(), QString("5"));

    h.page(1);
    h.focus("ClickTolcinaIzolaiciiStenaA");
    h.type("ClickTolcinaIzolaiciiStenaA", "120");
    QTest::mouseClick(h.w("ClickSteniPoPervoiStroke"), Qt::LeftButton);
    for (const char* s : kSurfaceSuffix) QCOMPARE(h.edit(std::string("ClickTolcinaIzolaicii") + s)->text(), QString("120"));
  }
};

QTEST_MAIN(WindowInput)
#include "test_window_input.moc"
