// The main window's "Teams" page: the current team's name, allies,
// autolink IFF, radio link and its six end-of-mission lines.
#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zephlo {

class EditingDocument;

class TeamsPage : public QWidget {
  Q_OBJECT
public:
  explicit TeamsPage(EditingDocument& controller, QWidget* parent = nullptr);

  // Fills the page from the current team; writes nothing.
  void fill();

private:
  bool filling() const { return filling_ > 0; }
  void JoinByRadioClick();

  EditingDocument& c_;
  int filling_ = 0;

  // The controls under the names the mission rules use.
  QLabel* TeamNameLab = nullptr;
  QComboBox* TeamName1Ed = nullptr;
  QListWidget* FriendsList = nullptr;
  QComboBox* TeamIFFBox1 = nullptr;
  QPushButton* JoinByRadio = nullptr;
  QPushButton* PrevTeamBtn = nullptr;
  QPushButton* NextTeamBtn = nullptr;
  std::array<QLineEdit*, 6> endEdits_{}; // Succ1Ed, Succ2Ed, Fail1Ed, Fail2Ed, Sec1Ed, Sec2Ed
};

} // namespace zephlo
