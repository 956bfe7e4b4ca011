#include "report/Snimok.h"

namespace kalteron {

std::string fixedSnapshotPath(std::string_view tempFolder) {
  std::string p(tempFolder);
  if (p.empty() || (p.back() != '/' && p.back() != '\\')) p.push_back('/');
  return p + "333.bmp";
}

std::string picturePath(std::string_view chosen) {
  if (chosen.empty()) return {};
  const auto slash = chosen.find_last_of("/\\");
  const std::string_view file = slash == std::string_view::npos ? chosen : chosen.substr(slash + 1);
  constexpr std::string_view ext = ".bmp";
  bool hasExt = file.size() >= ext.size();
  for (std::size_t i = 0; hasExt && i < ext.size(); ++i) {
    char c = file[file.size() - ext.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    hasExt = c == ext[i];
  }
  return hasExt ? std::string(chosen) : std::string(chosen) + std::string(ext);
}

}  // namespace kalteron
