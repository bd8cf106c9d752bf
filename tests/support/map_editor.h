// The main window shown with flight groups placed at start points, and the
// mouse on its map: what the map and tool-window tests drive.
#pragma once

#include "support/editor_fixture.h"
#include "ui/map/map_widget.h"

#include <QSlider>

#include <utility>
#include <vector>

namespace zephlo::testing {

// The map of a shown editor, with flight groups placed at start points.
struct MapEditor : Editor {
  MapWidget* map = nullptr;
  QWidget* canvas = nullptr;

  explicit MapEditor(const std::vector<std::pair<int, int>>& places) {
    edit([&](Edit& ed) {
      for (std::size_t k = 1; k < places.size(); ++k)
        ed.appendFlightGroup(ed.doc().flightGroups[0]);
      for (std::size_t k = 0; k < places.size(); ++k) {
        FGObject& f = ed.flightGroup(static_cast<int>(k));
        Point p = f.startPoint(1);
        p.x = static_cast<std::int16_t>(places[k].first);
        p.y = static_cast<std::int16_t>(places[k].second);
        f.setStartPoint(1, p);
        f.set(fg::CraftType, 1);
      }
    });
    c.undoStack().clear();
    map = w.findChild<MapWidget*>();
    canvas = w.findChild<QWidget*>("PaintBox1");
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    setZoom(32);
    w.findChild<QAction*>("CentreMapBtn")->trigger();
  }
  void setZoom(int z) { w.findChild<QSlider*>("ZoomBar")->setValue(z); }
  QPoint at(int x, int y) const { return {map->view().toScreenX(x), map->view().toScreenY(y)}; }
  void send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent ev(type, QPointF(p), canvas->mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &ev);
  }
  // A left drag from one pixel to another in two moves.
  void drag(QPoint from, QPoint to, Qt::MouseButton b = Qt::LeftButton) {
    send(QEvent::MouseButtonPress, from, b, b);
    send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, b);
    send(QEvent::MouseMove, to, Qt::NoButton, b);
    send(QEvent::MouseButtonRelease, to, b, Qt::NoButton);
  }
  const FGObject& fg(int i) const { return c.document().flightGroups[static_cast<std::size_t>(i)]; }
  Point start(int i) const { return fg(i).startPoint(1); }
  // Display slot k of flight group i, as the map shows it.
  const Point& shown(int i, int k) const { return map->cache()[i].points[k]; }
};

} // namespace zephlo::testing
