#include "core/lists/text_lines.h"

#include "core/mission/input_file.h"

#include "core/mission/safe_write.h"
#include "core/mission/utf8_path.h"
#include "core/mission/writer.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <span>
#include <system_error>

namespace fs = std::filesystem;

namespace zephlo {

namespace {

// Nothing the game reads comes near this; a larger file is not a list.
constexpr std::uintmax_t kMaxListFile = 16u << 20;

} // namespace

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    out.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) out.emplace_back(text.substr(start));
  return out;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

Result<std::vector<std::string>> readLinesFile(const fs::path& path,
                                               const std::string& missingMessage) {
  std::error_code ec;
  const auto status = fs::status(path, ec);
  if (!fs::exists(status)) {
    return makeError(ErrorKind::Missing, missingMessage.empty()
                                             ? utf8FromPath(path) + " does not exist."
                                             : missingMessage);
  }
  // Read only as a regular file of a list's size, checked on the open file,
  // so a FIFO or a device never blocks the editor.
  const Result<std::vector<Byte>> bytes =
      readWholeInput(utf8FromPath(path), SizeLimit{kMaxListFile, "a list file may"});
  if (!bytes) return bytes.error();
  const std::string text(bytes->begin(), bytes->end());
  return splitLines(text);
}

Status writeLinesFile(const fs::path& path, const std::vector<std::string>& lines) {
  const std::string text = joinLines(lines);
  const auto* bytes = reinterpret_cast<const Byte*>(text.data());
  return writeFileSafely(utf8FromPath(path), std::span<const Byte>(bytes, text.size()));
}

} // namespace zephlo
