#include "projectfiles/ProfileFile.h"

#include <algorithm>
#include <array>
#include <new>
#include <random>
#include <utility>

#include "projectfiles/Cp1251.h"

namespace kalteron {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Lower case of a Windows-1251 byte: Latin, the Russian alphabet and the
// other Cyrillic letters of the code page.
constexpr std::array<unsigned char, 256> makeLower() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
  for (int i = 'A'; i <= 'Z'; ++i) t[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i + 32);
  for (int i = 0xC0; i <= 0xDF; ++i) t[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i + 32);
  const unsigned char pairs[][2] = {{0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
                                    {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
                                    {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
  for (const auto& p : pairs) t[p[0]] = p[1];
  return t;
}
constexpr std::array<unsigned char, 256> kLower = makeLower();

std::string fold(std::string_view cp1251) {
  std::string out(cp1251);
  for (char& c : out) c = static_cast<char>(kLower[static_cast<unsigned char>(c)]);
  return out;
}

bool equalFolded(std::string_view a, std::string_view foldedB) {
  if (a.size() != foldedB.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (static_cast<char>(kLower[static_cast<unsigned char>(a[i])]) != foldedB[i]) return false;
  return true;
}

// The name of a section line ("[name]"), or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
  const std::string_view t = trim(line);
  if (t.empty() || t.front() != '[') return std::nullopt;
  std::string_view name = t.substr(1);
  const auto close = name.find(']');
  if (close != std::string_view::npos) name = name.substr(0, close);
  return trim(name);
}

// The key and the raw value of a "key=value" line; nothing for a comment or a
// line without an equals sign.
struct Entry {
  std::string_view key;
  std::string_view value;
};
std::optional<Entry> entry(std::string_view line) {
  const std::string_view t = trim(line);
  if (t.empty() || t.front() == ';') return std::nullopt;
  const auto eq = t.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return Entry{trim(t.substr(0, eq)), trim(t.substr(eq + 1))};
}

bool isQuote(char c) { return c == '"' || c == '\''; }

std::string_view unquote(std::string_view v) {
  if (v.size() >= 2 && isQuote(v.front()) && v.front() == v.back()) return v.substr(1, v.size() - 2);
  return v;
}

// The value as it goes into the file: line breaks become blanks, and quotes
// protect what the reader would otherwise trim or strip.
std::string storedValue(std::string_view utf8) {
  std::string v = utf8ToCp1251(utf8);
  for (char& c : v)
    if (c == '\r' || c == '\n') c = ' ';
  const bool needsQuotes = !v.empty() && (isBlank(v.front()) || isBlank(v.back()) ||
                                          (v.size() >= 2 && isQuote(v.front()) && v.front() == v.back()));
  return needsQuotes ? '"' + v + '"' : v;
}

// Whether two names are the same without regard to letter case.
bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (kLower[static_cast<unsigned char>(a[i])] != kLower[static_cast<unsigned char>(b[i])]) return false;
  return true;
}

// A line of the bytes from its start: up to its LF, without a CR before it
// (or before the end of the bytes). `next` is where the following line starts.
std::string_view lineFrom(std::string_view text, std::size_t start, std::size_t& next) {
  std::size_t lf = text.find('\n', start);
  if (lf == std::string_view::npos) lf = text.size();
  next = lf == text.size() ? lf : lf + 1;
  std::string_view line = text.substr(start, lf - start);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// Hashes of key names, seeded once per run so that no file can be made to
// put its keys into one chain.
std::uint64_t hashSeed() {
  static const std::uint64_t seed = [] {
    std::random_device rd;
    return (std::uint64_t{rd()} << 32) ^ rd();
  }();
  return seed;
}

std::uint64_t hashFolded(std::string_view cp1251) {
  std::uint64_t h = hashSeed() ^ 0xcbf29ce484222325ULL;
  for (char c : cp1251) {
    h ^= kLower[static_cast<unsigned char>(c)];
    h *= 0x100000001b3ULL;
  }
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  return h;
}

constexpr int kOffsetBits = 48;
constexpr std::uint64_t kOffsetMask = (std::uint64_t{1} << kOffsetBits) - 1;
std::uint64_t slotTag(std::uint64_t hash) { return hash >> kOffsetBits; }

// Whether the line a key starts reads back as that key: not a comment, not a
// section line, no other key (blanks trimmed, cut at "="), not split in two.
bool plainKey(std::string_view k) {
  if (!k.empty() && (isBlank(k.front()) || isBlank(k.back()) || k.front() == ';' || k.front() == '[')) return false;
  return k.find_first_of("=\n") == std::string_view::npos;
}

// A section name that set() can append as "[name]" and read back as itself.
bool plainSection(std::string_view s) {
  if (!s.empty() && (isBlank(s.front()) || isBlank(s.back()))) return false;
  return s.find_first_of("]\n") == std::string_view::npos;
}

}  // namespace

ProfileFile ProfileFile::parse(std::string_view bytes) { return parse(std::string(bytes)); }

ProfileFile ProfileFile::parse(std::string&& bytes) {
  ProfileFile f;
  f.text_ = std::move(bytes);
  return f;
}

std::string ProfileFile::bytes() const {
  std::size_t n = text_.size() + 2 + static_cast<std::size_t>(std::count(text_.begin(), text_.end(), '\n'));
  for (const auto& [at, lines] : inserted_)
    for (const auto& l : lines) n += l.size() + 2;
  for (const auto& [at, line] : replaced_) n += line.size();
  for (const auto& a : appended_) {
    n += a.header.size() + 2;
    for (const auto& l : a.lines) n += l.size() + 2;
  }
  std::string out;
  out.reserve(n);
  const auto put = [&out](std::string_view line) {
    out += line;
    out += "\r\n";
  };
  auto ins = inserted_.begin();
  auto rep = replaced_.begin();
  const auto insertBefore = [&](std::size_t start) {
    for (; ins != inserted_.end() && ins->first <= start; ++ins)
      for (const auto& l : ins->second) put(l);
  };
  for (std::size_t start = 0, next = 0; start < text_.size(); start = next) {
    const std::string_view line = lineFrom(text_, start, next);
    insertBefore(start);
    if (rep != replaced_.end() && rep->first == start) {
      put((rep++)->second);
    } else {
      put(line);
    }
  }
  insertBefore(text_.size());
  for (const auto& a : appended_) {
    put(a.header);
    for (const auto& l : a.lines) put(l);
  }
  return out;
}

std::vector<std::string> ProfileFile::lines() const {
  const std::string all = bytes();
  std::vector<std::string> out;
  for (std::size_t start = 0, next = 0; start < all.size(); start = next) out.emplace_back(lineFrom(all, start, next));
  return out;
}

std::string_view ProfileFile::lineAt(std::size_t offset) const {
  std::size_t next = 0;
  return lineFrom(text_, offset, next);
}

// The key of the "key=value" line of the bytes starting at `offset`.
std::string_view ProfileFile::keyAt(std::size_t offset) const {
  const std::string_view rest = std::string_view(text_).substr(offset);
  return trim(rest.substr(0, rest.find('=')));
}

std::optional<std::size_t> ProfileFile::findKey(const Name& n, std::string_view foldedKey) const {
  if (n.table.empty()) return std::nullopt;
  const std::uint64_t h = hashFolded(foldedKey);
  const std::size_t mask = n.table.size() - 1;
  for (std::size_t i = h & mask;; i = (i + 1) & mask) {
    const std::uint64_t s = n.table[i];
    if (s == 0) return std::nullopt;
    const std::size_t offset = (s & kOffsetMask) - 1;
    if (s >> kOffsetBits == slotTag(h) && equalFolded(keyAt(offset), foldedKey)) return offset;
  }
}

// Adds the key of the line at `offset` unless an earlier line holds it.
void ProfileFile::addKey(Name& n, std::size_t offset, std::string_view key) const {
  if ((n.keys + 1) * 2 > n.table.size()) {
    std::vector<std::uint64_t> old(std::max<std::size_t>(16, n.table.size() * 2), 0);
    old.swap(n.table);
    const std::size_t mask = n.table.size() - 1;
    for (const std::uint64_t s : old) {
      if (s == 0) continue;
      std::size_t i = hashFolded(keyAt((s & kOffsetMask) - 1)) & mask;
      while (n.table[i] != 0) i = (i + 1) & mask;
      n.table[i] = s;
    }
  }
  const std::uint64_t h = hashFolded(key);
  const std::size_t mask = n.table.size() - 1;
  for (std::size_t i = h & mask;; i = (i + 1) & mask) {
    const std::uint64_t s = n.table[i];
    if (s == 0) {
      n.table[i] = (slotTag(h) << kOffsetBits) | (offset + 1);
      ++n.keys;
      return;
    }
    if (s >> kOffsetBits == slotTag(h) && sameName(keyAt((s & kOffsetMask) - 1), key)) return;
  }
}

// One pass over the bytes for the sections of one folded name.
ProfileFile::Name ProfileFile::indexName(const std::string& folded) const {
  Name n;
  bool inside = false;
  bool inFirst = false;
  std::size_t afterLastText = 0;  // where the line after the last non-blank one starts
  for (std::size_t start = 0, next = 0; start < text_.size(); start = next) {
    const std::string_view line = lineFrom(text_, start, next);
    if (line.empty()) continue;
    if (const auto section = sectionName(line)) {
      if (inFirst) n.insertAt = afterLastText;
      inFirst = false;
      inside = equalFolded(*section, folded);
      if (inside && !n.present) {
        n.present = inFirst = true;
        afterLastText = next;
      }
      continue;
    }
    if (!inside) continue;
    if (inFirst && !trim(line).empty()) afterLastText = next;
    if (const auto e = entry(line)) addKey(n, start, e->key);
  }
  if (inFirst) n.insertAt = afterLastText;
  return n;
}

ProfileFile::Name& ProfileFile::name(std::string_view cp1251) const {
  std::string folded = fold(cp1251);
  const auto found = names_.find(folded);
  if (found != names_.end()) return found->second;
  Name n = indexName(folded);
  return names_.emplace(std::move(folded), std::move(n)).first->second;
}

std::string& ProfileFile::addedLine(const Added& a) {
  return a.appended ? appended_[a.at].lines[a.index] : inserted_[a.at][a.index];
}

const std::string& ProfileFile::addedLine(const Added& a) const {
  return a.appended ? appended_[a.at].lines[a.index] : inserted_.at(a.at)[a.index];
}

bool ProfileFile::hasSection(std::string_view section) const { return name(utf8ToCp1251(section)).present; }

std::optional<std::string> ProfileFile::get(std::string_view section, std::string_view key) const {
  const Name& n = name(utf8ToCp1251(section));
  if (!n.present) return std::nullopt;
  const std::string k = fold(utf8ToCp1251(key));
  std::string_view line;
  if (const auto offset = findKey(n, k)) {
    const auto r = replaced_.find(*offset);
    line = r != replaced_.end() ? std::string_view(r->second) : lineAt(*offset);
  } else if (const auto a = n.added.find(k); a != n.added.end()) {
    line = addedLine(a->second);
  } else {
    return std::nullopt;
  }
  return cp1251ToUtf8(unquote(entry(line)->value));
}

void ProfileFile::set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string keyBytes = utf8ToCp1251(key);
  const std::string sectionBytes = utf8ToCp1251(section);
  std::string line = keyBytes + "=" + storedValue(value);
  if (plainKey(keyBytes) && (plainSection(sectionBytes) || name(sectionBytes).present)) {
    setIndexed(sectionBytes, keyBytes, std::move(line));
    return;
  }
  // A line that changes how the lines around it read: placed as any other,
  // then the file is read anew.
  setIndexed(sectionBytes, keyBytes, std::move(line));
  flatten();
}

void ProfileFile::setIndexed(const std::string& section, const std::string& key, std::string line) {
  Name& n = name(section);
  std::string k = fold(key);
  if (const auto offset = findKey(n, k)) {
    replaced_[*offset] = std::move(line);
    return;
  }
  if (const auto a = n.added.find(k); a != n.added.end()) {
    addedLine(a->second) = std::move(line);
    return;
  }
  Added where;
  if (!n.present) {
    appended_.push_back({"[" + section + "]", {}});
    n.present = true;
    n.group = appended_.size() - 1;
  }
  // After the last line of the first such section that is not blank, so the
  // blank lines before the next section stay where they are.
  if (n.group) {
    auto& lines = appended_[*n.group].lines;
    where = {true, *n.group, lines.size()};
    lines.push_back(std::move(line));
  } else {
    auto& lines = inserted_[n.insertAt];
    where = {false, n.insertAt, lines.size()};
    lines.push_back(std::move(line));
  }
  n.added.emplace(std::move(k), where);
}

void ProfileFile::flatten() {
  text_ = bytes();
  replaced_.clear();
  inserted_.clear();
  appended_.clear();
  names_.clear();
}

std::string ReadIniString(const std::string& file, std::string_view section, std::string_view key,
                          std::string_view deflt) {
  try {
    auto bytes = readWholeFile(file);
    if (!bytes) return std::string(deflt);
    const auto v = ProfileFile::parse(std::move(*bytes)).get(section, key);
    return v ? *v : std::string(deflt);
  } catch (const std::bad_alloc&) {
    // A file there is no memory for reads as one that cannot be read.
    return std::string(deflt);
  }
}

bool rewriteProfile(const std::string& path, const std::function<void(ProfileFile&)>& edit) {
  std::string out;
  try {
    ProfileFile f;
    std::string bytes;
    switch (readRegularFile(path, bytes)) {
      case ReadOutcome::Read:
        f = ProfileFile::parse(std::move(bytes));
        break;
      case ReadOutcome::Missing:
        break;
      case ReadOutcome::Refused:
        return false;
    }
    edit(f);
    out = f.bytes();
  } catch (const std::bad_alloc&) {
    // Too little memory to read or change the file: it is not written.
    return false;
  }
  return writeWholeFile(path, out);
}

bool WriteIniString(const std::string& file, std::string_view section, std::string_view key, std::string_view value) {
  return rewriteProfile(file, [&](ProfileFile& f) { f.set(section, key, value); });
}

}  // namespace kalteron
