#include "core/map/map_scene.h"

#include "core/gamedata/craft_tables.h"
#include "core/map/map_units.h"

#include <algorithm>

namespace zephlo {

std::vector<int> drawOrder(const MapView& view, int count) {
  std::vector<int> order;
  if (count <= 0) return order;
  const int first = std::clamp(view.firstDrawn, 0, count - 1);
  const int last = view.lastDrawn < 0 ? count - 1 : std::min(view.lastDrawn, count - 1);
  for (int i = last; i >= first; --i) {
    if (i != view.currentFG && view.isShown(i)) order.push_back(i);
  }
  if (view.currentFG >= 0 && view.currentFG < count && view.isShown(view.currentFG))
    order.push_back(view.currentFG);
  return order;
}

int lastSlotDrawn(const MapView& view, int fg) {
  if (view.waypoints == WaypointDisplay::All) return 12;
  if (view.waypoints == WaypointDisplay::Current && fg == view.currentFG) return 12;
  return 1;
}

bool isOnScreen(const FGObject& f, const MapView& view) {
  return isOnScreen(f, view, view.visibleWindow());
}

bool isOnScreen(const FGObject& f, const MapView& view, const VisibleWindow& w) {
  const double size = craftSize(f.at(fg::CraftType));
  const Point p = f.startPoint(1);
  const double h = view.horizontalOf(p.x, p.y, p.z) / static_cast<double>(kUnitsPerKm);
  const double v = view.verticalOf(p.x, p.y, p.z) / static_cast<double>(kUnitsPerKm);
  const double left = std::min(w.left, w.right) - size, right = std::max(w.left, w.right) + size;
  const double low = std::min(w.top, w.bottom) - size, high = std::max(w.top, w.bottom) + size;
  return h > left && h < right && v > low && v < high;
}

IconKind iconKind(int craftType, const MapView& view, const MapOptions& options) {
  if (craftType <= 0 || craftType >= kCraftTypeCount) return IconKind::None;
  if (!view.iconsOnly) {
    if (hasLargeWireframe(craftType)) return IconKind::Wireframe;
    if (hasSmallWireframe(craftType) && view.zoom > options.iconZoomSmall &&
        (!options.onlyXY || view.mode == ViewMode::XY))
      return IconKind::Wireframe;
  }
  return IconKind::Bitmap;
}

} // namespace zephlo
