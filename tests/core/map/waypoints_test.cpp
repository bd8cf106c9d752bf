#include "core/map/labels.h"
#include "core/map/map_cache.h"
#include "core/map/map_options.h"
#include "core/map/map_scene.h"
#include "core/map/waypoints.h"
#include "support/map_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zephlo {
namespace {

using testing::craftAt;
using testing::setWaypoint;

TEST(Waypoints, ReloadTakesTheChosenOrderAndTurnsTheCraft) {
  FGObject f = craftAt(1, 0, 100, 100, 0);
  setWaypoint(f, 2, 3, 1, 100, 100, 500); // straight up
  setWaypoint(f, 2, 3, 4, -7, 8, 9);
  setWaypoint(f, 1, 1, 1, 400, 500, 0);
  MapFields m = mapFieldsOf(f, 2, 3);
  EXPECT_EQ(m.points[5].z, 500);
  EXPECT_EQ(m.points[8].x, -7);
  EXPECT_EQ(m.points[8].enabled, 1);
  EXPECT_EQ(m.points[1], f.startPoint(1)) << "slot 1 is start point 1 of the record";
  EXPECT_EQ(m.lastWaypointSlot, 8);
  // No heading straight up: leaned to (1, -1, dz).
  const double len = std::sqrt(2.0 + 500.0 * 500.0);
  EXPECT_DOUBLE_EQ(m.orientation.pitchCos, std::sqrt(2.0) / len);
  EXPECT_DOUBLE_EQ(m.orientation.pitchSin, 500 / len);
  EXPECT_DOUBLE_EQ(m.orientation.yawCos, 1 / std::sqrt(2.0));
  EXPECT_DOUBLE_EQ(m.orientation.yawSin, -1 / std::sqrt(2.0));

  m = mapFieldsOf(f, 1, 1); // towards (+300, +400) on the flat
  EXPECT_EQ(m.points[8].enabled, 0);
  EXPECT_EQ(m.lastWaypointSlot, 5);
  EXPECT_DOUBLE_EQ(m.orientation.pitchCos, 1);
  EXPECT_DOUBLE_EQ(m.orientation.pitchSin, 0);
  EXPECT_DOUBLE_EQ(m.orientation.yawCos, 0.6);
  EXPECT_DOUBLE_EQ(m.orientation.yawSin, 0.8);

  // Without waypoint 1 the heading byte decides.
  EXPECT_EQ(mapFieldsOf(f, 3, 1).lastWaypointSlot, 1);
  const std::pair<int, std::pair<double, double>> headings[] = {
      {64, {1, 0}}, {128, {0, 1}}, {192, {-1, 0}}, {0, {0, -1}}, {65, {0, -1}}};
  for (const auto& [byte, yaw] : headings) {
    f.set(fg::Heading, static_cast<Byte>(byte));
    const Orientation o = mapFieldsOf(f, 3, 1).orientation;
    EXPECT_EQ(std::make_pair(o.yawCos, o.yawSin), yaw) << byte;
    EXPECT_EQ(o.pitchCos, 1);
  }
  // A waypoint on the spot still points somewhere.
  setWaypoint(f, 3, 1, 1, 100, 100, 0);
  EXPECT_DOUBLE_EQ(mapFieldsOf(f, 3, 1).orientation.pitchSin, 1 / std::sqrt(3.0));
  // A region or order outside 1-4 shows no waypoints rather than other bytes.
  EXPECT_EQ(mapFieldsOf(f, 5, 1).lastWaypointSlot, 1);
  EXPECT_EQ(mapFieldsOf(f, 1, 0).points[5], Point{});
}

TEST(Waypoints, HeadingQuarters) {
  // The waypoint editor's heading buttons and the wireframe's default yaw
  // read the heading byte alike: only the three exact values turn.
  const std::pair<int, int> quarters[] = {{0, 0},  {64, 1}, {128, 2}, {192, 3},
                                          {63, 0}, {65, 0}, {127, 0}, {255, 0}};
  for (auto [byte, quarter] : quarters)
    EXPECT_EQ(headingQuarter(byte), quarter) << byte;
}

TEST(Waypoints, LegsSkipDisabledSlotsAndOtherStartPoints) {
  FGObject f = craftAt(1, 0, 0, 0, 0);
  f.setStartPoint(2, {9999, 0, 0, 1}); // start point 2 is never a leg's start
  setWaypoint(f, 1, 1, 1, 1600, 0, 0);
  setWaypoint(f, 1, 1, 2, 0, 0, 0, 0);     // off
  setWaypoint(f, 1, 1, 3, 1600, 300, 400); // 500 from waypoint 1
  setWaypoint(f, 1, 1, 4, 1601, 301, 400); // sqrt(2): rounds to 1
  const DisplayWaypoints w = displayWaypoints(f, 1, 1);
  const auto legs = legDistances(w);
  EXPECT_EQ(legs[5], 1600);
  EXPECT_EQ(legs[6], 0);
  EXPECT_EQ(legs[7], 500);
  EXPECT_EQ(legs[8], 1);
  const auto sums = cumulativeDistances(w);
  EXPECT_EQ(sums[2], 0);
  EXPECT_EQ(sums[6], 1600);
  EXPECT_EQ(sums[8], 2101);
  EXPECT_EQ(sums[12], 2101);

  f.setStartPoint(1, {0, 0, 0, 0}); // without start point 1 waypoint 1 has no leg
  EXPECT_EQ(legDistances(displayWaypoints(f, 1, 1))[5], 0);
  EXPECT_EQ(legDistances(displayWaypoints(f, 1, 1))[7], 500);
}

TEST(Waypoints, SpeedComesFromTheFirstMovingOrder) {
  FGObject f = craftAt(1, 0, 0, 0, 0); // X-wing: 45 MGLT
  f.order(2, 1)[ord::Speed] = 8;       // command 0: not a moving order
  EXPECT_EQ(flightSpeed(f, 2), 36);    // falls back to order 1: 45 x 8 / 10
  f.order(2, 3)[ord::Command] = 21;
  f.order(2, 3)[ord::Speed] = 5;
  f.order(2, 4)[ord::Command] = 1;
  EXPECT_EQ(flightSpeed(f, 2), 22); // 22.5 rounds to even
  f.order(2, 3)[ord::Speed] = 10;
  f.order(2, 3)[18] = 77; // an exact speed at 100 percent
  EXPECT_EQ(flightSpeed(f, 2), 77);
  f.order(2, 3)[ord::Speed] = 9;
  EXPECT_EQ(flightSpeed(f, 2), 40); // 40.5 rounds to even
}

TEST(MapLabels, NamesAndDistances) {
  FGObject f = craftAt(1, 0, 0, 0, 0, "  Red ");
  EXPECT_EQ(nameLabel(f, 1, false, false), "  ");
  EXPECT_EQ(nameLabel(f, 1, true, false), "   Red");
  EXPECT_EQ(nameLabel(f, 3, true, true), "  Start 3");
  EXPECT_EQ(nameLabel(f, 4, true, false), "  Depart Red");
  EXPECT_EQ(nameLabel(f, 12, true, false), "  w 8 Red");

  MapOptions o;
  EXPECT_EQ(distanceLabel(f, 5, 1600, 45, o), "");
  o.showDistances = true;
  EXPECT_EQ(distanceLabel(f, 1, 1600, 45, o), ""); // never at the icon
  EXPECT_EQ(distanceLabel(f, 5, 1600, 45, o), "10.00km ");
  EXPECT_EQ(distanceLabel(f, 3, 1600, 45, o), "0.00km ");
  o.showTime = true;
  // 10 km at 45 MGLT: 100.57 s.
  EXPECT_EQ(distanceLabel(f, 5, 1600, 45, o), "10.00km (101)");
  EXPECT_EQ(distanceLabel(f, 5, 1600, 0, o), "10.00km (Holding)");
  o.showDistances = false;
  EXPECT_EQ(distanceLabel(f, 5, 1600, 45, o), "(101)");
  f.set(fg::ArrivalDelaySeconds, 20); // still within 30 seconds, so early
  EXPECT_EQ(distanceLabel(f, 5, 1600, 45, o), "(101) <126>");
  f.set(fg::ArrivalDelaySeconds, 30); // no longer early
  EXPECT_EQ(distanceLabel(f, 5, 1600, 45, o), "(101)");
  f.set(fg::ArrivalDelaySeconds, 20);
  f.set(fg::CraftType, 83); // a buoy does not move
  EXPECT_EQ(distanceLabel(f, 5, 1600, 45, o), "");
}

TEST(MapOptions, StartDefaultsFollowThePreferences) {
  MapPreferences prefs;
  prefs.defaultWPs = 2;
  prefs.defaultWPtime = true;
  prefs.defaultHyp = true;
  prefs.autoCtr = 3;
  MapView v;
  applyStartDefaults(v, prefs);
  const MapOptions o = mapOptionsFrom(prefs);
  EXPECT_EQ(v.waypoints, WaypointDisplay::Current);
  EXPECT_EQ(v.autoCentre, AutoCentre::FitBattlefield);
  EXPECT_FALSE(v.namesOn);
  EXPECT_TRUE(o.showTime);
  EXPECT_FALSE(o.showDistances);
  EXPECT_FALSE(o.showHyp); // starts off whatever the preference
  EXPECT_TRUE(o.waypointLines);
  prefs.defaultWPs = 1;
  prefs.autoCtr = 9; // a damaged setting: no adjustment rather than an invalid mode
  applyStartDefaults(v, prefs);
  EXPECT_EQ(v.waypoints, WaypointDisplay::All);
  EXPECT_EQ(v.autoCentre, AutoCentre::None);
}

TEST(MapScene, DrawOrderSlotsCullingAndIcons) {
  MapView v;
  v.currentFG = 2;
  v.shown = {1, 0, 1, 1, 1};
  EXPECT_EQ(drawOrder(v, 5), (std::vector<int>{4, 3, 0, 2}));
  v.firstDrawn = v.lastDrawn = 2; // Current FG only
  EXPECT_EQ(drawOrder(v, 5), (std::vector<int>{2}));
  v.shown[2] = 0;
  EXPECT_TRUE(drawOrder(v, 5).empty());
  v.lastDrawn = 9; // a range left from a longer list
  v.firstDrawn = 0;
  EXPECT_EQ(drawOrder(v, 4), (std::vector<int>{3, 0}));

  EXPECT_EQ(lastSlotDrawn(v, 1), 1);
  v.waypoints = WaypointDisplay::Current;
  EXPECT_EQ(lastSlotDrawn(v, 2), 12);
  EXPECT_EQ(lastSlotDrawn(v, 1), 1);

  v.resize(320, 320); // 10 km across at zoom 32, centred on the origin
  EXPECT_TRUE(isOnScreen(craftAt(1, 0, 799, 0, 0), v));
  EXPECT_FALSE(isOnScreen(craftAt(1, 0, 800, 0, 0), v));  // strictly inside
  EXPECT_TRUE(isOnScreen(craftAt(54, 0, 1400, 0, 0), v)); // 4 km widens the window
  v.mode = ViewMode::XZ;
  EXPECT_FALSE(isOnScreen(craftAt(1, 0, 0, 0, 900), v));
  EXPECT_TRUE(isOnScreen(craftAt(1, 0, 0, 900, 0), v)); // Y is depth here

  MapOptions o;
  EXPECT_EQ(iconKind(0, v, o), IconKind::None);
  EXPECT_EQ(iconKind(53, v, o), IconKind::Wireframe);
  EXPECT_EQ(iconKind(2, v, o), IconKind::Bitmap);
  EXPECT_EQ(iconKind(1, v, o), IconKind::Wireframe); // zoom 32 > 4
  o.iconZoomSmall = 32;
  EXPECT_EQ(iconKind(1, v, o), IconKind::Bitmap);
  o.iconZoomSmall = 4;
  o.onlyXY = true;
  EXPECT_EQ(iconKind(1, v, o), IconKind::Bitmap); // X-Z view
  v.iconsOnly = true;
  EXPECT_EQ(iconKind(53, v, o), IconKind::Bitmap);
}

TEST(MapCache, FollowsTheChangesAndTheShownOrder) {
  Document d;
  d.flightGroups = {craftAt(1, 0, 0, 0, 0), craftAt(2, 1, 50, 0, 0), craftAt(3, 2, 0, 0, 0)};
  setWaypoint(d.flightGroups[1], 2, 1, 1, 800, 0, 0);
  d.flightGroups[2].set(fg::ArrivalDelayMinutes, 3);
  MapCache cache(d, 1, 1);
  ASSERT_EQ(cache.size(), 3);
  EXPECT_TRUE(cache[0].arrivesEarly);
  EXPECT_FALSE(cache[2].arrivesEarly);
  EXPECT_EQ(cache[1].regions, (RegionSet{1, 0, 0, 0}));
  EXPECT_FALSE(cache[1].points.enabled(5));
  EXPECT_EQ(cache[7], MapFields{}) << "past the list: nothing";

  // A region switch shows that region's order; the document stays as it was.
  const Document before = d;
  cache.rebuild(d, 2, 1);
  EXPECT_EQ(cache[1].points[5].x, 800);
  EXPECT_EQ(d, before);

  // An edit names what it changed: only that flight group is taken again.
  EditorState st;
  auto r = applyOperation(d, st, editFlightGroups("Edit", "", {2}, [](FGObject& f, Edit&) {
                            f.set(fg::ArrivalDelayMinutes, 0);
                            setWaypoint(f, 2, 1, 1, -160, 0, 0);
                            f.setStartPoint(1, {320, 0, 0, 1});
                          }));
  ASSERT_TRUE(r.ok());
  d.flightGroups[0].setStartPoint(1, {999, 0, 0, 1}); // behind the cache's back
  cache.update(d, r->change);
  EXPECT_TRUE(cache[2].arrivesEarly);
  EXPECT_EQ(cache[2].points[5].x, -160);
  EXPECT_EQ(cache[2].points[1].x, 320);
  EXPECT_EQ(cache[0].points[1].x, 0) << "not named by the change";
  EXPECT_EQ(cache.region(), 2);

  // A change of the list takes everything again.
  r = applyOperation(d, st, {"Add", "", [](Edit& e) -> Status {
                               e.appendFlightGroup(craftAt(4, 0, 1, 2, 3));
                               return {};
                             }});
  ASSERT_TRUE(r.ok());
  cache.update(d, r->change);
  ASSERT_EQ(cache.size(), 4);
  EXPECT_EQ(cache[0].points[1].x, 999);
  EXPECT_EQ(cache[3].points[1].z, 3);
}

} // namespace
} // namespace zephlo
