// The voice list and the game's mission lists through the editor: prompts,
// round trips and what is written.
#include "core/lists/game_paths.h"
#include "support/editor_fixture.h"
#include "ui/side/voice_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace zephlo;
using namespace zephlo::testing;
namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const fs::path& p, const std::string& bytes) {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << bytes;
}

std::string crlf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines)
    out += l + "\r\n";
  return out;
}

// A game folder spelt as a Wine install may keep it.
struct Game {
  Editor& e;
  fs::path root;
  explicit Game(Editor& ed) : e(ed), root(ed.dir.path("XWA")) {
    fs::create_directories(root / "WAVE" / "MissionVoice");
    fs::create_directories(root / "Missions");
    fs::create_directories(root / "MELEE");
    e.prefs.gameDir = q(root.string());
  }
  fs::path voices() const { return root / "WAVE" / "MissionVoice"; }
};

template <class T> T* child(QWidget& w, const char* name) {
  T* c = w.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(c, nullptr) << name;
  return c;
}

void click(QWidget& w, const char* name) { child<QAbstractButton>(w, name)->click(); }

} // namespace

TEST(VoiceList, LoadedSavedUnchangedAndPromptedWhenChanged) {
  Editor e;
  Game g(e);
  std::vector<std::string> lines(70, "dummy.wav");
  lines[1] = "MISSIONVOICE\\HELLO.WAV";
  const std::string original = crlf(lines);
  writeFile(g.voices() / "m1.lst", original);
  writeFile(g.root / "WAVE" / "MissionVoice" / "New.wav", "RIFF");

  Document d = newMission({});
  d.messages.resize(2);
  d.header[hdr::NumMessages] = 2;
  ASSERT_TRUE(writeMission(d, e.dir.path("m1.tie")).ok());
  e.files.openPath(q(e.dir.path("m1.tie")));
  ASSERT_EQ(e.c.document().voiceEntries.size(), 70u);
  auto* panel = e.w.findChild<WavPanel*>("WAVPanel");
  ASSERT_NE(panel, nullptr);
  e.trigger("WAVfilemanager1");
  EXPECT_EQ(child<QLineEdit>(*panel, "WAVfileEd")->text(), "dummy.wav");
  e.c.selectMessage(1);
  EXPECT_EQ(child<QLineEdit>(*panel, "WAVfileEd")->text(), "MISSIONVOICE\\HELLO.WAV");
  const QAbstractItemModel* msgs = e.list("MsgStrList")->model();
  EXPECT_TRUE(msgs->index(1, 0).data().toString().startsWith("* ")) << "a voiced message";
  EXPECT_TRUE(msgs->index(0, 0).data().toString().startsWith("   0:")) << "a dummy one";

  // Saved without an edit: the same bytes.
  click(*panel, "SaveWAV");
  EXPECT_EQ(readFile(g.voices() / "m1.lst"), original);

  // An assignment is stored in capitals relative to the Wave folder.
  e.prompts.openFiles = {q((g.root / "WAVE" / "MissionVoice" / "New.wav").string())};
  click(*panel, "LoadWAV");
  EXPECT_EQ(e.c.document().voiceEntries[1], "MISSIONVOICE\\NEW.WAV");
  EXPECT_TRUE(e.s.voices.voicesChanged());

  // New: the mission prompt first, then the voice list's; Yes writes it.
  e.prompts.yesNoCancel = {Answer::No};
  e.prompts.yesNo = {true};
  e.prompts.log.clear();
  e.trigger("NewBtn");
  EXPECT_EQ(e.prompts.log,
            QStringList({kChanged, "question: WAV .lst file has been changed. Save it?"}));
  lines[1] = "MISSIONVOICE\\NEW.WAV";
  EXPECT_EQ(readFile(g.voices() / "m1.lst"), crlf(lines));
  EXPECT_EQ(child<QLineEdit>(*panel, "WAVfileEd")->text(), "No matching .lst file");

  // Refusals without a list.
  e.prompts.log.clear();
  click(*panel, "SaveWAV");
  click(*panel, "CreateLst");
  EXPECT_EQ(e.prompts.log,
            QStringList({"error: There is no matching .lst file to save!",
                         "error: Mission File is unnamed. Can't create matching .lst file until "
                         "it is named."}));
}

TEST(VoiceList, AListChangedByAnotherProgramIsReloadedOrNotOverwrittenUnasked) {
  Editor e;
  Game g(e);
  writeFile(g.voices() / "m1.lst", crlf(std::vector<std::string>(70, "dummy.wav")));
  writeFile(g.voices() / "New.wav", "RIFF");
  Document d = newMission({});
  d.messages.resize(1);
  d.header[hdr::NumMessages] = 1;
  ASSERT_TRUE(writeMission(d, e.dir.path("m1.tie")).ok());
  ASSERT_TRUE(e.files.openPath(q(e.dir.path("m1.tie"))));

  // Unchanged here: offered for reloading.
  std::vector<std::string> theirs(70, "dummy.wav");
  theirs[0] = "THEIRS.WAV";
  writeFile(g.voices() / "m1.lst", crlf(theirs));
  e.prompts.yesNo = {true};
  e.s.voices.watch().check();
  EXPECT_TRUE(
      e.prompts.log.contains("question: m1.lst was changed by another program. Reload it?"));
  EXPECT_EQ(e.c.document().voiceEntries[0], "THEIRS.WAV");

  // Changed here and there: saving asks, and Cancel keeps their file.
  e.prompts.openFiles = {q((g.voices() / "New.wav").string())};
  ASSERT_TRUE(e.s.voices.assignVoice(-1));
  theirs[1] = "AGAIN.WAV";
  writeFile(g.voices() / "m1.lst", crlf(theirs));
  e.prompts.choices = {1};
  EXPECT_FALSE(e.s.voices.saveVoices());
  EXPECT_TRUE(e.prompts.log.contains(
      "question: m1.lst was changed by another program since it was opened. [Overwrite, Cancel]"));
  EXPECT_EQ(readFile(g.voices() / "m1.lst"), crlf(theirs));
  e.prompts.choices = {0};
  EXPECT_TRUE(e.s.voices.saveVoices());
  EXPECT_NE(readFile(g.voices() / "m1.lst"), crlf(theirs));
}

TEST(VoiceList, CreatedAssignedToEndLinesAndCarriedBySaveAs) {
  Editor e;
  Game g(e);
  Document d = newMission({});
  d.messages.resize(1);
  d.header[hdr::NumMessages] = 1;
  ASSERT_TRUE(writeMission(d, e.dir.path("First.tie")).ok());
  e.files.openPath(q(e.dir.path("First.tie")));
  auto* panel = e.w.findChild<WavPanel*>("WAVPanel");
  e.trigger("WAVfilemanager1");

  // Assigning without a list offers to create one.
  e.prompts.yesNo = {true};
  e.prompts.openFiles = {q(e.dir.path("elsewhere/a.wav"))};
  click(*panel, "LoadWAV");
  const fs::path created = g.voices() / "First.lst";
  ASSERT_TRUE(fs::exists(created));
  EXPECT_TRUE(e.prompts.log.contains("notice 800: " + q(created.string()) + " has been created."));
  std::string outside = upperAscii(e.dir.path("elsewhere/a.wav"));
  std::replace(outside.begin(), outside.end(), '/', '\\');
  EXPECT_EQ(e.c.document().voiceEntries[0], outside)
      << "a file outside the game keeps its full path";

  // The end-of-mission lines take the list's place (and the editing
  // window's, until they go); a voice goes to 64 + line.
  e.action("DatapadAction")->setChecked(true);
  click(*panel, "EndMsgWav");
  EXPECT_FALSE(e.action("DatapadAction")->isChecked());
  QListView* list = e.list("MsgStrList");
  ASSERT_EQ(list->model()->rowCount(), 6);
  list->setCurrentIndex(list->model()->index(2, 0));
  e.prompts.openFiles = {q((g.root / "WAVE" / "end.wav").string())};
  click(*panel, "LoadWAV");
  EXPECT_EQ(e.c.document().voiceEntries[66], "END.WAV");
  e.trigger("WAVfilemanager1"); // hiding the panel returns to the messages
  EXPECT_EQ(list->model()->rowCount(), 1);
  EXPECT_TRUE(e.action("DatapadAction")->isChecked());

  // Save As takes the list along under the new name.
  e.prompts.saveFiles = {q(e.dir.path("Second.tie"))};
  e.prompts.yesNo = {false};
  e.trigger("SaveAsBtn");
  const fs::path carried = g.voices() / "Second.lst";
  ASSERT_TRUE(fs::exists(carried));
  EXPECT_EQ(readFile(carried), crlf(e.c.document().voiceEntries));
  EXPECT_EQ(e.c.document().voiceListPath, carried.string());
  EXPECT_FALSE(e.prompts.log.contains("question: WAV .lst file has been changed. Save it?"))
      << "Save As writes the list itself";

  // Closing with a changed list: both prompts, and Cancel keeps the window.
  click(*panel, "ClearWAVBut");
  e.prompts.yesNoCancel = {Answer::Cancel};
  e.prompts.log.clear();
  EXPECT_FALSE(e.w.close());
  EXPECT_EQ(e.prompts.log, QStringList({kChanged}));
  e.prompts.yesNoCancel = {Answer::No};
  e.prompts.yesNo = {true};
  EXPECT_TRUE(e.w.close());
  EXPECT_EQ(e.prompts.log.last(), "question: WAV .lst file has been changed. Save it?");
  EXPECT_EQ(readFile(carried).substr(0, 11), "dummy.wav\r\n");
}

TEST(MissionLists, EditorRoundTripEntriesBackupsAndMissingFolders) {
  Editor e;
  Game g(e);
  const std::string campaign = crlf({"//", "!BATTLE_1_HEADER![Battle 1: Start]", "//", "1",
                                     "* m1.tie", "!MISSION_1_DESC!First flight", "//"});
  const std::string melee = crlf({"3", "* melee3.tie", "!MISSION_3_DESC!Dogfight", "7"});
  writeFile(g.root / "Missions" / "MISSION.LST", campaign);
  writeFile(g.root / "MELEE" / "Mission.lst", melee);

  e.prompts.modal.push_back([](QDialog& d) {
    EXPECT_EQ(child<QLineEdit>(d, "LstNum")->text(), "2");
    EXPECT_EQ(child<QLineEdit>(d, "BattleNum")->text(), "2");
    click(d, "OKBtn");
    return d.result();
  });
  e.trigger("Battle");
  EXPECT_EQ(readFile(g.root / "Missions" / "MISSION.LST"), campaign) << "nothing edited";
  EXPECT_EQ(readFile(g.root / "MELEE" / "Mission.lst"), melee);

  e.prompts.modal.push_back([](QDialog& d) {
    child<QLineEdit>(d, "Edit1")->clear();
    click(d, "AutoAddBut"); // refused, the number still moves on
    EXPECT_EQ(child<QLineEdit>(d, "LstNum")->text(), "3");
    click(d, "AutoAddBut");
    click(d, "Button1");
    click(d, "BackupLstBtn");
    click(d, "OKBtn");
    return d.result();
  });
  e.trigger("Battle");
  EXPECT_TRUE(
      e.prompts.log.contains("error: You must write a description in the Mission Description box"));
  const std::string edited =
      crlf({"//", "!BATTLE_1_HEADER![Battle 1: Start]", "//", "1", "* m1.tie",
            "!MISSION_1_DESC!First flight", "3", "* ", "!MISSION_3_DESC!My mission 3", "//",
            "!BATTLE_2_HEADER![Battle 2: ]", "//", "//"});
  EXPECT_EQ(readFile(g.root / "Missions" / "MISSION.LST"), edited);
  EXPECT_EQ(readFile(g.root / "Missions" / "Mission.~ls"), edited);

  // No melee folder: named, and nothing is written there.
  fs::remove_all(g.root / "MELEE");
  e.prompts.log.clear();
  e.prompts.modal.push_back([](QDialog& d) {
    click(d, "OKBtn");
    return d.result();
  });
  e.trigger("Battle");
  ASSERT_EQ(e.prompts.log.size(), 2);
  EXPECT_TRUE(e.prompts.log[0].startsWith("error: ")) << e.prompts.log[0].toStdString();
  EXPECT_TRUE(e.prompts.log[0].contains("Melee")) << e.prompts.log[0].toStdString();
  EXPECT_FALSE(fs::exists(g.root / "MELEE"));

  // No game folder at all: one message naming it, and no editor opens.
  e.prefs.gameDir = q(e.dir.path("NoSuchGame"));
  e.prompts.log.clear();
  e.trigger("Battle");
  EXPECT_EQ(e.prompts.log, QStringList{"error: The game folder " + q(e.dir.path("NoSuchGame")) +
                                       " does not exist."});
  EXPECT_FALSE(fs::exists(e.dir.path("NoSuchGame")));
}

TEST(MissionLists, LoadByListOpensTheChosenMission) {
  Editor e;
  Game g(e);
  writeFile(g.root / "Missions" / "Mission.lst",
            crlf({"!BATTLE_12_HEADER![Battle 12: Ambush]", "5", "* M1.TIE",
                  "!MISSION_5_DESC!First flight", "6", "* gone.tie", "!MISSION_6_DESC!Gone"}));
  Document d = newMission({});
  d.flightGroups.resize(2, d.flightGroups[0]);
  ASSERT_TRUE(writeMission(d, (g.root / "Missions" / "m1.tie").string()).ok());

  e.prompts.modal.push_back([](QDialog& d) {
    auto* list = child<QListWidget>(d, "ListBox1");
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "[Battle 12: Ambush]");
    EXPECT_TRUE(list->item(0)->font().bold());
    list->setCurrentRow(2);
    EXPECT_EQ(child<QLabel>(d, "Label1")->text(), "gone.tie");
    list->setCurrentRow(1);
    EXPECT_EQ(child<QLabel>(d, "Label1")->text(), "M1.TIE");
    click(d, "OKBtn");
    return d.result();
  });
  e.trigger("LoadByLst1");
  EXPECT_EQ(e.fgCount(), 2u) << "found without regard to case";
  EXPECT_EQ(e.files.history().value(0), q((g.root / "Missions" / "m1.tie").string()));

  e.prompts.modal.push_back([](QDialog& d) {
    child<QListWidget>(d, "ListBox1")->setCurrentRow(2);
    click(d, "OKBtn");
    return d.result();
  });
  e.prompts.log.clear();
  e.trigger("LoadByLst1");
  EXPECT_EQ(e.prompts.log.value(1),
            "error: " + q((g.root / "Missions" / "gone.tie").string()) + " does not exist!");
  EXPECT_EQ(e.fgCount(), 2u);

  // The melee tab has no list: the missions' list must not stay and open
  // the wrong mission from the other folder.
  e.prompts.modal.push_back([](QDialog& d) {
    child<QTabBar>(d, "TabControl1")->setCurrentIndex(1);
    auto* list = child<QListWidget>(d, "ListBox1");
    EXPECT_EQ(list->count(), 0);
    list->setCurrentRow(1);
    click(d, "OKBtn");
    return d.result();
  });
  e.prompts.log.clear();
  e.trigger("LoadByLst1");
  EXPECT_TRUE(e.prompts.log.filter("error:").value(0).contains("Mission.lst"))
      << e.prompts.log.join("\n").toStdString();
  EXPECT_EQ(e.fgCount(), 2u) << "nothing opened";
}
