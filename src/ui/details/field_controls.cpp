#include "ui/details/field_controls.h"

#include "core/mission/change_scope.h"
#include "core/mission/shared_values.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/mixed_controls.h"
#include "ui/editing/page_controls.h"

namespace zephlo {

using namespace pages;

QComboBox* FieldControls::combo(QWidget* parent, FgField field, const QStringList& items) {
  QComboBox* b = pages::combo(parent, controlName(field), items);
  controls_.push_back({b, field});
  QObject::connect(b, &QComboBox::activated, b, [this, field](int i) { store(field, i); });
  return b;
}

QSpinBox* FieldControls::spin(QWidget* parent, FgField field, int lo, int hi) {
  QSpinBox* s = mixedSpin(parent, controlName(field), lo, hi);
  commitOnFinish(s);
  controls_.push_back({s, field});
  QObject::connect(s, &QSpinBox::valueChanged, s, [this, s, field](int v) {
    store(field, v);
    showStored(s, field);
  });
  return s;
}

QLineEdit* FieldControls::edit(QWidget* parent, FgField field) {
  QLineEdit* e = pages::edit(parent, controlName(field), 4);
  controls_.push_back({e, field});
  commitTextOnFinish(e, [this, e, field](const QString& text) {
    if (!hasFlightGroup()) return;
    if (auto op = storeFieldText(field, toBytes(text), c_.state())) c_.apply(*op);
    showStored(e, field);
  });
  return e;
}

void FieldControls::store(FgField field, int value) {
  if (hasFlightGroup()) c_.apply(storeField(field, value, c_.state()));
}

// Each control shows the value of the flight groups an edit writes into,
// or that they differ.
void FieldControls::showStored(QWidget* control, FgField field) const {
  if (hasFlightGroup()) showSharedNumber(control, sharedField(c_.document(), c_.state(), field));
}

void FieldControls::fill(const ViewUpdate& u, const QWidget* within) const {
  if (!hasFlightGroup()) return;
  for (const auto& [w, field] : controls_) {
    if (u.flightGroup(fieldBytes(field)) && (!within || within->isAncestorOf(w)))
      showStored(w, field);
  }
}

// A current line inside the list: never read a record that is not there,
// whatever order the notices come in.
bool FieldControls::hasFlightGroup() const {
  const int fg = c_.state().currentFG;
  return fg >= 0 && fg < static_cast<int>(c_.document().flightGroups.size());
}

const FGObject& FieldControls::currentFlightGroup() const {
  return c_.document().flightGroups[static_cast<std::size_t>(c_.state().currentFG)];
}

} // namespace zephlo
