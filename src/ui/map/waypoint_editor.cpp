#include "ui/map/waypoint_editor.h"

#include "core/check/texts.h"
#include "core/map/map_units.h"
#include "core/map/waypoint_edits.h"
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
  l->setFixedWidth(100);
  pages::blackBase(l);
  for (int i = 0; i < l->count(); ++i)
    l->item(i)->setSizeHint(QSize(90, 20));
  return l;
}

// Sets a cell's text in place: the grid may be inside its own change signal.
void setCell(QTableWidget* g, int row, int column, const QString& text) {
  if (QTableWidgetItem* i = g->item(row, column))
    i->setText(text);
  else
    g->setItem(row, column, new QTableWidgetItem(text));
}

QString km(int units) { return QString::fromStdString(kmText(units)); }

QString regionName(const Document& d, int region) {
  const std::size_t off =
      hdr::RegionNames + static_cast<std::size_t>(region - 1) * hdr::RegionNameSize;
  return QString::fromLatin1(getText(d.header, off, hdr::RegionNameSize)).trimmed();
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
  WPEnabledList = enabledList("WPEnabledList",
                              {QStringLiteral(" Start 1"), QStringLiteral(" Start 2 ?"),
                               QStringLiteral(" Start 3 ?"), QStringLiteral("Depart Hyp"),
                               QStringLiteral("?"), QStringLiteral("?")},
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

  // Whatever changes the current flight group, its points, the region or
  // the order shows here.
  connect(&c_, &EditingDocument::documentReplaced, this, &TWPform::refresh);
  connect(&c_, &EditingDocument::documentChanged, this, &TWPform::refresh);
  connect(&c_, &EditingDocument::currentFlightGroupChanged, this, &TWPform::refresh);
  connect(&c_, &EditingDocument::regionChanged, this, &TWPform::refresh);
  connect(&c_, &EditingDocument::stateChanged, this, &TWPform::refresh);
  refresh();
  resize(360, sizeHint().height());
}

void TWPform::closeEvent(QCloseEvent* e) {
  e->accept();
  emit closed();
}

std::vector<int> TWPform::targets() const {
  const EditorState& st = c_.state();
  std::vector<int> out(st.selectedFGs.begin(), st.selectedFGs.end());
  if (out.empty()) out.push_back(st.currentFG);
  return out;
}

void TWPform::refresh() {
  const Document& d = c_.document();
  const EditorState& st = c_.state();
  if (st.currentFG < 0 || st.currentFG >= static_cast<int>(d.flightGroups.size())) return;
  ++filling_;
  const FGObject& f = d.flightGroups[static_cast<std::size_t>(st.currentFG)];
  const MissionLists lists = buildMissionLists(d);
  Label1->setText(QStringLiteral("At \"%1\" - %2")
                      .arg(regionName(d, st.currentRegion),
                           QString::fromLatin1(
                               orderLineText(f.order(st.currentRegion, st.currentOrder), lists))));
  for (int row = 1; row <= kStartGridRows; ++row) {
    for (int axis = 0; axis < 3; ++axis)
      setCell(WPGrid, row - 1, axis, km(startGridValue(f, row, axis)));
    WPEnabledList->item(row - 1)->setSelected(startGridEnabled(f, row));
  }
  for (int w = 1; w <= 8; ++w) {
    for (int axis = 0; axis < 3; ++axis) {
      setCell(OrderWPGrid, w - 1, axis,
              km(orderWaypointValue(f, st.currentRegion, st.currentOrder, w, axis)));
    }
    OrderWPEnabledList->item(w - 1)->setSelected(
        orderWaypointEnabled(f, st.currentRegion, st.currentOrder, w));
  }
  for (std::size_t k = 0; k < 4; ++k)
    startRegions_[k]->setCurrentIndex(std::min<int>(f.at(fg::StartRegion + k), 3));
  const int heading = f.at(fg::Heading);
  const int pressed = heading == 64 ? 1 : heading == 128 ? 2 : heading == 192 ? 3 : 0;
  ToolOrient->actions().at(pressed)->setChecked(true);
  --filling_;
}

void TWPform::WPGridSetEditText(int row, int column) {
  if (filling_) return;
  const auto units = kmTextToUnits(WPGrid->item(row, column)->text().toStdString());
  if (!units) {
    c_.prompts().showError(QString::fromStdString(units.error().message));
    refresh();
    return;
  }
  c_.apply(startPointCellOperation(targets(), row + 1, column, *units));
}

void TWPform::OrderWPGridSetEditText(int row, int column) {
  if (filling_) return;
  const auto units = kmTextToUnits(OrderWPGrid->item(row, column)->text().toStdString());
  if (!units) {
    c_.prompts().showError(QString::fromStdString(units.error().message));
    refresh();
    return;
  }
  const EditorState& st = c_.state();
  c_.apply(orderWaypointCellOperation(targets(), st.currentRegion, st.currentOrder, row + 1, column,
                                      *units));
}

void TWPform::WPEnabledListClick(int row) {
  if (filling_ || row < 0) return;
  c_.apply(startEnabledOperation(targets(), row + 1, WPEnabledList->item(row)->isSelected()));
}

void TWPform::OrderWPEnabledListClick(int row) {
  if (filling_ || row < 0) return;
  const EditorState& st = c_.state();
  c_.apply(orderWaypointEnabledOperation(targets(), st.currentRegion, st.currentOrder, row + 1,
                                         OrderWPEnabledList->item(row)->isSelected()));
}

void TWPform::StartRegionChange(int point, int region) {
  if (filling_ || region < 0) return;
  c_.apply(startRegionOperation(targets(), point, region));
}

} // namespace zephlo
