// Shared by the Qt tests: a loaded model with its shown window, a prompter
// that answers from a list, and a report preview over a bare main window.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "mainwindow/Bal.h"
#include "mainwindow/Prompter.h"
#include "mainwindow/qt/Application.h"
#include "mainwindow/qt/BalWindow.h"
#include "mainwindow/qt/License.h"
#include "mainwindow/qt/OprogrammeOkno.h"
#include "projectfiles/clsOpenDialog.h"
#include "report/qt/MDIPrint.h"

namespace kalteron::qt::test {

class ScriptedPrompter : public Prompter {
 public:
  std::deque<bool> answers;
  std::vector<std::string> asked;
  bool askYesNo(const std::string& question) override {
    asked.push_back(question);
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void message(const std::string& text) override { asked.push_back(text); }
};

// Answers the file dialogs from a list, then with "" (cancelled), and keeps
// what they were asked.
struct ScriptedDialogs : FileDialogHost {
  std::deque<std::string> paths;
  std::vector<FileDialogRequest> asked;
  std::string show(const FileDialogRequest& r) override {
    asked.push_back(r);
    if (paths.empty()) return {};
    std::string p = paths.front();
    paths.pop_front();
    return p;
  }
};

struct Harness {
  Bal bal;
  std::unique_ptr<BalWindow> window;
  ScriptedPrompter prompter;

  Harness() {
    bal.Form_Load();
    window = std::make_unique<BalWindow>(bal);
    window->setPrompter(&prompter);
    // Closing the window at the end of a test quits without questions.
    prompter.answers = {};
    window->show();
    // A window that never gets active fails the focus checks on its own.
    static_cast<void>(QTest::qWaitForWindowActive(window.get()));
  }
  ~Harness() {
    prompter.answers = {true, false};
    window->close();
  }
  // Waits until the window is active again (it is after construction).
  bool active() { return QTest::qWaitForWindowActive(window.get()); }

  QWidget* w(const std::string& name) const { return window->widget(name); }
  QLineEdit* edit(const std::string& name) const {
    QWidget* x = w(name);
    if (auto* box = qobject_cast<QComboBox*>(x)) return box->lineEdit();
    return qobject_cast<QLineEdit*>(x);
  }
  QString focused() const {
    QWidget* f = QApplication::focusWidget();
    return f != nullptr ? f->objectName() : QString();
  }
  // Gives a control the focus as the Tab key would.
  void focus(const std::string& name) { w(name)->setFocus(Qt::TabFocusReason); }
  void page(int n) { QTest::mouseClick(w("Parametr(" + std::to_string(n) + ")"), Qt::LeftButton); }
  // Types each character as a key (QTest's own helper takes Latin-1 only).
  void type(const std::string& name, const QString& keys) {
    for (const QChar c : keys) {
      if (c.unicode() < 128) {
        QTest::keyClick(w(name), c.toLatin1());
      } else {
        QTest::sendKeyEvent(QTest::Press, w(name), Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w(name), Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
    }
  }
  void enter(const std::string& name) { QTest::keyClick(w(name), Qt::Key_Return); }
};

// Runs the deletions a closed window has posted.
inline void flushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// A loaded model and the preview of its report over a bare main window.
struct Preview {
  Bal bal;
  QWidget main;
  MDIPrint* frame = nullptr;
  Preview() {
    bal.Form_Load();
    main.show();
  }
  MDIPrint* open() { return frame = openPreview(bal, &main); }
  void close() {
    closePreview(&main);
    flushDeletes();
  }
  ~Preview() { close(); }
};

inline void setUp() {
  static bool done = false;
  if (done) return;
  done = true;
  setUpApplication(*static_cast<QApplication*>(QCoreApplication::instance()));
}

}  // namespace kalteron::qt::test
