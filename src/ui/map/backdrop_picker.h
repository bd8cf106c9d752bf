// "Click on backdrop to select": picks a backdrop by its picture and the
// shadow of the selected flight groups. The extras dialog opens it with
// TBDropForm::chooseBackdrop.
#pragma once

#include "core/mission/bytes.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QButtonGroup;
class QLabel;

namespace zephlo {

class EditingDocument;

class TBDropForm : public QDialog {
  Q_OBJECT
public:
  // number: the backdrop shown as chosen; shadow: the current shadow value.
  // names: Backdrops.txt's names of the numbers, shown as hints when known.
  TBDropForm(int number, Byte shadow, std::vector<std::string> names = {},
             QWidget* parent = nullptr);

  int number() const { return number_; }
  Byte shadow() const { return shadow_; }
  // A press at (x, y) on the pictures, as the mouse gives it.
  void Image1MouseDown(int x, int y);

  // Opens the picker for the current flight group; on "&Use" the selected
  // flight groups take the shadow and, the backdrops among them, the number.
  // Returns whether anything was used.
  // names: the names of the backdrop numbers, when the editor has them.
  static bool chooseBackdrop(EditingDocument& c,
                             const std::optional<std::vector<std::string>>& names, QWidget* parent);

private:
  void showSelection();

  class Sheet;
  Sheet* Image1 = nullptr;
  QLabel* Label2 = nullptr;
  QButtonGroup* shadowButtons_ = nullptr;
  int number_ = 0;
  Byte shadow_ = 0;
};

} // namespace zephlo
