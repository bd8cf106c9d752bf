#include "core/lists/voice_list.h"
#include "core/mission/new_mission.h"
#include "support/test_missions.h"

#include <gtest/gtest.h>

using namespace zephlo;
namespace fs = std::filesystem;

namespace {

std::string fileText(const std::string& path) {
  const auto bytes = zephlo::testing::readFile(path);
  return std::string(bytes.begin(), bytes.end());
}

std::string repeated(const std::string& line, int n) {
  std::string s;
  for (int i = 0; i < n; ++i)
    s += line + "\r\n";
  return s;
}

Document missionWithMessages(const std::string& fileName, int messages) {
  Document d = newMission(MissionPrefs{});
  d.fileName = fileName;
  d.messages.resize(static_cast<std::size_t>(messages));
  return d;
}

} // namespace

TEST(VoiceList, CreatingNeverReplacesAList) {
  zephlo::testing::TempDir game;
  Document unnamed = newMission(MissionPrefs{});
  EXPECT_EQ(createVoiceList(unnamed, game.root()).error().message,
            "Mission File is unnamed. Can't create matching .lst file until it is named.");
  EXPECT_TRUE(game.entries().empty());

  Document d = missionWithMessages("C:\\X\\M1.tie", 1);
  auto created = createVoiceList(d, game.root());
  ASSERT_TRUE(created) << created.error().message;
  EXPECT_EQ(*created, fs::path(game.path("Wave/MissionVoice/M1.lst")));
  EXPECT_EQ(fileText(created->string()), repeated("dummy.wav", 70));
  EXPECT_EQ(d.voiceListPath, created->string());
  EXPECT_EQ(createVoiceList(d, game.root()).error().message,
            created->string() + " already exists!");

  // A list the loader did not know about, in other capitals, is kept as well.
  zephlo::testing::writeFile(game.path("Wave/MissionVoice/M2.LST"), {'a'});
  Document other = missionWithMessages("m2.tie", 1);
  EXPECT_FALSE(createVoiceList(other, game.root()));
  EXPECT_EQ(fileText(game.path("Wave/MissionVoice/M2.LST")), "a");
  EXPECT_EQ(other.voiceListPath, kNoVoiceList);
}

TEST(VoiceList, LoadsInAnyCapitalsAndSavesBackUnchanged) {
  zephlo::testing::TempDir game, cd;
  fs::create_directories(game.path("WAVE/MISSIONVOICE"));
  const std::string listPath = game.path("WAVE/MISSIONVOICE/M1.LST");
  const std::string text = "MISSIONVOICE\\A.WAV\r\n" + repeated("dummy.wav", 69);
  zephlo::testing::writeFile(listPath, std::vector<std::uint8_t>(text.begin(), text.end()));

  Document d = missionWithMessages("/elsewhere/M1.tie", 2);
  ASSERT_TRUE(loadVoiceListFor(d, game.root()));
  EXPECT_EQ(d.voiceListPath, listPath);
  ASSERT_EQ(d.voiceEntries.size(), 70u);
  ASSERT_TRUE(saveVoiceList(d));
  EXPECT_EQ(fileText(listPath), text);

  EditorState st;
  ASSERT_TRUE(applyOperation(d, st, assignVoiceOperation(1, "B.WAV")));
  d.voiceEntries.resize(75, "dummy.wav");
  ASSERT_TRUE(saveVoiceList(d)); // 70 entries for the game's own format
  EXPECT_EQ(fileText(listPath), "MISSIONVOICE\\A.WAV\r\nB.WAV\r\n" + repeated("dummy.wav", 68));
  d.platform = 12;
  EXPECT_EQ(entriesToSave(d).size(), 19u);

  // On the CD-ROM when the game folder has none; nowhere: no list.
  fs::create_directories(cd.path("Wave/MissionVoice"));
  zephlo::testing::writeFile(cd.path("Wave/MissionVoice/M3.lst"), {'x'});
  Document fromCd = missionWithMessages("M3.tie", 1);
  ASSERT_TRUE(loadVoiceListFor(fromCd, game.root(), cd.root()));
  EXPECT_EQ(fromCd.voiceEntries, std::vector<std::string>{"x"});
  Document none = missionWithMessages("M9.tie", 1);
  ASSERT_TRUE(loadVoiceListFor(none, game.root(), cd.root()));
  EXPECT_EQ(saveVoiceList(none).error().message, "There is no matching .lst file to save!");

  d.voiceListPath = game.path("gone/M1.lst");
  EXPECT_NE(saveVoiceList(d).error().message.find(d.voiceListPath), std::string::npos);
}

TEST(VoiceList, ChosenFilesAreStoredAsTheGameReadsThemAndFoundAgain) {
  EXPECT_EQ(voiceEntryFor("D:\\Game\\Wave\\MissionVoice\\a.wav"), "MISSIONVOICE\\A.WAV");
  EXPECT_EQ(voiceEntryFor("/home/pat/sounds/c.wav"), "\\HOME\\PAT\\SOUNDS\\C.WAV");

  zephlo::testing::TempDir game;
  fs::create_directories(game.path("wave/MissionVoice"));
  const std::string wav = game.path("wave/MissionVoice/a.wav");
  zephlo::testing::writeFile(wav, {0});
  EXPECT_EQ(voiceFileToPlay(game.root(), voiceEntryFor(wav)), fs::path(wav));
  EXPECT_FALSE(voiceFileToPlay(game.root(), "MISSIONVOICE\\B.WAV"));
}

TEST(VoiceList, AssignAndClearAreUndoableEditsOfTheEntries) {
  Document d = missionWithMessages("M1.tie", 65);
  EditorState st;
  EXPECT_EQ(canAssignVoice(d, 64).error().message, "Limit of 64 wavs for custom messages");
  EXPECT_EQ(canAssignVoice(missionWithMessages("M1.tie", 0), 0).error().message,
            "There are no messages to add sounds to!");
  EXPECT_FALSE(applyOperation(d, st, assignVoiceOperation(0, "A.WAV"))); // no list yet
  EXPECT_EQ(voiceBoxText(d, 0, false, 0), kNoVoiceListText);

  d.voiceListPath = "M1.lst";
  d.voiceEntries.assign(3, kDummyVoice); // cut short by hand
  auto assigned = applyOperation(d, st, assignVoiceOperation(voiceSlot(0, true, 2), "END.WAV"));
  ASSERT_TRUE(assigned);
  EXPECT_TRUE(assigned->change.voices);
  ASSERT_EQ(d.voiceEntries.size(), 67u);
  EXPECT_EQ(shownVoiceEntry(d, 0, false, 0), kDummyVoice);
  EXPECT_EQ(voiceBoxText(d, 0, false, 0), kDummyVoice);
  EXPECT_EQ(voiceBoxText(d, 70, false, 0), "") << "a message past the list has no voice";
  EXPECT_EQ(d.voiceEntries[66], "END.WAV");
  assigned->delta.revert(d);
  EXPECT_EQ(d.voiceEntries.size(), 3u);

  d.voiceEntries[1] = "B.WAV";
  ASSERT_TRUE(applyOperation(d, st, clearVoiceOperation(voiceSlot(1, false, 0))));
  EXPECT_EQ(d.voiceEntries[1], kDummyVoice);
  EXPECT_FALSE(applyOperation(d, st, clearVoiceOperation(40))->change.voices);
}

TEST(VoiceList, FollowsTheMissionOnSaveAs) {
  zephlo::testing::TempDir game;
  Document d = missionWithMessages(game.path("M1.tie"), 2);
  ASSERT_TRUE(createVoiceList(d, game.root()));
  d.voiceEntries[1] = "B.WAV";
  const std::string oldList = d.voiceListPath;
  d.fileName = game.path("M2.tie");
  ASSERT_TRUE(carryVoiceListTo(d, game.root()));
  EXPECT_EQ(d.voiceListPath, game.path("Wave/MissionVoice/M2.lst"));
  EXPECT_EQ(fileText(d.voiceListPath), "dummy.wav\r\nB.WAV\r\n" + repeated("dummy.wav", 68));
  EXPECT_EQ(fileText(oldList), repeated("dummy.wav", 70));
}
