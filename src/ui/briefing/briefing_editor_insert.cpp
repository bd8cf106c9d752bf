// Inserting on the map page: the tools that insert at once at the clock,
// and the guided insert modes that preview the new instruction until
// "Done" applies it as one step or "Cancel" drops it.
#include "core/gamedata/vocabularies.h"
#include "ui/briefing/briefing_editor.h"
#include "ui/briefing/briefing_map_view.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

namespace zephlo {

using pages::fromBytes;

namespace {

const QString kStepDone = QStringLiteral(
    "2. Press the \"Done\" button to insert the instruction or \"Cancel\" to abort.");
const QString kStepDone3 = QStringLiteral(
    "3. Press the \"Done\" button to insert the instruction or \"Cancel\" to abort.");
const QString kStepClick = QStringLiteral(
    "2. Click on the map to place it. You may click repeatedly until you are satisfied with the "
    "position.");

QScrollBar* bar(QWidget* parent, const char* name, int lo, int hi) {
  auto* b = new QScrollBar(Qt::Horizontal, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setRange(lo, hi);
  return b;
}

} // namespace

void TBrfForm::buildInsertGroup(QWidget* page) {
  InsertGroup = new QGroupBox(QStringLiteral("Insert instruction"), page);
  InsertGroup->setObjectName(QStringLiteral("InsertGroup"));
  auto* grid = new QGridLayout(InsertGroup);
  GuideTitle = pages::label(InsertGroup, "GuideTitle");
  QFont bold = GuideTitle->font();
  bold.setBold(true);
  GuideTitle->setFont(bold);
  GuideText = pages::label(InsertGroup, "GuideText");
  GuideText->setWordWrap(true);
  grid->addWidget(GuideTitle, 0, 0, 1, 4);
  grid->addWidget(GuideText, 1, 0, 1, 4);
  ZoomBar = bar(InsertGroup, "ZoomBar", 3, 500);
  XScroll = bar(InsertGroup, "XScroll", -5000, 5000);
  YScroll = bar(InsertGroup, "YScroll", -5000, 5000);
  InsTextBox = pages::combo(InsertGroup, "InsTextBox", {});
  InsTagBox = pages::combo(InsertGroup, "InsTagBox", {});
  InsColorBox =
      pages::combo(InsertGroup, "InsColorBox",
                   {QStringLiteral("Green"), QStringLiteral("Red"), QStringLiteral("Yellow"),
                    QStringLiteral("Blue"), QStringLiteral("Purple"), QStringLiteral("Black")});
  InsCraftBox = pages::combo(InsertGroup, "InsCraftBox", pages::qlist(vocab::craftTypes()));
  InsIffBox = pages::combo(InsertGroup, "InsIffBox", pages::qlist(vocab::iffs()));
  InsRegionBox = pages::combo(InsertGroup, "InsRegionBox", {});
  grid->addWidget(ZoomBar, 2, 0, 1, 4);
  grid->addWidget(XScroll, 2, 0, 1, 4);
  grid->addWidget(YScroll, 3, 0, 1, 4);
  grid->addWidget(InsTextBox, 2, 0, 1, 4);
  grid->addWidget(InsTagBox, 2, 0, 1, 2);
  grid->addWidget(InsColorBox, 2, 2, 1, 2);
  grid->addWidget(InsCraftBox, 2, 0, 1, 2);
  grid->addWidget(InsIffBox, 2, 2, 1, 2);
  grid->addWidget(InsRegionBox, 2, 0, 1, 4);
  DoneBtn = new QPushButton(QStringLiteral("Done"), InsertGroup);
  DoneBtn->setObjectName(QStringLiteral("DoneBtn"));
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), InsertGroup);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  grid->addWidget(DoneBtn, 4, 2);
  grid->addWidget(CancelBtn, 4, 3);
  connect(DoneBtn, &QPushButton::clicked, this, &TBrfForm::DoneBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TBrfForm::CancelBtnClick);
  for (QScrollBar* b : {ZoomBar, XScroll, YScroll})
    connect(b, &QScrollBar::valueChanged, this, &TBrfForm::modeControlsChanged);
  for (QComboBox* b : {InsTagBox, InsColorBox, InsIffBox})
    connect(b, &QComboBox::currentIndexChanged, this, &TBrfForm::modeControlsChanged);
  connect(InsCraftBox, &QComboBox::currentIndexChanged, this, [this](int craft) {
    if (auto iff = presetIff(craft)) InsIffBox->setCurrentIndex(*iff);
    modeControlsChanged();
  });
}

void TBrfForm::insertCommand(BrfInsert kind) {
  if (mode_ != BrfMode::None) return;
  if (BrfPages->currentIndex() == 0)
    insertOnMap(kind);
  else
    insertOnList(kind);
}

void TBrfForm::insertOnMap(BrfInsert kind) {
  switch (kind) {
  case BrfInsert::Text: enterMode(BrfMode::Text); return;
  case BrfInsert::MoveMap: enterMode(BrfMode::MoveMap); return;
  case BrfInsert::ZoomMap: enterMode(BrfMode::Zoom); return;
  case BrfInsert::Tag: enterMode(BrfMode::Tag); return;
  case BrfInsert::NewIcon: enterMode(BrfMode::Icon); return;
  case BrfInsert::Region: enterMode(BrfMode::Region); return;
  case BrfInsert::Box: iconTool(IconTool::Box); return;
  case BrfInsert::ShipData: showInfoTool(); return;
  case BrfInsert::RotateIcon: {
    TCommandObject c = newInstruction(brfcode::RotateIcon, selectedIcon_, lastRotation_);
    c.Index = static_cast<std::uint16_t>(selectedIcon_);
    insertAtClock(c, true);
    return;
  }
  case BrfInsert::MoveIcon: {
    // A move to where the icon stands, ready to be dragged.
    const BriefingIcon& at = pb_.state().icons[static_cast<std::size_t>(selectedIcon_)];
    TCommandObject c = newInstruction(brfcode::MoveIcon);
    c.Index = static_cast<std::uint16_t>(selectedIcon_);
    c.X = at.x;
    c.Y = at.y;
    insertAtClock(c, true);
    return;
  }
  default: break;
  }
  const bool resume = kind == BrfInsert::ClearBoxes || kind == BrfInsert::ClearTags;
  insertAtClock(itemFor(kind, pb_.list(), pb_.current()), resume);
}

void TBrfForm::insertAtClock(const TCommandObject& item, bool resume) {
  const bool wasPlaying = pb_.playing();
  stopClock();
  pb_.pause();
  const int current = pb_.current(), time = pb_.time();
  auto where = std::make_shared<int>(-1);
  auto warning = std::make_shared<std::string>();
  const Operation op = editBriefingList("Insert " + commandName(item.Command), {},
                                        [=](InstructionList& list) -> Status {
                                          *where = insertAtTime(list, current, time, item);
                                          *warning = assignFreeSlot(list, *where);
                                          return {};
                                        });
  if (apply(op)) {
    if (!warning->empty()) c_.prompts().showInformation(fromBytes(*warning));
    pb_.executeAt(*where);
    pb_.completeAnimations();
  }
  if (resume && wasPlaying) pb_.play();
  afterVcr();
}

void TBrfForm::iconTool(IconTool tool) {
  if (mode_ != BrfMode::None) return;
  static constexpr int rotations[] = {0, 3, 2, 1, 4};
  if (tool <= IconTool::Mirror) lastRotation_ = rotations[static_cast<int>(tool)];
  insertAtClock(selectedIconInstruction(tool, selectedIcon_), true);
}

void TBrfForm::showInfoTool() {
  if (mode_ != BrfMode::None) return;
  const bool wasPlaying = pb_.playing();
  stopClock();
  pb_.pause();
  const int current = pb_.current(), time = pb_.time(), icon = selectedIcon_;
  auto where = std::make_shared<int>(-1);
  const Operation op =
      editBriefingList("Show Info for Selected Icon", {}, [=](InstructionList& list) -> Status {
        *where = insertShowInfo(list, current, time, icon);
        return {};
      });
  if (apply(op)) pb_.executeAt(*where);
  if (wasPlaying) pb_.play();
  afterVcr();
}

void TBrfForm::arrowTool(ArrowMove move) {
  if (mode_ != BrfMode::None) return;
  stopClock();
  const ArrowEdit edit = arrowMove(pb_, selectedIcon_, move);
  if (apply(edit.op)) afterArrowMove(pb_, pb_.list(), edit);
  afterVcr();
}

void TBrfForm::enterMode(BrfMode mode) {
  stopClock();
  pb_.pause();
  stateBeforeInsert_ = pb_.state();
  nextBeforeInsert_ = pb_.next();
  insertTime_ = pb_.time();
  clickedInMode_ = false;
  mode_ = mode;

  const Briefing& b = c_.document().briefing;
  {
    const QSignalBlocker b1(InsTextBox), b2(InsTagBox), b3(InsRegionBox), b4(InsCraftBox),
        b5(InsIffBox), b6(ZoomBar), b7(XScroll), b8(YScroll), b9(InsColorBox);
    InsTextBox->clear();
    InsTagBox->clear();
    for (int i = 0; i < 128; ++i) {
      const auto k = static_cast<std::size_t>(i);
      InsTextBox->addItem(QStringLiteral("%1: ").arg(i) + fromBytes(b.texts[k]));
      InsTagBox->addItem(QStringLiteral("%1: ").arg(i) + fromBytes(b.tags[k]),
                         fromBytes(b.tags[k]));
    }
    InsRegionBox->clear();
    for (const std::string& r : regionNames())
      InsRegionBox->addItem(fromBytes(r));
    InsColorBox->setCurrentIndex(0);
    InsCraftBox->setCurrentIndex(1);
    InsIffBox->setCurrentIndex(presetIff(1).value_or(0));
    ZoomBar->setValue(pb_.state().zoom);
    XScroll->setValue(-pb_.state().xoff);
    YScroll->setValue(-pb_.state().yoff);
  }

  QString title, first;
  QString last = kStepDone;
  switch (mode) {
  case BrfMode::Zoom:
    title = QStringLiteral("Adjust Zoom");
    first = QStringLiteral("1. Adjust the Zoom scrollbar to the desired zoom level.");
    break;
  case BrfMode::MoveMap:
    title = QStringLiteral("Move Map");
    first =
        QStringLiteral("1. Adjust the X and Y scrollbars to move the map to the desired postion.");
    break;
  case BrfMode::Text:
    title = QStringLiteral("Briefing Text:");
    first = QStringLiteral("1. Choose the Text you want to show from the drop down list.");
    break;
  case BrfMode::Tag:
    title = QStringLiteral("Map Tag:");
    first = QStringLiteral(
        "1. Choose the Tag you want to show, and its color, from the drop down lists.");
    last = kStepClick + QLatin1Char('\n') + kStepDone3;
    break;
  case BrfMode::Icon:
    title = QStringLiteral("Map Icon:");
    first = QStringLiteral(
        "1. Choose the Ship Icon you want to show, and its IFF, from the drop down lists.");
    last = kStepClick + QLatin1Char('\n') + kStepDone3;
    break;
  case BrfMode::Region:
    title = QStringLiteral("Choose Region");
    first = QStringLiteral("1. Choose the new Region from the drop down list.");
    break;
  case BrfMode::None: break;
  }
  GuideTitle->setText(title);
  GuideText->setText(first + QLatin1Char('\n') + last);
  ZoomBar->setVisible(mode == BrfMode::Zoom);
  XScroll->setVisible(mode == BrfMode::MoveMap);
  YScroll->setVisible(mode == BrfMode::MoveMap);
  InsTextBox->setVisible(mode == BrfMode::Text);
  InsTagBox->setVisible(mode == BrfMode::Tag);
  InsColorBox->setVisible(mode == BrfMode::Tag);
  InsCraftBox->setVisible(mode == BrfMode::Icon);
  InsIffBox->setVisible(mode == BrfMode::Icon);
  InsRegionBox->setVisible(mode == BrfMode::Region);

  // The VCR panel, time bar and caption give way to the insert group.
  bottomStack_->setCurrentWidget(InsertGroup);
  TitleStrip->hide();
  sideHeader_->hide();
  SelIconGroup->setEnabled(false);
  for (QAction* a : insertActions_)
    a->setEnabled(false);
  // The page cannot be left until the insert ends.
  for (int i = 1; i < BrfPages->count(); ++i)
    BrfPages->setTabEnabled(i, false);
  updateVcrStates();
  repaintMap();
}

void TBrfForm::leaveMode() {
  mode_ = BrfMode::None;
  clickedInMode_ = false;
  bottomStack_->setCurrentIndex(0);
  TitleStrip->show();
  sideHeader_->show();
  SelIconGroup->setEnabled(true);
  for (QAction* a : insertActions_)
    a->setEnabled(true);
  for (int i = 1; i < BrfPages->count(); ++i)
    BrfPages->setTabEnabled(i, true);
}

void TBrfForm::modeControlsChanged() {
  PlaybackState& s = pb_.state();
  if (mode_ == BrfMode::Zoom) {
    // The map stays centred on its target while the scale changes.
    s.zoom = s.targetZoom = ZoomBar->value();
    s.pixelTargetX = s.xoff = briefingPixel(s.targetX, s.zoom);
    s.pixelTargetY = s.yoff = briefingPixel(s.targetY, s.zoom);
  } else if (mode_ == BrfMode::MoveMap) {
    s.pixelTargetX = s.xoff = -XScroll->value();
    s.pixelTargetY = s.yoff = -YScroll->value();
  }
  repaintMap();
}

void TBrfForm::DoneBtnClick() {
  if (mode_ == BrfMode::None) return;
  const int current = nextBeforeInsert_ - 1, time = insertTime_;
  const BriefingMapPoint at = lastClick_;
  auto where = std::make_shared<int>(-1);
  auto also = std::make_shared<int>(-1); // the "Move Icon" of a new icon
  auto warning = std::make_shared<std::string>();
  std::function<Status(InstructionList&)> fn;
  std::string name;
  switch (mode_) {
  case BrfMode::Zoom: {
    TCommandObject c = newInstruction(brfcode::ZoomMap);
    c.X = c.Y = static_cast<std::int16_t>(ZoomBar->value());
    name = "Insert Zoom Map to";
    fn = [=](InstructionList& l) -> Status {
      *where = insertAtTime(l, current, time, c);
      return {};
    };
    break;
  }
  case BrfMode::MoveMap: {
    const BriefingMapPoint p = scrollToMap(XScroll->value(), YScroll->value(), pb_.state().zoom);
    TCommandObject c = newInstruction(brfcode::MoveMap);
    c.X = static_cast<std::int16_t>(std::clamp(p.x, -32768, 32767));
    c.Y = static_cast<std::int16_t>(std::clamp(p.y, -32768, 32767));
    name = "Insert Move Map to";
    fn = [=](InstructionList& l) -> Status {
      *where = insertAtTime(l, current, time, c);
      return {};
    };
    break;
  }
  case BrfMode::Text: {
    TCommandObject c = newInstruction(brfcode::Text);
    c.Index = static_cast<std::uint16_t>(std::max(0, InsTextBox->currentIndex()));
    name = "Insert Briefing Text";
    fn = [=](InstructionList& l) -> Status {
      *where = insertTextAtTime(l, current, time, c);
      return {};
    };
    break;
  }
  case BrfMode::Tag: {
    TCommandObject c = newInstruction(brfcode::FirstTag);
    c.Index = static_cast<std::uint16_t>(std::max(0, InsTagBox->currentIndex()));
    c.Color = static_cast<std::uint16_t>(std::max(0, InsColorBox->currentIndex()));
    c.X = static_cast<std::int16_t>(std::clamp(at.x, -32768, 32767));
    c.Y = static_cast<std::int16_t>(std::clamp(at.y, -32768, 32767));
    name = "Insert Map Tag";
    fn = [=](InstructionList& l) -> Status {
      *where = insertAtTime(l, current, time, c);
      *warning = assignFreeSlot(l, *where);
      return {};
    };
    break;
  }
  case BrfMode::Icon: {
    const int craft = std::max(0, InsCraftBox->currentIndex());
    const int iff = std::max(0, InsIffBox->currentIndex());
    name = "Insert New Icon";
    fn = [=](InstructionList& l) -> Status {
      int icon = 0;
      *where = insertNewIcon(l, current, time, craft, iff, at, icon);
      *also = *where + 1;
      return {};
    };
    break;
  }
  case BrfMode::Region: {
    TCommandObject c = newInstruction(brfcode::ChangeRegion);
    c.Index = static_cast<std::uint16_t>(std::max(0, InsRegionBox->currentIndex()));
    name = "Insert Change Region";
    fn = [=](InstructionList& l) -> Status {
      *where = insertAtTime(l, current, time, c);
      return {};
    };
    break;
  }
  case BrfMode::None: return;
  }
  // A refused insert (the briefing would not fit) keeps the mode open, so
  // the designer loses nothing and can still cancel.
  if (!apply(editBriefingList(name, {}, fn))) return;
  if (!warning->empty()) c_.prompts().showInformation(fromBytes(*warning));
  leaveMode();
  pb_.state() = stateBeforeInsert_;
  pb_.executeAt(*where);
  if (*also >= 0) pb_.executeAt(*also);
  pb_.setTime(time);
  pb_.completeAnimations();
  afterVcr();
}

void TBrfForm::CancelBtnClick() {
  if (mode_ == BrfMode::None) return;
  leaveMode();
  // Only the preview changed: the document never saw the new instruction.
  pb_.state() = stateBeforeInsert_;
  afterVcr();
}

} // namespace zephlo
