// The instruction schema against what the stream and the editor's fields do
// with it: values at the ends of each range survive, controls edit the words
// they claim, and typed values are read or refused.
#include "core/briefing/instruction_form.h"
#include "core/briefing/test_instructions.h"
#include "core/mission/layout.h"
#include "core/mission/new_mission.h"

#include <gtest/gtest.h>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

std::vector<std::uint16_t> streamOf(const InstructionList& list) {
  Briefing b = newBriefing();
  EXPECT_TRUE(encodeBriefing(list, b).ok());
  std::vector<std::uint16_t> words;
  for (int k = 1; k <= b.streamLength(); ++k)
    words.push_back(b.word(k));
  return words;
}

} // namespace

TEST(InstructionSchema, EveryParameterKeepsTheEndsOfItsRangeThroughTheStream) {
  for (bool high : {false, true}) {
    const InstructionList list = everyCodeAtRangeEnd(high);
    Briefing b = newBriefing();
    ASSERT_TRUE(encodeBriefing(list, b).ok());
    EXPECT_EQ(decodeBriefing(b), list) << (high ? "high" : "low");
  }
  // The counts of parameter words the format fixes, whatever the table says.
  const std::pair<std::uint16_t, int> counts[] = {{3, 0},  {4, 1},  {5, 1},  {6, 2},  {7, 2},
                                                  {8, 0},  {12, 1}, {17, 0}, {21, 4}, {26, 3},
                                                  {27, 2}, {28, 3}, {29, 2}, {30, 1}, {33, 0}};
  for (auto [code, n] : counts)
    EXPECT_EQ(parameterCount(code), n) << code;
  EXPECT_EQ(parameterCount(200), 0);

  // Positions are signed; everything else is a plain word.
  for (std::uint16_t code = 0; code <= 40; ++code)
    for (const Parameter& p : instructionSchema(code).params)
      EXPECT_EQ(p.isSigned(), p.field == ParamField::X || p.field == ParamField::Y) << code;
}

TEST(InstructionSchema, ControlsEditTheWordsTheyClaim) {
  Document d = newMission({});
  for (std::uint16_t code = 0; code <= 40; ++code) {
    std::set<ParamControl> seen;
    for (const Parameter& p : instructionSchema(code).params) {
      EXPECT_TRUE(seen.insert(p.control).second) << "two parameters in one control, code " << code;
      // A choice offers exactly the values of its range (icons follow the
      // flight groups, so they have no fixed list).
      if (p.show() == ParamShow::Choice && p.kind != ParamKind::IconNumber) {
        EXPECT_EQ(static_cast<int>(paramChoices(p.kind, d).size()), p.hi - p.lo + 1) << code;
      }
    }
  }
  // "Show Ship data": the icon box edits the second word, the colour box the flag before it.
  TCommandObject info = at(0, brfcode::ShipData);
  info = *withChoice(info, ParamControl::IndexBox, 9);
  info = *withChoice(info, ParamControl::ColourBox, 1);
  EXPECT_EQ(streamOf({info}), (std::vector<std::uint16_t>{0, 27, 1, 9}));
  // "Rotate Icon": the colour box holds the rotation, after the icon.
  TCommandObject turn = at(0, brfcode::RotateIcon, 4);
  turn = *withChoice(turn, ParamControl::ColourBox, 3);
  EXPECT_EQ(streamOf({turn}), (std::vector<std::uint16_t>{0, 29, 4, 3}));
  // "New Icon": the craft box and the IFF in the colour box.
  TCommandObject add = at(0, brfcode::NewIcon, 2);
  add = *withChoice(add, ParamControl::CraftBox, 53);
  add = *withChoice(add, ParamControl::ColourBox, 1);
  EXPECT_EQ(streamOf({add}), (std::vector<std::uint16_t>{0, 26, 2, 53, 1}));

  // A value out of range or a control the code lacks changes nothing.
  EXPECT_FALSE(withChoice(at(0, brfcode::FirstTag), ParamControl::ColourBox, 6));
  EXPECT_FALSE(withChoice(at(0, brfcode::ChangeRegion), ParamControl::IndexBox, 4));
  EXPECT_FALSE(withChoice(at(0, brfcode::PageBreak), ParamControl::IndexBox, 0));
  EXPECT_FALSE(withChoice(at(0, brfcode::MoveIcon), ParamControl::CraftBox, 1));
}

TEST(InstructionSchema, TypedPositionsAndZoomsAreReadOrRefused) {
  const TCommandObject move = at(0, brfcode::MoveIcon, 1);
  EXPECT_EQ(withText(move, ParamControl::YField, " -0.5 ")->Y, -80);
  EXPECT_EQ(withText(move, ParamControl::XField, "")->X, 0);
  EXPECT_EQ(withText(move, ParamControl::XField, "-")->X, 0);
  EXPECT_EQ(withText(move, ParamControl::XField, "204.79")->X, 32766);
  EXPECT_FALSE(withText(move, ParamControl::XField, "300")) << "beyond a 16-bit position";
  EXPECT_FALSE(withText(move, ParamControl::XField, "1,5"));
  EXPECT_FALSE(withText(move, ParamControl::XField, "nan"));
  EXPECT_FALSE(withText(at(0, brfcode::Text), ParamControl::XField, "1"));

  // A zoom is a whole number, and Y follows X into the stream.
  const TCommandObject zoom = at(0, brfcode::ZoomMap, 0, 32, 32);
  EXPECT_EQ(streamOf({*withText(zoom, ParamControl::XField, "80")}),
            (std::vector<std::uint16_t>{0, 7, 80, 80}));
  EXPECT_EQ(withText(zoom, ParamControl::XField, "99999")->Y, 32767);
  EXPECT_FALSE(withText(zoom, ParamControl::XField, "far"));
  EXPECT_FALSE(withText(zoom, ParamControl::XField, "1.5"));
  EXPECT_FALSE(withText(zoom, ParamControl::XField, "99999999999999999999"));
  EXPECT_FALSE(withText(zoom, ParamControl::YField, "5")) << "Y has no field of its own";

  // Presets set both zooms; a zoom no preset has shows the blank preset.
  const TCommandObject preset = withZoomPreset(zoom, 5);
  EXPECT_EQ(preset.X, 64);
  EXPECT_EQ(preset.Y, 64);
  EXPECT_EQ(zoomPresetOf(64), 5);
  EXPECT_EQ(zoomPresetOf(65), 0);
  EXPECT_EQ(withZoomPreset(zoom, 99), zoom);
  EXPECT_EQ(timeIncrements()[1].ticks, 6) << "a quarter second is 6 ticks, not 6.25";
}

TEST(InstructionForm, ShowsTheSelectedInstructionFromTheDocument) {
  Document d = newMission({});
  d.flightGroups.resize(3, d.flightGroups[0]);
  d.flightGroups[1].setName("Red");
  d.briefing.texts[1] = "First words";
  setText(d.header, hdr::RegionNames + hdr::RegionNameSize, hdr::RegionNameSize, "Hoth");
  const InstructionList list = {at(0, brfcode::Text, 1), at(25, brfcode::MoveIcon, 5, 160, -320),
                                at(30, brfcode::ZoomMap, 0, 64, 64),
                                at(40, brfcode::ChangeRegion, 1), endMarker()};

  InstructionFormView v = instructionForm(list, 1, d);
  EXPECT_EQ(v.numberLabel, "Instruction #2");
  EXPECT_EQ(v.timeLabel, "Time (1 sec)");
  EXPECT_EQ(v.indexLabel, "           Icon # to move:");
  EXPECT_EQ(v.index.choices.size(), 6u) << "the flight groups, then numbers up to the icon";
  EXPECT_EQ(v.index.choices[0], "0");
  EXPECT_EQ(v.index.choices[1], "Red");
  EXPECT_EQ(v.index.choices[5], "5");
  EXPECT_EQ(v.index.value, 5);
  EXPECT_EQ(v.x.text, "1.00");
  EXPECT_EQ(v.y.text, "-2.00");
  EXPECT_FALSE(v.colour.shown);
  EXPECT_FALSE(v.craft.shown);

  v = instructionForm(list, 0, d);
  EXPECT_EQ(v.index.choices[1], "1: First words");
  EXPECT_FALSE(v.x.shown);

  v = instructionForm(list, 2, d);
  EXPECT_EQ(v.xLabel, "Zoom:");
  EXPECT_EQ(v.x.text, "64");
  EXPECT_FALSE(v.y.shown);
  EXPECT_FALSE(v.index.shown);
  EXPECT_TRUE(v.indexLabelOn) << "the presets take the index box's place";
  EXPECT_EQ(v.zoomPreset, 5);

  v = instructionForm(list, 3, d);
  EXPECT_EQ(v.index.choices[1], "Hoth");

  v = instructionForm(list, 99, d);
  EXPECT_TRUE(v.endMarker);
  EXPECT_EQ(v.indexLabel, "                  Unused");
  EXPECT_FALSE(v.indexLabelOn);
  EXPECT_EQ(controlTitle(brfcode::ShipData, ParamControl::IndexBox), "Icon");
  EXPECT_EQ(controlTitle(brfcode::PageBreak, ParamControl::IndexBox), "Instruction");
}
