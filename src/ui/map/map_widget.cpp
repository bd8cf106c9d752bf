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

QColor chooserColour(const FGObject& f, int region) {
  const int difficulty = f.at(fg::Difficulty);
  if (difficulty == 6 || difficulty == 7) return {0x80, 0x80, 0x80}; // never appears
  if (region >= 1 && region <= kRegionCount &&
      f.InRegion[static_cast<std::size_t>(region - 1)] == 1)
    return toQColor(iffColour(f.at(fg::Iff), IffVariant::Normal));
  return {0x4F, 0x4E, 0x4F};
}

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

MapWidget::MapWidget(EditingDocument& controller, const Preferences& prefs, QWidget* parent)
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

  connect(&c_, &EditingDocument::documentReplaced, this, &MapWidget::documentReplaced);
  connect(&c_, &EditingDocument::documentChanged, this, &MapWidget::documentChanged);
  connect(&c_, &EditingDocument::currentFlightGroupChanged, this,
          &MapWidget::currentFlightGroupChanged);
  connect(&c_, &EditingDocument::regionChanged, this, &MapWidget::regionOrOrderChanged);
  connect(&c_, &EditingDocument::stateChanged, this, &MapWidget::stateChanged);

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
      if (fg >= SelectionBox->count()) continue;
      const FGObject& f = c_.document().flightGroups[static_cast<std::size_t>(fg)];
      SelectionBox->setItemText(fg, fgName(f));
      SelectionBox->setItemData(fg, chooserColour(f, view_.currentRegion), Qt::ForegroundRole);
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
    SelectionBox->addItem(fgName(f));
    SelectionBox->setItemData(SelectionBox->count() - 1, chooserColour(f, view_.currentRegion),
                              Qt::ForegroundRole);
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

} // namespace zephlo
