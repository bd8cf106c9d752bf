// What a change concerns: the bytes it names, and the views' questions
// about it (which control, which list line, which names) answered from them.
#include "core/mission/change_scope.h"
#include "core/mission/fg_stores.h"
#include "core/mission/goal_edits.h"
#include "core/mission/list_commands.h"
#include "core/mission/message_edits.h"
#include "core/mission/new_mission.h"
#include "core/mission/team_edits.h"
#include "support/apply_checked.h"

#include <gtest/gtest.h>

using namespace zephlo;
using zephlo::testing::applyChecked;

namespace {

struct Mission {
  Document doc = [] {
    Document d = newMission({});
    d.flightGroups.resize(5, d.flightGroups[0]);
    d.messages.resize(3);
    return d;
  }();
  EditorState st;

  Change apply(const Operation& op) { return applyChecked(doc, st, op).change; }
  Change writeFG(int i, std::size_t off, Byte v) {
    return apply(
        editFlightGroups("Edit", "", {i}, [off, v](FGObject& f, Edit&) { f.set(off, v); }));
  }
  // The update a view showing the current items gets for the change.
  // It keeps the change by address, so the change must outlive it.
  ViewUpdate update(const Change& c) const {
    return ViewUpdate(&c, CurrentItems::of(st), CurrentItems::of(st));
  }
  ViewUpdate update(Change&&) const = delete;
};

} // namespace

TEST(ChangeScope, ByteRunsStayApartUntilTooManyJoinTheClosest) {
  ByteSpans s;
  for (ByteSpan r :
       {ByteSpan::of(100), ByteSpan::of(10, 2), ByteSpan::of(300), ByteSpan::of(50, 10)})
    s.add(r);
  EXPECT_EQ(s.runs().size(), 4u);
  EXPECT_FALSE(s.meets(30));
  s.add(ByteSpan::of(55, 50)); // meets two runs: they become one
  EXPECT_EQ(s.runs().size(), 3u);
  EXPECT_TRUE(s.meets(104));
  s.add(ByteSpan::of(400));
  s.add(ByteSpan::of(3000));
  // Five runs: the closest two (10-11 and 50-104) join, and nothing else grows.
  EXPECT_EQ(s.runs().size(), 4u);
  EXPECT_TRUE(s.meets(30));
  EXPECT_FALSE(s.meets(200) || s.meets(350) || s.meets(2000));
}

TEST(ChangeScope, AChangeNamesTheBytesThatChanged) {
  Mission m;
  Change c = m.writeFG(2, fg::Team, 4);
  EXPECT_EQ(c.fgBytes, ByteSpans(ByteSpan::of(fg::Team)));
  EXPECT_TRUE(c.msgBytes.empty());

  // A goal string counts after the record: goal 1's second string.
  c = m.apply(editFlightGroups("Goal", "", {0},
                               [](FGObject& f, Edit&) { setGoalText(f.goalStrings[4], "done"); }));
  EXPECT_TRUE(c.fgBytes.meets(fgGoalStringBytes(1)));
  EXPECT_FALSE(c.fgBytes.meets(fgGoalStringBytes(0)));
  EXPECT_FALSE(c.fgBytes.meets(0, size::flightGroup));

  // Merged steps cover both; a new flight group counts whole.
  Change merged = m.writeFG(1, fg::Name, 'A');
  merged.merge(m.writeFG(1, fg::GlobalUnit, 3));
  EXPECT_TRUE(merged.fgBytes.meets(fg::Name) && merged.fgBytes.meets(fg::GlobalUnit));
  Templates t = makeTemplates({}, 0);
  c = m.apply(newItemOperation(ListPage::FlightGroups, {&t, {}, false}));
  EXPECT_TRUE(c.fgBytes.meets(fg::BackdropNumber) && c.fgBytes.meets(fgGoalStringBytes(7)));

  m.st.currentTeam = 3;
  c = m.apply(storeTeamName("Blue", m.st));
  EXPECT_TRUE(c.teamBytes.meets(team::Name, team::NameSize));
  EXPECT_TRUE(teamNamesChanged(c));
  EXPECT_FALSE(endLinesChanged(c, 3));
  c = m.apply(storeAllies({1}, m.st));
  EXPECT_FALSE(teamNamesChanged(c)) << "allies are no name";
  c = m.apply(storeEndText(6, "Won", m.st));
  EXPECT_TRUE(endLinesChanged(c, 3));
  EXPECT_FALSE(endLinesChanged(c, 2)) << "another team's lines";

  c = m.apply(storeMessageDelay(25, m.st));
  EXPECT_EQ(c.msgBytes, ByteSpans(ByteSpan::of(msg::Delay)));
}

TEST(ChangeScope, AFieldEditConcernsOnlyTheControlsOfThatField) {
  Mission m;
  m.st.currentFG = 2;
  m.st.selectedFGs = {2};
  const Change team = m.apply(storeField(FgField::Team, 3, m.st));
  const ViewUpdate u = m.update(team);
  EXPECT_TRUE(u.flightGroup(fieldBytes(FgField::Team)));
  EXPECT_FALSE(u.flightGroup(fieldBytes(FgField::Waves)));
  EXPECT_FALSE(u.flightGroup(fieldBytes(FgField::GlobalUnit)));
  EXPECT_FALSE(u.order(orderFieldBytes(OrderField::Command)));
  EXPECT_FALSE(u.fgLabels()) << "the team is not in a flight group's label";
  EXPECT_FALSE(u.teamNames());
  EXPECT_FALSE(u.message(ByteSpan::of(0, size::message)));

  // The same edit of another flight group, not selected, does not concern this one.
  m.st.selectedFGs = {4};
  const Change otherTeam = m.apply(storeField(FgField::Team, 5, m.st));
  m.st.selectedFGs = {2};
  const ViewUpdate other = m.update(otherTeam);
  EXPECT_FALSE(other.flightGroup(fieldBytes(FgField::Team)));
  EXPECT_TRUE(other.anyFlightGroup(fieldBytes(FgField::Team)));

  // The special-craft box shows the backdrop number for a backdrop.
  m.st.selectedFGs = {2};
  const Change craft = m.writeFG(2, fg::CraftType, kBackdrop);
  const ViewUpdate type = m.update(craft);
  EXPECT_TRUE(type.flightGroup(fieldBytes(FgField::SpecialCraft)));
  EXPECT_TRUE(type.anyFlightGroup(roleCountBytes()));
  EXPECT_TRUE(type.fgLabels());
}

TEST(ChangeScope, AMapDragConcernsNoPageControlAndNoListLine) {
  Mission m;
  m.st.currentFG = 1;
  const Change drag = m.apply(editFlightGroups("Move", "", {1}, [](FGObject& f, Edit&) {
    setI16(f.record, fg::startPointOffset(1) + wp::X, 1234);
    setI16(f.record, fg::orderOffset(1, 1) + ord::waypointOffset(2) + wp::Y, 99);
  }));
  const ViewUpdate u = m.update(drag);
  for (int f = 0; f <= static_cast<int>(FgField::OptionalCraftCategory); ++f)
    EXPECT_FALSE(u.flightGroup(fieldBytes(static_cast<FgField>(f)))) << controlName(FgField(f));
  for (int f = 0; f <= static_cast<int>(OrderField::Link34); ++f)
    EXPECT_FALSE(u.order(orderFieldBytes(static_cast<OrderField>(f)))) << f;
  EXPECT_FALSE(u.skipTriggers());
  EXPECT_FALSE(u.goal(ByteSpan::of(0, fg::GoalSize)));
  EXPECT_FALSE(u.lists());
  EXPECT_FALSE(u.anyFlightGroup(roleCountBytes()));
  EXPECT_TRUE(fgLinesToRefresh(drag).empty());
}

TEST(ChangeScope, MovingTheCurrentItemsConcernsWhatTheyShow) {
  Mission m;
  const CurrentItems before = CurrentItems::of(m.st);
  m.st.currentOrder = 3;
  ViewUpdate u(nullptr, before, CurrentItems::of(m.st));
  EXPECT_TRUE(u.order(orderFieldBytes(OrderField::Speed)));
  EXPECT_TRUE(u.skipTriggers());
  EXPECT_FALSE(u.flightGroup(fieldBytes(FgField::Team)));
  EXPECT_FALSE(u.goalMoved());
  EXPECT_FALSE(u.nothing());
  EXPECT_TRUE(ViewUpdate(nullptr, before, before).nothing());

  // Another flight group: everything about it, its orders and goals too.
  m.st.currentFG = 3;
  ViewUpdate fg(nullptr, before, CurrentItems::of(m.st));
  EXPECT_TRUE(fg.flightGroup(fieldBytes(FgField::Team)) && fg.goalStrings() && fg.orderMoved());
  EXPECT_FALSE(fg.teamMoved() || fg.messageMoved());

  // A goal edit concerns the current goal only.
  m.st.currentGoal = 2;
  m.st.selectedFGs = {3};
  const Change points = m.apply(storeGoalPoints(250, m.st));
  const ViewUpdate g = m.update(points);
  EXPECT_TRUE(g.goal(ByteSpan::of(goal::Points)));
  EXPECT_FALSE(g.goal(ByteSpan::of(goal::Team)));
  m.st.currentGoal = 1;
  EXPECT_FALSE(m.update(points).goal(ByteSpan::of(goal::Points)));

  // Adding a flight group may put another record at the current index.
  Templates t = makeTemplates({}, 0);
  const Change added = m.apply(newItemOperation(ListPage::FlightGroups, {&t, {}, false}));
  EXPECT_TRUE(
      ViewUpdate(&added, CurrentItems::of(m.st), CurrentItems::of(m.st)).flightGroupMoved());
}

TEST(ChangeScope, TheSelectionConcernsWhatShowsWhetherItDiffers) {
  Mission m;
  m.st.selectedFGs = {0};
  m.st.selectedMsgs = {0};
  const CurrentItems before = CurrentItems::of(m.st);
  m.st.selectedFGs = {0, 3};
  const ViewUpdate more(nullptr, before, CurrentItems::of(m.st));
  EXPECT_FALSE(more.nothing());
  EXPECT_TRUE(more.flightGroup(fieldBytes(FgField::Team)) &&
              more.order(orderFieldBytes(OrderField::Speed)) && more.goal(ByteSpan::of(0)));
  EXPECT_FALSE(more.flightGroupMoved() || more.message(ByteSpan::of(msg::Delay)));
  m.st.selectedMsgs = {0, 1};
  EXPECT_TRUE(
      ViewUpdate(nullptr, before, CurrentItems::of(m.st)).message(ByteSpan::of(msg::Delay)));

  // A selected flight group other than the current one changed.
  const Change other = m.writeFG(3, fg::Team, 2);
  EXPECT_TRUE(m.update(other).flightGroup(fieldBytes(FgField::Team)));
  EXPECT_FALSE(m.update(other).flightGroup(fieldBytes(FgField::Waves)));
  m.st.selectedFGs = {0};
  EXPECT_FALSE(m.update(other).flightGroup(fieldBytes(FgField::Team)));
}

TEST(ChangeScope, ListLinesReadOnlyWhatTheyShow) {
  Mission m;
  m.st.selectedFGs = {2};
  EXPECT_EQ(fgLinesToRefresh(m.apply(storeName("Red", m.st, false))), (LineRows{2, 2}));
  EXPECT_EQ(fgLinesToRefresh(m.apply(storeField(FgField::NumCraft, 4, m.st))),
            (LineRows{2, kToEnd}))
      << "craft numbers in a global unit count the flight groups before";
  EXPECT_TRUE(fgLinesToRefresh(m.apply(storeField(FgField::AiRank, 3, m.st))).empty());
  EXPECT_TRUE(fgLinesToRefresh(m.apply(storeGoalPoints(100, m.st))).empty());
  EXPECT_EQ(fgLinesToRefresh(m.apply(storeGoalTeam(3, m.st))), (LineRows{2, 2}))
      << "the goal marks show the goal's team";
  Change header;
  header.header = true;
  EXPECT_EQ(fgLinesToRefresh(header), (LineRows{0, kToEnd}));

  m.st.currentMsg = 1;
  m.st.selectedMsgs = {1};
  EXPECT_TRUE(msgLinesToRefresh(m.apply(storeMessageDelay(9, m.st))).empty());
  EXPECT_EQ(msgLinesToRefresh(m.apply(storeMessageColour(2, m.st))), (LineRows{1, 1}));
  EXPECT_EQ(msgLinesToRefresh(m.apply(storeMessageText("Hello", m.st))), (LineRows{1, 1}));
}
