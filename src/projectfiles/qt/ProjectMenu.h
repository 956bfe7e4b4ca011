// The menu items "Создать новый", "Открыть" and "Сохранить" of the main
// window, and the save that its closing question runs.
#pragma once

#include <QObject>
#include <memory>

#include "projectfiles/ProjectCommands.h"
#include "projectfiles/qt/FileDialogQt.h"

namespace kalteron::qt {

class BalWindow;

class ProjectMenu : public QObject {
  Q_OBJECT
 public:
  // Enables the three items of `window` and connects them; lives as long as
  // the window.
  explicit ProjectMenu(BalWindow& window);
  ~ProjectMenu() override;

  ProjectCommands& commands() { return *commands_; }
  // The file dialogs to show instead of the window's own (tests answer them).
  void setDialogs(FileDialogHost* dialogs) { dialogs_ = dialogs != nullptr ? dialogs : &qtDialogs_; }

 private:
  // Forwards to whatever the window uses now.
  struct Dialogs : FileDialogHost {
    ProjectMenu* menu;
    std::string show(const FileDialogRequest& r) override { return menu->dialogs_->show(r); }
  };
  struct Questions : Prompter {
    BalWindow* window;
    bool askYesNo(const std::string& question) override;
    void message(const std::string& text) override;
  };

  BalWindow& window_;
  FileDialogQt qtDialogs_;
  FileDialogHost* dialogs_ = &qtDialogs_;
  Dialogs forward_;
  Questions questions_;
  std::unique_ptr<ProjectCommands> commands_;
};

}  // namespace kalteron::qt
