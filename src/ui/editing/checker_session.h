// The mission checker as the editor runs it: after a save (silently) and on
// request, with the error list's two choices kept for the whole run.
#pragma once

#include "core/check/checker.h"

#include <QObject>

#include <string>
#include <vector>

namespace zephlo {

class EditingDocument;

class CheckerSession : public QObject {
  Q_OBJECT
public:
  explicit CheckerSession(EditingDocument& doc, QObject* parent = nullptr);

  // Checks the mission; with announce, "No known errors." shows when nothing counts.
  CheckResult runCheck(bool announce);
  bool omitWarnings() const { return omitWarnings_; }
  void setOmitWarnings(bool on) { omitWarnings_ = on; }
  // "Check the game's limits": kept for the whole run, over every mission.
  bool limitsChecked() const { return limitsChecked_; }
  void setLimitsChecked(bool on) { limitsChecked_ = on; }
  // The warnings about the game's limits, voice files looked up in the game folder.
  std::vector<std::string> limitWarnings() const;
  // "Check the mission's logic": kept for the whole run too.
  bool logicChecked() const { return logicChecked_; }
  void setLogicChecked(bool on) { logicChecked_ = on; }
  // What the mission's triggers can never let happen.
  std::vector<std::string> logicFindings() const;
  // A new mission starts with warnings shown.
  void reset() { omitWarnings_ = false; }

signals:
  // The checker found lines to show.
  void checkResultsReady(const zephlo::CheckResult& result);

private:
  EditingDocument& doc_;
  bool omitWarnings_ = false;
  bool limitsChecked_ = false;
  bool logicChecked_ = false;
};

} // namespace zephlo
