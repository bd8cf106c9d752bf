// A window beside the main window that a checkable command shows and
// hides: it says when it is shown or hidden, however that happened (the
// command, its close button, the layout restored at start), so the command
// stays checked exactly while the window shows.
#pragma once

#include <QWidget>

namespace zephlo {

class ToolWindow : public QWidget {
  Q_OBJECT
public:
  using QWidget::QWidget;

signals:
  void visibilityChanged(bool visible);

protected:
  // Called before the window says it is shown: bring what it shows up to date.
  virtual void aboutToShow() {}
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
};

} // namespace zephlo
