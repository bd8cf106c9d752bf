// The flight-group extras window: status, A.I., radio, IFF, markings,
// formation, initial weapons, cargo, special craft, difficulty and autolink
// of the selected flight groups. Like the pages, every change is written at
// once into every selected flight group.
#pragma once

#include "core/mission/fg_stores.h"

#include <QStringList>
#include <QWidget>

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace zephlo {

class EditingDocument;
class TFormationsForm;

class TShipExt : public QWidget {
  Q_OBJECT
public:
  explicit TShipExt(EditingDocument& controller, QWidget* parent = nullptr);

  // Fills every control from the current flight group; writes nothing.
  void fill();

signals:
  // "Choose Backdrop": the backdrop picker should open.
  void backdropPickerRequested();

protected:
  void showEvent(QShowEvent* e) override;

private:
  QComboBox* fieldCombo(FgField field, const QStringList& items);
  void FieldChange(FgField field, int value);
  bool filling() const { return filling_ > 0; }

  EditingDocument& c_;
  int filling_ = 0;
  std::vector<std::pair<QWidget*, FgField>> fieldControls_;

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
  QPushButton* PickBDrops = nullptr;
  QPushButton* FormBtn = nullptr;
  TFormationsForm* formations_ = nullptr;
};

} // namespace zephlo
