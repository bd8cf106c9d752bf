#include "core/check/condition_tool.h"
#include "core/mission/new_mission.h"
#include "support/apply_checked.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace zephlo;
using zephlo::testing::applyChecked;

namespace {

struct Fixture {
  Document d = newMission(MissionPrefs{});
  EditorState st;
  Fixture() {
    for (int i = 0; i < 2; ++i)
      d.flightGroups.push_back(d.flightGroups[0]);
    d.messages.resize(3);
  }
  void run(const Operation& op) { applyChecked(d, st, op); }
};

const Trigger kTrig = {2, 1, 1, 3, 7, 9};

Trigger bytesAt(const Byte* p) {
  Trigger t;
  std::copy(p, p + 6, t.begin());
  return t;
}

TEST(ConditionTool, WritesTheSlotOfThePageShowing) {
  Fixture x;
  x.st.selectedFGs = {0, 2};
  x.st.currentFG = 2;
  x.run(writeTrigger({CondPage::Arrival, 3}, kTrig, x.st));
  for (int i : {0, 2})
    EXPECT_EQ(bytesAt(x.d.flightGroups[static_cast<std::size_t>(i)].record.data() + 152), kTrig);
  EXPECT_EQ(x.d.flightGroups[1].record[152], 0);
  EXPECT_EQ(loadTrigger(x.d, x.st, {CondPage::Arrival, 3}), kTrig);
  EXPECT_EQ(loadTrigger(x.d, x.st, {CondPage::Arrival, 4}), Trigger{});

  x.run(writeTrigger({CondPage::Departure, 2}, kTrig, x.st));
  EXPECT_EQ(bytesAt(x.d.flightGroups[0].record.data() + 178), kTrig);
  x.st.currentRegion = 3;
  x.st.currentOrder = 2;
  x.run(writeTrigger({CondPage::Jump, 2}, kTrig, x.st));
  EXPECT_EQ(bytesAt(x.d.flightGroups[2].record.data() + 2570 + 128 + 16 + 6), kTrig);

  x.st.currentTeam = 4;
  x.run(writeTrigger({CondPage::GlobalGoals, 4, 2}, kTrig, x.st));
  EXPECT_EQ(bytesAt(x.d.globalGoals[4].record.data() + 244 + 24), kTrig);
  EXPECT_EQ(loadTrigger(x.d, x.st, {CondPage::GlobalGoals, 4, 2}), kTrig);

  // Amount edited with two messages selected: both current-slot triggers change.
  x.st.selectedMsgs = {0, 2};
  x.st.currentMsg = 0;
  x.run(writeTrigger({CondPage::Message, 1}, kTrig, x.st));
  x.run(writeTrigger({CondPage::Message, 6}, kTrig, x.st));
  for (int i : {0, 2}) {
    EXPECT_EQ(bytesAt(x.d.messages[static_cast<std::size_t>(i)].record.data() + 92), kTrig);
    EXPECT_EQ(bytesAt(x.d.messages[static_cast<std::size_t>(i)].record.data() + 150), kTrig);
  }
  EXPECT_EQ(x.d.messages[1].record[92], 0);

  const Document before = x.d;
  x.run(writeTrigger({CondPage::Departure, 3}, kTrig, x.st));
  x.run(writeTrigger({CondPage::Other, 1}, kTrig, x.st));
  EXPECT_EQ(x.d, before) << "slots a page does not have";
  EXPECT_FALSE(loadTrigger(x.d, x.st, {CondPage::FGGoals, 1}));
}

TEST(ConditionTool, AndOrFlagsPerPage) {
  Fixture x;
  x.st.selectedFGs = {1, 2};
  x.st.currentFG = 1;
  const CondTarget arrival{CondPage::Arrival, 1};
  x.run(*storeAndOr(arrival, AndOr::Pair12, true, x.st));
  x.run(*storeAndOr(arrival, AndOr::Between, true, x.st));
  x.run(*storeAndOr(arrival, AndOr::Pair34, true, x.st));
  for (std::size_t off : {150u, 168u, 166u})
    EXPECT_EQ(x.d.flightGroups[2].record[off], 1) << off;
  EXPECT_EQ(andOrFlags(x.d, x.st, arrival), (AndOrFlags{true, true, true}));
  x.run(*storeAndOr(arrival, AndOr::Between, false, x.st));
  EXPECT_EQ(x.d.flightGroups[1].record[168], 0);
  // Flight group 0 joins the selection with its own flags: those differ.
  x.st.selectedFGs = {0, 1, 2};
  EXPECT_EQ(andOrFlags(x.d, x.st, arrival), (AndOrFlags{std::nullopt, false, std::nullopt}));
  x.st.selectedFGs = {1, 2};

  EXPECT_FALSE(storeAndOr({CondPage::Departure, 1}, AndOr::Pair34, true, x.st));
  x.run(*storeAndOr({CondPage::Departure, 1}, AndOr::Pair12, true, x.st));
  EXPECT_EQ(x.d.flightGroups[1].record[186], 1);
  x.st.currentRegion = 4;
  x.st.currentOrder = 4;
  x.run(*storeAndOr({CondPage::Jump, 1}, AndOr::Pair12, true, x.st));
  EXPECT_EQ(x.d.flightGroups[2].record[2570 + 15 * 16 + 14], 1);

  x.st.selectedMsgs = {1};
  x.st.currentMsg = 1;
  x.run(*storeAndOr({CondPage::Message, 1}, AndOr::Pair34, true, x.st));
  x.run(*storeAndOr({CondPage::Message, 1}, AndOr::Between, true, x.st));
  EXPECT_EQ(x.d.messages[1].record[122], 1);
  EXPECT_EQ(x.d.messages[1].record[141], 1);
  EXPECT_EQ(andOrFlags(x.d, x.st, {CondPage::Message, 1}), (AndOrFlags{false, true, true}));

  x.st.currentTeam = 1;
  x.run(*storeAndOr({CondPage::GlobalGoals, 1, 1}, AndOr::Between, true, x.st));
  EXPECT_EQ(x.d.globalGoals[1].record[122 + 51], 1);
  EXPECT_FALSE(storeAndOr({CondPage::FGGoals, 1}, AndOr::Pair12, true, x.st));
}

TEST(ConditionTool, GoalStrings) {
  Fixture x;
  x.st.selectedFGs = {0, 1};
  x.st.currentFG = 1;
  x.st.currentGoal = 7;
  x.run(*storeGoalString({CondPage::FGGoals, 1}, 3, "Lost it", x.st));
  EXPECT_EQ(goalText(x.d.flightGroups[1].goalStrings[23]), "Lost it");
  EXPECT_EQ(goalText(x.d.flightGroups[0].goalStrings[23]), "");
  EXPECT_EQ(goalString(x.d, x.st, {CondPage::FGGoals, 1}, 3), "Lost it");

  x.st.currentTeam = 9;
  const CondTarget secondary{CondPage::GlobalGoals, 2, 2};
  x.run(*storeGoalString(secondary, 2, std::string(80, 'w'), x.st));
  EXPECT_EQ(goalText(x.d.globalGoalStrings[9].strings[(2 * 4 + 1) * 3 + 1]), std::string(64, 'w'));
  EXPECT_EQ(goalString(x.d, x.st, secondary, 2), std::string(64, 'w'));
  EXPECT_FALSE(storeGoalString({CondPage::Arrival, 1}, 1, "x", x.st));
  EXPECT_FALSE(storeGoalString(secondary, 4, "x", x.st));

  EXPECT_EQ(stringPanel(CondPage::GlobalGoals, 1).labels[1], "        Fail");
  EXPECT_EQ(stringPanel(CondPage::GlobalGoals, 2).visible,
            (std::array<bool, 3>{false, true, false}));
}

TEST(ConditionTool, ABoxWritesItsOwnByteIntoEveryRecordAndKeepsWhatDiffers) {
  Fixture x;
  const CondTarget arrival2{CondPage::Arrival, 2};
  // Two flight groups whose second arrival triggers name different
  // variables; the first holds a condition no list shows (200).
  x.st.currentFG = 0;
  x.run(writeTrigger(arrival2, Trigger{200, 1, 5, 3, 7, 9}, x.st));
  x.st.currentFG = 1;
  x.run(writeTrigger(arrival2, Trigger{2, 1, 6, 3, 7, 9}, x.st));
  x.st.selectedFGs = {0, 1, 2};
  std::optional<SharedToolBoxes> shared = sharedToolBoxes(x.d, x.st, arrival2);
  ASSERT_TRUE(shared);
  EXPECT_FALSE(shared->variable) << "5 and 6 differ";
  EXPECT_FALSE(shared->amount) << "the third flight group's trigger is empty";
  x.st.selectedFGs = {0, 1};
  shared = sharedToolBoxes(x.d, x.st, arrival2);
  EXPECT_EQ(shared->amount, 3);
  EXPECT_EQ(shared->parameter2, 9);
  EXPECT_FALSE(shared->condition);

  ToolBoxes boxes{4, 2, 0, 0, 0, "abc", 0};
  x.run(*toolBoxChanged(arrival2, ToolBox::Amount, boxes, x.st));
  EXPECT_EQ(bytesAt(x.d.flightGroups[0].record.data() + 142), (Trigger{200, 1, 5, 4, 7, 9}));
  EXPECT_EQ(bytesAt(x.d.flightGroups[1].record.data() + 142), (Trigger{2, 1, 6, 4, 7, 9}));
  EXPECT_EQ(sharedToolBoxes(x.d, x.st, arrival2)->amount, 4);
  x.run(*toolBoxChanged(arrival2, ToolBox::Parameter2, boxes, x.st));
  EXPECT_EQ(x.d.flightGroups[1].record[142 + 5], 0) << "not a number stores 0";
  x.run(*toolBoxChanged(arrival2, ToolBox::VariableType, boxes, x.st));
  for (std::size_t i : {0u, 1u})
    EXPECT_EQ(x.d.flightGroups[i].record[142 + 2], 0)
        << "a new variable type starts at its first variable";
  EXPECT_EQ(bytesAt(x.d.flightGroups[0].record.data() + 142), (Trigger{200, 2, 0, 4, 7, 0}));
  EXPECT_FALSE(toolBoxChanged({CondPage::Other, 1}, ToolBox::Amount, boxes, x.st));

  // A global goal's trigger, of the current team only, likewise.
  x.st.currentTeam = 3;
  const CondTarget primary{CondPage::GlobalGoals, 2, 0};
  x.run(writeTrigger(primary, Trigger{2, 1, 200, 3, 7, 9}, x.st));
  x.run(*toolBoxChanged(primary, ToolBox::Amount, boxes, x.st));
  EXPECT_EQ(*loadTrigger(x.d, x.st, primary), (Trigger{2, 1, 200, 4, 7, 9}));
  EXPECT_EQ(x.d.globalGoals[2].record[8 + 3], 0) << "another team's";

  // Messages: the cancel slot of both selected messages.
  x.st.selectedMsgs = {0, 2};
  x.st.currentMsg = 2;
  const CondTarget cancel{CondPage::Message, 6};
  x.run(*toolBoxChanged(cancel, ToolBox::Condition, {0, 0, 0, 49, 0, "", 0}, x.st));
  EditorState at = x.st;
  for (int m : {0, 2, 1}) {
    at.currentMsg = m;
    EXPECT_EQ(loadTrigger(x.d, at, cancel), (Trigger{Byte(m == 1 ? 0 : 49), 0, 0, 0, 0, 0}))
        << "message " << m;
  }
}

TEST(ConditionTool, GoalModeWritesTheCurrentGoalOfEverySelectedFlightGroup) {
  Fixture x;
  x.st.selectedFGs = {0, 1};
  x.st.currentGoal = 2;
  const CondTarget goals{CondPage::FGGoals, 1};
  const std::size_t g = 2826 + 2 * 80;
  x.d.flightGroups[0].record[g + 0] = 1; // requirement "must NOT"
  x.d.flightGroups[1].record[g + 0] = 2;
  x.d.flightGroups[1].record[g + 5] = 4; // team
  ToolBoxes boxes{4, 2, 3, 1, 6, "8", 0};
  EXPECT_FALSE(toolBoxChanged(goals, ToolBox::VariableType, boxes, x.st))
      << "goal mode has no variable type";
  const std::optional<SharedToolBoxes> before = sharedToolBoxes(x.d, x.st, goals);
  ASSERT_TRUE(before);
  EXPECT_FALSE(before->variable);
  EXPECT_EQ(before->variableType, 0);
  x.run(*toolBoxChanged(goals, ToolBox::Amount, boxes, x.st));
  x.run(*toolBoxChanged(goals, ToolBox::Parameter1, boxes, x.st));
  for (std::size_t i : {0u, 1u}) {
    EXPECT_EQ(x.d.flightGroups[i].record[g + 2], 4);
    EXPECT_EQ(x.d.flightGroups[i].record[g + 14], 6);
    EXPECT_EQ(x.d.flightGroups[i].record[g + 0], i + 1) << "each keeps its requirement";
  }
  EXPECT_EQ(x.d.flightGroups[1].record[g + 5], 4) << "the team is the team box's to set";
  EXPECT_EQ(x.d.flightGroups[2].record[g + 2], 0);
  x.run(*toolBoxChanged(goals, ToolBox::Variable, boxes, x.st));
  const std::optional<SharedToolBoxes> after = sharedToolBoxes(x.d, x.st, goals);
  EXPECT_EQ(after->variable, 3);
  EXPECT_EQ(after->parameter1, 6);
  const std::optional<ToolBoxes> shown = toolBoxesFor(x.d, x.st, goals);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->goalTeam, 0);
  x.st.currentGoal = 8;
  EXPECT_FALSE(sharedToolBoxes(x.d, x.st, goals));
}

TEST(ConditionTool, BoxesAndChoices) {
  Fixture x;
  EXPECT_EQ(triggerFromBoxes(3, 1, 2, 49, 5, "abc"), (Trigger{49, 1, 2, 3, 5, 0}));
  EXPECT_EQ(triggerFromBoxes(0, 0, 0, 0, 0, "300")[5], 255);
  const MissionLists lists = buildMissionLists(x.d);
  const auto near = parameterChoices(49, lists);
  ASSERT_GE(near.size(), 8u);
  EXPECT_EQ(near[0], "0");
  EXPECT_EQ(near[1], "Region #1");
  EXPECT_EQ(near[5], lists.fgNames[0]);
  const auto numbers = parameterChoices(2, lists);
  ASSERT_EQ(numbers.size(), 256u);
  EXPECT_EQ(numbers[0], "0");
  EXPECT_EQ(numbers[255], "255");

  x.st.currentMsg = 2;
  x.run(writeTrigger({CondPage::Message, 5}, kTrig, x.st));
  const auto texts = slotTexts(x.d, x.st, {CondPage::Message, 1}, lists);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[4], triggerText(kTrig.data(), lists));
  EXPECT_NE(texts[3], texts[4]);
}

} // namespace

TEST(ConditionTool, WhatEachPageShowsAndWhenItMustShowItAgain) {
  Fixture f;
  EXPECT_FALSE(toolLayout(CondPage::Other).shown);
  EXPECT_TRUE(slotSelectable(CondPage::Message, 6));
  EXPECT_FALSE(slotSelectable(CondPage::Departure, 3));
  EXPECT_TRUE(slotSelectable(CondPage::Other, 1)) << "the highlight alone";
  EXPECT_TRUE(toolLayout(CondPage::FGGoals).shown && toolLayout(CondPage::FGGoals).strings);
  EXPECT_FALSE(toolLayout(CondPage::FGGoals).variableType) << "goal mode lists requirements";
  EXPECT_TRUE(toolLayout(CondPage::Departure).pair12 && !toolLayout(CondPage::Departure).pairs34);
  EXPECT_EQ(toolVariableChoices(CondPage::FGGoals, 1, 3, buildMissionLists(f.d)).items[3],
            "BONUS must NOT");
  EXPECT_EQ(toolVariableChoices(CondPage::FGGoals, 1, 9, buildMissionLists(f.d)).selected, -1);
  EXPECT_EQ(stringPanel(CondPage::GlobalGoals, 1).colours[0], rgb(0, 144, 255));

  // A departure trigger edit concerns the departure page, not the arrival one.
  f.st.selectedFGs = {0};
  const CondTarget departure{CondPage::Departure, 2, 0};
  auto r = applyOperation(f.d, f.st, writeTrigger(departure, kTrig, f.st));
  ASSERT_TRUE(r.ok());
  const CurrentItems at = CurrentItems::of(f.st);
  const ViewUpdate u(&r->change, at, at);
  EXPECT_TRUE(toolConcerned(u, CondPage::Departure));
  EXPECT_FALSE(toolConcerned(u, CondPage::Arrival));
  EXPECT_FALSE(toolConcerned(u, CondPage::Message));
  // Renaming a flight group renames it in every trigger text.
  r = applyOperation(
      f.d, f.st, editFlightGroups("Name", "", {1}, [](FGObject& g, Edit&) { g.setName("Gold"); }));
  ASSERT_TRUE(r.ok());
  EXPECT_TRUE(toolConcerned(ViewUpdate(&r->change, at, at), CondPage::Arrival));
}

TEST(ConditionTool, HeadingNamesTheTriggersAndTheirOwner) {
  Fixture f;
  f.d.flightGroups[1].setName("Red");
  const MissionLists lists = buildMissionLists(f.d);
  f.st.currentFG = 1;
  f.st.currentGoal = 2;
  f.st.currentRegion = 1;
  f.st.currentOrder = 2;
  f.st.currentMsg = 3; // past the three messages
  f.st.currentTeam = 0;
  const std::string owner = lists.fgNames[1];
  ASSERT_NE(owner.find("Red"), std::string::npos);
  auto heading = [&](CondPage p, int kind = 0) {
    return toolHeading(f.d, f.st, {p, 1, kind}, lists);
  };
  EXPECT_EQ(heading(CondPage::Arrival), "Arrival of " + owner);
  EXPECT_EQ(heading(CondPage::Departure), "Departure of " + owner);
  EXPECT_EQ(heading(CondPage::Jump), "Order 2 jump, region 1, of " + owner);
  EXPECT_EQ(heading(CondPage::FGGoals), "Goal 3 of " + owner);
  EXPECT_EQ(heading(CondPage::GlobalGoals), "Primary goal of team 1");
  f.st.currentTeam = 9;
  EXPECT_EQ(heading(CondPage::GlobalGoals, 2), "Secondary goal of team 10");
  EXPECT_EQ(heading(CondPage::Message), "");
  f.st.currentMsg = 2;
  EXPECT_EQ(heading(CondPage::Message), "Message 3");
  f.st.selectedMsgs = {0, 2};
  EXPECT_EQ(heading(CondPage::Message), "Message 3 (2 selected)");
  f.st.selectedFGs = {0, 1, 2};
  EXPECT_EQ(heading(CondPage::Departure), "Departure of " + owner + " (3 selected)");
  EXPECT_EQ(heading(CondPage::Other), "");
  f.st.currentFG = 5;
  EXPECT_EQ(heading(CondPage::Arrival), "");
}
