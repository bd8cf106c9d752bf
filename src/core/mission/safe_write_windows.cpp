// The safe save on Windows: the same promises as on POSIX systems, kept
// with the calls Windows has for them.
#include "core/mission/safe_write.h"

#include "core/mission/safe_write_detail.h"
#include "core/mission/utf8_path.h"
#include "core/mission/win32.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>

#include <fcntl.h>
#include <io.h>

namespace zephlo {

namespace {

using detail::saveFailure;

// A handle closed when it goes out of scope, unless closed before.
class Handle {
public:
  explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
  ~Handle() { close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return h_; }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  bool close() {
    if (!valid()) return true;
    const bool ok = ::CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return ok;
  }
  void reset(HANDLE h) {
    close();
    h_ = h;
  }

private:
  HANDLE h_;
};

Error systemFailure(const std::string& path, DWORD err) {
  return saveFailure(path, windowsErrorText(err));
}

// Every byte through h, in pieces a DWORD can count.
bool writeAll(HANDLE h, std::span<const Byte> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD n = 0;
    if (!::WriteFile(h, bytes.data() + done, piece, &n, nullptr)) return false;
    if (n == 0) {
      ::SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    done += n;
  }
  return true;
}

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// "\\.\pipe\x", "\\.\COM3", "\\.\PhysicalDrive0": opening one of these only
// to look at it could use up a pipe's one connection.
bool inDeviceNamespace(const std::wstring& w) {
  return w.size() >= 4 && isSeparator(w[0]) && isSeparator(w[1]) && w[2] == L'.' &&
         isSeparator(w[3]);
}

// A device (NUL, CON, COM1) or a pipe takes the bytes as they come; there is
// nothing to replace.
Status writeDirectly(const std::string& path, const std::wstring& w, std::span<const Byte> bytes) {
  Handle h(::CreateFileW(w.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr));
  if (!h.valid()) return systemFailure(path, ::GetLastError());
  if (::GetFileType(h.get()) == FILE_TYPE_DISK)
    return saveFailure(path, "it is a disk or a volume, not a file");
  if (!writeAll(h.get(), bytes)) return systemFailure(path, ::GetLastError());
  if (!h.close()) return systemFailure(path, ::GetLastError());
  return {};
}

// Where the opened file really is, through links and junctions; the save
// replaces that file and leaves the link a link.
std::wstring finalPath(HANDLE h, const std::wstring& fallback) {
  std::wstring buf(MAX_PATH, L'\0');
  for (int tries = 0; tries < 2; ++tries) {
    const DWORD n = ::GetFinalPathNameByHandleW(h, buf.data(), static_cast<DWORD>(buf.size()),
                                                FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (n == 0) return fallback;
    if (n < buf.size()) {
      buf.resize(n);
      return buf;
    }
    buf.resize(n);
  }
  return fallback;
}

// A new file beside target (whose folder part, with its separator, is dir)
// that nothing else has opened.
HANDLE createTemporary(const std::wstring& dir, const std::string& name, std::wstring& temp) {
  std::random_device rd;
  std::mt19937 rng(rd());
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = dir + wideFromUtf8(detail::temporaryName(name, static_cast<std::uint32_t>(rng())));
    HANDLE h = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) return h;
    const DWORD err = ::GetLastError();
    if (err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS) break;
  }
  return INVALID_HANDLE_VALUE;
}

Status moveIntoPlace(const std::string& path, const std::wstring& temp,
                     const std::wstring& target) {
  if (::MoveFileExW(temp.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return {};
  const DWORD err = ::GetLastError();
  ::DeleteFileW(temp.c_str());
  return systemFailure(path, err);
}

// The attributes a designer may have given the old file, which the new one
// keeps whether or not the file system's ReplaceFileW carries them over.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The new bytes go to a temporary file beside target, reach the disk, and
// only then take target's name. The old file (whose attributes are given
// when there is one) is set aside under a name of its own while ReplaceFileW
// swaps them, so a failure at any step leaves it whole under its own name.
Status replaceFile(const std::string& path, const std::wstring& target,
                   std::optional<DWORD> oldAttributes, std::span<const Byte> bytes) {
  const std::size_t cut = target.find_last_of(L"\\/:");
  const std::wstring dir = cut == std::wstring::npos ? std::wstring() : target.substr(0, cut + 1);
  const std::string name =
      utf8FromWide(cut == std::wstring::npos ? target : target.substr(cut + 1));

  std::wstring temp;
  Handle out(createTemporary(dir, name, temp));
  if (!out.valid()) return systemFailure(path, ::GetLastError());
  if (!writeAll(out.get(), bytes) || !::FlushFileBuffers(out.get())) {
    const DWORD err = ::GetLastError();
    out.close();
    ::DeleteFileW(temp.c_str());
    return systemFailure(path, err);
  }
  if (!out.close()) {
    const DWORD err = ::GetLastError();
    ::DeleteFileW(temp.c_str());
    return systemFailure(path, err);
  }
  if (!oldAttributes) return moveIntoPlace(path, temp, target);
  if (*oldAttributes & kKeptAttributes)
    ::SetFileAttributesW(temp.c_str(), *oldAttributes & kKeptAttributes);

  std::random_device rd;
  const std::wstring old = dir + wideFromUtf8(detail::temporaryName(name, rd()));
  if (::ReplaceFileW(target.c_str(), temp.c_str(), old.c_str(),
                     REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                     nullptr)) {
    ::DeleteFileW(old.c_str());
    return {};
  }
  const DWORD err = ::GetLastError();
  // Removed while the new file was written: the new one simply takes the name.
  if (err == ERROR_FILE_NOT_FOUND) return moveIntoPlace(path, temp, target);
  // The old file got as far as its set-aside name: it goes back.
  if (err == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) ::MoveFileExW(old.c_str(), target.c_str(), 0);
  ::DeleteFileW(temp.c_str());
  return systemFailure(path, err);
}

} // namespace

Status writeFileSafely(const std::string& path, std::span<const Byte> bytes, const WriteOptions&) {
  const std::wstring w = wideFromUtf8(path);
  if (w.empty()) return systemFailure(path, ERROR_INVALID_NAME);
  if (inDeviceNamespace(w)) return writeDirectly(path, w, bytes);
  // A look without access rights tells what the name stands for; backup
  // semantics let it open a folder too.
  Handle look(::CreateFileW(w.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!look.valid()) {
    const DWORD err = ::GetLastError();
    // A missing folder on the way is reported when the temporary file
    // cannot be created in it.
    if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND)
      return replaceFile(path, w, std::nullopt, bytes);
    return systemFailure(path, err);
  }
  switch (::GetFileType(look.get())) {
  case FILE_TYPE_DISK: break;
  case FILE_TYPE_CHAR:
  case FILE_TYPE_PIPE: look.close(); return writeDirectly(path, w, bytes);
  default: return saveFailure(path, "it is not a regular file");
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(look.get(), &info))
    return systemFailure(path, ::GetLastError());
  if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return saveFailure(path, "it is a folder");
  // A file marked read-only is not replaced, though the folder would allow it.
  if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
    return saveFailure(path, std::strerror(EACCES));
  const std::wstring target = finalPath(look.get(), w);
  look.close();
  return replaceFile(path, target, info.dwFileAttributes, bytes);
}

Status writeStandardOutput(std::span<const Byte> bytes) {
  std::fflush(stdout);
  // In text mode every LF byte would gain a CR.
  _setmode(_fileno(stdout), _O_BINARY);
  const bool ok =
      bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
  if (!ok || std::fflush(stdout) != 0)
    return makeError(ErrorKind::WriteFailed,
                     std::string("Cannot write to standard output: ") + std::strerror(errno) + ".");
  return {};
}

} // namespace zephlo
