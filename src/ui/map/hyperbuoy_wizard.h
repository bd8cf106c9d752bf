// "Link Regions by Hyperbuoys:": appends the buoys that link two regions.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace zephlo {

class EditingDocument;

class THyperForm : public QDialog {
  Q_OBJECT
public:
  THyperForm(EditingDocument& c, QWidget* parent = nullptr);
  // Runs the wizard modally; the buoys are appended on "OK".
  static void run(EditingDocument& c, QWidget* parent);

public slots:
  void OKBtnClick();

private:
  EditingDocument& c_;
  QComboBox* FromBox = nullptr;
  QComboBox* ToBox = nullptr;
  QCheckBox* DoFroms = nullptr;
};

} // namespace zephlo
