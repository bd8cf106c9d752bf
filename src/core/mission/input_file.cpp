#include "core/mission/input_file.h"

#include "core/mission/utf8_path.h"
#include "core/mission/win32.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zephlo {

namespace {

Error unreadable(const std::string& path, const std::string& reason) {
  return makeError(ErrorKind::Unreadable, "Cannot read " + path + ": " + reason + ".");
}

Error tooLarge(const std::string& name, std::uintmax_t holds, const SizeLimit& limit) {
  return makeError(ErrorKind::TooLarge, "Cannot read " + name + ": it holds " +
                                            std::to_string(holds) + " bytes, more than " +
                                            limit.what + " (" + std::to_string(limit.bytes) + ").");
}

Result<std::vector<Byte>> readStandardInput(const SizeLimit& limit, const EarlyCheck& early) {
  const std::string name = inputName("-");
#if defined(_WIN32)
  // In text mode every CR LF would lose its CR and a 0x1A end the file.
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  std::vector<Byte> bytes;
  Byte chunk[65536];
  for (;;) {
    const std::size_t n = std::fread(chunk, 1, sizeof chunk, stdin);
    if (bytes.size() + n > limit.bytes)
      return makeError(ErrorKind::TooLarge, "Cannot read " + name + ": it holds more than " +
                                                limit.what + " (" + std::to_string(limit.bytes) +
                                                " bytes).");
    bytes.insert(bytes.end(), chunk, chunk + n);
    if (early && bytes.size() == n) {
      if (std::optional<Error> refused = early(bytes)) return *refused;
    }
    if (n < sizeof chunk) break;
  }
  if (std::ferror(stdin)) return unreadable(name, std::strerror(errno));
  return bytes;
}

} // namespace

#if defined(_WIN32)

Result<FileHandle> openRegularFile(const std::string& path, const SizeLimit& limit,
                                   std::size_t& size) {
  // Backup semantics open folders too, so the refusal can say what it is.
  HANDLE h = ::CreateFileW(wideFromUtf8(path).c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD err = ::GetLastError();
    if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND)
      return makeError(ErrorKind::Missing, path + " does not exist.");
    return unreadable(path, windowsErrorText(err));
  }
  // The kind comes from the open handle: NUL, CON, COM1 and pipes are not
  // files, and a console would wait for typing.
  BY_HANDLE_FILE_INFORMATION info{};
  const bool disk = ::GetFileType(h) == FILE_TYPE_DISK;
  if (!disk || !::GetFileInformationByHandle(h, &info)) {
    ::CloseHandle(h);
    return unreadable(path, "it is not a regular file");
  }
  if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    ::CloseHandle(h);
    return unreadable(path, "it is a folder");
  }
  const std::uintmax_t bytes =
      (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  if (bytes > limit.bytes) {
    ::CloseHandle(h);
    return tooLarge(path, bytes, limit);
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_RDONLY | _O_BINARY);
  if (fd < 0) {
    ::CloseHandle(h);
    return unreadable(path, std::strerror(errno));
  }
  FileHandle f(_fdopen(fd, "rb"));
  if (!f) {
    const int err = errno;
    _close(fd);
    return unreadable(path, std::strerror(err));
  }
  size = static_cast<std::size_t>(bytes);
  return f;
}

#else

Result<FileHandle> openRegularFile(const std::string& path, const SizeLimit& limit,
                                   std::size_t& size) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec); // follows links
  if (st.type() == fs::file_type::not_found)
    return makeError(ErrorKind::Missing, path + " does not exist.");
  if (ec) return unreadable(path, ec.message());
  if (st.type() == fs::file_type::directory) return unreadable(path, "it is a folder");
  if (st.type() != fs::file_type::regular) return unreadable(path, "it is not a regular file");
  const std::uintmax_t bytes = fs::file_size(path, ec);
  if (ec) return unreadable(path, ec.message());
  if (bytes > limit.bytes) return tooLarge(path, bytes, limit);
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return unreadable(path, std::strerror(errno));
  struct stat fst {};
  if (::fstat(fd, &fst) != 0 || !S_ISREG(fst.st_mode)) {
    ::close(fd);
    return unreadable(path, "it is not a regular file");
  }
  if (static_cast<std::uintmax_t>(fst.st_size) > limit.bytes) {
    ::close(fd);
    return tooLarge(path, static_cast<std::uintmax_t>(fst.st_size), limit);
  }
  FileHandle f(::fdopen(fd, "rb"));
  if (!f) {
    const int err = errno;
    ::close(fd);
    return unreadable(path, std::strerror(err));
  }
  size = static_cast<std::size_t>(bytes);
  return f;
}

#endif

std::string inputName(const std::string& path) {
  return path == "-" ? std::string("standard input") : path;
}

Result<std::vector<Byte>> readWholeInput(const std::string& path, const SizeLimit& limit,
                                         const EarlyCheck& early) {
  if (path == "-") return readStandardInput(limit, early);
  std::size_t size = 0;
  Result<FileHandle> f = openRegularFile(path, limit, size);
  if (!f) return f.error();
  std::vector<Byte> bytes(size);
  const std::size_t n = size == 0 ? 0 : std::fread(bytes.data(), 1, size, f->get());
  if (std::ferror(f->get())) return unreadable(path, std::strerror(errno));
  // A file that shrank meanwhile gives what it holds; one that grew, what it held.
  bytes.resize(n);
  return bytes;
}

} // namespace zephlo
