// The rules that keep the instruction list playable while it is edited:
// time order, where new instructions go and with what, which box and tag
// slots and icon numbers are free, and the guards around the end marker.
#pragma once

#include "core/briefing/briefing_codec.h"

#include <optional>
#include <string>
#include <vector>

namespace zephlo {

using InstructionList = std::vector<TCommandObject>;

inline int instructionTime(const TCommandObject& c) { return static_cast<std::uint16_t>(c.Time); }
inline bool isEndMarker(const TCommandObject& c) { return c.Command == brf::EndCode; }

// Exchange sort by unsigned time; returns where the item at `current` went.
int sortByTime(InstructionList& list, int current);

// A new instruction with the insert tools' defaults.
TCommandObject newInstruction(std::uint16_t code, int selectedIcon = 0, int lastRotation = 0);

// Inserts before the selected line with its time (the time of the line
// before it when the end marker is selected, 0 at the top). Returns where.
int insertOnListPage(InstructionList& list, int selected, TCommandObject item);
// Inserts at the playback time, after every instruction up to `current`
// and every later one of the same time. Returns where.
int insertAtTime(InstructionList& list, int current, int time, TCommandObject item);

// False for the end marker and for a list of one item: they stay.
bool canDeleteInstruction(const InstructionList& list, int position);
bool deleteInstruction(InstructionList& list, int position);
// Exchanges with the neighbour (times too); the end marker never moves and
// nothing moves below it. Returns the new position, or nothing.
std::optional<int> moveInstruction(InstructionList& list, int position, bool up);

struct SlotChoice {
  int slot = 1;        // 1..8
  std::string warning; // shown when every slot was in use
};
// Box slot for a new FG Box, scanning through `current`.
SlotChoice freeBoxSlot(const InstructionList& list, int current);
// Tag slot for a new Map Tag, scanning through the one before `current`.
SlotChoice freeTagSlot(const InstructionList& list, int current);

// Gives the FG Box or Map Tag at `position` the slot the free-slot rule
// allows, counting only the instructions before it. Returns the warning to
// show, empty when a slot was free.
std::string assignFreeSlot(InstructionList& list, int position);

// Number for a new icon: one above the highest "New Icon" of the region in
// play up to the first "Change Region" after `current`; 0 when none.
int newIconNumber(const InstructionList& list, int current);

// The IFF a craft type suggests in the "New Icon" tool, if any.
std::optional<int> presetIff(int craftType);

// "Show Info for Selected Icon": on now, off 120 ticks later. Returns the
// position of the first.
int insertShowInfo(InstructionList& list, int current, int time, int icon);

enum class ArrowMove { Up, Down, Left, Right, UpLeft, UpRight, DownLeft, DownRight };
// Where an arrow button puts an icon that stands at x, y.
std::pair<int, int> arrowTarget(ArrowMove move, int x, int y);

// The "Move Icon" a drag of an icon edits: the one that last placed it, or
// at clock 0 its first "Move Icon" at time 0. -1 when there is none.
int dragInstructionForIcon(const InstructionList& list, int icon, int lastMove, int clock);

// The pointer's map position on one axis, truncated to the snap step.
int truncateToSnap(int mapUnits, int step);
// The next snap step after `step`: 1, 26, 51, 128, then 1 again.
int nextBriefingSnapStep(int step);

// The text of the time in seconds, shortest decimal form.
std::string tickSecondsText(int ticks);

} // namespace zephlo
