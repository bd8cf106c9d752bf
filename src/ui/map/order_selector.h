// "Orders": the order/region selector. Four lines for the orders of the
// current region of the current flight group, and a tab per region.
#pragma once

#include <QWidget>

class QListWidget;
class QTabBar;

namespace zephlo {

class EditingDocument;

class TOrderSel : public QWidget {
  Q_OBJECT
public:
  explicit TOrderSel(EditingDocument& controller, QWidget* parent = nullptr);
  void refresh();

signals:
  void visibilityChanged(bool visible);

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

private:
  EditingDocument& c_;
  int filling_ = 0;
  QListWidget* OrderSelBox = nullptr;
  QTabBar* RegionTabs = nullptr;
};

} // namespace zephlo
