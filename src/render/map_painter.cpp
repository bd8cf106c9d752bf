#include "render/map_painter.h"

#include "core/gamedata/craft_tables.h"
#include "core/map/labels.h"
#include "core/map/map_scene.h"
#include "core/map/waypoints.h"
#include "core/map/wireframe.h"
#include "render/icon_sheet.h"
#include "render/qt_colour.h"
#include "render/screen_image.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QStaticText>
#include <cmath>

#include <algorithm>
#include <cstring>
#include <map>
#include <unordered_map>

namespace zephlo {

namespace {

constexpr Colour kYellow = 0x00FFFF;
constexpr Colour kGhostText = 0x383B3D;

// Texts are placed by their top-left corner, as the map's layout gives them.
// Laid-out texts by content: the same names and distances come back on
// every repaint, and laying them out again is most of a repaint's time.
const QStaticText& laidOut(const QString& s, const QFont& font) {
  static std::unordered_map<QString, QStaticText> cache;
  static QFont cachedFont;
  if (cache.size() > 8192 || font != cachedFont) {
    cache.clear();
    cachedFont = font;
  }
  auto [it, fresh] = cache.try_emplace(s, s);
  if (fresh) {
    it->second.setTextFormat(Qt::PlainText);
    it->second.prepare(QTransform(), font);
  }
  return it->second;
}

QRect textAt(QPainter& p, int x, int top, const QString& s, Colour c) {
  p.setPen(toQColor(c));
  const QStaticText& text = laidOut(s, p.font());
  p.drawStaticText(x, top, text);
  const QSizeF size = text.size();
  return QRect(x - 2, top, static_cast<int>(size.width()) + 5, static_cast<int>(size.height()) + 1);
}

QRect around(ScreenPoint a, ScreenPoint b, int margin) {
  return QRect(QPoint(a.x, a.y), QPoint(b.x, b.y))
      .normalized()
      .adjusted(-margin, -margin, margin, margin);
}

// The icon tinted once per craft type and colour, then ORed onto the map.
const QImage& cachedIcon(int craftType, Colour colour) {
  static std::map<std::pair<int, Colour>, QImage> cache;
  auto [it, fresh] = cache.try_emplace({craftType, colour});
  if (fresh) it->second = tintedIcon(craftType, colour);
  return it->second;
}

const QImage& cachedPalette(int paletteIff) {
  static std::map<int, QImage> cache;
  auto [it, fresh] = cache.try_emplace(paletteColourSet(paletteIff));
  if (fresh) it->second = buildPalette(paletteIff);
  return it->second;
}

QRect paintIcon(QPainter& p, const Document& doc, const FGObject& f, const MapFields& fields,
                const MapView& view, const MapOptions& options, ScreenPoint at, Colour wireColour) {
  const int type = f.at(fg::CraftType);
  switch (iconKind(type, view, options)) {
  case IconKind::None: return {};
  case IconKind::Bitmap: {
    const QPainter::CompositionMode mode = p.compositionMode();
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(at.x - 8, at.y - 10, cachedIcon(type, iconColour(f.at(fg::Iff), type)));
    p.setCompositionMode(mode);
    return QRect(at.x - 8, at.y - 10, 16, 20);
  }
  case IconKind::Wireframe: {
    WireframeSetup s;
    s.mode = view.mode;
    s.origin = at;
    s.zoom = view.zoom;
    s.orientation = fields.orientation;
    s.colour = wireColour;
    s.limitShrink = options.limitShrink;
    s.platform = doc.platform & 0xFF;
    QRect drawn;
    for (const WireStroke& w : craftWireframe(type, s)) {
      p.setPen(toQColor(w.colour));
      if (w.square) {
        p.drawRect(w.a.x - 1, w.a.y - 1, 2, 2);
        drawn = drawn.united(around(w.a, w.a, 2));
      } else {
        p.drawLine(w.a.x, w.a.y, w.b.x, w.b.y);
        drawn = drawn.united(around(w.a, w.b, 1));
      }
    }
    return drawn;
  }
  }
  return {};
}

QRect paintBrackets(QPainter& p, ScreenPoint c) {
  p.setPen(toQColor(kYellow));
  const int x = c.x, y = c.y;
  const QPoint corners[4][3] = {
      {{x - 8, y - 5}, {x - 8, y - 8}, {x - 5, y - 8}},
      {{x + 5, y - 8}, {x + 7, y - 8}, {x + 7, y - 4}},
      {{x + 7, y + 5}, {x + 7, y + 8}, {x + 4, y + 8}},
      {{x - 6, y + 8}, {x - 8, y + 8}, {x - 8, y + 4}},
  };
  for (const auto& l : corners)
    p.drawPolyline(l, 3);
  return around(c, c, 9);
}

} // namespace

QFont mapFont() {
  QFont f = QGuiApplication::font();
  f.setPointSize(8);
  // Hard-edged like the rest of the map, so labels stay crisp in every colour.
  f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

namespace {

// Black and the grid written straight into a 32-bit image: one prepared
// scan line with the columns copied to every row, then the rows. Zoomed
// far out the grid has hundreds of lines, too many to stroke one by one.
// On an image made for a screen scale, a map pixel covers ratio image
// pixels on each axis.
bool fillBackgroundDirect(QPainter& p, const MapView& view, const MapOptions& options) {
  auto* img = dynamic_cast<QImage*>(p.device());
  if (!img || img->format() != QImage::Format_RGB32 || p.transform().type() != QTransform::TxNone ||
      p.hasClipping())
    return false;
  const double ratio = img->devicePixelRatio();
  auto physical = [ratio](int pixel) { return static_cast<int>(std::floor(pixel * ratio)); };
  const int w = std::min(physical(view.width), img->width());
  const int h = std::min(physical(view.height), img->height());
  if (w <= 0 || h <= 0) return true;
  // The image pixels [first, last) a map pixel covers, within `size`.
  auto span = [&](int pixel, int size) {
    const int first = physical(pixel);
    return std::pair(std::clamp(first, 0, size),
                     std::clamp(std::max(first + 1, physical(pixel + 1)), 0, size));
  };
  const std::vector<GridLine> grid =
      view.gridOn ? gridLines(view, options.ghostGrid) : std::vector<GridLine>{};
  auto argb = [](Colour c) { return qRgb(redOf(c), greenOf(c), blueOf(c)); };
  std::vector<QRgb> row(static_cast<std::size_t>(w), qRgb(0, 0, 0));
  for (const GridLine& g : grid) {
    if (!g.vertical) continue;
    const auto [first, last] = span(g.pixel, w);
    std::fill(row.begin() + first, row.begin() + last, argb(g.colour));
  }
  for (int y = 0; y < h; ++y)
    std::memcpy(img->scanLine(y), row.data(), row.size() * sizeof(QRgb));
  for (const GridLine& g : grid) {
    if (g.vertical) continue;
    const auto [first, last] = span(g.pixel, h);
    for (int y = first; y < last; ++y) {
      auto* line = reinterpret_cast<QRgb*>(img->scanLine(y));
      std::fill(line, line + w, argb(g.colour));
    }
  }
  return true;
}

} // namespace

void paintBackground(QPainter& p, const MapView& view, const MapOptions& options) {
  if (!fillBackgroundDirect(p, view, options)) {
    p.fillRect(0, 0, view.width, view.height, Qt::black);
    if (view.gridOn) {
      for (const GridLine& g : gridLines(view, options.ghostGrid)) {
        p.setPen(toQColor(g.colour));
        if (g.vertical)
          p.drawLine(g.pixel, 0, g.pixel, view.height);
        else
          p.drawLine(0, g.pixel, view.width, g.pixel);
      }
    }
  }
  if (view.currentOnly) textAt(p, view.width / 2 - 84, 3, "[Current FG only]", kYellow);
  if (view.startLocked) textAt(p, view.width / 2 + 5, 3, "[Start Pt 1 Locked]", kYellow);
}

QRect paintFlightGroup(QPainter& p, const MapContent& m, const MapView& view,
                       const MapOptions& options, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= m.doc.flightGroups.size()) return {};
  QRect drawn;
  const FGObject& f = m.doc.flightGroups[static_cast<std::size_t>(index)];
  const MapFields& fields = m.cache[index];
  const DisplayWaypoints& points = fields.points;
  const int iff = f.at(fg::Iff);
  const Colour bright = iffColour(iff, IffVariant::Bright);
  Colour wire = iffColour(iff, IffVariant::Normal);
  if (iff == 0) wire = darken(wire, 80);
  const QColor brightQ = toQColor(bright);

  const bool labels = options.showDistances || options.showTime;
  std::array<int, kSlotCount> cumulative{};
  int speed = 0;
  if (labels) {
    cumulative = cumulativeDistances(points);
    speed = flightSpeed(f, view.currentRegion);
  }
  const int lastSlot = lastSlotDrawn(view, index);
  ScreenPoint prev{};
  for (int slot = 1; slot <= lastSlot; ++slot) {
    if (slot > 1 && !points.enabled(slot)) continue;
    const ScreenPoint at = view.project(points[slot].x, points[slot].y, points[slot].z);
    if (view.namesOn) {
      drawn |=
          textAt(p, at.x, at.y - 6, QString::fromLatin1(nameLabel(f, slot, true, view.currentOnly)),
                 options.ghostText ? kGhostText : bright);
    }
    if (labels) {
      const std::string d =
          distanceLabel(f, slot, cumulative[static_cast<std::size_t>(slot)], speed, options);
      if (!d.empty()) drawn |= textAt(p, at.x + 5, at.y + 7, QString::fromLatin1(d), bright);
    }
    if (slot == 1) {
      if (isOnScreen(f, view)) drawn |= paintIcon(p, m.doc, f, fields, view, options, at, wire);
      prev = at;
    } else {
      p.setPen(slot == 4 ? toQColor(kSilver) : brightQ);
      p.drawRect(at.x - 1, at.y - 1, 2, 2);
      drawn |= around(at, at, 2);
      if (slot == 5 || (slot > 5 && options.waypointLines)) {
        p.setPen(QPen(brightQ, 0, slot == 5 ? Qt::SolidLine : Qt::DotLine));
        p.drawLine(prev.x, prev.y, at.x, at.y);
        drawn |= around(prev, at, 1);
        prev = at;
      }
    }
    if (slot == 1 && f.at(fg::PlayerNumber) != 0)
      drawn |= textAt(p, at.x - 3, at.y + 6, QString::number(f.at(fg::PlayerNumber)), kSilver);
    if (slot == 1 && index == view.currentFG) drawn |= paintBrackets(p, at);
  }
  return drawn;
}

QRect paintPalette(QPainter& p, const MapView& view) {
  if (!view.paletteOn) return {};
  const int h = view.height;
  p.drawImage(0, h - 40, cachedPalette(view.paletteIff));
  p.setPen(toQColor(kSilver));
  p.drawLine(0, h - 41, 592, h - 41);
  p.drawLine(592, h - 41, 592, h);
  const QString team = QString::number(view.team);
  const QRect text =
      textAt(p, 595, h - 25, view.narrowScreen ? " " + team : " Team " + team, kSilver);
  return QRect(0, h - 41, 593, 41).united(text);
}

namespace {

void paintFlightGroups(QPainter& p, const MapContent& m, const MapView& view,
                       const MapOptions& options, int skip) {
  for (int i : drawOrder(view, static_cast<int>(m.doc.flightGroups.size()))) {
    if (i != skip) paintFlightGroup(p, m, view, options, i);
  }
}

void begin(QPainter& p) {
  p.setFont(mapFont());
  p.setBrush(Qt::NoBrush);
  p.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace

void paintMap(QPainter& p, const MapContent& m, const MapView& view, const MapOptions& options) {
  if (view.zoom <= 0) return;
  p.save();
  begin(p);
  paintBackground(p, view, options);
  paintFlightGroups(p, m, view, options, -1);
  paintPalette(p, view);
  p.restore();
}

void MapRenderer::setDevicePixelRatio(qreal ratio) { ratio_ = ratio > 0 ? ratio : 1; }

void MapRenderer::ensureSize(const MapView& view) {
  const QSize size(std::max(1, view.width), std::max(1, view.height));
  if (!madeFor(map_, size, ratio_)) {
    map_ = screenImage(size, ratio_);
    background_ = screenImage(size, ratio_);
    cacheValid_ = false;
  }
}

const QImage& MapRenderer::repaint(const MapContent& m, const MapView& view,
                                   const MapOptions& options) {
  ensureSize(view);
  if (view.zoom <= 0) return map_; // no view to draw yet
  {
    QPainter p(&background_);
    begin(p);
    paintBackground(p, view, options);
    paintFlightGroups(p, m, view, options, view.currentFG);
  }
  cacheValid_ = true;
  cachedCurrent_ = view.currentFG;
  dirty_ = QRect(0, 0, view.width, view.height);
  return redrawCurrent(m, view, options);
}

const QImage& MapRenderer::redrawCurrent(const MapContent& m, const MapView& view,
                                         const MapOptions& options) {
  ensureSize(view);
  if (!cacheValid_ || cachedCurrent_ != view.currentFG) return repaint(m, view, options);
  // Put back the background only where the current flight group (and the
  // palette over it) were drawn last time.
  const QRect restore = QRectF(dirty_.x() * ratio_, dirty_.y() * ratio_, dirty_.width() * ratio_,
                               dirty_.height() * ratio_)
                            .toAlignedRect()
                            .intersected(map_.rect());
  const auto rowBytes = static_cast<std::size_t>(restore.width()) * sizeof(QRgb);
  for (int y = restore.top(); y <= restore.bottom(); ++y) {
    std::memcpy(map_.scanLine(y) + restore.left() * static_cast<int>(sizeof(QRgb)),
                background_.constScanLine(y) + restore.left() * static_cast<int>(sizeof(QRgb)),
                rowBytes);
  }
  QPainter p(&map_);
  begin(p);
  dirty_ = QRect();
  const int n = static_cast<int>(m.doc.flightGroups.size());
  if (view.currentFG >= 0 && view.currentFG < n && view.isShown(view.currentFG))
    dirty_ = paintFlightGroup(p, m, view, options, view.currentFG);
  dirty_ |= paintPalette(p, view);
  return map_;
}

} // namespace zephlo
