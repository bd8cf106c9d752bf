// The web of triggers and what in it can never happen, on missions built by hand.
#include "core/check/mission_logic.h"

#include "core/mission/document.h"
#include "core/mission/layout.h"
#include "core/mission/new_mission.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zephlo {
namespace {

using Lines = std::vector<std::string>;

// Trigger conditions.
constexpr Byte kArrive = 1;
constexpr Byte kDestroyed = 2;
constexpr Byte kAttacked = 3;
constexpr Byte kDisabled = 8;
constexpr Byte kSurvive = 9;
constexpr Byte kNever = 10;
constexpr Byte kFlightGroup = 1;
constexpr Byte kTeam = 12;
constexpr Byte kMustNot = 1;
constexpr Byte kDropOff = 18;

const char* const kNames[] = {"Alpha", "Beta",  "Gamma", "Delta", "Eps",    "Zeta",
                              "Eta",   "Theta", "Iota",  "Kappa", "Lambda", "Mu"};

// Flight groups of X-wings named Alpha, Beta ...; each arrives at once until
// a test gives it triggers.
Document mission(int flightGroups, int messages = 0) {
  Document d = newMission({});
  d.flightGroups[0].set(fg::PlayerNumber, 0);
  d.flightGroups.resize(static_cast<std::size_t>(flightGroups), d.flightGroups[0]);
  for (int i = 0; i < flightGroups; ++i)
    d.flightGroups[static_cast<std::size_t>(i)].setName(kNames[i]);
  d.messages.resize(static_cast<std::size_t>(messages));
  for (MsgObject& m : d.messages)
    setText(m.record, msg::Text, msg::TextSize, "Watch out");
  return d;
}

void setTrigger(Byte* t, Byte condition, int variable = 0, Byte type = kFlightGroup) {
  t[trig::Condition] = condition;
  t[trig::VariableType] = type;
  t[trig::Variable] = static_cast<Byte>(variable);
  t[trig::Amount] = 0; // 100%
}

// Arrival trigger k (0-3) of a flight group.
Byte* arrival(Document& d, int i, int k) {
  const std::size_t at[4] = {fg::ArrivalPair1, fg::ArrivalPair1 + pair::Second, fg::ArrivalPair2,
                             fg::ArrivalPair2 + pair::Second};
  return d.flightGroups[static_cast<std::size_t>(i)].record.data() + at[k];
}

void arrivesWhen(Document& d, int i, Byte condition, int other) {
  setTrigger(arrival(d, i, 0), condition, other);
}

Lines neverHappening(const MissionLogic& logic) {
  Lines out;
  for (const LogicNode& n : logic.nodes)
    if (n.neverHappens) out.push_back(n.name);
  return out;
}

TEST(MissionLogic, AChainThatWorksHasEdgesAndNoFindings) {
  Document d = mission(3, 1);
  arrivesWhen(d, 1, kDestroyed, 0);
  arrivesWhen(d, 2, kArrive, 1);
  setTrigger(d.flightGroups[2].record.data() + fg::DeparturePair, kAttacked, 0);
  setTrigger(d.messages[0].record.data() + msg::Pair1, kArrive, 2);
  d.flightGroups[2].goal(0)[goal::Condition] = kDestroyed;
  setTrigger(d.globalGoals[0].record.data() + gg::Pair1, kDisabled, 2);

  const MissionLogic logic = analyseMissionLogic(d);
  EXPECT_TRUE(logic.findings.empty());
  EXPECT_TRUE(neverHappening(logic).empty());
  EXPECT_EQ(logicLines(logic),
            (Lines{"FG 2 X-W Beta arrival <- 100% of FG 1 X-W Alpha must be destroyed",
                   "FG 3 X-W Gamma arrival <- 100% of FG 2 X-W Beta must arrive",
                   "FG 3 X-W Gamma departure <- 100% of FG 1 X-W Alpha must be attacked",
                   "Message 1 \"Watch out\" <- 100% of FG 3 X-W Gamma must arrive",
                   "Goal 1 of FG 3 X-W Gamma <- 100% of FG 3 X-W Gamma must be destroyed",
                   "Team 1 primary goal <- 100% of FG 3 X-W Gamma must be disabled"}));

  // Three flight groups, the message, the goal that is set, the team goal that is set.
  ASSERT_EQ(logic.nodes.size(), 6u);
  EXPECT_EQ(logic.nodes[4].kind, LogicNodeKind::FlightGroupGoal);
  EXPECT_EQ(logic.nodes[4].index, 2);
  EXPECT_EQ(logic.nodes[4].goal, 0);
  EXPECT_EQ(logic.nodes[5].kind, LogicNodeKind::GlobalGoal);
  const LogicEdge& departure = logic.edges[2];
  EXPECT_EQ(departure.from, 0);
  EXPECT_EQ(departure.to, 2);
  EXPECT_EQ(departure.role, LogicRole::Departure);
  EXPECT_FALSE(departure.decides);
  EXPECT_EQ(departure.label, "departure: 100% of it must be attacked");
}

TEST(MissionLogic, LoopsNeverArriveAndTheChainSaysWhy) {
  Document d = mission(3);
  arrivesWhen(d, 0, kArrive, 1);    // Alpha waits for Beta to arrive
  arrivesWhen(d, 1, kDestroyed, 0); // Beta for Alpha to be destroyed
  arrivesWhen(d, 2, kArrive, 0);    // Gamma hangs on the loop
  const MissionLogic logic = analyseMissionLogic(d);
  EXPECT_EQ(logic.findings,
            (Lines{"WARNING: FG 1 X-W Alpha can never arrive: it waits for FG 2 X-W Beta to "
                   "arrive, and X-W Beta waits for X-W Alpha to be destroyed.",
                   "WARNING: FG 2 X-W Beta can never arrive: it waits for FG 1 X-W Alpha to be "
                   "destroyed, and X-W Alpha waits for X-W Beta to arrive.",
                   "WARNING: FG 3 X-W Gamma can never arrive: it waits for FG 1 X-W Alpha to "
                   "arrive, and X-W Alpha waits for FG 2 X-W Beta to arrive, and X-W Beta waits "
                   "for X-W Alpha to be destroyed."}));

  // The same wait by another way in is said once.
  const std::string alpha = logic.findings[0];
  setTrigger(arrival(d, 0, 2), kArrive, 1);
  d.flightGroups[0].set(fg::ArrivalPairsOr, 1);
  EXPECT_EQ(analyseMissionLogic(d).findings[0], alpha);

  // A flight group waiting for itself is the smallest loop.
  Document self = mission(1);
  arrivesWhen(self, 0, kArrive, 0);
  EXPECT_EQ(analyseMissionLogic(self).findings,
            Lines{"WARNING: FG 1 X-W Alpha can never arrive: it waits for X-W Alpha to arrive."});
}

TEST(MissionLogic, ALoopThroughAMothership) {
  Document d = mission(3);
  d.flightGroups[0].set(fg::ArriveByMothership, 1);
  d.flightGroups[0].set(fg::ArrivalMothership, 1); // Alpha comes out of Beta
  arrivesWhen(d, 1, kAttacked, 0);                 // Beta comes when Alpha is attacked
  MissionLogic logic = analyseMissionLogic(d);
  EXPECT_EQ(logic.findings,
            (Lines{"WARNING: FG 1 X-W Alpha can never arrive: it arrives by mothership from "
                   "FG 2 X-W Beta, and X-W Beta waits for X-W Alpha to be attacked.",
                   "WARNING: FG 2 X-W Beta can never arrive: it waits for FG 1 X-W Alpha to be "
                   "attacked, and X-W Alpha arrives by mothership from X-W Beta."}));
  EXPECT_EQ(logicLines(logic)[0], "FG 1 X-W Alpha arrival <- mothership FG 2 X-W Beta");
  EXPECT_EQ(logic.edges[0].label, "mothership");
  EXPECT_TRUE(logic.edges[0].decides);

  // An alternative mothership that is there breaks the loop.
  d.flightGroups[0].set(fg::ArriveByAltMothership, 1);
  d.flightGroups[0].set(fg::AltArrivalMothership, 2);
  logic = analyseMissionLogic(d);
  EXPECT_TRUE(logic.findings.empty());
  EXPECT_EQ(logicLines(logic)[1],
            "FG 1 X-W Alpha arrival <- alternative mothership FG 3 X-W Gamma");

  // A mothership past the list holds nothing up.
  d.flightGroups[0].set(fg::ArriveByAltMothership, 0);
  d.flightGroups[0].set(fg::ArrivalMothership, 200);
  EXPECT_TRUE(analyseMissionLogic(d).findings.empty());

  // Departing to a mothership is shown but decides nothing.
  d.flightGroups[2].set(fg::DepartByMothership, 1);
  d.flightGroups[2].set(fg::DepartureMothership, 0);
  logic = analyseMissionLogic(d);
  EXPECT_EQ(logicLines(logic).back(), "FG 3 X-W Gamma departure <- mothership FG 1 X-W Alpha");
  EXPECT_FALSE(logic.edges.back().decides);
}

TEST(MissionLogic, AnOrRescuesADeadTriggerAndAnAndDoesNot) {
  Document d = mission(3);
  setTrigger(arrival(d, 1, 0), kNever);
  arrivesWhen(d, 2, kNever, 0);
  setTrigger(arrival(d, 2, 1), kDestroyed, 0);
  MissionLogic logic = analyseMissionLogic(d);
  EXPECT_EQ(logic.findings,
            (Lines{"WARNING: FG 2 X-W Beta can never arrive: it has a \"(Never true)\" trigger.",
                   "WARNING: FG 3 X-W Gamma can never arrive: it has a \"(Never true)\" trigger."}))
      << "the second trigger is joined by And";

  d.flightGroups[2].set(fg::ArrivalPair1 + pair::Or,
                        2); // any value but 0, as another tool may write
  EXPECT_EQ(neverHappening(analyseMissionLogic(d)), Lines{"FG 2 X-W Beta"})
      << "Or with a trigger that can come true";

  // The second pair is "(Always true)": joined by Or it rescues Beta, by And not.
  d.flightGroups[1].set(fg::ArrivalPairsOr, 1);
  EXPECT_TRUE(analyseMissionLogic(d).findings.empty());

  // Both ways dead: each is named.
  setTrigger(arrival(d, 1, 2), kArrive, 1);
  EXPECT_EQ(analyseMissionLogic(d).findings,
            Lines{"WARNING: FG 2 X-W Beta can never arrive: it has a \"(Never true)\" trigger or "
                  "waits for X-W Beta to arrive."});
}

TEST(MissionLogic, MessagesAndGoalsWaitingForAFlightGroupThatNeverArrives) {
  Document d = mission(4, 2);
  arrivesWhen(d, 3, kNever, 0); // Delta never comes
  Byte* m = d.messages[0].record.data();
  setTrigger(m + msg::Pair1, kDestroyed, 3);
  setTrigger(m + msg::CancelPair, kArrive, 3); // a cancel trigger decides nothing
  setTrigger(d.messages[1].record.data() + msg::CancelPair, kArrive, 3);
  d.flightGroups[3].goal(0)[goal::Condition] = kDestroyed;
  d.flightGroups[3].goal(1)[goal::Condition] = kDestroyed;
  d.flightGroups[3].goal(1)[goal::Requirement] = kMustNot; // kept: it never comes
  d.flightGroups[3].goal(2)[goal::Condition] = kSurvive;   // may hold without it

  const MissionLogic logic = analyseMissionLogic(d);
  EXPECT_EQ(logic.findings,
            (Lines{"WARNING: FG 4 X-W Delta can never arrive: it has a \"(Never true)\" trigger.",
                   "WARNING: Message 1 \"Watch out\" can never be sent: it waits for FG 4 X-W "
                   "Delta to be destroyed, and X-W Delta has a \"(Never true)\" trigger.",
                   "WARNING: Goal 1 of FG 4 X-W Delta can never be met: X-W Delta can never "
                   "arrive, as it has a \"(Never true)\" trigger."}));
  EXPECT_EQ(logicLines(logic),
            (Lines{"Message 1 \"Watch out\" <- 100% of FG 4 X-W Delta must be destroyed",
                   "Message 1 \"Watch out\" cancel <- 100% of FG 4 X-W Delta must arrive",
                   "Message 2 \"Watch out\" cancel <- 100% of FG 4 X-W Delta must arrive",
                   "Goal 1 of FG 4 X-W Delta <- 100% of FG 4 X-W Delta must be destroyed",
                   "Goal 2 of FG 4 X-W Delta <- 100% of FG 4 X-W Delta must NOT be destroyed",
                   "Goal 3 of FG 4 X-W Delta <- 100% of FG 4 X-W Delta must exist (survive)"}));
}

TEST(MissionLogic, ATeamGoalThatCanNeverComplete) {
  Document d = mission(4);
  arrivesWhen(d, 3, kArrive, 2);
  arrivesWhen(d, 2, kNever, 0);
  Byte* primary = d.globalGoals[0].record.data() + gg::blockOffset(0);
  setTrigger(primary + gg::Pair1, kDestroyed, 3);
  setTrigger(primary + gg::Pair1 + pair::Second, kArrive, 0);
  // A prevent goal on the same flight group is kept, so it is no fault.
  setTrigger(d.globalGoals[0].record.data() + gg::blockOffset(1) + gg::Pair1, kDestroyed, 3);
  // A secondary goal on a team's fate, not a flight group, may come true.
  setTrigger(d.globalGoals[1].record.data() + gg::blockOffset(2) + gg::Pair1, kDestroyed, 0, kTeam);

  const MissionLogic logic = analyseMissionLogic(d);
  ASSERT_EQ(logic.findings.size(), 3u);
  EXPECT_EQ(logic.findings[2],
            "WARNING: Team 1 can never complete its primary goal: it waits for FG 4 X-W Delta to "
            "be destroyed, and X-W Delta waits for FG 3 X-W Gamma to arrive, and X-W Gamma has a "
            "\"(Never true)\" trigger.");
  EXPECT_EQ(neverHappening(logic),
            (Lines{"FG 3 X-W Gamma", "FG 4 X-W Delta", "Team 1 primary goal"}));
  ASSERT_EQ(logic.nodes.size(), 7u) << "four flight groups and three team goals that are set";
  EXPECT_EQ(logic.nodes[5].name, "Team 1 prevent goal");
  EXPECT_EQ(logic.nodes[6].name, "Team 2 secondary goal");
}

TEST(MissionLogic, WhatTheAnalysisCannotKnowMayHappen) {
  Document d = mission(3);
  arrivesWhen(d, 0, kNever, 0);
  arrivesWhen(d, 1, kSurvive, 0);    // said of a flight group that never came
  arrivesWhen(d, 2, kDestroyed, 99); // no such flight group
  EXPECT_EQ(neverHappening(analyseMissionLogic(d)), Lines{"FG 1 X-W Alpha"});

  // A "Drop off/Deploy" order may bring a flight group whatever its triggers
  // say; its number may count from 0 or 1, so both readings are taken.
  Document drop = mission(4);
  arrivesWhen(drop, 2, kNever, 0);
  arrivesWhen(drop, 3, kNever, 0);
  Byte* order = drop.flightGroups[0].order(2, 3);
  order[ord::Command] = kDropOff;
  order[ord::Parameter2] = 3;
  MissionLogic logic = analyseMissionLogic(drop);
  EXPECT_TRUE(logic.findings.empty());
  EXPECT_EQ(logicLines(logic),
            (Lines{"FG 3 X-W Gamma arrival <- may be dropped off by FG 1 X-W Alpha",
                   "FG 4 X-W Delta arrival <- may be dropped off by FG 1 X-W Alpha"}));

  // ... but only by a carrier that can itself arrive.
  arrivesWhen(drop, 0, kNever, 0);
  logic = analyseMissionLogic(drop);
  ASSERT_EQ(logic.findings.size(), 3u);
  EXPECT_EQ(logic.findings[1],
            "WARNING: FG 3 X-W Gamma can never arrive: it has a \"(Never true)\" trigger or may "
            "be dropped off by FG 1 X-W Alpha, and X-W Alpha has a \"(Never true)\" trigger.");
}

TEST(MissionLogic, ALongChainIsCutAndEveryLinkHasItsOwnLine) {
  Document d = mission(12);
  for (int i = 0; i < 11; ++i)
    arrivesWhen(d, i, kArrive, i + 1);
  arrivesWhen(d, 11, kNever, 0);
  const MissionLogic logic = analyseMissionLogic(d);
  ASSERT_EQ(logic.findings.size(), 12u);
  const std::string& first = logic.findings[0];
  EXPECT_NE(first.find("and X-W Iota waits for FG 10 X-W Kappa to arrive"), std::string::npos)
      << first;
  EXPECT_EQ(first.find("Lambda waits"), std::string::npos) << first;
  EXPECT_TRUE(first.ends_with("; the flight groups named have lines of their own.")) << first;
  EXPECT_EQ(logic.findings[10], "WARNING: FG 11 X-W Lambda can never arrive: it waits for FG 12 "
                                "X-W Mu to arrive, and X-W Mu has a \"(Never true)\" trigger.");
}

TEST(MissionLogic, DotDrawsEveryNodeAndEdge) {
  Document d = mission(2, 1);
  d.flightGroups[1].setName("Say\x01\"hi\"\\");
  arrivesWhen(d, 0, kArrive, 1);
  arrivesWhen(d, 1, kNever, 0);
  setTrigger(d.flightGroups[0].record.data() + fg::DeparturePair, kDisabled, 1);
  setTrigger(d.messages[0].record.data() + msg::Pair1, kDestroyed, 0);
  d.flightGroups[0].goal(0)[goal::Condition] = kArrive;
  setTrigger(d.globalGoals[0].record.data() + gg::blockOffset(2) + gg::Pair1, kDestroyed, 0);

  EXPECT_EQ(logicDot(analyseMissionLogic(d)),
            "digraph mission {\n"
            "  charset=\"latin1\";\n"
            "  rankdir=LR;\n"
            "  node [shape=box];\n"
            "  fg1 [label=\"FG 1 X-W Alpha\", shape=box, color=red, fontcolor=red];\n"
            "  fg2 [label=\"FG 2 X-W Say \\\"hi\\\"\\\\\", shape=box, color=red, "
            "fontcolor=red];\n"
            "  msg1 [label=\"Message 1 \\\"Watch out\\\"\", shape=note, color=red, "
            "fontcolor=red];\n"
            "  fg1_goal1 [label=\"Goal 1 of FG 1 X-W Alpha\", shape=ellipse, color=red, "
            "fontcolor=red];\n"
            "  team1_secondary [label=\"Team 1 secondary goal\", shape=hexagon, color=red, "
            "fontcolor=red];\n"
            "  fg2 -> fg1 [label=\"100% of it must arrive\"];\n"
            "  fg2 -> fg1 [label=\"departure: 100% of it must be disabled\", style=dashed, "
            "color=gray40, fontcolor=gray40];\n"
            "  fg1 -> msg1 [label=\"100% of it must be destroyed\"];\n"
            "  fg1 -> fg1_goal1 [label=\"100% of it must arrive\"];\n"
            "  fg1 -> team1_secondary [label=\"100% of it must be destroyed\"];\n"
            "}\n");

  // A mission without flight groups or messages is an empty graph.
  Document empty = mission(0);
  EXPECT_EQ(logicDot(analyseMissionLogic(empty)), "digraph mission {\n"
                                                  "  charset=\"latin1\";\n"
                                                  "  rankdir=LR;\n"
                                                  "  node [shape=box];\n"
                                                  "}\n");
}

} // namespace
} // namespace zephlo
