// Replacing a file without ever leaving it half written.
#pragma once

#include "mission/bytes.h"
#include "mission/result.h"

#include <cstdio>
#include <filesystem>
#include <span>
#include <string>

namespace zephlo {

// Writes bytes to a temporary file beside path, flushes it to disk and
// renames it over path. A link is followed to the file it points to. On
// failure path is untouched and the temporary file removed; the error names
// the file and the system's reason. A read-only file is not replaced.
Status writeFileSafely(const std::string& path, std::span<const Byte> bytes);

// The temporary file such a save writes into: beside target, named within
// the file system's limit however long target's name is, and with target's
// mode (and owner, where the process may give files away) from the moment
// it exists. Null with errno set when it cannot be created.
std::FILE* createTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temp);

} // namespace zephlo
