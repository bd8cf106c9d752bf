#include "core/check/limits.h"
#include "core/check/mission_logic.h"
#include "core/mission/new_mission.h"
#include "core/mission/writer.h"
#include "platform/settings_store.h"
#include "support/editor_fixture.h"
#include "support/test_missions.h"
#include "ui/editing/editing_document.h"
#include "ui/main/app_icon.h"
#include "ui/main/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zephlo;
using namespace zephlo::testing;

TEST(MainWindow, NewMissionAndTheChangedPrompt) {
  Editor e;
  e.trigger("NewBtn");
  EXPECT_TRUE(e.prompts.log.isEmpty()) << "nothing to save, nothing asked";
  EXPECT_EQ(e.w.windowTitle(), FileCommands::programTitle() + " - [Unnamed]");

  e.trigger("NewFGBut");
  ASSERT_EQ(e.fgCount(), 2u);
  e.prompts.yesNoCancel = {Answer::Cancel};
  e.trigger("NewBtn");
  EXPECT_EQ(e.prompts.log.last(), kChanged);
  EXPECT_EQ(e.fgCount(), 2u) << "Cancel stops the command";

  e.prompts.yesNoCancel = {Answer::Yes};
  e.trigger("NewBtn");
  EXPECT_EQ(e.prompts.log.last(), "save dialog");
  EXPECT_EQ(e.fgCount(), 2u) << "a cancelled Save As stops the command too";

  e.prompts.yesNoCancel = {Answer::Yes};
  e.prompts.saveFiles = {q(e.dir.path("kept.tie"))};
  e.trigger("NewBtn");
  EXPECT_EQ(e.fgCount(), 1u);
  EXPECT_TRUE(QFileInfo::exists(q(e.dir.path("kept.tie"))));

  e.trigger("NewFGBut");
  e.prompts.yesNoCancel = {Answer::No};
  e.trigger("NewBtn");
  EXPECT_EQ(e.fgCount(), 1u);
  EXPECT_FALSE(e.c.isModified());
}

TEST(MainWindow, OpenRefusedAndDamagedFilesKeepTheDocument) {
  Editor e;
  const QString good = e.missionFile("good.tie", ">Into the Fire", 3);
  e.prompts.openFiles = {good};
  e.w.OpenBtnClick();
  EXPECT_EQ(e.fgCount(), 3u);
  EXPECT_EQ(e.w.windowTitle(), FileCommands::programTitle() + " - (good.tie) - Into the Fire");
  EXPECT_EQ(e.files.history().first(), good);
  EXPECT_EQ(e.list("ShipList")->model()->rowCount(), 3);

  std::vector<std::uint8_t> tie(200, 0xFF);
  writeFile(e.dir.path("tie.tie"), tie);
  e.prompts.openFiles = {q(e.dir.path("tie.tie"))};
  e.w.OpenBtnClick();
  EXPECT_EQ(e.prompts.log.last(), "notice 1500: Cannot import TIE Fighter files.");
  EXPECT_EQ(e.fgCount(), 3u);

  GeneratedMission m = generateMission({});
  m.bytes.resize(30000);
  writeFile(e.dir.path("cut.tie"), m.bytes);
  e.prompts.openFiles = {q(e.dir.path("cut.tie"))};
  e.w.OpenBtnClick();
  EXPECT_TRUE(e.prompts.log.last().startsWith("error: " + q(e.dir.path("cut.tie")) + " is damaged"))
      << e.prompts.log.last().toStdString();
  EXPECT_EQ(e.fgCount(), 3u);
  EXPECT_TRUE(e.w.windowTitle().endsWith("Into the Fire"));

  // An opened mission starts in region 1, with the menu showing it.
  auto regionAction = [&](const QString& text) {
    for (QAction* a : e.w.findChildren<QAction*>())
      if (a->text() == text) return a;
    return static_cast<QAction*>(nullptr);
  };
  regionAction("Region &3")->trigger();
  EXPECT_EQ(e.c.state().currentRegion, 3);
  e.prompts.openFiles = {good};
  e.w.OpenBtnClick();
  EXPECT_EQ(e.c.state().currentRegion, 1);
  EXPECT_TRUE(regionAction("Region &1")->isChecked());

  // A single ">" is kept in the title.
  e.prompts.openFiles = {e.missionFile("gt.tie", ">")};
  e.w.OpenBtnClick();
  EXPECT_TRUE(e.w.windowTitle().endsWith(") - >"));
}

TEST(MainWindow, SavingSaveAsAndFailures) {
  Editor e;
  e.trigger("NewFGBut");
  e.w.SaveBtnClick();
  EXPECT_EQ(e.prompts.log.last(), "save dialog") << "an unnamed mission asks where";
  EXPECT_TRUE(e.c.isModified());
  EXPECT_TRUE(e.files.saveAsCancelled());

  e.prompts.saveFiles = {q(e.dir.path("no/such/folder/m.tie"))};
  e.w.SaveAsBtnClick();
  EXPECT_TRUE(e.prompts.log.last().startsWith("error: Cannot save"))
      << e.prompts.log.last().toStdString();
  EXPECT_TRUE(e.c.isModified()) << "a failed save leaves the mission changed";
  EXPECT_TRUE(e.files.history().isEmpty());

  e.edit([](Edit& ed) { ed.briefing().texts[0] = ">Title"; });
  const QString path = q(e.dir.path("m.tie"));
  e.prompts.saveFiles = {path};
  e.w.SaveAsBtnClick();
  EXPECT_FALSE(e.c.isModified());
  EXPECT_EQ(e.w.windowTitle(), FileCommands::programTitle() + " - (m.tie) - >Title");
  EXPECT_EQ(e.files.history().first(), path);
  // The quiet check after the save shows what it found: no backdrop.
  EXPECT_EQ(e.prompts.log.last(), "dialog: TErrForm");
  EXPECT_EQ(e.c.document().flightGroups.size(), 2u);

  e.prompts.log.clear();
  e.trigger("NewFGBut");
  e.w.SaveBtnClick();
  EXPECT_FALSE(e.prompts.log.contains("save dialog")) << "a named mission saves in place";
  EXPECT_EQ(readFile(e.dir.path("m.tie")).size(), savedBytes(e.c.document()).size());
}

TEST(MainWindow, HistoryAndReopen) {
  Editor e;
  QStringList files;
  for (int i = 0; i < 10; ++i)
    files << e.missionFile("m" + std::to_string(i) + ".tie", "T");
  for (const QString& f : files) {
    e.prompts.openFiles = {f};
    e.w.OpenBtnClick();
  }
  EXPECT_EQ(e.files.history().size(), 9);
  EXPECT_EQ(e.files.history().first(), files[9]);
  EXPECT_FALSE(e.files.history().contains(files[0])) << "the oldest entry drops out";
  e.prompts.openFiles = {files[5]};
  e.w.OpenBtnClick();
  EXPECT_EQ(e.files.history().first(), files[5]);
  EXPECT_EQ(e.files.history().count(files[5]), 1);
  EXPECT_EQ(e.files.historyCaption(0), "&0 m5.tie");
  e.prefs.dirInReopen = true;
  EXPECT_EQ(e.files.historyCaption(0), "&0 " + files[5]);

  auto* hist = e.w.findChild<QMenu*>("HistPopUp");
  ASSERT_EQ(hist->actions().size(), 9);
  hist->actions().at(2)->trigger();
  EXPECT_EQ(e.files.history().first(), files[8]) << "a reopened file moves to the top";

  QFile::remove(files[7]);
  const int at = static_cast<int>(e.files.history().indexOf(files[7]));
  e.files.reopen(at);
  EXPECT_EQ(e.prompts.log.last(), "error: " + files[7] + " does not exist");
}

TEST(MainWindow, StartUpModes) {
  {
    Editor e;
    const QString spaced = e.missionFile("my mission.tie", "T", 2);
    const QString dir = q(e.dir.root());
    e.files.startUp({dir + "/my", "mission.tie"});
    EXPECT_EQ(e.fgCount(), 2u) << "a path split at its blank is joined";
    EXPECT_EQ(e.files.history().first(), spaced);
    EXPECT_TRUE(e.prompts.log.isEmpty());
  }
  {
    Editor e;
    e.prefs.openProgWith = 3;
    e.files.startUp({});
    EXPECT_EQ(e.prompts.log.last(), "notice 1500: Can't find last loaded file");
    EXPECT_EQ(e.fgCount(), 1u);
  }
  {
    Editor e;
    e.files.setHistory({e.missionFile("last.tie", "T", 4)});
    e.prefs.openProgWith = 0;
    e.prompts.startup = {StartupChoice::LoadLast};
    e.files.startUp({});
    EXPECT_EQ(e.fgCount(), 4u);
  }
  {
    Editor e;
    e.prefs.openProgWith = 2;
    e.files.startUp({});
    EXPECT_EQ(e.prompts.log.last(), "open dialog");
  }
  {
    Editor e;
    e.files.startUp({q(e.dir.path("gone.tie"))});
    EXPECT_EQ(e.prompts.log.last(), "error: " + q(e.dir.path("gone.tie")) + " does not exist.");
    EXPECT_EQ(e.fgCount(), 1u);
  }
}

TEST(MainWindow, ClosingAsksAndWritesTheSettings) {
  Editor e;
  e.trigger("NewFGBut");
  e.w.show();
  e.prompts.yesNoCancel = {Answer::Cancel};
  EXPECT_FALSE(e.w.close());
  EXPECT_EQ(e.prompts.log.last(), kChanged);
  EXPECT_EQ(e.fgCount(), 2u);
  e.prompts.yesNoCancel = {Answer::Yes}; // then Save As is cancelled
  EXPECT_FALSE(e.w.close());
  e.files.setHistory({q(e.dir.path("a.tie"))});
  e.prompts.yesNoCancel = {Answer::No};
  EXPECT_TRUE(e.w.close());
  QSettings written(q(e.dir.path("settings.ini")), QSettings::IniFormat);
  EXPECT_EQ(written.value("History/Count").toInt(), 1);
  EXPECT_EQ(written.value("History/file1").toString(), q(e.dir.path("a.tie")));
}

TEST(MainWindow, ListCommandsThroughTheWidgets) {
  Editor e;
  QListView* ships = e.list("ShipList");
  e.trigger("NewFGBut");
  e.trigger("NewFGBut");
  ASSERT_EQ(ships->model()->rowCount(), 3);
  EXPECT_EQ(ships->selectionModel()->selectedRows().size(), 1);
  EXPECT_EQ(ships->selectionModel()->selectedRows().first().row(), 2);
  EXPECT_EQ(e.c.state().currentFG, 2);

  // Rename the middle one so moves can be followed.
  e.edit([](Edit& ed) { ed.flightGroup(1).setName("Middle"); });
  ships->selectionModel()->select(ships->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
  e.trigger("UpBtn");
  EXPECT_EQ(e.c.document().flightGroups[0].name(), "Middle");
  EXPECT_EQ(ships->selectionModel()->selectedRows().first().row(), 0) << "the selection follows";
  e.trigger("UpBtn");
  EXPECT_EQ(e.c.document().flightGroups[0].name(), "Middle") << "the first line cannot move up";
  EXPECT_TRUE(ships->model()->index(0, 0).data().toString().contains("Middle"));

  e.focus(ships);
  e.prompts.yesNo = {false};
  e.trigger("DeleteBut");
  EXPECT_EQ(e.prompts.log.last(), "question: Delete all selected Flight Groups - Are You Sure?");
  EXPECT_EQ(e.fgCount(), 3u);
  e.prompts.yesNo = {true};
  e.trigger("DeleteBut");
  EXPECT_EQ(e.fgCount(), 2u);
  EXPECT_EQ(ships->model()->rowCount(), 2);

  e.trigger("CopyBtn");
  e.trigger("PasteBtn");
  EXPECT_EQ(e.fgCount(), 3u);

  // Messages page: the same buttons act on messages.
  auto* pages = e.w.findChild<QTabWidget*>("OverallPages");
  pages->setCurrentIndex(1);
  QListView* msgs = e.list("MsgStrList");
  e.trigger("NewFGBut");
  e.trigger("NewFGBut");
  EXPECT_EQ(msgs->model()->rowCount(), 2);
  EXPECT_EQ(msgs->model()->index(1, 0).data().toString(), " 1:  New Message");
  EXPECT_EQ(e.fgCount(), 3u);
  e.prefs.confirmDeletes = false;
  e.focus(msgs);
  e.trigger("DeleteBut");
  EXPECT_EQ(msgs->model()->rowCount(), 1);
  EXPECT_EQ(e.c.document().messages.size(), 1u);
}

TEST(MainWindow, CheckerWindow) {
  Editor e;
  // A new mission has no backdrop and no mothership for its player: two warnings.
  QString memo;
  bool omitBox = true;
  e.prompts.modal = {[&](QDialog& d) {
    memo = d.findChild<QPlainTextEdit*>("ErrMemo")->toPlainText();
    QCheckBox* omit = d.findChild<QCheckBox*>("OmitWarnsChk");
    omitBox = omit->isChecked();
    omit->click();
    return 1;
  }};
  e.trigger("ErrBtn");
  EXPECT_EQ(memo, "WARNING: There are no backdrops in the mission. It will be dark!\n"
                  "WARNING: Player has no Mother ship assigned.");
  EXPECT_FALSE(omitBox);
  EXPECT_TRUE(e.s.checker.omitWarnings()) << "the box sets the flag at once";

  e.trigger("ErrBtn");
  EXPECT_EQ(e.prompts.log.last(), "notice 800: No known errors.") << "warnings are left out now";

  e.edit([](Edit& ed) { ed.flightGroup(0).set(fg::CraftType, 0); });
  e.trigger("ErrBtn");
  EXPECT_EQ(e.prompts.log.last(), "dialog: TErrForm");
  e.prompts.yesNoCancel = {Answer::No};
  e.trigger("NewBtn");
  EXPECT_FALSE(e.s.checker.omitWarnings()) << "a new mission starts with warnings again";
}

TEST(MainWindow, CheckerWindowAddsTheGamesLimits) {
  Editor e;
  e.edit([](Edit& ed) {
    for (std::size_t k = 0; k <= kGameMaxMessages; ++k)
      ed.appendMessage(MsgObject{});
  });
  const QString checkerLines = "WARNING: There are no backdrops in the mission. It will be dark!\n"
                               "WARNING: Player has no Mother ship assigned.";
  const QString limitLine =
      "WARNING: The mission has 65 messages; the game holds only the first 64.";
  QStringList seen;
  auto memoText = [](QDialog& d) { return d.findChild<QPlainTextEdit*>("ErrMemo")->toPlainText(); };
  e.prompts.modal = {[&](QDialog& d) {
    auto* limits = d.findChild<QCheckBox*>("LimitsChk");
    EXPECT_EQ(limits->text(), "Check the game's limits");
    EXPECT_FALSE(limits->isChecked());
    d.show(); // both boxes fit the fixed size in full
    for (auto* box : {limits, d.findChild<QCheckBox*>("OmitWarnsChk")})
      EXPECT_GE(box->width(), box->sizeHint().width()) << box->text().toStdString();
    seen << memoText(d);
    limits->click();
    seen << memoText(d);
    limits->click();
    seen << memoText(d);
    limits->click(); // left ticked for the next check
    return 1;
  }};
  e.trigger("ErrBtn");
  ASSERT_EQ(seen.size(), 3);
  EXPECT_EQ(seen[0], checkerLines) << "unticked, the list is the checker's alone";
  EXPECT_EQ(seen[1], checkerLines + "\n" + limitLine) << "the limits come after the checker";
  EXPECT_EQ(seen[2], checkerLines);
  EXPECT_TRUE(e.s.checker.limitsChecked());

  // With the checker's warnings left out, the game's limits alone still open the list.
  e.s.checker.setOmitWarnings(true);
  e.prompts.modal = {[&](QDialog& d) {
    EXPECT_TRUE(d.findChild<QCheckBox*>("LimitsChk")->isChecked());
    seen << memoText(d);
    return 1;
  }};
  e.trigger("ErrBtn");
  ASSERT_EQ(seen.size(), 4);
  EXPECT_EQ(seen[3], limitLine);

  e.s.checker.setLimitsChecked(false);
  e.trigger("ErrBtn");
  EXPECT_EQ(e.prompts.log.last(), "notice 800: No known errors.");
}

TEST(MainWindow, CheckerWindowAddsTheMissionsLogic) {
  Editor e;
  // The flight group waits for itself to arrive, so it never does.
  e.edit([](Edit& ed) {
    FGObject& f = ed.flightGroup(0);
    f.set(fg::ArrivalPair1 + trig::Condition, 1);
    f.set(fg::ArrivalPair1 + trig::VariableType, 1);
    f.set(fg::ArrivalPair1 + trig::Variable, 0);
  });
  const std::vector<std::string> findings = analyseMissionLogic(e.c.document()).findings;
  ASSERT_EQ(findings.size(), 1u);
  QStringList seen;
  e.prompts.modal = {[&](QDialog& d) {
    auto* memo = d.findChild<QPlainTextEdit*>("ErrMemo");
    auto* logic = d.findChild<QCheckBox*>("LogicChk");
    EXPECT_EQ(logic->text(), "Check the mission's logic");
    EXPECT_FALSE(logic->isChecked());
    seen << memo->toPlainText();
    logic->click();
    seen << memo->toPlainText();
    return 1;
  }};
  e.trigger("ErrBtn");
  ASSERT_EQ(seen.size(), 2);
  EXPECT_FALSE(seen[0].contains("never arrive")) << "unticked, the checker's lines alone";
  EXPECT_TRUE(seen[1].startsWith(seen[0] + "\n")) << "the findings come after the checker's";
  EXPECT_TRUE(seen[1].endsWith(QString::fromStdString(findings[0])));
  EXPECT_TRUE(e.s.checker.logicChecked()) << "left ticked for the next check";
}

TEST(MainWindow, SafetyCopyAndPreferences) {
  Editor e;
  const QString m = e.missionFile("m.tie", "T", 2);
  e.files.openPath(m);
  EXPECT_FALSE(QFileInfo::exists(q(e.dir.path("Backup.tie")))) << "copies are off by default";

  e.prompts.modal = {[](QDialog& d) {
    d.findChild<QCheckBox*>("DoBackupsChk")->setChecked(true);
    d.findChild<QCheckBox*>("UseAutoChk")->click(); // takes effect at once
    return 0;                                       // then Cancel
  }};
  const bool linked = e.c.document().flightGroups[1].autolink;
  QSignalSpy changes(&e.c, &EditingDocument::documentChanged);
  e.trigger("PreferencesAction");
  EXPECT_FALSE(e.prefs.doBackups) << "Cancel keeps the other values";
  EXPECT_FALSE(e.prefs.autoLink);
  EXPECT_FALSE(e.c.document().flightGroups[1].autolink);
  // The flags of every flight group changed as an edit: noticed and undone as one.
  EXPECT_EQ(changes.count(), 1);
  ASSERT_EQ(e.c.undoStack().count(), 1);
  EXPECT_EQ(e.c.undoStack().undoText(), "Autolink by Default");
  e.c.undoStack().undo();
  EXPECT_EQ(e.c.document().flightGroups[1].autolink, linked);
  EXPECT_EQ(e.c.document().flightGroups[0].autolink, linked);

  e.prefs.doBackups = true;
  e.files.openPath(m);
  EXPECT_EQ(readFile(e.dir.path("Backup.tie")), readFile(e.dir.path("m.tie")));
  QFile::remove(q(e.dir.path("Backup.tie")));
  QFile::copy(m, q(e.dir.path("BACKUP.tie")));
  e.files.openPath(q(e.dir.path("BACKUP.tie")));
  EXPECT_FALSE(QFileInfo::exists(q(e.dir.path("Backup.tie")))) << "no copy of the copy";
}

namespace {

QMenu* menuTitled(QMainWindow& w, const QString& title) {
  for (QAction* a : w.menuBar()->actions())
    if (a->text() == title) return a->menu();
  return nullptr;
}

QStringList captions(QMenu* m) {
  QStringList out;
  for (QAction* a : m->actions())
    if (!a->isSeparator()) out << a->text();
  return out;
}

} // namespace

TEST(MainWindow, JsonExportAndImportGoThroughTheFileMenu) {
  Editor e;
  const QString good = e.missionFile("good.tie", ">Into the Fire", 3);
  e.prompts.openFiles = {good};
  e.w.OpenBtnClick();
  const std::vector<Byte> original = readFile(good.toStdString());

  QMenu* file = menuTitled(e.w, "&File");
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(captions(file).contains("&Export JSON...") &&
              captions(file).contains("&Import JSON..."))
      << captions(file).join(", ").toStdString();

  const QString json = q(e.dir.path("good.json"));
  e.prompts.saveFiles = {json};
  e.trigger("ExportJsonAction");
  ASSERT_TRUE(QFileInfo::exists(json)) << e.prompts.log.join("\n").toStdString();
  EXPECT_FALSE(e.c.isModified()) << "exporting is no save and no edit";
  EXPECT_EQ(e.c.document().fileName, good.toStdString());

  // Imported, the mission is the same bytes, unnamed and changed: Save asks
  // where the mission file goes.
  e.trigger("NewBtn");
  e.prompts.openFiles = {json};
  e.trigger("ImportJsonAction");
  EXPECT_EQ(e.fgCount(), 3u);
  EXPECT_EQ(savedBytes(e.c.document()), original);
  EXPECT_TRUE(e.c.isModified());
  EXPECT_EQ(e.w.windowTitle(), FileCommands::programTitle() + " - [Unnamed]");
  e.prompts.log.clear();
  e.w.SaveBtnClick();
  EXPECT_EQ(e.prompts.log.value(0), "save dialog");

  // A refused file leaves the open mission as it was, and says which file.
  e.edit([](Edit& ed) { ed.briefing().texts[0] = ">Kept"; });
  const QString bad = q(e.dir.path("bad.json"));
  writeFile(e.dir.path("bad.json"), std::vector<Byte>{'{', '"', 'x', '"', ':'});
  for (const QString& refused : {bad, q(e.dir.root())}) {
    e.prompts.yesNoCancel = {Answer::No};
    e.prompts.openFiles = {refused};
    e.trigger("ImportJsonAction");
    EXPECT_TRUE(e.prompts.log.last().startsWith("error: ") &&
                e.prompts.log.last().contains(refused))
        << e.prompts.log.last().toStdString();
    EXPECT_EQ(e.c.document().briefing.texts[0], ">Kept");
    EXPECT_EQ(e.fgCount(), 3u);
  }

  // An export that cannot be written says so and leaves nothing behind.
  e.prompts.saveFiles = {q(e.dir.path("no/such/folder/m.json"))};
  e.trigger("ExportJsonAction");
  EXPECT_TRUE(e.prompts.log.last().startsWith("error: ")) << e.prompts.log.last().toStdString();
}

TEST(MainWindow, DesktopHabitsRecentFilesQuitHelpAndDrops) {
  Editor e;
  const QString first = e.missionFile("first.tie", ">First", 2);
  const QString second = e.missionFile("second.tie", ">Second", 4);
  e.files.openPath(first);

  QMenu* recent = e.w.findChild<QMenu*>("RecentMenu");
  ASSERT_NE(recent, nullptr);
  ASSERT_EQ(recent->actions().size(), 1);
  EXPECT_EQ(recent->actions()[0]->toolTip(), first);

  EXPECT_TRUE(e.action("SaveAsBtn")->shortcuts().contains(QKeySequence("Ctrl+Shift+S")));
  EXPECT_TRUE(e.action("SaveAsBtn")->shortcuts().contains(QKeySequence("Ctrl+A")));
  EXPECT_EQ(e.action("QuitAction")->shortcut(), QKeySequence("Ctrl+Q"));
  // One mission bar, so a saved window layout finds it again.
  const auto missionBars = e.w.findChildren<QToolBar*>("MissionBar");
  ASSERT_EQ(missionBars.size(), 1);
  QStringList missionCommands;
  for (QAction* a : missionBars[0]->actions())
    missionCommands << a->objectName();
  EXPECT_EQ(missionCommands, (QStringList{"HeaderBtn", "BriefingBtn", "Battle"}));
  QMenu* help = menuTitled(e.w, "&Help");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(captions(help).contains("About &Qt"));
  e.trigger("AboutAction");
  EXPECT_TRUE(
      e.prompts.log.last().contains(ZEPHLO_VERSION) && e.prompts.log.last().contains("MIT") &&
      e.prompts.log.last().contains(QDir::toNativeSeparators(q(e.dir.path("settings.ini")))))
      << e.prompts.log.last().toStdString();

  // A mission file dropped on the window opens, after the changed prompt.
  e.trigger("NewFGBut");
  auto drop = [&](const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&e.w, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&e.w, &dropped);
    return true;
  };
  e.prompts.yesNoCancel = {Answer::Cancel};
  EXPECT_TRUE(drop(second));
  EXPECT_EQ(e.fgCount(), 3u) << "Cancel keeps the changed mission";
  e.prompts.yesNoCancel = {Answer::No};
  EXPECT_TRUE(drop(second));
  EXPECT_EQ(e.fgCount(), 4u);
  EXPECT_EQ(recent->actions()[0]->toolTip(), second) << "the newest first";
  EXPECT_FALSE(drop(q(e.dir.path("notes.txt")))) << "only mission files are taken";

  // Quit closes the window, after the same prompt.
  e.w.show();
  e.trigger("NewFGBut");
  e.prompts.yesNoCancel = {Answer::Cancel};
  e.trigger("QuitAction");
  EXPECT_TRUE(e.w.isVisible());
  e.prompts.yesNoCancel = {Answer::No};
  e.trigger("QuitAction");
  EXPECT_FALSE(e.w.isVisible());
}

TEST(MainWindow, TheKeysOfEveryDesktopBesideTheEditorsOwn) {
  Editor e;
  e.files.openPath(e.missionFile("m.tie", "Keys", 2));
  auto saveAsked = [&] { return e.prompts.log.filter("save dialog").size(); };
  e.focus(e.list("ShipList"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(saveAsked(), 1) << "Ctrl+Shift+S saves as";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(saveAsked(), 2) << "and so does the editor's own Ctrl+A";

  // In a text box Ctrl+A selects its text, as everywhere.
  auto* box = e.w.findChild<QComboBox*>("TeamName1Ed");
  ASSERT_NE(box, nullptr);
  QLineEdit* name = box->lineEdit();
  e.w.findChild<QTabWidget*>("OverallPages")->setCurrentIndex(2);
  e.focus(box);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(name->selectedText(), name->text());
  EXPECT_FALSE(name->text().isEmpty());
  EXPECT_EQ(saveAsked(), 2);

  e.focus(e.list("ShipList"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(e.w.isVisible()) << "Ctrl+Q quits";
}

TEST(MainWindow, TheDesktopFindsTheProgramsNameAndIcon) {
  presentToTheDesktop();
  const QString name = QGuiApplication::desktopFileName();
  EXPECT_TRUE(QFileInfo::exists(QStringLiteral(ZEPHLO_SOURCE_DIR "/packaging/") + name +
                                QStringLiteral(".desktop")))
      << "the desktop file installed is " << name.toStdString() << ".desktop";
  const QIcon icon = QApplication::windowIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_FALSE(icon.pixmap(48, 48).isNull());
}
