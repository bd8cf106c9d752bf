// Work left by an editor that was killed comes back at the next start.
#include "support/editor_fixture.h"

#include <QProcess>
#include <QTest>

#include <filesystem>
#include <set>

using namespace zephlo;
using namespace zephlo::testing;
namespace fs = std::filesystem;

namespace {

// Runs the helper editor, which edits the mission and is killed by SIGKILL
// once its recovery copy is written.
void crashAfterEditing(const std::string& folder, const QString& mission, const char* name) {
  QProcess p;
  p.start(QStringLiteral(ZEPHLO_CRASH_HELPER), {q(folder), mission, QString::fromLatin1(name)});
  ASSERT_TRUE(p.waitForFinished(30000));
  ASSERT_EQ(p.exitStatus(), QProcess::CrashExit) << p.readAllStandardError().toStdString();
}

// Two editors of the mission killed after editing, "Lost" and "Found"; e
// starts with their folder, which is returned.
std::string twoKilledEditors(Editor& e, const QString& mission) {
  const std::string folder = e.dir.path("recovery");
  crashAfterEditing(folder, mission, "Lost");
  crashAfterEditing(folder, mission, "Found");
  e.s.recovery.start(q(folder));
  return folder;
}

} // namespace

TEST(Recovery, WorkOfAKilledEditorIsRecoveredAndSavedWhereItBelongs) {
  Editor e;
  const QString mission = e.missionFile("m.tie", "Mine");
  const auto original = readFile(mission.toStdString());
  const std::string folder = e.dir.path("recovery");
  crashAfterEditing(folder, mission, "Survivor");

  e.s.recovery.start(q(folder));
  e.prompts.choices = {0}; // Recover
  QStringList others;
  ASSERT_TRUE(e.s.recovery.offerRecovery(others));
  EXPECT_TRUE(others.isEmpty());
  const QStringList asked = e.prompts.log.filter("Recover unsaved work");
  ASSERT_EQ(asked.size(), 1);
  EXPECT_TRUE(asked[0].contains(mission)) << asked[0].toStdString();
  EXPECT_TRUE(asked[0].endsWith("[Recover, Discard]"));

  // The edited mission, changed, belonging to its file; the file untouched.
  EXPECT_EQ(e.c.document().flightGroups[0].name(), "Survivor");
  EXPECT_TRUE(e.c.isModified());
  EXPECT_EQ(q(e.c.document().fileName), mission);
  EXPECT_EQ(readFile(mission.toStdString()), original);
  EXPECT_EQ(e.c.undoStack().count(), 0) << "undo history is not recovered";
  EXPECT_TRUE(e.s.recovery.hasCopy()) << "the recovered work is this editor's to keep safe";

  ASSERT_TRUE(e.files.save());
  EXPECT_EQ(readFile(mission.toStdString()), savedBytes(e.c.document()));
  EXPECT_FALSE(e.s.recovery.hasCopy());
  EXPECT_TRUE(e.s.recovery.folder()->orphans().empty()) << "the old copy is gone";
}

TEST(Recovery, DiscardedOrUnansweredCopiesAndTheOwnersOwn) {
  Editor e;
  const QString mission = e.missionFile("m.tie", "Mine");
  const std::string folder = twoKilledEditors(e, mission);
  QStringList others;
  EXPECT_FALSE(e.s.recovery.offerRecovery(others)) << "closed without an answer";
  EXPECT_EQ(e.s.recovery.folder()->orphans().size(), 2u) << "kept for the next start";
  e.prompts.choices = {1}; // Discard
  EXPECT_FALSE(e.s.recovery.offerRecovery(others));
  EXPECT_TRUE(e.s.recovery.folder()->orphans().empty());

  // This editor's own copy: written while there are unsaved edits, removed
  // when they are thrown away by a new mission and at a clean exit.
  ASSERT_TRUE(e.files.openPath(mission));
  e.edit([](Edit& ed) { ed.flightGroup(0).setName("Mine"); });
  e.s.recovery.writeNow();
  EXPECT_TRUE(e.s.recovery.hasCopy());
  e.prompts.yesNoCancel = {Answer::No};
  ASSERT_TRUE(e.files.newMission());
  EXPECT_FALSE(e.s.recovery.hasCopy());
  e.s.recovery.closing();
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST(Recovery, SeveralCopiesOpenOneHereAndTheOthersInEditorsOfTheirOwn) {
  Editor e;
  const QString mission = e.missionFile("m.tie", "Mine");
  const std::string folder = twoKilledEditors(e, mission);
  e.prompts.choices = {0}; // Recover
  QStringList others;
  ASSERT_TRUE(e.s.recovery.offerRecovery(others));
  ASSERT_EQ(others.size(), 1) << "the other copy goes to an editor of its own";
  // What the editor started for it does with the copy it was given.
  Editor second;
  second.s.recovery.start(q(folder));
  ASSERT_TRUE(second.s.recovery.recover(others[0]));
  const std::set<std::string> names = {e.c.document().flightGroups[0].name(),
                                       second.c.document().flightGroups[0].name()};
  EXPECT_EQ(names, (std::set<std::string>{"Found", "Lost"}));
  EXPECT_TRUE(second.c.isModified());
}

TEST(Recovery, CopiesFollowThePreferredIntervalAndZeroTurnsThemOff) {
  Editor e;
  ASSERT_TRUE(e.files.openPath(e.missionFile("m.tie", "Mine")));
  e.prefs.recoverySeconds = 1;
  e.s.recovery.start(q(e.dir.path("recovery")));
  e.edit([](Edit& ed) { ed.flightGroup(0).setName("Kept"); });
  QTRY_VERIFY_WITH_TIMEOUT(e.s.recovery.hasCopy(), 5000);

  ASSERT_TRUE(e.files.save());
  EXPECT_FALSE(e.s.recovery.hasCopy());
  e.prefs.recoverySeconds = 0;
  e.s.recovery.preferencesChanged();
  e.edit([](Edit& ed) { ed.flightGroup(0).setName("Unkept"); });
  QTest::qWait(1500);
  EXPECT_FALSE(e.s.recovery.hasCopy()) << "0: no copies";
}
