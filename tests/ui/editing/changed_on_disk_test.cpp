// A mission or voice list that another program changes while it is open:
// saving over it asks first, and the editor offers to reload it.
#include "core/mission/file_stamp.h"
#include "support/editor_fixture.h"

#include <QStatusBar>

#include <filesystem>
#include <fstream>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

const QString kQuestion = "question: m.tie was changed by another program since it was opened. "
                          "[Overwrite, Save As..., Cancel]";

// Another program writes the mission: a new first briefing text.
void rewriteBehindTheEditor(Editor& e, const std::string& title) {
  Document other = newMission({});
  other.briefing.texts[0] = title;
  writeFile(e.dir.path("m.tie"), savedBytes(other));
}

void renameFirstFlightGroup(Editor& e, const std::string& name) {
  e.edit([name](Edit& ed) { ed.flightGroup(0).setName(name); });
}

} // namespace

TEST(ChangedOnDisk, SavingOverAnotherProgramsWorkAsksFirst) {
  Editor e;
  ASSERT_TRUE(e.files.openPath(e.missionFile("m.tie", "Mine")));
  renameFirstFlightGroup(e, "Red");
  ASSERT_TRUE(e.files.save());
  renameFirstFlightGroup(e, "Blue");
  ASSERT_TRUE(e.files.save()) << "the editor's own save is no change by another program";
  EXPECT_FALSE(e.prompts.log.contains(kQuestion));

  rewriteBehindTheEditor(e, "Theirs");
  const auto theirs = readFile(e.dir.path("m.tie"));
  renameFirstFlightGroup(e, "Gold");
  e.prompts.choices = {2}; // Cancel
  EXPECT_FALSE(e.files.save());
  EXPECT_TRUE(e.prompts.log.contains(kQuestion));
  EXPECT_EQ(readFile(e.dir.path("m.tie")), theirs);
  EXPECT_TRUE(e.c.isModified());

  // Save As... goes to the save dialog; cancelling it keeps their file too.
  e.prompts.choices = {1};
  EXPECT_FALSE(e.files.save());
  EXPECT_TRUE(e.prompts.log.contains("save dialog"));
  EXPECT_EQ(readFile(e.dir.path("m.tie")), theirs);

  e.prompts.choices = {0}; // Overwrite
  EXPECT_TRUE(e.files.save());
  EXPECT_EQ(readFile(e.dir.path("m.tie")), savedBytes(e.c.document()));
  EXPECT_FALSE(e.c.isModified());
  e.prompts.log.clear();
  renameFirstFlightGroup(e, "Green");
  EXPECT_TRUE(e.files.save());
  EXPECT_FALSE(e.prompts.log.contains(kQuestion)) << "after overwriting, the file is ours again";
}

TEST(ChangedOnDisk, AnUnchangedMissionIsOfferedForReloadAChangedOneSaysSo) {
  Editor e;
  ASSERT_TRUE(e.files.openPath(e.missionFile("m.tie", "Mine")));
  rewriteBehindTheEditor(e, "Theirs");
  e.prompts.yesNo = {true};
  e.files.missionWatch().check();
  EXPECT_TRUE(e.prompts.log.contains("question: m.tie was changed by another program. Reload it?"));
  EXPECT_EQ(e.c.document().briefing.texts[0], "Theirs");
  EXPECT_FALSE(e.c.isModified());

  // With unsaved changes nothing is reloaded: the status bar says it.
  renameFirstFlightGroup(e, "Red");
  rewriteBehindTheEditor(e, "Theirs again");
  e.prompts.log.clear();
  e.files.missionWatch().check();
  EXPECT_TRUE(e.prompts.log.isEmpty()) << e.prompts.log.join("\n").toStdString();
  EXPECT_EQ(e.w.statusBar()->currentMessage(),
            "m.tie was changed by another program since it was opened.");
  EXPECT_EQ(e.c.document().flightGroups[0].name(), "Red");
  e.files.missionWatch().check();
  EXPECT_TRUE(e.prompts.log.isEmpty()) << "one change is reported once";

  // The watcher itself notices while the editor is the active window.
  Editor f;
  ASSERT_TRUE(f.files.openPath(f.missionFile("m.tie", "Mine")));
  f.focus(f.list("ShipList"));
  f.prompts.yesNo = {false};
  rewriteBehindTheEditor(f, "Theirs");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !f.prompts.log.filter("Reload it?").isEmpty(); }, 5000));
  EXPECT_EQ(f.c.document().briefing.texts[0], "Mine") << "answered No";
}

TEST(ChangedOnDisk, FileStampsTellEveryKindOfChange) {
  TempDir dir;
  const std::string path = dir.path("f");
  writeFile(path, {1, 2, 3, 4});
  const auto stamp = stampOf(path);
  ASSERT_TRUE(stamp);
  EXPECT_FALSE(changedSince(stamp, path));
  // The same size and modification time, other bytes.
  const auto time = std::filesystem::last_write_time(path);
  writeFile(path, {1, 2, 3, 5});
  std::filesystem::last_write_time(path, time);
  EXPECT_TRUE(changedSince(stamp, path));
  std::filesystem::remove(path);
  EXPECT_TRUE(changedSince(stamp, path));
  EXPECT_FALSE(changedSince(std::nullopt, path)) << "a file never stamped has not changed";
  std::filesystem::create_directory(path);
  EXPECT_FALSE(stampOf(path)) << "a folder has no stamp";
}
