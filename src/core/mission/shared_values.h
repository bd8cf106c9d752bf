// What a control shows when an edit writes into several records at once:
// the value they share, or none when they differ, so the control can show
// that it is mixed and the designer sees that setting it changes them all.
#pragma once

#include "core/mission/fg_stores.h"

#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace zephlo {

// The value read gives every record of rows, or none when two differ or no
// row lies within the records.
template <class Records, class Read>
auto commonValue(const Records& records, const std::vector<int>& rows, Read read)
    -> std::optional<std::decay_t<decltype(read(records.front()))>> {
  std::optional<std::decay_t<decltype(read(records.front()))>> out;
  for (int r : rows) {
    if (r < 0 || r >= static_cast<int>(records.size())) continue;
    auto v = read(records[static_cast<std::size_t>(r)]);
    if (!out)
      out = std::move(v);
    else if (*out != v)
      return std::nullopt;
  }
  return out;
}

// Over the flight groups an edit writes into (the selected, else the current).
std::optional<int> sharedField(const Document& doc, const EditorState& st, FgField field);
std::optional<std::string> sharedName(const Document& doc, const EditorState& st);
std::optional<int> sharedMothership(const Document& doc, const EditorState& st,
                                    MothershipSlot slot);
std::optional<bool> sharedRoleUsed(const Document& doc, const EditorState& st, int role);
std::optional<int> sharedOptionalCraft(const Document& doc, const EditorState& st,
                                       OptionalCraftField field, int row);
// Of the current order of the current region.
std::optional<int> sharedOrderField(const Document& doc, const EditorState& st, OrderField field);

// The "FG Goals" page's controls, of the current goal.
enum class GoalField { Points, Team, TeamFlag, Time };
std::optional<int> sharedGoalField(const Document& doc, const EditorState& st, GoalField field);

// The "Msg" page's controls that write into every selected message.
enum class MessageField { Colour, Delay, Hidden, CancelAnd };
std::optional<int> sharedMessageField(const Document& doc, const EditorState& st,
                                      MessageField field);
std::optional<std::string> sharedMessageId(const Document& doc, const EditorState& st);

// A multi-choice list over several records: the rows every record holds,
// which the list shows chosen, and the rows only some hold, which it shows
// as mixed.
struct SharedRows {
  std::vector<int> all, some;
  bool operator==(const SharedRows&) const = default;
};
SharedRows sharedOptionalItems(const Document& doc, const EditorState& st, OptionalList list);
SharedRows sharedSentTo(const Document& doc, const EditorState& st);

// How many records an edit changes, as a caption says it: " (3 selected)",
// nothing for one.
std::string selectedCountText(std::size_t count);

} // namespace zephlo
