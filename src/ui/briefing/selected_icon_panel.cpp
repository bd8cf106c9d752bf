#include "ui/briefing/selected_icon_panel.h"

#include "ui/briefing/briefing_actions.h"
#include "ui/briefing/briefing_session.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

namespace zephlo {

SelectedIconPanel::SelectedIconPanel(BriefingSession& session, const BriefingActions& actions,
                                     QWidget* parent)
    : QGroupBox(QStringLiteral("Selected Icon:"), parent), session_(session) {
  setObjectName(QStringLiteral("SelIconGroup"));
  auto* grid = new QGridLayout(this);
  SelIconLabel = pages::label(this, "SelIconLabel");
  grid->addWidget(SelIconLabel, 0, 0, 1, 3);

  // In IconTool order, then the info tool.
  static const char* const toolNames[] = {"Rot0Btn",   "Rot90Btn",     "Rot180Btn", "Rot270Btn",
                                          "MirrorBtn", "ClearIconBtn", "BoxIconBtn"};
  int n = 0;
  for (std::size_t i = 0; i < actions.iconTools.size(); ++i, ++n) {
    grid->addWidget(commandButton(this, toolNames[i], actions.iconTools[i]), 1 + n / 3, n % 3);
    const auto tool = static_cast<IconTool>(i);
    connect(actions.iconTools[i], &QAction::triggered, this, [this, tool] {
      if (auto rotation = iconToolRotation(tool)) session_.setLastRotation(*rotation);
      const TCommandObject item = selectedIconInstruction(tool, session_.selectedIcon());
      session_.insertAtClock(
          [item](int current, int time) { return insertAtClockStep(item, current, time); }, true);
    });
  }
  grid->addWidget(commandButton(this, "InfoIconBtn", actions.showInfo), 1 + n / 3, n % 3);
  connect(actions.showInfo, &QAction::triggered, this, [this] {
    const int icon = session_.selectedIcon();
    session_.insertAtClock(
        [icon](int current, int time) { return insertShowInfoStep(icon, current, time); }, true);
  });

  grid->addWidget(new QLabel(QStringLiteral("Move:"), this), 4, 0, 1, 3);
  // In ArrowMove order, with their places on the compass.
  static const char* const arrowNames[] = {"ArrowUp",       "ArrowDown",     "ArrowLeft",
                                           "ArrowRight",    "ArrowUpLeft",   "ArrowUpRight",
                                           "ArrowDownLeft", "ArrowDownRight"};
  static constexpr int places[][2] = {{0, 1}, {2, 1}, {1, 0}, {1, 2},
                                      {0, 0}, {0, 2}, {2, 0}, {2, 2}};
  for (std::size_t i = 0; i < actions.arrows.size(); ++i) {
    grid->addWidget(commandButton(this, arrowNames[i], actions.arrows[i]), 5 + places[i][0],
                    places[i][1]);
    const auto move = static_cast<ArrowMove>(i);
    connect(actions.arrows[i], &QAction::triggered, this, [this, move] {
      BriefingPlayback& pb = session_.playback();
      session_.halt();
      const ArrowEdit edit = arrowMove(pb, session_.selectedIcon(), move);
      if (session_.apply(edit.op)) afterArrowMove(pb, pb.list(), edit);
      session_.settle();
    });
  }
}

void SelectedIconPanel::showSelection() {
  SelIconLabel->setText(
      pages::fromBytes(selectedIconText(session_.document(), session_.selectedIcon())));
}

} // namespace zephlo
