#include "core/mission/fg_stores.h"

#include "core/gamedata/vocabularies.h"
#include "core/mission/fg_rules.h"
#include "core/mission/store_values.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace zephlo {

namespace {

constexpr std::size_t kByteStore = 104, kTailStore = 3517, kRoleStore = 19, kMotherStore = 187;

enum class Kind {
  Plain,    // the value itself; a list with nothing chosen (-1) stores 0, never 255
  Number,   // typed, shown unsigned; -1 stores 255
  MinusOne, // stored one less than shown
  Signed,   // shown signed; -1 stores 255
  Special,  // special craft number, or a backdrop's number
};

struct FieldInfo {
  const char* control;
  const char* caption; // the undo step
  std::size_t offset;
  Kind kind = Kind::Plain;
};

// In the order of FgField.
constexpr FieldInfo kFields[] = {
    {"SpecShpSpin", "Change Special Craft", kByteStore + 1, Kind::Special},
    {"RandomChk", "Change Random Special Craft", kByteStore + 2},
    {"ShipBox", "Change Craft Type", kByteStore + 3},
    {"FGSizeSpin", "Change Flight Group Size", kByteStore + 4},
    {"StatusBox", "Change Status", kByteStore + 5},
    {"MissleBox", "Change Warhead", kByteStore + 6},
    {"BeamBox", "Change Beam", kByteStore + 7},
    {"IFFBox", "Change IFF", kByteStore + 8},
    {"TeamBox", "Change Team", kByteStore + 9},
    {"AIBox", "Change AI Rank", kByteStore + 10},
    {"ColorBox", "Change Colour", kByteStore + 11},
    {"RadioBox", "Change Radio", kByteStore + 12},
    {"FormBox", "Change Formation", kByteStore + 14},
    {"SpacingSpin", "Change Spacing", kByteStore + 15},
    {"GGSpin", "Change Global Group", kByteStore + 16},
    {"WaveSpin", "Change Waves", kByteStore + 18, Kind::MinusOne},
    {"PlayerBox", "Change Player", kByteStore + 21},
    {"PlrPosSpin", "Change Player Position", kByteStore + 23},
    {"OrientationBox", "Change Orientation", kByteStore + 25},
    {"AppearBox", "Change Difficulty", kByteStore + 30},
    {"CounterBox", "Change Countermeasure", kTailStore + 10},
    {"ExpTimeSpin", "Change Explosion Time", kTailStore + 11},
    {"Status2Box", "Change Status 2", kTailStore + 12},
    {"GUSpin", "Change Global Unit", kTailStore + 13},
    {"Edit1", "Change Role 1 Switch", kRoleStore + 1, Kind::Number},
    {"Edit2", "Change Role 2 Switch", kRoleStore + 2, Kind::Signed},
    {"RoleBox", "Change Role 1", kRoleStore + 3},
    {"Role2Box", "Change Role 2", kRoleStore + 4},
    {"Edit5", "Change Role Value", kRoleStore + 5, Kind::Signed},
    {"Edit7", "Change Role Value", kRoleStore + 7, Kind::Signed},
    {"DepartWhenBox", "Change Abort Condition", fg::AbortWhen},
    {"ArrMinSpin", "Change Arrival Delay", fg::ArrivalDelayMinutes},
    {"ArrSecSpin", "Change Arrival Delay", fg::ArrivalDelaySeconds},
    {"DepMin", "Change Departure Delay", fg::DepartureDelayMinutes},
    {"DepSec", "Change Departure Delay", fg::DepartureDelaySeconds},
    {"OpShipTypes", "Change Optional Craft", fg::OptionalCraftCategory},
};
static_assert(std::size(kFields) == static_cast<std::size_t>(FgField::OptionalCraftCategory) + 1);

const FieldInfo& info(FgField f) { return kFields[static_cast<std::size_t>(f)]; }

std::size_t specialOffset(const FGObject& f) {
  return f.at(fg::CraftType) == kBackdrop ? fg::BackdropNumber : fg::SpecialCraft;
}

// A byte edited as a number that may be typed signed: -1 and 255 are the same byte.
Byte numberByte(int value) { return value < 0 ? clampSignedByte(value) : clampByte(value); }

struct ListInfo {
  std::size_t offset;
  int entries;
  const char* control;
  const char* caption;
};
ListInfo listInfo(OptionalList l) {
  switch (l) {
  case OptionalList::Warheads:
    return {fg::OptionalWarheads, 8, "MissleSelBox", "Change Optional Warheads"};
  case OptionalList::Beams: return {fg::OptionalBeams, 6, "BeamSelBox", "Change Optional Beams"};
  case OptionalList::Countermeasures:
    return {fg::OptionalCountermeasures, 4, "CounterSelbox", "Change Optional Countermeasures"};
  }
  return {fg::OptionalWarheads, 0, "", ""};
}

constexpr int kOptionalCraftRows = 10;
std::size_t optionalCraftOffset(OptionalCraftField field, int row) {
  const std::size_t base = field == OptionalCraftField::Type    ? fg::OptionalCraftTypes
                           : field == OptionalCraftField::Count ? fg::OptionalCraftCounts
                                                                : fg::OptionalCraftWaves;
  return base + static_cast<std::size_t>(row);
}

struct MotherInfo {
  std::size_t value, flag;
  const char* control;
};
MotherInfo motherInfo(MothershipSlot s) {
  switch (s) {
  case MothershipSlot::Arrival: return {kMotherStore + 7, kMotherStore + 8, "ArrMotherBox"};
  case MothershipSlot::Departure: return {kMotherStore + 9, kMotherStore + 10, "ArrMotherBox"};
  case MothershipSlot::AltArrival: return {kMotherStore + 11, kMotherStore + 12, "ArrAltmotherBox"};
  case MothershipSlot::AltDeparture:
    return {kMotherStore + 13, kMotherStore + 14, "ArrAltmotherBox"};
  }
  return {0, 0, ""};
}

struct OrderInfo {
  std::size_t offset;
  std::size_t resets; // the target value a new type resets, or 0
  const char* control;
  const char* caption;
};
// In the order of OrderField.
constexpr OrderInfo kOrderFields[] = {
    {ord::Command, 0, "OrderBox", "Change Order"},
    {ord::Speed, 0, "OrderSpeedBox", "Change Throttle"},
    {ord::Parameter1, 0, "OrderP1", "Change Order Variable"},
    {ord::Parameter2, 0, "OrderP2", "Change Order Variable"},
    {ord::Target1Type, ord::Target1, "T1Class", "Change Order Target"},
    {ord::Target1, 0, "T1Index", "Change Order Target"},
    {ord::Target2Type, ord::Target2, "T2Class", "Change Order Target"},
    {ord::Target2, 0, "T2Index", "Change Order Target"},
    {ord::Target3Type, ord::Target3, "T3Class", "Change Order Target"},
    {ord::Target3, 0, "T3Index", "Change Order Target"},
    {ord::Target4Type, ord::Target4, "T4Class", "Change Order Target"},
    {ord::Target4, 0, "T4Index", "Change Order Target"},
    {ord::Target12Either, 0, "OneAnd2Chk", "Link Order Targets"},
    {ord::Target34Either, 0, "ThreeAnd4Chk", "Link Order Targets"},
};
static_assert(std::size(kOrderFields) == static_cast<std::size_t>(OrderField::Link34) + 1);

bool isLink(OrderField f) { return f == OrderField::Link12 || f == OrderField::Link34; }

bool validRegionOrder(int region, int order) {
  return region >= 1 && region <= kRegionCount && order >= 1 && order <= kOrdersPerRegion;
}

} // namespace

const char* controlName(FgField f) { return info(f).control; }

int fieldValue(const FGObject& f, FgField field) {
  const FieldInfo& i = info(field);
  switch (i.kind) {
  case Kind::Plain:
  case Kind::Number: return f.at(i.offset);
  case Kind::MinusOne: return f.at(i.offset) + 1;
  case Kind::Signed: return signedByte(f.at(i.offset));
  case Kind::Special: return f.at(specialOffset(f));
  }
  return 0;
}

Operation storeField(FgField field, int value, const EditorState& st) {
  const FieldInfo& i = info(field);
  const std::vector<int> sel = fgSelection(st);
  return editFlightGroups(i.caption, mergeKeyFor(i.control, sel), sel,
                          [field, value, i](FGObject& f, Edit& e) {
                            switch (i.kind) {
                            case Kind::Plain: f.set(i.offset, clampByte(value)); break;
                            case Kind::MinusOne: f.set(i.offset, clampByte(value - 1)); break;
                            case Kind::Number:
                            case Kind::Signed: f.set(i.offset, numberByte(value)); break;
                            case Kind::Special: f.set(specialOffset(f), clampByte(value)); break;
                            }
                            if (field == FgField::CraftType) applyCraftTypeRule(f, e.doc());
                            if (field == FgField::NumCraft) applySizeRule(f);
                            if (field == FgField::Team) applyTeamRule(f, e.doc());
                          });
}

std::optional<Operation> storeFieldText(FgField field, std::string_view text,
                                        const EditorState& st) {
  const std::optional<int> v = parseNumber(text);
  if (!v) return std::nullopt;
  return storeField(field, *v, st);
}

Operation storeName(std::string_view name, const EditorState& st, bool linkColour) {
  const std::vector<int> sel = fgSelection(st);
  return editFlightGroups("Rename Flight Group", mergeKeyFor("ShipName", sel), sel,
                          [n = std::string(name), linkColour](FGObject& f, Edit&) {
                            f.setName(n);
                            if (linkColour) applyNameColourRule(f);
                          });
}

Operation storeCargo(CargoField field, std::string_view text, const EditorState& st) {
  const std::vector<int> sel = fgSelection(st);
  const bool special = field == CargoField::SpecialCargo;
  return editFlightGroups(special ? "Change Special Cargo" : "Change Cargo",
                          mergeKeyFor(special ? "SpecCargEd" : "CargoEd", sel), sel,
                          [t = std::string(text), special](FGObject& f, Edit&) {
                            setText(f.record, special ? fg::SpecialCargo : fg::Cargo, fg::CargoSize,
                                    t);
                          });
}

std::string cargoText(const FGObject& f, CargoField field) {
  const ByteSpan b = cargoBytes(field);
  return getText(f.record, b.first, fg::CargoSize);
}

ByteSpan cargoBytes(CargoField field) {
  return ByteSpan::of(field == CargoField::SpecialCargo ? fg::SpecialCargo : fg::Cargo,
                      fg::CargoSize);
}

Operation storeAutolink(bool on, const EditorState& st) {
  const std::vector<int> sel = fgSelection(st);
  return editFlightGroups("Change Autolink", mergeKeyFor("AutoLinkChk", sel), sel,
                          [on](FGObject& f, Edit&) { f.autolink = on; });
}

Operation storeAutolinkEverywhere(bool on, const Document& doc) {
  std::vector<int> all(doc.flightGroups.size());
  for (std::size_t i = 0; i < all.size(); ++i)
    all[i] = static_cast<int>(i);
  return editFlightGroups("Autolink by Default", "UseAutoChk", std::move(all),
                          [on](FGObject& f, Edit&) { f.autolink = on; });
}

Operation storeRoleUsed(int role, bool used, const EditorState& st) {
  const std::vector<int> sel = fgSelection(st);
  const std::size_t off = role == 2 ? fg::Role2Switch : fg::Role1Switch;
  return editFlightGroups("Change Role Use", mergeKeyFor(role == 2 ? "UseRole2" : "UseRole1", sel),
                          sel, [off, used](FGObject& f, Edit&) { f.set(off, used ? 0 : 255); });
}

bool roleUsed(const FGObject& f, int role) {
  return f.at(role == 2 ? fg::Role2Switch : fg::Role1Switch) == 0;
}

Operation storeOptionalItems(OptionalList list, const std::vector<int>& rows,
                             const std::vector<int>& shown, const EditorState& st) {
  const ListInfo l = listInfo(list);
  const std::vector<int> sel = fgSelection(st);
  return editFlightGroups(
      l.caption, mergeKeyFor(l.control, sel), sel, [list, l, rows, shown](FGObject& f, Edit&) {
        std::vector<int> out = chosenRows(optionalItemRows(f, list), rows, shown);
        std::erase_if(out, [](int r) { return r < 0 || r > 254; });
        for (int k = 0; k < l.entries; ++k) {
          const auto n = static_cast<std::size_t>(k);
          f.set(l.offset + n, n < out.size() ? static_cast<Byte>(out[n] + 1) : Byte{0});
        }
      });
}

std::vector<int> optionalItemRows(const FGObject& f, OptionalList list) {
  const ListInfo l = listInfo(list);
  std::vector<int> rows;
  for (int k = 0; k < l.entries; ++k) {
    if (const Byte v = f.at(l.offset + static_cast<std::size_t>(k)); v != 0) rows.push_back(v - 1);
  }
  return rows;
}

Operation storeOptionalCraft(OptionalCraftField field, int row, int value, const EditorState& st) {
  static constexpr const char* kControls[] = {"OpShipBox", "OpFGCountSpin", "OpShipWavesSpin"};
  const char* control = kControls[static_cast<int>(field)];
  const std::vector<int> sel = fgSelection(st);
  if (row < 0 || row >= kOptionalCraftRows) row = -1; // no row chosen: nothing to write
  return editFlightGroups(
      "Change Optional Craft", mergeKeyFor(std::string(control) + "#" + std::to_string(row), sel),
      row < 0 ? std::vector<int>{} : sel, [field, row, value](FGObject& f, Edit&) {
        const std::size_t off = optionalCraftOffset(field, row);
        f.set(off, clampByte(field == OptionalCraftField::Waves ? value - 1 : value));
        const std::size_t count = optionalCraftOffset(OptionalCraftField::Count, row);
        if (field == OptionalCraftField::Type && f.at(count) == 0) f.set(count, 1);
      });
}

int optionalCraftValue(const FGObject& f, OptionalCraftField field, int row) {
  if (row < 0 || row >= kOptionalCraftRows) return 0;
  const int v = f.at(optionalCraftOffset(field, row));
  return field == OptionalCraftField::Waves ? v + 1 : v;
}

bool showsUserDefinedCraft(const FGObject& f) { return f.at(fg::OptionalCraftCategory) == 4; }

std::string optionalCraftRowText(const FGObject& f, int row) {
  const std::string n = std::to_string(row + 1) + ": ";
  const int count = optionalCraftValue(f, OptionalCraftField::Count, row);
  if (count == 0) return n + "-";
  return n + std::to_string(count) + " x " +
         vocab::shortCraftName(optionalCraftValue(f, OptionalCraftField::Type, row)) + ", " +
         std::to_string(optionalCraftValue(f, OptionalCraftField::Waves, row)) + " wave(s)";
}

MothershipSlot mothershipSlot(bool alternative, bool departurePage) {
  if (departurePage) return alternative ? MothershipSlot::AltDeparture : MothershipSlot::Departure;
  return alternative ? MothershipSlot::AltArrival : MothershipSlot::Arrival;
}

std::string mothershipPanelTitle(bool departurePage) {
  return departurePage ? "Departure mothership" : "Arrival mothership";
}

Operation storeMothership(MothershipSlot slot, int item, const EditorState& st) {
  const MotherInfo m = motherInfo(slot);
  const std::vector<int> sel = fgSelection(st);
  const bool departure = slot == MothershipSlot::Departure || slot == MothershipSlot::AltDeparture;
  return editFlightGroups(departure ? "Change Departure Mothership" : "Change Arrival Mothership",
                          mergeKeyFor(std::string(m.control) + (departure ? "/dep" : "/arr"), sel),
                          sel, [m, item](FGObject& f, Edit&) {
                            f.set(m.value, item > 0 ? clampByte(item - 1) : Byte{0});
                            f.set(m.flag, item > 0 ? 1 : 0);
                          });
}

int mothershipItem(const FGObject& f, MothershipSlot slot) {
  const MotherInfo m = motherInfo(slot);
  return f.at(m.flag) != 0 ? f.at(m.value) + 1 : 0;
}

Operation storeOrderField(OrderField field, int value, const EditorState& st) {
  const OrderInfo& o = kOrderFields[static_cast<std::size_t>(field)];
  const int region = st.currentRegion, order = st.currentOrder;
  const std::vector<int> sel =
      validRegionOrder(region, order) ? fgSelection(st) : std::vector<int>{};
  const std::string key =
      std::string(o.control) + "@" + std::to_string(region) + "." + std::to_string(order);
  const Byte b = isLink(field) ? Byte(value != 0 ? 0 : 1) : clampByte(value);
  return editFlightGroups(o.caption, mergeKeyFor(key, sel), sel,
                          [o, b, region, order](FGObject& f, Edit&) {
                            Byte* rec = f.order(region, order);
                            rec[o.offset] = b;
                            if (o.resets != 0) rec[o.resets] = 0;
                          });
}

int orderFieldValue(const FGObject& f, OrderField field, int region, int order) {
  if (!validRegionOrder(region, order)) return 0;
  const Byte v = f.order(region, order)[kOrderFields[static_cast<std::size_t>(field)].offset];
  return isLink(field) ? (v == 0 ? 1 : 0) : v;
}

std::string orderDescriptionText(int order) {
  const auto& d = vocab::orderDescriptions();
  if (order < 0 || static_cast<std::size_t>(order) >= d.size()) return "Unknown";
  return d[static_cast<std::size_t>(order)];
}

std::string orderTitleText(int region, int order) {
  return "Order " + std::to_string(order) + " in Region " + std::to_string(region);
}

std::string jumpLabelText(int region, int order) {
  const int next = order < kOrdersPerRegion ? order + 1 : 1;
  return "...to order " + std::to_string(next) + " in R" + std::to_string(region);
}

RoleCounts roleCounts(const Document& doc) {
  int total = 0, atStart = 0, objects = 0;
  for (const FGObject& f : doc.flightGroups) {
    const int difficulty = f.at(fg::Difficulty);
    const bool medium =
        difficulty == 0 || difficulty == 2 || difficulty == 4 || difficulty == 5 || difficulty == 9;
    if (!medium) continue;
    const int type = f.at(fg::CraftType), n = f.at(fg::NumCraft);
    if ((type >= 1 && type <= 69) || type == 78 || (type >= 90 && type <= 92)) {
      total += n;
      // Computed here, not read from the flag beside the record, so the
      // count is right even before the map has refreshed its flags.
      if (arrivesEarly(f)) atStart += n;
    }
    if ((type >= 70 && type <= 74) || (type >= 79 && type <= 89)) objects += n;
    if (type >= 75 && type <= 77) objects += n * n;
  }
  return {std::to_string(total) + " Craft (medium)", std::to_string(atStart) + " craft at 30 sec",
          std::to_string(objects) + (objects == 1 ? " Object" : " Objects")};
}

ExtrasCaptions extrasCaptions(const FGObject& f) {
  if (f.at(fg::CraftType) == kBackdrop)
    return {"Backdrop", "  Bright:", "    Size:", " Back", " drop:"};
  return {"Cargo", "Default:", "Special:", "Spec", "Ship#:"};
}

std::vector<std::string> cargoSuggestions() {
  std::vector<std::string> out;
  for (char d = '1'; d <= '9'; ++d)
    out.push_back(std::string("0.") + d);
  for (char d = '1'; d <= '6'; ++d)
    out.push_back(std::string(1, d) + ".0");
  return out;
}

bool specialCargoUnused(const FGObject& f) {
  return f.at(fg::SpecialCraft) > f.at(fg::NumCraft) && f.at(fg::RandomSpecialCraft) == 0;
}

// ---- what the controls read ----------------------------------------------------

std::span<const ByteSpan> fieldBytes(FgField field) {
  static const auto table = [] {
    std::array<ByteSpan, std::size(kFields)> t{};
    for (std::size_t k = 0; k < t.size(); ++k)
      t[k] = ByteSpan::of(kFields[k].offset);
    return t;
  }();
  static constexpr ByteSpan kSpecial[] = {ByteSpan::of(fg::SpecialCraft),
                                          ByteSpan::of(fg::CraftType),
                                          ByteSpan::of(fg::BackdropNumber)};
  if (info(field).kind == Kind::Special) return kSpecial;
  return {&table[static_cast<std::size_t>(field)], 1};
}

ByteSpan orderFieldBytes(OrderField field) {
  const OrderInfo& o = kOrderFields[static_cast<std::size_t>(field)];
  // A value box lists the choices of its target's type.
  for (const OrderInfo& type : kOrderFields) {
    if (type.resets == o.offset) {
      ByteSpan s = ByteSpan::of(o.offset);
      s.add(ByteSpan::of(type.offset));
      return s;
    }
  }
  return ByteSpan::of(o.offset);
}

ByteSpan mothershipBytes(MothershipSlot slot) {
  const MotherInfo m = motherInfo(slot);
  return ByteSpan::of(m.value, m.flag - m.value + 1);
}

ByteSpan optionalListBytes(OptionalList list) {
  const ListInfo l = listInfo(list);
  return ByteSpan::of(l.offset, static_cast<std::size_t>(l.entries));
}

ByteSpan optionalCraftBytes() {
  return ByteSpan::of(fg::OptionalCraftTypes, 3 * kOptionalCraftRows);
}

std::span<const ByteSpan> roleCountBytes() {
  static constexpr ByteSpan kBytes[] = {
      ByteSpan::of(fg::CraftType, 2), ByteSpan::of(fg::Difficulty),
      ByteSpan::of(fg::ArrivalPair1, fg::ArrivalDelaySeconds + 1 - fg::ArrivalPair1)};
  return kBytes;
}

std::span<const ByteSpan> specialCargoUseBytes() {
  static constexpr ByteSpan kBytes[] = {ByteSpan::of(fg::SpecialCraft, 2),
                                        ByteSpan::of(fg::NumCraft)};
  return kBytes;
}

} // namespace zephlo
