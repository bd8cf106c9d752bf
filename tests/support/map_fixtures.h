// Flight groups placed for map tests.
#pragma once

#include "core/mission/document.h"

namespace zephlo::testing {

inline FGObject craftAt(int type, int iff, int x, int y, int z, const char* name = "Red") {
  FGObject f;
  f.setName(name);
  f.set(fg::CraftType, static_cast<Byte>(type));
  f.set(fg::Iff, static_cast<Byte>(iff));
  f.setStartPoint(1, {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                      static_cast<std::int16_t>(z), 1});
  return f;
}

// Waypoint w (1-8) of order (region, order) in the record.
inline void setWaypoint(FGObject& f, int region, int order, int w, int x, int y, int z,
                        int enabled = 1) {
  Byte* p = f.order(region, order) + ord::waypointOffset(w);
  setI16(p + wp::X, static_cast<std::int16_t>(x));
  setI16(p + wp::Y, static_cast<std::int16_t>(y));
  setI16(p + wp::Z, static_cast<std::int16_t>(z));
  setI16(p + wp::Enabled, static_cast<std::int16_t>(enabled));
}

} // namespace zephlo::testing
