// Undo, redo and change notices through the real window, and the faults
// found when the editor was tried as a new user would.
#include "support/editor_fixture.h"
#include "ui/side/error_list.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QUndoStack>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

void selectLines(QListView* v, std::initializer_list<int> rows) {
  QItemSelection sel;
  for (int r : rows)
    sel.select(v->model()->index(r, 0), v->model()->index(r, 0));
  v->selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect);
  v->selectionModel()->setCurrentIndex(v->model()->index(*std::rbegin(rows), 0),
                                       QItemSelectionModel::NoUpdate);
}

std::set<int> shownSelection(QListView* v) {
  std::set<int> rows;
  for (const QModelIndex& i : v->selectionModel()->selectedRows())
    rows.insert(i.row());
  return rows;
}

Operation rename(int fg, const std::string& name, const std::string& key) {
  return editFlightGroups("Rename", key, {fg}, [name](FGObject& f, Edit&) { f.setName(name); });
}

} // namespace

TEST(EditPath, UndoingEveryEditLeavesNothingToSave) {
  Editor e;
  GenOptions o;
  o.flightGroups = 6;
  o.messages = 3;
  o.seed = 4;
  const GeneratedMission m = generateMission(o);
  writeFile(e.dir.path("orig.tie"), m.bytes);
  ASSERT_TRUE(e.files.openPath(q(e.dir.path("orig.tie"))));
  e.prefs.confirmDeletes = false;
  QListView* ships = e.list("ShipList");
  QListView* msgs = e.list("MsgStrList");

  e.focus(ships);
  selectLines(ships, {1, 3});
  e.trigger("DeleteBut");
  ASSERT_EQ(e.fgCount(), 4u);
  selectLines(ships, {2});
  e.trigger("UpBtn");
  e.trigger("CopyBtn");
  e.trigger("PasteBtn");
  ASSERT_EQ(e.fgCount(), 5u);
  e.w.findChild<QTabWidget*>("OverallPages")->setCurrentIndex(1);
  e.trigger("NewFGBut");
  e.focus(msgs);
  selectLines(msgs, {0});
  e.trigger("DeleteBut");
  ASSERT_EQ(e.c.document().messages.size(), 3u);
  EXPECT_TRUE(e.action("SaveBtn")->isEnabled());

  QUndoStack& undo = e.c.undoStack();
  EXPECT_EQ(undo.count(), 5) << "copying is not an edit";
  while (undo.canUndo())
    e.trigger("UndoAction");
  EXPECT_FALSE(e.c.isModified());
  EXPECT_FALSE(e.action("SaveBtn")->isEnabled()) << "back at the saved state";
  e.prompts.yesNoCancel.clear();
  e.trigger("NewBtn");
  EXPECT_FALSE(e.prompts.log.contains(kChanged)) << "nothing to ask about";

  ASSERT_TRUE(e.files.openPath(q(e.dir.path("orig.tie"))));
  EXPECT_FALSE(undo.canUndo()) << "opening starts a new history";
}

TEST(EditPath, UndoAllThenSaveAsGivesTheOriginalAndRedoTheEdit) {
  Editor e;
  GenOptions o;
  o.flightGroups = 6;
  o.messages = 3;
  o.seed = 9;
  const GeneratedMission m = generateMission(o);
  writeFile(e.dir.path("orig.tie"), m.bytes);
  ASSERT_TRUE(e.files.openPath(q(e.dir.path("orig.tie"))));
  e.prefs.confirmDeletes = false;
  QListView* ships = e.list("ShipList");
  e.focus(ships);
  selectLines(ships, {0, 4});
  e.trigger("DeleteBut");
  selectLines(ships, {3});
  e.trigger("UpBtn");
  e.trigger("PasteBtn");
  e.w.findChild<QTabWidget*>("OverallPages")->setCurrentIndex(1);
  e.trigger("NewFGBut");
  const std::vector<Byte> edited = savedBytes(e.c.document());

  QUndoStack& undo = e.c.undoStack();
  while (undo.canUndo())
    undo.undo();
  e.prompts.saveFiles = {q(e.dir.path("copy.tie"))};
  e.trigger("SaveAsBtn");
  EXPECT_EQ(readFile(e.dir.path("copy.tie")), m.bytes) << "every byte as it was read";
  while (undo.canRedo())
    undo.redo();
  EXPECT_EQ(savedBytes(e.c.document()), edited);
  EXPECT_TRUE(e.c.isModified()) << "redone past the saved state";
}

TEST(EditPath, UndoNamesItsStepAndPutsBackCurrentLineAndSelection) {
  Editor e;
  e.files.openPath(e.missionFile("m.tie", "T", 4));
  e.prefs.confirmDeletes = false;
  QListView* ships = e.list("ShipList");
  e.focus(ships);
  selectLines(ships, {1, 2});
  ASSERT_EQ(e.c.state().currentFG, 2);
  e.trigger("DeleteBut");
  EXPECT_EQ(e.action("UndoAction")->text(), "&Undo Delete Flight Groups");
  EXPECT_EQ(shownSelection(ships), (std::set<int>{1}));

  e.trigger("UndoAction");
  EXPECT_EQ(e.fgCount(), 4u);
  EXPECT_EQ(e.c.state().currentFG, 2);
  EXPECT_EQ(e.c.state().selectedFGs, (std::set<int>{1, 2}));
  EXPECT_EQ(shownSelection(ships), (std::set<int>{1, 2}));
  EXPECT_EQ(ships->currentIndex().row(), 2);
  EXPECT_EQ(e.action("RedoAction")->text(), "&Redo Delete Flight Groups");
  EXPECT_EQ(e.action("UndoAction")->text(), "&Undo");

  selectLines(ships, {3});
  e.trigger("UpBtn");
  EXPECT_EQ(e.action("UndoAction")->text(), "&Undo Move Flight Groups Up");
  EXPECT_FALSE(e.action("RedoAction")->isEnabled()) << "a new edit ends the redo history";
}

TEST(EditPath, EditsOfOneControlOnOneSelectionAreOneStep) {
  Editor e;
  e.files.openPath(e.missionFile("m.tie", "T", 3));
  const std::string name0 = e.c.document().flightGroups[0].name();
  QUndoStack& undo = e.c.undoStack();
  for (const char* typed : {"R", "Re", "Red"})
    e.c.apply(rename(0, typed, "ShipName:0"));
  EXPECT_EQ(undo.count(), 1);
  e.c.apply(rename(1, "Blue", "ShipName:1"));
  EXPECT_EQ(undo.count(), 2) << "another selection is another step";
  e.c.apply(rename(1, "Blue 2", ""));
  e.c.apply(rename(1, "Blue 3", ""));
  EXPECT_EQ(undo.count(), 4) << "edits without a key never merge";

  undo.undo();
  undo.undo();
  undo.undo();
  EXPECT_EQ(e.c.document().flightGroups[0].name(), "Red");
  undo.undo();
  EXPECT_EQ(e.c.document().flightGroups[0].name(), name0);

  // Typing on after a save starts a new step, so undo returns to the saved text.
  undo.redo();
  e.files.save();
  e.c.apply(rename(0, "Redd", "ShipName:0"));
  EXPECT_TRUE(e.c.isModified());
  undo.undo();
  EXPECT_EQ(e.c.document().flightGroups[0].name(), "Red");
  EXPECT_FALSE(e.c.isModified());
}

TEST(EditPath, AFieldEditRefreshesLinesWithoutResettingTheList) {
  Editor e;
  e.files.openPath(e.missionFile("m.tie", "T", 60));
  QListView* ships = e.list("ShipList");
  e.w.show();
  selectLines(ships, {20, 25});
  ships->verticalScrollBar()->setValue(ships->verticalScrollBar()->maximum() / 2);
  const int scroll = ships->verticalScrollBar()->value();
  QSignalSpy resets(ships->model(), &QAbstractItemModel::modelReset);
  QSignalSpy rows(ships->model(), &QAbstractItemModel::dataChanged);

  e.c.apply(rename(25, "Renamed", "ShipName:25"));
  EXPECT_EQ(resets.count(), 0);
  ASSERT_GE(rows.count(), 1);
  EXPECT_EQ(rows.first().at(0).value<QModelIndex>().row(), 25);
  EXPECT_TRUE(ships->model()->index(25, 0).data().toString().contains("Renamed"));
  EXPECT_EQ(shownSelection(ships), (std::set<int>{20, 25}));
  EXPECT_EQ(ships->verticalScrollBar()->value(), scroll);

  e.c.undoStack().undo();
  EXPECT_EQ(resets.count(), 0) << "undoing a field edit is a field edit too";
  e.trigger("NewFGBut");
  EXPECT_EQ(resets.count(), 1) << "a new line changes the list's structure";
}

TEST(EditPath, OneActionPerCommandForMenuToolBarAndPopUp) {
  Editor e;
  auto* popup = e.w.findChild<QMenu*>("FGPopUp");
  QAction* popupSave = nullptr;
  for (QAction* a : popup->actions())
    if (a->text() == "Save") popupSave = a;
  ASSERT_NE(popupSave, nullptr);
  EXPECT_FALSE(e.action("SaveBtn")->isEnabled());
  EXPECT_FALSE(popupSave->isEnabled()) << "follows the menu's Save";
  e.trigger("NewFGBut");
  EXPECT_TRUE(popupSave->isEnabled());
  EXPECT_TRUE(popup->actions().contains(e.action("CopyBtn"))) << "the same action, not a copy";
}

TEST(EditPath, ARefusedEditShowsWhyAndChangesNothing) {
  Editor e;
  const bool made = e.c.apply({"Too many", "", [](Edit& ed) -> Status {
                                 ed.flightGroup(0).setName("x");
                                 return makeError(ErrorKind::Refused, "No room for more.");
                               }});
  EXPECT_FALSE(made);
  EXPECT_EQ(e.prompts.log.last(), "error: No room for more.");
  EXPECT_EQ(e.c.document().flightGroups[0].name(), "Unnamed");
  EXPECT_FALSE(e.c.isModified());
}

TEST(EditPathFaults, ASaveOverAReadOnlyFileIsRefusedAndTheEditsStay) {
  Editor e;
  const QString path = e.missionFile("locked.tie", "L");
  ASSERT_TRUE(e.files.openPath(path));
  const std::vector<Byte> before = readFile(path.toStdString());
  QFile::setPermissions(path, QFile::ReadOwner);
  e.trigger("NewFGBut");
  EXPECT_FALSE(e.files.save());
  EXPECT_EQ(e.prompts.log.last(), "error: Cannot save " + path + ": Permission denied.");
  EXPECT_TRUE(e.c.isModified());
  EXPECT_TRUE(e.action("SaveBtn")->isEnabled());
  EXPECT_EQ(readFile(path.toStdString()), before);
}

TEST(EditPathFaults, ReopenOpensTheEntryChosenEvenWhenSavingShiftsTheHistory) {
  Editor e;
  const QString a = e.missionFile("a.tie", "A", 2), b = e.missionFile("b.tie", "B", 3),
                c = e.missionFile("c.tie", "C", 4);
  for (const QString& f : {c, b, a})
    e.files.openPath(f);
  ASSERT_EQ(e.files.history(), (QStringList{a, b, c}));
  e.trigger("NewFGBut");
  e.files.save(); // named: saved in place, history unchanged
  e.trigger("NewBtn");
  e.trigger("NewFGBut");
  e.prompts.yesNoCancel = {Answer::Yes};
  e.prompts.saveFiles = {q(e.dir.path("fresh.tie"))};
  e.files.reopen(2); // c.tie; the Save As puts fresh.tie on top first
  EXPECT_EQ(e.fgCount(), 4u) << "c.tie was chosen";
  EXPECT_EQ(e.files.history().first(), c);
}

TEST(EditPathFaults, HistoryHoldsAbsolutePathsOfFilesThatOpened) {
  Editor e;
  const QString m = e.missionFile("rel.tie", "R", 2);
  const QString cwd = QDir::currentPath();
  QDir::setCurrent(q(e.dir.root()));
  QDir().mkdir(QStringLiteral("sub"));
  e.files.startUp({QStringLiteral("./sub/../rel.tie")});
  QDir::setCurrent(cwd);
  EXPECT_EQ(e.fgCount(), 2u);
  EXPECT_EQ(e.files.history(), QStringList{m}) << "absolute and normalised";

  e.files.openPath(m);
  EXPECT_EQ(e.files.history().size(), 1) << "one file, one entry";
  writeFile(e.dir.path("bad.tie"), std::vector<Byte>(100, 0x41));
  e.files.openPath(q(e.dir.path("bad.tie")));
  e.files.openPath(q(e.dir.path("missing.tie")));
  EXPECT_EQ(e.files.history(), QStringList{m}) << "refused and missing files stay out";
}

TEST(EditPathFaults, CommandLineJoinsArgumentsOnlyForASplitPath) {
  Editor e;
  const QString first = e.missionFile("first.tie", "F", 2);
  e.missionFile("first.tie second.tie", "J", 3);
  e.files.startUp({first, QStringLiteral("second.tie")});
  EXPECT_EQ(e.fgCount(), 2u) << "the first argument names a file: it is opened as given";
}

TEST(EditPathFaults, ErrorListOpensAtTheTopWithOneLinePerFinding) {
  CheckResult r;
  for (int i = 0; i < 40; ++i)
    r.errors.push_back("ERROR: FG " + std::to_string(i) + " Red\nLeader has no name");
  r.warnings.push_back("WARNING: last");
  TErrForm form(r, false);
  form.show();
  QApplication::processEvents();
  auto* memo = form.findChild<QPlainTextEdit*>("ErrMemo");
  EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
  EXPECT_EQ(memo->document()->blockCount(), 41);
  EXPECT_TRUE(memo->document()->firstBlock().text().endsWith("Red Leader has no name"));
}

TEST(EditPathFaults, ViewsRefreshAfterUndoWithTheCurrentLineInTheList) {
  Editor e;
  e.files.openPath(e.missionFile("m.tie", "T", 2));
  e.trigger("NewFGBut");
  e.w.findChild<QTabWidget*>("OverallPages")->setCurrentIndex(1);
  e.trigger("NewFGBut"); // a new message on the messages page
  ASSERT_EQ(e.c.state().currentFG, 2) << "the new flight group is the current one";
  ASSERT_EQ(e.c.document().messages.size(), 1u);
  // Each view reads the current records while it refreshes.
  int outside = 0, refreshes = 0;
  QObject::connect(&e.c, &EditingDocument::documentChanged, [&](const Change&) {
    ++refreshes;
    const std::size_t fg = static_cast<std::size_t>(e.c.state().currentFG);
    const std::size_t msg = static_cast<std::size_t>(e.c.state().currentMsg);
    const std::size_t msgs = e.c.document().messages.size();
    if (fg >= e.fgCount() || (msgs > 0 && msg >= msgs)) ++outside;
  });
  e.trigger("UndoAction");
  e.trigger("UndoAction");
  EXPECT_EQ(e.fgCount(), 2u);
  EXPECT_EQ(refreshes, 2);
  EXPECT_EQ(outside, 0);
}

TEST(EditPathFaults, DeleteKeyActsOnlyFromTheLists) {
  Editor e;
  e.files.openPath(e.missionFile("m.tie", "T", 3));
  e.prefs.confirmDeletes = false;
  auto* tabs = e.w.findChild<QTabWidget*>("OverallPages");
  e.focus(tabs->tabBar());
  QTest::keyClick(&e.w, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(e.fgCount(), 3u) << "focus on the page tabs";
  e.focus(e.list("ShipList"));
  QTest::keyClick(e.list("ShipList"), Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(e.fgCount(), 2u);
}

TEST(EditPathFaults, ListsUseAFixedPitchFontAndTheWindowFitsTheScreen) {
  Editor e;
  EXPECT_TRUE(QFontInfo(e.list("ShipList")->font()).fixedPitch());
  EXPECT_TRUE(QFontInfo(e.list("MsgStrList")->font()).fixedPitch());

  // A first start has no saved place: most of the screen, centred.
  TForm1 fresh(e.s, e.store);
  const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_NEAR(fresh.width(), avail.width() * 0.8, 2);
  EXPECT_NEAR(fresh.height(), avail.height() * 0.8, 2);
  EXPECT_NEAR(fresh.geometry().center().x(), avail.center().x(), 2);
}
