// What the map draws of a flight group's points: the display waypoint table
// (its start points and the waypoints of the order the map shows), the
// orientation of its wireframe, the last used slot, and the distances and
// speed its labels show. All are derived from the record and the region
// and order shown; none is stored in the document.
#pragma once

#include "core/map/wireframe.h"
#include "core/mission/records.h"

#include <array>

namespace zephlo {

inline constexpr int kSlotCount = 13; // slot 0 unused, 1-4 start points, 5-12 waypoints 1-8
inline constexpr int kFirstWaypointSlot = 5;
inline constexpr int kLastSlot = 12;

struct DisplayWaypoints {
  std::array<Point, kSlotCount> slot{};
  bool enabled(int k) const { return slot[static_cast<std::size_t>(k)].enabled == 1; }
  const Point& operator[](int k) const { return slot[static_cast<std::size_t>(k)]; }
  bool operator==(const DisplayWaypoints&) const = default;
};

// Slots 1-4 the start points, 5-12 waypoints 1-8 of the order (region,
// order), both 1-4; outside that range the waypoint slots stay empty.
DisplayWaypoints displayWaypoints(const FGObject& f, int region, int order);

// Highest enabled slot among 5..12, or 1.
int lastWaypointSlot(const DisplayWaypoints& w);
// Which quarter turn (0-3: 0, 90, 180, 270 degrees) the heading byte gives:
// 64, 128 and 192 turn, any other value is the default heading.
int headingQuarter(int headingByte);
// The pitch and yaw of the wireframe: towards waypoint 1 when it is in use,
// else by the heading byte.
Orientation orientationOf(const FGObject& f, const DisplayWaypoints& w);

// Distance of each waypoint slot from the previous enabled point, rounded
// to map units; 0 for slots without a leg and for slots 0-4.
std::array<int, kSlotCount> legDistances(const DisplayWaypoints& w);
// Sum of the legs of slots 5..k; 0 at slots 0-4.
std::array<int, kSlotCount> cumulativeDistances(const DisplayWaypoints& w);

// Speed in MGLT used for the time labels: from the first moving order of
// the region (or order 1).
int flightSpeed(const FGObject& f, int region);

} // namespace zephlo
