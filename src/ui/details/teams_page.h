// The main window's "Teams" page: the current team's name, allies,
// autolink IFF, radio link and its six end-of-mission lines.
#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

namespace zephlo {

class ActionRegistry;
class EditingDocument;
class ViewUpdate;

class TeamsPage : public QWidget {
  Q_OBJECT
public:
  // "Link Team by Radio" and the previous and next team come from actions.
  TeamsPage(EditingDocument& controller, ActionRegistry& actions, QWidget* parent = nullptr);

private:
  // Shows what the update concerns of the current team; writes nothing.
  void refresh(const ViewUpdate& u);
  void buildCommands(ActionRegistry& actions);
  bool filling() const { return filling_ > 0; }
  void JoinByRadioClick();

  EditingDocument& c_;
  int filling_ = 0;

  // The controls under the names the mission rules use.
  QLabel* TeamNameLab = nullptr;
  QComboBox* TeamName1Ed = nullptr;
  QListWidget* FriendsList = nullptr;
  QComboBox* TeamIFFBox1 = nullptr;
  QToolButton* JoinByRadio = nullptr;
  QToolButton* PrevTeamBtn = nullptr;
  QToolButton* NextTeamBtn = nullptr;
  std::array<QLineEdit*, 6> endEdits_{}; // Succ1Ed, Succ2Ed, Fail1Ed, Fail2Ed, Sec1Ed, Sec2Ed
};

} // namespace zephlo
