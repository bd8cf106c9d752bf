#include "ui/briefing/briefing_map_tools.h"

#include "ui/briefing/briefing_map_page.h"
#include "ui/briefing/briefing_session.h"
#include "ui/briefing/insert_panel.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QMouseEvent>

namespace zephlo {

BriefingSession& BrfMapTool::session() const { return page_.session(); }

void BrfPickTool::press(QMouseEvent* e) {
  const QPoint pos = e->position().toPoint();
  const bool drag = e->button() == Qt::LeftButton && e->modifiers() == Qt::NoModifier;
  const QSize area = page_.mapSize();
  const BriefingGrab grab = grabOnBriefingMap(session().playback(), area.width(), area.height(),
                                              {pos.x(), pos.y()}, drag);
  if (grab.icon >= 0) session().selectIcon(grab.icon);
  dragPos_ = grab.instruction;
  dragIcon_ = grab.instruction >= 0 || grab.insertMove ? grab.icon : -1;
  insertMove_ = grab.insertMove;
  const bool holds = grab.instruction >= 0 || grab.insertMove;
  refusal_ = pages::fromBytes(holds && grab.refusal.empty() ? briefingDragHeld(page_.dragSettings())
                                                            : grab.refusal);
  ++dragId_;
  emit session().told({});
  page_.repaintMap();
}

void BrfPickTool::insertMove(BriefingMapPoint pointer) {
  const BriefingIcon& icon =
      session().playback().state().icons[static_cast<std::size_t>(dragIcon_)];
  const BriefingMapPoint old{icon.x, icon.y};
  const BriefingMapPoint to = briefingDragTo(pointer, old, page_.dragSettings());
  if (to == old) return; // not moved yet
  insertMove_ = false;
  PositionOut where;
  const bool ok = session().insertAtClock(
      [&](int current, int time) {
        InstructionInsert ins = dragInsertMoveStep(dragIcon_, to, current, time, dragId_);
        where = ins.where;
        return ins;
      },
      false, false);
  dragPos_ = ok ? *where : -1;
}

void BrfPickTool::move(QMouseEvent* e) {
  if (!(e->buttons() & Qt::LeftButton)) return;
  if (!refusal_.isEmpty()) {
    emit session().told(refusal_);
    refusal_.clear();
    return;
  }
  BriefingPlayback& pb = session().playback();
  const BriefingMapPoint pointer = page_.mapPointAt(e->position().toPoint());
  if (insertMove_) {
    insertMove(pointer); // the new instruction stands where the pointer is
    return;
  }
  if (dragPos_ < 0) return;
  const auto to = briefingDragTarget(pb.list(), dragPos_, pointer, page_.dragSettings());
  if (!to) return;
  if (!session().apply(dragBriefingPoint(dragPos_, to->x, to->y, dragId_))) {
    dragPos_ = -1;
    return;
  }
  if (dragIcon_ >= 0) {
    // The picture follows at once; the list already holds the new place.
    BriefingIcon& icon = pb.state().icons[static_cast<std::size_t>(dragIcon_)];
    icon.x = static_cast<std::int16_t>(to->x);
    icon.y = static_cast<std::int16_t>(to->y);
  }
  page_.repaintMap();
}

void BrfPickTool::release(QMouseEvent*) {
  dragPos_ = -1;
  dragIcon_ = -1;
  insertMove_ = false;
  refusal_.clear();
}

void BrfInsertTool::activate() {
  BriefingPlayback& pb = session().playback();
  session().halt();
  before_ = pb.state();
  next_ = pb.next();
  time_ = pb.time();
  panel().prepare(session().document(), pb.state());
  showGuide();
  page_.setInserting(true);
  session().settle();
}

void BrfInsertTool::deactivate() { page_.setInserting(false); }

bool BrfInsertTool::finish() {
  const InstructionInsert ins = make(next_ - 1, time_);
  if (!session().apply(ins.op)) return false;
  if (!ins.warning->empty())
    session().editing().prompts().showInformation(pages::fromBytes(*ins.warning));
  BriefingPlayback& pb = session().playback();
  pb.state() = before_;
  pb.executeAt(*ins.where);
  if (*ins.also >= 0) pb.executeAt(*ins.also);
  pb.setTime(time_);
  pb.completeAnimations();
  return true;
}

void BrfInsertTool::cancel() {
  // Only the preview changed: the document never saw the new instruction.
  session().playback().state() = before_;
}

void BrfInsertTool::controlsChanged() { page_.repaintMap(); }

InsertPanel& BrfInsertTool::panel() const { return page_.insertPanel(); }

void BrfInsertTool::guide(const QString& title, const QString& first,
                          std::initializer_list<QWidget*> controls, bool clicks) const {
  const QString done = QStringLiteral(
      ". Press the \"Done\" button to insert the instruction or \"Cancel\" to abort.");
  const QString click = QStringLiteral(
      "2. Click on the map to place it. You may click repeatedly until you are satisfied with "
      "the position.");
  const QString last = clicks ? click + QStringLiteral("\n3") + done : QStringLiteral("2") + done;
  panel().showGuide(title, first + QLatin1Char('\n') + last, controls);
}

} // namespace zephlo
