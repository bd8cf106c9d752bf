#include "ui/editing/document_controller.h"
#include "ui/editing/path_text.h"

#include "core/check/limits.h"
#include "core/lists/voice_list.h"
#include "core/map/waypoints.h"
#include "core/mission/backup.h"
#include "core/mission/reader.h"
#include "core/mission/safe_write.h"
#include "core/mission/writer.h"

#include "platform/game_folder.h"
#include <QFile>
#include <QFileInfo>
#include <QUndoCommand>

namespace zephlo {

namespace {

// How long the short notices stay up.
constexpr int kNoticeMs = 1500;

} // namespace

// One step on the undo stack: the deltas of one edit, or of several edits
// of one control on one selection merged together, and the current items
// and selections before and after.
class EditCommand : public QUndoCommand {
public:
  EditCommand(DocumentController& c, const Operation& op, Applied a)
      : QUndoCommand(QString::fromStdString(op.name)), c_(c), key_(op.mergeKey),
        change_(std::move(a.change)), before_(std::move(a.before)), after_(std::move(a.after)) {
    deltas_.push_back(std::move(a.delta));
  }

  int id() const override { return key_.empty() ? -1 : 1; }

  bool mergeWith(const QUndoCommand* other) override {
    const auto* o = static_cast<const EditCommand*>(other);
    if (o->key_ != key_) return false;
    deltas_.insert(deltas_.end(), o->deltas_.begin(), o->deltas_.end());
    change_.merge(o->change_);
    after_ = o->after_;
    return true;
  }

  void undo() override {
    for (auto it = deltas_.rbegin(); it != deltas_.rend(); ++it)
      it->revert(c_.doc_);
    c_.announce(change_, before_);
  }

  void redo() override {
    // The edit was made before the step was pushed.
    if (pushed_) {
      pushed_ = false;
      return;
    }
    for (const Delta& d : deltas_)
      d.reapply(c_.doc_);
    c_.announce(change_, after_);
  }

private:
  DocumentController& c_;
  std::string key_;
  std::vector<Delta> deltas_;
  Change change_;
  EditorState before_, after_;
  bool pushed_ = true;
};

DocumentController::DocumentController(Preferences& prefs, Prompts& prompts, QObject* parent)
    : QObject(parent), prefs_(prefs), prompts_(prompts) {
  resetToNewMission();
  clip_ = makeClipboards(templates_);
  title_ = programTitle();
  connect(&undo_, &QUndoStack::cleanChanged, this,
          [this](bool clean) { emit modifiedChanged(!clean); });
}

DocumentController::~DocumentController() {
  // The steps refer back to this controller; drop them first.
  undo_.clear();
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

ListContext DocumentController::listContext() const {
  ListContext ctx;
  ctx.templates = &templates_;
  ctx.prefs = missionPrefs();
  ctx.voicePanelVisible = voicePanelVisible_;
  return ctx;
}

void DocumentController::resetToNewMission() {
  doc_ = zephlo::newMission(missionPrefs());
  templates_ = makeTemplates(missionPrefs(), doc_.teamIff[0]);
  st_ = EditorState{};
  st_.selectedFGs = {0};
  voicesChanged_ = false;
  omitWarnings_ = false;
  undo_.clear();
  refreshMapFields(nullptr);
}

void DocumentController::setTitle(TitleKind kind) {
  titleKind_ = kind;
  title_ = QString::fromUtf8(windowTitle(programTitle().toStdString(), kind, doc_));
  emit titleChanged(title_);
}

void DocumentController::refreshTitle(const Change& change) {
  // The caption shows the first briefing text, which the briefing editor edits.
  if (!change.briefing) return;
  const QString title =
      QString::fromUtf8(windowTitle(programTitle().toStdString(), titleKind_, doc_));
  if (title != title_) setTitle(titleKind_);
}

// ---- edits ------------------------------------------------------------------

bool DocumentController::apply(const Operation& op) {
  const EditorState prior = st_;
  auto r = applyOperation(doc_, st_, op);
  if (!r) {
    prompts_.showError(fromMessage(r.error().message));
    return false;
  }
  const Change change = r->change;
  refreshMapFields(&change);
  if (!r->delta.empty()) undo_.push(new EditCommand(*this, op, std::move(*r)));
  if (change.voices) voicesChanged_ = true;
  if (!change.empty()) emit documentChanged(change);
  refreshTitle(change);
  stateSignals(prior);
  return true;
}

void DocumentController::announce(const Change& change, const EditorState& target) {
  refreshMapFields(&change);
  if (change.voices) voicesChanged_ = true;
  const EditorState prior = st_;
  // Where the user was in the lists comes back; the region and order shown
  // are the user's view and stay. The state is back before the views hear
  // of the change: after undoing a new flight group the current one would
  // otherwise lie past the end of the list while they refresh.
  st_.currentFG = target.currentFG;
  st_.currentMsg = target.currentMsg;
  st_.currentTeam = target.currentTeam;
  st_.currentGoal = target.currentGoal;
  st_.selectedFGs = target.selectedFGs;
  st_.selectedMsgs = target.selectedMsgs;
  if (!change.empty()) emit documentChanged(change);
  refreshTitle(change);
  stateSignals(prior);
}

void DocumentController::refreshMapFields(const Change* change) {
  auto& fgs = doc_.flightGroups;
  if (!change || change->flightGroupList) {
    prepareMapFields(doc_, st_.currentRegion, st_.currentOrder);
    return;
  }
  for (int i : change->flightGroups) {
    if (i >= 0 && i < static_cast<int>(fgs.size()))
      updateMapFields(fgs[static_cast<std::size_t>(i)], st_.currentRegion, st_.currentOrder);
  }
}

Operation DocumentController::newFlightGroupOperation() const {
  return newItemOperation(ListPage::FlightGroups, listContext());
}

void DocumentController::stateSignals(const EditorState& prior) {
  if (st_ == prior) return;
  emit stateChanged();
  if (st_.currentFG != prior.currentFG) emit currentFlightGroupChanged(st_.currentFG);
  if (st_.currentMsg != prior.currentMsg) emit currentMessageChanged(st_.currentMsg);
}

// ---- history ----------------------------------------------------------------

QStringList DocumentController::history() const {
  QStringList out;
  for (const std::string& p : history_.entries())
    out << fromPath(p);
  return out;
}

void DocumentController::setHistory(const QStringList& paths) {
  std::vector<std::string> v;
  for (const QString& p : paths)
    v.push_back(toPath(p));
  history_.assign(v);
  emit historyChanged();
}

void DocumentController::addToHistory(const QString& path) {
  history_.add(toPath(path));
  emit historyChanged();
}

QString DocumentController::historyCaption(int i) const {
  const QString p = fromPath(history_.entries().at(static_cast<std::size_t>(i)));
  return QStringLiteral("&%1 %2").arg(i).arg(prefs_.dirInReopen ? p : QFileInfo(p).fileName());
}

// ---- document commands ------------------------------------------------------

bool DocumentController::confirmDiscard() {
  saveAsCancelled_ = false;
  if (isModified()) {
    switch (prompts_.askYesNoCancel(QStringLiteral("Current Mission has been changed. Save it?"))) {
    case Answer::Cancel: return false;
    case Answer::No: break;
    case Answer::Yes:
      // A save that was cancelled or failed must not let the changes be thrown away.
      if (!save()) return false;
      break;
    }
  }
  offerVoiceSave();
  return true;
}

bool DocumentController::newMission() {
  if (!confirmDiscard()) return false;
  resetToNewMission();
  setTitle(TitleKind::New);
  emit documentReplaced();
  emit voicesReplaced();
  return true;
}

bool DocumentController::open() {
  if (!confirmDiscard()) return false;
  const QString path = prompts_.chooseOpenFile(
      QStringLiteral("Open Mission"), lastOpenDir_.isEmpty() ? prefs_.missionsDir : lastOpenDir_,
      QStringLiteral("XWA mission files (.tie) (*.tie);;All Files (*.*) (*)"));
  if (path.isEmpty()) return false;
  lastOpenDir_ = QFileInfo(path).absolutePath();
  return openPath(path);
}

bool DocumentController::openPath(const QString& path) {
  Result<Document> r = readMission(toPath(path), prefs_.autoLink);
  if (!r) {
    const QString text = fromMessage(r.error().message);
    // Another game's file is a slip of the hand, not a fault: a short notice.
    if (r.error().kind == ErrorKind::ForeignFormat)
      prompts_.timedNotice(text, kNoticeMs);
    else
      prompts_.showError(text);
    return false;
  }
  const QString absolute = QFileInfo(path).absoluteFilePath();
  doc_ = std::move(*r);
  doc_.fileName = toPath(absolute);
  st_ = EditorState{};
  if (!doc_.flightGroups.empty()) st_.selectedFGs = {0};
  if (!doc_.messages.empty()) st_.selectedMsgs = {0};
  voicesChanged_ = false;
  undo_.clear();
  refreshMapFields(nullptr);
  // Only a file that opened goes into the history.
  addToHistory(absolute);
  setTitle(TitleKind::Opened);
  loadVoices();

  if (auto copy = safetyCopyPath(doc_.fileName, prefs_.doBackups)) {
    const Status w = writeMission(doc_, *copy);
    if (!w) prompts_.showError(fromMessage(w.error().message));
  }
  emit documentReplaced();
  return true;
}

bool DocumentController::reopen(int i) {
  if (i < 0 || i >= static_cast<int>(history_.entries().size())) return false;
  // Saving under a new name below shifts the history: take the entry first.
  const QString path = fromPath(history_.entries()[static_cast<std::size_t>(i)]);
  if (!confirmDiscard()) return false;
  if (!QFileInfo::exists(path)) {
    prompts_.showError(path + QStringLiteral(" does not exist"));
    return false;
  }
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
  const bool voicesWereChanged = voicesChanged_;
  voicesChanged_ = false;
  if (!writeAnnounced(path)) {
    voicesChanged_ = voicesWereChanged;
    return false;
  }
  // The voice list follows the mission to its new name.
  const bool hadList = doc_.voiceListPath != kNoVoiceList;
  if (Status s = carryVoiceListTo(doc_, toPath(gameFolder())); !s) {
    prompts_.showError(fromMessage(s.error().message));
  } else if (hadList) {
    emit voicesReplaced();
  }
  return true;
}

bool DocumentController::writeAnnounced(const QString& path) {
  const Status w = writeMission(doc_, toPath(path));
  if (!w) {
    prompts_.showError(fromMessage(w.error().message));
    return false;
  }
  doc_.fileName = toPath(QFileInfo(path).absoluteFilePath());
  setTitle(TitleKind::Saved);
  addToHistory(path);
  undo_.setClean();
  offerVoiceSave();
  runCheck(false);
  return true;
}

void DocumentController::startUp(const QStringList& arguments) {
  resetToNewMission();
  setTitle(TitleKind::Program);
  emit documentReplaced();
  auto openLast = [this] {
    if (history_.entries().empty() || !QFileInfo::exists(fromPath(history_.entries().front()))) {
      prompts_.timedNotice(QStringLiteral("Can't find last loaded file"), kNoticeMs);
      return;
    }
    openPath(fromPath(history_.entries().front()));
  };
  std::vector<std::string> args;
  for (const QString& a : arguments)
    args.push_back(toPath(a));
  if (auto path = commandLinePath(
          args, [](const std::string& p) { return QFileInfo::exists(fromPath(p)); })) {
    openPath(fromPath(*path));
    return;
  }
  switch (startupModeFrom(prefs_.openProgWith)) {
  case StartupMode::Ask:
    switch (prompts_.chooseStartupAction()) {
    case StartupChoice::LoadExisting: open(); break;
    case StartupChoice::LoadLast: openLast(); break;
    case StartupChoice::CreateNew:
    case StartupChoice::Closed: break;
    }
    break;
  case StartupMode::OpenDialog: open(); break;
  case StartupMode::LastFile: openLast(); break;
  case StartupMode::NewMission: break;
  }
}

std::vector<std::string> DocumentController::limitWarnings() const {
  LimitOptions options;
  options.gameFolder = prefs_.gameDir.toStdString();
  return zephlo::checkLimits(doc_, options);
}

CheckResult DocumentController::runCheck(bool announce) {
  CheckResult result = checkMission(doc_);
  if (result.count(omitWarnings_) > 0 || (limitsChecked_ && !limitWarnings().empty())) {
    emit checkResultsReady(result);
  } else if (announce) {
    prompts_.timedNotice(QStringLiteral("No known errors."), 800);
  }
  return result;
}

// ---- selections ---------------------------------------------------------------

void DocumentController::selectFlightGroup(int index) {
  if (index < 0 || index >= static_cast<int>(doc_.flightGroups.size())) return;
  if (index == st_.currentFG) return;
  st_.currentFG = index;
  st_.currentGoal = 0;
  emit currentFlightGroupChanged(index);
}

void DocumentController::selectMessage(int index) {
  if (index < 0 || index >= static_cast<int>(doc_.messages.size())) return;
  if (index == st_.currentMsg) return;
  st_.currentMsg = index;
  emit currentMessageChanged(index);
}

void DocumentController::setFlightGroupSelection(const std::set<int>& rows) {
  st_.selectedFGs = rows;
}
void DocumentController::setMessageSelection(const std::set<int>& rows) { st_.selectedMsgs = rows; }

void DocumentController::setCurrentRegion(int region) {
  if (region < 1 || region > kRegionCount || region == st_.currentRegion) return;
  st_.currentRegion = region;
  refreshMapFields(nullptr);
  emit regionChanged(region);
}

void DocumentController::setCurrentOrder(int order) {
  if (order < 1 || order > kOrdersPerRegion || order == st_.currentOrder) return;
  st_.currentOrder = order;
  refreshMapFields(nullptr);
  emit stateChanged();
}

void DocumentController::setCurrentGoal(int goal) {
  if (goal < 0 || goal >= kFGGoalCount || goal == st_.currentGoal) return;
  st_.currentGoal = goal;
  emit stateChanged();
}

void DocumentController::setCurrentTeam(int team) {
  if (team < 0 || team >= kTeamCount || team == st_.currentTeam) return;
  st_.currentTeam = team;
  emit stateChanged();
}

// ---- list commands ------------------------------------------------------------

namespace {
ListPage listPage(MainPage p) {
  return p == MainPage::Messages ? ListPage::Messages : ListPage::FlightGroups;
}
} // namespace

void DocumentController::addItem(MainPage page) {
  if (page == MainPage::Teams) return;
  apply(newItemOperation(listPage(page), listContext()));
}

void DocumentController::deleteSelection(MainPage page) {
  if (page == MainPage::Teams) return;
  if (page == MainPage::FlightGroups) {
    if (prefs_.confirmDeletes &&
        !prompts_.askYesNo(QStringLiteral("Delete all selected Flight Groups - Are You Sure?"))) {
      return;
    }
  } else {
    if (doc_.messages.empty()) return;
    if (prefs_.confirmDeletes &&
        !prompts_.askYesNo(QStringLiteral("Delete all selected Messages - Are You Sure?"))) {
      return;
    }
  }
  apply(deleteOperation(listPage(page), listContext()));
}

void DocumentController::copyItem(MainPage page) {
  if (page == MainPage::FlightGroups)
    copyFlightGroup(doc_, st_, clip_);
  else if (page == MainPage::Messages && !doc_.messages.empty())
    copyMessage(doc_, st_, clip_);
}

void DocumentController::pasteItem(MainPage page) {
  if (page == MainPage::Teams) return;
  apply(pasteOperation(listPage(page), clip_, listContext()));
}

void DocumentController::moveUp(MainPage page) {
  if (canMoveUp(page)) apply(moveUpOperation(listPage(page)));
}

void DocumentController::moveDown(MainPage page) {
  if (canMoveDown(page)) apply(moveDownOperation(listPage(page)));
}

bool DocumentController::canMoveUp(MainPage page) const {
  if (page == MainPage::FlightGroups)
    return zephlo::canMoveUp(st_.selectedFGs, static_cast<int>(doc_.flightGroups.size()));
  if (page == MainPage::Messages)
    return zephlo::canMoveUp(st_.selectedMsgs, static_cast<int>(doc_.messages.size()));
  return false;
}

bool DocumentController::canMoveDown(MainPage page) const {
  if (page == MainPage::FlightGroups)
    return zephlo::canMoveDown(st_.selectedFGs, static_cast<int>(doc_.flightGroups.size()));
  if (page == MainPage::Messages)
    return zephlo::canMoveDown(st_.selectedMsgs, static_cast<int>(doc_.messages.size()));
  return false;
}

void DocumentController::setAutolinkPreference(bool on) {
  // A preference, not an edit of the mission: nothing to undo or save.
  prefs_.autoLink = on;
  for (FGObject& f : doc_.flightGroups)
    f.autolink = on;
}

void DocumentController::preferencesChanged() {
  // The captions show the full path or the file name by preference.
  emit historyChanged();
}

} // namespace zephlo
