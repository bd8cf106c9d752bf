// The briefing editor's map area: keeps the last picture in an image, so a
// zoom of 0 leaves it standing, and hands the mouse to the active tool.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace zephlo {

class BrfMapTool;

class BrfMapView : public QWidget {
  Q_OBJECT
public:
  explicit BrfMapView(QWidget* parent = nullptr);

  // Paints into the kept picture and shows it.
  void paintWith(const std::function<void(QPainter&, QSize)>& paint);
  const QImage& picture() const { return picture_; }
  // The tool the mouse goes to; it stays the caller's.
  void setTool(BrfMapTool* tool) { tool_ = tool; }

signals:
  // Before the tool hears of it: where a button went down, where the pointer is.
  void pressedAt(QPoint pixel);
  void pointerAt(QPoint pixel);
  void resized();

protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

private:
  QImage picture_;
  BrfMapTool* tool_ = nullptr;
};

} // namespace zephlo
