#include "lists/game_paths.h"
#include "lists/text_lines.h"
#include "mission/test_missions.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zephlo;
namespace fs = std::filesystem;

TEST(GamePaths, FindsNamesInOtherCapitalsAndKeepsTheRestAsWritten) {
  zephlo::testing::TempDir dir;
  fs::create_directories(dir.path("WAVE/missionvoice"));
  zephlo::testing::writeFile(dir.path("WAVE/missionvoice/M1.LST"), {'x'});

  const fs::path root = dir.root();
  EXPECT_EQ(resolveInFolder(root, "Wave\\MissionVoice\\m1.lst"), root / "WAVE/missionvoice/M1.LST");
  // A file still to be created keeps its own name inside the folder found.
  EXPECT_EQ(resolveInFolder(root, "wave/MissionVoice/New.lst"), root / "WAVE/missionvoice/New.lst");
  EXPECT_EQ(resolveInFolder(root, "Missions\\Mission.lst"), root / "Missions/Mission.lst");
  // A full path is matched from the root down.
  EXPECT_EQ(resolvePath(root.string() + "\\wave\\MISSIONVOICE"), root / "WAVE/missionvoice");
}

TEST(GamePaths, MissingFoldersAreNamedInTheError) {
  zephlo::testing::TempDir dir;
  auto none = checkedGameFolder("");
  ASSERT_FALSE(none);
  EXPECT_EQ(none.error().kind, ErrorKind::Missing);

  const std::string gone = dir.path("NoGame");
  auto missing = listFolder(gone, ListFolder::Missions);
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.error().message.find(gone), std::string::npos);

  auto noMissions = listFolder(dir.root(), ListFolder::Melee);
  ASSERT_FALSE(noMissions);
  EXPECT_NE(noMissions.error().message.find("\"Melee\""), std::string::npos);

  fs::create_directories(dir.path("melee"));
  auto found = listFolder(dir.root(), ListFolder::Melee);
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, fs::path(dir.path("melee")));
}

TEST(TextLines, EveryLineEndEndsALineAndWritingUsesCrLf) {
  EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(splitLines("").empty());
  EXPECT_EQ(joinLines({"a", ""}), "a\r\n\r\n");

  zephlo::testing::TempDir dir;
  ASSERT_TRUE(writeLinesFile(dir.path("x.lst"), {"one", "two"}));
  auto back = readLinesFile(dir.path("x.lst"));
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, (std::vector<std::string>{"one", "two"}));

  // A folder where the file should be is reported, not read as empty.
  fs::create_directories(dir.path("folder.lst"));
  auto notFile = readLinesFile(dir.path("folder.lst"));
  ASSERT_FALSE(notFile);
  EXPECT_EQ(notFile.error().kind, ErrorKind::Unreadable);
}
