// What the mouse and the tool buttons on the briefing map do, apart from
// the widgets: where a pixel lies on the map, which icon or tag a click
// hits, where a drag puts it, and the arrow moves that animate an icon.
#pragma once

#include "briefing/briefing_edits.h"
#include "briefing/playback.h"

#include <utility>

namespace zephlo {

struct MapPoint {
  int x = 0, y = 0;
  bool operator==(const MapPoint&) const = default;
};

// Pixel of a map point in a map area of the given size, and back.
MapPoint mapToScreen(const PlaybackState& s, int width, int height, MapPoint map);
MapPoint screenToMap(const PlaybackState& s, int width, int height, MapPoint pixel);

// The first icon (0 up to one past the icons created, at most 50) within
// 4500 / zoom map units across and 3000 / zoom down of the point; -1 if none.
int hitIcon(const PlaybackState& s, MapPoint map);
// The highest shown tag slot (0..7) near the point 20 pixels left of the
// click, by the same distances; -1 if none.
int hitTag(const PlaybackState& s, const InstructionList& list, int width, int height,
           MapPoint pixel);

struct DragSettings {
  bool lockX = false, lockY = false;
  int stepX = 1, stepY = 1; // 1, 26, 51 or 128
};
// The new X and Y of a dragged item: the pointer truncated to the snap
// steps, on each axis that is not locked.
MapPoint dragTo(MapPoint pointer, MapPoint old, const DragSettings& d);

// An arrow press: a "Move Icon" at the clock (moved to tick 1 from 0).
// Apply `op`, then call afterArrowMove with the list of the document.
struct ArrowEdit {
  Operation op;
  PositionOut where;
  int time = 0;
};
ArrowEdit arrowMove(BriefingPlayback& pb, int icon, ArrowMove move);
// Shows the new instruction at once and moves the clock one tick on, so
// repeated presses make a moving icon.
void afterArrowMove(BriefingPlayback& pb, InstructionList list, const ArrowEdit& edit);

} // namespace zephlo
