// Whole files on disk. The one place that calls the operating system's file
// functions directly, for what the standard library cannot tell or do: what
// kind of file an opened path is and on what file system, opening a pipe
// without waiting for a writer, owners and modes, reserving space, cutting a
// file to a length, flushing a file to the disk.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kalteron {

// The largest file read: 16 MiB. A project holds a few kilobytes; anything
// this large is not one, and reading it would only exhaust the memory.
inline constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;

enum class ReadOutcome {
  Read,     // a regular file, read whole
  Missing,  // nothing at the path (a symbolic link to nothing included)
  Refused,  // anything else: a folder, a pipe, a device, a file larger than
            // the limit, one that may not be read, a read error
};

// Reads the regular file at `path` (symbolic links followed) into `bytes`.
// Never waits on a pipe or a device; refuses a file of more than `limit`
// bytes. `bytes` is empty unless the outcome is Read.
ReadOutcome readRegularFile(const std::string& path, std::string& bytes, std::size_t limit = kMaxFileBytes);

// The bytes of the regular file, or nothing when readRegularFile does not
// read it.
std::optional<std::string> readWholeFile(const std::string& path, std::size_t limit = kMaxFileBytes);

// Makes the bytes the whole content of the regular file at `path`, created
// when missing, and keeps everything else about the file: its owner, group,
// mode, extended attributes and other names. Through a symbolic link its
// target is written and the link stays; a link to nothing creates its target.
//
// Where nothing but the content changes that way (a file of one name whose
// owner, group, mode and extended attributes a new file can be given), the
// bytes go to a temporary file beside it, readable by its owner alone until
// it is complete, flushed to the disk and renamed over it, so the file is
// either the old one or the new one. Where a temporary file cannot keep what
// the file has (another owner, more names, an attribute it may not be given),
// cannot be made (a folder that may not be written, a full disk) or cannot
// take its name, the file is written where it stands: the space for the new
// content is secured first (reserved, or else written) and the old bytes are
// kept, so that a failure puts them back. A temporary file that fails
// otherwise (an I/O error) fails the save and the file is not written. On a
// file system that writes every change to new blocks (btrfs), a full disk
// fails the save, and the file is written where it stands only with clearly
// more room free than writing and putting back take.
//
// Refused, the file left alone: a file that is not a regular one or may not
// be written, one on a file system of the kernel's (proc, sysfs and their
// kind), and bytes longer than kMaxFileBytes, which readRegularFile would not
// read back. A file-size limit fails the write instead of ending the process.
// Returns true only when the bytes are written and flushed to the disk.
bool writeWholeFile(const std::string& path, std::string_view bytes);

// Makes the bytes the file at `path`, whatever the name held before: they go
// to a new file beside it, readable and writable by its owner alone, which
// is renamed over the name once complete. A symbolic link there is replaced,
// not followed; another user's file is never written into, and another
// user's entry in a shared folder with the sticky bit stays, whoever the
// user is, as does whatever another user puts at a free name meanwhile.
// Where no new file can take the name (a folder that may not be written, no
// room for a second copy), only a file of the user's own of one name is
// written, where it stands and as writeWholeFile does: its room secured
// first and its old bytes put back on failure. A failure leaves nothing
// behind. For side copies: the new file is not flushed to the disk, and the
// file it replaces is dropped just before, so a crash may lose both. True
// when the bytes stand at the name.
bool replaceWithNewFile(const std::string& path, std::string_view bytes);

// The system calls that move the bytes, flush them, reserve their space,
// give a new file its owner and mode, close it and give it the file's name,
// replaceable by tests to see how they are made or to make them fail.
struct FileCalls {
  ssize_t (*read)(int fd, void* buf, std::size_t n);
  ssize_t (*pwrite)(int fd, const void* buf, std::size_t n, off_t at);
  int (*fsync)(int fd);
  int (*fallocate)(int fd, int mode, off_t at, off_t length);
  int (*fchown)(int fd, uid_t owner, gid_t group);
  int (*fchmod)(int fd, mode_t mode);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
};
FileCalls& fileCalls();

}  // namespace kalteron
