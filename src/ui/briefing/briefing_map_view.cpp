#include "ui/briefing/briefing_map_view.h"

#include "render/screen_image.h"
#include "ui/briefing/briefing_map_tools.h"

#include <QMouseEvent>
#include <QPainter>

namespace zephlo {

BrfMapView::BrfMapView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true); // the pointer read-out follows without a button
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(320, 240);
  setFocusPolicy(Qt::ClickFocus);
}

void BrfMapView::paintWith(const std::function<void(QPainter&, QSize)>& paint) {
  if (size().isEmpty()) return;
  const qreal ratio = devicePixelRatioF();
  if (!madeFor(picture_, size(), ratio)) {
    picture_ = screenImage(size(), ratio);
    picture_.fill(QColor(26, 18, 41));
  }
  {
    QPainter p(&picture_);
    paint(p, size());
  }
  update();
}

void BrfMapView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (picture_.isNull())
    p.fillRect(rect(), QColor(26, 18, 41));
  else
    p.drawImage(0, 0, picture_);
}

void BrfMapView::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  emit resized();
}

void BrfMapView::mousePressEvent(QMouseEvent* e) {
  emit pressedAt(e->position().toPoint());
  if (tool_) tool_->press(e);
}

void BrfMapView::mouseMoveEvent(QMouseEvent* e) {
  emit pointerAt(e->position().toPoint());
  if (tool_) tool_->move(e);
}

void BrfMapView::mouseReleaseEvent(QMouseEvent* e) {
  if (tool_) tool_->release(e);
}

} // namespace zephlo
