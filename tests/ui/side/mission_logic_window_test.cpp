// The "Mission Logic" window: the graph Graphviz lays out, red where nothing
// can happen, following edits, and a double click that makes a node current.
#include "support/editor_fixture.h"
#include "ui/details/details_window.h"
#include "ui/side/mission_logic_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QListWidget>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

// Flight group 1 arrives out of flight group 2, which waits for flight group
// 1 to arrive: neither ever does.
void makeALoop(Editor& e) {
  e.edit([](Edit& ed) {
    FGObject& a = ed.flightGroup(0);
    a.set(fg::ArriveByMothership, 1);
    a.set(fg::ArrivalMothership, 1);
    FGObject& b = ed.flightGroup(1);
    b.set(fg::ArrivalPair1 + pair::First + trig::Condition, 1); // must arrive
    b.set(fg::ArrivalPair1 + pair::First + trig::VariableType, 1);
    b.set(fg::ArrivalPair1 + pair::First + trig::Variable, 0);
  });
}

QPoint centreOf(const MissionLogicWindow& w, int node) {
  return w.layout().nodes.at(static_cast<std::size_t>(node)).box.center().toPoint() +
         QPoint(12, 12);
}

} // namespace

TEST(MissionLogicWindow, DrawsWhatNeverHappensFollowsEditsAndGoesToANode) {
  Editor e;
  ASSERT_TRUE(e.files.openPath(e.missionFile("m.tie", "Loop", 3)));
  makeALoop(e);
  MissionLogicWindow w(e.c, &e.w);
  w.show();
  ASSERT_TRUE(w.logic().nodes.size() >= 3u);
  EXPECT_TRUE(w.logic().nodes[0].neverHappens);
  EXPECT_TRUE(w.logic().nodes[1].neverHappens);
  EXPECT_FALSE(w.logic().nodes[2].neverHappens);
  // Graphviz placed every node apart from the others, inside the drawing.
  const auto& boxes = w.layout().nodes;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_TRUE(w.layout().bounds.contains(boxes[i].box)) << i;
    for (std::size_t j = i + 1; j < boxes.size(); ++j)
      EXPECT_FALSE(boxes[i].box.intersects(boxes[j].box)) << i << " " << j;
  }
  for (const LaidOutEdge& edge : w.layout().edges)
    EXPECT_FALSE(edge.path.isEmpty());
  auto* findings = w.findChild<QListWidget*>("FindingsList");
  ASSERT_EQ(findings->count(), 2);
  EXPECT_TRUE(findings->item(0)->text().contains("can never arrive"));

  // A red node is drawn red.
  const QImage picture = w.canvas()->grab().toImage();
  const QRect box = w.layout().nodes[0].box.toRect().translated(12, 12);
  bool red = false;
  for (int x = box.left(); x <= box.right() && !red; ++x)
    red = QColor(picture.pixel(x, box.top())).red() > 150 &&
          QColor(picture.pixel(x, box.top())).green() < 80;
  EXPECT_TRUE(red);

  // The loop undone: the window follows.
  e.trigger("UndoAction");
  QApplication::processEvents();
  EXPECT_FALSE(w.logic().nodes[0].neverHappens);
  EXPECT_EQ(findings->item(0)->text(), "Everything in the mission can happen.");

  // A double click on flight group 3 makes it the current one.
  QTest::mouseDClick(w.canvas(), Qt::LeftButton, {}, centreOf(w, 2));
  EXPECT_EQ(e.c.state().currentFG, 2);
  EXPECT_EQ(e.c.state().selectedFGs, std::set<int>{2});
  const QModelIndexList shown = e.list("ShipList")->selectionModel()->selectedRows();
  ASSERT_EQ(shown.size(), 1) << "the list shows the selection";
  EXPECT_EQ(shown[0].row(), 2);

  // Hidden, it does not lay out on every edit; shown again, it catches up.
  w.hide();
  makeALoop(e);
  QApplication::processEvents();
  EXPECT_FALSE(w.logic().nodes[0].neverHappens);
  w.show();
  EXPECT_TRUE(w.logic().nodes[0].neverHappens);
}

TEST(MissionLogicWindow, ADoubleClickOnATeamGoalMakesThatGoalCurrent) {
  Editor e;
  ASSERT_TRUE(e.files.openPath(e.missionFile("m.tie", "Goals", 2)));
  // Team 2's prevent goal: flight group 2 must be destroyed.
  e.edit([](Edit& ed) {
    Byte* t = ed.globalGoal(1).record.data() + gg::blockOffset(1) + gg::Pair1;
    t[trig::Condition] = 2;
    t[trig::VariableType] = 1;
    t[trig::Variable] = 1;
  });
  MissionLogicWindow w(e.c, &e.w);
  w.show();
  int node = -1;
  for (std::size_t n = 0; n < w.logic().nodes.size(); ++n)
    if (w.logic().nodes[n].kind == LogicNodeKind::GlobalGoal) node = static_cast<int>(n);
  ASSERT_GE(node, 0);
  QTest::mouseDClick(w.canvas(), Qt::LeftButton, {}, centreOf(w, node));
  EXPECT_EQ(e.c.state().currentTeam, 1);
  EXPECT_EQ(e.c.state().currentGlobalGoal, 1);
  auto* pad = e.w.findChild<TDatapad*>();
  ASSERT_NE(pad, nullptr);
  pad->show();
  pad->showPage(DatapadPage::GGoals);
  QApplication::processEvents();
  auto* kinds = e.w.findChild<QButtonGroup*>("GGRadios");
  EXPECT_TRUE(kinds->button(1)->isChecked()) << "the details window shows the prevent goal";
  // Shown, it follows the next double click at once.
  e.c.setCurrentGlobalGoal(0);
  EXPECT_TRUE(kinds->button(0)->isChecked());
  QTest::mouseDClick(w.canvas(), Qt::LeftButton, {}, centreOf(w, node));
  EXPECT_TRUE(kinds->button(1)->isChecked());
}
