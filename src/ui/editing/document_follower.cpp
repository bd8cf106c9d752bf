#include "ui/editing/document_follower.h"

#include "ui/editing/editing_document.h"

#include <QEvent>
#include <QWidget>

namespace zephlo {

DocumentFollower::DocumentFollower(EditingDocument& doc, QWidget* view, Refresh refresh)
    : QObject(view), doc_(doc), view_(view), refresh_(std::move(refresh)) {
  view_->installEventFilter(this);
  connect(&doc_, &EditingDocument::documentReplaced, this, [this] {
    stale_ = true;
    if (view_->isVisible()) refreshAll();
  });
  connect(&doc_, &EditingDocument::documentChanged, this,
          [this](const Change& change) { follow(&change); });
  // A move signals more than once (the state, then the current line); the
  // first brings the view up to date and the others find nothing to do.
  auto moved = [this] { follow(nullptr); };
  connect(&doc_, &EditingDocument::stateChanged, this, moved);
  connect(&doc_, &EditingDocument::currentFlightGroupChanged, this, moved);
  connect(&doc_, &EditingDocument::currentMessageChanged, this, moved);
  connect(&doc_, &EditingDocument::regionChanged, this, moved);
  connect(&doc_, &EditingDocument::selectionChanged, this, moved);
}

void DocumentFollower::refreshAll() {
  stale_ = false;
  shown_ = CurrentItems::of(doc_.state());
  refresh_(ViewUpdate::all());
}

void DocumentFollower::follow(const Change* change) {
  if (stale_ || !view_->isVisible()) {
    stale_ = true;
    return;
  }
  const CurrentItems now = CurrentItems::of(doc_.state());
  const ViewUpdate u(change, shown_, now);
  shown_ = now;
  if (!u.nothing()) refresh_(u);
}

bool DocumentFollower::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::Show && stale_) refreshAll();
  return QObject::eventFilter(watched, event);
}

} // namespace zephlo
