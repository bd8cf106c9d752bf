// The 3-D wireframes of some craft types: model points projected by the
// flight group's orientation into the current view, a buffer of projected
// points that part shapes join, and the strokes that result. Pure
// arithmetic; the painter only draws the strokes.
#pragma once

#include "core/gamedata/colours.h"
#include "core/map/map_view.h"

#include <array>
#include <vector>

namespace zephlo {

struct WireStroke {
  Colour colour;
  ScreenPoint a, b;
  bool square = false; // a 3 x 3 outline centred on a; b unused
};

// Which way a flight group's wireframe faces (orientationOf in waypoints.h).
struct Orientation {
  double pitchCos = 1, pitchSin = 0, yawCos = 0, yawSin = -1;
  bool operator==(const Orientation&) const = default;
};

// What a craft shape needs besides its model: where and how it is seen.
struct WireframeSetup {
  ViewMode mode = ViewMode::XY;
  ScreenPoint origin;
  int zoom = kInitialZoom;
  Orientation orientation;
  Colour colour = 0;       // the flight group's wireframe colour
  bool limitShrink = true; // preference "LimitShrink"
  int platform = 18;       // the mission's platform id
};

inline constexpr int kPointBufferSize = 75;
inline constexpr Colour kSilver = 0xC0C0C0;

// The primitives: model coordinates p (up), q (forward), r (across).
class Wireframe {
public:
  Wireframe(const WireframeSetup& setup, int craftType);

  // The projected screen point of a model point, as the primitives use it.
  ScreenPoint project(double p, double q, double r) const;

  void penMove(double p, double q, double r);
  void penLine(double p, double q, double r);
  void store(int k); // keeps the last projected point; k outside 1..75 is ignored
  void moveToStored(int k);
  void lineToStored(int k);
  void square(ScreenPoint centre, Colour c);

  // Shape steps.
  void setDetailZoom(int d); // and applies the limit-shrink rule
  void multiplyScale(double factor) { scale_ *= factor; }
  // Model points of the following parts are given in units of this size.
  void setModelUnit(double unit) { unit_ = unit; }
  void shade(int percent); // pen = darkened wireframe colour
  void plainPen() { pen_ = setup_.colour; }
  bool detailed() const { return setup_.zoom >= detailZoom_; }
  // A silver mark at the origin once zoomed in past the detail zoom.
  void centreMark();
  int zoom() const { return setup_.zoom; }
  Colour pen() const { return pen_; }
  ScreenPoint origin() const { return setup_.origin; }
  int platform() const { return setup_.platform; }
  double scale() const { return scale_; }
  ScreenPoint last() const { return last_; }
  ScreenPoint stored(int k) const;

  const std::vector<WireStroke>& strokes() const { return strokes_; }
  std::vector<WireStroke> takeStrokes() { return std::move(strokes_); }

private:
  void to(ScreenPoint p, bool draw);

  WireframeSetup setup_;
  int craftType_;
  double scale_;
  double unit_ = 1;
  int detailZoom_ = 0;
  Colour pen_;
  ScreenPoint last_, cursor_;
  std::array<ScreenPoint, kPointBufferSize + 1> buffer_{}; // 1-based
  std::vector<WireStroke> strokes_;
};

// The strokes of one craft's wireframe (empty for types without one, and
// for type 60 outside this game's platform).
std::vector<WireStroke> craftWireframe(int craftType, const WireframeSetup& setup);

} // namespace zephlo
