// What a file was when the editor last read or wrote it, so that a change by
// another program can be told from the editor's own: size, modification
// time and a hash of the bytes (a rewrite of the same size within the
// clock's resolution still differs in its bytes).
#pragma once

#include "core/mission/bytes.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zephlo {

struct FileStamp {
  std::uintmax_t size = 0;
  std::int64_t modified = 0; // the file system's own time count
  std::uint64_t hash = 0;

  bool operator==(const FileStamp&) const = default;
};

// A 64-bit FNV-1a hash of the bytes.
std::uint64_t hashBytes(std::span<const Byte> bytes);

// The stamp of the file at path now; nothing when there is no regular file
// there or it cannot be read.
std::optional<FileStamp> stampOf(const std::string& path);

// Whether the file at path is no longer what stamp describes: changed,
// replaced, or removed. A file never stamped (nothing) has not changed.
bool changedSince(const std::optional<FileStamp>& stamp, const std::string& path);

} // namespace zephlo
