// What the mouse does on the map, as plain rules: which point a press hits,
// where a dragged point lands, how holding and double-clicking zoom, which
// craft a palette cell places, and the edits a drag or a placement makes.
#pragma once

#include "core/map/map_cache.h"
#include "core/map/map_view.h"
#include "core/mission/edit.h"

#include <optional>
#include <set>
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
// The point under the pixel (x, y). The view's current flight group comes
// first, then the selected ones, so a press takes what the designer is
// working on even under another icon; after them the lowest flight-group
// index wins, then the lowest slot, whatever is drawn on top. A right press
// takes only a start point 1; on any other point it misses.
std::optional<MapHit> hitTest(const MapCache& cache, const MapView& view, double x, double y,
                              PressButton button, const std::set<int>& selected = {});

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
// dragged. Slots 1-4 are the record's start points, slots 5-12 the
// waypoints of the order (region, order).
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
// The step for the mouse at pixel (x, y) while the view's current point is
// dragged: snapped, with the view's locks; a selection of several flight
// groups that holds the dragged one moves along. Nothing while the point is
// start point 1 and that is locked.
std::optional<DragStep> dragStepAt(const MapView& view, const std::set<int>& selection, double x,
                                   double y);

// A press on the map, as the mouse reports it.
struct MapPress {
  double x = 0, y = 0;
  bool left = false, right = false; // buttons held once pressed
  bool otherButtons = false;        // any other button held
  bool leftPressed = false;         // the button pressed is the left one
  bool modifiers = false;           // Shift, Ctrl or Alt held
  bool shift = false;               // Shift held, Alt not (Ctrl may be)
};
// What a press starts.
enum class PressKind {
  Nothing,
  ToggleDatapad, // both buttons
  Palette,       // a craft from the palette strip
  Pan,           // right button on empty space
  HoldZoom,      // left button on empty space
  Drag,          // left button on a point
  PanOnPoint,    // right button on a start point 1: it becomes current, the view pans
  Locked,        // start point 1 while it is locked: it becomes current, nothing moves
  SelectBox,     // left button with Shift (and Ctrl to add): a box that selects what it holds
};
struct PressOutcome {
  PressKind kind = PressKind::Nothing;
  MapHit hit;           // Drag, PanOnPoint, Locked
  int paletteIndex = 0; // Palette
  bool operator==(const PressOutcome&) const = default;
};
// `selected`: the flight groups selected in the list, taken first as hitTest says.
PressOutcome pressOutcome(const MapCache& cache, const MapView& view, const MapPress& press,
                          const std::set<int>& selected = {});

// The shown flight groups whose start point 1 lies in the box between the
// pixels (x0, y0) and (x1, y1), corners in any order; ascending.
std::vector<int> flightGroupsInBox(const MapCache& cache, const MapView& view, double x0, double y0,
                                   double x1, double y1);
// The selection a box makes: the flight groups in it, added to `kept` (the
// selection before, when the box adds to it); the current one stays current
// when it is among them, else the first in the box becomes current. None for
// an empty box, which leaves the selection as it was.
struct BoxSelection {
  std::set<int> selected;
  int current = 0;
  bool operator==(const BoxSelection&) const = default;
};
std::optional<BoxSelection> boxSelection(const std::vector<int>& inBox, int current,
                                         const std::set<int>& kept = {});

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
