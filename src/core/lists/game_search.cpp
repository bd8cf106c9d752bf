#include "core/lists/game_search.h"

#include "core/lists/game_paths.h"
#include "core/lists/steam_libraries.h"
#include "core/lists/wine_registry.h"
#include "core/mission/utf8_path.h"
#include "core/mission/win32.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace zephlo {

namespace {

constexpr std::string_view kMissionList = "Missions\\Mission.lst";
// Steam keeps a handful; a list of thousands is not Steam's.
constexpr std::size_t kMaxLibraries = 256;

// Where installers put games, below a drive root: each subfolder of these
// is looked at ("" is the root itself).
constexpr std::string_view kUsualParents[] = {
    "",
    "Games",
    "GOG Games",
    "LucasArts",
    "Program Files",
    "Program Files\\LucasArts",
    "Program Files\\GOG Galaxy\\Games",
    "Program Files\\Steam\\steamapps\\common",
    "Program Files (x86)",
    "Program Files (x86)\\LucasArts",
    "Program Files (x86)\\GOG Galaxy\\Games",
    "Program Files (x86)\\Steam\\steamapps\\common",
};

std::string shown(const fs::path& p) { return utf8FromPath(p); }

bool isFolder(const fs::path& p) {
  std::error_code ec;
  return fs::is_directory(p, ec);
}

// The subfolders of dir, sorted so the search goes the same way every time.
std::vector<fs::path> subfolders(const fs::path& dir) {
  std::vector<fs::path> out;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code kindEc;
    if (it->is_directory(kindEc)) out.push_back(it->path());
  }
  std::sort(out.begin(), out.end());
  return out;
}

// The same folder reached twice (~/.steam/steam is a link to the real one)
// is searched once.
bool firstVisit(std::vector<fs::path>& seen, const fs::path& p) {
  std::error_code ec;
  fs::path key = fs::weakly_canonical(p, ec);
  if (ec) key = p;
  if (std::find(seen.begin(), seen.end(), key) != seen.end()) return false;
  seen.push_back(key);
  return true;
}

class Search {
public:
  explicit Search(GameSearch& out) : out_(out) {}

  bool done() const { return out_.folder.has_value(); }

  void recordedPath(const std::string& path) {
    const fs::path folder = resolvePath(path);
    if (!out_.recorded) out_.recorded = folder;
    tryFolder(folder, " (named by the registry)");
  }

  void prefix(const fs::path& prefix) {
    if (!isFolder(prefix)) {
      note(shown(prefix) + ": no such folder");
      return;
    }
    const std::string reg = shown(prefix / "system.reg");
    Result<std::optional<std::string>> recorded = readInstallPath(prefix);
    if (!recorded) {
      note(recorded.error().message);
    } else if (!*recorded) {
      note(reg + ": records no install folder of the game");
    } else if (const auto folder = folderInPrefix(prefix, **recorded); !folder) {
      note(reg + ": records " + **recorded + ", on a drive the prefix does not have");
    } else {
      if (!out_.recorded) out_.recorded = *folder;
      if (tryFolder(*folder, " (named by " + reg + ")")) return;
    }
    usualFolders(resolveInFolder(prefix, "drive_c"));
  }

  void usualFolders(const fs::path& root) {
    if (!isFolder(root)) {
      note(shown(root) + ": no such folder");
      return;
    }
    for (std::string_view parent : kUsualParents) {
      const fs::path dir = parent.empty() ? root : resolveInFolder(root, parent);
      if (!isFolder(dir)) continue;
      for (const fs::path& sub : subfolders(dir)) {
        if (takeIfHolds(sub)) return;
      }
    }
    note(shown(root) + ": none of the usual install folders holds the game");
  }

  void steam(const std::vector<fs::path>& roots) {
    std::vector<fs::path> seen;
    std::vector<fs::path> libraries;
    for (const fs::path& root : roots) {
      if (!isFolder(root)) {
        note(shown(root) + ": no such folder");
        continue;
      }
      if (!firstVisit(seen, root)) continue;
      libraries.push_back(root);
      for (const std::string& listed : listedLibraries(root))
        libraries.push_back(pathFromUtf8(listed));
    }
    std::vector<fs::path> unique;
    std::vector<fs::path> seenLibraries;
    for (const fs::path& lib : libraries) {
      if (firstVisit(seenLibraries, lib)) unique.push_back(lib);
    }
    // The games Steam installed come before the prefixes Proton made.
    for (const fs::path& lib : unique) {
      installFolders(resolveInFolder(lib, "steamapps\\common"));
      if (done()) return;
    }
    for (const fs::path& lib : unique) {
      protonPrefixes(resolveInFolder(lib, "steamapps\\compatdata"));
      if (done()) return;
    }
  }

private:
  void note(std::string line) { out_.looked.push_back(std::move(line)); }

  bool takeIfHolds(const fs::path& folder) {
    if (!holdsMissionList(folder)) return false;
    note(shown(folder) + ": holds " + std::string(kMissionList));
    out_.folder = folder;
    return true;
  }

  bool tryFolder(const fs::path& folder, const std::string& how) {
    if (takeIfHolds(folder)) return true;
    note(shown(folder) + how + ": " +
         (isFolder(folder) ? "no " + std::string(kMissionList) : std::string("no such folder")));
    return false;
  }

  std::vector<std::string> listedLibraries(const fs::path& root) {
    fs::path file = resolveInFolder(root, "steamapps\\libraryfolders.vdf");
    std::error_code ec;
    if (!fs::exists(file, ec)) file = resolveInFolder(root, "config\\libraryfolders.vdf");
    if (!fs::exists(file, ec)) {
      note(shown(root) + ": no libraryfolders.vdf");
      return {};
    }
    Result<std::vector<std::string>> listed = readLibraryFolders(file);
    if (!listed) {
      note(listed.error().message);
      return {};
    }
    std::string line = shown(file) + ": lists " + std::to_string(listed->size()) + " libraries";
    if (listed->size() > kMaxLibraries) {
      listed->resize(kMaxLibraries);
      line += ", of which the first " + std::to_string(kMaxLibraries) + " are searched";
    }
    note(line);
    return *listed;
  }

  void installFolders(const fs::path& common) {
    if (!isFolder(common)) {
      note(shown(common) + ": no such folder");
      return;
    }
    const std::vector<fs::path> games = subfolders(common);
    for (const fs::path& game : games) {
      if (takeIfHolds(game)) return;
    }
    note(shown(common) + ": none of its " + std::to_string(games.size()) +
         " folders holds the game");
  }

  void protonPrefixes(const fs::path& compatdata) {
    if (!isFolder(compatdata)) {
      note(shown(compatdata) + ": no such folder");
      return;
    }
    const std::vector<fs::path> apps = subfolders(compatdata);
    note(shown(compatdata) + ": " + std::to_string(apps.size()) + " Proton prefixes");
    for (const fs::path& app : apps) {
      const fs::path pfx = resolveInFolder(app, "pfx");
      if (!isFolder(pfx)) continue;
      prefix(pfx);
      if (done()) return;
    }
  }

  GameSearch& out_;
};

#if defined(_WIN32)

std::string environment(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value ? utf8FromWide(value) : std::string();
}

// A string value of the registry in the given view (KEY_WOW64_64KEY or
// KEY_WOW64_32KEY); empty when there is none.
std::string registryText(HKEY root, const wchar_t* key, const wchar_t* value, REGSAM view) {
  HKEY h = nullptr;
  if (::RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE | view, &h) != ERROR_SUCCESS) return {};
  std::wstring text(1024, L'\0');
  DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  const LSTATUS st = ::RegGetValueW(h, nullptr, value, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ,
                                    nullptr, text.data(), &bytes);
  ::RegCloseKey(h);
  if (st != ERROR_SUCCESS) return {};
  text.resize(bytes / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0')
    text.pop_back();
  return utf8FromWide(text);
}

#else

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

#endif

} // namespace

bool holdsMissionList(const fs::path& folder) {
  std::error_code ec;
  return fs::is_regular_file(resolveInFolder(folder, kMissionList), ec);
}

SearchPlaces searchPlacesFromEnvironment() {
  SearchPlaces places;
#if defined(_WIN32)
  // The game's 32-bit installer writes to the registry's 32-bit view.
  const wchar_t* gameKey = L"Software\\LucasArts Entertainment Company LLC\\X-Wing Alliance\\V1.0";
  for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
    const std::string path = registryText(HKEY_LOCAL_MACHINE, gameKey, L"Install Path", view);
    if (!path.empty()) places.recordedPaths.push_back(path);
  }
  const std::string steam =
      registryText(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath", 0);
  if (!steam.empty()) places.steamRoots.push_back(pathFromUtf8(steam));
  for (const wchar_t* var : {L"ProgramFiles(x86)", L"ProgramFiles"}) {
    const std::string dir = environment(var);
    if (!dir.empty()) places.steamRoots.push_back(pathFromUtf8(dir) / "Steam");
  }
  std::string drive = environment(L"SystemDrive");
  if (drive.empty()) drive = "C:";
  places.driveRoots.push_back(pathFromUtf8(drive + "\\"));
#else
  const std::string prefix = environment("WINEPREFIX");
  if (!prefix.empty()) places.winePrefixes.push_back(prefix);
  const std::string home = environment("HOME");
  if (home.empty()) return places;
  const fs::path h(home);
  places.winePrefixes.push_back(h / ".wine");
  const std::string data = environment("XDG_DATA_HOME");
  places.steamRoots = {
      h / ".steam/steam",
      h / ".steam/root",
      data.empty() ? h / ".local/share/Steam" : fs::path(data) / "Steam",
      h / ".var/app/com.valvesoftware.Steam/.local/share/Steam",
      h / "snap/steam/common/.local/share/Steam",
  };
#endif
  return places;
}

GameSearch findGame(const SearchPlaces& places) {
  GameSearch out;
  Search search(out);
  for (const std::string& path : places.recordedPaths) {
    search.recordedPath(path);
    if (search.done()) return out;
  }
  for (const fs::path& prefix : places.winePrefixes) {
    search.prefix(prefix);
    if (search.done()) return out;
  }
  search.steam(places.steamRoots);
  if (search.done()) return out;
  for (const fs::path& root : places.driveRoots) {
    search.usualFolders(root);
    if (search.done()) return out;
  }
  return out;
}

} // namespace zephlo
