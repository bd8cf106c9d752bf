#include "core/map/backdrops.h"
#include "core/map/hyperbuoys.h"
#include "core/mission/fg_rules.h"
#include "support/test_missions.h"

#include <gtest/gtest.h>
#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include <string>

using namespace zephlo;

namespace {

Document missionWithRegions() {
  Document d = newMission(MissionPrefs{});
  const char* names[] = {"Tatooine", "Yavin", "Endor Moon", "Deep Space"};
  for (std::size_t r = 0; r < 4; ++r)
    setText(d.header, 98 + r * 132, 132, names[r]);
  return d;
}

const Templates kTemplates = makeTemplates(MissionPrefs{}, 0);

// Regions in which the buoy's order 1 is the beacon order.
std::vector<int> beaconRegions(const FGObject& f) {
  std::vector<int> out;
  for (int r = 0; r < 4; ++r)
    if (f.record[202 + static_cast<std::size_t>(r) * 592] == 49) out.push_back(r);
  return out;
}

} // namespace

TEST(Hyperbuoys, EntryPointsMakeFourBuoysLinkingBothWays) {
  Document d = missionWithRegions();
  EditorState st;
  auto r = applyOperation(d, st, addHyperbuoysOperation(kTemplates, 0, 2, true));
  ASSERT_TRUE(r);
  ASSERT_EQ(d.flightGroups.size(), 5u);
  EXPECT_EQ(d.numFGsField(), 5);
  EXPECT_EQ(st.currentFG, 0);

  struct Expect {
    const char* name;
    int region;
    Byte role1;
  };
  const Expect expect[] = {{"To Endor Moon", 0, 18}, // HYP to Region 3
                           {"From Tatooine", 2, 12}, // HYP from Region 1
                           {"To Tatooine", 2, 16},
                           {"From Endor Moon", 0, 14}};
  for (std::size_t k = 0; k < 4; ++k) {
    const FGObject& b = d.flightGroups[k + 1];
    SCOPED_TRACE(expect[k].name);
    EXPECT_EQ(b.name(), expect[k].name);
    EXPECT_EQ(b.at(3498), expect[k].region);
    EXPECT_EQ(b.at(20), 0);
    EXPECT_EQ(b.at(22), expect[k].role1);
    EXPECT_EQ(b.at(21), 255); // role 2 stays unused
    EXPECT_EQ(b.at(107), 85);
    EXPECT_EQ(b.at(109), 20);
    EXPECT_EQ(b.at(112), 0);
    EXPECT_EQ(beaconRegions(b), std::vector<int>{expect[k].region});
    std::array<Byte, 4> only{};
    only[static_cast<std::size_t>(expect[k].region)] = 1;
    EXPECT_EQ(regionSet(b), only);
    EXPECT_TRUE(b.autolink);
  }
  r->delta.revert(d);
  EXPECT_EQ(d, missionWithRegions());
}

TEST(Hyperbuoys, WithoutEntryPointsTheExitBuoysTakeBothRoles) {
  Document d = missionWithRegions();
  d.header[9130] = 7; // a family mission's buoys are of IFF 5
  setText(d.header, 98 + 3 * 132, 132, "A very long region name indeed");
  EditorState st;
  ASSERT_TRUE(applyOperation(d, st, addHyperbuoysOperation(kTemplates, 3, 1, false)));
  ASSERT_EQ(d.flightGroups.size(), 3u);
  const FGObject& a = d.flightGroups[1];
  const FGObject& b = d.flightGroups[2];
  EXPECT_EQ(a.name(), "Yavin");
  EXPECT_EQ(a.at(3498), 3);
  EXPECT_EQ(a.at(22), 17);
  EXPECT_EQ(a.at(21), 0);
  EXPECT_EQ(a.at(23), 15); // HYP from Region 4
  EXPECT_EQ(b.name(), "A very long region n");
  EXPECT_EQ(b.at(22), 19);
  EXPECT_EQ(b.at(23), 13);
  EXPECT_EQ(a.at(112), 5);

  EXPECT_FALSE(applyOperation(d, st, addHyperbuoysOperation(kTemplates, 0, 4, true)));
  EXPECT_EQ(d.flightGroups.size(), 3u);
}

TEST(Backdrops, DefaultBackdropIsAppendedInTheCurrentRegion) {
  Document d = newMission(MissionPrefs{});
  EditorState st;
  st.currentRegion = 2;
  st.selectedFGs = {0};
  ASSERT_TRUE(applyOperation(d, st, addDefaultBackdropOperation(kTemplates)));
  ASSERT_EQ(d.flightGroups.size(), 2u);
  EXPECT_EQ(d.numFGsField(), 2);
  const FGObject& b = d.flightGroups[1];
  EXPECT_EQ(b.name(), "1.0 1.0 1.0");
  EXPECT_EQ(getText(b.record, 40, 20), "1.0");
  EXPECT_EQ(getText(b.record, 60, 20), "1.0");
  EXPECT_EQ(b.at(107), 183);
  EXPECT_EQ(b.at(3602), 1);
  EXPECT_EQ(regionSet(b), (std::array<Byte, 4>{0, 1, 0, 0}));
  EXPECT_FALSE(b.autolink);
  EXPECT_EQ(st.currentFG, 0);
  EXPECT_EQ(st.selectedFGs, std::set<int>{0});
}

TEST(Backdrops, UseSetsTheShadowOfAllAndTheNumberOfBackdropsOnly) {
  Document d = newMission(MissionPrefs{});
  d.flightGroups.push_back(makeDefaultBackdrop(kTemplates, 0));
  const Byte specialCraft = d.flightGroups[0].at(105);
  EditorState st;
  ASSERT_TRUE(applyOperation(d, st, useBackdropOperation({0, 1, 7}, 40, 3)));
  EXPECT_EQ(d.flightGroups[0].at(25), 3);
  EXPECT_EQ(d.flightGroups[1].at(25), 3);
  EXPECT_EQ(d.flightGroups[1].at(3602), 40);
  EXPECT_EQ(d.flightGroups[0].at(3602), 0);
  EXPECT_EQ(d.flightGroups[0].at(105), specialCraft);
  EXPECT_FALSE(applyOperation(d, st, useBackdropOperation({1}, 256, 3)));

  EXPECT_EQ(backdropAtPoint(60, 10), 13);
  EXPECT_EQ(backdropAtPoint(50, 611), 12);
  EXPECT_EQ(shadowButtonFor(6), 6);
  EXPECT_EQ(shadowButtonFor(255), 0);
}

TEST(Backdrops, NamesComeFromBackdropsTxtWhenThereIsOne) {
  zephlo::testing::TempDir dir;
  auto none = readBackdropNames(dir.path("Backdrops.txt"));
  ASSERT_TRUE(none);
  EXPECT_FALSE(none->has_value());
  EXPECT_EQ(backdropNumberItems(*none).size(), 256u);

  const std::string text = "None\r\nPlanet 1\r\nNebula\r\n";
  zephlo::testing::writeFile(dir.path("Backdrops.txt"),
                             std::vector<std::uint8_t>(text.begin(), text.end()));
  auto names = readBackdropNames(dir.path("Backdrops.txt"));
  ASSERT_TRUE(names);
  EXPECT_EQ(backdropNumberItems(*names), (std::vector<std::string>{"None", "Planet 1", "Nebula"}));

#if !defined(_WIN32)
  // A FIFO in its place is refused in words, not read (it would block the start).
  const std::string fifo = dir.path("fifo.txt");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto piped = readBackdropNames(fifo);
  ASSERT_FALSE(piped);
  EXPECT_EQ(piped.error().message, "Cannot read " + fifo + ": it is not a regular file.");
#endif
}
