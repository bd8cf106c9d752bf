#include "core/map/waypoints.h"
#include "render/icon_sheet.h"
#include "render/map_painter.h"
#include "render/qt_colour.h"
#include "render/screen_image.h"
#include "support/map_fixtures.h"
#include "support/test_documents.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <set>

namespace zephlo {
namespace {

using testing::craftAt;
using testing::setWaypoint;

Colour pixel(const QImage& img, int x, int y) {
  const QRgb c = img.pixel(x, y);
  return rgb(qRed(c), qGreen(c), qBlue(c));
}

std::set<Colour> coloursIn(const QImage& img, QRect r) {
  std::set<Colour> s;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      s.insert(pixel(img, x, y));
  return s;
}

// The map's fields for region 1, order 1, as the map keeps them.
MapContent content(const Document& d) {
  static MapCache cache;
  cache.rebuild(d, 1, 1);
  return {d, cache};
}

MapView smallView() {
  MapView v;
  v.resize(400, 300);
  v.gridOn = false;
  return v;
}

TEST(MapRender, IconsTakeTheirColourAtTheProjectedSpot) {
  Document d;
  d.flightGroups = {craftAt(2, 1, 320, 160, 0), craftAt(86, 0, -320, 0, 0)};
  d.flightGroups[0].set(fg::PlayerNumber, 3);
  MapView v = smallView();
  v.currentFG = 1;
  MapRenderer r;
  const QImage& img = r.repaint(content(d), v, MapOptions{});
  // Y-wing at (200 + 64, 150 + 32): white figure pixels become the imperial icon colour.
  const std::set<Colour> icon = coloursIn(img, QRect(264 - 8, 182 - 10, 16, 16));
  EXPECT_EQ(icon, (std::set<Colour>{0, iconColour(1, 2)}));
  EXPECT_TRUE(coloursIn(img, QRect(264 - 3, 182 + 6, 10, 14)).count(0xC0C0C0)) << "player number";
  // The asteroid is grey whatever its IFF, with the yellow brackets of the current one.
  EXPECT_TRUE(coloursIn(img, QRect(136 - 8, 150 - 10, 16, 20)).count(0x9D9D9D));
  EXPECT_EQ(pixel(img, 136 - 8, 150 - 8), 0x00FFFFu);
  // Nothing else on the map.
  EXPECT_EQ(coloursIn(img, QRect(0, 0, 100, 300)), std::set<Colour>{0});

  // Icons only turned off: the ISD is a wireframe in 90 percent of its colour.
  d.flightGroups[1].set(fg::CraftType, 53);
  d.flightGroups[1].set(fg::Iff, 2);
  EXPECT_TRUE(coloursIn(r.repaint(content(d), v, MapOptions{}), QRect(100, 100, 80, 100))
                  .count(darken(iffColour(2, IffVariant::Normal), 90)));
}

TEST(MapRender, MarkersLinesAndPalette) {
  Document d;
  d.flightGroups = {craftAt(83, 3, 0, 0, 0)}; // a buoy: bitmap icon
  FGObject& f = d.flightGroups[0];
  setWaypoint(f, 1, 1, 1, 200, 0, 0); // 40 pixels right
  setWaypoint(f, 1, 1, 2, 200, 200, 0);
  f.setStartPoint(4, {-200, 0, 0, 1}); // departure point
  MapView v = smallView();
  v.waypoints = WaypointDisplay::All;
  v.paletteOn = true;
  MapRenderer r;
  const QImage& img = r.repaint(content(d), v, MapOptions{});
  const Colour bright = iffColour(3, IffVariant::Bright);
  EXPECT_EQ(pixel(img, 241, 151), bright);    // marker outline of waypoint 1
  EXPECT_EQ(pixel(img, 160, 150), 0u);        // hollow
  EXPECT_EQ(pixel(img, 220, 150), bright);    // solid line from the start point
  EXPECT_EQ(pixel(img, 159, 151), 0xC0C0C0u); // departure marker in silver
  // The dotted line to waypoint 2 runs down from (240, 150) to (240, 190).
  int lit = 0;
  for (int y = 155; y < 185; ++y)
    lit += pixel(img, 240, y) == bright;
  EXPECT_GT(lit, 5);
  EXPECT_LT(lit, 25);
  EXPECT_EQ(pixel(img, 300, 300 - 41), 0xC0C0C0u); // palette border
  EXPECT_GT(coloursIn(img, QRect(0, 260, 400, 40)).size(), 1u);
}

TEST(MapRender, RedrawOverTheCacheEqualsAFullRepaintAtEveryScreenScale) {
  for (const qreal ratio : {1.0, 2.0, 1.5}) {
    Document d = testing::largeDocument();
    MapCache cache(d, 1, 1);
    MapView v;
    v.resize(640, 480);
    v.zoom = 6;
    v.currentFG = 17;
    v.waypoints = WaypointDisplay::All;
    v.namesOn = true;
    v.paletteOn = true;
    MapOptions o;
    o.showDistances = o.showTime = true;
    MapRenderer r;
    r.setDevicePixelRatio(ratio);
    const QImage& first = r.repaint({d, cache}, v, o);
    EXPECT_EQ(first.size(), QSize(640, 480) * ratio);
    EXPECT_EQ(first.devicePixelRatio(), ratio);

    // Drag steps move the current flight group; only it is redrawn, and
    // nothing of where it was before is left behind (even over the palette).
    FGObject& f = d.flightGroups[17];
    QImage fast, full = screenImage(QSize(640, 480), ratio);
    for (const auto& [x, y] : {std::pair{1000, -900}, std::pair{-2000, 7200}, std::pair{0, 0}}) {
      f.setStartPoint(1, {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 0, 1});
      Change moved;
      moved.flightGroups = {17};
      cache.update(d, moved);
      fast = r.redrawCurrent({d, cache}, v, o);
      QPainter p(&full);
      paintMap(p, {d, cache}, v, o);
      p.end();
      ASSERT_EQ(fast, full) << ratio << ": " << x << "," << y;
    }
    EXPECT_NE(fast, QImage(r.repaint({d, cache}, MapView{}, o))); // and the picture is not empty
  }
}

TEST(MapRender, TheGridAtTwiceThePixelsIsTheGridDoubled) {
  MapView v;
  v.resize(320, 240);
  v.zoom = 20;
  QImage once = screenImage(QSize(320, 240), 1), twice = screenImage(QSize(320, 240), 2);
  for (QImage* img : {&once, &twice}) {
    QPainter p(img);
    paintBackground(p, v, MapOptions{});
  }
  EXPECT_GT(coloursIn(once, once.rect()).size(), 1u) << "a grid is drawn";
  QImage doubled = once.scaled(640, 480, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  doubled.setDevicePixelRatio(2);
  EXPECT_TRUE(twice == doubled);
}

TEST(MapRender, IconSheetCellsAreDistinct) {
  // Every craft type with a cell draws something, and the common craft
  // differ from each other.
  for (int t = 1; t < 232; ++t)
    EXPECT_NE(craftIcon(t), craftIcon(0)) << t;
  const int distinct[] = {1, 2, 3, 4, 5, 7, 8, 17, 26, 32, 40, 42, 49, 53, 60, 75, 83, 86, 87};
  for (int a : distinct) {
    for (int b : distinct) {
      if (a < b) {
        EXPECT_NE(craftIcon(a), craftIcon(b)) << a << " " << b;
      }
    }
  }
}

} // namespace
} // namespace zephlo
