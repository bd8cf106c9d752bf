#include "core/mission/reader.h"
#include "support/map_editor.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zephlo;
using namespace zephlo::testing;

TEST(MapWidget, ShowsTheMissionBesideTheLists) {
  MapEditor e({{0, 0}, {1600, 800}});
  ASSERT_NE(e.canvas, nullptr);
  EXPECT_GT(e.canvas->width(), 400);
  const QImage& img = e.map->image();
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.size(), e.canvas->size());
  // Something is drawn where the second flight group stands.
  const QPoint p = e.at(1600, 800);
  bool lit = false;
  for (int dx = -6; dx <= 6 && !lit; ++dx)
    for (int dy = -6; dy <= 6 && !lit; ++dy)
      lit = img.pixelColor(p + QPoint(dx, dy)).green() > 128;
  EXPECT_TRUE(lit);

  // Views, zoom presets and the region buttons reach the view and the controller.
  e.trigger("XZView1");
  EXPECT_EQ(e.map->view().mode, ViewMode::XZ);
  EXPECT_TRUE(e.action("XZ")->isChecked());
  e.trigger("ZoomTo800Btn");
  EXPECT_EQ(e.map->view().zoom, 800);
  e.action("R3btn")->trigger();
  EXPECT_EQ(e.c.state().currentRegion, 3);
  EXPECT_TRUE(e.action("Region3")->isChecked());
  e.trigger("Region2");
  EXPECT_TRUE(e.action("R2btn")->isChecked());
  EXPECT_EQ(e.map->view().currentRegion, 2);
}

TEST(MapWidget, PressSelectsDragSnapsAndOneUndoTakesItBack) {
  MapEditor e({{0, 0}, {1600, 800}});
  // Select by pressing on the second flight group: the list follows.
  e.send(QEvent::MouseButtonPress, e.at(1600, 800), Qt::LeftButton, Qt::LeftButton);
  e.send(QEvent::MouseButtonRelease, e.at(1600, 800), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(e.c.state().currentFG, 1);
  EXPECT_EQ(e.list("ShipList")->currentIndex().row(), 1);
  EXPECT_EQ(e.c.undoStack().count(), 0) << "a click moves nothing";

  // X snap 0.5 km: a drag to x = 2.0 km + a bit stores 320.
  e.trigger("XSnap3");
  e.drag(e.at(1600, 800), e.at(330, 400));
  EXPECT_EQ(e.start(1).x, 320);
  EXPECT_NEAR(e.start(1).y, 400, 5);
  EXPECT_EQ(e.c.undoStack().count(), 1) << "one drag is one undo step";
  EXPECT_TRUE(e.c.isModified());
  EXPECT_EQ(e.w.findChild<QLabel*>("Label1")->text(), "X: 2.00");

  // Locked X: only Y follows.
  e.trigger("LockX");
  e.drag(e.at(320, 400), e.at(-3200, -800));
  EXPECT_EQ(e.start(1).x, 320);
  EXPECT_NEAR(e.start(1).y, -800, 5);
  e.trigger("LockX");

  // Locked start point: refused, nothing moves.
  e.trigger("LockBtn");
  e.drag(e.at(320, -800), e.at(3200, 3200));
  EXPECT_EQ(e.start(1).x, 320);
  e.trigger("LockBtn");

  e.trigger("UndoAction");
  EXPECT_EQ(e.start(1).x, 320);
  EXPECT_NEAR(e.start(1).y, 400, 5);
  e.trigger("UndoAction");
  EXPECT_EQ(e.start(1).x, 1600);
  EXPECT_EQ(e.start(1).y, 800);
  EXPECT_FALSE(e.c.isModified());
}

TEST(MapWidget, SelectedFlightGroupsDragTogether) {
  MapEditor e({{0, 0}, {1600, 0}, {-1600, 1600}});
  e.c.setFlightGroupSelection({0, 2});
  e.drag(e.at(0, 0), e.at(800, 0));
  EXPECT_NEAR(e.start(0).x, 800, 5);
  EXPECT_EQ(e.start(2).x - -1600, e.start(0).x);
  EXPECT_EQ(e.start(2).y, 1600 + e.start(0).y);
  EXPECT_EQ(e.start(1).x, 1600);
  e.trigger("UndoAction");
  EXPECT_EQ(e.start(0).x, 0);
  EXPECT_EQ(e.start(2).x, -1600);
}

TEST(MapWidget, APressTakesTheFlightGroupChosenInTheListUnderAnother) {
  MapEditor e({{0, 0}, {1600, 0}, {1600, 0}}); // 1 lies over 2
  auto startInSave = [&](int fg) {
    const std::vector<Byte> bytes = savedBytes(e.c.document());
    auto d = parseMission(bytes, "m.tie");
    EXPECT_TRUE(d.ok());
    return d->flightGroups[static_cast<std::size_t>(fg)].startPoint(1);
  };
  // The designer picks flight group 2 in the list, then drags on the map.
  QListView* list = e.list("ShipList");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                    list->visualRect(list->model()->index(2, 0)).center());
  ASSERT_EQ(e.c.state().currentFG, 2);
  QTest::mousePress(e.canvas, Qt::LeftButton, Qt::NoModifier, e.at(1600, 0));
  QTest::mouseMove(e.canvas, e.at(2400, 400));
  QTest::mouseMove(e.canvas, e.at(3200, 800));
  QTest::mouseRelease(e.canvas, Qt::LeftButton, Qt::NoModifier, e.at(3200, 800));
  EXPECT_NEAR(startInSave(2).x, 3200, 5);
  EXPECT_NEAR(startInSave(2).y, 800, 5);
  EXPECT_EQ(startInSave(1).x, 1600) << "the one drawn over it stays";
  EXPECT_EQ(startInSave(1).y, 0);

  // Flight groups 2 and 0 selected, 0 current: the selected one under the
  // pointer is taken, and the selection moves together.
  e.trigger("UndoAction");
  ASSERT_EQ(startInSave(2).x, 1600);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    list->visualRect(list->model()->index(0, 0)).center());
  ASSERT_EQ(e.c.state().selectedFGs, (std::set<int>{0, 2}));
  auto pressAndMove = [&](QPoint from, QPoint to) {
    QTest::mousePress(e.canvas, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(e.canvas, to);
    QTest::mouseRelease(e.canvas, Qt::LeftButton, Qt::NoModifier, to);
  };
  pressAndMove(e.at(1600, 0), e.at(1600, -1600));
  EXPECT_NEAR(startInSave(2).y, -1600, 5);
  EXPECT_EQ(startInSave(0).y, startInSave(2).y);
  EXPECT_EQ(startInSave(1).y, 0);

  // With nothing of the selection under the pointer, the lower index wins.
  e.trigger("UndoAction");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                    list->visualRect(list->model()->index(0, 0)).center());
  pressAndMove(e.at(1600, 0), e.at(1600, 1600));
  EXPECT_NEAR(startInSave(1).y, 1600, 5);
  EXPECT_EQ(startInSave(2).y, 0);
}

TEST(MapWidget, AShiftDragSelectsTheFlightGroupsInTheBox) {
  MapEditor e({{0, 0}, {1600, 0}, {3200, 1600}, {-1600, -1600}});
  QTest::mousePress(e.canvas, Qt::LeftButton, Qt::ShiftModifier, e.at(-800, 800));
  QTest::mouseMove(e.canvas, e.at(800, -400));
  QTest::mouseMove(e.canvas, e.at(2400, -800));
  QTest::mouseRelease(e.canvas, Qt::LeftButton, Qt::ShiftModifier, e.at(2400, -800));
  EXPECT_EQ(e.c.state().selectedFGs, (std::set<int>{0, 1}));
  EXPECT_EQ(e.c.state().currentFG, 0) << "the current one was in the box";
  const QModelIndexList shown = e.list("ShipList")->selectionModel()->selectedRows();
  EXPECT_EQ(shown.size(), 2) << "the list shows the selection";
  EXPECT_EQ(e.c.undoStack().count(), 0) << "selecting edits nothing";

  // The box selected what the next drag moves together.
  e.drag(e.at(1600, 0), e.at(1600, 1600));
  EXPECT_NEAR(e.start(1).y, 1600, 5);
  EXPECT_EQ(e.start(0).y, e.start(1).y);
  EXPECT_EQ(e.start(2).y, 1600);

  // Another box elsewhere: the first flight group in it becomes current; an
  // empty box leaves the selection alone.
  QTest::mousePress(e.canvas, Qt::LeftButton, Qt::ShiftModifier, e.at(-2400, -2400));
  QTest::mouseRelease(e.canvas, Qt::LeftButton, Qt::ShiftModifier, e.at(-800, -800));
  EXPECT_EQ(e.c.state().selectedFGs, (std::set<int>{3}));
  EXPECT_EQ(e.c.state().currentFG, 3);
  QTest::mousePress(e.canvas, Qt::LeftButton, Qt::ShiftModifier, e.at(5000, 5000));
  QTest::mouseRelease(e.canvas, Qt::LeftButton, Qt::ShiftModifier, e.at(6000, 6000));
  EXPECT_EQ(e.c.state().selectedFGs, (std::set<int>{3}));

  // With Ctrl too the box adds to the selection (flight group 0 was dragged
  // to 0, 1600 above).
  const Qt::KeyboardModifiers adding = Qt::ShiftModifier | Qt::ControlModifier;
  QTest::mousePress(e.canvas, Qt::LeftButton, adding, e.at(-800, 2400));
  QTest::mouseRelease(e.canvas, Qt::LeftButton, adding, e.at(800, 800));
  EXPECT_EQ(e.c.state().selectedFGs, (std::set<int>{0, 3}));
  EXPECT_EQ(e.c.state().currentFG, 3);
}

TEST(MapWidget, PanHoldZoomAndDoubleClick) {
  MapEditor e({{0, 0}});
  auto* xs = e.w.findChild<QScrollBar*>("XScroll");
  const QPoint empty = e.at(1600, 800);
  const int before = xs->value();
  e.send(QEvent::MouseButtonPress, empty, Qt::RightButton, Qt::RightButton);
  e.send(QEvent::MouseMove, empty + QPoint(-40, 0), Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(xs->value(), before + 40);
  EXPECT_DOUBLE_EQ(e.map->view().offsetX, -(before + 40));
  e.send(QEvent::MouseButtonRelease, empty, Qt::RightButton, Qt::NoButton);
  EXPECT_EQ(e.c.undoStack().count(), 0);

  // Holding the left button on empty space zooms in from the third tick.
  e.send(QEvent::MouseButtonPress, empty, Qt::LeftButton, Qt::LeftButton);
  e.map->Timer1Timer();
  e.map->Timer1Timer();
  EXPECT_EQ(e.map->view().zoom, 32);
  e.map->Timer1Timer();
  EXPECT_GT(e.map->view().zoom, 32);
  e.send(QEvent::MouseButtonRelease, empty, Qt::LeftButton, Qt::NoButton);
  const int held = e.map->view().zoom;
  e.map->Timer1Timer();
  EXPECT_EQ(e.map->view().zoom, held);

  e.setZoom(300);
  e.send(QEvent::MouseButtonDblClick, empty, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(e.map->view().zoom, 64);
}

TEST(MapWidget, PalettePlacesACraftThatFollowsTheMouse) {
  MapEditor e({{0, 0}});
  e.trigger("PaletOn");
  const int h = e.canvas->height();
  // Top row, third cell: palette index 3, craft type 3.
  const QPoint cell(2 * 16 + 4, h - 30);
  e.send(QEvent::MouseButtonPress, cell, Qt::LeftButton, Qt::LeftButton);
  ASSERT_EQ(e.fgCount(), 2u);
  EXPECT_EQ(e.fg(1).at(fg::CraftType), 3);
  EXPECT_EQ(e.c.state().currentFG, 1);
  e.send(QEvent::MouseMove, e.at(1600, 0), Qt::NoButton, Qt::LeftButton);
  e.send(QEvent::MouseButtonRelease, e.at(1600, 0), Qt::LeftButton, Qt::NoButton);
  EXPECT_NEAR(e.start(1).x, 1600, 5);
  EXPECT_EQ(e.c.undoStack().count(), 1) << "placing and moving it is one step";
  e.trigger("UndoAction");
  EXPECT_EQ(e.fgCount(), 1u);
}

TEST(MapWidget, DeleteActsOnTheMapsFlightGroup) {
  MapEditor e({{0, 0}, {1600, 0}});
  e.prefs.confirmDeletes = false;
  e.send(QEvent::MouseButtonPress, e.at(1600, 0), Qt::LeftButton, Qt::LeftButton);
  e.send(QEvent::MouseButtonRelease, e.at(1600, 0), Qt::LeftButton, Qt::NoButton);
  e.focus(e.w.findChild<QWidget*>("ScrollBox1"));
  e.trigger("DeleteBut");
  ASSERT_EQ(e.fgCount(), 1u);
  EXPECT_EQ(e.start(0).x, 0);
}

TEST(MapWidget, WaypointEditorWritesEverySelectedFlightGroup) {
  MapEditor e({{0, 0}, {160, 0}, {320, 0}});
  e.c.setFlightGroupSelection({0, 2});
  e.trigger("WPEditor1");
  EXPECT_TRUE(e.action("MapEditWPBtn")->isChecked());
  auto* grid = e.w.findChild<QTableWidget*>("WPGrid");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->item(0, 0)->text(), "0.00");

  grid->item(0, 0)->setText("1.5");
  EXPECT_EQ(e.start(0).x, 240);
  EXPECT_EQ(e.start(2).x, 240);
  EXPECT_EQ(e.start(1).x, 160);
  grid->item(0, 1)->setText("-");
  EXPECT_EQ(e.start(2).y, 0);
  const int steps = e.c.undoStack().count();
  grid->item(0, 2)->setText("ten");
  EXPECT_TRUE(e.prompts.log.last().startsWith("error: 'ten'"))
      << e.prompts.log.last().toStdString();
  EXPECT_EQ(e.c.undoStack().count(), steps);
  EXPECT_EQ(grid->item(0, 2)->text(), "0.00") << "the refused text is replaced by the value";

  // Waypoint 2 of the shown order, on the map as slot 6.
  auto* orders = e.w.findChild<QTableWidget*>("OrderWPGrid");
  orders->item(1, 0)->setText("-2");
  auto* enabled = e.w.findChild<QListWidget*>("OrderWPEnabledList");
  QTest::mouseClick(enabled->viewport(), Qt::LeftButton, {},
                    enabled->visualItemRect(enabled->item(1)).center());
  EXPECT_EQ(e.shown(2, 6).x, -320);
  EXPECT_EQ(e.shown(2, 6).enabled, 1);
  EXPECT_EQ(getI16(e.fg(0).order(1, 1) + ord::waypointOffset(2) + wp::X), -320);

  // Another order: the grid shows its (empty) waypoints.
  e.trigger("Order21");
  EXPECT_EQ(orders->item(1, 0)->text(), "0.00");
  EXPECT_EQ(e.shown(0, 6).enabled, 0);

  e.trigger("UndoAction");
  e.trigger("UndoAction");
  EXPECT_EQ(getI16(e.fg(0).order(1, 1) + ord::waypointOffset(2) + wp::X), 0);

  e.trigger("WPEditor1");
  EXPECT_FALSE(e.action("MapEditWPBtn")->isChecked());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(e.w.findChild<QTableWidget*>("WPGrid"), nullptr) << "the editor is freed";
}

TEST(MapWidget, OrderSelectorAndWindowArrangements) {
  MapEditor e({{0, 0}});
  e.trigger("OrderRegionSelect1");
  auto* box = e.w.findChild<QListWidget*>("OrderSelBox");
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  box->setCurrentRow(2);
  EXPECT_EQ(e.c.state().currentOrder, 3);
  EXPECT_TRUE(e.action("Order31")->isChecked());
  e.trigger("Region4");
  EXPECT_EQ(box->window()->windowTitle(), "Order 3, Region #4: \"Region 4\"");

  e.trigger("ClassicMapview1");
  EXPECT_FALSE(box->isVisible());
  EXPECT_FALSE(e.w.findChild<QTabWidget*>("OverallPages")->isVisible());
  EXPECT_FALSE(e.action("ShowOrderSel")->isChecked());
  EXPECT_FALSE(e.action("ShowFGList")->isChecked()) << "Show Main Pages follows the pages";
  e.trigger("ClassicFGEditview1");
  EXPECT_TRUE(e.w.findChild<QTabWidget*>("OverallPages")->isVisible());
  e.trigger("ShowFGList"); // F5 hides them again
  EXPECT_FALSE(e.w.findChild<QTabWidget*>("OverallPages")->isVisible());
  e.trigger("ShowFGList");
  EXPECT_TRUE(box->isVisible());

  // The selector's visibility and the waypoint editor's place outlive the run.
  e.trigger("WPEditor1");
  QWidget* wp = e.w.findChild<QTableWidget*>("WPGrid")->window();
  wp->move(123, 234);
  e.c.undoStack().setClean();
  EXPECT_TRUE(e.w.close());
  Preferences back;
  QStringList history;
  e.store.load(back, history);
  EXPECT_TRUE(back.osv);
  EXPECT_FALSE(back.wpGeometry.isEmpty());
}

TEST(MapWidget, ShownWaypointsFollowRegionUndoAndTheChooser) {
  MapEditor e({{0, 0}, {1600, 0}});
  e.edit([](Edit& ed) {
    for (int r : {1, 2}) {
      Byte* w = ed.flightGroup(0).order(r, 1) + ord::waypointOffset(1);
      setI16(w + wp::X, static_cast<std::int16_t>(r == 1 ? 800 : -800));
      setI16(w + wp::Y, 800);
      setI16(w + wp::Enabled, 1);
    }
  });
  EXPECT_EQ(e.shown(0, 5).x, 800) << "an order edit reaches the map";
  e.trigger("CurrWPs");
  e.drag(e.at(800, 800), e.at(1600, 1600));
  EXPECT_NEAR(getI16(e.fg(0).order(1, 1) + ord::waypointOffset(1) + wp::X), 1600, 5);

  e.trigger("Region2");
  EXPECT_EQ(e.shown(0, 5).x, -800);
  // Undoing the region 1 drag while region 2 is shown leaves region 2's point on the map.
  e.trigger("UndoAction");
  EXPECT_EQ(getI16(e.fg(0).order(1, 1) + ord::waypointOffset(1) + wp::X), 800);
  EXPECT_EQ(e.shown(0, 5).x, -800);
  e.trigger("Region1");
  EXPECT_EQ(e.shown(0, 5).x, 800);

  // The chooser on the tool bar makes a flight group current and the list follows.
  auto* box = e.w.findChild<QComboBox*>("SelectionBox");
  ASSERT_EQ(box->count(), 2);
  box->setCurrentIndex(1);
  emit box->activated(1);
  EXPECT_EQ(e.c.state().currentFG, 1);
  EXPECT_EQ(e.list("ShipList")->currentIndex().row(), 1);
  // "Current FG only": the other flight group is neither drawn nor hit.
  e.trigger("CurrOnly");
  e.send(QEvent::MouseButtonPress, e.at(0, 0), Qt::LeftButton, Qt::LeftButton);
  e.send(QEvent::MouseButtonRelease, e.at(0, 0), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(e.c.state().currentFG, 1);
}

TEST(MapWidget, ToolBarsFitA1024By640WindowWithPicturesAndNamedTips) {
  MapEditor e({{0, 0}});
  e.w.resize(1024, 640);
  QApplication::processEvents();
  const QList<QToolBar*> bars = e.map->findChildren<QToolBar*>();
  ASSERT_EQ(bars.size(), 3);
  std::vector<std::pair<std::string, QImage>> pictures;
  for (QToolBar* bar : bars) {
    auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button");
    EXPECT_TRUE(!more || !more->isVisible()) << bar->objectName().toStdString() << " overflows";
    for (QAction* a : bar->actions()) {
      if (!a->isVisible() || a->isSeparator()) continue;
      const std::string id = a->objectName().toStdString();
      QWidget* button = bar->widgetForAction(a);
      ASSERT_NE(button, nullptr) << id;
      EXPECT_TRUE(button->isVisible()) << id << " is hidden";
      EXPECT_LE(button->geometry().right(), bar->contentsRect().right()) << id;
      if (qobject_cast<QToolButton*>(button) == nullptr) continue; // the chooser
      EXPECT_FALSE(a->icon().isNull()) << id;
      EXPECT_FALSE(a->toolTip().isEmpty()) << id;
      // Each command has a picture of its own.
      const QImage picture = a->icon().pixmap(16, 16).toImage();
      for (const auto& [other, seen] : pictures)
        EXPECT_NE(picture, seen) << id << " looks like " << other;
      pictures.emplace_back(id, picture);
    }
  }
  // The captions stay with the commands for menus and for the tips' names.
  EXPECT_EQ(e.action("ZoomTo16Btn")->text(), "16");
  EXPECT_EQ(e.action("ZoomTo16Btn")->toolTip(), "Zoom to 16");
  EXPECT_EQ(e.action("XY")->toolTip(), "X-Y View");
}
