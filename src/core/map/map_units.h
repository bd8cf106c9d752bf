// Map units and the arithmetic every map read-out shares: 160 units to the
// kilometre, rounding halves to even, snapping toward zero.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace zephlo {

inline constexpr int kUnitsPerKm = 160;

// The snap menu's steps in map units: "Off", "0.1 km", "0.2 km", "0.5 km", "1.0 km".
inline constexpr int kSnapSteps[5] = {1, 16, 32, 80, 160};

// Nearest integer, halves to even, whatever rounding mode the FPU was left in.
inline long long roundEven(double v) {
  const double f = std::floor(v);
  const double diff = v - f;
  long long r = static_cast<long long>(f);
  if (diff > 0.5 || (diff == 0.5 && (r & 1) != 0)) ++r;
  return r;
}

// A map coordinate taken from the mouse: rounded to whole units, kept
// inside the 16-bit range the file can hold (a drag past the edge must not
// wrap to the other side), then snapped toward zero to a multiple of step.
std::int16_t snapToStep(double value, int step);

// Kilometres with two decimals, as every read-out shows them: 1600 -> "10.00".
std::string kmText(double mapUnits);

} // namespace zephlo
