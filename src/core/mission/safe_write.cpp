#include "core/mission/safe_write.h"

#include "core/mission/safe_write_detail.h"

#include <cstring>
#include <filesystem>

#if !defined(_WIN32)
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace zephlo {

namespace detail {

// Most file systems allow 255 bytes in one name.
constexpr std::size_t kMaxNameBytes = 255;

Error saveFailure(const std::string& path, const std::string& reason) {
  return makeError(ErrorKind::WriteFailed, "Cannot save " + path + ": " + reason + ".");
}

std::string temporaryName(const std::string& targetName, std::uint32_t number) {
  const std::string suffix = ".zephlo-" + std::to_string(number % 1000000) + ".tmp";
  std::string base = targetName;
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

} // namespace detail

#if !defined(_WIN32)

namespace {

using detail::temporaryName;
Error failure(const std::string& path, const std::string& reason) {
  return detail::saveFailure(path, reason);
}

// Links followed before a chain is taken for a loop (as the system does).
constexpr int kMaxLinks = 40;

bool flushToDisk(std::FILE* f) { return std::fflush(f) == 0 && ::fsync(fileno(f)) == 0; }

void syncFolder(const fs::path& dir) {
  // Makes the rename itself durable; a failure here leaves a complete file.
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
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

// A file the user has marked read-only, or may not write, is not replaced
// even though the folder would allow the rename.
std::optional<std::string> writeRefusal(const fs::path& target) {
  std::error_code ec;
  const fs::file_status st = fs::status(target, ec);
  if (ec || !fs::exists(st)) return std::nullopt;
  constexpr fs::perms anyWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((st.permissions() & anyWrite) == fs::perms::none) return std::string(std::strerror(EACCES));
  if (::access(target.c_str(), W_OK) != 0) return std::string(std::strerror(errno));
  return std::nullopt;
}

// What stands at target now, when it is no longer something a rename may
// replace: a link, pipe or device put there while the save was written.
std::optional<std::string> swappedAway(const fs::path& target) {
  struct stat st {};
  if (::lstat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
    return std::string(
        "it was replaced by something that is not a regular file while it was saved");
  return std::nullopt;
}

std::string kindRefusal(mode_t mode) {
  if (S_ISDIR(mode)) return "it is a folder";
  if (S_ISBLK(mode)) return "it is a block device, not a file";
  return "it is not a regular file";
}

Status writeFailure(const std::string& path, int err) {
  if (path.empty())
    return makeError(ErrorKind::WriteFailed,
                     std::string("Cannot write to standard output: ") + std::strerror(err) + ".");
  return failure(path, std::strerror(err));
}

// Every byte to fd, or the reason it stopped. A reader that went away is an
// error to report, not a signal that ends the program.
Status writeAllTo(int fd, std::span<const Byte> bytes, const std::string& path) {
  std::signal(SIGPIPE, SIG_IGN);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return writeFailure(path, errno);
    }
    if (n == 0) return writeFailure(path, EIO);
    done += static_cast<std::size_t>(n);
  }
  return {};
}

Status writeToSocket(const std::string& path, std::span<const Byte> bytes) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  if (path.size() >= sizeof addr.sun_path) return failure(path, "the socket's name is too long");
  std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return failure(path, std::strerror(errno));
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
    const int err = errno;
    ::close(fd);
    return failure(path, std::strerror(err));
  }
  Status w = writeAllTo(fd, bytes, path);
  ::close(fd);
  return w;
}

void ignoreFileSizeSignal() {
  // Past the process's file-size limit a write should fail with EFBIG, so the
  // temporary file is removed and the reason shown, instead of the signal
  // ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
}

// Creates the temporary file with the target's mode from the start, so a
// private mission is never readable by others, not even while it is written.
std::FILE* createTemporary(const fs::path& temp, const fs::path& target, bool privateFile) {
  struct stat old {};
  const bool replacing = !privateFile && ::stat(target.c_str(), &old) == 0;
  const mode_t mode = privateFile ? 0600 : replacing ? (old.st_mode & 07777) : 0666;
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 0600);
  if (fd < 0) return nullptr;
  if (replacing) {
    // Keeping the owner only works for a process allowed to give files away;
    // otherwise the file stays the writer's.
    const bool ownerKept = ::fchown(fd, old.st_uid, old.st_gid) == 0;
    (void)ownerKept;
    ::fchmod(fd, mode);
  } else if (!privateFile) {
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

} // namespace

std::FILE* createTemporaryBeside(const fs::path& target, fs::path& temp, bool privateFile) {
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  std::random_device rd;
  std::mt19937 rng(rd());
  std::FILE* f = nullptr;
  for (int attempt = 0; attempt < 100 && !f; ++attempt) {
    temp = dir / temporaryName(target.filename().string(), static_cast<std::uint32_t>(rng()));
    f = createTemporary(temp, target, privateFile);
    if (!f && errno != EEXIST) break;
  }
  return f;
}

namespace {

// The safe save proper: temporary file, flush, rename. Anything but a
// regular file found at the target just before the rename was put there
// meanwhile and is not replaced.
Status replaceRegularFile(const std::string& path, std::span<const Byte> bytes,
                          const WriteOptions& options) {
  std::error_code ec;
  Result<fs::path> resolved = finalTarget(path);
  if (!resolved) return resolved.error();
  const fs::path target = *resolved;
  if (fs::is_directory(target, ec)) return failure(path, "it is a folder");
  if (auto reason = writeRefusal(target)) return failure(path, *reason);
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";

  ignoreFileSizeSignal();
  fs::path temp;
  std::FILE* f = createTemporaryBeside(target, temp, options.privateFile);
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

  if (auto changed = swappedAway(target); changed) {
    fs::remove(temp, ec);
    return failure(path, *changed);
  }
  fs::rename(temp, target, ec);
  if (ec) {
    const std::string reason = ec.message();
    fs::remove(temp, ec);
    return failure(path, reason);
  }
  syncFolder(dir);
  return {};
}

} // namespace

Status writeFileSafely(const std::string& path, std::span<const Byte> bytes,
                       const WriteOptions& options) {
  // Opening without creating, and without waiting for a pipe's reader, tells
  // what the name holds; the descriptor is then written or let go.
  int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int err = errno;
    if (err == ENOENT) return replaceRegularFile(path, bytes, options);
    if (err == ELOOP) return failure(path, "it is a symbolic link that leads in a loop");
    // What stands there says more than the error: a pipe nobody reads from
    // yet and a socket both give ENXIO.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return failure(path, std::strerror(err));
    if (S_ISSOCK(st.st_mode)) return writeToSocket(path, bytes);
    if (S_ISDIR(st.st_mode) || S_ISBLK(st.st_mode)) return failure(path, kindRefusal(st.st_mode));
    if (!S_ISFIFO(st.st_mode) || err != ENXIO) return failure(path, std::strerror(err));
    if (!options.waitForReader) return failure(path, "it is a pipe that no program reads from");
    fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return failure(path, std::strerror(errno));
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    return failure(path, std::strerror(err));
  }
  if (S_ISREG(st.st_mode)) {
    ::close(fd);
    return replaceRegularFile(path, bytes, options);
  }
  if (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode) || S_ISSOCK(st.st_mode)) {
    // A stream or a device takes the bytes as they come; replacing it would
    // leave its reader with nothing and a plain file in its place.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    Status w = writeAllTo(fd, bytes, path);
    if (::close(fd) != 0 && w && errno != EINTR) return failure(path, std::strerror(errno));
    return w;
  }
  ::close(fd);
  return failure(path, kindRefusal(st.st_mode));
}

Status writeStandardOutput(std::span<const Byte> bytes) {
  std::fflush(stdout);
  return writeAllTo(STDOUT_FILENO, bytes, std::string());
}

#endif

} // namespace zephlo
