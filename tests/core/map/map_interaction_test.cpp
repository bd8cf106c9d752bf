#include "core/map/map_cache.h"
#include "core/map/map_interaction.h"
#include "core/map/waypoint_edits.h"
#include "core/map/waypoints.h"
#include "support/apply_checked.h"
#include "support/map_fixtures.h"

#include <gtest/gtest.h>

namespace zephlo {
namespace {

using testing::applyChecked;
using testing::craftAt;
using testing::setWaypoint;

struct Scene {
  Document doc;
  EditorState st;
  MapView view;
  Scene() {
    view.resize(800, 600);
    view.zoom = 32;
  }
  Applied apply(const Operation& op) { return applyChecked(doc, st, op); }
  const FGObject& fg(int i) const { return doc.flightGroups[static_cast<std::size_t>(i)]; }
  Point start(int i) const { return fg(i).startPoint(1); }
  // What the map shows of the document, for the hit test.
  MapCache cache() const { return MapCache(doc, st.currentRegion, st.currentOrder); }
};

TEST(MapHitTest, TolerancesAndTieBreaks) {
  EXPECT_EQ(hitTolerance(32), 46);
  EXPECT_EQ(hitTolerance(200), 6);
  EXPECT_EQ(hitTolerance(499), 2);
  EXPECT_EQ(hitTolerance(1000), 2);
  EXPECT_EQ(hitTolerance(2000), 1);

  Scene s;
  // Two flight groups on one spot: the lower index wins though the other is on top.
  s.doc.flightGroups = {craftAt(1, 0, 0, 0, 0), craftAt(2, 1, 1600, 0, 0),
                        craftAt(3, 1, 1600, 0, 0)};
  s.view.currentFG = 0; // elsewhere: the plain order holds
  const int x = s.view.toScreenX(1600), y = s.view.toScreenY(0);
  EXPECT_EQ(hitTest(s.cache(), s.view, x, y, PressButton::Left), (MapHit{1, 1}));
  // 45 units from the point still hits at zoom 32; 48 do not.
  EXPECT_EQ(hitTest(s.cache(), s.view, x + 45 * 32 / 160.0, y, PressButton::Left), (MapHit{1, 1}));
  EXPECT_FALSE(hitTest(s.cache(), s.view, x + 48 * 32 / 160.0, y, PressButton::Left));
  // Hidden flight groups are not hit, and neither is anything outside "Current FG only".
  s.view.shown = {1, 0, 1};
  EXPECT_EQ(hitTest(s.cache(), s.view, x, y, PressButton::Left), (MapHit{2, 1}));
  s.view.shown = {1, 1, 1};
  s.view.firstDrawn = s.view.lastDrawn = 0;
  EXPECT_FALSE(hitTest(s.cache(), s.view, x, y, PressButton::Left));
}

TEST(MapHitTest, TheCurrentThenTheSelectedFlightGroupsComeFirst) {
  Scene s;
  s.doc.flightGroups = {craftAt(1, 0, 0, 0, 0), craftAt(2, 1, 1600, 0, 0),
                        craftAt(3, 1, 1600, 0, 0), craftAt(4, 1, 1600, 0, 0)};
  s.view.waypoints = WaypointDisplay::Current;
  setWaypoint(s.doc.flightGroups[0], 1, 1, 1, 1600, 0, 0);
  const int x = s.view.toScreenX(1600), y = s.view.toScreenY(0);
  auto hit = [&](const std::set<int>& selected, PressButton b = PressButton::Left) {
    return hitTest(s.cache(), s.view, x, y, b, selected);
  };
  s.view.currentFG = 3;
  EXPECT_EQ(hit({}), (MapHit{3, 1})) << "the current one under the pointer";
  EXPECT_EQ(hit({1, 2}), (MapHit{3, 1})) << "before the selected ones";
  s.view.currentFG = 0; // its waypoint 1 lies there too
  EXPECT_EQ(hit({}), (MapHit{0, 5}));
  EXPECT_FALSE(hit({}, PressButton::Right)) << "its waypoint decides: a right press pans";
  s.view.waypoints = WaypointDisplay::None;
  EXPECT_EQ(hit({0, 2, 3}), (MapHit{2, 1})) << "the lowest selected one under the pointer";
  EXPECT_EQ(hit({0}), (MapHit{1, 1})) << "none of them there: the plain order";
  // A selected flight group that is hidden or outside "Current FG only" is passed over.
  s.view.shown = {1, 1, 0, 1};
  EXPECT_EQ(hit({2, 3}), (MapHit{3, 1}));
  s.view.firstDrawn = s.view.lastDrawn = 1;
  EXPECT_EQ(hit({2, 3}), (MapHit{1, 1}));

  // A press takes them in the same order.
  s.view.firstDrawn = 0;
  s.view.lastDrawn = -1;
  const MapPress p{.x = double(x), .y = double(y), .left = true, .leftPressed = true};
  EXPECT_EQ(pressOutcome(s.cache(), s.view, p, {3}), (PressOutcome{PressKind::Drag, {3, 1}, 0}));
}

TEST(MapHitTest, WaypointsTakePartOnlyWhenShownAndRightPressTakesOnlyStartPoints) {
  Scene s;
  FGObject f = craftAt(1, 0, 0, 0, 0);
  setWaypoint(f, 1, 1, 1, 3200, 0, 0);
  s.doc.flightGroups = {f};
  const int x = s.view.toScreenX(3200), y = s.view.toScreenY(0);
  EXPECT_FALSE(hitTest(s.cache(), s.view, x, y, PressButton::Left)); // waypoints not shown
  s.view.waypoints = WaypointDisplay::Current;
  EXPECT_EQ(hitTest(s.cache(), s.view, x, y, PressButton::Left), (MapHit{0, 5}));
  EXPECT_FALSE(hitTest(s.cache(), s.view, x, y, PressButton::Right)); // pans instead
  EXPECT_EQ(hitTest(s.cache(), s.view, s.view.toScreenX(0), y, PressButton::Right), (MapHit{0, 1}));
  // A disabled waypoint is not a point.
  setWaypoint(s.doc.flightGroups[0], 1, 1, 1, 3200, 0, 0, 0);
  EXPECT_FALSE(hitTest(s.cache(), s.view, x, y, PressButton::Left));
  s.doc.flightGroups.clear();
  EXPECT_FALSE(hitTest(s.cache(), s.view, 400, 300, PressButton::Left));
}

TEST(MapPress, WhatAPressStarts) {
  Scene s;
  FGObject f = craftAt(1, 0, 0, 0, 0);
  setWaypoint(f, 1, 1, 1, 1600, 0, 0);
  s.doc.flightGroups = {f};
  s.view.waypoints = WaypointDisplay::All;
  const MapCache cache = s.cache();
  auto press = [&](double x, double y, bool left, bool right, bool modifiers = false) {
    const MapPress p{.x = x,
                     .y = y,
                     .left = left,
                     .right = right,
                     .otherButtons = false,
                     .leftPressed = left,
                     .modifiers = modifiers};
    return pressOutcome(cache, s.view, p);
  };
  const double x0 = s.view.toScreenX(0), x1 = s.view.toScreenX(1600), y = s.view.toScreenY(0);
  const double emptyX = s.view.toScreenX(-3200);
  EXPECT_EQ(press(x0, y, true, false).kind, PressKind::Drag);
  EXPECT_EQ(press(x1, y, true, false), (PressOutcome{PressKind::Drag, {0, 5}, 0}));
  EXPECT_EQ(press(x0, y, false, true), (PressOutcome{PressKind::PanOnPoint, {0, 1}, 0}));
  EXPECT_EQ(press(x1, y, false, true).kind, PressKind::Pan) << "a right press takes no waypoint";
  EXPECT_EQ(press(emptyX, y, true, false).kind, PressKind::HoldZoom);
  EXPECT_EQ(press(emptyX, y, false, true).kind, PressKind::Pan);
  EXPECT_EQ(press(x0, y, true, true).kind, PressKind::ToggleDatapad);
  EXPECT_EQ(press(x0, y, true, false, true).kind, PressKind::Nothing) << "Ctrl, Shift or Alt";
  MapPress shifted{.x = emptyX, .y = y, .left = true, .leftPressed = true, .modifiers = true};
  shifted.shift = true;
  EXPECT_EQ(pressOutcome(cache, s.view, shifted).kind, PressKind::SelectBox);
  shifted.x = x0;
  EXPECT_EQ(pressOutcome(cache, s.view, shifted).kind, PressKind::SelectBox) << "on a point too";
  shifted.left = false;
  shifted.right = true;
  shifted.leftPressed = false;
  EXPECT_EQ(pressOutcome(cache, s.view, shifted).kind, PressKind::Nothing) << "the right button";
  EXPECT_EQ(press(x0, y, false, false).kind, PressKind::Nothing) << "a middle button";

  // A locked start point 1 is refused (it still becomes current); waypoints still move.
  s.view.startLocked = true;
  EXPECT_EQ(press(x0, y, true, false), (PressOutcome{PressKind::Locked, {0, 1}, 0}));
  EXPECT_EQ(press(x0, y, false, true).kind, PressKind::Locked);
  EXPECT_EQ(press(x1, y, true, false).kind, PressKind::Drag);

  // The palette strip takes a left press, even with a modifier, before any point.
  s.view.paletteOn = true;
  const double strip = s.view.height - 30;
  EXPECT_EQ(press(2 * 16 + 4, strip, true, false, true), (PressOutcome{PressKind::Palette, {}, 3}));
  EXPECT_EQ(press(2 * 16 + 4, strip, false, true).kind, PressKind::Pan);
}

TEST(MapSelectBox, TakesTheShownStartPointsInsideIt) {
  Scene s;
  s.doc.flightGroups = {craftAt(1, 0, 0, 0, 0), craftAt(2, 0, 1600, 0, 0),
                        craftAt(3, 0, 3200, 0, 0), craftAt(4, 0, 1600, 1600, 0)};
  // Flight group 0's waypoint lies in the box, its start point does not.
  setWaypoint(s.doc.flightGroups[0], 1, 1, 1, 1600, 800, 0);
  s.view.waypoints = WaypointDisplay::All;
  const MapCache cache = s.cache();
  auto box = [&](double h0, double v0, double h1, double v1) {
    return flightGroupsInBox(cache, s.view, s.view.toScreenX(h0), s.view.toScreenY(v0),
                             s.view.toScreenX(h1), s.view.toScreenY(v1));
  };
  EXPECT_EQ(box(800, -800, 2400, 2400), (std::vector<int>{1, 3}));
  EXPECT_EQ(box(2400, 2400, 800, -800), (std::vector<int>{1, 3})) << "corners in any order";
  EXPECT_EQ(box(-100, -100, 100, 100), (std::vector<int>{0}));
  EXPECT_TRUE(box(5000, 5000, 6000, 6000).empty());
  s.view.shown = {1, 0, 1, 1};
  EXPECT_EQ(box(800, -800, 2400, 2400), (std::vector<int>{3})) << "hidden ones are not taken";
  s.view.mode = ViewMode::XZ; // Y is not on screen: flight group 3 lies at Z 0 too
  EXPECT_EQ(box(800, -800, 2400, 800), (std::vector<int>{3}));

  EXPECT_EQ(boxSelection({1, 3}, 3), (BoxSelection{{1, 3}, 3})) << "the current one stays";
  EXPECT_EQ(boxSelection({1, 3}, 0), (BoxSelection{{1, 3}, 1}));
  EXPECT_FALSE(boxSelection({}, 0));
  EXPECT_EQ(boxSelection({3}, 0, {0, 2}), (BoxSelection{{0, 2, 3}, 0})) << "added to the selection";
}

TEST(MapDrag, StepFromTheView) {
  MapView v;
  v.resize(800, 600);
  v.currentFG = 2;
  v.currentSlot = 1;
  v.mode = ViewMode::YZ;
  v.currentRegion = 3;
  v.currentOrder = 4;
  v.snapX = 160;
  v.lockY = true;
  auto step = dragStepAt(v, {2}, v.toScreenX(250), v.toScreenY(-90));
  ASSERT_TRUE(step);
  EXPECT_EQ(step->h, 160);
  EXPECT_EQ(step->v, -90);
  EXPECT_FALSE(step->lockH);
  EXPECT_TRUE(step->lockV);
  EXPECT_EQ(step->mode, ViewMode::YZ);
  EXPECT_EQ(std::make_pair(step->region, step->order), std::make_pair(3, 4));
  EXPECT_TRUE(step->together.empty()) << "a selection of one moves alone";
  EXPECT_EQ(dragStepAt(v, {0, 2, 5}, 0, 0)->together, (std::vector<int>{0, 2, 5}));
  EXPECT_TRUE(dragStepAt(v, {0, 5}, 0, 0)->together.empty()) << "a selection without it stays";
  v.startLocked = true;
  EXPECT_FALSE(dragStepAt(v, {2}, 0, 0));
  v.currentSlot = 5;
  EXPECT_TRUE(dragStepAt(v, {2}, 0, 0));
}

TEST(MapZoomSteps, HoldAndDoubleClick) {
  EXPECT_EQ(holdZoomStep(4, 15), 5);
  EXPECT_EQ(holdZoomStep(7, 15), 8);
  EXPECT_EQ(holdZoomStep(100, 15), 120);
  EXPECT_EQ(holdZoomStep(1990, 15), 2000);
  EXPECT_EQ(holdZoomStep(100, 19), 200);
  EXPECT_EQ(holdZoomStep(100, 40), 200); // a bad preference must not divide by zero or shrink
  const std::pair<int, int> steps[] = {{2000, 500}, {1001, 500}, {1000, 200}, {500, 200}, {499, 64},
                                       {300, 64},   {200, 64},   {199, 32},   {37, 32},   {36, 16},
                                       {21, 16},    {20, 8},     {11, 8},     {10, 4},    {4, 4}};
  for (auto [from, to] : steps)
    EXPECT_EQ(doubleClickZoom(from), to) << from;
}

TEST(MapDrag, SnapsLocksAndWritesTheShownOrder) {
  Scene s;
  FGObject f = craftAt(1, 0, 0, 0, 0);
  setWaypoint(f, 2, 3, 1, 100, 100, 100);
  s.st.currentRegion = 2;
  s.st.currentOrder = 3;
  s.doc.flightGroups = {f};
  s.view.snapX = 80; // 0.5 km
  const SnappedPoint p = snappedWorld(s.view, s.view.toScreenX(130), s.view.toScreenY(-25));
  EXPECT_EQ(p.h, 80);
  EXPECT_EQ(p.v, -25);

  // A start point goes into the record's start point, and nothing else does.
  const auto recordBefore = s.fg(0).record;
  s.apply(dragOperation({0, 1, 80, -25, false, false, {}, ViewMode::XZ, 2, 3}, "d1"));
  EXPECT_EQ(s.start(0).x, 80);
  EXPECT_EQ(s.start(0).z, -25);
  EXPECT_EQ(s.start(0).y, 0);
  auto record = recordBefore;
  setI16(record.data() + fg::startPointOffset(1) + wp::X, 80);
  setI16(record.data() + fg::startPointOffset(1) + wp::Z, -25);
  EXPECT_EQ(s.fg(0).record, record);

  // A waypoint goes into order 3 of region 2 as well; a locked axis stays.
  s.apply(dragOperation({0, 5, 480, 320, false, true, {}, ViewMode::XY, 2, 3}, "d2"));
  EXPECT_EQ(s.cache()[0].points[5].x, 480);
  EXPECT_EQ(s.cache()[0].points[5].y, 100);
  const Byte* w = s.fg(0).order(2, 3) + ord::waypointOffset(1);
  EXPECT_EQ(getI16(w + wp::X), 480);
  EXPECT_EQ(getI16(w + wp::Y), 100);
  EXPECT_EQ(getI16(s.fg(0).order(1, 1) + ord::waypointOffset(1) + wp::X), 0);

  // Both locks: nothing moves.
  const Applied none =
      s.apply(dragOperation({0, 5, 0, 0, true, true, {}, ViewMode::XY, 2, 3}, "d3"));
  EXPECT_EQ(s.cache()[0].points[5].x, 480);
  EXPECT_TRUE(none.delta.empty());
}

TEST(MapDrag, SelectedFlightGroupsMoveTogetherAndStayInRange) {
  Scene s;
  s.doc.flightGroups = {craftAt(1, 0, 0, 0, 0), craftAt(1, 0, 32000, 160, 0),
                        craftAt(1, 0, -320, -320, 0)};
  s.apply(dragOperation({0, 1, 1600, 160, false, false, {0, 1, 2}, ViewMode::XY, 1, 1}, "d"));
  EXPECT_EQ(s.start(0).x, 1600);
  EXPECT_EQ(s.start(1).x, 32767); // clamped, not wrapped to the far side
  EXPECT_EQ(s.start(1).y, 320);
  EXPECT_EQ(s.start(2).x, 1280);
  EXPECT_EQ(s.start(2).y, -160);
  // A waypoint drag moves only the dragged flight group.
  s.apply(dragOperation({0, 5, 50, 50, false, false, {0, 1, 2}, ViewMode::XY, 1, 1}, "e"));
  EXPECT_EQ(s.start(2).x, 1280);
  // Far past the edge of the map the stored value stays inside the 16-bit range.
  EXPECT_EQ(snappedWorld(s.view, 1e9, -1e9).h, 32767);
  EXPECT_EQ(snappedWorld(s.view, 1e9, -1e9).v, -32768);
}

TEST(MapPalette, IndexCraftTypeAndPlacement) {
  EXPECT_EQ(paletteIndexAt(0, 570, 600), 1);
  EXPECT_EQ(paletteIndexAt(16 * 36 + 5, 575, 600), 37);
  EXPECT_EQ(paletteIndexAt(5, 590, 600), 38);
  EXPECT_FALSE(paletteIndexAt(5, 560, 600));           // above the strip
  EXPECT_FALSE(paletteIndexAt(591, 590, 600));         // right of it
  EXPECT_FALSE(paletteIndexAt(16 * 37 + 1, 570, 600)); // beyond the last top cell

  Scene s;
  s.doc.flightGroups = {craftAt(1, 0, 0, 0, 0)};
  Operation base{"New", "", [](Edit& e) -> Status {
                   FGObject f;
                   setWaypoint(f, 1, 1, 1, 10, 10, 10);
                   f.setStartPoint(1, {0, 0, 0, 1});
                   e.appendFlightGroup(f);
                   return {};
                 }};
  s.apply(paletteOperation(base, 26, 2, 3)); // a container: no waypoint 1
  ASSERT_EQ(s.doc.flightGroups.size(), 2u);
  EXPECT_EQ(s.fg(1).at(fg::CraftType), 26);
  EXPECT_EQ(s.fg(1).at(fg::Iff), 2);
  EXPECT_EQ(s.fg(1).at(fg::Team), 3);
  EXPECT_FALSE(orderWaypointEnabled(s.fg(1), 1, 1, 1));
  EXPECT_EQ(s.st.currentFG, 1);
  EXPECT_EQ(s.st.selectedFGs, std::set<int>{1});
  s.apply(paletteOperation(base, 1, 0, 0)); // a fighter keeps it
  EXPECT_TRUE(orderWaypointEnabled(s.fg(2), 1, 1, 1));
}

TEST(MapPalette, TeamIff) {
  Document doc;
  doc.teamIff[4] = 3;
  doc.flightGroups = {craftAt(1, 2, 0, 0, 0), craftAt(1, 5, 0, 0, 0), craftAt(1, 1, 0, 0, 0)};
  doc.flightGroups[1].set(fg::Team, 1);
  doc.flightGroups[2].set(fg::Team, 1);
  EXPECT_EQ(paletteIffForTeam(doc, 1), 5); // the first flight group of the team
  EXPECT_EQ(paletteIffForTeam(doc, 4), 3); // none: the team's own setting
  doc.flightGroups[0].set(fg::PlayerNumber, 1);
  doc.flightGroups[2].set(fg::PlayerNumber, 1);
  EXPECT_EQ(initialPaletteIff(doc), 1); // the last player-1 flight group
}

TEST(WaypointEditor, KilometreTexts) {
  EXPECT_EQ(*kmTextToUnits("1.5"), 240);
  EXPECT_EQ(*kmTextToUnits("-"), 0);
  EXPECT_EQ(*kmTextToUnits(""), 0);
  EXPECT_EQ(*kmTextToUnits(" -2.25 "), -360);
  EXPECT_EQ(*kmTextToUnits("+0.1"), 16);
  EXPECT_EQ(*kmTextToUnits("204.79"), 32766);
  EXPECT_FALSE(kmTextToUnits("1,5"));
  EXPECT_FALSE(kmTextToUnits("abc"));
  EXPECT_FALSE(kmTextToUnits("1e3"));
  const auto far = kmTextToUnits("300");
  ASSERT_FALSE(far);
  EXPECT_NE(far.error().message.find("300"), std::string::npos);
}

TEST(WaypointEditor, EditsEverySelectedFlightGroup) {
  Scene s;
  s.doc.flightGroups = {craftAt(1, 0, 0, 0, 0), craftAt(1, 0, 5, 5, 5), craftAt(1, 0, 9, 9, 9)};
  s.st.currentRegion = 2;
  s.st.currentOrder = 1;
  s.apply(startPointCellOperation({0, 2}, 1, 0, 240));
  EXPECT_EQ(s.start(0).x, 240);
  EXPECT_EQ(s.start(2).x, 240);
  EXPECT_EQ(s.start(1).x, 5);
  s.apply(startPointCellOperation({0, 2}, 6, 2, -160));
  EXPECT_EQ(startGridValue(s.fg(2), 6, 2), -160);
  EXPECT_EQ(getI16(s.fg(2).record.data() + fg::FurtherPoint2 + wp::Z), -160);

  s.apply(orderWaypointCellOperation({0, 1}, 2, 1, 3, 1, 800));
  s.apply(orderWaypointEnabledOperation({0, 1}, 2, 1, 3, true));
  EXPECT_EQ(orderWaypointValue(s.fg(1), 2, 1, 3, 1), 800);
  EXPECT_EQ(s.cache()[1].points[7].y, 800); // the map shows region 2, order 1
  EXPECT_EQ(s.cache()[1].points[7].enabled, 1);
  EXPECT_EQ(s.cache()[1].lastWaypointSlot, 7);
  s.apply(orderWaypointEnabledOperation({1}, 2, 1, 3, false));
  EXPECT_EQ(s.cache()[1].lastWaypointSlot, 1);

  s.apply(startEnabledOperation({0, 1}, 2, true));
  EXPECT_TRUE(startGridEnabled(s.fg(1), 2));
  s.apply(startEnabledOperation({0, 1}, 5, true));
  EXPECT_TRUE(startGridEnabled(s.fg(0), 5));

  // Start point 1's region decides presence; start point 2's does not.
  s.apply(startRegionOperation({0, 1}, 1, 2));
  EXPECT_EQ(regionSet(s.fg(0)), (std::array<Byte, 4>{0, 0, 1, 0}));
  s.apply(startRegionOperation({0}, 2, 1));
  EXPECT_EQ(regionSet(s.fg(0)), (std::array<Byte, 4>{0, 0, 1, 0}));
  EXPECT_EQ(s.fg(0).at(fg::StartRegion + 1), 1);
}

} // namespace
} // namespace zephlo
