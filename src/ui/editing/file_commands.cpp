#include "ui/editing/file_commands.h"

#include "core/json/json_mission.h"
#include "core/mission/backup.h"
#include "core/mission/reader.h"
#include "core/mission/writer.h"
#include "ui/editing/checker_session.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/path_text.h"
#include "ui/editing/voice_list_session.h"

#include <QDir>
#include <QFileInfo>

namespace zephlo {

namespace {

// How long the short notices stay up.
constexpr int kNoticeMs = 1500;

// Where the user starts in a mission just opened or made: at the first
// lines, in region 1 and order 1, with the flight-group goal and the global
// goal still the ones chosen before (they stay as chosen until changed).
EditorState freshState(const Document& d, const EditorState& prior) {
  EditorState st;
  if (!d.flightGroups.empty()) st.selectedFGs = {0};
  if (!d.messages.empty()) st.selectedMsgs = {0};
  st.currentGoal = prior.currentGoal;
  st.currentGlobalGoal = prior.currentGlobalGoal;
  return st;
}

} // namespace

FileCommands::FileCommands(EditingDocument& doc, VoiceListSession& voices, CheckerSession& checker,
                           QObject* parent)
    : QObject(parent), doc_(doc), voices_(voices), checker_(checker), prefs_(doc.preferences()),
      title_(programTitle()) {
  connect(&missionWatch_, &DiskWatch::changedOnDisk, this, &FileCommands::missionChangedOnDisk);
  // The caption shows the first briefing text, which the briefing editor edits.
  connect(&doc_, &EditingDocument::documentChanged, this, [this](const Change& c) {
    if (!c.briefing) return;
    const QString t =
        QString::fromUtf8(windowTitle(programTitle().toStdString(), titleKind_, doc_.document()));
    if (t != title_) setTitle(titleKind_);
  });
}

QString FileCommands::programTitle() {
  return QStringLiteral("Zephlo ") + QStringLiteral(ZEPHLO_VERSION);
}

void FileCommands::setTitle(TitleKind kind) {
  titleKind_ = kind;
  title_ = QString::fromUtf8(windowTitle(programTitle().toStdString(), kind, doc_.document()));
  emit titleChanged(title_);
}

// ---- history ----------------------------------------------------------------

QStringList FileCommands::history() const {
  QStringList out;
  for (const std::string& p : history_.entries())
    out << fromPath(p);
  return out;
}

void FileCommands::setHistory(const QStringList& paths) {
  std::vector<std::string> v;
  for (const QString& p : paths)
    v.push_back(toPath(p));
  history_.assign(v);
  emit historyChanged();
}

void FileCommands::addToHistory(const QString& path) {
  history_.add(toPath(path));
  emit historyChanged();
}

QString FileCommands::historyCaption(int i) const {
  const QString p = fromPath(history_.entries().at(static_cast<std::size_t>(i)));
  return QStringLiteral("&%1 %2").arg(i).arg(prefs_.dirInReopen ? p : QFileInfo(p).fileName());
}

// ---- commands -----------------------------------------------------------------

bool FileCommands::confirmDiscard() {
  saveAsCancelled_ = false;
  if (doc_.isModified()) {
    switch (doc_.prompts().askYesNoCancel(
        QStringLiteral("Current Mission has been changed. Save it?"))) {
    case Answer::Cancel: return false;
    case Answer::No: break;
    case Answer::Yes:
      // A save that was cancelled or failed must not let the changes be thrown away.
      if (!save()) return false;
      break;
    }
  }
  voices_.offerVoiceSave();
  return true;
}

bool FileCommands::newMission() {
  if (!confirmDiscard()) return false;
  takeUnnamed(zephlo::newMission(missionPrefsOf(doc_.preferences())),
              EditingDocument::Replacement::New);
  return true;
}

void FileCommands::takeUnnamed(Document d, EditingDocument::Replacement kind) {
  d.fileName = kUnnamed;
  const EditorState st = freshState(d, doc_.state());
  checker_.reset();
  doc_.replace(std::move(d), st, kind);
  missionWatch_.clear();
  setTitle(TitleKind::New);
  voices_.replaced();
}

bool FileCommands::open() {
  if (!confirmDiscard()) return false;
  const QString path = doc_.prompts().chooseOpenFile(
      QStringLiteral("Open Mission"), lastOpenDir_.isEmpty() ? prefs_.missionsDir : lastOpenDir_,
      QStringLiteral("XWA mission files (.tie) (*.tie);;All Files (*.*) (*)"));
  if (path.isEmpty()) return false;
  lastOpenDir_ = QFileInfo(path).absolutePath();
  return openPath(path);
}

bool FileCommands::openPath(const QString& path) {
  Result<Document> r = readMission(toPath(path), prefs_.autoLink);
  if (!r) {
    const QString text = fromMessage(r.error().message);
    // Another game's file is a slip of the hand, not a fault: a short notice.
    if (r.error().kind == ErrorKind::ForeignFormat)
      doc_.prompts().timedNotice(text, kNoticeMs);
    else
      doc_.prompts().showError(text);
    return false;
  }
  const QString absolute = QFileInfo(path).absoluteFilePath();
  Document d = std::move(*r);
  d.fileName = toPath(absolute);
  voices_.loadFor(d);
  const EditorState st = freshState(d, doc_.state());
  doc_.replace(std::move(d), st, EditingDocument::Replacement::Opened);
  missionWatch_.track(absolute);
  // Only a file that opened goes into the history.
  addToHistory(absolute);
  setTitle(TitleKind::Opened);
  voices_.replaced();

  if (auto copy = safetyCopyPath(doc_.document().fileName, prefs_.doBackups)) {
    const Status w = writeMission(doc_.document(), *copy);
    if (!w) doc_.prompts().showError(fromMessage(w.error().message));
  }
  return true;
}

bool FileCommands::openRecovered(const RecoveredWork& work, const RecoveryInfo& info) {
  const bool named = !info.missionPath.empty();
  const QString path = named ? fromPath(info.missionPath) : QString();
  Result<Document> r =
      parseMission(work.mission, named ? info.missionPath : std::string(kUnnamed), prefs_.autoLink);
  if (!r) {
    doc_.prompts().showError(fromMessage(r.error().message));
    return false;
  }
  Document d = std::move(*r);
  d.fileName = named ? info.missionPath : std::string(kUnnamed);
  d.voiceListPath = info.voiceListPath;
  if (work.voices)
    d.voiceEntries = *work.voices;
  else if (info.voiceListPath != kNoVoiceList)
    voices_.loadFor(d);
  const EditorState st = freshState(d, doc_.state());
  doc_.replace(std::move(d), st, EditingDocument::Replacement::Recovered);
  if (named)
    missionWatch_.track(path, info.fileStamp);
  else
    missionWatch_.clear();
  setTitle(named ? TitleKind::Opened : TitleKind::New);
  voices_.replaced();
  if (work.voices) voices_.markChanged();
  return true;
}

bool FileCommands::reopen(int i) {
  if (i < 0 || i >= static_cast<int>(history_.entries().size())) return false;
  // Saving under a new name below shifts the history: take the entry first.
  const QString path = fromPath(history_.entries()[static_cast<std::size_t>(i)]);
  if (!confirmDiscard()) return false;
  if (!QFileInfo::exists(path)) {
    doc_.prompts().showError(path + QStringLiteral(" does not exist"));
    return false;
  }
  return openPath(path);
}

bool FileCommands::save() {
  if (doc_.document().hasFileName()) return write(fromPath(doc_.document().fileName), true);
  return saveAs();
}

bool FileCommands::saveAs() {
  const QString path = doc_.prompts().chooseSaveFile(
      QStringLiteral("Save Mission As"), prefs_.missionsDir,
      QStringLiteral("XWA Mission Files (*.tie)"), QStringLiteral("tie"));
  if (path.isEmpty()) {
    saveAsCancelled_ = true;
    return false;
  }
  // The voice list goes along to the new name instead of being offered.
  if (!write(path, false)) return false;
  voices_.carryToNewName();
  return true;
}

bool FileCommands::exportJson() {
  const Document& d = doc_.document();
  // Offered beside the mission, under its name.
  const QString suggested = d.hasFileName()
                                ? QFileInfo(fromPath(d.fileName)).path() + QLatin1Char('/') +
                                      QFileInfo(fromPath(d.fileName)).completeBaseName() +
                                      QStringLiteral(".json")
                                : prefs_.missionsDir;
  const QString path =
      doc_.prompts().chooseSaveFile(QStringLiteral("Export JSON"), suggested,
                                    QStringLiteral("JSON files (*.json)"), QStringLiteral("json"));
  if (path.isEmpty()) return false;
  const Status w = exportMissionJson(d, toPath(path));
  if (!w) {
    doc_.prompts().showError(fromMessage(w.error().message));
    return false;
  }
  emit statusMessage(QStringLiteral("Exported to %1").arg(QDir::toNativeSeparators(path)));
  return true;
}

bool FileCommands::importJson() {
  if (!confirmDiscard()) return false;
  const QString path = doc_.prompts().chooseOpenFile(
      QStringLiteral("Import JSON"), lastOpenDir_.isEmpty() ? prefs_.missionsDir : lastOpenDir_,
      QStringLiteral("JSON files (*.json);;All Files (*.*) (*)"));
  if (path.isEmpty()) return false;
  lastOpenDir_ = QFileInfo(path).absolutePath();
  Result<Document> r = importMissionJson(toPath(path), prefs_.autoLink);
  // A refused file leaves the open mission as it was.
  if (!r) {
    doc_.prompts().showError(fromMessage(r.error().message));
    return false;
  }
  takeUnnamed(std::move(*r), EditingDocument::Replacement::Imported);
  emit statusMessage(QStringLiteral("Imported %1").arg(QDir::toNativeSeparators(path)));
  return true;
}

bool FileCommands::write(const QString& path, bool offerVoices) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  // Another program's work in the file is not overwritten without a word.
  if (absolute == missionWatch_.path() && missionWatch_.changed()) {
    const QStringList choices{QStringLiteral("Overwrite"), QStringLiteral("Save As..."),
                              QStringLiteral("Cancel")};
    switch (
        doc_.prompts().askChoice(QStringLiteral("Confirm"), missionWatch_.changedText(), choices)) {
    case 0: break;
    case 1: return saveAs();
    default: return false;
    }
  }
  const Status w = writeMission(doc_.document(), toPath(path));
  if (!w) {
    doc_.prompts().showError(fromMessage(w.error().message));
    return false;
  }
  doc_.markSaved(toPath(absolute));
  missionWatch_.track(absolute);
  setTitle(TitleKind::Saved);
  addToHistory(path);
  if (offerVoices) voices_.offerVoiceSave();
  checker_.runCheck(false);
  return true;
}

void FileCommands::missionChangedOnDisk() {
  const QString path = missionWatch_.path();
  if (doc_.isModified() || !QFileInfo::exists(path)) {
    emit statusMessage(missionWatch_.changedText());
    return;
  }
  if (doc_.prompts().askYesNo(missionWatch_.reloadQuestion())) openPath(path);
}

bool FileCommands::openCommandLine(const QStringList& arguments) {
  std::vector<std::string> args;
  for (const QString& a : arguments)
    args.push_back(toPath(a));
  const auto path =
      commandLinePath(args, [](const std::string& p) { return QFileInfo::exists(fromPath(p)); });
  if (!path) {
    doc_.prompts().showError(arguments.join(QLatin1Char(' ')) + QStringLiteral(" does not exist."));
    return false;
  }
  return openPath(fromPath(*path));
}

void FileCommands::startUp(const QStringList& arguments) {
  Document fresh = zephlo::newMission(missionPrefsOf(doc_.preferences()));
  const EditorState st = freshState(fresh, doc_.state());
  checker_.reset();
  doc_.replace(std::move(fresh), st, EditingDocument::Replacement::New);
  missionWatch_.clear();
  voices_.replaced();
  setTitle(TitleKind::Program);
  auto openLast = [this] {
    if (history_.entries().empty() || !QFileInfo::exists(fromPath(history_.entries().front()))) {
      doc_.prompts().timedNotice(QStringLiteral("Can't find last loaded file"), kNoticeMs);
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
    switch (doc_.prompts().chooseStartupAction()) {
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

} // namespace zephlo
