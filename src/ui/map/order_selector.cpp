#include "ui/map/order_selector.h"

#include "core/check/texts.h"
#include "ui/editing/editing_document.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QTabBar>

namespace zephlo {

TOrderSel::TOrderSel(EditingDocument& controller, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), c_(controller) {
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
  connect(&c_, &EditingDocument::documentReplaced, this, &TOrderSel::refresh);
  connect(&c_, &EditingDocument::documentChanged, this, &TOrderSel::refresh);
  connect(&c_, &EditingDocument::currentFlightGroupChanged, this, &TOrderSel::refresh);
  connect(&c_, &EditingDocument::regionChanged, this, &TOrderSel::refresh);
  connect(&c_, &EditingDocument::stateChanged, this, &TOrderSel::refresh);
  resize(420, 88);
  refresh();
}

void TOrderSel::refresh() {
  const Document& d = c_.document();
  const EditorState& st = c_.state();
  ++filling_;
  const std::size_t off =
      hdr::RegionNames + static_cast<std::size_t>(st.currentRegion - 1) * hdr::RegionNameSize;
  const QString region = QString::fromLatin1(getText(d.header, off, hdr::RegionNameSize)).trimmed();
  setWindowTitle(QStringLiteral("Order %1, Region #%2: \"%3\"")
                     .arg(st.currentOrder)
                     .arg(st.currentRegion)
                     .arg(region));
  if (st.currentFG >= 0 && st.currentFG < static_cast<int>(d.flightGroups.size())) {
    const FGObject& f = d.flightGroups[static_cast<std::size_t>(st.currentFG)];
    const MissionLists lists = buildMissionLists(d);
    for (int o = 1; o <= 4; ++o)
      OrderSelBox->item(o - 1)->setText(
          QString::fromLatin1(orderLineText(f.order(st.currentRegion, o), lists)));
  }
  OrderSelBox->setCurrentRow(st.currentOrder - 1);
  RegionTabs->setCurrentIndex(st.currentRegion - 1);
  --filling_;
}

void TOrderSel::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  refresh();
  emit visibilityChanged(true);
}

void TOrderSel::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  emit visibilityChanged(false);
}

} // namespace zephlo
