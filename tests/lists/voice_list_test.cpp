#include "lists/voice_list.h"
#include "mission/new_mission.h"
#include "mission/test_missions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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
  for (int i = 0; i < messages; ++i)
    d.messages.emplace_back();
  return d;
}

} // namespace

TEST(VoiceList, IsNamedAfterTheMissionFile) {
  EXPECT_EQ(voiceListName("C:\\X\\M1.tie"), "M1.lst");
  EXPECT_EQ(voiceListName("/games/xwa/missions/b2m3.TIE"), "b2m3.lst");
}

TEST(VoiceList, CreatingNeverReplacesAList) {
  zephlo::testing::TempDir game;
  Document unnamed = newMission(MissionPrefs{});
  auto refused = createVoiceList(unnamed, game.root());
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().message,
            "Mission File is unnamed. Can't create matching .lst file until it is named.");
  EXPECT_TRUE(game.entries().empty());

  Document d = missionWithMessages(game.path("M1.tie"), 1);
  auto created = createVoiceList(d, game.root());
  ASSERT_TRUE(created) << created.error().message;
  EXPECT_EQ(*created, fs::path(game.path("Wave/MissionVoice/M1.lst")));
  EXPECT_EQ(fileText(created->string()), repeated("dummy.wav", 70));
  EXPECT_EQ(d.voiceListPath, created->string());
  EXPECT_EQ(d.voiceEntries.size(), 70u);

  auto again = createVoiceList(d, game.root());
  ASSERT_FALSE(again);
  EXPECT_EQ(again.error().message, created->string() + " already exists!");

  // A list the loader did not know about (another mission of that name,
  // other capitals) is kept as well.
  zephlo::testing::writeFile(game.path("Wave/MissionVoice/M2.LST"), {'a', '\r', '\n'});
  Document other = missionWithMessages(game.path("m2.tie"), 1);
  EXPECT_FALSE(createVoiceList(other, game.root()));
  EXPECT_EQ(fileText(game.path("Wave/MissionVoice/M2.LST")), "a\r\n");
  EXPECT_EQ(other.voiceListPath, kNoVoiceList);
}

TEST(VoiceList, LoadsFromTheGameFolderInAnyCapitalsAndSavesBackUnchanged) {
  zephlo::testing::TempDir game;
  fs::create_directories(game.path("WAVE/MISSIONVOICE"));
  const std::string listPath = game.path("WAVE/MISSIONVOICE/M1.LST");
  const std::string text = "MISSIONVOICE\\A.WAV\r\ndummy.wav\r\n" + repeated("dummy.wav", 68);
  zephlo::testing::writeFile(listPath, std::vector<std::uint8_t>(text.begin(), text.end()));

  Document d = missionWithMessages("/elsewhere/M1.tie", 2);
  ASSERT_TRUE(loadVoiceListFor(d, game.root()));
  EXPECT_EQ(d.voiceListPath, listPath);
  ASSERT_EQ(d.voiceEntries.size(), 70u);
  EXPECT_EQ(d.voiceEntries[0], "MISSIONVOICE\\A.WAV");

  ASSERT_TRUE(saveVoiceList(d));
  EXPECT_EQ(fileText(listPath), text);

  EditorState st;
  ASSERT_TRUE(applyOperation(d, st, assignVoiceOperation(1, "MISSIONVOICE\\B.WAV")));
  ASSERT_TRUE(saveVoiceList(d));
  EXPECT_EQ(fileText(listPath),
            "MISSIONVOICE\\A.WAV\r\nMISSIONVOICE\\B.WAV\r\n" + repeated("dummy.wav", 68));

  // On the CD-ROM when the game folder has none.
  zephlo::testing::TempDir cd;
  fs::create_directories(cd.path("WAVE/MISSIONVOICE"));
  zephlo::testing::writeFile(cd.path("WAVE/MISSIONVOICE/M3.LST"), {'x'});
  Document fromCd = missionWithMessages("/elsewhere/M3.tie", 1);
  ASSERT_TRUE(loadVoiceListFor(fromCd, game.root(), cd.root()));
  EXPECT_EQ(fromCd.voiceListPath, cd.path("WAVE/MISSIONVOICE/M3.LST"));

  // Found nowhere: the mission has no list, and saving says so.
  Document none = missionWithMessages("/elsewhere/M9.tie", 1);
  ASSERT_TRUE(loadVoiceListFor(none, game.root()));
  EXPECT_EQ(none.voiceListPath, kNoVoiceList);
  auto refused = saveVoiceList(none);
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().message, "There is no matching .lst file to save!");
}

TEST(VoiceList, SavingCutsToTheFormatsLimit) {
  zephlo::testing::TempDir dir;
  Document d = missionWithMessages("M1.tie", 1);
  d.voiceListPath = dir.path("M1.lst");
  d.voiceEntries.assign(75, "dummy.wav");
  ASSERT_TRUE(saveVoiceList(d));
  EXPECT_EQ(fileText(d.voiceListPath), repeated("dummy.wav", 70));
  EXPECT_EQ(voiceListSavedNotice(d), "WAV .lst file M1.lst saved.");

  d.platform = 12;
  EXPECT_EQ(entriesToSave(d).size(), 19u);
  d.voiceEntries.resize(5);
  EXPECT_EQ(entriesToSave(d).size(), 5u);

  // A folder that is gone fails with the path, and writes nothing.
  d.voiceListPath = dir.path("gone/M1.lst");
  auto failed = saveVoiceList(d);
  ASSERT_FALSE(failed);
  EXPECT_NE(failed.error().message.find(d.voiceListPath), std::string::npos);
  EXPECT_FALSE(fs::exists(dir.path("gone")));
}

TEST(VoiceList, ChosenFilesAreStoredAsTheGameReadsThem) {
  EXPECT_EQ(voiceEntryFor("D:\\Game\\Wave\\MissionVoice\\a.wav"), "MISSIONVOICE\\A.WAV");
  EXPECT_EQ(voiceEntryFor("/home/pat/.wine/drive_c/XWA/wave/Mine/b1.wav"), "MINE\\B1.WAV");
  EXPECT_EQ(voiceEntryFor("/home/pat/sounds/c.wav"), "\\HOME\\PAT\\SOUNDS\\C.WAV");

  zephlo::testing::TempDir game;
  fs::create_directories(game.path("wave/MissionVoice"));
  zephlo::testing::writeFile(game.path("wave/MissionVoice/a.wav"), {0});
  EXPECT_EQ(voiceFilePath(game.root(), "MISSIONVOICE\\A.WAV"),
            fs::path(game.path("wave/MissionVoice/a.wav")));
  EXPECT_EQ(voiceFilePath("/nowhere", voiceEntryFor(game.path("wave/MissionVoice/a.wav"))),
            fs::path("/nowhere/Wave/MISSIONVOICE/A.WAV"));
}

TEST(VoiceList, AssignAndClearAreUndoableEditsOfTheEntries) {
  Document d = missionWithMessages("M1.tie", 65);
  EditorState st;
  EXPECT_EQ(canAssignVoice(d, 64).error().message, "Limit of 64 wavs for custom messages");
  EXPECT_TRUE(canAssignVoice(d, 63));
  Document silent = missionWithMessages("M1.tie", 0);
  EXPECT_EQ(canAssignVoice(silent, 0).error().message, "There are no messages to add sounds to!");

  EXPECT_FALSE(applyOperation(d, st, assignVoiceOperation(0, "A.WAV")));

  d.voiceListPath = "M1.lst";
  d.voiceEntries.assign(3, kDummyVoice); // cut short by hand
  const auto slot = voiceSlot(0, true, 2);
  EXPECT_EQ(slot, 66u);
  auto assigned = applyOperation(d, st, assignVoiceOperation(slot, "END.WAV"));
  ASSERT_TRUE(assigned);
  EXPECT_TRUE(assigned->change.voices);
  ASSERT_EQ(d.voiceEntries.size(), 67u);
  EXPECT_EQ(d.voiceEntries[66], "END.WAV");
  EXPECT_EQ(d.voiceEntries[65], kDummyVoice);
  assigned->delta.revert(d);
  EXPECT_EQ(d.voiceEntries.size(), 3u);

  d.voiceEntries[1] = "B.WAV";
  ASSERT_TRUE(applyOperation(d, st, clearVoiceOperation(voiceSlot(1, false, 0))));
  EXPECT_EQ(d.voiceEntries[1], kDummyVoice);
  auto past = applyOperation(d, st, clearVoiceOperation(40));
  ASSERT_TRUE(past);
  EXPECT_FALSE(past->change.voices);
}

TEST(VoiceList, ShowsPlaysOffersAndFollowsTheMission) {
  zephlo::testing::TempDir game;
  Document d = missionWithMessages(game.path("M1.tie"), 2);
  EXPECT_FALSE(shownVoiceEntry(d, 0, false, 0));
  EXPECT_FALSE(offerVoiceListSave(d, true));
  ASSERT_TRUE(createVoiceList(d, game.root()));
  d.voiceEntries[1] = "MISSIONVOICE\\B.WAV";
  d.voiceEntries[67] = "END.WAV";
  EXPECT_EQ(shownVoiceEntry(d, 1, false, 0), "MISSIONVOICE\\B.WAV");
  EXPECT_EQ(shownVoiceEntry(d, 0, true, 3), "END.WAV");
  EXPECT_FALSE(shownVoiceEntry(d, 70, false, 0));
  EXPECT_TRUE(offerVoiceListSave(d, true));
  EXPECT_FALSE(offerVoiceListSave(d, false));

  EXPECT_FALSE(voiceFileToPlay(game.root(), "MISSIONVOICE\\B.WAV"));
  zephlo::testing::writeFile(game.path("Wave/MissionVoice/b.wav"), {0});
  EXPECT_EQ(voiceFileToPlay(game.root(), "MISSIONVOICE\\B.WAV"),
            fs::path(game.path("Wave/MissionVoice/b.wav")));

  // Save As "M2.tie": the list goes along under the new name, the old one stays.
  const std::string oldList = d.voiceListPath;
  d.fileName = game.path("M2.tie");
  ASSERT_TRUE(carryVoiceListTo(d, game.root()));
  EXPECT_EQ(d.voiceListPath, game.path("Wave/MissionVoice/M2.lst"));
  EXPECT_EQ(fileText(d.voiceListPath), "dummy.wav\r\nMISSIONVOICE\\B.WAV\r\n" +
                                           repeated("dummy.wav", 65) + "END.WAV\r\n" +
                                           repeated("dummy.wav", 2));
  EXPECT_TRUE(fs::exists(oldList));
}
