#include "projectfiles/clsOpenDialog.h"

namespace kalteron {
namespace {

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

void replaceAll(std::string& s, std::string_view from, std::string_view to) {
  for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
}

}  // namespace

std::optional<std::string> clsOpenDialog::GetFilterItem(std::string_view text, std::string_view delimiter, int n) {
  if (n < 0) return std::nullopt;
  if (delimiter.empty()) return n == 0 ? std::optional<std::string>(std::string(text)) : std::nullopt;
  std::size_t start = 0;
  for (int field = 0;; ++field) {
    const std::size_t at = text.find(delimiter, start);
    if (at == std::string_view::npos) {
      if (field == n) return std::string(text.substr(start));
      return std::nullopt;
    }
    if (field == n) return std::string(text.substr(start, at - start));
    start = at + delimiter.size();
  }
}

std::string clsOpenDialog::BuildFilterString(std::string_view filter) {
  std::string out;
  int count = 0;
  for (;; ++count) {
    const auto item = GetFilterItem(filter, ";", count);
    const std::string_view t = item ? trimBlanks(*item) : std::string_view();
    if (t.empty()) break;
    out += t;
    out += '\0';
  }
  if (count % 2 == 1) {
    out += "*.*";
    out += '\0';
    out += '\0';
  } else {
    out += '\0';
  }
  return out;
}

std::vector<FilterEntry> filterEntries(std::string_view block) {
  std::vector<std::string_view> items;
  std::size_t start = 0;
  while (start < block.size()) {
    std::size_t nul = block.find('\0', start);
    if (nul == std::string_view::npos) nul = block.size();
    if (nul == start) break;
    items.push_back(block.substr(start, nul - start));
    start = nul + 1;
  }
  std::vector<FilterEntry> out;
  for (std::size_t i = 0; i + 1 < items.size(); i += 2) {
    std::string patterns(items[i + 1]);
    replaceAll(patterns, ";", " ");
    out.push_back({std::string(items[i]), patterns});
  }
  return out;
}

std::vector<std::string> nameFilters(std::string_view block) {
  std::vector<std::string> out;
  for (const auto& e : filterEntries(block)) {
    std::string patterns = " " + e.patterns + " ";
    replaceAll(patterns, " *.* ", " * ");
    patterns = std::string(trimBlanks(patterns));
    std::string description = e.description;
    const std::string shown = "(" + e.patterns + ")";
    if (description.size() >= shown.size() &&
        description.compare(description.size() - shown.size(), shown.size(), shown) == 0) {
      description.erase(description.size() - shown.size());
      description = std::string(trimBlanks(description));
    }
    out.push_back(description + " (" + patterns + ")");
  }
  return out;
}

std::string clsOpenDialog::OpenDialogFileName(FileDialogHost& host) { return show(host, false, {}); }

std::string clsOpenDialog::SaveDialogFileName(FileDialogHost& host, const std::string& zakazchik) {
  return show(host, true, zakazchik + ".klt");
}

std::string clsOpenDialog::show(FileDialogHost& host, bool save, const std::string& fileName) {
  FileDialogRequest r;
  r.save = save;
  r.startFolder = StartFolder_;
  r.title = strTitle_;
  r.filterBlock = BuildFilterString(strFilter_);
  r.fileName = fileName;
  const std::string full = host.show(r);
  strFullName_.clear();
  strPath_.clear();
  strFileName_.clear();
  strFileExt_.clear();
  if (full.empty()) return {};
  // The whole path comes back, whatever its length.
  strFullName_ = full;
  const std::size_t slash = full.find_last_of('/');
  const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
  strPath_ = full.substr(0, nameAt);
  strFileName_ = full.substr(nameAt);
  const std::size_t dot = strFileName_.find_last_of('.');
  if (dot != std::string::npos) strFileExt_ = strFileName_.substr(dot + 1);
  return full;
}

}  // namespace kalteron
