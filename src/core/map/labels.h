// The texts drawn beside a flight group's points: the name label and the
// distance/time label.
#pragma once

#include "core/map/map_options.h"
#include "core/mission/records.h"

#include <string>

namespace zephlo {

std::string nameLabel(const FGObject& f, int slot, bool namesOn, bool currentOnly);

// cumulative: map units flown up to this slot; speed: MGLT (flightSpeed).
std::string distanceLabel(const FGObject& f, int slot, int cumulative, int speed,
                          const MapOptions& options);

} // namespace zephlo
