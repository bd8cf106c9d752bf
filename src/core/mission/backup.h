// The safety copy written beside a mission after it is opened.
#pragma once

#include <optional>
#include <string>

namespace zephlo {

// Where to write "Backup.tie" for a mission opened from path, or nothing when
// no copy is due: copies off, a never-saved mission, a mission on the CD-ROM
// drive (when the system has drive letters), or the backup file itself.
std::optional<std::string> safetyCopyPath(const std::string& path, bool backupsEnabled,
                                          std::optional<char> cdromDrive = std::nullopt);

} // namespace zephlo
