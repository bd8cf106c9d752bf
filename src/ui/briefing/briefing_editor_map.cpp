// The "WYSIWYG" page: the playing map, its VCR panel and time bar, the
// options bar, the "Selected Icon:" tools and the mouse on the map.
#include "core/briefing/briefing_look.h"
#include "core/briefing/instruction_lines.h"
#include "core/gamedata/vocabularies.h"
#include "render/briefing_painter.h"
#include "render/qt_colour.h"
#include "ui/briefing/briefing_editor.h"
#include "ui/briefing/briefing_map_view.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zephlo {

using pages::fromBytes;

namespace {

struct InsertSpec {
  const char* name;
  const char* caption;
};
constexpr InsertSpec kInserts[kBrfInsertCount] = {
    {"InsPageBreak", "Page Break"},
    {"InsTitle", "Title Text"},
    {"InsText", "Briefing Text"},
    {"InsMoveMap", "Move Map"},
    {"InsZoom", "Zoom Map"},
    {"InsClearBoxes", "Clear all Boxes"},
    {"InsBox", "FG Box"},
    {"InsClearTags", "Clear all Tags"},
    {"InsTag", "Map Tag"},
    {"InsNewIcon", "New Icon"},
    {"InsShipData", "Show Ship data"},
    {"InsMoveIcon", "Move Icon"},
    {"InsRotate", "Rotate Icon"},
    {"InsRegion", "Change Region"},
};

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text,
                        const QString& hint) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setText(text);
  b->setToolTip(hint);
  b->setAutoRaise(false);
  return b;
}

QAction* option(QToolBar* bar, const char* name, const QString& text, bool down) {
  QAction* a = bar->addAction(text);
  a->setObjectName(QString::fromLatin1(name));
  a->setToolTip(text);
  a->setCheckable(true);
  a->setChecked(down);
  return a;
}

} // namespace

void TBrfForm::buildActions() {
  for (int i = 0; i < kBrfInsertCount; ++i) {
    auto* a = new QAction(QString::fromLatin1(kInserts[i].caption), this);
    a->setObjectName(QString::fromLatin1(kInserts[i].name));
    a->setToolTip(QStringLiteral("Insert ") + a->text());
    const auto kind = static_cast<BrfInsert>(i);
    connect(a, &QAction::triggered, this, [this, kind] { insertCommand(kind); });
    insertActions_[i] = a;
  }
}

void TBrfForm::buildWysiwygPage() {
  auto* page = new QWidget(BrfPages);
  page->setObjectName(QStringLiteral("WysiwygPage"));
  auto* col = new QVBoxLayout(page);
  col->setContentsMargins(4, 4, 4, 4);

  wysiwygBar_ = new QToolBar(page);
  wysiwygBar_->setObjectName(QStringLiteral("WysiwygBar"));
  wysiwygBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  for (BrfInsert k : {BrfInsert::PageBreak, BrfInsert::Text, BrfInsert::MoveMap, BrfInsert::ZoomMap,
                      BrfInsert::ClearBoxes, BrfInsert::ClearTags, BrfInsert::Tag,
                      BrfInsert::NewIcon, BrfInsert::Region})
    wysiwygBar_->addAction(insertActions_[static_cast<int>(k)]);
  // The view and drag options on a bar of their own below the tools.
  auto* options = new QToolBar(page);
  options->setObjectName(QStringLiteral("OptionsBar"));
  options->setToolButtonStyle(Qt::ToolButtonTextOnly);
  ShowCurr = option(options, "ShowCurr", QStringLiteral("Indicate Selected Icon"), true);
  ShowNums = option(options, "ShowNums", QStringLiteral("Show Icon numbers"), true);
  StopAtStop = option(options, "StopAtStop", QStringLiteral("Pause at Page breaks"), false);
  for (QAction* a : {ShowCurr, ShowNums}) {
    connect(a, &QAction::toggled, this, &TBrfForm::repaintMap);
  }
  connect(StopAtStop, &QAction::toggled, this, [this](bool on) { pb_.setPauseAtPageBreaks(on); });
  options->addSeparator();
  LockX = option(options, "LockX", QStringLiteral("Lock X coordinate"), false);
  XSnapBtn = options->addAction(QStringLiteral("X snap: 1"));
  XSnapBtn->setObjectName(QStringLiteral("XSnapBtn"));
  XSnapBtn->setToolTip(QStringLiteral("Cycle X Snap"));
  LockY = option(options, "LockY", QStringLiteral("Lock Y coordinate"), false);
  YSnapBtn = options->addAction(QStringLiteral("Y snap: 1"));
  YSnapBtn->setObjectName(QStringLiteral("YSnapBtn"));
  YSnapBtn->setToolTip(QStringLiteral("Cycle Y Snap"));
  connect(XSnapBtn, &QAction::triggered, this, [this] {
    snapX_ = nextBriefingSnapStep(snapX_);
    XSnapBtn->setText(QStringLiteral("X snap: %1").arg(snapX_));
  });
  connect(YSnapBtn, &QAction::triggered, this, [this] {
    snapY_ = nextBriefingSnapStep(snapY_);
    YSnapBtn->setText(QStringLiteral("Y snap: %1").arg(snapY_));
  });
  col->addWidget(wysiwygBar_);
  col->addWidget(options);

  auto* body = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  TitleStrip = pages::label(page, "TitleStrip");
  TitleStrip->setAlignment(Qt::AlignCenter);
  TitleStrip->setStyleSheet(QStringLiteral("background: black; color: rgb(0,198,255);"));
  QSizePolicy keep = TitleStrip->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  TitleStrip->setSizePolicy(keep);
  left->addWidget(TitleStrip);
  MapBox = new BrfMapView(page);
  MapBox->setObjectName(QStringLiteral("MapBox"));
  MapBox->setContextMenuPolicy(Qt::CustomContextMenu);
  MapBox->onPress = [this](QMouseEvent* e) { mapPress(e); };
  MapBox->onMove = [this](QMouseEvent* e) { mapMove(e); };
  MapBox->onRelease = [this](QMouseEvent* e) { mapRelease(e); };
  MapBox->onResize = [this] { repaintMap(); };
  left->addWidget(MapBox, 1);
  // The caption, time bar and VCR panel give way to the insert group; both
  // share one place of fixed height, so the map keeps its size and centre.
  auto* bottom = new QStackedWidget(page);
  bottom->setObjectName(QStringLiteral("BottomStack"));
  auto* playing = new QWidget(bottom);
  auto* playingCol = new QVBoxLayout(playing);
  playingCol->setContentsMargins(0, 0, 0, 0);
  CaptionArea = pages::label(playing, "CaptionArea");
  CaptionArea->setWordWrap(true);
  CaptionArea->setMinimumHeight(44);
  CaptionArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  CaptionArea->setStyleSheet(QStringLiteral("background: black; color: rgb(255,255,0);"));
  playingCol->addWidget(CaptionArea);
  TimeBar = new QScrollBar(Qt::Horizontal, playing);
  TimeBar->setObjectName(QStringLiteral("TimeBar"));
  connect(TimeBar, &QScrollBar::valueChanged, this, &TBrfForm::timeBarMoved);
  playingCol->addWidget(TimeBar);
  buildVcrPanel(playing);
  playingCol->addWidget(VcrPanel);
  playingCol->addStretch(1);
  bottom->addWidget(playing);
  buildInsertGroup(bottom);
  bottom->addWidget(InsertGroup);
  bottom->setFixedHeight(std::max(playing->sizeHint().height(), InsertGroup->sizeHint().height()));
  bottomStack_ = bottom;
  left->addWidget(bottom);
  body->addLayout(left, 1);

  auto* right = new QVBoxLayout;
  buildSelectedIconGroup(page);
  right->addWidget(SelIconGroup);
  XPosLabel = pages::label(page, "XPosLabel", QStringLiteral("X = 0.00"));
  YPosLabel = pages::label(page, "YPosLabel", QStringLiteral("Y = 0.00"));
  right->addWidget(XPosLabel);
  right->addWidget(YPosLabel);
  right->addStretch(1);
  body->addLayout(right);
  col->addLayout(body, 1);

  // The space bar plays and pauses while this page is shown.
  auto* space = new QShortcut(QKeySequence(Qt::Key_Space), page);
  space->setContext(Qt::WidgetWithChildrenShortcut);
  connect(space, &QShortcut::activated, this, [this] {
    if (mode_ != BrfMode::None) return;
    if (pb_.playing())
      PauseBtnClick();
    else
      PlayBtnClick();
  });
  connect(MapBox, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (mode_ == BrfMode::None) wysiwygPopup_->popup(MapBox->mapToGlobal(at));
  });
  BrfPages->addTab(page, QStringLiteral("WYSIWYG"));
}

void TBrfForm::buildVcrPanel(QWidget* page) {
  VcrPanel = new QWidget(page);
  VcrPanel->setObjectName(QStringLiteral("VcrPanel"));
  auto* row = new QHBoxLayout(VcrPanel);
  row->setContentsMargins(0, 0, 0, 0);
  struct Btn {
    const char* name;
    const char* text;
    const char* hint;
    void (TBrfForm::*slot)();
  };
  const Btn btns[] = {
      {"StopBtn", "|<<", "Rewind and Stop", &TBrfForm::StopBtnClick},
      {"RewPlayBtn", "|<>", "Rewind and Play", &TBrfForm::RewPlayBtnClick},
      {"PrevInstBtn", "<|", "Previous Instruction", &TBrfForm::PrevInstBtnClick},
      {"PlayBtn", ">", "Play", &TBrfForm::PlayBtnClick},
      {"PauseBtn", "||", "Pause", &TBrfForm::PauseBtnClick},
      {"StepBtn", ">.", "Advance 0.05 seconds", &TBrfForm::StepBtnClick},
      {"NextInstBtn", "|>", "Advance to next Instruction", &TBrfForm::NextInstBtnClick},
      {"NextPageBtn", ">>|", "Advance to next Page", &TBrfForm::NextPageBtnClick},
  };
  for (std::size_t i = 0; i < 8; ++i) {
    QToolButton* b = toolButton(VcrPanel, btns[i].name, QString::fromLatin1(btns[i].text),
                                QString::fromLatin1(btns[i].hint));
    b->setMinimumWidth(36);
    connect(b, &QToolButton::clicked, this, btns[i].slot);
    row->addWidget(b);
    vcrButtons_[i] = b;
  }
  vcrButtons_[3]->setCheckable(true);
  TimeLabel = pages::label(VcrPanel, "TimeLabel");
  InstLabel = pages::label(VcrPanel, "InstLabel");
  TimeLabel->setMinimumWidth(100);
  row->addSpacing(12);
  row->addWidget(TimeLabel);
  row->addWidget(InstLabel);
  row->addStretch(1);
}

void TBrfForm::buildSelectedIconGroup(QWidget* page) {
  SelIconGroup = new QGroupBox(QStringLiteral("Selected Icon:"), page);
  SelIconGroup->setObjectName(QStringLiteral("SelIconGroup"));
  auto* grid = new QGridLayout(SelIconGroup);
  SelIconLabel = pages::label(SelIconGroup, "SelIconLabel");
  grid->addWidget(SelIconLabel, 0, 0, 1, 3);
  struct Tool {
    const char* name;
    const char* text;
    const char* hint;
    IconTool tool;
  };
  const Tool tools[] = {
      {"Rot0Btn", "0", "Rotate Selection 0 degrees", IconTool::Rotate0},
      {"Rot90Btn", "90", "Rotate Selection 90 degrees", IconTool::Rotate90},
      {"Rot180Btn", "180", "Rotate Selection 180 degrees", IconTool::Rotate180},
      {"Rot270Btn", "270", "Rotate Selection 270 degrees", IconTool::Rotate270},
      {"MirrorBtn", "Mirror", "Mirror Selected Icon", IconTool::Mirror},
      {"ClearIconBtn", "Clear", "Clear Selected Icon", IconTool::Clear},
      {"BoxIconBtn", "Box", "Box selection", IconTool::Box},
  };
  int n = 0;
  for (const Tool& t : tools) {
    QToolButton* b =
        toolButton(SelIconGroup, t.name, QString::fromLatin1(t.text), QString::fromLatin1(t.hint));
    connect(b, &QToolButton::clicked, this, [this, tool = t.tool] { iconTool(tool); });
    grid->addWidget(b, 1 + n / 3, n % 3);
    ++n;
  }
  QToolButton* info = toolButton(SelIconGroup, "InfoIconBtn", QStringLiteral("Info"),
                                 QStringLiteral("Show Info for Selected Icon"));
  connect(info, &QToolButton::clicked, this, &TBrfForm::showInfoTool);
  grid->addWidget(info, 1 + n / 3, n % 3);
  grid->addWidget(new QLabel(QStringLiteral("Move:"), SelIconGroup), 4, 0, 1, 3);
  struct Arrow {
    const char* name;
    const char* text;
    ArrowMove move;
    int row, col;
  };
  const Arrow arrows[] = {
      {"ArrowUpLeft", "\\", ArrowMove::UpLeft, 0, 0},
      {"ArrowUp", "^", ArrowMove::Up, 0, 1},
      {"ArrowUpRight", "/", ArrowMove::UpRight, 0, 2},
      {"ArrowLeft", "<", ArrowMove::Left, 1, 0},
      {"ArrowRight", ">", ArrowMove::Right, 1, 2},
      {"ArrowDownLeft", "/", ArrowMove::DownLeft, 2, 0},
      {"ArrowDown", "v", ArrowMove::Down, 2, 1},
      {"ArrowDownRight", "\\", ArrowMove::DownRight, 2, 2},
  };
  for (const Arrow& a : arrows) {
    QToolButton* b = toolButton(SelIconGroup, a.name, QString::fromLatin1(a.text),
                                QString::fromLatin1(a.name + 5));
    connect(b, &QToolButton::clicked, this, [this, move = a.move] { arrowTool(move); });
    grid->addWidget(b, 5 + a.row, a.col);
  }
}

void TBrfForm::buildPopups() {
  wysiwygPopup_ = new QMenu(this);
  wysiwygPopup_->setObjectName(QStringLiteral("WysiwygPopUp"));
  wysiwygPopup_->addActions(wysiwygBar_->actions());
  wysiwygPopup_->addSeparator();
  popPlay_ = wysiwygPopup_->addAction(QStringLiteral("Play"), this, &TBrfForm::PlayBtnClick);
  popPause_ = wysiwygPopup_->addAction(QStringLiteral("Pause"), this, &TBrfForm::PauseBtnClick);
  popStop_ = wysiwygPopup_->addAction(QStringLiteral("Stop"), this, &TBrfForm::StopBtnClick);
  popStart1_ = wysiwygPopup_->addAction(QStringLiteral("Set all to Start &1"), this,
                                        &TBrfForm::SetAllToStart1Click);
  popStart1_->setObjectName(QStringLiteral("SetAllToStart1"));
  connect(wysiwygPopup_, &QMenu::aboutToShow, this, &TBrfForm::updateVcrStates);

  listPopup_ = new QMenu(this);
  listPopup_->setObjectName(QStringLiteral("ListPopUp"));
  for (QAction* a : insertActions_)
    listPopup_->addAction(a);
  listPopup_->addSeparator();
  listPopup_->addAction(QStringLiteral("&Delete"), this, &TBrfForm::DeleteInstBtnClick);
  listPopup_->addAction(QStringLiteral("Move &up"), this, &TBrfForm::MoveUpBtnClick);
  listPopup_->addAction(QStringLiteral("Move do&wn"), this, &TBrfForm::MoveDownBtnClick);
}

void TBrfForm::updateVcrStates() {
  const bool playing = pb_.playing();
  popPlay_->setEnabled(!playing);
  popStart1_->setEnabled(!playing);
  popPause_->setEnabled(playing);
  popStop_->setEnabled(playing);
  const QSignalBlocker block(vcrButtons_[3]);
  vcrButtons_[3]->setChecked(playing);
  VcrPanel->setEnabled(!pb_.inTransition());
}

BriefingMapPoint TBrfForm::mapPointAt(QPoint pixel) const {
  return screenToBriefing(pb_.state(), MapBox->width(), MapBox->height(), {pixel.x(), pixel.y()});
}

QPoint TBrfForm::pixelOf(BriefingMapPoint map) const {
  const BriefingMapPoint p = briefingToScreen(pb_.state(), MapBox->width(), MapBox->height(), map);
  return {p.x, p.y};
}

void TBrfForm::repaintMap() {
  if (!MapBox) return;
  BriefingPaintOptions o = briefingPaintOptions(c_.document());
  o.showNumbers = ShowNums->isChecked();
  o.showSelected = ShowCurr->isChecked();
  o.selectedIcon = selectedIcon_;
  MapBox->paintWith([&](QPainter& p, QSize area) {
    paintBriefing(p, area, sceneOf(pb_), o);
    if (!clickedInMode_ || (mode_ != BrfMode::Tag && mode_ != BrfMode::Icon)) return;
    // The thing being placed, where it would go.
    QFont f = p.font();
    f.setPointSize(9);
    p.setFont(f);
    const QPoint at = pixelOf(lastClick_);
    const int ascent = p.fontMetrics().ascent();
    if (mode_ == BrfMode::Tag) {
      p.setPen(toQColor(briefingTagColour(InsColorBox->currentIndex())));
      p.drawText(at.x(), at.y() + ascent, InsTagBox->currentData().toString());
    } else {
      p.setPen(Qt::white);
      p.drawText(at.x(), at.y() + ascent, InsCraftBox->currentText());
    }
  });
  const int text = pb_.state().text;
  CaptionArea->setText(text >= 0 && text < 128
                           ? fromBytes(c_.document().briefing.texts[static_cast<std::size_t>(text)])
                           : QString());
  const auto& fgs = c_.document().flightGroups;
  SelIconLabel->setText(
      QStringLiteral("Icon #%1").arg(selectedIcon_) +
      (selectedIcon_ < static_cast<int>(fgs.size())
           ? QStringLiteral(": ") + fromBytes(fgs[static_cast<std::size_t>(selectedIcon_)].name())
           : QString()));
}

void TBrfForm::showClock() {
  TimeLabel->setText(fromBytes(playbackTimeLabel(pb_.time())));
  InstLabel->setText(fromBytes(instructionLabel(std::max(pb_.current(), 0))));
  const QSignalBlocker block(TimeBar);
  TimeBar->setRange(0, pb_.runningTime());
  TimeBar->setValue(pb_.time());
}

void TBrfForm::startClock() {
  if (!playTimer_->isActive()) playTimer_->start();
}

void TBrfForm::stopClock() { playTimer_->stop(); }

void TBrfForm::afterVcr() {
  if (pb_.playing())
    startClock();
  else
    stopClock();
  if (pb_.inTransition()) {
    if (!transitionTimer_->isActive()) transitionTimer_->start();
  } else {
    transitionTimer_->stop();
  }
  updateVcrStates();
  showClock();
  repaintMap();
}

void TBrfForm::playTimerTick() {
  if (!pb_.playing()) {
    afterVcr();
    return;
  }
  const bool changed = pb_.tick();
  showClock();
  if (!pb_.playing() || pb_.inTransition()) {
    afterVcr();
    return;
  }
  if (changed) repaintMap();
}

void TBrfForm::transitionTimerTick() {
  if (pb_.transitionTick())
    afterVcr();
  else
    repaintMap();
}

void TBrfForm::timeBarMoved(int value) {
  if (pb_.playing()) return;
  pb_.seek(value);
  afterVcr();
}

void TBrfForm::PlayBtnClick() {
  pb_.setRunningTime(c_.document().briefing.runningTime());
  if (auto refused = pb_.play()) c_.prompts().showInformation(fromBytes(*refused));
  afterVcr();
}

void TBrfForm::PauseBtnClick() {
  pb_.pause();
  afterVcr();
}

void TBrfForm::StopBtnClick() {
  rewindForEditing();
  afterVcr();
}

void TBrfForm::rewindForEditing() {
  pb_.rewindAndStop();
  // The stopped map is for editing: the opening picture is shown whole, tags
  // and boxes included, so they can be seen and dragged.
  pb_.completeAnimations();
}

void TBrfForm::RewPlayBtnClick() {
  pb_.setRunningTime(c_.document().briefing.runningTime());
  if (auto refused = pb_.rewindAndPlay()) c_.prompts().showInformation(fromBytes(*refused));
  afterVcr();
}

void TBrfForm::StepBtnClick() {
  pb_.step();
  afterVcr();
}

void TBrfForm::NextInstBtnClick() {
  pb_.nextInstruction();
  afterVcr();
}

void TBrfForm::PrevInstBtnClick() {
  pb_.previousInstruction();
  afterVcr();
}

void TBrfForm::NextPageBtnClick() {
  pb_.nextPage();
  afterVcr();
}

void TBrfForm::mapPress(QMouseEvent* e) {
  const QPoint pos = e->position().toPoint();
  const BriefingMapPoint map = mapPointAt(pos);
  lastClick_ = map;
  if (mode_ == BrfMode::Tag || mode_ == BrfMode::Icon) {
    clickedInMode_ = true;
    repaintMap();
    return;
  }
  if (mode_ != BrfMode::None) return;
  const bool drag = e->button() == Qt::LeftButton && e->modifiers() == Qt::NoModifier;
  dragPos_ = -1;
  dragIcon_ = -1;
  const PlaybackState& s = pb_.state();
  if (const int icon = hitBriefingIcon(s, map); icon >= 0) {
    selectedIcon_ = icon;
    if (drag) {
      dragPos_ = dragInstructionForIcon(
          pb_.list(), icon, s.icons[static_cast<std::size_t>(icon)].lastMove, pb_.time());
      dragIcon_ = icon;
    }
  } else if (const int tag = hitBriefingTag(s, pb_.list(), MapBox->width(), MapBox->height(),
                                            {pos.x(), pos.y()});
             tag >= 0 && drag) {
    dragPos_ = s.tags[static_cast<std::size_t>(tag)].instruction;
  }
  ++dragId_;
  repaintMap();
}

void TBrfForm::mapMove(QMouseEvent* e) {
  const BriefingMapPoint map = mapPointAt(e->position().toPoint());
  XPosLabel->setText(QStringLiteral("X = ") + fromBytes(briefingKmText(map.x)));
  YPosLabel->setText(QStringLiteral("Y = ") + fromBytes(briefingKmText(map.y)));
  if (dragPos_ < 0 || !(e->buttons() & Qt::LeftButton)) return;
  if (dragPos_ >= static_cast<int>(pb_.list().size())) return;
  const TCommandObject& c = pb_.list()[static_cast<std::size_t>(dragPos_)];
  const BriefingMapPoint old{c.X, c.Y};
  const BriefingDragSettings d{LockX->isChecked(), LockY->isChecked(), snapX_, snapY_};
  const BriefingMapPoint to = briefingDragTo(map, old, d);
  if (to == old) return;
  if (!apply(dragBriefingPoint(dragPos_, to.x, to.y, dragId_))) {
    dragPos_ = -1;
    return;
  }
  if (dragIcon_ >= 0) {
    // The picture follows at once; the list already holds the new place.
    BriefingIcon& icon = pb_.state().icons[static_cast<std::size_t>(dragIcon_)];
    icon.x = static_cast<std::int16_t>(to.x);
    icon.y = static_cast<std::int16_t>(to.y);
  }
  repaintMap();
}

void TBrfForm::mapRelease(QMouseEvent*) {
  dragPos_ = -1;
  dragIcon_ = -1;
}

} // namespace zephlo
