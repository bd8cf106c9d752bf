#include "render/painted_icon.h"

#include <QPainter>
#include <QPixmap>

namespace zephlo {

QIcon paintedIcon(const std::function<void(QPainter&)>& draw, double units,
                  std::initializer_list<int> sizes) {
  QIcon icon;
  for (int size : sizes) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / units, size / units);
    draw(p);
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

} // namespace zephlo
