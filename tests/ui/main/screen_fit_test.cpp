// The main window on a small screen (1024 x 640): every tool bar command
// shows, the flight-group lines fit their list, and the Teams page's allies
// list shows every team.
#include "core/check/example_mission.h"
#include "support/editor_fixture.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

struct SmallScreen : Editor {
  SmallScreen() {
    Document d = exampleMission();
    const std::string path = dir.path("example.tie");
    EXPECT_TRUE(writeMission(d, path).ok());
    EXPECT_TRUE(files.openPath(q(path)));
    w.resize(1024, 640);
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    QApplication::processEvents();
  }
};

} // namespace

TEST(SmallScreen, EveryToolBarCommandShowsWithoutAnOverflowMenu) {
  SmallScreen e;
  ASSERT_EQ(e.w.size(), QSize(1024, 640));
  const auto bars = e.w.findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_GE(bars.size(), 4);
  for (QToolBar* bar : bars) {
    if (!bar->isVisible()) continue;
    // The bar's overflow button shows only when commands did not fit.
    for (QToolButton* b : bar->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
      EXPECT_FALSE(b->isVisible()) << bar->objectName().toStdString();
    for (QAction* a : bar->actions()) {
      if (a->isSeparator() || !a->isVisible()) continue;
      QWidget* shown = bar->widgetForAction(a);
      ASSERT_NE(shown, nullptr);
      EXPECT_TRUE(shown->isVisible())
          << bar->objectName().toStdString() << ": " << a->text().toStdString();
      EXPECT_TRUE(bar->rect().contains(shown->geometry()))
          << bar->objectName().toStdString() << ": " << a->text().toStdString();
    }
  }
}

TEST(SmallScreen, TheFlightGroupLinesFitTheirList) {
  SmallScreen e;
  QListView* ships = e.list("ShipList");
  ASSERT_GE(ships->model()->rowCount(), 5);
  const QFontMetrics fm(ships->font());
  for (int row = 0; row < ships->model()->rowCount(); ++row) {
    const QString line = ships->model()->index(row, 0).data().toString();
    EXPECT_LE(fm.horizontalAdvance(line) + 2, ships->viewport()->width()) << line.toStdString();
  }
  EXPECT_FALSE(ships->horizontalScrollBar()->isVisible());
  // The map keeps most of the window.
  EXPECT_LT(ships->width(), e.w.width() / 2);
}

TEST(SmallScreen, TheAlliesListShowsEveryTeam) {
  SmallScreen e;
  auto* pages = e.w.findChild<QTabWidget*>(QStringLiteral("OverallPages"));
  pages->setCurrentIndex(2);
  QApplication::processEvents();
  auto* allies = e.w.findChild<QListWidget*>(QStringLiteral("FriendsList"));
  ASSERT_NE(allies, nullptr);
  ASSERT_EQ(allies->count(), 8);
  const QRect visible = allies->viewport()->rect();
  for (int t = 0; t < allies->count(); ++t)
    EXPECT_TRUE(visible.contains(allies->visualItemRect(allies->item(t)))) << "team " << t + 1;
}
