// Paints the map into any QPainter: background, grid and status texts,
// each flight group with its icon or wireframe, markers, lines and labels,
// and the palette strip. MapRenderer keeps the two off-screen images so a
// change of the current flight group repaints only that flight group.
#pragma once

#include "core/map/map_cache.h"
#include "core/map/map_options.h"
#include "core/map/map_view.h"
#include "core/mission/document.h"

#include <QImage>

class QPainter;

namespace zephlo {

// Black, the grid and the status texts.
void paintBackground(QPainter& p, const MapView& view, const MapOptions& options);
// What is drawn: the mission and the map's fields of its flight groups for
// the region and order the view shows.
struct MapContent {
  const Document& doc;
  const MapCache& cache;
};

// One flight group as the view shows it (nothing for a bad index); returns
// the area it drew on, which may reach past the canvas.
QRect paintFlightGroup(QPainter& p, const MapContent& m, const MapView& view,
                       const MapOptions& options, int fg);
// The palette strip at the bottom left, when it is on; returns its area.
QRect paintPalette(QPainter& p, const MapView& view);
// Everything: background, flight groups in drawing order, palette.
void paintMap(QPainter& p, const MapContent& m, const MapView& view, const MapOptions& options);

// The map's font: the application's default family at 8 points.
QFont mapFont();

class MapRenderer {
public:
  // A full repaint into the map image; also refreshes the cached background
  // (everything but the current flight group) for later redrawCurrent calls.
  const QImage& repaint(const MapContent& m, const MapView& view, const MapOptions& options);
  // Only the current flight group changed (a drag, an edit of its points):
  // the cached background with the current flight group (and the palette)
  // drawn over it, restoring only the area it covered before. Falls back to
  // a full repaint when there is no cache for this current flight group.
  const QImage& redrawCurrent(const MapContent& m, const MapView& view, const MapOptions& options);
  const QImage& image() const { return map_; }
  void invalidate() { cacheValid_ = false; }
  // The screen's scale: the images have that many pixels per map pixel, so
  // the map stays sharp on a scaled screen. 1 until set.
  void setDevicePixelRatio(qreal ratio);

private:
  void ensureSize(const MapView& view);

  QImage map_, background_;
  qreal ratio_ = 1;
  bool cacheValid_ = false;
  int cachedCurrent_ = -1;
  QRect dirty_; // where map_ differs from background_
};

} // namespace zephlo
