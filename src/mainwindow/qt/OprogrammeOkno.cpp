#include "mainwindow/qt/OprogrammeOkno.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
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

  Label5 = label(this, "Label5",
                 QStringLiteral("<a href=\"%1\">%1</a>").arg(QString::fromUtf8(kSait)), QRect(22, 190, 390, 16));
  Label5->setTextFormat(Qt::RichText);
  Label5->setOpenExternalLinks(false);
  Label5->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  Label5->setCursor(Qt::PointingHandCursor);
  Label5->setAccessibleName(QStringLiteral("Сайт программы"));
  connect(Label5, &QLabel::linkActivated, this, [this](const QString& link) { OtkrytSsylku(link); });
  label(this, "Label4", QString::fromUtf8(kPochta), QRect(22, 210, 390, 16));

  Command2 = new QPushButton(QStringLiteral("Лицензия"), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setGeometry(10, 250, 140, 28);
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

void OprogrammeOkno::OtkrytSsylku(const QString& address) {
  if (openUrl) openUrl(address);
}

}  // namespace kalteron::qt
