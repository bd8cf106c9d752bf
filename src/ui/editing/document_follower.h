// Keeps a view in step with the editing document: after each edit, undo or
// move to other current items it hands the view what to bring up to date,
// nothing when the change does not concern it. A hidden view does no work;
// it shows everything afresh when it shows again.
#pragma once

#include "core/mission/change_scope.h"

#include <QObject>

#include <functional>

class QWidget;

namespace zephlo {

class EditingDocument;

class DocumentFollower : public QObject {
public:
  using Refresh = std::function<void(const ViewUpdate&)>;
  DocumentFollower(EditingDocument& doc, QWidget* view, Refresh refresh);

  // Everything the view shows, now (a page switched, the view built).
  void refreshAll();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void follow(const Change* change);

  EditingDocument& doc_;
  QWidget* view_;
  Refresh refresh_;
  CurrentItems shown_;
  bool stale_ = true;
};

} // namespace zephlo
