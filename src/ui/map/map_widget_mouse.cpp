// What the mouse does on the map area.
#include "ui/map/map_widget.h"

#include "ui/map/map_canvas.h"

#include "core/map/battlefield.h"
#include "core/map/map_interaction.h"
#include "core/map/map_units.h"
#include "core/map/waypoints.h"
#include "platform/preferences.h"
#include "render/qt_colour.h"
#include "ui/editing/editing_document.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zephlo {

namespace {

// The program's own pan cursor: a four-way arrow.
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

} // namespace

// ---- the mouse ----------------------------------------------------------------------

void MapWidget::readOut(double x, double y) {
  const SnappedPoint p = snappedWorld(view_, x, y);
  const Axes a = view_.axes();
  Label1->setText((a.horizontal == 1 ? QStringLiteral("Y: ") : QStringLiteral("X: ")) +
                  QString::fromStdString(kmText(p.h)));
  Label2->setText((a.vertical == 1 ? QStringLiteral("Y: ") : QStringLiteral("Z: ")) +
                  QString::fromStdString(kmText(p.v)));
  Label1->repaint();
  Label2->repaint();
}

void MapWidget::PaintBox1MouseDown(QMouseEvent* e) {
  ScrollBox1->setFocus(Qt::MouseFocusReason);
  dragging_ = false;
  const Qt::MouseButtons b = e->buttons();
  const bool modifiers =
      (e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
  const QPointF pos = e->position();
  if (b == (Qt::LeftButton | Qt::RightButton)) {
    panning_ = false;
    emit toggleDatapad();
    return;
  }
  if (view_.paletteOn && e->button() == Qt::LeftButton) {
    if (auto p =
            paletteIndexAt(static_cast<int>(pos.x()), static_cast<int>(pos.y()), view_.height)) {
      const int type = paletteCraftType(*p);
      Operation op = paletteOperation(c_.newFlightGroupOperation(), type, view_.paletteIff,
                                      c_.state().currentTeam);
      op.mergeKey = "MapDrag" + std::to_string(++dragSerial_);
      if (c_.apply(op)) {
        view_.currentSlot = 1;
        dragging_ = true;
        // The new craft shows whatever the filters say, so it can be placed.
        const auto fg = static_cast<std::size_t>(view_.currentFG);
        if (fg < view_.shown.size() && view_.shown[fg] == 0) {
          view_.shown[fg] = 1;
          repaintMap();
        }
      }
      return;
    }
  }
  if (modifiers || (b != Qt::LeftButton && b != Qt::RightButton)) return;
  const bool right = b == Qt::RightButton;
  const auto hit = hitTest(c_.document(), view_, pos.x(), pos.y(),
                           right ? PressButton::Right : PressButton::Left);
  if (right) {
    panStart_ = pos.toPoint();
    panScrollX_ = XScroll->value();
    panScrollY_ = YScroll->value();
  }
  if (!hit) {
    ticks_ = 0;
    if (right) {
      panning_ = true;
      PaintBox1->setCursor(panCursor());
    } else {
      holdZooming_ = true;
      Timer1->start();
    }
    return;
  }
  if (hit->slot == 1 && view_.startLocked) {
    view_.currentFG = hit->fg;
    c_.selectFlightGroup(hit->fg);
    c_.setFlightGroupSelection({hit->fg});
    emit selectionSet();
    repaintMap();
    lockedAt_ = pos;
    PaintBox1->update();
    return;
  }
  view_.currentSlot = hit->slot;
  if (right) {
    panning_ = true;
    PaintBox1->setCursor(Qt::OpenHandCursor);
  } else {
    dragging_ = true;
    ++dragSerial_;
  }
  // The list and the pages follow the map's flight group; a multiple
  // selection that holds it stays, so the group can be dragged together.
  const std::set<int>& sel = c_.state().selectedFGs;
  if (!sel.contains(hit->fg)) c_.setFlightGroupSelection({hit->fg});
  if (hit->fg != c_.state().currentFG) {
    c_.selectFlightGroup(hit->fg);
  } else {
    view_.currentFG = hit->fg;
    repaintMap();
  }
  emit selectionSet();
  syncing_ = true;
  SelectionBox->setCurrentIndex(hit->fg);
  syncing_ = false;
}

void MapWidget::PaintBox1MouseMove(QMouseEvent* e) {
  const QPointF pos = e->position();
  if ((e->buttons() & Qt::RightButton) && panning_) {
    XScroll->setValue(panStart_.x() - static_cast<int>(pos.x()) + panScrollX_);
    YScroll->setValue(panStart_.y() - static_cast<int>(pos.y()) + panScrollY_);
    return;
  }
  const SnappedPoint p = snappedWorld(view_, pos.x(), pos.y());
  if (dragging_ && !(view_.currentSlot == 1 && view_.startLocked)) {
    DragStep step;
    step.fg = view_.currentFG;
    step.slot = view_.currentSlot;
    step.h = p.h;
    step.v = p.v;
    step.lockH = LockX->isChecked();
    step.lockV = LockY->isChecked();
    step.mode = view_.mode;
    step.region = view_.currentRegion;
    step.order = view_.currentOrder;
    const std::set<int>& sel = c_.state().selectedFGs;
    if (sel.size() > 1 && sel.contains(step.fg)) step.together.assign(sel.begin(), sel.end());
    c_.apply(dragOperation(step, "MapDrag" + std::to_string(dragSerial_)));
  }
  readOut(pos.x(), pos.y());
}

void MapWidget::PaintBox1MouseUp(QMouseEvent*) {
  dragging_ = panning_ = holdZooming_ = false;
  Timer1->stop();
  PaintBox1->unsetCursor();
  if (view_.startLocked) repaintMap();
  emit mouseReleased();
}

void MapWidget::PaintBox1DblClick(QMouseEvent*) {
  holdZooming_ = false;
  Timer1->stop();
  if (prefs_.dblClickLink == 0 || view_.fitted)
    setZoom(doubleClickZoom(view_.zoom));
  else
    fitToBattlefield();
}

void MapWidget::Timer1Timer() {
  ++ticks_;
  if (ticks_ >= 3 && holdZooming_) setZoom(holdZoomStep(view_.zoom, prefs_.zoomSpeed));
}

} // namespace zephlo
