#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "projectfiles/Cp1251.h"
#include "projectfiles/ProfileFile.h"

using namespace kalteron;
namespace fs = std::filesystem;

namespace {

TEST(ProfileFile, ReadsAsWindowsProfileFunctions) {
  struct Case {
    const char* what;
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> value;
  };
  const Case cases[] = {
      {"plain", "[Kalteron]\r\n1=abc\r\n", "Kalteron", "1", "abc"},
      {"section case", "[KALTERON]\r\n1=abc\r\n", "Kalteron", "1", "abc"},
      {"key case", "[Kalteron]\r\nKey=v\r\n", "kalteron", "kEY", "v"},
      {"Cyrillic section case", "[\xCF\xF0\xEE\xE5\xEA\xF2]\r\n1=x\r\n", "ПРОЕКТ", "1", "x"},
      {"blanks around", "  [ Kalteron ]  \r\n  1  =  a b  \r\n", "Kalteron", "1", "a b"},
      {"tabs around", "[Kalteron]\r\n\t1\t=\tv\t\r\n", "Kalteron", "1", "v"},
      {"double quotes", "[Kalteron]\r\n1=\"  a \"\r\n", "Kalteron", "1", "  a "},
      {"single quotes", "[Kalteron]\r\n1='x'\r\n", "Kalteron", "1", "x"},
      {"one quote only", "[Kalteron]\r\n1=\"x\r\n", "Kalteron", "1", "\"x"},
      {"mixed quotes", "[Kalteron]\r\n1=\"x'\r\n", "Kalteron", "1", "\"x'"},
      {"LF only, no last end", "[Kalteron]\n1=x\n2=y", "Kalteron", "2", "y"},
      {"first repeated key", "[Kalteron]\r\n1=a\r\n1=b\r\n", "Kalteron", "1", "a"},
      {"empty value", "[Kalteron]\r\n1=\r\n", "Kalteron", "1", ""},
      {"equals in value", "[Kalteron]\r\n1=a=b\r\n", "Kalteron", "1", "a=b"},
      {"Windows-1251 value", "[Kalteron]\r\n1=\xCF\xF0\xE8\r\n", "Kalteron", "1", "При"},
      {"missing key", "[Kalteron]\r\n1=a\r\n", "Kalteron", "2", std::nullopt},
      {"missing section", "[Other]\r\n1=a\r\n", "Kalteron", "1", std::nullopt},
      {"key of the next section", "[Kalteron]\r\n[Other]\r\n1=a\r\n", "Kalteron", "1", std::nullopt},
      {"key before any section", "1=a\r\n[Kalteron]\r\n", "Kalteron", "1", std::nullopt},
      {"comment", "[Kalteron]\r\n;1=a\r\n", "Kalteron", "1", std::nullopt},
      {"line without equals", "[Kalteron]\r\n1\r\n", "Kalteron", "1", std::nullopt},
      {"section again", "[Kalteron]\r\n1=a\r\n[O]\r\n2=b\r\n[kalteron]\r\n2=c\r\n", "Kalteron", "2", "c"},
      {"empty file", "", "Kalteron", "1", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProfileFile::parse(c.file).get(c.section, c.key), c.value) << c.what;
  }
}

TEST(ProfileFile, WritesInPlaceAndKeepsOtherLines) {
  struct Set {
    const char* section;
    const char* key;
    std::string value;
  };
  struct Case {
    const char* what;
    std::string before;
    std::vector<Set> sets;
    std::string after;
  };
  const Case cases[] = {
      {"new file", "", {{"Kalteron", "1", "a"}, {"Kalteron", "2", "b"}}, "[Kalteron]\r\n1=a\r\n2=b\r\n"},
      {"replaced in place",
       "; note\r\n[Kalteron]\r\n1=old\r\n2=x\r\n[Other]\r\nz=1\r\n",
       {{"Kalteron", "1", "new"}},
       "; note\r\n[Kalteron]\r\n1=new\r\n2=x\r\n[Other]\r\nz=1\r\n"},
      {"key added at the end of its section",
       "[Kalteron]\r\n1=a\r\n\r\n[Other]\r\nq=1\r\n",
       {{"Kalteron", "2", "b"}},
       "[Kalteron]\r\n1=a\r\n2=b\r\n\r\n[Other]\r\nq=1\r\n"},
      {"section added at the end",
       "[Other]\r\nq=1\r\n",
       {{"Kalteron", "1", "a"}},
       "[Other]\r\nq=1\r\n[Kalteron]\r\n1=a\r\n"},
      {"names without regard to case", "[kalteron]\r\n 1 = a\r\n", {{"Kalteron", "1", "b"}}, "[kalteron]\r\n1=b\r\n"},
      {"first of repeated keys", "[K]\r\n1=a\r\n1=b\r\n", {{"K", "1", "c"}}, "[K]\r\n1=c\r\n1=b\r\n"},
      {"LF-only file gets CR LF", "[K]\n1=a\nx=y", {{"K", "1", "b"}}, "[K]\r\n1=b\r\nx=y\r\n"},
      {"line breaks become blanks", "", {{"K", "1", "a\r\nb\nc"}}, "[K]\r\n1=a  b c\r\n"},
      {"blanks at the ends are quoted", "", {{"K", "1", " a "}}, "[K]\r\n1=\" a \"\r\n"},
      {"quotes around are quoted", "", {{"K", "1", "\"q\""}}, "[K]\r\n1=\"\"q\"\"\r\n"},
      {"Cyrillic and unmappable", "", {{"K", "1", "Яблоки ✓"}}, "[K]\r\n1=\xDF\xE1\xEB\xEE\xEA\xE8 ?\r\n"},
      {"empty value", "", {{"K", "1", ""}}, "[K]\r\n1=\r\n"},
  };
  for (const Case& c : cases) {
    ProfileFile f = ProfileFile::parse(c.before);
    for (const Set& s : c.sets) f.set(s.section, s.key, s.value);
    EXPECT_EQ(f.bytes(), c.after) << c.what;
  }
}

// Sequences of writes whose lines must land where a line-by-line rewrite of
// the file would put them, and read back from there.
TEST(ProfileFile, WritesLandWhereEachLineWouldGo) {
  struct Set {
    const char* section;
    const char* key;
    const char* value;
  };
  struct Get {
    const char* section;
    const char* key;
    std::optional<std::string> value;
  };
  struct Case {
    const char* what;
    std::string before;
    std::vector<Set> sets;
    std::string after;
    std::vector<Get> gets;
  };
  const Case cases[] = {
      {"a new key set again is replaced",
       "",
       {{"K", "1", "a"}, {"K", "2", "b"}, {"k", "1", "c"}},
       "[K]\r\n1=c\r\n2=b\r\n",
       {{"K", "1", "c"}, {"K", "2", "b"}}},
      {"new keys of several sections, the last one's before the sections added",
       "[A]\r\nx=1\r\n\r\n[B]\r\ny=2",
       {{"B", "1", "b1"}, {"C", "1", "c1"}, {"B", "2", "b2"}, {"A", "1", "a1"}, {"C", "2", "c2"}},
       "[A]\r\nx=1\r\n1=a1\r\n\r\n[B]\r\ny=2\r\n1=b1\r\n2=b2\r\n[C]\r\n1=c1\r\n2=c2\r\n",
       {{"B", "2", "b2"}, {"C", "1", "c1"}, {"A", "x", "1"}}},
      {"a key of a repeated section is replaced there, a new one goes to the first",
       "[K]\r\n\r\n[O]\r\n[k]\r\n1=a\r\n",
       {{"K", "1", "b"}, {"K", "2", "c"}},
       "[K]\r\n2=c\r\n\r\n[O]\r\n[k]\r\n1=b\r\n",
       {{"K", "1", "b"}, {"O", "1", std::nullopt}}},
      {"a section line without its line end", "[K]", {{"K", "1", "a"}}, "[K]\r\n1=a\r\n", {{"K", "1", "a"}}},
      {"sections added take their own new keys",
       "",
       {{"A", "1", "a"}, {"B", "1", "b"}, {"A", "2", "c"}},
       "[A]\r\n1=a\r\n2=c\r\n[B]\r\n1=b\r\n",
       {{"A", "2", "c"}, {"B", "2", std::nullopt}}},
      {"a key with blanks around reads as another and is added each time",
       "[K]\r\n1=a\r\n",
       {{"K", " 1", "b"}, {"K", " 1", "c"}},
       "[K]\r\n1=a\r\n 1=b\r\n 1=c\r\n",
       {{"K", "1", "a"}, {"K", " 1", std::nullopt}}},
      {"a key that makes a section line ends its section",
       "[K]\r\n1=a\r\n",
       {{"K", "[x", "v"}, {"K", "[x", "v"}, {"K", "2", "w"}},
       "[K]\r\n1=a\r\n2=w\r\n[x=v\r\n[x=v\r\n",
       {{"x=v", "2", std::nullopt}, {"K", "2", "w"}}},
      {"a key with an equals sign and a comment key",
       "[K]\r\na=1\r\n",
       {{"K", "a=b", "2"}, {"K", ";c", "3"}, {"K", "a", "4"}},
       "[K]\r\na=4\r\na=b=2\r\n;c=3\r\n",
       {{"K", "a", "4"}, {"K", ";c", std::nullopt}}},
      {"a section name with a bracket reads as its first part",
       "",
       {{"a]b", "1", "x"}, {"a]b", "2", "y"}},
       "[a]b]\r\n1=x\r\n[a]b]\r\n2=y\r\n",
       {{"a", "1", "x"}, {"a", "2", "y"}, {"a]b", "1", std::nullopt}}},
      {"a new key after a replaced last line of the file",
       "[K]\r\n1=a",
       {{"K", "1", "b"}, {"K", "2", "c"}},
       "[K]\r\n1=b\r\n2=c\r\n",
       {{"K", "1", "b"}}},
  };
  for (const Case& c : cases) {
    ProfileFile f = ProfileFile::parse(c.before);
    for (const Set& s : c.sets) f.set(s.section, s.key, s.value);
    EXPECT_EQ(f.bytes(), c.after) << c.what;
    for (const Get& g : c.gets) EXPECT_EQ(f.get(g.section, g.key), g.value) << c.what << ": " << g.key;
    EXPECT_EQ(ProfileFile::parse(f.bytes()).bytes(), c.after) << c.what;
  }
}

// The profile rules kept the plain way: one string per line, every call
// walking every line. Random small files and random calls must give the same
// values and the same bytes as ProfileFile.
class LineModel {
 public:
  explicit LineModel(std::string_view bytes) {
    for (std::size_t start = 0; start < bytes.size();) {
      auto lf = bytes.find('\n', start);
      if (lf == std::string_view::npos) lf = bytes.size();
      std::string line(bytes.substr(start, lf - start));
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines_.push_back(line);
      start = lf + 1;
    }
  }
  std::string bytes() const {
    std::string out;
    for (const auto& l : lines_) out += l + "\r\n";
    return out;
  }
  std::optional<std::string> get(std::string_view section, std::string_view key) const {
    for (const auto& [header, end] : sections(section))
      for (std::size_t i = header + 1; i < end; ++i)
        if (const auto e = entry(lines_[i]); e && same(e->first, key)) return unquote(e->second);
    return std::nullopt;
  }
  bool has(std::string_view section) const { return !sections(section).empty(); }
  void set(std::string_view section, std::string_view key, std::string_view value) {
    std::string v(value);
    const bool quote =
        !v.empty() && (blank(v.front()) || blank(v.back()) ||
                       (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.front() == v.back()));
    const std::string line = std::string(key) + "=" + (quote ? '"' + v + '"' : v);
    const auto found = sections(section);
    for (const auto& [header, end] : found)
      for (std::size_t i = header + 1; i < end; ++i)
        if (const auto e = entry(lines_[i]); e && same(e->first, key)) {
          lines_[i] = line;
          return;
        }
    if (found.empty()) {
      lines_.push_back("[" + std::string(section) + "]");
      lines_.push_back(line);
      return;
    }
    std::size_t at = found.front().second;
    while (at > found.front().first + 1 && trim(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
  }

 private:
  static bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }
  static std::string_view trim(std::string_view s) {
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
  }
  // ASCII only: the random names are Latin.
  static bool same(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
  }
  static std::optional<std::pair<std::string_view, std::string_view>> entry(std::string_view line) {
    const auto t = trim(line);
    const auto eq = t.find('=');
    if (t.empty() || t.front() == ';' || eq == std::string_view::npos) return std::nullopt;
    return std::pair{trim(t.substr(0, eq)), trim(t.substr(eq + 1))};
  }
  static std::string unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.front() == v.back())
      v = v.substr(1, v.size() - 2);
    return std::string(v);
  }
  std::vector<std::pair<std::size_t, std::size_t>> sections(std::string_view name) const {
    std::vector<std::pair<std::size_t, std::size_t>> out;
    bool inside = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const auto t = trim(lines_[i]);
      if (t.empty() || t.front() != '[') continue;
      if (inside) out.back().second = i;
      const auto inner = t.substr(1);
      inside = same(trim(inner.substr(0, inner.find(']'))), name);
      if (inside) out.push_back({i, lines_.size()});
    }
    return out;
  }
  std::vector<std::string> lines_;
};

TEST(ProfileFile, RandomFilesAndCallsReadAndWriteAsLineByLine) {
  const std::vector<std::string> pieces = {"[a]",       "[A]", " [b] ", "[a", "[]",  "",     "  ",      ";k=1", "k=v",
                                           " K = 'q' ", "x",   "k=",    "\r", "b=1", "[c]x", "k=\"s\"", "=e"};
  const std::vector<std::string> names = {"a", "A", "b", "c", "", "a]b", " a", "d"};
  const std::vector<std::string> keys = {"k", "K", "x", "b", "", " k", "k=1", ";k", "[k", "n"};
  const std::vector<std::string> values = {"v", "", " s ", "\"q\"", "w"};
  std::mt19937 rng(20240611);
  const auto pick = [&rng](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
  };
  for (int round = 0; round < 3000; ++round) {
    std::string file;
    for (int n = static_cast<int>(rng() % 8); n > 0; --n) file += pick(pieces) + (rng() % 2 ? "\r\n" : "\n");
    if (rng() % 3 == 0) file += pick(pieces);
    ProfileFile f = ProfileFile::parse(file);
    LineModel m(file);
    std::string calls;
    for (int n = static_cast<int>(rng() % 10); n > 0; --n) {
      const std::string section = pick(names), key = pick(keys);
      if (rng() % 2) {
        const std::string value = pick(values);
        calls += "set " + section + "/" + key + "=" + value + "; ";
        f.set(section, key, value);
        m.set(section, key, value);
      } else {
        calls += "get " + section + "/" + key + "; ";
        ASSERT_EQ(f.get(section, key), m.get(section, key)) << file << '\n' << calls;
        ASSERT_EQ(f.hasSection(section), m.has(section)) << file << '\n' << calls;
      }
    }
    ASSERT_EQ(f.bytes(), m.bytes()) << file << '\n' << calls;
  }
}

class ProfileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("kalteron-profile-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  fs::path dir;
};

TEST_F(ProfileOnDisk, OneKeyAtATime) {
  const std::string path = (dir / "p.ini").string();
  EXPECT_EQ(ReadIniString(path, "Kalteron", "1", "0"), "0");
  ASSERT_TRUE(WriteIniString(path, "Kalteron", "1", "Склад"));
  ASSERT_TRUE(WriteIniString(path, "Kalteron", "2", ""));
  EXPECT_EQ(ReadIniString(path, "Kalteron", "1", "0"), "Склад");
  EXPECT_EQ(ReadIniString(path, "Kalteron", "2", "0"), "");
  EXPECT_EQ(ReadIniString(path, "Kalteron", "3", "x"), "x");
  EXPECT_EQ(ReadIniString(path, "Other", "1", "x"), "x");
  EXPECT_EQ(readWholeFile(path), std::optional<std::string>("[Kalteron]\r\n1=\xD1\xEA\xEB\xE0\xE4\r\n2=\r\n"));
  // Only the file itself is left: no temporary beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(ProfileOnDisk, FailedWritesLeaveNothingBehind) {
  const std::string inMissingFolder = (dir / "none" / "p.ini").string();
  EXPECT_FALSE(WriteIniString(inMissingFolder, "K", "1", "a"));
  EXPECT_FALSE(fs::exists(dir / "none"));
  // A folder where the file should be.
  fs::create_directories(dir / "folder.ini");
  EXPECT_FALSE(WriteIniString((dir / "folder.ini").string(), "K", "1", "a"));
  EXPECT_TRUE(fs::is_directory(dir / "folder.ini"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  EXPECT_EQ(readWholeFile(inMissingFolder), std::nullopt);
}

}  // namespace
