// The map's paint times on the large mission (192 flight groups, every
// waypoint shown) at 1920 x 1080: a full repaint, and the redraw of the
// current flight group over the cached background that a drag does.
#include "core/map/battlefield.h"
#include "core/map/map_cache.h"
#include "core/map/map_interaction.h"
#include "render/map_painter.h"
#include "support/test_documents.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

struct Scene {
  Document doc = largeDocument();
  MapCache cache{doc, 1, 1};
  MapView view;
  MapOptions options;

  Scene() {
    view.resize(1920, 1080);
    view.waypoints = WaypointDisplay::All;
    view.currentFG = 96;
    view.shown.assign(doc.flightGroups.size(), 1);
    fitToBattlefield(view, computeBattlefield(doc, view));
  }
};

Scene& scene() {
  static Scene s;
  return s;
}

void BM_FullRepaint(benchmark::State& state) {
  Scene& s = scene();
  MapView view = s.view;
  view.namesOn = state.range(0) != 0;
  MapOptions options = s.options;
  options.showDistances = options.showTime = state.range(0) != 0;
  MapRenderer r;
  for (auto _ : state)
    benchmark::DoNotOptimize(r.repaint({s.doc, s.cache}, view, options).constBits());
}
BENCHMARK(BM_FullRepaint)->Arg(0)->Arg(1)->ArgName("labels")->Unit(benchmark::kMillisecond);

void BM_RedrawCurrent(benchmark::State& state) {
  Scene& s = scene();
  Document doc = s.doc;
  MapCache cache(doc, 1, 1);
  MapRenderer r;
  r.repaint({doc, cache}, s.view, s.options);
  Change moved;
  moved.flightGroups = {s.view.currentFG};
  int step = 0;
  for (auto _ : state) {
    // A drag step: the current flight group moves, only it is redrawn.
    FGObject& f = doc.flightGroups[static_cast<std::size_t>(s.view.currentFG)];
    f.setStartPoint(1, {static_cast<std::int16_t>(step++ % 2000), 0, 0, 1});
    cache.update(doc, moved);
    benchmark::DoNotOptimize(r.redrawCurrent({doc, cache}, s.view, s.options).constBits());
  }
}
BENCHMARK(BM_RedrawCurrent)->Unit(benchmark::kMicrosecond);

void BM_DragStepOnTheEditPath(benchmark::State& state) {
  // What one mouse move of a drag costs: the operation with its undo
  // picture, the map's fields of the moved flight group, and the redraw.
  Scene& s = scene();
  Document doc = s.doc;
  MapCache cache(doc, 1, 1);
  EditorState st;
  MapRenderer r;
  r.repaint({doc, cache}, s.view, s.options);
  int step = 0;
  for (auto _ : state) {
    DragStep d;
    d.fg = s.view.currentFG;
    d.h = step % 2000;
    d.v = step++ % 1000;
    auto applied = applyOperation(doc, st, dragOperation(d, "drag"));
    cache.update(doc, applied->change);
    benchmark::DoNotOptimize(r.redrawCurrent({doc, cache}, s.view, s.options).constBits());
  }
}
BENCHMARK(BM_DragStepOnTheEditPath)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
