// Briefing instructions for tests, written as compactly as a table.
#pragma once

#include "core/briefing/instruction_list.h"

namespace zephlo::testing {

inline TCommandObject at(int time, std::uint16_t code, int index = 0, int x = 0, int y = 0) {
  TCommandObject c = newInstruction(code);
  c.Time = static_cast<std::int16_t>(time);
  c.Index = static_cast<std::uint16_t>(index);
  c.X = static_cast<std::int16_t>(x);
  c.Y = static_cast<std::int16_t>(y);
  return c;
}

inline TCommandObject newIconAt(int time, int icon, int craft, int iff) {
  TCommandObject c = at(time, brfcode::NewIcon, icon);
  c.CraftType = static_cast<std::uint16_t>(craft);
  c.Color = static_cast<std::uint16_t>(iff);
  return c;
}

inline TCommandObject endMarker() { return newInstruction(brf::EndCode); }

} // namespace zephlo::testing
