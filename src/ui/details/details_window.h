// "Flight Group Details": the tool window beside the main window that edits
// the current flight group, its goals and orders, the global goals and the
// current message. Every control writes through the controller into every
// selected record where the mission rules say so; filling never writes. The
// page shown follows each change, and only the controls whose bytes changed
// are shown again.
#pragma once

#include "core/check/texts.h"
#include "core/mission/change_scope.h"
#include "core/mission/edit.h"
#include "core/mission/fg_stores.h"
#include "ui/details/field_controls.h"

#include "ui/editing/tool_window.h"

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace zephlo {

class ActionRegistry;
class DocumentFollower;
class EditingDocument;
class TCondToolForm;
template <std::size_t N> class RecordClipboard;

// The pages of FGPages, in display order.
enum class DatapadPage {
  Ship,
  Options,
  Role,
  Arrival,
  Departure,
  FGGoals,
  Orders,
  Jump,
  GGoals,
  Msg
};

class TDatapad : public ToolWindow {
  Q_OBJECT
public:
  // The window's commands ("Extras...", the clipboards' "+") come from actions.
  TDatapad(EditingDocument& controller, ActionRegistry& actions, QWidget* parent = nullptr);
  ~TDatapad() override;

  DatapadPage currentPage() const;
  void showPage(DatapadPage page);
  TCondToolForm* conditionTool() const { return CondTool; }

signals:
  // "Extras...": the flight-group extras window should open.
  void extrasRequested();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Building, one function per page (datapad_*.cpp).
  void buildShipPage();
  void buildOptionsPage();
  void buildRolePage();
  void buildArrivalPages();
  void buildFGGoalsPage();
  void buildGGoalsPage();
  void buildOrderPages(); // "Orders" and "Jump"
  void buildMessagePage();
  void buildMothersPanel();
  void buildCommands(ActionRegistry& actions);
  void loadClipboards();
  QComboBox* orderCombo(QWidget* parent, OrderField field, const char* name,
                        const QStringList& items);

  // Brings the page shown and the panels beside it up to date; writes nothing.
  void refresh(const ViewUpdate& u);
  void fillShip(const ViewUpdate& u);
  void fillOptions(const ViewUpdate& u);
  void fillRole(const ViewUpdate& u);
  void fillArrival(const ViewUpdate& u);
  void fillDeparture(const ViewUpdate& u);
  void fillFGGoals(const ViewUpdate& u);
  void fillOrders(const ViewUpdate& u);
  void fillJump(const ViewUpdate& u);
  void fillGGoals(const ViewUpdate& u);
  void fillMsg(const ViewUpdate& u);
  void fillMothers(const ViewUpdate& u);
  void fillCaption();
  void fillOrderLabels();
  void fillOptionalCraftRow();
  // The optional warheads, beams and countermeasures lists, with what each lists.
  std::array<std::pair<QListWidget*, OptionalList>, 3> optionalLists() const;
  void showName(); // of the flight groups an edit renames
  void showSharedMessage();

  bool hasFlightGroup() const;
  bool hasMessage() const;
  const FGObject& currentFlightGroup() const;
  void apply(const Operation& op);
  bool filling() const { return filling_ > 0; }

  // The handlers the controls call.
  void OrderFieldChange(OrderField field, int value);
  void MotherStoreChange(bool alternative, int item);
  void ShipNameChange(const QString& text);
  void AddOrderBtnClick();

  EditingDocument& c_;
  DocumentFollower* follower_ = nullptr;
  int filling_ = 0;
  MissionLists lists_;   // names of teams and flight groups, rebuilt when they change
  FieldControls fields_; // the controls that each edit one flight-group field
  std::unique_ptr<RecordClipboard<ord::Size>> orders_;

  // The window's controls under the names the mission rules use.
  QTabWidget* FGPages = nullptr;
  QWidget* Ship = nullptr;
  QWidget* Options = nullptr;
  QWidget* Role = nullptr;
  QWidget* Arrival = nullptr;
  QWidget* Departure = nullptr;
  QWidget* FGGoals = nullptr;
  QWidget* OrderPage = nullptr;
  QWidget* Jump = nullptr;
  QWidget* GGoals = nullptr;
  QWidget* Messag = nullptr;
  QGroupBox* MothersPanel = nullptr; // titled by the motherships it sets
  QComboBox* ArrMotherBox = nullptr;
  QComboBox* ArrAltmotherBox = nullptr;
  TCondToolForm* CondTool = nullptr;

  // Ship
  QComboBox* ShipBox = nullptr;
  QComboBox* ShipName = nullptr;
  QSpinBox* FGSizeSpin = nullptr;
  QSpinBox* WaveSpin = nullptr;
  QComboBox* TeamBox = nullptr;
  QComboBox* PlayerBox = nullptr;
  QComboBox* PlrPosSpin = nullptr;
  QSpinBox* GGSpin = nullptr;
  QSpinBox* GUSpin = nullptr;
  QToolButton* ExtBtn = nullptr;
  // Options
  QComboBox* OrientationBox = nullptr;
  QListWidget* MissleSelBox = nullptr;
  QListWidget* BeamSelBox = nullptr;
  QListWidget* CounterSelbox = nullptr;
  QComboBox* OpShipTypes = nullptr;
  QWidget* OpShipPanel = nullptr; // the user-defined optional craft
  QListWidget* OpFGList = nullptr;
  QComboBox* OpShipBox = nullptr;
  QSpinBox* OpFGCountSpin = nullptr;
  QSpinBox* OpShipWavesSpin = nullptr;
  // Role
  QComboBox* RoleBox = nullptr;
  QComboBox* Role2Box = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QLineEdit* Edit5 = nullptr;
  QLineEdit* Edit7 = nullptr;
  QCheckBox* UseRole1 = nullptr;
  QCheckBox* UseRole2 = nullptr;
  QLabel* RoleOrderLab = nullptr;
  QLabel* TotalFGsLab = nullptr;
  QLabel* TotalatStartLab = nullptr;
  QLabel* TotalObLab = nullptr;
  // Arrival and departure
  QSpinBox* ArrMinSpin = nullptr;
  QSpinBox* ArrSecSpin = nullptr;
  QSpinBox* DepMin = nullptr;
  QSpinBox* DepSec = nullptr;
  QComboBox* DepartWhenBox = nullptr;
  QSpinBox* ExpTimeSpin = nullptr;
  QLabel* ExpLabel = nullptr;
  // FG Goals
  QListWidget* FGgoalList = nullptr;
  QSpinBox* FGGoalPointsSpin = nullptr;
  QComboBox* FGGoalTeamBox = nullptr;
  QCheckBox* FGGoalUnk = nullptr;
  QSpinBox* FGGoalTimeSpin = nullptr;
  // Orders
  QLabel* OrderTitleLab = nullptr;
  QComboBox* OrderBox = nullptr;
  QComboBox* OrderSpeedBox = nullptr;
  QLabel* OrderDescLab = nullptr;
  QLabel* P1Lab = nullptr;
  QLabel* P2Lab = nullptr;
  QSpinBox* OrderP1 = nullptr;
  QSpinBox* OrderP2 = nullptr;
  QComboBox* T1Class = nullptr;
  QComboBox* T1Index = nullptr;
  QComboBox* T2Class = nullptr;
  QComboBox* T2Index = nullptr;
  QComboBox* T3Class = nullptr;
  QComboBox* T3Index = nullptr;
  QComboBox* T4Class = nullptr;
  QComboBox* T4Index = nullptr;
  QCheckBox* OneAnd2Chk = nullptr;
  QCheckBox* ThreeAnd4Chk = nullptr;
  QToolButton* AddOrderBtn = nullptr;
  // Jump
  QLabel* JumpLab = nullptr;
  // GGoals
  QButtonGroup* GGRadios = nullptr;
  QSpinBox* GGPointsED = nullptr;
  QLabel* GGTeamLab = nullptr;
  // Msg
  QLineEdit* MsgtextEd = nullptr;
  QComboBox* MsgColorBox = nullptr;
  QSpinBox* MsgDelaySpin = nullptr;
  QLabel* MsgDelayLab = nullptr;
  QListWidget* SeenByList = nullptr;
  QLineEdit* MsgID = nullptr;
  QLineEdit* MsgUnk3 = nullptr;
  QRadioButton* and5And = nullptr;
  QRadioButton* And5Or = nullptr;
  QLabel* Cond5Lab = nullptr;
  QLabel* Cond6Lab = nullptr;
};

} // namespace zephlo
