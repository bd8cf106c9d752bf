// What the commands that draw pictures share.
#pragma once

#include <QByteArray>

#include <optional>
#include <string>

class QImage;

namespace zephlo::tool {

// Fonts need a GUI application; it runs on the offscreen platform, so no
// display is needed. Safe to call more than once.
void ensureGuiApplication();

// The picture format an output name asks for by its extension (png, jpg,
// bmp ...); PNG for standard output ("-") and a name without one. Nothing
// when no image writer takes the extension.
std::optional<QByteArray> pictureFormatFor(const std::string& out);

// The usage error for an output whose extension no image writer takes.
std::string unwritableFormat(const std::string& out);

// Encodes the image and writes it as writeOutput does.
int writePicture(const QImage& image, const std::string& out, const QByteArray& format);

} // namespace zephlo::tool
