#include "core/map/labels.h"

#include "core/gamedata/craft_tables.h"
#include "core/map/map_units.h"
#include "core/mission/fg_rules.h"

namespace zephlo {

namespace {

// MGLT to kilometres per second.
constexpr double kKmPerSecondPerMglt = 0.002209456471765;

} // namespace

std::string nameLabel(const FGObject& f, int slot, bool namesOn, bool currentOnly) {
  std::string s = "  ";
  if (!namesOn) return s;
  const std::string name = trimmed(f.name());
  if (slot == 1)
    s += " " + name;
  else if (slot == 2 || slot == 3)
    s += "Start " + std::to_string(slot);
  else if (slot == 4)
    s += "Depart";
  else
    s += "w " + std::to_string(slot - 4);
  if (slot >= 2 && !currentOnly) s += " " + name; // which flight group the point belongs to
  return s;
}

std::string distanceLabel(const FGObject& f, int slot, int cumulative, int speed,
                          const MapOptions& options) {
  std::string s;
  if (slot < 2 || !isMovingType(f.at(fg::CraftType))) return s;
  if (slot <= 4) cumulative = 0;
  if (options.showDistances) s += kmText(cumulative) + "km ";
  if (!options.showTime) return s;
  if (speed <= 0) return s + "(Holding)";
  const double km = static_cast<double>(cumulative) / kUnitsPerKm;
  const long long seconds = roundEven(km / (speed * kKmPerSecondPerMglt));
  s += "(" + std::to_string(seconds) + ")";
  const int minutes = f.at(fg::ArrivalDelayMinutes), secs = f.at(fg::ArrivalDelaySeconds);
  if (arrivesEarly(f) && (minutes != 0 || secs != 0))
    s += " <" + std::to_string(minutes * 60 + seconds + 5 + secs) + ">";
  return s;
}

} // namespace zephlo
