// The list commands of the flight-group and message lists, and the
// re-indexing of every stored flight-group reference they need.
#pragma once

#include "lists/voice_list.h"
#include "mission/document.h"
#include "mission/new_mission.h"

#include <set>

namespace zephlo {

enum class Reindex { SwapUp, SwapDown, Remove };

// A flight-group reference that names no flight group; what references to a
// deleted flight group become.
inline constexpr Byte kNoFlightGroup = 255;

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
void reindexFlightGroups(Document& doc, int i, Reindex op);

// Everything the list commands read besides the document and state.
struct ListContext {
  const Templates* templates = nullptr; // required for new, delete
  MissionPrefs prefs;                   // autolink of new flight groups
  VoiceList* voices = nullptr;          // kept in step with the messages when given
  bool voicePanelVisible = false;       // adds and deletes then mark the voice list changed
};

void newFlightGroup(Document& doc, EditorState& st, const ListContext& ctx);
void newMessage(Document& doc, EditorState& st, const ListContext& ctx);
// Deletes the selected flight groups (st.selectedFGs; the current one when
// nothing is selected). The mission keeps at least one flight group: the last
// one left is reset to the template instead of removed.
void deleteFlightGroups(Document& doc, EditorState& st, const ListContext& ctx);
// Deletes the selected messages (the current one when nothing is selected)
// and keeps the voice entries of the remaining messages beside them.
void deleteMessages(Document& doc, EditorState& st, const ListContext& ctx);

// Clipboard copies live beside the document for the whole run.
struct Clipboards {
  FGObject flightGroup;
  MsgObject message;
};
Clipboards makeClipboards(const Templates& t);
void copyFlightGroup(const Document& doc, const EditorState& st, Clipboards& clip);
void copyMessage(const Document& doc, const EditorState& st, Clipboards& clip);
void pasteFlightGroup(Document& doc, EditorState& st, const Clipboards& clip);
void pasteMessage(Document& doc, EditorState& st, const Clipboards& clip, const ListContext& ctx);

bool canMoveUp(const std::set<int>& selection, int count);
bool canMoveDown(const std::set<int>& selection, int count);
// Move the selected lines one place; the selection and current index follow.
bool moveFlightGroupsUp(Document& doc, EditorState& st);
bool moveFlightGroupsDown(Document& doc, EditorState& st);
bool moveMessagesUp(Document& doc, EditorState& st, const ListContext& ctx);
bool moveMessagesDown(Document& doc, EditorState& st, const ListContext& ctx);

} // namespace zephlo
