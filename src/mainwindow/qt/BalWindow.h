// The main window: the chamber description on its top area and five pages,
// the results, the menu. Every widget mirrors a control of the model `Bal`;
// what the user does goes to the model's entry points, and after each user
// event the widgets are refreshed once.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>

#include "mainwindow/Bal.h"
#include "mainwindow/qt/Binder.h"
#include "mainwindow/qt/QtPrompter.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kalteron::qt {

class License;
class OprogrammeOkno;

class BalWindow : public QMainWindow {
  Q_OBJECT
 public:
  // The window's outer size in the normal state, in pixels.
  static constexpr int kWidth = 995;
  static constexpr int kHeight = 585;

  // `bal` has run its load step.
  explicit BalWindow(Bal& bal, QWidget* parent = nullptr);
  ~BalWindow() override;

  Bal& bal() { return bal_; }

  // The widget that shows a control, by the control's name ("ClickKameraDlina",
  // "Option1(1)", "Parametr(3)", "Frame5(2)").
  QWidget* widget(const std::string& name) const;

  // The five menu items, in menu order.
  QAction* newAction() const { return mnu_[0]; }
  QAction* openAction() const { return mnu_[1]; }
  QAction* saveAction() const { return mnu_[2]; }
  QAction* printAction() const { return mnu_[3]; }
  QAction* aboutAction() const { return mnu_[4]; }

  // The questions on closing go here (tests answer them).
  void setPrompter(Prompter* p) { prompter_ = p; }
  Prompter& prompter() const { return *prompter_; }

  // A window that closes with the main window ("FormPrint", "MDIPrint").
  void registerWindow(const std::string& name, QWidget* w);
  OprogrammeOkno* about() const;
  License* license() const;
  void showAbout();
  void showLicense();
  // Where the terms-of-use window writes its file (empty: next to the program).
  void setLicensePath(const QString& path) { licensePath_ = path; }

  // Runs one user action on the model, then refreshes the widgets once and
  // puts the focus where the model has it. Other windows and commands use it
  // too ("Открыть" then focus on the region).
  void act(const std::function<void()>& action);

  // Widgets touched by the last refresh (for measurements).
  int lastRefreshCount() const { return lastRefresh_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Building.
  void buildMenu();
  void buildTop(QWidget* area);
  void buildCharacteristics(QGroupBox* frame);
  void buildPage1(QWidget* page);
  void buildPage2(QWidget* page);
  void buildPage3(QWidget* page);
  void buildPage4(QWidget* page);
  void buildPage5(QWidget* page);
  void buildGains(QGroupBox* frame);
  void buildTabOrder();

  QGroupBox* frame(QWidget* parent, const QString& title, QRect r);
  QLabel* caption(QWidget* parent, const QString& text, QRect r, QWidget* buddy = nullptr);
  QLabel* label(QWidget* parent, Label& c, QRect r, QWidget* buddy = nullptr, bool sunken = false);
  QLineEdit* text(QWidget* parent, TextBox& c, QRect r, const QString& accessible);
  QLineEdit* result(QWidget* parent, TextBox& c, QRect r, const QString& accessible);
  QComboBox* list(QWidget* parent, ListBox& c, QRect r, const QString& accessible);
  QComboBox* edit(QWidget* parent, ComboBox& c, QRect r, const QString& accessible);
  QCheckBox* check(QWidget* parent, CheckBox& c, const QString& text, QRect r);
  QRadioButton* option(QWidget* parent, OptionGroup& g, int index, const QString& text, QRect r);
  QPushButton* command(QWidget* parent, Widget& c, const QString& text, QRect r);
  void bindCommon(Control& c, QWidget* w);

  // Input (BalVvod.cpp): what the user does with each widget reaches the
  // model.
  void watch(Control& c, QWidget* w);
  void watchLineEdit(Control& c, QLineEdit* le);
  void watchList(ListBox& c, QComboBox* box);
  void watchEdit(ComboBox& c, QComboBox* box);
  Control* controlOf(QObject* o) const;
  QWidget* focusWidgetOf(const Control* c) const;
  QLineEdit* lineEditOf(const Control* c) const;
  bool keyPress(QLineEdit* le, QKeyEvent* e);
  bool optionKey(QRadioButton* b, QKeyEvent* e);
  void widgetEdited(Control& c, QLineEdit* le);
  void widgetSet(Control& c, QLineEdit* le);
  void vernut(QLineEdit* le, bool nazad);
  void peredatVydelenie(const Control& c, const QLineEdit* le);
  void kontekstnoeMenu(QLineEdit* le, QPoint at);
  // Shows a control again whatever its revision (the model refused a change
  // the widget made).
  void pokazat(const Control& c);
  void syncFocus(bool selection);
  void applyFixedSize();

  Bal& bal_;
  Binder binder_;
  QtPrompter qtPrompter_;
  Prompter* prompter_;
  QAction* mnu_[5] = {};
  std::unordered_map<const QObject*, Control*> controlOf_;
  std::map<std::string, QWidget*> widgetOf_;
  std::map<std::string, QPointer<QWidget>> windows_;
  QString licensePath_;
  bool syncing_ = false;
  bool vozvrat_ = false;
  // The text box that a mouse press has just given the focus, and the one
  // whose press is being held back until its release: its selection stays
  // where the entry step put it.
  const QObject* klikFokus_ = nullptr;
  const QObject* klikUderzhan_ = nullptr;
  bool firstShow_ = true;
  int lastRefresh_ = 0;
};

}  // namespace kalteron::qt
