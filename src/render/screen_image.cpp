#include "render/screen_image.h"

#include <cmath>

namespace zephlo {

namespace {
qreal usable(qreal ratio) { return ratio > 0 ? ratio : 1; }
} // namespace

QSize screenPixels(QSize size, qreal ratio) {
  ratio = usable(ratio);
  return {static_cast<int>(std::ceil(size.width() * ratio)),
          static_cast<int>(std::ceil(size.height() * ratio))};
}

QImage screenImage(QSize size, qreal ratio) {
  QImage img(screenPixels(size, ratio), QImage::Format_RGB32);
  img.setDevicePixelRatio(usable(ratio));
  return img;
}

bool madeFor(const QImage& img, QSize size, qreal ratio) {
  return img.size() == screenPixels(size, ratio) && img.devicePixelRatio() == usable(ratio);
}

} // namespace zephlo
