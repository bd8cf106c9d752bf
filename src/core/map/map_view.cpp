#include "core/map/map_view.h"

#include "core/map/map_units.h"

#include <algorithm>
#include <cmath>

namespace zephlo {

Axes axesOf(ViewMode mode) {
  switch (mode) {
  case ViewMode::XZ: return {0, 2, 1, -1};
  case ViewMode::YZ: return {1, 2, 0, -1};
  case ViewMode::XY: break;
  }
  return {0, 1, 2, +1};
}

int MapView::toScreenX(double h) const {
  return static_cast<int>(roundEven(centreX() + offsetX + zoom * h / kUnitsPerKm));
}

int MapView::toScreenY(double v) const {
  return static_cast<int>(roundEven(centreY() + offsetY + axes().sign * zoom * v / kUnitsPerKm));
}

double MapView::toWorldH(double x) const { return (x - centreX() - offsetX) * kUnitsPerKm / zoom; }

double MapView::toWorldV(double y) const {
  return axes().sign * (y - centreY() - offsetY) * kUnitsPerKm / zoom;
}

int MapView::horizontalOf(int x, int y, int z) const {
  const int c[3] = {x, y, z};
  return c[axes().horizontal];
}

int MapView::verticalOf(int x, int y, int z) const {
  const int c[3] = {x, y, z};
  return c[axes().vertical];
}

ScreenPoint MapView::project(int x, int y, int z) const {
  return {toScreenX(horizontalOf(x, y, z)), toScreenY(verticalOf(x, y, z))};
}

void MapView::resize(int w, int h) {
  width = std::max(0, w);
  height = std::max(0, h);
}

void MapView::centreOn(double h, double v) {
  offsetX = -zoom * h / kUnitsPerKm;
  offsetY = -axes().sign * zoom * v / kUnitsPerKm;
  centreH = -h;
  centreV = -v;
}

void MapView::zeroVertical() {
  offsetY = 0;
  centreV = 0;
}

void MapView::setZoom(int z) {
  const int previous = zoom;
  zoom = std::clamp(z, kMinZoom, kMaxZoom);
  fitted = fitZoom >= previous;
  if (keepCentre) {
    offsetX = static_cast<double>(roundEven(zoom * centreH / kUnitsPerKm));
    offsetY = static_cast<double>(roundEven(axes().sign * zoom * centreV / kUnitsPerKm));
  }
}

VisibleWindow MapView::visibleWindow() const {
  return {toWorldH(0) / kUnitsPerKm, toWorldH(width) / kUnitsPerKm, toWorldV(0) / kUnitsPerKm,
          toWorldV(height) / kUnitsPerKm};
}

int MapView::scrollXPosition() const { return static_cast<int>(roundEven(-offsetX)); }
int MapView::scrollYPosition() const { return static_cast<int>(roundEven(-offsetY)); }

void MapView::scrollX(int position) {
  offsetX = -position;
  centreH = static_cast<double>(roundEven(-toWorldH(centreX())));
}

void MapView::scrollY(int position) {
  offsetY = -position;
  centreV = -toWorldV(centreY());
}

bool MapView::isShown(int fg) const {
  if (fg < 0) return false;
  // Flags not yet computed for a new flight group start as shown.
  return static_cast<std::size_t>(fg) >= shown.size() || shown[static_cast<std::size_t>(fg)] != 0;
}

GridColours gridColours(bool ghostGrid) {
  if (ghostGrid) return {0x393B7D, 0x292B4D, 0x181B2D};
  return {0x0000FF, 0x000095, 0x000057};
}

std::vector<GridLine> gridLines(const MapView& view, bool ghostGrid) {
  std::vector<GridLine> lines;
  if (view.zoom <= 0) return lines;
  const GridColours c = gridColours(ghostGrid);
  auto colourOf = [&c](long long k) { return k == 0 ? c.axis : k % 5 == 0 ? c.fifth : c.line; };
  const VisibleWindow w = view.visibleWindow();
  const long long l = roundEven(w.left), r = roundEven(w.right);
  for (long long k = std::min(l, r); k <= std::max(l, r); ++k) {
    const int x = static_cast<int>(roundEven(view.centreX() + view.offsetX + k * view.zoom));
    lines.push_back({true, x, static_cast<int>(k), colourOf(k)});
  }
  const long long t = roundEven(w.top), b = roundEven(w.bottom);
  const int s = view.axes().sign;
  for (long long k = std::min(t, b); k <= std::max(t, b); ++k) {
    const int y = static_cast<int>(roundEven(view.centreY() + view.offsetY + s * k * view.zoom));
    lines.push_back({false, y, static_cast<int>(k), colourOf(k)});
  }
  return lines;
}

} // namespace zephlo
