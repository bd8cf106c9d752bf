#include "render/screen_image.h"

#include <cmath>

namespace zephlo {

QSize screenPixels(QSize size, qreal ratio) {
  if (!(ratio > 0)) ratio = 1;
  return {static_cast<int>(std::ceil(size.width() * ratio)),
          static_cast<int>(std::ceil(size.height() * ratio))};
}

QImage screenImage(QSize size, qreal ratio) {
  QImage img(screenPixels(size, ratio), QImage::Format_RGB32);
  img.setDevicePixelRatio(ratio > 0 ? ratio : 1);
  return img;
}

} // namespace zephlo
