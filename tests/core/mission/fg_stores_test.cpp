#include "core/gamedata/vocabularies.h"
#include "core/mission/fg_rules.h"
#include "core/mission/fg_stores.h"
#include "core/mission/new_mission.h"
#include "core/mission/shared_values.h"
#include "support/apply_checked.h"

#include <gtest/gtest.h>

using namespace zephlo;
using zephlo::testing::applyChecked;

namespace {

// Four flight groups; 0 and 2 autolinked. Team 3 (index 2) is named
// "Empire"; team 5 (index 4) is the first with autolink IFF 0.
struct Fixture {
  Document d = newMission(MissionPrefs{});
  EditorState st;
  Fixture() {
    FGObject f = d.flightGroups[0];
    for (int i = 0; i < 3; ++i)
      d.flightGroups.push_back(f);
    for (int i = 0; i < 4; ++i)
      d.flightGroups[static_cast<std::size_t>(i)].autolink = i % 2 == 0;
    d.teamIff = {3, 2, 5, 1, 0, 0, 0, 0, 0, 0};
    d.teams[1].setName("Smugglers");
    d.teams[2].setName(" empire ");
  }
  void select(std::set<int> s) { st.selectedFGs = std::move(s); }
  void run(const Operation& op) { applyChecked(d, st, op); }
  Byte at(int i, std::size_t off) const {
    return d.flightGroups[static_cast<std::size_t>(i)].record[off];
  }
  FGObject& fg(int i) { return d.flightGroups[static_cast<std::size_t>(i)]; }
};

TEST(FgStores, TeamReachesEverySelectedFlightGroupAndAutolinkSetsItsIff) {
  Fixture x;
  for (int i = 0; i < 4; ++i)
    x.fg(i).set(112, 4);
  x.select({0, 1, 2});
  x.run(storeField(FgField::Team, 3, x.st));
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(x.at(i, 113), 3);
  EXPECT_EQ(x.at(3, 113), 0) << "not selected";
  EXPECT_EQ(x.at(0, 112), 1) << "autolink: team 4's IFF";
  EXPECT_EQ(x.at(1, 112), 4) << "no autolink";
  EXPECT_EQ(x.at(2, 112), 1);
}

TEST(FgStores, CraftTypeRuleChoosesSideAndTeam) {
  Fixture x;
  x.select({0, 1});
  x.run(storeField(FgField::CraftType, 5, x.st)); // TIE Fighter
  EXPECT_EQ(x.at(0, 107), 5);
  EXPECT_EQ(x.at(1, 107), 5);
  EXPECT_EQ(x.at(0, 112), 1);
  EXPECT_EQ(x.at(0, 113), 2) << "team 3 is named Empire, before team 4 with IFF 1";
  EXPECT_EQ(x.at(1, 112), 0) << "no autolink: nothing follows";

  x.run(storeField(FgField::CraftType, 228, x.st)); // Winged Calamari Cruiser
  EXPECT_EQ(x.at(0, 112), 0);
  EXPECT_EQ(x.at(0, 113), 4) << "the first team with autolink IFF 0";

  x.fg(0).set(113, 7);
  x.fg(0).set(112, 3);
  x.run(storeField(FgField::CraftType, 17, x.st)); // Shuttle: neither side
  EXPECT_EQ(x.at(0, 112), 3);
  EXPECT_EQ(x.at(0, 113), 7);

  // No rebel team at all: the IFF follows, the team stays.
  x.d.teamIff.fill(2);
  x.run(storeField(FgField::CraftType, 1, x.st));
  EXPECT_EQ(x.at(0, 112), 0);
  EXPECT_EQ(x.at(0, 113), 7);
  // No imperial team: team 1.
  x.d.teams[2].setName("Rebels");
  x.run(storeField(FgField::CraftType, 230, x.st)); // ISD II
  EXPECT_EQ(x.at(0, 112), 1);
  EXPECT_EQ(x.at(0, 113), 0);
}

TEST(FgStores, SizeWavesAndClampedValues) {
  Fixture x;
  x.select({0, 1});
  x.fg(0).set(105, 2);
  x.fg(1).set(105, 1);
  x.run(storeField(FgField::NumCraft, 3, x.st));
  EXPECT_EQ(x.at(0, 105), 3) << "special craft at the last craft or past it";
  EXPECT_EQ(x.at(1, 105), 1);

  x.run(storeField(FgField::Waves, 1, x.st));
  EXPECT_EQ(x.at(0, 122), 0);
  x.run(storeField(FgField::Waves, 4, x.st));
  EXPECT_EQ(x.at(1, 122), 3);
  EXPECT_EQ(fieldValue(x.fg(1), FgField::Waves), 4);
  x.run(storeField(FgField::Waves, 0, x.st));
  EXPECT_EQ(x.at(1, 122), 0) << "never wraps to 255";

  x.run(storeField(FgField::GlobalGroup, 300, x.st));
  EXPECT_EQ(x.at(0, 120), 255);

  EXPECT_FALSE(storeFieldText(FgField::ArrivalMinutes, "-", x.st));
  EXPECT_FALSE(storeFieldText(FgField::ArrivalMinutes, "", x.st));
  x.run(*storeFieldText(FgField::DepartureSeconds, " 42", x.st));
  EXPECT_EQ(x.at(0, 189), 42);
}

TEST(FgStores, RoleSwitchesAreSignedNumbers) {
  Fixture x;
  x.select({1, 3});
  x.run(storeField(FgField::Role2Switch, -1, x.st));
  EXPECT_EQ(x.at(3, 21), 255);
  EXPECT_EQ(fieldValue(x.fg(3), FgField::Role2Switch), -1);
  EXPECT_FALSE(roleUsed(x.fg(3), 2));
  x.run(storeField(FgField::Role1Switch, -1, x.st));
  EXPECT_EQ(fieldValue(x.fg(1), FgField::Role1Switch), 255) << "role 1 shows unsigned";
  x.run(storeField(FgField::Role1, -1, x.st));
  EXPECT_EQ(x.at(1, 22), 0) << "a list with nothing chosen";
  x.run(storeRoleUsed(2, true, x.st));
  EXPECT_TRUE(roleUsed(x.fg(1), 2));
  x.run(storeRoleUsed(1, true, x.st));
  EXPECT_TRUE(roleUsed(x.fg(3), 1));
  x.run(storeField(FgField::Role1, 7, x.st));
  EXPECT_EQ(x.at(3, 22), 7);
}

TEST(FgStores, NameColourRule) {
  Fixture x;
  x.select({0, 1});
  x.fg(0).set(107, 5); // TIE Fighter
  x.fg(1).set(107, 1); // X-wing
  x.run(storeName("Gold", x.st, true));
  EXPECT_EQ(x.fg(0).name(), "Gold");
  EXPECT_EQ(x.at(0, 115), 2) << "TIEs have no red: one up";
  EXPECT_EQ(x.at(1, 115), 1);
  x.run(storeName("Omega", x.st, true));
  EXPECT_EQ(x.at(0, 115), 2);
  x.run(storeName("green", x.st, true));
  EXPECT_EQ(x.at(0, 115), 3) << "already the top colour";
  EXPECT_EQ(x.at(1, 115), 3);
  x.run(storeName("Red", x.st, false));
  EXPECT_EQ(x.at(1, 115), 3) << "link-colour preference off";
  x.run(storeName("A name far longer than twenty", x.st, false));
  EXPECT_EQ(x.fg(1).name(), "A name far longer th");
  EXPECT_EQ(x.at(1, 20), 255) << "the byte after the name is untouched";
}

TEST(FgStores, ExtrasSpecialCraftCargoAndAutolink) {
  Fixture x;
  x.select({0, 1});
  x.fg(1).set(107, 183); // backdrop
  x.fg(0).set(105, 1);
  x.fg(1).set(105, 1);
  x.run(storeField(FgField::SpecialCraft, 4, x.st));
  EXPECT_EQ(x.at(0, 105), 4);
  EXPECT_EQ(x.at(1, 105), 1);
  EXPECT_EQ(x.at(1, 3602), 4);
  EXPECT_EQ(fieldValue(x.fg(1), FgField::SpecialCraft), 4);
  EXPECT_EQ(extrasCaptions(x.fg(1)).group, "Backdrop");
  EXPECT_EQ(extrasCaptions(x.fg(0)).specialCraft2, "Ship#:");

  x.run(storeField(FgField::RandomSpecialCraft, 1, x.st));
  EXPECT_EQ(x.at(0, 106), 1);
  EXPECT_EQ(x.at(1, 106), 1);
  x.run(storeCargo(CargoField::SpecialCargo, "Plans", x.st));
  EXPECT_EQ(getText(x.fg(1).record, 60, 20), "Plans");
  EXPECT_EQ(getText(x.fg(1).record, 40, 20), "");

  x.fg(0).set(108, 2);
  x.fg(0).set(106, 0);
  EXPECT_TRUE(specialCargoUnused(x.fg(0)));

  auto r = applyOperation(x.d, x.st, storeAutolink(false, x.st));
  ASSERT_TRUE(r.ok());
  EXPECT_FALSE(x.fg(0).autolink);
  EXPECT_EQ(r->change.flightGroups, (std::vector<int>{0}));
  EXPECT_EQ(r->change.fgAspects, kFGEditorOnly);
}

TEST(FgStores, OptionalListsAndCraftRows) {
  Fixture x;
  x.select({0, 2});
  x.run(storeOptionalItems(OptionalList::Beams, {3, 0, 3, 1}, {}, x.st));
  const std::array<Byte, 6> beams = {1, 2, 4, 0, 0, 0};
  for (std::size_t k = 0; k < 6; ++k)
    EXPECT_EQ(x.at(2, 3540 + k), beams[k]);
  EXPECT_EQ(optionalItemRows(x.fg(0), OptionalList::Beams), (std::vector<int>{0, 1, 3}));
  x.run(storeOptionalItems(OptionalList::Countermeasures, {0, 1, 2, 3, 4, 5}, {}, x.st));
  EXPECT_EQ(x.at(0, 3549), 4);
  EXPECT_EQ(x.at(0, 3550), 0) << "only four entries";

  // Flight group 2 holds beam 5 besides the three both hold: the list shows
  // 0, 1, 3 chosen and 5 mixed. Unchoosing 1 and choosing 2 changes those
  // rows in both, and 5 stays where it was.
  x.fg(2).set(3543, 6);
  const SharedRows shared = sharedOptionalItems(x.d, x.st, OptionalList::Beams);
  EXPECT_EQ(shared, (SharedRows{{0, 1, 3}, {5}}));
  x.run(storeOptionalItems(OptionalList::Beams, {0, 2, 3}, shared.all, x.st));
  EXPECT_EQ(optionalItemRows(x.fg(0), OptionalList::Beams), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(optionalItemRows(x.fg(2), OptionalList::Beams), (std::vector<int>{0, 2, 3, 5}));
  // Choosing the mixed row gives it to both.
  x.run(storeOptionalItems(OptionalList::Beams, {0, 2, 3, 5}, {0, 2, 3}, x.st));
  EXPECT_EQ(sharedOptionalItems(x.d, x.st, OptionalList::Beams), (SharedRows{{0, 2, 3, 5}, {}}));

  x.run(storeOptionalCraft(OptionalCraftField::Type, 2, 12, x.st));
  EXPECT_EQ(x.at(0, 3553), 12);
  EXPECT_EQ(x.at(0, 3563), 1) << "a row with a craft has at least one";
  x.run(storeOptionalCraft(OptionalCraftField::Count, 2, 5, x.st));
  x.run(storeOptionalCraft(OptionalCraftField::Type, 2, 13, x.st));
  EXPECT_EQ(x.at(2, 3563), 5);
  x.run(storeOptionalCraft(OptionalCraftField::Waves, 2, 3, x.st));
  EXPECT_EQ(x.at(2, 3573), 2);
  EXPECT_EQ(optionalCraftValue(x.fg(2), OptionalCraftField::Waves, 2), 3);
  const Document before = x.d;
  x.run(storeOptionalCraft(OptionalCraftField::Type, 10, 1, x.st));
  EXPECT_EQ(x.d, before) << "no such row";
}

TEST(FgStores, Motherships) {
  Fixture x;
  x.select({1, 2});
  x.run(storeMothership(mothershipSlot(false, false), 3, x.st));
  EXPECT_EQ(x.at(1, 194), 2);
  EXPECT_EQ(x.at(1, 195), 1);
  x.run(storeMothership(mothershipSlot(true, true), 1, x.st));
  EXPECT_EQ(x.at(2, 200), 0);
  EXPECT_EQ(x.at(2, 201), 1);
  EXPECT_EQ(mothershipItem(x.fg(2), MothershipSlot::AltDeparture), 1);
  x.run(storeMothership(MothershipSlot::Arrival, 0, x.st));
  EXPECT_EQ(x.at(2, 194), 0);
  EXPECT_EQ(x.at(2, 195), 0);
  EXPECT_EQ(mothershipItem(x.fg(2), MothershipSlot::Arrival), 0);
}

TEST(FgStores, OrderRuleWorksOnTheCurrentOrderOfTheCurrentRegion) {
  Fixture x;
  x.select({0, 3});
  x.st.currentRegion = 2;
  x.st.currentOrder = 3;
  const std::size_t o = 202 + 592 + 2 * 148;
  x.run(storeOrderField(OrderField::Command, 50, x.st));
  x.run(storeOrderField(OrderField::Parameter1, 3, x.st));
  EXPECT_EQ(x.at(3, o), 50);
  EXPECT_EQ(regionSet(x.fg(3)), (std::array<Byte, 4>{1, 0, 0, 1}));
  auto r = applyOperation(x.d, x.st, storeOrderField(OrderField::Parameter1, 1, x.st));
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(regionSet(x.fg(0)), (std::array<Byte, 4>{1, 1, 0, 0}));
  EXPECT_TRUE(r->change.fgAspects & kFGRegions);

  x.fg(0).record[o + 9] = 6;
  x.run(storeOrderField(OrderField::Target4Type, 2, x.st));
  EXPECT_EQ(x.at(0, o + 7), 2);
  EXPECT_EQ(x.at(0, o + 9), 0) << "a new target type starts at its first value";
  x.run(storeOrderField(OrderField::Link12, 1, x.st));
  EXPECT_EQ(x.at(0, o + 16), 0);
  EXPECT_EQ(orderFieldValue(x.fg(0), OrderField::Link12, 2, 3), 1);
  x.run(storeOrderField(OrderField::Link34, 0, x.st));
  EXPECT_EQ(x.at(3, o + 10), 1);
  EXPECT_EQ(x.at(3, o + 148 + 10), 1) << "the next order keeps its template flag";
  x.fg(3).record[o + 148 + 10] = 0;
  EXPECT_EQ(orderFieldValue(x.fg(3), OrderField::Link34, 2, 4), 1);

  // Typing into the same box of another order is a separate undo step.
  EditorState other = x.st;
  other.currentOrder = 4;
  EXPECT_NE(storeOrderField(OrderField::Speed, 1, x.st).mergeKey,
            storeOrderField(OrderField::Speed, 1, other).mergeKey);
  EXPECT_EQ(orderDescriptionText(200), "Unknown");
}

TEST(FgStores, RoleCountsOverMediumDifficulty) {
  Fixture x;
  auto setFg = [&](int i, Byte type, Byte n, Byte difficulty) {
    x.fg(i).set(107, type);
    x.fg(i).set(108, n);
    x.fg(i).set(134, difficulty);
  };
  setFg(0, 1, 4, 0);  // craft
  setFg(1, 90, 2, 3); // hard only: not counted
  setFg(2, 76, 3, 9); // mines count squared
  setFg(3, 83, 1, 4); // object
  const RoleCounts c = roleCounts(x.d);
  EXPECT_EQ(c.total, "4 Craft (medium)");
  EXPECT_EQ(c.atStart, "4 craft at 30 sec");
  EXPECT_EQ(c.objects, "10 Objects");
  setFg(2, 76, 3, 1);
  EXPECT_EQ(roleCounts(x.d).objects, "1 Object");
}

} // namespace

TEST(FgStores, PageTexts) {
  FGObject f;
  f.set(fg::OptionalCraftTypes + 2, 1);
  f.set(fg::OptionalCraftCounts + 2, 2);
  EXPECT_EQ(optionalCraftRowText(f, 0), "1: -");
  EXPECT_EQ(optionalCraftRowText(f, 2), "3: 2 x " + vocab::shortCraftName(1) + ", 1 wave(s)");
  setText(f.record, fg::SpecialCargo, fg::CargoSize, "Plans");
  EXPECT_EQ(cargoText(f, CargoField::SpecialCargo), "Plans");
  EXPECT_EQ(cargoText(f, CargoField::Cargo), "");
  EXPECT_EQ(orderTitleText(3, 2), "Order 2 in Region 3");
  EXPECT_EQ(jumpLabelText(1, 2), "...to order 3 in R1");
  EXPECT_EQ(jumpLabelText(4, 4), "...to order 1 in R4") << "after the last order, the first";
}
