// A small battle of 13 flight groups, one of each kind of icon and several
// wireframes, for render tests and for looking at the map.
#pragma once

#include "core/mission/new_mission.h"
#include "support/map_fixtures.h"

namespace zephlo::testing {

inline Document showcaseMission() {
  Document d = newMission(MissionPrefs{});
  const FGObject templ = d.flightGroups.front();
  struct Craft {
    int type, iff;
    const char* name;
    int x, y, z;
  };
  const Craft craft[] = {
      {1, 0, "Red", 0, 800, 0},
      {2, 0, "Gold", -480, 960, 0},
      {3, 0, "Green", 480, 960, 0},
      {5, 1, "Alpha", -800, -2400, 320},
      {7, 1, "Beta", 800, -2560, 320},
      {53, 1, "Avenger", 0, -4800, 0},
      {49, 0, "Home One", 0, 3200, -160},
      {38, 3, "Outrider", -2400, 0, 0},
      {22, 1, "Storm", 2400, -800, 160},
      {26, 2, "CN/A", 1600, 1600, 0},
      {83, 2, "Nav 1", -1600, -1600, 0},
      {86, 5, "Rock", 3200, 2400, 0},
      {46, 5, "Stinger", -3200, 2400, 320},
  };
  d.flightGroups.clear();
  for (const Craft& c : craft) {
    FGObject f = templ;
    f.setName(c.name);
    f.set(fg::CraftType, static_cast<Byte>(c.type));
    f.set(fg::Iff, static_cast<Byte>(c.iff));
    f.set(fg::PlayerNumber, 0);
    f.setStartPoint(1, {static_cast<std::int16_t>(c.x), static_cast<std::int16_t>(c.y),
                        static_cast<std::int16_t>(c.z), 1});
    setWaypoint(f, 1, 1, 1, c.x / 2, c.y / 2 - 640, c.z + 160, 1);
    setWaypoint(f, 1, 1, 2, c.x / 2 + 800, c.y / 2 - 1280, c.z, c.type < 50 ? 1 : 0);
    d.flightGroups.push_back(f);
  }
  d.flightGroups[0].set(fg::PlayerNumber, 1);
  setU16(d.header, hdr::NumFGs, static_cast<std::uint16_t>(d.flightGroups.size()));
  return d;
}

} // namespace zephlo::testing
