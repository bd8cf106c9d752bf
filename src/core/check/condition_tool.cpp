#include "core/check/condition_tool.h"

#include "core/gamedata/vocabularies.h"
#include "core/mission/shared_values.h"
#include "core/mission/store_values.h"

#include <algorithm>

namespace zephlo {

namespace {

enum class Owner { None, FlightGroup, GlobalGoal, Message };

// Where a trigger or flag lives: in which record and at which offset.
struct Loc {
  Owner owner = Owner::None;
  std::size_t offset = 0;
};

constexpr std::size_t kArrival[] = {fg::ArrivalPair1, fg::ArrivalPair1 + pair::Second,
                                    fg::ArrivalPair2, fg::ArrivalPair2 + pair::Second};
constexpr std::size_t kDeparture[] = {fg::DeparturePair, fg::DeparturePair + pair::Second};
constexpr std::size_t kGlobal[] = {gg::Pair1, gg::Pair1 + pair::Second, gg::Pair2,
                                   gg::Pair2 + pair::Second};
constexpr std::size_t kMessage[] = {msg::Pair1,      msg::Pair1 + pair::Second,
                                    msg::Pair2,      msg::Pair2 + pair::Second,
                                    msg::CancelPair, msg::CancelPair + pair::Second};
constexpr int kGoalKinds = 3, kStringsPerGoal = 3, kGoalSlots = 4;

bool validJump(const EditorState& st) {
  return st.currentRegion >= 1 && st.currentRegion <= kRegionCount && st.currentOrder >= 1 &&
         st.currentOrder <= kOrdersPerRegion;
}
bool validKind(int kind) { return kind >= 0 && kind < kGoalKinds; }

template <std::size_t N> Loc slotOf(Owner o, const std::size_t (&offsets)[N], int slot) {
  if (slot < 1 || static_cast<std::size_t>(slot) > N) return {};
  return {o, offsets[slot - 1]};
}

Loc triggerLoc(const CondTarget& t, const EditorState& st) {
  switch (t.page) {
  case CondPage::Arrival: return slotOf(Owner::FlightGroup, kArrival, t.slot);
  case CondPage::Departure: return slotOf(Owner::FlightGroup, kDeparture, t.slot);
  case CondPage::Jump: {
    if (!validJump(st) || (t.slot != 1 && t.slot != 2)) return {};
    const std::size_t p = fg::skipOffset(st.currentRegion, st.currentOrder);
    return {Owner::FlightGroup, p + (t.slot == 1 ? pair::First : pair::Second)};
  }
  case CondPage::GlobalGoals: {
    if (!validKind(t.goalKind)) return {};
    Loc l = slotOf(Owner::GlobalGoal, kGlobal, t.slot);
    l.offset += gg::blockOffset(t.goalKind);
    return l;
  }
  case CondPage::Message: return slotOf(Owner::Message, kMessage, t.slot);
  case CondPage::FGGoals:
  case CondPage::Other: return {};
  }
  return {};
}

Loc andOrLoc(const CondTarget& t, AndOr which, const EditorState& st) {
  const int k = static_cast<int>(which);
  switch (t.page) {
  case CondPage::Arrival: {
    constexpr std::size_t offs[] = {fg::ArrivalPair1 + pair::Or, fg::ArrivalPairsOr,
                                    fg::ArrivalPair2 + pair::Or};
    return {Owner::FlightGroup, offs[k]};
  }
  case CondPage::Departure:
    if (which != AndOr::Pair12) return {};
    return {Owner::FlightGroup, fg::DeparturePair + pair::Or};
  case CondPage::Jump:
    if (which != AndOr::Pair12 || !validJump(st)) return {};
    return {Owner::FlightGroup, fg::skipOffset(st.currentRegion, st.currentOrder) + pair::Or};
  case CondPage::Message: {
    constexpr std::size_t offs[] = {msg::Pair1 + pair::Or, msg::PairsOr, msg::Pair2 + pair::Or};
    return {Owner::Message, offs[k]};
  }
  case CondPage::GlobalGoals: {
    if (!validKind(t.goalKind)) return {};
    constexpr std::size_t offs[] = {gg::Pair1 + pair::Or, gg::PairsOr, gg::Pair2 + pair::Or};
    return {Owner::GlobalGoal, gg::blockOffset(t.goalKind) + offs[k]};
  }
  case CondPage::FGGoals:
  case CondPage::Other: return {};
  }
  return {};
}

// The record a location lies in, for reading; null when there is none.
const Byte* recordOf(const Document& doc, const EditorState& st, Owner o) {
  auto at = [](const auto& list, int i) -> const Byte* {
    if (i < 0 || static_cast<std::size_t>(i) >= list.size()) return nullptr;
    return list[static_cast<std::size_t>(i)].record.data();
  };
  switch (o) {
  case Owner::FlightGroup: return at(doc.flightGroups, st.currentFG);
  case Owner::GlobalGoal: return at(doc.globalGoals, st.currentTeam);
  case Owner::Message: return at(doc.messages, st.currentMsg);
  case Owner::None: return nullptr;
  }
  return nullptr;
}

// What read gives every record an edit at the owner writes into (every
// selected flight group or message, the current team's global goal), or
// none when two differ.
template <class Read>
auto sharedAt(const Document& doc, const EditorState& st, Owner o, Read read)
    -> std::optional<decltype(read(doc.flightGroups.front()))> {
  switch (o) {
  case Owner::FlightGroup: return commonValue(doc.flightGroups, fgSelection(st), read);
  case Owner::Message: return commonValue(doc.messages, msgSelection(st), read);
  case Owner::GlobalGoal: return commonValue(doc.globalGoals, {st.currentTeam}, read);
  case Owner::None: break;
  }
  return std::nullopt;
}

// Writes bytes at a location: into every selected flight group or message,
// or into the current team's global goal.
Operation writeAt(std::string caption, std::string key, Loc l, std::vector<Byte> bytes,
                  const EditorState& st) {
  switch (l.owner) {
  case Owner::FlightGroup: {
    const std::vector<int> sel = fgSelection(st);
    return editFlightGroups(std::move(caption), mergeKeyFor(key, sel), sel,
                            [l, bytes](FGObject& f, Edit&) {
                              std::copy(bytes.begin(), bytes.end(), f.record.begin() + l.offset);
                            });
  }
  case Owner::Message: {
    const std::vector<int> sel = msgSelection(st);
    return editMessages(std::move(caption), mergeKeyFor(key, sel), sel,
                        [l, bytes](MsgObject& m, Edit&) {
                          std::copy(bytes.begin(), bytes.end(), m.record.begin() + l.offset);
                        });
  }
  case Owner::GlobalGoal: {
    const int team = st.currentTeam;
    return {std::move(caption), key + "@t" + std::to_string(team),
            [l, bytes, team](Edit& e) -> Status {
              if (team < 0 || team >= kTeamCount) return {};
              auto& r = e.globalGoal(team).record;
              std::copy(bytes.begin(), bytes.end(), r.begin() + l.offset);
              return {};
            }};
  }
  case Owner::None: break;
  }
  return {std::move(caption), "", [](Edit&) -> Status { return {}; }};
}

const char* triggerCaption(CondPage p) {
  switch (p) {
  case CondPage::Arrival: return "Change Arrival Trigger";
  case CondPage::Departure: return "Change Departure Trigger";
  case CondPage::Jump: return "Change Jump Trigger";
  case CondPage::GlobalGoals: return "Change Global Goal Trigger";
  case CondPage::Message: return "Change Message Trigger";
  case CondPage::FGGoals:
  case CondPage::Other: break;
  }
  return "Change Trigger";
}

// Keys differ by page, slot, goal and order, so only edits of one slot merge.
std::string keyOf(const char* what, const CondTarget& t, const EditorState& st) {
  std::string k = std::string(what) + "@p" + std::to_string(static_cast<int>(t.page)) + "s" +
                  std::to_string(t.slot) + "k" + std::to_string(t.goalKind);
  if (t.page == CondPage::Jump)
    k += "r" + std::to_string(st.currentRegion) + "o" + std::to_string(st.currentOrder);
  if (t.page == CondPage::FGGoals) k += "g" + std::to_string(st.currentGoal);
  return k;
}

// The index of a goal string in its object, or -1.
int fgGoalStringIndex(const EditorState& st, int tag) {
  if (tag < 1 || tag > kStringsPerGoal || st.currentGoal < 0 || st.currentGoal >= kFGGoalCount)
    return -1;
  return st.currentGoal * kStringsPerGoal + tag - 1;
}
int globalGoalStringIndex(const CondTarget& t, int tag) {
  if (tag < 1 || tag > kStringsPerGoal || !validKind(t.goalKind) || t.slot < 1 ||
      t.slot > kGoalSlots)
    return -1;
  return (t.goalKind * kGoalSlots + t.slot - 1) * kStringsPerGoal + tag - 1;
}

} // namespace

int slotCount(CondPage page) {
  switch (page) {
  case CondPage::Arrival:
  case CondPage::GlobalGoals: return 4;
  case CondPage::Departure:
  case CondPage::Jump: return 2;
  case CondPage::Message: return 6;
  case CondPage::FGGoals:
  case CondPage::Other: return 0;
  }
  return 0;
}

std::optional<Trigger> loadTrigger(const Document& doc, const EditorState& st,
                                   const CondTarget& t) {
  const Loc l = triggerLoc(t, st);
  const Byte* r = recordOf(doc, st, l.owner);
  if (!r) return std::nullopt;
  Trigger out;
  std::copy(r + l.offset, r + l.offset + trig::Size, out.begin());
  return out;
}

std::vector<std::string> slotTexts(const Document& doc, const EditorState& st, const CondTarget& t,
                                   const MissionLists& lists) {
  std::vector<std::string> out;
  for (int k = 1; k <= slotCount(t.page); ++k) {
    CondTarget s = t;
    s.slot = k;
    const std::optional<Trigger> tr = loadTrigger(doc, st, s);
    out.push_back(tr ? triggerText(tr->data(), lists) : std::string());
  }
  return out;
}

Trigger triggerFromBoxes(int amount, int variableType, int variable, int condition, int parameter1,
                         std::string_view parameter2Text) {
  Trigger t{};
  t[trig::Condition] = clampByte(condition);
  t[trig::VariableType] = clampByte(variableType);
  t[trig::Variable] = clampByte(variable);
  t[trig::Amount] = clampByte(amount);
  t[trig::Parameter1] = clampByte(parameter1);
  t[trig::Parameter2] = clampByte(parseNumber(parameter2Text).value_or(0));
  return t;
}

std::vector<std::string> parameterChoices(int condition, const MissionLists& lists) {
  if (condition == 49 || condition == 50) return lists.proximity;
  std::vector<std::string> out = vocab::numbers();
  if (!out.empty()) out.front() = "0";
  return out;
}

Operation writeTrigger(const CondTarget& t, const Trigger& trigger, const EditorState& st) {
  return writeAt(triggerCaption(t.page), keyOf("CondTool", t, st), triggerLoc(t, st),
                 std::vector<Byte>(trigger.begin(), trigger.end()), st);
}

std::optional<ToolBoxes> toolBoxesFor(const Document& doc, const EditorState& st,
                                      const CondTarget& t) {
  if (t.page == CondPage::FGGoals) {
    const Byte* f = recordOf(doc, st, Owner::FlightGroup);
    if (!f || st.currentGoal < 0 || st.currentGoal >= kFGGoalCount) return std::nullopt;
    const Byte* g = f + fg::goalOffset(st.currentGoal);
    return ToolBoxes{g[goal::Amount],      0,
                     g[goal::Requirement], g[goal::Condition],
                     g[goal::Parameter],   std::to_string(g[goal::Parameter2]),
                     g[goal::Team]};
  }
  const std::optional<Trigger> tr = loadTrigger(doc, st, t);
  if (!tr) return std::nullopt;
  const Trigger& x = *tr;
  return ToolBoxes{x[trig::Amount],
                   x[trig::VariableType],
                   x[trig::Variable],
                   x[trig::Condition],
                   x[trig::Parameter1],
                   std::to_string(x[trig::Parameter2]),
                   0};
}

namespace {

// The byte each box stands for, in ToolBox order: within a trigger, and in
// goal mode within the goal (which has no variable type).
constexpr std::size_t kTriggerByte[] = {trig::Amount,    trig::VariableType, trig::Variable,
                                        trig::Condition, trig::Parameter1,   trig::Parameter2};
constexpr std::optional<GoalToolByte> kGoalByte[] = {
    GoalToolByte::Amount,      std::nullopt,
    GoalToolByte::Requirement, GoalToolByte::Condition,
    GoalToolByte::Parameter,   GoalToolByte::Parameter2};

int boxValue(const ToolBoxes& b, ToolBox which) {
  switch (which) {
  case ToolBox::Amount: return b.amount;
  case ToolBox::VariableType: return b.variableType;
  case ToolBox::Variable: return b.variable;
  case ToolBox::Condition: return b.condition;
  case ToolBox::Parameter1: return b.parameter1;
  case ToolBox::Parameter2: return parseNumber(b.parameter2Text).value_or(0);
  }
  return 0;
}

} // namespace

std::optional<SharedToolBoxes> sharedToolBoxes(const Document& doc, const EditorState& st,
                                               const CondTarget& t) {
  const bool goalMode = t.page == CondPage::FGGoals;
  Owner owner = Owner::FlightGroup;
  std::size_t base = 0;
  if (goalMode) {
    if (st.currentGoal < 0 || st.currentGoal >= kFGGoalCount) return std::nullopt;
    base = fg::goalOffset(st.currentGoal);
  } else {
    const Loc l = triggerLoc(t, st);
    owner = l.owner;
    base = l.offset;
  }
  if (!recordOf(doc, st, owner)) return std::nullopt;
  auto shared = [&](std::size_t k) -> std::optional<int> {
    if (goalMode && !kGoalByte[k]) return 0;
    const std::size_t off = base + (goalMode ? goalToolOffset(*kGoalByte[k]) : kTriggerByte[k]);
    return sharedAt(doc, st, owner, [off](const auto& r) { return int{r.record[off]}; });
  };
  return SharedToolBoxes{shared(0), shared(1), shared(2), shared(3), shared(4), shared(5)};
}

std::optional<Operation> toolBoxChanged(const CondTarget& t, ToolBox changed,
                                        const ToolBoxes& boxes, const EditorState& st) {
  const auto k = static_cast<std::size_t>(changed);
  const int value = boxValue(boxes, changed);
  if (t.page == CondPage::FGGoals) {
    if (!kGoalByte[k]) return std::nullopt; // the variable type
    return storeGoalToolByte(*kGoalByte[k], value, st);
  }
  const Loc loc = triggerLoc(t, st);
  if (loc.owner == Owner::None) return std::nullopt;
  std::vector<Byte> bytes{clampByte(value)};
  // A new variable type starts at its first variable, the byte after it.
  static_assert(trig::Variable == trig::VariableType + 1);
  if (changed == ToolBox::VariableType) bytes.push_back(0);
  return writeAt(triggerCaption(t.page), keyOf("CondTool", t, st),
                 Loc{loc.owner, loc.offset + kTriggerByte[k]}, std::move(bytes), st);
}

std::optional<Operation> storeAndOr(const CondTarget& t, AndOr which, bool isOr,
                                    const EditorState& st) {
  const Loc l = andOrLoc(t, which, st);
  if (l.owner == Owner::None) return std::nullopt;
  CondTarget keyTarget = t;
  keyTarget.slot = static_cast<int>(which);
  return writeAt("Change And/Or", keyOf("AndOr", keyTarget, st), l, {Byte(isOr ? 1 : 0)}, st);
}

AndOrFlags andOrFlags(const Document& doc, const EditorState& st, const CondTarget& t) {
  AndOrFlags out{false, false, false};
  for (int k = 0; k < 3; ++k) {
    const Loc l = andOrLoc(t, static_cast<AndOr>(k), st);
    if (!recordOf(doc, st, l.owner)) continue;
    out[static_cast<std::size_t>(k)] =
        sharedAt(doc, st, l.owner, [off = l.offset](const auto& r) { return r.record[off] == 1; });
  }
  return out;
}

std::optional<Operation> storeGoalString(const CondTarget& t, int tag, std::string_view text,
                                         const EditorState& st) {
  const std::string s(text);
  const std::string key = keyOf("FGStr", t, st) + "t" + std::to_string(tag);
  if (t.page == CondPage::FGGoals) {
    const int i = fgGoalStringIndex(st, tag);
    if (i < 0) return std::nullopt;
    const int cur = st.currentFG;
    return editFlightGroups(
        "Change Goal Text", mergeKeyFor(key, {cur}), {cur},
        [i, s](FGObject& f, Edit&) { setGoalText(f.goalStrings[static_cast<std::size_t>(i)], s); });
  }
  if (t.page == CondPage::GlobalGoals) {
    const int i = globalGoalStringIndex(t, tag), team = st.currentTeam;
    if (i < 0 || team < 0 || team >= kTeamCount) return std::nullopt;
    return Operation{
        "Change Goal Text", key + "@t" + std::to_string(team), [i, s, team](Edit& e) -> Status {
          setGoalText(e.globalGoalStrings(team).strings[static_cast<std::size_t>(i)], s);
          return {};
        }};
  }
  return std::nullopt;
}

std::string goalString(const Document& doc, const EditorState& st, const CondTarget& t, int tag) {
  if (t.page == CondPage::FGGoals) {
    const int i = fgGoalStringIndex(st, tag);
    if (i < 0 || st.currentFG < 0 ||
        static_cast<std::size_t>(st.currentFG) >= doc.flightGroups.size())
      return {};
    return goalText(doc.flightGroups[static_cast<std::size_t>(st.currentFG)]
                        .goalStrings[static_cast<std::size_t>(i)]);
  }
  if (t.page == CondPage::GlobalGoals) {
    const int i = globalGoalStringIndex(t, tag);
    if (i < 0 || st.currentTeam < 0 || st.currentTeam >= kTeamCount) return {};
    return goalText(doc.globalGoalStrings[static_cast<std::size_t>(st.currentTeam)]
                        .strings[static_cast<std::size_t>(i)]);
  }
  return {};
}

bool slotSelectable(CondPage page, int slot) {
  return slot >= 1 && slot <= std::max(1, slotCount(page));
}

std::string toolHeading(const Document& doc, const EditorState& st, const CondTarget& t,
                        const MissionLists& lists) {
  const auto number = [](int i) { return std::to_string(i + 1); };
  switch (t.page) {
  case CondPage::Arrival:
  case CondPage::Departure:
  case CondPage::Jump:
  case CondPage::FGGoals: {
    if (st.currentFG < 0 || static_cast<std::size_t>(st.currentFG) >= lists.fgNames.size())
      return {};
    const std::string owner = " of " + lists.fgNames[static_cast<std::size_t>(st.currentFG)] +
                              selectedCountText(fgSelection(st).size());
    if (t.page == CondPage::Arrival) return "Arrival" + owner;
    if (t.page == CondPage::Departure) return "Departure" + owner;
    if (t.page == CondPage::FGGoals) return "Goal " + number(st.currentGoal) + owner;
    return "Order " + std::to_string(st.currentOrder) + " jump, region " +
           std::to_string(st.currentRegion) + "," + owner;
  }
  case CondPage::GlobalGoals: {
    static const char* const kinds[] = {"Primary", "Prevent", "Secondary"};
    if (!validKind(t.goalKind)) return {};
    return std::string(kinds[static_cast<std::size_t>(t.goalKind)]) + " goal of team " +
           number(st.currentTeam);
  }
  case CondPage::Message:
    if (st.currentMsg < 0 || static_cast<std::size_t>(st.currentMsg) >= doc.messages.size())
      return {};
    return "Message " + number(st.currentMsg) + selectedCountText(msgSelection(st).size());
  case CondPage::Other: return {};
  }
  return {};
}

StringPanel stringPanel(CondPage page, int goalKind) {
  const Colour yellow = rgb(255, 255, 0), green = rgb(0, 255, 0), red = rgb(255, 0, 0);
  if (page == CondPage::GlobalGoals && goalKind == 1)
    return {
        {"Incomplete", "        Fail", "Fail"}, {true, true, false}, {rgb(0, 144, 255), red, red}};
  if (page == CondPage::GlobalGoals && goalKind == 2)
    return {{"Incomplete", "Success", "Fail"}, {false, true, false}, {yellow, green, red}};
  return {{"Incomplete", "Success", "Fail"}, {true, true, true}, {yellow, green, red}};
}

ToolLayout toolLayout(CondPage page) {
  const int slots = slotCount(page);
  const bool goals = page == CondPage::FGGoals;
  return {slots > 0 || goals, goals || page == CondPage::GlobalGoals, slots >= 2, slots >= 4,
          !goals};
}

Choices toolVariableChoices(CondPage page, int variableType, int variable,
                            const MissionLists& lists) {
  if (page == CondPage::FGGoals) {
    const vocab::List& items = vocab::goalRequirements();
    return {items, variable >= 0 && variable < static_cast<int>(items.size()) ? variable : -1};
  }
  return variableChoices(variableType, variable, lists);
}

bool toolConcerned(const ViewUpdate& u, CondPage page) {
  if (u.lists()) return true; // the trigger texts and the variable lists name them
  switch (page) {
  case CondPage::Arrival:
    return u.flightGroup(ByteSpan::of(fg::ArrivalPair1, fg::ArrivalPairsOr + 1 - fg::ArrivalPair1));
  case CondPage::Departure: return u.flightGroup(ByteSpan::of(fg::DeparturePair, pair::Size));
  case CondPage::Jump: return u.skipTriggers();
  case CondPage::FGGoals: return u.goal(ByteSpan::of(0, fg::GoalSize)) || u.goalStrings();
  case CondPage::GlobalGoals: return u.globalGoal() || u.globalGoalStrings();
  case CondPage::Message:
    return u.message(ByteSpan::of(msg::Pair1, msg::Id - msg::Pair1)) ||
           u.message(ByteSpan::of(msg::PairsOr)) ||
           u.message(ByteSpan::of(msg::CancelPair, pair::Size));
  case CondPage::Other: return u.everything();
  }
  return false;
}

} // namespace zephlo
