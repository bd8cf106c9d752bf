#include "core/map/map_units.h"
#include "core/map/map_view.h"

#include <gtest/gtest.h>

namespace zephlo {
namespace {

MapView viewOf(ViewMode mode, int w = 800, int h = 600) {
  MapView v;
  v.mode = mode;
  v.resize(w, h);
  return v;
}

TEST(MapView, ProjectionsPutEachAxisWhereItBelongs) {
  MapView xy = viewOf(ViewMode::XY);
  EXPECT_EQ(xy.project(0, 160, 999), (ScreenPoint{400, 300 + 32})); // Y grows downwards
  EXPECT_EQ(xy.project(-320, 0, 0), (ScreenPoint{400 - 64, 300}));
  MapView xz = viewOf(ViewMode::XZ);
  EXPECT_EQ(xz.project(160, 999, 160), (ScreenPoint{432, 300 - 32})); // Z grows upwards
  MapView yz = viewOf(ViewMode::YZ);
  EXPECT_EQ(yz.project(999, 160, -160), (ScreenPoint{432, 332}));

  // Screen to world undoes world to screen, with offsets and every sign.
  for (MapView v : {xy, xz, yz}) {
    v.zoom = 77;
    v.offsetX = 13.5;
    v.offsetY = -41.25;
    const double h = 1234, vert = -987;
    EXPECT_NEAR(v.toWorldH(v.centreX() + v.offsetX + v.zoom * h / 160), h, 1e-9);
    EXPECT_NEAR(v.toWorldV(v.centreY() + v.offsetY + v.axes().sign * v.zoom * vert / 160), vert,
                1e-9);
  }
}

TEST(MapView, ZoomKeepsTheCentrePointAndHoldsItsRange) {
  MapView v = viewOf(ViewMode::XZ);
  v.centreOn(1600, -800);
  EXPECT_EQ(v.project(1600, 0, -800), (ScreenPoint{400, 300}));
  v.setZoom(64);
  EXPECT_EQ(v.project(1600, 0, -800), (ScreenPoint{400, 300}));
  EXPECT_EQ(v.project(1760, 0, -800).x, 464);

  v.keepCentre = false; // Fit zooms without moving
  const double before = v.offsetX;
  v.setZoom(128);
  EXPECT_EQ(v.offsetX, before);

  v.keepCentre = true;
  v.setZoom(1);
  EXPECT_EQ(v.zoom, kMinZoom);
  v.setZoom(50000);
  EXPECT_EQ(v.zoom, kMaxZoom);

  // The fitted flag says whether the last fit zoom reached the zoom before the change.
  v.fitZoom = 300;
  v.setZoom(300);
  EXPECT_FALSE(v.fitted); // was 2000
  v.setZoom(400);
  EXPECT_TRUE(v.fitted); // was 300
}

TEST(MapView, ScrollBarsFollowAndMoveTheView) {
  MapView v = viewOf(ViewMode::XY);
  v.centreOn(320, 160); // 64 and 32 pixels at zoom 32
  EXPECT_EQ(v.scrollXPosition(), 64);
  EXPECT_EQ(v.scrollYPosition(), 32);
  v.scrollX(-96); // the user drags the bar: the world origin moves right
  v.scrollY(64);
  EXPECT_EQ(v.offsetX, 96);
  EXPECT_EQ(v.centreH, 480); // negated world value under the centre column
  EXPECT_EQ(v.centreV, -320);
  v.setZoom(64); // and that centre survives a zoom change
  EXPECT_NEAR(v.toWorldH(v.centreX()), -480, 1e-9);
  EXPECT_NEAR(v.toWorldV(v.centreY()), 320, 1e-9);

  v.zeroVertical();
  EXPECT_NEAR(v.toWorldV(v.centreY()), 0, 1e-9);
  EXPECT_NEAR(v.toWorldH(v.centreX()), -480, 1e-9);
}

TEST(MapView, VisibleWindowAndGrid) {
  MapView v = viewOf(ViewMode::XZ, 320, 200); // 10 x 6.25 km at zoom 32
  v.centreOn(0, 160);
  const VisibleWindow w = v.visibleWindow();
  EXPECT_DOUBLE_EQ(w.left, -5);
  EXPECT_DOUBLE_EQ(w.right, 5);
  EXPECT_DOUBLE_EQ(w.top, 1 + 3.125); // Z grows upwards, so top is larger
  EXPECT_DOUBLE_EQ(w.bottom, 1 - 3.125);

  const GridColours c = gridColours(false);
  EXPECT_NE(c.axis, c.fifth);
  int columns = 0, rows = 0;
  for (const GridLine& g : gridLines(v, false)) {
    const Colour want = g.km == 0 ? c.axis : g.km % 5 == 0 ? c.fifth : c.line;
    EXPECT_EQ(g.colour, want) << g.km;
    if (g.vertical) {
      ++columns;
      EXPECT_EQ(g.pixel, 160 + g.km * 32);
    } else {
      ++rows;
      EXPECT_EQ(g.pixel, 100 + 32 - g.km * 32); // row of km 1 is the centre row
      EXPECT_GE(g.km, -2);
      EXPECT_LE(g.km, 4);
    }
  }
  EXPECT_EQ(columns, 11); // -5 .. 5
  EXPECT_EQ(rows, 7);     // round(-2.125) .. round(4.125)
  EXPECT_NE(gridColours(true).axis, c.axis);
}

TEST(MapUnits, SnapTruncatesTowardZeroAndStaysInRange) {
  EXPECT_EQ(snapToStep(-25, 16), -16);
  EXPECT_EQ(snapToStep(25, 16), 16);
  EXPECT_EQ(snapToStep(-15.4, 16), 0);
  EXPECT_EQ(snapToStep(159.6, 160), 160); // rounded to whole units first
  EXPECT_EQ(snapToStep(2.5, 1), 2);       // halves go to even
  EXPECT_EQ(snapToStep(3.5, 1), 4);
  EXPECT_EQ(snapToStep(-3.5, 1), -4);
  EXPECT_EQ(snapToStep(40000, 1), 32767); // a drag past the edge does not wrap
  EXPECT_EQ(snapToStep(-40000, 80), -32720);
  EXPECT_EQ(kmText(1600), "10.00");
  EXPECT_EQ(kmText(-8), "-0.05");
}

} // namespace
} // namespace zephlo
