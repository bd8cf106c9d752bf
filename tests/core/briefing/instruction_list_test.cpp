#include "core/briefing/briefing_edits.h"
#include "core/briefing/map_tools.h"
#include "core/briefing/test_instructions.h"
#include "core/mission/new_mission.h"
#include "support/apply_checked.h"

#include <gtest/gtest.h>

using namespace zephlo;
using zephlo::testing::applyChecked;
using zephlo::testing::at;

namespace {

std::vector<int> times(const InstructionList& l) {
  std::vector<int> t;
  for (const auto& c : l)
    t.push_back(instructionTime(c));
  return t;
}

Applied apply(Document& d, EditorState& st, const Operation& op) { return applyChecked(d, st, op); }

} // namespace

TEST(InstructionList, SortInsertDeleteAndMoveKeepTheEndMarkerLast) {
  // Times are unsigned: 40000 sorts after 9999's neighbours below it.
  InstructionList l{at(50, 5, 1),     at(10, 5, 2), at(50, 5, 3),
                    at(-25536, 5, 4), at(20, 5, 5), zephlo::testing::endMarker()};
  const int current = sortByTime(l, 4);
  EXPECT_EQ(times(l), (std::vector<int>{10, 20, 50, 50, 9999, 40000}));
  EXPECT_EQ(l[static_cast<std::size_t>(current)].Index, 5);

  InstructionList m{at(10, 5), at(30, 5), at(30, 5, 9), zephlo::testing::endMarker()};
  // On the list page: before the selection with its time; the end marker
  // gives the time of the line above it; the top line gives 0.
  EXPECT_EQ(insertOnListPage(m, 1, at(0, 3)), 1);
  EXPECT_EQ(instructionTime(m[1]), 30);
  EXPECT_EQ(insertOnListPage(m, 4, at(0, 8)), 4);
  EXPECT_EQ(instructionTime(m[4]), 30);
  EXPECT_EQ(insertOnListPage(m, 0, at(0, 17)), 0);
  EXPECT_EQ(instructionTime(m[0]), 0);
  // At the playback time: after the instructions of the same time.
  InstructionList p{at(10, 5), at(30, 5), at(30, 5, 9), at(40, 5), zephlo::testing::endMarker()};
  EXPECT_EQ(insertAtTime(p, 0, 30, at(0, 3)), 3);
  EXPECT_EQ(insertAtTime(p, 4, 9999, at(0, 3)), 5);
  EXPECT_TRUE(isEndMarker(p.back()));

  // A damaged stream without its end marker, the current row past the end.
  InstructionList open{at(10, 5), at(20, 5)};
  EXPECT_EQ(insertAtTime(open, 7, 30, at(0, 3)), 2);
  EXPECT_EQ(insertAtTime(open, -5, 0, at(0, 3)), 0);
  EXPECT_EQ(open.size(), 4u);

  InstructionList e{at(10, 5), at(20, 5, 1), zephlo::testing::endMarker()};
  EXPECT_FALSE(deleteInstruction(e, 2));
  EXPECT_EQ(moveInstruction(e, 1, false), std::nullopt); // just above the end marker
  EXPECT_EQ(moveInstruction(e, 2, true), std::nullopt);
  EXPECT_EQ(moveInstruction(e, 0, false), 1);
  EXPECT_EQ(e[1].Index, 0);
  EXPECT_EQ(times(e), (std::vector<int>{10, 20, 9999}));
  EXPECT_TRUE(deleteInstruction(e, 0));
  EXPECT_TRUE(deleteInstruction(e, 0));
  EXPECT_FALSE(deleteInstruction(e, 0));
  EXPECT_EQ(e.size(), 1u);
}

TEST(InstructionList, FreeSlotsAndIconNumbers) {
  InstructionList l;
  for (int k = 0; k < 8; ++k)
    l.push_back(at(k, static_cast<std::uint16_t>(brfcode::FirstBox + k)));
  l.push_back(zephlo::testing::endMarker());
  EXPECT_EQ(freeBoxSlot(l, 6).slot, 8);
  const SlotChoice full = freeBoxSlot(l, 7);
  EXPECT_EQ(full.slot, 1);
  EXPECT_NE(full.warning.find("all FG Boxes are in use"), std::string::npos);
  l.insert(l.begin() + 5, at(4, brfcode::ClearBoxes));
  EXPECT_EQ(freeBoxSlot(l, 5).slot, 1); // a clear resets the slots seen before it
  EXPECT_EQ(freeBoxSlot(l, 6).slot, 7);
  EXPECT_TRUE(freeBoxSlot(l, 6).warning.empty());

  // Tags scan only up to the instruction before the current one.
  InstructionList t;
  for (int k = 0; k < 8; ++k)
    t.push_back(at(k, static_cast<std::uint16_t>(brfcode::FirstTag + k)));
  t.push_back(zephlo::testing::endMarker());
  EXPECT_EQ(freeTagSlot(t, 7).slot, 8);
  EXPECT_NE(freeTagSlot(t, 8).warning.find("all Map Tags are in use"), std::string::npos);

  // A new box or tag counts only what comes before it, itself not included.
  InstructionList placed = t;
  placed.insert(placed.begin() + 3, at(2, brfcode::FirstTag + 6, 9));
  EXPECT_TRUE(assignFreeSlot(placed, 3).empty());
  EXPECT_EQ(placed[3].Command, brfcode::FirstTag + 3);
  EXPECT_EQ(placed[3].Index, 9);
  placed.insert(placed.end() - 1, at(9, brfcode::FirstTag));
  EXPECT_NE(assignFreeSlot(placed, static_cast<int>(placed.size()) - 2).find("Clear Tags"),
            std::string::npos);
  EXPECT_EQ(placed[placed.size() - 2].Command, brfcode::FirstTag);
  InstructionList boxes{at(0, brfcode::FirstBox + 4), at(0, brfcode::FirstBox + 7),
                        zephlo::testing::endMarker()};
  EXPECT_TRUE(assignFreeSlot(boxes, 0).empty());
  EXPECT_EQ(boxes[0].Command, brfcode::FirstBox); // nothing before it: slot 1
  EXPECT_TRUE(assignFreeSlot(boxes, 1).empty());
  EXPECT_EQ(boxes[1].Command, brfcode::FirstBox + 1);

  InstructionList icons{at(0, brfcode::NewIcon, 4),       at(0, brfcode::NewIcon, 2),
                        at(10, brfcode::ChangeRegion, 1), at(20, brfcode::NewIcon, 0),
                        at(30, brfcode::ChangeRegion, 2), at(40, brfcode::NewIcon, 7),
                        zephlo::testing::endMarker()};
  EXPECT_EQ(newIconNumber(icons, 1), 5);
  EXPECT_EQ(newIconNumber(icons, 3), 1);
  EXPECT_EQ(newIconNumber(icons, 5), 8);
  EXPECT_EQ(newIconNumber({zephlo::testing::endMarker()}, 0), 0);

  InstructionList info{at(10, 5), at(200, 5), zephlo::testing::endMarker()};
  const int pos = insertShowInfo(info, 0, 100, 3);
  EXPECT_EQ(pos, 1);
  EXPECT_EQ(times(info), (std::vector<int>{10, 100, 200, 220, 9999}));
  EXPECT_EQ(info[1].Index, 1);
  EXPECT_EQ(info[3].Index, 0);
  EXPECT_EQ(info[3].InfoIcon, 3);
}

TEST(InstructionList, EditsGoThroughTheEditPathAndUndoExactly) {
  Document d = newMission({});
  EditorState st;
  auto where = std::make_shared<int>(-1);
  TCommandObject text = at(0, brfcode::Text, 2);
  Applied a = apply(d, st, insertInstructionOnListPage(0, text, where));
  EXPECT_TRUE(a.change.briefing);
  EXPECT_EQ(*where, 0);
  EXPECT_EQ(decodeBriefing(d.briefing).size(), 2u);
  // Changing the time re-sorts; the selection follows the item.
  apply(d, st, insertInstructionOnListPage(1, at(0, brfcode::PageBreak), where));
  TCommandObject later = decodeBriefing(d.briefing)[0];
  later.Time = 75;
  apply(d, st, changeBriefingInstruction(0, later, where));
  EXPECT_EQ(*where, 1);
  EXPECT_EQ(decodeBriefing(d.briefing)[1].Index, 2);
  // Deleting the end marker does nothing; it keeps its code when edited.
  EXPECT_TRUE(apply(d, st, deleteBriefingInstruction(2)).delta.empty());
  TCommandObject endEdit = newInstruction(brfcode::Text);
  apply(d, st, changeBriefingInstruction(2, endEdit, where));
  EXPECT_TRUE(isEndMarker(decodeBriefing(d.briefing).back()));

  // A list that no longer fits 7000 words is refused whole.
  const Document before = d;
  auto tooMany = applyOperation(d, st, editBriefingList("Fill", {}, [](InstructionList& l) {
                                  l.insert(l.begin(), 1400, at(5, brfcode::MoveIcon));
                                  return Status{};
                                }));
  ASSERT_FALSE(tooMany.ok());
  EXPECT_EQ(tooMany.error().kind, ErrorKind::Refused);
  EXPECT_EQ(d, before);

  // Strings, header words and briefing points undo like any edit.
  Applied s = apply(d, st, setBriefingString(true, 3, "Red Squadron"));
  EXPECT_EQ(d.briefing.tags[3], "Red Squadron");
  EXPECT_FALSE(applyOperation(d, st, setBriefingString(false, 0, std::string(256, 'x'))).ok());
  d.flightGroups[0].setStartPoint(1, {321, 0, -7, 1});
  Applied p = apply(d, st, setBriefingPointsToStart1());
  EXPECT_EQ(d.flightGroups[0].briefingPoint, (BriefingPoint{321, 0, -7, false}));
  p.delta.revert(d);
  s.delta.revert(d);
  EXPECT_EQ(d.briefing, before.briefing);
  EXPECT_EQ(d.flightGroups[0].briefingPoint, BriefingPoint{});
}

TEST(MapTools, HitsDragsAndArrowMoves) {
  PlaybackState s;
  s.zoom = 45; // 100 units across, 66.7 down
  s.iconCount = 2;
  s.icons[1] = {1, 0, 500, 500, true, 0, -1};
  s.icons[2] = {1, 0, 540, 500, true, 0, -1};
  EXPECT_EQ(hitBriefingIcon(s, {590, 560}), 1);
  EXPECT_EQ(hitBriefingIcon(s, {620, 500}), 2);
  EXPECT_EQ(hitBriefingIcon(s, {500, 600}), -1);
  s.icons[4] = {1, 0, 2000, 2000, true, 0, -1}; // beyond one past the icons created
  EXPECT_EQ(hitBriefingIcon(s, {2000, 2000}), -1);
  EXPECT_EQ(screenToBriefing(s, 640, 480, briefingToScreen(s, 640, 480, {446, -892})),
            (BriefingMapPoint{446, -892}));

  BriefingDragSettings locked{true, false, 26, 51};
  EXPECT_EQ(briefingDragTo({-130, 120}, {7, 9}, locked), (BriefingMapPoint{7, 102}));
  EXPECT_EQ(briefingDragTo({-130, -120}, {7, 9}, {false, false, 26, 1}),
            (BriefingMapPoint{-130, -120}));
  EXPECT_EQ(briefingDragTo({-140, 0}, {7, 9}, {false, false, 26, 1}).x, -130);
  EXPECT_EQ(
      nextBriefingSnapStep(nextBriefingSnapStep(nextBriefingSnapStep(nextBriefingSnapStep(1)))), 1);

  // Arrow presses from clock 0: tick 1, then one tick and one Move Icon each.
  Document d = newMission({});
  EditorState st;
  InstructionList opening{at(0, brfcode::NewIcon, 0), zephlo::testing::endMarker()};
  opening[0].CraftType = 1;
  apply(d, st, setBriefingList("Open", {}, opening));
  BriefingPlayback pb;
  pb.load(d.briefing);
  for (ArrowMove m : {ArrowMove::Right, ArrowMove::Right, ArrowMove::UpLeft}) {
    ArrowEdit e = arrowMove(pb, 0, m);
    apply(d, st, e.op);
    afterArrowMove(pb, decodeBriefing(d.briefing), e);
  }
  const InstructionList l = decodeBriefing(d.briefing);
  EXPECT_EQ(times(l), (std::vector<int>{0, 1, 2, 3, 9999}));
  EXPECT_EQ(pb.time(), 4);
  EXPECT_EQ(pb.state().icons[0].x, 52);
  EXPECT_EQ(pb.state().icons[0].y, -28);
  EXPECT_EQ(l[3].X, 52);
  // Dragging the icon edits the Move Icon that placed it last.
  EXPECT_EQ(dragInstructionForIcon(l, 0, pb.state().icons[0].lastMove, pb.time()), 3);
  EXPECT_EQ(dragInstructionForIcon(l, 0, -1, 0), -1);
  apply(d, st, dragBriefingPoint(3, 100, 200, 1));
  apply(d, st, dragBriefingPoint(3, 110, 210, 1));
  EXPECT_EQ(decodeBriefing(d.briefing)[3].X, 110);
}

TEST(MapTools, InsertToolsAndCancel) {
  const InstructionList start{at(0, brfcode::NewIcon, 0), at(50, brfcode::Text, 1),
                              at(50, brfcode::ZoomMap), zephlo::testing::endMarker()};
  // A text after the start comes with a page break; "Cancel" takes both out.
  InstructionList l = start;
  const int pos = insertTextAtTime(l, 2, 50, at(0, brfcode::Text, 4));
  EXPECT_EQ(pos, 4);
  EXPECT_EQ(l[3].Command, brfcode::PageBreak);
  EXPECT_EQ(times(l), (std::vector<int>{0, 50, 50, 50, 50, 9999}));
  cancelTextInsert(l, pos, 50);
  EXPECT_EQ(l, start);
  // At time 0 there is no page break, and cancelling leaves the one before alone.
  InstructionList z{at(0, brfcode::PageBreak), zephlo::testing::endMarker()};
  const int p0 = insertTextAtTime(z, 0, 0, at(0, brfcode::Text, 2));
  EXPECT_EQ(z.size(), 3u);
  cancelTextInsert(z, p0, 0);
  EXPECT_EQ(z.size(), 2u);

  int icon = -1;
  l = start;
  const int p = insertNewIcon(l, 0, 30, 53, 1, {300, -200}, icon);
  EXPECT_EQ(icon, 1);
  EXPECT_EQ(l[static_cast<std::size_t>(p)].CraftType, 53);
  EXPECT_EQ(l[static_cast<std::size_t>(p) + 1].Command, brfcode::MoveIcon);
  EXPECT_EQ(l[static_cast<std::size_t>(p) + 1].X, 300);
  EXPECT_EQ(times(l), (std::vector<int>{0, 30, 30, 50, 50, 9999}));

  // "Clear Selected Icon" hides the icon when it plays.
  BriefingPlayback pb;
  Briefing b = newBriefing();
  InstructionList shown{at(0, brfcode::NewIcon, 2), zephlo::testing::endMarker()};
  shown[0].CraftType = 4;
  ASSERT_TRUE(encodeBriefing(shown, b).ok());
  pb.load(b);
  ASSERT_TRUE(pb.state().icons[2].shown);
  const int c = insertAtTime(shown, pb.current(), 0, selectedIconInstruction(IconTool::Clear, 2));
  showInserted(pb, shown, c);
  EXPECT_FALSE(pb.state().icons[2].shown);
  EXPECT_EQ(scrollToMap(32, -64, 32), (BriefingMapPoint{223, -446}));
}
