#include "projectfiles/ProfileFile.h"

#include <array>

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

}  // namespace

ProfileFile ProfileFile::parse(std::string_view bytes) {
  ProfileFile f;
  std::size_t start = 0;
  while (start < bytes.size()) {
    auto lf = bytes.find('\n', start);
    if (lf == std::string_view::npos) lf = bytes.size();
    std::string_view line = bytes.substr(start, lf - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    f.lines_.emplace_back(line);
    start = lf + 1;
  }
  return f;
}

std::string ProfileFile::bytes() const {
  std::string out;
  std::size_t n = 0;
  for (const auto& l : lines_) n += l.size() + 2;
  out.reserve(n);
  for (const auto& l : lines_) {
    out += l;
    out += "\r\n";
  }
  return out;
}

std::vector<ProfileFile::Range> ProfileFile::sections(std::string_view folded) const {
  std::vector<Range> out;
  bool inside = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = sectionName(lines_[i]);
    if (!name) continue;
    if (inside) out.back().end = i;
    inside = equalFolded(*name, folded);
    if (inside) out.push_back({i, lines_.size()});
  }
  return out;
}

bool ProfileFile::hasSection(std::string_view section) const { return !sections(fold(utf8ToCp1251(section))).empty(); }

std::optional<std::string> ProfileFile::get(std::string_view section, std::string_view key) const {
  const std::string k = fold(utf8ToCp1251(key));
  for (const Range& r : sections(fold(utf8ToCp1251(section)))) {
    for (std::size_t i = r.header + 1; i < r.end; ++i) {
      const auto e = entry(lines_[i]);
      if (e && equalFolded(e->key, k)) return cp1251ToUtf8(unquote(e->value));
    }
  }
  return std::nullopt;
}

void ProfileFile::set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string keyBytes = utf8ToCp1251(key);
  const std::string k = fold(keyBytes);
  std::string line = keyBytes + "=" + storedValue(value);
  const auto found = sections(fold(utf8ToCp1251(section)));
  for (const Range& r : found) {
    for (std::size_t i = r.header + 1; i < r.end; ++i) {
      const auto e = entry(lines_[i]);
      if (e && equalFolded(e->key, k)) {
        lines_[i] = std::move(line);
        return;
      }
    }
  }
  if (found.empty()) {
    lines_.push_back("[" + utf8ToCp1251(section) + "]");
    lines_.push_back(std::move(line));
    return;
  }
  // After the last line of the first such section that is not blank, so the
  // blank lines before the next section stay where they are.
  const Range& r = found.front();
  std::size_t at = r.end;
  while (at > r.header + 1 && trim(lines_[at - 1]).empty()) --at;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::string ReadIniString(const std::string& file, std::string_view section, std::string_view key,
                          std::string_view deflt) {
  const auto bytes = readWholeFile(file);
  if (!bytes) return std::string(deflt);
  const auto v = ProfileFile::parse(*bytes).get(section, key);
  return v ? *v : std::string(deflt);
}

bool rewriteProfile(const std::string& path, const std::function<void(ProfileFile&)>& edit) {
  ProfileFile f;
  std::string bytes;
  switch (readRegularFile(path, bytes)) {
    case ReadOutcome::Read:
      f = ProfileFile::parse(bytes);
      break;
    case ReadOutcome::Missing:
      break;
    case ReadOutcome::Refused:
      return false;
  }
  edit(f);
  return writeWholeFile(path, f.bytes());
}

bool WriteIniString(const std::string& file, std::string_view section, std::string_view key, std::string_view value) {
  return rewriteProfile(file, [&](ProfileFile& f) { f.set(section, key, value); });
}

}  // namespace kalteron
