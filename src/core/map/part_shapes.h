// Reusable parts of the craft wireframes. Each projects a ring or row of
// model points into the point buffer from a base index (so later parts can
// join them) and connects them. Model axes: p up, q forward, r across.
#pragma once

#include "core/map/wireframe.h"

#include <initializer_list>

namespace zephlo::parts {

struct ModelPoint {
  double p, q, r;
};

// Joining stored points.
void polyline(Wireframe& w, std::initializer_list<int> points, bool startWithMove = true);
void polygon(Wireframe& w, std::initializer_list<int> points);
// For i in 0..n-1: move to a + i*step, line to a + i*step + d.
void spokes(Wireframe& w, int a, int n, int step, int d);
// From one stored point to n points from a, step apart.
void fan(Wireframe& w, int from, int a, int n, int step);

// Points stored from base and joined in order (closed when asked); with
// mirror the same again with r negated, stored from base + count.
void outline(Wireframe& w, int base, std::initializer_list<ModelPoint> points, bool closed,
             bool mirror = false, bool startWithMove = true);

// A cross-section at forward position q: a diamond (4 points) of half
// width and half height, lifted by p; stored base..base+3, closed.
void section(Wireframe& w, int base, int q, int halfWidth, int halfHeight, int p = 0);
// A hull: diamond sections joined by spokes; sections stored at base,
// base + 4, ... (at most 8 sections).
struct Section {
  int q, halfWidth, halfHeight, p;
};
void hull(Wireframe& w, int base, std::initializer_list<Section> sections);

// A ring of n (3..8) points around the q axis (seen end on) at forward
// position q, or (flat) in the q-r plane at height p; stored base.., closed.
void ring(Wireframe& w, int base, int q, int radius, int n);
void flatRing(Wireframe& w, int base, int p, int radius, int n, int q = 0, int r = 0);

// A straight wing from a root chord to a tip chord, both at height p:
// root from (q0, r0) to (q1, r0), tip from (q2, r1) to (q3, r1). Four points
// from base, closed; mirror adds the other side from base + 4.
void wing(Wireframe& w, int base, int q0, int q1, int r0, int q2, int q3, int r1, int p,
          bool mirror);

// A box from q0 to q1 with rectangular sections; 8 points from base.
void box(Wireframe& w, int base, int q0, int q1, int halfWidth, int halfHeight, int p = 0);

} // namespace zephlo::parts
