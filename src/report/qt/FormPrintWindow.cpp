#include "report/qt/FormPrintWindow.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QWheelEvent>
#include <cmath>

#include "mainwindow/Bal.h"
#include "mainwindow/qt/Twips.h"
#include "projectfiles/ProjectCommands.h"
#include "projectfiles/WholeFile.h"
#include "projectfiles/clsOpenDialog.h"
#include "report/Mause.h"
#include "report/Snimok.h"

namespace kalteron {

namespace {

using qt::kTwipsPerPixel;
using qt::px;

QString q(const std::string& s) { return QString::fromStdString(s); }

// Arial at the size the page was designed for on a 96-dpi screen, in pixels,
// so the sheet scales as a whole when it is printed.
QFont pageFont(double pointSize, bool bold) {
  QFont f(QStringLiteral("Arial"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(static_cast<int>(std::lround(pointSize * 96.0 / 72.0)));
  f.setBold(bold);
  return f;
}

Qt::Alignment alignment(const PrintLabel& l) {
  Qt::Alignment a = l.valign == VAlign::Top      ? Qt::AlignTop
                    : l.valign == VAlign::Bottom ? Qt::AlignBottom
                                                 : Qt::AlignVCenter;
  switch (l.align) {
    case Align::Left:
      return a | Qt::AlignLeft;
    case Align::Center:
      return a | Qt::AlignHCenter;
    case Align::Right:
      return a | Qt::AlignRight;
  }
  return a;
}

void drawRules(QPainter& p, const FormPrint& page) {
  p.setPen(QPen(Qt::black, 1));
  for (const PrintRule& r : page.rules()) p.drawLine(px(r.x1), px(r.y1), px(r.x2), px(r.y2));
}

}  // namespace

void paintPage(QPainter& p, const FormPrint& page) {
  p.fillRect(QRect(0, 0, px(FormPrint::kWidth), px(FormPrint::kHeight)), Qt::white);
  drawRules(p, page);
  // The way a label draws its plain text.
  p.setPen(Qt::black);
  for (const PrintLabel& l : page.labels()) {
    if (l.text.empty()) continue;
    p.setFont(pageFont(l.pointSize, l.bold));
    p.drawText(QRect(px(l.left), px(l.top), px(l.width), px(l.height)),
               int(alignment(l)) | (l.wrap ? int(Qt::TextWordWrap) : 0), q(l.text));
  }
}

FormPrintSheet::FormPrintSheet(const FormPrint& page, QWidget* parent) : QWidget(parent), page_(page) {
  setObjectName(QStringLiteral("FormPrintSheet"));
  setFixedSize(px(FormPrint::kWidth), px(FormPrint::kHeight));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);
  setAutoFillBackground(true);
  for (const PrintLabel& l : page.labels()) {
    auto* label = new QLabel(q(l.text), this);
    if (!l.name.empty()) label->setObjectName(q(l.name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(pageFont(l.pointSize, l.bold));
    label->setAlignment(alignment(l));
    label->setWordWrap(l.wrap);
    label->setGeometry(px(l.left), px(l.top), px(l.width), px(l.height));
  }
}

void FormPrintSheet::paintEvent(QPaintEvent*) {
  QPainter p(this);
  drawRules(p, page_);
}

FormPrintWindow::FormPrintWindow(Bal& bal, QWidget* mainWindow, QWidget* parent)
    : QMdiSubWindow(parent), bal_(bal), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("FormPrint"));
  setWindowTitle(QString::fromUtf8(FormPrint::kCaption));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

FormPrintWindow::~FormPrintWindow() { Form_Unload(); }

void FormPrintWindow::Form_Load(std::chrono::year_month_day today) {
  if (loaded_) return;
  page_.Form_Load(bal_, today);
  sheet_ = new FormPrintSheet(page_, this);
  setWidget(sheet_);
  setFixedSize(sizeHint());
  loaded_ = true;
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
  if (mainWindow_) mainWindow_->setEnabled(false);
}

void FormPrintWindow::Form_Unload() {
  if (!loaded_) return;
  loaded_ = false;
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
  if (mainWindow_) mainWindow_->setEnabled(true);
}

int FormPrintWindow::top() const { return y() * kTwipsPerPixel; }

void FormPrintWindow::setTop(int twips) {
  move(x(), static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel)));
}

QImage FormPrintWindow::image() const {
  QImage img(px(FormPrint::kWidth), px(FormPrint::kHeight), QImage::Format_RGB32);
  QPainter p(&img);
  paintPage(p, page_);
  return img;
}

bool FormPrintWindow::printTo(QPrinter& printer) const {
  if (!sheet_ || !printer.isValid()) return false;
  QPainter p;
  if (!p.begin(&printer)) return false;
  const QRectF paper = printer.pageRect(QPrinter::DevicePixel);
  const double w = px(FormPrint::kWidth);
  const double h = px(FormPrint::kHeight);
  const double scale = std::min(paper.width() / w, paper.height() / h);
  p.translate((paper.width() - w * scale) / 2, 0);
  p.scale(scale, scale);
  paintPage(p, page_);
  return p.end();
}

void FormPrintWindow::Snimok(FileDialogHost& host, Prompter& prompter) {
  // The picture is made once and written whole, where it is written at all.
  // Its room is taken at once, so that it is not moved as it grows: a 24-bit
  // picture, rows padded to four bytes, behind a header of 54.
  const QImage page = image();
  QByteArray bmp;
  bmp.reserve(54 + page.height() * ((3 * page.width() + 3) & ~3));
  QBuffer buffer(&bmp);
  const bool made = buffer.open(QIODevice::WriteOnly) && page.save(&buffer, "BMP");
  const std::string_view bytes(bmp.constData(), static_cast<std::size_t>(bmp.size()));
  // The fixed copy goes to a shared folder: a new file of the user's own takes
  // the name, and where it cannot the copy is skipped.
  const QString temp = QDir::tempPath();
  if (made && !temp.isEmpty()) static_cast<void>(replaceWithNewFile(fixedSnapshotPath(temp.toStdString()), bytes));
  setTop(0);
  if (!made) return;

  clsOpenDialog dialog;
  dialog.setStartFolder(QDir::homePath().toStdString());
  dialog.setStrTitle("Сохранить");
  dialog.setStrFilter("Расчеты Kalteron (*.bmp);*.bmp;Все файлы (*.*);*.*");
  const std::string path = picturePath(dialog.SaveDialogFileName(host, bal_.op.ClickZakazsik.text()));
  if (!path.empty() && !writeWholeFile(path, bytes)) prompter.message(neSohranen(path));
}

bool FormPrintWindow::eventFilter(QObject* watched, QEvent* event) {
  // Every wheel turn over the frame is the page's, whatever lies under the
  // pointer: the page, the grey area, the toolbar, a scroll bar.
  if (event->type() != QEvent::Wheel || !watched->isWidgetType()) return false;
  if (static_cast<QWidget*>(watched)->window() != window()) return false;
  return turnWheel(*static_cast<QWheelEvent*>(event));
}

bool FormPrintWindow::turnWheel(QWheelEvent& event) {
  int delta = event.angleDelta().y();
  // X11 delivers the wheel turned with Alt held as a sideways turn.
  if (delta == 0 && event.modifiers().testFlag(Qt::AltModifier)) delta = event.angleDelta().x();
  // A sideways turn, or the start or end of a touchpad scroll, carries no
  // vertical turn: it is not the wheel the page answers.
  if (delta == 0) return false;
  event.accept();
  const unsigned keys = (event.modifiers() != Qt::NoModifier ? 1u : 0u) | (event.buttons() != Qt::NoButton ? 2u : 0u);
  bal_.ScrollStep = shagKolesa(bal_.ScrollStep, delta, keys);
  setWindowTitle(QString::number(bal_.ScrollStep));
  setTop(top() + bal_.ScrollStep);
  return true;
}

void FormPrintWindow::closeEvent(QCloseEvent* event) {
  Form_Unload();
  QMdiSubWindow::closeEvent(event);
}

}  // namespace kalteron
