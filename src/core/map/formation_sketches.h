// Sketches of the flight formations for the "View Formations" window: where
// each craft of a flight flies relative to its leader, in steps of the
// formation spacing (x to the right, y ahead, z up). The game spaces the
// craft itself; the sketches show the shape a name stands for.
#pragma once

#include <vector>

namespace zephlo {

struct SketchPoint {
  double x = 0, y = 0, z = 0;
};

// The craft of a flight in the formation, the leader first; empty for a
// number that names no formation.
std::vector<SketchPoint> formationSketch(int formation);

} // namespace zephlo
