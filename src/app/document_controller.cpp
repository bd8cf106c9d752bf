#include "app/document_controller.h"

#include "mission/backup.h"
#include "mission/reader.h"
#include "mission/safe_write.h"
#include "mission/writer.h"

#include <QFile>
#include <QFileInfo>

namespace zephlo {

namespace {

std::string toPath(const QString& s) { return QFile::encodeName(s).toStdString(); }
QString fromPath(const std::string& s) { return QFile::decodeName(QByteArray::fromStdString(s)); }
// Texts inside missions are 8-bit; Latin-1 keeps every byte.
QString fromMission(const std::string& s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

DocumentController::DocumentController(Preferences& prefs, Prompts& prompts, QObject* parent)
    : QObject(parent), prefs_(prefs), prompts_(prompts) {
  resetToNewMission();
  clip_ = makeClipboards(templates_);
  title_ = programTitle();
}

QString DocumentController::programTitle() {
  return QStringLiteral("Zephlo ") + QStringLiteral(ZEPHLO_VERSION);
}

MissionPrefs DocumentController::missionPrefs() const {
  MissionPrefs m;
  m.defaultCraftType = static_cast<Byte>(prefs_.defaultShip);
  m.defaultAiRank = static_cast<Byte>(prefs_.defaultAI);
  m.autolink = prefs_.autoLink;
  return m;
}

ListContext DocumentController::listContext() {
  ListContext ctx;
  ctx.templates = &templates_;
  ctx.prefs = missionPrefs();
  ctx.voices = &voices_;
  ctx.voicePanelVisible = false;
  return ctx;
}

void DocumentController::resetToNewMission() {
  doc_ = zephlo::newMission(missionPrefs());
  templates_ = makeTemplates(missionPrefs(), doc_.teamIff[0]);
  st_ = EditorState{};
  st_.selectedFGs = {0};
  voices_ = VoiceList{};
  omitWarnings_ = false;
}

void DocumentController::setTitle(const QString& t) {
  title_ = t;
  emit titleChanged(t);
}

void DocumentController::markChanged() { emit modifiedChanged(st_.changed()); }

void DocumentController::setHistory(const QStringList& h) {
  history_.clear();
  for (const QString& p : h) {
    if (!p.isEmpty() && !history_.contains(p)) history_.append(p);
  }
  while (history_.size() > kHistorySize)
    history_.removeLast();
  emit historyChanged();
}

void DocumentController::addToHistory(const QString& path) {
  history_.removeAll(path);
  history_.prepend(path);
  while (history_.size() > kHistorySize)
    history_.removeLast();
  emit historyChanged();
}

QString DocumentController::historyCaption(int i) const {
  const QString& p = history_.at(i);
  return QStringLiteral("&%1 %2").arg(i).arg(prefs_.dirInReopen ? p : QFileInfo(p).fileName());
}

bool DocumentController::confirmDiscard() {
  saveAsCancelled_ = false;
  if (!st_.changed()) return true;
  switch (prompts_.askYesNoCancel(QStringLiteral("Current Mission has been changed. Save it?"))) {
  case Answer::Cancel: return false;
  case Answer::No: return true;
  case Answer::Yes: break;
  }
  // A save that was cancelled or failed must not let the changes be thrown away.
  return save();
}

bool DocumentController::newMission() {
  if (!confirmDiscard()) return false;
  resetToNewMission();
  setTitle(programTitle() + QStringLiteral(" - [Unnamed]"));
  emit documentReplaced();
  markChanged();
  return true;
}

bool DocumentController::open() {
  if (!confirmDiscard()) return false;
  const QString path = prompts_.chooseOpenFile(
      QStringLiteral("Open Mission"), lastOpenDir_.isEmpty() ? prefs_.missionsDir : lastOpenDir_,
      QStringLiteral("XWA mission files (.tie) (*.tie);;All Files (*.*) (*)"));
  if (path.isEmpty()) return false;
  addToHistory(path);
  lastOpenDir_ = QFileInfo(path).absolutePath();
  return openPath(path);
}

bool DocumentController::openPath(const QString& path) {
  ReadOutcome r = readMission(toPath(path), prefs_.autoLink);
  if (!r.ok()) {
    const QString text = fromPath(r.message);
    if (r.noticeMs > 0)
      prompts_.timedNotice(text, r.noticeMs);
    else
      prompts_.showError(text);
    return false;
  }
  doc_ = std::move(*r.document);
  doc_.fileName = toPath(path);
  st_ = EditorState{};
  if (!doc_.flightGroups.empty()) st_.selectedFGs = {0};
  if (!doc_.messages.empty()) st_.selectedMsgs = {0};
  voices_ = VoiceList{};

  setTitle(programTitle() + " - (" + QFileInfo(path).fileName() + ") - " +
           fromMission(doc_.titleAfterOpen()));

  if (auto copy = safetyCopyPath(doc_.fileName, prefs_.doBackups)) {
    Document c = doc_;
    const std::vector<Byte> bytes = serializeMission(c);
    const WriteResult w = writeFileSafely(*copy, bytes);
    if (!w.ok) prompts_.showError(fromPath(w.error));
  }
  emit documentReplaced();
  markChanged();
  return true;
}

bool DocumentController::reopen(int i) {
  if (i < 0 || i >= history_.size()) return false;
  if (!confirmDiscard()) return false;
  const QString path = history_.at(i);
  if (!QFileInfo::exists(path)) {
    prompts_.showError(path + QStringLiteral(" does not exist"));
    return false;
  }
  addToHistory(path);
  return openPath(path);
}

bool DocumentController::save() {
  if (doc_.hasFileName()) return writeAnnounced(fromPath(doc_.fileName));
  return saveAs();
}

bool DocumentController::saveAs() {
  const QString path =
      prompts_.chooseSaveFile(QStringLiteral("Save Mission As"), prefs_.missionsDir,
                              QStringLiteral("XWA Mission Files (*.tie)"), QStringLiteral("tie"));
  if (path.isEmpty()) {
    saveAsCancelled_ = true;
    return false;
  }
  voices_.changed = false;
  return writeAnnounced(path);
}

bool DocumentController::writeAnnounced(const QString& path) {
  const WriteResult w = writeMission(doc_, toPath(path));
  if (!w.ok) {
    prompts_.showError(fromPath(w.error));
    markChanged();
    return false;
  }
  doc_.fileName = toPath(path);
  setTitle(programTitle() + " - (" + QFileInfo(path).fileName() + ") - " +
           fromMission(doc_.title()));
  addToHistory(path);
  st_.clearChanged();
  markChanged();
  runCheck(false);
  return true;
}

void DocumentController::startUp(const QStringList& arguments) {
  resetToNewMission();
  setTitle(programTitle());
  emit documentReplaced();
  auto openLast = [this] {
    if (history_.isEmpty() || !QFileInfo::exists(history_.first())) {
      prompts_.timedNotice(QStringLiteral("Can't find last loaded file"), 1500);
      return;
    }
    openPath(history_.first());
  };
  if (!arguments.isEmpty()) {
    // A path with one blank may arrive split in two.
    const QString path =
        arguments.size() >= 2 ? arguments.at(0) + ' ' + arguments.at(1) : arguments.at(0);
    addToHistory(path);
    openPath(path);
    return;
  }
  switch (prefs_.openProgWith) {
  case 0:
    switch (prompts_.chooseStartupAction()) {
    case StartupChoice::LoadExisting: open(); break;
    case StartupChoice::LoadLast: openLast(); break;
    case StartupChoice::CreateNew:
    case StartupChoice::Closed: break;
    }
    break;
  case 2: open(); break;
  case 3: openLast(); break;
  default: break;
  }
}

CheckResult DocumentController::runCheck(bool announce) {
  CheckResult result = checkMission(doc_);
  if (result.count(omitWarnings_) > 0) {
    emit checkResultsReady(result);
  } else if (announce) {
    prompts_.timedNotice(QStringLiteral("No known errors."), 800);
  }
  return result;
}

void DocumentController::selectFlightGroup(int index) {
  if (index < 0 || index >= static_cast<int>(doc_.flightGroups.size())) return;
  st_.currentFG = index;
  st_.currentGoal = 0;
  // Edits of the flight group shown so far stay recorded as changes.
  if (st_.fgChanged) {
    st_.fgChanged = false;
    st_.otherChanged = true;
  }
  emit currentFlightGroupChanged(index);
}

void DocumentController::selectMessage(int index) {
  if (index < 0 || index >= static_cast<int>(doc_.messages.size())) return;
  st_.currentMsg = index;
  emit currentMessageChanged(index);
}

void DocumentController::setFlightGroupSelection(const std::set<int>& rows) {
  st_.selectedFGs = rows;
}
void DocumentController::setMessageSelection(const std::set<int>& rows) { st_.selectedMsgs = rows; }

void DocumentController::afterListChange(bool flightGroups) {
  if (flightGroups) {
    emit flightGroupsChanged();
    emit currentFlightGroupChanged(st_.currentFG);
  } else {
    emit messagesChanged();
    emit currentMessageChanged(st_.currentMsg);
  }
  markChanged();
}

void DocumentController::addItem(int page) {
  if (page == 0)
    newFlightGroup(doc_, st_, listContext());
  else
    newMessage(doc_, st_, listContext());
  afterListChange(page == 0);
}

void DocumentController::deleteSelection(int page) {
  if (page == 0) {
    if (prefs_.confirmDeletes &&
        !prompts_.askYesNo(QStringLiteral("Delete all selected Flight Groups - Are You Sure?"))) {
      return;
    }
    deleteFlightGroups(doc_, st_, listContext());
  } else {
    if (doc_.messages.empty()) return;
    if (prefs_.confirmDeletes &&
        !prompts_.askYesNo(QStringLiteral("Delete all selected Messages - Are You Sure?"))) {
      return;
    }
    deleteMessages(doc_, st_, listContext());
  }
  afterListChange(page == 0);
}

void DocumentController::copyItem(int page) {
  if (page == 0)
    copyFlightGroup(doc_, st_, clip_);
  else if (!doc_.messages.empty())
    copyMessage(doc_, st_, clip_);
}

void DocumentController::pasteItem(int page) {
  if (page == 0)
    pasteFlightGroup(doc_, st_, clip_);
  else
    pasteMessage(doc_, st_, clip_, listContext());
  afterListChange(page == 0);
}

void DocumentController::moveUp(int page) {
  const bool moved =
      page == 0 ? moveFlightGroupsUp(doc_, st_) : moveMessagesUp(doc_, st_, listContext());
  if (moved) afterListChange(page == 0);
}

void DocumentController::moveDown(int page) {
  const bool moved =
      page == 0 ? moveFlightGroupsDown(doc_, st_) : moveMessagesDown(doc_, st_, listContext());
  if (moved) afterListChange(page == 0);
}

void DocumentController::setCurrentRegion(int region) {
  if (region < 1 || region > kRegionCount) return;
  st_.currentRegion = region;
  emit flightGroupsChanged();
}

void DocumentController::setAutolinkPreference(bool on) {
  prefs_.autoLink = on;
  for (FGObject& f : doc_.flightGroups)
    f.autolink = on;
}

void DocumentController::preferencesChanged() {
  emit flightGroupsChanged();
  emit historyChanged();
}

} // namespace zephlo
