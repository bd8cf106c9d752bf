// The fields of the selected instruction on the "Instruction List" page:
// its number and time, the instruction box and the parameter fields the
// instruction schema lays out for its code. A committed field tells the
// page the instruction as it would become; the page applies it.
#pragma once

#include "core/briefing/instruction_form.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace zephlo {

class InstructionFieldsPanel : public QWidget {
  Q_OBJECT
public:
  explicit InstructionFieldsPanel(QWidget* parent);

  // Shows the instruction at `position`; a field being typed in keeps its text.
  void showInstruction(const InstructionList& list, int position, const Document& d);

signals:
  // `name` names the undo step; edits of one `control` on one instruction merge.
  void edited(const zephlo::TCommandObject& item, const QString& name, const QString& control);

private:
  void build();
  int timeStep() const;
  void choose(ParamControl control, int item, const char* key);
  void typed(QLineEdit* field, ParamControl control, const char* key);
  void offer(QComboBox* box, const FieldView& view);

  TCommandObject item_;
  InstructionFormView view_;

  QLabel* InstNumLabel = nullptr;
  QLabel* TimeSecLabel = nullptr;
  QSpinBox* TimeSpin = nullptr;
  QButtonGroup* IncrementGroup = nullptr;
  QComboBox* CommandBox = nullptr;
  QLabel* IndexLabel = nullptr;
  QComboBox* IndexBox = nullptr;
  QComboBox* ZoomPresetBox = nullptr;
  QLabel* ColorLabel = nullptr;
  QComboBox* ColorBox = nullptr;
  QLabel* XLabel = nullptr;
  QLineEdit* XEdit = nullptr;
  QLabel* YLabel = nullptr;
  QLineEdit* YEdit = nullptr;
  QLabel* CraftLabel = nullptr;
  QComboBox* CraftBox = nullptr;
};

} // namespace zephlo
