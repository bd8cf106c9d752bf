// The list commands of the flight-group and message lists, and the
// re-indexing of every stored flight-group reference they need. Each runs
// inside an Edit, so it can be undone.
#pragma once

#include "core/mission/edit.h"
#include "core/mission/new_mission.h"

#include <set>

namespace zephlo {

enum class Reindex { SwapUp, SwapDown, Remove };

// A flight-group reference that names no flight group; what references to a
// deleted flight group become.
inline constexpr Byte kNoFlightGroup = 255;

// The most records a list can hold: the file stores the counts in 16 bits.
inline constexpr std::size_t kMaxRecords = 65535;

// What one stored reference r becomes. Swaps exchange i and its neighbour;
// Remove(i) turns r == i into kNoFlightGroup, so a reference to a deleted
// flight group never silently names another one, and moves r > i down by one.
// kNoFlightGroup always stays as it is.
Byte reindexedFlightGroup(Byte r, int i, Reindex op);

// Adjusts every stored flight-group reference for flight group i changing
// places with its neighbour or being removed: the trigger variables of the
// arrival and departure pairs, the four mothership bytes, the order targets,
// the message trigger pairs and the global-goal trigger pairs. Skip triggers,
// message cancel triggers, order variables and the briefing are left alone.
// Only records whose references change are touched.
void reindexFlightGroups(Edit& e, int i, Reindex op);

// Everything the list commands read besides the document and state.
struct ListContext {
  const Templates* templates = nullptr; // required for new and delete
  MissionPrefs prefs;                   // autolink of new flight groups
  bool voicePanelVisible = false;       // adds and deletes then mark the voice list changed
};

// Appends flight groups at the end of the list and brings the header's count
// up to date; the current line and selection stay. Refuses, appending
// nothing, when they would not all fit.
Status appendFlightGroupsAtEnd(Edit& e, std::vector<FGObject> fgs);

// Each refuses, with the reason, to grow a list past kMaxRecords.
Status newFlightGroup(Edit& e, const ListContext& ctx);
Status newMessage(Edit& e, const ListContext& ctx);
Status pasteFlightGroup(Edit& e, const FGObject& clip);
Status pasteMessage(Edit& e, const MsgObject& clip, const ListContext& ctx);
// Deletes the selected flight groups (the current one when nothing is
// selected). The mission keeps at least one flight group: the last one left
// is reset to the template instead of removed.
void deleteFlightGroups(Edit& e, const ListContext& ctx);
// Deletes the selected messages (the current one when nothing is selected)
// and keeps the voice entries of the remaining messages beside them.
void deleteMessages(Edit& e, const ListContext& ctx);

bool canMoveUp(const std::set<int>& selection, int count);
bool canMoveDown(const std::set<int>& selection, int count);
// Move the selected lines one place; the selection and current index follow.
// Nothing happens when the selection cannot move.
void moveFlightGroupsUp(Edit& e);
void moveFlightGroupsDown(Edit& e);
void moveMessagesUp(Edit& e);
void moveMessagesDown(Edit& e);

// Clipboard copies live beside the document for the whole run.
struct Clipboards {
  FGObject flightGroup;
  MsgObject message;
};
Clipboards makeClipboards(const Templates& t);
void copyFlightGroup(const Document& doc, const EditorState& st, Clipboards& clip);
void copyMessage(const Document& doc, const EditorState& st, Clipboards& clip);

// The list commands as undoable operations, named as their undo steps.
// Pages: the flight-group list or the message list.
enum class ListPage { FlightGroups, Messages };
Operation newItemOperation(ListPage page, const ListContext& ctx);
Operation deleteOperation(ListPage page, const ListContext& ctx);
Operation pasteOperation(ListPage page, const Clipboards& clip, const ListContext& ctx);
Operation moveUpOperation(ListPage page);
Operation moveDownOperation(ListPage page);

} // namespace zephlo
