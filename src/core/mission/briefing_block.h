// The briefing block of a mission: a small header, a stream of timed
// instructions packed as 16-bit words, team flags, and two string lists.
// The document keeps it as bytes; the codec above reads the stream.
#pragma once

#include "core/mission/bytes.h"

#include <array>
#include <cstdint>
#include <string>

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

} // namespace zephlo
