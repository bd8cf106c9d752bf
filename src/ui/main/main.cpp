// The Zephlo editor.
#include "core/mission/safe_write.h"
#include "platform/game_folder.h"
#include "platform/settings_store.h"
#include "ui/editing/editor_session.h"
#include "ui/editing/path_text.h"
#include "ui/main/app_icon.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>
#include <optional>

using namespace zephlo;

namespace {

// The command line, the same whether Qt Widgets can start or not.
struct CommandLine {
  QCommandLineParser parser;
  QCommandLineOption shot{
      QStringLiteral("screenshot"),
      QStringLiteral(
          "Render the main window to <png> (and each tool window shown to <png>-<name>) and exit."),
      QStringLiteral("png")};
  QCommandLineOption size{QStringLiteral("size"),
                          QStringLiteral("The size of the window a screenshot shows (default "
                                         "1280x800)."),
                          QStringLiteral("WIDTHxHEIGHT")};
  // Another editor asks for work left by a crash to be opened in this one.
  QCommandLineOption recover{QStringLiteral("recover"),
                             QStringLiteral("Open the recovered work <id> (used by the editor)."),
                             QStringLiteral("id")};

  CommandLine() {
    parser.setApplicationDescription(QStringLiteral("A mission editor for X-Wing Alliance."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(shot);
    parser.addOption(size);
    recover.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(recover);
    parser.addPositionalArgument(QStringLiteral("mission"),
                                 QStringLiteral("A mission file to open."),
                                 QStringLiteral("[mission.tie]"));
  }
};

void nameTheApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("Zephlo"));
  QCoreApplication::setOrganizationName(QStringLiteral("Quen's Editors"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ZEPHLO_VERSION));
}

// --help and --version need no display: answered before Qt Widgets starts.
void answerHelpWithoutADisplay(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const QByteArray a(argv[i]);
    if (a == "--help" || a == "-h" || a == "-?" || a == "--help-all" || a == "--version" ||
        a == "-v") {
      QCoreApplication core(argc, argv);
      nameTheApplication();
      CommandLine cl;
      cl.parser.process(core); // prints and exits
    }
  }
}

// A picture of a window, written as any other output (a file safely, a
// pipe or device as it is).
bool writePicture(QWidget& w, const QString& file) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const QByteArray format = QFileInfo(file).suffix().toLower().toLatin1();
  if (!w.grab().save(&buffer, format.isEmpty() ? "png" : format.constData())) {
    std::fprintf(stderr, "zephlo: cannot make a picture of the kind %s names\n", qPrintable(file));
    return false;
  }
  const Status s =
      writeFileSafely(toPath(file), std::span(reinterpret_cast<const Byte*>(bytes.constData()),
                                              static_cast<std::size_t>(bytes.size())));
  if (!s) std::fprintf(stderr, "zephlo: %s\n", s.error().message.c_str());
  return bool(s);
}

// "1024x640", within what a screen can be; none for anything else.
std::optional<QSize> windowSize(const QString& text) {
  static const QRegularExpression form(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
  const QRegularExpressionMatch m = form.match(text);
  if (!m.hasMatch()) return std::nullopt;
  const QSize size(m.captured(1).toInt(), m.captured(2).toInt());
  if (size.width() < 320 || size.height() < 240 || size.width() > 7680 || size.height() > 4320)
    return std::nullopt;
  return size;
}

} // namespace

int main(int argc, char** argv) {
  answerHelpWithoutADisplay(argc, argv);
  // A screenshot needs no display: pick the offscreen platform before Qt starts.
  for (int i = 1; i < argc; ++i) {
    if (QByteArray(argv[i]) == "--screenshot" && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
  }
  QApplication app(argc, argv);
  nameTheApplication();
  presentToTheDesktop();
  CommandLine cl;
  QCommandLineParser& parser = cl.parser;
  const QCommandLineOption& shot = cl.shot;
  const QCommandLineOption& recover = cl.recover;
  const QCommandLineOption& sizeOption = cl.size;
  parser.process(app);
  if (parser.isSet(sizeOption) && !parser.isSet(shot)) {
    std::fprintf(stderr, "zephlo: --size is the size of a screenshot; it needs --screenshot\n");
    return 2;
  }

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
    const std::optional<QSize> size =
        parser.isSet(sizeOption) ? windowSize(parser.value(sizeOption)) : QSize(1280, 800);
    if (!size) {
      std::fprintf(stderr, "zephlo: --size takes WIDTHxHEIGHT from 320x240 to 7680x4320, not %s\n",
                   qPrintable(parser.value(sizeOption)));
      return 2;
    }
    window.resize(*size);
    window.show();
    // Mission files are opened as given; the start-up preference is not
    // asked. One that cannot be opened is a failure to say (status 2).
    const QStringList args = parser.positionalArguments();
    if (!args.isEmpty() && !session.files.openCommandLine(args)) return 2;
    QApplication::processEvents();
    const QString out = parser.value(shot);
    if (!writePicture(window, out)) return 3;
    // Tool windows beside the main window go into files of their own,
    // "out-Datapad.png" beside "out.png".
    const QFileInfo base(out);
    for (QWidget* w : window.findChildren<QWidget*>()) {
      if (!w->isWindow() || !w->isVisible() || w->objectName().isEmpty()) continue;
      const QString file = base.path() + QLatin1Char('/') + base.completeBaseName() +
                           QLatin1Char('-') + w->objectName() + QLatin1Char('.') + base.suffix();
      if (!writePicture(*w, file)) return 3;
    }
    return 0;
  }

  window.show();
  if (!store.problem().isEmpty()) prompts.showError(store.problem());
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
