#include "report/Snimok.h"

#include "projectfiles/Cp1251.h"

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
  return asciiLower(file).ends_with(ext) ? std::string(chosen) : std::string(chosen) + std::string(ext);
}

}  // namespace kalteron
