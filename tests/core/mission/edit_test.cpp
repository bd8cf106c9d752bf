#include "core/mission/edit.h"
#include "core/mission/list_commands.h"
#include "support/apply_checked.h"
#include "support/test_documents.h"

#include <gtest/gtest.h>

#include <random>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

Applied applyOk(Document& d, EditorState& st, const Operation& op) {
  return applyChecked(d, st, op);
}

Operation writeFGByte(std::vector<int> fgs, std::size_t off, Byte v) {
  return editFlightGroups("Edit", "", std::move(fgs),
                          [off, v](FGObject& f, Edit&) { f.record[off] = v; });
}

// A random edit of any kind the editor makes: list commands, field writes
// over selections, and every part outside the lists.
Operation randomOperation(std::mt19937& rng, const Document& d, const Templates& t,
                          const Clipboards& clip) {
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  const int fgs = static_cast<int>(d.flightGroups.size());
  const int msgs = static_cast<int>(d.messages.size());
  const auto b = static_cast<Byte>(pick(256));
  ListContext ctx{&t, {}, pick(2) == 0};
  const ListPage page = pick(2) == 0 ? ListPage::FlightGroups : ListPage::Messages;
  switch (pick(12)) {
  case 0: return newItemOperation(page, ctx);
  case 1: return deleteOperation(page, ctx);
  case 2: return pasteOperation(page, clip, ctx);
  case 3: return moveUpOperation(page);
  case 4: return moveDownOperation(page);
  case 5: {
    std::vector<int> sel;
    for (int k = 0; k < 1 + pick(4); ++k)
      sel.push_back(pick(fgs));
    // An order byte changes the region set, a start point the map position.
    const std::size_t off =
        pick(2) ? fg::orderOffset(1 + pick(4), 1 + pick(4)) + pick(4)
                : static_cast<std::size_t>(pick(static_cast<int>(size::flightGroup)));
    return writeFGByte(sel, off, b);
  }
  case 6:
    return editFlightGroups("Move", "", {pick(fgs)}, [&rng, b](FGObject& f, Edit&) {
      f.setStartPoint(1 + static_cast<int>(rng() % 4),
                      {static_cast<std::int16_t>(b * 40 - 5000), 0, 0, 1});
      f.briefingPoint.x = static_cast<std::int16_t>(b);
      setGoalText(f.goalStrings[rng() % 24], "goal " + std::to_string(b));
    });
  case 7:
    if (msgs == 0) return newItemOperation(ListPage::Messages, ctx);
    return editMessages("Text", "", {pick(msgs), pick(msgs)}, [b](MsgObject& m, Edit&) {
      m.setText("text " + std::to_string(b));
      m.record[msg::SentTo + b % 8] ^= 1;
      m.computeSentToAny();
    });
  case 8:
    return {"Header", "", [b, k = pick(4)](Edit& e) -> Status {
              e.header()[hdr::MissionType] = b;
              e.optional(k).value = b;
              e.teamIff()[b % kTeamCount] = b;
              return {};
            }};
  case 9:
    return {"Teams", "", [b](Edit& e) -> Status {
              e.team(b % kTeamCount).setName("Team " + std::to_string(b));
              e.globalGoal(b % kTeamCount).record[gg::Points] = b;
              setGoalText(e.globalGoalStrings(b % kTeamCount).strings[b % 36], "won");
              return {};
            }};
  case 10:
    return {"Briefing and texts", "", [b](Edit& e) -> Status {
              Briefing& br = e.briefing();
              br.texts[b % 128] = std::string(b % 300, 'x');
              br.tags[0] = "tag";
              br.setRunningTime(b);
              setText(e.notes(), 0, size::textSection, "note " + std::to_string(b));
              e.description()[b] = b;
              return {};
            }};
  default:
    return {"Voices", "", [b](Edit& e) -> Status {
              e.voices().push_back("v" + std::to_string(b) + ".wav");
              return {};
            }};
  }
}

} // namespace

TEST(Edit, EveryKindOfEditUndoesAndRedoesExactly) {
  // Random edits of every kind on the large mission, undone one by one back
  // to the original and redone to the end: each step gives back exactly the
  // documents (bytes and derived values) it went between.
  Document d = largeDocument();
  const Document original = d;
  const Templates t = makeTemplates({}, 0);
  Clipboards clip = makeClipboards(t);
  clip.flightGroup = d.flightGroups[5];
  EditorState st;
  st.selectedFGs = {3, 4};
  std::mt19937 rng(11);
  std::vector<Applied> steps;
  std::vector<Document> states{d};
  for (int n = 0; n < 120; ++n) {
    st.selectedFGs = {static_cast<int>(rng() % d.flightGroups.size())};
    st.currentFG = *st.selectedFGs.begin();
    if (!d.messages.empty()) st.selectedMsgs = {static_cast<int>(rng() % d.messages.size())};
    const Operation op = randomOperation(rng, d, t, clip);
    steps.push_back(applyOk(d, st, op));
    states.push_back(d);
    EXPECT_EQ(steps.back().after, st);
  }
  for (std::size_t k = steps.size(); k-- > 0;) {
    steps[k].delta.revert(d);
    ASSERT_EQ(d, states[k]) << "undo of step " << k;
  }
  EXPECT_EQ(d, original);
  for (std::size_t k = 0; k < steps.size(); ++k) {
    steps[k].delta.reapply(d);
    ASSERT_EQ(d, states[k + 1]) << "redo of step " << k;
  }
}

TEST(Edit, KeepsOnlyWhatChanged) {
  Document d = largeDocument();
  EditorState st;
  // One field of one flight group among 192: a few bytes, not a record.
  Applied a = applyOk(d, st, writeFGByte({100}, fg::Formation, 9));
  EXPECT_LT(a.delta.memoryUse(), 1024u);
  EXPECT_EQ(a.change.flightGroups, (std::vector<int>{100}));
  EXPECT_EQ(a.change.fgAspects, unsigned(kFGRecord));
  EXPECT_FALSE(a.change.flightGroupList);
  EXPECT_FALSE(a.change.header);

  // Deleting one of 192 keeps that record and the references that moved,
  // not the list.
  st.currentFG = 10;
  st.selectedFGs = {10};
  const Templates t = makeTemplates({}, 0);
  a = applyOk(d, st, deleteOperation(ListPage::FlightGroups, {&t, {}, false}));
  EXPECT_TRUE(a.change.flightGroupList);
  EXPECT_LT(a.delta.memoryUse(), 192u * 1024u) << "well below a copy of the list";

  // Writing a value that is already there changes nothing.
  const Byte same = d.flightGroups[3].record[fg::Formation];
  a = applyOk(d, st, writeFGByte({3}, fg::Formation, same));
  EXPECT_TRUE(a.delta.empty());
  EXPECT_TRUE(a.change.empty());
}

TEST(Edit, ChangeNamesWhatTheViewsMustRefresh) {
  Document d = generatedDocument({.flightGroups = 6, .messages = 3});
  EditorState st;
  // A drag writes only point coordinates: the views that show none skip it.
  Applied a = applyOk(d, st, editFlightGroups("Drag", "", {2}, [](FGObject& f, Edit&) {
                        Point p = f.startPoint(1);
                        p.x = static_cast<std::int16_t>(p.x + 16);
                        f.setStartPoint(1, p);
                        Byte* w = f.order(4, 4) + ord::waypointOffset(8);
                        setI16(w + wp::Z, static_cast<std::int16_t>(getI16(w + wp::Z) + 1));
                        setI16(f.record.data() + fg::FurtherPoint2 + wp::Y, 77);
                      }));
  EXPECT_EQ(a.change.flightGroups, (std::vector<int>{2}));
  EXPECT_EQ(a.change.fgAspects, unsigned(kFGPosition));
  // The heading turns the craft on the map and shows on the pages.
  a = applyOk(d, st, writeFGByte({2}, fg::Heading, 64));
  EXPECT_EQ(a.change.fgAspects, unsigned(kFGRecord | kFGPosition));
  // A byte beside the waypoints of an order is no point.
  a = applyOk(d, st, writeFGByte({2}, fg::orderOffset(2, 1) + ord::Waypoints - 1, 3));
  EXPECT_EQ(a.change.fgAspects, unsigned(kFGRecord));

  a = applyOk(d, st, editFlightGroups("Order", "", {1, 4}, [](FGObject& f, Edit&) {
                Byte* o = f.order(1, 1);
                o[ord::Command] = 50;
                o[ord::Parameter1] = static_cast<Byte>(f.record[fg::StartRegion] == 3 ? 2 : 3);
              }));
  EXPECT_EQ(a.change.flightGroups, (std::vector<int>{1, 4}));
  EXPECT_EQ(a.change.fgAspects, unsigned(kFGRecord | kFGRegions));

  st.selectedMsgs = {1};
  st.currentMsg = 1;
  a = applyOk(d, st, moveUpOperation(ListPage::Messages));
  EXPECT_TRUE(a.change.messageList);
  EXPECT_FALSE(a.change.flightGroupList);
  EXPECT_TRUE(a.change.voices) << "the voice list follows its messages";
  EXPECT_EQ(a.before.currentMsg, 1);
  EXPECT_EQ(a.after.currentMsg, 0);

  a = applyOk(d, st, {"Team", "", [](Edit& e) -> Status {
                        e.team(7).setName("Pirates");
                        e.globalGoalStrings(2);
                        return {};
                      }});
  EXPECT_TRUE(a.change.teams.test(7));
  EXPECT_EQ(a.change.teams.count(), 1u);
  EXPECT_TRUE(a.change.goalStrings.none()) << "handed out but not changed";
}

TEST(Edit, AFailedOperationLeavesNothingBehind) {
  Document d = generatedDocument({.flightGroups = 4, .messages = 2});
  const Document before = d;
  EditorState st;
  st.currentFG = 2;
  const EditorState stBefore = st;
  const Operation op{"Broken", "", [](Edit& e) -> Status {
                       e.flightGroup(1).setName("half way");
                       e.eraseFlightGroup(0);
                       e.header()[0] = 99;
                       e.voices().push_back("x.wav");
                       e.state().currentFG = 0;
                       return makeError(ErrorKind::Refused, "cannot");
                     }};
  auto r = applyOperation(d, st, op);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().message, "cannot");
  EXPECT_EQ(d, before);
  EXPECT_EQ(st, stBefore);
}

TEST(Edit, ListsStopAtTheLimitOfTheFile) {
  // The file counts records in 16 bits: a list at 65535 takes no more, and
  // the refusal says why.
  Document d = newMission({});
  const Templates t = makeTemplates({}, 0);
  d.messages.resize(kMaxRecords);
  EditorState st;
  const Clipboards clip = makeClipboards(t);
  for (const Operation& op : {newItemOperation(ListPage::Messages, {&t, {}, false}),
                              pasteOperation(ListPage::Messages, clip, {&t, {}, false})}) {
    auto r = applyOperation(d, st, op);
    ASSERT_FALSE(r.ok()) << op.name;
    EXPECT_EQ(r.error().kind, ErrorKind::Refused);
    EXPECT_NE(r.error().message.find("65535 messages"), std::string::npos) << r.error().message;
    EXPECT_EQ(d.messages.size(), kMaxRecords);
  }
}
