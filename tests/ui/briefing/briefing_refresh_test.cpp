// The briefing editor as a designer types into it: boxes whose value is
// converted commit when editing finishes, one undo step each; changes from
// elsewhere refresh what they concern and leave a box being typed in alone;
// the commands live in the action registry and outlive the window.
#include "core/mission/layout.h"
#include "ui/briefing/briefing_window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

void showActive(QWidget* w) {
  w->show();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

// Types over the old value and finishes with Enter.
void typeOver(QWidget* box, const char* text, bool finish = true) {
  box->setFocus();
  if (auto* e = qobject_cast<QLineEdit*>(box)) e->selectAll();
  if (auto* s = qobject_cast<QAbstractSpinBox*>(box)) s->selectAll();
  QTest::keyClicks(box, text);
  if (finish) QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

TEST(BriefingWindow, ConvertedBoxesCommitWhenFinishedAsOneStep) {
  BriefingEditor b({item(0, brfcode::Text, 1), item(25, brfcode::MoveIcon, 2, 160, -320),
                    item(50, brfcode::PageBreak), newInstruction(brf::EndCode)});
  showActive(b.form);
  b.page(1);
  b.child<QListWidget>("InstList")->setCurrentRow(1);
  QAction* undo = b.command("UndoAction");

  // A typed time goes in once, whole: "7" alone would have re-sorted the list.
  auto* time = b.child<QSpinBox>("TimeSpin");
  typeOver(time, "75", false);
  EXPECT_EQ(b.steps(), 0) << "nothing goes in while typing";
  QTest::keyClick(time, Qt::Key_Return);
  EXPECT_EQ(b.steps(), 1);
  EXPECT_EQ(b.list()[2].Command, brfcode::MoveIcon);
  EXPECT_EQ(instructionTime(b.list()[2]), 75);
  EXPECT_EQ(b.form->selectedInstruction(), 2) << "the selection follows the instruction";
  EXPECT_EQ(undo->text(), "&Undo Change Time");
  QTest::keyClick(time, Qt::Key_Up); // an arrow step commits at once
  EXPECT_EQ(instructionTime(b.list()[2]), 76);

  // Kilometres: a text that is no number gives way to the stored value, and
  // a number shows as stored the moment it goes in.
  auto* x = b.child<QLineEdit>("XEdit");
  const int steps = b.steps();
  typeOver(x, "far");
  EXPECT_EQ(x->text(), "1.00");
  EXPECT_EQ(b.steps(), steps);
  typeOver(x, "2.5");
  EXPECT_EQ(b.list()[2].X, 400);
  EXPECT_EQ(x->text(), "2.50");
  EXPECT_EQ(undo->text(), "&Undo Change X");

  // Seconds: stored as ticks and shown as they are stored.
  auto* run = b.child<QLineEdit>("RunTimeEdit");
  typeOver(run, "30.521");
  EXPECT_EQ(b.e.c.document().briefing.runningTime(), 763);
  EXPECT_EQ(run->text(), "30.52");
  typeOver(run, "1e300");
  EXPECT_TRUE(b.e.prompts.log.last().startsWith("error: ")) << b.e.prompts.log.last().toStdString();
  EXPECT_EQ(b.e.c.document().briefing.runningTime(), 763);
  EXPECT_EQ(run->text(), "30.52");

  // A string longer than the file can hold is cut to 255 characters.
  auto* cell = b.child<QTableWidget>("TagGrid")->item(4, 1);
  cell->setText(QString(300, 'x'));
  EXPECT_EQ(b.e.c.document().briefing.tags[4].size(), 255u);
  EXPECT_EQ(cell->text().size(), 255);
}

TEST(BriefingWindow, ChangesRefreshWhatTheyConcernAndLeaveTypingAlone) {
  BriefingEditor b({item(0, brfcode::MoveIcon, 1, 0, 0), item(10, brfcode::ChangeRegion, 1),
                    newInstruction(brf::EndCode)});
  showActive(b.form);
  b.page(1);
  b.child<QListWidget>("InstList")->setCurrentRow(0);
  auto* icons = b.child<QComboBox>("IndexBox");

  // A flight group renamed elsewhere renames its icon; a region renamed in
  // the header renames the line of its region change.
  b.e.edit([](Edit& ed) { ed.flightGroup(1).setName("Red Leader"); });
  EXPECT_EQ(icons->itemText(1), "Red Leader");
  b.e.edit([](Edit& ed) {
    setText(ed.header(), hdr::RegionNames + hdr::RegionNameSize, hdr::RegionNameSize, "Hoth");
  });
  EXPECT_TRUE(b.child<QListWidget>("InstList")->item(1)->text().contains("\"Hoth\""));
  b.e.edit([](Edit& ed) { ed.team(0).setName("Alliance"); });
  EXPECT_TRUE(b.form->windowTitle().endsWith("Alliance"));
  EXPECT_EQ(b.child<QListWidget>("SeenByList")->item(0)->text(), "Alliance");

  // A box being typed in keeps the typed text through a change from elsewhere.
  auto* run = b.child<QLineEdit>("RunTimeEdit");
  typeOver(run, "4", false);
  b.e.edit([](Edit& ed) { ed.briefing().setRunningTime(800); });
  EXPECT_EQ(run->text(), "4");
  QTest::keyClick(run, Qt::Key_Return);
  EXPECT_EQ(b.e.c.document().briefing.runningTime(), 100);

  // Undo of an edit made here shows the briefing as it stood.
  b.e.c.undoStack().undo();
  EXPECT_EQ(run->text(), "32");
}

TEST(BriefingWindow, CommandsComeFromTheRegistryAndOutliveTheWindow) {
  BriefingEditor b({item(0, brfcode::Text, 1), newInstruction(brf::EndCode)});
  EXPECT_EQ(b.child<QToolButton>("PlayBtn")->defaultAction(), b.command("BrfPlay"));
  EXPECT_EQ(b.child<QToolButton>("DeleteInstBtn")->defaultAction(), b.command("BrfDeleteInst"));
  EXPECT_EQ(b.child<QToolButton>("BoxIconBtn")->defaultAction(), b.command("BrfBoxIcon"));
  EXPECT_TRUE(b.child<QMenu>("WysiwygPopUp")->actions().contains(b.command("BrfInsTag")));
  EXPECT_TRUE(b.child<QMenu>("ListPopUp")->actions().contains(b.command("BrfInsTitle")));

  // The pop-up's Play runs the same command as the VCR panel's.
  b.form->findChild<QAction*>("BrfPlayAlias")->trigger();
  EXPECT_TRUE(b.form->playback().playing());
  b.command("BrfPause")->trigger();
  EXPECT_FALSE(b.form->playback().playing());

  // An insert mode holds the insert commands; a window closed in the middle
  // gives them back to the next one, which alone runs them.
  b.insert("BrfInsZoom");
  EXPECT_FALSE(b.command("BrfInsTag")->isEnabled());
  b.form->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(b.e.w.findChild<TBrfForm*>(), nullptr);
  b.e.trigger("BriefingBtn");
  b.form = b.e.w.findChild<TBrfForm*>();
  ASSERT_NE(b.form, nullptr);
  EXPECT_TRUE(b.command("BrfInsTag")->isEnabled());
  EXPECT_EQ(b.form->insertMode(), BrfMode::None);
  b.insert("BrfInsPageBreak");
  EXPECT_EQ(codesOf(b.list()), (std::vector<int>{brfcode::Text, brfcode::PageBreak, brf::EndCode}));
  EXPECT_EQ(b.steps(), 1);
}

TEST(BriefingWindow, TheMapHandsItsMouseToTheActiveToolAndUndoSaysWhatItUndoes) {
  BriefingEditor b({icon(0, 0, 1), item(0, brfcode::MoveIcon, 0, 0, 0), icon(0, 1, 1),
                    item(0, brfcode::MoveIcon, 1, 800, 0), newInstruction(brf::EndCode)});
  QAction* undo = b.command("UndoAction");
  const QPoint second = b.form->pixelOf({800, 0});

  // In an insert mode a press places; the icon under it neither gets
  // selected nor moves.
  b.insert("BrfInsNewIcon");
  b.drag(second, second + QPoint(40, 40));
  EXPECT_EQ(b.form->selectedIcon(), 0);
  EXPECT_EQ(b.list()[3].X, 800);
  QTest::keyClick(b.form, Qt::Key_Escape);
  EXPECT_EQ(b.form->insertMode(), BrfMode::None) << "Escape cancels";
  EXPECT_EQ(b.steps(), 0);

  // Back with the pick tool, a click selects and a drag moves.
  b.mouse(QEvent::MouseButtonPress, second, Qt::LeftButton);
  b.mouse(QEvent::MouseButtonRelease, second, Qt::NoButton);
  EXPECT_EQ(b.form->selectedIcon(), 1);
  EXPECT_EQ(b.child<QLabel>("SelIconLabel")->text(), "Icon #1: Unnamed");
  b.drag(second, b.form->pixelOf({1200, 0}));
  EXPECT_EQ(undo->text(), "&Undo Drag on Briefing Map");

  b.click("ArrowRight");
  EXPECT_EQ(undo->text(), "&Undo Move Icon");
  b.click("BoxIconBtn");
  EXPECT_EQ(undo->text(), "&Undo Insert FG Box");
  b.page(1);
  b.insert("BrfInsTag");
  EXPECT_EQ(undo->text(), "&Undo Insert Map Tag");
  b.child<QComboBox>("ColorBox")->setCurrentIndex(3);
  EXPECT_EQ(undo->text(), "&Undo Change Color");
  EXPECT_EQ(b.list()[static_cast<std::size_t>(b.form->selectedInstruction())].Color, 3);
}
