#include "core/map/map_units.h"

#include <algorithm>
#include <cstdio>

namespace zephlo {

std::int16_t snapToStep(double value, int step) {
  if (!std::isfinite(value)) value = 0;
  long long v = roundEven(std::clamp(value, -32768.0, 32767.0));
  if (step > 1) v = (v / step) * step; // truncates toward zero
  return static_cast<std::int16_t>(v);
}

std::string kmText(double mapUnits) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.2f", mapUnits / kUnitsPerKm);
  return buf;
}

} // namespace zephlo
