// The menu commands on project files: "Создать новый", "Открыть" and
// "Сохранить", with the path of the current project.
#pragma once

#include <optional>
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

// The project file that a name chosen in a dialog stands for (`fileName` is
// the last part of `fullName`). A name whose last four characters are ".klt"
// in any letter case is the file itself. A file name holding ".klt" elsewhere
// loses its last four characters (the extension after it) and gets ".klt".
// Any other name gets ".klt" added when saving and stands for no project when
// opening. Characters are counted, not bytes.
std::optional<std::string> failProekta(const std::string& fullName, const std::string& fileName, bool save);

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

  // The current project's path without its extension (the last four
  // characters of the file's name, ".klt" in any letter case); "" until a
  // project is opened or saved.
  std::string NameFile;

 private:
  Bal& bal_;
  FileDialogHost& dialogs_;
  Prompter& prompter_;
};

}  // namespace kalteron
