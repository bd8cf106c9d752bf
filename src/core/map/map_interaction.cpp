#include "core/map/map_interaction.h"

#include "core/gamedata/craft_tables.h"
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

namespace {

// The first slot of one flight group under the world point (h, v), if any.
std::optional<int> slotUnder(const MapCache& cache, const MapView& view, int fg, double h,
                             double v) {
  const double t = hitTolerance(view.zoom);
  const DisplayWaypoints& w = cache[fg].points;
  const int lastSlot = lastSlotDrawn(view, fg);
  for (int slot = 1; slot <= lastSlot; ++slot) {
    if (slot != 1 && !w.enabled(slot)) continue;
    const Point& p = w[slot];
    const double ph = view.horizontalOf(p.x, p.y, p.z);
    const double pv = view.verticalOf(p.x, p.y, p.z);
    if (std::abs(ph - h) <= t && std::abs(pv - v) <= t) return slot;
  }
  return std::nullopt;
}

} // namespace

std::optional<MapHit> hitTest(const MapCache& cache, const MapView& view, double x, double y,
                              PressButton button, const std::set<int>& selected) {
  const int count = cache.size();
  if (count == 0 || view.zoom <= 0) return std::nullopt;
  const double h = view.toWorldH(x), v = view.toWorldV(y);
  const int first = std::max(0, view.firstDrawn);
  const int last = view.lastDrawn < 0 ? count - 1 : std::min(view.lastDrawn, count - 1);
  auto takes = [&](int fg) { return fg >= first && fg <= last && view.isShown(fg); };
  std::vector<int> order;
  if (takes(view.currentFG)) order.push_back(view.currentFG);
  for (int fg : selected)
    if (fg != view.currentFG && takes(fg)) order.push_back(fg);
  for (int fg = first; fg <= last; ++fg)
    if (fg != view.currentFG && !selected.contains(fg) && takes(fg)) order.push_back(fg);
  // The first point found decides, as the button allows.
  for (int fg : order) {
    if (const auto slot = slotUnder(cache, view, fg, h, v)) {
      if (button == PressButton::Right && *slot != 1) return std::nullopt;
      return MapHit{fg, *slot};
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

std::int16_t clamp16(long long v) {
  return static_cast<std::int16_t>(std::clamp<long long>(v, -32768, 32767));
}

// The record bytes of display slot 1-12: a start point, or a waypoint of
// the order the map shows; null for an order outside 1-4.
Byte* slotBytes(FGObject& f, int slot, int region, int order) {
  if (slot <= 4) return f.record.data() + fg::startPointOffset(slot);
  if (region < 1 || region > kRegionCount || order < 1 || order > kOrdersPerRegion) return nullptr;
  return f.order(region, order) + ord::waypointOffset(slot - 4);
}

} // namespace

Operation dragOperation(const DragStep& s, std::string mergeKey) {
  return {"Move on Map", std::move(mergeKey), [s](Edit& e) -> Status {
            const int count = static_cast<int>(e.doc().flightGroups.size());
            if (s.fg < 0 || s.fg >= count || s.slot < 1 || s.slot > kLastSlot) return {};
            const Axes a = axesOf(s.mode);
            FGObject& f = e.flightGroup(s.fg);
            Byte* at = slotBytes(f, s.slot, s.region, s.order);
            if (!at) return {};
            Point p = readPoint(at);
            const int dh = s.lockH ? 0 : s.h - p.axis(a.horizontal);
            const int dv = s.lockV ? 0 : s.v - p.axis(a.vertical);
            if (!s.lockH) p.axis(a.horizontal) = clamp16(s.h);
            if (!s.lockV) p.axis(a.vertical) = clamp16(s.v);
            writePoint(at, p);
            if (s.slot > 4 || (dh == 0 && dv == 0)) return {};
            for (int other : s.together) {
              if (other == s.fg || other < 0 || other >= count) continue;
              FGObject& g = e.flightGroup(other);
              Point q = g.startPoint(1);
              q.axis(a.horizontal) = clamp16(q.axis(a.horizontal) + dh);
              q.axis(a.vertical) = clamp16(q.axis(a.vertical) + dv);
              g.setStartPoint(1, q);
            }
            return {};
          }};
}

std::optional<DragStep> dragStepAt(const MapView& view, const std::set<int>& selection, double x,
                                   double y) {
  if (view.currentSlot == 1 && view.startLocked) return std::nullopt;
  const SnappedPoint p = snappedWorld(view, x, y);
  DragStep step{view.currentFG,     view.currentSlot, p.h, p.v,
                view.lockX,         view.lockY,       {},  view.mode,
                view.currentRegion, view.currentOrder};
  if (selection.size() > 1 && selection.contains(step.fg))
    step.together.assign(selection.begin(), selection.end());
  return step;
}

PressOutcome pressOutcome(const MapCache& cache, const MapView& view, const MapPress& press,
                          const std::set<int>& selected) {
  if (press.left && press.right) return {PressKind::ToggleDatapad, {}, 0};
  if (view.paletteOn && press.leftPressed) {
    if (auto p = paletteIndexAt(static_cast<int>(press.x), static_cast<int>(press.y), view.height))
      return {PressKind::Palette, {}, *p};
  }
  if (press.shift && press.leftPressed && press.left && !press.right && !press.otherButtons)
    return {PressKind::SelectBox, {}, 0};
  // A press with another modifier, or of another button, starts nothing.
  if (press.modifiers || press.otherButtons || press.left == press.right) return {};
  const auto hit = hitTest(cache, view, press.x, press.y,
                           press.right ? PressButton::Right : PressButton::Left, selected);
  if (!hit) return {press.right ? PressKind::Pan : PressKind::HoldZoom, {}, 0};
  if (hit->slot == 1 && view.startLocked) return {PressKind::Locked, *hit, 0};
  return {press.right ? PressKind::PanOnPoint : PressKind::Drag, *hit, 0};
}

std::vector<int> flightGroupsInBox(const MapCache& cache, const MapView& view, double x0, double y0,
                                   double x1, double y1) {
  std::vector<int> out;
  const int count = cache.size();
  if (count == 0 || view.zoom <= 0) return out;
  // By value: minmax of two temporaries would hand back references to them.
  const auto [hLo, hHi] = std::minmax({view.toWorldH(x0), view.toWorldH(x1)});
  const auto [vLo, vHi] = std::minmax({view.toWorldV(y0), view.toWorldV(y1)});
  const int first = std::max(0, view.firstDrawn);
  const int last = view.lastDrawn < 0 ? count - 1 : std::min(view.lastDrawn, count - 1);
  for (int fg = first; fg <= last; ++fg) {
    if (!view.isShown(fg)) continue;
    const Point& p = cache[fg].points[1];
    const double h = view.horizontalOf(p.x, p.y, p.z), v = view.verticalOf(p.x, p.y, p.z);
    if (h >= hLo && h <= hHi && v >= vLo && v <= vHi) out.push_back(fg);
  }
  return out;
}

std::optional<BoxSelection> boxSelection(const std::vector<int>& inBox, int current,
                                         const std::set<int>& kept) {
  if (inBox.empty()) return std::nullopt;
  BoxSelection out{kept, inBox.front()};
  out.selected.insert(inBox.begin(), inBox.end());
  if (out.selected.contains(current)) out.current = current;
  return out;
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
    setI16(f.record.data() + fg::startPointOffset(1) + wp::Enabled, 1);
    if (placedWithoutWaypoint(craftType)) {
      for (int r = 1; r <= kRegionCount; ++r) {
        for (int o = 1; o <= kOrdersPerRegion; ++o)
          setI16(f.order(r, o) + ord::waypointOffset(1) + wp::Enabled, 0);
      }
    }
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
