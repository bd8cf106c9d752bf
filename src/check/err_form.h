// The list of errors and warnings found by the checker.
#pragma once

#include "check/checker.h"

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace zephlo {

class TErrForm : public QDialog {
  Q_OBJECT
public:
  TErrForm(const CheckResult& result, bool omitWarnings, QWidget* parent = nullptr);

signals:
  // The check box was clicked; the flag governs later checks.
  void omitWarningsChanged(bool omit);

private:
  QPlainTextEdit* ErrMemo;
  QCheckBox* OmitWarnsChk;
  QPushButton* Button1;
};

} // namespace zephlo
