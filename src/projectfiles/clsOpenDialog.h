// The open and save dialogs of project files (and of the report image): the
// caller sets a start folder, a title and a filter text, shows the dialog and
// reads the chosen path whole and split into folder, file name and extension.
// One object serves one dialog.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalteron {

// What a dialog is asked to show.
struct FileDialogRequest {
  bool save = false;
  std::string startFolder;
  std::string title;
  // The filter block: description, NUL, pattern, NUL ..., closed by one more NUL.
  std::string filterBlock;
  // The name already in the file box (the save dialog only).
  std::string fileName;
};

// Shows a file dialog. The window answers with a real dialog; tests answer
// directly.
class FileDialogHost {
 public:
  virtual ~FileDialogHost() = default;
  // The chosen full path, or "" when the dialog was cancelled or failed.
  virtual std::string show(const FileDialogRequest& request) = 0;
};

// One entry of a filter: what the dialog lists and the patterns it matches
// (blank-separated, as several patterns of one entry are given).
struct FilterEntry {
  std::string description;
  std::string patterns;
};
// The entries of a filter block, in order.
std::vector<FilterEntry> filterEntries(std::string_view block);
// The entries as name filters of the form "Description (pattern pattern)":
// a description that already ends with its patterns in brackets is kept, and
// "*.*", which matches every file, becomes "*".
std::vector<std::string> nameFilters(std::string_view block);

class clsOpenDialog {
 public:
  // Shows the open dialog; returns the chosen full path or "".
  std::string OpenDialogFileName(FileDialogHost& host);
  // Shows the save dialog with `zakazchik` followed by ".klt" in its file box.
  std::string SaveDialogFileName(FileDialogHost& host, const std::string& zakazchik);

  const std::string& StartFolder() const { return StartFolder_; }
  void setStartFolder(std::string v) { StartFolder_ = std::move(v); }
  const std::string& strFilter() const { return strFilter_; }
  void setStrFilter(std::string v) { strFilter_ = std::move(v); }
  const std::string& strTitle() const { return strTitle_; }
  void setStrTitle(std::string v) { strTitle_ = std::move(v); }
  const std::string& strFileExt() const { return strFileExt_; }
  const std::string& strPath() const { return strPath_; }
  const std::string& strFileName() const { return strFileName_; }
  const std::string& strFullName() const { return strFullName_; }

  // The filter text ("Описание;*.ext;...") as the dialog's filter block.
  static std::string BuildFilterString(std::string_view filter);
  // The field number `n` (from 0) of `text` split at `delimiter`, or nothing
  // when the text has no such field.
  static std::optional<std::string> GetFilterItem(std::string_view text, std::string_view delimiter, int n);

 private:
  std::string show(FileDialogHost& host, bool save, const std::string& fileName);

  std::string StartFolder_ = "c:";
  std::string strFilter_ = "Все файла;*.*";
  std::string strTitle_ = "Открытие файла";
  std::string strFullName_;
  std::string strPath_;
  std::string strFileName_;
  std::string strFileExt_;
};

}  // namespace kalteron
