#include "mainwindow/qt/BalWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "mainwindow/qt/ChamberPicture.h"
#include "mainwindow/qt/License.h"
#include "mainwindow/qt/OprogrammeOkno.h"
#include "mainwindow/qt/Twips.h"
#include "projectfiles/qt/ProjectMenu.h"
#include "report/qt/PrintMenu.h"

namespace kalteron::qt {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// Back colours: the button face stands for the style's own colour.
void applyBackColor(QWidget* w, std::uint32_t rgb, QPalette::ColorRole role) {
  QPalette pal = w->palette();
  const QPalette base = QApplication::palette(w);
  QColor c;
  if (rgb == colour::ButtonFace)
    c = role == QPalette::Base ? base.color(QPalette::Window) : base.color(role);
  else if (rgb == colour::White && role == QPalette::Base)
    c = base.color(QPalette::Base);
  else
    c = QColor::fromRgb(static_cast<QRgb>(rgb));
  if (pal.color(QPalette::Active, role) == c && pal.color(QPalette::Inactive, role) == c) return;
  pal.setColor(QPalette::Active, role, c);
  pal.setColor(QPalette::Inactive, role, c);
  w->setPalette(pal);
}

void applyShown(QWidget* w, const Control& c) {
  if (w->isHidden() == c.visible()) w->setHidden(!c.visible());
  if (w->isEnabled() != c.enabled()) w->setEnabled(c.enabled());
}

// A choice box whose popup is as wide as its longest item, measured when the
// popup opens (measuring every list at start-up costs more than the window).
// The mouse wheel changes only the box that has the focus, and never gives it
// the focus: a turn of the wheel over the window must not pick a city or a
// material in passing (a city overwrites the surface temperatures).
class ChoiceBox : public QComboBox {
 public:
  explicit ChoiceBox(QWidget* parent) : QComboBox(parent) { setFocusPolicy(Qt::StrongFocus); }
  void wheelEvent(QWheelEvent* e) override {
    if (hasFocus())
      QComboBox::wheelEvent(e);
    else
      e->ignore();
  }
  void showPopup() override {
    int widest = width();
    const QFontMetrics fm(font());
    for (int i = 0; i < count(); ++i) widest = std::max(widest, fm.horizontalAdvance(itemText(i)) + 30);
    view()->setMinimumWidth(widest);
    QComboBox::showPopup();
  }
};

}  // namespace

BalWindow::BalWindow(Bal& bal, QWidget* parent) : QMainWindow(parent), bal_(bal), qtPrompter_(this) {
  prompter_ = &qtPrompter_;
  setObjectName(QStringLiteral("Bal"));
  setWindowTitle(q(bal_.Caption));

  buildMenu();
  new ProjectMenu(*this);
  wirePrintMenu(*this);
  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("area"));
  setCentralWidget(area);
  buildTop(area);
  buildTabOrder();

  binder_.refresh();
  resize(kWidth, kHeight);
}

BalWindow::~BalWindow() {
  // The model outlives the window; it must not call back into it.
  bal_.prompter = nullptr;
}

// ---- building -----------------------------------------------------------------

void BalWindow::buildMenu() {
  static const char* const kItems[5] = {"Создать новый", "Открыть", "Сохранить", "Печать", "О программе"};
  for (int i = 0; i < 5; ++i) {
    mnu_[i] = menuBar()->addAction(QString::fromUtf8(kItems[i]));
    mnu_[i]->setObjectName(QStringLiteral("MNU(%1)").arg(i));
    // The file commands are enabled by ProjectMenu, the print command by
    // wirePrintMenu.
    if (i < 4) mnu_[i]->setEnabled(false);
  }
  connect(mnu_[4], &QAction::triggered, this, &BalWindow::showAbout);
}

QGroupBox* BalWindow::frame(QWidget* parent, const QString& title, QRect r) {
  auto* g = new QGroupBox(title, parent);
  g->setGeometry(r);
  return g;
}

QLabel* BalWindow::caption(QWidget* parent, const QString& text, QRect r, QWidget* buddy) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(r);
  if (buddy != nullptr) {
    l->setBuddy(buddy);
    if (buddy->accessibleName().isEmpty()) buddy->setAccessibleName(text.trimmed());
  }
  return l;
}

QLabel* BalWindow::label(QWidget* parent, Label& c, QRect r, QWidget* buddy, bool sunken) {
  auto* l = new QLabel(parent);
  l->setObjectName(q(c.name()));
  l->setGeometry(r);
  if (sunken) {
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setIndent(3);
  }
  if (buddy != nullptr) l->setBuddy(buddy);
  widgetOf_[c.name()] = l;
  binder_.add(c, [l, &c, buddy] {
    const QString t = q(c.text());
    if (l->text() != t) {
      l->setText(t);
      // An input captioned by this label is called what the label says.
      if (buddy != nullptr) buddy->setAccessibleName(t.trimmed());
    }
    applyShown(l, c);
  });
  return l;
}

QLineEdit* BalWindow::text(QWidget* parent, TextBox& c, QRect r, const QString& accessible) {
  auto* le = new QLineEdit(parent);
  le->setObjectName(q(c.name()));
  le->setGeometry(r);
  if (!accessible.isEmpty()) le->setAccessibleName(accessible);
  widgetOf_[c.name()] = le;
  watchLineEdit(c, le);
  binder_.add(c, [le, &c] {
    const QString t = q(c.text());
    if (le->text() != t) le->setText(t);
    applyShown(le, c);
    applyBackColor(le, c.backColor(), QPalette::Base);
  });
  return le;
}

QLineEdit* BalWindow::result(QWidget* parent, TextBox& c, QRect r, const QString& accessible) {
  auto* le = new QLineEdit(parent);
  le->setObjectName(q(c.name()));
  le->setGeometry(r);
  le->setReadOnly(true);
  le->setFocusPolicy(Qt::NoFocus);
  le->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  le->setAccessibleName(accessible);
  widgetOf_[c.name()] = le;
  binder_.add(c, [le, &c] {
    const QString t = q(c.text());
    if (le->text() != t) {
      le->setText(t);
      le->setCursorPosition(0);
    }
    applyShown(le, c);
    applyBackColor(le, c.backColor(), QPalette::Base);
  });
  return le;
}

QComboBox* BalWindow::list(QWidget* parent, ListBox& c, QRect r, const QString& accessible) {
  auto* box = new ChoiceBox(parent);
  box->setObjectName(q(c.name()));
  box->setGeometry(r);
  box->setAccessibleName(accessible);
  box->setMaxVisibleItems(20);
  widgetOf_[c.name()] = box;
  watchList(c, box);
  binder_.add(c, [this, box, &c] {
    const QSignalBlocker block(box);
    const auto& items = c.items();
    bool same = box->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < box->count(); ++i) same = box->itemText(i) == q(items[static_cast<std::size_t>(i)]);
    if (!same) {
      box->clear();
      for (const std::string& item : items) box->addItem(q(item));
    }
    if (box->currentIndex() != c.listIndex()) box->setCurrentIndex(c.listIndex());
    applyShown(box, c);
    (void)this;
  });
  return box;
}

QComboBox* BalWindow::edit(QWidget* parent, ComboBox& c, QRect r, const QString& accessible) {
  auto* box = new ChoiceBox(parent);
  box->setObjectName(q(c.name()));
  box->setGeometry(r);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);  // completion would bypass the key filter
  box->setAccessibleName(accessible);
  box->setMaxVisibleItems(20);
  widgetOf_[c.name()] = box;
  watchEdit(c, box);
  binder_.add(c, [box, &c] {
    const QSignalBlocker block(box);
    if (box->count() != static_cast<int>(c.items().size())) {
      box->clear();
      for (const std::string& item : c.items()) box->addItem(q(item));
    }
    const QString t = q(c.text());
    if (box->currentText() != t) {
      box->setCurrentIndex(c.indexOf(c.text()));
      box->setEditText(t);
    }
    applyShown(box, c);
    applyBackColor(box->lineEdit(), c.backColor(), QPalette::Base);
  });
  return box;
}

QCheckBox* BalWindow::check(QWidget* parent, CheckBox& c, const QString& text, QRect r) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(q(c.name()));
  box->setGeometry(r);
  widgetOf_[c.name()] = box;
  watch(c, box);
  connect(box, &QCheckBox::clicked, this, [this, &c] {
    act([&] { bal_.clickCheck(c); });
    pokazat(c);
  });
  binder_.add(c, [box, &c] {
    const Qt::CheckState s = c.value() == 0 ? Qt::Unchecked : (c.value() == 1 ? Qt::Checked : Qt::PartiallyChecked);
    box->setTristate(s == Qt::PartiallyChecked);
    if (box->checkState() != s) box->setCheckState(s);
    applyShown(box, c);
  });
  return box;
}

QRadioButton* BalWindow::option(QWidget* parent, OptionGroup& g, int index, const QString& text, QRect r) {
  auto* b = new QRadioButton(text, parent);
  const std::string name = g.buttonName(index);
  b->setObjectName(q(name));
  b->setGeometry(r);
  widgetOf_[name] = b;
  watch(g, b);
  connect(b, &QRadioButton::clicked, this, [this, &g, index] {
    act([&] { bal_.clickOption(g, index); });
    pokazat(g);
  });
  binder_.add(g, [b, &g, index] {
    const bool on = g.value(index);
    if (b->isChecked() != on) {
      // The buttons of a group are exclusive, and Qt never clears the one
      // that is on; the model may leave both off for a moment.
      b->setAutoExclusive(false);
      b->setChecked(on);
      b->setAutoExclusive(true);
    }
    // Tab enters the group at its selected button and leaves it with the
    // next Tab; the arrows move within it.
    const Qt::FocusPolicy policy = index == std::max(0, g.selected()) ? Qt::StrongFocus : Qt::ClickFocus;
    if (b->focusPolicy() != policy) b->setFocusPolicy(policy);
    applyShown(b, g);
  });
  return b;
}

QPushButton* BalWindow::command(QWidget* parent, Widget& c, const QString& text, QRect r) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(q(c.name()));
  b->setGeometry(r);
  b->setAutoDefault(true);  // Enter presses the focused button, as Space does
  widgetOf_[c.name()] = b;
  watch(c, b);
  connect(b, &QPushButton::clicked, this, [this, &c] { act([&] { bal_.clickButton(c); }); });
  binder_.add(c, [b, &c] {
    applyShown(b, c);
    applyBackColor(b, c.backColor(), QPalette::Button);
  });
  return b;
}

void BalWindow::bindCommon(Control& c, QWidget* w) {
  w->setObjectName(q(c.name()));
  widgetOf_[c.name()] = w;
  binder_.add(c, [w, &c] { applyShown(w, c); });
}

void BalWindow::buildTop(QWidget* area) {
  OpisanieKamery& op = bal_.op;

  QGroupBox* klimat = frame(area, QStringLiteral("Климатические параметры"), QRect(4, 2, 372, 100));
  caption(klimat, QStringLiteral("Район строительства"), QRect(8, 20, 160, 22),
          list(klimat, op.ClickRegion, QRect(172, 20, 192, 22), QStringLiteral("Район строительства")));
  caption(klimat, QStringLiteral("Относительная влажность, %"), QRect(8, 46, 160, 22),
          text(klimat, op.ClickVlajnostVozduh, QRect(172, 46, 50, 22), {}));
  caption(klimat, QStringLiteral("Температура воздуха, °С"), QRect(8, 72, 160, 22),
          text(klimat, op.ClickTemperaturaVozduh, QRect(172, 72, 50, 22), {}));

  QGroupBox* kontakty = frame(area, QStringLiteral("Контакты"), QRect(380, 2, 404, 100));
  caption(kontakty, QStringLiteral("Заказчик"), QRect(8, 20, 138, 22),
          text(kontakty, op.ClickZakazsik, QRect(148, 20, 248, 22), {}));
  caption(kontakty, QStringLiteral("Координаты и контакты"), QRect(8, 46, 138, 22),
          text(kontakty, op.ClickKontakt, QRect(148, 46, 248, 22), {}));
  caption(kontakty, QStringLiteral("Ведущий специалист"), QRect(8, 72, 138, 22),
          text(kontakty, op.ClickVedusii, QRect(148, 72, 248, 22), {}));

  QGroupBox* rejim = frame(area, QStringLiteral("Режимы работы камеры"), QRect(788, 2, 195, 152));
  caption(rejim, QStringLiteral("Режим"), QRect(8, 20, 48, 22),
          list(rejim, op.ClickRejim, QRect(58, 20, 129, 22), QStringLiteral("Режим")));
  caption(rejim, QStringLiteral("Температура, °С"), QRect(8, 46, 110, 22),
          edit(rejim, op.ClickTemperaturaKamera, QRect(120, 46, 67, 22), {}));
  caption(rejim, QStringLiteral("Влажность, %"), QRect(8, 72, 110, 22),
          edit(rejim, op.ClickVlajnostKamera, QRect(120, 72, 67, 22), {}));
  QComboBox* vremia = edit(rejim, op.ClickVremiaKamera, QRect(120, 98, 67, 22), {});
  label(rejim, bal_.RejimText4, QRect(8, 98, 110, 22), vremia);
  caption(rejim, QStringLiteral("Коэф. запаса, %"), QRect(8, 124, 110, 22),
          edit(rejim, op.ClickZapasKamera, QRect(120, 124, 67, 22), {}));

  auto* har = frame(area, QStringLiteral("Характеристики :"), QRect(4, 104, 780, 404));
  har->setObjectName(QStringLiteral("Harakteristiki"));
  buildCharacteristics(har);

  QGroupBox* gains = frame(area, QStringLiteral("Теплопоступления"), QRect(788, 156, 195, 352));
  buildGains(gains);
}

void BalWindow::buildCharacteristics(QGroupBox* har) {
  OpisanieKamery& op = bal_.op;

  QGroupBox* param = frame(har, QStringLiteral("Параметры камеры"), QRect(6, 16, 242, 378));
  param->setObjectName(QStringLiteral("ParametryKamery"));
  bindCommon(bal_.ImageKamera1, new ChamberPicture(false, param));
  bindCommon(bal_.ImageKamera2, new ChamberPicture(true, param));
  bindCommon(bal_.ImageKamera3, new ChamberPicture(false, param));
  bindCommon(bal_.ImageKamera4, new ChamberPicture(true, param));
  widgetOf_["ImageKamera1"]->setGeometry(twRect(90, 540, 1500, 1125));
  widgetOf_["ImageKamera2"]->setGeometry(twRect(90, 540, 1500, 1125));
  widgetOf_["ImageKamera3"]->setGeometry(twRect(495, 3510, 2250, 1455));
  widgetOf_["ImageKamera4"]->setGeometry(twRect(495, 3510, 2250, 1455));

  const struct {
    const char* caption;
    TextBox* field;
  } dims[] = {{"Ширина", &op.ClickKameraSirina}, {"Длина", &op.ClickKameraDlina}, {"Высота", &op.ClickKameraVisota}};
  int y = 36;
  for (const auto& d : dims) {
    QLineEdit* f = text(param, *d.field, QRect(160, y, 52, 21), QString::fromUtf8(d.caption) + QStringLiteral(", м"));
    caption(param, QString::fromUtf8(d.caption), QRect(112, y, 46, 21), f);
    caption(param, QStringLiteral("м."), QRect(216, y, 22, 21));
    y += 26;
  }
  caption(param, QStringLiteral("Объем"), QRect(10, 124, 48, 20));
  label(param, bal_.rez.ClickKameraObiem, QRect(60, 124, 76, 20), nullptr, true)
      ->setAccessibleName(QStringLiteral("Объем, куб.м."));
  caption(param, QStringLiteral("куб.м."), QRect(140, 124, 50, 20));
  label(param, bal_.rez.ClickKameraPlosad, QRect(60, 146, 76, 20), nullptr, true);

  auto* type = frame(param, QStringLiteral("Тип камеры"), QRect(112, 150, 122, 68));
  option(type, op.Option1, 0, QStringLiteral("Склад"), QRect(10, 20, 104, 20));
  option(type, op.Option1, 1, QStringLiteral("Павильон"), QRect(10, 42, 104, 20));

  static const char* const kPages[5] = {"Камера", "Продукт", "Эксплуатация", "Механизация", "Воздухоохладители"};
  static const int kLeft[5] = {3810, 5190, 6570, 8115, 9615};
  static const int kWidthTw[5] = {1300, 1305, 1470, 1440, 1995};
  for (std::size_t i = 0; i < 5; ++i) {
    command(har, bal_.Parametr[i], QString::fromUtf8(kPages[i]), twRect(kLeft[i], 270, kWidthTw[i], 330));

    auto* page = new QGroupBox(har);
    page->setGeometry(twRect(3800, 490, 7845, 5415));
    bindCommon(bal_.Frame5[i], page);
  }
  // The pages reach up under the buttons' lower edge: the buttons lie above
  // them, so a press anywhere on a button reaches it.
  for (const Widget& b : bal_.Parametr) widgetOf_[b.name()]->raise();
  buildPage1(widgetOf_["Frame5(1)"]);
  buildPage2(widgetOf_["Frame5(2)"]);
  buildPage3(widgetOf_["Frame5(3)"]);
  buildPage4(widgetOf_["Frame5(4)"]);
  buildPage5(widgetOf_["Frame5(5)"]);
}

// The enclosure table, laid out in twips relative to the page.
void BalWindow::buildPage1(QWidget* page) {
  OpisanieKamery& op = bal_.op;
  const auto header = [page](QLabel* l) {
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    (void)page;
    return l;
  };
  header(label(page, bal_.SteniNadpis0, twRect(1350, 465, 1095, 375)));
  header(label(page, bal_.SteniNadpis1, twRect(2970, 465, 1005, 420)));
  header(caption(page, QStringLiteral("Материал теплоизоляции"), twRect(4500, 465, 1230, 420)));
  header(caption(page, QStringLiteral("Толщина (мм)"), twRect(5850, 465, 735, 420)));
  header(caption(page, QStringLiteral("Темп-ра снаружи"), twRect(6705, 465, 825, 420)));

  static const int kRowTop[kSurfaces] = {870, 1455, 2040, 2625, 4200, 4785};
  static const int kCaptionWidth[kSurfaces] = {600, 600, 600, 600, 645, 330};
  const QFontMetrics fm(font());
  for (std::size_t s = 0; s < static_cast<std::size_t>(kSurfaces); ++s) {
    const int top = kRowTop[s];
    const QString row = QString::fromUtf8(kSurfaceCaption[s]);
    // A caption never narrower than its text: the first control starts at
    // Left 1125, so there is room.
    QRect cap = twRect(405, top + 45, kCaptionWidth[s], 195);
    cap.setWidth(std::max(cap.width(), fm.horizontalAdvance(row)));
    cap.setHeight(std::max(cap.height(), fm.height()));
    caption(page, row, cap);
    list(page, op.ClickSteni[s], twRect(1170, top, 1680, 315), row + QStringLiteral(", материал стен"));
    list(page, op.ClickStekloSteni[s], twRect(1125, top, 1950, 315), row + QStringLiteral(", выбор остекления"));
    text(page, op.ClickTolcinaSteni[s], twRect(3195, top, 600, 330), row + QStringLiteral(", толщина стены"));
    text(page, op.ClickZapolnenSteni[s], twRect(3240, top, 600, 330), row + QStringLiteral(", заполнение %"));
    list(page, op.ClickIzolaicii[s], twRect(4185, top, 1680, 315), row + QStringLiteral(", материал теплоизоляции"));
    text(page, op.ClickTolcinaIzolaicii[s], twRect(5940, top, 600, 330),
         row + QStringLiteral(", толщина теплоизоляции"));
    text(page, op.ClickTemperatura[s], twRect(6840, top, 600, 330), row + QStringLiteral(", температура снаружи"));
    // Never shown on the window; the report prints them.
    label(page, bal_.rez.ClickTeplopritok[s], QRect(0, 0, 1, 1));
  }
  command(page, bal_.ClickSteniPoPervoiStroke, QStringLiteral("Всё по первой строке"), twRect(2655, 3210, 2595, 285));
  command(page, bal_.ClickSteniPoPervoiStroke2, QStringLiteral("Стены по первой строке"),
          twRect(2655, 3660, 2595, 285));

  auto* line = new QFrame(page);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(px(3960) - 1, px(510), 3, px(5235 - 510));
  line->lower();  // drawn on the page, behind the buttons
}

void BalWindow::buildPage2(QWidget* page) {
  OpisanieKamery& op = bal_.op;
  Bal& b = bal_;

  QGroupBox* produkt = frame(page, QStringLiteral("Продукт"), QRect(6, 4, 256, 206));
  caption(produkt, QStringLiteral("Категория"), QRect(8, 20, 70, 22),
          list(produkt, op.ClickProduktKategoria, QRect(80, 20, 168, 22), QStringLiteral("Категория продукта")));
  list(produkt, op.ClickProduktProdukt, QRect(8, 46, 240, 22), QStringLiteral("Продукт"));
  const int fx = 176, fw = 72;
  label(produkt, b.ProduktText3, QRect(8, 72, 166, 22),
        text(produkt, op.ClickProduktHranMassa, QRect(fx, 72, fw, 22), {}));
  label(produkt, b.ProduktText4, QRect(8, 98, 166, 22),
        text(produkt, op.ClickProduktSutkiOborot, QRect(fx, 98, fw, 22), {}));
  caption(produkt, QStringLiteral("Температура начальная"), QRect(8, 124, 166, 22),
          text(produkt, op.ClickProduktTemperNasalnaia, QRect(fx, 124, fw, 22),
               QStringLiteral("Продукт, температура начальная")));
  caption(produkt, QStringLiteral("Температура конечная"), QRect(8, 150, 166, 22),
          text(produkt, op.ClickProduktTemperKones, QRect(fx, 150, fw, 22),
               QStringLiteral("Продукт, температура конечная")));
  caption(produkt, QStringLiteral("Точка замерзания"), QRect(8, 176, 166, 22),
          result(produkt, b.rez.ClickProduktTemperZamerz, QRect(fx, 176, fw, 22), QStringLiteral("Точка замерзания")));

  QGroupBox* tara = frame(page, QStringLiteral("Тара"), QRect(266, 4, 251, 152));
  caption(tara, QStringLiteral("Материал"), QRect(8, 20, 70, 22),
          list(tara, op.ClickTaraMaterial, QRect(80, 20, 163, 22), QStringLiteral("Материал тары")));
  const int tx = 171;
  label(tara, b.TaraText2, QRect(8, 46, 160, 22), text(tara, op.ClickTaraHranMassa, QRect(tx, 46, fw, 22), {}));
  label(tara, b.TaraText3, QRect(8, 72, 160, 22), text(tara, op.ClickTaraSutkiOborot, QRect(tx, 72, fw, 22), {}));
  caption(
      tara, QStringLiteral("Температура начальная"), QRect(8, 98, 160, 22),
      text(tara, op.ClickTaraTemperNasalnaia, QRect(tx, 98, fw, 22), QStringLiteral("Тара, температура начальная")));
  caption(tara, QStringLiteral("Температура конечная"), QRect(8, 124, 160, 22),
          text(tara, op.ClickTaraTemperKones, QRect(tx, 124, fw, 22), QStringLiteral("Тара, температура конечная")));
  // The packaging's captions name the packaging too.
  widgetOf_["ClickTaraHranMassa"]->setAccessibleName(QStringLiteral("Тара, хранимая масса кг."));

  QGroupBox* dihanie = frame(page, QStringLiteral("Дыхание продукта"), QRect(266, 160, 251, 50));
  caption(dihanie, QStringLiteral("Дыхание -"), QRect(8, 20, 64, 22));
  label(dihanie, b.rez.DihanieText1, QRect(74, 20, 120, 22));

  QGroupBox* zagruzka = frame(page, QStringLiteral("Расчет полной загрузки камеры"), QRect(6, 216, 511, 138));
  caption(zagruzka, QStringLiteral("Высота штабелирования"), QRect(8, 24, 150, 22),
          text(zagruzka, op.ClickZagruzkaVisota, QRect(160, 24, 60, 22), {}));
  caption(zagruzka, QStringLiteral("м."), QRect(226, 24, 40, 22));
  caption(zagruzka, QStringLiteral("Плотность укладки"), QRect(8, 52, 150, 22),
          text(zagruzka, op.ClickZagruzkaPlotnost, QRect(160, 52, 60, 22), {}));
  caption(zagruzka, QStringLiteral("кг/м3."), QRect(226, 52, 50, 22));
  QGroupBox* oborot = frame(zagruzka, QStringLiteral("Скорость оборота"), QRect(290, 18, 212, 56));
  option(oborot, op.ClickZagruzkaOborot, 0, QStringLiteral("Малая"), QRect(12, 24, 90, 20));
  option(oborot, op.ClickZagruzkaOborot, 1, QStringLiteral("Большая"), QRect(108, 24, 96, 20));
  command(zagruzka, b.ClickZagruzkaPolnaia, QStringLiteral("Полная загрузка"), QRect(290, 90, 212, 28));
}

void BalWindow::buildPage3(QWidget* page) {
  OpisanieKamery& op = bal_.op;

  QGroupBox* dveri = frame(page, QStringLiteral("Двери"), QRect(6, 4, 511, 98));
  caption(dveri, QStringLiteral("Высота двери, просвет, (м)"), QRect(8, 20, 168, 22),
          text(dveri, op.ClickDverVisota, QRect(178, 20, 56, 22), {}));
  caption(dveri, QStringLiteral("Ширина двери, просвет, (м)"), QRect(8, 46, 168, 22),
          text(dveri, op.ClickDverShirina, QRect(178, 46, 56, 22), {}));
  check(dveri, op.ClickDverTip, QStringLiteral("Авто-дверь"), QRect(8, 72, 160, 22));
  caption(dveri, QStringLiteral("Тип товара"), QRect(256, 20, 70, 22),
          list(dveri, op.ClickDverTipTovara, QRect(328, 20, 175, 22), {}));
  caption(dveri, QStringLiteral("Завеса"), QRect(256, 46, 70, 22),
          list(dveri, op.ClickDverZavesa, QRect(328, 46, 175, 22), {}));

  QGroupBox* osv = frame(page, QStringLiteral("Освещение"), QRect(6, 108, 511, 76));
  caption(osv, QStringLiteral("Мощность освещения Вт/м2"), QRect(8, 20, 222, 22),
          text(osv, op.ClickOsvesenieMosnost, QRect(230, 20, 50, 22), {}));
  caption(osv, QStringLiteral("Время работы освещения в камере (ч/сут)"), QRect(8, 46, 222, 22),
          text(osv, op.ClickOsvesenieVremia, QRect(230, 46, 50, 22), {}));
  check(osv, op.ClickOsvesenieRekomenduemoe, QStringLiteral("Установить рекомендуемое значение"),
        QRect(286, 20, 222, 22));

  QGroupBox* pts = frame(page, QStringLiteral("ПТС"), QRect(6, 190, 511, 100));
  caption(pts, QStringLiteral("Полная мощность ПТС, (кВт)"), QRect(8, 20, 252, 22),
          text(pts, op.ClickPtsMosnost, QRect(262, 20, 56, 22), {}));
  caption(pts, QStringLiteral("Грузоподъемность транспортного средства кг."), QRect(8, 46, 252, 22),
          text(pts, op.ClickPtsGruzopodiemnost, QRect(262, 46, 56, 22), {}));
  caption(pts, QStringLiteral("Время работы ПТС час/сут."), QRect(8, 72, 252, 22),
          text(pts, op.ClickPtsVremia, QRect(262, 72, 56, 22), {}));
  caption(pts, QStringLiteral("Количество проходов в камеру"), QRect(330, 20, 176, 22));
  label(pts, bal_.rez.ClickPtsKolisestvoProhodov, QRect(330, 46, 80, 22), nullptr, true)
      ->setAccessibleName(QStringLiteral("Количество проходов в камеру"));

  QGroupBox* rabochie = frame(page, QStringLiteral("Рабочие"), QRect(6, 296, 511, 54));
  caption(rabochie, QStringLiteral("Рабочие в камере, (чел.)"), QRect(8, 22, 150, 22),
          text(rabochie, op.ClickPersonalKolichestvo, QRect(160, 22, 56, 22), {}));
  caption(
      rabochie, QStringLiteral("Время работы  час/сут."), QRect(256, 22, 140, 22),
      text(rabochie, op.ClickPersonalVremia, QRect(400, 22, 56, 22), QStringLiteral("Рабочие, время работы час/сут.")));
}

void BalWindow::buildPage4(QWidget* page) {
  OpisanieKamery& op = bal_.op;

  QGroupBox* vent = frame(page, QStringLiteral("Вентиляция"), QRect(6, 4, 511, 78));
  caption(vent, QStringLiteral("Кратность вентиляции "), QRect(8, 20, 230, 22),
          text(vent, op.ClickVentilasiaKratnost, QRect(240, 20, 60, 22), {}));
  check(vent, op.ClickVentilasiaKratnostSamostoiatelno, QStringLiteral("Ввести кратность самостоятельно"),
        QRect(8, 48, 300, 22));

  const struct {
    const char* group;
    TextBox* power;
    TextBox* hours;
  } groups[] = {{"Лампы накаливания", &op.ClickLampaMosnost, &op.ClickLampaVremia},
                {"Электродвигатели", &op.ClickDvigateliMosnost, &op.ClickDvigateliVremia},
                {"Прочее оборудование", &op.ClickProcheeOborudMosnost, &op.ClickProcheeOborudVremia}};
  int y = 88;
  for (const auto& g : groups) {
    const QString name = QString::fromUtf8(g.group);
    QGroupBox* box = frame(page, name, QRect(6, y, 511, 78));
    caption(box, QStringLiteral("Полная мощность, (кВт)"), QRect(8, 20, 230, 22),
            text(box, *g.power, QRect(240, 20, 60, 22), name + QStringLiteral(", полная мощность, (кВт)")));
    caption(box, QStringLiteral("Время работы  (час/сутки)"), QRect(8, 46, 230, 22),
            text(box, *g.hours, QRect(240, 46, 60, 22), name + QStringLiteral(", время работы (час/сутки)")));
    y += 84;
  }
}

void BalWindow::buildPage5(QWidget* page) {
  OpisanieKamery& op = bal_.op;
  QGroupBox* vo = frame(page, QStringLiteral("Воздухоохладители"), QRect(6, 4, 511, 150));
  caption(vo, QStringLiteral("Предварительный учет теплопритока от ВО , (% от Qх)"), QRect(8, 22, 330, 22),
          text(vo, op.ClickVOpredvaritelno, QRect(346, 22, 60, 22), {}));
  check(vo, op.ClickVOutochnauchiiRaschet, QStringLiteral("Уточняющий расчет"), QRect(8, 54, 250, 22));
  caption(vo, QStringLiteral("Количество вентиляторов ВО"), QRect(28, 84, 310, 22),
          text(vo, op.ClickVOkolichestvoVentilatorov, QRect(346, 84, 60, 22), {}));
  caption(vo, QStringLiteral("Мощность вентиляторов ВО , (кВт)"), QRect(28, 112, 310, 22),
          text(vo, op.ClickVOmochnostVentilatorov, QRect(346, 112, 60, 22), {}));
}

void BalWindow::buildGains(QGroupBox* g) {
  OpisanieKamery& op = bal_.op;
  RezultatyRascheta& rez = bal_.rez;
  const struct {
    CheckBox* sw;
    const char* caption;
    TextBox* value;
  } rows[] = {{&op.CheckClickTeplopritokCteni, "Камера", &rez.ClickTeplopritokCteni},
              {&op.CheckClickTeplopritokProdukt, "Продукт", &rez.ClickTeplopritokProdukt},
              {&op.CheckClickTeplopritokDihanie, "Дыхание", &rez.ClickTeplopritokDihanie},
              {&op.CheckClickTeplopritokDveri, "Двери", &rez.ClickTeplopritokDveri},
              {&op.CheckClickTeplopritokOsvesenie, "Освещение", &rez.ClickTeplopritokOsvesenie},
              {&op.CheckClickTeplopritokPTS, "ПТС", &rez.ClickTeplopritokPTS},
              {&op.CheckClickTeplopritokPersonal, "Персонал", &rez.ClickTeplopritokPersonal},
              {&op.CheckClickTeplopritokOborudovanie, "Оборудов.", &rez.ClickTeplopritokOborudovanie},
              {&op.CheckClickTeplopritokVOiTEN, "ВО и ТЭН", &rez.ClickTeplopritokVOiTEN}};
  int y = 20;
  for (const auto& r : rows) {
    const QString name = QString::fromUtf8(r.caption);
    check(g, *r.sw, name, QRect(8, y, 98, 22));
    result(g, *r.value, QRect(108, y, 60, 22), QStringLiteral("Теплоприток: ") + name + QStringLiteral(", кВт"));
    caption(g, QStringLiteral("кВт"), QRect(171, y, 22, 22));
    y += 24;
  }
  auto* line = new QFrame(g);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(8, y + 2, 179, 3);
  y += 10;
  caption(g, QStringLiteral("Суммарно :"), QRect(8, y, 98, 22));
  result(g, rez.ClickTeplopritokSumma, QRect(108, y, 60, 22), QStringLiteral("Суммарно, кВт"));
  caption(g, QStringLiteral("кВт"), QRect(171, y, 22, 22));
  y += 26;
  caption(g, QStringLiteral("Необходимо Q="), QRect(8, y, 98, 22));
  QLineEdit* q0 = result(g, rez.ClickTeplopritokSummKoeff, QRect(108, y, 60, 22), QStringLiteral("Необходимо Q, кВт"));
  QFont bold = q0->font();
  bold.setBold(true);
  q0->setFont(bold);
  caption(g, QStringLiteral("кВт"), QRect(171, y, 22, 22));
  y += 32;
  label(g, rez.NeobhodRejimText, QRect(8, y, 181, 20));
  label(g, rez.NeobhodKoefZapas, QRect(8, y + 20, 181, 20));
}

// Tab order: the region first, then the top area, the pages (the enclosure
// table row by row, its glazing columns after it from the floor up), the
// gain switches and the contacts.
void BalWindow::buildTabOrder() {
  std::vector<std::string> order = {"ClickRegion",       "ClickVlajnostVozduh",    "ClickTemperaturaVozduh",
                                    "ClickRejim",        "ClickTemperaturaKamera", "ClickVlajnostKamera",
                                    "ClickVremiaKamera", "ClickZapasKamera",       "ClickKameraSirina",
                                    "ClickKameraDlina",  "ClickKameraVisota",      "Option1(0)",
                                    "Option1(1)"};
  for (int i = 1; i <= 5; ++i) order.push_back("Parametr(" + std::to_string(i) + ")");
  for (const char* s : kSurfaceSuffix)
    for (const char* col :
         {"ClickSteni", "ClickTolcinaSteni", "ClickIzolaicii", "ClickTolcinaIzolaicii", "ClickTemperatura"})
      order.push_back(std::string(col) + s);
  order.insert(order.end(), {"ClickSteniPoPervoiStroke", "ClickSteniPoPervoiStroke2"});
  for (int s = kSurfaces - 1; s >= 0; --s) {
    order.push_back(std::string("ClickStekloSteni") + kSurfaceSuffix[static_cast<std::size_t>(s)]);
    order.push_back(std::string("ClickZapolnenSteni") + kSurfaceSuffix[static_cast<std::size_t>(s)]);
  }
  // clang-format off
  order.insert(order.end(),
               {"ClickProduktKategoria", "ClickProduktProdukt", "ClickProduktHranMassa", "ClickProduktSutkiOborot",
                "ClickProduktTemperNasalnaia", "ClickProduktTemperKones", "ClickTaraMaterial", "ClickTaraHranMassa",
                "ClickTaraSutkiOborot", "ClickTaraTemperNasalnaia", "ClickTaraTemperKones", "ClickZagruzkaVisota",
                "ClickZagruzkaPlotnost", "ClickZagruzkaOborot(0)", "ClickZagruzkaOborot(1)", "ClickZagruzkaPolnaia",
                "ClickDverVisota", "ClickDverShirina", "ClickDverTip", "ClickDverTipTovara", "ClickDverZavesa",
                "ClickOsvesenieMosnost", "ClickOsvesenieVremia", "ClickOsvesenieRekomenduemoe", "ClickPtsMosnost",
                "ClickPtsGruzopodiemnost", "ClickPtsVremia", "ClickPersonalKolichestvo", "ClickPersonalVremia",
                "ClickVentilasiaKratnost", "ClickVentilasiaKratnostSamostoiatelno", "ClickLampaMosnost",
                "ClickLampaVremia", "ClickDvigateliMosnost", "ClickDvigateliVremia", "ClickProcheeOborudMosnost",
                "ClickProcheeOborudVremia", "ClickVOpredvaritelno", "ClickVOutochnauchiiRaschet",
                "ClickVOkolichestvoVentilatorov", "ClickVOmochnostVentilatorov", "CheckClickTeplopritokCteni",
                "CheckClickTeplopritokProdukt", "CheckClickTeplopritokDihanie", "CheckClickTeplopritokDveri",
                "CheckClickTeplopritokOsvesenie", "CheckClickTeplopritokPTS", "CheckClickTeplopritokPersonal",
                "CheckClickTeplopritokOborudovanie", "CheckClickTeplopritokVOiTEN", "ClickZakazsik", "ClickKontakt",
                "ClickVedusii"});
  // clang-format on
  QWidget* prev = nullptr;
  for (const std::string& name : order) {
    QWidget* w = widget(name);
    if (w == nullptr) continue;
    if (prev != nullptr) setTabOrder(prev, w);
    prev = w;
  }
}

// ---- lookups ------------------------------------------------------------------

QWidget* BalWindow::widget(const std::string& name) const {
  const auto it = widgetOf_.find(name);
  return it == widgetOf_.end() ? nullptr : it->second;
}

// ---- windows ------------------------------------------------------------------

void BalWindow::registerWindow(const std::string& name, QWidget* w) { windows_[name] = w; }

OprogrammeOkno* BalWindow::about() const {
  const auto it = windows_.find("OprogrammeOkno");
  return it == windows_.end() ? nullptr : qobject_cast<OprogrammeOkno*>(it->second.data());
}

License* BalWindow::license() const {
  const auto it = windows_.find("License");
  return it == windows_.end() ? nullptr : qobject_cast<License*>(it->second.data());
}

void BalWindow::showAbout() {
  OprogrammeOkno* w = about();
  if (w == nullptr) {
    w = new OprogrammeOkno(this);
    w->onLicense = [this] { showLicense(); };
    registerWindow("OprogrammeOkno", w);
  }
  w->show();
  w->raise();
  w->activateWindow();
}

void BalWindow::showLicense() {
  License* w = license();
  if (w == nullptr) {
    w = new License(this, licensePath_);
    registerWindow("License", w);
  }
  w->show();
  w->raise();
  w->activateWindow();
}

void BalWindow::closeEvent(QCloseEvent* event) {
  bal_.prompter = prompter_;
  const Bal::Zakrytie z = bal_.Form_QueryUnload();
  for (const std::string& name : z.zakryt) {
    const auto it = windows_.find(name);
    if (it != windows_.end() && it->second) it->second->close();
  }
  if (z.cancel)
    event->ignore();
  else
    event->accept();
}

void BalWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Disabling the window (the report page is open) takes the focus from its
  // field; enabled again, the field gets it back, without a leave or entry
  // step: the focus never moved for the model.
  if (event->type() == QEvent::EnabledChange && isEnabled()) syncFocus(false);
}

// The normal window keeps its size; maximised and minimised are left alone.
void BalWindow::applyFixedSize() {
  if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  const QSize frameExtra = frameGeometry().size() - geometry().size();
  const QSize target = QSize(kWidth, kHeight) - frameExtra;
  if (size() != target) resize(target);
}

void BalWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  QTimer::singleShot(0, this, &BalWindow::applyFixedSize);
}

// The window manager frames the window after it is first shown and moves it
// then, without resizing it: the frame it adds counts in the outer size.
void BalWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  QTimer::singleShot(0, this, &BalWindow::applyFixedSize);
}

void BalWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (firstShow_) {
    firstShow_ = false;
    // The first focus is the model's: the region.
    QTimer::singleShot(0, this, [this] { syncFocus(true); });
  }
}

}  // namespace kalteron::qt
