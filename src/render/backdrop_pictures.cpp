#include "render/backdrop_pictures.h"

#include "core/map/backdrops.h"

#include "render/screen_image.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace zephlo {

namespace {

enum class Kind { Planet, Ringed, Sun, Nebula, Moon };

// A fixed scramble of the number, so neighbouring backdrops look unlike.
unsigned mix(unsigned n) {
  n ^= n >> 7;
  n *= 2654435761u;
  n ^= n >> 13;
  return n;
}

void starField(QPainter& p, const QRect& cell, int number) {
  p.fillRect(cell, QColor(4, 4, 12));
  unsigned s = mix(static_cast<unsigned>(number) + 101u);
  for (int i = 0; i < 14; ++i) {
    s = mix(s + static_cast<unsigned>(i));
    const int x = cell.left() + static_cast<int>(s % static_cast<unsigned>(cell.width()));
    const int y = cell.top() + static_cast<int>((s >> 8) % static_cast<unsigned>(cell.height()));
    const int b = 120 + static_cast<int>((s >> 16) % 136u);
    p.setPen(QColor(b, b, b));
    p.drawPoint(x, y);
  }
}

void planet(QPainter& p, QPointF centre, double r, const QColor& base, int bands) {
  QRadialGradient g(centre - QPointF(r / 3, r / 3), r * 1.3);
  g.setColorAt(0, base.lighter(160));
  g.setColorAt(0.6, base);
  g.setColorAt(1, base.darker(400));
  p.setBrush(g);
  p.setPen(Qt::NoPen);
  p.drawEllipse(centre, r, r);
  if (bands <= 0) return;
  QPainterPath clip;
  clip.addEllipse(centre, r, r);
  p.save();
  p.setClipPath(clip);
  QColor band = base.darker(140);
  band.setAlpha(150);
  p.setPen(QPen(band, r / 6));
  for (int i = 0; i < bands; ++i) {
    const double y = centre.y() - r + (2 * r) * (i + 1) / (bands + 1);
    p.drawLine(QPointF(centre.x() - r, y), QPointF(centre.x() + r, y + r / 5));
  }
  p.restore();
}

} // namespace

void paintBackdropPicture(QPainter& p, const QRect& cell, int number) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(cell);
  starField(p, cell, number);
  const unsigned h = mix(static_cast<unsigned>(number));
  const auto kind = static_cast<Kind>(static_cast<unsigned>(number - 1) % 5u);
  const QColor base =
      QColor::fromHsv(static_cast<int>((number * 67) % 360), 110 + static_cast<int>(h % 120u), 200);
  const QPointF c = QRectF(cell).center() +
                    QPointF(static_cast<int>(h % 9u) - 4.0, static_cast<int>((h >> 4) % 9u) - 4.0);
  const double size = 11.0 + static_cast<double>((h >> 8) % 9u);
  switch (kind) {
  case Kind::Planet: planet(p, c, size, base, 1 + static_cast<int>((h >> 12) % 4u)); break;
  case Kind::Ringed: {
    planet(p, c, size * 0.75, base, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(base.lighter(150), 2));
    p.drawEllipse(c, size * 1.35, size * 0.4);
    break;
  }
  case Kind::Sun: {
    const QColor hot = QColor::fromHsv(static_cast<int>(10 + (h % 50u)), 200, 255);
    QRadialGradient g(c, size * 1.6);
    g.setColorAt(0, Qt::white);
    g.setColorAt(0.35, hot);
    g.setColorAt(1, QColor(hot.red(), hot.green(), hot.blue(), 0));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, size * 1.6, size * 1.6);
    break;
  }
  case Kind::Nebula: {
    p.setPen(Qt::NoPen);
    unsigned s = h;
    for (int i = 0; i < 5; ++i) {
      s = mix(s + 17u);
      const QPointF at =
          c + QPointF(static_cast<int>(s % 21u) - 10.0, static_cast<int>((s >> 5) % 21u) - 10.0);
      QColor col = QColor::fromHsv((base.hue() + i * 25) % 360, 160, 230);
      QRadialGradient g(at, size);
      col.setAlpha(140);
      g.setColorAt(0, col);
      col.setAlpha(0);
      g.setColorAt(1, col);
      p.setBrush(g);
      p.drawEllipse(at, size, size);
    }
    break;
  }
  case Kind::Moon: {
    const QColor grey = QColor::fromHsv(base.hue(), 30, 170);
    planet(p, c, size * 0.9, grey, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(grey.darker(150));
    unsigned s = h;
    for (int i = 0; i < 4; ++i) {
      s = mix(s + 3u);
      const QPointF at =
          c + QPointF(static_cast<int>(s % 13u) - 6.0, static_cast<int>((s >> 6) % 13u) - 6.0);
      p.drawEllipse(at, 2.0 + (s >> 12) % 3u, 2.0 + (s >> 12) % 3u);
    }
    break;
  }
  }
  p.setPen(QColor(200, 200, 200));
  QFont f = p.font();
  f.setPixelSize(9);
  p.setFont(f);
  p.drawText(cell.adjusted(2, 1, -2, -1), Qt::AlignLeft | Qt::AlignTop, QString::number(number));
  p.restore();
}

QImage backdropSheet(int selected, qreal ratio) {
  const int columns = (kBackdropPictures + kPickerColumnCells - 1) / kPickerColumnCells;
  QImage img = screenImage(QSize(columns * kPickerCell, kPickerColumnCells * kPickerCell), ratio);
  img.fill(Qt::black);
  QPainter p(&img);
  for (int n = 1; n <= kBackdropPictures; ++n) {
    const int col = (n - 1) / kPickerColumnCells;
    const int row = (n - 1) % kPickerColumnCells;
    const QRect cell(col * kPickerCell, row * kPickerCell, kPickerCell, kPickerCell);
    paintBackdropPicture(p, cell, n);
    p.setPen(QColor(40, 40, 60));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cell.adjusted(0, 0, -1, -1));
    if (n == selected) {
      p.setPen(QPen(QColor(255, 220, 0), 2));
      p.drawRect(cell.adjusted(1, 1, -1, -1));
    }
  }
  return img;
}

} // namespace zephlo
