// What one repaint draws and in which order: the flight groups, their
// slots, whether each is on screen, and how its icon is drawn.
#pragma once

#include "core/map/map_options.h"
#include "core/map/map_view.h"
#include "core/mission/document.h"

#include <vector>

namespace zephlo {

// Flight groups in drawing order: from the last drawn index down to the
// first, shown ones only, the current one last so it lies on top.
std::vector<int> drawOrder(const MapView& view, int count);
// The highest slot visited for a flight group: 12 with its waypoints shown, else 1.
int lastSlotDrawn(const MapView& view, int fg);

// Whether start point 1 lies strictly inside the visible window widened by
// the craft size; off-screen flight groups are drawn without their icon.
bool isOnScreen(const FGObject& f, const MapView& view);
bool isOnScreen(const FGObject& f, const MapView& view, const VisibleWindow& window);

enum class IconKind { None, Bitmap, Wireframe };
// Nothing for type 0; a wireframe for the big craft and, zoomed in, the
// small ones; otherwise the bitmap icon.
IconKind iconKind(int craftType, const MapView& view, const MapOptions& options);

} // namespace zephlo
