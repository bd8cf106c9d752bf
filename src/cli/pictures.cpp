#include "cli/pictures.h"

#include "cli/tool.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>

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

std::optional<QByteArray> pictureFormatFor(const std::string& out) {
  const QByteArray suffix = QFileInfo(QString::fromStdString(out)).suffix().toLower().toLatin1();
  if (out == "-" || suffix.isEmpty()) return QByteArray("png");
  ensureGuiApplication(); // the image plugins are found through the application
  if (!QImageWriter::supportedImageFormats().contains(suffix)) return std::nullopt;
  return suffix;
}

std::string unwritableFormat(const std::string& out) {
  ensureGuiApplication();
  std::string known;
  for (const QByteArray& f : QImageWriter::supportedImageFormats())
    known += (known.empty() ? "" : ", ") + f.toStdString();
  return "cannot write pictures of the kind " + out +
         " names; the extension may be one of: " + known;
}

int writePicture(const QImage& image, const std::string& out, const QByteArray& format) {
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (!writer.write(image)) {
    std::cerr << "zephlo-tool: cannot encode the picture for " << out << ": "
              << writer.errorString().toStdString() << "\n";
    return kExitWriteFailed;
  }
  const auto* p = reinterpret_cast<const Byte*>(encoded.constData());
  return writeOutput(out, std::span<const Byte>(p, static_cast<std::size_t>(encoded.size())));
}

} // namespace zephlo::tool
