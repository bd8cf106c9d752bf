#include "ui/map/order_selector.h"

#include "core/check/order_captions.h"
#include "ui/editing/editing_document.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QTabBar>

namespace zephlo {

TOrderSel::TOrderSel(EditingDocument& controller, QWidget* parent)
    : ToolWindow(parent, Qt::Tool | Qt::WindowStaysOnTopHint), c_(controller) {
  setObjectName(QStringLiteral("OrderSel"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(0);
  OrderSelBox = new QListWidget(this);
  OrderSelBox->setObjectName(QStringLiteral("OrderSelBox"));
  QPalette p = OrderSelBox->palette();
  p.setColor(QPalette::Base, QColor(0xBF, 0xBF, 0xFF));
  p.setColor(QPalette::Text, Qt::black);
  OrderSelBox->setPalette(p);
  for (int o = 0; o < 4; ++o)
    OrderSelBox->addItem(QString());
  layout->addWidget(OrderSelBox, 1);
  RegionTabs = new QTabBar(this);
  RegionTabs->setObjectName(QStringLiteral("RegionTabs"));
  RegionTabs->setShape(QTabBar::RoundedEast);
  for (int r = 1; r <= 4; ++r)
    RegionTabs->addTab(QString::number(r));
  layout->addWidget(RegionTabs);

  connect(OrderSelBox, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!filling_ && row >= 0) c_.setCurrentOrder(row + 1);
  });
  connect(RegionTabs, &QTabBar::currentChanged, this, [this](int tab) {
    if (!filling_ && tab >= 0) c_.setCurrentRegion(tab + 1);
  });
  auto whileShown = [this](void (TOrderSel::*show)()) {
    return [this, show] {
      if (isVisible()) (this->*show)();
    };
  };
  connect(&c_, &EditingDocument::documentReplaced, this, whileShown(&TOrderSel::refresh));
  connect(&c_, &EditingDocument::documentChanged, this, [this](const Change& change) {
    if (isVisible()) documentChanged(change);
  });
  connect(&c_, &EditingDocument::currentFlightGroupChanged, this,
          whileShown(&TOrderSel::showLines));
  connect(&c_, &EditingDocument::regionChanged, this, whileShown(&TOrderSel::refresh));
  connect(&c_, &EditingDocument::orderChanged, this, [this] {
    if (!isVisible()) return;
    showCaption();
    showCurrent();
  });
  resize(420, 88);
  refresh();
}

void TOrderSel::refresh() {
  showCaption();
  showLines();
  showCurrent();
}

void TOrderSel::documentChanged(const Change& change) {
  if (change.header) showCaption(); // the region names
  // The lines name flight groups by their labels and teams by their names.
  if (change.flightGroupList || change.teams.any() || (change.fgAspects & kFGRecord)) showLines();
}

void TOrderSel::showCaption() {
  const EditorState& st = c_.state();
  setWindowTitle(
      QString::fromLatin1(orderSelectorCaption(c_.document(), st.currentRegion, st.currentOrder)));
}

void TOrderSel::showLines() {
  const EditorState& st = c_.state();
  if (st.currentFG < 0 || st.currentFG >= static_cast<int>(c_.document().flightGroups.size()))
    return;
  const auto lines = regionOrderLines(c_.document(), st.currentFG, st.currentRegion);
  for (int o = 0; o < 4; ++o) {
    const QString text = QString::fromLatin1(lines[static_cast<std::size_t>(o)]);
    if (OrderSelBox->item(o)->text() != text) OrderSelBox->item(o)->setText(text);
  }
}

void TOrderSel::showCurrent() {
  const EditorState& st = c_.state();
  ++filling_;
  OrderSelBox->setCurrentRow(st.currentOrder - 1);
  RegionTabs->setCurrentIndex(st.currentRegion - 1);
  --filling_;
}

void TOrderSel::aboutToShow() { refresh(); }

} // namespace zephlo
