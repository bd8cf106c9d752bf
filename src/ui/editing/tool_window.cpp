#include "ui/editing/tool_window.h"

namespace zephlo {

void ToolWindow::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  aboutToShow();
  emit visibilityChanged(true);
}

void ToolWindow::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  emit visibilityChanged(false);
}

} // namespace zephlo
