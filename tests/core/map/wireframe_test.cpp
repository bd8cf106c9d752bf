#include "core/gamedata/craft_tables.h"
#include "core/map/wireframe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zephlo {
namespace {

WireframeSetup setupAt(ViewMode mode, int zoom, Orientation o = {}) {
  WireframeSetup s;
  s.mode = mode;
  s.origin = {100, 200};
  s.zoom = zoom;
  s.orientation = o;
  s.colour = 0x00FF00;
  return s;
}

TEST(Wireframe, ProjectionFollowsViewAndOrientation) {
  // Facing -Y (the default heading), level: forward is up the X-Y screen.
  Wireframe xy(setupAt(ViewMode::XY, 1000), 2);
  EXPECT_EQ(xy.project(0, 10, 0), (ScreenPoint{100, 190}));
  EXPECT_EQ(xy.project(0, 0, 10), (ScreenPoint{110, 200})); // across: to the right
  EXPECT_EQ(xy.project(10, 0, 0), (ScreenPoint{100, 200})); // up: into the screen

  // Facing +X, climbing at 30 degrees, seen from the side (X-Z).
  const Orientation climb{std::cos(std::numbers::pi / 6), std::sin(std::numbers::pi / 6), 1, 0};
  Wireframe xz(setupAt(ViewMode::XZ, 2000, {1, 0, 1, 0}), 2);
  Wireframe xzClimb(setupAt(ViewMode::XZ, 2000, climb), 2);
  EXPECT_EQ(xz.project(0, 10, 0), (ScreenPoint{120, 200}));
  EXPECT_EQ(xz.project(10, 0, 0), (ScreenPoint{100, 180}));
  EXPECT_EQ(xzClimb.project(0, 10, 0), (ScreenPoint{117, 190})); // nose up and ahead
  // Y-Z: facing +X is facing the viewer; across runs along Y.
  Wireframe yz(setupAt(ViewMode::YZ, 1000, {1, 0, 1, 0}), 2);
  EXPECT_EQ(yz.project(0, 0, 10), (ScreenPoint{110, 200}));
  EXPECT_EQ(yz.project(0, 10, 0), (ScreenPoint{100, 200}));

  // The one craft with its own scale, and the two with a shifted model.
  EXPECT_DOUBLE_EQ(Wireframe(setupAt(ViewMode::XY, 1000), 50).scale(), 1000 / 2574.25);
  Wireframe xzFrigate(setupAt(ViewMode::XZ, 1000), 32);
  EXPECT_EQ(xzFrigate.project(0, 0, 0), (ScreenPoint{100, 194}));
}

TEST(Wireframe, BufferAndLimitShrink) {
  Wireframe w(setupAt(ViewMode::XY, 100), 2);
  w.penMove(0, 0, 20);
  w.store(75);
  w.store(76); // past the buffer: ignored
  w.penMove(0, 0, 0);
  w.lineToStored(75);
  w.lineToStored(76);
  ASSERT_EQ(w.strokes().size(), 1u);
  EXPECT_EQ(w.strokes()[0].b, (ScreenPoint{102, 200}));

  w.setDetailZoom(400); // zoomed out past the detail zoom: stops shrinking
  EXPECT_DOUBLE_EQ(w.scale(), 0.4);
  EXPECT_FALSE(w.detailed());
  WireframeSetup noLimit = setupAt(ViewMode::XY, 100);
  noLimit.limitShrink = false;
  Wireframe v(noLimit, 2);
  v.setDetailZoom(400);
  EXPECT_DOUBLE_EQ(v.scale(), 0.1);
}

TEST(Wireframe, EveryWireframeCraftDrawsAndDetailMatters) {
  for (int t = 0; t < kCraftTypeCount; ++t) {
    const auto strokes = craftWireframe(t, setupAt(ViewMode::XY, 900));
    EXPECT_EQ(!strokes.empty(), hasLargeWireframe(t) || hasSmallWireframe(t)) << t;
  }
  // The X-wing: shade 90 of the wireframe colour, more lines once detailed.
  const auto near = craftWireframe(1, setupAt(ViewMode::XY, 794));
  const auto far = craftWireframe(1, setupAt(ViewMode::XY, 793));
  EXPECT_GT(near.size(), far.size());
  EXPECT_EQ(near.front().colour, darken(0x00FF00, 90));
  // The TIE fighter keeps the plain colour and marks its cockpit with a square when small.
  const auto tie = craftWireframe(5, setupAt(ViewMode::XY, 100));
  EXPECT_EQ(tie.front().colour, 0x00FF00u);
  EXPECT_TRUE(std::any_of(tie.begin(), tie.end(), [](const WireStroke& s) { return s.square; }));
  // Platform 1 exists only in this game; the cruiser has a shape for each.
  WireframeSetup other = setupAt(ViewMode::XY, 100);
  other.platform = 14;
  EXPECT_TRUE(craftWireframe(60, other).empty());
  EXPECT_NE(craftWireframe(49, other).size(),
            craftWireframe(49, setupAt(ViewMode::XY, 100)).size());
  // Shared shapes.
  EXPECT_EQ(craftWireframe(38, setupAt(ViewMode::XY, 500)).size(),
            craftWireframe(39, setupAt(ViewMode::XY, 500)).size());
}

} // namespace
} // namespace zephlo
