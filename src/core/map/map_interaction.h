// What the mouse does on the map, as plain rules: which point a press hits,
// where a dragged point lands, how holding and double-clicking zoom, which
// craft a palette cell places, and the edits a drag or a placement makes.
#pragma once

#include "core/map/map_view.h"
#include "core/mission/edit.h"

#include <optional>
#include <string>
#include <vector>

namespace zephlo {

// How near (in map units) a press must be to a point to take it.
int hitTolerance(int zoom);

struct MapHit {
  int fg = 0;
  int slot = 1;
  bool operator==(const MapHit&) const = default;
};
enum class PressButton { Left, Right };
// The point under the pixel (x, y): the lowest flight-group index wins, then
// the lowest slot, whatever is drawn on top. A right press takes only a
// start point 1; on any other point it misses.
std::optional<MapHit> hitTest(const Document& doc, const MapView& view, double x, double y,
                              PressButton button);

// The world point under a pixel, rounded and snapped with the view's steps
// (horizontal with the X step, vertical with the Y step).
struct SnappedPoint {
  int h = 0, v = 0;
};
SnappedPoint snappedWorld(const MapView& view, double x, double y);

// The next zoom while the left button is held on empty space.
int holdZoomStep(int zoom, int zoomSpeed);
// The zoom a double-click steps down to.
int doubleClickZoom(int zoom);

// A drag step: the dragged point of the current flight group goes to (h, v)
// on the screen axes unless that axis is locked; other selected flight
// groups move their start point 1 by the same offset when a start point is
// dragged. Waypoint slots are written into the current order as well.
struct DragStep {
  int fg = 0;
  int slot = 1;
  int h = 0, v = 0;
  bool lockH = false, lockV = false;
  std::vector<int> together; // other flight groups moving with it
  ViewMode mode = ViewMode::XY;
  int region = 1, order = 1;
};
// Consecutive steps with one mergeKey are one undo step.
Operation dragOperation(const DragStep& step, std::string mergeKey);

// Waypoint 1 of these craft stays off when they are placed from the palette.
bool placedWithoutWaypoint(int craftType);
// A flight group placed from the palette: base is the list's "new flight
// group" operation, then craft type, IFF and team are set and it becomes
// current with slot 1.
Operation paletteOperation(Operation base, int craftType, int iff, int team);
// The palette cell under a press at (x, y) on a map of the given height:
// index 1-37 top row, 38-76 bottom row; nothing outside the strip.
std::optional<int> paletteIndexAt(int x, int y, int mapHeight);

// The palette's IFF after the current team changed: the first flight group
// of that team, else the team's own IFF setting.
int paletteIffForTeam(const Document& doc, int team);
// At start: the last flight group flown by player 1, else the first team's IFF.
int initialPaletteIff(const Document& doc);

} // namespace zephlo
