// Hyperspace buoys that link two regions, appended as new flight groups.
#pragma once

#include "core/mission/edit.h"
#include "core/mission/new_mission.h"

#include <optional>
#include <string>
#include <vector>

namespace zephlo {

inline constexpr Byte kCraftHyperbuoy = 85;
inline constexpr Byte kOrderBeacon = 49;

// One buoy to be made. Regions are 0-based; roles index the role list
// (12 + r "HYP from Region r+1", 16 + r "HYP to Region r+1").
struct BuoyPlan {
  int region = 0;
  std::string name;
  Byte role1 = 0;
  std::optional<Byte> role2;
  bool operator==(const BuoyPlan&) const = default;
};

// The buoys linking region from to region to, in the order they are
// appended: an exit buoy in each region, and with entryPoints an entry buoy
// beside each; without entry points each exit buoy also takes the entry role.
// Names are prefixed "To " / "From " with entry points, bare without.
std::vector<BuoyPlan> hyperbuoyPlan(const Document& doc, int from, int to, bool entryPoints);

// The flight group of one buoy, made from the template.
FGObject makeHyperbuoy(const Templates& t, const BuoyPlan& plan, Byte missionType);

// Appends the buoys ("Add Hyperbuoys"). Refuses regions outside 0-3 and a
// list that cannot take them all.
Operation addHyperbuoysOperation(const Templates& t, int from, int to, bool entryPoints);

} // namespace zephlo
