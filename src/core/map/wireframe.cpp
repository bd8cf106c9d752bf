#include "core/map/wireframe.h"

#include "core/map/map_units.h"

namespace zephlo {

Wireframe::Wireframe(const WireframeSetup& setup, int craftType)
    : setup_(setup), craftType_(craftType),
      scale_(setup.zoom / (craftType == 50 ? 2574.25 : 1000.0)), pen_(setup.colour),
      last_(setup.origin), cursor_(setup.origin) {}

ScreenPoint Wireframe::project(double p, double q, double r) const {
  if (craftType_ == 50) p += 32;
  if (craftType_ == 32) p += 6;
  const double s = scale_ * unit_;
  const double cp = setup_.orientation.pitchCos, sp = setup_.orientation.pitchSin;
  const double cy = setup_.orientation.yawCos, sy = setup_.orientation.yawSin;
  const double ox = setup_.origin.x, oy = setup_.origin.y;
  double x = 0, y = 0;
  switch (setup_.mode) {
  case ViewMode::XY: {
    const double a = -q * s, b = -p * s, c = -r * s;
    x = ox - (cy * (cp * a - sp * b) - sy * c);
    y = oy - (sy * (cp * a - sp * b) + cy * c);
    break;
  }
  case ViewMode::XZ: {
    const double a = -p * s, b = q * s, c = -r * s;
    x = ox + cy * (sp * a + cp * b) + sy * c;
    y = oy + cp * a - sp * b;
    break;
  }
  case ViewMode::YZ: {
    const double a = -p * s, b = r * s, c = q * s;
    x = ox + cy * b + sy * (sp * a + cp * c);
    y = oy + cp * a - sp * c;
    break;
  }
  }
  return {static_cast<int>(roundEven(x)), static_cast<int>(roundEven(y))};
}

void Wireframe::to(ScreenPoint p, bool draw) {
  if (draw) strokes_.push_back({pen_, cursor_, p});
  cursor_ = p;
}

void Wireframe::penMove(double p, double q, double r) {
  last_ = project(p, q, r);
  to(last_, false);
}

void Wireframe::penLine(double p, double q, double r) {
  last_ = project(p, q, r);
  to(last_, true);
}

void Wireframe::store(int k) {
  if (k >= 1 && k <= kPointBufferSize) buffer_[static_cast<std::size_t>(k)] = last_;
}

ScreenPoint Wireframe::stored(int k) const {
  if (k >= 1 && k <= kPointBufferSize) return buffer_[static_cast<std::size_t>(k)];
  return cursor_;
}

void Wireframe::moveToStored(int k) {
  if (k >= 1 && k <= kPointBufferSize) to(stored(k), false);
}

void Wireframe::lineToStored(int k) {
  if (k >= 1 && k <= kPointBufferSize) to(stored(k), true);
}

void Wireframe::square(ScreenPoint centre, Colour c) {
  strokes_.push_back({c, centre, centre, true});
}

void Wireframe::setDetailZoom(int d) {
  detailZoom_ = d;
  if (d > setup_.zoom && setup_.limitShrink) scale_ = d / 1000.0;
}

void Wireframe::shade(int percent) { pen_ = darken(setup_.colour, percent); }

void Wireframe::centreMark() {
  if (setup_.zoom > detailZoom_) square(setup_.origin, kSilver);
}

} // namespace zephlo
