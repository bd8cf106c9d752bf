// Keeps a recovery copy of unsaved work and offers it again after a crash.
// While the mission (or its voice list) has unsaved changes, a copy is
// written every few seconds (a preference) into a private folder; it goes
// away when the work is saved, thrown away by choice or replaced.
#pragma once

#include "core/mission/recovery.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>

namespace zephlo {

class EditingDocument;
class FileCommands;
class VoiceListSession;
struct Preferences;

class RecoverySession : public QObject {
  Q_OBJECT
public:
  RecoverySession(EditingDocument& doc, FileCommands& files, VoiceListSession& voices,
                  const Preferences& prefs, QObject* parent = nullptr);
  ~RecoverySession() override;

  // The user's own data folder + "/recovery".
  static QString defaultFolder();
  // Claims a folder for this run and starts writing copies by the
  // preference. Problems are shown once; the editor works on without copies.
  void start(const QString& folder);
  // The interval follows the preference.
  void preferencesChanged();
  // Writes the copy now when there is unsaved work not yet in it.
  void writeNow();
  // At start-up: copies no running editor owns are offered ("Recover unsaved
  // work"). Recover opens the first here and returns the ids of the others,
  // for editors of their own; Discard removes them. True when work was recovered.
  bool offerRecovery(QStringList& others);
  // Opens one copy by id (an editor started for it).
  bool recover(const QString& id);
  // A clean exit: nothing is left to recover.
  void closing();

  // Whether this run's copy exists (tests look).
  bool hasCopy() const;
  const RecoveryFolder* folder() const { return folder_.get(); }

private:
  bool unsavedWork() const;
  void followChanges();

  EditingDocument& doc_;
  FileCommands& files_;
  VoiceListSession& voices_;
  const Preferences& prefs_;
  std::unique_ptr<RecoveryFolder> folder_;
  QTimer timer_;
  bool dirty_ = false; // changed since the last copy
};

} // namespace zephlo
