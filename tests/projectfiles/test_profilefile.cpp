#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <random>
#include <string>

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

class ProfileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("kalteron-profile-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
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
