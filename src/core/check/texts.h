// Readable texts for triggers, orders, goals and times.
#pragma once

#include "core/gamedata/time_texts.h"
#include "core/mission/bytes.h"

#include <string>
#include <utility>
#include <vector>

namespace zephlo {

struct Document;

// The lists that depend on the mission, rebuilt from the document when asked.
struct MissionLists {
  std::vector<std::string> teamNames; // 10 entries: "1.Rebel", "2.Imperial", "3." ...
  std::vector<std::string> fgNames;   // one flight-group label per flight group
  std::vector<std::string> proximity; // "0", "Region #1" .. "Region #4", then the labels
};

MissionLists buildMissionLists(const Document& doc);
// The lists the lines of these orders (148-byte records) read, holding
// only the flight-group labels the orders name: the same lines as with
// buildMissionLists, for a fraction of the work on a long list.
MissionLists listsForOrders(const Document& doc, const std::vector<const Byte*>& orders);

// Subject text of (variable type, variable), e.g. "Xwings", "Team Rebel".
std::string subjectText(int variableType, int variable, const MissionLists& lists);
// One trigger (six bytes) as a sentence, e.g. "100% of X-W Red must be destroyed".
std::string triggerText(const Byte* trigger, const MissionLists& lists);
// What the trigger's condition asks, the words after "must": "be destroyed",
// "arrive in Region #2", "be in proximity of X-W Red"; empty past the list.
std::string conditionPhrase(const Byte* trigger, const MissionLists& lists);
// "100% of ", "At least one of "; empty for an amount past the list.
std::string amountPrefix(int amount);

struct OrderCaptions {
  std::string first;  // caption of the first order parameter
  std::string second; // caption of the second order parameter
};
// The two parameter captions of an order, from its number and the two
// parameter values.
OrderCaptions orderParameterCaptions(int order, int parameter1, int parameter2);

struct Choices {
  std::vector<std::string> items;
  int selected = -1; // -1 when the variable lies past the end of the list
};
// The list of choices for a trigger's or target's variable and the entry chosen.
Choices variableChoices(int variableType, int variable, const MissionLists& lists);

// One-line summary of an order record (148 bytes).
std::string orderLineText(const Byte* order, const MissionLists& lists);

// The same texts appended to out, for a caller that builds thousands of
// lines (a campaign's description) and should not pay for a string each.
void appendSubjectText(std::string& out, int variableType, int variable, const MissionLists& lists);
void appendTriggerText(std::string& out, const Byte* trigger, const MissionLists& lists);
void appendOrderLineText(std::string& out, const Byte* order, const MissionLists& lists);
void appendFgGoalLineText(std::string& out, const Byte* goal, const MissionLists& lists);

// One line for a flight-group goal (80 bytes).
std::string fgGoalLineText(const Byte* goal, const MissionLists& lists);
// What a flight-group goal asks of its flight group: "must be destroyed",
// "BONUS must NOT be disabled", "must arrive in Region #2".
std::string goalPhrase(const Byte* goal, const MissionLists& lists);

} // namespace zephlo
