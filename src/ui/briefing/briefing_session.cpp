#include "ui/briefing/briefing_session.h"

#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QTimer>

namespace zephlo {

bool renamesFlightGroups(const Change& change) {
  return change.flightGroupList ||
         (!change.flightGroups.empty() && (change.fgAspects & kFGRecord) != 0);
}

BriefingSession::BriefingSession(EditingDocument& doc, QObject* parent)
    : QObject(parent), doc_(doc) {
  pb_.load(doc.document().briefing);
  pb_.completeAnimations();
  playTimer_ = new QTimer(this);
  playTimer_->setInterval(40);
  connect(playTimer_, &QTimer::timeout, this, &BriefingSession::playTick);
  transitionTimer_ = new QTimer(this);
  transitionTimer_->setInterval(25);
  connect(transitionTimer_, &QTimer::timeout, this, &BriefingSession::transitionTick);
}

const Document& BriefingSession::document() const { return doc_.document(); }

void BriefingSession::selectIcon(int icon) { selectedIcon_ = icon; }

bool BriefingSession::apply(const Operation& op) {
  applying_ = true;
  const bool ok = doc_.apply(op);
  applying_ = false;
  return ok;
}

bool BriefingSession::takeBriefing() { return pb_.take(document().briefing); }

void BriefingSession::play() {
  takeBriefing(); // the running time as it now stands
  if (auto refused = pb_.play()) doc_.prompts().showInformation(pages::fromBytes(*refused));
  settle();
}

void BriefingSession::pause() {
  pb_.pause();
  settle();
}

void BriefingSession::rewindAndStop() {
  rewindForEditing();
  settle();
}

void BriefingSession::rewindAndPlay() {
  takeBriefing(); // the running time as it now stands
  if (auto refused = pb_.rewindAndPlay())
    doc_.prompts().showInformation(pages::fromBytes(*refused));
  settle();
}

void BriefingSession::step() {
  pb_.step();
  settle();
}

void BriefingSession::nextInstruction() {
  pb_.nextInstruction();
  settle();
}

void BriefingSession::previousInstruction() {
  pb_.previousInstruction();
  settle();
}

void BriefingSession::nextPage() {
  pb_.nextPage();
  settle();
}

void BriefingSession::togglePlay() {
  if (pb_.playing())
    pause();
  else
    play();
}

void BriefingSession::seek(int ticks) {
  if (pb_.playing()) return;
  pb_.seek(ticks);
  settle();
}

void BriefingSession::rewindForEditing() {
  playTimer_->stop();
  pb_.rewindAndStop();
  // The stopped map is for editing: the opening picture is shown whole, tags
  // and boxes included, so they can be seen and dragged.
  pb_.completeAnimations();
}

void BriefingSession::halt() {
  playTimer_->stop();
  pb_.pause();
}

void BriefingSession::settle() {
  if (pb_.playing()) {
    if (!playTimer_->isActive()) playTimer_->start();
  } else {
    playTimer_->stop();
  }
  if (pb_.inTransition()) {
    if (!transitionTimer_->isActive()) transitionTimer_->start();
  } else {
    transitionTimer_->stop();
  }
  emit playingChanged();
  emit clockMoved();
  emit pictureChanged();
}

bool BriefingSession::insertAtClock(
    const std::function<InstructionInsert(int current, int time)>& make, bool resume,
    bool settleAnimations) {
  const bool wasPlaying = pb_.playing();
  halt();
  const InstructionInsert ins = make(pb_.current(), pb_.time());
  const bool ok = apply(ins.op);
  if (ok) {
    if (!ins.warning->empty()) doc_.prompts().showInformation(pages::fromBytes(*ins.warning));
    pb_.executeAt(*ins.where);
    if (settleAnimations) pb_.completeAnimations();
  }
  if (resume && wasPlaying) pb_.play();
  settle();
  return ok;
}

void BriefingSession::playTick() {
  if (!pb_.playing()) {
    settle();
    return;
  }
  const bool changed = pb_.tick();
  emit clockMoved();
  if (!pb_.playing() || pb_.inTransition()) {
    settle();
    return;
  }
  if (changed) emit pictureChanged();
}

void BriefingSession::transitionTick() {
  if (pb_.transitionTick())
    settle();
  else
    emit pictureChanged();
}

} // namespace zephlo
