#include "core/lists/mission_list.h"
#include "support/test_missions.h"

#include <gtest/gtest.h>

using namespace zephlo;
namespace fs = std::filesystem;

namespace {

std::string fileText(const std::string& path) {
  const auto bytes = zephlo::testing::readFile(path);
  return std::string(bytes.begin(), bytes.end());
}

} // namespace

TEST(MissionList, NextNumbersFollowBothLists) {
  const ListLines campaign = {"1", "* a.tie", "2", "3", " 9", "x12"};
  EXPECT_EQ(nextMissionNumber(campaign, {"3", "7"}), 8);
  EXPECT_EQ(nextMissionNumber(campaign, {"4", "7"}), 4);
  EXPECT_EQ(nextMissionNumber({}, {}), 1);
  EXPECT_EQ(nextMissionNumber({"99999999999999999999"}, {}), 1); // too large to be a number
  EXPECT_EQ(nextBattleNumber({"!BATTLE_12_HEADER![Battle 12: Ambush]", "!BATTLE_3_HEADER![x]",
                              "BATTLE_", "!MISSION_40_DESC!a"}),
            13);
  EXPECT_EQ(nextBattleNumber({}), 1);
}

TEST(MissionList, DescriptionIsTheLineAfterTheFirstMentionOfTheFile) {
  const ListLines lines = {"1",      "* 1B2M3.tie", "!MISSION_1_DESC!Ambush", "2", "* 1b2m3.TIE",
                           "Second", "* last.tie"};
  EXPECT_EQ(missionDescription(lines, "1b2M3.Tie"), "!MISSION_1_DESC!Ambush");
  // The file on the last line has no description after it.
  EXPECT_EQ(missionDescription(lines, "last.tie"), std::nullopt);
  EXPECT_EQ(missionDescription(lines, "other.tie"), std::nullopt);
  EXPECT_EQ(missionDescription(lines, ""), std::nullopt);
}

TEST(MissionList, EntriesAndHeadersGoBeforeTheLastLine) {
  ListLines lines = {"1", "* a.tie", "!MISSION_1_DESC!A", "//"};
  ASSERT_TRUE(addMissionEntry(lines, 2, "b.tie", "Second"));
  addBattleHeader(lines, 4, defaultBattleName(4) + "Raid");
  EXPECT_EQ(lines, (ListLines{"1", "* a.tie", "!MISSION_1_DESC!A", "2", "* b.tie",
                              "!MISSION_2_DESC!Second", "//", "!BATTLE_4_HEADER![Battle 4: Raid]",
                              "//", "//"}));
  EXPECT_EQ(addMissionEntry(lines, 3, "c.tie", "").error().message,
            "You must write a description in the Mission Description box");
  EXPECT_EQ(lines.size(), 10u);
}

TEST(MissionList, ReadsAndWritesBackSafelyInTheGamesCapitals) {
  zephlo::testing::TempDir game;
  EXPECT_NE(missionListPath(game.root(), ListFolder::Missions).error().message.find("\"Missions\""),
            std::string::npos);
  fs::create_directories(game.path("MISSIONS"));
  auto path = missionListPath(game.root(), ListFolder::Missions);
  ASSERT_TRUE(path);
  EXPECT_EQ(readMissionList(*path).error().message, "Can't find " + path->string());
  EXPECT_TRUE(fs::is_empty(game.path("MISSIONS"))); // reading creates nothing

  const std::string text = "1\r\n* a.tie\r\n!MISSION_1_DESC!First\r\n\r\n//\r\n";
  zephlo::testing::writeFile(game.path("MISSIONS/MISSION.LST"), {text.begin(), text.end()});
  path = missionListPath(game.root(), ListFolder::Missions);
  auto lines = readMissionList(*path);
  ASSERT_TRUE(lines);
  ASSERT_TRUE(writeMissionList(*path, *lines));
  EXPECT_EQ(fileText(path->string()), text);

  ASSERT_TRUE(addMissionEntry(*lines, 2, "b.tie", "Second"));
  ASSERT_TRUE(writeMissionList(listBackupPath(*path), *lines));
  EXPECT_EQ(fileText(game.path("MISSIONS/Mission.~ls")),
            "1\r\n* a.tie\r\n!MISSION_1_DESC!First\r\n\r\n2\r\n* b.tie\r\n"
            "!MISSION_2_DESC!Second\r\n//\r\n");
  EXPECT_EQ(fileText(path->string()), text);
}

TEST(LoadByList, ShowsDescriptionsAndHeadersAndOpensFromTheListsFolder) {
  const auto choices = loadByListChoices({"//", "!BATTLE_12_HEADER![Battle 12: Ambush]", "//", "5",
                                          "* M1.TIE", "!MISSION_5_DESC!First flight", "6",
                                          "* m2.tie", "!mission_6_desc!lower", "* last.tie"});
  ASSERT_EQ(choices.size(), 5u); // the leading separator is dropped
  EXPECT_EQ(choices[0].text, "[Battle 12: Ambush]");
  EXPECT_TRUE(choices[0].bold);
  EXPECT_FALSE(choices[1].isMission());
  EXPECT_EQ(choices[2].text, "First flight");
  EXPECT_EQ(choices[2].fileEntry, "* M1.TIE");
  EXPECT_EQ(choices[3].text, "!mission_6_desc!lower"); // the marker counts only in capitals
  EXPECT_EQ(choices[4].text, "");
  EXPECT_TRUE(loadByListChoices({"1", "!MISSION_1_DESC!x"}).empty());

  zephlo::testing::TempDir game;
  fs::create_directories(game.path("Missions"));
  zephlo::testing::writeFile(game.path("Missions/m1.tie"), {18, 0});
  EXPECT_EQ(*missionForChoice(game.root(), ListFolder::Missions, choices[2]).value(),
            fs::path(game.path("Missions/m1.tie")));
  EXPECT_FALSE(missionForChoice(game.root(), ListFolder::Missions, choices[0]).value());
  EXPECT_EQ(missionForChoice(game.root(), ListFolder::Missions, choices[3]).error().message,
            game.path("Missions/m2.tie") + " does not exist!");
}
