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
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "projectfiles/WholeFile.h"

namespace kalteron {

// The file is kept as the bytes read plus the changes made to them, so that
// opening and saving cost time and memory in proportion to the file, whatever
// it holds: a section name is looked up by one pass over the bytes, the first
// time it is asked for, which notes where its first section ends and indexes
// its keys; every later get and set finds a key through that index.
class ProfileFile {
 public:
  ProfileFile() = default;
  // Takes the file's bytes; lines end with CR LF or LF.
  static ProfileFile parse(std::string_view bytes);
  static ProfileFile parse(std::string&& bytes);
  // The lines joined with CR LF, each line ended.
  std::string bytes() const;

  bool hasSection(std::string_view section) const;
  // The value of the key in the section, UTF-8; nothing when the section or
  // the key is absent.
  std::optional<std::string> get(std::string_view section, std::string_view key) const;
  // Stores a UTF-8 value under the key.
  void set(std::string_view section, std::string_view key, std::string_view value);

  // The lines as bytes() writes them, without their ends.
  std::vector<std::string> lines() const;

 private:
  // A line that set() added: inserted_[at][index], or appended_[at].lines[index].
  struct Added {
    bool appended = false;
    std::size_t at = 0;
    std::size_t index = 0;
  };
  // What one pass over the bytes found for one section name.
  struct Name {
    bool present = false;
    // Where a key new to every section of the name goes: before the line of
    // the bytes starting at `insertAt` (their size: after the last line), or,
    // for a section that set() appended, at the end of appended_[group].
    std::size_t insertAt = 0;
    std::optional<std::size_t> group;
    // The first line of each key in the bytes, by the key's folded bytes: an
    // open-addressing table of (offset + 1) in the low 48 bits and 16 bits of
    // the hash above them; 0 is a free slot.
    std::vector<std::uint64_t> table;
    std::size_t keys = 0;
    // Keys of the lines set() added, folded.
    std::map<std::string, Added> added;
  };
  struct AppendedSection {
    std::string header;
    std::vector<std::string> lines;
  };

  Name& name(std::string_view cp1251) const;
  Name indexName(const std::string& folded) const;
  std::optional<std::size_t> findKey(const Name& n, std::string_view foldedKey) const;
  void addKey(Name& n, std::size_t offset, std::string_view key) const;
  std::string_view keyAt(std::size_t offset) const;
  std::string_view lineAt(std::size_t offset) const;
  std::string& addedLine(const Added& a);
  const std::string& addedLine(const Added& a) const;
  // Replaces the key's line or adds it, where the lines as they read now put it.
  void setIndexed(const std::string& section, const std::string& key, std::string line);
  // Takes what bytes() writes as the bytes read, the changes and index dropped.
  void flatten();

  std::string text_;                                          // Windows-1251, as read
  std::map<std::size_t, std::string> replaced_;               // line start -> the line now
  std::map<std::size_t, std::vector<std::string>> inserted_;  // before the line starting there
  std::vector<AppendedSection> appended_;                     // after every line of the bytes
  mutable std::map<std::string, Name> names_;                 // by folded section name
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
