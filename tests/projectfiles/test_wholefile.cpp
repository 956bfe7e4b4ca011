// Project files among the other things a path can name: pipes, devices,
// links, folders, files far too large. Each is made for real in a temporary
// folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ProjectTestKit.h"
#include "projectfiles/WholeFile.h"

using namespace kalteron;
using namespace kalteron::test;
namespace fs = std::filesystem;

namespace {

class WholeFile : public ProjectTest {
 protected:
  void pipe(const std::string& name) { ASSERT_EQ(::mkfifo(imia(name).c_str(), 0644), 0) << name; }
  void link(const fs::path& to, const std::string& name) { fs::create_symlink(to, dir / name); }
};

TEST_F(WholeFile, OnlyARegularFileIsRead) {
  const std::string project = *readWholeFile(proekt({{1, "Иванов"}}, {}, "real") + ".klt");
  pipe("pipe.klt");
  link("/dev/zero", "zero.klt");
  link("pipe.klt", "to-pipe.klt");
  link("real.klt", "to-real.klt");
  link("nowhere.klt", "dangling.klt");
  link("loop-b.klt", "loop-a.klt");
  link("loop-a.klt", "loop-b.klt");
  fs::create_directories(dir / "folder.klt");
  // Sparse: larger than the limit without taking the room.
  {
    std::FILE* f = std::fopen(imia("huge.klt").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("[Kalteron]\r\n1=x\r\n", f);
    std::fclose(f);
    fs::resize_file(dir / "huge.klt", kMaxFileBytes + 1);
  }
  struct Case {
    const char* name;
    ReadOutcome outcome;
  };
  const Case cases[] = {
      {"real.klt", ReadOutcome::Read},          {"to-real.klt", ReadOutcome::Read},
      {"missing.klt", ReadOutcome::Missing},    {"dangling.klt", ReadOutcome::Missing},
      {"pipe.klt", ReadOutcome::Refused},       {"to-pipe.klt", ReadOutcome::Refused},
      {"zero.klt", ReadOutcome::Refused},       {"loop-a.klt", ReadOutcome::Refused},
      {"folder.klt", ReadOutcome::Refused},     {"huge.klt", ReadOutcome::Refused},
      {"real.klt/x.klt", ReadOutcome::Refused},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string bytes = "left over";
    EXPECT_EQ(readRegularFile(imia(c.name), bytes), c.outcome);
    EXPECT_EQ(bytes, c.outcome == ReadOutcome::Read ? project : "");
    if (c.outcome == ReadOutcome::Read) continue;

    // Neither opened nor saved over: the window and the object stay as they were.
    const auto before = revisii(bal);
    const std::string nameFile = imia(c.name).substr(0, imia(c.name).size() - 4);
    EXPECT_FALSE(OpenRaschet(bal, nameFile));
    EXPECT_EQ(revisii(bal), before);
    if (c.outcome == ReadOutcome::Refused) {
      const auto type = fs::symlink_status(dir / c.name).type();
      EXPECT_FALSE(SaveRaschet(bal, nameFile));
      EXPECT_EQ(fs::symlink_status(dir / c.name).type(), type);
    }
  }
  EXPECT_EQ(fs::file_size(dir / "huge.klt"), kMaxFileBytes + 1);
}

TEST_F(WholeFile, TheLimitIsTheLargestSizeRead) {
  ASSERT_TRUE(writeWholeFile(imia("ten"), "0123456789"));
  EXPECT_EQ(readWholeFile(imia("ten"), 10), std::optional<std::string>("0123456789"));
  EXPECT_EQ(readWholeFile(imia("ten"), 9), std::nullopt);
}

// Within the limit nothing is cut, however long a value.
TEST_F(WholeFile, AValueOfAnyLengthStaysWhole) {
  std::string longText;
  while (longText.size() < 3'000'000) longText += "Иванов и партнёры; ";
  ASSERT_TRUE(OpenRaschet(bal, proekt({{2, longText}})));
  EXPECT_EQ(bal.op.ClickKontakt.text(), longText);
  ASSERT_TRUE(SaveRaschet(bal, imia("again")));
  EXPECT_EQ(ReadIniString(imia("again.klt"), "Kalteron", "2", ""), longText);
}

}  // namespace
