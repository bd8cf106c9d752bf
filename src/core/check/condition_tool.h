// What the condition tool edits on each page of the "Flight Group Details"
// window: which triggers its slots show, where a trigger read from its boxes
// is written, and where its And/Or buttons and goal strings go.
#pragma once

#include "core/check/texts.h"
#include "core/gamedata/colours.h"
#include "core/mission/change_scope.h"
#include "core/mission/edit.h"
#include "core/mission/goal_edits.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zephlo {

using Trigger = std::array<Byte, trig::Size>;

// The page of the flight-group editor that is showing.
enum class CondPage { Arrival, Departure, Jump, FGGoals, GlobalGoals, Message, Other };

// The trigger slot the tool edits: slot 1-4 (1-6 on the message page, 5 and
// 6 being the cancel triggers); goalKind is the current global goal
// (0 "Primary", 1 "Prevent", 2 "Secondary") on the global-goals page.
struct CondTarget {
  CondPage page = CondPage::Other;
  int slot = 1;
  int goalKind = 0;
};

// How many trigger slots a page has: arrival 4, departure 2, jump 2,
// global goals 4, message 6, others none.
int slotCount(CondPage page);
// Whether a click may make slot the current one: a slot of the page, or the
// first where the page has none.
bool slotSelectable(CondPage page, int slot);

// The trigger in a slot: of the current flight group (the jump page's of
// the current region and order), of the current team's global goal, of the
// current message. None where the page has no such slot.
std::optional<Trigger> loadTrigger(const Document& doc, const EditorState& st, const CondTarget& t);
// The trigger texts of all slots of the page, slot 1 first.
std::vector<std::string> slotTexts(const Document& doc, const EditorState& st, const CondTarget& t,
                                   const MissionLists& lists);

// The trigger the tool's boxes describe; the number edit's text gives the
// second parameter, 0 when it is not a number.
Trigger triggerFromBoxes(int amount, int variableType, int variable, int condition, int parameter1,
                         std::string_view parameter2Text);
// The parameter box's items: the proximity list for conditions 49 and 50,
// otherwise the number list with "0" first.
std::vector<std::string> parameterChoices(int condition, const MissionLists& lists);

// Writes the trigger into the target's slot: of every selected flight group
// (arrival, departure, jump), of the current team's global goal, of every
// selected message. Flight-group goals are written by toolBoxChanged.
Operation writeTrigger(const CondTarget& t, const Trigger& trigger, const EditorState& st);

// What the tool's boxes hold, and which one the designer just changed.
struct ToolBoxes {
  int amount = 0;
  int variableType = 0;
  int variable = 0; // the goal requirement in goal mode
  int condition = 0;
  int parameter1 = 0;
  std::string parameter2Text;
  int goalTeam = 0; // "Applies to Team:", used in goal mode
};
// The boxes filled from the slot, or in goal mode from the current goal of
// the current flight group. None where the page has nothing to show.
std::optional<ToolBoxes> toolBoxesFor(const Document& doc, const EditorState& st,
                                      const CondTarget& t);
// What each box shows over every record an edit writes into (the selected
// flight groups or messages): the value they share, none where they differ.
// Goal mode has no variable type; it shows as 0.
struct SharedToolBoxes {
  std::optional<int> amount, variableType, variable, condition, parameter1, parameter2;
};
std::optional<SharedToolBoxes> sharedToolBoxes(const Document& doc, const EditorState& st,
                                               const CondTarget& t);
enum class ToolBox { Amount, VariableType, Variable, Condition, Parameter1, Parameter2 };
// The edit a change of one box makes on the page showing: the box's byte
// written into the slot of every record the page edits, or in goal mode into
// the current goal of every selected flight group. Only the changed box is
// read and only its byte written, so bytes that differ between the records,
// or that no list shows, are kept. A new variable type also starts the
// variable at 0, and writes nothing in goal mode. None where the page has
// nothing to write.
std::optional<Operation> toolBoxChanged(const CondTarget& t, ToolBox changed,
                                        const ToolBoxes& boxes, const EditorState& st);

// The three And/Or button pairs: between slots 1 and 2, between the two
// pairs, between slots 3 and 4.
enum class AndOr { Pair12, Between, Pair34 };
// Sets the Or flag (1 = Or) behind a button pair; none where the page has no
// such flag.
std::optional<Operation> storeAndOr(const CondTarget& t, AndOr which, bool isOr,
                                    const EditorState& st);
// The three flags as the buttons show them (true = Or) over every record the
// buttons write into: none where those records differ, false where the page
// has no such flag.
using AndOrFlags = std::array<std::optional<bool>, 3>;
AndOrFlags andOrFlags(const Document& doc, const EditorState& st, const CondTarget& t);

// Goal strings, tag 1 "Incomplete", 2 "Success", 3 "Fail": of the current
// goal of the current flight group, or of the current global goal and slot.
// Cut to 64 characters.
std::optional<Operation> storeGoalString(const CondTarget& t, int tag, std::string_view text,
                                         const EditorState& st);
std::string goalString(const Document& doc, const EditorState& st, const CondTarget& t, int tag);

// The string panel's labels, which of the three edits show, and the colour
// of each edit's text.
struct StringPanel {
  std::array<std::string, 3> labels;
  std::array<bool, 3> visible;
  std::array<Colour, 3> colours;
};
StringPanel stringPanel(CondPage page, int goalKind);

// The tool's heading, naming the triggers it shows and their owner:
// "Arrival of X-W Red", "Departure of X-W Red", "Order 2 jump, region 1, of
// X-W Red", "Goal 3 of X-W Red", "Message 4", "Primary goal of team 1", with
// " (3 selected)" where an edit writes into several; empty where the page
// shows none or the owner is not there.
std::string toolHeading(const Document& doc, const EditorState& st, const CondTarget& t,
                        const MissionLists& lists);

// Which parts of the tool a page shows.
struct ToolLayout {
  bool shown = false;       // pages without triggers or goals hide the tool
  bool strings = false;     // the goal-string panel
  bool pair12 = false;      // the And/Or pair between slots 1 and 2
  bool pairs34 = false;     // the pairs between the two pairs and between slots 3 and 4
  bool variableType = true; // goal mode lists the goal requirements instead
};
ToolLayout toolLayout(CondPage page);
// The variable box's items: the goal requirements in goal mode, else the
// choices of the variable type.
Choices toolVariableChoices(CondPage page, int variableType, int variable,
                            const MissionLists& lists);
// Whether an update concerns what the tool shows on the page: the slots'
// triggers and And/Or flags, the goal and its strings, or the names the
// trigger texts read.
bool toolConcerned(const ViewUpdate& u, CondPage page);

} // namespace zephlo
