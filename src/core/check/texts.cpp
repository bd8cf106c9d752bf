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
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zephlo {

namespace {

using vocab::List;

void appendNumber(std::string& out, int n) {
  // Nearly every number in a mission is a byte: digit by digit is fastest.
  if (n >= 0 && n < 1000) {
    if (n >= 100) out += static_cast<char>('0' + n / 100);
    if (n >= 10) out += static_cast<char>('0' + n / 10 % 10);
    out += static_cast<char>('0' + n % 10);
    return;
  }
  char digits[12];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  out.append(digits, end);
}

// Entry i of a list, or nullptr when i lies outside it.
const std::string* entryAt(const List& list, int i) {
  if (i < 0 || static_cast<std::size_t>(i) >= list.size()) return nullptr;
  return &list[static_cast<std::size_t>(i)];
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
void appendTargetPair(std::string& out, const Byte* order, std::size_t typeA, std::size_t varA,
                      std::size_t typeB, std::size_t varB, std::size_t either,
                      const MissionLists& lists) {
  appendSubjectText(out, order[typeA], order[varA], lists);
  if (order[typeB] != 0) out += order[either] != 0 ? " or" : " only if";
  // The blank and the second subject come even without a second target (its
  // subject is then empty), so such a line ends with a blank.
  out += " ";
  appendSubjectText(out, order[typeB], order[varB], lists);
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

void appendSubjectText(std::string& out, int variableType, int variable,
                       const MissionLists& lists) {
  // Types 2-7 name an entry of a fixed list; a file written by another tool
  // may hold a number past its end, which then reads "Unknown <n>".
  auto listed = [&](const List& list, std::string_view before, std::string_view after) {
    const std::string* e = entryAt(list, variable);
    if (!e) {
      out += "Unknown ";
      appendNumber(out, variable);
      return;
    }
    out.append(before).append(*e).append(after);
  };
  auto numbered = [&](std::string_view before) {
    out.append(before);
    appendNumber(out, variable);
  };
  switch (variableType) {
  case 0: return;
  case 1: {
    const std::string* label = entryAt(lists.fgNames, variable);
    if (label)
      out += *label;
    else
      numbered("FG#");
    return;
  }
  case 2: return listed(vocab::craftTypes(), "", "s");
  case 3: return listed(vocab::shipCategories(), "", "");
  case 4: return listed(vocab::objectCategories(), "", "");
  case 5: return listed(vocab::iffs(), "", "s");
  case 6: return listed(vocab::orders(), "Craft order: ", "");
  case 7: return listed(vocab::craftStates(), "", "");
  case 8: return numbered("GGroup ");
  case 12: out.append("Team ").append(teamSubjectName(variable, lists)); return;
  case 21: out.append("any Team but ").append(teamSubjectName(variable, lists)); return;
  case 23: return numbered("GUnit ");
  case 27: return numbered("Message #");
  default:
    appendNumber(out, variableType);
    numbered("? ");
    return;
  }
}

std::string subjectText(int variableType, int variable, const MissionLists& lists) {
  std::string text;
  appendSubjectText(text, variableType, variable, lists);
  return text;
}

namespace {

// The condition and its parameter: "must" is the caller's.
void appendConditionPhrase(std::string& out, const Byte* trigger, const MissionLists& lists) {
  const int condition = trigger[trig::Condition];
  const std::string* c = entryAt(vocab::conditions(), condition);
  if (!c) return;
  out += *c;
  const int parameter = trigger[trig::Parameter1];
  if (condition == 47 || condition == 48) {
    appendNumber(out, parameter);
  } else if (condition == 49 || condition == 50) {
    if (const std::string* p = entryAt(lists.proximity, parameter))
      out.append(" ").append(*p);
    else
      appendNumber(out, parameter);
  }
}

} // namespace

std::string conditionPhrase(const Byte* trigger, const MissionLists& lists) {
  std::string text;
  appendConditionPhrase(text, trigger, lists);
  return text;
}

void appendTriggerText(std::string& out, const Byte* trigger, const MissionLists& lists) {
  const int condition = trigger[trig::Condition];
  if (condition == 0) {
    out += "(Always true)";
    return;
  }
  if (condition == 10) {
    out += "(Never true)";
    return;
  }
  if (const std::string* amount = entryAt(vocab::amounts(), trigger[trig::Amount]))
    out.append(*amount).append(" of ");
  appendSubjectText(out, trigger[trig::VariableType], trigger[trig::Variable], lists);
  if (entryAt(vocab::conditions(), condition)) {
    out += " must ";
    appendConditionPhrase(out, trigger, lists);
  }
}

std::string triggerText(const Byte* trigger, const MissionLists& lists) {
  std::string text;
  appendTriggerText(text, trigger, lists);
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

void appendOrderLineText(std::string& out, const Byte* order, const MissionLists& lists) {
  const int command = order[ord::Command];
  const int p1 = order[ord::Parameter1];
  if (command == 0) {
    out += "---";
  } else {
    if (command == 7)
      out += "Attack";
    else if (command == 11)
      out += "Disable";
    else if (const std::string* name = entryAt(vocab::orders(), command))
      out += *name;
    else
      appendNumber(out, command); // past the list: the number
    if (command == 2 || command == 21) {
      out += ", ";
      appendNumber(out, p1);
      out += p1 > 1 ? " times" : " time";
    } else if (command == 50) {
      out += " #";
      appendNumber(out, p1 + 1);
    }
    out += ":  ";
    appendTargetPair(out, order, ord::Target1Type, ord::Target1, ord::Target2Type, ord::Target2,
                     ord::Target12Either, lists);
  }
  if (order[ord::Target3Type] != 0) {
    out += "  /  ";
    appendTargetPair(out, order, ord::Target3Type, ord::Target3, ord::Target4Type, ord::Target4,
                     ord::Target34Either, lists);
  }
}

std::string orderLineText(const Byte* order, const MissionLists& lists) {
  std::string text;
  appendOrderLineText(text, order, lists);
  return text;
}

namespace {

// Values past their list show as the number itself.
void appendEntry(std::string& out, const List& list, int i) {
  if (const std::string* e = entryAt(list, i))
    out += *e;
  else
    appendNumber(out, i);
}

void appendGoalPhrase(std::string& out, const Byte* goal, const MissionLists& lists) {
  const int condition = goal[goal::Condition];
  appendEntry(out, vocab::goalRequirements(), goal[goal::Requirement]);
  out += ' ';
  appendEntry(out, vocab::conditions(), condition);
  const int parameter = goal[goal::Parameter];
  if (condition == 47 || condition == 48) {
    appendNumber(out, parameter);
  } else if (condition == 49 || condition == 50) {
    out += ' ';
    appendEntry(out, lists.proximity, parameter);
  }
}

} // namespace

std::string goalPhrase(const Byte* goal, const MissionLists& lists) {
  std::string text;
  appendGoalPhrase(text, goal, lists);
  return text;
}

void appendFgGoalLineText(std::string& out, const Byte* goal, const MissionLists& lists) {
  if (goal[goal::Condition] == 10) {
    out += "<None>";
    return;
  }
  appendEntry(out, vocab::amounts(), goal[goal::Amount]);
  out += " of it ";
  appendGoalPhrase(out, goal, lists);
  const int points = static_cast<std::int8_t>(goal[goal::Points]);
  if (points != 0) {
    out += " : ";
    appendNumber(out, points * 25);
    out += " Pts";
  }
  out += "  - Team ";
  const int team = goal[goal::Team];
  if (const std::string* name = entryAt(lists.teamNames, team))
    out += trimmed(*name);
  else
    appendNumber(out, team);
}

std::string fgGoalLineText(const Byte* goal, const MissionLists& lists) {
  std::string text;
  appendFgGoalLineText(text, goal, lists);
  return text;
}

} // namespace zephlo
