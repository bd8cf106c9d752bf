#include "core/map/map_cache.h"

namespace zephlo {

MapFields mapFieldsOf(const FGObject& f, int region, int order) {
  MapFields m;
  m.points = displayWaypoints(f, region, order);
  m.orientation = orientationOf(f, m.points);
  m.lastWaypointSlot = lastWaypointSlot(m.points);
  m.arrivesEarly = arrivesEarly(f);
  m.regions = regionSet(f);
  return m;
}

void MapCache::rebuild(const Document& doc, int region, int order) {
  region_ = region;
  order_ = order;
  fields_.clear();
  fields_.reserve(doc.flightGroups.size());
  for (const FGObject& f : doc.flightGroups)
    fields_.push_back(mapFieldsOf(f, region, order));
}

void MapCache::update(const Document& doc, const Change& change) {
  if (change.flightGroupList || fields_.size() != doc.flightGroups.size()) {
    rebuild(doc, region_, order_);
    return;
  }
  for (int fg : change.flightGroups) {
    if (fg < 0 || fg >= size()) continue;
    const auto k = static_cast<std::size_t>(fg);
    fields_[k] = mapFieldsOf(doc.flightGroups[k], region_, order_);
  }
}

const MapFields& MapCache::operator[](int fg) const {
  static const MapFields kNone;
  if (fg < 0 || fg >= size()) return kNone;
  return fields_[static_cast<std::size_t>(fg)];
}

} // namespace zephlo
