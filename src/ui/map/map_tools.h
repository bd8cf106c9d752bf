// The map's mouse modes as tools. The map widget hands every press, move,
// release and timer tick to its active tool; the select tool is active
// while no button is held and decides, by the core's press rule, which tool
// a press starts. A tool that ends hands the map back to the select tool.
// Private to the map widget's sources.
#pragma once

#include <QCursor>
#include <QPoint>
#include <QPointF>

#include <string>

class QMouseEvent;

namespace zephlo {

class MapWidget;

class MapTool {
public:
  explicit MapTool(MapWidget& map) : map_(map) {}
  virtual ~MapTool() = default;
  MapTool(const MapTool&) = delete;
  MapTool& operator=(const MapTool&) = delete;

  // Becomes the active tool for the press that chose it.
  virtual void activate(const QMouseEvent&) {}
  // Stops being the active tool: at the release, a new press or a double-click.
  virtual void deactivate() {}
  // Another press while this tool is active: it ends, and the press starts
  // afresh as on an idle map.
  virtual void press(const QMouseEvent& e);
  // Shows where the mouse is in map units.
  virtual void move(const QMouseEvent& e);
  virtual void release(const QMouseEvent&) {}
  // The hold timer ticked.
  virtual void tick() {}

protected:
  MapWidget& map_;
};

// Idle: a press selects a point and starts the tool that goes with it.
class SelectTool : public MapTool {
public:
  using MapTool::MapTool;
  void press(const QMouseEvent& e) override;
};

// A left press on a point: the point follows the mouse, snapped and
// locked as the view says; the whole drag is one undo step.
class DragTool : public MapTool {
public:
  using MapTool::MapTool;
  void activate(const QMouseEvent& press) override;
  void move(const QMouseEvent& e) override;

protected:
  std::string mergeKey_;
};

// A press on the palette strip places that craft, which then follows the
// mouse; placing and moving it is one undo step.
class PaletteTool : public DragTool {
public:
  using DragTool::DragTool;
  void activate(const QMouseEvent& press) override;

  int cell = 1; // the palette index pressed, 1-76
};

// The right button held: the view follows the mouse.
class PanTool : public MapTool {
public:
  PanTool(MapWidget& map, QCursor cursor) : MapTool(map), cursor_(std::move(cursor)) {}
  void activate(const QMouseEvent& press) override;
  void deactivate() override;
  void move(const QMouseEvent& e) override;

private:
  QCursor cursor_;
  QPoint start_;
  int startX_ = 0, startY_ = 0; // the jog bars at the press
};

// The left button held on empty space: from the third tick the map zooms in.
class HoldZoomTool : public MapTool {
public:
  using MapTool::MapTool;
  void activate(const QMouseEvent& press) override;
  void deactivate() override;
  // Both buttons toggle the details window; the zoom goes on.
  void press(const QMouseEvent& e) override;
  void tick() override;

private:
  int ticks_ = 0;
};

// The left button held with Shift: a box from the press to the mouse; at
// the release the flight groups whose start point lies in it become the
// selection, or join it when Ctrl was held too.
class SelectBoxTool : public MapTool {
public:
  using MapTool::MapTool;
  void activate(const QMouseEvent& press) override;
  void deactivate() override;
  void move(const QMouseEvent& e) override;
  void release(const QMouseEvent& e) override;

private:
  QPointF start_;
  bool adds_ = false;
};

// The program's own pan cursor: a four-way arrow.
QCursor panCursor();

} // namespace zephlo
