#include "core/mission/fg_rules.h"
#include "core/mission/list_commands.h"
#include "core/mission/new_mission.h"
#include "support/apply_checked.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace zephlo;
using zephlo::testing::applyChecked;

namespace {

// Offsets are written out here rather than taken from the layout constants,
// so a wrong constant cannot hide a wrong reference.
enum class Where { FlightGroup, Message, GlobalGoal };

struct Ref {
  Where where;
  int record;
  std::size_t typeOff;
  std::size_t valueOff;
  bool typed; // adjusted only when the type byte is 1
};

Byte* recordOf(Document& d, Where w, int k) {
  const auto i = static_cast<std::size_t>(k);
  switch (w) {
  case Where::FlightGroup: return d.flightGroups[i].record.data();
  case Where::Message: return d.messages[i].record.data();
  case Where::GlobalGoal: return d.globalGoals[i].record.data();
  }
  return nullptr;
}

std::vector<Ref> allReferences(const Document& d) {
  std::vector<Ref> out;
  const int fgs = static_cast<int>(d.flightGroups.size());
  for (int k = 0; k < fgs; ++k) {
    for (std::size_t off : {136u, 142u, 152u, 158u, 172u, 178u}) // arrival 1, 2, departure
      out.push_back({Where::FlightGroup, k, off + 1, off + 2, true});
    for (std::size_t off : {194u, 196u, 198u, 200u}) // motherships
      out.push_back({Where::FlightGroup, k, 0, off, false});
    for (std::size_t o = 0; o < 16; ++o) { // order targets, all regions
      const std::size_t base = 202 + o * 148;
      for (auto [type, value] : {std::pair{12u, 13u}, {14u, 15u}, {6u, 8u}, {7u, 9u}})
        out.push_back({Where::FlightGroup, k, base + type, base + value, true});
    }
  }
  for (int k = 0; k < static_cast<int>(d.messages.size()); ++k)
    for (std::size_t off : {92u, 98u, 108u, 114u})
      out.push_back({Where::Message, k, off + 1, off + 2, true});
  for (int k = 0; k < 10; ++k)
    for (std::size_t b = 0; b < 3; ++b)
      for (std::size_t off : {2u, 8u, 18u, 24u})
        out.push_back({Where::GlobalGoal, k, b * 122 + off + 1, b * 122 + off + 2, true});
  return out;
}

Templates templates() { return makeTemplates(MissionPrefs{}, 0); }

// The editor's voice list as the commands see it: its entries and whether
// it must be offered for saving.
struct VoiceList {
  std::vector<std::string> entries;
  bool changed = false;
};

struct TestContext {
  const Templates* templates = nullptr;
  MissionPrefs prefs;
  VoiceList* voices = nullptr;
  bool voicePanelVisible = false;
};

TestContext context(const Templates& t, VoiceList* voices = nullptr, bool panelVisible = false) {
  TestContext c;
  c.templates = &t;
  c.voices = voices;
  c.voicePanelVisible = panelVisible;
  return c;
}

std::string label(const char* prefix, int k) {
  std::string s = prefix;
  s += std::to_string(k);
  return s;
}

std::string fgName(int k) { return label("FG", k); }

// A mission with flight groups named FG0.. and messages "M0".. numbered by position.
Document mission(int flightGroups, int messages = 0) {
  Document d = newMission({});
  const Templates t = templates();
  d.flightGroups[0].setName(fgName(0));
  for (int k = 1; k < flightGroups; ++k) {
    FGObject f = makeFlightGroup(t, 0, 0, true);
    f.setName(fgName(k));
    d.flightGroups.push_back(f);
  }
  for (int k = 0; k < messages; ++k) {
    MsgObject m;
    m.record = t.message;
    m.setText(label("M", k));
    setU16(m.record, 0, static_cast<std::uint16_t>(k));
    d.messages.push_back(m);
  }
  setU16(d.header, hdr::NumFGs, static_cast<std::uint16_t>(flightGroups));
  setU16(d.header, hdr::NumMessages, static_cast<std::uint16_t>(messages));
  return d;
}

std::vector<std::string> fgNames(const Document& d) {
  std::vector<std::string> out;
  for (const auto& f : d.flightGroups)
    out.push_back(f.name());
  return out;
}

std::vector<std::string> msgTexts(const Document& d) {
  std::vector<std::string> out;
  for (const auto& m : d.messages)
    out.push_back(m.text());
  return out;
}

std::vector<int> msgNumbers(const Document& d) {
  std::vector<int> out;
  for (const auto& m : d.messages)
    out.push_back(getU16(m.record, 0));
  return out;
}

std::vector<Block<size::flightGroup>> fgRecords(const Document& d) {
  std::vector<Block<size::flightGroup>> out;
  for (const auto& f : d.flightGroups)
    out.push_back(f.record);
  return out;
}

std::vector<Block<size::message>> msgRecords(const Document& d) {
  std::vector<Block<size::message>> out;
  for (const auto& m : d.messages)
    out.push_back(m.record);
  return out;
}

// Flight-group trigger: arrival pair 1, first trigger.
Byte& arrivalVar(Document& d, int k) {
  return d.flightGroups[static_cast<std::size_t>(k)].record[138];
}
void setArrival(Document& d, int k, Byte v) {
  d.flightGroups[static_cast<std::size_t>(k)].record[137] = 1;
  arrivalVar(d, k) = v;
}

std::vector<std::string> voices(int n, const std::string& prefix = "V") {
  std::vector<std::string> out;
  for (int k = 0; k < n; ++k)
    out.push_back(label(prefix.c_str(), k) + ".WAV");
  return out;
}

// What the last command changed.
Change lastChange;

// Runs a list command as the editor does, through an edit, and checks that
// undo gives back exactly the document it started from and redo the edited one.
template <class Fn> void run(Document& d, EditorState& st, VoiceList* vl, Fn fn) {
  if (vl) d.voiceEntries = vl->entries;
  const Applied r = applyChecked(d, st, {"test", "", [&](Edit& e) -> Status { return fn(e); }});
  lastChange = r.change;
  if (vl) {
    vl->entries = d.voiceEntries;
    vl->changed |= r.change.voices;
  }
}

ListContext real(const TestContext& c) { return {c.templates, c.prefs, c.voicePanelVisible}; }

void reindexFlightGroups(Document& d, int i, Reindex op) {
  EditorState st;
  run(d, st, nullptr, [&](Edit& e) {
    zephlo::reindexFlightGroups(e, i, op);
    return Status{};
  });
}
void newFlightGroup(Document& d, EditorState& st, const TestContext& c) {
  run(d, st, c.voices, [&](Edit& e) { return zephlo::newFlightGroup(e, real(c)); });
}
void newMessage(Document& d, EditorState& st, const TestContext& c) {
  run(d, st, c.voices, [&](Edit& e) { return zephlo::newMessage(e, real(c)); });
}
void deleteFlightGroups(Document& d, EditorState& st, const TestContext& c) {
  run(d, st, c.voices, [&](Edit& e) {
    zephlo::deleteFlightGroups(e, real(c));
    return Status{};
  });
}
void deleteMessages(Document& d, EditorState& st, const TestContext& c) {
  run(d, st, c.voices, [&](Edit& e) {
    zephlo::deleteMessages(e, real(c));
    return Status{};
  });
}
void pasteFlightGroup(Document& d, EditorState& st, const Clipboards& clip) {
  run(d, st, nullptr, [&](Edit& e) { return zephlo::pasteFlightGroup(e, clip.flightGroup); });
}
void pasteMessage(Document& d, EditorState& st, const Clipboards& clip, const TestContext& c) {
  run(d, st, c.voices, [&](Edit& e) { return zephlo::pasteMessage(e, clip.message, real(c)); });
}
template <class Move> bool move(Document& d, EditorState& st, VoiceList* vl, Move m) {
  run(d, st, vl, [&](Edit& e) {
    m(e);
    return Status{};
  });
  return !lastChange.empty();
}
bool moveFlightGroupsUp(Document& d, EditorState& st) {
  return move(d, st, nullptr, zephlo::moveFlightGroupsUp);
}
bool moveFlightGroupsDown(Document& d, EditorState& st) {
  return move(d, st, nullptr, zephlo::moveFlightGroupsDown);
}
bool moveMessagesUp(Document& d, EditorState& st, const TestContext& c) {
  return move(d, st, c.voices, zephlo::moveMessagesUp);
}
bool moveMessagesDown(Document& d, EditorState& st, const TestContext& c) {
  return move(d, st, c.voices, zephlo::moveMessagesDown);
}

} // namespace

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
