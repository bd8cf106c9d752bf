// The record objects of a mission: each holds its file record first, then the
// strings and derived values that belong with it.
#pragma once

#include "core/mission/bytes.h"
#include "core/mission/layout.h"

#include <array>
#include <cstdint>
#include <string>

namespace zephlo {

using GoalString = Block<64>; // 64-byte text field; stored short in the file

// Where a flight group stands on the briefing map. The file has no field for
// it, so it lives with the flight group in memory only.
struct BriefingPoint {
  std::int16_t x = 0, y = 0, z = 0;
  bool enabled = false;
  bool operator==(const BriefingPoint&) const = default;
};

// A point as the records hold it: X, Y and Z in map units and the enabled
// word (1 = in use).
struct Point {
  std::int16_t x = 0, y = 0, z = 0, enabled = 0;
  bool operator==(const Point&) const = default;
  // Coordinate 0 X, 1 Y, 2 Z.
  std::int16_t axis(int a) const { return a == 0 ? x : a == 1 ? y : z; }
  std::int16_t& axis(int a) { return a == 0 ? x : a == 1 ? y : z; }
};
Point readPoint(const Byte* p);
void writePoint(Byte* p, const Point& point);

struct FGObject {
  FGObject() : record{}, goalStrings{} {}
  // Takes a record as read from a file; the reader fills the goal strings
  // later, so neither is cleared first.
  explicit FGObject(const Byte* fileRecord);

  Block<size::flightGroup> record;
  std::array<GoalString, size::fgGoalStrings> goalStrings; // goal k: 3k Incomplete, Success, Fail
  bool autolink = false;
  BriefingPoint briefingPoint;

  bool operator==(const FGObject&) const = default;

  Byte at(std::size_t off) const { return record[off]; }
  void set(std::size_t off, Byte v) { record[off] = v; }
  std::string name() const { return getText(record, fg::Name, fg::NameSize); }
  void setName(std::string_view s) { setText(record, fg::Name, fg::NameSize, s); }
  Byte* order(int region, int order) { return record.data() + fg::orderOffset(region, order); }
  const Byte* order(int region, int order) const {
    return record.data() + fg::orderOffset(region, order);
  }
  Byte* goal(int g) { return record.data() + fg::goalOffset(g); }
  const Byte* goal(int g) const { return record.data() + fg::goalOffset(g); }

  // Start point k (1-4).
  Point startPoint(int k) const { return readPoint(record.data() + fg::startPointOffset(k)); }
  void setStartPoint(int k, const Point& p) {
    writePoint(record.data() + fg::startPointOffset(k), p);
  }

  // The record as written: a backdrop at the origin moved to Z = 8 so the
  // game shows it.
  Block<size::flightGroup> recordForFile() const;
};

struct MsgObject {
  Block<size::message> record{};
  std::uint16_t sentToAnyTeam = 0;
  std::uint32_t listPosition = 0;

  bool operator==(const MsgObject&) const = default;

  std::string text() const { return getText(record, msg::Text, msg::TextSize); }
  void setText(std::string_view s) { zephlo::setText(record, msg::Text, msg::TextSize, s); }
  // 1 when any of the eight sent-to-team bytes is 1.
  void computeSentToAny();
};

struct GGObject {
  Block<size::globalGoal> record{};
  bool operator==(const GGObject&) const = default;
};

struct TeamDetailObject {
  Block<size::team> record{};
  bool operator==(const TeamDetailObject&) const = default;
  std::string name() const { return getText(record, team::Name, team::NameSize); }
  void setName(std::string_view s) { setText(record, team::Name, team::NameSize, s); }
};

struct GGStrObject {
  std::array<GoalString, size::teamGoalStrings> strings{};
  bool operator==(const GGStrObject&) const = default;
};

// One of the four optional-value sections: the value byte is present in the
// file only when the flag is exactly 1.
struct OptionalSection {
  Byte flag = 0;
  Byte second = 0;
  Byte value = 0;
  std::array<Byte, 234> data{}; // only the first dataSize bytes are used
  bool hasValue() const { return flag == 1; }
  bool operator==(const OptionalSection&) const = default;
};

// An entry of the reserved string table: the 63 bytes follow only a non-zero flag.
struct ReservedString {
  Byte flag = 0;
  Block<size::reservedStringBody> body{};
  bool operator==(const ReservedString&) const = default;
};

std::string goalText(const GoalString& s);
void setGoalText(GoalString& s, std::string_view text);

} // namespace zephlo
