#include "projectfiles/ProjectCommands.h"

#include "mainwindow/Bal.h"
#include "projectfiles/Cp1251.h"
#include "projectfiles/OpenSave.h"

namespace kalteron {
namespace {

bool containsKltNoCase(const std::string& name) {
  return asciiLower(name).find(kRasshirenieProekta) != std::string::npos;
}

// The path without its last four characters (".klt" or whatever extension
// follows it).
std::string bezRasshirenia(const std::string& full) { return full.substr(0, full.size() - 4); }

clsOpenDialog dialogProekta(const char* title) {
  clsOpenDialog d;
  d.setStartFolder("c:/");
  d.setStrTitle(title);
  d.setStrFilter(kFilterProekta);
  return d;
}

}  // namespace

std::string neSohranen(const std::string& path) { return "Файл не может быть сохранен !\n" + path; }

ProjectCommands::ProjectCommands(Bal& bal, FileDialogHost& dialogs, Prompter& prompter)
    : bal_(bal), dialogs_(dialogs), prompter_(prompter) {
  bal_.SaveNameFileSave = [this] { SaveNameFileSave(); };
}

ProjectCommands::~ProjectCommands() { bal_.SaveNameFileSave = nullptr; }

void ProjectCommands::Otkryt() {
  // The field being edited is left before the file is read, so its leave
  // step acts on what was typed and not on the values just read.
  bal_.setFocus(bal_.op.ClickRegion);
  SaveNameFileOpen();
  bal_.setFocus(bal_.op.ClickRegion);
}

bool ProjectCommands::SaveNameFileOpen() {
  clsOpenDialog d = dialogProekta("Открыть");
  if (d.OpenDialogFileName(dialogs_).empty()) return false;
  if (!containsKltNoCase(d.strFileName())) {
    prompter_.message(kNeOtkryt);
    return false;
  }
  const std::string name = bezRasshirenia(d.strFullName());
  if (!OpenRaschet(bal_, name)) {
    prompter_.message(kNeOtkryt);
    return false;
  }
  NameFile = name;
  return true;
}

bool ProjectCommands::SaveNameFileSave() {
  clsOpenDialog d = dialogProekta("Сохранить");
  if (d.SaveDialogFileName(dialogs_, bal_.op.ClickZakazsik.text()).empty()) return false;
  NameFile = d.strFullName();
  if (containsKltNoCase(d.strFileName())) NameFile = bezRasshirenia(d.strFullName());
  if (!SaveRaschet(bal_, NameFile)) {
    prompter_.message(neSohranen(NameFile + std::string(kRasshirenieProekta)));
    return false;
  }
  return true;
}

void ProjectCommands::SprositISohranit() {
  if (prompter_.askYesNo(kSohranitVopros)) SaveNameFileSave();
}

void ProjectCommands::SozdatNovyi() {
  SprositISohranit();
  NewRaschet(bal_);
}

}  // namespace kalteron
