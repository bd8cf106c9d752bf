// The instructions of the briefing stream: decoding the packed words into a
// list and encoding the list back, with the words each code takes.
#pragma once

#include "core/mission/briefing_block.h"
#include "core/mission/result.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zephlo {

namespace brfcode {
inline constexpr std::uint16_t PageBreak = 3;
inline constexpr std::uint16_t TitleText = 4;
inline constexpr std::uint16_t Text = 5;
inline constexpr std::uint16_t MoveMap = 6;
inline constexpr std::uint16_t ZoomMap = 7;
inline constexpr std::uint16_t ClearBoxes = 8;
inline constexpr std::uint16_t FirstBox = 9;
inline constexpr std::uint16_t ClearTags = 17;
inline constexpr std::uint16_t FirstTag = 18;
inline constexpr std::uint16_t NewIcon = 26;
inline constexpr std::uint16_t ShipData = 27;
inline constexpr std::uint16_t MoveIcon = 28;
inline constexpr std::uint16_t RotateIcon = 29;
inline constexpr std::uint16_t ChangeRegion = 30;
} // namespace brfcode

// One decoded instruction. Fields a code does not use are never written.
struct TCommandObject {
  std::int16_t Time = 0;
  std::uint16_t Command = 0;
  std::uint16_t CraftType = 0;
  std::uint16_t Rotation = 0;
  std::uint16_t InfoIcon = 0;
  std::uint16_t Index = 0;
  std::uint16_t Color = 0;
  std::int16_t X = 0;
  std::int16_t Y = 0;

  bool operator==(const TCommandObject&) const = default;
};

// Number of parameter words that follow time and code in the stream
// (instruction_schema.h says which they are).
int parameterCount(std::uint16_t code);
// The parameter words of an item in stream order.
std::vector<std::uint16_t> parameterWords(const TCommandObject& item);
// The instruction name shown in lists and the instruction box.
std::string commandName(std::uint16_t code);

// Decodes the stream into the instruction list. Never reads past the
// 7000 stream words, whatever the stream length claims.
std::vector<TCommandObject> decodeBriefing(const Briefing& b);

// Encodes the list into the stream, sets the stream length and zeroes the
// words after it. A list that needs more than 7000 words is refused and the
// block is then unchanged.
Status encodeBriefing(const std::vector<TCommandObject>& list, Briefing& b);
// The stream words a list takes (time, code and parameters of each item).
std::size_t briefingWords(const std::vector<TCommandObject>& list);

// Mends a stream whose length is too short to be real (below 7) while the
// running time is not the new-mission default: the length is set to the
// last non-zero word and the word before it to the end time. Returns true
// when it changed something, so the editor can tell the designer.
bool repairBriefingStream(Briefing& b);

} // namespace zephlo
