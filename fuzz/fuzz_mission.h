// Small fuzz inputs turned into whole mission files, so that the fuzzers'
// mutations land in the records the editor interprets rather than in the
// large reserved areas.
#pragma once

#include "core/mission/bytes.h"

#include <cstddef>
#include <span>
#include <vector>

namespace zephlo::fuzz {

// The compact form: a byte with the number of flight groups, a byte with the
// number of messages, then the flight-group records, the messages, the
// global goals, the teams, the header and the briefing block, each in file
// layout. Whatever the input lacks is zero; the record counts are capped.
struct Compact {
  std::size_t flightGroups = 0, messages = 0;
  std::vector<Byte> file; // a complete mission file
};
Compact missionFromCompact(std::span<const Byte> input, std::size_t maxFlightGroups,
                           std::size_t maxMessages);

// The compact form of a mission file, for seeds; empty when it is too short.
std::vector<Byte> compactFromMission(std::span<const Byte> file);

// The bytes the writer gives back for a file the reader accepted: the same
// bytes apart from its documented fix-ups (a briefing string that is a lone
// NUL is saved empty, a backdrop at the origin is moved to Z = 8).
std::vector<Byte> expectedAfterSave(std::span<const Byte> file);

} // namespace zephlo::fuzz
