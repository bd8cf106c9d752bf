// The Zephlo editor.
#include "platform/game_folder.h"
#include "platform/settings_store.h"
#include "ui/editing/editor_session.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <cstdio>

using namespace zephlo;

int main(int argc, char** argv) {
  // A screenshot needs no display: pick the offscreen platform before Qt starts.
  for (int i = 1; i < argc; ++i) {
    if (QByteArray(argv[i]) == "--screenshot" && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zephlo"));
  QApplication::setOrganizationName(QStringLiteral("Quen's Editors"));
  QApplication::setApplicationVersion(QStringLiteral(ZEPHLO_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("A mission editor for X-Wing Alliance."));
  parser.addHelpOption();
  parser.addVersionOption();
  QCommandLineOption shot(
      QStringLiteral("screenshot"),
      QStringLiteral(
          "Render the main window to <png> (and each tool window shown to <png>-<name>) and exit."),
      QStringLiteral("png"));
  parser.addOption(shot);
  // Another editor asks for work left by a crash to be opened in this one.
  QCommandLineOption recover(QStringLiteral("recover"),
                             QStringLiteral("Open the recovered work <id> (used by the editor)."),
                             QStringLiteral("id"));
  recover.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(recover);
  parser.addPositionalArgument(QStringLiteral("mission"), QStringLiteral("A mission file to open."),
                               QStringLiteral("[mission.tie]"));
  parser.process(app);

  SettingsStore store;
  Preferences prefs;
  QStringList history;
  store.load(prefs, history);
  prefs.gameDir = findGameFolder(prefs.gameDir);

  QtPrompts dialogs;
  ConsolePrompts console;
  Prompts& prompts = parser.isSet(shot) ? static_cast<Prompts&>(console) : dialogs;
  EditorSession session(prefs, prompts);
  session.files.setHistory(history);
  TForm1 window(session, store);

  if (parser.isSet(shot)) {
    window.resize(1280, 800);
    window.show();
    // Mission files are opened as given; the start-up preference is not asked.
    const QStringList args = parser.positionalArguments();
    if (!args.isEmpty()) session.files.startUp(args);
    QApplication::processEvents();
    const QString out = parser.value(shot);
    if (!window.grab().save(out)) {
      std::fprintf(stderr, "zephlo: cannot write %s\n", qPrintable(out));
      return 1;
    }
    // Tool windows beside the main window go into files of their own,
    // "out-Datapad.png" beside "out.png".
    const QFileInfo base(out);
    for (QWidget* w : window.findChildren<QWidget*>()) {
      if (!w->isWindow() || !w->isVisible() || w->objectName().isEmpty()) continue;
      const QString file = base.path() + QLatin1Char('/') + base.completeBaseName() +
                           QLatin1Char('-') + w->objectName() + QLatin1Char('.') + base.suffix();
      if (!w->grab().save(file)) {
        std::fprintf(stderr, "zephlo: cannot write %s\n", qPrintable(file));
        return 1;
      }
    }
    return 0;
  }

  window.show();
  // Start-up runs once the window is up, so its questions have a parent.
  // Work left by a crash comes first; each further copy, and a mission named
  // on the command line, then gets an editor of its own.
  QTimer::singleShot(0, &window, [&session, &parser, &recover] {
    session.recovery.start(RecoverySession::defaultFolder());
    if (parser.isSet(recover)) {
      session.recovery.recover(parser.value(recover));
      return;
    }
    QStringList others;
    const QStringList args = parser.positionalArguments();
    if (!session.recovery.offerRecovery(others)) {
      session.files.startUp(args);
      return;
    }
    const QString program = QCoreApplication::applicationFilePath();
    for (const QString& id : others)
      QProcess::startDetached(program, {QStringLiteral("--recover"), id});
    if (!args.isEmpty()) QProcess::startDetached(program, args);
  });
  return QApplication::exec();
}
