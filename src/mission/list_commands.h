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

// Adjusts every stored flight-group reference for flight group i changing
// places with its neighbour or being removed.
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
// Deletes the selected flight groups (st.selectedFGs), or resets the current
// one to the template when fewer than two remain.
void deleteFlightGroups(Document& doc, EditorState& st, const ListContext& ctx);
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
