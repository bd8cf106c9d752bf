// Finding the game's install folder on this machine: the Windows registry,
// Wine prefixes, Steam's libraries and Proton prefixes, and the usual install
// folders. The first folder that holds "Missions\Mission.lst" wins.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zephlo {

// Where to look, in this order.
struct SearchPlaces {
  // Install paths the Windows registry names (Windows only).
  std::vector<std::string> recordedPaths;
  // Wine prefixes: their registry and their usual install folders.
  std::vector<std::filesystem::path> winePrefixes;
  // Steam's own folders: each library listed in steamapps/libraryfolders.vdf
  // gives its install folders (steamapps/common/*) and then its Proton
  // prefixes (steamapps/compatdata/*/pfx).
  std::vector<std::filesystem::path> steamRoots;
  // Drive roots whose usual install folders are searched (Windows only).
  std::vector<std::filesystem::path> driveRoots;
};

struct GameSearch {
  // The first folder that holds Missions\Mission.lst.
  std::optional<std::filesystem::path> folder;
  // The first install folder a registry names, whatever it holds.
  std::optional<std::filesystem::path> recorded;
  // One line for each place looked at, and what was there.
  std::vector<std::string> looked;
};

// The places of this machine: on Windows the game's and Steam's registry
// entries, Steam's usual folders and the system drive; elsewhere
// $WINEPREFIX, ~/.wine and Steam's folders under the home folder (native,
// Flatpak and Snap installs).
SearchPlaces searchPlacesFromEnvironment();

// Searches places in order and stops at the first folder that holds the list.
GameSearch findGame(const SearchPlaces& places);

// Whether folder holds Missions\Mission.lst, in any capitals.
bool holdsMissionList(const std::filesystem::path& folder);

} // namespace zephlo
