// The map's tool bars, its Map menu and the map area's controls.
#include "ui/map/map_widget.h"

#include "ui/map/map_canvas.h"

#include "core/map/battlefield.h"
#include "core/map/map_interaction.h"
#include "core/map/map_units.h"
#include "core/map/waypoints.h"
#include "platform/preferences.h"
#include "render/qt_colour.h"
#include "ui/editing/editing_document.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
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

} // namespace

QAction* MapWidget::toggle(QToolBar* bar, const char* name, const QString& caption,
                           const QString& hint, bool checked) {
  auto* a = new QAction(caption, this);
  a->setObjectName(QString::fromLatin1(name));
  a->setCheckable(true);
  a->setChecked(checked);
  if (!hint.isEmpty()) a->setToolTip(hint);
  if (bar) bar->addAction(a);
  return a;
}

void MapWidget::buildToolBars() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  // The view bar: views, zoom presets, centring, AutoCentre and display toggles.
  auto* viewBar = new QToolBar(QStringLiteral("Map"), this);
  viewBar->setObjectName(QStringLiteral("MapBar"));
  QToolBar* displayBar = nullptr; // made below
  viewBar->setIconSize(QSize(16, 16));
  auto* views = new QActionGroup(this);
  XY = toggle(viewBar, "XY", QStringLiteral("X-Y"), QStringLiteral("X-Y View"), true);
  XZ = toggle(viewBar, "XZ", QStringLiteral("X-Z"), QStringLiteral("X-Z View"));
  YZ = toggle(viewBar, "YZ", QStringLiteral("Y-Z"), QStringLiteral("Y-Z View"));
  for (QAction* a : {XY, XZ, YZ})
    views->addAction(a);
  connect(XY, &QAction::triggered, this, [this] { setView(ViewMode::XY); });
  connect(XZ, &QAction::triggered, this, [this] { setView(ViewMode::XZ); });
  connect(YZ, &QAction::triggered, this, [this] { setView(ViewMode::YZ); });
  viewBar->addSeparator();

  auto* zoom16 = viewBar->addAction(QStringLiteral("16"));
  zoom16->setObjectName(QStringLiteral("ZoomTo16Btn"));
  connect(zoom16, &QAction::triggered, this, [this] { setZoom(16); });
  auto* zoom800 = viewBar->addAction(QStringLiteral("800"));
  zoom800->setObjectName(QStringLiteral("ZoomTo800Btn"));
  connect(zoom800, &QAction::triggered, this, [this] { setZoom(800); });
  auto* centre = viewBar->addAction(QStringLiteral("Ctr"));
  centre->setObjectName(QStringLiteral("CentreMapBtn"));
  centre->setToolTip(QStringLiteral("Centre Map"));
  connect(centre, &QAction::triggered, this, [this] {
    view_.centreOn(0, 0);
    syncScrollBars();
    repaintMap();
  });
  auto* ctrFG = viewBar->addAction(QStringLiteral("FG"));
  ctrFG->setObjectName(QStringLiteral("CtrFGBtn"));
  ctrFG->setToolTip(QStringLiteral("Centre on current FG"));
  connect(ctrFG, &QAction::triggered, this, [this] {
    centreOnFlightGroup(view_, c_.document(), view_.currentFG);
    syncScrollBars();
    repaintMap();
  });
  auto* fit = viewBar->addAction(QStringLiteral("Fit"));
  fit->setObjectName(QStringLiteral("FitBattleBtn"));
  fit->setToolTip(QStringLiteral("Fit to battlefield"));
  connect(fit, &QAction::triggered, this, &MapWidget::fitToBattlefield);
  viewBar->addSeparator();

  auto* autoGroup = new QActionGroup(this);
  autoGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  LockBattleCtr = toggle(viewBar, "LockBattleCtr", QStringLiteral("A:Fit"),
                         QStringLiteral("AutoCentre: Fit to battlefield"));
  LockCtr = toggle(viewBar, "LockCtr", QStringLiteral("A:0"),
                   QStringLiteral("AutoCentre: at Map centre"));
  LockCurr = toggle(viewBar, "LockCurr", QStringLiteral("A:FG"),
                    QStringLiteral("AutoCentre: on current FG"));
  LockZero = toggle(viewBar, "LockZero", QStringLiteral("A:Y0"),
                    QStringLiteral("AutoCentre: zero Y axis"));
  const std::array<std::pair<QAction*, AutoCentre>, 4> autos{
      {{LockCtr, AutoCentre::MapCentre},
       {LockCurr, AutoCentre::CurrentFG},
       {LockZero, AutoCentre::ZeroVertical},
       {LockBattleCtr, AutoCentre::FitBattlefield}}};
  for (const auto& [a, mode] : autos) {
    autoGroup->addAction(a);
    a->setChecked(view_.autoCentre == mode);
  }
  connect(autoGroup, &QActionGroup::triggered, this, [this, autos] {
    view_.autoCentre = AutoCentre::None;
    for (const auto& [a, mode] : autos) {
      if (a->isChecked()) view_.autoCentre = mode;
    }
  });
  outer->addWidget(viewBar);

  // The display bar: what is drawn, the locks, the palette, the chooser and the team.
  displayBar = new QToolBar(QStringLiteral("Map display"), this);
  displayBar->setObjectName(QStringLiteral("MapDisplayBar"));
  mapBar_ = displayBar;

  NamesOn = toggle(displayBar, "NamesOn", QStringLiteral("Names"), QStringLiteral("Show Names"),
                   view_.namesOn);
  CurrOnly =
      toggle(displayBar, "CurrOnly", QStringLiteral("Curr"), QStringLiteral("Current FG only"));
  auto* wps = new QActionGroup(this);
  wps->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  AllWPS = toggle(displayBar, "AllWPS", QStringLiteral("All WPs"), QStringLiteral("Show all WPs"),
                  view_.waypoints == WaypointDisplay::All);
  AllWPS->setEnabled(false); // pressed only by the start-up preference
  CurrWPs = toggle(displayBar, "CurrWPs", QStringLiteral("WPs"), QStringLiteral("Current FG's WPs"),
                   view_.waypoints == WaypointDisplay::Current);
  wps->addAction(AllWPS);
  wps->addAction(CurrWPs);
  connect(wps, &QActionGroup::triggered, this, [this] {
    view_.waypoints = AllWPS->isChecked()    ? WaypointDisplay::All
                      : CurrWPs->isChecked() ? WaypointDisplay::Current
                                             : WaypointDisplay::None;
    repaintMap();
  });
  LockBtn = toggle(displayBar, "LockBtn", QStringLiteral("Lock"),
                   QStringLiteral("Lock Start 1 waypoint"));
  LockX =
      toggle(displayBar, "LockX", QStringLiteral("X"), QStringLiteral("Lock current X coordinate"));
  LockY =
      toggle(displayBar, "LockY", QStringLiteral("Y"), QStringLiteral("Lock current Y coordinate"));
  PaletOn = toggle(displayBar, "PaletOn", QStringLiteral("Palette"),
                   QStringLiteral("Show icon palette"), view_.paletteOn);
  connect(NamesOn, &QAction::toggled, this, [this](bool on) {
    view_.namesOn = on;
    repaintMap();
  });
  connect(CurrOnly, &QAction::toggled, this, [this] {
    applyCurrentOnly();
    if (CurrOnly->isChecked() && prefs_.centre) {
      centreOnFlightGroup(view_, c_.document(), view_.currentFG);
      syncScrollBars();
    }
    repaintMap();
  });
  connect(LockBtn, &QAction::toggled, this, [this](bool on) {
    view_.startLocked = on;
    repaintMap();
  });
  connect(PaletOn, &QAction::toggled, this, [this](bool on) {
    view_.paletteOn = on;
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
      QAction* a = (x ? XsnapPop : YSnapPop)->addAction(QString::fromLatin1(kSnapCaptions[k]));
      a->setObjectName(
          QStringLiteral("%1Snap%2").arg(x ? QStringLiteral("X") : QStringLiteral("Y")).arg(k));
      a->setCheckable(true);
      a->setChecked(k == 0);
      a->setData(kSnapSteps[k]);
      (x ? xSnapGroup_ : ySnapGroup_)->addAction(a);
    }
  }
  connect(xSnapGroup_, &QActionGroup::triggered, this,
          [this](QAction* a) { view_.snapX = a->data().toInt(); });
  connect(ySnapGroup_, &QActionGroup::triggered, this,
          [this](QAction* a) { view_.snapY = a->data().toInt(); });
  for (QAction* lock : {LockX, LockY}) {
    QWidget* w = displayBar->widgetForAction(lock);
    if (!w) continue;
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu* pop = lock == LockX ? XsnapPop : YSnapPop;
    connect(w, &QWidget::customContextMenuRequested, this,
            [w, pop](const QPoint& p) { pop->exec(w->mapToGlobal(p)); });
  }
  displayBar->addSeparator();

  SelectionBox = new QComboBox(displayBar);
  SelectionBox->setObjectName(QStringLiteral("SelectionBox"));
  SelectionBox->setMaxVisibleItems(25);
  SelectionBox->setMinimumContentsLength(14);
  SelectionBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  {
    QPalette pal = SelectionBox->palette();
    pal.setColor(QPalette::Base, QColor(0x0C, 0x0C, 0x0C));
    pal.setColor(QPalette::Button, QColor(0x0C, 0x0C, 0x0C));
    pal.setColor(QPalette::Text, Qt::white);
    pal.setColor(QPalette::ButtonText, Qt::white);
    SelectionBox->setPalette(pal);
  }
  displayBar->addWidget(SelectionBox);
  connect(SelectionBox, &QComboBox::activated, this, [this](int i) {
    if (syncing_ || i < 0 || i >= fgCount()) return;
    c_.selectFlightGroup(i);
    c_.setFlightGroupSelection({i});
    emit selectionSet();
    applyCurrentOnly();
    if (prefs_.centre) {
      centreOnFlightGroup(view_, c_.document(), i);
      syncScrollBars();
    }
    repaintMap();
  });

  outer->addWidget(displayBar);

  // The filter bar: IFF, class, early arrival, "All", then the regions.
  auto* filterBar = new QToolBar(QStringLiteral("Filters"), this);
  filterBar->setObjectName(QStringLiteral("FilterBar"));
  AllIFF = filterBar->addAction(QStringLiteral("All"));
  AllIFF->setObjectName(QStringLiteral("AllIFF"));
  AllIFF->setToolTip(QStringLiteral("All FGs in mission"));
  for (int k = 0; k < 6; ++k) {
    iffButtons_[static_cast<std::size_t>(k)] =
        toggle(filterBar, kIffNames[k], QStringLiteral("%1").arg(QChar(u"RIBYrA"[k])),
               QString::fromLatin1(kIffHints[k]), true);
  }
  filterBar->addSeparator();
  for (int k = 0; k < kClassButtons; ++k) {
    classButtons_[static_cast<std::size_t>(k)] =
        toggle(filterBar, kClassNames[k], QString::fromLatin1(kClassCaptions[k]),
               QString::fromLatin1(kClassHints[k]), true);
  }
  ShowStartBtn = toggle(filterBar, "ShowStartBtn", QStringLiteral("30s"),
                        QStringLiteral("FGs within 30 seconds"));
  // The difficulty buttons are kept but hidden, with Medium down.
  auto* difficulty = new QActionGroup(this);
  difficulty->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  EasyBtn =
      toggle(nullptr, "EasyBtn", QStringLiteral("E"), QStringLiteral("Easy or Cheat difficulty"));
  MedBtn =
      toggle(nullptr, "MedBtn", QStringLiteral("M"), QStringLiteral("Medium difficulty"), true);
  HardBtn = toggle(nullptr, "HardBtn", QStringLiteral("H"), QStringLiteral("Hard difficulty"));
  for (QAction* a : {EasyBtn, MedBtn, HardBtn}) {
    difficulty->addAction(a);
    a->setVisible(false);
    a->setEnabled(false);
  }
  // Colour the IFF buttons' texts as the map draws those sides.
  for (int k = 0; k < 6; ++k) {
    if (QWidget* w = filterBar->widgetForAction(iffButtons_[static_cast<std::size_t>(k)])) {
      QPalette pal = w->palette();
      pal.setColor(QPalette::ButtonText, toQColor(iffColour(k, IffVariant::Normal)));
      w->setPalette(pal);
    }
  }
  auto filterClicked = [this] {
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
  };
  for (QAction* a : iffButtons_)
    connect(a, &QAction::triggered, this, filterClicked);
  for (QAction* a : classButtons_)
    connect(a, &QAction::triggered, this, filterClicked);
  connect(ShowStartBtn, &QAction::triggered, this, filterClicked);
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
  viewBar->addSeparator();
  auto* regions = new QActionGroup(this);
  for (int r = 1; r <= 4; ++r) {
    const char* name = r == 4 ? "R4Btn" : nullptr;
    const QString objectName = name ? QString::fromLatin1(name) : QStringLiteral("R%1btn").arg(r);
    QAction* a = toggle(viewBar, "", QStringLiteral("R%1").arg(r),
                        QStringLiteral("Region %1").arg(r), r == 1);
    a->setObjectName(objectName);
    regions->addAction(a);
    regionButtons_[static_cast<std::size_t>(r - 1)] = a;
    connect(a, &QAction::triggered, this, [this, r] { c_.setCurrentRegion(r); });
  }
  outer->addWidget(filterBar);

  // The Map menu's items.
  XYView1 = new QAction(QStringLiteral("X-Y View"), this);
  XZView1 = new QAction(QStringLiteral("X-Z View"), this);
  YZView1 = new QAction(QStringLiteral("Y-Z View"), this);
  const std::array<std::tuple<QAction*, QAction*, const char*, int>, 3> menuViews{
      {{XYView1, XY, "XYView1", 1}, {XZView1, XZ, "XZView1", 2}, {YZView1, YZ, "YZView1", 3}}};
  auto* menuViewGroup = new QActionGroup(this);
  for (const auto& [item, button, name, key] : menuViews) {
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(true);
    item->setChecked(button->isChecked());
    item->setShortcut(QKeySequence(QStringLiteral("F%1").arg(key)));
    menuViewGroup->addAction(item);
    connect(item, &QAction::triggered, button, &QAction::trigger);
    connect(button, &QAction::toggled, item, &QAction::setChecked);
  }
  AllSnapOff1 = new QAction(QStringLiteral("All Snap Off"), this);
  AllSnapOff1->setObjectName(QStringLiteral("AllSnapOff1"));
  AllSnapOff1->setShortcut(QKeySequence(QStringLiteral("Alt+S")));
  connect(AllSnapOff1, &QAction::triggered, this, [this] {
    view_.snapX = view_.snapY = 1;
    xSnapGroup_->actions().first()->setChecked(true);
    ySnapGroup_->actions().first()->setChecked(true);
  });
  Allwaypoints1 = new QAction(QStringLiteral("All waypoints"), this);
  Allwaypoints1->setObjectName(QStringLiteral("Allwaypoints1"));
  Allwaypoints1->setShortcut(QKeySequence(QStringLiteral("Ctrl+W")));
  Allwaypoints1->setCheckable(true);
  Allwaypoints1->setChecked(AllWPS->isChecked());
  connect(Allwaypoints1, &QAction::triggered, this, [this] {
    AllWPS->setChecked(false);
    if (view_.waypoints == WaypointDisplay::All) view_.waypoints = WaypointDisplay::None;
    Allwaypoints1->setChecked(AllWPS->isChecked());
    repaintMap();
  });
  ToggleIconsOnly1 = new QAction(QStringLiteral("&Icons Only"), this);
  ToggleIconsOnly1->setObjectName(QStringLiteral("ToggleIconsOnly1"));
  ToggleIconsOnly1->setShortcut(QKeySequence(QStringLiteral("Alt+I")));
  ToggleIconsOnly1->setCheckable(true);
  connect(ToggleIconsOnly1, &QAction::toggled, this, [this](bool on) {
    view_.iconsOnly = on;
    repaintMap();
  });
  ToggleGrid1 = new QAction(QStringLiteral("&Grid on"), this);
  ToggleGrid1->setObjectName(QStringLiteral("ToggleGrid1"));
  ToggleGrid1->setShortcut(QKeySequence(QStringLiteral("Alt+G")));
  ToggleGrid1->setCheckable(true);
  ToggleGrid1->setChecked(true);
  connect(ToggleGrid1, &QAction::toggled, this, [this](bool on) {
    view_.gridOn = on;
    repaintMap();
  });
}

void MapWidget::fillMapMenu(QMenu* menu) {
  menu->addActions({XYView1, XZView1, YZView1});
  menu->addSeparator();
  QMenu* xs = menu->addMenu(QStringLiteral("X Snap"));
  xs->setObjectName(QStringLiteral("XSnap1"));
  xs->addActions(xSnapGroup_->actions());
  QMenu* ys = menu->addMenu(QStringLiteral("Y Snap"));
  ys->setObjectName(QStringLiteral("YSnap1"));
  ys->addActions(ySnapGroup_->actions());
  menu->addAction(AllSnapOff1);
  menu->addSeparator();
  menu->addActions({Allwaypoints1, ToggleIconsOnly1, ToggleGrid1});
  menu->addSeparator();
  QAction* options = menu->addAction(QStringLiteral("Map &Options..."));
  options->setObjectName(QStringLiteral("MapOptions1"));
  connect(options, &QAction::triggered, this, &MapWidget::showOptionsDialog);
  // The shortcuts work wherever the main window has the focus.
  if (QWidget* w = window()) {
    w->addActions(
        {XYView1, XZView1, YZView1, AllSnapOff1, Allwaypoints1, ToggleIconsOnly1, ToggleGrid1});
  }
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
