#include "core/map/labels.h"
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
  reloadDisplayWaypoints(f, 2, 3);
  EXPECT_EQ(f.WaypointZ[5], 500);
  EXPECT_EQ(f.WaypointX[8], -7);
  EXPECT_EQ(f.WaypointEnabled[8], 1);
  EXPECT_EQ(f.LastWaypointSlot, 8);
  // No heading straight up: leaned to (1, -1, dz).
  const double len = std::sqrt(2.0 + 500.0 * 500.0);
  EXPECT_DOUBLE_EQ(f.PitchCos, std::sqrt(2.0) / len);
  EXPECT_DOUBLE_EQ(f.PitchSin, 500 / len);
  EXPECT_DOUBLE_EQ(f.YawCos, 1 / std::sqrt(2.0));
  EXPECT_DOUBLE_EQ(f.YawSin, -1 / std::sqrt(2.0));

  reloadDisplayWaypoints(f, 1, 1); // towards (+300, +400) on the flat
  EXPECT_EQ(f.WaypointEnabled[8], 0);
  EXPECT_EQ(f.LastWaypointSlot, 5);
  EXPECT_DOUBLE_EQ(f.PitchCos, 1);
  EXPECT_DOUBLE_EQ(f.PitchSin, 0);
  EXPECT_DOUBLE_EQ(f.YawCos, 0.6);
  EXPECT_DOUBLE_EQ(f.YawSin, 0.8);

  // Without waypoint 1 the heading byte decides.
  reloadDisplayWaypoints(f, 3, 1);
  EXPECT_EQ(f.LastWaypointSlot, 1);
  const std::pair<int, std::pair<double, double>> headings[] = {
      {64, {1, 0}}, {128, {0, 1}}, {192, {-1, 0}}, {0, {0, -1}}, {65, {0, -1}}};
  for (const auto& [byte, yaw] : headings) {
    f.set(fg::Heading, static_cast<Byte>(byte));
    computeOrientation(f);
    EXPECT_EQ(std::make_pair(f.YawCos, f.YawSin), yaw) << byte;
    EXPECT_EQ(f.PitchCos, 1);
  }
  // A waypoint on the spot still points somewhere.
  setWaypoint(f, 3, 1, 1, 100, 100, 0);
  reloadDisplayWaypoints(f, 3, 1);
  EXPECT_DOUBLE_EQ(f.PitchSin, 1 / std::sqrt(3.0));
  // A region or order outside 1-4 shows no waypoints rather than other bytes.
  reloadDisplayWaypoints(f, 5, 1);
  EXPECT_EQ(f.LastWaypointSlot, 1);
}

TEST(Waypoints, LegsSkipDisabledSlotsAndOtherStartPoints) {
  FGObject f = craftAt(1, 0, 0, 0, 0);
  f.WaypointEnabled[2] = 1; // start point 2 is never a leg's start
  f.WaypointX[2] = 9999;
  setWaypoint(f, 1, 1, 1, 1600, 0, 0);
  setWaypoint(f, 1, 1, 2, 0, 0, 0, 0);     // off
  setWaypoint(f, 1, 1, 3, 1600, 300, 400); // 500 from waypoint 1
  setWaypoint(f, 1, 1, 4, 1601, 301, 400); // sqrt(2): rounds to 1
  reloadDisplayWaypoints(f, 1, 1);
  const auto legs = legDistances(f);
  EXPECT_EQ(legs[5], 1600);
  EXPECT_EQ(legs[6], 0);
  EXPECT_EQ(legs[7], 500);
  EXPECT_EQ(legs[8], 1);
  const auto sums = cumulativeDistances(f);
  EXPECT_EQ(sums[2], 0);
  EXPECT_EQ(sums[6], 1600);
  EXPECT_EQ(sums[8], 2101);
  EXPECT_EQ(sums[12], 2101);

  f.WaypointEnabled[1] = 0; // without start point 1 waypoint 1 has no leg
  EXPECT_EQ(legDistances(f)[5], 0);
  EXPECT_EQ(legDistances(f)[7], 500);
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
  f.ArrivesEarly = true;
  f.set(fg::ArrivalDelaySeconds, 20);
  EXPECT_EQ(distanceLabel(f, 5, 1600, 45, o), "(101) <126>");
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

TEST(MapFields, ReloadStaysOnTheEditPath) {
  Document d;
  d.flightGroups = {craftAt(1, 0, 0, 0, 0), craftAt(2, 1, 50, 0, 0), craftAt(3, 2, 0, 0, 0)};
  setWaypoint(d.flightGroups[1], 2, 1, 1, 800, 0, 0);
  d.flightGroups[2].set(fg::ArrivalDelayMinutes, 3);
  prepareMapFields(d, 1, 1);
  EXPECT_TRUE(d.flightGroups[0].ArrivesEarly);
  EXPECT_FALSE(d.flightGroups[2].ArrivesEarly);
  const Document before = d;
  EditorState st;
  auto r = applyOperation(d, st, {"Region", "", [](Edit& e) -> Status {
                                    reloadDisplayWaypoints(e, 2, 1);
                                    return {};
                                  }});
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r->change.flightGroups, std::vector<int>{1}); // only the one that moved
  EXPECT_EQ(d.flightGroups[1].WaypointX[5], 800);
  r->delta.revert(d);
  EXPECT_EQ(d, before);
}

} // namespace
} // namespace zephlo
