#include "ui/map/map_widget.h"

#include "ui/map/map_canvas.h"

#include "core/map/battlefield.h"
#include "core/map/map_interaction.h"
#include "core/map/map_units.h"
#include "core/mission/list_lines.h"
#include "platform/preferences.h"
#include "render/qt_colour.h"
#include "ui/editing/editing_document.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
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

MapWidget::Tools::Tools(MapWidget& map)
    : select(map), drag(map), palette(map), pan(map, panCursor()),
      panHand(map, QCursor(Qt::OpenHandCursor)), holdZoom(map), selectBox(map) {}

MapWidget::MapWidget(EditingDocument& controller, ActionRegistry& actions, const Preferences& prefs,
                     QWidget* parent)
    : QWidget(parent), c_(controller), actions_(actions), prefs_(prefs), tools_(*this) {
  setObjectName(QStringLiteral("MapWidget"));
  active_ = &tools_.select;
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
  connect(&c_, &EditingDocument::regionChanged, this, &MapWidget::regionChanged);
  connect(&c_, &EditingDocument::orderChanged, this, &MapWidget::orderChanged);
  connect(&c_, &EditingDocument::stateChanged, this, &MapWidget::stateChanged);

  // The first activation: the map is initialised and shows the mission.
  const EditorState& st = c_.state();
  view_.currentFG = st.currentFG;
  view_.currentRegion = st.currentRegion;
  view_.currentOrder = st.currentOrder;
  cache_.rebuild(c_.document(), st.currentRegion, st.currentOrder);
  initialised_ = true;
  refillSelectionBox();
  applyFilters();
  fitToBattlefield();
}

MapWidget::~MapWidget() = default;

QWidget* MapWidget::canvas() const { return PaintBox1; }
bool MapWidget::holdsFocus(const QWidget* w) const { return w && (w == ScrollBox1); }
int MapWidget::fgCount() const { return static_cast<int>(c_.document().flightGroups.size()); }

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
  applyPaintPreferences(options_, mapPreferencesFrom(prefs_));
  // The AutoCentre button of the preference is pressed again.
  view_.autoCentre = static_cast<AutoCentre>(std::clamp(prefs_.autoCtr, 0, 4));
  for (QAction* a : {LockCtr, LockCurr, LockZero, LockBattleCtr})
    a->setChecked(a->data().toInt() == prefs_.autoCtr);
  renderer_.invalidate();
  repaintMap();
}

// ---- following the editing document ---------------------------------------------

void MapWidget::documentReplaced() {
  const EditorState& st = c_.state();
  view_.currentFG = st.currentFG;
  view_.currentSlot = 0;
  view_.currentRegion = st.currentRegion;
  view_.currentOrder = st.currentOrder;
  cache_.rebuild(c_.document(), st.currentRegion, st.currentOrder);
  view_.shown.assign(static_cast<std::size_t>(fgCount()), 1);
  view_.firstDrawn = 0;
  view_.lastDrawn = -1;
  // A fresh mission: the X-Y view at zoom 32, all flight groups, fitted.
  XY->setChecked(true);
  view_.mode = ViewMode::XY;
  CurrOnly->setChecked(false);
  regionButtons_[static_cast<std::size_t>(st.currentRegion - 1)]->setChecked(true);
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
  cache_.update(c_.document(), change);
  // Names, IFFs, craft types, difficulties, arrivals and regions: what the
  // chooser and the filters read. A drag changes none of them.
  const bool records = (change.fgAspects & (kFGRecord | kFGRegions)) != 0;
  if (change.flightGroupList) {
    refillSelectionBox();
    applyCurrentOnly();
  } else if (records) {
    for (int fg : change.flightGroups)
      showChooserLine(fg);
  }
  if (change.flightGroupList || records) {
    const std::vector<Byte> before = view_.shown;
    view_.shown = zephlo::applyFilters(c_.document(), cache_, filters_, view_.currentRegion);
    if (view_.shown != before || change.flightGroupList) {
      repaintMap();
      return;
    }
  }
  // Values kept beside the records (autolink, briefing point) are not drawn.
  if ((change.fgAspects & ~unsigned(kFGEditorOnly)) == 0) return;
  if (change.flightGroups.size() == 1 && change.flightGroups.front() == view_.currentFG)
    redrawCurrent();
  else
    repaintMap();
}

void MapWidget::currentFlightGroupChanged(int fg) {
  view_.currentFG = fg;
  applyCurrentOnly();
  syncing_ = true;
  if (fg < SelectionBox->count()) SelectionBox->setCurrentIndex(fg);
  syncing_ = false;
  repaintMap();
}

void MapWidget::regionChanged(int region) {
  regionButtons_[static_cast<std::size_t>(region - 1)]->setChecked(true);
  shownOrderChanged();
  // The chooser dims the flight groups absent from the region.
  for (int fg = 0; fg < SelectionBox->count(); ++fg)
    showChooserLine(fg);
}

void MapWidget::orderChanged(int) { shownOrderChanged(); }

void MapWidget::shownOrderChanged() {
  const EditorState& st = c_.state();
  view_.currentRegion = st.currentRegion;
  view_.currentOrder = st.currentOrder;
  cache_.rebuild(c_.document(), st.currentRegion, st.currentOrder);
  view_.shown = zephlo::applyFilters(c_.document(), cache_, filters_, view_.currentRegion);
  renderer_.invalidate();
  fitToBattlefield();
}

void MapWidget::stateChanged() {
  if (c_.state().currentTeam + 1 != view_.team) setTeam(c_.state().currentTeam);
}

void MapWidget::setTeam(int team) {
  view_.team = team + 1;
  if (view_.paletteOn) {
    view_.paletteIff = paletteIffForTeam(c_.document(), team);
    repaintMap();
  }
}

// ---- drawing --------------------------------------------------------------------

void MapWidget::repaintMap() {
  lockedAt_.reset();
  if (!initialised_ || view_.zoom == 0 || view_.width <= 0 || view_.height <= 0) return;
  renderer_.setDevicePixelRatio(PaintBox1->devicePixelRatioF());
  renderer_.repaint({c_.document(), cache_}, view_, options_);
  PaintBox1->update();
}

void MapWidget::redrawCurrent() {
  if (!initialised_ || view_.zoom == 0 || view_.width <= 0 || view_.height <= 0) return;
  renderer_.setDevicePixelRatio(PaintBox1->devicePixelRatioF());
  renderer_.redrawCurrent({c_.document(), cache_}, view_, options_);
  PaintBox1->update();
}

void MapWidget::applyFilters() {
  view_.shown = zephlo::applyFilters(c_.document(), cache_, filters_, view_.currentRegion);
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

void MapWidget::centreOnCurrent() {
  centreOnFlightGroup(view_, c_.document(), view_.currentFG);
  syncScrollBars();
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
  for (int fg = 0; fg < fgCount(); ++fg) {
    SelectionBox->addItem(QString());
    showChooserLine(fg);
  }
  if (view_.currentFG < SelectionBox->count()) SelectionBox->setCurrentIndex(view_.currentFG);
  syncing_ = false;
}

// The chooser's line of a flight group: its name in the colour of its line
// in the flight-group list, dimmed when absent from the region shown.
void MapWidget::showChooserLine(int fg) {
  if (fg < 0 || fg >= SelectionBox->count() || fg >= fgCount()) return;
  const Document& doc = c_.document();
  SelectionBox->setItemText(
      fg, QString::fromLatin1(doc.flightGroups[static_cast<std::size_t>(fg)].name()));
  SelectionBox->setItemData(fg, toQColor(fgLineColour(doc, fg, true, view_.currentRegion)),
                            Qt::ForegroundRole);
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

// ---- the mouse: the active tool takes each event --------------------------------

void MapWidget::PaintBox1MouseDown(QMouseEvent* e) {
  ScrollBox1->setFocus(Qt::MouseFocusReason);
  active_->press(*e);
}

void MapWidget::PaintBox1MouseMove(QMouseEvent* e) { active_->move(*e); }

void MapWidget::PaintBox1MouseUp(QMouseEvent* e) {
  active_->release(*e);
  endTool();
  if (view_.startLocked) repaintMap();
}

void MapWidget::PaintBox1DblClick(QMouseEvent*) {
  endTool();
  if (prefs_.dblClickLink == 0 || view_.fitted)
    setZoom(doubleClickZoom(view_.zoom));
  else
    fitToBattlefield();
}

void MapWidget::Timer1Timer() { active_->tick(); }

void MapWidget::startTool(MapTool& tool, const QMouseEvent& press) {
  endTool();
  active_ = &tool;
  tool.activate(press);
}

void MapWidget::endTool() {
  MapTool* was = active_;
  active_ = &tools_.select;
  if (was != active_) was->deactivate();
}

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

void MapWidget::pickFlightGroup(int fg) {
  // The list and the pages follow the map's flight group; a multiple
  // selection that holds it stays, so the group can be dragged together.
  if (!c_.state().selectedFGs.contains(fg)) c_.setFlightGroupSelection({fg});
  if (fg != c_.state().currentFG) {
    c_.selectFlightGroup(fg);
  } else {
    view_.currentFG = fg;
    repaintMap();
  }
  emit selectionSet();
  syncing_ = true;
  SelectionBox->setCurrentIndex(fg);
  syncing_ = false;
}

void MapWidget::showLocked(int fg, QPointF at) {
  view_.currentFG = fg;
  c_.selectFlightGroup(fg);
  c_.setFlightGroupSelection({fg});
  emit selectionSet();
  repaintMap();
  lockedAt_ = at;
  PaintBox1->update();
}

void MapWidget::selectBox(const QRectF& box, bool adds) {
  const std::vector<int> inBox =
      flightGroupsInBox(cache_, view_, box.left(), box.top(), box.right(), box.bottom());
  const std::optional<BoxSelection> chosen =
      boxSelection(inBox, c_.state().currentFG, adds ? c_.state().selectedFGs : std::set<int>{});
  if (!chosen) return;
  c_.setFlightGroupSelection(chosen->selected);
  pickFlightGroup(chosen->current);
}

std::string MapWidget::nextDragKey() { return "MapDrag" + std::to_string(++dragSerial_); }

} // namespace zephlo
