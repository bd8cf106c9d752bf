// PaintBox1 of the map: shows the map image and hands the mouse to the
// map's handlers. Private to the map widget's sources.
#pragma once

#include "render/map_painter.h"
#include "ui/map/map_widget.h"

#include <QPainter>
#include <QWidget>

namespace zephlo {

// PaintBox1: paints the map image the renderer keeps.
class MapCanvas : public QWidget {
public:
  explicit MapCanvas(MapWidget& map, QWidget* parent) : QWidget(parent), map_(map) {
    setObjectName(QStringLiteral("PaintBox1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 120);
    setFocusPolicy(Qt::NoFocus);
  }

protected:
  void paintEvent(QPaintEvent*) override {
    // Moved to a screen of another scale: the picture is made again for it.
    if (!map_.renderer_.image().isNull() &&
        map_.renderer_.image().devicePixelRatio() != devicePixelRatioF())
      map_.repaintMap();
    QPainter p(this);
    const QImage& img = map_.renderer_.image();
    if (img.isNull())
      p.fillRect(rect(), Qt::black);
    else
      p.drawImage(0, 0, img);
    if (map_.lockedAt_) {
      p.setFont(mapFont());
      p.setPen(QColor(255, 255, 0));
      p.drawText(*map_.lockedAt_ + QPointF(15, -10), QStringLiteral("Locked!"));
    }
    if (map_.band_) {
      p.setPen(QPen(QColor(255, 255, 0), 1, Qt::DashLine));
      p.setBrush(QColor(255, 255, 0, 40));
      p.drawRect(*map_.band_);
    }
  }
  void resizeEvent(QResizeEvent*) override { map_.canvasResized(width(), height()); }
  void mousePressEvent(QMouseEvent* e) override { map_.PaintBox1MouseDown(e); }
  void mouseMoveEvent(QMouseEvent* e) override { map_.PaintBox1MouseMove(e); }
  void mouseReleaseEvent(QMouseEvent* e) override { map_.PaintBox1MouseUp(e); }
  void mouseDoubleClickEvent(QMouseEvent* e) override { map_.PaintBox1DblClick(e); }

private:
  MapWidget& map_;
};

} // namespace zephlo
