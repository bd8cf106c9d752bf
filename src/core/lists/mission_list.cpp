#include "core/lists/mission_list.h"

#include "core/lists/text_lines.h"
#include "core/mission/utf8_path.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <system_error>

namespace fs = std::filesystem;

namespace zephlo {

namespace {

constexpr const char* kNoMission = "----";

// The list's last line (its closing line) stays last.
void insertBeforeLast(ListLines& lines, const ListLines& added) {
  const auto at = lines.empty() ? lines.end() : lines.end() - 1;
  lines.insert(at, added.begin(), added.end());
}

// The largest number line of a list, if it has any.
std::optional<int> largestNumber(const ListLines& lines) {
  std::optional<int> best;
  for (const std::string& l : lines) {
    if (isDigits(l)) best = std::max(best.value_or(0), textToNumber(l));
  }
  return best;
}

bool hasNumber(const ListLines& lines, int n) {
  return std::any_of(lines.begin(), lines.end(),
                     [n](const std::string& l) { return isDigits(l) && textToNumber(l) == n; });
}

int oneMore(int n) { return n < INT_MAX ? n + 1 : n; }

// The text after the first occurrence of marker, or the whole text without it.
std::string afterMarker(const std::string& text, std::string_view marker) {
  const auto at = text.find(marker);
  return at == std::string::npos ? text : text.substr(at + marker.size());
}

} // namespace

bool isDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int textToNumber(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

int nextMissionNumber(const ListLines& campaign, const ListLines& melee) {
  int largest = largestNumber(campaign).value_or(0);
  const auto meleeLargest = largestNumber(melee);
  if (meleeLargest && *meleeLargest > largest && hasNumber(melee, largest)) largest = *meleeLargest;
  return oneMore(largest);
}

int nextBattleNumber(const ListLines& campaign) {
  int largest = 0;
  for (const std::string& l : campaign) {
    if (l.find("BATTLE_") == std::string::npos) continue;
    const auto start = l.find('_') + 1;
    auto end = start;
    while (end < l.size() && l[end] >= '0' && l[end] <= '9')
      ++end;
    largest = std::max(largest, textToNumber(std::string_view(l).substr(start, end - start)));
  }
  return oneMore(largest);
}

std::optional<std::string> missionDescription(const ListLines& lines,
                                              std::string_view missionFile) {
  const std::string name = upperAscii(missionFile);
  if (name.empty()) return std::nullopt;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (upperAscii(lines[i]).find(name) != std::string::npos) return lines[i + 1];
  }
  return std::nullopt;
}

std::string defaultMissionDescription(int number) { return "My mission " + std::to_string(number); }

std::string defaultBattleName(int number) { return "Battle " + std::to_string(number) + ": "; }

Status addMissionEntry(ListLines& campaign, int number, const std::string& missionFile,
                       const std::string& description) {
  if (description.empty())
    return makeError(ErrorKind::BadInput,
                     "You must write a description in the Mission Description box");
  const std::string n = std::to_string(number);
  insertBeforeLast(campaign, {n, "* " + missionFile, "!MISSION_" + n + "_DESC!" + description});
  return {};
}

void addBattleHeader(ListLines& campaign, int battleNumber, const std::string& battleName) {
  insertBeforeLast(
      campaign,
      {"//", "!BATTLE_" + std::to_string(battleNumber) + "_HEADER![" + battleName + "]", "//"});
}

Result<fs::path> missionListPath(const std::string& gameFolder, ListFolder which) {
  auto folder = listFolder(gameFolder, which);
  if (!folder) return folder.error();
  return resolveInFolder(*folder, "Mission.lst");
}

fs::path listBackupPath(const fs::path& listPath) {
  fs::path p = listPath;
  return p.replace_filename("Mission.~ls");
}

Result<ListLines> readMissionList(const fs::path& path) {
  return readLinesFile(path, "Can't find " + utf8FromPath(path));
}

Status writeMissionList(const fs::path& path, const ListLines& lines) {
  return writeLinesFile(path, lines);
}

bool ListChoice::isMission() const { return fileEntry != kNoMission; }

std::vector<ListChoice> loadByListChoices(const ListLines& lines) {
  std::vector<ListChoice> out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::string upper = upperAscii(line);
    if (upper.find("//") != std::string::npos) {
      out.push_back({"", kNoMission, false});
    } else if (upper.find('[') != std::string::npos && upper.find(']') != std::string::npos) {
      out.push_back({afterMarker(line, "HEADER!"), kNoMission, true});
    } else if (upper.find(".TIE") != std::string::npos) {
      const std::string text = i + 1 < lines.size() ? afterMarker(lines[i + 1], "DESC!") : "";
      out.push_back({text, line, text.find('[') != std::string::npos});
    }
  }
  if (!out.empty() && out.front().text.empty()) out.erase(out.begin());
  return out;
}

std::string entryFileName(const std::string& fileEntry) {
  const auto blank = fileEntry.rfind(' ');
  return blank == std::string::npos ? fileEntry : fileEntry.substr(blank + 1);
}

Result<std::optional<fs::path>> missionForChoice(const std::string& gameFolder, ListFolder which,
                                                 const ListChoice& choice) {
  if (!choice.isMission()) return std::optional<fs::path>();
  auto folder = listFolder(gameFolder, which);
  if (!folder) return folder.error();
  const fs::path path = resolveInFolder(*folder, entryFileName(choice.fileEntry));
  std::error_code ec;
  if (!fs::is_regular_file(path, ec))
    return makeError(ErrorKind::Missing, utf8FromPath(path) + " does not exist!");
  return std::optional<fs::path>(path);
}

} // namespace zephlo
