// The real windows, driven offscreen on the large mission (192 flight groups):
// what a field edit and a map drag step cost with the tool windows open that
// follow them, against the same with every tool window closed.
#include "core/mission/fg_stores.h"
#include "core/mission/writer.h"
#include "platform/settings_store.h"
#include "support/test_documents.h"
#include "ui/editing/editor_session.h"
#include "ui/main/main_window.h"
#include "ui/map/map_widget.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

// The tool windows that follow the current flight group and the map.
const char* const kToolWindows[] = {"DatapadAction", "WPEditor1", "OrderRegionSelect1",
                                    "TextSections1"};

struct Windows {
  TempDir dir;
  SettingsStore store{QString::fromStdString(dir.path("settings.ini"))};
  Preferences prefs;
  ConsolePrompts prompts;
  std::unique_ptr<EditorSession> session;
  std::unique_ptr<TForm1> w;
  QWidget* canvas = nullptr;

  Windows() {
    prefs.editorDir = QString::fromStdString(dir.root());
    prefs.dpo = false;
    session = std::make_unique<EditorSession>(prefs, prompts);
    w = std::make_unique<TForm1>(*session, store);
    w->resize(1920, 1080);
    w->show();
    const std::string path = dir.path("large.tie");
    writeMission(largeDocument(), path);
    session->files.openPath(QString::fromStdString(path));
    canvas = w->findChild<QWidget*>("PaintBox1");
    settle();
  }
  static void settle() { QApplication::processEvents(); }
  void toolWindows(bool open) {
    for (const char* name : kToolWindows)
      if (QAction* a = w->findChild<QAction*>(name)) a->setChecked(open);
    settle();
  }
  // One edit of a number field of the current flight group (its waves), as
  // the details page makes it: one box and no list line follow it.
  void fieldEdit(int k) {
    EditingDocument& doc = session->doc;
    doc.apply(storeField(FgField::Waves, k % 2 + 1, doc.state()));
    settle();
  }
  // One edit of its name, which every list naming flight groups follows.
  void nameEdit(int k) {
    EditingDocument& doc = session->doc;
    doc.apply(storeName(k % 2 ? "Red" : "Blue", doc.state(), false));
    settle();
  }
  void mouse(QEvent::Type type, QPoint p, Qt::MouseButtons held) {
    QMouseEvent ev(type, QPointF(p), canvas->mapToGlobal(QPointF(p)),
                   type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &ev);
  }
};

Windows& windows() {
  static Windows w;
  return w;
}

void BM_FieldEdit(benchmark::State& state) {
  Windows& w = windows();
  w.toolWindows(state.range(0) != 0);
  int k = 0;
  for (auto _ : state)
    w.fieldEdit(k++);
  state.SetLabel(state.range(0) ? "tool windows open" : "tool windows closed");
}
BENCHMARK(BM_FieldEdit)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_NameEdit(benchmark::State& state) {
  Windows& w = windows();
  w.toolWindows(state.range(0) != 0);
  int k = 0;
  for (auto _ : state)
    w.nameEdit(k++);
  state.SetLabel(state.range(0) ? "tool windows open" : "tool windows closed");
}
BENCHMARK(BM_NameEdit)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The floor any window pays for a change shown: a bare window of the same
// size with one list whose current line changes.
void BM_BareWindowEdit(benchmark::State& state) {
  QMainWindow bare;
  auto* list = new QListWidget(&bare);
  for (int i = 0; i < 192; ++i)
    list->addItem(QStringLiteral("FG %1").arg(i));
  bare.setCentralWidget(list);
  bare.resize(1920, 1080);
  bare.show();
  Windows::settle();
  int k = 0;
  for (auto _ : state) {
    list->item(0)->setText(k++ % 2 ? QStringLiteral("Red") : QStringLiteral("Blue"));
    Windows::settle();
  }
}
BENCHMARK(BM_BareWindowEdit)->Unit(benchmark::kMicrosecond);

// Steps of one drag of the current flight group, the tool windows open.
void BM_MapDragStep(benchmark::State& state) {
  Windows& w = windows();
  w.toolWindows(true);
  MapWidget* map = w.w->findChild<MapWidget*>();
  const int current = w.session->doc.state().currentFG;
  const Point start =
      w.session->doc.document().flightGroups[static_cast<std::size_t>(current)].startPoint(1);
  const QPoint from(map->view().toScreenX(start.x), map->view().toScreenY(start.y));
  w.mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
  int k = 0;
  for (auto _ : state) {
    w.mouse(QEvent::MouseMove, from + QPoint(1 + k % 40, k % 3), Qt::LeftButton);
    Windows::settle();
    ++k;
  }
  w.mouse(QEvent::MouseButtonRelease, from, Qt::NoButton);
  Windows::settle();
}
BENCHMARK(BM_MapDragStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  windows().w.reset();
  return 0;
}
