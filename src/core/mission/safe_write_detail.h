// What the safe save shares between its POSIX and Windows halves.
#pragma once

#include "core/mission/result.h"

#include <cstdint>
#include <string>

namespace zephlo::detail {

// "Cannot save PATH: REASON."
Error saveFailure(const std::string& path, const std::string& reason);

// A temporary name for a save beside a file named targetName (UTF-8) that
// stays within the file system's name limit however long targetName is.
std::string temporaryName(const std::string& targetName, std::uint32_t number);

} // namespace zephlo::detail
