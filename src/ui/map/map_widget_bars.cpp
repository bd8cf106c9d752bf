// The map's tool bars, its Map menu and the map area's controls. Every
// command is an action of the registry, under the name the window gives it.
#include "ui/map/map_widget.h"

#include "ui/map/map_canvas.h"
#include "ui/map/map_tool_icons.h"

#include "core/map/battlefield.h"
#include "core/map/map_units.h"
#include "render/qt_colour.h"
#include "ui/editing/action_registry.h"
#include "ui/editing/editing_document.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSlider>
#include <QToolBar>
#include <QVBoxLayout>

namespace zephlo {

namespace {

const char* const kIffNames[6] = {"RebIFF", "ImpIFF", "BluIFF", "YellIFF", "Red2IFF", "PurpIFF"};
const char* const kIffHints[6] = {"IFF Rebel",  "IFF imperial", "IFF Blue",
                                  "IFF Yellow", "IFF Red",      "IFF Azzameen"};
const char* const kClassNames[kClassButtons] = {"FightersOn", "CapShipsOn",  "TransportsOn",
                                                "FRTsOn",     "PlatformsOn", "ObjectsOn"};
const char* const kClassHints[kClassButtons] = {
    "Starfighter Class",         "Starship Class", "Transport or Utility Class",
    "Freighter/Container Class", "Platform Class", "Objects"};
const char* const kClassCaptions[kClassButtons] = {"Ftr", "Ship", "Trn", "Frt", "Plt", "Obj"};
const char* const kSnapCaptions[5] = {"Off", "0.1 km", "0.2 km", "0.5 km", "1.0 km"};

QActionGroup* groupOf(QObject* parent, std::initializer_list<QAction*> actions,
                      bool exclusive = true) {
  auto* g = new QActionGroup(parent);
  if (!exclusive) g->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (QAction* a : actions)
    g->addAction(a);
  return g;
}

} // namespace

QAction* mapCommand(ActionRegistry& registry, const char* id, const QString& caption,
                    const QString& hint, bool checkable, const char* key) {
  QAction* a =
      registry.add({QString::fromLatin1(id), caption, hint, QStyle::SP_CustomBase,
                    key ? QKeySequence(QString::fromLatin1(key)) : QKeySequence(), checkable});
  a->setIconText(caption);
  // Tool buttons show a picture and name the command in their tool tip.
  if (const QIcon icon = mapToolIcon(QString::fromLatin1(id)); !icon.isNull()) a->setIcon(icon);
  return a;
}

void MapWidget::buildToolBars() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  auto bar = [this, outer](const QString& title, const char* name) {
    auto* b = new QToolBar(title, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setIconSize(QSize(16, 16));
    outer->addWidget(b);
    return b;
  };
  buildViewBar(bar(QStringLiteral("Map"), "MapBar"));
  mapBar_ = bar(QStringLiteral("Map display"), "MapDisplayBar");
  buildDisplayBar(mapBar_);
  buildFilterBar(bar(QStringLiteral("Filters"), "FilterBar"));
  buildMenuCommands();
}

// Views, zoom presets, centring, AutoCentre and the regions.
void MapWidget::buildViewBar(QToolBar* bar) {
  XY = command("XY", QStringLiteral("X-Y"), QStringLiteral("X-Y View"), true);
  XZ = command("XZ", QStringLiteral("X-Z"), QStringLiteral("X-Z View"), true);
  YZ = command("YZ", QStringLiteral("Y-Z"), QStringLiteral("Y-Z View"), true);
  XY->setChecked(true);
  groupOf(this, {XY, XZ, YZ});
  bar->addActions({XY, XZ, YZ});
  connect(XY, &QAction::triggered, this, [this] { setView(ViewMode::XY); });
  connect(XZ, &QAction::triggered, this, [this] { setView(ViewMode::XZ); });
  connect(YZ, &QAction::triggered, this, [this] { setView(ViewMode::YZ); });
  bar->addSeparator();

  QAction* zoom16 = command("ZoomTo16Btn", QStringLiteral("16"), QStringLiteral("Zoom to 16"));
  QAction* zoom800 = command("ZoomTo800Btn", QStringLiteral("800"), QStringLiteral("Zoom to 800"));
  QAction* centre = command("CentreMapBtn", QStringLiteral("Ctr"), QStringLiteral("Centre Map"));
  QAction* ctrFG =
      command("CtrFGBtn", QStringLiteral("FG"), QStringLiteral("Centre on current FG"));
  QAction* fit =
      command("FitBattleBtn", QStringLiteral("Fit"), QStringLiteral("Fit to battlefield"));
  bar->addActions({zoom16, zoom800, centre, ctrFG, fit});
  connect(zoom16, &QAction::triggered, this, [this] { setZoom(16); });
  connect(zoom800, &QAction::triggered, this, [this] { setZoom(800); });
  connect(centre, &QAction::triggered, this, [this] {
    view_.centreOn(0, 0);
    syncScrollBars();
    repaintMap();
  });
  connect(ctrFG, &QAction::triggered, this, [this] {
    centreOnCurrent();
    repaintMap();
  });
  connect(fit, &QAction::triggered, this, &MapWidget::fitToBattlefield);
  bar->addSeparator();

  LockBattleCtr = command("LockBattleCtr", QStringLiteral("A:Fit"),
                          QStringLiteral("AutoCentre: Fit to battlefield"), true);
  LockCtr =
      command("LockCtr", QStringLiteral("A:0"), QStringLiteral("AutoCentre: at Map centre"), true);
  LockCurr = command("LockCurr", QStringLiteral("A:FG"),
                     QStringLiteral("AutoCentre: on current FG"), true);
  LockZero =
      command("LockZero", QStringLiteral("A:Y0"), QStringLiteral("AutoCentre: zero Y axis"), true);
  LockCtr->setData(static_cast<int>(AutoCentre::MapCentre));
  LockCurr->setData(static_cast<int>(AutoCentre::CurrentFG));
  LockZero->setData(static_cast<int>(AutoCentre::ZeroVertical));
  LockBattleCtr->setData(static_cast<int>(AutoCentre::FitBattlefield));
  QActionGroup* autos = groupOf(this, {LockBattleCtr, LockCtr, LockCurr, LockZero}, false);
  for (QAction* a : autos->actions())
    a->setChecked(a->data().toInt() == static_cast<int>(view_.autoCentre));
  bar->addActions(autos->actions());
  connect(autos, &QActionGroup::triggered, this, [this, autos] {
    QAction* down = autos->checkedAction();
    view_.autoCentre = down ? static_cast<AutoCentre>(down->data().toInt()) : AutoCentre::None;
  });
  bar->addSeparator();

  const char* const regionIds[4] = {"R1btn", "R2btn", "R3btn", "R4Btn"};
  auto* regions = new QActionGroup(this);
  for (int r = 1; r <= 4; ++r) {
    QAction* a = command(regionIds[r - 1], QStringLiteral("R%1").arg(r),
                         QStringLiteral("Region %1").arg(r), true);
    a->setChecked(r == c_.state().currentRegion);
    regions->addAction(a);
    regionButtons_[static_cast<std::size_t>(r - 1)] = a;
    connect(a, &QAction::triggered, this, [this, r] { c_.setCurrentRegion(r); });
  }
  bar->addActions(regions->actions());
}

// What is drawn, the locks, the palette, the snap pop-ups and the chooser.
void MapWidget::buildDisplayBar(QToolBar* bar) {
  QAction* names = command("NamesOn", QStringLiteral("Names"), QStringLiteral("Show Names"), true);
  names->setChecked(view_.namesOn);
  CurrOnly = command("CurrOnly", QStringLiteral("Curr"), QStringLiteral("Current FG only"), true);
  AllWPS = command("AllWPS", QStringLiteral("All WPs"), QStringLiteral("Show all WPs"), true);
  AllWPS->setChecked(view_.waypoints == WaypointDisplay::All);
  AllWPS->setEnabled(false); // pressed only by the start-up preference
  CurrWPs = command("CurrWPs", QStringLiteral("WPs"), QStringLiteral("Current FG's WPs"), true);
  CurrWPs->setChecked(view_.waypoints == WaypointDisplay::Current);
  QActionGroup* wps = groupOf(this, {AllWPS, CurrWPs}, false);
  QAction* lock =
      command("LockBtn", QStringLiteral("Lock"), QStringLiteral("Lock Start 1 waypoint"), true);
  QAction* lockX =
      command("LockX", QStringLiteral("X"), QStringLiteral("Lock current X coordinate"), true);
  QAction* lockY =
      command("LockY", QStringLiteral("Y"), QStringLiteral("Lock current Y coordinate"), true);
  QAction* palette =
      command("PaletOn", QStringLiteral("Palette"), QStringLiteral("Show icon palette"), true);
  palette->setChecked(view_.paletteOn);
  bar->addActions({names, CurrOnly, AllWPS, CurrWPs, lock, lockX, lockY, palette});
  connect(wps, &QActionGroup::triggered, this, [this] {
    view_.waypoints = AllWPS->isChecked()    ? WaypointDisplay::All
                      : CurrWPs->isChecked() ? WaypointDisplay::Current
                                             : WaypointDisplay::None;
    repaintMap();
  });
  // A toggle that changes what is drawn: the view takes it, the map repaints.
  auto drawnBy = [this](QAction* a, bool MapView::*flag) {
    connect(a, &QAction::toggled, this, [this, flag](bool on) {
      view_.*flag = on;
      repaintMap();
    });
  };
  drawnBy(names, &MapView::namesOn);
  drawnBy(lock, &MapView::startLocked);
  drawnBy(palette, &MapView::paletteOn);
  connect(lockX, &QAction::toggled, this, [this](bool on) { view_.lockX = on; });
  connect(lockY, &QAction::toggled, this, [this](bool on) { view_.lockY = on; });
  connect(CurrOnly, &QAction::toggled, this, [this] {
    applyCurrentOnly();
    if (CurrOnly->isChecked() && prefs_.centre) centreOnCurrent();
    repaintMap();
  });

  // The snap pop-ups open on a right click of the lock buttons.
  XsnapPop = new QMenu(QStringLiteral("X Snap"), this);
  XsnapPop->setObjectName(QStringLiteral("XsnapPop"));
  YSnapPop = new QMenu(QStringLiteral("Y Snap"), this);
  YSnapPop->setObjectName(QStringLiteral("YSnapPop"));
  xSnapGroup_ = new QActionGroup(this);
  ySnapGroup_ = new QActionGroup(this);
  for (int k = 0; k < 5; ++k) {
    for (bool x : {true, false}) {
      const std::string id = (x ? "XSnap" : "YSnap") + std::to_string(k);
      QAction* a = command(id.c_str(), QString::fromLatin1(kSnapCaptions[k]), {}, true);
      a->setChecked(k == 0);
      a->setData(kSnapSteps[k]);
      (x ? xSnapGroup_ : ySnapGroup_)->addAction(a);
      (x ? XsnapPop : YSnapPop)->addAction(a);
    }
  }
  connect(xSnapGroup_, &QActionGroup::triggered, this,
          [this](QAction* a) { view_.snapX = a->data().toInt(); });
  connect(ySnapGroup_, &QActionGroup::triggered, this,
          [this](QAction* a) { view_.snapY = a->data().toInt(); });
  for (QAction* a : {lockX, lockY}) {
    QWidget* w = bar->widgetForAction(a);
    if (!w) continue;
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu* pop = a == lockX ? XsnapPop : YSnapPop;
    connect(w, &QWidget::customContextMenuRequested, this,
            [w, pop](const QPoint& p) { pop->exec(w->mapToGlobal(p)); });
  }
  bar->addSeparator();

  SelectionBox = new QComboBox(bar);
  SelectionBox->setObjectName(QStringLiteral("SelectionBox"));
  SelectionBox->setMaxVisibleItems(25);
  SelectionBox->setMinimumContentsLength(14);
  SelectionBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  QPalette pal = SelectionBox->palette();
  pal.setColor(QPalette::Base, QColor(0x0C, 0x0C, 0x0C));
  pal.setColor(QPalette::Button, QColor(0x0C, 0x0C, 0x0C));
  pal.setColor(QPalette::Text, Qt::white);
  pal.setColor(QPalette::ButtonText, Qt::white);
  SelectionBox->setPalette(pal);
  bar->addWidget(SelectionBox);
  connect(SelectionBox, &QComboBox::activated, this, [this](int i) {
    if (syncing_ || i < 0 || i >= fgCount()) return;
    c_.selectFlightGroup(i);
    c_.setFlightGroupSelection({i});
    emit selectionSet();
    applyCurrentOnly();
    if (prefs_.centre) centreOnCurrent();
    repaintMap();
  });
}

// IFF, class, early arrival and "All"; the hidden difficulty buttons.
void MapWidget::buildFilterBar(QToolBar* bar) {
  AllIFF = command("AllIFF", QStringLiteral("All"), QStringLiteral("All FGs in mission"));
  bar->addAction(AllIFF);
  for (std::size_t k = 0; k < 6; ++k) {
    QAction* a = command(kIffNames[k], QString(QChar(u"RIBYrA"[k])),
                         QString::fromLatin1(kIffHints[k]), true);
    a->setChecked(true);
    bar->addAction(a);
    iffButtons_[k] = a;
    // The caption in the colour the map draws that side in.
    if (QWidget* w = bar->widgetForAction(a)) {
      QPalette pal = w->palette();
      pal.setColor(QPalette::ButtonText,
                   toQColor(iffColour(static_cast<int>(k), IffVariant::Normal)));
      w->setPalette(pal);
    }
  }
  bar->addSeparator();
  for (std::size_t k = 0; k < kClassButtons; ++k) {
    QAction* a = command(kClassNames[k], QString::fromLatin1(kClassCaptions[k]),
                         QString::fromLatin1(kClassHints[k]), true);
    a->setChecked(true);
    bar->addAction(a);
    classButtons_[k] = a;
  }
  ShowStartBtn =
      command("ShowStartBtn", QStringLiteral("30s"), QStringLiteral("FGs within 30 seconds"), true);
  bar->addAction(ShowStartBtn);
  // The difficulty buttons are kept but hidden, with Medium down.
  EasyBtn =
      command("EasyBtn", QStringLiteral("E"), QStringLiteral("Easy or Cheat difficulty"), true);
  MedBtn = command("MedBtn", QStringLiteral("M"), QStringLiteral("Medium difficulty"), true);
  HardBtn = command("HardBtn", QStringLiteral("H"), QStringLiteral("Hard difficulty"), true);
  MedBtn->setChecked(true);
  for (QAction* a : groupOf(this, {EasyBtn, MedBtn, HardBtn}, false)->actions()) {
    a->setVisible(false);
    a->setEnabled(false);
  }
  for (QAction* a : iffButtons_)
    connect(a, &QAction::triggered, this, &MapWidget::filterClicked);
  for (QAction* a : classButtons_)
    connect(a, &QAction::triggered, this, &MapWidget::filterClicked);
  connect(ShowStartBtn, &QAction::triggered, this, &MapWidget::filterClicked);
  connect(AllIFF, &QAction::triggered, this, [this] {
    for (QAction* a : iffButtons_)
      a->setChecked(true);
    for (QAction* a : classButtons_)
      a->setChecked(true);
    ShowStartBtn->setChecked(false);
    filters_.pressAll();
    // Everything shows until the next filter run, whatever region it is in.
    view_.shown.assign(static_cast<std::size_t>(fgCount()), 1);
    repaintMap();
  });
}

void MapWidget::filterClicked() {
  for (std::size_t k = 0; k < 6; ++k)
    filters_.iff[k] = iffButtons_[k]->isChecked();
  for (std::size_t k = 0; k < kClassButtons; ++k)
    filters_.classes[k] = classButtons_[k]->isChecked();
  filters_.earlyOnly = ShowStartBtn->isChecked();
  filters_.difficulty = EasyBtn->isChecked()   ? DifficultyFilter::Easy
                        : MedBtn->isChecked()  ? DifficultyFilter::Medium
                        : HardBtn->isChecked() ? DifficultyFilter::Hard
                                               : DifficultyFilter::None;
  applyFilters();
}

// The Map menu's own commands.
void MapWidget::buildMenuCommands() {
  const std::array<std::pair<const char*, QAction*>, 3> views{
      {{"XYView1", XY}, {"XZView1", XZ}, {"YZView1", YZ}}};
  auto* menuViews = new QActionGroup(this);
  for (std::size_t k = 0; k < views.size(); ++k) {
    const auto& [id, button] = views[k];
    const std::string key = "F" + std::to_string(k + 1);
    QAction* item = command(id, button->toolTip(), {}, true, key.c_str());
    item->setChecked(button->isChecked());
    menuViews->addAction(item);
    // The item presses the matching button and is checked as it is.
    connect(item, &QAction::triggered, button, &QAction::trigger);
    connect(button, &QAction::toggled, item, &QAction::setChecked);
  }
  QAction* snapOff = command("AllSnapOff1", QStringLiteral("All Snap Off"), {}, false, "Alt+S");
  connect(snapOff, &QAction::triggered, this, [this] {
    view_.snapX = view_.snapY = 1;
    xSnapGroup_->actions().first()->setChecked(true);
    ySnapGroup_->actions().first()->setChecked(true);
  });
  QAction* allWps = command("Allwaypoints1", QStringLiteral("All waypoints"), {}, true, "Ctrl+W");
  allWps->setChecked(AllWPS->isChecked());
  connect(allWps, &QAction::triggered, this, [this, allWps] {
    AllWPS->setChecked(false);
    if (view_.waypoints == WaypointDisplay::All) view_.waypoints = WaypointDisplay::None;
    allWps->setChecked(AllWPS->isChecked());
    repaintMap();
  });
  QAction* iconsOnly =
      command("ToggleIconsOnly1", QStringLiteral("&Icons Only"), {}, true, "Alt+I");
  connect(iconsOnly, &QAction::toggled, this, [this](bool on) {
    view_.iconsOnly = on;
    repaintMap();
  });
  QAction* grid = command("ToggleGrid1", QStringLiteral("&Grid on"), {}, true, "Alt+G");
  grid->setChecked(true);
  connect(grid, &QAction::toggled, this, [this](bool on) {
    view_.gridOn = on;
    repaintMap();
  });
  QAction* options = command("MapOptions1", QStringLiteral("Map &Options..."), {});
  connect(options, &QAction::triggered, this, &MapWidget::showOptionsDialog);
}

void MapWidget::fillMapMenu(QMenu* menu) const {
  auto add = [this, menu](std::initializer_list<const char*> ids) {
    for (const char* id : ids)
      menu->addAction(actions_.find(QString::fromLatin1(id)));
  };
  add({"XYView1", "XZView1", "YZView1"});
  menu->addSeparator();
  QMenu* xs = menu->addMenu(QStringLiteral("X Snap"));
  xs->setObjectName(QStringLiteral("XSnap1"));
  xs->addActions(xSnapGroup_->actions());
  QMenu* ys = menu->addMenu(QStringLiteral("Y Snap"));
  ys->setObjectName(QStringLiteral("YSnap1"));
  ys->addActions(ySnapGroup_->actions());
  add({"AllSnapOff1"});
  menu->addSeparator();
  add({"Allwaypoints1", "ToggleIconsOnly1", "ToggleGrid1"});
  menu->addSeparator();
  add({"MapOptions1"});
}

void MapWidget::addToolActions(const QList<QAction*>& actions) {
  mapBar_->addSeparator();
  mapBar_->addActions(actions);
}

void MapWidget::buildMapArea() {
  auto* area = new QWidget(this);
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);

  ScrollBox1 = new QWidget(area);
  ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
  ScrollBox1->setFocusPolicy(Qt::StrongFocus);
  auto* box = new QVBoxLayout(ScrollBox1);
  box->setContentsMargins(0, 0, 0, 0);
  PaintBox1 = new MapCanvas(*this, ScrollBox1);
  box->addWidget(PaintBox1);
  grid->addWidget(ScrollBox1, 0, 0);

  YScroll = new QScrollBar(Qt::Vertical, area);
  YScroll->setObjectName(QStringLiteral("YScroll"));
  XScroll = new QScrollBar(Qt::Horizontal, area);
  XScroll->setObjectName(QStringLiteral("XScroll"));
  for (QScrollBar* s : {XScroll, YScroll}) {
    s->setRange(-320000, 320000);
    s->setSingleStep(50);
    s->setPageStep(100);
    s->setValue(0);
  }
  grid->addWidget(YScroll, 0, 1);
  grid->addWidget(XScroll, 1, 0);
  connect(XScroll, &QScrollBar::valueChanged, this, [this](int v) {
    if (syncing_) return;
    view_.scrollX(v);
    repaintMap();
  });
  connect(YScroll, &QScrollBar::valueChanged, this, [this](int v) {
    if (syncing_) return;
    view_.scrollY(v);
    repaintMap();
  });

  auto* status = new QHBoxLayout;
  status->setContentsMargins(4, 2, 4, 2);
  Label1 = new QLabel(QStringLiteral("X: 0.00"), area);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2 = new QLabel(QStringLiteral("Y: 0.00"), area);
  Label2->setObjectName(QStringLiteral("Label2"));
  for (QLabel* l : {Label1, Label2})
    l->setMinimumWidth(80);
  ZoomBar = new QSlider(Qt::Horizontal, area);
  ZoomBar->setObjectName(QStringLiteral("ZoomBar"));
  ZoomBar->setRange(kMinZoom, kMaxZoom);
  ZoomBar->setPageStep(16);
  ZoomBar->setValue(view_.zoom);
  Label5 = new QLabel(area);
  Label5->setObjectName(QStringLiteral("Label5"));
  Label5->setMinimumWidth(40);
  status->addWidget(Label1);
  status->addWidget(Label2);
  status->addWidget(new QLabel(QStringLiteral("Zoom"), area));
  status->addWidget(ZoomBar, 1);
  status->addWidget(Label5);
  grid->addLayout(status, 2, 0, 1, 2);
  grid->setRowStretch(0, 1);
  grid->setColumnStretch(0, 1);
  connect(ZoomBar, &QSlider::valueChanged, this, [this](int z) {
    if (syncing_) return;
    view_.setZoom(z);
    updateZoomLabel();
    syncScrollBars();
    repaintMap();
  });
  updateZoomLabel();
  static_cast<QVBoxLayout*>(layout())->addWidget(area, 1);
}

} // namespace zephlo
