// The stores of the "Flight Group Details" pages and the extras window: one
// call per control change, returning the edit as an operation that writes
// into every selected flight group and applies the field's side rules.
// Beside each store, the read that fills its control.
#pragma once

#include "core/mission/byte_span.h"
#include "core/mission/edit.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zephlo {

// Single-byte fields of a flight group, each edited by one control.
enum class FgField {
  // Byte store: record offset 104 + tag.
  SpecialCraft, // for a backdrop the backdrop number instead
  RandomSpecialCraft,
  CraftType,
  NumCraft,
  Status1,
  Warhead,
  Beam,
  Iff,
  Team,
  AiRank,
  Colour,
  Radio,
  Formation,
  Spacing,
  GlobalGroup,
  Waves, // shown as the number of waves, stored minus one
  Player,
  PlayerPosition,
  Orientation,
  Difficulty,
  // Tail store: record offset 3517 + tag.
  Countermeasure,
  ExplosionTime,
  Status2,
  GlobalUnit,
  // Role store: record offset 19 + tag.
  Role1Switch,
  Role2Switch,
  Role1,
  Role2,
  RoleUnknown1,
  RoleUnknown2,
  // Plain bytes.
  AbortWhen,
  ArrivalMinutes,
  ArrivalSeconds,
  DepartureMinutes,
  DepartureSeconds,
  OptionalCraftCategory,
};

// The object name of the control that edits a field, e.g. "ShipBox".
const char* controlName(FgField f);

// The value a field's control shows: waves plus one, the role switches 2,
// 5 and 7 as signed numbers, a backdrop's number for the special craft.
int fieldValue(const FGObject& f, FgField field);

// Writes the control's value into every selected flight group (the current
// one when none is selected), then applies the field's rule: craft type,
// size and team rules, waves minus one. Out-of-range values are held at
// the field's limits.
Operation storeField(FgField field, int value, const EditorState& st);
// The same from an edit box's text; nothing to store while it is empty,
// "-" or not a number.
std::optional<Operation> storeFieldText(FgField field, std::string_view text,
                                        const EditorState& st);

// Name of every selected flight group, cut to 20 characters; with the
// link-colour preference on, a colour name sets the markings.
Operation storeName(std::string_view name, const EditorState& st, bool linkColour);
enum class CargoField { Cargo, SpecialCargo };
Operation storeCargo(CargoField field, std::string_view text, const EditorState& st);
std::string cargoText(const FGObject& f, CargoField field);
ByteSpan cargoBytes(CargoField field);
Operation storeAutolink(bool on, const EditorState& st);
// "Use Autolink by default": the flag of every flight group follows the box.
Operation storeAutolinkEverywhere(bool on, const Document& doc);

// "Use this Role": a used role has switch byte 0, an unused one 255.
Operation storeRoleUsed(int role, bool used, const EditorState& st); // role 1 or 2
bool roleUsed(const FGObject& f, int role);

// Optional warheads (8 entries), beams (6) and countermeasures (4): the
// chosen rows of the list (0-based) stored as 1-based item numbers in list
// order, the rest 0, in every selected flight group. shown: the rows the
// list showed chosen, which every one of them held (see chosenRows).
enum class OptionalList { Warheads, Beams, Countermeasures };
Operation storeOptionalItems(OptionalList list, const std::vector<int>& rows,
                             const std::vector<int>& shown, const EditorState& st);
std::vector<int> optionalItemRows(const FGObject& f, OptionalList list);

// User-defined optional craft, rows 0-9. Giving a row a craft type while its
// count is 0 makes the count 1; waves are stored minus one.
enum class OptionalCraftField { Type, Count, Waves };
Operation storeOptionalCraft(OptionalCraftField field, int row, int value, const EditorState& st);
int optionalCraftValue(const FGObject& f, OptionalCraftField field, int row);
// The user-defined list shows only for "User Defined Options".
bool showsUserDefinedCraft(const FGObject& f);
// A row of the user-defined list: "3: -" while its count is 0, else
// "3: 2 x X-W, 1 wave(s)".
std::string optionalCraftRowText(const FGObject& f, int row);

// The mothership boxes: item 0 is none (flag 0), item k flight group k - 1.
enum class MothershipSlot { Arrival, AltArrival, Departure, AltDeparture };
MothershipSlot mothershipSlot(bool alternative, bool departurePage);
// Which motherships the two boxes set: "Arrival mothership" or, on the
// departure page, "Departure mothership".
std::string mothershipPanelTitle(bool departurePage);
Operation storeMothership(MothershipSlot slot, int item, const EditorState& st);
int mothershipItem(const FGObject& f, MothershipSlot slot);

// Fields of the current order of the current region (the state's).
enum class OrderField {
  Command,
  Speed,
  Parameter1,
  Parameter2,
  Target1Type,
  Target1,
  Target2Type,
  Target2,
  Target3Type,
  Target3,
  Target4Type,
  Target4,
  Link12, // "Link targets": ticked (1) stores 0
  Link34,
};
// Writes the field into the current order of every selected flight group.
// A new order or first variable recomputes the region set; a new target
// type resets that target's value to 0.
Operation storeOrderField(OrderField field, int value, const EditorState& st);
int orderFieldValue(const FGObject& f, OrderField field, int region, int order);
// The order's description, "Unknown" past the end of the descriptions.
std::string orderDescriptionText(int order);
// The Orders page's title: "Order 2 in Region 3".
std::string orderTitleText(int region, int order);
// The Jump page's label: the order a jump goes on to, "...to order 3 in R1"
// (after order 4, order 1).
std::string jumpLabelText(int region, int order);

// Role page counts over the whole mission, as their labels read.
struct RoleCounts {
  std::string total;   // "12 Craft (medium)"
  std::string atStart; // "8 craft at 30 sec": those that arrive within 30 seconds
  std::string objects; // "1 Object", "3 Objects"
};
RoleCounts roleCounts(const Document& doc);

// The extras window's cargo captions: a backdrop uses the cargo fields for
// brightness and size and the special-craft box for its number.
struct ExtrasCaptions {
  std::string group, cargo, special, specialCraft1, specialCraft2;
};
ExtrasCaptions extrasCaptions(const FGObject& f);
// Suggestions both cargo boxes offer: "0.1" to "0.9", then "1.0" to "6.0".
std::vector<std::string> cargoSuggestions();
// The special cargo applies to no craft: its number is past the flight
// group's size and not random.
bool specialCargoUnused(const FGObject& f);

// ---- What each control reads: a view refreshes a control only when one of
// its bytes changed (record offsets).

// A field's byte; the special-craft box also reads the backdrop number and
// the craft type that picks between the two.
std::span<const ByteSpan> fieldBytes(FgField field);
// Offsets within the order record; a target's value box reads its type too.
ByteSpan orderFieldBytes(OrderField field);
ByteSpan mothershipBytes(MothershipSlot slot);
ByteSpan optionalListBytes(OptionalList list);
// The ten user-defined craft rows.
ByteSpan optionalCraftBytes();
// The Role page's counts: craft type, size, difficulty and arrival of every
// flight group.
std::span<const ByteSpan> roleCountBytes();
// The special cargo's look: the special craft, the size and "Random".
std::span<const ByteSpan> specialCargoUseBytes();

} // namespace zephlo
