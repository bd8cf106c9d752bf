#include "core/check/checker.h"

#include "core/mission/document.h"
#include "core/mission/layout.h"
#include "core/mission/new_mission.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace zephlo {
namespace {

using Lines = std::vector<std::string>;

// Mission types of the header's list.
constexpr Byte kJunkyard = 0;
constexpr Byte kSkirmish = 4;
constexpr Byte kDeathStarRun = 5;
constexpr Byte kRebel = 6;
constexpr Byte kFamily = 7;

// Craft types.
constexpr Byte kXWing = 1;
constexpr Byte kLiner = 44;
constexpr Byte kStrikeCruiser = 46;
constexpr Byte kModStrikeCruiser = 92;
constexpr Byte kBackdrop = 183;

constexpr Byte kAttack = 7;

const std::string kNoBackdrop = "WARNING: There are no backdrops in the mission. It will be dark!";
const std::string kNoMothership = "WARNING: Player has no Mother ship assigned.";
const std::string kNoPlayers = "ERROR: There are no Player Craft in this mission.";
const std::string kNotOnTeam1 = "WARNING: There are no player craft on Team 1. Player craft must "
                                "be on Team 1 in order to hyper jump.";
const std::string kTooManyPlayers =
    "ERROR: There is more than one player in Single player mission type.";
const std::string kModCruiser = "WARNING: Modified Strike Crusiers not included with XWA.";

std::string duplicatePlayer(int p) {
  return "ERROR: There is more than one Player " + std::to_string(p) +
         " All Players should have different Player numbers.";
}
std::string formation(const std::string& label, int n) {
  return "WARNING: " + label + " has " + std::to_string(n) +
         " ships in FG.  XWA does not properly support FG Formations larger than 6 ships.";
}
std::string capitalAttack(const std::string& label, int o, int r) {
  return "WARNING: " + label + " - Order " + std::to_string(o) + ", Region#" + std::to_string(r) +
         ": Capital ship with \"Attack\" order will make it jump around. Use a Starship order "
         "such as Patrol and Attack instead.";
}
std::string eitherAorB(const std::string& label, int o) {
  return "WARNING: " + label + " - Order " + std::to_string(o) +
         ": Attack Starfighters has \"Either A or B\" flag turned on, therefore it will attack "
         "ALL Starfighters in the mission, regardless of Team or IFF.";
}

struct Fg {
  Byte craft = kXWing;
  Byte player = 0;
  Byte team = 0;
  Byte count = 1;
  std::string name = "Unnamed";
};

// A mission of the given type holding exactly these flight groups, each made
// from the new-flight-group template (no orders, no mothership flags).
Document mission(Byte type, const std::vector<Fg>& fgs) {
  Document d = newMission({});
  const FGObject tmpl = d.flightGroups.front();
  d.flightGroups.clear();
  for (const Fg& spec : fgs) {
    FGObject f = tmpl;
    f.set(fg::CraftType, spec.craft);
    f.set(fg::PlayerNumber, spec.player);
    f.set(fg::Team, spec.team);
    f.set(fg::NumCraft, spec.count);
    f.setName(spec.name);
    d.flightGroups.push_back(f);
  }
  setU16(d.header, hdr::NumFGs, static_cast<std::uint16_t>(d.flightGroups.size()));
  d.header[hdr::MissionType] = type;
  return d;
}

// A backdrop plus the player's flight group: nothing to complain about in a
// multi-player mission.
Document quietMission() {
  return mission(kJunkyard, {{kBackdrop, 0, 0, 1, "Stars"}, {kXWing, 1, 0, 4, "Red"}});
}

Byte* order(Document& d, int k, int region, int o) {
  return d.flightGroups[static_cast<std::size_t>(k)].order(region, o);
}

void attackStarfighters(Byte* ord, std::size_t typeOff, std::size_t valueOff) {
  ord[ord::Command] = kAttack;
  ord[typeOff] = 3;  // Ship Category
  ord[valueOff] = 0; // Starfighters
}

// ---------------------------------------------------------------------------

TEST(CheckerQuiet, BackdropAndPlayerInMultiplayerMissionGiveNoLines) {
  const CheckResult res = checkMission(quietMission());
  EXPECT_TRUE(res.errors.empty());
  EXPECT_TRUE(res.warnings.empty());
  EXPECT_EQ(res.count(false), 0u);
  EXPECT_TRUE(res.lines(false).empty());
}

TEST(CheckerQuiet, NewMissionLacksBackdropAndMothership) {
  const CheckResult res = checkMission(newMission({}));
  EXPECT_TRUE(res.errors.empty());
  EXPECT_EQ(res.warnings, (Lines{kNoBackdrop, kNoMothership}));
}

TEST(CheckerQuiet, EmptyMissionOnlyMissesPlayersAndBackdrop) {
  const CheckResult res = checkMission(mission(kRebel, {}));
  EXPECT_EQ(res.errors, (Lines{kNoPlayers}));
  EXPECT_EQ(res.warnings, (Lines{kNoBackdrop}));
}

TEST(CheckerQuiet, BackdropFoundAnywhereInTheList) {
  Document d = mission(kJunkyard, {{kXWing, 1, 0, 1, "Red"}, {kXWing, 0}, {kBackdrop, 0}});
  EXPECT_TRUE(checkMission(d).warnings.empty());
}

// ---------------------------------------------------------------------------

TEST(CheckerCraftType, MissingShipTypeNamesOneBasedNumber) {
  Document d = quietMission();
  d.flightGroups.push_back(d.flightGroups[0]);
  d.flightGroups[2].set(fg::CraftType, 0);
  const CheckResult res = checkMission(d);
  EXPECT_EQ(res.errors, (Lines{"ERROR: FG#3 has no Ship type."}));
  EXPECT_TRUE(res.warnings.empty());
}

TEST(CheckerCraftType, ModifiedStrikeCruiserWarnsOncePerFlightGroup) {
  Document d = quietMission();
  d.flightGroups.push_back(d.flightGroups[0]);
  d.flightGroups.push_back(d.flightGroups[0]);
  d.flightGroups[2].set(fg::CraftType, kModStrikeCruiser);
  d.flightGroups[3].set(fg::CraftType, kModStrikeCruiser);
  const CheckResult res = checkMission(d);
  EXPECT_TRUE(res.errors.empty());
  EXPECT_EQ(res.warnings, (Lines{kModCruiser, kModCruiser}));
}

// ---------------------------------------------------------------------------

TEST(CheckerPlayers, DuplicatePlayerReportedForEachLaterOne) {
  Document two = mission(
      kJunkyard,
      {{kBackdrop}, {kXWing, 2, 0, 1, "A"}, {kXWing, 1, 0, 1, "B"}, {kXWing, 2, 0, 1, "C"}});
  EXPECT_EQ(checkMission(two).errors, (Lines{duplicatePlayer(2)}));

  two.flightGroups.push_back(two.flightGroups[1]);
  EXPECT_EQ(checkMission(two).errors, (Lines{duplicatePlayer(2), duplicatePlayer(2)}));
}

TEST(CheckerPlayers, DifferentPlayerNumbersAreFine) {
  Document d = mission(kSkirmish, {{kBackdrop}});
  for (Byte p = 1; p <= 8; ++p)
    d.flightGroups.push_back(mission(kSkirmish, {{kXWing, p, 0, 1, "P"}}).flightGroups[0]);
  const CheckResult res = checkMission(d);
  EXPECT_TRUE(res.errors.empty());
  EXPECT_TRUE(res.warnings.empty());
}

TEST(CheckerPlayers, NumbersAboveEightCountAsPlayersButAreNotCompared) {
  const Document multi = mission(
      kJunkyard, {{kBackdrop}, {kXWing, 9, 0, 1, "A"}, {kXWing, 9}, {kXWing, 255}, {kXWing, 255}});
  const CheckResult res = checkMission(multi);
  EXPECT_TRUE(res.errors.empty());
  EXPECT_TRUE(res.warnings.empty());

  // Still players: a single-player mission sees too many of them.
  const Document single = mission(kRebel, {{kBackdrop}, {kXWing, 9}, {kXWing, 200}});
  EXPECT_EQ(checkMission(single).errors, (Lines{kTooManyPlayers}));
}

TEST(CheckerPlayers, NoPlayerGivesErrorButNotTeamWarning) {
  const CheckResult res = checkMission(mission(kJunkyard, {{kBackdrop}, {kXWing, 0}}));
  EXPECT_EQ(res.errors, (Lines{kNoPlayers}));
  EXPECT_TRUE(res.warnings.empty());
}

TEST(CheckerPlayers, PlayersOnlyOnOtherTeamsWarnAboutTeam1) {
  const CheckResult res = checkMission(mission(kJunkyard, {{kBackdrop}, {kXWing, 1, 1}}));
  EXPECT_TRUE(res.errors.empty());
  EXPECT_EQ(res.warnings, (Lines{kNotOnTeam1}));

  // One player on team 1 is enough.
  const Document mixed = mission(kJunkyard, {{kBackdrop}, {kXWing, 1, 3}, {kXWing, 2, 0}});
  EXPECT_TRUE(checkMission(mixed).warnings.empty());
}

TEST(CheckerPlayers, TeamBytesOutOfRangeAreSafeAndNotTeam1) {
  for (Byte team : {Byte{9}, Byte{10}, Byte{127}, Byte{255}}) {
    const CheckResult res = checkMission(mission(kJunkyard, {{kBackdrop}, {kXWing, 1, team}}));
    EXPECT_TRUE(res.errors.empty()) << int(team);
    EXPECT_EQ(res.warnings, (Lines{kNotOnTeam1})) << int(team);
  }
}

// ---------------------------------------------------------------------------

TEST(CheckerFormation, MoreThanSixCraftWarnWithLabelAndCount) {
  Document d = quietMission();
  d.flightGroups[1].set(fg::NumCraft, 8);
  EXPECT_EQ(checkMission(d).warnings, (Lines{formation("X-W Red (1)", 8)}));

  d.flightGroups[1].set(fg::NumCraft, 7);
  EXPECT_EQ(checkMission(d).warnings, (Lines{formation("X-W Red (1)", 7)}));

  d.flightGroups[1].set(fg::NumCraft, 255);
  EXPECT_EQ(checkMission(d).warnings, (Lines{formation("X-W Red (1)", 255)}));

  d.flightGroups[1].set(fg::NumCraft, 6);
  EXPECT_TRUE(checkMission(d).warnings.empty());
}

// ---------------------------------------------------------------------------

class CheckerOrders : public ::testing::Test {
protected:
  // A computer-flown flight group (index 2) beside the quiet mission's two.
  Document withShip(Byte craft, const std::string& name) {
    Document d = quietMission();
    d.flightGroups.push_back(mission(kJunkyard, {{craft, 0, 1, 1, name}}).flightGroups[0]);
    return d;
  }
};

TEST_F(CheckerOrders, CapitalShipAttackNamesOrderAndRegion) {
  Document d = withShip(kStrikeCruiser, "Cruiser");
  order(d, 2, 1, 2)[ord::Command] = kAttack;
  const CheckResult res = checkMission(d);
  EXPECT_TRUE(res.errors.empty());
  EXPECT_EQ(res.warnings, (Lines{"WARNING: STRKC Cruiser - Order 2, Region#1: Capital ship with "
                                 "\"Attack\" order will make it jump around. Use a Starship "
                                 "order such as Patrol and Attack instead."}));
}

TEST_F(CheckerOrders, OnlyCapitalShipsThatJumpWarn) {
  const std::vector<Byte> jumpers{42, 43, 46, 48, 49, 50, 51, 52, 53, 54};
  for (int craft = 1; craft <= 231; ++craft) {
    if (craft == kModStrikeCruiser || craft == kBackdrop)
      continue; // these add warnings of their own
    Document d = withShip(static_cast<Byte>(craft), "Ship");
    order(d, 2, 3, 4)[ord::Command] = kAttack;
    const CheckResult res = checkMission(d);
    const bool jumps =
        std::find(jumpers.begin(), jumpers.end(), static_cast<Byte>(craft)) != jumpers.end();
    EXPECT_EQ(res.warnings.size(), jumps ? 1u : 0u) << "craft " << craft;
  }
}

TEST_F(CheckerOrders, PassengerLinerAndOtherCommandsAreQuiet) {
  Document liner = withShip(kLiner, "Liner");
  order(liner, 2, 1, 2)[ord::Command] = kAttack;
  EXPECT_TRUE(checkMission(liner).warnings.empty());

  Document cruiser = withShip(kStrikeCruiser, "Cruiser");
  for (int cmd : {1, 6, 8, 9, 255})
    order(cruiser, 2, 1, 1)[ord::Command] = static_cast<Byte>(cmd);
  EXPECT_TRUE(checkMission(cruiser).warnings.empty());
}

TEST_F(CheckerOrders, ModifiedStrikeCruiserAlsoJumps) {
  Document d = withShip(kModStrikeCruiser, "Mod");
  order(d, 2, 4, 1)[ord::Command] = kAttack;
  EXPECT_EQ(checkMission(d).warnings, (Lines{kModCruiser, capitalAttack("M/SC Mod", 1, 4)}));
}

TEST_F(CheckerOrders, OrderLoopOutsideRegionLoopInside) {
  Document d = withShip(kStrikeCruiser, "Cruiser");
  order(d, 2, 1, 2)[ord::Command] = kAttack;
  order(d, 2, 3, 1)[ord::Command] = kAttack;
  order(d, 2, 2, 1)[ord::Command] = kAttack;
  order(d, 2, 4, 4)[ord::Command] = kAttack;
  const std::string l = "STRKC Cruiser";
  EXPECT_EQ(checkMission(d).warnings, (Lines{capitalAttack(l, 1, 2), capitalAttack(l, 1, 3),
                                             capitalAttack(l, 2, 1), capitalAttack(l, 4, 4)}));
}

TEST_F(CheckerOrders, UnlinkedStarfighterTargetWarnsOncePerOrder) {
  const std::string l = "X-W Red (1)";
  {
    Document d = quietMission();
    attackStarfighters(order(d, 1, 1, 3), ord::Target1Type, ord::Target1);
    EXPECT_EQ(checkMission(d).warnings, (Lines{eitherAorB(l, 3)}));
  }
  { // both pairs and all four targets qualify: still one line
    Document d = quietMission();
    Byte* o = order(d, 1, 2, 2);
    attackStarfighters(o, ord::Target1Type, ord::Target1);
    attackStarfighters(o, ord::Target2Type, ord::Target2);
    attackStarfighters(o, ord::Target3Type, ord::Target3);
    attackStarfighters(o, ord::Target4Type, ord::Target4);
    EXPECT_EQ(checkMission(d).warnings, (Lines{eitherAorB(l, 2)}));
  }
  { // any one target of either pair is enough
    for (auto [type, value] :
         {std::pair{ord::Target2Type, ord::Target2}, std::pair{ord::Target3Type, ord::Target3},
          std::pair{ord::Target4Type, ord::Target4}}) {
      Document d = quietMission();
      attackStarfighters(order(d, 1, 1, 1), type, value);
      EXPECT_EQ(checkMission(d).warnings, (Lines{eitherAorB(l, 1)})) << type;
    }
  }
  { // the same order number in two regions gives a line for each
    Document d = quietMission();
    attackStarfighters(order(d, 1, 1, 4), ord::Target1Type, ord::Target1);
    attackStarfighters(order(d, 1, 3, 4), ord::Target3Type, ord::Target3);
    EXPECT_EQ(checkMission(d).warnings, (Lines{eitherAorB(l, 4), eitherAorB(l, 4)}));
  }
}

TEST_F(CheckerOrders, LinkedOrOtherTargetsDoNotWarn) {
  { // "Link targets" ticked
    Document d = quietMission();
    Byte* o = order(d, 1, 1, 1);
    attackStarfighters(o, ord::Target1Type, ord::Target1);
    o[ord::Target12Either] = 0;
    EXPECT_TRUE(checkMission(d).warnings.empty());
  }
  { // the flag of the other pair does not help
    Document d = quietMission();
    Byte* o = order(d, 1, 1, 1);
    attackStarfighters(o, ord::Target3Type, ord::Target3);
    o[ord::Target34Either] = 0;
    o[ord::Target12Either] = 1;
    EXPECT_TRUE(checkMission(d).warnings.empty());
  }
  { // another category, or no target type
    Document d = quietMission();
    Byte* o = order(d, 1, 1, 1);
    attackStarfighters(o, ord::Target1Type, ord::Target1);
    o[ord::Target1] = 1;
    o[ord::Target2Type] = 0;
    o[ord::Target2] = 0;
    EXPECT_TRUE(checkMission(d).warnings.empty());
  }
  { // not an attack order
    Document d = quietMission();
    Byte* o = order(d, 1, 1, 1);
    attackStarfighters(o, ord::Target1Type, ord::Target1);
    o[ord::Command] = 8;
    EXPECT_TRUE(checkMission(d).warnings.empty());
  }
}

TEST_F(CheckerOrders, CapitalLineComesBeforeEitherLineOfTheSameOrder) {
  Document d = withShip(kStrikeCruiser, "Cruiser");
  attackStarfighters(order(d, 2, 2, 1), ord::Target1Type, ord::Target1);
  order(d, 2, 1, 1)[ord::Command] = kAttack;
  const std::string l = "STRKC Cruiser";
  EXPECT_EQ(checkMission(d).warnings,
            (Lines{capitalAttack(l, 1, 1), capitalAttack(l, 1, 2), eitherAorB(l, 1)}));
}

// ---------------------------------------------------------------------------

TEST(CheckerMissionType, SinglePlayerTypesWithoutMothershipWarn) {
  for (Byte type : {kRebel, kFamily}) {
    const CheckResult res = checkMission(mission(type, {{kBackdrop}, {kXWing, 1}}));
    EXPECT_TRUE(res.errors.empty()) << int(type);
    EXPECT_EQ(res.warnings, (Lines{kNoMothership})) << int(type);
  }
}

TEST(CheckerMissionType, DeathStarRunAndMultiplayerTypesNeverWarnAboutMothership) {
  for (Byte type : {Byte{0}, Byte{1}, Byte{2}, Byte{3}, kSkirmish, kDeathStarRun, Byte{8}}) {
    const CheckResult res = checkMission(mission(type, {{kBackdrop}, {kXWing, 1}}));
    EXPECT_TRUE(res.errors.empty()) << int(type);
    EXPECT_TRUE(res.warnings.empty()) << int(type);
  }
}

TEST(CheckerMissionType, AnyMothershipFlagSatisfiesRebelMission) {
  for (std::size_t flag : {fg::ArriveByMothership, fg::DepartByMothership,
                           fg::ArriveByAltMothership, fg::DepartByAltMothership}) {
    Document d = mission(kRebel, {{kBackdrop}, {kXWing, 1}});
    d.flightGroups[1].set(flag, 1);
    EXPECT_TRUE(checkMission(d).warnings.empty()) << flag;
  }
}

TEST(CheckerMissionType, SeveralPlayersInSinglePlayerMissionIsAnError) {
  for (Byte type : {kDeathStarRun, kRebel, kFamily}) {
    const CheckResult res = checkMission(mission(type, {{kBackdrop}, {kXWing, 1}, {kXWing, 2}}));
    EXPECT_EQ(res.errors, (Lines{kTooManyPlayers})) << int(type);
    EXPECT_TRUE(res.warnings.empty()) << int(type); // not the mothership warning as well
  }
  const CheckResult skirmish =
      checkMission(mission(kSkirmish, {{kBackdrop}, {kXWing, 1}, {kXWing, 2}}));
  EXPECT_TRUE(skirmish.errors.empty());
}

// ---------------------------------------------------------------------------

TEST(CheckerOrdering, LinesFollowDiscoveryOrderErrorsFirst) {
  Document d = mission(kRebel, {{kXWing, 1, 0, 8, "Red"},
                                {0, 0, 1, 1, "Nothing"},
                                {kModStrikeCruiser, 1, 2, 1, "Mod"},
                                {kStrikeCruiser, 3, 0, 7, "Big"}});
  order(d, 3, 2, 1)[ord::Command] = kAttack;
  attackStarfighters(order(d, 0, 4, 2), ord::Target4Type, ord::Target4);

  const CheckResult res = checkMission(d);
  const Lines errors{"ERROR: FG#2 has no Ship type.", duplicatePlayer(1), kTooManyPlayers};
  const Lines warnings{
      formation("X-W Red (1)", 8),   eitherAorB("X-W Red (1)", 2),         kModCruiser,
      formation("STRKC Big (3)", 7), capitalAttack("STRKC Big (3)", 1, 2), kNoBackdrop};
  EXPECT_EQ(res.errors, errors);
  EXPECT_EQ(res.warnings, warnings);

  Lines all = errors;
  all.insert(all.end(), warnings.begin(), warnings.end());
  EXPECT_EQ(res.lines(false), all);
  EXPECT_EQ(res.lines(true), errors);
  EXPECT_EQ(res.count(false), all.size());
  EXPECT_EQ(res.count(true), errors.size());
}

TEST(CheckerOrdering, OmittingWarningsLeavesNothingWhenOnlyWarnings) {
  const CheckResult res = checkMission(newMission({}));
  ASSERT_FALSE(res.warnings.empty());
  EXPECT_EQ(res.count(true), 0u);
  EXPECT_TRUE(res.lines(true).empty());
  EXPECT_EQ(res.count(false), res.warnings.size());
  EXPECT_EQ(res.lines(false), res.warnings);
}

TEST(CheckerOrdering, LabelUsesCraftNumberWithinGlobalUnit) {
  Document d = mission(
      kJunkyard,
      {{kBackdrop}, {kXWing, 1, 0, 1, "Red"}, {2, 0, 0, 3, "  Gold  "}, {2, 0, 0, 8, "Gold"}});
  d.flightGroups[2].set(fg::GlobalUnit, 5);
  d.flightGroups[3].set(fg::GlobalUnit, 5);
  EXPECT_EQ(checkMission(d).warnings, (Lines{formation("Y-W Gold 4", 8)}));
}

} // namespace
} // namespace zephlo

TEST(Checker, ErrorListLinesStayOneLineEach) {
  zephlo::CheckResult r;
  r.errors = {"FG Red\nLeader has no craft"};
  r.warnings = {"W"};
  EXPECT_EQ(zephlo::errorListLines(r, false, {"L\r"}),
            (std::vector<std::string>{"FG Red Leader has no craft", "W", "L "}));
  EXPECT_EQ(zephlo::errorListLines(r, true, {}).size(), 1u);
}
