// The flight-group extras window: status, A.I., radio, IFF, markings,
// formation, initial weapons, cargo, special craft, difficulty and autolink
// of the selected flight groups. Like the pages, every change is written
// into every selected flight group as it is committed, and only the controls
// whose bytes changed are shown again.
#pragma once

#include "core/mission/fg_stores.h"
#include "ui/details/field_controls.h"

#include <QStringList>
#include <QWidget>

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class QToolButton;

namespace zephlo {

class ActionRegistry;
class EditingDocument;
class TFormationsForm;
class ViewUpdate;

class TShipExt : public QWidget {
  Q_OBJECT
public:
  // "View Formations" and "Choose Backdrop" come from actions.
  TShipExt(EditingDocument& controller, ActionRegistry& actions, QWidget* parent = nullptr);

signals:
  // "Choose Backdrop": the backdrop picker should open.
  void backdropPickerRequested();

private:
  // Shows what the update concerns of the current flight group; writes nothing.
  void refresh(const ViewUpdate& u);
  QComboBox* fieldCombo(FgField field, const QStringList& items);
  void buildCommands(ActionRegistry& actions);
  bool hasFlightGroup() const { return fields_.hasFlightGroup(); }
  const FGObject& currentFlightGroup() const { return fields_.currentFlightGroup(); }
  bool filling() const { return filling_ > 0; }

  EditingDocument& c_;
  int filling_ = 0;
  FieldControls fields_; // the controls that each edit one flight-group field

  // The controls under the names the mission rules use.
  QComboBox* StatusBox = nullptr;
  QComboBox* Status2Box = nullptr;
  QComboBox* AIBox = nullptr;
  QComboBox* RadioBox = nullptr;
  QComboBox* IFFBox = nullptr;
  QComboBox* ColorBox = nullptr;
  QComboBox* FormBox = nullptr;
  QSpinBox* SpacingSpin = nullptr;
  QComboBox* MissleBox = nullptr;
  QComboBox* BeamBox = nullptr;
  QComboBox* CounterBox = nullptr;
  QComboBox* AppearBox = nullptr;
  QGroupBox* CargoGroup = nullptr;
  QLabel* CargoLab = nullptr;
  QLabel* SpecCargLab = nullptr;
  QComboBox* CargoEd = nullptr;
  QComboBox* SpecCargEd = nullptr;
  QLabel* SpecShpLab1 = nullptr;
  QLabel* SpecShpLab2 = nullptr;
  QSpinBox* SpecShpSpin = nullptr;
  QCheckBox* RandomChk = nullptr;
  QCheckBox* AutoLinkChk = nullptr;
  QToolButton* PickBDrops = nullptr;
  QToolButton* FormBtn = nullptr;
  TFormationsForm* formations_ = nullptr;
};

} // namespace zephlo
