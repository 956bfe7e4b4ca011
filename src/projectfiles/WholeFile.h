// Whole files on disk. The one place that calls the operating system's file
// functions directly, for what the standard library cannot tell or do: what
// kind of file an opened path is, opening a pipe without waiting for a writer,
// cutting a file to a length, flushing a file to the disk.
#pragma once

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
// when missing. Through a symbolic link its target is written and the link
// stays; a link to nothing creates its target. The bytes go to a temporary
// file beside the target, flushed to the disk, that is renamed over it, so
// the file is either the old one or the new one, never half written. When no
// temporary file can be made and renamed there (a folder the user may not
// write to), an existing file is written in place and flushed to the disk; a
// failed write in place leaves it no shorter than it was, and as it was when
// it could not grow. An existing file that may not be written, or is not a
// regular file, is left alone. Returns false when the bytes were not written.
bool writeWholeFile(const std::string& path, std::string_view bytes);

}  // namespace kalteron
