// What a user does in the main window reaches the model, and what the model
// decides shows in the widgets.
#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QWheelEvent>

#include "../../qt_test_helpers.h"

using namespace kalteron;
using namespace kalteron::qt::test;

class WindowInput : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    setUp();
    if (!onAskedPlatform()) QSKIP("no X server could be started for the run on xcb");
  }

  void typingGoesThroughTheKeyFilter_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    // Entering a field holding "0" empties it; otherwise its text is
    // selected and the first key replaces it.
    QTest::newRow("decimal: full stop becomes comma") << "ClickKameraDlina"
                                                      << "12.5x"
                                                      << "12,5";
    QTest::newRow("contacts take a colon") << "ClickKontakt"
                                           << "тел: 1/2"
                                           << "тел: 1/2";
    QTest::newRow("editable box, caret at the end") << "ClickTemperaturaKamera"
                                                    << "56"
                                                    << "-105";
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
    QTest::newRow("customer") << 1 << "ClickZakazsik"
                              << "ClickKontakt";
    QTest::newRow("height stays") << 1 << "ClickKameraVisota"
                                  << "ClickKameraVisota";
    QTest::newRow("final temperature") << 2 << "ClickProduktTemperKones"
                                       << "ClickZagruzkaVisota";
    QTest::newRow("share to the switch") << 5 << "ClickVOpredvaritelno"
                                         << "ClickVOutochnauchiiRaschet";
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
    QTest::newRow("text box") << "ClickKameraSirina"
                              << "2,"
                              << "ClickKameraDlina"
                              << "2,";
    QTest::newRow("editable box") << "ClickVremiaKamera"
                                  << "30"
                                  << "ClickZapasKamera"
                                  << "24";
    QTest::newRow("editable box, an item typed") << "ClickVremiaKamera"
                                                 << "2"
                                                 << "ClickZapasKamera"
                                                 << "2";
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
    QTest::newRow("along a row") << "ClickTolcinaSteniStenaA"
                                 << "ClickIzolaiciiStenaA";
    QTest::newRow("row to row") << "ClickTemperaturaStenaA"
                                << "ClickSteniStenaB";
    QTest::newRow("floor to the buttons") << "ClickTemperaturaPol"
                                          << "ClickSteniPoPervoiStroke";
    QTest::newRow("height to the chamber type") << "ClickKameraVisota"
                                                << "Option1(0)";
    QTest::newRow("climate to regime") << "ClickTemperaturaVozduh"
                                       << "ClickRejim";
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
      const QString shown =
          qobject_cast<QLabel*>(x) ? qobject_cast<QLabel*>(x)->text() : qobject_cast<QLineEdit*>(x)->text();
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

  // Text that reaches a field other than by typed keys goes through its key
  // filter all the same, character by character.
  void noPathPutsARefusedCharacterIntoAField_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("context menu, six digits") << 1 << "ClickKameraSirina"
                                              << "menu"
                                              << "30950899944307800000000000000"
                                              << "309508";
    QTest::newRow("context menu, vehicle hours") << 3 << "ClickPtsVremia"
                                                 << "menu"
                                                 << "9x8"
                                                 << "98";
    QTest::newRow("context menu, customer") << 1 << "ClickZakazsik"
                                            << "menu"
                                            << "a/b:c\"d"
                                            << "abcd";
    QTest::newRow("context menu, editable box") << 1 << "ClickVremiaKamera"
                                                << "menu"
                                                << "9x8"
                                                << "1898";
    QTest::newRow("Ctrl+V") << 1 << "ClickKameraDlina"
                            << "ctrl+v"
                            << "1a2.5\n"
                            << "12,5";
    QTest::newRow("Shift+Insert") << 1 << "ClickKameraDlina"
                                  << "shift+insert"
                                  << "1a2.5"
                                  << "12,5";
    QTest::newRow("input method, number") << 1 << "ClickKameraVisota"
                                          << "input method"
                                          << "é7"
                                          << "7";
    QTest::newRow("input method, text") << 1 << "ClickKontakt"
                                        << "input method"
                                        << "é"
                                        << "é";
    QTest::newRow("input method, editable box") << 1 << "ClickZapasKamera"
                                                << "input method"
                                                << "1é"
                                                << "51";
  }
  void noPathPutsARefusedCharacterIntoAField() {
    QFETCH(int, page);
    QFETCH(QString, field);
    QFETCH(QString, way);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    const std::string name = field.toStdString();
    Harness h;
    if (page != 1) h.page(page);
    QApplication::clipboard()->setText(text);
    if (way == "menu") {
      bool pasted = false;
      whenShown([&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return false;
        for (QAction* a : menu->actions()) {
          if (!a->text().remove('&').startsWith("Вставить")) continue;
          QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
          pasted = true;
        }
        if (!pasted) menu->close();
        return true;
      });
      h.click(name, {}, Qt::RightButton);
      QTRY_VERIFY(pasted);
    } else {
      h.focus(name);
      if (way == "ctrl+v") h.key(Qt::Key_V, Qt::ControlModifier);
      if (way == "shift+insert") h.key(Qt::Key_Insert, Qt::ShiftModifier);
      if (way == "input method") {
        QInputMethodEvent e;
        e.setCommitString(text);
        QApplication::sendEvent(QGuiApplication::focusObject(), &e);
      }
    }
    QCOMPARE(h.bal.focus()->name(), name);
    QCOMPARE(h.edit(name)->text(), shown);
    QCOMPARE(QString::fromStdString(h.bal.text()), shown);
  }

  // Keys typed with Alt or AltGr and characters composed with dead keys meet
  // the filter; Ctrl shortcuts keep working.
  void keysWithModifiersMeetTheFilter() {
    Harness h;
    h.focus("ClickTolcinaSteniStenaV");
    for (char c : {'1', '2'}) h.key(c);
    h.key('a', Qt::AltModifier);
    h.key('.', Qt::AltModifier);
    h.key('3', Qt::AltModifier);
    QCOMPARE(h.edit("ClickTolcinaSteniStenaV")->text(), QString("123"));
    h.key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(h.edit("ClickTolcinaSteniStenaV")->selectedText(), QString("123"));
    h.key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("123"));
    h.key(Qt::Key_Delete);
    h.key(Qt::Key_Z, Qt::ControlModifier);  // undo
    QCOMPARE(h.edit("ClickTolcinaSteniStenaV")->text(), QString("123"));
    QCOMPARE(h.bal.text(), std::string("123"));

    h.focus("ClickZakazsik");
    for (char c : {':', '/', '"', 'x'}) h.key(c, Qt::AltModifier);
    QCOMPARE(h.edit("ClickZakazsik")->text(), QString("x"));
    h.focus("ClickKameraDlina");
    h.key('.', Qt::AltModifier);
    QCOMPARE(h.edit("ClickKameraDlina")->text(), QString(","));
  }

  // Editing scripts run through the window's own key, clipboard, input
  // method and context-menu paths. "=text" expects the field and the model
  // to hold that text, "sel=text" the field to show that much selected.
  void editingKeepsFieldAndModelTogether_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("script");
    const QString smile = QString::fromUtf8("😀");
    const QString two = smile + smile;
    QTest::newRow("undo and redo over a typed value")
        << "ClickTemperaturaStenaA"
        << QStringList{"ctrl+a", "type:-123", "=-123", "ctrl+z", "=32", "ctrl+shift+z", "=-123", "ctrl+z", "=32"};
    QTest::newRow("undo of a Delete in a full field")
        << "ClickKameraDlina" << QStringList{"type:123456.", "=123456,", "home",         "delete", "=23456,",
                                             "ctrl+z",       "=123456,", "ctrl+shift+z", "=23456,"};
    QTest::newRow("undo and redo from the context menu")
        << "ClickTemperaturaStenaA"
        << QStringList{"ctrl+a", "type:-123", "menu:undo", "=32", "menu:redo", "=-123", "ctrl+z", "=32"};
    QTest::newRow("undo gives the model the selection it shows")
        << "ClickZakazsik"
        << QStringList{"ctrl+a", "type:aa", "ctrl+a", "type:b", "ctrl+z",    "sel=aa", "paste:a:", "=a",
                       "ctrl+a", "type:cd", "ctrl+a", "type:b", "menu:undo", "sel=cd", "paste:c:", "=c"};
    QTest::newRow("a refused paste shows the model's text and cannot be undone into view")
        << "ClickTolcinaSteniStenaA"
        << QStringList{"type:1234", "home",   "right", "shift+right",  "shift+right", "paste:xy",
                       "=1234",     "ctrl+z", "=1234", "ctrl+shift+z", "=1234"};
    QTest::newRow("a paste goes in at the selection first")
        << "ClickTolcinaSteniStenaA" << QStringList{"type:222", "home", "paste:23", "=2222"};
    QTest::newRow("the caret stays after a partly refused paste")
        << "ClickZakazsik"
        << QStringList{"ctrl+a", "type:abcd", "home", "right", "right", "paste:x:y", "=abxycd", "type:Q", "=abxyQcd"};
    QTest::newRow("the caret stays after partly refused input method text")
        << "ClickZakazsik"
        << QStringList{"ctrl+a", "type:abcd", "home", "right", "right", "im:x/y", "=abxycd", "type:Q", "=abxyQcd"};
    QTest::newRow("the caret stays after a context-menu paste")
        << "ClickZakazsik" << QStringList{"ctrl+a",          "type:abcd", "home",   "right",   "right",
                                          "menu:paste:x\"y", "=abxycd",   "type:Q", "=abxyQcd"};
    QTest::newRow("characters beyond 16 bits: entering selects them all")
        << "ClickZakazsik"
        << QStringList{"paste:" + two + "ab", "=" + two + "ab", "tab", "backtab", "sel=" + two + "ab", "type:z", "=z"};
    QTest::newRow("characters beyond 16 bits: edits land where the caret is") << "ClickZakazsik"
                                                                              << QStringList{"paste:" + two + "aa",
                                                                                             "end",
                                                                                             "left",
                                                                                             "paste:a:",
                                                                                             "=" + two + "aaa",
                                                                                             "type:Q",
                                                                                             "=" + two + "aaQa",
                                                                                             "home",
                                                                                             "right",
                                                                                             "type:" + smile,
                                                                                             "=" + two + smile + "aaQa",
                                                                                             "backspace",
                                                                                             "=" + two + "aaQa",
                                                                                             "shift+end",
                                                                                             "sel=" + smile + "aaQa",
                                                                                             "type:z",
                                                                                             "=" + smile + "z"};
  }
  void editingKeepsFieldAndModelTogether() {
    QFETCH(QString, field);
    QFETCH(QStringList, script);
    const std::string name = field.toStdString();
    Harness h;
    h.focus(name);
    QLineEdit* le = h.edit(name);
    static const std::map<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {"home", {Qt::Key_Home, Qt::NoModifier}},
        {"end", {Qt::Key_End, Qt::NoModifier}},
        {"left", {Qt::Key_Left, Qt::NoModifier}},
        {"right", {Qt::Key_Right, Qt::NoModifier}},
        {"delete", {Qt::Key_Delete, Qt::NoModifier}},
        {"backspace", {Qt::Key_Backspace, Qt::NoModifier}},
        {"tab", {Qt::Key_Tab, Qt::NoModifier}},
        {"backtab", {Qt::Key_Backtab, Qt::ShiftModifier}},
        {"shift+right", {Qt::Key_Right, Qt::ShiftModifier}},
        {"shift+end", {Qt::Key_End, Qt::ShiftModifier}},
        {"ctrl+a", {Qt::Key_A, Qt::ControlModifier}},
        {"ctrl+z", {Qt::Key_Z, Qt::ControlModifier}},
        {"ctrl+shift+z", {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}},
    };
    for (const QString& step : script) {
      const QString arg = step.section(':', 1);
      if (const auto k = keys.find(step); k != keys.end()) {
        h.key(k->second.first, k->second.second);
      } else if (step.startsWith("type:")) {
        h.typeText(arg);
      } else if (step.startsWith("paste:")) {
        QApplication::clipboard()->setText(arg);
        h.key(Qt::Key_V, Qt::ControlModifier);
      } else if (step.startsWith("im:")) {
        QInputMethodEvent e;
        e.setCommitString(arg);
        QApplication::sendEvent(QGuiApplication::focusObject(), &e);
      } else if (step.startsWith("menu:")) {
        const QString what = arg.section(':', 0, 0);
        if (what == "paste") QApplication::clipboard()->setText(arg.section(':', 1));
        QVERIFY(h.contextMenu(name, what == "undo"   ? QKeySequence::Undo
                                    : what == "redo" ? QKeySequence::Redo
                                                     : QKeySequence::Paste));
      } else if (step.startsWith("sel=")) {
        QCOMPARE(le->selectedText(), step.mid(4));
      } else {
        QVERIFY2(step.startsWith('='), qPrintable(step));
        QCoreApplication::processEvents();
        QCOMPARE(le->text(), step.mid(1));
        QCOMPARE(QString::fromStdString(static_cast<TextField*>(h.bal.find(name))->text()), step.mid(1));
      }
    }
  }

  // A text set from outside (the accessibility interface) meets the key
  // filter in the field being edited; any other field shows the model's text
  // again once Qt is done.
  void aTextSetFromOutside_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the field being edited") << "ClickKameraDlina"
                                            << "1a2.5"
                                            << "12,5";
    QTest::newRow("another field") << "ClickKameraSirina"
                                   << "77"
                                   << "0";
  }
  void aTextSetFromOutside() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    const std::string name = field.toStdString();
    Harness h;
    h.focus("ClickKameraDlina");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(h.edit(name));
    a->setText(QAccessible::Value, text);
    QTRY_COMPARE(h.edit(name)->text(), shown);
    QCOMPARE(QString::fromStdString(static_cast<TextField*>(h.bal.find(name))->text()), shown);
    QCOMPARE(h.bal.focus()->name(), std::string("ClickKameraDlina"));
  }

  // A pick from an editable box's list is never refused, however long the
  // text it replaces: the box shows the item, the model holds it and the
  // results follow.
  void aListPickIsNeverRefused_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("item");  // empty: whichever item the way lands on
    QTest::addColumn<QString>("caption");
    QTest::newRow("hours, mouse") << "ClickVremiaKamera"
                                  << "12.5"
                                  << "mouse"
                                  << "6"
                                  << "NeobhodRejimText";
    QTest::newRow("hours, Down") << "ClickVremiaKamera"
                                 << "12.5"
                                 << "down"
                                 << ""
                                 << "NeobhodRejimText";
    QTest::newRow("hours, Alt+Down, Down, Return") << "ClickVremiaKamera"
                                                   << "12.5"
                                                   << "alt+down"
                                                   << ""
                                                   << "NeobhodRejimText";
    QTest::newRow("hours, wheel") << "ClickVremiaKamera"
                                  << "12.5"
                                  << "wheel"
                                  << ""
                                  << "NeobhodRejimText";
    QTest::newRow("safety factor, mouse") << "ClickZapasKamera"
                                          << "1000"
                                          << "mouse"
                                          << "20"
                                          << "NeobhodKoefZapas";
    QTest::newRow("safety factor, accessibility") << "ClickZapasKamera"
                                                  << "1000"
                                                  << "accessibility"
                                                  << "20"
                                                  << "NeobhodKoefZapas";
    QTest::newRow("temperature, wheel") << "ClickTemperaturaKamera"
                                        << "-1"
                                        << "wheel"
                                        << ""
                                        << "";
    QTest::newRow("humidity, mouse") << "ClickVlajnostKamera"
                                     << "1000"
                                     << "mouse"
                                     << "60"
                                     << "";
  }
  void aListPickIsNeverRefused() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, way);
    QFETCH(QString, item);
    QFETCH(QString, caption);
    const std::string name = box.toStdString();
    Harness h;
    auto* combo = qobject_cast<QComboBox*>(h.w(name));
    h.focus(name);
    h.key(Qt::Key_A, Qt::ControlModifier);
    h.typeText(typed);
    h.key(Qt::Key_Tab);  // left: the text stands corrected, the results computed
    const QString held = combo->lineEdit()->text();
    if (way != "accessibility") h.key(Qt::Key_Backtab, Qt::ShiftModifier);
    const auto clickItem = [&] {
      QAbstractItemView* list = combo->view();
      const QPoint at = list->visualRect(list->model()->index(combo->findText(item), 0)).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    };
    if (way == "mouse") {
      const QPoint arrow(combo->width() - 5, combo->height() / 2);
      QTest::mouseClick(h.window->windowHandle(), Qt::LeftButton, {}, combo->mapTo(h.window.get(), arrow));
      QTRY_VERIFY(combo->view()->isVisible());
      // The list opened by a press ignores a release within a double click.
      QTest::qWait(QApplication::doubleClickInterval() + 50);
      clickItem();
    } else if (way == "accessibility") {
      QAccessible::queryAccessibleInterface(combo)->actionInterface()->doAction(
          QAccessibleActionInterface::showMenuAction());
      QTRY_VERIFY(combo->view()->isVisible());
      clickItem();
    } else if (way == "down") {
      h.key(Qt::Key_Down);
    } else if (way == "alt+down") {
      h.key(Qt::Key_Down, Qt::AltModifier);
      QTRY_VERIFY(combo->view()->isVisible());
      QTest::keyClick(combo->view(), Qt::Key_Down);  // the open list has the keyboard
      QTest::keyClick(combo->view(), Qt::Key_Return);
    } else {
      h.wheel(combo, QPoint(combo->width() - 5, combo->height() / 2), -120);  // over the arrow
    }
    QCoreApplication::processEvents();
    const QString shown = combo->lineEdit()->text();
    if (!item.isEmpty()) QCOMPARE(shown, item);
    QVERIFY2(shown != held && combo->findText(shown) >= 0, qPrintable(held + " -> " + shown));
    QCOMPARE(QString::fromStdString(static_cast<TextField*>(h.bal.find(name))->text()), shown);
    QCOMPARE(h.bal.focus()->name(), name);
    if (way != "accessibility") QTRY_COMPARE(h.focused(), box);
    if (!caption.isEmpty())
      QVERIFY(qobject_cast<QLabel*>(h.w(caption.toStdString()))->text().contains(" " + shown + " "));
  }

  // A click that brings the focus into a text box, also one whose hand
  // shifts a pixel or two (or drags back over the text) before the release,
  // leaves the entry step's selection of the whole text standing, as Tab
  // does, whatever the height of the press. An editable box selects nothing
  // on entry: there, as in the field being edited, a click puts the caret
  // down and a drag selects. `shown` empty: the drag's own selection, part
  // of the text.
  void aMovingClickKeepsTheEntrySelection_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("held");
    QTest::addColumn<int>("press");  // pixels from the left of the field
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a click") << "ClickTemperaturaStenaA"
                             << "32" << 30 << QList<int>{} << false << "5"
                             << "5";
    QTest::newRow("a click in the field being edited") << "ClickTemperaturaStenaA"
                                                       << "5" << 2 << QList<int>{} << true << "1"
                                                       << "15";
    QTest::newRow("number") << "ClickKameraSirina"
                            << "12,5" << 6 << QList<int>{-2} << false << "7"
                            << "7";
    QTest::newRow("number, moved right") << "ClickKameraDlina"
                                         << "12,5" << 8 << QList<int>{2} << false << "7"
                                         << "7";
    QTest::newRow("number on a page") << "ClickTemperaturaStenaA"
                                      << "32" << 6 << QList<int>{-1, -2} << false << "5"
                                      << "5";
    QTest::newRow("text") << "ClickKontakt"
                          << "ул. Ленина 5" << 30 << QList<int>{-2} << false << "Мира 1"
                          << "Мира 1";
    QTest::newRow("text, dragged back far") << "ClickZakazsik"
                                            << "Частный" << 60 << QList<int>{-20, -35} << false << "x"
                                            << "x";
    QTest::newRow("editable box, at the left end") << "ClickTemperaturaKamera"
                                                   << "-10" << 1 << QList<int>{1} << false << "5"
                                                   << "5-10";
    QTest::newRow("editable box, a drag across") << "ClickTemperaturaKamera"
                                                 << "-10" << 1 << QList<int>{12, 25} << false << "5"
                                                 << "5";
    QTest::newRow("a drag in the field being edited") << "ClickKontakt"
                                                      << "ул. Ленина 5" << 6 << QList<int>{20, 40} << true << "Q"
                                                      << "";
  }
  void aMovingClickKeepsTheEntrySelection() {
    QFETCH(QString, field);
    QFETCH(QString, held);
    QFETCH(int, press);
    QFETCH(QList<int>, moves);
    QFETCH(bool, focused);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    const std::string name = field.toStdString();
    Harness h;
    QLineEdit* le = h.edit(name);
    for (const int y : {3, le->height() / 2, le->height() - 4}) {
      h.focus(name);
      h.key(Qt::Key_A, Qt::ControlModifier);
      h.typeText(held);
      if (!focused) h.focus("ClickKameraVisota");
      const auto at = [&](int x) { return le->mapTo(h.window.get(), QPoint(x, y)); };
      QWindow* window = h.window->windowHandle();
      QTest::mousePress(window, Qt::LeftButton, {}, at(press));
      QCOMPARE(h.focused(), field);
      int x = press;
      for (const int dx : moves) QTest::mouseMove(window, at(x += dx));  // the button held
      QTest::mouseRelease(window, Qt::LeftButton, {}, at(x));
      if (shown.isEmpty()) QVERIFY(le->hasSelectedText() && le->selectedText() != held);
      const QString expected = shown.isEmpty() ? QString(held).replace(le->selectedText(), typed) : shown;
      h.typeText(typed);
      QCOMPARE(le->text(), expected);
      QCOMPARE(QString::fromStdString(h.bal.text()), expected);
    }
  }

  // A pick that reaches a box without the focus (the accessibility
  // interface opens its list and picks) is applied as a mouse pick: the box
  // takes the focus, the field being edited is left first.
  void aPickFromOutsideTheWindowReachesTheModel_data() {
    QTest::addColumn<bool>("popup");
    QTest::newRow("opened list") << true;
    QTest::newRow("index set") << false;
  }
  void aPickFromOutsideTheWindowReachesTheModel() {
    QFETCH(bool, popup);
    Harness h;
    h.focus("ClickKameraSirina");
    h.key('4');
    auto* box = qobject_cast<QComboBox*>(h.w("ClickZapasKamera"));
    const int item = box->findText("20");
    if (popup) {
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
      a->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
      QTRY_VERIFY(box->view()->isVisible());
      QAbstractItemView* list = box->view();
      const QPoint at = list->visualRect(list->model()->index(item, 0)).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    } else {
      box->setCurrentIndex(item);
    }
    QCOMPARE(h.bal.op.ClickZapasKamera.text(), std::string("20"));
    QCOMPARE(h.bal.rez.NeobhodKoefZapas.text(), std::string("Коэф. запаса : 20  %"));
    QCOMPARE(h.bal.focus()->name(), std::string("ClickZapasKamera"));
    QCOMPARE(h.bal.op.ClickKameraSirina.text(), std::string("4"));
    QTRY_COMPARE(h.focused(), QString("ClickZapasKamera"));
    QCOMPARE(box->currentText(), QString("20"));
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
    for (const auto& [city, temperature, typed] :
         {std::tuple{"Москва", "28", false}, std::tuple{"Другой", "0", true}}) {
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

  // Enter presses the command button that has the focus, as Space does.
  void enterAndSpacePressTheFocusedButton_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::newRow("page button, Enter") << 1 << "Parametr(3)" << int(Qt::Key_Return);
    QTest::newRow("page button, keypad Enter") << 1 << "Parametr(5)" << int(Qt::Key_Enter);
    QTest::newRow("page button, Space") << 1 << "Parametr(4)" << int(Qt::Key_Space);
    QTest::newRow("copy, Enter") << 1 << "ClickSteniPoPervoiStroke" << int(Qt::Key_Return);
    QTest::newRow("walls, Enter") << 1 << "ClickSteniPoPervoiStroke2" << int(Qt::Key_Return);
    QTest::newRow("full load, Enter") << 2 << "ClickZagruzkaPolnaia" << int(Qt::Key_Return);
  }
  void enterAndSpacePressTheFocusedButton() {
    QFETCH(int, page);
    QFETCH(QString, button);
    QFETCH(int, key);
    Harness h;
    if (page != 1) h.page(page);
    h.focus(button.toStdString());
    QSignalSpy pressed(qobject_cast<QPushButton*>(h.w(button.toStdString())), &QPushButton::clicked);
    h.key(Qt::Key(key));
    QCOMPARE(pressed.count(), 1);
    if (button.startsWith("Parametr")) QCOMPARE(h.bal.TekusiiParametr, button.mid(9, 1).toInt());
  }

  // The chamber type and the turnover are groups of radio buttons: Tab
  // enters a group at its selected button and leaves it with the next Tab,
  // the arrows select the button they land on as a click does.
  void optionGroupsAreRadioButtons() {
    Harness h;
    for (const char* name : {"Option1(0)", "Option1(1)", "ClickZagruzkaOborot(0)", "ClickZagruzkaOborot(1)"})
      QCOMPARE(QAccessible::queryAccessibleInterface(h.w(name))->role(), QAccessible::RadioButton);

    h.focus("ClickTolcinaSteniStenaA");
    h.type("ClickTolcinaSteniStenaA", "250");
    h.focus("ClickKameraVisota");
    h.key(Qt::Key_Tab);
    QCOMPARE(h.focused(), QString("Option1(0)"));
    h.key(Qt::Key_Down);
    QCOMPARE(h.focused(), QString("Option1(1)"));
    QVERIFY(qobject_cast<QRadioButton*>(h.w("Option1(1)"))->isChecked());
    QVERIFY(h.bal.op.Option1.value(1));
    QCOMPARE(qobject_cast<QLabel*>(h.w("SteniNadpis(0)"))->text(), QString("Выбор остекления"));
    QCOMPARE(h.bal.op.ClickTolcinaSteni[0].text(), std::string("0"));  // cleared as by a click
    h.key(Qt::Key_Tab);
    QCOMPARE(h.focused(), QString("Parametr(1)"));
    h.key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(h.focused(), QString("Option1(1)"));
    h.key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(h.focused(), QString("ClickKameraVisota"));
    h.key(Qt::Key_Tab);
    QCOMPARE(h.focused(), QString("Option1(1)"));
    h.key(Qt::Key_Down);  // round to the first
    QCOMPARE(h.focused(), QString("Option1(0)"));
    QVERIFY(h.bal.op.Option1.value(0));
    QCOMPARE(qobject_cast<QLabel*>(h.w("SteniNadpis(0)"))->text(), QString("Материал стен"));

    h.page(2);
    h.focus("ClickZagruzkaOborot(0)");
    h.key(Qt::Key_Right);
    QCOMPARE(h.focused(), QString("ClickZagruzkaOborot(1)"));
    QVERIFY(h.bal.op.ClickZagruzkaOborot.value(1));
    QVERIFY(!qobject_cast<QRadioButton*>(h.w("ClickZagruzkaOborot(0)"))->isChecked());
    h.key(Qt::Key_Up);
    QVERIFY(h.bal.op.ClickZagruzkaOborot.value(0));
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
    for (const char* s : kSurfaceSuffix)
      QCOMPARE(h.edit(std::string("ClickTolcinaIzolaicii") + s)->text(), QString("120"));
  }
};

QTEST_MAIN(WindowInput)
#include "test_window_input.moc"
