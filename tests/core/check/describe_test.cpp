#include "core/check/describe.h"
#include "core/mission/new_mission.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace zephlo;

namespace {

std::vector<std::string> describedLines(const Document& d) {
  std::string text;
  describeMission(d, text);
  EXPECT_EQ(text.back(), '\n');
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

} // namespace

TEST(Describe, LinesComeInTheirOrderWithTheirKeys) {
  Document d = newMission({});
  d.briefing.texts[0] = "Convoy";
  d.flightGroups.push_back(d.flightGroups[0]);
  FGObject& second = d.flightGroups[1];
  second.setName("Gold");
  second.set(fg::PlayerNumber, 0);
  Byte* order = second.order(2, 3);
  order[ord::Command] = 7;
  order[ord::Target1Type] = 1;
  order[ord::Target1] = 0;
  Byte* skip = second.record.data() + fg::skipOffset(2, 3);
  skip[trig::Condition] = 2;
  skip[trig::VariableType] = 1;
  skip[trig::Variable] = 0;
  MsgObject m;
  m.setText("Go");
  d.messages.push_back(m);

  const std::vector<std::string> lines = describedLines(d);
  // title; per flight group 2 + 4 + 2 + 16 + 8 lines and 2 per active order;
  // 7 per message; 10 teams x 3 kinds x 4 triggers.
  ASSERT_EQ(lines.size(), 1u + 2 * 32 + 2 + 7 + 120);
  EXPECT_EQ(lines[0], "title: Convoy");
  EXPECT_EQ(lines[1], "FG 0 line: 1     0  -  0   (1)  1  x  [ 1 ]  X-W  Unnamed");
  EXPECT_EQ(lines[2], "FG 0 label: X-W Unnamed (1)");
  EXPECT_EQ(lines[3], "FG 0 arrival 1: (Always true)");
  EXPECT_EQ(lines[7], "FG 0 departure 1: (Always true)");
  EXPECT_EQ(lines[9], "FG 0 order R1 O1: ---");
  EXPECT_EQ(lines[25], "FG 0 goal 1: <None>");
  EXPECT_EQ(lines[33], "FG 1 line: 1     0  -  0         1  x  [ 1 ]  X-W  Gold");

  const auto at =
      std::find(lines.begin(), lines.end(), "FG 1 order R2 O3: Attack:  X-W Unnamed (1) ");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(*(at + 1), "FG 1 skip R2 O3 1: 100% of X-W Unnamed (1) must be destroyed");
  EXPECT_EQ(*(at + 2), "FG 1 skip R2 O3 2: (Always true)");
  EXPECT_EQ(*(at + 3), "FG 1 order R2 O4: ---");

  const std::size_t msgAt = 1 + 2 * 32 + 2;
  EXPECT_EQ(lines[msgAt], "MSG 0 line:  0:  Go");
  EXPECT_EQ(lines[msgAt + 6], "MSG 0 trigger 6: (Always true)");
  EXPECT_EQ(lines[msgAt + 7], "GG 1 Primary 1: (Always true)");
  EXPECT_EQ(lines[msgAt + 11], "GG 1 Prevent 1: (Always true)");
  EXPECT_EQ(lines.back(), "GG 10 Secondary 4: (Always true)");
}

TEST(Describe, EightBitTextsComeOutAsUtf8) {
  Document d = newMission({});
  d.briefing.texts[0] = "Kessa \xC9tape"; // Latin-1 E acute
  d.flightGroups[0].setName("\xD8ks");
  MsgObject m;
  m.setText("\xA1Go!");
  d.messages.push_back(m);
  const std::vector<std::string> lines = describedLines(d);
  EXPECT_EQ(lines[0], "title: Kessa \u00C9tape");
  EXPECT_EQ(lines[2], "FG 0 label: X-W \u00D8ks (1)");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "MSG 0 line:  0:  \u00A1Go!"), lines.end());
}
