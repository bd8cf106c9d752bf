// The game's install path as a Wine prefix records it: Wine keeps the
// registry of HKEY_LOCAL_MACHINE in the prefix's text file system.reg.
#pragma once

#include "core/mission/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zephlo {

// The Windows path stored as the game's "Install Path" in the text of a
// system.reg ("C:\Games\XWA"), in UTF-8 with Wine's escapes undone. The
// plain key wins over the 32-bit programs' copy under Wow6432Node.
std::optional<std::string> installPathInRegistryText(std::string_view text);

// "C:\Games\XWA" as a folder of the prefix: PREFIX/drive_c/Games/XWA, other
// drives through the prefix's dosdevices links, names matched in any
// capitals. Nothing when the drive is unknown.
std::optional<std::filesystem::path> folderInPrefix(const std::filesystem::path& prefix,
                                                    std::string_view windowsPath);

// Reads PREFIX/system.reg: the path it records (empty when none), or why
// the file could not be read.
Result<std::optional<std::string>> readInstallPath(const std::filesystem::path& prefix);

} // namespace zephlo
