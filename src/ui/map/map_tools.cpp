#include "ui/map/map_tools.h"

#include "core/gamedata/craft_tables.h"
#include "core/map/map_interaction.h"
#include "platform/preferences.h"
#include "ui/editing/editing_document.h"
#include "ui/map/map_canvas.h"
#include "ui/map/map_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QTimer>

namespace zephlo {

namespace {

MapPress pressOf(const QMouseEvent& e) {
  const Qt::MouseButtons held = e.buttons();
  MapPress p;
  p.x = e.position().x();
  p.y = e.position().y();
  p.left = held.testFlag(Qt::LeftButton);
  p.right = held.testFlag(Qt::RightButton);
  p.otherButtons = (held & ~(Qt::LeftButton | Qt::RightButton)) != Qt::NoButton;
  p.leftPressed = e.button() == Qt::LeftButton;
  const Qt::KeyboardModifiers mods =
      e.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  p.modifiers = mods != Qt::NoModifier;
  p.shift = mods.testFlag(Qt::ShiftModifier) && !mods.testFlag(Qt::AltModifier);
  return p;
}

} // namespace

QCursor panCursor() {
  QPixmap pm(21, 21);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 3));
  p.drawLine(10, 2, 10, 18);
  p.drawLine(2, 10, 18, 10);
  p.setPen(QPen(Qt::white, 1));
  p.drawLine(10, 2, 10, 18);
  p.drawLine(2, 10, 18, 10);
  p.setBrush(Qt::white);
  p.setPen(QPen(Qt::black, 1));
  p.drawPolygon(QPolygon({QPoint(10, 0), QPoint(6, 5), QPoint(14, 5)}));
  p.drawPolygon(QPolygon({QPoint(10, 20), QPoint(6, 15), QPoint(14, 15)}));
  p.drawPolygon(QPolygon({QPoint(0, 10), QPoint(5, 6), QPoint(5, 14)}));
  p.drawPolygon(QPolygon({QPoint(20, 10), QPoint(15, 6), QPoint(15, 14)}));
  p.end();
  return QCursor(pm, 10, 10);
}

// ---- every tool ----------------------------------------------------------------

void MapTool::press(const QMouseEvent& e) {
  map_.endTool();
  map_.tools_.select.press(e);
}

void MapTool::move(const QMouseEvent& e) { map_.readOut(e.position().x(), e.position().y()); }

// ---- select ------------------------------------------------------------------------

void SelectTool::press(const QMouseEvent& e) {
  const PressOutcome out =
      pressOutcome(map_.cache_, map_.view_, pressOf(e), map_.c_.state().selectedFGs);
  MapWidget::Tools& tools = map_.tools_;
  switch (out.kind) {
  case PressKind::Nothing: return;
  case PressKind::ToggleDatapad: emit map_.toggleDatapad(); return;
  case PressKind::Palette:
    tools.palette.cell = out.paletteIndex;
    map_.startTool(tools.palette, e);
    return;
  case PressKind::Pan: map_.startTool(tools.pan, e); return;
  case PressKind::HoldZoom: map_.startTool(tools.holdZoom, e); return;
  case PressKind::Locked: map_.showLocked(out.hit.fg, e.position()); return;
  case PressKind::SelectBox: map_.startTool(tools.selectBox, e); return;
  case PressKind::Drag:
  case PressKind::PanOnPoint:
    map_.view_.currentSlot = out.hit.slot;
    map_.startTool(out.kind == PressKind::Drag ? static_cast<MapTool&>(tools.drag) : tools.panHand,
                   e);
    map_.pickFlightGroup(out.hit.fg);
    return;
  }
}

// ---- drag --------------------------------------------------------------------------

void DragTool::activate(const QMouseEvent&) { mergeKey_ = map_.nextDragKey(); }

void DragTool::move(const QMouseEvent& e) {
  const QPointF pos = e.position();
  if (const auto step = dragStepAt(map_.view_, map_.c_.state().selectedFGs, pos.x(), pos.y()))
    map_.c_.apply(dragOperation(*step, mergeKey_));
  MapTool::move(e);
}

void PaletteTool::activate(const QMouseEvent& press) {
  DragTool::activate(press);
  MapView& view = map_.view_;
  Operation op = paletteOperation(newFlightGroupOperation(map_.c_), paletteCraftType(cell),
                                  view.paletteIff, map_.c_.state().currentTeam);
  op.mergeKey = mergeKey_;
  if (!map_.c_.apply(op)) {
    map_.endTool(); // nothing placed, nothing to move
    return;
  }
  view.currentSlot = 1;
  // The new craft shows whatever the filters say, so it can be placed.
  const auto fg = static_cast<std::size_t>(view.currentFG);
  if (fg < view.shown.size() && view.shown[fg] == 0) {
    view.shown[fg] = 1;
    map_.repaintMap();
  }
}

// ---- pan ---------------------------------------------------------------------------

void PanTool::activate(const QMouseEvent& press) {
  start_ = press.position().toPoint();
  startX_ = map_.XScroll->value();
  startY_ = map_.YScroll->value();
  map_.PaintBox1->setCursor(cursor_);
}

void PanTool::deactivate() { map_.PaintBox1->unsetCursor(); }

void PanTool::move(const QMouseEvent& e) {
  if (!(e.buttons() & Qt::RightButton)) {
    MapTool::move(e);
    return;
  }
  const QPoint pos = e.position().toPoint();
  map_.XScroll->setValue(start_.x() - pos.x() + startX_);
  map_.YScroll->setValue(start_.y() - pos.y() + startY_);
}

// ---- selection box -----------------------------------------------------------------

void SelectBoxTool::activate(const QMouseEvent& press) {
  start_ = press.position();
  adds_ = press.modifiers().testFlag(Qt::ControlModifier);
  map_.band_ = QRectF(start_, start_);
  map_.PaintBox1->setCursor(Qt::CrossCursor);
}

void SelectBoxTool::deactivate() {
  map_.band_.reset();
  map_.PaintBox1->unsetCursor();
  map_.PaintBox1->update();
}

void SelectBoxTool::move(const QMouseEvent& e) {
  map_.band_ = QRectF(start_, e.position()).normalized();
  map_.PaintBox1->update();
  MapTool::move(e);
}

void SelectBoxTool::release(const QMouseEvent& e) {
  map_.selectBox(QRectF(start_, e.position()).normalized(), adds_);
}

// ---- hold-zoom ---------------------------------------------------------------------

void HoldZoomTool::activate(const QMouseEvent&) {
  ticks_ = 0;
  map_.Timer1->start();
}

void HoldZoomTool::deactivate() { map_.Timer1->stop(); }

void HoldZoomTool::press(const QMouseEvent& e) {
  if (pressOutcome(map_.cache_, map_.view_, pressOf(e)).kind == PressKind::ToggleDatapad) {
    emit map_.toggleDatapad();
    return;
  }
  MapTool::press(e);
}

void HoldZoomTool::tick() {
  if (++ticks_ >= 3) map_.setZoom(holdZoomStep(map_.view_.zoom, map_.prefs_.zoomSpeed));
}

} // namespace zephlo
