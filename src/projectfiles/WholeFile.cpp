#include "projectfiles/WholeFile.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <pthread.h>
#include <signal.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <deque>
#include <filesystem>
#include <iterator>
#include <map>
#include <system_error>
#include <vector>

namespace kalteron {

FileCalls& fileCalls() {
  static FileCalls calls{::read, ::pwrite, ::fsync, ::fallocate, ::fchown, ::fchmod, ::close, ::rename};
  return calls;
}

namespace {

// An open file descriptor, closed when it goes.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Takes `fd` in place of the one it holds, which is closed.
  void reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }

 private:
  int fd_;
};

// Holds back the signal a file-size limit sends while it lives, so that a
// write past the limit fails with EFBIG instead of ending the process; a
// signal raised meanwhile is taken and dropped.
class FileSizeSignalHeld {
 public:
  FileSizeSignalHeld() {
    ::sigemptyset(&signal_);
    ::sigaddset(&signal_, SIGXFSZ);
    ::pthread_sigmask(SIG_BLOCK, &signal_, &before_);
    sigset_t pending;
    pendingBefore_ = ::sigpending(&pending) == 0 && ::sigismember(&pending, SIGXFSZ) == 1;
  }
  ~FileSizeSignalHeld() {
    sigset_t pending;
    if (!pendingBefore_ && ::sigpending(&pending) == 0 && ::sigismember(&pending, SIGXFSZ) == 1) {
      const timespec now{};
      static_cast<void>(::sigtimedwait(&signal_, nullptr, &now));
    }
    ::pthread_sigmask(SIG_SETMASK, &before_, nullptr);
  }
  FileSizeSignalHeld(const FileSizeSignalHeld&) = delete;
  FileSizeSignalHeld& operator=(const FileSizeSignalHeld&) = delete;

 private:
  sigset_t signal_{};
  sigset_t before_{};
  bool pendingBefore_ = false;
};

// The file systems through which the kernel shows and takes its settings and
// states: their files look regular, but writing one acts on the system. Any
// other file system (disk, memory, network, user space) holds stored files.
bool kernelFileSystem(const struct statfs& fs) {
  // Not named in <linux/magic.h>.
  constexpr std::uint32_t kConfigfs = 0x62656570, kFusectl = 0x65735543, kMqueue = 0x19800202, kNfsd = 0x6e667364,
                          kRpcPipefs = 0x67596969, kFunctionfs = 0xa647361;
  static constexpr std::uint32_t kKernel[] = {
      PROC_SUPER_MAGIC,
      SYSFS_MAGIC,
      DEBUGFS_MAGIC,
      TRACEFS_MAGIC,
      SECURITYFS_MAGIC,
      SELINUX_MAGIC,
      SMACK_MAGIC,
      AAFS_MAGIC,
      CGROUP_SUPER_MAGIC,
      CGROUP2_SUPER_MAGIC,
      RDTGROUP_SUPER_MAGIC,
      PSTOREFS_MAGIC,
      EFIVARFS_MAGIC,
      BPF_FS_MAGIC,
      BINFMTFS_MAGIC,
      DEVPTS_SUPER_MAGIC,
      USBDEVICE_SUPER_MAGIC,
      OPENPROM_SUPER_MAGIC,
      XENFS_SUPER_MAGIC,
      BINDERFS_SUPER_MAGIC,
      HUGETLBFS_MAGIC,
      NSFS_MAGIC,
      ANON_INODE_FS_MAGIC,
      PIPEFS_MAGIC,
      SOCKFS_MAGIC,
      BDEVFS_MAGIC,
      DAXFS_MAGIC,
      DMA_BUF_MAGIC,
      DEVMEM_MAGIC,
      SECRETMEM_MAGIC,
      kConfigfs,
      kFusectl,
      kMqueue,
      kNfsd,
      kRpcPipefs,
      kFunctionfs,
  };
  const auto type = static_cast<std::uint32_t>(fs.f_type);
  return std::find(std::begin(kKernel), std::end(kKernel), type) != std::end(kKernel);
}

// The file systems that write every change of a file to new blocks: there an
// overwrite needs as much free room as a new file does.
bool copyOnWrite(const struct statfs& fs) {
  // Not named in <linux/magic.h>.
  constexpr std::uint32_t kBcachefs = 0xca451a4e, kZfs = 0x2fc12fc1;
  static constexpr std::uint32_t kCopying[] = {BTRFS_SUPER_MAGIC, NILFS_SUPER_MAGIC, kBcachefs, kZfs};
  const auto type = static_cast<std::uint32_t>(fs.f_type);
  return std::find(std::begin(kCopying), std::end(kCopying), type) != std::end(kCopying);
}

// Whether the file or folder at `path` is on a file system of stored files;
// false when that cannot be told.
bool onStoringFileSystem(const std::string& path) {
  struct statfs fs {};
  return ::statfs(path.c_str(), &fs) == 0 && !kernelFileSystem(fs);
}

bool onStoringFileSystem(int fd) {
  struct statfs fs {};
  return ::fstatfs(fd, &fs) == 0 && !kernelFileSystem(fs);
}

// Whether the file system of the open file has clearly more room than
// `bytes`; false when that cannot be told.
bool freeRoomOver(int fd, std::uintmax_t bytes) {
  struct statfs fs {};
  return ::fstatfs(fd, &fs) == 0 && fs.f_bsize > 0 &&
         static_cast<std::uintmax_t>(fs.f_bavail) > bytes / static_cast<std::uintmax_t>(fs.f_bsize);
}

// The folder of a file, "." for a bare name.
std::string folderOf(const std::string& file) {
  const std::size_t slash = file.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : file.substr(0, slash);
}

// Makes a file opened without waiting (it might have been a pipe) wait for
// its bytes again, now that it is known to be regular: a network file
// system's "try again" is no failure.
bool blocking(int fd) {
  const int flags = ::fcntl(fd, F_GETFL);
  return flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

// Writes all the bytes at the offset.
bool writeAll(int fd, std::string_view bytes, off_t at) {
  while (!bytes.empty()) {
    const ssize_t n = fileCalls().pwrite(fd, bytes.data(), bytes.size(), at);
    if (n < 0 && errno == EINTR) continue;
    // Nothing written and no error given counts as an I/O error, so that
    // the errno an earlier call left behind says nothing about this one.
    if (n == 0) errno = EIO;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
    at += n;
  }
  return true;
}

// The first `size` bytes of the file; false when it holds fewer or more than
// would be read back.
bool readAllAt(int fd, std::string& bytes, off_t size) {
  if (size < 0 || static_cast<std::uintmax_t>(size) > kMaxFileBytes) return false;
  bytes.resize(static_cast<std::size_t>(size));
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    got += static_cast<std::size_t>(n);
  }
  return true;
}

// Who the user is to the file system: the identity that files see (asked
// with one that no user has, which changes nothing).
uid_t fileUser() { return static_cast<uid_t>(::setfsuid(static_cast<uid_t>(-1))); }

// Whether the entry belongs to another user, neither the user nor the
// folder's owner, in a folder with the sticky bit that every user (or, with
// `groupToo`, a group) may write to, as the temporary folder is. There the
// kernel's own rules, where the system turns them on, refuse to follow such
// a link (every user) or to open such a file to write (a group too): a save
// refuses them whatever the system's settings.
bool anothersInStickyFolder(const struct stat& entry, const struct stat& folder, uid_t user, bool groupToo) {
  const mode_t shared = groupToo ? S_IWOTH | S_IWGRP : S_IWOTH;
  return entry.st_uid != user && entry.st_uid != folder.st_uid && (folder.st_mode & S_ISVTX) != 0 &&
         (folder.st_mode & shared) != 0;
}

// The same for the entry of the folder at a path; true when the folder
// cannot be looked at.
bool anothersInStickyFolder(const struct stat& entry, const std::string& folder, uid_t user) {
  struct stat in {};
  return ::stat(folder.c_str(), &in) != 0 || anothersInStickyFolder(entry, in, user, true);
}

// Adds the names of a path, in order, before those of `names`; a path that
// ends in "/" names a folder, so "." follows its last name.
void putNamesBefore(std::deque<std::string>& names, std::string_view path) {
  std::vector<std::string> parts;
  for (std::size_t at = 0; at <= path.size();) {
    const std::size_t end = std::min(path.find('/', at), path.size());
    if (end > at) parts.emplace_back(path.substr(at, end - at));
    at = end + 1;
  }
  if (path.size() > 1 && path.back() == '/') parts.emplace_back(".");
  names.insert(names.begin(), parts.begin(), parts.end());
}

// Whether a save may follow every symbolic link the path goes through, in
// its folders as at its end, a link to nothing included: none may be another
// user's link in a folder every user may write to that has the sticky bit.
// Each name is looked up in the folder reached, as the system walks a path,
// so that no path is built, however long the folders the links lead to. A
// link of the kernel's own files to a folder (a process's working folder or
// open folder) is followed as the system follows it, to what it stands for
// and not by its text. A missing name ends the walk: the save makes it or
// fails on it. A folder that cannot be passed, links that go round and a
// link that cannot be read fail the save, as they fail the system's walk.
bool linksMayBeFollowed(const std::string& path, uid_t user) {
  constexpr int kFolder = O_PATH | O_DIRECTORY | O_CLOEXEC;
  // The save itself follows up to 41 links at the file's name, and the
  // system the folders of each through up to 40 more: a path that takes more
  // links than that is never saved.
  constexpr int kMostLinks = 41 * 40 + 40;
  std::deque<std::string> ahead;
  putNamesBefore(ahead, path);
  Fd folder(::open(!path.empty() && path.front() == '/' ? "/" : ".", kFolder));
  for (int links = 0; folder.get() >= 0 && !ahead.empty();) {
    const std::string name = std::move(ahead.front());
    ahead.pop_front();
    struct stat st {};
    struct statfs fs {};
    if (name == "." || name == "..") {
      if (name == "..") folder.reset(::openat(folder.get(), "..", kFolder));
    } else if (::fstatat(folder.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      return true;
    } else if (S_ISLNK(st.st_mode) && !ahead.empty() && ::fstatfs(folder.get(), &fs) == 0 &&
               fs.f_type == PROC_SUPER_MAGIC) {
      if (++links > kMostLinks) return false;
      folder.reset(::openat(folder.get(), name.c_str(), kFolder));
    } else if (S_ISLNK(st.st_mode)) {
      // A link that cannot be read, or links that go round, fail the save.
      struct stat in {};
      if (++links > kMostLinks || ::fstat(folder.get(), &in) != 0 || anothersInStickyFolder(st, in, user, false))
        return false;
      // The system's own links may give no length.
      std::string to(std::max<std::size_t>(static_cast<std::size_t>(st.st_size), 255) + 1, '\0');
      ssize_t n = 0;
      while ((n = ::readlinkat(folder.get(), name.c_str(), to.data(), to.size())) >= ssize_t(to.size()))
        to.resize(2 * to.size());
      if (n <= 0) return false;
      to.resize(static_cast<std::size_t>(n));
      if (to.front() == '/') folder.reset(::open("/", kFolder));
      putNamesBefore(ahead, to);
    } else if (!ahead.empty()) {
      folder.reset(::openat(folder.get(), name.c_str(), kFolder | O_NOFOLLOW));
    }
  }
  return folder.get() >= 0;
}

// The file a path names once its symbolic links are followed, a link to
// nothing included; nothing when a link cannot be read or the links go round
// (after as many as the system follows itself).
std::optional<std::string> followLinks(const std::string& path) {
  namespace fs = std::filesystem;
  fs::path p(path);
  for (int links = 0; links <= 40; ++links) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(p, ec))) return p.string();
    const fs::path to = fs::read_symlink(p, ec);
    if (ec) return std::nullopt;
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
  return std::nullopt;
}

// A new file beside `target` of the given mode, named after this process and
// not after the target, so that a target whose name is as long as the system
// allows still gets one.
int createTemporary(const std::string& target, std::string& name, mode_t mode) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = folder + ".kalteron-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    // One left behind by an earlier run of the same number is passed over.
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// A file's extended attributes (security labels, access lists, user
// attributes): values by name.
using Attributes = std::map<std::string, std::string>;

// Fills `out` through `call(buffer, size)`, which gives the length it needs
// when asked with no buffer and fails with ERANGE when that has grown since.
template <typename Call>
bool readGrowing(std::string& out, Call call) {
  for (;;) {
    const ssize_t need = call(nullptr, 0);
    if (need < 0) return false;
    out.resize(static_cast<std::size_t>(need));
    const ssize_t n = need == 0 ? 0 : call(out.data(), out.size());
    if (n >= 0) {
      out.resize(static_cast<std::size_t>(n));
      return true;
    }
    if (errno != ERANGE) return false;
  }
}

// The open file's extended attributes, every one it lists; a file system
// without them gives none. Nothing when any cannot be read: one listed to a
// user who may not read it (a `trusted.` one, which btrfs and FUSE file
// systems list to everybody) or one removed meanwhile cannot be given to a
// new file either.
std::optional<Attributes> attributesOf(int fd) {
  std::string names;
  if (!readGrowing(names, [fd](char* b, std::size_t n) { return ::flistxattr(fd, b, n); }))
    return errno == ENOTSUP ? std::optional(Attributes{}) : std::nullopt;
  Attributes out;
  for (std::size_t at = 0; at < names.size();) {
    const std::size_t end = std::min(names.find('\0', at), names.size());
    const std::string name = names.substr(at, end - at);
    at = end + 1;
    std::string value;
    if (!readGrowing(value, [fd, &name](char* b, std::size_t n) { return ::fgetxattr(fd, name.c_str(), b, n); }))
      return std::nullopt;
    out.emplace(name, std::move(value));
  }
  return out;
}

// Gives the open file exactly the extended attributes `want`: sets those it
// lacks or has otherwise (a new file often has its folder's label or access
// list already), removes those it has in addition. True when its attributes
// are then `want`.
bool giveAttributes(int fd, const Attributes& want) {
  const std::optional<Attributes> had = attributesOf(fd);
  if (!had) return false;
  for (const auto& [name, value] : want) {
    const auto it = had->find(name);
    if ((it == had->end() || it->second != value) && ::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) != 0)
      return false;
  }
  for (const auto& entry : *had)
    if (want.count(entry.first) == 0 && ::fremovexattr(fd, entry.first.c_str()) != 0 && errno != ENODATA) return false;
  return attributesOf(fd) == want;
}

// Whether the open file has the owner, group and mode of `old`.
bool sameOwnerAndMode(int fd, const struct stat& old) {
  struct stat now {};
  return ::fstat(fd, &now) == 0 && now.st_uid == old.st_uid && now.st_gid == old.st_gid &&
         (now.st_mode & 07777) == (old.st_mode & 07777);
}

// Flushes the folder's list of names to the disk, so that a name just given
// survives a crash. Where the folder cannot be opened the rename stands as
// the system keeps it.
void flushFolder(const std::string& file) {
  const Fd folder(::open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) static_cast<void>(fileCalls().fsync(folder.get()));
}

// What became of a save through a temporary file.
enum class Replacement {
  Done,         // renamed over the file, the folder flushed
  NotPossible,  // a temporary file cannot stand in for the file: write it in place
  Failed,       // the temporary file failed otherwise: the save fails
};

// The file a save replaces: what the temporary file must have of it, and
// whether its file system writes every change to new blocks.
struct Old {
  const struct stat& st;
  const Attributes& attributes;
  bool copyOnWrite;
};

// What a failed call of the temporary file's means, by its error. Where the
// new file may not be made there or given the file's owner, group or mode
// (by the folder, the mount, the file system, an owner it cannot map), finds
// no room (disk, quota, file-size limit) or cannot take the file's name
// (another file system, a file mounted on its own), the file is written in
// place instead. Any other failure, an I/O error above all, fails the save:
// writing in place is no way round it, nor is it round a full disk where an
// overwrite takes new blocks as a new file does.
Replacement afterFailure(int error, const Old* old) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      if (old != nullptr && old->copyOnWrite) return Replacement::Failed;
      [[fallthrough]];
    case EACCES:
    case EPERM:
    case EROFS:
    case ENOSYS:
    case EOPNOTSUPP:
    case EINVAL:
    case EFBIG:
    case EXDEV:
    case EBUSY:
      return Replacement::NotPossible;
    default:
      return Replacement::Failed;
  }
}

// Fills the open temporary file and, where asked, flushes it. Replacing
// `old`, it takes old's owner and group first, its mode after the bytes, then
// its extended attributes, each only where it does not have them already: a
// mount that fixes every file's owner and mode (NTFS, exFAT, FAT) refuses to
// set them even to what they are. An access list sets the mode too, and may
// take the set-group bit away, so owner and mode are looked at once more at
// the end.
Replacement fillTemporary(int fd, std::string_view bytes, const Old* old, bool flush) {
  if (!onStoringFileSystem(fd)) return Replacement::Failed;
  struct stat now {};
  if (old != nullptr) {
    if (::fstat(fd, &now) != 0) return afterFailure(errno, old);
    const bool owned = now.st_uid == old->st.st_uid && now.st_gid == old->st.st_gid;
    if (!owned && fileCalls().fchown(fd, old->st.st_uid, old->st.st_gid) != 0) return afterFailure(errno, old);
  }
  if (!writeAll(fd, bytes, 0)) return afterFailure(errno, old);
  // After the bytes, which may take the set-user and set-group bits away.
  if (old != nullptr) {
    const mode_t mode = old->st.st_mode & 07777;
    if (::fstat(fd, &now) != 0) return afterFailure(errno, old);
    if ((now.st_mode & 07777) != mode && fileCalls().fchmod(fd, mode) != 0) return afterFailure(errno, old);
    if (!giveAttributes(fd, old->attributes) || !sameOwnerAndMode(fd, old->st)) return Replacement::NotPossible;
  }
  return !flush || fileCalls().fsync(fd) == 0 ? Replacement::Done : afterFailure(errno, old);
}

// Gives the file `from` the name `to` where that name is free; where the
// call fails otherwise, as a rename does: a file system that cannot tell
// (NFS, most FUSE file systems), a kernel without the call, a sandbox that
// refuses it; any other failure the rename meets too.
int renameToFreeName(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  return errno == EEXIST ? -1 : fileCalls().rename(from.c_str(), to.c_str());
}

// What a temporary file that replaces no file is: a new file as any the
// user makes, kept on the disk; or a side copy, its owner's alone, which
// need not outlive a crash and so is not flushed.
enum class NewFile { Kept, SideCopy };

// Writes the bytes to a temporary file beside `target`, flushed to the disk,
// renames it over `target` and flushes the folder (a side copy is not
// flushed). Replacing `old`, the temporary file is readable and writable by
// its owner alone while it is written; where it cannot have all of old's
// owner, group, mode and extended attributes, nothing is renamed. Leaves
// nothing behind when it fails.
Replacement replaceThroughTemporary(const std::string& target, std::string_view bytes, const Old* old,
                                    NewFile kind = NewFile::Kept) {
  const bool kept = kind == NewFile::Kept;
  std::string tmp;
  const int fd = createTemporary(target, tmp, old == nullptr && kept ? 0666 : 0600);
  if (fd < 0) return afterFailure(errno, old);
  Replacement r = fillTemporary(fd, bytes, old, kept);
  // A network file system may report a failed write only now.
  if (fileCalls().close(fd) != 0 && r == Replacement::Done) r = afterFailure(errno, old);
  // A side copy drops the one it replaces first: renamed over it, ext4 would
  // start writing the new file to the disk at once, as it does to keep a
  // replaced file's content across a crash, which a side copy need not. A
  // name found free, or made free so, is taken only while it is: whatever
  // another user puts there meanwhile stays.
  if (r == Replacement::Done) {
    const bool free = old == nullptr && (kept || ::unlink(target.c_str()) == 0 || errno == ENOENT);
    if ((free ? renameToFreeName(tmp, target) : fileCalls().rename(tmp.c_str(), target.c_str())) != 0)
      r = afterFailure(errno, old);
  }
  if (r != Replacement::Done) {
    ::unlink(tmp.c_str());
    return r;
  }
  if (kept) flushFolder(target);
  return Replacement::Done;
}

ReadOutcome readOpened(int fd, std::string& bytes, std::size_t limit) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return ReadOutcome::Refused;
  if (static_cast<std::uintmax_t>(st.st_size) > limit) return ReadOutcome::Refused;
  if (!blocking(fd)) return ReadOutcome::Refused;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    const ssize_t n = fileCalls().read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ReadOutcome::Refused;
    if (n == 0) return ReadOutcome::Read;
    // The file may have grown since it was measured.
    if (static_cast<std::size_t>(n) > limit - bytes.size()) return ReadOutcome::Refused;
    bytes.append(buf, static_cast<std::size_t>(n));
  }
}

// Secures the room for `size` bytes in the open file by writing, where the
// file system cannot reserve it: the old bytes over themselves (a hole takes
// its blocks, the content stays the same whatever happens), then line breaks
// past the old end (a failure cuts the file back to its old length), and the
// file flushed, so that a full disk shows before any old byte changes, also
// where the room is taken only when the bytes are flushed (delayed
// allocation, a network file system). Until the new bytes are written the
// file reads as the old one followed by blank lines, should the save be
// stopped or the cut fail.
bool secureByWriting(int fd, std::string_view old, std::size_t size) {
  const bool grows = size > old.size();
  if (writeAll(fd, old, 0) &&
      (!grows || writeAll(fd, std::string(size - old.size(), '\n'), static_cast<off_t>(old.size()))) &&
      fileCalls().fsync(fd) == 0)
    return true;
  if (grows) static_cast<void>(::ftruncate(fd, static_cast<off_t>(old.size())));
  return false;
}

// Free room a rewrite on a copy-on-write file system needs beyond twice the
// bytes: for the file system's own records.
constexpr std::uintmax_t kCopyOnWriteMargin = std::uintmax_t{4} << 20;

// Writes the bytes over the open file where it stands, cuts it to their
// length and flushes it to the disk. Before any byte changes, the old bytes
// are read and the space for the longer of old and new is secured, holes
// included, so that neither the writing nor the putting back runs out of it:
// reserved, or, where that fails for any reason, written. A file system that
// writes every change to new blocks takes new ones however that is done: it
// must have clearly more room free than writing and putting back need. When
// anything later fails, the old bytes and length are put back.
bool writeInPlace(int fd, std::string_view bytes, off_t oldSize, bool copyOnWrite) {
  std::string old;
  if (!readAllAt(fd, old, oldSize)) return false;
  const std::size_t room = std::max(old.size(), bytes.size());
  if (copyOnWrite) {
    if (!freeRoomOver(fd, 2 * std::uintmax_t{room} + kCopyOnWriteMargin)) return false;
  } else if (room > 0 && fileCalls().fallocate(fd, 0, 0, static_cast<off_t>(room)) != 0 &&
             !secureByWriting(fd, old, room)) {
    return false;
  }
  const bool cut = bytes.size() < old.size();
  const bool written = writeAll(fd, bytes, 0);
  const bool wasCut = written && cut && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
  if (written && (!cut || wasCut) && fileCalls().fsync(fd) == 0) return true;
  // What may have changed: the part written over and, once cut, the rest.
  const std::string_view back = wasCut ? std::string_view(old) : std::string_view(old).substr(0, bytes.size());
  static_cast<void>(writeAll(fd, back, 0));
  static_cast<void>(::ftruncate(fd, oldSize));
  static_cast<void>(fileCalls().fsync(fd));
  return false;
}

}  // namespace

ReadOutcome readRegularFile(const std::string& path, std::string& bytes, std::size_t limit) {
  bytes.clear();
  // Looked at before it is opened: opening a device may act on it.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Refused;
  if (!S_ISREG(st.st_mode)) return ReadOutcome::Refused;
  // Without waiting, should a pipe have taken the file's place meanwhile;
  // what was opened is checked again.
  const Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Refused;
  const ReadOutcome r = readOpened(fd.get(), bytes, limit);
  if (r != ReadOutcome::Read) bytes.clear();
  return r;
}

std::optional<std::string> readWholeFile(const std::string& path, std::size_t limit) {
  std::string bytes;
  if (readRegularFile(path, bytes, limit) != ReadOutcome::Read) return std::nullopt;
  return bytes;
}

bool writeWholeFile(const std::string& path, std::string_view bytes) {
  // What would not be read back is not written.
  if (bytes.size() > kMaxFileBytes) return false;
  const uid_t user = fileUser();
  if (!linksMayBeFollowed(path, user)) return false;
  const auto target = followLinks(path);
  if (!target) return false;
  const FileSizeSignalHeld held;
  // The file system is looked at before anything is opened for writing, and
  // again once it is open.
  struct stat st {};
  if (::lstat(target->c_str(), &st) != 0)
    return errno == ENOENT && onStoringFileSystem(folderOf(*target)) &&
           replaceThroughTemporary(*target, bytes, nullptr) == Replacement::Done;
  // A file that is not a regular one, may not be written, or is another
  // user's in a shared folder with the sticky bit keeps its contents.
  if (!S_ISREG(st.st_mode) || anothersInStickyFolder(st, folderOf(*target), user) || !onStoringFileSystem(*target))
    return false;
  constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  int opened = ::open(target->c_str(), O_RDWR | kFlags);
  // One that may be written but not read can still be replaced.
  if (opened < 0 && errno == EACCES) opened = ::open(target->c_str(), O_WRONLY | kFlags);
  const Fd file(opened);
  struct statfs fs {};
  if (file.get() < 0 || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) || ::fstatfs(file.get(), &fs) != 0 ||
      kernelFileSystem(fs))
    return false;
  if (!blocking(file.get())) return false;
  // A new file renamed over it where that changes nothing but the content;
  // the file as it stands where a temporary file cannot keep what the file
  // has, cannot be made there or cannot take its name. A temporary file that
  // fails otherwise fails the save.
  const bool cow = copyOnWrite(fs);
  if (st.st_nlink == 1) {
    if (const std::optional<Attributes> attributes = attributesOf(file.get())) {
      const Old old{st, *attributes, cow};
      const Replacement r = replaceThroughTemporary(*target, bytes, &old);
      if (r != Replacement::NotPossible) return r == Replacement::Done;
    }
  }
  return writeInPlace(file.get(), bytes, st.st_size, cow);
}

bool replaceWithNewFile(const std::string& path, std::string_view bytes) {
  const FileSizeSignalHeld held;
  const uid_t user = fileUser();
  const std::string folder = folderOf(path);
  // Another user's entry in a shared folder with the sticky bit stays, even
  // where the system would let it be replaced (root).
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 ? anothersInStickyFolder(st, folder, user) : errno != ENOENT) return false;
  if (!onStoringFileSystem(folder)) return false;
  const Replacement r = replaceThroughTemporary(path, bytes, nullptr, NewFile::SideCopy);
  if (r != Replacement::NotPossible) return r == Replacement::Done;
  // Where no new file can take the name (a folder that may not be written,
  // no room for a second copy), a file of the user's own of one name is
  // written where it stands, as a project is.
  if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != user || st.st_nlink != 1) return false;
  const Fd file(::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat opened {};
  struct statfs fs {};
  return file.get() >= 0 && ::fstat(file.get(), &opened) == 0 && opened.st_ino == st.st_ino &&
         opened.st_dev == st.st_dev && ::fstatfs(file.get(), &fs) == 0 && !kernelFileSystem(fs) &&
         blocking(file.get()) && writeInPlace(file.get(), bytes, opened.st_size, copyOnWrite(fs));
}

}  // namespace kalteron
