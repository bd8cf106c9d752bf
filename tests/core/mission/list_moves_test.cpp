// Copy, paste and moving records up and down the lists.
#include "list_fixture.h"

using namespace zephlo;
using namespace zephlo::testing::lists;

TEST(ListCommandsClipboard, CopyAndPaste) {
  const Templates t = templates();
  Clipboards clip = makeClipboards(t);
  EXPECT_EQ(clip.flightGroup.record, t.flightGroup);
  EXPECT_EQ(regionSet(clip.flightGroup), (std::array<Byte, 4>{1, 0, 0, 0}));
  EXPECT_EQ(clip.message.record, t.message);

  Document d = mission(3, 2);
  FGObject& src = d.flightGroups[1];
  setArrival(d, 1, 0);
  src.record[194] = 2;
  setGoalText(src.goalStrings[4], "Destroy it");
  src.set(fg::StartRegion, 1);
  src.order(2, 3)[ord::Command] = 50; // hyperspace to region 4
  src.order(2, 3)[ord::Parameter1] = 3;
  src.setStartPoint(3, {-300, 0, 0, 1});
  src.autolink = false;
  d.messages[1].record[85] = 1;
  d.messages[1].sentToAnyTeam = 1;
  EditorState st;
  st.currentFG = 1;
  st.currentMsg = 1;
  copyFlightGroup(d, st, clip);
  copyMessage(d, st, clip);
  const auto before = fgRecords(d);

  st.selectedFGs = {0, 1};
  pasteFlightGroup(d, st, clip);
  ASSERT_EQ(d.flightGroups.size(), 4u);
  EXPECT_EQ(d.numFGsField(), 4);
  const FGObject& p = d.flightGroups[3];
  EXPECT_EQ(p.record, before[1]); // references copied as they are
  EXPECT_EQ(goalText(p.goalStrings[4]), "Destroy it");
  EXPECT_EQ(regionSet(p), (std::array<Byte, 4>{0, 1, 0, 1}));
  EXPECT_EQ(p.startPoint(3).x, -300);
  EXPECT_FALSE(p.autolink);
  EXPECT_EQ(st.currentFG, 3);
  EXPECT_EQ(st.selectedFGs, (std::set<int>{3}));
  EXPECT_FALSE(lastChange.empty());

  VoiceList vl{voices(2), false};
  st.selectedMsgs = {0};
  pasteMessage(d, st, clip, context(t, &vl, false));
  ASSERT_EQ(d.messages.size(), 3u);
  EXPECT_EQ(d.numMessagesField(), 3);
  EXPECT_EQ(d.messages[2].text(), "M1");
  EXPECT_EQ(getU16(d.messages[2].record, 0), 2);
  EXPECT_EQ(d.messages[2].record[85], 1);
  EXPECT_EQ(d.messages[2].sentToAnyTeam, 1);
  EXPECT_EQ(getU16(d.messages[1].record, 0), 1); // the original keeps its number
  EXPECT_EQ(st.currentMsg, 2);
  EXPECT_EQ(st.selectedMsgs, (std::set<int>{2}));
  EXPECT_FALSE(lastChange.empty());
  EXPECT_FALSE(vl.changed);
  pasteMessage(d, st, clip, context(t, &vl, true));
  EXPECT_EQ(getU16(d.messages[3].record, 0), 3);
  EXPECT_TRUE(vl.changed);

  // Nothing to copy from an index past the end: the clipboard stays.
  st.currentFG = 40;
  st.currentMsg = 40;
  const Clipboards kept = clip;
  copyFlightGroup(d, st, clip);
  copyMessage(d, st, clip);
  EXPECT_EQ(clip.flightGroup.record, kept.flightGroup.record);
  EXPECT_EQ(clip.message.record, kept.message.record);
}

TEST(ListCommandsMove, Guards) {
  EXPECT_FALSE(canMoveUp({}, 5));
  EXPECT_FALSE(canMoveUp({0}, 5));
  EXPECT_FALSE(canMoveUp({0, 3}, 5));
  EXPECT_TRUE(canMoveUp({1, 4}, 5));
  EXPECT_FALSE(canMoveUp({5}, 5));
  EXPECT_FALSE(canMoveDown({}, 5));
  EXPECT_FALSE(canMoveDown({4}, 5));
  EXPECT_FALSE(canMoveDown({1, 4}, 5));
  EXPECT_TRUE(canMoveDown({0, 3}, 5));
  EXPECT_FALSE(canMoveDown({-1}, 5));

  const Templates t = templates();
  Document d = mission(3, 3);
  setArrival(d, 2, 1);
  VoiceList vl{voices(3), false};
  TestContext ctx = context(t, &vl, true);
  const auto fgs = fgRecords(d);
  const auto msgs = msgRecords(d);
  EditorState st;
  st.selectedFGs = {0, 1};
  st.selectedMsgs = {0};
  EXPECT_FALSE(moveFlightGroupsUp(d, st));
  EXPECT_FALSE(moveMessagesUp(d, st, ctx));
  st.selectedFGs = {2};
  st.selectedMsgs = {1, 2};
  EXPECT_FALSE(moveFlightGroupsDown(d, st));
  EXPECT_FALSE(moveMessagesDown(d, st, ctx));
  st.selectedFGs.clear();
  st.selectedMsgs.clear();
  EXPECT_FALSE(moveFlightGroupsDown(d, st));
  EXPECT_FALSE(moveMessagesUp(d, st, ctx));
  EXPECT_EQ(fgRecords(d), fgs);
  EXPECT_EQ(msgRecords(d), msgs);
  EXPECT_EQ(vl.entries, voices(3));
  EXPECT_FALSE(vl.changed);
  EXPECT_TRUE(lastChange.empty());
}

TEST(ListCommandsMove, FlightGroupUpSwapsReferencesEverywhere) {
  Document d = mission(4, 1);
  FGObject& f = d.flightGroups[3];
  setArrival(d, 3, 2);
  f.record[153] = 1; // arrival pair 2, first trigger
  f.record[154] = 1;
  f.record[179] = 1; // departure pair, second trigger
  f.record[180] = 2;
  f.record[194] = 2;
  f.record[196] = 1;
  f.record[198] = 0;
  f.record[200] = 3;
  for (int r = 1; r <= 4; ++r) {
    Byte* o = f.order(r, r);
    o[12] = 1, o[13] = 2;
    o[14] = 1, o[15] = 1;
    o[6] = 1, o[8] = 2;
    o[7] = 1, o[9] = 1;
    Byte* other = f.order(r, r % 4 + 1);
    other[12] = 2, other[13] = 2; // a target of another type
  }
  d.messages[0].record[109] = 1;
  d.messages[0].record[110] = 2;
  d.globalGoals[4].record[122 + 9] = 1;
  d.globalGoals[4].record[122 + 10] = 1;
  EditorState st;
  st.currentFG = 2;
  st.selectedFGs = {2};
  ASSERT_TRUE(moveFlightGroupsUp(d, st));

  EXPECT_EQ(fgNames(d), (std::vector<std::string>{"FG0", "FG2", "FG1", "FG3"}));
  const FGObject& g = d.flightGroups[3];
  EXPECT_EQ(g.at(138), 1);
  EXPECT_EQ(g.at(154), 2);
  EXPECT_EQ(g.at(180), 1);
  EXPECT_EQ(g.at(194), 1);
  EXPECT_EQ(g.at(196), 2);
  EXPECT_EQ(g.at(198), 0);
  EXPECT_EQ(g.at(200), 3);
  for (int r = 1; r <= 4; ++r) {
    SCOPED_TRACE("region " + std::to_string(r));
    const Byte* o = g.order(r, r);
    EXPECT_EQ(o[13], 1);
    EXPECT_EQ(o[15], 2);
    EXPECT_EQ(o[8], 1);
    EXPECT_EQ(o[9], 2);
    EXPECT_EQ(g.order(r, r % 4 + 1)[13], 2);
  }
  EXPECT_EQ(d.messages[0].record[110], 1);
  EXPECT_EQ(d.globalGoals[4].record[132], 2);
  EXPECT_EQ(d.numFGsField(), 4);
  EXPECT_EQ(st.currentFG, 1);
  EXPECT_EQ(st.selectedFGs, (std::set<int>{1}));
  EXPECT_FALSE(lastChange.empty());

  // And back down again restores every byte.
  ASSERT_TRUE(moveFlightGroupsDown(d, st));
  EXPECT_EQ(fgNames(d), (std::vector<std::string>{"FG0", "FG1", "FG2", "FG3"}));
  EXPECT_EQ(d.flightGroups[3].at(138), 2);
  EXPECT_EQ(d.flightGroups[3].order(4, 4)[13], 2);
  EXPECT_EQ(d.messages[0].record[110], 2);
  EXPECT_EQ(st.currentFG, 2);
}

TEST(ListCommandsMove, FlightGroupMultiSelection) {
  Document d = mission(5);
  for (int k = 0; k < 5; ++k)
    setArrival(d, k, static_cast<Byte>(k)); // each refers to itself
  EditorState st;
  st.currentFG = 2;
  st.selectedFGs = {1, 2};
  ASSERT_TRUE(moveFlightGroupsUp(d, st));
  EXPECT_EQ(fgNames(d), (std::vector<std::string>{"FG1", "FG2", "FG0", "FG3", "FG4"}));
  for (int k = 0; k < 5; ++k)
    EXPECT_EQ(arrivalVar(d, k), k) << "references follow their flight group, " << k;
  EXPECT_EQ(st.selectedFGs, (std::set<int>{0, 1}));
  EXPECT_EQ(st.currentFG, 1);

  st.selectedFGs = {2, 3};
  st.currentFG = 4; // not selected: keeps its index
  ASSERT_TRUE(moveFlightGroupsDown(d, st));
  EXPECT_EQ(fgNames(d), (std::vector<std::string>{"FG1", "FG2", "FG4", "FG0", "FG3"}));
  for (int k = 0; k < 5; ++k)
    EXPECT_EQ(arrivalVar(d, k), k) << k;
  EXPECT_EQ(st.selectedFGs, (std::set<int>{3, 4}));
  EXPECT_EQ(st.currentFG, 4);
  EXPECT_EQ(d.numFGsField(), 5);
}

TEST(ListCommandsMove, MessagesAndVoices) {
  const Templates t = templates();
  {
    // Message 5 up with a 10-entry list exchanges entries 4 and 5.
    Document d = mission(1, 10);
    d.voiceListPath = "m.lst";
    d.messages[5].record[93] = 1; // a flight-group trigger is not touched
    d.messages[5].record[94] = 0;
    VoiceList vl{voices(10), false};
    EditorState st;
    st.currentMsg = 5;
    st.selectedMsgs = {5};
    ASSERT_TRUE(moveMessagesUp(d, st, context(t, &vl, false)));
    EXPECT_EQ(vl.entries[4], "V5.WAV");
    EXPECT_EQ(vl.entries[5], "V4.WAV");
    EXPECT_EQ(vl.entries[6], "V6.WAV");
    EXPECT_TRUE(vl.changed);
    EXPECT_EQ(d.messages[4].text(), "M5");
    EXPECT_EQ(d.messages[5].text(), "M4");
    EXPECT_EQ(d.messages[4].record[94], 0);
    EXPECT_EQ(msgNumbers(d), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(st.currentMsg, 4);
    EXPECT_EQ(st.selectedMsgs, (std::set<int>{4}));
    EXPECT_FALSE(lastChange.empty());
    EXPECT_EQ(d.numMessagesField(), 10);
  }
  {
    // Without a voice list file the entries stay where they are.
    Document d = mission(1, 10);
    VoiceList vl{voices(10), false};
    EditorState st;
    st.selectedMsgs = {5};
    ASSERT_TRUE(moveMessagesDown(d, st, context(t, &vl, false)));
    EXPECT_EQ(vl.entries, voices(10));
    EXPECT_TRUE(vl.changed);
    EXPECT_EQ(d.messages[6].text(), "M5");
  }
  {
    // Entries 64-69 belong to the end-of-mission lines and never move; an
    // exchange needs both entries.
    Document d = mission(1, 70);
    d.voiceListPath = "m.lst";
    VoiceList vl{voices(70), false};
    TestContext ctx = context(t, &vl, false);
    EditorState st;
    st.selectedMsgs = {64};
    ASSERT_TRUE(moveMessagesUp(d, st, ctx));
    EXPECT_EQ(vl.entries, voices(70));
    EXPECT_EQ(msgTexts(d)[63], "M64");
    EXPECT_EQ(msgTexts(d)[64], "M63");
    st.selectedMsgs = {63};
    ASSERT_TRUE(moveMessagesDown(d, st, ctx));
    EXPECT_EQ(vl.entries, voices(70));
    EXPECT_EQ(msgTexts(d)[63], "M63");
    st.selectedMsgs = {63};
    ASSERT_TRUE(moveMessagesUp(d, st, ctx));
    EXPECT_EQ(vl.entries[62], "V63.WAV");
    EXPECT_EQ(vl.entries[63], "V62.WAV");
    st.selectedMsgs = {62};
    ASSERT_TRUE(moveMessagesDown(d, st, ctx));
    EXPECT_EQ(vl.entries, voices(70));

    VoiceList shortList{voices(10), false};
    st.selectedMsgs = {10};
    ASSERT_TRUE(moveMessagesUp(d, st, context(t, &shortList, false)));
    EXPECT_EQ(shortList.entries, voices(10));
  }
  {
    // Several lines move together, voices and current index with them.
    Document d = mission(1, 6);
    d.voiceListPath = "m.lst";
    VoiceList vl{voices(6), false};
    EditorState st;
    st.currentMsg = 3;
    st.selectedMsgs = {2, 3};
    ASSERT_TRUE(moveMessagesDown(d, st, context(t, &vl, false)));
    EXPECT_EQ(msgTexts(d), (std::vector<std::string>{"M0", "M1", "M4", "M2", "M3", "M5"}));
    EXPECT_EQ(vl.entries, (std::vector<std::string>{"V0.WAV", "V1.WAV", "V4.WAV", "V2.WAV",
                                                    "V3.WAV", "V5.WAV"}));
    EXPECT_EQ(msgNumbers(d), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(st.selectedMsgs, (std::set<int>{3, 4}));
    EXPECT_EQ(st.currentMsg, 4);
    ASSERT_TRUE(moveMessagesUp(d, st, context(t, &vl, false)));
    EXPECT_EQ(msgTexts(d), (std::vector<std::string>{"M0", "M1", "M2", "M3", "M4", "M5"}));
    EXPECT_EQ(vl.entries, voices(6));
    EXPECT_EQ(st.currentMsg, 3);
  }
}
