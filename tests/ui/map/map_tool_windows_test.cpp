// The map's view state stays out of the document, and the tool windows
// around the map follow a change narrowly and never type over the user.
#include "core/map/waypoint_edits.h"
#include "render/qt_colour.h"
#include "support/map_editor.h"
#include "support/map_fixtures.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

// Opens a grid cell for typing as a double-click does; its editor.
QLineEdit* openCell(QTableWidget* grid, int row, int column) {
  const QRect cell = grid->visualItemRect(grid->item(row, column));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  return qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(row, column)));
}

} // namespace

TEST(MapViewState, SwitchesWindowsAndPreferencesLeaveTheDocumentAsItWas) {
  MapEditor e({{0, 0}, {1600, 800}, {-800, 320}});
  // Something to show in other regions and orders: a waypoint of region 2,
  // order 3, and a flight group that hyperspaces into region 2.
  e.edit([](Edit& ed) {
    setWaypoint(ed.flightGroup(0), 2, 3, 1, 480, 160, 0);
    Byte* o = ed.flightGroup(1).order(1, 2);
    o[ord::Command] = 50;
    o[ord::Parameter1] = 1;
  });
  e.c.undoStack().clear();
  const Document before = e.c.document();
  const std::vector<Byte> bytes = savedBytes(before);
  auto unchanged = [&](const char* what) {
    EXPECT_EQ(e.c.document(), before) << what;
    EXPECT_EQ(savedBytes(e.c.document()), bytes) << what;
    EXPECT_EQ(e.c.undoStack().count(), 0) << what;
    EXPECT_FALSE(e.c.isModified()) << what;
  };

  e.trigger("Region2");
  e.trigger("Order31");
  EXPECT_EQ(e.shown(0, 5).x, 480) << "the map shows region 2, order 3";
  EXPECT_EQ(e.map->view().shown, (std::vector<Byte>{0, 1, 0}));
  unchanged("region and order menus");
  e.trigger("R3btn");
  unchanged("region button");

  e.trigger("OrderRegionSelect1");
  e.w.findChild<QListWidget*>("OrderSelBox")->setCurrentRow(1);
  e.w.findChild<QTabBar*>("RegionTabs")->setCurrentIndex(0);
  EXPECT_EQ(e.c.state().currentOrder, 2);
  EXPECT_EQ(e.c.state().currentRegion, 1);
  unchanged("order/region selector");
  e.trigger("WPEditor1");
  unchanged("waypoint editor");
  for (const char* name : {"YZ", "CurrOnly", "CurrWPs", "ImpIFF", "AllIFF", "XSnap2", "LockX",
                           "ToggleGrid1", "NamesOn"})
    e.trigger(name);
  unchanged("map tool bar");

  e.prefs.ghostGrid = !e.prefs.ghostGrid;
  e.prefs.autoCtr = 3;
  e.prefs.blacken = !e.prefs.blacken;
  e.trigger("PreferencesAction");
  unchanged("preferences");
}

TEST(MapViewState, UndoAfterADragGivesBackTheBytes) {
  MapEditor e({{0, 0}, {1600, 800}});
  e.edit([](Edit& ed) { setWaypoint(ed.flightGroup(0), 1, 1, 1, 800, 800, 0); });
  e.c.undoStack().clear();
  const Document before = e.c.document();
  const std::vector<Byte> bytes = savedBytes(before);

  e.trigger("CurrWPs");
  e.drag(e.at(0, 0), e.at(320, 480));       // start point 1
  e.drag(e.at(800, 800), e.at(1600, 1600)); // waypoint 1 of region 1, order 1
  ASSERT_EQ(e.c.undoStack().count(), 2);
  const std::vector<Byte> moved = savedBytes(e.c.document());
  EXPECT_NE(moved, bytes);
  EXPECT_NEAR(e.start(0).x, 320, 5);
  EXPECT_NEAR(e.shown(0, 5).x, 1600, 5);

  e.trigger("UndoAction");
  e.trigger("UndoAction");
  EXPECT_EQ(e.c.document(), before);
  EXPECT_EQ(savedBytes(e.c.document()), bytes);
  EXPECT_EQ(e.shown(0, 5).x, 800) << "the map follows the undo";
  e.trigger("RedoAction");
  e.trigger("RedoAction");
  EXPECT_EQ(savedBytes(e.c.document()), moved);
}

TEST(WaypointEditorWindow, TypedKilometresCommitWhenEditingEnds) {
  MapEditor e({{0, 0}, {160, 0}});
  e.trigger("WPEditor1");
  auto* grid = e.w.findChild<QTableWidget*>("WPGrid");
  ASSERT_NE(grid, nullptr);
  ASSERT_EQ(grid->item(0, 0)->text(), "0.00");

  // A double-click opens the cell; the typing replaces its old text.
  QLineEdit* editor = openCell(grid, 0, 0);
  ASSERT_NE(editor, nullptr);
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(editor, "12.5");
  EXPECT_EQ(e.start(0).x, 0) << "nothing is stored while typing";
  EXPECT_EQ(e.c.undoStack().count(), 0);

  // The point moves meanwhile: the other cells follow, the typed one is left alone.
  e.edit([](Edit& ed) { ed.flightGroup(0).setStartPoint(1, {-160, 800, 0, 1}); });
  EXPECT_EQ(editor->text(), "12.5");
  EXPECT_EQ(grid->item(0, 1)->text(), "5.00");

  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents(); // the grid commits once the key is handled
  EXPECT_EQ(e.start(0).x, 2000);
  EXPECT_EQ(e.start(0).y, 800);
  EXPECT_EQ(grid->item(0, 0)->text(), "12.50") << "shown as stored";
  EXPECT_EQ(e.c.undoStack().count(), 2) << "the move, then the typed value: one step";
  e.trigger("UndoAction");
  EXPECT_EQ(e.start(0).x, -160);
  EXPECT_EQ(grid->item(0, 0)->text(), "-1.00");

  // A waypoint cell commits when the editing moves on to the next cell,
  // into the order the map shows.
  auto* orders = e.w.findChild<QTableWidget*>("OrderWPGrid");
  editor = openCell(orders, 2, 1);
  ASSERT_NE(editor, nullptr);
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(editor, "-0.5");
  EXPECT_EQ(orderWaypointValue(e.fg(0), 1, 1, 3, 1), 0);
  QTest::keyClick(editor, Qt::Key_Tab);
  QApplication::processEvents();
  EXPECT_EQ(orderWaypointValue(e.fg(0), 1, 1, 3, 1), -80);
  EXPECT_EQ(orders->item(2, 1)->text(), "-0.50");
  EXPECT_EQ(e.c.undoStack().count(), 2);
}

TEST(WaypointEditorWindow, RowsNameTheirPointsAndAClickEditsThatPoint) {
  MapEditor e({{0, 0}});
  e.trigger("WPEditor1");
  auto* rows = e.w.findChild<QListWidget*>("WPEnabledList");
  ASSERT_NE(rows, nullptr);
  ASSERT_EQ(rows->count(), 6);
  QSet<QString> names;
  for (int r = 0; r < rows->count(); ++r) {
    const QString name = rows->item(r)->text();
    EXPECT_NE(name.trimmed(), "?") << "row " << r << " names no point";
    EXPECT_LE(rows->fontMetrics().horizontalAdvance(name), rows->viewport()->width())
        << name.toStdString() << " is cut";
    names.insert(name.trimmed());
  }
  EXPECT_EQ(names.size(), 6) << "no two rows alike";
  // The row named for further point 2 switches that point in the record.
  const int row = 5;
  EXPECT_TRUE(rows->item(row)->text().contains("Further point 2"));
  const auto enabled = [&] {
    return getI16(e.fg(0).record.data() + fg::FurtherPoint2 + wp::Enabled);
  };
  ASSERT_EQ(enabled(), 0);
  QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier,
                    rows->visualItemRect(rows->item(row)).center());
  EXPECT_EQ(enabled(), 1);
}

TEST(MapToolWindows, ADragRefreshesOnlyWhatItMoves) {
  MapEditor e({{0, 0}, {1600, 800}});
  e.trigger("WPEditor1");
  e.trigger("OrderRegionSelect1");
  auto* lines = e.w.findChild<QListWidget*>("OrderSelBox");
  auto* starts = e.w.findChild<QTableWidget*>("WPGrid");
  auto* waypoints = e.w.findChild<QTableWidget*>("OrderWPGrid");
  auto* caption = starts->window()->findChild<QLabel*>("Label1");
  ASSERT_TRUE(lines && starts && waypoints && caption);
  QSignalSpy lineSpy(lines->model(), &QAbstractItemModel::dataChanged);
  QSignalSpy startSpy(starts->model(), &QAbstractItemModel::dataChanged);
  QSignalSpy waypointSpy(waypoints->model(), &QAbstractItemModel::dataChanged);
  QSignalSpy titleSpy(lines->window(), &QWidget::windowTitleChanged);
  const QString label = caption->text();

  e.drag(e.at(0, 0), e.at(800, 320));
  EXPECT_EQ(starts->item(0, 0)->text(), "5.00");
  EXPECT_EQ(starts->item(0, 1)->text(), "2.00");
  EXPECT_GE(startSpy.count(), 2);
  EXPECT_LE(startSpy.count(), 4) << "only the moved point's cells, once per step";
  EXPECT_EQ(lineSpy.count(), 0);
  EXPECT_EQ(waypointSpy.count(), 0);
  EXPECT_EQ(titleSpy.count(), 0);
  EXPECT_EQ(caption->text(), label);

  // An order switch touches the order's lines, not the start points.
  startSpy.clear();
  e.trigger("Order21");
  EXPECT_EQ(startSpy.count(), 0);
  EXPECT_EQ(titleSpy.count(), 1);
  EXPECT_EQ(lines->window()->windowTitle(), "Order 2, Region #1: \"Region 1\"");

  // A renamed target shows in the line that names it.
  e.edit([](Edit& ed) {
    Byte* o = ed.flightGroup(0).order(1, 2);
    o[ord::Command] = 7;
    o[ord::Target1Type] = 1;
    o[ord::Target1] = 1;
  });
  const QString named = lines->item(1)->text();
  e.edit([](Edit& ed) { ed.flightGroup(1).setName("Gold"); });
  EXPECT_NE(lines->item(1)->text(), named);
  EXPECT_TRUE(lines->item(1)->text().contains("Gold")) << lines->item(1)->text().toStdString();
  EXPECT_TRUE(caption->text().contains("Gold")) << caption->text().toStdString();
}

TEST(MapChooser, LinesTakeTheFlightGroupListColours) {
  MapEditor e({{0, 0}, {1600, 0}, {-1600, 0}});
  e.edit([](Edit& ed) {
    ed.flightGroup(0).set(fg::Iff, 1);
    Byte* o = ed.flightGroup(1).order(1, 1);
    o[ord::Command] = 50; // hyperspace to region 2
    o[ord::Parameter1] = 1;
    ed.flightGroup(2).set(fg::Difficulty, 6); // never appears
  });
  auto* box = e.w.findChild<QComboBox*>("SelectionBox");
  auto colour = [box](int i) { return box->itemData(i, Qt::ForegroundRole).value<QColor>(); };
  const QColor absent(0x4F, 0x4E, 0x4F), never(0x80, 0x80, 0x80);
  EXPECT_EQ(colour(0), toQColor(iffColour(1, IffVariant::Normal)));
  EXPECT_EQ(colour(2), never);
  e.trigger("Region2");
  EXPECT_EQ(colour(0), absent);
  EXPECT_EQ(colour(1), toQColor(iffColour(0, IffVariant::Normal))) << "it arrives by hyperspace";
  EXPECT_EQ(colour(2), never);
  // An edit of the orders shows at once.
  e.edit([](Edit& ed) { ed.flightGroup(1).order(1, 1)[ord::Command] = 0; });
  EXPECT_EQ(colour(1), absent);
}
