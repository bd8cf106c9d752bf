// Readable texts for triggers, orders, goals and times. Every byte read from a
// mission can hold any value 0-255, so each table lookup is bounds-checked and
// falls back to a number instead of reading past a list.
#include "core/check/texts.h"

#include "core/gamedata/time_texts.h"
#include "core/mission/team_edits.h"

#include "core/gamedata/vocabularies.h"
#include "core/mission/document.h"
#include "core/mission/layout.h"
#include "core/mission/list_lines.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zephlo {

namespace {

using vocab::List;

// Entry i of a list, or nullptr when i lies outside it.
const std::string* entryAt(const List& list, int i) {
  if (i < 0 || static_cast<std::size_t>(i) >= list.size()) return nullptr;
  return &list[static_cast<std::size_t>(i)];
}

// Entry i of a list, or i in decimal when the list has no such entry.
std::string entryOrNumber(const List& list, int i) {
  const std::string* e = entryAt(list, i);
  return e ? *e : std::to_string(i);
}

// Team name for the subject text: the team-name entry without its "n."
// prefix, unless the prefix is all there is (an unnamed team reads "1.").
std::string teamSubjectName(int variable, const MissionLists& lists) {
  if (variable >= kTeamCount) return {};
  const std::string* e = entryAt(lists.teamNames, variable);
  if (!e) return {};
  std::string name = trimmed(*e);
  const std::string prefix = std::to_string(variable + 1) + ".";
  if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0)
    name.erase(0, prefix.size());
  return name;
}

// The number list as offered for choosing: "0" in place of "none", so that
// index and shown number agree.
List numberChoices() {
  const List& numbers = vocab::numbers();
  List items;
  items.reserve(numbers.size() + 1);
  items.emplace_back(1, '0');
  if (!numbers.empty()) items.insert(items.end(), numbers.begin() + 1, numbers.end());
  return items;
}

// Replaces the first "%s" of a printf-style caption by the argument.
std::string fillIn(std::string_view format, const std::string& arg) {
  std::string out(format);
  std::size_t at = out.find("%s");
  if (at != std::string::npos) out.replace(at, 2, arg);
  return out;
}

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// The two target pairs of an order line: "  T1 or T2" and "  /  T3 only if T4".
std::string targetPair(const Byte* order, std::size_t typeA, std::size_t varA, std::size_t typeB,
                       std::size_t varB, std::size_t either, const MissionLists& lists) {
  std::string out = subjectText(order[typeA], order[varA], lists);
  if (order[typeB] != 0) out += order[either] != 0 ? " or" : " only if";
  // The blank and the second subject come even without a second target (its
  // subject is then empty), so such a line ends with a blank.
  out += " ";
  out += subjectText(order[typeB], order[varB], lists);
  return out;
}

} // namespace

MissionLists buildMissionLists(const Document& doc) {
  MissionLists lists;
  lists.teamNames = teamNameList(doc);
  const int count = static_cast<int>(doc.flightGroups.size());
  lists.fgNames.reserve(doc.flightGroups.size());
  for (int i = 0; i < count; ++i)
    lists.fgNames.push_back(fgLabel(doc, i));
  lists.proximity.reserve(1 + kRegionCount + doc.flightGroups.size());
  lists.proximity.push_back("0");
  for (int r = 1; r <= kRegionCount; ++r)
    lists.proximity.push_back("Region #" + std::to_string(r));
  lists.proximity.insert(lists.proximity.end(), lists.fgNames.begin(), lists.fgNames.end());
  return lists;
}

MissionLists listsForOrders(const Document& doc, const std::vector<const Byte*>& orders) {
  constexpr std::array<std::pair<std::size_t, std::size_t>, 4> kTargets{
      {{ord::Target1Type, ord::Target1},
       {ord::Target2Type, ord::Target2},
       {ord::Target3Type, ord::Target3},
       {ord::Target4Type, ord::Target4}}};
  constexpr Byte kFlightGroupSubject = 1; // the subject type subjectText names by its label
  MissionLists lists;
  lists.teamNames = teamNameList(doc);
  lists.fgNames.resize(doc.flightGroups.size());
  for (const Byte* order : orders) {
    for (const auto& [type, variable] : kTargets) {
      const std::size_t fg = order[variable];
      if (order[type] == kFlightGroupSubject && fg < lists.fgNames.size() &&
          lists.fgNames[fg].empty())
        lists.fgNames[fg] = fgLabel(doc, static_cast<int>(fg));
    }
  }
  return lists;
}

std::string subjectText(int variableType, int variable, const MissionLists& lists) {
  // Types 2-7 name an entry of a fixed list; a file written by another tool
  // may hold a number past its end, which then reads "Unknown <n>".
  auto listed = [variable](const List& list, const char* before, const char* after) {
    const std::string* e = entryAt(list, variable);
    if (!e) return "Unknown " + std::to_string(variable);
    return before + *e + after;
  };
  switch (variableType) {
  case 0: return {};
  case 1: {
    const std::string* label = entryAt(lists.fgNames, variable);
    return label ? *label : "FG#" + std::to_string(variable);
  }
  case 2: return listed(vocab::craftTypes(), "", "s");
  case 3: return listed(vocab::shipCategories(), "", "");
  case 4: return listed(vocab::objectCategories(), "", "");
  case 5: return listed(vocab::iffs(), "", "s");
  case 6: return listed(vocab::orders(), "Craft order: ", "");
  case 7: return listed(vocab::craftStates(), "", "");
  case 8: return "GGroup " + std::to_string(variable);
  case 12: return "Team " + teamSubjectName(variable, lists);
  case 21: return "any Team but " + teamSubjectName(variable, lists);
  case 23: return "GUnit " + std::to_string(variable);
  case 27: return "Message #" + std::to_string(variable);
  default: return std::to_string(variableType) + "? " + std::to_string(variable);
  }
}

std::string conditionPhrase(const Byte* trigger, const MissionLists& lists) {
  const int condition = trigger[trig::Condition];
  const std::string* c = entryAt(vocab::conditions(), condition);
  if (!c) return {};
  std::string text = *c;
  const int parameter = trigger[trig::Parameter1];
  if (condition == 47 || condition == 48) {
    text += std::to_string(parameter);
  } else if (condition == 49 || condition == 50) {
    if (const std::string* p = entryAt(lists.proximity, parameter))
      text += " " + *p;
    else
      text += std::to_string(parameter);
  }
  return text;
}

std::string triggerText(const Byte* trigger, const MissionLists& lists) {
  const int condition = trigger[trig::Condition];
  if (condition == 0) return "(Always true)";
  if (condition == 10) return "(Never true)";
  std::string text = amountPrefix(trigger[trig::Amount]);
  text += subjectText(trigger[trig::VariableType], trigger[trig::Variable], lists);
  if (const std::string phrase = conditionPhrase(trigger, lists); !phrase.empty())
    text += " must " + phrase;
  return text;
}

std::string amountPrefix(int amount) {
  const std::string* e = entryAt(vocab::amounts(), amount);
  return e ? *e + " of " : std::string();
}

OrderCaptions orderParameterCaptions(int order, int parameter1, int parameter2) {
  const std::string noEffect1 = blanks(18) + "No Effect?:";
  const std::string noEffect2 = blanks(13) + "No Effect?:";
  const std::string time = secondsText(orderTimeCode(parameter1));
  switch (order) {
  case 2:
  case 3:
  case 21:
  case 63: return {blanks(18) + "# of loops:", noEffect2};
  case 4:
  case 6: return {blanks(11) + "# of dockings:", noEffect2};
  case 7: return {blanks(16) + "Component:", noEffect2};
  case 10:
    // Only 1 means yes; any other stored value reads as no.
    return {noEffect1, parameter2 == 1 ? "Attack Player:Yes" : "Attack Player:No"};
  case 12:
  case 13:
  case 14:
  case 15:
  case 16:
  case 31:
  case 32: return {fillIn("Docking time (%s):", time), blanks(9) + "# of dockings:"};
  case 17: return {fillIn("Docking time (%s):", time), noEffect2};
  case 18: return {fillIn("Deploy time? (%s):", time), "FG# to drop off:"};
  case 19:
  case 20:
  case 57: return {fillIn("    Wait time (%s):", time), noEffect2};
  case 36: return {fillIn("Delay time (%s):", time), blanks(15) + "No Effect?:"};
  case 50: return {blanks(18) + "Region #" + std::to_string(parameter1 + 1), noEffect2};
  default: return {noEffect1, noEffect2};
  }
}

Choices variableChoices(int variableType, int variable, const MissionLists& lists) {
  Choices choices;
  switch (variableType) {
  case 1: choices.items = lists.fgNames; break;
  case 2: choices.items = vocab::craftTypes(); break;
  case 3: choices.items = vocab::shipCategories(); break;
  case 4: choices.items = vocab::objectCategories(); break;
  case 5: choices.items = vocab::iffs(); break;
  case 6: choices.items = vocab::orders(); break;
  case 7: choices.items = vocab::craftStates(); break;
  case 12:
  case 21: choices.items = lists.teamNames; break;
  default:
    // Plain numbers, also for types past the variable-type list, matching
    // the way their subject text shows the bare number.
    choices.items = numberChoices();
    break;
  }
  // A variable past the end selects nothing; the full list is still offered.
  if (variable >= 0 && static_cast<std::size_t>(variable) < choices.items.size())
    choices.selected = variable;
  return choices;
}

std::string orderLineText(const Byte* order, const MissionLists& lists) {
  const int command = order[ord::Command];
  const int p1 = order[ord::Parameter1];
  std::string text;
  if (command == 0) {
    text = "---";
  } else {
    if (command == 7)
      text = "Attack";
    else if (command == 11)
      text = "Disable";
    else
      text = entryOrNumber(vocab::orders(), command); // past the list: the number
    if (command == 2 || command == 21) {
      text += ", " + std::to_string(p1) + " time";
      if (p1 > 1) text += "s";
    } else if (command == 50) {
      text += " #" + std::to_string(p1 + 1);
    }
    text += ":  ";
    text += targetPair(order, ord::Target1Type, ord::Target1, ord::Target2Type, ord::Target2,
                       ord::Target12Either, lists);
  }
  if (order[ord::Target3Type] != 0) {
    text += "  /  ";
    text += targetPair(order, ord::Target3Type, ord::Target3, ord::Target4Type, ord::Target4,
                       ord::Target34Either, lists);
  }
  return text;
}

std::string goalPhrase(const Byte* goal, const MissionLists& lists) {
  const int condition = goal[goal::Condition];
  // Values past their list show as the number itself.
  const std::string requirement = entryOrNumber(vocab::goalRequirements(), goal[goal::Requirement]);
  const std::string* c = entryAt(vocab::conditions(), condition);
  std::string text;
  text.reserve(requirement.size() + 1 + (c ? c->size() : 3) + 24);
  text.append(requirement).append(" ");
  if (c)
    text.append(*c);
  else
    text.append(std::to_string(condition));
  const int parameter = goal[goal::Parameter];
  if (condition == 47 || condition == 48)
    text += std::to_string(parameter);
  else if (condition == 49 || condition == 50)
    text.append(" ").append(entryOrNumber(lists.proximity, parameter));
  return text;
}

std::string fgGoalLineText(const Byte* goal, const MissionLists& lists) {
  if (goal[goal::Condition] == 10) return "<None>";
  std::string text = entryOrNumber(vocab::amounts(), goal[goal::Amount]);
  text += " of it ";
  text += goalPhrase(goal, lists);
  const int points = static_cast<std::int8_t>(goal[goal::Points]);
  if (points != 0) text += " : " + std::to_string(points * 25) + " Pts";
  text += "  - Team ";
  const int team = goal[goal::Team];
  const std::string* name = entryAt(lists.teamNames, team);
  text += name ? trimmed(*name) : std::to_string(team);
  return text;
}

} // namespace zephlo
