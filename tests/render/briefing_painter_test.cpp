#include "core/briefing/briefing_look.h"
#include "render/briefing_icons.h"
#include "render/briefing_painter.h"

#include <gtest/gtest.h>

using namespace zephlo;

namespace {

const QSize kArea(400, 300);

struct Frame {
  PlaybackState state;
  InstructionList list{TCommandObject{}};
  std::array<std::string, 128> tags{};
  int transition = -1;
  BriefingPaintOptions options;

  QImage paint(QColor start = Qt::white) {
    QImage img(kArea, QImage::Format_RGB32);
    img.fill(start);
    QPainter p(&img);
    paintBriefing(p, kArea, BriefingScene{state, list, tags, transition}, options);
    return img;
  }
};

QRgb rgbOf(Colour c) { return qRgb(redOf(c), greenOf(c), blueOf(c)); }
const QRgb kMap = rgbOf(kBriefingMapColour);

int count(const QImage& img, QRgb colour, QRect r = QRect(0, 0, 400, 300)) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      n += img.pixel(x, y) == colour;
  return n;
}

} // namespace

TEST(BriefingPainter, GridLinesFollowTheZoom) {
  Frame f;
  f.options.showNumbers = false;
  auto columnColour = [&](int zoom, int line) {
    f.state.zoom = zoom;
    const QImage img = f.paint();
    const int x = briefingRound(200 + line * zoom * 1.15);
    return img.pixel(x, 150 + 7); // between the horizontal lines
  };
  const QRgb major = qRgb(159, 0, 0), minor = qRgb(87, 0, 0);
  EXPECT_EQ(columnColour(32, 1), minor);
  EXPECT_EQ(columnColour(32, 4), major);
  EXPECT_EQ(columnColour(20, 1), kMap);
  EXPECT_EQ(columnColour(20, 2), minor);
  EXPECT_EQ(columnColour(10, 2), kMap);
  EXPECT_EQ(columnColour(10, -4), major);

  // A zoom of 0 leaves the last picture alone.
  f.state.zoom = 0;
  EXPECT_EQ(count(f.paint(Qt::white), qRgb(255, 255, 255)), 400 * 300);
}

TEST(BriefingPainter, IconsTintTurnAndHide) {
  Frame f;
  f.options.showNumbers = f.options.showSelected = false;
  f.state.zoom = 3; // grid lines only far apart
  f.state.icons[2] = {1, 1, 0, 0, true, 0, -1};
  QImage img = f.paint();
  EXPECT_EQ(img.pixel(200, 150), rgbOf(briefingIffColour(1)));
  // Unknown IFFs use the last colour.
  f.state.icons[2].iff = 9;
  EXPECT_EQ(f.paint().pixel(200, 150), qRgb(0, 128, 255));
  for (int hidden : {86, 87, 164, 169, 183}) {
    f.state.icons[2].craftType = static_cast<std::uint8_t>(hidden);
    EXPECT_EQ(count(f.paint(), qRgb(0, 128, 255)), 0) << hidden;
  }
  f.state.icons[2] = {227, 3, 0, 0, true, 0, -1};
  img = f.paint();
  EXPECT_EQ(img.pixel(165, 150), qRgb(255, 255, 0));
  EXPECT_EQ(img.pixel(190, 140), kMap);

  // Turning: 90 degrees puts cell pixel (x, y) at (height - 1 - y, x);
  // 270 is that turned half round; 180 flips top to bottom; mirror left to right.
  QImage cell(38, 44, QImage::Format_RGB32);
  cell.fill(Qt::black);
  cell.setPixel(5, 2, qRgb(255, 255, 255));
  EXPECT_EQ(rotateBriefingCell(cell, 3).pixel(41, 5), qRgb(255, 255, 255));
  EXPECT_EQ(rotateBriefingCell(cell, 1).pixel(43 - 41, 37 - 5), qRgb(255, 255, 255));
  EXPECT_EQ(rotateBriefingCell(cell, 2).pixel(5, 41), qRgb(255, 255, 255));
  EXPECT_EQ(rotateBriefingCell(cell, 4).pixel(32, 2), qRgb(255, 255, 255));
}

TEST(BriefingPainter, BoxesTagsAndScreens) {
  Frame f;
  f.options.showNumbers = f.options.showSelected = false;
  f.state.zoom = 3;
  f.state.icons[0] = {5, 0, 0, 0, true, 0, -1};
  const QRgb green = rgbOf(briefingIffColour(0));
  // Empty slots draw nothing.
  const int iconOnly = count(f.paint(), green);
  f.state.boxes[4] = {0, 7};
  const QImage grown = f.paint();
  EXPECT_EQ(grown.pixel(200 - 19, 140), green); // 38 + 7 - 6 wide
  f.state.boxes[4].growth = 0;
  const QImage rest = f.paint();
  EXPECT_EQ(rest.pixel(200 - 16, 140), green); // 38 - 6 wide
  EXPECT_NE(rest.pixel(200 - 19, 140), green);
  f.state.boxes[4].growth = 8;
  EXPECT_EQ(count(f.paint(), green), iconOnly);

  f.list = {TCommandObject{0, 19, 0, 0, 0, 4, 2, -2000, -1500}};
  f.tags[4] = "Target";
  f.state.tags[1] = {0, 0};
  const QRect tagArea(170, 128, 200, 20); // the tag's top left is at (173, 130)
  EXPECT_EQ(count(f.paint(), qRgb(255, 255, 0), tagArea), 0);
  f.state.tags[1].shownLength = 3;
  const int three = count(f.paint(), qRgb(255, 255, 0), tagArea);
  f.state.tags[1].shownLength = 6;
  EXPECT_GT(three, 0);
  EXPECT_GT(count(f.paint(), qRgb(255, 255, 0), tagArea), three);

  // Region and ship-information screens replace the map.
  f.options.regionNames = {"Zero", "Hoth System", "Two", "Three"};
  f.state.regionScreen = 1;
  f.transition = 4;
  QImage region = f.paint();
  EXPECT_EQ(region.pixel(0, 0), kMap);
  EXPECT_EQ(count(region, qRgb(87, 0, 0)) + count(region, qRgb(159, 0, 0)), 0);
  EXPECT_GT(count(region, qRgb(255, 255, 0), QRect(150, 130, 100, 30)), 0);
  EXPECT_GT(count(region, qRgb(151, 152, 255), QRect(0, 240, 400, 1)), 300);
  f.state.regionScreen = -1;
  f.state.info = true;
  f.state.infoCraft = 53;
  EXPECT_EQ(count(f.paint(), green), 0);
}
