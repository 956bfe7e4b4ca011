// The menu commands on project files: "Создать новый", "Открыть" and
// "Сохранить", with the path of the current project.
#pragma once

#include <string>

#include "mainwindow/Prompter.h"
#include "projectfiles/clsOpenDialog.h"

namespace kalteron {

class Bal;

inline constexpr const char* kFilterProekta = "Расчеты Kalteron (*.klt);*.klt;Все файлы (*.*);*.*";
inline constexpr const char* kNeOtkryt = "Файл не может быть открыт !";
inline constexpr const char* kSohranitVopros = "Сохранить расчет ?";

// The message of a save that failed, naming the file.
std::string neSohranen(const std::string& path);

class ProjectCommands {
 public:
  // Also becomes the save command that the window's closing question runs.
  ProjectCommands(Bal& bal, FileDialogHost& dialogs, Prompter& prompter);
  ~ProjectCommands();
  ProjectCommands(const ProjectCommands&) = delete;
  ProjectCommands& operator=(const ProjectCommands&) = delete;

  // "Открыть": the open dialog, then the file is read into the window. A name
  // without ".klt", or a file that cannot be opened, is refused with a
  // message and changes nothing. Returns true when a project was read.
  bool SaveNameFileOpen();
  // The menu item "Открыть": SaveNameFileOpen(), then the focus goes to the
  // region, whatever happened.
  void Otkryt();
  // "Сохранить": the save dialog, then the project is written. A save that
  // fails says so. Returns true when a file was written.
  bool SaveNameFileSave();
  // "Создать новый": asks whether to save, saves on Yes, then always sets the
  // new-project values.
  void SozdatNovyi();
  // The save question of closing: asks, and saves on Yes.
  void SprositISohranit();

  // The current project's path without its extension; "" until a project is
  // opened or saved.
  std::string NameFile;

 private:
  Bal& bal_;
  FileDialogHost& dialogs_;
  Prompter& prompter_;
};

}  // namespace kalteron
