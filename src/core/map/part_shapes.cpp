#include "core/map/part_shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zephlo::parts {

void polyline(Wireframe& w, std::initializer_list<int> points, bool startWithMove) {
  bool first = true;
  for (int k : points) {
    if (first && startWithMove)
      w.moveToStored(k);
    else
      w.lineToStored(k);
    first = false;
  }
}

void polygon(Wireframe& w, std::initializer_list<int> points) {
  if (points.size() == 0) return;
  polyline(w, points, true);
  w.lineToStored(*points.begin());
}

void spokes(Wireframe& w, int a, int n, int step, int d) {
  for (int i = 0; i < n; ++i) {
    w.moveToStored(a + i * step);
    w.lineToStored(a + i * step + d);
  }
}

void fan(Wireframe& w, int from, int a, int n, int step) {
  for (int i = 0; i < n; ++i) {
    w.moveToStored(from);
    w.lineToStored(a + i * step);
  }
}

void outline(Wireframe& w, int base, std::initializer_list<ModelPoint> points, bool closed,
             bool mirror, bool startWithMove) {
  for (int side = 0; side < (mirror ? 2 : 1); ++side) {
    const double flip = side == 0 ? 1 : -1;
    const int b = base + side * static_cast<int>(points.size());
    int k = b;
    for (const ModelPoint& m : points) {
      if (k == b && (startWithMove || side == 1))
        w.penMove(m.p, m.q, m.r * flip);
      else
        w.penLine(m.p, m.q, m.r * flip);
      w.store(k++);
    }
    if (closed) w.lineToStored(b);
  }
}

void section(Wireframe& w, int base, int q, int halfWidth, int halfHeight, int p) {
  outline(w, base,
          {{static_cast<double>(p + halfHeight), static_cast<double>(q), 0},
           {static_cast<double>(p), static_cast<double>(q), static_cast<double>(halfWidth)},
           {static_cast<double>(p - halfHeight), static_cast<double>(q), 0},
           {static_cast<double>(p), static_cast<double>(q), static_cast<double>(-halfWidth)}},
          true);
}

void hull(Wireframe& w, int base, std::initializer_list<Section> sections) {
  int k = base;
  for (const Section& s : sections) {
    section(w, k, s.q, s.halfWidth, s.halfHeight, s.p);
    if (k > base) spokes(w, k - 4, 4, 1, 4);
    k += 4;
  }
}

namespace {

void ringPoints(Wireframe& w, int base, int n, double radius, bool flat, double fixed, double q0,
                double r0) {
  n = std::clamp(n, 3, 8);
  for (int i = 0; i < n; ++i) {
    const double a = 2 * std::numbers::pi * i / n;
    const double u = radius * std::cos(a), v = radius * std::sin(a);
    if (flat) {
      if (i == 0)
        w.penMove(fixed, q0 + u, r0 + v);
      else
        w.penLine(fixed, q0 + u, r0 + v);
    } else {
      if (i == 0)
        w.penMove(u, fixed, v);
      else
        w.penLine(u, fixed, v);
    }
    w.store(base + i);
  }
  w.lineToStored(base);
}

} // namespace

void ring(Wireframe& w, int base, int q, int radius, int n) {
  ringPoints(w, base, n, radius, false, q, 0, 0);
}

void flatRing(Wireframe& w, int base, int p, int radius, int n, int q, int r) {
  ringPoints(w, base, n, radius, true, p, q, r);
}

void wing(Wireframe& w, int base, int q0, int q1, int r0, int q2, int q3, int r1, int p,
          bool mirror) {
  const double pp = p;
  outline(w, base,
          {{pp, static_cast<double>(q0), static_cast<double>(r0)},
           {pp, static_cast<double>(q2), static_cast<double>(r1)},
           {pp, static_cast<double>(q3), static_cast<double>(r1)},
           {pp, static_cast<double>(q1), static_cast<double>(r0)}},
          true, mirror);
}

void box(Wireframe& w, int base, int q0, int q1, int halfWidth, int halfHeight, int p) {
  const double top = p + halfHeight, bottom = p - halfHeight, hw = halfWidth;
  for (int end = 0; end < 2; ++end) {
    const double q = end == 0 ? q0 : q1;
    outline(w, base + 4 * end, {{top, q, hw}, {top, q, -hw}, {bottom, q, -hw}, {bottom, q, hw}},
            true);
  }
  spokes(w, base, 4, 1, 4);
}

} // namespace zephlo::parts
