#include "core/mission/goal_edits.h"
#include "core/mission/message_edits.h"
#include "core/mission/new_mission.h"
#include "core/mission/shared_values.h"
#include "core/mission/team_edits.h"
#include "support/apply_checked.h"

#include <gtest/gtest.h>

using namespace zephlo;
using zephlo::testing::applyChecked;

namespace {

struct Fixture {
  Document d = newMission(MissionPrefs{});
  EditorState st;
  Fixture() {
    for (int i = 0; i < 2; ++i)
      d.flightGroups.push_back(d.flightGroups[0]);
    for (int i = 0; i < 4; ++i) {
      MsgObject m;
      m.setText("Message " + std::to_string(i));
      d.messages.push_back(m);
    }
  }
  void run(const Operation& op) { applyChecked(d, st, op); }
  Byte fgAt(int i, std::size_t off) const {
    return d.flightGroups[static_cast<std::size_t>(i)].record[off];
  }
  MsgObject& msgAt(int i) { return d.messages[static_cast<std::size_t>(i)]; }
};

TEST(GoalEdits, FlightGroupGoalsOfEverySelectedFlightGroup) {
  Fixture x;
  x.st.selectedFGs = {0, 2};
  x.st.currentGoal = 5;
  const std::size_t g = 2826 + 5 * 80;
  x.run(storeGoalPoints(250, x.st));
  EXPECT_EQ(x.fgAt(0, g + 3), 10);
  EXPECT_EQ(x.fgAt(2, g + 3), 10);
  EXPECT_EQ(x.fgAt(1, g + 3), 0);
  EXPECT_EQ(goalPoints(x.d.flightGroups[2], 5), 250);
  x.run(storeGoalPoints(-32000, x.st));
  EXPECT_EQ(goalPoints(x.d.flightGroups[0], 5), -3200) << "held to the signed byte";
  x.run(storeGoalPoints(31750, x.st));
  EXPECT_EQ(goalPoints(x.d.flightGroups[0], 5), 3175);

  x.run(storeGoalTeam(0, x.st));
  EXPECT_EQ(x.fgAt(2, g + 4), 1);
  x.run(storeGoalTeam(3, x.st));
  EXPECT_EQ(x.fgAt(2, g + 5), 3);
  EXPECT_EQ(x.fgAt(2, g + 4), 0);

  // The tool's boxes each write their own byte; the team set above stays.
  const std::pair<GoalToolByte, int> boxes[] = {{GoalToolByte::Amount, 2},
                                                {GoalToolByte::Requirement, 1},
                                                {GoalToolByte::Condition, 2},
                                                {GoalToolByte::Parameter, 7},
                                                {GoalToolByte::Parameter2, 300}};
  for (auto [which, value] : boxes)
    x.run(storeGoalToolByte(which, value, x.st));
  const std::array<Byte, 16> expected = {1, 2, 2, 0x7F, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 7, 255};
  for (std::size_t k = 0; k < expected.size(); ++k)
    EXPECT_EQ(x.fgAt(0, g + k), expected[k]) << "goal byte " << k;
  EXPECT_EQ(x.fgAt(0, g - 80 + 1), 10) << "the goal before keeps its condition";
}

TEST(GoalEdits, GlobalGoalsOfTheCurrentTeam) {
  Fixture x;
  x.st.currentTeam = 3;
  x.run(storeGlobalGoalPoints(1, 75, x.st));
  EXPECT_EQ(x.d.globalGoals[3].record[122 + 53], 3);
  x.run(storeGlobalGoalPoints(2, -3200, x.st));
  EXPECT_EQ(x.d.globalGoals[3].record[244 + 53], 0x80);
  EXPECT_EQ(globalGoalPoints(x.d, 3, 2), -3200);
  x.run(storeGlobalGoalPoints(0, 5000, x.st));
  EXPECT_EQ(globalGoalPoints(x.d, 3, 0), 3175);
  x.run(storeGlobalGoalByte(2, HiddenGoalByte::At55, 17, x.st));
  EXPECT_EQ(x.d.globalGoals[3].record[244 + 55], 17);
  EXPECT_EQ(x.d.globalGoals[2], newMission(MissionPrefs{}).globalGoals[2]) << "other teams";
}

TEST(MessageEdits, SelectedMessagesAndTheCurrentOne) {
  Fixture x;
  x.st.selectedMsgs = {0, 1, 3};
  x.st.currentMsg = 1;
  x.run(storeMessageDelay(25, x.st));
  x.run(storeMessageText("Hello", x.st));
  for (int i : {0, 1, 3})
    EXPECT_EQ(x.msgAt(i).record[140], 25);
  EXPECT_EQ(x.msgAt(2).record[140], 0);
  EXPECT_EQ(x.msgAt(1).text(), "Hello");
  EXPECT_EQ(x.msgAt(0).text(), "Message 0") << "the text goes into the current message only";
  EXPECT_EQ(messageDelayLabel(25), "Delay:  0:45");
  x.run(storeMessageDelay(1000, x.st));
  EXPECT_EQ(x.msgAt(3).record[140], 255);

  x.run(storeMessageId("ABCDEFGHIJ", x.st));
  EXPECT_EQ(getText(x.msgAt(0).record, 124, 8), "ABCDEFGH");
  EXPECT_EQ(x.msgAt(0).record[132], 0) << "the byte after the I.D. is untouched";
  x.run(storeMessageHidden("x1", x.st));
  EXPECT_EQ(x.msgAt(3).record[132], 0);
  x.run(storeMessageHidden("12", x.st));
  EXPECT_EQ(x.msgAt(3).record[132], 12);
  x.run(storeCancelAnd(true, x.st));
  EXPECT_EQ(x.msgAt(0).record[158], 1);
  EXPECT_TRUE(cancelIsAnd(x.msgAt(3)));
}

TEST(MessageEdits, HiddenMarkerSurvivesEditing) {
  Fixture x;
  x.msgAt(0).setText("2Attack now");
  EXPECT_EQ(messageTextShown(x.msgAt(0)), "Attack now");
  x.run(storeMessageText("Retreat", x.st));
  EXPECT_EQ(x.msgAt(0).text(), "2Retreat");
  x.run(storeMessageText(std::string(70, 'a'), x.st));
  EXPECT_EQ(x.msgAt(0).text(), "2" + std::string(63, 'a'));
}

TEST(MessageEdits, SentToKeepsEverySelectedMessageInStep) {
  Fixture x;
  x.st.selectedMsgs = {1, 2};
  x.st.currentMsg = 2;
  x.run(storeSentTo({0, 5}, {}, x.st));
  for (int i : {1, 2}) {
    EXPECT_EQ(sentToRows(x.msgAt(i)), (std::vector<int>{0, 5}));
    EXPECT_EQ(x.msgAt(i).sentToAnyTeam, 1) << "message " << i;
  }
  // Team 3 only in message 1 shows mixed and stays as it is when team 0 is
  // taken from both.
  x.msgAt(1).record[85] = 1;
  const SharedRows shared = sharedSentTo(x.d, x.st);
  EXPECT_EQ(shared, (SharedRows{{0, 5}, {3}}));
  x.run(storeSentTo({5}, shared.all, x.st));
  EXPECT_EQ(sentToRows(x.msgAt(1)), (std::vector<int>{3, 5}));
  EXPECT_EQ(sentToRows(x.msgAt(2)), (std::vector<int>{5}));
  x.run(storeSentTo({}, {3, 5}, x.st));
  EXPECT_EQ(x.msgAt(1).sentToAnyTeam, 0);
  EXPECT_EQ(x.msgAt(1).record[87], 0);
}

TEST(TeamEdits, CurrentTeam) {
  Fixture x;
  x.st.currentTeam = 2;
  x.run(storeTeamIff(1, x.st));
  EXPECT_EQ(x.d.teamIff[2], 1);
  EXPECT_EQ(x.d.teams[2].name(), "Imperial");
  x.run(storeTeamName("Pirates of the Outer Rim", x.st));
  EXPECT_EQ(x.d.teams[2].name(), "Pirates of the O");
  x.run(storeTeamIff(2, x.st));
  EXPECT_EQ(x.d.teams[2].name(), "Pirates of the O") << "only IFFs 0 and 1 name the team";

  x.run(storeAllies({0, 7, 9}, x.st));
  EXPECT_EQ(allyRows(x.d.teams[2]), (std::vector<int>{0, 7}));
  const std::string full(64, 'z');
  x.run(storeEndText(6, full + "tail", x.st));
  EXPECT_EQ(endText(x.d.teams[2], 6), full) << "a full line has no terminator";
  EXPECT_EQ(x.d.teams[2].record[420], 0);
  EXPECT_EQ(cycledTeam(9), 0);

  x.d.flightGroups[0].set(113, 2);
  x.d.flightGroups[2].set(113, 2);
  x.run(linkTeamByRadio(x.st));
  EXPECT_EQ(x.fgAt(0, 116), 3);
  EXPECT_EQ(x.fgAt(1, 116), 0);
  EXPECT_EQ(x.fgAt(2, 116), 3);
  EXPECT_EQ(linkedByRadioNotice(x.d, 2), "Team 3.Pirates of the O has been linked by Radio");
}

} // namespace

TEST(TeamEdits, StepsAndCaptions) {
  EXPECT_EQ(previousTeam(0), 0);
  EXPECT_EQ(previousTeam(4), 3);
  EXPECT_EQ(nextTeam(9), 9) << "the buttons stop at the last team";
  EXPECT_EQ(cycledTeam(9), 0) << "cycling goes round";
  const std::vector<std::string> names = teamNameList(newMission({}));
  EXPECT_EQ(globalGoalTeamCaption(names, 1), "Team 2.Imperial");
  EXPECT_EQ(sentToTeamNames(names).size(), 8u);
}
