// What can happen is the least fixed point from "nothing arrives": a flight
// group counts as arriving only once its arrival can come true with what has
// been found to arrive so far. Loops (A waits for B, B waits for A) therefore
// never arrive. Every rule errs towards "it can happen", so what is reported
// cannot happen under any choice of the player.
#include "core/check/mission_logic.h"

#include "core/check/texts.h"
#include "core/mission/document.h"
#include "core/mission/list_lines.h"
#include "core/mission/team_edits.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string_view>

namespace zephlo {

namespace {

constexpr Byte kAlwaysTrue = 0;
constexpr Byte kNeverTrue = 10;
constexpr Byte kFlightGroupVariable = 1;
constexpr Byte kDropOffOrder = 18;
constexpr Byte kMust = 0;      // goal requirement "must"
constexpr Byte kBonusMust = 2; // goal requirement "BONUS must"
constexpr int kPreventGoal = 1;
// Flight groups explained after the first in one finding; a longer chain is
// cut, each flight group in it having a line of its own.
constexpr int kMostExplained = 8;

// Conditions that only craft in space can meet: a trigger with one of them on a
// flight group waits for that flight group to arrive. Left out on purpose:
// those that may hold of craft that never came ("exist (survive)", the NOT
// conditions, "be outside proximity of"), and those whose meaning is unsure
// ("(arrive?)", "be unharmed?", "be delivered?", "reinforced by A.I.?").
constexpr Byte kNeedsCraft[] = {
    1,  // arrive: the arrival itself
    2,  // be destroyed: only a craft in space is destroyed
    3,  // be attacked: shot at in space
    4,  // be captured: captured by boarding, in space
    5,  // be inspected: by a craft flying close
    6,  // be boarded: in space
    7,  // finish docking: docks in space
    8,  // be disabled: by fire, in space
    19, // be dropped off: comes into space by it
    21, // have 0% shields: lost under fire
    22, // be at 50% hull: damage
    23, // run out of missiles: fired in space
    25, // be dropped off (the second entry of the same words)
    29, // destroyed without inspection: destroyed
    30, // be docked with: in space
    32, // begin boarding: in space
    34, // be at 50% shields: damage
    35, // be at 25% shields: damage
    36, // be at 75% hull: damage
    37, // be at 25% hull: damage
    43, // come and go: arrives first
    44, // be bagged: picked up in space
    45, // withdraw: leaves space, so it was there
    46, // be carried away: picked up in space
    47, // arrive in Region #: an arrival
    48, // leave Region #: leaves a region it was in
    49, // be in proximity of: a place in space
    52, // defect: changes sides in space
    58, // be I.D.ed: identified by a craft close by
};

// One trigger as the analysis sees it.
struct Leaf {
  enum Kind : std::uint8_t { True, Never, Needs } kind = True;
  int fg = -1; // Needs: the flight group that must arrive
  // Needs: the trigger, for its words; none for a flight-group goal, whose
  // finding speaks of its flight group's arrival instead.
  const Byte* trigger = nullptr;
};

// When a node can happen: ((T1 and/or T2) and/or (T3 and/or T4)), and for a
// flight group also its mothership; or one of the carriers drops it off.
struct Gate {
  std::array<Leaf, 4> leaves{};
  bool or12 = false, or34 = false, orPairs = false;
  int mothership = -1, altMothership = -1;
  std::vector<int> carriers;
};

// Why a node cannot happen, one way in which it could have.
struct Cause {
  enum Kind : std::uint8_t { Never, Waits, Mothership, DroppedOff } kind = Never;
  int fg = -1;
  const Byte* trigger = nullptr;
  // Two triggers asking the same of the same flight group are one cause.
  bool operator==(const Cause& o) const {
    if (kind != o.kind || fg != o.fg) return false;
    if (!trigger || !o.trigger) return trigger == o.trigger;
    return trigger[trig::Condition] == o.trigger[trig::Condition] &&
           trigger[trig::Parameter1] == o.trigger[trig::Parameter1];
  }
};

// The parts joined with one allocation: a large mission makes thousands of
// these strings.
std::string concat(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view p : parts)
    size += p.size();
  std::string out;
  out.reserve(size);
  for (std::string_view p : parts)
    out.append(p);
  return out;
}

// Values other than 0 and 1 come only from other tools; taking them as "or"
// errs towards "it can happen".
bool isOr(Byte flag) { return flag != 0; }

Leaf leafOf(const Byte* t, int fgCount) {
  const Byte c = t[trig::Condition];
  if (c == kAlwaysTrue) return {};
  if (c == kNeverTrue) return {Leaf::Never};
  const int var = t[trig::Variable];
  if (t[trig::VariableType] == kFlightGroupVariable && var < fgCount && conditionNeedsCraft(c))
    return {Leaf::Needs, var, t};
  // Anything else may come true: the analysis does not know.
  return {};
}

// The four triggers of two pairs joined by a third and/or.
Gate pairsGate(const Byte* pair1, const Byte* pair2, Byte pairsOr, int fgCount) {
  Gate g;
  g.leaves = {leafOf(pair1 + pair::First, fgCount), leafOf(pair1 + pair::Second, fgCount),
              leafOf(pair2 + pair::First, fgCount), leafOf(pair2 + pair::Second, fgCount)};
  g.or12 = isOr(pair1[pair::Or]);
  g.or34 = isOr(pair2[pair::Or]);
  g.orPairs = isOr(pairsOr);
  return g;
}

class Evaluator {
public:
  explicit Evaluator(const std::vector<char>& arrives) : arrives_(arrives) {}

  bool holds(const Leaf& l) const {
    return l.kind == Leaf::True || (l.kind == Leaf::Needs && arrives_[l.fg]);
  }
  bool pairHolds(const Gate& g, int first, bool isOr) const {
    const bool a = holds(g.leaves[first]), b = holds(g.leaves[first + 1]);
    return isOr ? a || b : a && b;
  }
  bool triggersHold(const Gate& g) const {
    const bool p1 = pairHolds(g, 0, g.or12), p2 = pairHolds(g, 2, g.or34);
    return g.orPairs ? p1 || p2 : p1 && p2;
  }
  // A flight group that arrives by mothership comes out of it, or out of its
  // alternative, so one of them must be there.
  bool mothershipThere(const Gate& g) const {
    return g.mothership < 0 || arrives_[g.mothership] ||
           (g.altMothership >= 0 && arrives_[g.altMothership]);
  }
  bool holds(const Gate& g) const {
    if (triggersHold(g) && mothershipThere(g)) return true;
    return std::any_of(g.carriers.begin(), g.carriers.end(), [&](int c) { return arrives_[c]; });
  }

  // The ways a gate that does not hold could have held.
  std::vector<Cause> causes(const Gate& g) const {
    std::vector<Cause> out;
    if (!triggersHold(g)) {
      const bool p1 = pairHolds(g, 0, g.or12);
      if (g.orPairs || !p1) pairCauses(g, 0, g.or12, out);
      if (g.orPairs || p1) pairCauses(g, 2, g.or34, out);
    } else {
      add(out, {Cause::Mothership, g.mothership});
      if (g.altMothership >= 0) add(out, {Cause::Mothership, g.altMothership});
    }
    for (int c : g.carriers)
      add(out, {Cause::DroppedOff, c});
    return out;
  }

private:
  static void add(std::vector<Cause>& out, const Cause& c) {
    if (std::find(out.begin(), out.end(), c) == out.end()) out.push_back(c);
  }
  void leafCauses(const Leaf& l, std::vector<Cause>& out) const {
    if (l.kind == Leaf::Never) add(out, {Cause::Never});
    if (l.kind == Leaf::Needs) add(out, {Cause::Waits, l.fg, l.trigger});
  }
  // With "and" the first trigger that fails is enough; with "or" both failed.
  void pairCauses(const Gate& g, int first, bool isOr, std::vector<Cause>& out) const {
    const Leaf& a = g.leaves[first];
    const Leaf& b = g.leaves[first + 1];
    if (isOr || !holds(a)) leafCauses(a, out);
    if (isOr || holds(a)) leafCauses(b, out);
  }

  const std::vector<char>& arrives_;
};

class Analysis {
public:
  explicit Analysis(const Document& doc)
      : doc_(doc), fgCount_(static_cast<int>(doc.flightGroups.size())),
        arrives_(doc.flightGroups.size(), 0), eval_(arrives_) {
    labels_.reserve(doc.flightGroups.size());
    lists_.teamNames = teamNameList(doc);
    lists_.proximity = {"0"};
    for (int r = 1; r <= kRegionCount; ++r)
      lists_.proximity.push_back("Region #" + std::to_string(r));
    for (int i = 0; i < fgCount_; ++i) {
      labels_.push_back(fgLabel(doc, i));
      lists_.fgNames.push_back("FG " + std::to_string(i + 1) + " " + labels_.back());
      lists_.proximity.push_back(lists_.fgNames.back());
    }
  }

  MissionLogic run() {
    const std::size_t nodes =
        doc_.flightGroups.size() * (1 + kFGGoalCount) + doc_.messages.size() + kTeamCount * 3;
    out_.nodes.reserve(nodes);
    gates_.reserve(nodes);
    canFail_.reserve(nodes);
    const std::vector<std::vector<int>> carriers = findCarriers();
    for (int i = 0; i < fgCount_; ++i)
      addFlightGroup(i, carriers[static_cast<std::size_t>(i)]);
    for (int m = 0; m < static_cast<int>(doc_.messages.size()); ++m)
      addMessage(m);
    for (int i = 0; i < fgCount_; ++i) {
      for (int g = 0; g < kFGGoalCount; ++g)
        addFlightGroupGoal(i, g);
    }
    for (int t = 0; t < kTeamCount; ++t) {
      for (int kind = 0; kind < 3; ++kind)
        addGlobalGoal(t, kind);
    }
    findArrivals();
    for (std::size_t n = 0; n < out_.nodes.size(); ++n) {
      LogicNode& node = out_.nodes[n];
      node.neverHappens = canFail_[n] && !eval_.holds(gates_[n]);
      if (node.neverHappens) out_.findings.push_back(finding(n));
    }
    return std::move(out_);
  }

private:
  int addNode(LogicNodeKind kind, int index, int goal, std::string name, Gate gate, bool canFail) {
    out_.nodes.push_back({kind, index, goal, std::move(name), false});
    gates_.push_back(std::move(gate));
    canFail_.push_back(canFail);
    return static_cast<int>(out_.nodes.size()) - 1;
  }

  // The edge's line is the node's name, the role and the cause's parts.
  void addEdge(int from, int to, LogicRole role, std::string label,
               std::initializer_list<std::string_view> cause) {
    static const char* const kRoleWords[] = {" arrival",   " arrival", " arrival", " departure",
                                             " departure", "",         " cancel",  ""};
    const bool decides = role != LogicRole::Departure && role != LogicRole::DepartureMothership &&
                         role != LogicRole::Cancel;
    const std::string& name = out_.nodes[static_cast<std::size_t>(to)].name;
    const std::string_view roleWords = kRoleWords[static_cast<int>(role)];
    std::size_t size = name.size() + roleWords.size() + 4;
    for (std::string_view p : cause)
      size += p.size();
    std::string line;
    line.reserve(size);
    line.append(name).append(roleWords).append(" <- ");
    for (std::string_view p : cause)
      line.append(p);
    out_.edges.push_back({from, to, role, decides, std::move(label), std::move(line)});
  }

  // An edge for a trigger that names a flight group; its cause reads as the
  // trigger's own text with the flight group's number.
  void addTriggerEdge(const Byte* t, int to, LogicRole role, const char* labelStart = "") {
    const Byte c = t[trig::Condition];
    const int var = t[trig::Variable];
    if (c == kAlwaysTrue || c == kNeverTrue || t[trig::VariableType] != kFlightGroupVariable ||
        var >= fgCount_)
      return;
    const std::string phrase = conditionPhrase(t, lists_);
    const std::string amount = amountPrefix(t[trig::Amount]);
    const std::string_view must = phrase.empty() ? "" : " must ";
    addEdge(var, to, role, concat({labelStart, amount, "it", must, phrase}),
            {amount, lists_.fgNames[static_cast<std::size_t>(var)], must, phrase});
  }

  void addPairEdges(const Byte* p, int to, LogicRole role, const char* labelStart = "") {
    addTriggerEdge(p + pair::First, to, role, labelStart);
    addTriggerEdge(p + pair::Second, to, role, labelStart);
  }

  // The mothership a flag switches on, or -1.
  int mothershipOf(const FGObject& f, std::size_t flag, std::size_t which) const {
    return f.at(flag) != 0 && f.at(which) < fgCount_ ? f.at(which) : -1;
  }

  void addMothershipEdge(int ship, int to, LogicRole role, const char* label, const char* words) {
    if (ship < 0) return;
    addEdge(ship, to, role, label, {words, " ", lists_.fgNames[static_cast<std::size_t>(ship)]});
  }

  void addFlightGroup(int i, const std::vector<int>& carriers) {
    const FGObject& f = doc_.flightGroups[static_cast<std::size_t>(i)];
    const Byte* r = f.record.data();
    Gate gate =
        pairsGate(r + fg::ArrivalPair1, r + fg::ArrivalPair2, f.at(fg::ArrivalPairsOr), fgCount_);
    // The alternative counts only beside a mothership: alone it may not be used.
    gate.mothership = mothershipOf(f, fg::ArriveByMothership, fg::ArrivalMothership);
    const int alt = mothershipOf(f, fg::ArriveByAltMothership, fg::AltArrivalMothership);
    if (gate.mothership >= 0) gate.altMothership = alt;
    gate.carriers = carriers;
    const int node =
        addNode(LogicNodeKind::FlightGroup, i, 0, lists_.fgNames[i], std::move(gate), true);
    addPairEdges(r + fg::ArrivalPair1, node, LogicRole::Arrival);
    addPairEdges(r + fg::ArrivalPair2, node, LogicRole::Arrival);
    addMothershipEdge(gates_[node].mothership, node, LogicRole::ArrivalMothership, "mothership",
                      "mothership");
    addMothershipEdge(alt, node, LogicRole::ArrivalMothership, "alternative mothership",
                      "alternative mothership");
    for (int c : carriers)
      addEdge(c, node, LogicRole::DroppedOff, "may drop it off",
              {"may be dropped off by ", lists_.fgNames[static_cast<std::size_t>(c)]});
    addPairEdges(r + fg::DeparturePair, node, LogicRole::Departure, "departure: ");
    addMothershipEdge(mothershipOf(f, fg::DepartByMothership, fg::DepartureMothership), node,
                      LogicRole::DepartureMothership, "departure mothership", "mothership");
    addMothershipEdge(mothershipOf(f, fg::DepartByAltMothership, fg::AltDepartureMothership), node,
                      LogicRole::DepartureMothership, "alternative departure mothership",
                      "alternative mothership");
  }

  // A "Drop off/Deploy" order brings the flight group its second parameter
  // names. Whether that number counts from 0 or from 1 is not known, so both
  // flight groups it may mean are taken as possibly brought. For each flight
  // group, the flight groups that may drop it off.
  std::vector<std::vector<int>> findCarriers() const {
    std::vector<std::vector<int>> carriers(static_cast<std::size_t>(fgCount_));
    for (int c = 0; c < fgCount_; ++c) {
      for (int region = 1; region <= kRegionCount; ++region) {
        for (int o = 1; o <= kOrdersPerRegion; ++o) {
          const Byte* order = doc_.flightGroups[static_cast<std::size_t>(c)].order(region, o);
          if (order[ord::Command] != kDropOffOrder) continue;
          const int number = order[ord::Parameter2];
          for (int j : {number - 1, number}) {
            if (j < 0 || j >= fgCount_ || j == c) continue;
            std::vector<int>& of = carriers[static_cast<std::size_t>(j)];
            if (std::find(of.begin(), of.end(), c) == of.end()) of.push_back(c);
          }
        }
      }
    }
    return carriers;
  }

  void addMessage(int m) {
    const Byte* r = doc_.messages[static_cast<std::size_t>(m)].record.data();
    const std::string name =
        "Message " + std::to_string(m + 1) + " \"" +
        trimmed(displayedMessageText(doc_.messages[static_cast<std::size_t>(m)].text())) + "\"";
    const int node =
        addNode(LogicNodeKind::Message, m, 0, name,
                pairsGate(r + msg::Pair1, r + msg::Pair2, r[msg::PairsOr], fgCount_), true);
    addPairEdges(r + msg::Pair1, node, LogicRole::Trigger);
    addPairEdges(r + msg::Pair2, node, LogicRole::Trigger);
    addPairEdges(r + msg::CancelPair, node, LogicRole::Cancel, "cancel: ");
  }

  void addFlightGroupGoal(int i, int g) {
    const Byte* goal = doc_.flightGroups[static_cast<std::size_t>(i)].goal(g);
    const Byte condition = goal[goal::Condition];
    if (condition == kNeverTrue) return; // not set
    Gate gate;
    if (conditionNeedsCraft(condition)) gate.leaves[0] = {Leaf::Needs, i, nullptr};
    const Byte requirement = goal[goal::Requirement];
    const char number[2] = {static_cast<char>('1' + g), '\0'};
    const int node = addNode(LogicNodeKind::FlightGroupGoal, i, g,
                             concat({"Goal ", number, " of ", lists_.fgNames[i]}), std::move(gate),
                             requirement == kMust || requirement == kBonusMust);
    const std::string phrase = goalPhrase(goal, lists_);
    const std::string amount = amountPrefix(goal[goal::Amount]);
    addEdge(i, node, LogicRole::Goal, concat({amount, "it ", phrase}),
            {amount, lists_.fgNames[static_cast<std::size_t>(i)], " ", phrase});
  }

  void addGlobalGoal(int team, int kind) {
    const Byte* block =
        doc_.globalGoals[static_cast<std::size_t>(team)].record.data() + gg::blockOffset(kind);
    const std::size_t triggers[4] = {gg::Pair1, gg::Pair1 + pair::Second, gg::Pair2,
                                     gg::Pair2 + pair::Second};
    // A goal left as a new mission has it, every trigger "(Always true)", is not set.
    if (std::all_of(std::begin(triggers), std::end(triggers),
                    [&](std::size_t t) { return block[t + trig::Condition] == kAlwaysTrue; }))
      return;
    const int node =
        addNode(LogicNodeKind::GlobalGoal, team, kind,
                "Team " + std::to_string(team + 1) + " " + kGlobalGoalKinds[kind] + " goal",
                pairsGate(block + gg::Pair1, block + gg::Pair2, block[gg::PairsOr], fgCount_),
                kind != kPreventGoal);
    addPairEdges(block + gg::Pair1, node, LogicRole::Trigger);
    addPairEdges(block + gg::Pair2, node, LogicRole::Trigger);
  }

  // The least fixed point: a flight group is looked at again whenever one it
  // waits for is found to arrive.
  void findArrivals() {
    std::vector<std::vector<int>> waiting(static_cast<std::size_t>(fgCount_));
    for (int i = 0; i < fgCount_; ++i) {
      const Gate& g = gates_[static_cast<std::size_t>(i)];
      for (const Leaf& l : g.leaves)
        if (l.kind == Leaf::Needs) waiting[l.fg].push_back(i);
      for (int ship : {g.mothership, g.altMothership})
        if (ship >= 0) waiting[ship].push_back(i);
      for (int c : g.carriers)
        waiting[c].push_back(i);
    }
    std::vector<int> todo(static_cast<std::size_t>(fgCount_));
    for (int i = 0; i < fgCount_; ++i)
      todo[i] = fgCount_ - 1 - i; // first flight group first
    while (!todo.empty()) {
      const int i = todo.back();
      todo.pop_back();
      if (arrives_[i] || !eval_.holds(gates_[i])) continue;
      arrives_[i] = 1;
      for (int w : waiting[i])
        if (!arrives_[w]) todo.push_back(w);
    }
  }

  // One finding's words, keeping track of the flight groups already named.
  class Sentence {
  public:
    explicit Sentence(const Analysis& a) : a_(a) {}

    // The full name the first time, the label after that.
    std::string mention(int fg) {
      if (std::find(named_.begin(), named_.end(), fg) != named_.end()) return a_.labels_[fg];
      named_.push_back(fg);
      toExplain_.push_back(fg);
      return a_.lists_.fgNames[fg];
    }
    void explained(int fg) {
      named_.push_back(fg);
      done_.push_back(fg);
    }

    std::string predicates(const std::vector<Cause>& causes) {
      std::string out;
      for (std::size_t k = 0; k < causes.size(); ++k) {
        const Cause& c = causes[k];
        if (k > 0) out += " or ";
        switch (c.kind) {
        case Cause::Never: out += "has a \"(Never true)\" trigger"; break;
        case Cause::Waits:
          out += k > 0 && causes[k - 1].kind == Cause::Waits ? "for " : "waits for ";
          out += mention(c.fg) + " to " + conditionPhrase(c.trigger, a_.lists_);
          break;
        case Cause::Mothership: out += "arrives by mothership from " + mention(c.fg); break;
        case Cause::DroppedOff: out += "may be dropped off by " + mention(c.fg); break;
        }
      }
      return out;
    }

    // ", and Beta waits for Alpha to arrive" for each flight group named and
    // not yet explained; the first may be joined differently.
    std::string chain(const char* firstJoin = nullptr) {
      std::string out;
      int told = 0;
      while (!toExplain_.empty()) {
        const int fg = toExplain_.front();
        toExplain_.pop_front();
        if (std::find(done_.begin(), done_.end(), fg) != done_.end()) continue;
        if (told == kMostExplained) {
          out += "; the flight groups named have lines of their own";
          break;
        }
        done_.push_back(fg);
        out += told == 0 && firstJoin ? firstJoin : ", and " + a_.labels_[fg] + " ";
        out += predicates(a_.eval_.causes(a_.gates_[fg]));
        ++told;
      }
      return out;
    }

  private:
    const Analysis& a_;
    std::vector<int> named_, done_;
    std::deque<int> toExplain_;
  };

  std::string finding(std::size_t n) const {
    const LogicNode& node = out_.nodes[n];
    Sentence s(*this);
    std::string text = "WARNING: ";
    switch (node.kind) {
    case LogicNodeKind::FlightGroup:
      s.explained(node.index);
      text += node.name + " can never arrive: it ";
      break;
    case LogicNodeKind::Message: text += node.name + " can never be sent: it "; break;
    case LogicNodeKind::FlightGroupGoal:
      s.mention(node.index); // named in the goal's own name
      // "Goal 1 of FG 2 Tyrant can never be met: Tyrant can never arrive, as it ..."
      return text + node.name + " can never be met: " + labels_[node.index] + " can never arrive" +
             s.chain(", as it ") + ".";
    case LogicNodeKind::GlobalGoal:
      text += "Team " + std::to_string(node.index + 1) + " can never complete its " +
              kGlobalGoalKinds[node.goal] + " goal: it ";
      break;
    }
    text += s.predicates(eval_.causes(gates_[n]));
    return text + s.chain() + ".";
  }

  const Document& doc_;
  const int fgCount_;
  std::vector<char> arrives_;
  Evaluator eval_;
  std::vector<std::string> labels_;
  MissionLists lists_; // flight groups named "FG 3 X-W Alpha"
  std::vector<Gate> gates_;
  std::vector<char> canFail_; // goals that guard against something are always kept
  MissionLogic out_;
};

} // namespace

bool conditionNeedsCraft(int condition) {
  return std::find(std::begin(kNeedsCraft), std::end(kNeedsCraft), condition) !=
         std::end(kNeedsCraft);
}

MissionLogic analyseMissionLogic(const Document& doc) { return Analysis(doc).run(); }

} // namespace zephlo
