#include "projectfiles/ProjectCommands.h"

#include "calculation/Utf8.h"
#include "mainwindow/Bal.h"
#include "projectfiles/Cp1251.h"
#include "projectfiles/OpenSave.h"

namespace kalteron {
namespace {

// The UTF-8 text without its last `n` characters. A byte that belongs to no
// well-formed character counts as one.
std::string bezPoslednih(const std::string& text, int n) {
  std::size_t end = text.size();
  for (; n > 0 && end > 0; --n) {
    std::size_t at = end - 1;
    std::size_t lead = at;
    while (lead > 0 && at - lead < 3 && prodolzhenieUtf8(text[lead])) --lead;
    if (lead < at && static_cast<unsigned char>(text[lead]) >= 0xC0) at = lead;
    end = at;
  }
  return text.substr(0, end);
}

// The current project's path: the file's without the four characters that
// are ".klt" in some letter case.
std::string bezRasshirenia(const std::string& file) { return file.substr(0, file.size() - kRasshirenieProekta.size()); }

clsOpenDialog dialogProekta(const char* title) {
  clsOpenDialog d;
  d.setStartFolder("c:/");
  d.setStrTitle(title);
  d.setStrFilter(kFilterProekta);
  return d;
}

}  // namespace

std::string neSohranen(const std::string& path) { return "Файл не может быть сохранен !\n" + path; }

std::optional<std::string> failProekta(const std::string& fullName, const std::string& fileName, bool save) {
  const std::string ext(kRasshirenieProekta);
  const std::string name = asciiLower(fileName);
  if (name.ends_with(ext)) return fullName;
  if (name.find(ext) != std::string::npos) return bezPoslednih(fullName, 4) + ext;
  if (save) return fullName + ext;
  return std::nullopt;
}

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
  const auto file = failProekta(d.strFullName(), d.strFileName(), false);
  if (!file || !OpenRaschetFile(bal_, *file)) {
    prompter_.message(kNeOtkryt);
    return false;
  }
  NameFile = bezRasshirenia(*file);
  return true;
}

bool ProjectCommands::SaveNameFileSave() {
  clsOpenDialog d = dialogProekta("Сохранить");
  if (d.SaveDialogFileName(dialogs_, bal_.op.ClickZakazsik.text()).empty()) return false;
  const std::string file = *failProekta(d.strFullName(), d.strFileName(), true);
  NameFile = bezRasshirenia(file);
  if (!SaveRaschetFile(bal_, file)) {
    prompter_.message(neSohranen(file));
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
