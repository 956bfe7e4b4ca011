// The preview frame and its page: opening, what the labels show, the toolbar,
// closing, and that every text fits its place on the sheet.
#include <QAction>
#include <QDate>
#include <QFontInfo>
#include <QLabel>
#include <QMdiArea>
#include <QToolBar>
#include <QtTest>

#include "../../qt_test_helpers.h"

using namespace kalteron;
using namespace kalteron::qt::test;

namespace {

QString labelText(MDIPrint* frame, const char* name) {
  auto* l = frame->page()->sheet()->findChild<QLabel*>(QString::fromLatin1(name));
  return l ? l->text() : QStringLiteral("<no label>");
}

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

class TestPreview : public QObject {
  Q_OBJECT

 private slots:
  // What the page copied is on the sheet, where and as the page says, and
  // stays while the main window changes.
  void labelsHoldTheCopiedTexts() {
    Preview p;
    p.bal.op.ClickKameraDlina.setText("12");
    MDIPrint* frame = p.open();
    QCOMPARE(frame->windowTitle(), QStringLiteral("Просмотр перед печатью"));
    QCOMPARE(labelText(frame, "ClickKameraDlina"), QStringLiteral("12"));
    QCOMPARE(labelText(frame, "ClickData"), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    const auto& labels = frame->page()->content().labels();
    const auto widgets = frame->page()->sheet()->findChildren<QLabel*>();
    QCOMPARE(std::size_t(widgets.size()), labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
      const PrintLabel& l = labels[i];
      QCOMPARE(widgets[int(i)]->text(), q(l.text));
      QCOMPARE(widgets[int(i)]->geometry(), QRect(l.left / 15, l.top / 15, l.width / 15, l.height / 15));
    }
    p.bal.op.ClickKameraDlina.setText("20");
    QCOMPARE(labelText(frame, "ClickKameraDlina"), QStringLiteral("12"));
  }

  void toolbarButtons() {
    Preview p;
    MDIPrint* frame = p.open();
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
    QVERIFY(!p.main.isEnabled());

    QPointer<MDIPrint> alive(frame);
    actions[2]->trigger();
    flushDeletes();
    QVERIFY(!alive);
    QVERIFY(p.main.isEnabled());
  }

  void closingRestoresTheMainWindow() {
    // The page alone: the main window is usable again, the frame stays, and
    // the next resize loads a fresh page with the values of that time.
    Preview p;
    MDIPrint* frame = p.open();
    QPointer<MDIPrint> alive(frame);
    frame->page()->close();
    flushDeletes();
    QVERIFY(p.main.isEnabled());
    QVERIFY(alive && !frame->page());
    p.bal.op.ClickKameraDlina.setText("7");
    frame->resize(900, 600);
    QVERIFY(frame->page());
    QVERIFY(!p.main.isEnabled());
    QCOMPARE(labelText(frame, "ClickKameraDlina"), QStringLiteral("7"));

    // The frame's own close box closes the page first.
    frame->close();
    flushDeletes();
    QVERIFY(!alive);
    QVERIFY(p.main.isEnabled());
  }

  void pageIsCentred() {
    Preview p;
    MDIPrint* frame = p.open();
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
    Preview p;
    Bal* bal = &p.bal;
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

      MDIPrint* frame = p.open();
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
      p.close();
    }
  }
};

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
