#include "cli/pictures.h"

#include <QGuiApplication>

#include <iostream>

namespace zephlo::tool {

void ensureGuiApplication() {
  if (QGuiApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "zephlo-tool";
  static char* argv[] = {name, nullptr};
  // Start-up notes of the platform (no runtime folder and the like) are no
  // business of a script reading our output; real errors still get through.
  const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toStdString() << "\n";
        (void)context;
      });
  static QGuiApplication app(argc, argv);
  qInstallMessageHandler(previous);
}

} // namespace zephlo::tool
