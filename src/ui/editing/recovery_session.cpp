#include "ui/editing/recovery_session.h"

#include "core/mission/utf8_path.h"
#include "core/mission/writer.h"
#include "platform/preferences.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/file_commands.h"
#include "ui/editing/path_text.h"
#include "ui/editing/voice_list_session.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QStandardPaths>

#include <chrono>

namespace zephlo {

RecoverySession::RecoverySession(EditingDocument& doc, FileCommands& files,
                                 VoiceListSession& voices, const Preferences& prefs,
                                 QObject* parent)
    : QObject(parent), doc_(doc), files_(files), voices_(voices), prefs_(prefs) {
  connect(&timer_, &QTimer::timeout, this, &RecoverySession::writeNow);
  followChanges();
}

RecoverySession::~RecoverySession() = default;

QString RecoverySession::defaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/recovery");
}

void RecoverySession::followChanges() {
  connect(&doc_, &EditingDocument::documentChanged, this, [this] { dirty_ = true; });
  // Saved, or replaced by a new or opened mission after the changed prompt:
  // nothing left to recover.
  auto settled = [this] {
    if (!unsavedWork() && folder_) folder_->removeOwn();
    dirty_ = unsavedWork();
  };
  connect(&doc_, &EditingDocument::modifiedChanged, this, settled);
  connect(&doc_, &EditingDocument::documentReplaced, this, settled);
  connect(&voices_, &VoiceListSession::voicesReplaced, this, settled);
}

bool RecoverySession::unsavedWork() const { return doc_.isModified() || voices_.voicesChanged(); }

void RecoverySession::start(const QString& folder) {
  const std::int64_t pid = QCoreApplication::applicationPid();
  const QString id = QStringLiteral("%1-%2").arg(pid).arg(QDateTime::currentMSecsSinceEpoch());
  folder_ = std::make_unique<RecoveryFolder>(pathFromUtf8(toPath(folder)), toPath(id), pid);
  if (Status s = folder_->claim(); !s) {
    doc_.prompts().showError(fromMessage(s.error().message) +
                             QStringLiteral("\nNo recovery copies will be kept."));
    folder_.reset();
    return;
  }
  preferencesChanged();
}

void RecoverySession::preferencesChanged() {
  if (!folder_ || prefs_.recoverySeconds <= 0) {
    timer_.stop();
    return;
  }
  timer_.start(prefs_.recoverySeconds * 1000);
}

void RecoverySession::writeNow() {
  if (!folder_ || !dirty_ || !unsavedWork()) return;
  const Document& d = doc_.document();
  const Result<std::vector<Byte>> bytes = serializeMission(d);
  if (!bytes) return; // a mission that cannot be saved cannot be copied either
  RecoveryInfo info;
  if (d.hasFileName()) info.missionPath = d.fileName;
  info.savedAt = std::chrono::duration_cast<std::chrono::seconds>(
                     std::chrono::system_clock::now().time_since_epoch())
                     .count();
  info.fileStamp = files_.missionWatch().stamp();
  info.voiceListPath = d.voiceListPath;
  const bool withVoices = voices_.voicesChanged() && d.voiceListPath != kNoVoiceList;
  // A copy that cannot be written is tried again at the next tick.
  if (folder_->write(*bytes, info, withVoices ? &d.voiceEntries : nullptr)) dirty_ = false;
}

bool RecoverySession::hasCopy() const {
  if (!folder_) return false;
  std::error_code ec;
  return std::filesystem::exists(folder_->folder() / (folder_->id() + ".info"), ec);
}

bool RecoverySession::offerRecovery(QStringList& others) {
  others.clear();
  if (!folder_) return false;
  const std::vector<RecoveryCopy> copies = folder_->orphans();
  if (copies.empty()) return false;
  QString text = QStringLiteral("Unsaved work was left by an editor that did not close:\n");
  for (const RecoveryCopy& c : copies) {
    const QString name = c.info.missionPath.empty() ? QStringLiteral("an unnamed mission")
                                                    : fromPath(c.info.missionPath);
    const QString when =
        QDateTime::fromSecsSinceEpoch(c.info.savedAt).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    text += QStringLiteral("\n%1 (%2)").arg(name, when);
  }
  const int choice =
      doc_.prompts().askChoice(QStringLiteral("Recover unsaved work"), text,
                               {QStringLiteral("Recover"), QStringLiteral("Discard")});
  if (choice == 1) {
    for (const RecoveryCopy& c : copies)
      folder_->discard(c.id);
    return false;
  }
  // Closed without an answer: they stay for the next start.
  if (choice != 0) return false;
  for (std::size_t i = 1; i < copies.size(); ++i)
    others << fromPath(copies[i].id);
  return recover(fromPath(copies.front().id));
}

bool RecoverySession::recover(const QString& id) {
  if (!folder_) return false;
  const std::string key = toPath(id);
  std::optional<RecoveryInfo> info;
  for (const RecoveryCopy& c : folder_->orphans())
    if (c.id == key) info = c.info;
  if (!info) {
    doc_.prompts().showError(QStringLiteral("There is no unsaved work ") + id +
                             QStringLiteral(" to recover."));
    return false;
  }
  const Result<RecoveredWork> work = folder_->load(key);
  if (!work) {
    doc_.prompts().showError(fromMessage(work.error().message));
    return false;
  }
  if (!files_.openRecovered(*work, *info)) return false;
  // The work is this editor's now: its own copy first, then the old one goes.
  dirty_ = true;
  writeNow();
  folder_->discard(key);
  return true;
}

void RecoverySession::closing() {
  timer_.stop();
  if (folder_) folder_->release();
}

} // namespace zephlo
