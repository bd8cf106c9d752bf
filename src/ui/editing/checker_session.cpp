#include "ui/editing/checker_session.h"

#include "core/check/limits.h"
#include "core/check/mission_logic.h"
#include "ui/editing/editing_document.h"

namespace zephlo {

CheckerSession::CheckerSession(EditingDocument& doc, QObject* parent)
    : QObject(parent), doc_(doc) {}

std::vector<std::string> CheckerSession::limitWarnings() const {
  LimitOptions options;
  options.gameFolder = doc_.preferences().gameDir.toStdString();
  return checkLimits(doc_.document(), options);
}

std::vector<std::string> CheckerSession::logicFindings() const {
  return analyseMissionLogic(doc_.document()).findings;
}

CheckResult CheckerSession::runCheck(bool announce) {
  CheckResult result = checkMission(doc_.document());
  if (result.count(omitWarnings_) > 0 || (limitsChecked_ && !limitWarnings().empty()) ||
      (logicChecked_ && !logicFindings().empty())) {
    emit checkResultsReady(result);
  } else if (announce) {
    doc_.prompts().timedNotice(QStringLiteral("No known errors."), 800);
  }
  return result;
}

} // namespace zephlo
