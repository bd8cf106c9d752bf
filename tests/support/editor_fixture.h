// The main window with its editing session, settings in a temporary file and
// scripted answers to every question: what the window tests drive.
#pragma once

#include "core/mission/new_mission.h"
#include "core/mission/writer.h"
#include "platform/settings_store.h"
#include "support/scripted_prompts.h"
#include "support/test_missions.h"
#include "ui/editing/editor_session.h"
#include "ui/main/main_window.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace zephlo::testing {

inline QString q(const std::string& s) { return QString::fromStdString(s); }
// The bytes a save of the document writes.
inline std::vector<Byte> savedBytes(const Document& d) { return *serializeMission(d); }

struct Editor {
  TempDir dir;
  SettingsStore store{q(dir.path("settings.ini"))};
  // The editor's folder (clipboard files) is the test's own.
  Preferences prefs = [this] {
    Preferences p;
    p.editorDir = q(dir.root());
    return p;
  }();
  ScriptedPrompts prompts;
  EditorSession s{prefs, prompts};
  EditingDocument& c = s.doc;
  FileCommands& files = s.files;
  TForm1 w{s, store};

  Editor() { w.resize(1280, 800); }

  QListView* list(const char* name) { return w.findChild<QListView*>(name); }
  QAction* action(const char* name) { return w.findChild<QAction*>(name); }
  void trigger(const char* name) {
    QAction* a = action(name);
    ASSERT_NE(a, nullptr) << name;
    a->trigger();
  }
  std::size_t fgCount() const { return c.document().flightGroups.size(); }
  // Edits the mission through the controller, as every window does.
  void edit(std::function<void(Edit&)> fn, const std::string& name = "Edit") {
    EXPECT_TRUE(c.apply({name, "", [fn](Edit& e) -> Status {
                           fn(e);
                           return {};
                         }}));
  }
  // Shows the window, makes it active and puts the keyboard focus on w.
  void focus(QWidget* widget) {
    w.show();
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    widget->setFocus();
    QApplication::processEvents();
  }
  // A mission on disk with the given first briefing text.
  QString missionFile(const std::string& name, const std::string& title, int fgs = 1) {
    Document d = newMission({});
    d.briefing.texts[0] = title;
    d.flightGroups.resize(static_cast<std::size_t>(fgs), d.flightGroups[0]);
    const std::string path = dir.path(name);
    EXPECT_TRUE(writeMission(d, path).ok());
    return q(path);
  }
};

inline const QString kChanged = "question: Current Mission has been changed. Save it?";

} // namespace zephlo::testing
