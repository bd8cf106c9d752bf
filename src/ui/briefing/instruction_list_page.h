// The "Instruction List" page: every instruction as a line, the fields of
// the selected one, and the list commands (insert before the selection,
// delete, move up and down) from the action registry.
#pragma once

#include <QWidget>

#include <cstdint>

class QListWidget;
class QMenu;

namespace zephlo {

class BriefingSession;
class InstructionFieldsPanel;
struct BriefingActions;
struct Change;

class InstructionListPage : public QWidget {
  Q_OBJECT
public:
  InstructionListPage(BriefingSession& session, const BriefingActions& actions, QWidget* parent);

  int selected() const { return selected_; }
  void select(int position);
  // An insert command on this page: before the selected line, with its time.
  void insert(std::uint16_t code);
  // Lines and fields follow what changed: the briefing, the region names of
  // the header, the flight groups the icon boxes name.
  void documentChanged(const Change& change);

  // The list commands.
  void DeleteInstBtnClick();
  void MoveUpBtnClick();
  void MoveDownBtnClick();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void fillList();
  void showFields();
  void move(bool up);

  BriefingSession& session_;
  int selected_ = 0;
  QListWidget* InstList = nullptr;
  InstructionFieldsPanel* fields_ = nullptr;
  QMenu* listPopup_ = nullptr;
};

} // namespace zephlo
