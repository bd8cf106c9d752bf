#include "mission/safe_write.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace zephlo {

namespace {

// Most file systems allow 255 bytes in one name.
constexpr std::size_t kMaxNameBytes = 255;
// Links followed before a chain is taken for a loop (as the system does).
constexpr int kMaxLinks = 40;

Error failure(const std::string& path, const std::string& reason) {
  return makeError(ErrorKind::WriteFailed, "Cannot save " + path + ": " + reason + ".");
}

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
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
#endif
}

// The file a save through path lands in: links are followed to their end, so
// the link stays a link and a dangling one gets its file created.
Result<fs::path> finalTarget(const std::string& path) {
  fs::path p(path);
  for (int hops = 0;; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(p, ec))) return p;
    if (hops == kMaxLinks) return failure(path, "it is a symbolic link that leads in a loop");
    const fs::path next = fs::read_symlink(p, ec);
    if (ec) return failure(path, ec.message());
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
}

// A temporary name beside the target that stays within the name limit
// however long the target's own name is.
std::string temporaryName(const fs::path& target, std::uint32_t number) {
  const std::string suffix = ".zephlo-" + std::to_string(number % 1000000) + ".tmp";
  std::string base = target.filename().string();
  const std::size_t room = kMaxNameBytes - 1 - suffix.size();
  if (base.size() > room) {
    base.resize(room);
    // Never leave half a UTF-8 character at the cut.
    while (!base.empty() && (static_cast<unsigned char>(base.back()) & 0xC0) == 0x80)
      base.pop_back();
    if (!base.empty() && (static_cast<unsigned char>(base.back()) & 0x80) != 0) base.pop_back();
  }
  return "." + base + suffix;
}

// A file the user has marked read-only, or may not write, is not replaced
// even though the folder would allow the rename.
std::optional<std::string> writeRefusal(const fs::path& target) {
  std::error_code ec;
  const fs::file_status st = fs::status(target, ec);
  if (ec || !fs::exists(st)) return std::nullopt;
  constexpr fs::perms anyWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((st.permissions() & anyWrite) == fs::perms::none) return std::string(std::strerror(EACCES));
#if !defined(_WIN32)
  if (::access(target.c_str(), W_OK) != 0) return std::string(std::strerror(errno));
#endif
  return std::nullopt;
}

#if !defined(_WIN32)
void ignoreFileSizeSignal() {
  // Past the process's file-size limit a write should fail with EFBIG, so the
  // temporary file is removed and the reason shown, instead of the signal
  // ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
}

// Creates the temporary file with the target's mode from the start, so a
// private mission is never readable by others, not even while it is written.
std::FILE* createTemporary(const fs::path& temp, const fs::path& target) {
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  const mode_t mode = replacing ? (old.st_mode & 07777) : 0666;
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 0600);
  if (fd < 0) return nullptr;
  if (replacing) {
    // Keeping the owner only works for a process allowed to give files away;
    // otherwise the file stays the writer's.
    const bool ownerKept = ::fchown(fd, old.st_uid, old.st_gid) == 0;
    (void)ownerKept;
    ::fchmod(fd, mode);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, mode & ~mask);
  }
  std::FILE* f = ::fdopen(fd, "wb");
  if (!f) {
    const int err = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    errno = err;
  }
  return f;
}
#endif

} // namespace

std::FILE* createTemporaryBeside(const fs::path& target, fs::path& temp) {
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  std::random_device rd;
  std::mt19937 rng(rd());
  std::FILE* f = nullptr;
  for (int attempt = 0; attempt < 100 && !f; ++attempt) {
    temp = dir / temporaryName(target, static_cast<std::uint32_t>(rng()));
#if defined(_WIN32)
    f = std::fopen(temp.string().c_str(), "wbx");
#else
    f = createTemporary(temp, target);
#endif
    if (!f && errno != EEXIST) break;
  }
  return f;
}

Status writeFileSafely(const std::string& path, std::span<const Byte> bytes) {
  std::error_code ec;
  Result<fs::path> resolved = finalTarget(path);
  if (!resolved) return resolved.error();
  const fs::path target = *resolved;
  if (fs::is_directory(target, ec)) return failure(path, "it is a folder");
  if (auto reason = writeRefusal(target)) return failure(path, *reason);
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";

#if !defined(_WIN32)
  ignoreFileSizeSignal();
#endif
  fs::path temp;
  std::FILE* f = createTemporaryBeside(target, temp);
  if (!f) return failure(path, std::strerror(errno));

  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  int err = errno;
  ok = ok && flushToDisk(f);
  if (!ok) err = errno;
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    fs::remove(temp, ec);
    return failure(path, std::strerror(err));
  }

#if defined(_WIN32)
  // Keep the permissions of the file being replaced.
  const auto old = fs::status(target, ec);
  if (!ec && fs::exists(old)) fs::permissions(temp, old.permissions(), ec);
#endif

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
