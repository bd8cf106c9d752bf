#include "map/map_widget.h"

#include "app/document_controller.h"
#include "map/battlefield.h"
#include "map/map_interaction.h"
#include "map/map_units.h"
#include "map/qt_colour.h"
#include "map/waypoints.h"
#include "platform/preferences.h"

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

MapPreferences mapPreferencesFrom(const Preferences& p) {
  MapPreferences m;
  m.ghostText = p.ghostText;
  m.ghostGrid = p.ghostGrid;
  m.limitShrink = p.limitShrink;
  m.onlyXY = p.onlyXY;
  m.iconZoomSmall = p.iconZoomSmall;
  m.defaultWPs = p.defaultWPs;
  m.defaultName = p.defaultName;
  m.defaultWPtime = p.defaultWPtime;
  m.defaultWPdist = p.defaultWPdist;
  m.defaultPalet = p.defaultPalet;
  m.defaultHyp = p.defaultHyp;
  m.autoCtr = p.autoCtr;
  return m;
}

// PaintBox1: shows the map image and hands the mouse to the map's handlers.
class MapCanvas : public QWidget {
public:
  explicit MapCanvas(MapWidget& map, QWidget* parent) : QWidget(parent), map_(map) {
    setObjectName(QStringLiteral("PaintBox1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 120);
    setFocusPolicy(Qt::NoFocus);
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QImage& img = map_.renderer_.image();
    if (img.isNull())
      p.fillRect(rect(), Qt::black);
    else
      p.drawImage(0, 0, img);
    if (map_.lockedAt_) {
      p.setFont(mapFont());
      p.setPen(QColor(255, 255, 0));
      p.drawText(*map_.lockedAt_ + QPointF(15, -10), QStringLiteral("Locked!"));
    }
  }
  void resizeEvent(QResizeEvent*) override { map_.canvasResized(width(), height()); }
  void mousePressEvent(QMouseEvent* e) override { map_.PaintBox1MouseDown(e); }
  void mouseMoveEvent(QMouseEvent* e) override { map_.PaintBox1MouseMove(e); }
  void mouseReleaseEvent(QMouseEvent* e) override { map_.PaintBox1MouseUp(e); }
  void mouseDoubleClickEvent(QMouseEvent* e) override { map_.PaintBox1DblClick(e); }

private:
  MapWidget& map_;
};

namespace {

// The program's own pan cursor: a four-way arrow.
QCursor panCursor() {
  QPixmap pm(21, 21);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 3));
  p.drawLine(10, 2, 10, 18);
  p.drawLine(2, 10, 18, 10);
  p.setPen(QPen(Qt::white, 1));
  p.drawLine(10, 2, 10, 18);
  p.drawLine(2, 10, 18, 10);
  p.setBrush(Qt::white);
  p.setPen(QPen(Qt::black, 1));
  p.drawPolygon(QPolygon({QPoint(10, 0), QPoint(6, 5), QPoint(14, 5)}));
  p.drawPolygon(QPolygon({QPoint(10, 20), QPoint(6, 15), QPoint(14, 15)}));
  p.drawPolygon(QPolygon({QPoint(0, 10), QPoint(5, 6), QPoint(5, 14)}));
  p.drawPolygon(QPolygon({QPoint(20, 10), QPoint(15, 6), QPoint(15, 14)}));
  p.end();
  return QCursor(pm, 10, 10);
}

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

QString fgName(const FGObject& f) { return QString::fromLatin1(f.name()); }

} // namespace

MapWidget::MapWidget(DocumentController& controller, const Preferences& prefs, QWidget* parent)
    : QWidget(parent), c_(controller), prefs_(prefs) {
  setObjectName(QStringLiteral("MapWidget"));
  const MapPreferences mp = mapPreferencesFrom(prefs_);
  options_ = mapOptionsFrom(mp);
  applyStartDefaults(view_, mp);
  view_.paletteIff = initialPaletteIff(c_.document());
  buildToolBars();
  buildMapArea();

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(30);
  connect(Timer1, &QTimer::timeout, this, &MapWidget::Timer1Timer);

  connect(&c_, &DocumentController::documentReplaced, this, &MapWidget::documentReplaced);
  connect(&c_, &DocumentController::documentChanged, this, &MapWidget::documentChanged);
  connect(&c_, &DocumentController::currentFlightGroupChanged, this,
          &MapWidget::currentFlightGroupChanged);
  connect(&c_, &DocumentController::regionChanged, this, &MapWidget::regionOrOrderChanged);
  connect(&c_, &DocumentController::stateChanged, this, &MapWidget::stateChanged);

  // The first activation: the map is initialised and shows the mission.
  view_.currentFG = c_.state().currentFG;
  view_.currentRegion = c_.state().currentRegion;
  view_.currentOrder = c_.state().currentOrder;
  initialised_ = true;
  refillSelectionBox();
  applyFilters();
  fitToBattlefield();
}

MapWidget::~MapWidget() = default;

QWidget* MapWidget::canvas() const { return PaintBox1; }
void MapWidget::addToolActions(const QList<QAction*>& actions) {
  mapBar_->addSeparator();
  mapBar_->addActions(actions);
}

void MapWidget::showOptionsDialog() {
  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("TMapForm"));
  dialog.setWindowTitle(QStringLiteral("Map Options"));
  auto* layout = new QVBoxLayout(&dialog);
  const std::array<std::tuple<const char*, const char*, bool*>, 4> boxes{
      {{"Showdistances", "Show distances", &options_.showDistances},
       {"ShowTime", "Show times", &options_.showTime},
       {"ShowHyp", "Show hyperspace line", &options_.showHyp},
       {"WPsOn", "Waypoint lines", &options_.waypointLines}}};
  std::array<QCheckBox*, 4> checks{};
  for (std::size_t k = 0; k < boxes.size(); ++k) {
    const auto& [name, caption, value] = boxes[k];
    checks[k] = new QCheckBox(QString::fromLatin1(caption), &dialog);
    checks[k]->setObjectName(QString::fromLatin1(name));
    checks[k]->setChecked(*value);
    layout->addWidget(checks[k]);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (c_.prompts().runModal(dialog) != QDialog::Accepted) return;
  for (std::size_t k = 0; k < boxes.size(); ++k)
    *std::get<2>(boxes[k]) = checks[k]->isChecked();
  renderer_.invalidate();
  repaintMap();
}

void MapWidget::preferencesChanged() {
  const MapOptions fresh = mapOptionsFrom(mapPreferencesFrom(prefs_));
  // The four display options keep their state for the run; the rest follow.
  options_.ghostText = fresh.ghostText;
  options_.ghostGrid = fresh.ghostGrid;
  options_.limitShrink = fresh.limitShrink;
  options_.onlyXY = fresh.onlyXY;
  options_.iconZoomSmall = fresh.iconZoomSmall;
  // The AutoCentre button of the preference is pressed again.
  view_.autoCentre = static_cast<AutoCentre>(std::clamp(prefs_.autoCtr, 0, 4));
  for (QAction* a : {LockCtr, LockCurr, LockZero, LockBattleCtr}) {
    const int mode = a == LockCtr ? 0 : a == LockCurr ? 1 : a == LockZero ? 2 : 3;
    a->setChecked(mode == prefs_.autoCtr);
  }
  repaintMap();
}

bool MapWidget::holdsFocus(const QWidget* w) const { return w && (w == ScrollBox1); }
int MapWidget::fgCount() const { return static_cast<int>(c_.document().flightGroups.size()); }

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

  TeamDrop = new QToolButton(displayBar);
  TeamDrop->setObjectName(QStringLiteral("TeamDrop"));
  TeamDrop->setToolTip(QStringLiteral("Cycle Current Team"));
  TeamDrop->setPopupMode(QToolButton::MenuButtonPopup);
  TeamMenu = new QMenu(TeamDrop);
  TeamMenu->setObjectName(QStringLiteral("TeamMenu"));
  TeamDrop->setMenu(TeamMenu);
  displayBar->addWidget(TeamDrop);
  TeamDrop->setText(QStringLiteral("Team %1").arg(view_.team));
  connect(TeamDrop, &QToolButton::clicked, this,
          [this] { c_.setCurrentTeam((c_.state().currentTeam + 1) % kTeamCount); });
  connect(TeamMenu, &QMenu::aboutToShow, this, [this] {
    TeamMenu->clear();
    for (int t = 0; t < kTeamCount; ++t) {
      const auto& rec = c_.document().teams[static_cast<std::size_t>(t)].record;
      const QString name = QString::fromLatin1(getText(rec, team::Name, team::NameSize));
      QAction* a = TeamMenu->addAction(QStringLiteral("%1: %2").arg(t + 1).arg(name));
      a->setCheckable(true);
      a->setChecked(t == c_.state().currentTeam);
      connect(a, &QAction::triggered, this, [this, t] { c_.setCurrentTeam(t); });
    }
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

// ---- following the controller ---------------------------------------------------

void MapWidget::documentReplaced() {
  const EditorState& st = c_.state();
  view_.currentFG = st.currentFG;
  view_.currentSlot = 0;
  view_.currentRegion = st.currentRegion;
  view_.currentOrder = st.currentOrder;
  view_.shown.assign(static_cast<std::size_t>(fgCount()), 1);
  view_.firstDrawn = 0;
  view_.lastDrawn = -1;
  // A fresh mission: the X-Y view at zoom 32, all flight groups, fitted.
  XY->setChecked(true);
  view_.mode = ViewMode::XY;
  CurrOnly->setChecked(false);
  for (QAction* a : regionButtons_)
    a->setChecked(a == regionButtons_[static_cast<std::size_t>(st.currentRegion - 1)]);
  view_.keepCentre = true;
  view_.setZoom(kInitialZoom);
  AllIFF->trigger();
  view_.paletteIff = initialPaletteIff(c_.document());
  refillSelectionBox();
  renderer_.invalidate();
  applyFilters();
  fitToBattlefield();
}

void MapWidget::documentChanged(const Change& change) {
  const bool filtersMayChange =
      change.flightGroupList || (change.fgAspects & (kFGRecord | kFGRegions | kFGEditorOnly)) != 0;
  if (change.flightGroupList) {
    refillSelectionBox();
    applyCurrentOnly();
  } else if (!change.flightGroups.empty()) {
    // Names and colours of the chooser follow the records.
    syncing_ = true;
    for (int fg : change.flightGroups) {
      if (fg < SelectionBox->count())
        SelectionBox->setItemText(fg,
                                  fgName(c_.document().flightGroups[static_cast<std::size_t>(fg)]));
    }
    syncing_ = false;
  }
  if (filtersMayChange) {
    const std::vector<Byte> before = view_.shown;
    view_.shown = zephlo::applyFilters(c_.document(), filters_, view_.currentRegion);
    if (view_.shown != before || change.flightGroupList) {
      repaintMap();
      return;
    }
  }
  if (change.flightGroups.size() == 1 && change.flightGroups.front() == view_.currentFG &&
      !change.flightGroupList) {
    redrawCurrent();
  } else if (!change.flightGroups.empty() || change.teamIff || change.header) {
    repaintMap();
  }
}

void MapWidget::currentFlightGroupChanged(int fg) {
  view_.currentFG = fg;
  applyCurrentOnly();
  syncing_ = true;
  if (fg < SelectionBox->count()) SelectionBox->setCurrentIndex(fg);
  syncing_ = false;
  repaintMap();
}

void MapWidget::regionOrOrderChanged() {
  const EditorState& st = c_.state();
  view_.currentRegion = st.currentRegion;
  view_.currentOrder = st.currentOrder;
  for (QAction* a : regionButtons_)
    a->setChecked(a == regionButtons_[static_cast<std::size_t>(st.currentRegion - 1)]);
  refillSelectionBox(); // the chooser dims flight groups absent from the region
  view_.shown = zephlo::applyFilters(c_.document(), filters_, view_.currentRegion);
  renderer_.invalidate();
  fitToBattlefield();
}

void MapWidget::stateChanged() {
  const EditorState& st = c_.state();
  if (st.currentOrder != view_.currentOrder || st.currentRegion != view_.currentRegion)
    regionOrOrderChanged();
  if (st.currentTeam + 1 != view_.team) setTeam(st.currentTeam);
}

void MapWidget::setTeam(int team) {
  view_.team = team + 1;
  TeamDrop->setText(QStringLiteral("Team %1").arg(team + 1));
  if (PaletOn->isChecked()) {
    view_.paletteIff = paletteIffForTeam(c_.document(), team);
    repaintMap();
  }
}

// ---- drawing --------------------------------------------------------------------

void MapWidget::repaintMap() {
  lockedAt_.reset();
  if (!initialised_ || view_.zoom == 0 || view_.width <= 0 || view_.height <= 0) return;
  renderer_.repaint(c_.document(), view_, options_);
  PaintBox1->update();
}

void MapWidget::redrawCurrent() {
  if (!initialised_ || view_.zoom == 0 || view_.width <= 0 || view_.height <= 0) return;
  renderer_.redrawCurrent(c_.document(), view_, options_);
  PaintBox1->update();
}

void MapWidget::applyFilters() {
  view_.shown = zephlo::applyFilters(c_.document(), filters_, view_.currentRegion);
  syncing_ = true;
  if (view_.currentFG < SelectionBox->count()) SelectionBox->setCurrentIndex(view_.currentFG);
  syncing_ = false;
  repaintMap();
}

void MapWidget::fitToBattlefield() {
  // Until the map is on screen its size is a guess of the layout: fit then.
  if (view_.width <= 0 || view_.height <= 0 || !PaintBox1->isVisible()) {
    pendingFit_ = true;
    return;
  }
  pendingFit_ = false;
  zephlo::fitToBattlefield(view_, computeBattlefield(c_.document(), view_));
  syncing_ = true;
  ZoomBar->setValue(view_.zoom);
  syncing_ = false;
  updateZoomLabel();
  syncScrollBars();
  repaintMap();
}

void MapWidget::applyAutoCentre() {
  if (view_.autoCentre == AutoCentre::FitBattlefield) {
    fitToBattlefield();
    return;
  }
  zephlo::applyAutoCentre(view_, c_.document());
  syncScrollBars();
  repaintMap();
}

void MapWidget::setZoom(int zoom) { ZoomBar->setValue(zoom); }

void MapWidget::syncScrollBars() {
  syncing_ = true;
  XScroll->setValue(view_.scrollXPosition());
  YScroll->setValue(view_.scrollYPosition());
  syncing_ = false;
}

void MapWidget::updateZoomLabel() { Label5->setText(QString::number(view_.zoom)); }

void MapWidget::refillSelectionBox() {
  syncing_ = true;
  SelectionBox->clear();
  const Document& doc = c_.document();
  for (const FGObject& f : doc.flightGroups) {
    const int difficulty = f.at(fg::Difficulty);
    QColor colour(0x4F, 0x4E, 0x4F);
    if (difficulty == 6 || difficulty == 7)
      colour = QColor(0x80, 0x80, 0x80);
    else if (f.InRegion[static_cast<std::size_t>(view_.currentRegion - 1)] == 1)
      colour = toQColor(iffColour(f.at(fg::Iff), IffVariant::Normal));
    SelectionBox->addItem(fgName(f));
    SelectionBox->setItemData(SelectionBox->count() - 1, colour, Qt::ForegroundRole);
  }
  if (view_.currentFG < SelectionBox->count()) SelectionBox->setCurrentIndex(view_.currentFG);
  syncing_ = false;
}

void MapWidget::applyCurrentOnly() {
  const int count = fgCount();
  view_.currentFG = std::clamp(view_.currentFG, 0, std::max(0, count - 1));
  view_.currentOnly = CurrOnly->isChecked();
  if (view_.currentOnly) {
    view_.firstDrawn = view_.lastDrawn = view_.currentFG;
  } else {
    view_.firstDrawn = 0;
    view_.lastDrawn = -1;
  }
}

void MapWidget::setView(ViewMode mode) {
  view_.mode = mode;
  applyAutoCentre();
}

void MapWidget::canvasResized(int w, int h) {
  view_.resize(w, h);
  if (pendingFit_ && w > 0 && h > 0)
    fitToBattlefield();
  else
    repaintMap();
}

// ---- the mouse ----------------------------------------------------------------------

void MapWidget::readOut(double x, double y) {
  const SnappedPoint p = snappedWorld(view_, x, y);
  const Axes a = view_.axes();
  Label1->setText((a.horizontal == 1 ? QStringLiteral("Y: ") : QStringLiteral("X: ")) +
                  QString::fromStdString(kmText(p.h)));
  Label2->setText((a.vertical == 1 ? QStringLiteral("Y: ") : QStringLiteral("Z: ")) +
                  QString::fromStdString(kmText(p.v)));
  Label1->repaint();
  Label2->repaint();
}

void MapWidget::PaintBox1MouseDown(QMouseEvent* e) {
  ScrollBox1->setFocus(Qt::MouseFocusReason);
  dragging_ = false;
  const Qt::MouseButtons b = e->buttons();
  const bool modifiers =
      (e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
  const QPointF pos = e->position();
  if (b == (Qt::LeftButton | Qt::RightButton)) {
    panning_ = false;
    emit toggleDatapad();
    return;
  }
  if (view_.paletteOn && e->button() == Qt::LeftButton) {
    if (auto p =
            paletteIndexAt(static_cast<int>(pos.x()), static_cast<int>(pos.y()), view_.height)) {
      const int type = paletteCraftType(*p);
      Operation op = paletteOperation(c_.newFlightGroupOperation(), type, view_.paletteIff,
                                      c_.state().currentTeam);
      op.mergeKey = "MapDrag" + std::to_string(++dragSerial_);
      if (c_.apply(op)) {
        view_.currentSlot = 1;
        dragging_ = true;
      }
      return;
    }
  }
  if (modifiers || (b != Qt::LeftButton && b != Qt::RightButton)) return;
  const bool right = b == Qt::RightButton;
  const auto hit = hitTest(c_.document(), view_, pos.x(), pos.y(),
                           right ? PressButton::Right : PressButton::Left);
  if (right) {
    panStart_ = pos.toPoint();
    panScrollX_ = XScroll->value();
    panScrollY_ = YScroll->value();
  }
  if (!hit) {
    ticks_ = 0;
    if (right) {
      panning_ = true;
      PaintBox1->setCursor(panCursor());
    } else {
      holdZooming_ = true;
      Timer1->start();
    }
    return;
  }
  if (hit->slot == 1 && view_.startLocked) {
    view_.currentFG = hit->fg;
    c_.selectFlightGroup(hit->fg);
    c_.setFlightGroupSelection({hit->fg});
    emit selectionSet();
    repaintMap();
    lockedAt_ = pos;
    PaintBox1->update();
    return;
  }
  view_.currentSlot = hit->slot;
  if (right) {
    panning_ = true;
    PaintBox1->setCursor(Qt::OpenHandCursor);
  } else {
    dragging_ = true;
    ++dragSerial_;
  }
  // The list and the pages follow the map's flight group; a multiple
  // selection that holds it stays, so the group can be dragged together.
  const std::set<int>& sel = c_.state().selectedFGs;
  if (!sel.contains(hit->fg)) c_.setFlightGroupSelection({hit->fg});
  if (hit->fg != c_.state().currentFG) {
    c_.selectFlightGroup(hit->fg);
  } else {
    view_.currentFG = hit->fg;
    repaintMap();
  }
  emit selectionSet();
  syncing_ = true;
  SelectionBox->setCurrentIndex(hit->fg);
  syncing_ = false;
}

void MapWidget::PaintBox1MouseMove(QMouseEvent* e) {
  const QPointF pos = e->position();
  if ((e->buttons() & Qt::RightButton) && panning_) {
    XScroll->setValue(panStart_.x() - static_cast<int>(pos.x()) + panScrollX_);
    YScroll->setValue(panStart_.y() - static_cast<int>(pos.y()) + panScrollY_);
    return;
  }
  const SnappedPoint p = snappedWorld(view_, pos.x(), pos.y());
  if (dragging_ && !(view_.currentSlot == 1 && view_.startLocked)) {
    DragStep step;
    step.fg = view_.currentFG;
    step.slot = view_.currentSlot;
    step.h = p.h;
    step.v = p.v;
    step.lockH = LockX->isChecked();
    step.lockV = LockY->isChecked();
    step.mode = view_.mode;
    step.region = view_.currentRegion;
    step.order = view_.currentOrder;
    const std::set<int>& sel = c_.state().selectedFGs;
    if (sel.size() > 1 && sel.contains(step.fg)) step.together.assign(sel.begin(), sel.end());
    c_.apply(dragOperation(step, "MapDrag" + std::to_string(dragSerial_)));
  }
  readOut(pos.x(), pos.y());
}

void MapWidget::PaintBox1MouseUp(QMouseEvent*) {
  dragging_ = panning_ = holdZooming_ = false;
  Timer1->stop();
  PaintBox1->unsetCursor();
  if (view_.startLocked) repaintMap();
  emit mouseReleased();
}

void MapWidget::PaintBox1DblClick(QMouseEvent*) {
  holdZooming_ = false;
  Timer1->stop();
  if (prefs_.dblClickLink == 0 || view_.fitted)
    setZoom(doubleClickZoom(view_.zoom));
  else
    fitToBattlefield();
}

void MapWidget::Timer1Timer() {
  ++ticks_;
  if (ticks_ >= 3 && holdZooming_) setZoom(holdZoomStep(view_.zoom, prefs_.zoomSpeed));
}

} // namespace zephlo
