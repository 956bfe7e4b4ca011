// What stands below a test's folder, to tell what a step changed there.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "projectfiles/WholeFile.h"

namespace kalteron::test {

// An entry as it stands: kind and mode, owner, inode, and the bytes it holds
// or the path it links to.
struct Entry {
  mode_t mode;
  uid_t uid;
  ino_t ino;
  std::string content;
  bool operator==(const Entry&) const = default;
};
using Entries = std::map<std::string, Entry>;

// Every entry below the folder, by its path there.
inline Entries entriesBelow(const std::filesystem::path& folder) {
  Entries out;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
    struct stat st {};
    if (::lstat(e.path().c_str(), &st) != 0) continue;
    std::string content;
    if (S_ISLNK(st.st_mode)) content = std::filesystem::read_symlink(e.path()).string();
    if (S_ISREG(st.st_mode)) content = readWholeFile(e.path().string()).value_or("?");
    out[e.path().lexically_relative(folder).string()] = {st.st_mode, st.st_uid, st.st_ino, content};
  }
  return out;
}

// The paths made, removed or changed from one listing to the other.
inline std::set<std::string> changed(const Entries& before, const Entries& after) {
  std::set<std::string> out;
  for (const auto& [path, entry] : before)
    if (!after.count(path) || !(after.at(path) == entry)) out.insert(path);
  for (const auto& [path, entry] : after)
    if (!before.count(path)) out.insert(path);
  return out;
}

}  // namespace kalteron::test
