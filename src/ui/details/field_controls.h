// The controls that each edit one flight-group field, as the details pages
// and the extras window build them: one table from control to field drives
// the writes, the fills and the refresh after a change.
#pragma once

#include "core/mission/fg_stores.h"

#include <QStringList>

#include <utility>
#include <vector>

class QComboBox;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace zephlo {

class EditingDocument;
class ViewUpdate;

class FieldControls {
public:
  explicit FieldControls(EditingDocument& c) : c_(c) {}

  // A drop-down commits at once; a number box when editing finishes, then
  // shows the value as stored (held at a limit, or the byte it kept).
  QComboBox* combo(QWidget* parent, FgField field, const QStringList& items);
  QSpinBox* spin(QWidget* parent, FgField field, int lo, int hi);
  // A number typed as text (the role switches, some shown signed).
  QLineEdit* edit(QWidget* parent, FgField field);

  // Shows the fields the update concerns, of the controls inside within
  // (all when null); writes nothing.
  void fill(const ViewUpdate& u, const QWidget* within = nullptr) const;
  // Whether there is a current flight group to show and write.
  bool hasFlightGroup() const;
  const FGObject& currentFlightGroup() const;

private:
  void store(FgField field, int value);
  void showStored(QWidget* control, FgField field) const;

  EditingDocument& c_;
  std::vector<std::pair<QWidget*, FgField>> controls_;
};

} // namespace zephlo
