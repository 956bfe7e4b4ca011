#include "mainwindow/qt/OprogrammeOkno.h"

#include <QDesktopServices>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

#include "mainwindow/OProgramme.h"
#include "mainwindow/qt/ChamberPicture.h"

namespace kalteron::qt {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(geometry);
  return l;
}

// The web address: a click anywhere on the label opens it, and so do Enter
// and Space when the label has the keyboard's focus.
class Ssylka : public QLabel {
 public:
  Ssylka(const QString& text, QWidget* parent, std::function<void()> open)
      : QLabel(text, parent), open_(std::move(open)) {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    setPalette(p);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
      open_();
    else
      QLabel::mouseReleaseEvent(e);
  }
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space)
      open_();
    else
      QLabel::keyPressEvent(e);
  }
  void paintEvent(QPaintEvent* e) override {
    QLabel::paintEvent(e);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  std::function<void()> open_;
};

}  // namespace

OprogrammeOkno::OprogrammeOkno(QWidget* parent) : QWidget(parent, Qt::Window) {
  using namespace oprogramme;
  setObjectName(QStringLiteral("OprogrammeOkno"));
  setWindowTitle(QStringLiteral("О программе"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(430, 290);

  openUrl = [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); };

  auto* shape = new QFrame(this);
  shape->setObjectName(QStringLiteral("Shape1"));
  shape->setFrameShape(QFrame::Box);
  shape->setStyleSheet(QStringLiteral("QFrame#Shape1 { border: 2px solid #5078a0; border-radius: 6px; }"));
  shape->setGeometry(10, 10, 410, 228);

  auto* image = new ChamberPicture(false, this);
  image->setObjectName(QStringLiteral("Image1"));
  image->setGeometry(22, 24, 100, 75);

  QLabel* name = label(this, "Label9", QString::fromUtf8(kNazvanie), QRect(136, 20, 270, 34));
  QFont big = name->font();
  big.setPixelSize(26);
  big.setBold(true);
  name->setFont(big);

  QLabel* about = label(this, "Label8", QString::fromUtf8(kOpisanie), QRect(136, 56, 270, 34));
  about->setWordWrap(true);
  label(this, "Label1", QString::fromUtf8(kVersionEn), QRect(136, 94, 130, 16));
  label(this, "lblVersion", QString::fromUtf8(kVersionRu), QRect(270, 94, 130, 16));
  label(this, "Label6", QString::fromUtf8(kGorodRu), QRect(22, 120, 190, 16));
  label(this, "Label7", QString::fromUtf8(kGorodEn), QRect(220, 120, 190, 16));
  QLabel* rightsEn = label(this, "Label2", QString::fromUtf8(kPravaEn), QRect(22, 144, 390, 16));
  Label3 = label(this, "Label3", QString(), QRect(22, 164, 390, 16));
  (void)rightsEn;

  Label5 = new Ssylka(QString::fromUtf8(kSait), this, [this] { OtkrytSsylku(QString::fromUtf8(oprogramme::kSait)); });
  Label5->setObjectName(QStringLiteral("Label5"));
  Label5->setGeometry(22, 190, 390, 16);
  Label5->setAccessibleName(QStringLiteral("Сайт программы"));
  label(this, "Label4", QString::fromUtf8(kPochta), QRect(22, 210, 390, 16));

  Command2 = new QPushButton(QStringLiteral("Лицензия"), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setGeometry(10, 250, 140, 28);
  Command2->setAutoDefault(true);  // Enter presses the focused button
  connect(Command2, &QPushButton::clicked, this, [this] {
    if (onLicense) onLicense();
  });
  Command1 = new QPushButton(QStringLiteral("Close"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(330, 250, 90, 28);
  Command1->setDefault(true);
  Command1->setFocus();  // Enter closes the window, as its default button says
  connect(Command1, &QPushButton::clicked, this, &QWidget::close);

  // The load step.
  Label3->setText(QString::fromUtf8(kPravaRu));
}

void OprogrammeOkno::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier)
    close();
  else
    QWidget::keyPressEvent(e);
}

void OprogrammeOkno::OtkrytSsylku(const QString& address) {
  if (openUrl) openUrl(address);
}

}  // namespace kalteron::qt
