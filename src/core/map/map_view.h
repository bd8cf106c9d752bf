// The map's view state: projection, zoom, scroll offsets and what is shown.
// One instance belongs to the map window; the painter and the mouse
// handlers read it, and the conversions here are the only way between
// screen pixels and map units.
#pragma once

#include "core/gamedata/colours.h"
#include "core/mission/bytes.h"

#include <array>
#include <vector>

namespace zephlo {

enum class ViewMode { XY = 0, XZ = 1, YZ = 2 };

// Coordinate indexes (0 X, 1 Y, 2 Z) shown across, up/down and in depth;
// sign is +1 when the vertical screen axis grows downwards with the value.
struct Axes {
  int horizontal, vertical, depth, sign;
};
Axes axesOf(ViewMode mode);

inline constexpr int kMinZoom = 4;
inline constexpr int kMaxZoom = 2000;
inline constexpr int kInitialZoom = 32;

// Kilometres at the map's edges. In the X-Z and Y-Z views top > bottom.
struct VisibleWindow {
  double left = 0, right = 0, top = 0, bottom = 0;
};

struct ScreenPoint {
  int x = 0, y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// Which flight groups show their waypoints ("Show all WPs", "Current FG's WPs").
enum class WaypointDisplay { None, All, Current };

enum class AutoCentre {
  MapCentre = 0,
  CurrentFG = 1,
  ZeroVertical = 2,
  FitBattlefield = 3,
  None = 4
};

struct MapView {
  // Geometry.
  int width = 0, height = 0; // map area in pixels
  int zoom = kInitialZoom;   // pixels per kilometre
  ViewMode mode = ViewMode::XY;
  double offsetX = 0, offsetY = 0; // pixel shift of the world origin from the centre pixel
  double centreH = 0, centreV = 0; // negated world point under the centre pixel
  int fitZoom = 0;
  bool fitted = false;
  bool keepCentre = true;
  AutoCentre autoCentre = AutoCentre::CurrentFG;
  int snapX = 1, snapY = 1;

  // What is drawn.
  int currentFG = 0;
  int currentSlot = 0;
  int currentRegion = 1, currentOrder = 1; // 1-4
  int firstDrawn = 0, lastDrawn = -1;      // lastDrawn -1: up to the last flight group
  std::vector<Byte> shown;                 // filter result per flight group; missing = shown
  WaypointDisplay waypoints = WaypointDisplay::None;
  bool namesOn = false;     // "Show Names"
  bool currentOnly = false; // "Current FG only"
  bool gridOn = true;
  bool iconsOnly = false;
  bool paletteOn = false;
  bool startLocked = false; // "Lock Start 1 waypoint"
  bool lockX = false;       // "Lock current X coordinate": a drag keeps the horizontal value
  bool lockY = false;       // "Lock current Y coordinate": a drag keeps the vertical value
  int team = 1;             // current team shown beside the palette, 1-10
  int paletteIff = 0;       // colour set of the palette strip
  bool narrowScreen = false;

  Axes axes() const { return axesOf(mode); }
  int centreX() const { return width / 2; }
  int centreY() const { return height / 2; }

  int toScreenX(double h) const;
  int toScreenY(double v) const;
  // World units (not rounded) under a pixel column or row.
  double toWorldH(double x) const;
  double toWorldV(double y) const;
  // The pixel of a point given by its three coordinates.
  ScreenPoint project(int x, int y, int z) const;
  // The horizontal and vertical values of a point in this view.
  int horizontalOf(int x, int y, int z) const;
  int verticalOf(int x, int y, int z) const;

  void resize(int w, int h);
  // Puts the world point (h, v) under the centre pixel.
  void centreOn(double h, double v);
  // Keeps the horizontal offset and puts vertical value 0 on the centre row.
  void zeroVertical();
  // The zoom bar's change: held within 4..2000; keeps the centre point in
  // place unless keepCentre is off.
  void setZoom(int z);
  VisibleWindow visibleWindow() const;

  // The jog bars: their positions from the offsets, and a user move of one.
  int scrollXPosition() const;
  int scrollYPosition() const;
  void scrollX(int position);
  void scrollY(int position);

  bool isShown(int fg) const;
};

struct GridLine {
  bool vertical; // a column (full height) or a row (full width)
  int pixel;     // screen x of a column, screen y of a row
  int km;
  Colour colour;
};

struct GridColours {
  Colour axis, fifth, line;
};
GridColours gridColours(bool ghostGrid);
// One line per whole kilometre inside the visible window.
std::vector<GridLine> gridLines(const MapView& view, bool ghostGrid);

} // namespace zephlo
