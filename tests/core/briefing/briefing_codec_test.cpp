#include "core/briefing/briefing_codec.h"

#include <gtest/gtest.h>

using namespace zephlo;

namespace {

Briefing withWords(const std::vector<std::uint16_t>& words, std::uint16_t length) {
  Briefing b = newBriefing();
  for (std::size_t i = 0; i < words.size(); ++i)
    b.setWord(static_cast<int>(i + 1), words[i]);
  b.setStreamLength(length);
  return b;
}

} // namespace

TEST(Briefing, NewBriefingIsTheEndMarkerAlone) {
  Briefing b = newBriefing();
  auto list = decodeBriefing(b);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].Time, 9999);
  EXPECT_EQ(list[0].Command, 34);
  ASSERT_TRUE(encodeBriefing(list, b).ok());
  EXPECT_EQ(b.streamLength(), 2);
  EXPECT_EQ(b, newBriefing());
  EXPECT_TRUE(b.seenByTeam(0));
  EXPECT_FALSE(b.seenByTeam(1));
}

TEST(Briefing, EveryCodeEncodesAndDecodesItsParameters) {
  std::vector<TCommandObject> list;
  for (std::uint16_t code = 1; code <= 40; ++code) {
    if (code == 34) continue;
    TCommandObject c;
    c.Time = static_cast<std::int16_t>(code * 10);
    c.Command = code;
    const int n = parameterCount(code);
    if (n >= 1) c.Index = static_cast<std::uint16_t>(code + 100);
    if (code == 6 || code == 7 || (code >= 18 && code <= 25) || code == 28) {
      c.X = static_cast<std::int16_t>(-code);
      c.Y = static_cast<std::int16_t>(code * 3);
    }
    if (code >= 18 && code <= 26) c.Color = 4;
    if (code == 26) c.CraftType = 53;
    if (code == 27) c.InfoIcon = 7;
    if (code == 29) c.Rotation = 3;
    if (code == 6 || code == 7) c.Index = 0; // not in the stream
    list.push_back(c);
  }
  TCommandObject end;
  end.Time = 9999;
  end.Command = 34;
  list.push_back(end);
  Briefing b = newBriefing();
  ASSERT_TRUE(encodeBriefing(list, b).ok());
  EXPECT_EQ(decodeBriefing(b), list);

  // Stream order of the codes whose order is easy to get wrong.
  std::vector<TCommandObject> tag(1);
  tag[0].Command = 18;
  tag[0].Index = 5;
  tag[0].X = 100;
  tag[0].Y = -2;
  tag[0].Color = 3;
  ASSERT_TRUE(encodeBriefing(tag, b).ok());
  EXPECT_EQ(b.word(3), 5);
  EXPECT_EQ(b.word(4), 100);
  EXPECT_EQ(b.word(5), 0xFFFE);
  EXPECT_EQ(b.word(6), 3);
  std::vector<TCommandObject> ship(1);
  ship[0].Command = 27;
  ship[0].Index = 1;
  ship[0].InfoIcon = 9;
  ASSERT_TRUE(encodeBriefing(ship, b).ok());
  EXPECT_EQ(b.word(3), 1) << "the on/off flag comes first";
  EXPECT_EQ(b.word(4), 9);
  EXPECT_EQ(b.streamLength(), 4);
  for (int k = 5; k <= 7000; ++k)
    ASSERT_EQ(b.word(k), 0) << k;
}

TEST(Briefing, EncodeKeepsTheSpareAreaAndRefusesOverlongLists) {
  Briefing b = newBriefing();
  b.block[brf::Unused] = 0xAB;
  b.block[brf::TeamFlags + 9] = 1;
  std::vector<TCommandObject> big(1751); // 1751 x 4 words > 7000
  for (auto& c : big)
    c.Command = 6;
  const Briefing before = b;
  const Status r = encodeBriefing(big, b);
  EXPECT_FALSE(r);
  EXPECT_FALSE(r.error().message.empty());
  EXPECT_EQ(b, before);
  big.resize(1750); // exactly 7000 words
  ASSERT_TRUE(encodeBriefing(big, b).ok());
  EXPECT_EQ(b.streamLength(), 7000);
  EXPECT_EQ(b.block[brf::Unused], 0xAB);
  EXPECT_EQ(b.block[brf::TeamFlags + 9], 1);
  EXPECT_EQ(decodeBriefing(b).size(), 1750u);
}

TEST(Briefing, DecodeEdgeCases) {
  // Code 0 becomes an end marker and decoding goes on after it.
  auto list = decodeBriefing(withWords({5, 0, 10, 3, 9999, 34}, 6));
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].Command, 34);
  EXPECT_EQ(list[0].Time, 9999);
  EXPECT_EQ(list[1].Command, 3);
  // A stream length beyond 7000 never reads past the stream.
  Briefing b = newBriefing();
  for (int k = 1; k <= 7000; k += 2) {
    b.setWord(k, 1);
    b.setWord(k + 1, 3);
  }
  b.setWord(6999, 1);
  b.setWord(7000, 18); // a four-parameter code in the last two words
  b.setStreamLength(65535);
  list = decodeBriefing(b);
  EXPECT_EQ(list.size(), 3500u);
  EXPECT_EQ(list.back().Command, 18);
  EXPECT_EQ(list.back().Index, 0);
  // A code above 34 takes no parameters; a stream length of 0 still yields one item.
  list = decodeBriefing(withWords({1, 99, 2, 3}, 4));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1].Command, 3);
  EXPECT_EQ(decodeBriefing(withWords({1, 3}, 0)).size(), 1u);
}

TEST(Briefing, RepairOfAnInconsistentStream) {
  Briefing b = withWords({10, 3, 20, 5, 7, 0, 34}, 2);
  b.setRunningTime(700);
  EXPECT_TRUE(repairBriefingStream(b));
  EXPECT_EQ(b.streamLength(), 7);
  EXPECT_EQ(b.word(6), 9999);
  EXPECT_FALSE(repairBriefingStream(b)) << "now consistent";
  Briefing fresh = newBriefing();
  EXPECT_FALSE(repairBriefingStream(fresh)) << "running time 600 is left alone";
  Briefing blank = withWords({}, 0);
  blank.setWord(1, 0);
  blank.setWord(2, 0);
  blank.setRunningTime(1);
  EXPECT_FALSE(repairBriefingStream(blank)) << "nothing to find";
}

TEST(Briefing, CommandNames) {
  EXPECT_EQ(commandName(9), "FG Box  #1: ");
  EXPECT_EQ(commandName(25), "Map Tag #8:");
  EXPECT_EQ(commandName(34), "<Briefing End Marker>");
  EXPECT_EQ(commandName(0), "0");
  EXPECT_EQ(commandName(32), "32");
}
