// The map, briefing and backdrop pictures on a screen scaled to 200 %: each
// is made with twice the pixels of its size on screen, so it stays sharp.
#include "render/backdrop_pictures.h"
#include "support/map_editor.h"
#include "ui/briefing/briefing_map_view.h"
#include "ui/briefing/briefing_window_fixture.h"
#include "ui/map/backdrop_picker.h"

#include <gtest/gtest.h>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

// Before the application starts: every window of this test sits on a screen
// of twice the usual scale.
const bool scaled = qputenv("QT_SCALE_FACTOR", "2");

} // namespace

TEST(ScaledScreen, PicturesHaveThePixelsOfTheScreen) {
  ASSERT_TRUE(scaled);
  MapEditor e({{0, 0}, {1600, 800}});
  ASSERT_EQ(e.canvas->devicePixelRatioF(), 2.0);
  const QImage& map = e.map->image();
  EXPECT_EQ(map.devicePixelRatio(), 2.0);
  EXPECT_EQ(map.size(), e.canvas->size() * 2);
  // A drag redraws over the kept background at the same scale.
  e.drag(e.at(1600, 800), e.at(0, 1600));
  EXPECT_EQ(e.map->image().size(), e.canvas->size() * 2);

  BriefingEditor b;
  const QImage& briefing = b.form->findChild<BrfMapView*>("MapBox")->picture();
  EXPECT_EQ(briefing.devicePixelRatio(), 2.0);
  EXPECT_EQ(briefing.size(), b.map()->size() * 2);

  // The backdrop sheet keeps its size on screen and shows the sharp picture.
  TBDropForm picker(3, 0);
  QWidget* sheet = picker.findChild<QWidget*>("Image1");
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->size(), backdropSheet(3).size());
  const QImage shown = sheet->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QImage sharp = backdropSheet(3, 2);
  EXPECT_EQ(shown.size(), sharp.size());
  sharp.setDevicePixelRatio(shown.devicePixelRatio());
  EXPECT_TRUE(shown == sharp) << "drawn from the picture made for this screen";
}
