// The list of errors and warnings found by the checker.
#pragma once

#include "core/check/checker.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace zephlo {

class TErrForm : public QDialog {
  Q_OBJECT
public:
  TErrForm(const CheckResult& result, bool omitWarnings, QWidget* parent = nullptr);
  // limitWarnings: the warnings about the game's limits, listed after the
  // checker's own lines while "Check the game's limits" is ticked.
  TErrForm(const CheckResult& result, bool omitWarnings, std::vector<std::string> limitWarnings,
           bool checkLimits, QWidget* parent = nullptr);

signals:
  // The check box was clicked; the flag governs later checks.
  void omitWarningsChanged(bool omit);
  void checkLimitsChanged(bool on);

private:
  void fillList();

  CheckResult result_;
  bool omitWarnings_;
  std::vector<std::string> limitWarnings_;
  QPlainTextEdit* ErrMemo;
  QCheckBox* OmitWarnsChk;
  QCheckBox* LimitsChk;
  QPushButton* Button1;
};

} // namespace zephlo
