// The preview frame and its page: opening, what the labels show, the toolbar,
// closing, and that every text fits its place on the sheet.
#include <QAction>
#include <QDate>
#include <QFontInfo>
#include <QLabel>
#include <QMdiArea>
#include <QToolBar>
#include <QtTest>
#include <memory>

#include "mainwindow/Bal.h"
#include "report/qt/MDIPrint.h"

using namespace kalteron;

namespace {

QString labelText(MDIPrint* frame, const char* name) {
  auto* l = frame->page()->sheet()->findChild<QLabel*>(QString::fromLatin1(name));
  return l ? l->text() : QStringLiteral("<no label>");
}

QString q(const std::string& s) { return QString::fromStdString(s); }

void flushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

}  // namespace

class TestPreview : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    bal = std::make_unique<Bal>();
    bal->Form_Load();
    main = std::make_unique<QWidget>();
    main->show();
  }
  void cleanup() {
    closePreview(main.get());
    flushDeletes();
    main.reset();
    bal.reset();
  }

  void labelsHoldTheCopiedTexts_data() {
    QTest::addColumn<int>("chamber");
    QTest::addColumn<QString>("regime");
    QTest::addColumn<QString>("harakteristika");
    QTest::addColumn<QString>("rejimText");
    QTest::newRow("store, storage") << 0 << "Хранение"
                                    << "Характеристика камеры - Склад."
                                    << "Время работы оборудования час. :";
    QTest::newRow("store, cooling") << 0 << "Охлаждение"
                                    << "Характеристика камеры - Склад."
                                    << "Время обработки продукта час. :";
    QTest::newRow("pavilion, storage") << 1 << "Хранение"
                                       << "Характеристика камеры - Витрина."
                                       << "Время работы оборудования час. :";
    QTest::newRow("pavilion, cooling") << 1 << "Охлаждение"
                                       << "Характеристика камеры - Витрина."
                                       << "Время обработки продукта час. :";
  }
  void labelsHoldTheCopiedTexts() {
    QFETCH(int, chamber);
    QFETCH(QString, regime);
    QFETCH(QString, harakteristika);
    QFETCH(QString, rejimText);
    OpisanieKamery& op = bal->op;
    op.Option1.setValue(chamber, true);
    op.ClickRejim.setText(regime.toStdString());
    op.ClickRegion.setText("Москва");
    op.ClickKameraDlina.setText("12");
    op.ClickZakazsik.setText("ООО Север");
    if (chamber == 1) op.ClickZapolnenSteni[2].setText("35");
    bal->RaschetVse();

    MDIPrint* frame = openPreview(*bal, main.get());
    QCOMPARE(labelText(frame, "ClickHarakteristika"), harakteristika);
    QCOMPARE(labelText(frame, "ClickNeobhodRejimText"), rejimText);
    QCOMPARE(labelText(frame, "ClickRejim"), regime);
    QCOMPARE(labelText(frame, "ClickRegion"), QStringLiteral("Москва"));
    QCOMPARE(labelText(frame, "ClickTemperaturaVozduh"), QStringLiteral("28"));
    QCOMPARE(labelText(frame, "ClickKameraDlina"), QStringLiteral("12"));
    QCOMPARE(labelText(frame, "ClickZakazsik"), QStringLiteral("ООО Север"));
    QCOMPARE(labelText(frame, "ClickData"), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    QCOMPARE(labelText(frame, "ClickSteniStenaV"),
             q(chamber ? op.ClickStekloSteni[2].text() : op.ClickSteni[2].text()));
    QCOMPARE(labelText(frame, "ClickTolcinaSteniStenaV"),
             q(chamber ? op.ClickZapolnenSteni[2].text() : op.ClickTolcinaSteni[2].text()));
    QCOMPARE(labelText(frame, "PrintTablicaSteni(2)"),
             chamber ? QStringLiteral("Материал заполнения остекления камеры")
                     : QStringLiteral("Материал строительных конструкций камеры"));
    // Every label of the page is on the sheet, where and as the page says.
    const auto& labels = frame->page()->content().labels();
    const auto widgets = frame->page()->sheet()->findChildren<QLabel*>();
    QCOMPARE(std::size_t(widgets.size()), labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
      const PrintLabel& l = labels[i];
      QCOMPARE(widgets[int(i)]->text(), q(l.text));
      QCOMPARE(widgets[int(i)]->geometry(), QRect(l.left / 15, l.top / 15, l.width / 15, l.height / 15));
    }
    // The page keeps what it copied while the main window changes.
    op.ClickKameraDlina.setText("20");
    QCOMPARE(labelText(frame, "ClickKameraDlina"), QStringLiteral("12"));
  }

  void toolbarButtons() {
    MDIPrint* frame = openPreview(*bal, main.get());
    QCOMPARE(frame->toolbar()->objectName(), QStringLiteral("Toolbar1"));
    const QList<QAction*> actions = frame->toolbar()->actions();
    QCOMPARE(actions.size(), 3);
    const char* expected[3][3] = {{"Печать", "Print", "Печать отчёта"},
                                  {"Сохранить изображение", "Save", "Сохранить как изображение .bmp"},
                                  {"Закрыть", "Delete", "Закрыть это окно"}};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(actions[i]->text(), QString::fromUtf8(expected[i][0]));
      QCOMPARE(actions[i]->objectName(), QString::fromUtf8(expected[i][1]));
      QCOMPARE(actions[i]->toolTip(), QString::fromUtf8(expected[i][2]));
      QVERIFY(!actions[i]->icon().isNull());
    }
    // Keys are compared exactly: these do nothing.
    for (const char* key : {"delete", "DELETE", "", "Close"}) frame->Toolbar1_ButtonClick(QString::fromLatin1(key));
    QVERIFY(frame->page());
    QVERIFY(frame->isVisible());
    QVERIFY(!main->isEnabled());

    QPointer<MDIPrint> alive(frame);
    actions[2]->trigger();
    flushDeletes();
    QVERIFY(!alive);
    QVERIFY(main->isEnabled());
  }

  void closingRestoresTheMainWindow() {
    // The page alone: the main window is usable again, the frame stays, and
    // the next resize loads a fresh page with the values of that time.
    MDIPrint* frame = openPreview(*bal, main.get());
    QPointer<MDIPrint> alive(frame);
    frame->page()->close();
    flushDeletes();
    QVERIFY(main->isEnabled());
    QVERIFY(alive && !frame->page());
    bal->op.ClickKameraDlina.setText("7");
    frame->resize(900, 600);
    QVERIFY(frame->page());
    QVERIFY(!main->isEnabled());
    QCOMPARE(labelText(frame, "ClickKameraDlina"), QStringLiteral("7"));

    // The frame's own close box closes the page first.
    frame->close();
    flushDeletes();
    QVERIFY(!alive);
    QVERIFY(main->isEnabled());
  }

  void pageIsCentred() {
    MDIPrint* frame = openPreview(*bal, main.get());
    for (int w : {1200, 844, 500}) {
      frame->resize(w, 600);
      QCOMPARE(frame->page()->x(), (frame->frameGeometry().width() - frame->page()->width()) / 2);
    }
    QVERIFY(frame->page()->x() < 0);
  }

  // Every text stays inside its label on the sheet, for the widest item of
  // every list and wide numbers in every field.
  void textsFitTheirLabels() {
    QFont arial(QStringLiteral("Arial"));
    if (!QFontInfo(arial).family().contains(QStringLiteral("Liberation Sans")) &&
        QFontInfo(arial).family() != QStringLiteral("Arial"))
      QSKIP("no metric-compatible Arial installed");
    for (int chamber : {0, 1}) {
      bal->op.Option1.setValue(chamber, true);
      QFontMetrics fm(arial);
      for (Control* c : bal->controls()) {
        if (auto* l = dynamic_cast<ListBox*>(c)) {
          std::string widest = l->text();
          for (const auto& item : l->items())
            if (fm.horizontalAdvance(q(item)) > fm.horizontalAdvance(q(widest))) widest = item;
          auto handler = std::move(l->onClick);
          l->setText(widest);
          l->onClick = std::move(handler);
        }
      }
      for (Control* c : bal->controls()) {
        auto* t = dynamic_cast<TextBox*>(c);
        if (t && t->kind() == Kind::T && c != &bal->op.ClickZakazsik && c != &bal->op.ClickKontakt &&
            c != &bal->op.ClickVedusii)
          t->setText("-9999,99");
        if (auto* e = dynamic_cast<ComboBox*>(c)) e->setText("-9999,9");
      }
      for (Control* c : bal->rez.controls())
        if (auto* t = dynamic_cast<TextBox*>(c); t && c != &bal->rez.DihanieText1) t->setText("-99999,99");
      bal->RejimText4.setText("Время раб. обор.");

      MDIPrint* frame = openPreview(*bal, main.get());
      const auto labels = frame->page()->sheet()->findChildren<QLabel*>();
      QStringList clipped;
      for (QLabel* l : labels) {
        const QFontMetrics m(l->font());
        const QRect need = m.boundingRect(QRect(0, 0, l->width(), 1000),
                                          int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
        if (need.width() > l->width() || need.height() > l->height())
          clipped << QStringLiteral("'%1' needs %2x%3 in %4x%5")
                         .arg(l->text())
                         .arg(need.width())
                         .arg(need.height())
                         .arg(l->width())
                         .arg(l->height());
      }
      QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
      closePreview(main.get());
      flushDeletes();
    }
  }

 private:
  std::unique_ptr<Bal> bal;
  std::unique_ptr<QWidget> main;
};

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
