#include "ui/details/formations_window.h"

#include "core/gamedata/vocabularies.h"
#include "core/map/formation_sketches.h"
#include "ui/editing/page_controls.h"

#include <QPainter>

namespace zephlo {

namespace {

constexpr int kColumns = 5;
constexpr int kCellW = 170, kCellH = 96, kView = 60;

// Draws the craft into a square view; a and b pick the axes shown.
void drawView(QPainter& p, const QRect& box, const std::vector<SketchPoint>& pts, bool fromAbove) {
  p.setPen(QColor(70, 70, 70));
  p.setBrush(Qt::NoBrush);
  p.drawRect(box.adjusted(0, 0, -1, -1));
  const double scale = box.width() / 8.0;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    const double h = pts[i].x;
    const double v = fromAbove ? pts[i].y : pts[i].z;
    const QPointF at(box.center().x() + h * scale, box.center().y() - v * scale);
    p.setPen(Qt::NoPen);
    p.setBrush(i == 0 ? QColor(255, 220, 0) : QColor(Qt::white));
    p.drawEllipse(at, 3, 3);
  }
}

} // namespace

TFormationsForm::TFormationsForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName(QStringLiteral("FormationsForm"));
  setWindowTitle(QStringLiteral("Formations"));
  setToolTip(QStringLiteral("Each formation from above (left, ahead is up) and from behind "
                            "(right); the leader is yellow."));
}

QSize TFormationsForm::sizeHint() const {
  const int rows = (static_cast<int>(vocab::formations().size()) + kColumns - 1) / kColumns;
  return {kColumns * kCellW, rows * kCellH};
}

void TFormationsForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  const auto& names = vocab::formations();
  for (int f = 0; f < static_cast<int>(names.size()); ++f) {
    const QPoint cell((f % kColumns) * kCellW, (f / kColumns) * kCellH);
    const std::vector<SketchPoint> pts = formationSketch(f);
    drawView(p, QRect(cell + QPoint(8, 6), QSize(kView, kView)), pts, true);
    drawView(p, QRect(cell + QPoint(12 + kView, 6), QSize(kView, kView)), pts, false);
    p.setPen(Qt::white);
    p.drawText(
        QRect(cell + QPoint(4, kView + 8), QSize(kCellW - 8, kCellH - kView - 10)),
        Qt::AlignLeft | Qt::AlignTop,
        QStringLiteral("%1 %2").arg(f).arg(pages::fromBytes(names[static_cast<std::size_t>(f)])));
  }
}

} // namespace zephlo
