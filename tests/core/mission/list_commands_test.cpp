#include "list_fixture.h"

using namespace zephlo;
using namespace zephlo::testing::lists;

TEST(ListCommandsReindex, SingleReferenceRule) {
  // Remove(2): the deleted one names nothing, later ones move down, 255 stays.
  const Byte removed[] = {0, 1, 255, 2, 3, 4};
  for (Byte r = 0; r < 6; ++r)
    EXPECT_EQ(reindexedFlightGroup(r, 2, Reindex::Remove), removed[r]) << int(r);
  EXPECT_EQ(reindexedFlightGroup(255, 2, Reindex::Remove), 255);
  EXPECT_EQ(reindexedFlightGroup(255, 0, Reindex::Remove), 255);
  EXPECT_EQ(reindexedFlightGroup(0, 0, Reindex::Remove), 255);
  EXPECT_EQ(reindexedFlightGroup(254, 0, Reindex::Remove), 253);

  const Byte up[] = {0, 2, 1, 3, 4};
  const Byte down[] = {0, 1, 3, 2, 4};
  for (Byte r = 0; r < 5; ++r) {
    EXPECT_EQ(reindexedFlightGroup(r, 2, Reindex::SwapUp), up[r]) << int(r);
    EXPECT_EQ(reindexedFlightGroup(r, 2, Reindex::SwapDown), down[r]) << int(r);
  }
  EXPECT_EQ(reindexedFlightGroup(255, 254, Reindex::SwapDown), 255);
  EXPECT_EQ(reindexedFlightGroup(255, 1, Reindex::SwapUp), 255);
  // No neighbour above the first flight group: nothing to exchange.
  EXPECT_EQ(reindexedFlightGroup(0, 0, Reindex::SwapUp), 0);
}

TEST(ListCommandsReindex, ChangesOnlyFlightGroupReferences) {
  // Random records everywhere: after each operation every byte is as before
  // except the flight-group references, which follow the rule. This covers
  // the kinds that must stay: skip triggers, message cancel triggers, order
  // variables, triggers and targets of other types, and the briefing.
  for (Reindex op : {Reindex::Remove, Reindex::SwapUp, Reindex::SwapDown}) {
    Document d = mission(7, 4);
    std::mt19937 rng(static_cast<unsigned>(op) + 7);
    std::uniform_int_distribution<int> byte(0, 255);
    auto smallRef = [&] { return static_cast<Byte>(byte(rng) % 8 == 7 ? 255 : byte(rng) % 7); };
    for (auto& f : d.flightGroups)
      for (auto& b : f.record)
        b = static_cast<Byte>(byte(rng));
    for (auto& m : d.messages)
      for (auto& b : m.record)
        b = static_cast<Byte>(byte(rng));
    for (auto& g : d.globalGoals)
      for (auto& b : g.record)
        b = static_cast<Byte>(byte(rng));
    // Make most references real ones of type flight group, some of another type.
    for (const Ref& r : allReferences(d)) {
      Byte* p = recordOf(d, r.where, r.record);
      p[r.valueOff] = smallRef();
      if (r.typed) p[r.typeOff] = static_cast<Byte>(byte(rng) % 4 == 0 ? 2 : 1);
    }
    // The kinds that are never adjusted, all naming flight group 3 as type 1.
    for (auto& f : d.flightGroups) {
      for (int o = 0; o < 16; ++o) {
        f.record[2570 + static_cast<std::size_t>(o) * 16 + 1] = 1; // skip trigger 1
        f.record[2570 + static_cast<std::size_t>(o) * 16 + 2] = 3;
        f.record[2570 + static_cast<std::size_t>(o) * 16 + 7] = 1; // skip trigger 2
        f.record[2570 + static_cast<std::size_t>(o) * 16 + 8] = 3;
        f.record[202 + static_cast<std::size_t>(o) * 148 + 2] = 3; // order variables
        f.record[202 + static_cast<std::size_t>(o) * 148 + 3] = 3;
      }
    }
    for (auto& m : d.messages) {
      m.record[145] = 1; // cancel triggers
      m.record[146] = 3;
      m.record[151] = 1;
      m.record[152] = 3;
    }
    d.briefing.texts[0] = "FG 3 briefing";
    const Document before = d;
    ASSERT_EQ(allReferences(d).size(), 7u * (6 + 4 + 64) + 4u * 4 + 10u * 12);

    const int i = 3;
    reindexFlightGroups(d, i, op);

    auto expect = [&](Byte r) -> Byte {
      if (r == 255) return 255;
      switch (op) {
      case Reindex::Remove: return r == i ? 255 : (r > i ? static_cast<Byte>(r - 1) : r);
      case Reindex::SwapUp: return r == i ? i - 1 : (r == i - 1 ? i : r);
      case Reindex::SwapDown: return r == i ? i + 1 : (r == i + 1 ? i : r);
      }
      return r;
    };
    // Expected image: the old bytes with each adjustable reference mapped.
    Document want = before;
    for (const Ref& r : allReferences(want)) {
      Byte* p = recordOf(want, r.where, r.record);
      if (!r.typed || p[r.typeOff] == 1) p[r.valueOff] = expect(p[r.valueOff]);
    }
    for (std::size_t k = 0; k < d.flightGroups.size(); ++k)
      EXPECT_EQ(d.flightGroups[k].record, want.flightGroups[k].record) << "fg " << k;
    for (std::size_t k = 0; k < d.messages.size(); ++k)
      EXPECT_EQ(d.messages[k].record, want.messages[k].record) << "msg " << k;
    for (std::size_t k = 0; k < d.globalGoals.size(); ++k)
      EXPECT_EQ(d.globalGoals[k].record, want.globalGoals[k].record) << "gg " << k;
    EXPECT_EQ(d.briefing, before.briefing);
    EXPECT_EQ(d.flightGroups[0].record[2572], 3);
    EXPECT_EQ(d.messages[0].record[146], 3);
  }
}

TEST(ListCommandsNew, FlightGroup) {
  Document d = mission(2);
  d.teamIff[0] = 3;
  const Templates t = templates();
  EditorState st;
  st.currentRegion = 3;
  st.currentGoal = 5;
  st.selectedFGs = {0, 1};
  TestContext ctx{&t, MissionPrefs{1, 2, false}, nullptr, false};

  newFlightGroup(d, st, ctx);
  ASSERT_EQ(d.flightGroups.size(), 3u);
  EXPECT_EQ(d.numFGsField(), 3);
  const FGObject& f = d.flightGroups[2];
  EXPECT_EQ(f.name(), "Unnamed");
  EXPECT_EQ(f.at(fg::Iff), 3);
  EXPECT_EQ(f.at(fg::StartRegion), 2);
  EXPECT_EQ(regionSet(f), (std::array<Byte, 4>{0, 0, 1, 0}));
  EXPECT_EQ(f.startPoint(1).enabled, 1);
  EXPECT_FALSE(f.autolink);
  EXPECT_EQ(st.currentFG, 2);
  EXPECT_EQ(st.currentGoal, 0);
  EXPECT_EQ(st.selectedFGs, (std::set<int>{2}));
  // The views learn that the list grew by one new flight group.
  EXPECT_TRUE(lastChange.flightGroupList);
  EXPECT_EQ(lastChange.flightGroups, (std::vector<int>{2}));
  EXPECT_TRUE(lastChange.header) << "the header's count follows the list";

  ctx.prefs.autolink = true;
  st = EditorState{};
  newFlightGroup(d, st, ctx);
  EXPECT_TRUE(d.flightGroups[3].autolink);
  EXPECT_EQ(d.flightGroups[3].at(fg::StartRegion), 0);
  EXPECT_EQ(d.numFGsField(), 4);
  EXPECT_FALSE(lastChange.empty());
}

TEST(ListCommandsNew, Message) {
  Document d = mission(1, 2);
  const Templates t = templates();
  VoiceList vl{voices(2), false};
  EditorState st;
  st.selectedMsgs = {0, 1};
  TestContext ctx = context(t, &vl, false);

  newMessage(d, st, ctx);
  ASSERT_EQ(d.messages.size(), 3u);
  EXPECT_EQ(d.numMessagesField(), 3);
  const MsgObject& m = d.messages[2];
  EXPECT_EQ(m.text(), "New Message");
  EXPECT_EQ(getU16(m.record, 0), 2);
  EXPECT_EQ(m.record[82], 1);
  for (int k = 1; k < 8; ++k)
    EXPECT_EQ(m.record[82 + static_cast<std::size_t>(k)], 0);
  EXPECT_EQ(m.sentToAnyTeam, 1);
  EXPECT_EQ(st.currentMsg, 2);
  EXPECT_EQ(st.selectedMsgs, (std::set<int>{2}));
  EXPECT_FALSE(lastChange.empty());
  EXPECT_FALSE(vl.changed); // panel hidden
  EXPECT_EQ(vl.entries.size(), 2u);

  ctx.voicePanelVisible = true;
  Document empty = mission(1, 0);
  EditorState st2;
  newMessage(empty, st2, ctx);
  EXPECT_EQ(empty.messages.size(), 1u);
  EXPECT_EQ(getU16(empty.messages[0].record, 0), 0);
  EXPECT_EQ(st2.currentMsg, 0);
  EXPECT_TRUE(vl.changed);
}

TEST(ListCommandsDeleteFlightGroups, OnlyFlightGroupBecomesTemplate) {
  Document d = newMission({});
  const Templates t = templates();
  FGObject& f = d.flightGroups[0];
  f.setName("Red");
  f.set(fg::StartRegion, 2);
  f.set(fg::CraftType, 40);
  f.setStartPoint(1, {500, 0, 0, 1});
  EditorState st;
  st.selectedFGs = {0};
  st.currentGoal = 4;
  deleteFlightGroups(d, st, context(t));

  ASSERT_EQ(d.flightGroups.size(), 1u);
  EXPECT_EQ(d.flightGroups[0].record, t.flightGroup);
  EXPECT_EQ(d.flightGroups[0].name(), "Unnamed");
  // What is saved is the template too, not the old start point.
  EXPECT_EQ(d.flightGroups[0].recordForFile(), t.flightGroup);
  EXPECT_EQ(regionSet(d.flightGroups[0]), (std::array<Byte, 4>{1, 0, 0, 0}));
  EXPECT_EQ(d.numFGsField(), 1);
  EXPECT_EQ(st.currentFG, 0);
  EXPECT_EQ(st.currentGoal, 0);
  EXPECT_EQ(st.selectedFGs, (std::set<int>{0}));
  EXPECT_FALSE(lastChange.empty());
}

TEST(ListCommandsDeleteFlightGroups, ThirdOfFiveReindexesAndFollowsCurrent) {
  Document d = mission(5, 1);
  const Templates t = templates();
  setArrival(d, 0, 4);
  setArrival(d, 1, 2);
  setArrival(d, 2, 3);
  setArrival(d, 4, 255);
  d.flightGroups[4].record[194] = 3; // mothership: the deleted one
  d.flightGroups[0].record[200] = 4;
  d.messages[0].record[93] = 1;
  d.messages[0].record[94] = 4;
  d.globalGoals[9].record[244 + 25] = 1; // secondary block, fourth trigger
  d.globalGoals[9].record[244 + 26] = 3;
  EditorState st;
  st.currentFG = 3;
  st.selectedFGs = {3};
  deleteFlightGroups(d, st, context(t));

  EXPECT_EQ(fgNames(d), (std::vector<std::string>{"FG0", "FG1", "FG2", "FG4"}));
  EXPECT_EQ(d.numFGsField(), 4);
  EXPECT_EQ(arrivalVar(d, 0), 3);   // 4 -> 3
  EXPECT_EQ(arrivalVar(d, 1), 2);   // 2 unchanged
  EXPECT_EQ(arrivalVar(d, 2), 255); // the deleted one names nothing
  EXPECT_EQ(arrivalVar(d, 3), 255); // stays "none"
  EXPECT_EQ(d.flightGroups[3].record[194], 255);
  EXPECT_EQ(d.flightGroups[0].record[200], 3);
  EXPECT_EQ(d.messages[0].record[94], 3);
  EXPECT_EQ(d.globalGoals[9].record[270], 255);
  EXPECT_EQ(st.currentFG, 3); // 3 - 1, then + 1 since it was not 0
  EXPECT_EQ(st.selectedFGs, (std::set<int>{3}));
  EXPECT_FALSE(lastChange.empty());
}

TEST(ListCommandsDeleteFlightGroups, SelectionsAndCurrentIndex) {
  const Templates t = templates();
  struct Case {
    int current;
    std::set<int> selection;
    std::vector<std::string> names;
    int newCurrent;
  };
  const Case cases[] = {
      {0, {0}, {"FG1", "FG2", "FG3", "FG4"}, 0},
      {4, {1, 2}, {"FG0", "FG3", "FG4"}, 2},     // 2 + 1 clamped
      {4, {4}, {"FG0", "FG1", "FG2", "FG3"}, 3}, // 3 + 1 clamped
      {1, {}, {"FG0", "FG2", "FG3", "FG4"}, 1},  // empty selection: the current line
      {2, {0}, {"FG1", "FG2", "FG3", "FG4"}, 2},
      {1, {0, 2, 4}, {"FG1", "FG3"}, 1},
      {3, {1, 9, -1}, {"FG0", "FG2", "FG3", "FG4"}, 3}, // invalid lines are ignored
  };
  for (const Case& c : cases) {
    Document d = mission(5);
    EditorState st;
    st.currentFG = c.current;
    st.selectedFGs = c.selection;
    deleteFlightGroups(d, st, context(t));
    SCOPED_TRACE("current " + std::to_string(c.current));
    EXPECT_EQ(fgNames(d), c.names);
    EXPECT_EQ(static_cast<std::size_t>(d.numFGsField()), c.names.size());
    EXPECT_EQ(st.currentFG, c.newCurrent);
    EXPECT_EQ(st.selectedFGs, (std::set<int>{c.newCurrent}));
    EXPECT_FALSE(lastChange.empty());
  }
}

TEST(ListCommandsDeleteFlightGroups, MultiSelectionReferences) {
  Document d = mission(6);
  const Templates t = templates();
  // FG5 refers to every other flight group through its order targets.
  Byte* ord = d.flightGroups[5].order(4, 4);
  ord[12] = 1, ord[13] = 0;
  ord[14] = 1, ord[15] = 1;
  ord[6] = 1, ord[8] = 2;
  ord[7] = 1, ord[9] = 3;
  Byte* ord2 = d.flightGroups[5].order(2, 1);
  ord2[12] = 1, ord2[13] = 4;
  ord2[14] = 3, ord2[15] = 4; // not a flight-group target
  EditorState st;
  st.currentFG = 5;
  st.selectedFGs = {1, 3};
  deleteFlightGroups(d, st, context(t));

  EXPECT_EQ(fgNames(d), (std::vector<std::string>{"FG0", "FG2", "FG4", "FG5"}));
  ord = d.flightGroups[3].order(4, 4);
  EXPECT_EQ(ord[13], 0);
  EXPECT_EQ(ord[15], 255);
  EXPECT_EQ(ord[8], 1);
  EXPECT_EQ(ord[9], 255); // not pulled down again by the later removal
  ord2 = d.flightGroups[3].order(2, 1);
  EXPECT_EQ(ord2[13], 2);
  EXPECT_EQ(ord2[15], 4);
  EXPECT_EQ(st.currentFG, 3); // 5 -> 4 -> 3, + 1, clamped
}

TEST(ListCommandsDeleteFlightGroups, NeverLeavesTheListEmpty) {
  const Templates t = templates();
  Document d = mission(3);
  EditorState st;
  st.currentFG = 2;
  st.selectedFGs = {0, 1, 2};
  deleteFlightGroups(d, st, context(t));
  ASSERT_EQ(d.flightGroups.size(), 1u);
  EXPECT_EQ(d.flightGroups[0].record, t.flightGroup);
  EXPECT_EQ(d.numFGsField(), 1);
  EXPECT_EQ(st.currentFG, 0);
  EXPECT_EQ(st.selectedFGs, (std::set<int>{0}));

  // A current index past the end names no flight group: nothing is deleted.
  Document d2 = mission(3);
  EditorState st2;
  st2.currentFG = 7;
  st2.selectedFGs = {1};
  deleteFlightGroups(d2, st2, context(t));
  EXPECT_EQ(fgNames(d2), (std::vector<std::string>{"FG0", "FG1", "FG2"}));
  EXPECT_EQ(st2.currentFG, 2);
  EXPECT_TRUE(lastChange.empty());
}

TEST(ListCommandsDeleteMessages, VoiceListKeepsStep) {
  const Templates t = templates();
  {
    // Message 2 of 70 with a 64-entry list.
    Document d = mission(1, 70);
    d.voiceListPath = "m.lst";
    VoiceList vl{voices(64), false};
    EditorState st;
    st.currentMsg = 2;
    st.selectedMsgs = {2};
    deleteMessages(d, st, context(t, &vl, false));
    ASSERT_EQ(vl.entries.size(), 64u);
    EXPECT_EQ(vl.entries[1], "V1.WAV");
    EXPECT_EQ(vl.entries[2], "V3.WAV");
    EXPECT_EQ(vl.entries[62], "V63.WAV");
    EXPECT_EQ(vl.entries[63], "dummy.wav");
    EXPECT_TRUE(vl.changed); // the list changed, so it must be offered for saving
    EXPECT_EQ(d.messages.size(), 69u);
    EXPECT_EQ(d.numMessagesField(), 69);
    EXPECT_EQ(d.messages[2].text(), "M3");
    std::vector<int> positions(69);
    for (int k = 0; k < 69; ++k)
      positions[static_cast<std::size_t>(k)] = k;
    EXPECT_EQ(msgNumbers(d), positions);
    EXPECT_EQ(st.currentMsg, 2);
    EXPECT_EQ(st.selectedMsgs, (std::set<int>{2}));
    EXPECT_FALSE(lastChange.empty());
  }
  {
    // Message 0 of a 70-entry list: the end-of-mission voices keep their places.
    Document d = mission(1, 70);
    VoiceList vl{voices(70), false};
    EditorState st;
    st.selectedMsgs = {0};
    deleteMessages(d, st, context(t, &vl, true));
    ASSERT_EQ(vl.entries.size(), 70u);
    EXPECT_EQ(vl.entries[0], "V1.WAV");
    EXPECT_EQ(vl.entries[62], "V63.WAV");
    EXPECT_EQ(vl.entries[63], "dummy.wav");
    for (int k = 64; k < 70; ++k)
      EXPECT_EQ(vl.entries[static_cast<std::size_t>(k)], "V" + std::to_string(k) + ".WAV");
    EXPECT_TRUE(vl.changed);
  }
  {
    // Messages past the 64th have no voice; the end-of-mission entries stay.
    Document d = mission(1, 70);
    VoiceList vl{voices(70), false};
    EditorState st;
    st.currentMsg = 65;
    st.selectedMsgs = {64, 65};
    deleteMessages(d, st, context(t, &vl, false));
    EXPECT_EQ(vl.entries, voices(70));
    EXPECT_FALSE(vl.changed);
    EXPECT_EQ(d.messages.size(), 68u);
    EXPECT_EQ(st.currentMsg, 65);
  }
  {
    // A short list just loses the entry; entries past its end are not invented.
    Document d = mission(1, 12);
    VoiceList vl{voices(10), false};
    EditorState st;
    st.currentMsg = 11;
    st.selectedMsgs = {1, 3, 11};
    deleteMessages(d, st, context(t, &vl, false));
    EXPECT_EQ(vl.entries, (std::vector<std::string>{"V0.WAV", "V2.WAV", "V4.WAV", "V5.WAV",
                                                    "V6.WAV", "V7.WAV", "V8.WAV", "V9.WAV"}));
    EXPECT_EQ(msgTexts(d),
              (std::vector<std::string>{"M0", "M2", "M4", "M5", "M6", "M7", "M8", "M9", "M10"}));
    EXPECT_EQ(st.currentMsg, 8); // clamped to the last message
    EXPECT_EQ(msgNumbers(d), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  }
  {
    // Panel visible marks the list changed even when no entry was touched.
    Document d = mission(1, 3);
    VoiceList vl{voices(1), false};
    EditorState st;
    st.currentMsg = 2;
    deleteMessages(d, st, context(t, &vl, true));
    EXPECT_EQ(vl.entries.size(), 1u);
    EXPECT_TRUE(vl.changed);
    EXPECT_EQ(msgTexts(d), (std::vector<std::string>{"M0", "M1"}));
  }
}

TEST(ListCommandsDeleteMessages, EmptyAllAndOutOfRange) {
  const Templates t = templates();
  Document d = mission(1, 0);
  VoiceList vl{voices(3), false};
  EditorState st;
  deleteMessages(d, st, context(t, &vl, true));
  EXPECT_TRUE(d.messages.empty());
  EXPECT_TRUE(lastChange.empty());
  EXPECT_FALSE(vl.changed);

  Document all = mission(1, 3);
  EditorState sa;
  sa.currentMsg = 1;
  sa.selectedMsgs = {0, 1, 2};
  deleteMessages(all, sa, context(t));
  EXPECT_TRUE(all.messages.empty());
  EXPECT_EQ(all.numMessagesField(), 0);
  EXPECT_EQ(sa.currentMsg, 0);
  EXPECT_TRUE(sa.selectedMsgs.empty());
  EXPECT_FALSE(lastChange.empty());

  Document out = mission(1, 3);
  EditorState so;
  so.currentMsg = 5;
  so.selectedMsgs = {0};
  deleteMessages(out, so, context(t));
  EXPECT_EQ(msgTexts(out), (std::vector<std::string>{"M0", "M1", "M2"}));
  EXPECT_EQ(so.currentMsg, 2);
  EXPECT_TRUE(lastChange.empty());
}
