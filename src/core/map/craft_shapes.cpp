// The shape routine of each wireframe craft type. Small craft are modelled
// at a few units to the metre and scaled by their factor; capital ships and
// stations in metres, so they keep their true size on the map.
#include "core/map/part_shapes.h"

namespace zephlo {

using namespace parts;

namespace {

// Small craft are drawn this many times larger than their models, so they
// stay recognisable beside the 16 x 20 icons.
constexpr double kSmallCraftUnit = 2.5;

void xWing(Wireframe& w) { // type 1
  w.setDetailZoom(794);
  w.multiplyScale(0.1566);
  w.setModelUnit(kSmallCraftUnit);
  w.shade(90);
  hull(w, 1, {{48, 2, 2, 1}, {14, 6, 5, 1}});
  hull(w, 9, {{14, 6, 5, 1}, {-34, 7, 6, 1}});
  if (w.detailed()) {
    outline(w, 17, {{6, 20, 0}, {10, 6, 0}, {7, -2, 4}, {7, -2, -4}}, true);
    polyline(w, {18, 20});
  } else {
    w.penMove(6, 18, 0);
    w.penLine(8, 0, 0);
    w.store(17);
  }
  // Four S-foils, the upper pair rooted where the canopy ends.
  const ModelPoint roots[4] = {{6, -10, 6}, {6, -10, -6}, {-4, -10, 6}, {-4, -10, -6}};
  for (int i = 0; i < 4; ++i) {
    const double up = roots[i].p > 0 ? 1 : -1, side = roots[i].r > 0 ? 1 : -1;
    const int base = 25 + 5 * i;
    outline(w, base,
            {roots[i],
             {roots[i].p + up * 12, -14, side * 44},
             {roots[i].p + up * 12, -30, side * 44},
             {roots[i].p, -32, side * 6}},
            true);
    w.moveToStored(base + 1);
    w.penLine(roots[i].p + up * 12, 30, side * 44); // the laser cannon
    w.store(base + 4);
  }
}

void aWing(Wireframe& w) { // type 3
  w.setDetailZoom(600);
  w.multiplyScale(0.15);
  w.setModelUnit(kSmallCraftUnit);
  w.shade(90);
  outline(w, 1, {{0, 45, 0}, {0, -30, 30}, {0, -30, -30}}, true);
  hull(w, 4, {{20, 3, 3, 3}, {-20, 8, 6, 3}});
  box(w, 12, -10, -34, 5, 5, 0);
  if (w.detailed()) {
    spokes(w, 4, 4, 1, 4);
    box(w, 20, -24, -34, 30, 3, 0); // engine pods
  }
}

void tieFighter(Wireframe& w) { // type 5
  w.setDetailZoom(800);
  w.multiplyScale(0.08975);
  w.setModelUnit(kSmallCraftUnit);
  w.plainPen();
  if (w.detailed()) {
    ring(w, 1, 0, 18, 8);
    flatRing(w, 9, 0, 18, 8);
  } else {
    w.square(w.origin(), w.pen());
  }
  // Pylons and the two hexagonal wings.
  w.penMove(0, 0, 18);
  w.penLine(0, 0, 62);
  w.penMove(0, 0, -18);
  w.penLine(0, 0, -62);
  outline(w, 17,
          {{70, 0, 62}, {35, 60, 62}, {-35, 60, 62}, {-70, 0, 62}, {-35, -60, 62}, {35, -60, 62}},
          true, true);
  spokes(w, 17, 3, 1, 3); // wing struts across each panel
}

void assaultTransport(Wireframe& w) { // type 22
  w.setDetailZoom(253);
  w.multiplyScale(0.396);
  w.setModelUnit(kSmallCraftUnit);
  w.shade(90);
  hull(w, 1, {{70, 6, 6, 0}, {40, 16, 12, 0}, {-40, 18, 14, 0}, {-60, 12, 10, 0}});
  wing(w, 17, 0, -40, 16, -30, -50, 60, 0, true);
  if (w.detailed()) box(w, 25, -60, -72, 10, 8, 0);
}

void tug(Wireframe& w) { // type 24
  w.setDetailZoom(300);
  w.multiplyScale(0.3);
  w.setModelUnit(kSmallCraftUnit);
  w.shade(90);
  box(w, 1, 30, -30, 20, 16);
  outline(w, 9, {{0, 30, 20}, {0, 60, 28}, {0, 70, 14}}, false, true);
  if (w.detailed()) fan(w, 1, 9, 3, 1);
}

void utilityVehicle(Wireframe& w) { // type 25
  w.setDetailZoom(300);
  w.multiplyScale(0.3);
  w.setModelUnit(kSmallCraftUnit);
  w.shade(90);
  box(w, 1, 40, -40, 14, 10);
  outline(w, 9, {{0, 40, 14}, {0, 70, 24}, {0, 80, 6}}, false, true);
  ring(w, 15, -40, 12, 6);
}

void corellianTransport(Wireframe& w) { // types 38 and 39
  w.setDetailZoom(333);
  w.multiplyScale(0.32);
  w.setModelUnit(kSmallCraftUnit);
  w.shade(90);
  flatRing(w, 1, 0, 60, 8);
  flatRing(w, 9, 8, 40, 8);
  spokes(w, 1, 8, 1, 8);
  // Forward mandibles and the cockpit tube on the right.
  outline(w, 17, {{0, 40, 12}, {0, 90, 12}, {0, 90, 30}, {0, 48, 38}}, false, true);
  if (w.detailed()) outline(w, 25, {{0, 20, 56}, {0, 36, 72}, {0, 52, 72}, {0, 40, 50}}, true);
}

void lambdaShuttle(Wireframe& w) { // type 97
  w.setDetailZoom(400);
  w.multiplyScale(0.25);
  w.setModelUnit(kSmallCraftUnit);
  w.shade(90);
  hull(w, 1, {{60, 8, 8, 0}, {10, 16, 12, 0}, {-40, 16, 12, 0}});
  outline(w, 13, {{12, 10, 0}, {90, -30, 0}, {90, -50, 0}, {12, -40, 0}}, true); // tall fin
  outline(w, 17, {{-4, 0, 14}, {-60, -20, 60}, {-60, -40, 60}, {-4, -40, 14}}, true, true);
}

void yt2000(Wireframe& w) { // type 110
  w.setDetailZoom(333);
  w.multiplyScale(0.32);
  w.setModelUnit(kSmallCraftUnit);
  w.shade(90);
  flatRing(w, 1, 0, 66, 8);
  flatRing(w, 9, 10, 30, 6);
  fan(w, 9, 1, 8, 1);
  outline(w, 17, {{4, 40, 40}, {4, 80, 60}, {4, 70, 76}, {4, 30, 58}}, true);
}

void containerTransport(Wireframe& w) { // type 35
  w.setDetailZoom(60);
  w.shade(90);
  box(w, 1, 150, -110, 24, 24);
  box(w, 9, -110, -170, 34, 30);
  if (w.detailed()) {
    for (int i = 0; i < 3; ++i)
      ring(w, 17 + 6 * i, 100 - 90 * i, 40, 6);
  }
  w.centreMark();
}

void strikeCruiser(Wireframe& w) { // type 46
  w.setDetailZoom(40);
  w.shade(90);
  hull(w, 1, {{220, 10, 10, 0}, {120, 60, 30, 0}, {-160, 80, 40, 0}, {-230, 60, 36, 0}});
  box(w, 17, -60, -140, 20, 30, 60); // bridge tower
  if (w.detailed()) box(w, 25, -230, -250, 40, 20, 0);
  w.centreMark();
}

void monCalCruiser(Wireframe& w) { // type 49
  w.setDetailZoom(20);
  w.shade(90);
  if (w.platform() == 18) {
    hull(w, 1,
         {{600, 20, 30, 0},
          {450, 120, 90, 0},
          {150, 170, 120, 0},
          {-250, 170, 120, 0},
          {-520, 120, 90, 0},
          {-600, 60, 50, 0}});
    if (w.detailed()) {
      outline(w, 25, {{90, 300, 0}, {150, 200, 0}, {150, 0, 0}, {100, -150, 0}}, false);
      for (int i = 0; i < 3; ++i)
        ring(w, 29 + 6 * i, -600, 30, 6);
    }
  } else {
    hull(w, 1, {{600, 40, 40, 0}, {200, 160, 110, 0}, {-400, 160, 110, 0}, {-600, 80, 60, 0}});
  }
  w.centreMark();
}

void starDestroyer(Wireframe& w) { // types 53 and 230
  w.setDetailZoom(16);
  w.shade(90);
  outline(w, 1, {{0, 800, 0}, {0, -800, 500}, {0, -800, -500}}, true); // top deck
  w.penMove(-160, -640, 0);
  w.store(4);
  fan(w, 4, 1, 3, 1);                  // the keel below
  box(w, 5, -300, -560, 120, 60, 60);  // superstructure
  box(w, 13, -480, -560, 60, 60, 180); // bridge tower
  if (w.detailed()) {
    outline(w, 21, {{270, -520, 50}, {270, -520, 90}}, false, true); // shield domes
    box(w, 25, -800, -840, 300, 60, -20);
  }
  w.centreMark();
}

void platformOne(Wireframe& w) { // type 60
  if (w.platform() != 18) return;
  w.setDetailZoom(20);
  w.shade(90);
  flatRing(w, 1, 0, 500, 8);
  flatRing(w, 9, 0, 160, 8);
  spokes(w, 1, 4, 2, 8); // every other point of the outer ring to the inner ring
  box(w, 17, 80, -80, 80, 200);
  w.centreMark();
}

void spacePlatform(Wireframe& w) { // type 96
  w.setDetailZoom(30);
  w.shade(90);
  ring(w, 1, 0, 200, 8);
  flatRing(w, 9, 0, 200, 8);
  outline(w, 17, {{0, 200, 0}, {0, 420, 0}}, false, true);
  w.centreMark();
}

void mobileBase(Wireframe& w) { // type 105
  w.setDetailZoom(30);
  w.shade(90);
  hull(w, 1, {{300, 30, 20, 0}, {200, 120, 40, 0}, {-250, 120, 50, 0}});
  box(w, 13, 120, -120, 60, 60, 110);
  w.centreMark();
}

void golan(Wireframe& w) { // type 129
  w.setDetailZoom(20);
  w.shade(90);
  ring(w, 1, 200, 160, 8);
  ring(w, 9, -200, 160, 8);
  spokes(w, 1, 8, 2, 8);
  outline(w, 17, {{0, 200, 160}, {0, 420, 220}, {0, 500, 180}}, false, true); // gun arms
  w.centreMark();
}

void largeStation(Wireframe& w) { // type 140
  w.setDetailZoom(16);
  w.shade(90);
  flatRing(w, 1, 120, 1000, 8);
  flatRing(w, 9, -120, 1000, 8);
  spokes(w, 1, 8, 1, 8);
  flatRing(w, 17, 0, 300, 6);
  fan(w, 17, 1, 4, 2);
  w.centreMark();
}

} // namespace

std::vector<WireStroke> craftWireframe(int craftType, const WireframeSetup& setup) {
  Wireframe w(setup, craftType);
  switch (craftType) {
  case 1: xWing(w); break;
  case 3: aWing(w); break;
  case 5: tieFighter(w); break;
  case 22: assaultTransport(w); break;
  case 24: tug(w); break;
  case 25: utilityVehicle(w); break;
  case 38:
  case 39: corellianTransport(w); break;
  case 97: lambdaShuttle(w); break;
  case 110: yt2000(w); break;
  case 35: containerTransport(w); break;
  case 46: strikeCruiser(w); break;
  case 49: monCalCruiser(w); break;
  case 53:
  case 230: starDestroyer(w); break;
  case 60: platformOne(w); break;
  case 96: spacePlatform(w); break;
  case 105: mobileBase(w); break;
  case 129: golan(w); break;
  case 140: largeStation(w); break;
  default: break;
  }
  return w.takeStrokes();
}

} // namespace zephlo
