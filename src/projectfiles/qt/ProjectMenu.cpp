#include "projectfiles/qt/ProjectMenu.h"

#include <QAction>

#include "mainwindow/qt/BalWindow.h"

namespace kalteron::qt {

bool ProjectMenu::Questions::askYesNo(const std::string& question) { return window->prompter().askYesNo(question); }
void ProjectMenu::Questions::message(const std::string& text) { window->prompter().message(text); }

ProjectMenu::ProjectMenu(BalWindow& window) : QObject(&window), window_(window), qtDialogs_(&window) {
  setObjectName(QStringLiteral("ProjectMenu"));
  forward_.menu = this;
  questions_.window = &window;
  commands_ = std::make_unique<ProjectCommands>(window.bal(), forward_, questions_);
  QAction* items[] = {window.newAction(), window.openAction(), window.saveAction()};
  for (QAction* a : items) a->setEnabled(true);
  connect(window.newAction(), &QAction::triggered, this, [this] { window_.act([this] { commands_->SozdatNovyi(); }); });
  connect(window.openAction(), &QAction::triggered, this, [this] { window_.act([this] { commands_->Otkryt(); }); });
  connect(window.saveAction(), &QAction::triggered, this,
          [this] { window_.act([this] { commands_->SaveNameFileSave(); }); });
}

ProjectMenu::~ProjectMenu() = default;

}  // namespace kalteron::qt
