// What a save keeps of the file it writes: owner, group, mode, other names,
// extended attributes, the old bytes when it fails; and what it never writes.
// Each object is made for real; where another user matters a child process
// becomes the user 65534, where a full disk matters a child mounts a small
// memory file system of its own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "ProjectTestKit.h"
#include "projectfiles/ProjectCommands.h"
#include "projectfiles/WholeFile.h"

using namespace kalteron;
using namespace kalteron::test;
namespace fs = std::filesystem;

namespace {

struct stat statOf(const fs::path& p) {
  struct stat st {};
  EXPECT_EQ(::stat(p.c_str(), &st), 0) << p;
  return st;
}

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> out;
  for (const auto& e : fs::directory_iterator(folder)) out.insert(e.path().filename().string());
  return out;
}

// The writer's system calls, put back when the test ends.
class CallsReplaced {
 public:
  CallsReplaced() : saved_(fileCalls()) {}
  ~CallsReplaced() { fileCalls() = saved_; }
  CallsReplaced(const CallsReplaced&) = delete;
  CallsReplaced& operator=(const CallsReplaced&) = delete;

 private:
  FileCalls saved_;
};

// An access list by which the user 65534 may do `perm` (6: read and write)
// besides the owner, group and others, as the kernel stores it: a file's own
// ("system.posix_acl_access") or the one a folder gives every file made in it
// ("system.posix_acl_default").
std::string accessList(std::uint16_t perm) {
  struct Entry {
    std::uint16_t tag, perm;
    std::uint32_t id;
  };
  constexpr std::uint32_t kVersion = 2, kNoId = ~0u;
  // Owner, the named user, group, mask, others, in the order the kernel wants.
  const Entry entries[] = {{0x01, 6, kNoId}, {0x02, perm, 65534}, {0x04, 4, kNoId}, {0x10, 6, kNoId}, {0x20, 4, kNoId}};
  std::string value(reinterpret_cast<const char*>(&kVersion), sizeof kVersion);
  value.append(reinterpret_cast<const char*>(entries), sizeof entries);
  return value;
}

// Every extended attribute of the file, by name.
std::map<std::string, std::string> attributesOf(const fs::path& p) {
  std::map<std::string, std::string> out;
  std::string names(65536, '\0'), value(65536, '\0');
  names.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::listxattr(p.c_str(), names.data(), names.size()))));
  for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
    const std::string name = names.c_str() + at;
    const ssize_t n = ::getxattr(p.c_str(), name.c_str(), value.data(), value.size());
    out[name] = value.substr(0, static_cast<std::size_t>(std::max<ssize_t>(0, n)));
  }
  return out;
}

// Shows the folder `from` at `at` through bindfs, a FUSE file system, for as
// long as this process lives; false where that cannot be done.
bool showThroughBindfs(const std::string& from, const std::string& at) {
  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid == 0) {
    // Ended, and so unmounted, with the process that started it.
    if (::prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || ::getppid() != parent) ::_exit(1);
    ::execlp("bindfs", "bindfs", "-f", from.c_str(), at.c_str(), nullptr);
    ::_exit(127);
  }
  for (int tries = 0; pid > 0 && tries < 500; ++tries) {
    struct statfs fs {};
    if (::statfs(at.c_str(), &fs) == 0 && fs.f_type == FUSE_SUPER_MAGIC) return true;
    if (::waitpid(pid, nullptr, WNOHANG) == pid) return false;
    ::usleep(10000);
  }
  return false;
}

// Moves this process, root, into a user namespace of its own in which only
// root has a name; false where that cannot be done.
bool inNamespaceOfRootAlone() {
  if (::unshare(CLONE_NEWUSER) != 0) return false;
  for (const auto& [map, line] : {std::pair{"/proc/self/setgroups", "deny"}, std::pair{"/proc/self/uid_map", "0 0 1"},
                                  std::pair{"/proc/self/gid_map", "0 0 1"}}) {
    const int fd = ::open(map, O_WRONLY | O_CLOEXEC);
    const bool written = fd >= 0 && ::write(fd, line, std::strlen(line)) == static_cast<ssize_t>(std::strlen(line));
    if (fd >= 0) ::close(fd);
    if (!written) return false;
  }
  return true;
}

// A folder of a memory file system (tmpfs) on most systems.
const fs::path kMemory = "/dev/shm";

class Saving : public ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    fs::permissions(dir, fs::perms{0755});
  }
  void TearDown() override {
    removeFolder(kMemory / dir.filename());
    ProjectTest::TearDown();
  }
  // A file of the given bytes, in a folder of its own made first.
  fs::path put(const std::string& folder, const std::string& bytes) {
    fs::create_directories(dir / folder);
    const fs::path p = dir / folder / "p.klt";
    EXPECT_TRUE(writeWholeFile(p.string(), bytes));
    return p;
  }
};

// The owner, group and mode (set-user and set-group bits included) stay,
// whoever saves: root saving a user's file, a colleague saving one of a
// shared group folder, a user saving a file of a group it is not in or his
// own on a mount that fixes every file's owner and mode (changing them
// fails) or ignores them (changing them does nothing). A new file takes the
// old one's place only where it has all three.
TEST_F(Saving, TheOwnerGroupAndModeStay) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to make files of two users";
  enum Mount { kPlain, kFixed, kIgnoring };
  struct Case {
    const char* name;
    uid_t uid;
    gid_t gid;
    mode_t mode;
    uid_t folderUid;
    gid_t folderGid;
    mode_t folderMode;
    bool byColleague;  // saved by the user 65534, else by root
    Mount mount;       // what fchown and fchmod do
    bool replaced;     // a new file (inode) in its place
  };
  const Case cases[] = {
      {"root saves a user's private project", 65534, 65534, 0600, 0, 0, 0755, false, kPlain, true},
      {"a colleague saves root's project in a group folder", 0, 65534, 0660, 0, 65534, 02770, true, kPlain, false},
      {"set-user and set-group bits", 0, 65534, 06754, 0, 0, 0755, false, kPlain, true},
      {"the owner saves it under a group it is not in", 65534, 0, 0640, 65534, 65534, 0755, true, kPlain, false},
      {"the owner saves it on a fixed mount", 65534, 65534, 0600, 65534, 65534, 0755, true, kFixed, true},
      {"the owner saves it on a fixed mount, another mode", 65534, 65534, 0604, 65534, 65534, 0755, true, kFixed, false},
      {"root saves a user's project where owners are ignored", 65534, 65534, 0600, 0, 0, 0755, false, kIgnoring, false},
      {"the owner saves it where modes are ignored", 65534, 65534, 0644, 65534, 65534, 0755, true, kIgnoring, false},
  };
  const std::string after = "[Kalteron]\r\n1=Петров\r\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path p = put(c.name, "[Kalteron]\r\n1=Иванов\r\n");
    ASSERT_EQ(::chown(p.parent_path().c_str(), c.folderUid, c.folderGid), 0);
    ASSERT_EQ(::chmod(p.parent_path().c_str(), c.folderMode), 0);
    ASSERT_EQ(::chown(p.c_str(), c.uid, c.gid), 0);
    ASSERT_EQ(::chmod(p.c_str(), c.mode), 0);
    const ino_t before = statOf(p).st_ino;
    const int readableBefore = inChild([&] { return readWholeFile(p.string()) ? 0 : 1; });

    CallsReplaced replaced;
    if (c.mount == kFixed) {
      fileCalls().fchown = [](int, uid_t, gid_t) { return errno = ENOSYS, -1; };
      fileCalls().fchmod = [](int, mode_t) { return errno = ENOSYS, -1; };
    } else if (c.mount == kIgnoring) {
      fileCalls().fchown = [](int, uid_t, gid_t) { return 0; };
      fileCalls().fchmod = [](int, mode_t) { return 0; };
    }
    const auto save = [&] { return writeWholeFile(p.string(), after) ? 0 : 1; };
    ASSERT_EQ(c.byColleague ? inChild(save) : save(), 0);
    EXPECT_EQ(readWholeFile(p.string()), after);
    const struct stat st = statOf(p);
    EXPECT_EQ(st.st_uid, c.uid);
    EXPECT_EQ(st.st_gid, c.gid);
    EXPECT_EQ(st.st_mode & 07777, c.mode);
    EXPECT_EQ(st.st_ino != before, c.replaced);
    EXPECT_EQ(inChild([&] { return readWholeFile(p.string()) ? 0 : 1; }), readableBefore);
    EXPECT_EQ(namesIn(p.parent_path()), std::set<std::string>{"p.klt"});
  }
}

// Other names of the file see the new content, in a folder that may be
// written as in one that may not. Extended attributes stay, whoever saves, on
// a disk and in memory: a security label, an access list, user attributes;
// none is added by a folder whose new files get an access list. A file of one
// name is replaced by a new one given its attributes, where that may be done.
TEST_F(Saving, OtherNamesAndAttributesStay) {
  struct Case {
    const char* name;
    bool secondName;
    const char* attribute;  // given to the file, with `value`
    std::string value;
    bool lockFolder;
    std::uint16_t folderList;  // what the folder's default access list lets 65534 do, 0: none
    bool byOwner;              // the user 65534's file, saved by him; else root's, saved as the test runs
    int replaced;              // by a new file (inode) in its place: 1, 0, -1 either
  };
  const std::string label = "unconfined_u:object_r:user_home_t:s0";
  const Case cases[] = {
      {"a second name, writable folder", true, nullptr, "", false, 0, false, 0},
      {"a second name, locked folder", true, nullptr, "", true, 0, false, 0},
      {"a user attribute", false, "user.kalteron", "1", false, 0, false, 1},
      {"a download mark, saved by the owner", false, "user.xdg.origin.url", "https://example.org/p.klt", false, 0,
       true, 1},
      {"a security label", false, "security.selinux", label + '\0', false, 0, false, 1},
      // Labelling a new file is the security policy's to allow.
      {"a security label, saved by the owner", false, "security.selinux", label + '\0', false, 0, true, -1},
      {"an access list", false, "system.posix_acl_access", accessList(6), false, 0, false, 1},
      {"a folder giving new files an access list", false, nullptr, "", false, 6, false, 1},
      {"an access list, the folder giving another", false, "system.posix_acl_access", accessList(6), false, 4, true, 1},
      {"one name, no attributes", false, nullptr, "", false, 0, false, 1},
  };
  const std::string after = "[Kalteron]\r\n1=Петров\r\n[Other]\r\nq=2\r\n";
  // On the disk the tests run on and in memory.
  struct statfs shm {};
  const bool inMemory = ::statfs(kMemory.c_str(), &shm) == 0 && shm.f_type == TMPFS_MAGIC;
  std::string notRun = inMemory ? "" : " [tmpfs]";
  for (const fs::path& base : inMemory ? std::vector{dir, kMemory / dir.filename()} : std::vector{dir}) {
    for (const Case& c : cases) {
      const std::string where = c.name + (base == dir ? std::string() : " (tmpfs)");
      SCOPED_TRACE(where);
      const fs::path folder = base / c.name;
      fs::create_directories(folder / "elsewhere");
      const fs::path p = folder / "p.klt", other = folder / "elsewhere" / "other.klt";
      ASSERT_TRUE(writeWholeFile(p.string(), "[Kalteron]\r\n1=Иванов\r\n"));
      if (c.secondName) fs::create_hard_link(p, other);
      if (c.byOwner && ::geteuid() == 0 &&
          (::chown(p.c_str(), 65534, 65534) != 0 || ::chown(folder.c_str(), 65534, 65534) != 0))
        FAIL() << "chown";
      if ((c.attribute != nullptr && ::setxattr(p.c_str(), c.attribute, c.value.data(), c.value.size(), 0) != 0) ||
          (c.folderList != 0 && ::setxattr(folder.c_str(), "system.posix_acl_default", accessList(c.folderList).data(),
                                           accessList(c.folderList).size(), 0) != 0)) {
        // A file system without them, or a label only root may give.
        EXPECT_TRUE(errno == ENOTSUP || errno == EPERM) << errno;
        notRun += " [" + where + "]";
        continue;
      }
      if (c.lockFolder) fs::permissions(folder, fs::perms{0555});
      const struct stat before = statOf(p);
      const auto attributes = attributesOf(p);

      const auto save = [&] { return writeWholeFile(p.string(), after) ? 0 : 1; };
      ASSERT_EQ(c.byOwner ? inChild(save) : save(), 0);
      EXPECT_EQ(readWholeFile(p.string()), after);
      const struct stat st = statOf(p);
      if (c.replaced >= 0) {
        EXPECT_EQ(st.st_ino != before.st_ino, c.replaced == 1);
      }
      EXPECT_EQ(st.st_nlink, before.st_nlink);
      EXPECT_EQ(st.st_uid, before.st_uid);
      EXPECT_EQ(st.st_mode, before.st_mode);
      EXPECT_EQ(attributesOf(p), attributes);
      if (c.secondName) {
        EXPECT_EQ(readWholeFile(other.string()), after);
      }
      EXPECT_EQ(namesIn(folder), (std::set<std::string>{"p.klt", "elsewhere"}));
    }
  }
  if (!notRun.empty()) GTEST_SKIP() << "no such extended attributes here:" << notRun;
}

// A disk too full for the new content leaves the file byte for byte as it
// was, a sparse one too (its holes take room once written), and is found
// full before any old byte is written over, so that nobody reads the file
// half written; where the new content needs no more room than the file has,
// it is written. So also where the file system cannot reserve space (ext3,
// ramfs), its room secured by writing. On btrfs, where an overwrite takes
// new blocks too, a nearly full disk saves or leaves the file as it was,
// whatever its names; with room to spare, every save is made. A file that a
// new one cannot stand in for is saved where it stands: one with an
// attribute that its user may not read (btrfs and FUSE list it to him), one
// bound into a folder mounted read-only or over itself, one whose owner has
// no name in the user namespace of whoever saves it.
TEST_F(Saving, OnAMountOfItsOwn) {
  constexpr std::size_t kPage = 4096;
  std::string sparse = "[Kalteron]\r\n1=Иванов\r\n";
  sparse.resize(5 * kPage, '\0');  // the pages between the first and last hold nothing
  sparse += "[Other]\r\nq=1\r\n";
  enum Outcome { kFailed, kSaved, kEither };
  // What the file is besides: the user 65534's, in his folder, with a
  // `trusted.` attribute from root, saved by him; bound writable into its
  // folder mounted read-only; bound over itself; another user's, writable by
  // all, saved from a user namespace that names root alone.
  enum class Setup { kPlain, kUnreadableAttribute, kInReadOnlyFolder, kBoundOverItself, kOwnerUnmapped };
  struct Case {
    const char* name;
    std::string fileSystem;
    std::string before;
    std::string after;
    Outcome outcome;
    bool secondName = false;
    std::size_t pagesLeft = 0;  // free pages left once the disk is filled
    Setup setup = Setup::kPlain;
  };
  const std::string three(3 * kPage, 'o'), six(6 * kPage, 'n'), small = "[Other]\r\nq=2\r\n";
  constexpr std::size_t kRoom = 4000;  // 16 MB
  const Case cases[] = {
      {"a sparse file written over", "tmpfs", sparse, std::string(sparse.size(), 'n'), kFailed},
      {"a file growing past the room left", "tmpfs", "[Other]\r\nq=1\r\n", std::string(20 * kPage, 'n'), kFailed},
      {"a file shrinking", "tmpfs", three, small, kSaved},
      {"ext3, a sparse file written over", "ext3", sparse, std::string(sparse.size(), 'n'), kFailed},
      {"ext3, a file growing past the room left", "ext3", "[Other]\r\nq=1\r\n", std::string(20 * kPage, 'n'), kFailed},
      {"ext3, a file shrinking", "ext3", three, small, kSaved},
      {"ramfs, a sparse file growing", "ramfs", sparse, std::string(20 * kPage, 'n'), kSaved},
      {"ramfs, a file shrinking", "ramfs", three, small, kSaved},
      {"btrfs, growing", "btrfs", three, six, kEither, false, 0},
      {"btrfs, the same length", "btrfs", three, std::string(three.size(), 'n'), kEither, false, 4},
      {"btrfs, shrinking", "btrfs", six, small, kEither, false, 10},
      {"btrfs, two names, growing", "btrfs", three, six, kEither, true, 10},
      {"btrfs, two names, the same length", "btrfs", three, std::string(three.size(), 'n'), kEither, true, 0},
      {"btrfs, two names, shrinking", "btrfs", six, small, kEither, true, 4},
      {"btrfs with room, growing", "btrfs", three, six, kSaved, false, kRoom},
      {"btrfs with room, two names, growing", "btrfs", three, six, kSaved, true, kRoom},
      {"btrfs with room, two names, shrinking", "btrfs", six, small, kSaved, true, kRoom},
      {"btrfs, an attribute its user may not read", "btrfs", three, six, kSaved, false, kRoom,
       Setup::kUnreadableAttribute},
      {"FUSE, an attribute its user may not read", "bindfs", three, six, kSaved, false, 10,
       Setup::kUnreadableAttribute},
      {"bound into a read-only folder", "tmpfs", three, six, kSaved, false, 10, Setup::kInReadOnlyFolder},
      {"bound over itself", "tmpfs", three, six, kSaved, false, 10, Setup::kBoundOverItself},
      {"an owner without a name in the saver's namespace", "tmpfs", three, six, kSaved, false, 10,
       Setup::kOwnerUnmapped},
  };
  const fs::path disk = dir / "disk";
  fs::create_directories(disk);
  std::string notRun;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The file system goes with the child's mount namespace, whatever becomes
    // of the child, and an image's loop device with it.
    const int status = forked([&] {
      const std::string d = disk.string();
      const std::string image = c.fileSystem == "ext3" ? "mkfs.ext3 -q -F -b 4096 " + d + ".img 8M"
                                                       : "truncate -s 128M " + d + ".img && mkfs.btrfs -q -f --mixed " +
                                                             d + ".img";
      const std::string mounted = image + " >/dev/null 2>&1 && mount -o loop " + d + ".img " + d;
      // FUSE: a memory file system beside the disk, shown on it by bindfs.
      const bool fuse = c.fileSystem == "bindfs";
      const std::string memory = fuse ? d + ".src" : d;
      if (fuse) fs::create_directories(memory);
      if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
          (c.fileSystem == "ext3" || c.fileSystem == "btrfs"
               ? std::system(mounted.c_str())
               : ::mount("kalteron", memory.c_str(), fuse ? "tmpfs" : c.fileSystem.c_str(), 0,
                         "size=64k,mode=0755")) != 0 ||
          (fuse && !showThroughBindfs(memory, d)))
        return kNotSwitched;
      fs::remove(disk / "lost+found");  // ext3's
      const fs::path p = disk / "p.klt";
      const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      // Written where it holds something, so the holes stay holes.
      for (std::size_t at = 0; at < c.before.size(); at += kPage) {
        const std::string_view page = std::string_view(c.before).substr(at, kPage);
        if (page.find_first_not_of('\0') != std::string_view::npos &&
            ::pwrite(fd, page.data(), page.size(), static_cast<off_t>(at)) != static_cast<ssize_t>(page.size()))
          return 3;
      }
      if (::ftruncate(fd, static_cast<off_t>(c.before.size())) != 0 || ::fsync(fd) != 0) return 3;
      ::close(fd);
      std::set<std::string> names{"fill", "p.klt"};
      if (c.secondName) fs::create_hard_link(p, disk / *names.insert("q.klt").first);
      // Nothing fills ramfs: there the file has a second name in the filler's
      // place instead, so that it is written in place.
      if (c.fileSystem == "ramfs") fs::create_hard_link(p, disk / "fill");
      // The room to be left is held by a file of its own until the disk is
      // full, then given back, and free once the file system has taken note.
      const std::string chunk(16 * kPage, 'f');
      const fs::path room = disk / "room";
      const int held = ::open(room.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
      for (std::size_t page = 0; page < c.pagesLeft; ++page)
        if (::write(held, chunk.data(), kPage) != static_cast<ssize_t>(kPage)) return 3;
      ::close(held);
      const int fill = ::open((disk / "fill").c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
      for (const std::size_t n : {chunk.size(), kPage})
        while (::write(fill, chunk.data(), n) > 0) {
        }
      if (::unlink(room.c_str()) != 0) return 3;
      ::syncfs(fill);
      ::close(fill);
      const char* const file = p.c_str();
      const bool set = [&] {
        switch (c.setup) {
          case Setup::kPlain:
            return true;
          case Setup::kUnreadableAttribute:
            return ::chown(file, 65534, 65534) == 0 && ::chown(d.c_str(), 65534, 65534) == 0 &&
                   ::setxattr(file, "trusted.kalteron", "1", 1, 0) == 0;
          case Setup::kInReadOnlyFolder:
            return ::mount(file, file, nullptr, MS_BIND, nullptr) == 0 &&
                   ::mount(nullptr, d.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
          case Setup::kBoundOverItself:
            return ::mount(file, file, nullptr, MS_BIND, nullptr) == 0;
          case Setup::kOwnerUnmapped:
            return ::chown(file, 65534, 65534) == 0 && ::chmod(file, 0666) == 0;
        }
        return false;
      }();
      if (!set) return kNotSwitched;

      // Writes into the file itself that change an old byte, counted.
      static ino_t inode;
      static std::string_view was;
      static int writesOver;
      inode = statOf(p).st_ino;
      was = c.before;
      fileCalls().pwrite = [](int fd, const void* buf, std::size_t n, off_t at) {
        struct stat st {};
        const std::string_view old = was.substr(std::min(static_cast<std::size_t>(at), was.size()), n);
        if (::fstat(fd, &st) == 0 && st.st_ino == inode &&
            old != std::string_view(static_cast<const char*>(buf), old.size()))
          ++writesOver;
        return ::pwrite(fd, buf, n, at);
      };
      const auto saveAndLook = [&] {
        const bool saved = writeWholeFile(p.string(), c.after);
        if (c.outcome != kEither && saved != (c.outcome == kSaved)) return 4;
        if (readWholeFile(p.string()) != (saved ? c.after : c.before)) return 5;
        if (c.secondName && readWholeFile((disk / "q.klt").string()) != (saved ? c.after : c.before)) return 5;
        if (namesIn(disk) != names) return 6;
        // A save that cannot have the room fails before a byte is written over.
        if (!saved && writesOver != 0) return 7;
        return 0;
      };
      const int looked = c.setup == Setup::kUnreadableAttribute ? inChild(saveAndLook)
                         : c.setup == Setup::kOwnerUnmapped
                             ? forked([&] { return inNamespaceOfRootAlone() ? saveAndLook() : kNotSwitched; })
                             : saveAndLook();
      if (looked != 0) return looked;
      if (c.setup != Setup::kPlain && statOf(p).st_ino != inode) return 8;
      char kept[2] = {};
      if (c.setup == Setup::kUnreadableAttribute && ::getxattr(file, "trusted.kalteron", kept, sizeof kept) != 1)
        return 9;
      return 0;
    });
    if (status == kNotSwitched)
      notRun += std::string(" [") + c.name + "]";
    else
      EXPECT_EQ(status, 0) << "4: saved, 5: content, 6: files left, 7: written over, 8: replaced, "
                              "9: attribute lost";
  }
  if (!notRun.empty())
    GTEST_SKIP() << "cannot mount a file system of its own (needs root, a loop device, mkfs.ext3, mkfs.btrfs, "
                    "bindfs, user namespaces):"
                 << notRun;
}

// A write or flush that fails after the old bytes were written over puts
// them back: the file keeps its content and length. Room secured by writing
// holds the old bytes and then line breaks only, so that a save stopped
// there leaves the old project. A temporary file that fails for want of room
// sends the save in place, one that fails otherwise (an I/O error, also from
// its close or rename) fails it.
TEST_F(Saving, AFailedWriteInPlacePutsTheOldBytesBack) {
  enum class Call { None, Write, Flush, Close, Rename };
  static Call failing;
  static int callsLeft, error;  // of the failing kind, the call that fails: 0 for the next one
  static ino_t file;
  static std::vector<std::string> flushed;  // the file's bytes at each of its flushes
  struct Case {
    const char* name;
    std::string before;
    std::string after;
    bool linked;    // a second name, so written in place; else through a temporary file
    bool reserves;  // else fallocate fails and the room is secured by writing
    Call call;
    int nth;
    int error;  // of the failing call; 0: a write that writes nothing, errno left at ENOSPC
    bool saved;
  };
  const std::string small = "[Kalteron]\r\n1=Иванов\r\n";
  const std::string large = small + std::string(200000, 'x') + "\r\n";
  const Case cases[] = {
      {"growing, the first write", small, large, true, true, Call::Write, 0, EIO, false},
      {"growing, a later write", small, large, true, true, Call::Write, 1, EIO, false},
      {"shrinking, a later write", large, small + std::string(10000, 'y'), true, true, Call::Write, 1, EIO, false},
      {"growing, the flush", small, large, true, true, Call::Flush, 0, EIO, false},
      {"shrinking, the flush", large, small, true, true, Call::Flush, 0, EIO, false},
      {"no room reserved, growing", small, large, true, false, Call::None, 0, 0, true},
      {"no room reserved, growing, the room's flush", small, large, true, false, Call::Flush, 0, EIO, false},
      {"no room reserved, shrinking, the last flush", large, small, true, false, Call::Flush, 1, EIO, false},
      {"temporary file, the write", small, large, false, true, Call::Write, 0, EIO, false},
      {"temporary file, a write that writes nothing", small, large, false, true, Call::Write, 0, 0, false},
      {"temporary file, the flush", small, large, false, true, Call::Flush, 0, EIO, false},
      {"temporary file, over quota at the flush", small, large, false, true, Call::Flush, 0, EDQUOT, true},
      {"temporary file, the close", small, large, false, true, Call::Close, 0, EIO, false},
      {"temporary file, the rename", small, large, false, true, Call::Rename, 0, EIO, false},
  };
  // Whether this call is the one to fail; errno is then its error.
  static const auto failsNow = [](Call call) {
    if (call != failing || callsLeft-- != 0) return false;
    errno = error != 0 ? error : ENOSPC;
    return true;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path p = put(c.name, c.before);
    if (c.linked) fs::create_hard_link(p, dir / c.name / "other.klt");
    file = statOf(p).st_ino;
    failing = c.call;
    callsLeft = c.nth;
    error = c.error;
    flushed.clear();

    CallsReplaced replaced;
    // Each write takes at most a page, so a later one fails with old and new
    // bytes mixed in the file.
    fileCalls().pwrite = [](int fd, const void* buf, std::size_t n, off_t at) -> ssize_t {
      if (failsNow(Call::Write)) return error != 0 ? -1 : 0;
      return ::pwrite(fd, buf, std::min<std::size_t>(n, 4096), at);
    };
    fileCalls().fsync = [](int fd) -> int {
      struct stat st {};
      if (::fstat(fd, &st) == 0 && st.st_ino == file) {
        std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
        EXPECT_EQ(::pread(fd, bytes.data(), bytes.size(), 0), st.st_size);
        flushed.push_back(bytes);
      }
      return failsNow(Call::Flush) ? -1 : ::fsync(fd);
    };
    fileCalls().close = [](int fd) {
      const int closed = ::close(fd);
      return failsNow(Call::Close) ? -1 : closed;
    };
    fileCalls().rename = [](const char* from, const char* to) {
      return failsNow(Call::Rename) ? -1 : ::rename(from, to);
    };
    if (!c.reserves) fileCalls().fallocate = [](int, int, off_t, off_t) { return errno = EOPNOTSUPP, -1; };
    EXPECT_EQ(writeWholeFile(p.string(), c.after), c.saved);
    const std::string& now = c.saved ? c.after : c.before;
    EXPECT_EQ(readWholeFile(p.string()), now);
    EXPECT_EQ(readWholeFile((dir / c.name / "other.klt").string()), c.linked ? std::optional(now) : std::nullopt);
    EXPECT_EQ(statOf(p).st_ino, file);  // written in place or not at all
    EXPECT_EQ(namesIn(dir / c.name).size(), c.linked ? 2u : 1u);
    if (!c.reserves) {
      ASSERT_FALSE(flushed.empty());
      const std::string room = c.before + std::string(c.after.size() - std::min(c.after.size(), c.before.size()), '\n');
      EXPECT_TRUE(flushed.front() == room) << "the room secured holds other bytes";
    }
  }
}

// A file the kernel shows (a setting, a state) is never written, though it
// looks regular: nothing is written anywhere, and the save says it failed.
TEST_F(Saving, NoSaveWritesAKernelFile) {
  // What the child makes its own first (root only): a host name, or message
  // queues, whose file system takes new files, mounted in the folder.
  enum class Own { Nothing, HostName, MessageQueues };
  struct Case {
    const char* name;
    std::string target;
    Own own;
  };
  const std::string queues = imia("queues");
  const Case cases[] = {
      {"the thread's name", "/proc/thread-self/comm", Own::Nothing},
      {"the host name", "/proc/sys/kernel/hostname", Own::HostName},
      {"a new file among the kernel's", "/proc/thread-self/kalteron.klt", Own::Nothing},
      {"a message queue", queues + "/q", Own::MessageQueues},
      {"a new message queue", queues + "/new.klt", Own::MessageQueues},
  };
  fs::create_directories(queues);
  bal.op.ClickZakazsik.setText("Иванов");
  std::string notRun;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string link = imia(std::string(c.name) + ".klt");
    fs::create_symlink(c.target, link);
    const int status = forked([&] {
      if (c.own == Own::HostName && (::unshare(CLONE_NEWUTS) != 0 || ::sethostname("kalteron-test", 13) != 0))
        return kNotSwitched;
      if (c.own == Own::MessageQueues) {
        if (::unshare(CLONE_NEWNS | CLONE_NEWIPC) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("kalteron", queues.c_str(), "mqueue", 0, nullptr) != 0)
          return kNotSwitched;
        const int q = ::open((queues + "/q").c_str(), O_RDWR | O_CREAT, 0644);
        if (q < 0) return kNotSwitched;
        ::close(q);
      }
      const auto files = namesIn(queues);
      const auto before = readWholeFile(c.target);
      static int writes;
      fileCalls().pwrite = [](int fd, const void* buf, std::size_t n, off_t at) {
        ++writes;
        return ::pwrite(fd, buf, n, at);
      };
      ScriptedDialogs dialogs;
      ScriptedPrompter prompter;
      ProjectCommands cmd(bal, dialogs, prompter);
      dialogs.answers = {link};
      if (cmd.SaveNameFileSave()) return 1;
      if (prompter.messages != std::vector<std::string>{neSohranen(link)}) return 2;
      if (readWholeFile(c.target) != before) return 3;
      if (writes != 0) return 4;
      if (namesIn(queues) != files) return 5;
      return 0;
    });
    if (status == kNotSwitched) {
      notRun += std::string(" [") + c.name + "]";
      continue;
    }
    EXPECT_EQ(status, 0) << "1: saved, 2: message, 3: written, 4: a write tried, 5: a file made";
    EXPECT_TRUE(fs::is_symlink(link));
  }
  if (!notRun.empty()) GTEST_SKIP() << "needs root:" << notRun;
}

// Under a file-size limit the save fails as any other: the process goes on,
// no temporary file stays, the file is as it was.
TEST_F(Saving, AFileSizeLimitFailsTheSave) {
  const std::string before = "[Other]\r\nq=1\r\n";
  for (const bool secondName : {false, true}) {
    SCOPED_TRACE(secondName ? "written in place" : "through a temporary file");
    const std::string folder = secondName ? "linked" : "single";
    const fs::path p = put(folder, before);
    if (secondName) fs::create_hard_link(p, dir / folder / "other.klt");
    const int status = forked([&] {
      std::signal(SIGXFSZ, SIG_DFL);
      const rlimit small{before.size() + 10, before.size() + 10};
      if (::setrlimit(RLIMIT_FSIZE, &small) != 0) return 3;
      return SaveRaschet(bal, (dir / folder / "p").string()) ? 0 : 1;
    });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(readWholeFile(p.string()), before);
    const std::set<std::string> left =
        secondName ? std::set<std::string>{"other.klt", "p.klt"} : std::set<std::string>{"p.klt"};
    EXPECT_EQ(namesIn(dir / folder), left);
  }
}

// What the reader would refuse is not written.
TEST_F(Saving, NothingLargerThanTheReaderTakesIsWritten) {
  const std::string before = "[Other]\r\nq=1\r\n";
  const fs::path p = put("f", before);
  const std::string tooLarge(kMaxFileBytes + 1, 'x');
  EXPECT_FALSE(writeWholeFile(p.string(), tooLarge));
  EXPECT_EQ(readWholeFile(p.string()), before);
  EXPECT_FALSE(writeWholeFile((dir / "f" / "new.klt").string(), tooLarge));
  EXPECT_EQ(namesIn(dir / "f"), std::set<std::string>{"p.klt"});
}

// The file that replaces another is its owner's alone while written, whatever
// the file creation mask, and takes the old mode only when complete; the
// folder is flushed after the rename, so the new name survives a crash.
TEST_F(Saving, ANewFileIsPrivateWhileWrittenAndItsNameFlushed) {
  static std::vector<mode_t> modesWritten;
  static std::vector<ino_t> flushed;
  const struct MaskKept {
    mode_t was = ::umask(0);
    ~MaskKept() { ::umask(was); }
  } mask;
  for (const mode_t mode : {0600, 0640, 0644, 0666}) {
    SCOPED_TRACE(mode);
    const fs::path p = put(std::to_string(mode), "[Kalteron]\r\n1=Иванов\r\n");
    ASSERT_EQ(::chmod(p.c_str(), mode), 0);
    const ino_t before = statOf(p).st_ino;
    modesWritten.clear();
    flushed.clear();
    {
      CallsReplaced replaced;
      fileCalls().pwrite = [](int fd, const void* buf, std::size_t n, off_t at) {
        struct stat st {};
        ::fstat(fd, &st);
        modesWritten.push_back(st.st_mode & 07777);
        return ::pwrite(fd, buf, n, at);
      };
      fileCalls().fsync = [](int fd) {
        struct stat st {};
        ::fstat(fd, &st);
        if (S_ISDIR(st.st_mode)) flushed.push_back(st.st_ino);
        return ::fsync(fd);
      };
      ASSERT_TRUE(writeWholeFile(p.string(), "[Kalteron]\r\n1=Петров\r\n"));
    }
    EXPECT_NE(statOf(p).st_ino, before);
    EXPECT_EQ(statOf(p).st_mode & 07777, mode);
    EXPECT_FALSE(modesWritten.empty());
    for (const mode_t m : modesWritten) EXPECT_EQ(m, 0600);
    EXPECT_EQ(flushed, std::vector<ino_t>{statOf(p.parent_path()).st_ino});
  }
}

// A regular file is read waiting for its bytes: an answer of "try again" (a
// network file system) is not taken for a refusal.
TEST_F(Saving, ARegularFileIsReadWithoutTheNonBlockingFlag) {
  static std::vector<bool> nonBlocking;
  const fs::path p = put("f", "[Kalteron]\r\n1=Иванов\r\n");
  CallsReplaced replaced;
  fileCalls().read = [](int fd, void* buf, std::size_t n) {
    nonBlocking.push_back((::fcntl(fd, F_GETFL) & O_NONBLOCK) != 0);
    return ::read(fd, buf, n);
  };
  EXPECT_TRUE(readWholeFile(p.string()));
  EXPECT_FALSE(nonBlocking.empty());
  for (const bool b : nonBlocking) EXPECT_FALSE(b);
}

}  // namespace
