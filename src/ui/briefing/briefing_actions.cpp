#include "ui/briefing/briefing_actions.h"

#include "core/briefing/briefing_codec.h"
#include "ui/editing/action_registry.h"

#include <QAction>
#include <QToolButton>

namespace zephlo {

namespace {

struct Command {
  const char* id;
  const char* text;    // menu caption and hint
  const char* caption; // on its button or tool bar, when it differs
};

struct InsertCommand {
  std::uint16_t code;
  Command command;
};

constexpr InsertCommand kInserts[kBrfInsertCount] = {
    {brfcode::PageBreak, {"BrfInsPageBreak", "Page Break", nullptr}},
    {brfcode::TitleText, {"BrfInsTitle", "Title Text", nullptr}},
    {brfcode::Text, {"BrfInsText", "Briefing Text", nullptr}},
    {brfcode::MoveMap, {"BrfInsMoveMap", "Move Map", nullptr}},
    {brfcode::ZoomMap, {"BrfInsZoom", "Zoom Map", nullptr}},
    {brfcode::ClearBoxes, {"BrfInsClearBoxes", "Clear all Boxes", nullptr}},
    {brfcode::FirstBox, {"BrfInsBox", "FG Box", nullptr}},
    {brfcode::ClearTags, {"BrfInsClearTags", "Clear all Tags", nullptr}},
    {brfcode::FirstTag, {"BrfInsTag", "Map Tag", nullptr}},
    {brfcode::NewIcon, {"BrfInsNewIcon", "New Icon", nullptr}},
    {brfcode::ShipData, {"BrfInsShipData", "Show Ship data", nullptr}},
    {brfcode::MoveIcon, {"BrfInsMoveIcon", "Move Icon", nullptr}},
    {brfcode::RotateIcon, {"BrfInsRotate", "Rotate Icon", nullptr}},
    {brfcode::ChangeRegion, {"BrfInsRegion", "Change Region", nullptr}},
};

constexpr Command kVcr[] = {
    {"BrfStop", "Rewind and Stop", "|<<"},
    {"BrfRewPlay", "Rewind and Play", "|<>"},
    {"BrfPrevInst", "Previous Instruction", "<|"},
    {"BrfPlay", "Play", ">"},
    {"BrfPause", "Pause", "||"},
    {"BrfStep", "Advance 0.05 seconds", ">."},
    {"BrfNextInst", "Advance to next Instruction", "|>"},
    {"BrfNextPage", "Advance to next Page", ">>|"},
};

constexpr Command kIconTools[kBrfIconTools] = {
    {"BrfRot0", "Rotate Selection 0 degrees", "0"},
    {"BrfRot90", "Rotate Selection 90 degrees", "90"},
    {"BrfRot180", "Rotate Selection 180 degrees", "180"},
    {"BrfRot270", "Rotate Selection 270 degrees", "270"},
    {"BrfMirror", "Mirror Selected Icon", "Mirror"},
    {"BrfClearIcon", "Clear Selected Icon", "Clear"},
    {"BrfBoxIcon", "Box selection", "Box"},
};

constexpr Command kArrows[8] = {
    {"BrfArrowUp", "Move Up", "^"},
    {"BrfArrowDown", "Move Down", "v"},
    {"BrfArrowLeft", "Move Left", "<"},
    {"BrfArrowRight", "Move Right", ">"},
    {"BrfArrowUpLeft", "Move Up Left", "\\"},
    {"BrfArrowUpRight", "Move Up Right", "/"},
    {"BrfArrowDownLeft", "Move Down Left", "/"},
    {"BrfArrowDownRight", "Move Down Right", "\\"},
};

QAction* registered(ActionRegistry& r, const Command& c, bool checkable = false) {
  const QString text = QString::fromLatin1(c.text);
  const QString hint = QString(text).remove(QLatin1Char('&'));
  QAction* a = r.add(ActionSpec{QString::fromLatin1(c.id), text, hint, QStyle::SP_CustomBase,
                                QKeySequence(), checkable});
  // What this window's buttons and bars show; a window before may have changed it.
  a->setIconText(c.caption ? QString::fromLatin1(c.caption) : hint);
  a->setEnabled(true);
  a->setChecked(false);
  return a;
}

} // namespace

BriefingActions::BriefingActions(ActionRegistry& r) : registry(r) {
  for (int i = 0; i < kBrfInsertCount; ++i) {
    inserts[i] = registered(r, kInserts[i].command);
    inserts[i]->setToolTip(QStringLiteral("Insert ") + inserts[i]->text());
    inserts[i]->setData(kInserts[i].code);
  }
  for (std::size_t i = 0; i < vcr.size(); ++i)
    vcr[i] = registered(r, kVcr[i], static_cast<Vcr>(i) == Vcr::Play);
  deleteInst = registered(r, {"BrfDeleteInst", "Delete Instruction", nullptr});
  moveUp = registered(r, {"BrfMoveUp", "Move Instruction up", nullptr});
  moveDown = registered(r, {"BrfMoveDown", "Move Instruction down", nullptr});
  setAllToStart1 = registered(r, {"BrfSetAllToStart1", "Set all to Start &1", nullptr});
  done = registered(r, {"BrfDone", "Done", nullptr});
  cancel = registered(r, {"BrfCancel", "Cancel", nullptr});
  for (std::size_t i = 0; i < iconTools.size(); ++i)
    iconTools[i] = registered(r, kIconTools[i]);
  showInfo = registered(r, {"BrfInfoIcon", "Show Info for Selected Icon", "Info"});
  for (std::size_t i = 0; i < arrows.size(); ++i)
    arrows[i] = registered(r, kArrows[i]);
  showCurr = registered(r, {"BrfShowCurr", "Indicate Selected Icon", nullptr}, true);
  showNums = registered(r, {"BrfShowNums", "Show Icon numbers", nullptr}, true);
  showCurr->setChecked(true);
  showNums->setChecked(true);
  stopAtStop = registered(r, {"BrfStopAtStop", "Pause at Page breaks", nullptr}, true);
  lockX = registered(r, {"BrfLockX", "Lock X coordinate", nullptr}, true);
  xSnap = registered(r, {"BrfXSnap", "Cycle X Snap", "X snap: 1"});
  lockY = registered(r, {"BrfLockY", "Lock Y coordinate", nullptr}, true);
  ySnap = registered(r, {"BrfYSnap", "Cycle Y Snap", "Y snap: 1"});
}

QAction* BriefingActions::insertFor(std::uint16_t code) const {
  for (QAction* a : inserts)
    if (a->data().toInt() == code) return a;
  return nullptr;
}

void BriefingActions::setInsertsEnabled(bool on) const {
  for (QAction* a : inserts)
    a->setEnabled(on);
}

QToolButton* commandButton(QWidget* parent, const char* name, QAction* action) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setDefaultAction(action);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return b;
}

} // namespace zephlo
