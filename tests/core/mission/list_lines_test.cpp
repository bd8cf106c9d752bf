#include "core/mission/list_lines.h"
#include "core/mission/new_mission.h"

#include <gtest/gtest.h>

using namespace zephlo;

namespace {

Document twoGroups() {
  Document d = newMission({});
  d.flightGroups.push_back(d.flightGroups[0]);
  return d;
}

void setGoal(FGObject& f, int g, int requirement, int condition, int team = 0) {
  f.goal(g)[goal::Requirement] = static_cast<Byte>(requirement);
  f.goal(g)[goal::Condition] = static_cast<Byte>(condition);
  f.goal(g)[goal::Team] = static_cast<Byte>(team);
}

} // namespace

TEST(ListLines, FlightGroupLineAndLabel) {
  Document d = newMission({});
  EXPECT_EQ(fgLineText(d, 0), "1     0  -  0   (1)  1  x  [ 1 ]  X-W  Unnamed");
  EXPECT_EQ(fgLabel(d, 0), "X-W Unnamed (1)");

  FGObject& f = d.flightGroups[0];
  f.set(fg::Team, 9);
  f.set(fg::GlobalGroup, 12);
  f.set(fg::GlobalUnit, 3);
  f.set(fg::PlayerFlag, 1);
  f.set(fg::PlayerNumber, 2);
  f.set(fg::NumWavesMinusOne, 2);
  f.set(fg::NumCraft, 4);
  f.set(fg::CraftType, 240); // beyond the short list
  f.setName("  Red  ");
  EXPECT_EQ(fgLineText(d, 0), "A   12  -  3? (2)  3  x  [ 4 ]  Unk  Red 1");
  EXPECT_EQ(fgLabel(d, 0), "Unk Red (2)");
}

TEST(ListLines, GlobalUnitNumbersAndRoles) {
  Document d = twoGroups();
  d.flightGroups.push_back(d.flightGroups[0]);
  for (auto& f : d.flightGroups) {
    f.set(fg::PlayerNumber, 0);
    f.set(fg::GlobalUnit, 7);
    f.set(fg::NumCraft, 3);
  }
  d.flightGroups[1].set(fg::GlobalUnit, 8);
  EXPECT_EQ(fgLabel(d, 0), "X-W Unnamed 1");
  EXPECT_EQ(fgLabel(d, 1), "X-W Unnamed 1");
  EXPECT_EQ(fgLabel(d, 2), "X-W Unnamed 4") << "after the 3 craft of the first group of unit 7";
  d.flightGroups[2].set(fg::GlobalUnit, 51);
  EXPECT_EQ(fgLabel(d, 2), "X-W Unnamed");
  EXPECT_EQ(fgLineText(d, 2).substr(0, 21), "1     0  -51         ");

  FGObject& f = d.flightGroups[0];
  f.set(fg::Role1, 3);
  EXPECT_EQ(fgLineText(d, 0).find('*'), std::string::npos) << "role 1 switched off";
  f.set(fg::Role1Switch, 0);
  EXPECT_EQ(fgLineText(d, 0).substr(fgLineText(d, 0).size() - 2), " *");
  f.set(fg::Role1, 7);
  EXPECT_EQ(fgLineText(d, 0).substr(fgLineText(d, 0).size() - 2), " ^");
}

TEST(ListLines, GoalLetters) {
  Document d = newMission({});
  FGObject& f = d.flightGroups[0];
  const std::string base = fgLineText(d, 0);
  setGoal(f, 0, 0, 2);
  setGoal(f, 1, 2, 1); // bonus
  setGoal(f, 2, 1, 44, 3);
  setGoal(f, 3, 3, 5); // a second bonus adds nothing
  setGoal(f, 4, 0, 0); // always true: not shown
  setGoal(f, 5, 0, 33);
  EXPECT_EQ(fgLineText(d, 0), base + " [d+Nbg*]");
  d.header[hdr::MissionType] = 4; // team numbers appear in these mission types
  EXPECT_EQ(fgLineText(d, 0), base + " [1d+4Nbg1*]");
  Document e = newMission({});
  setGoal(e.flightGroups[0], 0, 2, 2);
  EXPECT_EQ(fgLineText(e, 0), base + "+") << "only bonus goals: no brackets";
}

TEST(ListLines, FlightGroupColours) {
  Document d = newMission({});
  FGObject& f = d.flightGroups[0];
  EXPECT_EQ(fgLineColour(d, 0, true, 1), rgb(0, 255, 0));
  f.set(fg::Iff, 5);
  EXPECT_EQ(fgLineColour(d, 0, true, 1), rgb(219, 85, 253));
  f.set(fg::Iff, 9);
  EXPECT_EQ(fgLineColour(d, 0, true, 1), rgb(0, 128, 255));
  EXPECT_EQ(fgLineColour(d, 0, true, 2), rgb(79, 78, 79)) << "absent from region 2";
  EXPECT_EQ(fgLineColour(d, 0, false, 2), rgb(0, 128, 255));
  f.set(fg::Difficulty, 6);
  EXPECT_EQ(fgLineColour(d, 0, true, 2), rgb(128, 128, 128));
  f.set(fg::Difficulty, 7);
  EXPECT_EQ(fgLineColour(d, 0, false, 1), rgb(128, 128, 128));
}

TEST(ListLines, MessageLinesColoursAndVoiceMarks) {
  Document d = newMission({});
  for (int i = 0; i < 11; ++i) {
    MsgObject m;
    m.setText(i == 0 ? "2Attack!" : "Hello");
    d.messages.push_back(m);
  }
  EXPECT_EQ(msgLineText(d, 0), " 0:  Attack!");
  EXPECT_EQ(msgLineText(d, 10), "10:  Hello");
  EXPECT_EQ(displayedMessageText("4x"), "4x");
  EXPECT_EQ(displayedMessageText(""), "");

  const std::vector<std::string> voices = {"a.wav", "Dummy.Wav"};
  EXPECT_EQ(msgLineText(d, 0, voices), "   0:  Attack!") << "no voice list file";
  d.voiceListPath = "/game/Wave/MissionVoice/m.lst";
  EXPECT_EQ(msgLineText(d, 0, voices), "*  0:  Attack!");
  EXPECT_EQ(msgLineText(d, 1, voices), "   1:  Hello");
  EXPECT_EQ(msgLineText(d, 2, voices), " 2:  Hello") << "past the voice list";

  EXPECT_EQ(msgLineColour(d, 0), rgb(128, 128, 128)) << "sent to no team";
  d.messages[0].record[msg::SentTo + 3] = 1;
  d.messages[0].record[msg::Colour] = 1;
  EXPECT_EQ(msgLineColour(d, 0), rgb(255, 0, 0));
  d.messages[0].record[msg::Colour] = 2;
  EXPECT_EQ(msgLineColour(d, 0), rgb(0, 128, 255));
}

TEST(ListLines, CompletionLines) {
  Document d = newMission({});
  setText(d.teams[2].record, team::endTextOffset(0), 64, "Well done");
  setText(d.teams[2].record, team::endTextOffset(5), 64, std::string(64, 'x'));
  const auto lines = completionLines(d, 2);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "S1: Well done");
  EXPECT_EQ(lines[1], "S2: ");
  EXPECT_EQ(lines[3], "F2: ");
  EXPECT_EQ(lines[5], "s2: " + std::string(64, 'x'));
}
