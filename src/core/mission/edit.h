// The one way a mission changes. An operation writes through an Edit, which
// keeps a before-picture of every part it hands out; finishing it yields a
// Delta (what undo and redo need, and nothing more) and a Change (what the
// views must refresh).
#pragma once

#include "core/mission/byte_patch.h"
#include "core/mission/byte_span.h"
#include "core/mission/document.h"
#include "core/mission/result.h"

#include <bitset>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zephlo {

// What about a flight group changed.
enum FGAspect : unsigned {
  // Any byte of the file record but the point coordinates, or its goal
  // strings. A drag on the map changes only the coordinates, so the views
  // that show none can skip it.
  kFGRecord = 1u << 0,
  kFGPosition = 1u << 1, // start points, further points, waypoints, heading: where the map draws it
  kFGRegions = 1u << 2,  // the set of regions it is present in
  kFGEditorOnly = 1u << 3, // autolink flag, briefing point and other values kept beside the record
};

// What an edit changed, so each view refreshes only that.
struct Change {
  std::vector<int> flightGroups; // indexes after the edit whose content changed or that are new
  std::vector<int> messages;
  bool flightGroupList = false; // flight groups added, removed or reordered
  bool messageList = false;
  unsigned fgAspects = 0; // union over the changed flight groups
  // The bytes that changed, over all changed records of the kind: record
  // offsets, a flight group's goal strings counted after its record
  // (kFGGoalStringBytes), a team's over every changed team. A new record
  // counts whole.
  ByteSpans fgBytes, msgBytes, teamBytes;
  std::bitset<kTeamCount> globalGoals, teams, goalStrings;
  bool header = false;   // header record and the optional-value sections
  bool briefing = false; // block and strings
  bool texts = false;    // notes, debriefing, hints, description
  bool teamIff = false;
  bool voices = false; // the voice list changed or must be offered for saving

  bool empty() const;
  // Adds a later change of the same kind of step (indexes as after the later one).
  void merge(const Change& later);
};

// The parts of a document outside the two lists that edits may change.
enum class PartKind : std::uint8_t {
  Header,
  GlobalGoal,
  Team,
  GoalStrings,
  BriefingBlock,
  Notes,
  WinDebrief,
  Hints,
  Description,
  Optional,
  TeamIff,
};
struct PartId {
  PartKind kind;
  int index = 0;
  auto operator<=>(const PartId&) const = default;
};

// Changes of one record list. Without structural changes only the patches
// of records changed in place are kept. Otherwise origin[k] names the index
// before the edit of the record now at k (-1 for a new one).
template <class T> struct ListDelta {
  bool structural = false;
  std::size_t beforeSize = 0, afterSize = 0;
  std::vector<std::int32_t> origin;
  std::vector<std::pair<std::uint32_t, BytePatch>> patches; // by index after the edit
  std::vector<std::pair<std::uint32_t, T>> removed;         // by index before the edit
  std::vector<std::pair<std::uint32_t, T>> added;           // by index after the edit

  bool empty() const { return !structural && patches.empty(); }
  void revert(std::vector<T>& list) const;
  void reapply(std::vector<T>& list) const;
  std::size_t memoryUse() const;
};

struct StringPatch {
  bool tag = false; // a briefing tag string, else a briefing text string
  int index = 0;
  std::string before, after;
};

// Everything needed to take a document back to before an edit, or forward
// to after it.
struct Delta {
  ListDelta<FGObject> flightGroups;
  ListDelta<MsgObject> messages;
  std::vector<std::pair<PartId, BytePatch>> parts;
  std::vector<StringPatch> briefingStrings;
  bool voicesChanged = false;
  std::vector<std::string> voicesBefore, voicesAfter;

  bool empty() const;
  void revert(Document& doc) const;
  void reapply(Document& doc) const;
  // Bytes this delta holds, for keeping undo memory in check.
  std::size_t memoryUse() const;
};

// The view of a document an operation writes through. Every mutable
// reference it hands out is recorded first, so finish() can tell exactly
// what changed. References stay valid until the next call that adds,
// removes or moves records.
class Edit {
public:
  Edit(Document& doc, EditorState& state);
  ~Edit();
  Edit(const Edit&) = delete;
  Edit& operator=(const Edit&) = delete;

  const Document& doc() const { return doc_; }
  // The current items and selections after the operation; the operation
  // sets them as the user should see them afterwards.
  EditorState& state() { return state_; }

  FGObject& flightGroup(int i);
  MsgObject& message(int i);
  void appendFlightGroup(FGObject f);
  void insertFlightGroup(int i, FGObject f);
  void eraseFlightGroup(int i);
  void swapFlightGroups(int i, int j);
  void appendMessage(MsgObject m);
  void eraseMessage(int i);
  void swapMessages(int i, int j);

  Block<size::header>& header();
  GGObject& globalGoal(int team);
  TeamDetailObject& team(int team);
  GGStrObject& globalGoalStrings(int team);
  OptionalSection& optional(int k);
  Block<size::textSection>& notes();
  Block<size::textSection>& winDebrief();
  Block<size::textSection>& hints();
  Block<size::textSection>& description();
  std::array<Byte, kTeamCount>& teamIff();
  Briefing& briefing(); // the block and all strings
  std::vector<std::string>& voices();
  // The voice list must be offered for saving even if no entry changed.
  void markVoicesChanged() { voicesMarked_ = true; }

  // Ends the edit: the delta to undo it and what changed. The Edit must not
  // be used afterwards.
  Delta finish(Change& change);
  // Ends the edit by putting everything back as it was.
  void rollback();

private:
  template <class T> struct ListTrack;
  std::span<Byte> touchPart(PartId id);

  Document& doc_;
  EditorState& state_;
  EditorState stateBefore_;
  std::unique_ptr<ListTrack<FGObject>> fgs_;
  std::unique_ptr<ListTrack<MsgObject>> msgs_;
  std::map<PartId, std::vector<Byte>> partsBefore_;
  bool briefingTouched_ = false;
  std::array<std::string, 128> tagsBefore_, textsBefore_;
  bool voicesTouched_ = false, voicesMarked_ = false;
  std::vector<std::string> voicesBefore_;
  bool finished_ = false;
};

// The bytes of a part of the document that edits may change.
std::span<Byte> partBytes(Document& doc, PartId id);

// One edit of the mission as the user names it: the caption of its undo
// step, how consecutive edits merge into one step, and what it does.
struct Operation {
  std::string name;     // "Delete Flight Groups"
  std::string mergeKey; // consecutive edits with the same non-empty key form one step
  std::function<Status(Edit&)> run;
};

struct Applied {
  Delta delta;
  Change change;
  EditorState before, after;
};

// Runs the operation. On failure the document and state are as they were
// and the error says why.
Result<Applied> applyOperation(Document& doc, EditorState& state, const Operation& op);

// An operation that runs fn on each of the given flight groups (or
// messages) that exist; the usual shape of a field edit over a selection.
Operation editFlightGroups(std::string name, std::string mergeKey, std::vector<int> indexes,
                           std::function<void(FGObject&, Edit&)> fn);
Operation editMessages(std::string name, std::string mergeKey, std::vector<int> indexes,
                       std::function<void(MsgObject&, Edit&)> fn);

// The merge key of a control's edits over a selection: edits of the same
// control on the same records merge into one step.
std::string mergeKeyFor(const std::string& control, const std::vector<int>& indexes);

} // namespace zephlo
