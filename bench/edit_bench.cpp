// The undo stack under a long editing session: 1000 single-field edits of
// the large mission through the editing document, the memory the stack then
// holds, and the time of one undo and one redo.
#include "core/mission/writer.h"
#include "support/test_documents.h"
#include "ui/editing/editor_session.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

constexpr int kEdits = 1000;

std::size_t heapInUse() { return mallinfo2().uordblks; }

struct Session {
  TempDir dir;
  Preferences prefs;
  ConsolePrompts prompts;
  EditorSession editor{prefs, prompts};
  EditingDocument& c = editor.doc;
  std::size_t stackBytes = 0;

  Session() {
    const std::string path = dir.path("large.tie");
    Document large = largeDocument();
    writeMission(large, path);
    editor.files.openPath(QString::fromStdString(path));
    const std::size_t before = heapInUse();
    for (int k = 0; k < kEdits; ++k) {
      c.apply(editFlightGroups("Formation", "", {k % 192},
                               [](FGObject& f, Edit&) { f.record[fg::Formation] ^= 0x5A; }));
    }
    stackBytes = heapInUse() - before;
  }
};

Session& session() {
  static Session s;
  return s;
}

void BM_ThousandFieldEdits(benchmark::State& state) {
  Session& s = session();
  for (auto _ : state)
    benchmark::DoNotOptimize(s.c.undoStack().count());
  state.counters["steps"] = s.c.undoStack().count();
  state.counters["stack_MB"] = static_cast<double>(s.stackBytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ThousandFieldEdits)->Iterations(1);

void BM_UndoOneFieldEdit(benchmark::State& state) {
  QUndoStack& undo = session().c.undoStack();
  for (auto _ : state) {
    undo.undo();
    state.PauseTiming();
    undo.redo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoOneFieldEdit)->Unit(benchmark::kMicrosecond);

void BM_RedoOneFieldEdit(benchmark::State& state) {
  QUndoStack& undo = session().c.undoStack();
  for (auto _ : state) {
    state.PauseTiming();
    undo.undo();
    state.ResumeTiming();
    undo.redo();
  }
}
BENCHMARK(BM_RedoOneFieldEdit)->Unit(benchmark::kMicrosecond);

void BM_ApplyOneFieldEdit(benchmark::State& state) {
  Session& s = session();
  int k = 0;
  for (auto _ : state) {
    s.c.apply(editFlightGroups("Formation", "", {k++ % 192},
                               [](FGObject& f, Edit&) { f.record[fg::Formation] ^= 0x5A; }));
  }
}
BENCHMARK(BM_ApplyOneFieldEdit)->Unit(benchmark::kMicrosecond);

void BM_UndoDeleteOfOneFlightGroup(benchmark::State& state) {
  Session& s = session();
  s.c.setFlightGroupSelection({100});
  s.c.apply(deleteOperation(ListPage::FlightGroups, {nullptr, {}, false}));
  QUndoStack& undo = s.c.undoStack();
  for (auto _ : state) {
    undo.undo();
    state.PauseTiming();
    undo.redo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoDeleteOfOneFlightGroup)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
