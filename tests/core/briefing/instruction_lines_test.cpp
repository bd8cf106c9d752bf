#include "core/briefing/instruction_lines.h"
#include "core/briefing/test_instructions.h"

#include <gtest/gtest.h>

using namespace zephlo;

TEST(InstructionLines, LinesLineUpAndCutLongTexts) {
  std::array<std::string, 128> tags{}, texts{};
  tags[2] = "Red 1";
  texts[0] = "A title that runs on well past forty     characters";
  texts[1] = "Short";
  const InstructionLineContext ctx{tags, texts, {"Deep Space", "Hoth", "", ""}};
  auto line = [&](int time, std::uint16_t code, int index = 0, int x = 0, int y = 0) {
    return instructionLine(zephlo::testing::at(time, code, index, x, y), ctx);
  };
  // The text starts in one column whatever the time's width.
  const std::string one = "1" + std::string(12, ' ');
  EXPECT_EQ(line(0, brfcode::Text, 1), "0" + std::string(12, ' ') + "Briefing Text:   \"Short\"");
  EXPECT_EQ(line(6, brfcode::Text, 1), "0.24" + std::string(7, ' ') + "Briefing Text:   \"Short\"");
  EXPECT_EQ(line(65535, brfcode::PageBreak), "2621.4   " + std::string(60, '='));
  EXPECT_EQ(line(12, brfcode::TitleText, 0),
            "0.48       Title Text:   \"A title that runs on well past forty....\"");
  EXPECT_EQ(line(25, brfcode::FirstTag + 1, 2, 80, -160),
            one + " ^2\"Red 1\"    at    X: 0.50,   Y: -1.00     Color: Green");
  EXPECT_EQ(line(25, brfcode::FirstBox + 2, 7), one + " [ 3 ]        Icon#7");
  EXPECT_EQ(line(25, brfcode::ChangeRegion, 1),
            one + " ~~~~~~~~   Region#1: \"Hoth\"  ~~~~~~~~~~~~");
  TCommandObject icon = newInstruction(brfcode::NewIcon);
  icon.Index = 3;
  icon.CraftType = 53;
  icon.Color = 1;
  EXPECT_EQ(instructionLine(icon, ctx),
            "0             +  #3:    Imperial Star Destroyer     IFF: Imperial");
  EXPECT_EQ(instructionLine(newInstruction(brf::EndCode), ctx), "399.96   <end marker>");

  EXPECT_EQ(playbackTimeLabel(0), " Time: 0.00");
  EXPECT_EQ(playbackTimeLabel(651), " Time: 26.04");

  EXPECT_EQ(briefingKmField(""), 0);
  EXPECT_EQ(briefingKmField("-"), 0);
  EXPECT_EQ(briefingKmField("-1.25"), -200);
  EXPECT_EQ(briefingKmField("0.003125"), 0); // half a unit rounds to even
  EXPECT_EQ(briefingKmField("1.5x"), std::nullopt);
  EXPECT_EQ(briefingKmField("300"), std::nullopt); // beyond the map
}
