#include "ui/map/waypoint_editor.h"

#include "core/check/order_captions.h"
#include "core/map/map_units.h"
#include "core/map/waypoint_edits.h"
#include "core/map/waypoints.h"
#include "core/mission/store_values.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace zephlo {

namespace {

QTableWidget* grid(const char* name, int rows, QWidget* parent) {
  auto* g = new QTableWidget(rows, 3, parent);
  g->setObjectName(QString::fromLatin1(name));
  g->setHorizontalHeaderLabels({QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")});
  g->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  g->verticalHeader()->setDefaultSectionSize(20);
  g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  g->setFixedHeight(g->horizontalHeader()->sizeHint().height() + rows * 20 + 4);
  return g;
}

QListWidget* enabledList(const char* name, const QStringList& items, QWidget* parent) {
  auto* l = new QListWidget(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->addItems(items);
  l->setSelectionMode(QAbstractItemView::MultiSelection);
  l->setFixedHeight(items.size() * 20 + 4);
  // Wide enough for the longest name in the window's font.
  int widest = 0;
  for (const QString& item : items)
    widest = std::max(widest, l->fontMetrics().horizontalAdvance(item));
  l->setFixedWidth(std::max(100, widest + 2 * l->frameWidth() + 16));
  pages::blackBase(l);
  for (int i = 0; i < l->count(); ++i)
    l->item(i)->setSizeHint(QSize(90, 20));
  return l;
}

QString km(int units) { return QString::fromStdString(kmText(units)); }

void showSelected(QListWidget* l, int row, bool on) {
  if (l->item(row)->isSelected() != on) l->item(row)->setSelected(on);
}

} // namespace

TWPform::TWPform(EditingDocument& controller, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), c_(controller) {
  setObjectName(QStringLiteral("WPform"));
  setWindowTitle(QStringLiteral("Waypoints"));
  auto* layout = new QVBoxLayout(this);
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  layout->addWidget(Label1);

  auto* starts = new QHBoxLayout;
  WPGrid = grid("WPGrid", kStartGridRows, this);
  WPEnabledList =
      enabledList("WPEnabledList",
                  {QStringLiteral(" Start 1"), QStringLiteral(" Start 2 ?"),
                   QStringLiteral(" Start 3 ?"), QStringLiteral("Depart Hyp"),
                   QStringLiteral(" Further point 1"), QStringLiteral(" Further point 2")},
                  this);
  starts->addWidget(WPEnabledList);
  starts->addWidget(WPGrid, 1);
  layout->addLayout(starts);

  auto* regions = new QHBoxLayout;
  regions->addWidget(new QLabel(QStringLiteral("Start regions"), this));
  for (int k = 1; k <= 4; ++k) {
    auto* box = new QComboBox(this);
    box->setObjectName(QStringLiteral("Start%1Region").arg(k));
    box->addItems(
        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    startRegions_[static_cast<std::size_t>(k - 1)] = box;
    regions->addWidget(box);
    connect(box, &QComboBox::currentIndexChanged, this,
            [this, k](int region) { StartRegionChange(k, region); });
  }
  auto* orient = new QToolBar(this);
  orient->setObjectName(QStringLiteral("ToolOrient"));
  ToolOrient = new QActionGroup(this);
  const char* const hints[4] = {"0 deg default rotation", "90 deg default rotation",
                                "180 deg default rotation", "270 deg default rotation"};
  for (int k = 0; k < 4; ++k) {
    QAction* a = orient->addAction(QStringLiteral("%1").arg(k * 90));
    a->setToolTip(QString::fromLatin1(hints[k]));
    a->setCheckable(true);
    a->setEnabled(false); // shows the heading; the Ship page edits it
    a->setData(k * 64);
    ToolOrient->addAction(a);
  }
  regions->addStretch(1);
  layout->addLayout(regions);
  auto* heading = new QHBoxLayout;
  heading->addWidget(new QLabel(QStringLiteral("Default heading"), this));
  heading->addWidget(orient);
  heading->addStretch(1);
  layout->addLayout(heading);

  auto* order = new QHBoxLayout;
  OrderWPGrid = grid("OrderWPGrid", 8, this);
  QStringList wps;
  for (int k = 1; k <= 8; ++k)
    wps << QStringLiteral(" Waypoint %1").arg(k);
  OrderWPEnabledList = enabledList("OrderWPEnabledList", wps, this);
  order->addWidget(OrderWPEnabledList);
  order->addWidget(OrderWPGrid, 1);
  layout->addLayout(order);

  connect(WPGrid, &QTableWidget::cellChanged, this, &TWPform::WPGridSetEditText);
  connect(OrderWPGrid, &QTableWidget::cellChanged, this, &TWPform::OrderWPGridSetEditText);
  connect(WPEnabledList, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* i) { WPEnabledListClick(WPEnabledList->row(i)); });
  connect(OrderWPEnabledList, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* i) { OrderWPEnabledListClick(OrderWPEnabledList->row(i)); });

  connect(&c_, &EditingDocument::documentReplaced, this, &TWPform::refresh);
  connect(&c_, &EditingDocument::documentChanged, this, &TWPform::documentChanged);
  connect(&c_, &EditingDocument::currentFlightGroupChanged, this, &TWPform::refresh);
  auto shownOrderChanged = [this] {
    showCaption();
    showOrderPoints();
  };
  connect(&c_, &EditingDocument::regionChanged, this, shownOrderChanged);
  connect(&c_, &EditingDocument::orderChanged, this, shownOrderChanged);
  refresh();
  resize(360, sizeHint().height());
}

void TWPform::closeEvent(QCloseEvent* e) {
  e->accept();
  emit closed();
}

const FGObject* TWPform::current() const {
  const Document& d = c_.document();
  const int fg = c_.state().currentFG;
  if (fg < 0 || fg >= static_cast<int>(d.flightGroups.size())) return nullptr;
  return &d.flightGroups[static_cast<std::size_t>(fg)];
}

void TWPform::refresh() {
  showCaption();
  showStartPoints();
  showOrderPoints();
  showRecordFields();
}

void TWPform::documentChanged(const Change& change) {
  if (change.flightGroupList) {
    refresh();
    return;
  }
  const std::vector<int>& fgs = change.flightGroups;
  const bool current = std::binary_search(fgs.begin(), fgs.end(), c_.state().currentFG);
  if (current && (change.fgAspects & kFGPosition)) {
    showStartPoints();
    showOrderPoints();
  }
  if (current && (change.fgAspects & kFGRecord)) showRecordFields();
  // The caption names the region and the order's targets: flight groups by
  // their labels, teams by their names. A drag changes none of them.
  if (change.header || change.teams.any() || (change.fgAspects & kFGRecord)) showCaption();
}

void TWPform::showCaption() {
  const EditorState& st = c_.state();
  Label1->setText(QString::fromLatin1(
      waypointEditorCaption(c_.document(), st.currentFG, st.currentRegion, st.currentOrder)));
}

void TWPform::showStartPoints() {
  const FGObject* f = current();
  if (!f) return;
  ++filling_;
  for (int row = 1; row <= kStartGridRows; ++row) {
    for (int axis = 0; axis < 3; ++axis)
      pages::showCell(WPGrid, row - 1, axis, km(startGridValue(*f, row, axis)));
    showSelected(WPEnabledList, row - 1, startGridEnabled(*f, row));
  }
  --filling_;
}

void TWPform::showOrderPoints() {
  const FGObject* f = current();
  if (!f) return;
  const EditorState& st = c_.state();
  ++filling_;
  for (int w = 1; w <= 8; ++w) {
    for (int axis = 0; axis < 3; ++axis) {
      pages::showCell(OrderWPGrid, w - 1, axis,
                      km(orderWaypointValue(*f, st.currentRegion, st.currentOrder, w, axis)));
    }
    showSelected(OrderWPEnabledList, w - 1,
                 orderWaypointEnabled(*f, st.currentRegion, st.currentOrder, w));
  }
  --filling_;
}

void TWPform::showRecordFields() {
  const FGObject* f = current();
  if (!f) return;
  ++filling_;
  for (std::size_t k = 0; k < 4; ++k)
    pages::showValue(startRegions_[k], std::min<int>(f->at(fg::StartRegion + k), 3));
  ToolOrient->actions().at(headingQuarter(f->at(fg::Heading)))->setChecked(true);
  --filling_;
}

void TWPform::showCommitted(QTableWidget* grid, int row, int column, int units) {
  ++filling_;
  if (QTableWidgetItem* i = grid->item(row, column); i && i->text() != km(units))
    i->setText(km(units));
  --filling_;
}

// A cell commits when its editing ends: Enter, the focus leaving, another
// cell. A refused text shows the stored value again.
void TWPform::WPGridSetEditText(int row, int column) {
  const FGObject* f = current();
  if (filling_ || !f) return;
  const auto units = kmTextToUnits(WPGrid->item(row, column)->text().toStdString());
  if (!units)
    c_.prompts().showError(QString::fromStdString(units.error().message));
  else
    c_.apply(startPointCellOperation(fgSelection(c_.state()), row + 1, column, *units));
  if ((f = current())) showCommitted(WPGrid, row, column, startGridValue(*f, row + 1, column));
}

void TWPform::OrderWPGridSetEditText(int row, int column) {
  const FGObject* f = current();
  if (filling_ || !f) return;
  const EditorState& st = c_.state();
  const auto units = kmTextToUnits(OrderWPGrid->item(row, column)->text().toStdString());
  if (!units)
    c_.prompts().showError(QString::fromStdString(units.error().message));
  else
    c_.apply(orderWaypointCellOperation(fgSelection(c_.state()), st.currentRegion, st.currentOrder,
                                        row + 1, column, *units));
  if ((f = current())) {
    showCommitted(OrderWPGrid, row, column,
                  orderWaypointValue(*f, st.currentRegion, st.currentOrder, row + 1, column));
  }
}

void TWPform::WPEnabledListClick(int row) {
  if (filling_ || row < 0) return;
  c_.apply(startEnabledOperation(fgSelection(c_.state()), row + 1,
                                 WPEnabledList->item(row)->isSelected()));
}

void TWPform::OrderWPEnabledListClick(int row) {
  if (filling_ || row < 0) return;
  const EditorState& st = c_.state();
  c_.apply(orderWaypointEnabledOperation(fgSelection(c_.state()), st.currentRegion, st.currentOrder,
                                         row + 1, OrderWPEnabledList->item(row)->isSelected()));
}

void TWPform::StartRegionChange(int point, int region) {
  if (filling_ || region < 0) return;
  c_.apply(startRegionOperation(fgSelection(c_.state()), point, region));
}

} // namespace zephlo
