#include "core/map/battlefield.h"
#include "core/map/filters.h"
#include "support/map_fixtures.h"

#include <gtest/gtest.h>

namespace zephlo {
namespace {

using testing::craftAt;

// The filters as the map runs them: with the flight group's map fields.
bool passes(const FGObject& f, const MapFilters& filters, int region) {
  return passesFilters(f, mapFieldsOf(f, 1, 1), filters, region);
}

TEST(MapFilters, EachFilterHidesWhatItShould) {
  MapFilters all;
  FGObject f = craftAt(1, 0, 0, 0, 0);
  EXPECT_TRUE(passes(f, all, 1));
  EXPECT_FALSE(passes(f, all, 2)); // not in region 2

  f.set(fg::Iff, 6); // an IFF without a button is never shown
  EXPECT_FALSE(passes(f, all, 1));
  f.set(fg::Iff, 5);
  MapFilters noAzzameen = all;
  noAzzameen.iff[5] = false;
  EXPECT_FALSE(passes(f, noAzzameen, 1));

  f.set(fg::Difficulty, 3); // "Hard" is hidden behind the Medium button
  EXPECT_FALSE(passes(f, all, 1));
  EXPECT_TRUE(passesDifficulty(3, DifficultyFilter::Hard));
  EXPECT_TRUE(passesDifficulty(7, DifficultyFilter::None));
  EXPECT_FALSE(passesDifficulty(7, DifficultyFilter::Easy));
  f.set(fg::Difficulty, 4);
  EXPECT_TRUE(passes(f, all, 1));

  MapFilters early = all;
  early.earlyOnly = true;
  EXPECT_TRUE(passes(f, early, 1));
  f.set(fg::ArrivalPair2 + pair::Second + trig::Condition, 1);
  EXPECT_FALSE(passes(f, early, 1));
  early.pressAll();
  EXPECT_TRUE(passes(f, early, 1));
}

TEST(MapFilters, ArrivesEarlyWithinThirtySecondsOnly) {
  FGObject f = craftAt(1, 0, 0, 0, 0);
  EXPECT_TRUE(arrivesEarly(f));
  f.set(fg::ArrivalDelaySeconds, 29);
  EXPECT_TRUE(arrivesEarly(f));
  f.set(fg::ArrivalDelaySeconds, 30);
  EXPECT_FALSE(arrivesEarly(f));
  f.set(fg::ArrivalDelaySeconds, 0);
  f.set(fg::ArrivalDelayMinutes, 1);
  EXPECT_FALSE(arrivesEarly(f));
  f.set(fg::ArrivalDelayMinutes, 0);
  for (std::size_t at : {136u, 142u, 152u, 158u}) {
    FGObject g = f;
    g.set(at, 10);
    EXPECT_FALSE(arrivesEarly(g)) << at;
  }
  f.set(137, 10); // a variable without a condition does not matter
  EXPECT_TRUE(arrivesEarly(f));
}

TEST(MapFilters, ClassSetsAreTestedInTheirOrder) {
  MapFilters f;
  // One button at a time: which types it alone lets through.
  auto onlyButton = [](CraftClass c) {
    MapFilters m;
    m.classes.fill(false);
    if (c != CraftClass::AlwaysShown && c != CraftClass::None)
      m.classes[static_cast<std::size_t>(c)] = true;
    return m;
  };
  const MapFilters fighters = onlyButton(CraftClass::Starfighter);
  const MapFilters nothing = onlyButton(CraftClass::None);
  EXPECT_TRUE(passesClassFilter(1, fighters));
  EXPECT_FALSE(passesClassFilter(53, fighters));
  EXPECT_TRUE(passesClassFilter(53, onlyButton(CraftClass::Starship)));
  // 227 is listed as an object but every type from 184 on always passes.
  EXPECT_TRUE(passesClassFilter(227, nothing));
  EXPECT_TRUE(passesClassFilter(0, nothing));
  EXPECT_TRUE(passesClassFilter(92, nothing));
  // A type in no set never passes, whatever is down.
  EXPECT_EQ(craftClass(231), CraftClass::None);
  EXPECT_FALSE(passesClassFilter(231, f));
  // Every type 0-231 but 231 belongs to exactly the first set that holds it.
  int none = 0;
  for (int t = 0; t < 232; ++t)
    none += craftClass(t) == CraftClass::None;
  EXPECT_EQ(none, 1);
}

TEST(MapFilters, RegionsFollowHyperspaceOrders) {
  FGObject f = craftAt(1, 0, 0, 0, 0);
  Byte* o = f.order(1, 2);
  o[ord::Command] = 50;
  o[ord::Parameter1] = 2; // region 3
  f.order(4, 4)[ord::Command] = 50;
  f.order(4, 4)[ord::Parameter1] = 9; // no such region
  f.setStartPoint(2, f.startPoint(1));
  f.set(fg::StartPointRegions, 1); // start point 2 in region 2 does not count
  Document d;
  d.flightGroups = {f};
  MapFilters all;
  const MapCache cache(d, 1, 1);
  EXPECT_EQ(applyFilters(d, cache, all, 1), std::vector<Byte>{1});
  EXPECT_EQ(applyFilters(d, cache, all, 2), std::vector<Byte>{0});
  EXPECT_EQ(applyFilters(d, cache, all, 3), std::vector<Byte>{1});
  EXPECT_EQ(applyFilters(d, cache, all, 4), std::vector<Byte>{0});
  EXPECT_EQ(regionSet(f), (RegionSet{1, 0, 1, 0}));
  EXPECT_TRUE(presentInRegion(f, 3));
  EXPECT_FALSE(presentInRegion(f, 0));
  EXPECT_FALSE(presentInRegion(f, 5));
}

TEST(Battlefield, FitsTheShownFlightGroups) {
  Document d;
  d.flightGroups = {craftAt(1, 0, 0, 0, 0)};
  MapView v;
  v.resize(780, 560);
  v.mode = ViewMode::XY;
  v.autoCentre = AutoCentre::FitBattlefield;
  applyAutoCentre(v, d);
  EXPECT_EQ(v.zoom, 1950); // extent 0 fits at 2000, less the margin
  EXPECT_TRUE(v.fitted);
  EXPECT_EQ(v.project(0, 0, 0), (ScreenPoint{390, 280}));

  // An ISD (1 km, halved to 80 units) seeds the box; a far hidden group is ignored.
  d.flightGroups = {craftAt(53, 1, 1000, 0, 0), craftAt(1, 0, -1420, 300, 50),
                    craftAt(1, 0, 20000, 0, 0)};
  v.shown = {0, 1, 0}; // the first counts whatever its flag
  const BattlefieldBox box = computeBattlefield(d, v);
  EXPECT_EQ(box.extent, (std::array<int, 3>{2500, 300 + 80, 160}));
  EXPECT_EQ(box.centre, (std::array<int, 3>{-170, 110, 0})); // 380 / 2 from -80
  fitToBattlefield(v, box);
  // 121000 / 2500 = 48 (minus 3), 76000 / 380 = 200 (minus 3): the smaller wins.
  EXPECT_EQ(v.zoom, 45);
  EXPECT_EQ(v.project(-170, 110, 0), (ScreenPoint{390, 280}));

  // Margin steps on both sides of each edge (121000 / extent, truncated).
  auto fitOf = [&v](int extentX) {
    BattlefieldBox b;
    b.extent = {extentX, 0, 0}; // the vertical extent 0 alone would fit at 2000
    return fitZoomFor(v, b);
  };
  EXPECT_EQ(fitOf(100), 1210 - 50);
  EXPECT_EQ(fitOf(101), 1198 - 30);
  EXPECT_EQ(fitOf(601), 201 - 30);
  EXPECT_EQ(fitOf(605), 200 - 3);
  EXPECT_EQ(fitOf(4653), 26 - 3);
  EXPECT_EQ(fitOf(4840), 25 - 1);
  EXPECT_EQ(fitOf(6722), 18 - 1);
  EXPECT_EQ(fitOf(7117), 17);
  v.resize(1560, 560); // twice as wide fits twice the zoom
  EXPECT_EQ(fitOf(605), 400 - 30);

  // Other AutoCentre modes.
  v.autoCentre = AutoCentre::CurrentFG;
  v.currentFG = 1;
  applyAutoCentre(v, d);
  EXPECT_EQ(v.project(-1420, 300, 50), (ScreenPoint{780, 280}));
  v.autoCentre = AutoCentre::MapCentre;
  applyAutoCentre(v, d);
  EXPECT_EQ(v.project(0, 0, 0), (ScreenPoint{780, 280}));
}

} // namespace
} // namespace zephlo
