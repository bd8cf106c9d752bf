// The briefing block of a mission: a small header, a stream of timed
// instructions packed as 16-bit words, team flags, and two string lists.
#pragma once

#include "mission/bytes.h"
#include "mission/result.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zephlo {

namespace brf {
inline constexpr std::size_t RunningTime = 0;
inline constexpr std::size_t Spare1 = 2;
inline constexpr std::size_t Spare2 = 4;
inline constexpr std::size_t StreamLength = 6;
inline constexpr std::size_t Spare3 = 8;
inline constexpr std::size_t Stream = 10; // word k (1-based) at 8 + 2k
inline constexpr int StreamWords = 7000;
inline constexpr std::size_t Unused = 14010;    // 3408 bytes, kept as read
inline constexpr std::size_t TeamFlags = 17418; // 10 bytes
inline constexpr int TicksPerSecond = 25;
inline constexpr std::uint16_t EndTime = 9999;
inline constexpr std::uint16_t EndCode = 34;
inline constexpr std::uint16_t NewRunningTime = 600;
} // namespace brf

struct Briefing {
  Block<17428> block{};
  std::array<std::string, 128> tags;
  std::array<std::string, 128> texts;

  std::uint16_t word(int k) const; // 1-based stream word
  void setWord(int k, std::uint16_t v);
  std::uint16_t runningTime() const { return getU16(block, brf::RunningTime); }
  void setRunningTime(std::uint16_t t) { setU16(block, brf::RunningTime, t); }
  std::uint16_t streamLength() const { return getU16(block, brf::StreamLength); }
  void setStreamLength(std::uint16_t n) { setU16(block, brf::StreamLength, n); }
  bool seenByTeam(int team) const { return block[brf::TeamFlags + team] != 0; }

  bool operator==(const Briefing&) const = default;
};

// The defaults of a new mission: 24 seconds, only the end marker, team 1 only.
Briefing newBriefing();

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

// Number of parameter words that follow time and code in the stream.
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

// Mends a stream whose length is too short to be real (below 7) while the
// running time is not the new-mission default: the length is set to the
// last non-zero word and the word before it to the end time. Returns true
// when it changed something, so the editor can tell the designer.
bool repairBriefingStream(Briefing& b);

} // namespace zephlo
