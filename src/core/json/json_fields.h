// The named fields of each fixed-size record for the JSON form of a mission.
// One table per record (name, offset, kind) serves both directions, and the
// bytes no field names are filled in as hex fields, so every byte of a record
// appears exactly once.
#pragma once

#include "core/mission/bytes.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zephlo::json {

using Json = nlohmann::ordered_json;

enum class Kind {
  U8,
  I8,
  U16,
  I16,
  Text,   // fixed-width 8-bit text, NUL padded
  Hex,    // bytes no field names; trailing zero bytes left out
  Record, // a nested record with its own table
};

struct RecordTable;

// Where the readable name beside a number comes from: a word list of the
// game, or the mission itself (a trigger's or target's subject, whose kind is
// the byte at typeOffset; a team; a flight group).
enum class Names { None, List, Subject, Team, FlightGroup };

struct Field {
  std::string name;
  std::size_t offset = 0;
  Kind kind = Kind::U8;
  std::size_t width = 0;               // Text: characters; Hex: bytes
  int count = 0;                       // 0: one value; n: an array of n values side by side
  const RecordTable* record = nullptr; // Kind::Record
  Names names = Names::None;
  const std::vector<std::string>& (*list)() = nullptr; // Names::List
  std::size_t typeOffset = 0;                          // Names::Subject
  // Exported for reading only and worked out again on import (a count).
  bool derived = false;
  std::size_t elementSize() const;
};

// The member beside a named field: "craftTypeName" beside "craftType",
// "optionalCraftTypeNames" beside the array "optionalCraftTypes".
std::string nameKey(const Field& f);

// The names that depend on the mission: its flight groups and teams, in
// UTF-8. Nothing when there is no such one (a name is then left out).
class MissionNames {
public:
  virtual ~MissionNames() = default;
  virtual std::optional<std::string> subject(int type, int variable) const = 0;
  virtual std::optional<std::string> team(int index) const = 0;
  virtual std::optional<std::string> flightGroup(int index) const = 0;
};

struct RecordTable {
  std::size_t size = 0;
  std::vector<Field> fields; // in offset order, gaps included
};

// The tables, complete with their gap fields.
const RecordTable& triggerTable();
const RecordTable& triggerPairTable();
const RecordTable& waypointTable();
const RecordTable& orderTable();
const RecordTable& fgGoalTable();
const RecordTable& flightGroupTable();
const RecordTable& messageTable();
const RecordTable& globalGoalTable();
const RecordTable& teamTable();
const RecordTable& headerTable();

// A value at a place in the JSON document that cannot be taken; path is the
// JSON path of the value (flightGroups[3].orders[1].speed).
struct Refusal {
  std::string path;
  std::string what;
};

// Path of a member or an element below path.
std::string member(const std::string& path, const std::string& name);
std::string element(const std::string& path, std::size_t index);
// A short, safe description of a value for a refusal: a scalar as JSON, a
// long text cut, a container by its kind and size.
std::string excerpt(const Json& j);

// JSON text back to 8-bit text (each byte one character U+0000..U+00FF);
// the other way is latin1ToUtf8.
std::string utf8ToLatin1(const std::string& text, const std::string& path); // throws Refusal

// Bytes as lower-case hex; with trimZeros the trailing zero bytes are left out.
std::string toHex(const Byte* p, std::size_t n, bool trimZeros);
// Hex into at most n bytes (the rest zeroed); returns the number of bytes given.
std::size_t fromHex(const Json& j, Byte* p, std::size_t n, const std::string& path);

// A fixed-width text field: its bytes without the trailing NUL padding.
Json textToJson(const Byte* p, std::size_t width);
void textFromJson(const Json& j, Byte* p, std::size_t width, const std::string& path);

// The offset of the first bracket of a JSON text that opens more than limit
// levels, if any: such a text is refused before it is parsed.
std::optional<std::size_t> nestingBeyond(std::string_view text, int limit);

// Checked integer in lo..hi.
long long integerFromJson(const Json& j, long long lo, long long hi, const std::string& path);
// The member name of object j at path, refusing a missing one.
const Json& require(const Json& j, const std::string& name, const std::string& path);
// Refuses members of object j other than the names given.
void refuseUnknown(const Json& j, const std::vector<std::string>& names, const std::string& path);
const Json& requireObject(const Json& j, const std::string& path);
const Json& requireArray(const Json& j, std::size_t size, const std::string& path);

// The record by name, with the readable names beside the numbers that have
// them (the mission's own names only when names are given).
Json recordToJson(const Byte* p, const RecordTable& table, const MissionNames* names = nullptr);
// Fills the record at p from j; every field must be there and nothing else,
// except the readable names, which are ignored, and derived fields, which
// may be left out. extra names members that the caller reads itself.
void recordFromJson(const Json& j, Byte* p, const RecordTable& table, const std::string& path,
                    const std::vector<std::string>& extra = {});

} // namespace zephlo::json
