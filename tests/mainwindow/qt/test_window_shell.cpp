// The window's frame: caption, size, names, menu, closing, About and the
// terms of use.
#include <QtTest/qtestspontaneevent.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTimer>

#include "../../qt_test_helpers.h"
#include "mainwindow/OProgramme.h"
#include "mainwindow/qt/QtPrompter.h"
#include "mainwindow/qt/Twips.h"
#include "projectfiles/Cp1251.h"

using namespace kalteron;
using namespace kalteron::qt;
using namespace kalteron::qt::test;

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class WindowShell : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { setUp(); }

  void startsWithCaptionSizeAndFocusOnTheRegion() {
    Harness h;
    QVERIFY(h.active());
    QCOMPARE(h.window->windowTitle(), QString("   Kalteron"));
    QCOMPARE(h.window->frameGeometry().size(), QSize(995, 585));
    QTRY_COMPARE(h.focused(), QString("ClickRegion"));
    QCOMPARE(h.bal.focus()->name(), std::string("ClickRegion"));
  }

  void theNormalWindowKeepsItsSize() {
    Harness h;
    h.window->resize(600, 400);
    QTRY_COMPARE(h.window->frameGeometry().size(), QSize(995, 585));
    h.window->showMaximized();
    QTRY_VERIFY(h.window->isMaximized());
    QTest::qWait(20);
    QVERIFY(h.window->isMaximized());
  }

  void everyControlHasItsWidgetByName() {
    Harness h;
    for (Control* c : h.bal.controls()) {
      if (auto* g = dynamic_cast<OptionGroup*>(c)) {
        for (int i = 0; i < 2; ++i) {
          QWidget* x = h.w(g->buttonName(i));
          QVERIFY2(x != nullptr, g->buttonName(i).c_str());
          QCOMPARE(x->objectName(), QString::fromStdString(g->buttonName(i)));
        }
        continue;
      }
      QWidget* x = h.w(c->name());
      QVERIFY2(x != nullptr, c->name().c_str());
      QCOMPARE(x->objectName(), QString::fromStdString(c->name()));
      // Every input is called what a user reads beside it.
      const Kind k = c->kind();
      if ((k == Kind::T && qobject_cast<QLineEdit*>(x) && !qobject_cast<QLineEdit*>(x)->isReadOnly()) || k == Kind::E ||
          k == Kind::L)
        QVERIFY2(!x->accessibleName().isEmpty(), c->name().c_str());
    }
  }

  void accessibleNamesSayWhatTheFieldIs_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::newRow("wall table") << "ClickTolcinaIzolaiciiStenaA"
                                << "Стена А, толщина теплоизоляции";
    QTest::newRow("floor temperature") << "ClickTemperaturaPol"
                                       << "Пол, температура снаружи";
    QTest::newRow("glazing") << "ClickStekloSteniPotolok"
                             << "Потолок, выбор остекления";
    QTest::newRow("top area") << "ClickVlajnostVozduh"
                              << "Относительная влажность, %";
    QTest::newRow("caption that follows the regime") << "ClickVremiaKamera"
                                                     << "Время раб. обор.";
    QTest::newRow("same caption, other group") << "ClickDvigateliMosnost"
                                               << "Электродвигатели, полная мощность, (кВт)";
  }
  void accessibleNamesSayWhatTheFieldIs() {
    QFETCH(QString, field);
    QFETCH(QString, name);
    Harness h;
    QCOMPARE(h.w(field.toStdString())->accessibleName(), name);
  }

  // Positions and sizes in twips, as the enclosure page and the page buttons
  // are drawn up.
  void controlsSitWhereTheLayoutPutsThem_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("page") << "Frame5(4)" << QRect(3800, 490, 7845, 5415);
    QTest::newRow("page button") << "Parametr(5)" << QRect(9615, 270, 1995, 330);
    QTest::newRow("header, column 2") << "SteniNadpis(1)" << QRect(2970, 465, 1005, 420);
    QTest::newRow("wall material") << "ClickSteniStenaA" << QRect(1170, 870, 1680, 315);
    QTest::newRow("glazing") << "ClickStekloSteniPol" << QRect(1125, 4785, 1950, 315);
    QTest::newRow("glazed share") << "ClickZapolnenSteniStenaB" << QRect(3240, 1455, 600, 330);
    QTest::newRow("insulation") << "ClickIzolaiciiPotolok" << QRect(4185, 4200, 1680, 315);
    QTest::newRow("insulation thickness") << "ClickTolcinaIzolaiciiStenaG" << QRect(5940, 2625, 600, 330);
    QTest::newRow("temperature") << "ClickTemperaturaStenaV" << QRect(6840, 2040, 600, 330);
    QTest::newRow("copy button") << "ClickSteniPoPervoiStroke2" << QRect(2655, 3660, 2595, 285);
  }
  void controlsSitWhereTheLayoutPutsThem() {
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    Harness h;
    QCOMPARE(h.w(control.toStdString())->geometry(), twRect(twips.left(), twips.top(), twips.width(), twips.height()));
  }

  // Whatever item a choice box holds, it shows it whole.
  void everyChoiceShowsWhole() {
    Harness h;
    QStringList cut;
    for (QComboBox* box : h.window->findChildren<QComboBox*>()) {
      QStyleOptionComboBox option;
      option.initFrom(box);
      option.editable = box->isEditable();
      const int room =
          box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
      const QFontMetrics m(box->font());
      for (int i = 0; i < box->count(); ++i)
        if (m.horizontalAdvance(box->itemText(i)) > room)
          cut << QStringLiteral("%1: '%2'").arg(box->objectName(), box->itemText(i));
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
  }

  void theMenuHasFiveItems() {
    Harness h;
    const QStringList expected = {"Создать новый", "Открыть", "Сохранить", "Печать", "О программе"};
    QStringList shown;
    for (QAction* a : h.window->menuBar()->actions()) shown << a->text();
    QCOMPARE(shown, expected);

    // Without a mouse: Alt goes to the menu bar, the arrows pick, Enter runs;
    // the field being edited gets the focus back.
    h.focus("ClickKameraDlina");
    QTest::keyClick(h.w("ClickKameraDlina"), Qt::Key_Alt, Qt::AltModifier);
    QCOMPARE(h.window->menuBar()->activeAction(), h.window->newAction());
    for (int i = 0; i < 4; ++i) QTest::keyClick(h.window->menuBar(), Qt::Key_Right);
    QCOMPARE(h.window->menuBar()->activeAction(), h.window->aboutAction());
    // ... and the item the keyboard is on shows it.
    const QImage bar = h.window->menuBar()->grab().toImage();
    const QColor highlight = h.window->menuBar()->palette().color(QPalette::Highlight);
    const auto highlighted = [&](QAction* a) {
      const QRect r = h.window->menuBar()->actionGeometry(a);
      return bar.pixelColor(r.left() + 2, r.center().y()) == highlight;
    };
    QVERIFY(highlighted(h.window->aboutAction()));
    QVERIFY(!highlighted(h.window->printAction()));
    QTest::keyClick(h.window->menuBar(), Qt::Key_Return);
    QVERIFY(h.window->about() != nullptr && h.window->about()->isVisible());
    h.window->about()->close();
    h.window->activateWindow();
    QVERIFY(h.active());
    QTRY_COMPARE(h.focused(), QString("ClickKameraDlina"));
    QCOMPARE(h.bal.focus()->name(), std::string("ClickKameraDlina"));
  }

  void closingAsksTwiceAndClosesTheOtherWindows_data() {
    QTest::addColumn<bool>("quit");
    QTest::addColumn<bool>("save");
    QTest::newRow("No, No") << false << false;
    QTest::newRow("No, Yes") << false << true;
    QTest::newRow("Yes, No") << true << false;
    QTest::newRow("Yes, Yes") << true << true;
  }
  void closingAsksTwiceAndClosesTheOtherWindows() {
    QFETCH(bool, quit);
    QFETCH(bool, save);
    Harness h;
    QTemporaryDir dir;
    h.window->setLicensePath(dir.filePath("License.txt"));
    int saved = 0;
    h.bal.SaveNameFileSave = [&] { ++saved; };
    h.window->showAbout();
    h.window->showLicense();
    h.window->printAction()->trigger();
    QPointer<QWidget> about = h.window->about(), license = h.window->license(),
                      preview = MDIPrint::find(h.window.get());
    QVERIFY(preview);
    h.prompter.answers = {quit, save};
    QCOMPARE(h.window->close(), quit);
    QCOMPARE(h.prompter.asked, (std::vector<std::string>{"Действительно хотите выйти ?", "Сохранить расчет ?"}));
    QCOMPARE(saved, save ? 1 : 0);
    QCOMPARE(h.window->isVisible(), !quit);
    QTRY_VERIFY(about.isNull());  // closed and gone whatever the answers
    QTRY_VERIFY(license.isNull());
    QTRY_VERIFY(preview.isNull());
    QVERIFY(h.window->isEnabled());
  }

  void questionsAreRussianYesNoBoxes_data() {
    QTest::addColumn<QString>("press");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Да") << "Да" << true;
    QTest::newRow("Нет") << "Нет" << false;
  }
  void questionsAreRussianYesNoBoxes() {
    QFETCH(QString, press);
    QFETCH(bool, answer);
    QtPrompter prompter(nullptr);
    QString title, text, buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      for (QAbstractButton* b : box->buttons()) {
        buttons += b->text().remove('&') + ' ';
        if (b->text().remove('&') == press) b->click();
      }
    });
    QCOMPARE(prompter.askYesNo("Сохранить расчет ?"), answer);
    QCOMPARE(title, QString("Kalteron"));
    QCOMPARE(text, QString("Сохранить расчет ?"));
    QCOMPARE(icon, QMessageBox::Question);
    QVERIFY2(buttons.contains("Да") && buttons.contains("Нет"), qPrintable(buttons));
  }

  void aboutIsModelessAndOpensTheTermsOfUse() {
    Harness h;
    QTemporaryDir dir;
    const QString path = dir.filePath("License.txt");
    h.window->setLicensePath(path);
    h.window->aboutAction()->trigger();
    OprogrammeOkno* about = h.window->about();
    QVERIFY(about != nullptr && about->isVisible());
    QVERIFY(!about->isModal());
    QCOMPARE(about->windowTitle(), QString("О программе"));
    QCOMPARE(about->findChild<QLabel*>("Label9")->text(), QString("Kalteron"));
    QVERIFY(!about->Label3->text().isEmpty());
    h.window->aboutAction()->trigger();  // shown again, not a second one
    QCOMPARE(h.window->about(), about);

    // The address opens on a click anywhere on its label, past its text too.
    QStringList opened;
    about->openUrl = [&](const QString& a) { opened << a; };
    QTest::mouseClick(about->windowHandle(), Qt::LeftButton, {},
                      about->Label5->geometry().topRight() + QPoint(-3, about->Label5->height() / 2));
    QCOMPARE(opened, QStringList{QString::fromUtf8(oprogramme::kSait)});

    QTest::mouseClick(about->Command2, Qt::LeftButton);
    License* license = h.window->license();
    QVERIFY(license != nullptr && license->isVisible());
    QCOMPARE(license->windowTitle(), QString("Лицензия"));
    QVERIFY(license->fileWritten());
    QCOMPARE(license->Command1->text(), QString("Я принимаю условия соглашения"));

    // The file: the terms in Windows-1251, every line ending in CR LF.
    const QByteArray bytes = readAll(path);
    const std::string terms = oprogramme::tekstLicenzii();
    QCOMPARE(bytes.toStdString(), utf8ToCp1251(terms) + "\r\n");
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(license->Text1->toPlainText(), QString::fromStdString(terms).replace("\r\n", "\n"));

    // Shown again while open: nothing written. Closed and opened: written anew.
    QFile::remove(path);
    QTest::mouseClick(about->Command2, Qt::LeftButton);
    QVERIFY(!QFile::exists(path));
    QTest::mouseClick(license->Command1, Qt::LeftButton);
    QTRY_VERIFY(h.window->license() == nullptr);
    QTest::mouseClick(about->Command2, Qt::LeftButton);
    QCOMPARE(readAll(path).toStdString(), utf8ToCp1251(terms) + "\r\n");

    QTest::mouseClick(about->Command1, Qt::LeftButton);
    QTRY_VERIFY(h.window->about() == nullptr);

    // Opened anew, Enter closes it: its default button has the focus.
    h.window->license()->close();
    h.window->aboutAction()->trigger();
    QVERIFY(QTest::qWaitForWindowActive(h.window->about()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(h.window->about() == nullptr);
  }

  // Enter presses the focused button of About and of the terms of use;
  // Escape closes About.
  void aboutAndTermsOfUseTakeTheKeyboard() {
    Harness h;
    QTemporaryDir dir;
    h.window->setLicensePath(dir.filePath("License.txt"));
    h.window->aboutAction()->trigger();
    OprogrammeOkno* about = h.window->about();
    QVERIFY(QTest::qWaitForWindowActive(about));
    about->Command2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(about->windowHandle(), Qt::Key_Return);
    QVERIFY(h.window->license() != nullptr);
    License* license = h.window->license();
    QVERIFY(QTest::qWaitForWindowActive(license));
    license->Command1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(license->windowHandle(), Qt::Key_Return);
    QTRY_VERIFY(h.window->license() == nullptr);

    about->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(about));
    about->Command2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(about->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(h.window->about() == nullptr);
  }

  // "Да" to quitting and a reflexive Escape at the save question: the
  // question stays until it is answered, and the answer counts.
  void escapeDoesNotAnswerAQuestion() {
    Bal bal;
    bal.Form_Load();
    auto window = std::make_unique<BalWindow>(bal);
    int saved = 0;
    bal.SaveNameFileSave = [&] { ++saved; };
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QStringList seen;
    whenShown([&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || seen.contains(box->text())) return false;
      seen << box->text();
      if (seen.size() == 1) {
        box->button(QMessageBox::Yes)->click();
        return false;  // on to the next question
      }
      QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
      QCloseEvent closeBox;  // what the window manager sends for the close box
      QSpontaneKeyEvent::setSpontaneous(&closeBox);
      QApplication::sendEvent(box->windowHandle(), &closeBox);
      const bool open = box->isVisible();
      box->button(open ? QMessageBox::Yes : QMessageBox::No)->click();
      return true;
    });
    QVERIFY(window->close());
    QCOMPARE(seen, (QStringList{"Действительно хотите выйти ?", "Сохранить расчет ?"}));
    QCOMPARE(saved, 1);
  }

  void termsOfUseShowEvenWhenTheFileCannotBeWritten() {
    Harness h;
    QTemporaryDir dir;
    h.window->setLicensePath(dir.filePath("no/such/folder/License.txt"));
    h.window->showLicense();
    License* license = h.window->license();
    QVERIFY(license->isVisible());
    QVERIFY(!license->fileWritten());
    QVERIFY(license->Text1->toPlainText().startsWith("Kalteron"));
  }
};

QTEST_MAIN(WindowShell)
#include "test_window_shell.moc"
