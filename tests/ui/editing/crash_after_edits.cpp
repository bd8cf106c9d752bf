// A stand-in for an editor that is killed: it opens a mission, edits it,
// lets the recovery copy be written, and then dies by SIGKILL, so no
// destructor, no close handler and no exit code can tidy up after it.
// Usage: crash_after_edits RECOVERY_FOLDER MISSION.tie NEW_NAME
#include "core/mission/edit.h"
#include "ui/editing/editor_session.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <cstdio>

using namespace zephlo;

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: crash_after_edits RECOVERY_FOLDER MISSION NEW_NAME\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Preferences prefs;
  prefs.recoverySeconds = 1;
  ConsolePrompts prompts;
  EditorSession s(prefs, prompts);
  s.recovery.start(QString::fromLocal8Bit(argv[1]));
  if (!s.files.openPath(QString::fromLocal8Bit(argv[2]))) return 3;
  const std::string name = argv[3];
  s.doc.apply(
      editFlightGroups("Change Name", "", {0}, [name](FGObject& f, Edit&) { f.setName(name); }));
  // Killed once the timer has written the copy, as a crash at any later moment.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (s.recovery.hasCopy()) std::raise(SIGKILL);
  });
  poll.start(50);
  QTimer::singleShot(20000, [] { std::_Exit(4); }); // never written: a failure, not a hang
  return QApplication::exec();
}
