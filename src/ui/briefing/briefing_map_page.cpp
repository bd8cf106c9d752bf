#include "ui/briefing/briefing_map_page.h"

#include "core/briefing/instruction_lines.h"
#include "render/briefing_painter.h"
#include "ui/briefing/briefing_actions.h"
#include "ui/briefing/briefing_map_view.h"
#include "ui/briefing/briefing_session.h"
#include "ui/briefing/insert_panel.h"
#include "ui/briefing/playback_controls.h"
#include "ui/briefing/selected_icon_panel.h"
#include "ui/editing/action_registry.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace zephlo {

using pages::fromBytes;

namespace {

// The insert commands on the page's own bar, in bar order.
constexpr std::uint16_t kBarInserts[] = {
    brfcode::PageBreak, brfcode::Text,       brfcode::MoveMap,
    brfcode::ZoomMap,   brfcode::ClearBoxes, brfcode::ClearTags,
    brfcode::FirstTag,  brfcode::NewIcon,    brfcode::ChangeRegion};

QToolBar* textBar(QWidget* parent, const char* name) {
  auto* bar = new QToolBar(parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return bar;
}

// A label that keeps its place when hidden, so the map keeps its size.
QLabel* keptLabel(QWidget* parent, const char* name) {
  QLabel* l = pages::label(parent, name);
  QSizePolicy keep = l->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  l->setSizePolicy(keep);
  return l;
}

} // namespace

BriefingMapPage::BriefingMapPage(BriefingSession& session, const BriefingActions& actions,
                                 QWidget* parent)
    : QWidget(parent), session_(session), actions_(actions) {
  setObjectName(QStringLiteral("WysiwygPage"));
  auto* col = new QVBoxLayout(this);
  col->setContentsMargins(4, 4, 4, 4);
  buildBars();

  auto* body = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  TitleStrip = keptLabel(this, "TitleStrip");
  TitleStrip->setAlignment(Qt::AlignCenter);
  TitleStrip->setStyleSheet(QStringLiteral("background: black; color: rgb(0,198,255);"));
  left->addWidget(TitleStrip);
  MapBox = new BrfMapView(this);
  MapBox->setObjectName(QStringLiteral("MapBox"));
  MapBox->setContextMenuPolicy(Qt::CustomContextMenu);
  MapBox->setTool(active_);
  left->addWidget(MapBox, 1);
  // The caption and the playback controls give way to the insert group;
  // both share one place of fixed height, so the map keeps its size.
  bottomStack_ = new QStackedWidget(this);
  bottomStack_->setObjectName(QStringLiteral("BottomStack"));
  auto* playing = new QWidget(bottomStack_);
  auto* playingCol = new QVBoxLayout(playing);
  playingCol->setContentsMargins(0, 0, 0, 0);
  CaptionArea = pages::label(playing, "CaptionArea");
  CaptionArea->setWordWrap(true);
  CaptionArea->setMinimumHeight(44);
  CaptionArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  CaptionArea->setStyleSheet(QStringLiteral("background: black; color: rgb(255,255,0);"));
  playingCol->addWidget(CaptionArea);
  playingCol->addWidget(new PlaybackControls(session_, actions_, playing));
  playingCol->addStretch(1);
  bottomStack_->addWidget(playing);
  insertPanel_ = new InsertPanel(actions_, bottomStack_);
  bottomStack_->addWidget(insertPanel_);
  bottomStack_->setFixedHeight(
      std::max(playing->sizeHint().height(), insertPanel_->sizeHint().height()));
  left->addWidget(bottomStack_);
  body->addLayout(left, 1);

  auto* right = new QVBoxLayout;
  SelIconGroup = new SelectedIconPanel(session_, actions_, this);
  right->addWidget(SelIconGroup);
  XPosLabel = pages::label(this, "XPosLabel", QStringLiteral("X = 0.00"));
  YPosLabel = pages::label(this, "YPosLabel", QStringLiteral("Y = 0.00"));
  right->addWidget(XPosLabel);
  right->addWidget(YPosLabel);
  right->addStretch(1);
  body->addLayout(right);
  col->addLayout(body, 1);
  buildPopup();

  // The space bar plays and pauses while this page is shown.
  auto* space = new QShortcut(QKeySequence(Qt::Key_Space), this);
  space->setContext(Qt::WidgetWithChildrenShortcut);
  connect(space, &QShortcut::activated, this, [this] {
    if (mode() == BrfMode::None) session_.togglePlay();
  });
  connect(MapBox, &BrfMapView::pressedAt, this, [this](QPoint at) { lastClick_ = mapPointAt(at); });
  connect(MapBox, &BrfMapView::pointerAt, this, &BriefingMapPage::showPointer);
  connect(MapBox, &BrfMapView::resized, this, &BriefingMapPage::repaintMap);
  connect(insertPanel_, &InsertPanel::controlsChanged, this, [this] {
    if (insertTool_) insertTool_->controlsChanged();
  });
  connect(actions_.done, &QAction::triggered, this, &BriefingMapPage::done);
  connect(actions_.cancel, &QAction::triggered, this, &BriefingMapPage::cancel);
  connect(&session_, &BriefingSession::pictureChanged, this, &BriefingMapPage::repaintMap);
}

void BriefingMapPage::buildBars() {
  QToolBar* inserts = textBar(this, "WysiwygBar");
  for (std::uint16_t code : kBarInserts)
    inserts->addAction(actions_.insertFor(code));
  // The view and drag options on a bar of their own below the tools.
  QToolBar* options = textBar(this, "OptionsBar");
  options->addActions({actions_.showCurr, actions_.showNums, actions_.stopAtStop});
  options->addSeparator();
  options->addActions({actions_.lockX, actions_.xSnap, actions_.lockY, actions_.ySnap});
  for (QAction* a : {actions_.showCurr, actions_.showNums})
    connect(a, &QAction::toggled, this, &BriefingMapPage::repaintMap);
  session_.playback().setPauseAtPageBreaks(actions_.stopAtStop->isChecked());
  connect(actions_.stopAtStop, &QAction::toggled, this,
          [this](bool on) { session_.playback().setPauseAtPageBreaks(on); });
  connect(actions_.xSnap, &QAction::triggered, this, [this] {
    snapX_ = nextBriefingSnapStep(snapX_);
    actions_.xSnap->setIconText(QStringLiteral("X snap: %1").arg(snapX_));
  });
  connect(actions_.ySnap, &QAction::triggered, this, [this] {
    snapY_ = nextBriefingSnapStep(snapY_);
    actions_.ySnap->setIconText(QStringLiteral("Y snap: %1").arg(snapY_));
  });
  layout()->addWidget(inserts);
  layout()->addWidget(options);
}

void BriefingMapPage::buildPopup() {
  popup_ = new QMenu(this);
  popup_->setObjectName(QStringLiteral("WysiwygPopUp"));
  for (std::uint16_t code : kBarInserts)
    popup_->addAction(actions_.insertFor(code));
  popup_->addSeparator();
  const ActionRegistry& r = actions_.registry;
  popPlay_ = r.alias(actions_.vcrAction(Vcr::Play), QStringLiteral("Play"), popup_);
  popPause_ = r.alias(actions_.vcrAction(Vcr::Pause), QStringLiteral("Pause"), popup_);
  popStop_ = r.alias(actions_.vcrAction(Vcr::Stop), QStringLiteral("Stop"), popup_);
  popup_->addActions({popPlay_, popPause_, popStop_, actions_.setAllToStart1});
  connect(popup_, &QMenu::aboutToShow, this, &BriefingMapPage::updatePopup);
  connect(MapBox, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (mode() == BrfMode::None) popup_->popup(MapBox->mapToGlobal(at));
  });
  connect(actions_.setAllToStart1, &QAction::triggered, this, &BriefingMapPage::setAllToStart1);
}

void BriefingMapPage::updatePopup() {
  const bool playing = session_.playback().playing();
  popPlay_->setEnabled(!playing);
  actions_.setAllToStart1->setEnabled(!playing);
  popPause_->setEnabled(playing);
  popStop_->setEnabled(playing);
}

void BriefingMapPage::setAllToStart1() {
  if (!session_.editing().prompts().askYesNo(
          QStringLiteral("Set Briefing Points to Start Point 1 for Briefing 1?")))
    return;
  session_.apply(setBriefingPointsToStart1());
}

void BriefingMapPage::setTool(BrfMapTool* tool) {
  active_->deactivate();
  active_ = tool;
  MapBox->setTool(tool);
  tool->activate();
}

void BriefingMapPage::insert(std::uint16_t code) {
  if (mode() != BrfMode::None) return;
  if (const BrfMode mode = insertModeOf(code); mode != BrfMode::None) {
    startMode(mode);
    return;
  }
  const int icon = session_.selectedIcon(), rotation = session_.lastRotation();
  const BriefingPlayback& pb = session_.playback();
  session_.insertAtClock(
      [&pb, code, icon, rotation](int, int) { return insertOnMapStep(code, pb, icon, rotation); },
      insertResumesPlayback(code));
}

void BriefingMapPage::startMode(BrfMode mode) {
  insertTool_ = makeInsertTool(mode, *this);
  setTool(insertTool_.get());
}

void BriefingMapPage::done() {
  if (!insertTool_ || !insertTool_->finish()) return;
  leaveMode();
  session_.settle();
}

void BriefingMapPage::cancel() {
  if (!insertTool_) return;
  insertTool_->cancel();
  leaveMode();
  session_.settle();
}

void BriefingMapPage::leaveMode() {
  if (!insertTool_) return;
  setTool(&pick_);
  insertTool_.reset();
}

void BriefingMapPage::setInserting(bool on) {
  bottomStack_->setCurrentIndex(on ? 1 : 0);
  TitleStrip->setVisible(!on);
  SelIconGroup->setEnabled(!on);
  actions_.setInsertsEnabled(!on);
  emit insertingChanged(on);
}

void BriefingMapPage::opened() {
  session_.rewindForEditing();
  session_.settle();
}

void BriefingMapPage::showTitle(const QString& text) { TitleStrip->setText(text); }

void BriefingMapPage::documentChanged(const Change& change) {
  // The picture shows team 1's name, the region names of the header and the
  // selected icon's flight group; the briefing's own changes repaint through
  // the session.
  if (change.header || change.teams[0] || renamesFlightGroups(change)) repaintMap();
}

void BriefingMapPage::repaintMap() {
  const Document& d = session_.document();
  const BriefingPlayback& pb = session_.playback();
  BriefingPaintOptions o = briefingPaintOptions(d);
  o.showNumbers = actions_.showNums->isChecked();
  o.showSelected = actions_.showCurr->isChecked();
  o.selectedIcon = session_.selectedIcon();
  MapBox->paintWith([&](QPainter& p, QSize area) {
    paintBriefing(p, area, sceneOf(pb), o);
    active_->paintOver(p);
  });
  CaptionArea->setText(fromBytes(briefingCaption(pb.state(), d.briefing)));
  SelIconGroup->showSelection();
}

void BriefingMapPage::showPointer(QPoint pixel) {
  const BriefingMapPoint map = mapPointAt(pixel);
  XPosLabel->setText(QStringLiteral("X = ") + fromBytes(briefingKmText(map.x)));
  YPosLabel->setText(QStringLiteral("Y = ") + fromBytes(briefingKmText(map.y)));
}

BriefingMapPoint BriefingMapPage::mapPointAt(QPoint pixel) const {
  return screenToBriefing(session_.playback().state(), MapBox->width(), MapBox->height(),
                          {pixel.x(), pixel.y()});
}

QPoint BriefingMapPage::pixelOf(BriefingMapPoint map) const {
  const BriefingMapPoint p =
      briefingToScreen(session_.playback().state(), MapBox->width(), MapBox->height(), map);
  return {p.x, p.y};
}

QSize BriefingMapPage::mapSize() const { return MapBox->size(); }

BriefingDragSettings BriefingMapPage::dragSettings() const {
  return {actions_.lockX->isChecked(), actions_.lockY->isChecked(), snapX_, snapY_};
}

} // namespace zephlo
