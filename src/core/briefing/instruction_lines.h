// The lines of the briefing editor's instruction list and the reading of
// its typed fields.
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
// A decimal number with a point, whatever the locale, blanks around it
// allowed; nothing if the text is not one, or it is not finite.
std::optional<double> decimalNumber(const std::string& text);
// "Run time:" in seconds as ticks, rounded; nothing when it is no number.
// Values far out of range come back out of range for the edit to refuse.
std::optional<int> runningTimeField(const std::string& text);
// A typed map tag or briefing text as stored: at most 255 characters.
std::string briefingStringField(std::string text);

} // namespace zephlo
