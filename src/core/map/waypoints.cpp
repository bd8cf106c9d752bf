#include "core/map/waypoints.h"

#include "core/gamedata/craft_tables.h"
#include "core/map/map_units.h"

#include <cmath>

namespace zephlo {

namespace {

bool validIndex(int v) { return v >= 1 && v <= 4; }

} // namespace

DisplayWaypoints displayWaypoints(const FGObject& f, int region, int order) {
  DisplayWaypoints w;
  for (int k = 1; k <= 4; ++k)
    w.slot[static_cast<std::size_t>(k)] = f.startPoint(k);
  if (!validIndex(region) || !validIndex(order)) return w;
  for (int k = 1; k <= 8; ++k) {
    w.slot[static_cast<std::size_t>(k + 4)] =
        readPoint(f.order(region, order) + ord::waypointOffset(k));
  }
  return w;
}

int lastWaypointSlot(const DisplayWaypoints& w) {
  for (int k = kLastSlot; k >= kFirstWaypointSlot; --k) {
    if (w.enabled(k)) return k;
  }
  return 1;
}

int headingQuarter(int headingByte) {
  switch (headingByte) {
  case 64: return 1;
  case 128: return 2;
  case 192: return 3;
  default: return 0;
  }
}

Orientation orientationOf(const FGObject& f, const DisplayWaypoints& w) {
  Orientation o;
  double dx = 0, dy = 0, dz = 0;
  if (w.enabled(kFirstWaypointSlot)) {
    dx = static_cast<double>(w[5].x) - w[1].x;
    dy = static_cast<double>(w[5].y) - w[1].y;
    dz = static_cast<double>(w[5].z) - w[1].z;
    // Straight up or down (or on the spot) has no heading: lean it so the
    // wireframe still shows which way is forward.
    if (dx == 0 && dy == 0) {
      dx = 1;
      dy = -1;
      if (dz == 0) dz = 1;
    }
  } else {
    // Facing (yaw cos, yaw sin) for each quarter turn of the heading.
    constexpr std::array<std::pair<double, double>, 4> kYaw{{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};
    const auto [cos, sin] = kYaw[static_cast<std::size_t>(headingQuarter(f.at(fg::Heading)))];
    o.yawCos = cos;
    o.yawSin = sin;
  }
  const double flat = std::sqrt(dx * dx + dy * dy);
  const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
  if (length != 0) {
    o.pitchCos = flat / length;
    o.pitchSin = dz / length;
  }
  if (flat != 0) {
    o.yawCos = dx / flat;
    o.yawSin = dy / flat;
  }
  return o;
}

std::array<int, kSlotCount> legDistances(const DisplayWaypoints& w) {
  std::array<int, kSlotCount> legs{};
  for (int k = kFirstWaypointSlot; k <= kLastSlot; ++k) {
    if (!w.enabled(k)) continue;
    int prev = k - 1;
    while (prev >= kFirstWaypointSlot && !w.enabled(prev))
      --prev;
    if (prev < kFirstWaypointSlot) prev = 1; // legs start at start point 1, not 2-4
    if (!w.enabled(prev)) continue;
    const double dx = static_cast<double>(w[k].x) - w[prev].x;
    const double dy = static_cast<double>(w[k].y) - w[prev].y;
    const double dz = static_cast<double>(w[k].z) - w[prev].z;
    legs[static_cast<std::size_t>(k)] =
        static_cast<int>(roundEven(std::sqrt(dx * dx + dy * dy + dz * dz)));
  }
  return legs;
}

std::array<int, kSlotCount> cumulativeDistances(const DisplayWaypoints& w) {
  const std::array<int, kSlotCount> legs = legDistances(w);
  std::array<int, kSlotCount> sum{};
  int total = 0;
  for (std::size_t k = kFirstWaypointSlot; k <= kLastSlot; ++k) {
    total += legs[k];
    sum[k] = total;
  }
  return sum;
}

int flightSpeed(const FGObject& f, int region) {
  if (!validIndex(region)) region = 1;
  const Byte* chosen = f.order(region, 1);
  for (int o = 1; o <= kOrdersPerRegion; ++o) {
    const Byte* p = f.order(region, o);
    switch (p[ord::Command]) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 21:
    case 24:
    case 25:
    case 26:
    case 27:
    case 29:
      chosen = p;
      o = kOrdersPerRegion; // first match wins
      break;
    default: break;
    }
  }
  constexpr std::size_t kExactSpeed = 18; // MGLT given outright when Speed is 100 percent
  if (chosen[ord::Speed] == 10 && chosen[kExactSpeed] != 0) return chosen[kExactSpeed];
  return static_cast<int>(roundEven(maxSpeed(f.at(fg::CraftType)) * chosen[ord::Speed] / 10.0));
}

} // namespace zephlo
