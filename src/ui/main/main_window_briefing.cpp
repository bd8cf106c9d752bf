// The "Briefing Editor" button of the mission bar: one editor window at a
// time, made when called and freed when closed.
#include "ui/briefing/briefing_editor.h"
#include "ui/editing/action_registry.h"
#include "ui/editing/editing_document.h"
#include "ui/main/main_window.h"

#include <QAction>
#include <QToolBar>

namespace zephlo {

QToolBar* TForm1::missionBar() {
  if (auto* bar = findChild<QToolBar*>(QStringLiteral("MissionBar"))) return bar;
  // One bar, named once, so the saved window layout finds it again; it comes
  // after the project bar, before the check bar.
  auto* bar = new QToolBar(QStringLiteral("Mission"), this);
  bar->setObjectName(QStringLiteral("MissionBar"));
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  if (auto* check = findChild<QToolBar*>(QStringLiteral("CheckBar")))
    insertToolBar(check, bar);
  else
    addToolBar(bar);
  return bar;
}

void TForm1::buildBriefingEditor() {
  missionBar()->addAction((*actions_)[Act::BriefingEditor]);
  connect((*actions_)[Act::BriefingEditor], &QAction::triggered, this, [this] {
    auto* form = findChild<TBrfForm*>();
    if (!form) {
      form = new TBrfForm(c_, *actions_, this);
      // Undo, Redo, Save and Save As work in the briefing editor as everywhere.
      actions_->attachEditing(form);
    }
    form->show();
    form->raise();
    form->activateWindow();
  });
}

} // namespace zephlo
