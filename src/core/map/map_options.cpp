#include "core/map/map_options.h"

#include <algorithm>

namespace zephlo {

MapOptions mapOptionsFrom(const MapPreferences& p) {
  MapOptions o;
  o.showTime = p.defaultWPtime;
  o.showDistances = p.defaultWPdist;
  o.showHyp = false; // starts off and is only ever unchecked at start
  applyPaintPreferences(o, p);
  return o;
}

void applyPaintPreferences(MapOptions& o, const MapPreferences& p) {
  o.ghostText = p.ghostText;
  o.ghostGrid = p.ghostGrid;
  o.limitShrink = p.limitShrink;
  o.onlyXY = p.onlyXY;
  o.iconZoomSmall = p.iconZoomSmall;
}

void applyStartDefaults(MapView& view, const MapPreferences& p) {
  if (p.defaultWPs == 1) view.waypoints = WaypointDisplay::All;
  if (p.defaultWPs == 2) view.waypoints = WaypointDisplay::Current;
  if (p.defaultName) view.namesOn = true;
  if (p.defaultPalet) view.paletteOn = true;
  view.autoCentre = static_cast<AutoCentre>(std::clamp(p.autoCtr, 0, 4));
}

} // namespace zephlo
