// The document commands: New, Open, Save, Save As, the recent-files
// history, the safety copy and start-up. They replace or write the editing
// document; the changed prompt guards every way work could be lost.
#pragma once

#include "core/mission/recovery.h"
#include "core/mission/session.h"
#include "ui/editing/disk_watch.h"
#include "ui/editing/editing_document.h"

#include <QObject>
#include <QStringList>

namespace zephlo {

class CheckerSession;
class VoiceListSession;
struct Preferences;

class FileCommands : public QObject {
  Q_OBJECT
public:
  FileCommands(EditingDocument& doc, VoiceListSession& voices, CheckerSession& checker,
               QObject* parent = nullptr);

  static QString programTitle();
  QString title() const { return title_; }

  // History, newest first.
  QStringList history() const;
  void setHistory(const QStringList& paths);
  // Menu caption of history entry i: "&i " and the path or the file name.
  QString historyCaption(int i) const;

  // Each returns false when the user cancelled it or it failed.
  bool newMission();
  bool open();
  bool openPath(const QString& path); // no prompt
  // Work recovered after a crash: the mission as it was, changed, belonging
  // to the file it came from (Save writes there after the usual check).
  bool openRecovered(const RecoveredWork& work, const RecoveryInfo& info);
  bool reopen(int historyIndex);
  bool save();
  bool saveAs();
  // The document as JSON in a file the user names; the file is not the
  // mission's, so nothing else changes.
  bool exportJson();
  // A mission from a JSON file, unnamed and changed: Save asks where the
  // mission file goes.
  bool importJson();
  // The changed prompt; false when the command must stop.
  bool confirmDiscard();
  bool canClose() { return confirmDiscard(); }
  bool saveAsCancelled() const { return saveAsCancelled_; }

  // The mission named on the command line (a path split at its blanks is
  // joined again); false, with the reason shown, when it cannot be opened.
  bool openCommandLine(const QStringList& arguments);
  // Start-up: the command line wins over the start-up preference.
  void startUp(const QStringList& arguments);
  // The history captions show the full path or the file name by preference.
  void preferencesChanged() { emit historyChanged(); }

  // The watch on the mission's file (tests look at it).
  DiskWatch& missionWatch() { return missionWatch_; }

signals:
  void titleChanged(const QString& title);
  void historyChanged();
  // A line for the status bar.
  void statusMessage(const QString& text);

private:
  bool write(const QString& path, bool offerVoices);
  // A mission that belongs to no file yet becomes the one edited.
  void takeUnnamed(Document d, EditingDocument::Replacement kind);
  // The file was changed by another program: reload it, or say so.
  void missionChangedOnDisk();
  void setTitle(TitleKind kind);
  void addToHistory(const QString& path);

  EditingDocument& doc_;
  VoiceListSession& voices_;
  CheckerSession& checker_;
  const Preferences& prefs_;
  History history_;
  QString title_;
  TitleKind titleKind_ = TitleKind::Program;
  QString lastOpenDir_;
  bool saveAsCancelled_ = false;
  DiskWatch missionWatch_;
};

} // namespace zephlo
