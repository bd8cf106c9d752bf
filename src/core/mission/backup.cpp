#include "core/mission/backup.h"

#include "core/mission/document.h"

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
  const std::filesystem::path p(path);
  std::string name = p.filename().string();
  std::transform(name.begin(), name.end(), name.begin(), upper);
  if (name == "BACKUP.TIE") return std::nullopt;
  return (p.parent_path() / "Backup.tie").string();
}

} // namespace zephlo
