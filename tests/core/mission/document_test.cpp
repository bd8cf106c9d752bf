#include "core/mission/fg_rules.h"
#include "core/mission/new_mission.h"
#include "core/mission/writer.h"

#include <gtest/gtest.h>

using namespace zephlo;

TEST(NewMission, Defaults) {
  const Document d = newMission(MissionPrefs{5, 3, false});
  ASSERT_EQ(d.flightGroups.size(), 1u);
  EXPECT_TRUE(d.messages.empty());
  const FGObject& f = d.flightGroups[0];
  EXPECT_EQ(f.name(), "Unnamed");
  EXPECT_EQ(f.at(fg::PlayerNumber), 1);
  EXPECT_EQ(f.at(fg::CraftType), 5);
  EXPECT_EQ(f.at(fg::AiRank), 3);
  EXPECT_FALSE(f.autolink);
  EXPECT_EQ(f.startPoint(1).enabled, 1);
  EXPECT_EQ(regionSet(f), (std::array<Byte, 4>{1, 0, 0, 0}));
  EXPECT_EQ(f.order(4, 4)[ord::Speed], 10);
  EXPECT_EQ(f.goal(7)[goal::Condition], 10);
  EXPECT_EQ(d.numFGsField(), 1);
  EXPECT_EQ(d.missionType(), 6);
  EXPECT_EQ(getText(d.header, hdr::RegionNames + 3 * 132, 132), "Region 4");
  EXPECT_EQ(d.teams[0].name(), "Rebel");
  EXPECT_EQ(d.teams[1].name(), "Imperial");
  EXPECT_EQ(d.teams[2].name(), "");
  EXPECT_EQ(getU16(d.globalGoals[9].record, 0), 3);
  EXPECT_EQ(getU16(d.teams[9].record, 0), 1);
  EXPECT_EQ(d.teamIff[1], 1);
  EXPECT_EQ(getText(d.description, 0, 4096), "$#");
  EXPECT_EQ(getText(d.hints, 0, 4096), "#");
  EXPECT_EQ(d.fileName, "Unnamed");
  EXPECT_EQ(d.voiceListPath, "none");
  EXPECT_EQ(d.briefing.runningTime(), 600);
  EXPECT_EQ(d.briefing.streamLength(), 2);
}

TEST(NewMission, FileSizeAndLayout) {
  Document d = newMission({});
  const std::vector<Byte> v = *serializeMission(d);
  // platform, header, one flight group, goals, teams, briefing, 256 empty
  // strings, A, four optional sections without value bytes, notes, B, C,
  // 24 + 360 empty goal strings, D, 1300 empty reserved strings, E, 3 texts.
  const std::size_t expected = 2 + 9198 + 3646 + 3680 + 4870 + 17428 + 512 + 17458 + (2 + 234) +
                               (2 + 44) + (2 + 88) + (2 + 108) + 4096 + 2172 + 26500 + 24 + 360 +
                               73 + 1300 + 2179 + 3 * 4096;
  EXPECT_EQ(v.size(), expected);
  EXPECT_EQ(v[0], 18);
  EXPECT_EQ(v[1], 0);
  EXPECT_EQ(v[2], 1) << "NumFGs";
}
