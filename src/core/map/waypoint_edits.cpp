#include "core/map/waypoint_edits.h"

#include "core/map/map_units.h"

#include <charconv>
#include <cmath>

namespace zephlo {

namespace {

bool validRegionOrder(int region, int order) {
  return region >= 1 && region <= kRegionCount && order >= 1 && order <= kOrdersPerRegion;
}

// The record bytes of a further point (row 5 or 6 of the start grid).
std::size_t furtherPointOffset(int row) { return row == 5 ? fg::FurtherPoint1 : fg::FurtherPoint2; }

std::size_t axisOffset(int axis) { return axis == 0 ? wp::X : axis == 1 ? wp::Y : wp::Z; }

// The record bytes of start-grid row 1-6: a start point or a further point.
std::size_t startRowOffset(int row) {
  return row <= 4 ? fg::startPointOffset(row) : furtherPointOffset(row);
}
bool validStartRow(int row) { return row >= 1 && row <= kStartGridRows; }

Byte* orderWaypoint(FGObject& f, int region, int order, int waypoint) {
  return f.order(region, order) + ord::waypointOffset(waypoint);
}

} // namespace

Result<int> kmTextToUnits(const std::string& raw) {
  std::size_t b = raw.find_first_not_of(" \t");
  std::size_t e = raw.find_last_not_of(" \t");
  const std::string text = b == std::string::npos ? std::string() : raw.substr(b, e - b + 1);
  if (text.empty() || text == "-") return 0;
  double km = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (*first == '+') ++first;
  const auto [end, ec] = std::from_chars(first, last, km, std::chars_format::fixed);
  if (ec != std::errc() || end != last || !std::isfinite(km))
    return makeError(ErrorKind::BadInput, "'" + text + "' is not a valid floating point value");
  const long long units = roundEven(km * kUnitsPerKm);
  if (units < -32768 || units > 32767)
    return makeError(ErrorKind::BadInput,
                     "'" + text + "' km is beyond the map: coordinates run from -204.80 to 204.79");
  return static_cast<int>(units);
}

int startGridValue(const FGObject& f, int row, int axis) {
  if (!validStartRow(row)) return 0;
  return getI16(f.record.data() + startRowOffset(row) + axisOffset(axis));
}

bool startGridEnabled(const FGObject& f, int row) {
  if (!validStartRow(row)) return false;
  return getI16(f.record.data() + startRowOffset(row) + wp::Enabled) != 0;
}

int orderWaypointValue(const FGObject& f, int region, int order, int waypoint, int axis) {
  if (!validRegionOrder(region, order) || waypoint < 1 || waypoint > 8) return 0;
  return getI16(f.order(region, order) + ord::waypointOffset(waypoint) + axisOffset(axis));
}

bool orderWaypointEnabled(const FGObject& f, int region, int order, int waypoint) {
  if (!validRegionOrder(region, order) || waypoint < 1 || waypoint > 8) return false;
  return getI16(f.order(region, order) + ord::waypointOffset(waypoint) + wp::Enabled) != 0;
}

Operation startPointCellOperation(std::vector<int> fgs, int row, int axis, int units) {
  const std::string key = mergeKeyFor("WPGrid" + std::to_string(row * 3 + axis), fgs);
  return editFlightGroups("Start Point", key, std::move(fgs),
                          [row, axis, units](FGObject& f, Edit&) {
                            if (axis < 0 || axis > 2 || !validStartRow(row)) return;
                            setI16(f.record.data() + startRowOffset(row) + axisOffset(axis),
                                   static_cast<std::int16_t>(units));
                          });
}

Operation orderWaypointCellOperation(std::vector<int> fgs, int region, int order, int waypoint,
                                     int axis, int units) {
  const std::string key = mergeKeyFor("OrderWPGrid" + std::to_string(waypoint * 3 + axis), fgs);
  return editFlightGroups("Waypoint", key, std::move(fgs), [=](FGObject& f, Edit&) {
    if (!validRegionOrder(region, order) || waypoint < 1 || waypoint > 8 || axis < 0 || axis > 2)
      return;
    setI16(orderWaypoint(f, region, order, waypoint) + axisOffset(axis),
           static_cast<std::int16_t>(units));
  });
}

Operation startEnabledOperation(std::vector<int> fgs, int row, bool on) {
  return editFlightGroups("Start Point Enabled", "", std::move(fgs), [row, on](FGObject& f, Edit&) {
    if (validStartRow(row)) setI16(f.record.data() + startRowOffset(row) + wp::Enabled, on ? 1 : 0);
  });
}

Operation orderWaypointEnabledOperation(std::vector<int> fgs, int region, int order, int waypoint,
                                        bool on) {
  return editFlightGroups("Waypoint Enabled", "", std::move(fgs), [=](FGObject& f, Edit&) {
    if (!validRegionOrder(region, order) || waypoint < 1 || waypoint > 8) return;
    setI16(orderWaypoint(f, region, order, waypoint) + wp::Enabled, on ? 1 : 0);
  });
}

Operation startRegionOperation(std::vector<int> fgs, int point, int region) {
  return editFlightGroups("Start Region", "", std::move(fgs), [point, region](FGObject& f, Edit&) {
    if (point < 1 || point > 4 || region < 0 || region >= kRegionCount) return;
    f.set(fg::StartRegion + static_cast<std::size_t>(point - 1), static_cast<Byte>(region));
  });
}

} // namespace zephlo
