// The briefing editor opened on a mission whose briefing a test writes,
// with what the window tests do to it.
#pragma once

#include "core/briefing/test_instructions.h"
#include "support/editor_fixture.h"
#include "ui/briefing/briefing_editor.h"

#include <QAbstractButton>
#include <QTabWidget>

namespace zephlo::testing {

inline TCommandObject item(int time, std::uint16_t code, int index = 0, int x = 0, int y = 0) {
  return at(time, code, index, x, y);
}

inline TCommandObject icon(int time, int number, int craft) {
  return newIconAt(time, number, craft, 0);
}

inline std::vector<int> codesOf(const InstructionList& l) {
  std::vector<int> out;
  for (const TCommandObject& c : l)
    out.push_back(c.Command);
  return out;
}

struct BriefingEditor {
  Editor e;
  TBrfForm* form = nullptr;

  // A mission of three flight groups whose briefing holds `list`.
  explicit BriefingEditor(InstructionList list = {newInstruction(brf::EndCode)},
                          int runningTime = 600) {
    EXPECT_TRUE(e.files.openPath(e.missionFile("brief.tie", "Title", 3)));
    e.edit([&](Edit& ed) {
      Briefing& b = ed.briefing();
      EXPECT_TRUE(encodeBriefing(list, b).ok());
      b.setRunningTime(static_cast<std::uint16_t>(runningTime));
      b.tags[0] = "Red";
      b.tags[1] = "Alpha";
      b.texts[1] = "First words";
    });
    e.c.undoStack().clear();
    e.trigger("BriefingBtn");
    form = e.w.findChild<TBrfForm*>();
    EXPECT_NE(form, nullptr);
    form->resize(1180, 760);
    QApplication::processEvents();
  }
  template <class T = QWidget> T* child(const char* name) {
    T* w = form->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  // The window's commands live in the action registry.
  QAction* command(const char* id) {
    QAction* a = e.action(id);
    EXPECT_NE(a, nullptr) << id;
    return a;
  }
  void insert(const char* id) {
    QAction* a = command(id);
    ASSERT_TRUE(a->isEnabled()) << id;
    a->trigger();
  }
  void click(const char* button) { child<QAbstractButton>(button)->click(); }
  InstructionList list() const { return decodeBriefing(e.c.document().briefing); }
  int steps() { return e.c.undoStack().count(); }
  void page(int index) { child<QTabWidget>("BrfPages")->setCurrentIndex(index); }
  QWidget* map() { return child<QWidget>("MapBox"); }
  void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent ev(type, QPointF(at), map()->mapToGlobal(QPointF(at)),
                   type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                   Qt::NoModifier);
    QApplication::sendEvent(map(), &ev);
  }
  void drag(QPoint from, QPoint to) {
    mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouse(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    mouse(QEvent::MouseMove, to, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
  }
};

} // namespace zephlo::testing
