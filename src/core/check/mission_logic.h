// The mission's web of triggers: which flight groups, messages and goals wait
// for which flight groups, and what of it can never happen whatever the
// player does.
#pragma once

#include <string>
#include <vector>

namespace zephlo {

struct Document;

// The three goals of a team, as the nodes name them.
inline constexpr const char* kGlobalGoalKinds[3] = {"primary", "prevent", "secondary"};

enum class LogicNodeKind {
  FlightGroup,     // index: the flight group
  Message,         // index: the message
  FlightGroupGoal, // index: the flight group, goal: its goal 0-7
  GlobalGoal,      // index: the team 0-9, goal: 0 primary, 1 prevent, 2 secondary
};

struct LogicNode {
  LogicNodeKind kind = LogicNodeKind::FlightGroup;
  int index = 0;
  int goal = 0;
  // "FG 3 X-W Alpha", "Message 4 \"Watch out\"", "Goal 1 of FG 2 ISD Tyrant",
  // "Team 1 primary goal". Numbers count from 1, as the checker's do.
  std::string name;
  // It can never arrive, be sent or be met. Never set for a goal that asks
  // for something not to happen ("must NOT", a team's prevent goal): one that
  // guards against the impossible is kept.
  bool neverHappens = false;
};

enum class LogicRole {
  Arrival,             // an arrival trigger
  ArrivalMothership,   // it arrives out of this flight group
  DroppedOff,          // a "Drop off/Deploy" order of this flight group may bring it
  Departure,           // a departure trigger
  DepartureMothership, // it departs to this flight group
  Trigger,             // a trigger of a message or a team's goal
  Cancel,              // a message's cancel trigger
  Goal,                // a flight-group goal, on its own flight group
};

struct LogicEdge {
  int from = 0; // the flight-group node named
  int to = 0;   // the node whose trigger, mothership or goal names it
  LogicRole role = LogicRole::Arrival;
  // Whether it takes part in deciding if `to` can happen; departures and
  // cancel triggers do not.
  bool decides = true;
  // The condition alone, for a drawing: "100% must be destroyed", "mothership".
  std::string label;
  // The whole edge as one line:
  // "FG 3 X-W Alpha arrival <- 100% of FG 5 CRV Beta must be destroyed".
  std::string line;
};

struct MissionLogic {
  // Flight groups first, node i being flight group i; then the messages; the
  // flight-group goals that are set (not "(Never true)"); the teams' goals
  // that are set (a trigger other than "(Always true)").
  std::vector<LogicNode> nodes;
  // In the order of the nodes they lead to.
  std::vector<LogicEdge> edges;
  // What can never happen, one WARNING line each with the chain that explains
  // it, in the order of the nodes.
  std::vector<std::string> findings;
};

MissionLogic analyseMissionLogic(const Document& doc);

// Whether a trigger condition on a flight group can only come true while its
// craft are in space (arrive, be destroyed, be boarded ...).
bool conditionNeedsCraft(int condition);

// The graph as text, one line per edge.
std::vector<std::string> logicLines(const MissionLogic& logic);
// The graph in Graphviz's DOT language: a node per flight group, message and
// goal, the edges labelled with their condition, what can never happen red.
std::string logicDot(const MissionLogic& logic);

} // namespace zephlo
