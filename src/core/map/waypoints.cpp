#include "core/map/waypoints.h"

#include "core/gamedata/craft_tables.h"
#include "core/map/filters.h"
#include "core/map/map_units.h"

#include <cmath>

namespace zephlo {

namespace {

bool validIndex(int v) { return v >= 1 && v <= 4; }

} // namespace

int lastWaypointSlot(const FGObject& f) {
  for (int k = kLastSlot; k >= kFirstWaypointSlot; --k) {
    if (slotEnabled(f, k)) return k;
  }
  return 1;
}

void computeOrientation(FGObject& f) {
  f.LastWaypointSlot = lastWaypointSlot(f);
  double dx = 0, dy = 0, dz = 0;
  if (slotEnabled(f, kFirstWaypointSlot)) {
    dx = static_cast<double>(f.WaypointX[5]) - f.WaypointX[1];
    dy = static_cast<double>(f.WaypointY[5]) - f.WaypointY[1];
    dz = static_cast<double>(f.WaypointZ[5]) - f.WaypointZ[1];
    // Straight up or down (or on the spot) has no heading: lean it so the
    // wireframe still shows which way is forward.
    if (dx == 0 && dy == 0) {
      dx = 1;
      dy = -1;
      if (dz == 0) dz = 1;
    }
  } else {
    f.PitchCos = 1;
    f.PitchSin = 0;
    switch (f.at(fg::Heading)) {
    case 64: f.YawCos = 1, f.YawSin = 0; break;
    case 128: f.YawCos = 0, f.YawSin = 1; break;
    case 192: f.YawCos = -1, f.YawSin = 0; break;
    default: f.YawCos = 0, f.YawSin = -1; break;
    }
  }
  const double flat = std::sqrt(dx * dx + dy * dy);
  const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
  if (length != 0) {
    f.PitchCos = flat / length;
    f.PitchSin = dz / length;
  }
  if (flat != 0) {
    f.YawCos = dx / flat;
    f.YawSin = dy / flat;
  }
}

void reloadDisplayWaypoints(FGObject& f, int region, int order) {
  for (int w = 1; w <= 8; ++w) {
    const int k = w + 4;
    if (!validIndex(region) || !validIndex(order)) {
      f.WaypointX[k] = f.WaypointY[k] = f.WaypointZ[k] = f.WaypointEnabled[k] = 0;
      continue;
    }
    const Byte* p = f.order(region, order) + ord::waypointOffset(w);
    f.WaypointX[k] = getI16(p + wp::X);
    f.WaypointY[k] = getI16(p + wp::Y);
    f.WaypointZ[k] = getI16(p + wp::Z);
    f.WaypointEnabled[k] = getI16(p + wp::Enabled);
  }
  computeOrientation(f);
}

void updateMapFields(FGObject& f, int region, int order) {
  f.computeRegionSet();
  updateArrivesEarly(f);
  reloadDisplayWaypoints(f, region, order);
}

void prepareMapFields(Document& doc, int region, int order) {
  for (FGObject& f : doc.flightGroups)
    updateMapFields(f, region, order);
}

void reloadDisplayWaypoints(Edit& e, int region, int order) {
  const int n = static_cast<int>(e.doc().flightGroups.size());
  for (int i = 0; i < n; ++i) {
    FGObject copy = e.doc().flightGroups[static_cast<std::size_t>(i)];
    reloadDisplayWaypoints(copy, region, order);
    if (!(copy == e.doc().flightGroups[static_cast<std::size_t>(i)])) e.flightGroup(i) = copy;
  }
}

std::array<int, kSlotCount> legDistances(const FGObject& f) {
  std::array<int, kSlotCount> legs{};
  for (int k = kFirstWaypointSlot; k <= kLastSlot; ++k) {
    if (!slotEnabled(f, k)) continue;
    int prev = k - 1;
    while (prev >= kFirstWaypointSlot && !slotEnabled(f, prev))
      --prev;
    if (prev < kFirstWaypointSlot) prev = 1; // legs start at start point 1, not 2-4
    if (!slotEnabled(f, prev)) continue;
    const double dx = static_cast<double>(f.WaypointX[k]) - f.WaypointX[prev];
    const double dy = static_cast<double>(f.WaypointY[k]) - f.WaypointY[prev];
    const double dz = static_cast<double>(f.WaypointZ[k]) - f.WaypointZ[prev];
    legs[static_cast<std::size_t>(k)] =
        static_cast<int>(roundEven(std::sqrt(dx * dx + dy * dy + dz * dz)));
  }
  return legs;
}

std::array<int, kSlotCount> cumulativeDistances(const FGObject& f) {
  const std::array<int, kSlotCount> legs = legDistances(f);
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
