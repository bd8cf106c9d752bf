// The map on the right of the main window's splitter, its Map menu and the
// order items of the Region menu.
#include "ui/details/details_window.h"
#include "ui/editing/action_registry.h"
#include "ui/editing/editing_document.h"
#include "ui/main/list_models.h"
#include "ui/main/main_window.h"
#include "ui/map/map_widget.h"
#include "ui/map/order_selector.h"
#include "ui/map/waypoint_editor.h"

#include <QAction>
#include <QActionGroup>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace zephlo {

void TForm1::buildMap() {
  auto* split = findChild<QSplitter*>(QStringLiteral("MainSplitter"));
  map_ = new MapWidget(c_, *actions_, prefs_, split);
  split->addWidget(map_);
  split->setStretchFactor(0, 0);
  split->setStretchFactor(1, 1);
  split->setSizes({380, 900});
  connect(split, &QSplitter::splitterMoved, this, [this] { listWidthChosen_ = true; });
  connect(fgModel_, &QAbstractItemModel::modelReset, this, &TForm1::fitListToLines);

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
      QAction* a = actions_->add({QStringLiteral("Order%1").arg(o) + QLatin1Char('1'),
                                  QStringLiteral("Order %1").arg(o),
                                  {},
                                  QStyle::SP_CustomBase,
                                  QKeySequence(QStringLiteral("Ctrl+F%1").arg(o)),
                                  true});
      a->setChecked(o == c_.state().currentOrder);
      regionMenu->addAction(a);
      orders->addAction(a);
      connect(a, &QAction::triggered, this, [this, o] { c_.setCurrentOrder(o); });
    }
    connect(&c_, &EditingDocument::orderChanged, orders,
            [orders](int o) { orders->actions().at(o - 1)->setChecked(true); });
    connect(&c_, &EditingDocument::documentReplaced, orders, [this, orders] {
      orders->actions().at(c_.state().currentOrder - 1)->setChecked(true);
    });
  }

  connect(&c_, &EditingDocument::regionChanged, this,
          [this](int r) { actions_->region(r)->setChecked(true); });
  buildMapToolWindows();
  connect(map_, &MapWidget::selectionSet, this, [this] { showSelections(); });
  connect(map_, &MapWidget::toggleDatapad, this, [this] {
    (*actions_)[Act::Datapad]->setChecked(!(*actions_)[Act::Datapad]->isChecked());
  });
}

// The order/region selector lives for the run; the waypoint editor exists
// while its button is down. Each has a tool button on the map's bar and an
// item in the View menu, kept in step.
void TForm1::buildMapToolWindows() {
  QMenu* viewMenu = nullptr;
  for (QAction* a : menuBar()->actions()) {
    if (a->menu() && a->text() == QStringLiteral("&View")) viewMenu = a->menu();
  }
  orderSel_ = new TOrderSel(c_, this);
  actions_->attachEditing(orderSel_);
  ActionRegistry& r = *actions_;
  QAction* showSel = mapCommand(r, "ShowOrderSel", QStringLiteral("Orders"),
                                QStringLiteral("Show Order-Region Selector"), true);
  QAction* selItem =
      mapCommand(r, "OrderRegionSelect1", QStringLiteral("&Order-Region Selector"), {}, true, "F7");
  connect(showSel, &QAction::toggled, orderSel_, &QWidget::setVisible);
  connect(selItem, &QAction::toggled, orderSel_, &QWidget::setVisible);
  connect(orderSel_, &TOrderSel::visibilityChanged, this, [showSel, selItem](bool on) {
    showSel->setChecked(on);
    selItem->setChecked(on);
  });

  QAction* wpBtn =
      mapCommand(r, "MapEditWPBtn", QStringLiteral("Waypoints"), QStringLiteral("Waypoints"), true);
  QAction* wpItem = mapCommand(r, "WPEditor1", QStringLiteral("&WP Editor"), {}, true, "F4");
  connect(wpItem, &QAction::toggled, wpBtn, &QAction::setChecked);
  connect(wpBtn, &QAction::toggled, this, [this, wpBtn, wpItem](bool on) {
    wpItem->setChecked(on);
    if (on && !wpForm_) {
      wpForm_ = new TWPform(c_, this);
      actions_->attachEditing(wpForm_);
      wpForm_->setAttribute(Qt::WA_DeleteOnClose);
      if (!prefs_.wpGeometry.isEmpty()) wpForm_->restoreGeometry(prefs_.wpGeometry);
      connect(wpForm_, &TWPform::closed, this, [this, wpBtn] {
        prefs_.wpGeometry = wpForm_->saveGeometry();
        wpForm_ = nullptr;
        wpBtn->setChecked(false);
      });
      wpForm_->show();
    } else if (!on && wpForm_) {
      wpForm_->close();
    }
  });
  map_->addToolActions({showSel, wpBtn});
  // The selector comes back as it was left, once the main window is up.
  if (prefs_.osv) QTimer::singleShot(0, showSel, [showSel] { showSel->setChecked(true); });

  QAction* classicMap =
      mapCommand(r, "ClassicMapview1", QStringLiteral("Classic &Map view"), {}, false, "F10");
  connect(classicMap, &QAction::triggered, this, [this, wpBtn] {
    (*actions_)[Act::MainPages]->setChecked(false);
    (*actions_)[Act::Datapad]->setChecked(false);
    orderSel_->hide();
    if (QWidget* memo = findChild<QWidget*>(QStringLiteral("TMemoForm"))) memo->hide();
    wpBtn->setChecked(false);
  });
  QAction* classicEditor =
      mapCommand(r, "ClassicFGEditview1", QStringLiteral("Classic &Editor view"), {}, false, "F9");
  connect(classicEditor, &QAction::triggered, this, [this, wpBtn] {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    if (avail.width() <= 640) {
      datapad_->move(50, 0);
      orderSel_->move(50, 400);
      return;
    }
    (*actions_)[Act::MainPages]->setChecked(true);
    // Centred over the part of the screen right of the pages.
    const int pagesRight = mapToGlobal(QPoint(OverallPages->geometry().right(), 0)).x();
    const QSize size = datapad_->frameGeometry().size();
    const int left = pagesRight + std::max(0, (avail.right() - pagesRight - size.width()) / 2);
    const int top = frameGeometry().top() + 60;
    datapad_->move(left, top);
    (*actions_)[Act::Datapad]->setChecked(true);
    if (currentPage() == MainPage::FlightGroups) {
      orderSel_->move(left, top + 412);
      orderSel_->show();
    }
    if (QWidget* memo = findChild<QWidget*>(QStringLiteral("TMemoForm"))) memo->hide();
    wpBtn->setChecked(false);
  });
  if (viewMenu) {
    viewMenu->addActions({selItem, wpItem});
    viewMenu->addSeparator();
    viewMenu->addActions({classicEditor, classicMap});
  }
}

void TForm1::saveMapLayout() {
  prefs_.osv = orderSel_->isVisible();
  if (wpForm_) prefs_.wpGeometry = wpForm_->saveGeometry();
}

void TForm1::fitListToLines() {
  auto* split = findChild<QSplitter*>(QStringLiteral("MainSplitter"));
  if (!split || listWidthChosen_ || !isVisible()) return;
  const QFontMetrics fm(ShipList->font());
  int widest = 0;
  for (int row = 0; row < fgModel_->rowCount(); ++row)
    widest = std::max(widest, fm.horizontalAdvance(fgModel_->index(row).data().toString()));
  // A line is drawn 2 pixels in, and reads better with as much room after it.
  const int missing = widest + 4 - ShipList->viewport()->width();
  if (missing <= 0) return;
  const QList<int> sizes = split->sizes();
  const int total = sizes.value(0) + sizes.value(1);
  const int pages = std::min(sizes.value(0) + missing, total * 45 / 100);
  if (pages > sizes.value(0)) split->setSizes({pages, total - pages});
}

} // namespace zephlo
