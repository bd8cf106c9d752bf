#include "core/gamedata/vocabularies.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace zephlo::vocab {
namespace {

// Every entry in [from, to] reads its own number plus offset.
void expectNumberRun(const List& list, int from, int to, int offset = 0) {
  for (int i = from; i <= to; ++i)
    EXPECT_EQ(list.at(static_cast<std::size_t>(i)), std::to_string(i + offset)) << "index " << i;
}

TEST(VocabLists, SizesMatchTheByteRanges) {
  EXPECT_EQ(amounts().size(), 51u);
  EXPECT_EQ(variableTypes().size(), 32u);
  EXPECT_EQ(conditions().size(), 71u);
  EXPECT_EQ(numbers().size(), 256u);
  EXPECT_EQ(objectCategories().size(), 10u);
  EXPECT_EQ(shipCategories().size(), 16u);
  EXPECT_EQ(goalRequirements().size(), 4u);
  EXPECT_EQ(craftTypes().size(), 232u);
  EXPECT_EQ(iffs().size(), 6u);
  EXPECT_EQ(orders().size(), 73u);
  EXPECT_EQ(orderDescriptions().size(), 40u);
  EXPECT_EQ(craftStates().size(), 21u);
  EXPECT_EQ(orderSpeeds().size(), 11u);
  EXPECT_EQ(shortCraft().size(), 232u);
  EXPECT_EQ(tacticalRoles().size(), 26u);
  EXPECT_EQ(abortConditions().size(), 21u);
  EXPECT_EQ(missionTypes().size(), 11u);
  EXPECT_EQ(messageColours().size(), 6u);
  EXPECT_EQ(teamNameChoices().size(), 21u);
  EXPECT_EQ(optionalCraftCategories().size(), 5u);
}

TEST(VocabLists, AreBuiltOnceAndShared) {
  EXPECT_EQ(&amounts(), &amounts());
  EXPECT_EQ(&craftTypes(), &craftTypes());
}

TEST(VocabTriggers, AmountsAndNumberedGaps) {
  const List& a = amounts();
  EXPECT_EQ(a[0], "100%");
  EXPECT_EQ(a[9], "All player craft");
  expectNumberRun(a, 10, 15);
  EXPECT_EQ(a[16], "66%");
  EXPECT_EQ(a[17], "33%");
  EXPECT_EQ(a[18], "Each craft");
  expectNumberRun(a, 19, 50);
}

TEST(VocabTriggers, VariableTypesNamedAndNumbered) {
  const List& v = variableTypes();
  EXPECT_EQ(List(v.begin(), v.begin() + 9),
            (List{"None ?", "Flight Group", "Ship Type", "Ship Category", "Object Category", "IFF",
                  "Craft with orders", "Craft when", "Global Group (GG)"}));
  EXPECT_EQ(v[12], "Team");
  EXPECT_EQ(v[13], "Player of GG");
  EXPECT_EQ(v[21], "any Team except");
  EXPECT_EQ(v[23], "Global Unit (GU)");
  EXPECT_EQ(v[27], "Message #");
  for (int i : {9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 22, 24, 25, 26, 28, 29, 30, 31})
    EXPECT_EQ(v[static_cast<std::size_t>(i)], std::to_string(i));
}

TEST(VocabTriggers, ConditionsKeepDuplicatesAndGaps) {
  const List& c = conditions();
  EXPECT_EQ(c[0], "(Always true)");
  EXPECT_EQ(c[10], "(Never true)");
  EXPECT_EQ(c[11], "11");
  EXPECT_EQ(c[19], "be dropped off");
  EXPECT_EQ(c[25], "be dropped off");
  EXPECT_EQ(c[37], "be at 25% hull");
  expectNumberRun(c, 38, 40);
  EXPECT_EQ(c[41], "be all Player craft");
  EXPECT_EQ(c[51], "51");
  EXPECT_EQ(c[55], "55");
  EXPECT_EQ(c[57], "57");
  EXPECT_EQ(c[58], "be I.D.ed");
  expectNumberRun(c, 59, 70);
}

TEST(VocabTriggers, NumbersAndCategories) {
  const List& n = numbers();
  EXPECT_EQ(n[0], "none");
  expectNumberRun(n, 1, 255);

  // Object categories are numbered one ahead of their index.
  const List& o = objectCategories();
  EXPECT_EQ(o[0], "Space craft");
  EXPECT_EQ(o[3], "4");
  expectNumberRun(o, 3, 9, 1);

  const List& s = shipCategories();
  EXPECT_EQ(s[0], "Starfighters");
  EXPECT_EQ(s[6], "Mines");
  expectNumberRun(s, 7, 15);

  EXPECT_EQ(goalRequirements(), (List{"must", "must NOT", "BONUS must", "BONUS must NOT"}));
  EXPECT_EQ(iffs(), (List{"Rebel", "Imperial", "Blue", "Yellow", "Red", "Azzameen"}));
}

TEST(VocabTriggers, CraftStates) {
  const List& s = craftStates();
  EXPECT_EQ(s[0], "0");
  EXPECT_EQ(s[3], "3");
  EXPECT_EQ(s[9], "Players");
  EXPECT_EQ(s[11], "11");
  EXPECT_EQ(s[12], "not disabled");
  expectNumberRun(s, 13, 20);
}

TEST(VocabCraft, NamesKeepSpellingStarsAndBlanks) {
  const List& c = craftTypes();
  const std::vector<std::pair<int, std::string>> spots{
      {0, "(None)"},
      {9, "TIE Defender "},
      {18, "Escort Shuttle "},
      {21, "Stormtrooper Transpost"},
      {39, "Millenium Falcon"},
      {73, "*Satellite4"},
      {86, "Asteroid"},
      {92, "*Mod Strike Cruiser"},
      {103, "Ferryboat Liner "},
      {104, "Modified Action Transpost"},
      {109, "Freight Transport/K "},
      {150, "Escape Pod Type 1 "},
      {183, "Backdrop / Light (RGB->)"},
      {227, "Death Star II"},
      {230, "ISD II"},
      {231, "231"},
  };
  for (const auto& [i, text] : spots)
    EXPECT_EQ(c[static_cast<std::size_t>(i)], text) << i;
  expectNumberRun(c, 184, 226);
}

TEST(VocabCraft, ShortNamesAndUnknownBeyond) {
  const List& s = shortCraft();
  EXPECT_EQ(s[0], "---");
  EXPECT_EQ(s[101], "Imp Research Ship");
  EXPECT_EQ(s[182], "Worker Droid (R2-D2)");
  EXPECT_EQ(s[184], "*Forest moon of Endor");
  EXPECT_EQ(s[231], "*Backdrop 16");

  EXPECT_EQ(shortCraftName(0), "---");
  EXPECT_EQ(shortCraftName(1), "X-W");
  EXPECT_EQ(shortCraftName(230), "ISDII");
  EXPECT_EQ(shortCraftName(231), "*Backdrop 16");
  EXPECT_EQ(shortCraftName(232), "Unk");
  EXPECT_EQ(shortCraftName(-1), "Unk");
  EXPECT_EQ(shortCraftName(-1000), "Unk");
}

TEST(VocabOrders, NamesAndNumberedTail) {
  const List& o = orders();
  EXPECT_EQ(o[0], "Hold Steady");
  EXPECT_EQ(o[31], "Board to ?");
  EXPECT_EQ(o[39], "SShip hold Steady 6");
  EXPECT_EQ(o[40], "Deliver/drop off");
  EXPECT_EQ(o[41], "41");
  EXPECT_EQ(o[49], "Becon");
  EXPECT_EQ(o[52], "52 (Board to tranfer)");
  EXPECT_EQ(o[64], "64 (Home in)");
  expectNumberRun(o, 65, 72);

  const List& sp = orderSpeeds();
  EXPECT_EQ(sp[0], "   0%");
  EXPECT_EQ(sp[1], " 10%");
  EXPECT_EQ(sp[10], "100%");
}

TEST(VocabOrders, DescriptionsKeepSpacingAndSharedRows) {
  const List& d = orderDescriptions();
  EXPECT_EQ(d[0], "Stationary.        Systems: 100%         No return fire.");
  EXPECT_EQ(d[3], "Circle through enabled WPs specified # of times. Evades attackers. Returns "
                  "fire. Disregards Targets.");
  EXPECT_EQ(d[9],
            "Attack craft once they have attacked designated Targets.   Ignores boarding craft. ");
  EXPECT_EQ(d[39], "Stationary.       Systems at 100%         No Return fire.");

  const std::string disabled = "Stationary.       Systems at 0%         No Return fire.";
  EXPECT_EQ(d[5], disabled);
  EXPECT_EQ(d[6], disabled);
  const std::string wait = "Wait for specified time, then continue to next order.   Systems: "
                           "100%    Returns fire.";
  EXPECT_EQ(d[19], wait);
  EXPECT_EQ(d[20], wait);
  const std::string patrol =
      "Circle through enabled WPs and attack all FGs attacking Targets.  Returns fire.";
  EXPECT_EQ(d[24], patrol);
  EXPECT_EQ(d[25], patrol);

  // Two near-identical texts: one group ends in a blank, the other does not.
  const std::string hold = "Stationary.       Systems at 100%         No Return fire.";
  for (int i : {28, 33, 35})
    EXPECT_EQ(d[static_cast<std::size_t>(i)], hold + " ") << i;
  for (int i : {30, 34, 38, 39})
    EXPECT_EQ(d[static_cast<std::size_t>(i)], hold) << i;

  EXPECT_EQ(d[29], "Fly to Mothership if assigned, otherwise to hyperspace.  Attacks Targets.  "
                   "Returns fire.");
  EXPECT_EQ(d[36], "Craft will explode after specified delay time.    No return fire.");
  for (std::size_t i = 0; i < d.size(); ++i)
    EXPECT_FALSE(d[i].empty()) << i;
}

TEST(VocabFlightGroup, RolesAbortAndOptionalCraft) {
  const List& r = tacticalRoles();
  EXPECT_EQ(r[0], "Command Ship");
  EXPECT_EQ(r[11], "Facility");
  EXPECT_EQ(r[12], "HYP from Region 1");
  EXPECT_EQ(r[15], "HYP from Region 4");
  EXPECT_EQ(r[16], "HYP to Region 1");
  EXPECT_EQ(r[19], "HYP to Region 4");
  expectNumberRun(r, 20, 25);

  const List& a = abortConditions();
  EXPECT_EQ(a[0], "never");
  EXPECT_EQ(a[2], "2");
  EXPECT_EQ(a[3], "out of missles");
  EXPECT_EQ(a[9], "at 25% hull");
  expectNumberRun(a, 10, 20);

  EXPECT_EQ(optionalCraftCategories(),
            (List{"No other craft", "All Friendly Flyable Craft", "All Rebel Starfighters",
                  "All Flyble Freighters", "User Defined Options"}));
}

TEST(VocabMission, TypesColoursAndTeamNames) {
  const List& t = missionTypes();
  EXPECT_EQ(t[0], "Junkyard");
  EXPECT_EQ(t[2], "Quickstart 2 (Skirmish?)");
  EXPECT_EQ(t[7], "Family");
  expectNumberRun(t, 8, 10);

  EXPECT_EQ(messageColours(), (List{"Green", "Red", "Blue", "Yellow", "Red", "Purple"}));

  const List& n = teamNameChoices();
  EXPECT_EQ(n.front(), "Rebel");
  EXPECT_EQ(n[13], "One");
  EXPECT_EQ(n.back(), "Eight");
}

} // namespace
} // namespace zephlo::vocab
