// The insert commands as undoable steps, the map's grab and drag, and the
// reading of the window's typed fields.
#include "core/briefing/instruction_inserts.h"
#include "core/briefing/instruction_lines.h"
#include "core/briefing/test_instructions.h"
#include "core/mission/new_mission.h"
#include "support/apply_checked.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace zephlo;
using zephlo::testing::applyChecked;
using zephlo::testing::at;
using zephlo::testing::endMarker;
using zephlo::testing::newIconAt;

namespace {

std::vector<int> codes(const InstructionList& l) {
  std::vector<int> out;
  for (const TCommandObject& c : l)
    out.push_back(c.Command);
  return out;
}

struct Briefed {
  Document d = newMission({});
  EditorState st;
  explicit Briefed(const InstructionList& list) { EXPECT_TRUE(encodeBriefing(list, d.briefing)); }
  Applied apply(const Operation& op) { return applyChecked(d, st, op); }
  InstructionList list() const { return decodeBriefing(d.briefing); }
};

} // namespace

TEST(InstructionInserts, CommandsMakeTheirInstructionsAndNameTheirSteps) {
  const InstructionList l{at(0, brfcode::NewIcon, 0), at(0, brfcode::NewIcon, 3), endMarker()};
  EXPECT_EQ(insertCommandItem(brfcode::NewIcon, l, 1, 7, 2).Index, 4) << "the next icon";
  EXPECT_EQ(insertCommandItem(brfcode::MoveIcon, l, 1, 7, 2).Index, 7) << "the selected icon";
  const TCommandObject turn = insertCommandItem(brfcode::RotateIcon, l, 1, 7, 2);
  EXPECT_EQ(turn.Index, 7);
  EXPECT_EQ(turn.Rotation, 2) << "the rotation chosen last";
  EXPECT_EQ(insertCommandItem(brfcode::FirstBox, l, 1, 5, 0).Index, 5);

  EXPECT_EQ(insertStepName(brfcode::FirstBox + 3), "Insert FG Box");
  EXPECT_EQ(insertStepName(brfcode::FirstTag), "Insert Map Tag");
  EXPECT_EQ(insertStepName(brfcode::Text), "Insert Briefing Text");
  EXPECT_EQ(insertStepName(brfcode::ZoomMap), "Insert Zoom Map to");

  for (std::uint16_t code : {brfcode::Text, brfcode::MoveMap, brfcode::ZoomMap, brfcode::FirstTag,
                             brfcode::NewIcon, brfcode::ChangeRegion})
    EXPECT_FALSE(insertResumesPlayback(code)) << "a mode holds playback, code " << code;
  EXPECT_EQ(insertModeOf(brfcode::FirstTag + 5), InsertMode::Tag);
  EXPECT_EQ(insertModeOf(brfcode::NewIcon), InsertMode::Icon);
  EXPECT_EQ(insertModeOf(brfcode::FirstBox + 5), InsertMode::None);
  for (std::uint16_t code : {brfcode::PageBreak, brfcode::TitleText})
    EXPECT_FALSE(insertResumesPlayback(code)) << code;
  for (std::uint16_t code : {brfcode::ClearBoxes, brfcode::FirstBox, brfcode::ClearTags,
                             brfcode::ShipData, brfcode::MoveIcon, brfcode::RotateIcon})
    EXPECT_TRUE(insertResumesPlayback(code)) << code;
  EXPECT_EQ(iconToolRotation(IconTool::Rotate90), 3);
  EXPECT_FALSE(iconToolRotation(IconTool::Box));
}

TEST(InstructionInserts, StepsGoInWhereTheySayAndUndoExactly) {
  InstructionList start{at(0, brfcode::NewIcon, 0)};
  for (int k = 0; k < 8; ++k)
    start.push_back(at(0, static_cast<std::uint16_t>(brfcode::FirstBox + k)));
  start.push_back(at(50, brfcode::PageBreak));
  start.push_back(endMarker());
  Briefed b(start);
  const Briefing before = b.d.briefing;

  // A ninth box at the clock warns and takes slot 1.
  InstructionInsert box = insertAtClockStep(at(0, brfcode::FirstBox + 4), 8, 20);
  Applied a = b.apply(box.op);
  EXPECT_EQ(*box.where, 9);
  EXPECT_EQ(b.list()[9].Command, brfcode::FirstBox);
  EXPECT_NE(box.warning->find("all FG Boxes are in use"), std::string::npos);
  EXPECT_EQ(box.op.name, "Insert FG Box");
  a.delta.revert(b.d);
  EXPECT_EQ(b.d.briefing, before);

  // A text after the start brings its page break; at the start it does not.
  InstructionInsert text = insertAtClockStep(at(0, brfcode::Text, 1), 8, 30);
  b.apply(text.op);
  EXPECT_EQ(codes(b.list())[9], brfcode::PageBreak);
  EXPECT_EQ(*text.where, 10);

  // On the list page: before the selection with its time, a free tag slot.
  InstructionInsert tag = insertOnListPageStep(at(0, brfcode::FirstTag + 6), 11);
  b.apply(tag.op);
  EXPECT_EQ(b.list()[static_cast<std::size_t>(*tag.where)].Command, brfcode::FirstTag);
  EXPECT_EQ(instructionTime(b.list()[static_cast<std::size_t>(*tag.where)]), 50);

  InstructionInsert icon = insertNewIconStep(53, 1, {300, -200}, 0, 0);
  b.apply(icon.op);
  const InstructionList l = b.list();
  EXPECT_EQ(l[static_cast<std::size_t>(*icon.where)].Index, 1);
  EXPECT_EQ(l[static_cast<std::size_t>(*icon.also)].Command, brfcode::MoveIcon);
  EXPECT_EQ(l[static_cast<std::size_t>(*icon.also)].Y, -200);

  InstructionInsert info = insertShowInfoStep(2, 0, 0);
  b.apply(info.op);
  EXPECT_EQ(b.list()[static_cast<std::size_t>(*info.where)].InfoIcon, 2);

  // At once on the map: a move to where the selected icon stands, and ship
  // data as its on and off pair.
  BriefingPlayback pb;
  pb.load(b.d.briefing);
  pb.state().icons[3].x = -500;
  pb.state().icons[3].y = 70;
  InstructionInsert here = insertOnMapStep(brfcode::MoveIcon, pb, 3, 0);
  b.apply(here.op);
  const TCommandObject moved = b.list()[static_cast<std::size_t>(*here.where)];
  EXPECT_EQ(moved.Index, 3);
  EXPECT_EQ(moved.X, -500);
  EXPECT_EQ(moved.Y, 70);
  pb.setList(b.list());
  const std::size_t count = b.list().size();
  b.apply(insertOnMapStep(brfcode::ShipData, pb, 3, 0).op);
  EXPECT_EQ(b.list().size(), count + 2);

  // Mode instructions keep their words in 16 bits.
  EXPECT_EQ(moveMapInstruction(100, -64, 64).X, 348);
  EXPECT_EQ(mapTagInstruction(3, 2, {40000, -40000}).X, 32767);
  EXPECT_EQ(mapTagInstruction(3, 2, {40000, -40000}).Y, -32768);
  EXPECT_EQ(zoomMapInstruction(80).Y, 80);
}

TEST(InstructionInserts, PreviewsGrabsAndDrags) {
  PlaybackState s;
  s.targetX = -446;
  previewZoom(s, 64);
  EXPECT_EQ(s.zoom, 64);
  EXPECT_EQ(s.xoff, -128) << "the map stays centred on its target";
  previewPan(s, 100, -30);
  EXPECT_EQ(s.xoff, -100);
  EXPECT_EQ(s.yoff, 30);

  Briefing b = newBriefing();
  TCommandObject add = at(0, brfcode::NewIcon, 0);
  add.CraftType = 1;
  ASSERT_TRUE(encodeBriefing(
      {add, at(0, brfcode::MoveIcon, 0, 0, 0), at(0, brfcode::FirstTag, 0, 1600, 800), endMarker()},
      b));
  b.tags[0] = "Red";
  BriefingPlayback pb;
  pb.load(b);
  pb.completeAnimations();
  const BriefingMapPoint icon = briefingToScreen(pb.state(), 640, 480, {0, 0});
  EXPECT_EQ(grabOnBriefingMap(pb, 640, 480, icon, true).instruction, 1);
  const BriefingGrab select = grabOnBriefingMap(pb, 640, 480, icon, false);
  EXPECT_EQ(select.icon, 0);
  EXPECT_EQ(select.instruction, -1) << "a right click selects without dragging";
  BriefingMapPoint tag = briefingToScreen(pb.state(), 640, 480, {1600, 800});
  tag.x += 20;
  EXPECT_EQ(grabOnBriefingMap(pb, 640, 480, tag, true).instruction, 2);
  EXPECT_EQ(grabOnBriefingMap(pb, 640, 480, {0, 0}, true).instruction, -1);

  const BriefingDragSettings free;
  EXPECT_EQ(briefingDragTarget(pb.list(), 1, {30, 40}, free), (BriefingMapPoint{30, 40}));
  EXPECT_FALSE(briefingDragTarget(pb.list(), 1, {0, 0}, free)) << "no move, no edit";
  EXPECT_FALSE(briefingDragTarget(pb.list(), 9, {30, 40}, free));

  b.texts[2] = "Go";
  PlaybackState shows;
  shows.text = 2;
  EXPECT_EQ(briefingCaption(shows, b), "Go");
  shows.text = 128;
  EXPECT_EQ(briefingCaption(shows, b), "");
  Document d = newMission({});
  d.flightGroups[0].setName("Red 1");
  EXPECT_EQ(selectedIconText(d, 0), "Icon #0: Red 1");
  EXPECT_EQ(selectedIconText(d, 4), "Icon #4");
}

TEST(InstructionInserts, DraggingAnIconWithoutMoveInsertsOneOrSaysWhyNot) {
  // Icon 0 stands where "New Icon" put it: no "Move Icon" to edit.
  Briefed brief(
      {at(0, brfcode::PageBreak), newIconAt(0, 0, 1, 0), at(50, brfcode::PageBreak), endMarker()});
  BriefingPlayback pb;
  pb.load(brief.d.briefing);
  pb.seek(60);
  const BriefingMapPoint icon = briefingToScreen(pb.state(), 640, 480, {0, 0});
  const BriefingGrab g = grabOnBriefingMap(pb, 640, 480, icon, true);
  EXPECT_EQ(g.icon, 0);
  EXPECT_EQ(g.instruction, -1);
  EXPECT_TRUE(g.insertMove);
  EXPECT_TRUE(g.refusal.empty());
  EXPECT_FALSE(grabOnBriefingMap(pb, 640, 480, icon, false).insertMove) << "a click moves nothing";

  // The drag's first step puts the "Move Icon" in at the clock; its later
  // steps join that one undo step.
  const InstructionInsert ins = dragInsertMoveStep(0, {300, -200}, pb.current(), pb.time(), 7);
  brief.apply(ins.op);
  ASSERT_EQ(*ins.where, 3);
  const TCommandObject move = brief.list()[3];
  EXPECT_EQ(move.Command, brfcode::MoveIcon);
  EXPECT_EQ(move.Time, 60);
  EXPECT_EQ(move.Index, 0);
  EXPECT_EQ(move.X, 300);
  EXPECT_EQ(move.Y, -200);
  EXPECT_EQ(ins.op.mergeKey, dragBriefingPoint(*ins.where, 0, 0, 7).mergeKey);
  EXPECT_NE(ins.op.mergeKey, dragBriefingPoint(*ins.where, 0, 0, 8).mergeKey);

  // Nothing under the pointer, or no room left for the new instruction: a reason.
  EXPECT_FALSE(grabOnBriefingMap(pb, 640, 480, {5, 5}, true).refusal.empty());
  InstructionList full(1165, at(1, brfcode::FirstTag)); // 6990 of the 7000 words
  full.push_back(newIconAt(1, 0, 1, 0));
  full.push_back(endMarker());
  Briefing b;
  ASSERT_TRUE(encodeBriefing(full, b));
  pb.load(b);
  pb.seek(2);
  const BriefingGrab refused = grabOnBriefingMap(pb, 640, 480, icon, true);
  EXPECT_FALSE(refused.insertMove);
  EXPECT_NE(refused.refusal.find("full"), std::string::npos) << refused.refusal;
}

TEST(InstructionInserts, TypedFieldsAreReadOrRefused) {
  EXPECT_EQ(runningTimeField("30.52"), 763);
  EXPECT_EQ(runningTimeField(" 24 "), 600);
  EXPECT_EQ(runningTimeField("+1"), 25);
  EXPECT_GT(runningTimeField("1e300"), 65535) << "kept out of range for the edit to refuse";
  EXPECT_LT(runningTimeField("-5"), 0);
  for (const char* bad : {"", "abc", "nan", "inf", "1,5", "2s"})
    EXPECT_FALSE(runningTimeField(bad)) << bad;
  EXPECT_EQ(briefingStringField(std::string(300, 'x')).size(), 255u);
  EXPECT_EQ(briefingStringField("Red"), "Red");
}

TEST(InstructionInserts, TypedFieldsReadTheSameInACommaDecimalLocale) {
  // The desktop's locale, which the application takes on, changes nothing.
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE locale here";
  const std::optional<int> km = briefingKmField("1.5");
  const std::optional<int> ticks = runningTimeField("0.2");
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ(km, 240);
  EXPECT_EQ(ticks, 5);
}
