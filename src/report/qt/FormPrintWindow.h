// The report page inside the preview frame: a fixed white sheet whose labels
// and rules the core decides, the wheel that moves it, printing and the
// snapshot.
#pragma once

#include <QImage>
#include <QMdiSubWindow>
#include <QPointer>
#include <QString>
#include <chrono>

#include "report/FormPrint.h"

class QPainter;
class QPrinter;
class QWheelEvent;

namespace kalteron {
class FileDialogHost;
class Prompter;
}  // namespace kalteron

namespace kalteron {

class Bal;

// Draws the whole page (white paper, rules, every label) at 15 twips per
// pixel, as the sheet shows it; text stays text on a printer.
void paintPage(QPainter& painter, const FormPrint& page);

// The sheet: 11415 x 16200 twips of white paper with the page's labels.
class FormPrintSheet : public QWidget {
  Q_OBJECT
 public:
  FormPrintSheet(const FormPrint& page, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const FormPrint& page_;
};

class FormPrintWindow : public QMdiSubWindow {
  Q_OBJECT
 public:
  // `mainWindow` is made unavailable while the page is open.
  FormPrintWindow(Bal& bal, QWidget* mainWindow, QWidget* parent = nullptr);
  ~FormPrintWindow() override;

  // The load step: takes the wheel of the whole frame, copies the main
  // window as it is now, builds the sheet, then makes the main window
  // unavailable.
  void Form_Load(std::chrono::year_month_day today);
  // The unload step: releases the wheel and gives the main window back.
  // Runs once, when the page closes or is destroyed.
  void Form_Unload();

  const FormPrint& content() const { return page_; }
  FormPrintSheet* sheet() const { return sheet_; }

  // The page's position in the frame, twips.
  int top() const;
  void setTop(int twips);

  // The whole sheet, drawn directly at 15 twips per pixel (761 x 1080).
  QImage image() const;
  // Prints the sheet as one page scaled to the paper. False when the printer
  // cannot be used.
  bool printTo(QPrinter& printer) const;
  // Writes the image as a BMP picture to the fixed file in the temporary
  // folder (skipped where that cannot be done), puts the page back at the
  // top, then asks through `host` where to save the picture and saves it as a
  // project is saved; a save that fails is told through `prompter`.
  void Snimok(FileDialogHost& host, Prompter& prompter);

 protected:
  // While loaded the page watches the application's events for the wheel
  // turned over any widget of its frame.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // One wheel message: the step rule, the caption, the move. False when the
  // message holds no vertical turn and goes on to the widget under the
  // pointer.
  bool turnWheel(QWheelEvent& event);

  Bal& bal_;
  QPointer<QWidget> mainWindow_;
  FormPrint page_;
  FormPrintSheet* sheet_ = nullptr;
  // Between the load and the unload: the page answers the wheel and keeps the
  // main window disabled.
  bool loaded_ = false;
};

}  // namespace kalteron
