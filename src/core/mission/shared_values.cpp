#include "core/mission/shared_values.h"

#include "core/mission/goal_edits.h"
#include "core/mission/message_edits.h"
#include "core/mission/store_values.h"

#include <algorithm>
#include <map>

namespace zephlo {

namespace {

template <class Read> auto overFlightGroups(const Document& doc, const EditorState& st, Read read) {
  return commonValue(doc.flightGroups, fgSelection(st), read);
}

template <class Read> auto overMessages(const Document& doc, const EditorState& st, Read read) {
  return commonValue(doc.messages, msgSelection(st), read);
}

// Counts how many of the records hold each row.
template <class Records, class Rows>
SharedRows sharedRows(const Records& records, const std::vector<int>& sel, Rows rowsOf) {
  std::map<int, std::size_t> held;
  std::size_t n = 0;
  for (int i : sel) {
    if (i < 0 || static_cast<std::size_t>(i) >= records.size()) continue;
    ++n;
    std::vector<int> rows = rowsOf(records[static_cast<std::size_t>(i)]);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end()); // a record may repeat an item
    for (int r : rows)
      ++held[r];
  }
  SharedRows out;
  for (auto [row, count] : held)
    (count == n ? out.all : out.some).push_back(row);
  return out;
}

} // namespace

SharedRows sharedOptionalItems(const Document& doc, const EditorState& st, OptionalList list) {
  return sharedRows(doc.flightGroups, fgSelection(st),
                    [list](const FGObject& f) { return optionalItemRows(f, list); });
}

SharedRows sharedSentTo(const Document& doc, const EditorState& st) {
  return sharedRows(doc.messages, msgSelection(st), sentToRows);
}

std::optional<int> sharedField(const Document& doc, const EditorState& st, FgField field) {
  return overFlightGroups(doc, st, [field](const FGObject& f) { return fieldValue(f, field); });
}

std::optional<std::string> sharedName(const Document& doc, const EditorState& st) {
  return overFlightGroups(doc, st, [](const FGObject& f) { return f.name(); });
}

std::optional<int> sharedMothership(const Document& doc, const EditorState& st,
                                    MothershipSlot slot) {
  return overFlightGroups(doc, st, [slot](const FGObject& f) { return mothershipItem(f, slot); });
}

std::optional<bool> sharedRoleUsed(const Document& doc, const EditorState& st, int role) {
  return overFlightGroups(doc, st, [role](const FGObject& f) { return roleUsed(f, role); });
}

std::optional<int> sharedOptionalCraft(const Document& doc, const EditorState& st,
                                       OptionalCraftField field, int row) {
  return overFlightGroups(
      doc, st, [field, row](const FGObject& f) { return optionalCraftValue(f, field, row); });
}

std::optional<int> sharedOrderField(const Document& doc, const EditorState& st, OrderField field) {
  return overFlightGroups(doc, st, [&st, field](const FGObject& f) {
    return orderFieldValue(f, field, st.currentRegion, st.currentOrder);
  });
}

std::optional<int> sharedGoalField(const Document& doc, const EditorState& st, GoalField field) {
  const int g = st.currentGoal;
  if (g < 0 || g >= kFGGoalCount) return std::nullopt;
  return overFlightGroups(doc, st, [g, field](const FGObject& f) {
    switch (field) {
    case GoalField::Points: return goalPoints(f, g);
    case GoalField::Team: return int{f.goal(g)[goal::Team]};
    case GoalField::TeamFlag: return int{f.goal(g)[goal::TeamFlag]};
    case GoalField::Time: return int{f.goal(g)[goal::Time]};
    }
    return 0;
  });
}

std::optional<int> sharedMessageField(const Document& doc, const EditorState& st,
                                      MessageField field) {
  return overMessages(doc, st, [field](const MsgObject& m) {
    switch (field) {
    case MessageField::Colour: return int{m.record[msg::Colour]};
    case MessageField::Delay: return int{m.record[msg::Delay]};
    case MessageField::Hidden: return int{m.record[msg::Unknown]};
    case MessageField::CancelAnd: return cancelIsAnd(m) ? 1 : 0;
    }
    return 0;
  });
}

std::optional<std::string> sharedMessageId(const Document& doc, const EditorState& st) {
  return overMessages(doc, st,
                      [](const MsgObject& m) { return getText(m.record, msg::Id, msg::IdSize); });
}

std::string selectedCountText(std::size_t count) {
  return count > 1 ? " (" + std::to_string(count) + " selected)" : std::string();
}

} // namespace zephlo
