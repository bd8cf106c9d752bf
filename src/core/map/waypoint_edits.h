// The waypoint editor's edits: typed kilometres into start points, the two
// further points and the current order's waypoints, their enabled flags and
// the start regions, each for every selected flight group.
#pragma once

#include "core/mission/edit.h"
#include "core/mission/result.h"

#include <string>
#include <vector>

namespace zephlo {

// Kilometres as typed into a grid cell, in map units: "" and "-" give 0;
// anything else must be a decimal number within the file's 16-bit range.
Result<int> kmTextToUnits(const std::string& text);

// Rows of the start-point grid: 1-4 start points, 5 and 6 the further points.
inline constexpr int kStartGridRows = 6;

// A typed coordinate (axis 0 X, 1 Y, 2 Z) of start-grid row 1-6.
Operation startPointCellOperation(std::vector<int> fgs, int row, int axis, int units);
// A typed coordinate of waypoint 1-8 of the order (region, order).
Operation orderWaypointCellOperation(std::vector<int> fgs, int region, int order, int waypoint,
                                     int axis, int units);
// The enabled flag of start-grid row 1-6.
Operation startEnabledOperation(std::vector<int> fgs, int row, bool on);
// The enabled flag of waypoint 1-8 of the order (region, order).
Operation orderWaypointEnabledOperation(std::vector<int> fgs, int region, int order, int waypoint,
                                        bool on);
// The region (0-3) of start point k (1-4).
Operation startRegionOperation(std::vector<int> fgs, int point, int region);

// What the grids show for one flight group.
int startGridValue(const FGObject& f, int row, int axis);
bool startGridEnabled(const FGObject& f, int row);
int orderWaypointValue(const FGObject& f, int region, int order, int waypoint, int axis);
bool orderWaypointEnabled(const FGObject& f, int region, int order, int waypoint);

} // namespace zephlo
