#include "render/briefing_icons.h"

#include "core/briefing/briefing_look.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <map>
#include <tuple>

namespace zephlo {

namespace {

void drawSymbol(QPainter& p, BriefingSymbol symbol, double w, double h) {
  const double cx = w / 2;
  p.setPen(QPen(Qt::white, 1.5));
  p.setBrush(Qt::white);
  switch (symbol) {
  case BriefingSymbol::Fighter: {
    // Fuselage with swept wings and a gap at the tail.
    QPolygonF body{{cx, 4},       {cx + 4, 18},    {cx + 15, 30},   {cx + 15, 35},
                   {cx + 4, 31},  {cx + 3, h - 5}, {cx - 3, h - 5}, {cx - 4, 31},
                   {cx - 15, 35}, {cx - 15, 30},   {cx - 4, 18}};
    p.drawPolygon(body);
    break;
  }
  case BriefingSymbol::Shuttle: {
    QPolygonF body{{cx - 5, 6},     {cx + 5, 6},     {cx + 8, 20},  {cx + 16, 34},
                   {cx + 8, h - 6}, {cx - 8, h - 6}, {cx - 16, 34}, {cx - 8, 20}};
    p.drawPolygon(body);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(cx, 10), QPointF(cx, h - 10));
    break;
  }
  case BriefingSymbol::Freighter: {
    p.drawRoundedRect(QRectF(cx - 9, 5, 18, h - 10), 4, 4);
    p.setPen(QPen(Qt::black, 2));
    for (double y = 13; y < h - 8; y += 8)
      p.drawLine(QPointF(cx - 7, y), QPointF(cx + 7, y));
    break;
  }
  case BriefingSymbol::Container:
    p.drawRect(QRectF(cx - 8, h / 2 - 10, 16, 20));
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(cx - 6, h / 2 - 8), QPointF(cx + 6, h / 2 + 8));
    break;
  case BriefingSymbol::Capital: {
    // A long wedge with a bridge tower.
    QPolygonF hull{{cx, 3}, {cx + 16, h - 6}, {cx - 16, h - 6}};
    p.drawPolygon(hull);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(cx, 12), QPointF(cx, h - 9));
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(QRectF(cx - 5, h - 14, 10, 8));
    break;
  }
  case BriefingSymbol::Station:
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3));
    p.drawEllipse(QPointF(cx, h / 2), 13, 13);
    p.drawLine(QPointF(cx - 17, h / 2), QPointF(cx + 17, h / 2));
    p.drawLine(QPointF(cx, h / 2 - 17), QPointF(cx, h / 2 + 17));
    break;
  case BriefingSymbol::Mine:
    p.drawEllipse(QPointF(cx, h / 2), 6, 6);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(cx - 11, h / 2 - 11), QPointF(cx + 11, h / 2 + 11));
    p.drawLine(QPointF(cx - 11, h / 2 + 11), QPointF(cx + 11, h / 2 - 11));
    break;
  case BriefingSymbol::Other: {
    QPolygonF diamond{{cx, h / 2 - 12}, {cx + 10, h / 2}, {cx, h / 2 + 12}, {cx - 10, h / 2}};
    p.drawPolygon(diamond);
    break;
  }
  }
}

} // namespace

QImage briefingIconCell(int craftType) {
  const BriefingIconFrame f = briefingIconFrame(craftType, 0);
  QImage cell(f.width, f.height, QImage::Format_RGB32);
  cell.fill(Qt::black);
  QPainter p(&cell);
  p.setRenderHint(QPainter::Antialiasing);
  drawSymbol(p, briefingSymbol(craftType), f.width, f.height);
  return cell;
}

QImage rotateBriefingCell(const QImage& cell, int rotation) {
  switch (rotation) {
  case 2: return cell.mirrored(false, true);
  case 4: return cell.mirrored(true, false);
  case 1:
  case 3: {
    const int w = cell.width(), h = cell.height();
    QImage turned(h, w, cell.format());
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        turned.setPixel(h - 1 - y, x, cell.pixel(x, y));
    return rotation == 3 ? turned : turned.mirrored(true, true);
  }
  default: return cell;
  }
}

const QImage& briefingIcon(int craftType, int rotation, int iff) {
  static std::map<std::tuple<int, int, int>, QImage> cache;
  const auto key = std::make_tuple(craftType, rotation, iff);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  QImage img = rotateBriefingCell(briefingIconCell(craftType), rotation)
                   .convertToFormat(QImage::Format_ARGB32);
  const Colour c = briefingIffColour(iff);
  const QRgb mask = qRgb(redOf(c), greenOf(c), blueOf(c)) & 0x00FFFFFFu;
  for (int y = 0; y < img.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      const QRgb anded = line[x] & mask;
      line[x] = anded == 0 ? 0u : (anded | 0xFF000000u);
    }
  }
  return cache.emplace(key, std::move(img)).first->second;
}

} // namespace zephlo
