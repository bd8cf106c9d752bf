#include "core/map/map_interaction.h"

#include "core/gamedata/craft_tables.h"
#include "core/map/filters.h"
#include "core/map/map_scene.h"
#include "core/map/map_units.h"
#include "core/map/waypoints.h"

#include <algorithm>
#include <cmath>

namespace zephlo {

int hitTolerance(int zoom) {
  if (zoom <= 0) return 0;
  if (zoom < 200) return 1500 / zoom;
  if (zoom < 500) return 1200 / zoom;
  if (zoom < 1500) return 2400 / zoom;
  return 3600 / zoom;
}

std::optional<MapHit> hitTest(const Document& doc, const MapView& view, double x, double y,
                              PressButton button) {
  const int count = static_cast<int>(doc.flightGroups.size());
  if (count == 0 || view.zoom <= 0) return std::nullopt;
  const double t = hitTolerance(view.zoom);
  const double h = view.toWorldH(x), v = view.toWorldV(y);
  const int first = std::max(0, view.firstDrawn);
  const int last = view.lastDrawn < 0 ? count - 1 : std::min(view.lastDrawn, count - 1);
  for (int fg = first; fg <= last; ++fg) {
    if (!view.isShown(fg)) continue;
    const FGObject& f = doc.flightGroups[static_cast<std::size_t>(fg)];
    const int lastSlot = lastSlotDrawn(view, fg);
    for (int slot = 1; slot <= lastSlot; ++slot) {
      if (slot != 1 && !slotEnabled(f, slot)) continue;
      const double ph = view.horizontalOf(f.WaypointX[slot], f.WaypointY[slot], f.WaypointZ[slot]);
      const double pv = view.verticalOf(f.WaypointX[slot], f.WaypointY[slot], f.WaypointZ[slot]);
      if (std::abs(ph - h) <= t && std::abs(pv - v) <= t) {
        if (button == PressButton::Right && slot != 1) return std::nullopt;
        return MapHit{fg, slot};
      }
    }
  }
  return std::nullopt;
}

SnappedPoint snappedWorld(const MapView& view, double x, double y) {
  return {snapToStep(view.toWorldH(x), view.snapX), snapToStep(view.toWorldV(y), view.snapY)};
}

int holdZoomStep(int zoom, int zoomSpeed) {
  int next = zoom + 1;
  if (zoom >= 8) {
    // The preference is held below 20, so the divisor stays positive.
    const int divisor = std::max(1, 20 - zoomSpeed);
    next = zoom + static_cast<int>(roundEven(static_cast<double>(zoom) / divisor));
  }
  return std::min(next, kMaxZoom);
}

int doubleClickZoom(int zoom) {
  if (zoom > 1000) return 500;
  if (zoom >= 500) return 200;
  if (zoom >= 200) return 64;
  if (zoom >= 37) return 32;
  if (zoom >= 21) return 16;
  if (zoom >= 11) return 8;
  return 4;
}

namespace {

std::int16_t& coordinate(FGObject& f, int axis, int slot) {
  auto k = static_cast<std::size_t>(slot);
  return axis == 0 ? f.WaypointX[k] : axis == 1 ? f.WaypointY[k] : f.WaypointZ[k];
}

std::int16_t clamp16(long long v) {
  return static_cast<std::int16_t>(std::clamp<long long>(v, -32768, 32767));
}

// Copies a display slot 5-12 into its waypoint of the order the map shows.
void writeOrderWaypoint(FGObject& f, int slot, int region, int order) {
  if (slot < kFirstWaypointSlot || slot > kLastSlot) return;
  if (region < 1 || region > kRegionCount || order < 1 || order > kOrdersPerRegion) return;
  Byte* p = f.order(region, order) + ord::waypointOffset(slot - 4);
  const auto k = static_cast<std::size_t>(slot);
  setI16(p + wp::X, f.WaypointX[k]);
  setI16(p + wp::Y, f.WaypointY[k]);
  setI16(p + wp::Z, f.WaypointZ[k]);
}

} // namespace

Operation dragOperation(const DragStep& s, std::string mergeKey) {
  return {"Move on Map", std::move(mergeKey), [s](Edit& e) -> Status {
            const int count = static_cast<int>(e.doc().flightGroups.size());
            if (s.fg < 0 || s.fg >= count || s.slot < 1 || s.slot > kLastSlot) return {};
            const Axes a = axesOf(s.mode);
            FGObject& f = e.flightGroup(s.fg);
            const int dh = s.lockH ? 0 : s.h - coordinate(f, a.horizontal, s.slot);
            const int dv = s.lockV ? 0 : s.v - coordinate(f, a.vertical, s.slot);
            if (!s.lockH) coordinate(f, a.horizontal, s.slot) = clamp16(s.h);
            if (!s.lockV) coordinate(f, a.vertical, s.slot) = clamp16(s.v);
            writeOrderWaypoint(f, s.slot, s.region, s.order);
            computeOrientation(f);
            if (s.slot > 4 || (dh == 0 && dv == 0)) return {};
            for (int other : s.together) {
              if (other == s.fg || other < 0 || other >= count) continue;
              FGObject& g = e.flightGroup(other);
              coordinate(g, a.horizontal, 1) = clamp16(coordinate(g, a.horizontal, 1) + dh);
              coordinate(g, a.vertical, 1) = clamp16(coordinate(g, a.vertical, 1) + dv);
              computeOrientation(g);
            }
            return {};
          }};
}

bool placedWithoutWaypoint(int t) {
  return (t >= 26 && t <= 29) || (t >= 55 && t <= 71) || (t >= 75 && t <= 78) || t == 80 ||
         t == 83 || t == 84 || t == 86 || t == 87 || (t >= 90 && t <= 92);
}

Operation paletteOperation(Operation base, int craftType, int iff, int team) {
  base.name = "Place Craft";
  base.mergeKey.clear();
  base.run = [run = std::move(base.run), craftType, iff, team](Edit& e) -> Status {
    const std::size_t before = e.doc().flightGroups.size();
    if (Status st = run(e); !st) return st;
    if (e.doc().flightGroups.size() != before + 1) return {};
    const int fg = static_cast<int>(before);
    FGObject& f = e.flightGroup(fg);
    f.set(fg::CraftType, static_cast<Byte>(craftType));
    f.set(fg::Iff, static_cast<Byte>(iff));
    f.set(fg::Team, static_cast<Byte>(team));
    f.WaypointEnabled[1] = 1;
    if (placedWithoutWaypoint(craftType)) {
      f.WaypointEnabled[kFirstWaypointSlot] = 0;
      for (int r = 1; r <= kRegionCount; ++r) {
        for (int o = 1; o <= kOrdersPerRegion; ++o)
          setI16(f.order(r, o) + ord::waypointOffset(1) + wp::Enabled, 0);
      }
    }
    updateArrivesEarly(f);
    computeOrientation(f);
    e.state().currentFG = fg;
    e.state().currentGoal = 0;
    e.state().selectedFGs = {fg};
    return {};
  };
  return base;
}

std::optional<int> paletteIndexAt(int x, int y, int mapHeight) {
  if (x < 0 || x >= 591 || y <= mapHeight - 40 || y >= mapHeight) return std::nullopt;
  const int p = y <= mapHeight - 20 ? x / 16 + 1 : x / 16 + 38;
  const int lastOfRow =
      y <= mapHeight - 20 ? kPaletteTopCells : kPaletteTopCells + kPaletteBottomCells;
  if (p > lastOfRow) return std::nullopt;
  return p;
}

int paletteIffForTeam(const Document& doc, int team) {
  for (const FGObject& f : doc.flightGroups) {
    if (f.at(fg::Team) == team) return f.at(fg::Iff);
  }
  if (team < 0 || team >= kTeamCount) return 0;
  return doc.teamIff[static_cast<std::size_t>(team)];
}

int initialPaletteIff(const Document& doc) {
  for (auto it = doc.flightGroups.rbegin(); it != doc.flightGroups.rend(); ++it) {
    if (it->at(fg::PlayerNumber) == 1) return it->at(fg::Iff);
  }
  // No player craft: the colours of the first team.
  return doc.teamIff[0];
}

} // namespace zephlo
