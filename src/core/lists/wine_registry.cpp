#include "core/lists/wine_registry.h"

#include "core/lists/game_paths.h"
#include "core/mission/bytes.h"
#include "core/mission/input_file.h"
#include "core/mission/utf8_path.h"

#include <cstdint>
#include <system_error>

namespace fs = std::filesystem;

namespace zephlo {

namespace {

constexpr std::string_view kGameKey =
    "Software\\LucasArts Entertainment Company LLC\\X-Wing Alliance\\V1.0";
constexpr std::string_view kGameKey32 =
    "Software\\Wow6432Node\\LucasArts Entertainment Company LLC\\X-Wing Alliance\\V1.0";
constexpr std::string_view kValueName = "Install Path";
// A busy prefix's registry runs to tens of megabytes; more is not one.
constexpr std::size_t kMaxRegistryFile = 256u << 20;

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void appendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Reads text up to the unescaped character end, starting at pos, undoing the
// escapes Wine writes into its registry files ("\\", "\"", "\n", "\xHHHH",
// the last a UTF-16 unit). Leaves pos after end; false when the line ends first.
bool readEscaped(std::string_view line, std::size_t& pos, char end, std::string& out) {
  out.clear();
  std::uint32_t highSurrogate = 0;
  while (pos < line.size()) {
    const char c = line[pos++];
    if (c == end) return true;
    if (c != '\\' || pos >= line.size()) {
      out += c;
      continue;
    }
    const char e = line[pos++];
    if (e == 'x') {
      std::uint32_t code = 0;
      int digits = 0;
      while (digits < 4 && pos < line.size() && hexValue(line[pos]) >= 0) {
        code = code * 16 + static_cast<std::uint32_t>(hexValue(line[pos++]));
        ++digits;
      }
      if (digits == 0) {
        out += e;
      } else if (code >= 0xD800 && code < 0xDC00) {
        highSurrogate = code;
      } else if (code >= 0xDC00 && code < 0xE000 && highSurrogate != 0) {
        appendUtf8(out, 0x10000 + ((highSurrogate - 0xD800) << 10) + (code - 0xDC00));
        highSurrogate = 0;
      } else {
        appendUtf8(out, code);
      }
      continue;
    }
    out += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
  }
  return false;
}

// The key of a section line "[Key\\Name] 1234567890", or nothing.
std::optional<std::string> sectionName(std::string_view line) {
  if (line.empty() || line[0] != '[') return std::nullopt;
  std::size_t pos = 1;
  std::string name;
  if (!readEscaped(line, pos, ']', name)) return std::nullopt;
  return name;
}

// The string value of a line '"Install Path"="C:\\Games\\XWA"'.
std::optional<std::string> installPathValue(std::string_view line) {
  if (line.empty() || line[0] != '"') return std::nullopt;
  std::size_t pos = 1;
  std::string name;
  if (!readEscaped(line, pos, '"', name) || !equalsIgnoreCase(name, kValueName))
    return std::nullopt;
  if (pos >= line.size() || line[pos] != '=') return std::nullopt;
  ++pos;
  // Expandable strings are written as str(2):"...".
  if (line.substr(pos).starts_with("str(")) {
    const std::size_t colon = line.find("):", pos);
    if (colon == std::string_view::npos) return std::nullopt;
    pos = colon + 2;
  }
  if (pos >= line.size() || line[pos] != '"') return std::nullopt;
  ++pos;
  std::string value;
  if (!readEscaped(line, pos, '"', value) || value.empty()) return std::nullopt;
  return value;
}

} // namespace

std::optional<std::string> installPathInRegistryText(std::string_view text) {
  std::optional<std::string> plain;
  std::optional<std::string> wow;
  std::optional<std::string>* target = nullptr;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string line = trimmed(text.substr(start, end - start));
    start = end + 1;
    if (!line.empty() && line[0] == '[') {
      const std::optional<std::string> key = sectionName(line);
      target = nullptr;
      if (key && equalsIgnoreCase(*key, kGameKey)) target = &plain;
      if (key && equalsIgnoreCase(*key, kGameKey32)) target = &wow;
      continue;
    }
    if (target && !*target) *target = installPathValue(line);
  }
  return plain ? plain : wow;
}

std::optional<fs::path> folderInPrefix(const fs::path& prefix, std::string_view windowsPath) {
  if (windowsPath.size() < 2 || windowsPath[1] != ':') return std::nullopt;
  const char letter = windowsPath[0];
  if (!((letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z'))) return std::nullopt;
  const char drive = static_cast<char>(letter | 0x20);
  fs::path root;
  std::error_code ec;
  if (drive == 'c') {
    root = prefix / "drive_c";
  } else {
    root = prefix / "dosdevices" / (std::string(1, drive) + ":");
    if (!fs::exists(root, ec)) return std::nullopt;
  }
  return resolveInFolder(root, windowsPath.substr(2));
}

Result<std::optional<std::string>> readInstallPath(const fs::path& prefix) {
  const std::string file = utf8FromPath(prefix / "system.reg");
  Result<std::vector<Byte>> bytes =
      readWholeInput(file, {kMaxRegistryFile, "any Wine registry holds"});
  if (!bytes) return bytes.error();
  const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  return installPathInRegistryText(text);
}

} // namespace zephlo
