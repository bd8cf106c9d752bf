// What the details pages show for several selected records: the value they
// share, or mixed.
#include "core/mission/goal_edits.h"
#include "core/mission/message_edits.h"
#include "core/mission/new_mission.h"
#include "core/mission/shared_values.h"
#include "support/apply_checked.h"

#include <gtest/gtest.h>

using namespace zephlo;
using zephlo::testing::applyChecked;

namespace {

struct Mission {
  Document d = [] {
    Document doc = newMission({});
    doc.flightGroups.resize(3, doc.flightGroups[0]);
    doc.messages.resize(3);
    return doc;
  }();
  EditorState st;
  void run(const Operation& op) { applyChecked(d, st, op); }
  // An edit of the one flight group (message) i, as if only it were selected.
  void only(int i, auto store) {
    EditorState one = st;
    one.selectedFGs = {i};
    one.selectedMsgs = {i};
    applyChecked(d, one, store(one));
  }
};

} // namespace

TEST(SharedValues, FlightGroupControlsShowTheSharedValueOrMixed) {
  Mission m;
  m.st.selectedFGs = {0, 2};
  m.only(2, [](const EditorState& s) { return storeField(FgField::Waves, 3, s); });
  m.only(2, [](const EditorState& s) { return storeName("Blue", s, false); });
  m.only(1, [](const EditorState& s) { return storeField(FgField::Team, 4, s); });
  const Document& d = m.d;
  EXPECT_EQ(sharedField(d, m.st, FgField::Waves), std::nullopt);
  EXPECT_EQ(sharedName(d, m.st), std::nullopt);
  // Flight group 1 differs, but is not selected.
  EXPECT_EQ(sharedField(d, m.st, FgField::Team), 0);

  // One edit on the selection makes them agree, shown as the control shows it.
  m.run(storeField(FgField::Waves, 3, m.st));
  m.run(storeName("Gold", m.st, false));
  EXPECT_EQ(sharedField(d, m.st, FgField::Waves), 3);
  EXPECT_EQ(sharedName(d, m.st), "Gold");

  // Nothing selected: the current flight group alone decides.
  m.st.selectedFGs.clear();
  m.st.currentFG = 1;
  EXPECT_EQ(sharedField(d, m.st, FgField::Team), 4);

  // Motherships, role use, orders and goals of the selection.
  m.st.selectedFGs = {0, 1};
  m.only(1, [](const EditorState& s) { return storeMothership(MothershipSlot::Departure, 3, s); });
  m.only(1, [](const EditorState& s) { return storeRoleUsed(2, true, s); });
  m.only(0, [](const EditorState& s) { return storeGoalPoints(250, s); });
  m.st.currentRegion = 2;
  m.only(1, [](const EditorState& s) { return storeOrderField(OrderField::Speed, 5, s); });
  EXPECT_EQ(sharedMothership(d, m.st, MothershipSlot::Departure), std::nullopt);
  EXPECT_EQ(sharedMothership(d, m.st, MothershipSlot::Arrival), 0);
  EXPECT_EQ(sharedRoleUsed(d, m.st, 2), std::nullopt);
  EXPECT_EQ(sharedRoleUsed(d, m.st, 1), roleUsed(d.flightGroups[0], 1));
  EXPECT_EQ(sharedGoalField(d, m.st, GoalField::Points), std::nullopt);
  EXPECT_EQ(sharedGoalField(d, m.st, GoalField::Time), 0);
  m.st.currentGoal = 1; // the goal edited was goal 0
  EXPECT_EQ(sharedGoalField(d, m.st, GoalField::Points), 0);
  EXPECT_EQ(sharedOrderField(d, m.st, OrderField::Speed), std::nullopt);
  m.st.currentRegion = 1;
  EXPECT_EQ(sharedOrderField(d, m.st, OrderField::Speed),
            orderFieldValue(d.flightGroups[0], OrderField::Speed, 1, 1));
}

TEST(SharedValues, MessageControlsOverTheSelectedMessages) {
  Mission m;
  m.st.selectedMsgs = {1, 2};
  m.only(2, [](const EditorState& s) { return storeMessageDelay(25, s); });
  m.only(1, [](const EditorState& s) { return storeMessageId("ABC", s); });
  m.only(0, [](const EditorState& s) { return storeMessageColour(3, s); });
  EXPECT_EQ(sharedMessageField(m.d, m.st, MessageField::Delay), std::nullopt);
  EXPECT_EQ(sharedMessageId(m.d, m.st), std::nullopt);
  EXPECT_EQ(sharedMessageField(m.d, m.st, MessageField::Colour), 0);
  m.run(storeCancelAnd(true, m.st));
  EXPECT_EQ(sharedMessageField(m.d, m.st, MessageField::CancelAnd), 1);
  m.only(2, [](const EditorState& s) { return storeCancelAnd(false, s); });
  EXPECT_EQ(sharedMessageField(m.d, m.st, MessageField::CancelAnd), std::nullopt);
}

TEST(SharedValues, CaptionCountsOnlySeveral) {
  EXPECT_EQ(selectedCountText(3), " (3 selected)");
  EXPECT_EQ(selectedCountText(1), "");
  EXPECT_EQ(selectedCountText(0), "");
}
