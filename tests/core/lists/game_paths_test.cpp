#include "core/lists/game_paths.h"
#include "core/lists/text_lines.h"
#include "support/test_missions.h"

#include <gtest/gtest.h>

using namespace zephlo;
namespace fs = std::filesystem;

TEST(GamePaths, FindsNamesInOtherCapitalsAndKeepsTheRestAsWritten) {
  zephlo::testing::TempDir dir;
  fs::create_directories(dir.path("WAVE/missionvoice"));
  zephlo::testing::writeFile(dir.path("WAVE/missionvoice/M1.LST"), {'x'});
  const fs::path root = dir.root();
  EXPECT_EQ(resolveInFolder(root, "Wave\\MissionVoice\\m1.lst"), root / "WAVE/missionvoice/M1.LST");
  EXPECT_EQ(resolveInFolder(root, "wave/MissionVoice/New.lst"), root / "WAVE/missionvoice/New.lst");
  EXPECT_EQ(resolveInFolder(root, "Missions\\Mission.lst"), root / "Missions/Mission.lst");
  EXPECT_EQ(resolvePath(root.string() + "\\wave\\MISSIONVOICE"), root / "WAVE/missionvoice");

  EXPECT_EQ(checkedGameFolder("").error().kind, ErrorKind::Missing);
  const std::string gone = dir.path("NoGame");
  EXPECT_NE(listFolder(gone, ListFolder::Missions).error().message.find(gone), std::string::npos);
}

TEST(TextLines, EveryLineEndEndsALineAndWritingUsesCrLf) {
  EXPECT_EQ(splitLines("a\r\nb\nc\rd\r\n\r\n"), (std::vector<std::string>{"a", "b", "c", "d", ""}));
  EXPECT_EQ(joinLines({"a", ""}), "a\r\n\r\n");

  zephlo::testing::TempDir dir;
  fs::create_directories(dir.path("folder.lst"));
  EXPECT_EQ(readLinesFile(dir.path("folder.lst")).error().kind, ErrorKind::Unreadable);
}
