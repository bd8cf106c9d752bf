// The map fields kept beside each flight-group record: the display
// waypoint table, the orientation of its wireframe, the last used slot,
// and the distances and speed its labels show.
//
// Functions taking an FGObject& change derived fields only; inside an edit
// call them on the reference Edit::flightGroup() hands out, so undo and the
// change notices see them.
#pragma once

#include "core/mission/edit.h"

#include <array>

namespace zephlo {

inline constexpr int kSlotCount = 13; // slot 0 unused, 1-4 start points, 5-12 waypoints 1-8
inline constexpr int kFirstWaypointSlot = 5;
inline constexpr int kLastSlot = 12;

inline bool slotEnabled(const FGObject& f, int slot) { return f.WaypointEnabled[slot] == 1; }

// Highest enabled slot among 5..12, or 1.
int lastWaypointSlot(const FGObject& f);
// Sets LastWaypointSlot and the pitch and yaw of the wireframe.
void computeOrientation(FGObject& f);
// Slots 5-12 take waypoints 1-8 of the order (region, order), both 1-4;
// then the orientation follows them.
void reloadDisplayWaypoints(FGObject& f, int region, int order);
// Every derived map field of one flight group: display waypoints,
// orientation, region set and early arrival. For a flight group that is
// new or whose orders, start region or arrival changed.
void updateMapFields(FGObject& f, int region, int order);

// The same for every flight group of an open document (after a load).
void prepareMapFields(Document& doc, int region, int order);
// Reload after a region or order change, on the edit path; touches only
// the flight groups whose fields change.
void reloadDisplayWaypoints(Edit& e, int region, int order);

// Distance of each waypoint slot from the previous enabled point, rounded
// to map units; 0 for slots without a leg and for slots 0-4.
std::array<int, kSlotCount> legDistances(const FGObject& f);
// Sum of the legs of slots 5..k; 0 at slots 0-4.
std::array<int, kSlotCount> cumulativeDistances(const FGObject& f);

// Speed in MGLT used for the time labels: from the first moving order of
// the region (or order 1).
int flightSpeed(const FGObject& f, int region);

} // namespace zephlo
