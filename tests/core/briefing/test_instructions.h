// Briefing instructions for tests, written as compactly as a table.
#pragma once

#include "core/briefing/instruction_list.h"
#include "core/briefing/instruction_schema.h"

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

// Codes 1 to 40 once each at the time of their code, every parameter at the
// low or high end of its range, then a bare end marker.
inline InstructionList everyCodeAtRangeEnd(bool high) {
  InstructionList list;
  for (std::uint16_t code = 1; code <= 40; ++code) {
    if (code == brf::EndCode) continue;
    TCommandObject c;
    c.Time = static_cast<std::int16_t>(code);
    c.Command = code;
    for (const Parameter& p : instructionSchema(code).params)
      setParamWord(c, p.field, static_cast<std::uint16_t>(high ? p.hi : p.lo));
    list.push_back(c);
  }
  list.push_back({static_cast<std::int16_t>(brf::EndTime), brf::EndCode});
  return list;
}

} // namespace zephlo::testing
