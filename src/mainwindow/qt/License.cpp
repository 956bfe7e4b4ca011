#include "mainwindow/qt/License.h"

#include <QCoreApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>

#include "mainwindow/OProgramme.h"
#include "mainwindow/qt/Twips.h"
#include "projectfiles/LicenseFile.h"

namespace kalteron::qt {

License::License(QWidget* parent, const QString& filePath) : QWidget(parent, Qt::Window), filePath_(filePath) {
  setObjectName(QStringLiteral("License"));
  setWindowTitle(QStringLiteral("Лицензия"));
  setAttribute(Qt::WA_DeleteOnClose);

  const QRect text = twRect(60, 60, 7665, 5010);
  Text1 = new QPlainTextEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setAccessibleName(QStringLiteral("Лицензионное соглашение"));
  Text1->setGeometry(text);
  Text1->setReadOnly(true);
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

  const QSize button = twSize(3615, 330);
  Command1 = new QPushButton(QStringLiteral("Я принимаю условия соглашения"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(text.left() + (text.width() - button.width()) / 2, text.bottom() + 10, button.width(),
                        button.height());
  Command1->setAutoDefault(true);  // Enter presses it, as Space does
  connect(Command1, &QPushButton::clicked, this, &QWidget::close);
  setFixedSize(text.width() + 2 * text.left(), Command1->geometry().bottom() + 10);

  // The load step: the text box first, then the file. A file that cannot be
  // written changes nothing on screen.
  const std::string terms = oprogramme::tekstLicenzii();
  QString shown = QString::fromUtf8(terms.data(), static_cast<qsizetype>(terms.size()));
  Text1->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  if (filePath_.isEmpty())
    filePath_ = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("License.txt"));
  written_ = zapisatLicenziu(QDir::toNativeSeparators(filePath_).toStdString());
}

}  // namespace kalteron::qt
