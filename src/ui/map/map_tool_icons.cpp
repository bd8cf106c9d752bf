#include "ui/map/map_tool_icons.h"

#include "core/gamedata/colours.h"
#include "render/painted_icon.h"
#include "render/qt_colour.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <functional>
#include <map>

namespace zephlo {

namespace {

using Draw = std::function<void(QPainter&)>;

// The pen colour follows the desktop's text colour, so the pictures read on
// light and dark bars alike.
QColor ink() { return QGuiApplication::palette().color(QPalette::WindowText); }

void pen(QPainter& p, const QColor& c, double width = 1.2) {
  p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
}

void letters(QPainter& p, const QRectF& at, const QString& text, const QColor& c, double pixels = 7,
             bool bold = true) {
  QFont f = p.font();
  // Pixel sizes scale with the frame, whatever size the picture is made at.
  f.setPixelSize(static_cast<int>(pixels));
  f.setBold(bold);
  p.setFont(f);
  p.setPen(c);
  p.drawText(at, Qt::AlignCenter, text);
}

// Two axes from the lower left corner, named by their letters.
Draw axes(const char* h, const char* v) {
  return [h, v](QPainter& p) {
    pen(p, ink());
    p.drawLine(QPointF(3, 13), QPointF(14, 13));
    p.drawLine(QPointF(3, 13), QPointF(3, 2));
    p.drawLine(QPointF(14, 13), QPointF(12, 11.5));
    p.drawLine(QPointF(3, 2), QPointF(1.5, 4));
    letters(p, QRectF(8, 3, 8, 8), QString::fromLatin1(h), ink());
    letters(p, QRectF(4, -1, 8, 8), QString::fromLatin1(v), ink(), 6);
  };
}

void magnifier(QPainter& p, bool plus) {
  pen(p, ink(), 1.4);
  p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
  p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
  p.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
  if (plus) p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
}

void crosshair(QPainter& p) {
  pen(p, ink());
  p.drawEllipse(QPointF(8, 8), 4.5, 4.5);
  p.drawLine(QPointF(8, 1), QPointF(8, 5));
  p.drawLine(QPointF(8, 11), QPointF(8, 15));
  p.drawLine(QPointF(1, 8), QPointF(5, 8));
  p.drawLine(QPointF(11, 8), QPointF(15, 8));
}

// A small craft seen from above, nose up.
void craft(QPainter& p, QPointF c, double size, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({c + QPointF(0, -size), c + QPointF(size * 0.8, size * 0.8),
                           c + QPointF(0, size * 0.4), c + QPointF(-size * 0.8, size * 0.8)}));
}

void fitCorners(QPainter& p) {
  pen(p, ink());
  for (const QPointF& corner :
       {QPointF(1.5, 1.5), QPointF(14.5, 1.5), QPointF(1.5, 14.5), QPointF(14.5, 14.5)}) {
    const double dx = corner.x() < 8 ? 4 : -4, dy = corner.y() < 8 ? 4 : -4;
    p.drawLine(corner, corner + QPointF(dx, 0));
    p.drawLine(corner, corner + QPointF(0, dy));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(ink());
  for (const QPointF& dot : {QPointF(6, 6), QPointF(10.5, 8), QPointF(7, 10.5)})
    p.drawEllipse(dot, 1.2, 1.2);
}

void zeroLine(QPainter& p) {
  pen(p, ink());
  p.drawLine(QPointF(1, 8), QPointF(15, 8));
  p.drawLine(QPointF(8, 3), QPointF(8, 13));
  letters(p, QRectF(1, 0, 7, 7), QStringLiteral("0"), ink(), 6);
}

// AutoCentre modes: the command's own picture, shrunk, with an "A" badge.
Draw automatic(const Draw& base) {
  return [base](QPainter& p) {
    p.save();
    p.scale(0.8, 0.8);
    base(p);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 200));
    p.drawEllipse(QPointF(12, 12), 4, 4);
    letters(p, QRectF(8, 8, 8, 8), QStringLiteral("A"), Qt::white, 6);
  };
}

Draw region(int r) {
  return [r](QPainter& p) {
    pen(p, ink());
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    letters(p, QRectF(1.5, 1.5, 13, 13), QString::number(r), ink(), 10);
  };
}

void dots(QPainter& p, const QPolygonF& path, const QColor& c) {
  pen(p, c, 1);
  p.setPen(QPen(c, 1, Qt::DotLine));
  p.drawPolyline(path);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  for (const QPointF& d : path)
    p.drawEllipse(d, 1.4, 1.4);
}

void names(QPainter& p) {
  craft(p, QPointF(4, 10), 3, ink());
  letters(p, QRectF(6, 1, 10, 9), QStringLiteral("Ab"), ink(), 7);
  pen(p, ink(), 1);
  p.drawLine(QPointF(8, 11), QPointF(15, 11));
  p.drawLine(QPointF(8, 14), QPointF(13, 14));
}

void currentOnly(QPainter& p) {
  QColor faint = ink();
  faint.setAlpha(70);
  craft(p, QPointF(3.5, 4.5), 2.5, faint);
  craft(p, QPointF(12.5, 12), 2.5, faint);
  craft(p, QPointF(8.5, 8), 4.5, QColor(0, 170, 0));
}

void allWaypoints(QPainter& p) {
  dots(p, QPolygonF({QPointF(2, 13), QPointF(6, 6), QPointF(12, 9), QPointF(14, 2)}), ink());
  dots(p, QPolygonF({QPointF(2, 4), QPointF(8, 2), QPointF(9, 14)}), QColor(200, 60, 60));
}

void currentWaypoints(QPainter& p) {
  dots(p, QPolygonF({QPointF(8, 8), QPointF(13, 3), QPointF(14, 13), QPointF(3, 14)}), ink());
  craft(p, QPointF(4.5, 5.5), 3.5, QColor(0, 170, 0));
}

void padlock(QPainter& p, const QRectF& body) {
  pen(p, ink(), 1.3);
  const double w = body.width();
  p.drawArc(QRectF(body.left() + w * 0.2, body.top() - w * 0.55, w * 0.6, w * 1.1), 0, 180 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 150, 30));
  p.drawRoundedRect(body, 1.2, 1.2);
}

void lockStart(QPainter& p) {
  padlock(p, QRectF(2.5, 7, 11, 8));
  letters(p, QRectF(2.5, 7, 11, 8), QStringLiteral("1"), Qt::black, 7);
}

Draw lockAxis(const char* axis) {
  return [axis](QPainter& p) {
    letters(p, QRectF(0, 0, 11, 12), QString::fromLatin1(axis), ink(), 11);
    padlock(p, QRectF(9, 10, 6.5, 5.5));
  };
}

void palette(QPainter& p) {
  p.setPen(Qt::NoPen);
  const QColor cells[6] = {QColor(0, 200, 0),   QColor(220, 40, 40), QColor(0, 160, 240),
                           QColor(230, 210, 0), QColor(200, 0, 200), QColor(140, 140, 140)};
  for (int k = 0; k < 6; ++k) {
    p.setBrush(cells[k]);
    p.drawRect(QRectF(1.5 + (k % 3) * 4.5, 4 + (k / 3) * 4.5, 3.8, 3.8));
  }
}

void orders(QPainter& p) {
  pen(p, ink(), 1);
  for (int k = 0; k < 4; ++k) {
    const double y = 3 + k * 3.5;
    p.drawEllipse(QPointF(2.5, y), 0.9, 0.9);
    p.drawLine(QPointF(5, y), QPointF(k == 1 ? 15 : 12, y));
  }
}

void waypointTable(QPainter& p) {
  pen(p, ink(), 1);
  p.drawRect(QRectF(1.5, 2.5, 13, 11));
  for (double y : {6.0, 9.5})
    p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
  for (double x : {6.0, 10.5})
    p.drawLine(QPointF(x, 2.5), QPointF(x, 13.5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(220, 40, 40));
  p.drawEllipse(QPointF(12.5, 11.5), 2.2, 2.2);
}

void everything(QPainter& p) {
  const QColor c[4] = {QColor(0, 200, 0), QColor(220, 40, 40), QColor(0, 160, 240),
                       QColor(230, 210, 0)};
  p.setPen(Qt::NoPen);
  for (int k = 0; k < 4; ++k) {
    p.setBrush(c[k]);
    p.drawEllipse(QPointF(4.5 + (k % 2) * 7, 4.5 + (k / 2) * 7), 3, 3);
  }
}

// An IFF filter: a disc in the colour the map draws that side in, with
// its letter.
Draw iff(int side, char letter) {
  return [side, letter](QPainter& p) {
    p.setPen(QPen(ink(), 0.8));
    p.setBrush(toQColor(iffColour(side, IffVariant::Normal)));
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    letters(p, QRectF(1.5, 1.5, 13, 13), QString(QLatin1Char(letter)), Qt::black, 9);
  };
}

void fighter(QPainter& p) {
  pen(p, ink(), 1.4);
  p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
  p.drawLine(QPointF(2, 4), QPointF(14, 12));
  p.drawLine(QPointF(14, 4), QPointF(2, 12));
}

void starship(QPainter& p) {
  p.setPen(QPen(ink(), 1));
  p.setBrush(QColor(150, 150, 160));
  p.drawPolygon(QPolygonF({QPointF(8, 1), QPointF(14, 15), QPointF(2, 15)}));
  p.drawLine(QPointF(8, 5), QPointF(8, 13));
}

void transport(QPainter& p) {
  p.setPen(QPen(ink(), 1));
  p.setBrush(QColor(150, 150, 160));
  p.drawRoundedRect(QRectF(3, 2.5, 10, 11), 3, 3);
  p.setBrush(ink());
  p.drawRect(QRectF(6, 4.5, 4, 2.5));
}

void freighter(QPainter& p) {
  p.setPen(QPen(ink(), 1));
  p.setBrush(QColor(190, 140, 70));
  p.drawRect(QRectF(2, 2.5, 5.5, 5));
  p.drawRect(QRectF(8.5, 2.5, 5.5, 5));
  p.drawRect(QRectF(5, 8.5, 6, 5));
}

void platform(QPainter& p) {
  pen(p, ink(), 1.2);
  p.drawEllipse(QPointF(8, 8), 6, 6);
  p.drawLine(QPointF(2, 8), QPointF(14, 8));
  p.drawLine(QPointF(8, 2), QPointF(8, 14));
  p.setBrush(ink());
  p.drawEllipse(QPointF(8, 8), 2, 2);
}

void objects(QPainter& p) {
  p.setPen(QPen(ink(), 1));
  p.setBrush(QColor(130, 110, 90));
  p.drawPolygon(QPolygonF({QPointF(4, 3), QPointF(11, 2), QPointF(14.5, 8), QPointF(11, 14),
                           QPointF(3, 13), QPointF(1.5, 8)}));
}

void clock(QPainter& p) {
  pen(p, ink(), 1.2);
  p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
  p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
  p.drawLine(QPointF(8, 8), QPointF(11, 10));
}

const std::map<QString, Draw>& pictures() {
  static const std::map<QString, Draw> all = [] {
    std::map<QString, Draw> m;
    auto add = [&m](const char* id, Draw d) { m.emplace(QString::fromLatin1(id), std::move(d)); };
    add("XY", axes("X", "Y"));
    add("XZ", axes("X", "Z"));
    add("YZ", axes("Y", "Z"));
    add("ZoomTo16Btn", [](QPainter& p) { magnifier(p, false); });
    add("ZoomTo800Btn", [](QPainter& p) { magnifier(p, true); });
    const Draw centreOnFG = [](QPainter& p) {
      crosshair(p);
      craft(p, QPointF(8, 8.5), 3, QColor(0, 170, 0));
    };
    add("CentreMapBtn", crosshair);
    add("CtrFGBtn", centreOnFG);
    add("FitBattleBtn", fitCorners);
    add("LockBattleCtr", automatic(fitCorners));
    add("LockCtr", automatic(crosshair));
    add("LockCurr", automatic(centreOnFG));
    add("LockZero", automatic(zeroLine));
    add("R1btn", region(1));
    add("R2btn", region(2));
    add("R3btn", region(3));
    add("R4Btn", region(4));
    add("NamesOn", names);
    add("CurrOnly", currentOnly);
    add("AllWPS", allWaypoints);
    add("CurrWPs", currentWaypoints);
    add("LockBtn", lockStart);
    add("LockX", lockAxis("X"));
    add("LockY", lockAxis("Y"));
    add("PaletOn", palette);
    add("ShowOrderSel", orders);
    add("MapEditWPBtn", waypointTable);
    add("AllIFF", everything);
    const char* const iffIds[6] = {"RebIFF", "ImpIFF", "BluIFF", "YellIFF", "Red2IFF", "PurpIFF"};
    for (int k = 0; k < 6; ++k)
      add(iffIds[k], iff(k, "RIBYrA"[k]));
    add("FightersOn", fighter);
    add("CapShipsOn", starship);
    add("TransportsOn", transport);
    add("FRTsOn", freighter);
    add("PlatformsOn", platform);
    add("ObjectsOn", objects);
    add("ShowStartBtn", clock);
    return m;
  }();
  return all;
}

} // namespace

QIcon mapToolIcon(const QString& id) {
  const auto it = pictures().find(id);
  if (it == pictures().end()) return {};
  // Sharp at 100 %, 150 %, 200 % and 300 %.
  return paintedIcon(it->second, 16, {16, 24, 32, 48});
}

} // namespace zephlo
