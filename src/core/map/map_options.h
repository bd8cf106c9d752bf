// The map's display options and the preferences the painter reads, with
// the start-up defaults applied in their fixed order.
#pragma once

#include "core/map/map_view.h"

namespace zephlo {

struct MapOptions {
  bool showDistances = false; // Showdistances
  bool showTime = false;      // ShowTime
  bool showHyp = false;       // ShowHyp: nothing drawn depends on it
  bool waypointLines = true;  // WPsOn
  // Preferences read while painting.
  bool ghostText = true;
  bool ghostGrid = true;
  bool limitShrink = true;
  bool onlyXY = false;
  int iconZoomSmall = 4;
};

// The "Map" preferences the map starts from.
struct MapPreferences {
  bool ghostText = true;
  bool ghostGrid = true;
  bool limitShrink = true;
  bool onlyXY = false;
  int iconZoomSmall = 4;
  int defaultWPs = 0; // 1 all waypoints, 2 the current flight group's
  bool defaultName = false;
  bool defaultWPtime = false;
  bool defaultWPdist = false;
  bool defaultPalet = false;
  bool defaultHyp = true;
  int autoCtr = 1;
};

MapOptions mapOptionsFrom(const MapPreferences& p);
// The preferences the painter reads follow a change; the four display
// options keep their state for the run.
void applyPaintPreferences(MapOptions& options, const MapPreferences& p);
// The first activation's defaults on a freshly initialised view.
void applyStartDefaults(MapView& view, const MapPreferences& p);

} // namespace zephlo
