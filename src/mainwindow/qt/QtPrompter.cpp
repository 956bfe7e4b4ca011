#include "mainwindow/qt/QtPrompter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>

namespace kalteron::qt {

namespace {

// A question answered Yes or No has no cancel answer: Escape and the
// window's close box leave it open, as the question's own buttons are the
// only way out (otherwise Escape would count as No, and a reflexive Escape
// at "save?" would quit without saving).
class BezOtmeny : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close && event->spontaneous()) {  // not the box closing on an answer
      event->ignore();
      return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel)) return true;
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

bool QtPrompter::askYesNo(const std::string& question) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Kalteron"), QString::fromStdString(question),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::Yes);
  BezOtmeny noCancel(&box);
  box.installEventFilter(&noCancel);
  return box.exec() == QMessageBox::Yes;
}

void QtPrompter::message(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kalteron"), QString::fromStdString(text), QMessageBox::Ok,
                  parent_);
  box.exec();
}

}  // namespace kalteron::qt
