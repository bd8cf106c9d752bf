// The map on the right of the main window's splitter, its Map menu and the
// order items of the Region menu.
#include "app/actions.h"
#include "app/document_controller.h"
#include "app/main_window.h"
#include "map/map_widget.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>

namespace zephlo {

void TForm1::buildMap() {
  auto* split = findChild<QSplitter*>(QStringLiteral("MainSplitter"));
  map_ = new MapWidget(c_, prefs_, split);
  split->addWidget(map_);
  split->setStretchFactor(0, 0);
  split->setStretchFactor(1, 1);
  split->setSizes({380, 900});

  QMenu* regionMenu = nullptr;
  for (QAction* a : menuBar()->actions()) {
    if (a->menu() && a->text() == QStringLiteral("&Region")) regionMenu = a->menu();
  }
  auto* mapMenu = new QMenu(QStringLiteral("&Map"), this);
  mapMenu->setObjectName(QStringLiteral("Map1"));
  map_->fillMapMenu(mapMenu);
  if (regionMenu)
    menuBar()->insertMenu(regionMenu->menuAction(), mapMenu);
  else
    menuBar()->addMenu(mapMenu);

  // The order the map and the Orders page show: Ctrl+F1 .. Ctrl+F4.
  if (regionMenu) {
    regionMenu->setObjectName(QStringLiteral("Region1"));
    regionMenu->addSeparator();
    auto* orders = new QActionGroup(this);
    for (int o = 1; o <= 4; ++o) {
      QAction* a = regionMenu->addAction(QStringLiteral("Order %1").arg(o));
      a->setObjectName(QStringLiteral("Order%11").arg(o));
      a->setCheckable(true);
      a->setChecked(o == c_.state().currentOrder);
      a->setShortcut(QKeySequence(QStringLiteral("Ctrl+F%1").arg(o)));
      addAction(a);
      orders->addAction(a);
      connect(a, &QAction::triggered, this, [this, o] { c_.setCurrentOrder(o); });
    }
    connect(&c_, &DocumentController::stateChanged, orders, [this, orders] {
      const int o = c_.state().currentOrder;
      orders->actions().at(o - 1)->setChecked(true);
    });
    connect(&c_, &DocumentController::documentReplaced, orders, [this, orders] {
      orders->actions().at(c_.state().currentOrder - 1)->setChecked(true);
    });
  }

  connect(&c_, &DocumentController::regionChanged, this,
          [this](int r) { actions_->regions[static_cast<std::size_t>(r - 1)]->setChecked(true); });
  connect(map_, &MapWidget::selectionSet, this, [this] { showSelections(); });
  connect(map_, &MapWidget::toggleDatapad, this,
          [this] { actions_->datapad->setChecked(!actions_->datapad->isChecked()); });
}

} // namespace zephlo
