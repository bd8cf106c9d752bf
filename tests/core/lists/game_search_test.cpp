// Finding the game in fake install trees: Wine prefixes, Steam libraries,
// Proton prefixes, and list files that are anything but what they claim.
#include "core/lists/game_search.h"
#include "core/lists/steam_libraries.h"
#include "core/lists/wine_registry.h"
#include "core/mission/utf8_path.h"
#include "support/test_missions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string_view>
#if !defined(_WIN32)
#include <sys/stat.h>
#endif

using namespace zephlo;
using zephlo::testing::TempDir;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSystemReg = R"(WINE REGISTRY Version 2
;; All keys relative to \\Machine

[Software\\LUCASARTS Entertainment Company LLC\\x-wing alliance\\v1.0] 1600000001
#time=1d6f0e1a2b3c4d5
"CD Path"="D:\\"
"install path"="C:\\Games\\X-Wing Alliance\\"
"Install Path2"="C:\\Wrong"

[Software\\Other] 1600000002
"Install Path"="C:\\Wrong"
)";

void writeText(const fs::path& file, std::string_view text) {
  fs::create_directories(file.parent_path());
  zephlo::testing::writeFile(utf8FromPath(file),
                             std::vector<std::uint8_t>(text.begin(), text.end()));
}

// A game folder: its mission list in the capitals a Wine install may have.
fs::path makeGame(const fs::path& folder) {
  writeText(folder / "MISSIONS" / "mission.LST", "1\r\n* m.tie\r\n");
  return folder;
}

std::string vdfListing(const std::vector<fs::path>& libraries) {
  std::string text = "\"libraryfolders\"\n{\n";
  int n = 0;
  for (const fs::path& lib : libraries) {
    std::string escaped;
    for (char c : utf8FromPath(lib)) {
      if (c == '\\' || c == '"') escaped += '\\';
      escaped += c;
    }
    text += "\t\"" + std::to_string(n++) + "\"\n\t{\n\t\t\"path\"\t\t\"" + escaped +
            "\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"361670\"\t\t\"1\"\n\t\t}\n\t}\n";
  }
  return text + "}\n";
}

bool lookedAt(const GameSearch& s, std::string_view part) {
  return std::any_of(s.looked.begin(), s.looked.end(),
                     [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

} // namespace

TEST(WineRegistry, TheGamesInstallPathIsReadAndMappedIntoThePrefix) {
  EXPECT_EQ(installPathInRegistryText(kSystemReg), "C:\\Games\\X-Wing Alliance\\");
  EXPECT_EQ(installPathInRegistryText("[Software\\\\Other] 1\n\"Install Path\"=\"C:\\\\W\"\n"),
            std::nullopt);
  // The 32-bit view's copy counts, but the plain key wins when both exist;
  // expandable strings are str(2):"...".
  const std::string wow =
      "[Software\\\\Wow6432Node\\\\LucasArts Entertainment Company LLC\\\\X-Wing "
      "Alliance\\\\V1.0] 1\n\"Install Path\"=str(2):\"D:\\\\XWA\"\n";
  EXPECT_EQ(installPathInRegistryText(wow), "D:\\XWA");
  EXPECT_EQ(installPathInRegistryText(wow + std::string(kSystemReg)),
            "C:\\Games\\X-Wing Alliance\\");
  // Wine's escapes: quotes, and UTF-16 units in hex, pairs included.
  EXPECT_EQ(installPathInRegistryText(
                "[Software\\\\LucasArts Entertainment Company LLC\\\\X-Wing Alliance\\\\V1.0] 1\n"
                "\"Install Path\"=\"C:\\\\\\\"X\\\"\\x00e9\\xd83d\\xde80\"\n"),
            "C:\\\"X\"\xC3\xA9\xF0\x9F\x9A\x80");

  TempDir dir;
  const fs::path prefix = pathFromUtf8(dir.root());
  fs::create_directories(prefix / "drive_c" / "games" / "x-wing alliance");
  EXPECT_EQ(folderInPrefix(prefix, "C:\\Games\\X-Wing Alliance\\"),
            prefix / "drive_c" / "games" / "x-wing alliance");
  // Other drives only through the prefix's own drive links.
  EXPECT_EQ(folderInPrefix(prefix, "D:\\XWA"), std::nullopt);
  EXPECT_EQ(folderInPrefix(prefix, "\\\\server\\XWA"), std::nullopt);
}

TEST(SteamLibraries, BothFormsOfTheListAreRead) {
  const auto now = parseLibraryFolders(R"(// written by Steam
"libraryfolders"
{
	"0"
	{
		"path"		"/home/me/.local/share/Steam"
		"label"		""
		"apps" { "228980" "1" }
	}
	"1" { "PATH" "D:\\Steam Library" }
	"contentstatsid"		"-1"
})",
                                       "libraryfolders.vdf");
  ASSERT_TRUE(now) << now.error().message;
  EXPECT_EQ(*now, (std::vector<std::string>{"/home/me/.local/share/Steam", "D:\\Steam Library"}));

  const auto old = parseLibraryFolders(
      "\"LibraryFolders\"\n{\n\"TimeNextStatsReport\" \"1\"\n\"1\" \"E:\\\\Games\\\\Steam\"\n}\n",
      "old.vdf");
  ASSERT_TRUE(old) << old.error().message;
  EXPECT_EQ(*old, std::vector<std::string>{"E:\\Games\\Steam"});
}

TEST(SteamLibraries, HostileListsAreRefusedInWordsAndQuickly) {
  const auto refusal = [](std::string_view text) {
    const auto r = parseLibraryFolders(text, "x.vdf");
    return r ? std::string("accepted") : r.error().message;
  };
  EXPECT_EQ(refusal("\"libraryfolders\" { \"0\" { \"path\" \"/caf\xE9\" } }"),
            "Cannot read x.vdf: it is not UTF-8 text (byte 37).");
  EXPECT_EQ(refusal("\"libraryfolders\" { \"0\" { \"path\" \"/x } }"),
            "Cannot read x.vdf: a quoted text never ends.");
  EXPECT_EQ(refusal("\"libraryfolders\" { \"0\" { \"path\" \"/x\" }"),
            "Cannot read x.vdf: a block is never closed.");
  EXPECT_EQ(refusal("} {"), "Cannot read x.vdf: a '}' closes no block.");

  // A million levels of nesting: refused at the limit, long before the end.
  std::string deep;
  for (int i = 0; i < 1000000; ++i)
    deep += "\"k\" {";
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(refusal(deep), "Cannot read x.vdf: it is nested deeper than 32 levels.");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

  TempDir dir;
  const fs::path huge = pathFromUtf8(dir.path("huge.vdf"));
  writeText(huge, "\"libraryfolders\" {}");
  fs::resize_file(huge, 1u << 30); // sparse: nothing is really written
  const auto tooBig = readLibraryFolders(huge);
  ASSERT_FALSE(tooBig);
  EXPECT_EQ(tooBig.error().kind, ErrorKind::TooLarge);
  EXPECT_NE(tooBig.error().message.find(utf8FromPath(huge)), std::string::npos);

  fs::create_directories(pathFromUtf8(dir.path("folder.vdf")));
  EXPECT_EQ(readLibraryFolders(pathFromUtf8(dir.path("folder.vdf"))).error().message,
            "Cannot read " + dir.path("folder.vdf") + ": it is a folder.");
#if !defined(_WIN32)
  // A FIFO would block the search for ever.
  ASSERT_EQ(::mkfifo(dir.path("fifo.vdf").c_str(), 0600), 0);
  EXPECT_EQ(readLibraryFolders(dir.path("fifo.vdf")).error().message,
            "Cannot read " + dir.path("fifo.vdf") + ": it is not a regular file.");
#endif
}

TEST(GameSearch, ProtonPrefixesOfEveryListedLibraryAreSearched) {
  TempDir dir;
  const fs::path home = pathFromUtf8(dir.root());
  const fs::path steam = home / ".local/share/Steam";
  const fs::path library = home / "Spiele \xC3\xA9" / "SteamLibrary";
  writeText(steam / "steamapps" / "libraryfolders.vdf", vdfListing({steam, library}));
  fs::create_directories(steam / "steamapps" / "common" / "Half-Life");
  fs::create_directories(library / "steamapps" / "compatdata" / "100" / "pfx" / "drive_c");
  const fs::path game = makeGame(library / "steamapps" / "compatdata" / "361670" / "pfx" /
                                 "drive_c" / "Program Files (x86)" / "LucasArts" / "XWA");

  SearchPlaces places;
  places.winePrefixes = {home / ".wine"};
  places.steamRoots = {steam};
  const GameSearch found = findGame(places);
  ASSERT_TRUE(found.folder) << ::testing::PrintToString(found.looked);
  EXPECT_TRUE(fs::equivalent(*found.folder, game));
  EXPECT_TRUE(lookedAt(found, utf8FromPath(home / ".wine") + ": no such folder"));
  EXPECT_TRUE(lookedAt(found, "libraryfolders.vdf: lists 2 libraries"));
  EXPECT_TRUE(lookedAt(found, "none of its 1 folders holds the game"));
  EXPECT_EQ(found.looked.back(), utf8FromPath(*found.folder) + ": holds Missions\\Mission.lst");

  // Steam's own install of the game comes before any Proton prefix.
  const fs::path steamGame =
      makeGame(library / "steamapps" / "common" / "STAR WARS X-Wing Alliance");
  EXPECT_TRUE(fs::equivalent(*findGame(places).folder, steamGame));
}

TEST(GameSearch, AWinePrefixsRegistryComesFirstAndIsKeptEvenWithoutAList) {
  TempDir dir;
  const fs::path prefix = pathFromUtf8(dir.root()) / "prefix";
  writeText(prefix / "system.reg", kSystemReg);
  fs::create_directories(prefix / "drive_c" / "Games" / "X-Wing Alliance");
  const fs::path other = makeGame(prefix / "drive_c" / "gog games" / "Star Wars - XWA");

  SearchPlaces places;
  places.winePrefixes = {prefix};
  GameSearch s = findGame(places);
  // The recorded folder has no list, so the usual folders are searched on.
  ASSERT_TRUE(s.folder);
  EXPECT_TRUE(fs::equivalent(*s.folder, other));
  ASSERT_TRUE(s.recorded);
  EXPECT_TRUE(fs::equivalent(*s.recorded, prefix / "drive_c" / "Games" / "X-Wing Alliance"));
  EXPECT_TRUE(lookedAt(s, "(named by " + utf8FromPath(prefix / "system.reg") +
                              "): no Missions\\Mission.lst"));

  makeGame(prefix / "drive_c" / "Games" / "X-Wing Alliance");
  s = findGame(places);
  EXPECT_TRUE(fs::equivalent(*s.folder, prefix / "drive_c" / "Games" / "X-Wing Alliance"));
}

TEST(GameSearch, NothingFoundSaysWhereItLookedAndBadListsDoNotStopIt) {
  TempDir dir;
  const fs::path steam = pathFromUtf8(dir.root()) / "Steam";
  writeText(steam / "steamapps" / "libraryfolders.vdf", "\"libraryfolders\" { \"0\" {");
  fs::create_directories(steam / "steamapps" / "common" / "Portal");
  SearchPlaces places;
  places.steamRoots = {steam, steam / "." /* the same folder again */,
                       pathFromUtf8(dir.path("gone"))};
  places.recordedPaths = {dir.path("Recorded")};
  GameSearch s = findGame(places);
  EXPECT_FALSE(s.folder);
  EXPECT_TRUE(lookedAt(s, "libraryfolders.vdf: a block is never closed."));
  EXPECT_TRUE(lookedAt(s, dir.path("Recorded") + " (named by the registry): no such folder"));
  EXPECT_TRUE(lookedAt(s, dir.path("gone") + ": no such folder"));
  EXPECT_EQ(std::count_if(s.looked.begin(), s.looked.end(),
                          [](const std::string& l) {
                            return l.find("Portal") != l.npos || l.find("none of its") != l.npos;
                          }),
            1);

#if !defined(_WIN32)
  // A Wine prefix whose registry is a FIFO does not hold the search up.
  const fs::path prefix = pathFromUtf8(dir.root()) / "prefix";
  fs::create_directories(prefix / "drive_c");
  ASSERT_EQ(::mkfifo((prefix / "system.reg").c_str(), 0600), 0);
  places.winePrefixes = {prefix};
  s = findGame(places);
  EXPECT_TRUE(lookedAt(s, "Cannot read " + utf8FromPath(prefix / "system.reg") +
                              ": it is not a regular file."));
#endif

  // The library root still counts when its list is refused.
  const fs::path game = makeGame(steam / "steamapps" / "common" / "XWA");
  s = findGame(places);
  ASSERT_TRUE(s.folder);
  EXPECT_TRUE(fs::equivalent(*s.folder, game));
}
