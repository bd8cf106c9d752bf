// "Mission Parameters": the mission header's fields and the optional-value
// sections, read when the dialog opens and stored as one edit on "&OK".
#pragma once

#include "core/mission/header_edits.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;

namespace zephlo {

class EditingDocument;

class THeaderForm : public QDialog {
  Q_OBJECT
public:
  THeaderForm(EditingDocument& c, QWidget* parent = nullptr);

  // Opens the dialog modally and stores its values when it closes with "&OK".
  static void edit(EditingDocument& c, QWidget* parent);

public slots:
  void OKBtnClick();
  void Str2GridSelectCell(int row);
  void Str2UnknownChange(int tag, const QString& text);

private:
  void buildSettingsPage(QWidget* page);
  void buildStringsPage(QWidget* page);
  void fill();
  // The unnamed header values go on from "Unknown 1" and "Unknown 2".
  QString unknownCaption(const QLineEdit* edit) const;
  // The values the controls show; an error names the first number that is not a byte.
  Result<HeaderValues> values() const;

  EditingDocument& c_;
  HeaderValues read_;
  bool filling_ = false;
  int str2Row_ = 0;

  QComboBox* HangarBox = nullptr;
  QCheckBox* U6 = nullptr;
  QCheckBox* U3 = nullptr;
  QTableWidget* RegionNameGrid = nullptr;
  QTableWidget* HeaderStringGrid = nullptr;
  std::array<QLineEdit*, 4> timeEdits_{}; // Edit2 .. Edit5
  QComboBox* MotherBox1 = nullptr;
  QLineEdit* Edit7 = nullptr;
  QLineEdit* Edit8 = nullptr;
  QComboBox* MotherBox2 = nullptr;
  QLineEdit* Edit10 = nullptr;
  std::array<QCheckBox*, 4> useBoxes_{};   // C1 .. C4
  std::array<QLineEdit*, 4> valueEdits_{}; // V1 .. V4
  QTableWidget* Str3Grid = nullptr;
  QTableWidget* Str2Grid = nullptr;
  std::array<QLineEdit*, 3> str2Unknowns_{}; // Str2_5, Str2_9, Str2_12
};

} // namespace zephlo
