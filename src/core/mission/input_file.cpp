#include "core/mission/input_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#if !defined(_WIN32)
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
#if defined(_WIN32)
  FileHandle f(std::fopen(path.c_str(), "rb"));
  if (!f) return unreadable(path, std::strerror(errno));
#else
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
#endif
  size = static_cast<std::size_t>(bytes);
  return f;
}

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
