// Paths inside the game's install folder. A game installed under Wine keeps
// the capitals of its original install ("Wave\MissionVoice" may be
// "WAVE/missionvoice" on disk), so names are matched without regard to case.
#pragma once

#include "core/mission/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zephlo {

// Folder below the game folder that holds a mission list and its missions.
enum class ListFolder { Missions, Melee };

// base joined with a relative path written the game's way ("Wave\MissionVoice\a.lst";
// backslashes and slashes both separate). Each component that does not exist
// as written is replaced by the entry of its folder whose name differs only
// in case; from the first component that cannot be found on, the rest is kept
// as written, so the result also names files still to be created.
std::filesystem::path resolveInFolder(const std::filesystem::path& base, std::string_view relative);

// A path written in full ("C:\GAMES\XWA\WAVE\A.WAV" or "/home/x/a.wav") resolved
// component by component the same way; relative paths are taken from the
// working folder.
std::filesystem::path resolvePath(std::string_view path);

// The game folder as a usable folder: an error naming it when it is not set,
// does not exist or is not a folder.
Result<std::filesystem::path> checkedGameFolder(const std::string& gameFolder);

// The "Missions" or "Melee" folder of the game folder; an error naming the
// path when either folder is missing.
Result<std::filesystem::path> listFolder(const std::string& gameFolder, ListFolder which);

// ASCII capitals, as the game's own names are compared; other bytes are kept.
std::string upperAscii(std::string_view s);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// The last component of a path written with either kind of separator.
std::string fileNameOf(std::string_view path);

} // namespace zephlo
