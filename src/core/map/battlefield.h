// The battlefield box around the shown flight groups, fitting the view to
// it, and the AutoCentre rule applied after a view change.
#pragma once

#include "core/map/map_view.h"
#include "core/mission/document.h"

#include <array>

namespace zephlo {

struct BattlefieldBox {
  std::array<int, 3> centre{}; // X, Y, Z in map units
  std::array<int, 3> extent{};
  bool operator==(const BattlefieldBox&) const = default;
};

// Seeded by the first flight group whatever its shown flag, then grown by
// every later shown one, each widened by its craft size.
BattlefieldBox computeBattlefield(const Document& doc, const MapView& view);

// The zoom that fits the box in the view's axes, after the margin step.
int fitZoomFor(const MapView& view, const BattlefieldBox& box);
// "Fit to battlefield": zoom to the fit zoom and centre on the box.
void fitToBattlefield(MapView& view, const BattlefieldBox& box);
// Centre on start point 1 of a flight group (nothing for a bad index).
void centreOnFlightGroup(MapView& view, const Document& doc, int fg);
// What a view change does next, by the AutoCentre mode.
void applyAutoCentre(MapView& view, const Document& doc);

} // namespace zephlo
