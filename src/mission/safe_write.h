// Replacing a file without ever leaving it half written.
#pragma once

#include "mission/bytes.h"

#include <span>
#include <string>

namespace zephlo {

struct WriteResult;

// Writes bytes to a temporary file beside path, flushes it to disk and
// renames it over path. On failure path is untouched and the temporary file
// removed; the error names the file and the system's reason.
WriteResult writeFileSafely(const std::string& path, std::span<const Byte> bytes);

} // namespace zephlo
