#include "projectfiles/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace kalteron {
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

 private:
  int fd_;
};

// Writes all the bytes at the offset.
bool writeAll(int fd, std::string_view bytes, off_t at) {
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), at);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
    at += n;
  }
  return true;
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

// A new file beside `target`, named after this process and not after the
// target, so that a target whose name is as long as the system allows still
// gets one.
int createTemporary(const std::string& target, std::string& name) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = folder + ".kalteron-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    // One left behind by an earlier run of the same number is passed over.
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Writes the bytes to a temporary file beside `target`, flushed to the disk,
// and renames it over `target`. `old` describes the file replaced, whose
// permissions the new one takes. Leaves nothing behind when it fails.
bool replaceThroughTemporary(const std::string& target, std::string_view bytes, const struct stat* old) {
  std::string tmp;
  const int fd = createTemporary(target, tmp);
  if (fd < 0) return false;
  if (old != nullptr) static_cast<void>(::fchmod(fd, old->st_mode & 0777));
  bool ok = writeAll(fd, bytes, 0) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(tmp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(tmp.c_str());
  return ok;
}

ReadOutcome readOpened(int fd, std::string& bytes, std::size_t limit) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return ReadOutcome::Refused;
  if (static_cast<std::uintmax_t>(st.st_size) > limit) return ReadOutcome::Refused;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ReadOutcome::Refused;
    if (n == 0) return ReadOutcome::Read;
    // The file may have grown since it was measured.
    if (static_cast<std::size_t>(n) > limit - bytes.size()) return ReadOutcome::Refused;
    bytes.append(buf, static_cast<std::size_t>(n));
  }
}

// Writes the bytes over the open file: first what goes past its present end,
// then the rest over what it holds, then cuts it to the new length and
// flushes it to the disk. When the first step fails the file is cut back to
// its old length and holds what it held; a later failure leaves it no
// shorter than it was.
bool writeInPlace(int fd, std::string_view bytes, off_t oldSize) {
  const auto old = static_cast<std::size_t>(oldSize);
  if (bytes.size() > old && !writeAll(fd, bytes.substr(old), oldSize)) {
    static_cast<void>(::ftruncate(fd, oldSize));
    return false;
  }
  if (!writeAll(fd, bytes.substr(0, std::min(old, bytes.size())), 0)) return false;
  if (bytes.size() < old && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) return false;
  return ::fsync(fd) == 0;
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
  const auto target = followLinks(path);
  if (!target) return false;
  struct stat st {};
  if (::stat(target->c_str(), &st) != 0) return errno == ENOENT && replaceThroughTemporary(*target, bytes, nullptr);
  // A file that is not a regular one, or may not be written, keeps its
  // contents.
  if (!S_ISREG(st.st_mode)) return false;
  const Fd file(::open(target->c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0 || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  // Where no temporary file can be made and put in its place (a folder that
  // may not be written, a full disk, another owner's file in a folder that
  // lets only owners rename), the file that may be written is written as it
  // stands.
  return replaceThroughTemporary(*target, bytes, &st) || writeInPlace(file.get(), bytes, st.st_size);
}

}  // namespace kalteron
