// Off-screen pictures for a scaled screen: the pixels of a size given in
// screen units times the screen's device pixel ratio, marked with that
// ratio, so painters keep working in screen units and the picture shows
// sharp at 150 % or 200 %.
#pragma once

#include <QImage>
#include <QSize>

namespace zephlo {

// The image pixels a size in screen units takes at the ratio (rounded up).
QSize screenPixels(QSize size, qreal ratio);
// A 32-bit picture of that many pixels, marked with the ratio.
QImage screenImage(QSize size, qreal ratio);
// Whether img has the pixels and the mark screenImage(size, ratio) gives.
bool madeFor(const QImage& img, QSize size, qreal ratio);

} // namespace zephlo
