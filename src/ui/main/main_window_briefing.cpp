// The "Briefing Editor" button of the mission bar: one editor window at a
// time, made when called and freed when closed.
#include "ui/briefing/briefing_editor.h"
#include "ui/editing/action_registry.h"
#include "ui/editing/editing_document.h"
#include "ui/main/main_window.h"

#include <QAction>
#include <QToolBar>

namespace zephlo {

void TForm1::buildBriefingEditor() {
  auto* bar = findChild<QToolBar*>(QStringLiteral("MissionBar"));
  if (!bar) {
    // The mission bar comes after the project bar, before the check bar.
    bar = new QToolBar(QStringLiteral("Mission"), this);
    bar->setObjectName(QStringLiteral("MissionBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    if (auto* check = findChild<QToolBar*>(QStringLiteral("CheckBar")))
      insertToolBar(check, bar);
    else
      addToolBar(bar);
  }
  bar->addAction((*actions_)[Act::BriefingEditor]);
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
