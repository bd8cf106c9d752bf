// "Orders": the order/region selector. Four lines for the orders of the
// current region of the current flight group, and a tab per region.
//
// While shown it follows the notices narrowly: the lines when the current
// flight group, the region or what the lines name changes; the caption when
// the region, the order or the region names change; a drag changes nothing
// it shows. Hidden, it catches up when shown.
#pragma once

#include "ui/editing/tool_window.h"

class QListWidget;
class QTabBar;

namespace zephlo {

class EditingDocument;
struct Change;

class TOrderSel : public ToolWindow {
  Q_OBJECT
public:
  explicit TOrderSel(EditingDocument& controller, QWidget* parent = nullptr);
  // Shows everything afresh.
  void refresh();

protected:
  void aboutToShow() override;

private:
  void documentChanged(const Change& change);
  void showCaption();
  void showLines();
  void showCurrent();

  EditingDocument& c_;
  int filling_ = 0;
  QListWidget* OrderSelBox = nullptr;
  QTabBar* RegionTabs = nullptr;
};

} // namespace zephlo
