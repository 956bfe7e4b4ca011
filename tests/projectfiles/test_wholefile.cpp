// Project files among the other things a path can name: pipes, devices,
// links, folders, files far too large. Each is made for real in a temporary
// folder.
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "../FolderListing.h"
#include "ProjectTestKit.h"
#include "projectfiles/ProjectCommands.h"
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
  ASSERT_TRUE(writeWholeFile(imia("huge.klt"), "[Kalteron]\r\n1=x\r\n"));
  fs::resize_file(dir / "huge.klt", kMaxFileBytes + 1);
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

// The link stays a link and its target gets the project, keeping its owner
// and mode; the temporary file leaves nothing behind. In a shared folder with
// the sticky bit, another user's link is not followed, at any step, nor is
// another user's file written, there or in a group's sticky folder: the save
// says it failed and nothing changes. The saves are the user's, as the files
// see it; run as root, that is the user 65534, among entries of the user
// 65533 and of root, the shared folders' owner.
TEST_F(WholeFile, SavingThroughALinkWritesItsTarget) {
  const bool root = ::geteuid() == 0;
  const uid_t user = root ? 65534 : ::geteuid();
  constexpr uid_t kOther = 65533;
  for (const char* folder : {"sub", "other", "mine", "shared", "group", "team"}) fs::create_directories(dir / folder);
  for (const char* file : {"real.klt", "mine/ours.klt", "mine/own.klt", "mine/roots.klt", "mine/members.klt",
                           "shared/theirs.klt", "group/member.klt"})
    ASSERT_TRUE(writeWholeFile(imia(file), "[Other]\r\nq=1\r\n"));
  fs::permissions(dir / "real.klt", fs::perms{0640});
  link("real.klt", "link.klt");
  link("link.klt", "chain.klt");
  link(dir / "sub" / "deep.klt", "other/abs.klt");
  ASSERT_TRUE(writeWholeFile(imia("sub/deep.klt"), ""));
  link("sub/new.klt", "dangling.klt");
  link("none/new.klt", "nowhere.klt");
  link("loop-b.klt", "loop-a.klt");
  link("loop-a.klt", "loop-b.klt");
  link("../mine/ours.klt", "shared/their-link.klt");
  link("../mine/new.klt", "shared/their-dangling.klt");
  link("their-link.klt", "shared/chain.klt");
  link("../mine", "shared/their-folder");
  link("../mine/own.klt", "shared/own-link.klt");
  link("../mine/roots.klt", "shared/root-link.klt");
  link("../mine/members.klt", "team/member-link.klt");
  // The shared folder, as the temporary folder is; a group's with and without
  // the sticky bit, its members free to write. Root gives every entry to the
  // user, then the folders to root and the group 65534, and some to another.
  if (root) {
    for (const auto& e : fs::recursive_directory_iterator(dir)) ASSERT_EQ(::lchown(e.path().c_str(), user, user), 0);
    ASSERT_EQ(::chown(dir.c_str(), user, user), 0);
    for (const char* folder : {"shared", "group", "team"}) ASSERT_EQ(::chown(imia(folder).c_str(), 0, 65534), 0);
    ASSERT_EQ(::lchown(imia("shared/root-link.klt").c_str(), 0, 0), 0);
    for (const char* theirs : {"shared/their-link.klt", "shared/their-dangling.klt", "shared/their-folder",
                               "shared/theirs.klt", "group/member.klt", "team/member-link.klt"})
      ASSERT_EQ(::lchown(imia(theirs).c_str(), kOther, 65534), 0);
  }
  fs::permissions(dir / "shared/theirs.klt", fs::perms{0666});
  fs::permissions(dir / "group/member.klt", fs::perms{0660});
  ASSERT_EQ(::chmod(imia("shared").c_str(), 01777), 0);
  ASSERT_EQ(::chmod(imia("group").c_str(), 01770), 0);
  ASSERT_EQ(::chmod(imia("team").c_str(), 0770), 0);
  struct Case {
    const char* chosen;
    const char* written;  // nothing when the save fails
    bool others = false;  // among other users' entries: root only
  };
  const Case cases[] = {
      {"link.klt", "real.klt"},
      {"chain.klt", "real.klt"},
      {"other/abs.klt", "sub/deep.klt"},
      {"dangling.klt", "sub/new.klt"},
      {"nowhere.klt", nullptr},
      {"loop-a.klt", nullptr},
      {"shared/their-link.klt", nullptr, true},
      {"shared/their-dangling.klt", nullptr, true},
      {"shared/theirs.klt", nullptr, true},
      {"group/member.klt", nullptr, true},
      {"shared/chain.klt", nullptr, true},
      {"shared/their-folder/ours.klt", nullptr, true},
      {"shared/own-link.klt", "mine/own.klt"},
      {"shared/root-link.klt", "mine/roots.klt", true},
      {"team/member-link.klt", "mine/members.klt", true},
  };
  ScriptedDialogs dialogs;
  ScriptedPrompter prompter;
  ProjectCommands cmd(bal, dialogs, prompter);
  std::string notRun;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    if (c.others && !root) {
      notRun += std::string(" [") + c.chosen + "]";
      continue;
    }
    const Entries before = entriesBelow(dir);
    bal.op.ClickZakazsik.setText(c.chosen);
    dialogs.answers = {imia(c.chosen)};
    dialogs.asked.clear();
    prompter.messages.clear();
    // The save every file goes through, then the project command's.
    if (root) ::setfsgid(user), ::setfsuid(user);
    const bool written = writeWholeFile(imia(c.chosen), "[Other]\r\nq=1\r\n");
    const bool saved = cmd.SaveNameFileSave();
    if (root) ::setfsuid(0), ::setfsgid(0);
    EXPECT_EQ(written, c.written != nullptr);
    EXPECT_EQ(saved, c.written != nullptr);
    const Entries after = entriesBelow(dir);
    if (c.written == nullptr) {
      EXPECT_EQ(prompter.messages, std::vector<std::string>{neSohranen(imia(c.chosen))});
      EXPECT_EQ(changed(before, after), std::set<std::string>{});
      continue;
    }
    EXPECT_EQ(ReadIniString(imia(c.written), "Kalteron", "1", ""), c.chosen);
    EXPECT_EQ(ReadIniString(imia(c.written), "Other", "q", ""), "1");
    EXPECT_EQ(changed(before, after), std::set<std::string>{c.written});
    if (before.count(c.written)) {
      EXPECT_EQ(after.at(c.written).mode, before.at(c.written).mode);
      EXPECT_EQ(after.at(c.written).uid, before.at(c.written).uid);
    }
  }
  if (!notRun.empty()) GTEST_SKIP() << "needs root to make other users' entries:" << notRun;
}

// A folder the user may not write to, holding files the user may write.
class LockedFolder : public WholeFile {
 protected:
  void SetUp() override {
    WholeFile::SetUp();
    locked = dir / "locked";
    fs::permissions(dir, fs::perms{0755});
    fs::create_directories(locked);
  }
  // A file anybody may write.
  void put(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(writeWholeFile(in(name), bytes));
    fs::permissions(locked / name, fs::perms{0666});
  }
  void lock() { fs::permissions(locked, fs::perms{0555}); }
  std::string in(const std::string& name) const { return (locked / name).string(); }
  std::set<std::string> files() const {
    std::set<std::string> out;
    for (const auto& e : fs::directory_iterator(locked)) out.insert(e.path().filename().string());
    return out;
  }
  // What saving the window gives over a file holding `before`.
  std::string expected(const std::string& before) {
    ProfileFile f = ProfileFile::parse(before);
    zapisatProekt(bal, f);
    return f.bytes();
  }
  fs::path locked;
};

// The project is written in place, growing or shrinking; a new file cannot
// be made there, and that save says so.
TEST_F(LockedFolder, AWritableProjectIsSavedInPlace) {
  const std::string grows = "[Other]\r\nq=1\r\n";
  const std::string shrinks = "[Kalteron]\r\n1=" + std::string(20000, 'x') + "\r\n[Other]\r\nq=1\r\n";
  put("grows.klt", grows);
  put("shrinks.klt", shrinks);
  lock();
  bal.op.ClickZakazsik.setText("Иванов");
  struct Case {
    const char* name;
    std::optional<std::string> after;  // nothing: the save fails and no file appears
  };
  const Case cases[] = {{"grows.klt", expected(grows)}, {"shrinks.klt", expected(shrinks)}, {"new.klt", std::nullopt}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    struct stat before {};
    const bool existed = ::stat(in(c.name).c_str(), &before) == 0;
    const int status = inChild([&] {
      ScriptedDialogs dialogs;
      ScriptedPrompter prompter;
      ProjectCommands cmd(bal, dialogs, prompter);
      dialogs.answers = {in(c.name)};
      const bool saved = cmd.SaveNameFileSave();
      if (saved != prompter.messages.empty()) return 2;
      return saved ? 0 : 1;
    });
    if (status == kNotSwitched) GTEST_SKIP() << "cannot switch to an unprivileged user";
    EXPECT_EQ(status, c.after ? 0 : 1);
    EXPECT_EQ(readWholeFile(in(c.name)), c.after);
    if (existed) {
      struct stat after {};
      ASSERT_EQ(::stat(in(c.name).c_str(), &after), 0);
      EXPECT_EQ(after.st_ino, before.st_ino);  // the same file, written where it is
    }
  }
  EXPECT_EQ(files(), (std::set<std::string>{"grows.klt", "shrinks.klt"}));
}

// A write in place that cannot grow the file leaves it as it was.
TEST_F(LockedFolder, AFailedWriteInPlaceLeavesTheFileAsItWas) {
  const std::string before = "[Other]\r\nq=1\r\n";
  put("p.klt", before);
  lock();
  const int status = inChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{before.size() + 10, before.size() + 10};
    if (::setrlimit(RLIMIT_FSIZE, &small) != 0) return 3;
    return SaveRaschet(bal, in("p")) ? 0 : 1;
  });
  if (status == kNotSwitched) GTEST_SKIP() << "cannot switch to an unprivileged user";
  EXPECT_EQ(status, 1);
  EXPECT_EQ(readWholeFile(in("p.klt")), before);
  EXPECT_EQ(files(), std::set<std::string>{"p.klt"});
}

// The temporary file's name does not grow with the project's.
TEST_F(WholeFile, ANameAsLongAsTheSystemAllowsIsSaved) {
  std::string name;
  for (int i = 0; i < 125; ++i) name += "ж";
  const std::string path = imia(name);  // 250 bytes, 254 with ".klt"
  bal.op.ClickZakazsik.setText("Иванов");
  ASSERT_TRUE(SaveRaschet(bal, path));
  ASSERT_TRUE(SaveRaschet(bal, path));
  EXPECT_EQ(ReadIniString(path + ".klt", "Kalteron", "1", ""), "Иванов");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace
