// The briefing editor's map area: keeps the last picture in an image, so a
// zoom of 0 leaves it standing, and passes the mouse on to the window.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace zephlo {

class BrfMapView : public QWidget {
  Q_OBJECT
public:
  explicit BrfMapView(QWidget* parent = nullptr);

  // Paints into the kept picture and shows it.
  void paintWith(const std::function<void(QPainter&, QSize)>& paint);
  const QImage& picture() const { return picture_; }

  std::function<void(QMouseEvent*)> onPress, onMove, onRelease;
  std::function<void()> onResize;

protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

private:
  QImage picture_;
};

} // namespace zephlo
