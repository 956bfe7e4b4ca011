#include "mainwindow/qt/QtPrompter.h"

#include <QMessageBox>

namespace kalteron::qt {

bool QtPrompter::askYesNo(const std::string& question) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Kalteron"), QString::fromStdString(question),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void QtPrompter::message(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kalteron"), QString::fromStdString(text), QMessageBox::Ok,
                  parent_);
  box.exec();
}

}  // namespace kalteron::qt
