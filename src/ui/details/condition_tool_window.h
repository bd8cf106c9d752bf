// The condition tool: the panel under the "Flight Group Details" pages that
// shows the triggers of the page's target as sentences and edits the one in
// the current slot, with its And/Or buttons and, for goals, the goal strings.
#pragma once

#include "core/check/clipboards.h"
#include "core/check/condition_tool.h"

#include <QWidget>

#include <array>
#include <map>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace zephlo {

class EditingDocument;

class TCondToolForm : public QWidget {
  Q_OBJECT
public:
  // lists: the names of teams and flight groups, kept by the window.
  TCondToolForm(EditingDocument& controller, const MissionLists& lists, QWidget* parent = nullptr);
  ~TCondToolForm() override;

  // Follows the page shown (goalKind: the current global goal): shows what
  // the update concerns of it; writes nothing.
  void follow(CondPage page, int goalKind, const ViewUpdate& u);
  // "+": the command that adds the trigger in the boxes to the clipboard
  // (AddToClipBtnClick), drawn by the tool's button.
  void setAddAction(QAction* add);
  void AddToClipBtnClick();
  // The cancel triggers' labels live on the message page.
  void setCancelLabels(QLabel* slot5, QLabel* slot6);
  // A click on a trigger label: the slot becomes current and is loaded.
  void selectSlot(int slot);
  int currentSlot() const;
  // The trigger clipboard, kept in the given folder.
  void setClipboardFolder(const std::string& folder);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void fill();
  void fillBoxes();
  void highlight();
  void BoxChange(ToolBox changed);
  ToolBoxes boxes() const;
  void AndOrClick(AndOr which, bool isOr);
  void FGStrIncompChange(int tag, const QString& text);
  CondTarget target() const;
  bool filling() const { return filling_ > 0; }

  EditingDocument& c_;
  CondPage page_ = CondPage::Other;
  int goalKind_ = 0;
  std::map<CondPage, int> slots_; // the current slot of each kind of target
  int filling_ = 0;
  int goalTeam_ = 0; // the current goal's team, for writes in goal mode
  const MissionLists& lists_;
  std::unique_ptr<TriggerClipboard> clipboard_;

  // The controls under the names the mission rules use.
  QComboBox* PercentBox = nullptr;
  QComboBox* ClassBox = nullptr;
  QComboBox* IndexBox = nullptr;
  QComboBox* CondBox = nullptr;
  QComboBox* RegionFGBox = nullptr;
  QLineEdit* CondUnk2 = nullptr;
  std::array<QLabel*, 6> CondLabs{}; // Cond1Lab .. Cond4Lab, then the cancel labels
  QRadioButton* and2And = nullptr;
  QRadioButton* and2Or = nullptr;
  QRadioButton* GlbAnd = nullptr;
  QRadioButton* GlbOr = nullptr;
  QRadioButton* and4And = nullptr;
  QRadioButton* And4Or = nullptr;
  QWidget* StrPanel = nullptr;
  std::array<QLabel*, 3> strLabels_{};
  std::array<QLineEdit*, 3> strEdits_{}; // FGStrIncomp, FGStrSucc, FGStrFail
  QToolButton* AddToClipBtn = nullptr;
  QLabel* heading_ = nullptr; // whose triggers the tool shows
};

} // namespace zephlo
