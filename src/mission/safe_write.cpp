#include "mission/safe_write.h"

#include "mission/writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace zephlo {

namespace {

bool flushToDisk(std::FILE* f) {
  if (std::fflush(f) != 0) return false;
#if defined(_WIN32)
  return _commit(_fileno(f)) == 0;
#else
  return ::fsync(fileno(f)) == 0;
#endif
}

void syncFolder([[maybe_unused]] const fs::path& dir) {
#if !defined(_WIN32)
  // Makes the rename itself durable; a failure here leaves a complete file.
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
#endif
}

WriteResult failure(const std::string& path, const std::string& reason) {
  return WriteResult{false, "Cannot save " + path + ": " + reason + "."};
}

} // namespace

WriteResult writeFileSafely(const std::string& path, std::span<const Byte> bytes) {
  std::error_code ec;
  fs::path target(path);
  // Saving through a link replaces the file it points to, not the link.
  if (fs::is_symlink(target, ec)) target = fs::weakly_canonical(target, ec);
  if (fs::is_directory(target, ec)) return failure(path, "it is a folder");
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";

  std::random_device rd;
  std::mt19937 rng(rd());
  fs::path temp;
  std::FILE* f = nullptr;
  for (int attempt = 0; attempt < 100 && !f; ++attempt) {
    std::string name = target.filename().string();
    name.insert(name.begin(), '.');
    name += ".zephlo-" + std::to_string(rng() % 1000000) + ".tmp";
    temp = dir / name;
    f = std::fopen(temp.string().c_str(), "wbx");
    if (!f && errno != EEXIST) break;
  }
  if (!f) return failure(path, std::strerror(errno));

  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = ok && flushToDisk(f);
  int err = errno;
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    fs::remove(temp, ec);
    return failure(path, std::strerror(err));
  }

  // Keep the permissions of the file being replaced.
  const auto old = fs::status(target, ec);
  if (!ec && fs::exists(old)) fs::permissions(temp, old.permissions(), ec);

  fs::rename(temp, target, ec);
  if (ec) {
    const std::string reason = ec.message();
    fs::remove(temp, ec);
    return failure(path, reason);
  }
  syncFolder(dir);
  return {};
}

} // namespace zephlo
