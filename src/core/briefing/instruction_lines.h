// The lines of the briefing editor's instruction list and the reading of
// its kilometre fields.
#pragma once

#include "core/briefing/briefing_codec.h"

#include <array>
#include <optional>
#include <string>

namespace zephlo {

// What a line shows besides the instruction: strings and region names.
struct InstructionLineContext {
  const std::array<std::string, 128>& tags;
  const std::array<std::string, 128>& texts;
  std::array<std::string, 4> regionNames;
};

std::string instructionLine(const TCommandObject& c, const InstructionLineContext& context);

// The playback labels: " Time: 1.24" and "Instruction #3 :" (one-based).
std::string playbackTimeLabel(int ticks);
std::string instructionLabel(int position);

// Map units as kilometres with two decimals.
std::string briefingKmText(int mapUnits);
// A kilometre field: value x 160, rounded; empty or "-" is 0; anything
// that is not a number gives nothing, so the field is left as it was.
std::optional<int> briefingKmField(const std::string& text);

} // namespace zephlo
