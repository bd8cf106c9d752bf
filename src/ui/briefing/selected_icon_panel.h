// The "Selected Icon:" group of the map page: the icon selected on the map,
// the tools that insert an instruction for it at the clock, and the "Move:"
// arrows that make it move a tick at a time.
#pragma once

#include <QGroupBox>

class QLabel;

namespace zephlo {

class BriefingSession;
struct BriefingActions;

class SelectedIconPanel : public QGroupBox {
  Q_OBJECT
public:
  SelectedIconPanel(BriefingSession& session, const BriefingActions& actions, QWidget* parent);

  // The selected icon's number and flight group.
  void showSelection();

private:
  BriefingSession& session_;
  QLabel* SelIconLabel = nullptr;
};

} // namespace zephlo
