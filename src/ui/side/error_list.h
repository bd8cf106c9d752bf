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
  // What the list shows besides the checker's own lines, each while its box
  // is ticked: the warnings about the game's limits, then what the
  // mission's triggers can never let happen.
  struct Further {
    std::vector<std::string> limitWarnings;
    bool checkLimits = false;
    std::vector<std::string> logicFindings;
    bool checkLogic = false;
  };
  TErrForm(const CheckResult& result, bool omitWarnings, QWidget* parent = nullptr);
  TErrForm(const CheckResult& result, bool omitWarnings, Further further,
           QWidget* parent = nullptr);

signals:
  // The check box was clicked; the flag governs later checks.
  void omitWarningsChanged(bool omit);
  void checkLimitsChanged(bool on);
  void checkLogicChanged(bool on);

private:
  void fillList();

  CheckResult result_;
  bool omitWarnings_;
  Further further_;
  QPlainTextEdit* ErrMemo;
  QCheckBox* OmitWarnsChk;
  QCheckBox* LimitsChk;
  QCheckBox* LogicChk;
  QPushButton* Button1;
};

} // namespace zephlo
