// What the map shows of each flight group for the region and order it
// shows: the display waypoint table, the wireframe's orientation, the last
// waypoint slot, early arrival and region presence. All derive from the
// records; the map keeps them here, beside the document and never in it,
// and rebuilds them from the change notices.
#pragma once

#include "core/map/waypoints.h"
#include "core/mission/edit.h"
#include "core/mission/fg_rules.h"

#include <vector>

namespace zephlo {

struct MapFields {
  DisplayWaypoints points;
  Orientation orientation;
  int lastWaypointSlot = 1;
  bool arrivesEarly = false;
  RegionSet regions{};
  bool operator==(const MapFields&) const = default;
};
MapFields mapFieldsOf(const FGObject& f, int region, int order);

class MapCache {
public:
  MapCache() = default;
  MapCache(const Document& doc, int region, int order) { rebuild(doc, region, order); }

  // Every flight group, for the region and order shown (both 1-4): after a
  // new document and a region or order switch.
  void rebuild(const Document& doc, int region, int order);
  // The flight groups an edit, undo or redo changed; all of them when the
  // list itself changed.
  void update(const Document& doc, const Change& change);

  int region() const { return region_; }
  int order() const { return order_; }
  int size() const { return static_cast<int>(fields_.size()); }
  // The fields of flight group fg; empty ones for an index past the list.
  const MapFields& operator[](int fg) const;

private:
  std::vector<MapFields> fields_;
  int region_ = 1, order_ = 1;
};

} // namespace zephlo
