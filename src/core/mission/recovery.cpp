#include "core/mission/recovery.h"

#include "core/mission/input_file.h"
#include "core/mission/reader.h"
#include "core/mission/safe_write.h"
#include "core/mission/utf8_path.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <map>

#if defined(_WIN32)
#include <windows.h>
#else
#include <csignal>
#endif

namespace fs = std::filesystem;

namespace zephlo {

namespace {

// Info and lock files are small; anything larger was not written by us.
constexpr SizeLimit kSmallFile{1 << 16, "a recovery file may"};
constexpr SizeLimit kVoiceFile{1 << 20, "a recovered voice list may"};

// Values are kept on one line each: control bytes and "%" are escaped.
std::string escape(const std::string& s) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) {
    if (c < 0x20 || c == 0x7F || c == '%') {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::optional<std::string> unescape(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '%') {
      out += s[i];
      continue;
    }
    unsigned v = 0;
    if (i + 2 >= s.size()) return std::nullopt;
    const auto [p, ec] = std::from_chars(s.data() + i + 1, s.data() + i + 3, v, 16);
    if (ec != std::errc() || p != s.data() + i + 3) return std::nullopt;
    out += static_cast<char>(v);
    i += 2;
  }
  return out;
}

template <class T> bool number(const std::string& s, T& v) {
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return ec == std::errc() && p == s.data() + s.size();
}

std::span<const Byte> bytesOf(const std::string& s) {
  return {reinterpret_cast<const Byte*>(s.data()), s.size()};
}

std::optional<std::string> readSmall(const fs::path& p, const SizeLimit& limit) {
  const Result<std::vector<Byte>> r = readWholeInput(utf8FromPath(p), limit);
  if (!r) return std::nullopt;
  return std::string(r->begin(), r->end());
}

Error damaged(const std::string& what) {
  return makeError(ErrorKind::Damaged, "The recovery information is damaged: " + what + ".");
}

} // namespace

std::string recoveryInfoText(const RecoveryInfo& i) {
  std::string t = "zephlo-recovery=1\n";
  t += "path=" + escape(i.missionPath) + "\n";
  t += "saved=" + std::to_string(i.savedAt) + "\n";
  if (i.fileStamp)
    t += "stamp=" + std::to_string(i.fileStamp->size) + "," +
         std::to_string(i.fileStamp->modified) + "," + std::to_string(i.fileStamp->hash) + "\n";
  t += "voicelist=" + escape(i.voiceListPath) + "\n";
  t += std::string("voices=") + (i.voicesSaved ? "1" : "0") + "\n";
  return t;
}

Result<RecoveryInfo> parseRecoveryInfo(const std::string& text) {
  std::map<std::string, std::string> values;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(at, end - at);
    at = end + 1;
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) return damaged("a line without a value");
    values[line.substr(0, eq)] = line.substr(eq + 1);
  }
  if (values["zephlo-recovery"] != "1") return damaged("it is of an unknown kind");
  RecoveryInfo i;
  const auto path = unescape(values["path"]);
  const auto voices = unescape(values.count("voicelist") ? values["voicelist"] : "none");
  if (!path || !voices) return damaged("a name is garbled");
  i.missionPath = *path;
  i.voiceListPath = *voices;
  if (!number(values["saved"], i.savedAt)) return damaged("the time is not a number");
  i.voicesSaved = values["voices"] == "1";
  if (values.count("stamp")) {
    const std::string& s = values["stamp"];
    const std::size_t a = s.find(','), b = s.find(',', a + 1);
    FileStamp st;
    if (a == std::string::npos || b == std::string::npos || !number(s.substr(0, a), st.size) ||
        !number(s.substr(a + 1, b - a - 1), st.modified) || !number(s.substr(b + 1), st.hash))
      return damaged("the file's stamp is garbled");
    i.fileStamp = st;
  }
  return i;
}

bool processAlive(std::int64_t pid) {
  if (pid <= 0) return false;
#if defined(_WIN32)
  HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
  if (!h) return GetLastError() == ERROR_ACCESS_DENIED;
  const bool running = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
  CloseHandle(h);
  return running;
#else
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

RecoveryFolder::RecoveryFolder(fs::path folder, std::string id, std::int64_t pid)
    : folder_(std::move(folder)), id_(std::move(id)), pid_(pid) {}

fs::path RecoveryFolder::file(const std::string& id, const char* ext) const {
  return folder_ / (id + ext);
}

Status RecoveryFolder::claim() {
  std::error_code ec;
  fs::create_directories(folder_, ec);
  if (ec)
    return makeError(ErrorKind::WriteFailed,
                     "Cannot make the recovery folder " + utf8FromPath(folder_) + ": " + ec.message() + ".");
  // The copies hold unsaved work: nobody else's business.
  fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::replace, ec);
  const std::string pid = std::to_string(pid_) + "\n";
  return writeFileSafely(utf8FromPath(file(id_, ".lock")), bytesOf(pid),
                         WriteOptions{.privateFile = true});
}

Status RecoveryFolder::write(std::span<const Byte> mission, const RecoveryInfo& info,
                             const std::vector<std::string>* voices) {
  const WriteOptions priv{.privateFile = true};
  if (Status s = writeFileSafely(utf8FromPath(file(id_, ".tie")), mission, priv); !s) return s;
  RecoveryInfo written = info;
  written.voicesSaved = voices != nullptr;
  if (voices) {
    std::string lines;
    for (const std::string& v : *voices)
      lines += escape(v) + "\n";
    if (Status s = writeFileSafely(utf8FromPath(file(id_, ".lst")), bytesOf(lines), priv); !s) return s;
  } else {
    std::error_code ec;
    fs::remove(file(id_, ".lst"), ec);
  }
  // The info file last: a copy is complete once it is there.
  return writeFileSafely(utf8FromPath(file(id_, ".info")), bytesOf(recoveryInfoText(written)), priv);
}

void RecoveryFolder::removeOwn() { discard(id_); }

void RecoveryFolder::release() {
  removeOwn();
  std::error_code ec;
  fs::remove(file(id_, ".lock"), ec);
}

void RecoveryFolder::discard(const std::string& id) const {
  std::error_code ec;
  // The info file first, so a half-removed copy is never offered.
  for (const char* ext : {".info", ".tie", ".lst"})
    fs::remove(file(id, ext), ec);
  if (id != id_) fs::remove(file(id, ".lock"), ec);
}

std::vector<RecoveryCopy>
RecoveryFolder::orphans(const std::function<bool(std::int64_t)>& alive) const {
  std::vector<RecoveryCopy> out;
  std::error_code ec;
  for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& p = it->path();
    if (p.extension() != ".info" || !it->is_regular_file(ec)) continue;
    const std::string id = utf8FromPath(p.stem());
    if (id == id_) continue;
    if (const auto lock = readSmall(file(id, ".lock"), kSmallFile)) {
      std::int64_t pid = 0;
      std::string digits = *lock;
      while (!digits.empty() && (digits.back() == '\n' || digits.back() == '\r'))
        digits.pop_back();
      if (number(digits, pid) && alive(pid)) continue; // its editor still runs
    }
    const auto text = readSmall(p, kSmallFile);
    if (!text) continue;
    Result<RecoveryInfo> info = parseRecoveryInfo(*text);
    if (!info) continue;
    out.push_back({id, std::move(*info)});
  }
  std::sort(out.begin(), out.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
    return a.info.savedAt < b.info.savedAt;
  });
  return out;
}

Result<RecoveredWork> RecoveryFolder::load(const std::string& id) const {
  const auto text = readSmall(file(id, ".info"), kSmallFile);
  if (!text) return damaged("its information file cannot be read");
  Result<RecoveryInfo> info = parseRecoveryInfo(*text);
  if (!info) return info.error();
  Result<std::vector<Byte>> mission = readWholeInput(utf8FromPath(file(id, ".tie")), missionSizeLimit());
  if (!mission) return mission.error();
  RecoveredWork w;
  w.mission = std::move(*mission);
  if (info->voicesSaved) {
    const auto lines = readSmall(file(id, ".lst"), kVoiceFile);
    if (!lines) return damaged("its voice list cannot be read");
    std::vector<std::string> voices;
    std::size_t at = 0;
    while (at < lines->size()) {
      const std::size_t end = lines->find('\n', at);
      const auto v = unescape(lines->substr(at, end - at));
      if (!v) return damaged("its voice list is garbled");
      voices.push_back(*v);
      if (end == std::string::npos) break;
      at = end + 1;
    }
    w.voices = std::move(voices);
  }
  return w;
}

} // namespace zephlo
