#include "core/map/formation_sketches.h"

#include <cmath>
#include <numbers>

namespace zephlo {

namespace {

using P = SketchPoint;

// n craft on a regular polygon around the leader's place, in the plane the
// two axes name (0 x, 1 y, 2 z).
std::vector<P> polygon(int n, int axisA, int axisB) {
  std::vector<P> out;
  for (int k = 0; k < n; ++k) {
    const double a = std::numbers::pi / 2 + 2 * std::numbers::pi * k / n;
    double v[3] = {0, 0, 0};
    v[axisA] = std::cos(a) * 1.5;
    v[axisB] = std::sin(a) * 1.5;
    out.push_back({v[0], v[1], v[2]});
  }
  return out;
}

} // namespace

std::vector<SketchPoint> formationSketch(int formation) {
  switch (formation) {
  case 0: return {{0, 0, 0}, {-1, -1, 0}, {1, -1, 0}, {-2, -2, 0}};               // Vic
  case 1: return {{0, 0, 0}, {-1, -1, 0}, {1, -1, 0}, {2, -2, 0}};                // Finger Four
  case 2: return {{0, 0, 0}, {0, -1, 0}, {0, -2, 0}, {0, -3, 0}};                 // Line Astern
  case 3: return {{0, 0, 0}, {1, 0, 0}, {-1, 0, 0}, {2, 0, 0}};                   // Line Abreast
  case 4: return {{0, 0, 0}, {1, -1, 0}, {2, -2, 0}, {3, -3, 0}};                 // Echelon Right
  case 5: return {{0, 0, 0}, {-1, -1, 0}, {-2, -2, 0}, {-3, -3, 0}};              // Echelon Left
  case 6: return {{0, 0, 0}, {1, 0, 0}, {0, -1, 0}, {1, -1, 0}};                  // Double Astern
  case 7: return {{0, 0, 0}, {-1, -1, 0}, {1, -1, 0}, {0, -2, 0}};                // Diamond 1
  case 8: return {{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 0, 3}};                    // Stacked High
  case 9: return {{0, 0, 0}, {-1, -1, 1}, {1, -1, 1}, {-1, -1, -1}, {1, -1, -1}}; // High 'X'
  case 10: return {{0, 0, 0}, {-1, 0, 1}, {1, 0, 1}, {-2, 0, 2}};                 // Vic Abreast
  case 11: return {{0, 0, 0}, {-1, -1, 1}, {1, -1, 1}, {-2, -2, 2}};              // High Vic
  case 12: return {{0, 0, 0}, {-1, 1, 1}, {1, 1, 1}, {-2, 2, 2}};  // Reverse High Vic
  case 13: return {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}, {0, 3, 0}};    // Reverse Line Astern
  case 14: return {{0, 0, 0}, {0, 0, -1}, {0, 0, -2}, {0, 0, -3}}; // Stacked Low
  case 15: return {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}};    // Abreast Right
  case 16: return {{0, 0, 0}, {-1, 0, 0}, {-2, 0, 0}, {-3, 0, 0}}; // Abreast Left
  case 17: return {{0, 0, 0}, {-1, 1, 0}, {1, 1, 0}, {-2, 2, 0}};  // Wing Forward
  case 18: return {{0, 0, 0}, {-1, -1, 0}, {1, -1, 0}, {-2, -2, 0}, {2, -2, 0}}; // Wing Back
  case 19: return {{0, 0, 0}, {0, -1, 1}, {0, -2, 2}, {0, -3, 3}};               // Line Astern Up
  case 20: return {{0, 0, 0}, {0, -1, -1}, {0, -2, -2}, {0, -3, -3}};            // Line Astern Down
  case 21: return {{0, 0, 0}, {-1, 0, 1}, {1, 0, 1}, {-2, 0, 2}, {2, 0, 2}};     // Abreast 'V'
  case 22:
    return {{0, 0, 0}, {-1, 0, -1}, {1, 0, -1}, {-2, 0, -2}, {2, 0, -2}}; // Abreast Inverted 'V'
  case 23: return {{0, 0, 0}, {-1, 0, 0}, {0, -1, 0}, {-1, -1, 0}};       // Double Astern Mirror
  case 24: return {{0, 0, 0}, {0, -1, 0}, {0, 0, 1}, {0, -1, 1}};         // Double Stacked Astern
  case 25: return {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {1, 0, 1}};           // Double Stacked High
  case 26: return {{0, 0, 0}, {-1, 0, -1}, {1, 0, -1}, {0, 0, -2}};       // Diamond 2
  case 27: return {{0, 0, 0}, {0, -1, 1}, {0, -1, -1}, {0, -2, 0}};       // Diamond 3
  case 28: return polygon(5, 0, 1);                                       // Flat Pentagon
  case 29: return polygon(5, 1, 2);                                       // Side Pentagon
  case 30: return polygon(5, 0, 2);                                       // Front Pentagon
  case 31: return polygon(6, 0, 1);                                       // Flat Hexagon
  case 32: return polygon(6, 1, 2);                                       // Side Hexagon
  case 33: return polygon(6, 0, 2);                                       // Front Hexagon
  case 34: return {{0, 0, 0}};                                            // (Single Point)
  default: return {};
  }
}

} // namespace zephlo
