#include "core/json/json_fields.h"

#include "core/gamedata/vocabularies.h"
#include "core/mission/layout.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace zephlo::json {

std::size_t Field::elementSize() const {
  switch (kind) {
  case Kind::U8:
  case Kind::I8: return 1;
  case Kind::U16:
  case Kind::I16: return 2;
  case Kind::Text:
  case Kind::Hex: return width;
  case Kind::Record: return record->size;
  }
  return 0;
}

namespace {

class Table {
public:
  explicit Table(std::size_t size) { t_.size = size; }
  Table& u8(const char* name, std::size_t off, int count = 0) {
    return add(name, off, Kind::U8, 0, count);
  }
  Table& i8(const char* name, std::size_t off) { return add(name, off, Kind::I8, 0, 0); }
  Table& u16(const char* name, std::size_t off) { return add(name, off, Kind::U16, 0, 0); }
  Table& i16(const char* name, std::size_t off) { return add(name, off, Kind::I16, 0, 0); }
  Table& text(const char* name, std::size_t off, std::size_t width, int count = 0) {
    return add(name, off, Kind::Text, width, count);
  }
  Table& rec(const char* name, std::size_t off, const RecordTable& r, int count = 0) {
    add(name, off, Kind::Record, 0, count);
    t_.fields.back().record = &r;
    return *this;
  }
  // The last field's numbers stand for the words of a list.
  Table& named(const vocab::List& (*list)()) {
    t_.fields.back().names = Names::List;
    t_.fields.back().list = list;
    return *this;
  }
  // The last field names a subject whose kind is the byte at typeOffset.
  Table& subject(std::size_t typeOffset) {
    t_.fields.back().names = Names::Subject;
    t_.fields.back().typeOffset = typeOffset;
    return *this;
  }
  Table& namedBy(Names names) {
    t_.fields.back().names = names;
    return *this;
  }
  Table& derived() {
    t_.fields.back().derived = true;
    return *this;
  }

  // Sorts the fields and names every byte left over "unnamedOFFSET".
  RecordTable done() {
    std::sort(t_.fields.begin(), t_.fields.end(),
              [](const Field& a, const Field& b) { return a.offset < b.offset; });
    std::vector<Field> all;
    std::size_t at = 0;
    for (const Field& f : t_.fields) {
      if (f.offset < at) throw std::logic_error("overlapping JSON field " + f.name);
      if (f.offset > at) all.push_back(gap(at, f.offset - at));
      all.push_back(f);
      at = f.offset + f.elementSize() * static_cast<std::size_t>(std::max(f.count, 1));
    }
    if (at > t_.size) throw std::logic_error("JSON field past the record's end");
    if (at < t_.size) all.push_back(gap(at, t_.size - at));
    t_.fields = std::move(all);
    return t_;
  }

private:
  Table& add(const char* name, std::size_t off, Kind kind, std::size_t width, int count) {
    Field f;
    f.name = name;
    f.offset = off;
    f.kind = kind;
    f.width = width;
    f.count = count;
    t_.fields.push_back(f);
    return *this;
  }
  static Field gap(std::size_t off, std::size_t n) {
    Field f;
    f.name = "unnamed" + std::to_string(off);
    f.offset = off;
    f.kind = Kind::Hex;
    f.width = n;
    return f;
  }
  RecordTable t_;
};

[[noreturn]] void refuse(const std::string& path, const std::string& what) {
  throw Refusal{path, what};
}

} // namespace

const RecordTable& triggerTable() {
  static const RecordTable t = Table(trig::Size)
                                   .u8("condition", trig::Condition)
                                   .named(vocab::conditions)
                                   .u8("variableType", trig::VariableType)
                                   .named(vocab::variableTypes)
                                   .u8("variable", trig::Variable)
                                   .subject(trig::VariableType)
                                   .u8("amount", trig::Amount)
                                   .named(vocab::amounts)
                                   .u8("parameter1", trig::Parameter1)
                                   .u8("parameter2", trig::Parameter2)
                                   .done();
  return t;
}

const RecordTable& triggerPairTable() {
  static const RecordTable t = Table(pair::Size)
                                   .rec("first", pair::First, triggerTable())
                                   .rec("second", pair::Second, triggerTable())
                                   .u8("or", pair::Or)
                                   .done();
  return t;
}

const RecordTable& waypointTable() {
  static const RecordTable t =
      Table(8).i16("x", wp::X).i16("y", wp::Y).i16("z", wp::Z).i16("enabled", wp::Enabled).done();
  return t;
}

const RecordTable& orderTable() {
  static const RecordTable t = Table(ord::Size)
                                   .u8("command", ord::Command)
                                   .named(vocab::orders)
                                   .u8("speed", ord::Speed)
                                   .named(vocab::orderSpeeds)
                                   .u8("parameter1", ord::Parameter1)
                                   .u8("parameter2", ord::Parameter2)
                                   .u8("target3Type", ord::Target3Type)
                                   .named(vocab::variableTypes)
                                   .u8("target4Type", ord::Target4Type)
                                   .named(vocab::variableTypes)
                                   .u8("target3", ord::Target3)
                                   .subject(ord::Target3Type)
                                   .u8("target4", ord::Target4)
                                   .subject(ord::Target4Type)
                                   .u8("target34Either", ord::Target34Either)
                                   .u8("target1Type", ord::Target1Type)
                                   .named(vocab::variableTypes)
                                   .u8("target1", ord::Target1)
                                   .subject(ord::Target1Type)
                                   .u8("target2Type", ord::Target2Type)
                                   .named(vocab::variableTypes)
                                   .u8("target2", ord::Target2)
                                   .subject(ord::Target2Type)
                                   .u8("target12Either", ord::Target12Either)
                                   .rec("waypoints", ord::Waypoints, waypointTable(), 8)
                                   .done();
  return t;
}

const RecordTable& fgGoalTable() {
  static const RecordTable t = Table(fg::GoalSize)
                                   .u8("requirement", goal::Requirement)
                                   .named(vocab::goalRequirements)
                                   .u8("condition", goal::Condition)
                                   .named(vocab::conditions)
                                   .u8("amount", goal::Amount)
                                   .named(vocab::amounts)
                                   .i8("points", goal::Points)
                                   .u8("teamFlag", goal::TeamFlag)
                                   .u8("team", goal::Team)
                                   .namedBy(Names::Team)
                                   .u8("time", goal::Time)
                                   .u8("parameter", goal::Parameter)
                                   .u8("parameter2", goal::Parameter2)
                                   .done();
  return t;
}

const RecordTable& flightGroupTable() {
  static const RecordTable t =
      Table(size::flightGroup)
          .text("name", fg::Name, fg::NameSize)
          .u8("role1Switch", fg::Role1Switch)
          .u8("role2Switch", fg::Role2Switch)
          .u8("role1", fg::Role1)
          .named(vocab::tacticalRoles)
          .u8("role2", fg::Role2)
          .named(vocab::tacticalRoles)
          .u8("roleUnknown1", fg::RoleUnknown1)
          .u8("backdropShadow", fg::BackdropShadow)
          .u8("roleUnknown2", fg::RoleUnknown2)
          .text("cargo", fg::Cargo, fg::CargoSize)
          .text("specialCargo", fg::SpecialCargo, fg::CargoSize)
          .u8("specialCraft", fg::SpecialCraft)
          .u8("randomSpecialCraft", fg::RandomSpecialCraft)
          .u8("craftType", fg::CraftType)
          .named(vocab::craftTypes)
          .u8("numCraft", fg::NumCraft)
          .u8("status1", fg::Status1)
          .named(vocab::craftStatuses)
          .u8("warhead", fg::Warhead)
          .named(vocab::warheads)
          .u8("beam", fg::Beam)
          .named(vocab::beams)
          .u8("iff", fg::Iff)
          .named(vocab::iffs)
          .u8("team", fg::Team)
          .namedBy(Names::Team)
          .u8("aiRank", fg::AiRank)
          .named(vocab::aiRanks)
          .u8("colour", fg::Colour)
          .named(vocab::markings)
          .u8("radio", fg::Radio)
          .named(vocab::radioChannels)
          .u8("formation", fg::Formation)
          .named(vocab::formations)
          .u8("formationSpacing", fg::FormationSpacing)
          .u8("globalGroup", fg::GlobalGroup)
          .u8("numWavesMinusOne", fg::NumWavesMinusOne)
          .u8("playerNumber", fg::PlayerNumber)
          .u8("playerFlag", fg::PlayerFlag)
          .u8("playerCraftPosition", fg::PlayerCraftPosition)
          .u8("heading", fg::Heading)
          .u8("orientation", fg::Orientation)
          .u8("difficulty", fg::Difficulty)
          .named(vocab::difficulties)
          .rec("arrivalPair1", fg::ArrivalPair1, triggerPairTable())
          .rec("arrivalPair2", fg::ArrivalPair2, triggerPairTable())
          .u8("arrivalPairsOr", fg::ArrivalPairsOr)
          .u8("arrivalDelayMinutes", fg::ArrivalDelayMinutes)
          .u8("arrivalDelaySeconds", fg::ArrivalDelaySeconds)
          .rec("departurePair", fg::DeparturePair, triggerPairTable())
          .u8("departureDelayMinutes", fg::DepartureDelayMinutes)
          .u8("departureDelaySeconds", fg::DepartureDelaySeconds)
          .u8("abortWhen", fg::AbortWhen)
          .named(vocab::abortConditions)
          .u8("arrivalMothership", fg::ArrivalMothership)
          .namedBy(Names::FlightGroup)
          .u8("arriveByMothership", fg::ArriveByMothership)
          .u8("departureMothership", fg::DepartureMothership)
          .namedBy(Names::FlightGroup)
          .u8("departByMothership", fg::DepartByMothership)
          .u8("altArrivalMothership", fg::AltArrivalMothership)
          .namedBy(Names::FlightGroup)
          .u8("arriveByAltMothership", fg::ArriveByAltMothership)
          .u8("altDepartureMothership", fg::AltDepartureMothership)
          .namedBy(Names::FlightGroup)
          .u8("departByAltMothership", fg::DepartByAltMothership)
          .rec("orders", fg::Orders, orderTable(), kRegionCount * kOrdersPerRegion)
          .rec("skipTriggers", fg::SkipTriggers, triggerPairTable(),
               kRegionCount * kOrdersPerRegion)
          .rec("goals", fg::Goals, fgGoalTable(), kFGGoalCount)
          .rec("startPoints", fg::StartPoints, waypointTable(), 4)
          .u8("startRegion", fg::StartRegion)
          .u8("startPointRegions", fg::StartPointRegions, 3)
          .rec("furtherPoint1", fg::FurtherPoint1, waypointTable())
          .rec("furtherPoint2", fg::FurtherPoint2, waypointTable())
          .u8("initialCountermeasure", fg::InitialCountermeasure)
          .named(vocab::countermeasures)
          .u8("explosionTime", fg::ExplosionTime)
          .u8("status2", fg::Status2)
          .named(vocab::craftStatuses)
          .u8("globalUnit", fg::GlobalUnit)
          .u8("optionalWarheads", fg::OptionalWarheads, 8)
          .named(vocab::warheads)
          .u8("optionalBeams", fg::OptionalBeams, 6)
          .named(vocab::beams)
          .u8("optionalCountermeasures", fg::OptionalCountermeasures, 4)
          .named(vocab::countermeasures)
          .u8("optionalCraftCategory", fg::OptionalCraftCategory)
          .named(vocab::optionalCraftCategories)
          .u8("optionalCraftTypes", fg::OptionalCraftTypes, 10)
          .named(vocab::craftTypes)
          .u8("optionalCraftCounts", fg::OptionalCraftCounts, 10)
          .u8("optionalCraftWaves", fg::OptionalCraftWaves, 10)
          .u8("backdropNumber", fg::BackdropNumber)
          .done();
  return t;
}

const RecordTable& messageTable() {
  static const RecordTable t = Table(size::message)
                                   .u16("number", msg::Number)
                                   .text("text", msg::Text, msg::TextSize)
                                   .u8("sentTo", msg::SentTo, 8)
                                   .rec("pair1", msg::Pair1, triggerPairTable())
                                   .rec("pair2", msg::Pair2, triggerPairTable())
                                   .text("id", msg::Id, msg::IdSize)
                                   .u8("unknown", msg::Unknown)
                                   .u8("delay", msg::Delay)
                                   .u8("pairsOr", msg::PairsOr)
                                   .u8("colour", msg::Colour)
                                   .named(vocab::messageColours)
                                   // Its "or" byte counts the other way: 1 = And.
                                   .rec("cancelPair", msg::CancelPair, triggerPairTable())
                                   .done();
  return t;
}

namespace {
const RecordTable& goalBlockTable() {
  static const RecordTable t = Table(gg::BlockSize)
                                   .u16("unknown0", gg::Unknown0)
                                   .rec("pair1", gg::Pair1, triggerPairTable())
                                   .rec("pair2", gg::Pair2, triggerPairTable())
                                   .u8("unknown41", gg::Unknown41)
                                   .u8("pairsOr", gg::PairsOr)
                                   .u8("unknown52", gg::Unknown52)
                                   .i8("points", gg::Points)
                                   .u8("unknown54", gg::Unknown54)
                                   .u8("unknown55", gg::Unknown55)
                                   .u8("unknown58", gg::Unknown58)
                                   .done();
  return t;
}

const RecordTable& stringTable16Entry() {
  static const RecordTable t = Table(hdr::StringTable16Entry)
                                   .text("text", hdr::StringTable16Text, hdr::StringTable16TextSize)
                                   .u8("byte68", hdr::StringTable16Byte1)
                                   .u8("byte72", hdr::StringTable16Byte2)
                                   .u8("byte75", hdr::StringTable16Byte3)
                                   .done();
  return t;
}
} // namespace

const RecordTable& globalGoalTable() {
  static const RecordTable t = Table(size::globalGoal)
                                   .rec("primary", gg::blockOffset(0), goalBlockTable())
                                   .rec("prevent", gg::blockOffset(1), goalBlockTable())
                                   .rec("secondary", gg::blockOffset(2), goalBlockTable())
                                   .done();
  return t;
}

const RecordTable& teamTable() {
  static const RecordTable t = Table(size::team)
                                   .u16("unknown0", team::Unknown0)
                                   .text("name", team::Name, team::NameSize)
                                   .u8("allies", team::Allies, 8)
                                   .text("endTexts", team::EndTexts, team::EndTextSize, 6)
                                   .done();
  return t;
}

const RecordTable& headerTable() {
  static const RecordTable t =
      Table(size::header)
          .u16("NumFGs", hdr::NumFGs)
          .derived()
          .u16("NumMessages", hdr::NumMessages)
          .derived()
          .u8("unknownFlag1", hdr::UnknownFlag1)
          .u8("unknownFlag2", hdr::UnknownFlag2)
          .text("headerStrings", hdr::HeaderStrings, hdr::HeaderStringSize, 4)
          .text("regionNames", hdr::RegionNames, hdr::RegionNameSize, 4)
          .rec("stringTable16", hdr::StringTable16, stringTable16Entry(), 16)
          .text("stringTable72", hdr::StringTable72, hdr::StringTable72Entry, 72)
          .u8("missionType", hdr::MissionType)
          .named(vocab::missionTypes)
          .u8("timeValues", hdr::TimeValues, 4)
          .u8("mothershipBriefing1", hdr::MothershipBriefing1)
          .u8("unknownValues", hdr::UnknownValues, 2)
          .u8("mothershipBriefing2", hdr::MothershipBriefing2)
          .u8("unknownValue", hdr::UnknownValue)
          .done();
  return t;
}

std::string member(const std::string& path, const std::string& name) {
  return path.empty() ? name : path + "." + name;
}
std::string element(const std::string& path, std::size_t index) {
  return path + "[" + std::to_string(index) + "]";
}

std::string excerpt(const Json& j) {
  // Never serialise a container: it may be huge or nested deep enough to
  // overflow the stack.
  if (j.is_object()) return j.empty() ? "an empty object" : "an object";
  if (j.is_array()) return "an array of " + std::to_string(j.size()) + " values";
  constexpr std::size_t kShown = 40;
  if (j.is_string() && j.get_ref<const std::string&>().size() > kShown) {
    std::string s = j.get_ref<const std::string&>().substr(0, kShown);
    // Never end the excerpt in the middle of a UTF-8 character.
    while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80)
      s.pop_back();
    if (!s.empty() && (static_cast<unsigned char>(s.back()) & 0x80) != 0) s.pop_back();
    return Json(s).dump() + "...";
  }
  return j.dump();
}

std::string utf8ToLatin1(const std::string& text, const std::string& path) {
  // The parser has already made sure the text is valid UTF-8.
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
    unsigned cp = c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < text.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3F);
    if (cp > 0xFF) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", cp);
      refuse(path, std::string("expected 8-bit characters (U+0000..U+00FF), got ") + code);
    }
    out += static_cast<char>(cp);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

std::string toHex(const Byte* p, std::size_t n, bool trimZeros) {
  if (trimZeros) {
    while (n > 0 && p[n - 1] == 0)
      --n;
  }
  static const char digits[] = "0123456789abcdef";
  std::string s(n * 2, '0');
  for (std::size_t i = 0; i < n; ++i) {
    s[2 * i] = digits[p[i] >> 4];
    s[2 * i + 1] = digits[p[i] & 15];
  }
  return s;
}

std::size_t fromHex(const Json& j, Byte* p, std::size_t n, const std::string& path) {
  const std::string what = "expected a hex string of at most " + std::to_string(n) + " bytes";
  if (!j.is_string()) refuse(path, what + ", got " + excerpt(j));
  const std::string& s = j.get_ref<const std::string&>();
  if (s.size() % 2 != 0 || s.size() / 2 > n)
    refuse(path, what + ", got " + std::to_string(s.size()) + " digits");
  auto digit = [&](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    refuse(path, what + ", got the character '" + std::string(1, c) + "'");
  };
  const std::size_t given = s.size() / 2;
  for (std::size_t i = 0; i < given; ++i)
    p[i] = static_cast<Byte>(digit(s[2 * i]) << 4 | digit(s[2 * i + 1]));
  std::fill(p + given, p + n, Byte{0});
  return given;
}

Json textToJson(const Byte* p, std::size_t width) {
  std::size_t n = width;
  while (n > 0 && p[n - 1] == 0)
    --n;
  return latin1ToUtf8(std::string_view(reinterpret_cast<const char*>(p), n));
}

void textFromJson(const Json& j, Byte* p, std::size_t width, const std::string& path) {
  if (!j.is_string()) refuse(path, "expected a text, got " + excerpt(j));
  const std::string bytes = utf8ToLatin1(j.get_ref<const std::string&>(), path);
  if (bytes.size() > width)
    refuse(path, "expected a text of at most " + std::to_string(width) + " characters, got " +
                     std::to_string(bytes.size()));
  std::copy(bytes.begin(), bytes.end(), p);
  std::fill(p + bytes.size(), p + width, Byte{0});
}

long long integerFromJson(const Json& j, long long lo, long long hi, const std::string& path) {
  const std::string what =
      "expected an integer " + std::to_string(lo) + ".." + std::to_string(hi) + ", got ";
  if (!j.is_number_integer()) refuse(path, what + excerpt(j));
  if (j.is_number_unsigned()) {
    const auto v = j.get<unsigned long long>();
    if (v > static_cast<unsigned long long>(hi)) refuse(path, what + excerpt(j));
    return static_cast<long long>(v);
  }
  const auto v = j.get<long long>();
  if (v < lo || v > hi) refuse(path, what + excerpt(j));
  return v;
}

const Json& requireObject(const Json& j, const std::string& path) {
  if (!j.is_object()) refuse(path, "expected an object, got " + excerpt(j));
  return j;
}

const Json& requireArray(const Json& j, std::size_t size, const std::string& path) {
  if (!j.is_array() || j.size() != size)
    refuse(path, "expected an array of " + std::to_string(size) + " values, got " +
                     (j.is_array() ? std::to_string(j.size()) + " values" : excerpt(j)));
  return j;
}

const Json& require(const Json& j, const std::string& name, const std::string& path) {
  auto it = j.find(name);
  if (it == j.end()) refuse(member(path, name), "this field is missing");
  return *it;
}

void refuseUnknown(const Json& j, const std::vector<std::string>& names, const std::string& path) {
  for (auto it = j.begin(); it != j.end(); ++it) {
    if (std::find(names.begin(), names.end(), it.key()) == names.end())
      refuse(member(path, it.key()), "not a field of this record");
  }
}

std::string nameKey(const Field& f) {
  std::string base = f.name;
  if (f.count == 0) return base + "Name";
  if (!base.empty() && base.back() == 's') base.pop_back();
  return base + "Names";
}

namespace {

Json valueToJson(const Byte* p, const Field& f, const MissionNames* names) {
  switch (f.kind) {
  case Kind::U8: return *p;
  case Kind::I8: return static_cast<std::int8_t>(*p);
  case Kind::U16: return getU16(p);
  case Kind::I16: return getI16(p);
  case Kind::Text: return textToJson(p, f.width);
  case Kind::Hex: return toHex(p, f.width, true);
  case Kind::Record: return recordToJson(p, *f.record, names);
  }
  return nullptr;
}

// The readable name of the number at p, if it has one. record is the start
// of the record, where a subject's kind is found.
std::optional<std::string> nameOf(const Byte* record, const Byte* p, const Field& f,
                                  const MissionNames* names) {
  const int v = *p;
  switch (f.names) {
  case Names::None: return std::nullopt;
  case Names::List: {
    const vocab::List& list = f.list();
    if (static_cast<std::size_t>(v) >= list.size()) return std::nullopt;
    return list[static_cast<std::size_t>(v)];
  }
  case Names::Subject: return names ? names->subject(record[f.typeOffset], v) : std::nullopt;
  case Names::Team: return names ? names->team(v) : std::nullopt;
  case Names::FlightGroup: return names ? names->flightGroup(v) : std::nullopt;
  }
  return std::nullopt;
}

void valueFromJson(const Json& j, Byte* p, const Field& f, const std::string& path) {
  switch (f.kind) {
  case Kind::U8: *p = static_cast<Byte>(integerFromJson(j, 0, 255, path)); break;
  case Kind::I8: *p = static_cast<Byte>(integerFromJson(j, -128, 127, path)); break;
  case Kind::U16: setU16(p, static_cast<std::uint16_t>(integerFromJson(j, 0, 65535, path))); break;
  case Kind::I16:
    setI16(p, static_cast<std::int16_t>(integerFromJson(j, -32768, 32767, path)));
    break;
  case Kind::Text: textFromJson(j, p, f.width, path); break;
  case Kind::Hex: fromHex(j, p, f.width, path); break;
  case Kind::Record: recordFromJson(j, p, *f.record, path); break;
  }
}

} // namespace

Json recordToJson(const Byte* p, const RecordTable& table, const MissionNames* names) {
  Json j = Json::object();
  for (const Field& f : table.fields) {
    if (f.derived) continue;
    if (f.count == 0) {
      j[f.name] = valueToJson(p + f.offset, f, names);
      if (auto name = nameOf(p, p + f.offset, f, names)) j[nameKey(f)] = std::move(*name);
      continue;
    }
    Json a = Json::array();
    Json named = Json::array();
    for (int i = 0; i < f.count; ++i) {
      const Byte* at = p + f.offset + static_cast<std::size_t>(i) * f.elementSize();
      a.push_back(valueToJson(at, f, names));
      if (f.names == Names::None) continue;
      auto name = nameOf(p, at, f, names);
      named.push_back(name ? Json(std::move(*name)) : Json());
    }
    j[f.name] = std::move(a);
    if (f.names != Names::None) j[nameKey(f)] = std::move(named);
  }
  return j;
}

void recordFromJson(const Json& j, Byte* p, const RecordTable& table, const std::string& path,
                    const std::vector<std::string>& extra) {
  requireObject(j, path);
  std::vector<std::string> names = extra;
  for (const Field& f : table.fields) {
    names.push_back(f.name);
    // The names are there for reading; the numbers alone count.
    if (f.names != Names::None) names.push_back(nameKey(f));
    if (f.derived && !j.contains(f.name)) continue;
    const Json& v = require(j, f.name, path);
    const std::string at = member(path, f.name);
    if (f.count == 0) {
      valueFromJson(v, p + f.offset, f, at);
      continue;
    }
    requireArray(v, static_cast<std::size_t>(f.count), at);
    for (int i = 0; i < f.count; ++i) {
      valueFromJson(v[static_cast<std::size_t>(i)],
                    p + f.offset + static_cast<std::size_t>(i) * f.elementSize(), f,
                    element(at, static_cast<std::size_t>(i)));
    }
  }
  refuseUnknown(j, names, path);
}

} // namespace zephlo::json
