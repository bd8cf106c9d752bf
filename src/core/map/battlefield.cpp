#include "core/map/battlefield.h"

#include "core/gamedata/craft_tables.h"
#include "core/map/map_units.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zephlo {

namespace {

// Half the size for big craft, so one capital ship does not fill the fit.
int radiusUnits(const FGObject& f) {
  double r = craftSize(f.at(fg::CraftType));
  if (r > 0.7) r /= 2;
  return static_cast<int>(std::trunc(r * kUnitsPerKm));
}

std::array<int, 3> startPoint(const FGObject& f) {
  const Point p = f.startPoint(1);
  return {p.x, p.y, p.z};
}

int marginStep(int zoom) {
  if (zoom > 1200) return zoom - 50;
  if (zoom > 200) return zoom - 30;
  if (zoom > 25) return zoom - 3;
  if (zoom > 17) return zoom - 1;
  return zoom;
}

int axisZoom(double scale, double factor, int extent) {
  if (extent == 0) return kMaxZoom;
  return std::abs(static_cast<int>(std::trunc(scale * factor / extent)));
}

} // namespace

BattlefieldBox computeBattlefield(const Document& doc, const MapView& view) {
  BattlefieldBox box;
  if (doc.flightGroups.empty()) return box;
  std::array<int, 3> lo{}, hi{};
  const FGObject& first = doc.flightGroups.front();
  const int r0 = radiusUnits(first);
  const auto p0 = startPoint(first);
  for (std::size_t a = 0; a < 3; ++a) {
    hi[a] = p0[a] + r0;
    lo[a] = p0[a] - r0;
  }
  for (std::size_t i = 1; i < doc.flightGroups.size(); ++i) {
    if (!view.isShown(static_cast<int>(i))) continue;
    const FGObject& f = doc.flightGroups[i];
    const int r = radiusUnits(f);
    const auto p = startPoint(f);
    for (std::size_t a = 0; a < 3; ++a) {
      if (p[a] > hi[a])
        hi[a] = p[a] + r;
      else if (p[a] < lo[a])
        lo[a] = p[a] - r;
    }
  }
  for (std::size_t a = 0; a < 3; ++a) {
    box.extent[a] = std::abs(hi[a] - lo[a]);
    box.centre[a] = lo[a] + (hi[a] - lo[a]) / 2;
  }
  return box;
}

int fitZoomFor(const MapView& view, const BattlefieldBox& box) {
  const Axes ax = view.axes();
  const int zH =
      axisZoom(121000, view.width / 780.0, box.extent[static_cast<std::size_t>(ax.horizontal)]);
  const int zV =
      axisZoom(76000, view.height / 560.0, box.extent[static_cast<std::size_t>(ax.vertical)]);
  return marginStep(std::min(zH, zV));
}

void fitToBattlefield(MapView& view, const BattlefieldBox& box) {
  const Axes ax = view.axes();
  view.fitZoom = fitZoomFor(view, box);
  view.keepCentre = false;
  view.setZoom(view.fitZoom);
  view.keepCentre = true;
  view.centreOn(box.centre[static_cast<std::size_t>(ax.horizontal)],
                box.centre[static_cast<std::size_t>(ax.vertical)]);
  view.fitted = true;
}

void centreOnFlightGroup(MapView& view, const Document& doc, int fg) {
  if (fg < 0 || static_cast<std::size_t>(fg) >= doc.flightGroups.size()) return;
  const Point p = doc.flightGroups[static_cast<std::size_t>(fg)].startPoint(1);
  view.centreOn(view.horizontalOf(p.x, p.y, p.z), view.verticalOf(p.x, p.y, p.z));
}

void applyAutoCentre(MapView& view, const Document& doc) {
  switch (view.autoCentre) {
  case AutoCentre::MapCentre: view.centreOn(0, 0); break;
  case AutoCentre::CurrentFG: centreOnFlightGroup(view, doc, view.currentFG); break;
  case AutoCentre::ZeroVertical: view.zeroVertical(); break;
  case AutoCentre::FitBattlefield: fitToBattlefield(view, computeBattlefield(doc, view)); break;
  case AutoCentre::None: break;
  }
}

} // namespace zephlo
