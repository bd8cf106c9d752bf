// The game's mission lists "Missions\Mission.lst" (campaign) and
// "Melee\Mission.lst": the bookkeeping of the list editor and the reading of
// the load-by-list window. A list is held as its lines.
#pragma once

#include "core/lists/game_paths.h"
#include "core/mission/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zephlo {

using ListLines = std::vector<std::string>;

// True when the text is not empty and holds only the digits 0-9.
bool isDigits(std::string_view text);
// The decimal value of the text, 0 when it is not a number (or too large for one).
int textToNumber(std::string_view text);

// The next free mission number: one past the largest campaign number line,
// or past the largest melee number when the melee list already uses the
// campaign's largest and goes higher. 1 for empty lists.
int nextMissionNumber(const ListLines& campaign, const ListLines& melee);
// One past the largest battle number of the campaign's battle headers; 1
// when there are none.
int nextBattleNumber(const ListLines& campaign);

std::string defaultMissionDescription(int number); // "My mission 7"
std::string defaultBattleName(int number);         // "Battle 3: "

// Inserts the number line, "* " + file and the description line in front of
// the last line. Refuses an empty description.
Status addMissionEntry(ListLines& campaign, int number, const std::string& missionFile,
                       const std::string& description);
// Inserts "//", the battle header line and "//" in front of the last line.
void addBattleHeader(ListLines& campaign, int battleNumber, const std::string& battleName);

// Game folder + "\Missions\Mission.lst" or "\Melee\Mission.lst", and the
// backup "Mission.~ls" beside it; an error naming the folder that is missing.
Result<std::filesystem::path> missionListPath(const std::string& gameFolder, ListFolder which);
std::filesystem::path listBackupPath(const std::filesystem::path& listPath);

// Reads a list; a missing one is "Can't find <path>" and nothing is created.
Result<ListLines> readMissionList(const std::filesystem::path& path);
// Replaces the list (or its backup) safely; the old file is intact on failure.
Status writeMissionList(const std::filesystem::path& path, const ListLines& lines);

// The description the campaign list gives a mission: the line after the
// first line that contains the file name, both compared in capitals.
// Nothing when the name or the line after it is missing.
std::optional<std::string> missionDescription(const ListLines& lines, std::string_view missionFile);

// One line of the load-by-list window.
struct ListChoice {
  std::string text;      // as shown
  std::string fileEntry; // the list's file line, "----" for headers and separators
  bool bold = false;     // battle headers
  bool isMission() const;
};
std::vector<ListChoice> loadByListChoices(const ListLines& lines);
// The file name of a file line: '* a.tie' -> 'a.tie'.
std::string entryFileName(const std::string& fileEntry);
// The mission a choice opens, inside the list's folder; nothing for a line
// that is no mission, an error "<path> does not exist!" for a missing file.
Result<std::optional<std::filesystem::path>>
missionForChoice(const std::string& gameFolder, ListFolder which, const ListChoice& choice);

} // namespace zephlo
