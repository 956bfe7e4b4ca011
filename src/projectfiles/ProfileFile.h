// Profile (initialization) files: "[section]" lines followed by "key=value"
// lines, Windows-1251 on disk, CR LF line ends.
//
// Reading: section and key names are compared without regard to letter case
// (Latin and Cyrillic), blanks around a key and a value are ignored, a value
// enclosed in double or single quotes is read without them, LF-only line ends
// are accepted, the first of repeated keys wins, a key with nothing behind its
// equals sign reads as an empty text. Lines starting with ";" are comments.
//
// Writing: a key's value is replaced in place; a missing key is added after
// the last line of its section, a missing section at the end of the file.
// Every other line stays as it was. CR and LF inside a value are stored as
// blanks; a value that the reader would not give back whole (blanks at its
// ends, or quotes around it) is written inside double quotes.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "projectfiles/WholeFile.h"

namespace kalteron {

class ProfileFile {
 public:
  ProfileFile() = default;
  // Splits the file's bytes into lines (CR LF or LF).
  static ProfileFile parse(std::string_view bytes);
  // The lines joined with CR LF, each line ended.
  std::string bytes() const;

  bool hasSection(std::string_view section) const;
  // The value of the key in the section, UTF-8; nothing when the section or
  // the key is absent.
  std::optional<std::string> get(std::string_view section, std::string_view key) const;
  // Stores a UTF-8 value under the key.
  void set(std::string_view section, std::string_view key, std::string_view value);

  const std::vector<std::string>& lines() const { return lines_; }

 private:
  struct Range {
    std::size_t header;  // index of the section line
    std::size_t end;     // one past its last line
  };
  std::vector<Range> sections(std::string_view folded) const;

  std::vector<std::string> lines_;  // Windows-1251, without line ends
};

// Reads the file (none yet counts as empty), lets `edit` change it and writes
// it back whole with writeWholeFile. A file that readRegularFile refuses is
// not replaced, so lines of other origin survive. Returns false when the file
// could not be read or written; it is then unchanged.
bool rewriteProfile(const std::string& path, const std::function<void(ProfileFile&)>& edit);

// One key, read from the file as it is now: the value, or `deflt` when the
// file, the section or the key is absent.
std::string ReadIniString(const std::string& file, std::string_view section, std::string_view key,
                          std::string_view deflt);
// One key, written at once into the file (created if missing). Returns false
// when the file could not be read or written; it is then unchanged.
bool WriteIniString(const std::string& file, std::string_view section, std::string_view key, std::string_view value);

}  // namespace kalteron
