// Whether an edit, or a move to other current items, concerns what a view
// shows: each view asks this of every change and refreshes only the controls
// and list lines that read what changed.
#pragma once

#include "core/mission/byte_span.h"
#include "core/mission/edit.h"

#include <climits>
#include <set>
#include <span>

namespace zephlo {

// A flight group's goal strings follow its record in Change::fgBytes.
inline constexpr std::size_t kFGGoalStringBytes = size::flightGroup;
// The three strings of flight-group goal 0-7 in that count.
ByteSpan fgGoalStringBytes(int goal);

// The differing bytes of two versions of a record, counted as Change does:
// runs of changed bytes, those apart by fewer than a few equal bytes joined.
ByteSpans changedBytes(const FGObject& before, const FGObject& after);
ByteSpans changedBytes(const MsgObject& before, const MsgObject& after);
// Every byte of a record that is new.
ByteSpan wholeRecord(const FGObject&);
ByteSpan wholeRecord(const MsgObject&);

// The items a view shows: where the user is, and the lines an edit writes
// into (a control shows whether they differ).
struct CurrentItems {
  int fg = -1, msg = -1, team = -1, goal = -1, region = 0, order = 0, globalGoal = -1;
  std::set<int> fgs, msgs;
  static CurrentItems of(const EditorState& st) {
    return {st.currentFG,    st.currentMsg,        st.currentTeam, st.currentGoal, st.currentRegion,
            st.currentOrder, st.currentGlobalGoal, st.selectedFGs, st.selectedMsgs};
  }
  bool operator==(const CurrentItems&) const = default;
};

// What a view must bring up to date: everything (a new mission, a page or
// window just shown), or what an edit changed and where the user moved
// since the view last showed.
class ViewUpdate {
public:
  static ViewUpdate all();
  // change: the edit, or null when only the current items moved.
  ViewUpdate(const Change* change, const CurrentItems& shown, const CurrentItems& now);

  bool everything() const { return all_; }
  bool nothing() const;
  // The edit, or null when only the current items moved or everything is due.
  const Change* change() const { return c_; }

  // The current flight group is another one, other flight groups are
  // selected, or these bytes of the current or a selected one changed.
  bool flightGroup(ByteSpan bytes) const;
  bool flightGroup(std::span<const ByteSpan> bytes) const;
  bool flightGroupMoved() const { return fgMoved_; }
  bool flightGroupAspects(unsigned aspects) const;
  // Bytes of any flight group changed (counts over the whole mission).
  bool anyFlightGroup(std::span<const ByteSpan> bytes) const;
  // The current order of the current region (offsets within the order), or
  // another order shown.
  bool order(ByteSpan inOrder) const;
  bool orderMoved() const { return orderMoved_; }
  // The jump triggers of the current order.
  bool skipTriggers() const;
  // The current goal of the current flight group (offsets within the goal),
  // or another goal shown.
  bool goal(ByteSpan inGoal) const;
  bool goalMoved() const { return goalMoved_; }
  bool goalStrings() const; // of the current goal
  // The same for the current and the selected messages.
  bool message(ByteSpan bytes) const;
  bool messageMoved() const { return msgMoved_; }
  // The current team's record, or another team shown.
  bool team(ByteSpan bytes) const;
  bool teamMoved() const { return teamMoved_; }
  bool teamIff() const;
  // The current team's global goals, or another team or goal shown.
  bool globalGoal() const;
  bool globalGoalStrings() const;
  bool globalGoalMoved() const { return teamMoved_ || globalGoalMoved_; }
  // The names the lists of teams and flight groups show.
  bool fgLabels() const;
  bool teamNames() const;
  bool lists() const { return fgLabels() || teamNames(); }

private:
  ViewUpdate() = default;
  bool fgChanged(ByteSpan bytes) const;

  bool all_ = false;
  const Change* c_ = nullptr;
  CurrentItems now_;
  bool fgMoved_ = false, msgMoved_ = false, teamMoved_ = false, goalMoved_ = false,
       orderMoved_ = false, globalGoalMoved_ = false;
  bool fgsMoved_ = false, msgsMoved_ = false; // other lines selected
  bool fgTouched_ = false, msgTouched_ = false, teamTouched_ = false;
};

// List lines to refresh, first to last; last is kToEnd for every line from
// first on, and first > last for none.
inline constexpr int kToEnd = INT_MAX;
struct LineRows {
  int first = 0, last = -1;
  bool empty() const { return first > last; }
  bool operator==(const LineRows&) const = default;
};
// The flight-group lines an edit makes read or look different: the changed
// lines, the lines after them when a craft number within a global unit may
// move, all of them when the mission type changed. A change of the list
// itself resets the lines instead.
LineRows fgLinesToRefresh(const Change& c);
// The message lines: the text, the sent-to teams and the colour.
LineRows msgLinesToRefresh(const Change& c);
// The six end-of-mission lines of a team, shown in place of the messages.
bool endLinesChanged(const Change& c, int team);
// The flight-group labels (craft, name, player, craft number) changed.
bool fgLabelsChanged(const Change& c);
// A team's name changed.
bool teamNamesChanged(const Change& c);

} // namespace zephlo
