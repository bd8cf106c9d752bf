// Warnings about what the game itself cannot take.
#include "core/check/limits.h"
#include "core/mission/new_mission.h"
#include "support/test_missions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

// A RIFF WAVE file with a chunk before "fmt ", as editors often write them.
void writeWav(const std::string& path, std::uint16_t format, std::uint32_t rate,
              std::uint16_t bits) {
  std::string b;
  auto put = [&](std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i)
      b += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  auto tag = [&](const char* t) { b.append(t, 4); };
  tag("RIFF");
  put(0, 4);
  tag("WAVE");
  tag("LIST");
  put(3, 4);
  put(0, 4); // three bytes and the pad byte
  tag("fmt ");
  put(16, 4);
  put(format, 2);
  put(1, 2);
  put(rate, 4);
  put(rate * bits / 8, 4);
  put(bits / 8, 2);
  put(bits, 2);
  tag("data");
  put(0, 4);
  writeFile(path, std::vector<std::uint8_t>(b.begin(), b.end()));
}

bool mentions(const std::vector<std::string>& lines, const std::string& text) {
  for (const std::string& l : lines)
    if (l.find(text) != std::string::npos) return true;
  return false;
}

} // namespace

TEST(Limits, CountsOfFlightGroupsAndMessages) {
  Document d = newMission({});
  d.flightGroups[0].set(fg::NumCraft, 0); // no crowded region
  d.flightGroups.resize(100, d.flightGroups[0]);
  d.messages.resize(64);
  EXPECT_TRUE(checkLimits(d, {}).empty()) << "100 flight groups and 64 messages are allowed";

  d.flightGroups.push_back(d.flightGroups[1]);
  d.messages.emplace_back();
  EXPECT_EQ(checkLimits(d, {}),
            (std::vector<std::string>{
                "WARNING: The mission has 101 flight groups; the game supports at most 100, and "
                "more corrupt the mission in the game.",
                "WARNING: The mission has 65 messages; the game holds only the first 64."}));
}

TEST(Limits, CraftInARegion) {
  Document d = newMission({});
  d.flightGroups[0].set(fg::NumCraft, 2);
  // Spread over the regions: 48 flight groups of 2 craft each, the most a region takes.
  d.flightGroups.resize(48 * 4, d.flightGroups[0]);
  for (std::size_t i = 0; i < d.flightGroups.size(); ++i)
    d.flightGroups[i].set(fg::StartRegion, static_cast<Byte>(i % 4));
  EXPECT_EQ(craftPresentAtStart(d), (std::vector<int>{96, 96, 96, 96}));

  d.flightGroups.push_back(d.flightGroups[1]); // region 2 gets 98
  const std::vector<std::string> w = checkLimits(d, {});
  ASSERT_EQ(w.size(), 2u);
  EXPECT_EQ(w[1], "WARNING: Region 2 starts with 98 craft; the game keeps at most 96 in flight "
                  "at once.");
}

TEST(Limits, OnlyCraftThereFromTheStartCount) {
  Document d = newMission({});
  FGObject f = d.flightGroups[0];
  f.set(fg::NumCraft, 6);
  d.flightGroups.assign(16, f); // 96 craft in region 1: just within the limit
  EXPECT_TRUE(checkLimits(d, {}).empty());

  FGObject late = f; // waits for another flight group to arrive
  late.set(fg::ArrivalPair1 + pair::First + trig::Condition, 1);
  FGObject elsewhere = f;
  elsewhere.set(fg::StartRegion, 2);
  FGObject backdrop = f;
  backdrop.set(fg::CraftType, 183);
  d.flightGroups.insert(d.flightGroups.end(), {late, elsewhere, backdrop});
  EXPECT_EQ(craftPresentAtStart(d), (std::vector<int>{96, 0, 6, 0}));
  EXPECT_TRUE(checkLimits(d, {}).empty());

  FGObject either = late; // "or" with a pair that is always true: there at once
  either.set(fg::ArrivalPairsOr, 1);
  d.flightGroups.push_back(either);
  EXPECT_EQ(checkLimits(d, {}),
            std::vector<std::string>{"WARNING: Region 1 starts with 102 craft; the game keeps at "
                                     "most 96 in flight at once."});
}

TEST(Limits, VoiceFilesTheGameCannotPlay) {
  TempDir dir;
  namespace fs = std::filesystem;
  const std::string game = dir.path("XWA");
  fs::create_directories(game + "/wave/missionvoice"); // any case
  writeWav(game + "/wave/missionvoice/good.wav", 1, 22050, 16);
  writeWav(game + "/wave/missionvoice/fast.wav", 1, 44100, 16);
  writeWav(game + "/wave/missionvoice/deep.wav", 1, 22050, 24);
  writeWav(game + "/wave/missionvoice/float.wav", 3, 22050, 32);
  writeFile(game + "/wave/missionvoice/text.wav", {'h', 'i'});
  writeWav(game + "/wave/end.wav", 1, 48000, 8);
  std::ofstream(game + "/wave/missionvoice/m1.lst", std::ios::binary)
      << "MISSIONVOICE\\GOOD.WAV\r\ndummy.wav\r\nMISSIONVOICE\\FAST.WAV\r\n"
         "MISSIONVOICE\\DEEP.WAV\r\nMISSIONVOICE\\FLOAT.WAV\r\nMISSIONVOICE\\TEXT.WAV\r\n"
         "MISSIONVOICE\\GONE.WAV\r\n";
  {
    std::ofstream more(game + "/wave/missionvoice/m1.lst", std::ios::binary | std::ios::app);
    for (int i = 7; i < 64; ++i)
      more << "dummy.wav\r\n";
    more << "END.WAV\r\n";
  }

  Document d = newMission({});
  d.fileName = dir.path("m1.tie");
  EXPECT_TRUE(checkLimits(d, {}).empty()) << "no game folder, no voice check";
  const std::vector<std::string> w = checkLimits(d, {game});
  EXPECT_EQ(w.size(), 6u);
  EXPECT_FALSE(mentions(w, "GOOD.WAV"));
  EXPECT_EQ(w[0], "WARNING: The voice of message 3, MISSIONVOICE\\FAST.WAV, is sampled at 44100 "
                  "Hz; the game plays at most 22050 Hz.");
  EXPECT_TRUE(mentions(w, "DEEP.WAV, has 24-bit samples"));
  EXPECT_TRUE(mentions(w, "FLOAT.WAV, is not plain PCM (format 3)"));
  EXPECT_TRUE(mentions(w, "TEXT.WAV, is not a WAV file"));
  EXPECT_TRUE(mentions(w, "GONE.WAV, cannot be found in the game's Wave folder"));
  EXPECT_TRUE(mentions(w, "end-of-mission line 1, END.WAV, is sampled at 48000 Hz"));

  d.fileName = dir.path("other.tie"); // no voice list: nothing to say
  EXPECT_TRUE(checkLimits(d, {game}).empty());
}
