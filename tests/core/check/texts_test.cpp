#include "core/check/texts.h"
#include "core/mission/team_edits.h"

#include "core/mission/document.h"
#include "core/mission/layout.h"
#include "core/mission/new_mission.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

using namespace zephlo;

namespace {

using Trigger = std::array<Byte, trig::Size>;
using Order = std::array<Byte, ord::Size>;
using Goal = std::array<Byte, fg::GoalSize>;

const std::string kLabel = "X-W Unnamed (1)"; // the one flight group of a new mission

Trigger trigger(int condition, int type, int variable, int amount, int p1 = 0, int p2 = 0) {
  return {static_cast<Byte>(condition), static_cast<Byte>(type), static_cast<Byte>(variable),
          static_cast<Byte>(amount),    static_cast<Byte>(p1),   static_cast<Byte>(p2)};
}

class TextsWithMission : public ::testing::Test {
protected:
  Document doc = newMission({});
  MissionLists lists = buildMissionLists(doc);

  std::string text(const Trigger& t) const { return triggerText(t.data(), lists); }
  void rebuild() { lists = buildMissionLists(doc); }
};

// ---------------------------------------------------------------- lists

TEST_F(TextsWithMission, TeamNameListNumbersEveryTeam) {
  doc.teams[9].setName("Red");
  doc.teams[4].setName("A name of twenty chars"); // longer than the field
  const auto names = teamNameList(doc);
  ASSERT_EQ(names.size(), 10u);
  EXPECT_EQ(names[0], "1.Rebel");
  EXPECT_EQ(names[1], "2.Imperial");
  EXPECT_EQ(names[2], "3.");
  EXPECT_EQ(names[4], "5.A name of twenty");
  EXPECT_EQ(names[9], "10.Red");
}

TEST_F(TextsWithMission, MissionListsHoldLabelsAndRegions) {
  ASSERT_EQ(lists.fgNames.size(), 1u);
  EXPECT_EQ(lists.fgNames[0], kLabel);
  const std::vector<std::string> proximity = {"0",         "Region #1", "Region #2",
                                              "Region #3", "Region #4", kLabel};
  EXPECT_EQ(lists.proximity, proximity);
  EXPECT_EQ(lists.teamNames, teamNameList(doc));

  Document empty = newMission({});
  empty.flightGroups.clear();
  const MissionLists none = buildMissionLists(empty);
  EXPECT_TRUE(none.fgNames.empty());
  EXPECT_EQ(none.proximity.size(), 5u);
}

// ---------------------------------------------------------------- trigger text

TEST_F(TextsWithMission, TriggerAlwaysAndNeverIgnoreOtherBytes) {
  EXPECT_EQ(text(trigger(0, 0, 0, 0)), "(Always true)");
  EXPECT_EQ(text(trigger(0, 1, 0, 0, 3, 9)), "(Always true)");
  EXPECT_EQ(text(trigger(0, 255, 255, 255, 255, 255)), "(Always true)");
  EXPECT_EQ(text(trigger(10, 1, 0, 0)), "(Never true)");
  EXPECT_EQ(text(trigger(10, 255, 255, 255, 255, 255)), "(Never true)");
}

TEST_F(TextsWithMission, TriggerSentences) {
  EXPECT_EQ(text(trigger(2, 1, 0, 0)), "100% of " + kLabel + " must be destroyed");
  EXPECT_EQ(text(trigger(2, 1, 1, 0)), "100% of FG#1 must be destroyed");
  EXPECT_EQ(text(trigger(1, 0, 0, 0)), "100% of  must arrive");
  EXPECT_EQ(text(trigger(1, 13, 4, 0)), "100% of 13? 4 must arrive");
  EXPECT_EQ(text(trigger(1, 2, 1, 4)), "At least one of Xwings must arrive");
  EXPECT_EQ(text(trigger(8, 12, 1, 18)), "Each craft of Team Imperial must be disabled");
  // The second parameter never shows.
  EXPECT_EQ(text(trigger(2, 1, 0, 0, 0, 77)), text(trigger(2, 1, 0, 0, 0, 0)));
}

TEST_F(TextsWithMission, TriggerDropsPartsPastTheirLists) {
  EXPECT_EQ(text(trigger(2, 1, 0, 50)), "50 of " + kLabel + " must be destroyed");
  EXPECT_EQ(text(trigger(2, 1, 0, 51)), kLabel + " must be destroyed");
  EXPECT_EQ(text(trigger(2, 1, 0, 255)), kLabel + " must be destroyed");
  EXPECT_EQ(text(trigger(70, 1, 0, 0)), "100% of " + kLabel + " must 70");
  EXPECT_EQ(text(trigger(71, 1, 0, 0)), "100% of " + kLabel);
  EXPECT_EQ(text(trigger(255, 2, 1, 255)), "Xwings");
}

TEST_F(TextsWithMission, TriggerRegionsAndProximity) {
  EXPECT_EQ(text(trigger(47, 1, 0, 0, 3)), "100% of " + kLabel + " must arrive in Region #3");
  EXPECT_EQ(text(trigger(48, 1, 0, 0, 0)), "100% of " + kLabel + " must leave Region #0");
  EXPECT_EQ(text(trigger(49, 1, 0, 0, 2)),
            "100% of " + kLabel + " must be in proximity of Region #2");
  EXPECT_EQ(text(trigger(49, 1, 0, 0, 0)), "100% of " + kLabel + " must be in proximity of 0");
  EXPECT_EQ(text(trigger(50, 1, 0, 0, 5)),
            "100% of " + kLabel + " must be outside proximity of " + kLabel);
  // Past the proximity list the number follows without a blank.
  EXPECT_EQ(text(trigger(49, 1, 0, 0, 6)), "100% of " + kLabel + " must be in proximity of6");
  EXPECT_EQ(text(trigger(50, 1, 0, 0, 255)),
            "100% of " + kLabel + " must be outside proximity of255");
  // Other conditions ignore the first parameter.
  EXPECT_EQ(text(trigger(1, 1, 0, 0, 3)), "100% of " + kLabel + " must arrive");
}

// ---------------------------------------------------------------- subject text

TEST_F(TextsWithMission, SubjectOfEveryKind) {
  struct Case {
    int type, variable;
    const char* text;
  };
  // clang-format off
  const Case cases[] = {
      {0, 0, ""}, {0, 200, ""}, {1, 1, "FG#1"}, {1, 255, "FG#255"}, {2, 1, "Xwings"},
      {2, 9, "TIE Defender s"}, {2, 231, "231s"}, {3, 0, "Starfighters"}, {3, 15, "15"},
      {4, 2, "Satellites"}, {4, 9, "10"}, {5, 0, "Rebels"}, {5, 5, "Azzameens"},
      {6, 0, "Craft order: Hold Steady"}, {6, 72, "Craft order: 72"}, {7, 1, "inspected"},
      {7, 20, "20"}, {8, 3, "GGroup 3"}, {23, 7, "GUnit 7"}, {27, 0, "Message #0"},
      {27, 255, "Message #255"}, {9, 1, "9? 1"}, {13, 2, "13? 2"}, {22, 0, "22? 0"},
      {31, 5, "31? 5"}, {32, 5, "32? 5"}, {255, 255, "255? 255"},
      // Past the end of a fixed list.
      {2, 232, "Unknown 232"}, {2, 250, "Unknown 250"}, {3, 16, "Unknown 16"},
      {4, 10, "Unknown 10"}, {5, 6, "Unknown 6"}, {6, 73, "Unknown 73"}, {7, 21, "Unknown 21"},
      {7, 255, "Unknown 255"}};
  // clang-format on
  for (const Case& c : cases)
    EXPECT_EQ(subjectText(c.type, c.variable, lists), c.text) << c.type << "/" << c.variable;
  EXPECT_EQ(subjectText(1, 0, lists), kLabel);
}

TEST_F(TextsWithMission, SubjectOfTeamsDropsTheNumberPrefix) {
  doc.teams[9].setName("Red");
  doc.teams[3].setName("Blue   ");
  rebuild();
  EXPECT_EQ(subjectText(12, 0, lists), "Team Rebel");
  EXPECT_EQ(subjectText(21, 1, lists), "any Team but Imperial");
  EXPECT_EQ(subjectText(12, 2, lists), "Team 3."); // unnamed keeps "n."
  EXPECT_EQ(subjectText(21, 2, lists), "any Team but 3.");
  EXPECT_EQ(subjectText(12, 3, lists), "Team Blue");
  EXPECT_EQ(subjectText(12, 9, lists), "Team Red");
  EXPECT_EQ(subjectText(12, 10, lists), "Team ");
  EXPECT_EQ(subjectText(21, 255, lists), "any Team but ");
  // Lists shorter than the ten teams never read past their end.
  MissionLists few;
  few.teamNames = {"1.Rebel"};
  EXPECT_EQ(subjectText(12, 0, few), "Team Rebel");
  EXPECT_EQ(subjectText(12, 4, few), "Team ");
}

// ---------------------------------------------------------------- times

TEST(TextsTime, SecondsText) {
  EXPECT_EQ(secondsText(0), "0:00");
  EXPECT_EQ(secondsText(5), "0:05");
  EXPECT_EQ(secondsText(59), "0:59");
  EXPECT_EQ(secondsText(60), "1:00");
  EXPECT_EQ(secondsText(63), "1:03");
  EXPECT_EQ(secondsText(3600), "60:00");
  EXPECT_EQ(secondsText(65535), "1092:15");
}

TEST(TextsTime, TimeCodeText) {
  // Products of 4.2, 4.5 and 4.6 round to the nearest second, ties to even.
  const std::pair<int, const char*> cases[] = {
      {0, " = (default)"},      {1, " = 0:00"},           {2, " = 0:05 (approx)"},
      {3, " = 0:09 (approx)"},  {5, " = 0:19 (approx)"},  {6, " = 0:24 (approx)"},
      {7, " = 0:28 (approx)"},  {8, " = 0:34 (approx)"},  {10, " = 0:42 (approx)"},
      {14, " = 0:59 (approx)"}, {15, " = 1:08 (approx)"}, {17, " = 1:16 (approx)"},
      {34, " = 2:33 (approx)"}, {35, " = 2:41 (approx)"}, {56, " = 4:18 (approx)"},
      {57, " = 0:05 (approx)"}, {60, " = 0:19 (approx)"}, {84, " = 2:10 (approx)"},
      {85, " = 6:31 (approx)"}, {86, " = (untested)"},    {255, " = (untested)"},
      {-1, " = (untested)"}};
  for (const auto& [code, text] : cases)
    EXPECT_EQ(timeCodeText(code), text) << code;
}

TEST(TextsTime, OrderTimeCode) {
  EXPECT_EQ(orderTimeCode(0), 0);
  EXPECT_EQ(orderTimeCode(20), 20);
  EXPECT_EQ(orderTimeCode(21), 25);
  EXPECT_EQ(orderTimeCode(25), 45);
  EXPECT_EQ(orderTimeCode(255), 1195);
}

// ---------------------------------------------------------------- order captions

TEST(TextsOrderCaptions, EveryOrderKind) {
  const std::string none1 = std::string(18, ' ') + "No Effect?:";
  const std::string none2 = std::string(13, ' ') + "No Effect?:";
  struct Case {
    std::vector<int> orders;
    int p1, p2;
    std::string first, second;
  };
  const Case cases[] = {
      {{2, 3, 21, 63}, 4, 0, "                  # of loops:", none2},
      {{4, 6}, 1, 0, "           # of dockings:", none2},
      {{7}, 0, 0, "                Component:", none2},
      {{10}, 0, 1, none1, "Attack Player:Yes"},
      {{10}, 0, 0, none1, "Attack Player:No"},
      {{10}, 0, 2, none1, "Attack Player:No"}, // only 1 means yes
      {{10}, 0, 255, none1, "Attack Player:No"},
      {{12, 13, 14, 15, 16, 31, 32}, 21, 0, "Docking time (0:25):", "         # of dockings:"},
      {{17}, 5, 0, "Docking time (0:05):", none2},
      {{18}, 0, 0, "Deploy time? (0:00):", "FG# to drop off:"},
      {{19, 20, 57}, 255, 0, "    Wait time (19:55):", none2},
      {{36}, 32, 0, "Delay time (1:20):", "               No Effect?:"},
      {{50}, 0, 0, "                  Region #1", none2},
      {{50}, 3, 0, "                  Region #4", none2},
      {{50}, 255, 0, "                  Region #256", none2},
      {{0, 1, 5, 8, 9, 11, 22, 37, 40, 64, 72, 73, 255}, 30, 1, none1, none2}};
  for (const Case& c : cases)
    for (int order : c.orders) {
      const OrderCaptions captions = orderParameterCaptions(order, c.p1, c.p2);
      EXPECT_EQ(captions.first, c.first) << order;
      EXPECT_EQ(captions.second, c.second) << order;
    }
}

// ---------------------------------------------------------------- variable choices

TEST_F(TextsWithMission, VariableChoicesFollowTheType) {
  const Choices numbers = variableChoices(0, 7, lists);
  ASSERT_EQ(numbers.items.size(), 256u);
  EXPECT_EQ(numbers.items[0], "0");
  EXPECT_EQ(numbers.items[255], "255");
  EXPECT_EQ(numbers.selected, 7);
  for (int type : {8, 9, 13, 23, 27, 31})
    EXPECT_EQ(variableChoices(type, 3, lists).items, numbers.items) << type;

  const Choices fgs = variableChoices(1, 0, lists);
  EXPECT_EQ(fgs.items, lists.fgNames);
  EXPECT_EQ(fgs.selected, 0);

  const Choices craft = variableChoices(2, 231, lists);
  ASSERT_EQ(craft.items.size(), 232u);
  EXPECT_EQ(craft.items[1], "Xwing");
  EXPECT_EQ(craft.selected, 231);

  EXPECT_EQ(variableChoices(3, 0, lists).items.size(), 16u);
  EXPECT_EQ(variableChoices(4, 0, lists).items.size(), 10u);
  EXPECT_EQ(variableChoices(5, 0, lists).items.size(), 6u);
  EXPECT_EQ(variableChoices(6, 0, lists).items.size(), 73u);
  EXPECT_EQ(variableChoices(7, 0, lists).items.size(), 21u);
  EXPECT_EQ(variableChoices(12, 1, lists).items, lists.teamNames);
  EXPECT_EQ(variableChoices(21, 9, lists).selected, 9);
}

TEST_F(TextsWithMission, VariableChoicesPastTheEndSelectNothing) {
  const Choices fgs = variableChoices(1, 1, lists);
  EXPECT_EQ(fgs.items.size(), 1u);
  EXPECT_EQ(fgs.selected, -1);
  const Choices iff = variableChoices(5, 6, lists);
  EXPECT_EQ(iff.items.size(), 6u);
  EXPECT_EQ(iff.selected, -1);
  EXPECT_EQ(variableChoices(12, 10, lists).selected, -1);
  EXPECT_EQ(variableChoices(2, 255, lists).selected, -1);
  EXPECT_EQ(variableChoices(0, 255, lists).selected, 255);
}

// ---------------------------------------------------------------- order line

class TextsOrderLine : public TextsWithMission {
protected:
  Order order{};
  std::string line() const { return orderLineText(order.data(), lists); }
  void target(std::size_t typeAt, std::size_t varAt, int type, int variable) {
    order[typeAt] = static_cast<Byte>(type);
    order[varAt] = static_cast<Byte>(variable);
  }
};

TEST_F(TextsOrderLine, HoldSteadyReadsDashes) {
  EXPECT_EQ(line(), "---");
  target(ord::Target1Type, ord::Target1, 1, 0);
  EXPECT_EQ(line(), "---"); // the first pair belongs to the replaced part
  target(ord::Target3Type, ord::Target3, 2, 1);
  EXPECT_EQ(line(), "---  /  Xwings ");
}

TEST_F(TextsOrderLine, NamesAndParameters) {
  order[ord::Command] = 1;
  EXPECT_EQ(line(), "Fly home:   ");
  order[ord::Command] = 7;
  target(ord::Target1Type, ord::Target1, 1, 0);
  EXPECT_EQ(line(), "Attack:  " + kLabel + " ");
  order[ord::Command] = 11;
  EXPECT_EQ(line(), "Disable:  " + kLabel + " ");
  order[ord::Command] = 2;
  order[ord::Parameter1] = 1;
  EXPECT_EQ(line(), "Circle waypoints, 1 time:  " + kLabel + " ");
  order[ord::Command] = 21;
  order[ord::Parameter1] = 0;
  EXPECT_EQ(line(), "SShip Circle, 0 time:  " + kLabel + " ");
  order[ord::Parameter1] = 3;
  EXPECT_EQ(line(), "SShip Circle, 3 times:  " + kLabel + " ");
  order[ord::Command] = 50;
  order[ord::Parameter1] = 1;
  EXPECT_EQ(line(), "Hyper to Region #2:  " + kLabel + " ");
  order[ord::Command] = 3; // loops are only counted for orders 2 and 21
  EXPECT_EQ(line(), "Circle and Evade:  " + kLabel + " ");
  order[ord::Command] = 200; // past the order list
  EXPECT_EQ(line(), "200:  " + kLabel + " ");
}

TEST_F(TextsOrderLine, TargetPairsJoinedByOrOrOnlyIf) {
  order[ord::Command] = 7;
  target(ord::Target1Type, ord::Target1, 2, 1);
  target(ord::Target2Type, ord::Target2, 5, 1);
  order[ord::Target12Either] = 1;
  EXPECT_EQ(line(), "Attack:  Xwings or Imperials");
  order[ord::Target12Either] = 0;
  EXPECT_EQ(line(), "Attack:  Xwings only if Imperials");

  target(ord::Target3Type, ord::Target3, 1, 0);
  EXPECT_EQ(line(), "Attack:  Xwings only if Imperials  /  " + kLabel + " ");
  target(ord::Target4Type, ord::Target4, 12, 0);
  order[ord::Target34Either] = 2;
  EXPECT_EQ(line(), "Attack:  Xwings only if Imperials  /  " + kLabel + " or Team Rebel");
  order[ord::Target34Either] = 0;
  EXPECT_EQ(line(), "Attack:  Xwings only if Imperials  /  " + kLabel + " only if Team Rebel");
  // A fourth target without a third is not shown.
  order[ord::Target3Type] = 0;
  EXPECT_EQ(line(), "Attack:  Xwings only if Imperials");
}

TEST_F(TextsOrderLine, WildBytesStaySafe) {
  order.fill(255);
  EXPECT_EQ(line(), "255:  255? 255 or 255? 255  /  255? 255 or 255? 255");
  order.fill(0);
  order[ord::Command] = 9;
  target(ord::Target1Type, ord::Target1, 2, 240);
  target(ord::Target2Type, ord::Target2, 1, 9);
  EXPECT_EQ(line(), "Protect:  Unknown 240 only if FG#9");
}

// ---------------------------------------------------------------- goal line

class TextsGoalLine : public TextsWithMission {
protected:
  Goal goal{};
  std::string line() const { return fgGoalLineText(goal.data(), lists); }
  void set(int requirement, int condition, int amount, int points, int team, int parameter = 0) {
    goal[goal::Requirement] = static_cast<Byte>(requirement);
    goal[goal::Condition] = static_cast<Byte>(condition);
    goal[goal::Amount] = static_cast<Byte>(amount);
    goal[goal::Points] = static_cast<Byte>(points);
    goal[goal::Team] = static_cast<Byte>(team);
    goal[goal::Parameter] = static_cast<Byte>(parameter);
  }
};

TEST_F(TextsGoalLine, ReadsAsASentence) {
  set(0, 2, 0, 10, 0);
  EXPECT_EQ(line(), "100% of it must be destroyed : 250 Pts  - Team 1.Rebel");
  set(3, 1, 4, 0, 1);
  EXPECT_EQ(line(), "At least one of it BONUS must NOT arrive  - Team 2.Imperial");
  set(1, 2, 0, 0xFF, 2);
  EXPECT_EQ(line(), "100% of it must NOT be destroyed : -25 Pts  - Team 3.");
  set(0, 2, 0, 0x80, 0);
  EXPECT_EQ(line(), "100% of it must be destroyed : -3200 Pts  - Team 1.Rebel");
  set(0, 2, 0, 0x7F, 0);
  EXPECT_EQ(line(), "100% of it must be destroyed : 3175 Pts  - Team 1.Rebel");
}

TEST_F(TextsGoalLine, RegionsAndProximity) {
  set(0, 47, 0, 0, 0, 2);
  EXPECT_EQ(line(), "100% of it must arrive in Region #2  - Team 1.Rebel");
  set(0, 49, 0, 0, 0, 3);
  EXPECT_EQ(line(), "100% of it must be in proximity of Region #3  - Team 1.Rebel");
  set(0, 50, 0, 0, 0, 5);
  EXPECT_EQ(line(), "100% of it must be outside proximity of " + kLabel + "  - Team 1.Rebel");
  set(0, 49, 0, 0, 0, 6);
  EXPECT_EQ(line(), "100% of it must be in proximity of 6  - Team 1.Rebel");
}

TEST_F(TextsGoalLine, TeamNameIsTrimmed) {
  doc.teams[0].setName("Rebel   ");
  doc.teams[9].setName("Red");
  rebuild();
  set(0, 2, 0, 0, 0);
  EXPECT_EQ(line(), "100% of it must be destroyed  - Team 1.Rebel");
  set(0, 2, 0, 0, 9);
  EXPECT_EQ(line(), "100% of it must be destroyed  - Team 10.Red");
}

TEST_F(TextsGoalLine, NeverTrueAndValuesPastTheirLists) {
  set(0, 10, 0, 10, 0);
  EXPECT_EQ(line(), "<None>");
  set(4, 71, 51, 0, 10);
  EXPECT_EQ(line(), "51 of it 4 71  - Team 10");
  goal.fill(255);
  EXPECT_EQ(line(), "255 of it 255 255 : -25 Pts  - Team 255");
  goal[goal::Condition] = 10;
  EXPECT_EQ(line(), "<None>");
}

} // namespace
