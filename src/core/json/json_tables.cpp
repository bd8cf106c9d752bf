// The field tables of each record for the JSON form of a mission: names,
// offsets and kinds, and the word lists or mission names beside numbers.
#include "core/gamedata/vocabularies.h"
#include "core/json/json_fields.h"
#include "core/mission/layout.h"

#include <algorithm>
#include <stdexcept>

namespace zephlo::json {

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

} // namespace zephlo::json
