#include "projectfiles/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
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

std::string uniqueSuffix() {
  static std::atomic<unsigned> counter{0};
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  return std::to_string(now) + "-" + std::to_string(counter++);
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
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path target(path);
  const auto st = fs::status(target, ec);
  const bool exists = fs::exists(st);
  if (exists) {
    if (!fs::is_regular_file(st)) return false;
    // A file that may not be written keeps its contents.
    std::FILE* probe = std::fopen(path.c_str(), "r+b");
    if (!probe) return false;
    std::fclose(probe);
  }
  fs::path tmp = target;
  tmp += ".tmp-" + uniqueSuffix();
  std::FILE* f = std::fopen(tmp.c_str(), "wbx");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  if (ok && exists) fs::permissions(tmp, st.permissions(), ec);
  if (ok) {
    fs::rename(tmp, target, ec);
    ok = !ec;
  }
  if (!ok) fs::remove(tmp, ec);
  return ok;
}

}  // namespace kalteron
