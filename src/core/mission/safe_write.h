// Replacing a file without ever leaving it half written.
#pragma once

#include "core/mission/bytes.h"
#include "core/mission/result.h"

#include <cstdio>
#include <filesystem>
#include <span>
#include <string>

namespace zephlo {

struct WriteOptions {
  // A pipe that no program reads from yet: refuse at once (a window must not
  // hang) or wait for a reader (as a script's tools do).
  bool waitForReader = false;
  // The file is readable by its owner only, whatever it replaces (recovery
  // copies of unsaved work). On Windows the user's own folders already are.
  bool privateFile = false;
};

// Writes bytes to path by what path names:
// - a regular file or a name not yet taken: the bytes go to a temporary file
//   beside it, are flushed to disk and renamed over it, so a failure leaves
//   the old file whole. A link is followed to the file it points to; a
//   read-only file is not replaced.
// - a pipe, a character device or a socket (/dev/stdout, /dev/null, a FIFO):
//   written directly and never replaced.
// - anything else (a folder, a block device): refused.
// The kind is taken from the opened file itself, so a swap between the look
// and the write cannot redirect the write. Every error names the file and
// the system's reason.
// On Windows path is UTF-8 and goes to the wide-character calls; a file is
// replaced with ReplaceFileW (its attributes and permissions kept), a
// device such as NUL or COM1 and a named pipe are written directly, and a
// volume or disk opened by name is refused.
Status writeFileSafely(const std::string& path, std::span<const Byte> bytes,
                       const WriteOptions& options = {});

// Writes bytes to the process's standard output; a full disk or a closed
// pipe is an error ("Cannot write to standard output: ...").
Status writeStandardOutput(std::span<const Byte> bytes);

#if !defined(_WIN32)
// The temporary file such a save writes into: beside target, named within
// the file system's limit however long target's name is, and with target's
// mode (and owner, where the process may give files away) from the moment
// it exists. Null with errno set when it cannot be created.
std::FILE* createTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temp,
                                 bool privateFile = false);
#endif

} // namespace zephlo
