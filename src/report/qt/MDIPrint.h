// The preview frame: a multiple-document frame with a toolbar that holds the
// report page.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "report/qt/FormPrintWindow.h"

class QMdiArea;
class QPrinter;
class QToolBar;

namespace kalteron {

class Bal;

class MDIPrint : public QMainWindow {
  Q_OBJECT
 public:
  // `mainWindow` is made unavailable while the page is open; when it is
  // destroyed the frame closes.
  MDIPrint(Bal& bal, QWidget* mainWindow);
  ~MDIPrint() override;

  // The frame that belongs to this main window, if one is open.
  static MDIPrint* find(const QWidget* mainWindow);

  // Performs the action of a toolbar key: "Print", "Save" or "Delete"
  // (exact letter case); any other key does nothing. Failures are silent,
  // but for a picture that the snapshot cannot save.
  void Toolbar1_ButtonClick(const QString& key);
  // Loads the page the first time (and after the page alone was closed),
  // then centres it horizontally.
  void MDIForm_Resize();

  FormPrintWindow* page() const { return page_; }
  QToolBar* toolbar() const { return toolbar_; }

  // Seams: where "Print" prints (the default printer unless replaced), who
  // answers the snapshot's save dialog (the window's own file dialog unless
  // replaced; not owned) and who is told that its save failed (a message box
  // over the page unless replaced; not owned).
  void setPrinterFactory(std::function<std::unique_ptr<QPrinter>()> f) { printerFactory_ = std::move(f); }
  void setFileDialogHost(FileDialogHost* host) { fileDialogHost_ = host; }
  void setPrompter(Prompter* prompter) { prompter_ = prompter; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Bal& bal_;
  QPointer<QWidget> mainWindow_;
  QMdiArea* area_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QPointer<FormPrintWindow> page_;
  std::function<std::unique_ptr<QPrinter>()> printerFactory_;
  FileDialogHost* fileDialogHost_ = nullptr;
  Prompter* prompter_ = nullptr;
};

// Menu "Печать": shows the preview frame of this main window, creating it on
// first use; the page loads and the main window becomes unavailable.
MDIPrint* openPreview(Bal& bal, QWidget* mainWindow);
// Closes the page and the frame of this main window, if open.
void closePreview(const QWidget* mainWindow);

}  // namespace kalteron
