// Shared by the Qt tests: a loaded model with its shown window, a prompter
// that answers from a list, and a report preview over a bare main window.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PrivateEnvironment.h"
#include "mainwindow/Bal.h"
#include "mainwindow/Prompter.h"
#include "mainwindow/qt/Application.h"
#include "mainwindow/qt/BalWindow.h"
#include "mainwindow/qt/License.h"
#include "mainwindow/qt/OprogrammeOkno.h"
#include "projectfiles/clsOpenDialog.h"
#include "report/qt/MDIPrint.h"

namespace kalteron::qt::test {

using kalteron::test::EnvironmentSet;

// Every Qt test program runs with a home, temporary and XDG folders of its own.
inline const kalteron::test::PrivateEnvironment kOwnEnvironment;

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

inline void whenShown(std::function<bool()> act);

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
    window->activateWindow();  // no window manager does it under a bare X server
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
  // Types each character through the top-level window, as the keyboard
  // does; a character beyond 16 bits is one key.
  void typeText(const QString& keys) {
    for (qsizetype i = 0; i < keys.size(); ++i) {
      const qsizetype n = keys.at(i).isHighSurrogate() && i + 1 < keys.size() ? 2 : 1;
      const QString c = keys.mid(i, n);
      i += n - 1;
      if (n == 1 && c.at(0).unicode() < 128) {
        key(c.at(0).toLatin1());
        continue;
      }
      QTest::sendKeyEvent(QTest::Press, window->windowHandle(), Qt::Key_unknown, c, Qt::NoModifier);
      QTest::sendKeyEvent(QTest::Release, window->windowHandle(), Qt::Key_unknown, c, Qt::NoModifier);
    }
  }
  // Through the top-level window, so that Qt itself picks the receiver: the
  // focused widget for keys, the widget under the point for the mouse.
  void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(window->windowHandle(), k, m); }
  void key(char c, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(window->windowHandle(), c, m); }
  // One notch of the wheel at a point of a widget, delivered as the window
  // system delivers it (the widget under the pointer first, then its parents).
  void wheel(QWidget* over, QPoint point, int delta) {
    const QPointF at = QPointF(over->mapTo(window.get(), point));
    QWheelEvent e(at, window->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&e);
    QApplication::sendEvent(window->windowHandle(), &e);
  }
  // Opens a field's context menu with the right button and clicks the item
  // that carries the shortcut of `k` (Undo, Redo, Paste).
  bool contextMenu(const std::string& name, QKeySequence::StandardKey k) {
    const QString shortcut = QLatin1Char('\t') + QKeySequence(k).toString(QKeySequence::NativeText);
    bool clicked = false;
    bool shown = false;
    whenShown([&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return false;
      shown = true;
      for (QAction* a : menu->actions()) {
        if (!a->text().endsWith(shortcut) || !a->isEnabled()) continue;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
        clicked = true;
        return true;
      }
      menu->close();
      return true;
    });
    click(name, {}, Qt::RightButton);
    return QTest::qWaitFor([&] { return shown; }) && clicked;
  }
  void click(const std::string& name, QPoint at = {}, Qt::MouseButton b = Qt::LeftButton) {
    QWidget* x = w(name);
    if (auto* box = qobject_cast<QComboBox*>(x); box != nullptr && box->isEditable()) x = box->lineEdit();
    if (at.isNull()) at = x->rect().center();
    QTest::mouseClick(window->windowHandle(), b, Qt::NoModifier, x->mapTo(window.get(), at));
  }
};

// Runs `act` on the popup or modal window that an action is about to open
// (a context menu, a message box), once it is shown.
inline void whenShown(std::function<bool()> act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  int tries = 0;
  QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act), tries]() mutable {
    if (act() || ++tries > 400) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
}

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

// Whether the program runs on the platform its run asked for
// (KALTERON_PLATFORM): an xcb run without an X server runs on offscreen.
inline bool onAskedPlatform() {
  const QString asked = qEnvironmentVariable("KALTERON_PLATFORM");
  return asked.isEmpty() || QGuiApplication::platformName() == asked;
}

}  // namespace kalteron::qt::test
