#include "report/qt/MDIPrint.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QMdiArea>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QToolBar>

#include "mainwindow/Bal.h"
#include "mainwindow/qt/QtPrompter.h"
#include "projectfiles/qt/FileDialogQt.h"

namespace kalteron {

namespace {

constexpr int kIcon = 32;

QPixmap blankIcon() {
  QPixmap pm(kIcon, kIcon);
  pm.fill(Qt::transparent);
  return pm;
}

// A printer with a sheet coming out.
QIcon printIcon() {
  QPixmap pm = blankIcon();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(9.5, 3.5, 13, 9));
  p.setBrush(QColor(120, 130, 145));
  p.drawRoundedRect(QRectF(3.5, 11.5, 25, 11), 2, 2);
  p.setBrush(QColor(90, 200, 90));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(24.5, 15), 1.3, 1.3);
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(8.5, 18.5, 15, 11));
  p.setPen(QPen(QColor(70, 110, 190), 1));
  for (int y = 22; y <= 27; y += 2) p.drawLine(QPointF(11, y), QPointF(21, y));
  return QIcon(pm);
}

// A framed landscape with an arrow going into it.
QIcon saveIcon() {
  QPixmap pm = blankIcon();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(QColor(170, 215, 250));
  p.drawRect(QRectF(3.5, 9.5, 25, 19));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 200, 40));
  p.drawEllipse(QPointF(22, 15), 2.6, 2.6);
  QPainterPath hill;
  hill.moveTo(4, 28);
  hill.lineTo(12, 18);
  hill.lineTo(18, 24);
  hill.lineTo(21, 21);
  hill.lineTo(28, 28);
  hill.closeSubpath();
  p.setBrush(QColor(70, 160, 80));
  p.drawPath(hill);
  p.setBrush(QColor(40, 90, 200));
  QPainterPath arrow;
  arrow.moveTo(13, 1);
  arrow.lineTo(19, 1);
  arrow.lineTo(19, 6);
  arrow.lineTo(23, 6);
  arrow.lineTo(16, 13);
  arrow.lineTo(9, 6);
  arrow.lineTo(13, 6);
  arrow.closeSubpath();
  p.drawPath(arrow);
  return QIcon(pm);
}

// A red disc with a white cross.
QIcon closeIcon() {
  QPixmap pm = blankIcon();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(150, 30, 30), 1.2));
  p.setBrush(QColor(215, 55, 50));
  p.drawEllipse(QPointF(16, 16), 12.5, 12.5);
  p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(11, 11), QPointF(21, 21));
  p.drawLine(QPointF(21, 11), QPointF(11, 21));
  return QIcon(pm);
}

std::chrono::year_month_day today() {
  const QDate d = QDate::currentDate();
  return std::chrono::year_month_day{std::chrono::year{d.year()}, std::chrono::month{static_cast<unsigned>(d.month())},
                                     std::chrono::day{static_cast<unsigned>(d.day())}};
}

}  // namespace

MDIPrint::MDIPrint(Bal& bal, QWidget* mainWindow) : QMainWindow(nullptr), bal_(bal), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("MDIPrint"));
  setWindowTitle(QStringLiteral("Просмотр перед печатью"));
  setAttribute(Qt::WA_DeleteOnClose);

  toolbar_ = addToolBar(QStringLiteral("Toolbar1"));
  toolbar_->setObjectName(QStringLiteral("Toolbar1"));
  toolbar_->setMovable(false);
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  toolbar_->setIconSize(QSize(kIcon, kIcon));
  struct Button {
    QIcon icon;
    const char* caption;
    const char* key;
    const char* tip;
  };
  const Button buttons[] = {
      {printIcon(), "Печать", "Print", "Печать отчёта"},
      {saveIcon(), "Сохранить изображение", "Save", "Сохранить как изображение .bmp"},
      {closeIcon(), "Закрыть", "Delete", "Закрыть это окно"},
  };
  for (const Button& b : buttons) {
    QAction* a = toolbar_->addAction(b.icon, QString::fromUtf8(b.caption));
    const QString key = QString::fromUtf8(b.key);
    a->setObjectName(key);
    a->setData(key);
    a->setToolTip(QString::fromUtf8(b.tip));
    connect(a, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
  }

  area_ = new QMdiArea(this);
  area_->setObjectName(QStringLiteral("MDIClient"));
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(area_);

  printerFactory_ = [] { return std::make_unique<QPrinter>(QPrinter::HighResolution); };

  // 12660 x 7950 twips.
  resize(844, 530);
  if (mainWindow) connect(mainWindow, &QObject::destroyed, this, &QWidget::close);
}

MDIPrint::~MDIPrint() {
  if (page_) page_->Form_Unload();
}

MDIPrint* MDIPrint::find(const QWidget* mainWindow) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* frame = qobject_cast<MDIPrint*>(w);
    if (frame && frame->mainWindow_ == mainWindow && frame->isVisible()) return frame;
  }
  return nullptr;
}

void MDIPrint::Toolbar1_ButtonClick(const QString& key) {
  try {
    if (key == QLatin1String("Print")) {
      if (page_ && printerFactory_) {
        if (auto printer = printerFactory_()) page_->printTo(*printer);
      }
    } else if (key == QLatin1String("Save")) {
      if (page_) {
        FileDialogQt ownDialog(page_);
        qt::QtPrompter ownPrompter(page_);
        page_->Snimok(fileDialogHost_ ? *fileDialogHost_ : ownDialog, prompter_ ? *prompter_ : ownPrompter);
      }
    } else if (key == QLatin1String("Delete")) {
      if (page_) page_->close();
      close();
    }
  } catch (...) {
    // The toolbar ignores every failure of its actions.
  }
}

void MDIPrint::MDIForm_Resize() {
  if (!page_) {
    auto* page = new FormPrintWindow(bal_, mainWindow_, area_);
    page->setWindowIcon(printIcon());
    area_->addSubWindow(page);
    page->Form_Load(today());
    page->move(0, 0);
    page->show();
    page_ = page;
  }
  // Centred on the frame's outer width, its border included.
  page_->move((frameGeometry().width() - page_->width()) / 2, page_->y());
}

void MDIPrint::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  MDIForm_Resize();
}

void MDIPrint::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!page_) MDIForm_Resize();
}

void MDIPrint::closeEvent(QCloseEvent* event) {
  if (page_) page_->close();
  QMainWindow::closeEvent(event);
}

MDIPrint* openPreview(Bal& bal, QWidget* mainWindow) {
  MDIPrint* frame = MDIPrint::find(mainWindow);
  if (!frame) frame = new MDIPrint(bal, mainWindow);
  frame->show();
  if (!frame->page()) frame->MDIForm_Resize();
  frame->raise();
  frame->activateWindow();
  return frame;
}

void closePreview(const QWidget* mainWindow) {
  if (MDIPrint* frame = MDIPrint::find(mainWindow)) frame->close();
}

}  // namespace kalteron
