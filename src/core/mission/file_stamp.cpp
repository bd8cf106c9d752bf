#include "core/mission/file_stamp.h"

#include "core/mission/input_file.h"

#include <filesystem>

namespace zephlo {

std::uint64_t hashBytes(std::span<const Byte> bytes) {
  std::uint64_t h = 1469598103934665603ull;
  for (Byte b : bytes) {
    h ^= b;
    h *= 1099511628211ull;
  }
  return h;
}

std::optional<FileStamp> stampOf(const std::string& path) {
  namespace fs = std::filesystem;
  // Missions are far below this; a larger file is simply not a mission the
  // editor wrote.
  constexpr std::size_t kLargest = std::size_t{1} << 30;
  if (path == "-") return std::nullopt;
  const Result<std::vector<Byte>> bytes =
      readWholeInput(path, SizeLimit{kLargest, "a mission can"});
  if (!bytes) return std::nullopt;
  std::error_code ec;
  const auto time = fs::last_write_time(path, ec);
  if (ec) return std::nullopt;
  FileStamp s;
  s.size = bytes->size();
  s.modified = static_cast<std::int64_t>(time.time_since_epoch().count());
  s.hash = hashBytes(*bytes);
  return s;
}

bool changedSince(const std::optional<FileStamp>& stamp, const std::string& path) {
  if (!stamp) return false;
  const std::optional<FileStamp> now = stampOf(path);
  return !now || *now != *stamp;
}

} // namespace zephlo
