#include "ui/main/app_icon.h"

#include "render/painted_icon.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zephlo {

namespace {

// The picture on a 128-unit square.
void drawIcon(QPainter& p) {
  QLinearGradient sky(0, 0, 0, 128);
  sky.setColorAt(0, QColor(0x1b, 0x25, 0x40));
  sky.setColorAt(1, QColor(0x05, 0x07, 0x0d));
  p.setPen(QPen(QColor(0x3a, 0x4a, 0x70), 3));
  p.setBrush(sky);
  p.drawRoundedRect(QRectF(4, 4, 120, 120), 20, 20);
  p.setPen(QPen(QColor(0x24, 0x40, 0x6a), 1));
  for (int g : {44, 84}) {
    p.drawLine(4, g, 124, g);
    p.drawLine(g, 4, g, 124);
  }

  // The flight path through three waypoints.
  QPen path(QColor(0xf5, 0xa6, 0x23), 4, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin);
  path.setDashPattern({2, 1.25});
  p.setPen(path);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF{{24, 96}, {58, 70}, {40, 40}, {92, 30}});
  p.setPen(QPen(QColor(0x7a, 0x4a, 0x00), 1.5));
  p.setBrush(QColor(0xff, 0xd2, 0x7a));
  for (const QPointF c : {QPointF(24, 96), QPointF(58, 70), QPointF(40, 40)})
    p.drawPolygon(
        QPolygonF{c + QPointF(0, -7), c + QPointF(7, 0), c + QPointF(0, 7), c + QPointF(-7, 0)});

  // The craft heading for the last point.
  p.translate(92, 30);
  p.rotate(-11);
  p.setPen(QPen(QColor(0x0f, 0x3d, 0x0f), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(0x7f, 0xe0, 0x7f));
  p.drawPolygon(QPolygonF{{14, 0}, {-10, -13}, {-5, 0}, {-10, 13}});
  p.setBrush(QColor(0x0f, 0x3d, 0x0f));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(3, 0), 2.5, 2.5);
}

} // namespace

QIcon applicationIcon() { return paintedIcon(drawIcon, 128, {16, 24, 32, 48, 64, 128, 256}); }

void presentToTheDesktop() {
  QGuiApplication::setDesktopFileName(QStringLiteral("zephlo"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("zephlo"), applicationIcon()));
}

} // namespace zephlo
