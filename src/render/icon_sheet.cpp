#include "render/icon_sheet.h"

#include "core/gamedata/craft_tables.h"
#include "render/qt_colour.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cmath>

namespace zephlo {

namespace {

// The figure drawn for a craft type. Classes share a silhouette; the
// best-known craft get their own so they can be told apart.
enum class Figure {
  XWing,
  YWing,
  AWing,
  BWing,
  Tie,
  TieBomber,
  Interceptor,
  Fighter,
  Shuttle,
  Transport,
  Container,
  Freighter,
  Corvette,
  Frigate,
  Cruiser,
  StarDestroyer,
  Platform,
  Station,
  Factory,
  Satellite,
  Mine,
  Probe,
  Buoy,
  Asteroid,
  Planet,
  Sun,
  Backdrop,
  Pilot,
  Droid,
  Disc,
  Other,
};

Figure figureOf(int t) {
  switch (t) {
  case 1:
  case 14: return Figure::XWing;
  case 2: return Figure::YWing;
  case 3:
  case 15: return Figure::AWing;
  case 4: return Figure::BWing;
  case 5:
  case 10:
  case 113:
  case 114:
  case 115:
  case 116:
  case 117:
  case 118: return Figure::Tie;
  case 7: return Figure::TieBomber;
  case 6:
  case 8:
  case 9: return Figure::Interceptor;
  case 38:
  case 39:
  case 110:
  case 111: return Figure::Disc;
  case 17:
  case 18:
  case 97:
  case 98:
  case 102: return Figure::Shuttle;
  case 40:
  case 41:
  case 99: return Figure::Corvette;
  case 42:
  case 43:
  case 93:
  case 95: return Figure::Frigate;
  case 52:
  case 53:
  case 54:
  case 229:
  case 230:
  case 228: return Figure::StarDestroyer;
  case 70:
  case 71:
  case 72:
  case 73:
  case 74: return Figure::Satellite;
  case 75:
  case 76:
  case 77:
  case 79:
  case 160:
  case 161: return Figure::Mine;
  case 80:
  case 81:
  case 82: return Figure::Probe;
  case 83:
  case 84:
  case 85:
  case 88:
  case 162:
  case 163: return Figure::Buoy;
  case 86: return Figure::Asteroid;
  case 87: return Figure::Planet;
  case 175:
  case 176:
  case 177: return Figure::Pilot;
  case 178:
  case 179:
  case 180:
  case 181:
  case 182: return Figure::Droid;
  case 183:
  case 231: return Figure::Backdrop;
  case 69:
  case 148: return Figure::Factory;
  default: break;
  }
  if (t >= 203 && t <= 212) return Figure::Sun;
  if (t >= 184 && t <= 202) return Figure::Planet;
  if (t >= 213 && t <= 227) return Figure::Backdrop;
  if (t >= 26 && t <= 29) return Figure::Container;
  if (t >= 55 && t <= 59) return Figure::Container;
  if (t >= 151 && t <= 155) return Figure::Container;
  switch (craftClass(t)) {
  case CraftClass::Starfighter: return Figure::Fighter;
  case CraftClass::Starship: return Figure::Cruiser;
  case CraftClass::Transport: return Figure::Transport;
  case CraftClass::Freighter: return Figure::Freighter;
  case CraftClass::Platform: return t >= 60 && t <= 65 ? Figure::Platform : Figure::Station;
  case CraftClass::Object: return Figure::Satellite;
  default: break;
  }
  return Figure::Other;
}

void drawFigure(QPainter& p, Figure f) {
  // Cell coordinates: 16 x 20, centre (8, 10); nose up.
  switch (f) {
  case Figure::XWing:
    p.drawLine(8, 2, 8, 17);
    p.drawLine(2, 5, 14, 15);
    p.drawLine(14, 5, 2, 15);
    break;
  case Figure::YWing:
    p.drawLine(8, 3, 8, 12);
    p.drawLine(3, 12, 13, 12);
    p.drawLine(3, 8, 3, 17);
    p.drawLine(13, 8, 13, 17);
    break;
  case Figure::AWing: p.drawPolygon(QPolygon({QPoint(8, 2), QPoint(14, 17), QPoint(2, 17)})); break;
  case Figure::BWing:
    p.drawLine(8, 2, 8, 18);
    p.drawLine(3, 10, 13, 10);
    p.drawRect(6, 8, 4, 4);
    break;
  case Figure::Tie:
    p.drawLine(2, 4, 2, 16);
    p.drawLine(14, 4, 14, 16);
    p.drawLine(2, 10, 14, 10);
    p.drawEllipse(5, 7, 6, 6);
    break;
  case Figure::TieBomber:
    p.drawLine(2, 4, 2, 16);
    p.drawLine(14, 4, 14, 16);
    p.drawLine(2, 10, 14, 10);
    p.drawEllipse(4, 4, 3, 12);
    p.drawEllipse(9, 7, 3, 6);
    break;
  case Figure::Interceptor:
    p.drawLine(2, 4, 5, 10);
    p.drawLine(5, 10, 2, 16);
    p.drawLine(14, 4, 11, 10);
    p.drawLine(11, 10, 14, 16);
    p.drawEllipse(6, 8, 4, 4);
    break;
  case Figure::Fighter:
    p.drawPolyline(
        QPolygon({QPoint(2, 16), QPoint(8, 3), QPoint(14, 16), QPoint(8, 12), QPoint(2, 16)}));
    break;
  case Figure::Shuttle:
    p.drawRect(6, 4, 4, 12);
    p.drawLine(8, 1, 8, 4);
    p.drawLine(6, 12, 2, 17);
    p.drawLine(10, 12, 14, 17);
    break;
  case Figure::Transport:
    p.drawRoundedRect(4, 3, 8, 14, 2, 2);
    p.drawLine(4, 13, 1, 17);
    p.drawLine(12, 13, 15, 17);
    break;
  case Figure::Container:
    p.drawRect(3, 5, 10, 10);
    p.drawLine(3, 5, 13, 15);
    p.drawLine(13, 5, 3, 15);
    break;
  case Figure::Freighter:
    p.drawRect(4, 2, 8, 5);
    p.drawRect(4, 8, 8, 5);
    p.drawRect(4, 14, 8, 4);
    break;
  case Figure::Corvette:
    p.drawLine(8, 1, 8, 11);
    p.drawRect(5, 11, 6, 7);
    p.drawRect(6, 3, 4, 3);
    break;
  case Figure::Frigate:
    p.drawLine(8, 1, 8, 18);
    p.drawRect(5, 2, 6, 5);
    p.drawRect(4, 12, 8, 6);
    break;
  case Figure::Cruiser:
    p.drawEllipse(4, 1, 8, 18);
    p.drawLine(8, 4, 8, 15);
    break;
  case Figure::StarDestroyer:
    p.drawPolygon(QPolygon({QPoint(8, 1), QPoint(14, 18), QPoint(2, 18)}));
    p.drawRect(6, 13, 4, 3);
    break;
  case Figure::Platform:
    p.drawRect(3, 6, 10, 8);
    p.drawLine(8, 2, 8, 18);
    p.drawLine(0, 10, 15, 10);
    break;
  case Figure::Station:
    p.drawEllipse(2, 4, 12, 12);
    p.drawEllipse(6, 8, 4, 4);
    p.drawLine(8, 4, 8, 8);
    p.drawLine(8, 12, 8, 16);
    break;
  case Figure::Factory:
    p.drawRect(2, 7, 12, 9);
    p.drawLine(4, 7, 4, 3);
    p.drawLine(11, 7, 11, 2);
    break;
  case Figure::Satellite:
    p.drawRect(6, 8, 4, 4);
    p.drawRect(1, 9, 4, 2);
    p.drawRect(11, 9, 4, 2);
    break;
  case Figure::Mine:
    p.drawEllipse(5, 7, 6, 6);
    p.drawLine(8, 3, 8, 17);
    p.drawLine(3, 10, 13, 10);
    p.drawLine(4, 6, 12, 14);
    p.drawLine(12, 6, 4, 14);
    break;
  case Figure::Probe:
    p.drawEllipse(6, 9, 4, 4);
    p.drawLine(8, 9, 8, 3);
    p.drawLine(5, 15, 3, 18);
    p.drawLine(11, 15, 13, 18);
    break;
  case Figure::Buoy:
    p.drawPolygon(QPolygon({QPoint(8, 2), QPoint(13, 10), QPoint(3, 10)}));
    p.drawLine(8, 10, 8, 18);
    break;
  case Figure::Asteroid:
    p.drawPolygon(QPolygon({QPoint(5, 4), QPoint(11, 3), QPoint(14, 9), QPoint(12, 16),
                            QPoint(6, 17), QPoint(2, 11)}));
    break;
  case Figure::Planet:
    p.drawEllipse(3, 5, 10, 10);
    p.drawLine(0, 12, 15, 8);
    break;
  case Figure::Sun:
    p.drawEllipse(5, 7, 6, 6);
    for (int k = 0; k < 8; ++k) {
      const double a = k * M_PI / 4;
      p.drawLine(QPointF(8 + 4.5 * std::cos(a), 10 + 4.5 * std::sin(a)),
                 QPointF(8 + 7 * std::cos(a), 10 + 7 * std::sin(a)));
    }
    break;
  case Figure::Backdrop: // a framed picture of a star field
    p.drawRect(1, 4, 13, 11);
    p.drawPoint(4, 7);
    p.drawPoint(10, 6);
    p.drawPoint(7, 11);
    p.drawPoint(12, 12);
    p.drawLine(3, 12, 5, 12);
    p.drawLine(4, 11, 4, 13);
    break;
  case Figure::Pilot:
    p.drawEllipse(6, 2, 4, 4);
    p.drawLine(8, 6, 8, 13);
    p.drawLine(4, 9, 12, 9);
    p.drawLine(8, 13, 5, 18);
    p.drawLine(8, 13, 11, 18);
    break;
  case Figure::Droid:
    p.drawRect(5, 7, 6, 9);
    p.drawArc(5, 3, 6, 8, 0, 180 * 16);
    p.drawLine(4, 10, 4, 17);
    p.drawLine(12, 10, 12, 17);
    break;
  case Figure::Disc:
    p.drawEllipse(2, 5, 12, 12);
    p.drawLine(6, 5, 6, 1);
    p.drawLine(10, 5, 10, 1);
    p.drawRect(13, 9, 2, 3);
    break;
  case Figure::Other: p.drawRect(5, 7, 6, 6); break;
  }
}

QImage buildSheet() {
  const int rows = (kCraftTypeCount - 2) / kIconsPerRow + 1;
  QImage sheet(kIconsPerRow * kIconPitchX, rows * kIconPitchY, QImage::Format_RGB32);
  sheet.fill(Qt::black);
  QPainter p(&sheet);
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(Qt::NoBrush);
  for (int t = 1; t < kCraftTypeCount; ++t) {
    p.save();
    p.translate(kIconPitchX * ((t - 1) % kIconsPerRow), kIconPitchY * ((t - 1) / kIconsPerRow));
    p.setClipRect(0, 0, kIconWidth, kIconHeight);
    drawFigure(p, figureOf(t));
    p.restore();
  }
  return sheet;
}

} // namespace

const QImage& craftIconSheet() {
  static const QImage sheet = buildSheet();
  return sheet;
}

QImage craftIcon(int t) {
  if (t < 1 || t >= kCraftTypeCount) {
    QImage empty(kIconWidth, kIconHeight, QImage::Format_RGB32);
    empty.fill(Qt::black);
    return empty;
  }
  return craftIconSheet().copy(kIconPitchX * ((t - 1) % kIconsPerRow),
                               kIconPitchY * ((t - 1) / kIconsPerRow), kIconWidth, kIconHeight);
}

QImage tintedIcon(int craftType, Colour colour) {
  QImage scratch(kIconWidth, kIconHeight, QImage::Format_RGB32);
  scratch.fill(toQColor(colour));
  QPainter p(&scratch);
  p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  p.drawImage(0, 0, craftIcon(craftType));
  return scratch;
}

QImage buildPalette(int paletteIff) {
  QImage palette(591, 40, QImage::Format_RGB32);
  palette.fill(Qt::black);
  QPainter p(&palette);
  const int set = paletteColourSet(paletteIff);
  p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
  for (int i = 0; i < kPaletteTopCells + kPaletteBottomCells; ++i) {
    const bool top = i < kPaletteTopCells;
    const int cell = top ? i : i - kPaletteTopCells;
    const int type = paletteCraftType(i + 1);
    p.drawImage(16 * cell - 1, top ? 0 : 20, tintedIcon(type, iconColour(set, type)));
  }
  return palette;
}

} // namespace zephlo
