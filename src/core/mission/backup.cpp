#include "core/mission/backup.h"

#include "core/mission/document.h"
#include "core/mission/utf8_path.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace zephlo {

std::optional<std::string> safetyCopyPath(const std::string& path, bool backupsEnabled,
                                          std::optional<char> cdromDrive) {
  if (!backupsEnabled || path.empty() || path == kUnnamed) return std::nullopt;
  auto upper = [](unsigned char c) { return static_cast<char>(std::toupper(c)); };
  if (cdromDrive && upper(static_cast<unsigned char>(path[0])) ==
                        upper(static_cast<unsigned char>(*cdromDrive))) {
    return std::nullopt;
  }
  const std::filesystem::path p = pathFromUtf8(path);
  std::string name = utf8FromPath(p.filename());
  std::transform(name.begin(), name.end(), name.begin(), upper);
  if (name == "BACKUP.TIE") return std::nullopt;
  return utf8FromPath(p.parent_path() / "Backup.tie");
}

} // namespace zephlo
