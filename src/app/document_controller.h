// Owns the one mission document and the editor state, runs the core
// operations on them and tells the windows what changed.
#pragma once

#include "check/checker.h"
#include "lists/voice_list.h"
#include "mission/document.h"
#include "mission/list_commands.h"
#include "mission/new_mission.h"
#include "platform/preferences.h"
#include "platform/prompts.h"

#include <QObject>
#include <QStringList>

namespace zephlo {

class DocumentController : public QObject {
  Q_OBJECT
public:
  static constexpr int kHistorySize = 9;

  DocumentController(Preferences& prefs, Prompts& prompts, QObject* parent = nullptr);

  const Document& document() const { return doc_; }
  Document& document() { return doc_; }
  const EditorState& state() const { return st_; }
  const VoiceList& voices() const { return voices_; }
  const Preferences& preferences() const { return prefs_; }
  Prompts& prompts() { return prompts_; }
  QString title() const { return title_; }
  static QString programTitle();

  // History, newest first.
  const QStringList& history() const { return history_; }
  void setHistory(const QStringList& h);
  void addToHistory(const QString& path);
  // Menu caption of history entry i: "&i " and the path or the file name.
  QString historyCaption(int i) const;

  // Document commands. Each returns false when the user cancelled it or it failed.
  bool newMission();
  bool open();
  bool openPath(const QString& path); // no prompt, no history
  bool reopen(int historyIndex);
  bool save();
  bool saveAs();
  // The changed prompt; false when the command must stop.
  bool confirmDiscard();
  // Asked before the window closes.
  bool canClose() { return confirmDiscard(); }
  bool saveAsCancelled() const { return saveAsCancelled_; }

  // Start-up: the command line wins over the start-up preference.
  void startUp(const QStringList& arguments);

  // Checker: announce shows "No known errors." when nothing counts.
  CheckResult runCheck(bool announce);
  bool omitWarnings() const { return omitWarnings_; }
  void setOmitWarnings(bool on) { omitWarnings_ = on; }

  // Lists. page 0 flight groups, 1 messages.
  void selectFlightGroup(int index);
  void selectMessage(int index);
  void setFlightGroupSelection(const std::set<int>& rows);
  void setMessageSelection(const std::set<int>& rows);
  void addItem(int page);
  void deleteSelection(int page);
  void copyItem(int page);
  void pasteItem(int page);
  void moveUp(int page);
  void moveDown(int page);
  void setCurrentRegion(int region);

  void setAutolinkPreference(bool on);
  void preferencesChanged();

signals:
  void documentReplaced();
  void flightGroupsChanged();
  void messagesChanged();
  void currentFlightGroupChanged(int index);
  void currentMessageChanged(int index);
  void titleChanged(const QString& title);
  void modifiedChanged(bool modified);
  void historyChanged();
  // The checker found lines to show.
  void checkResultsReady(const zephlo::CheckResult& result);

private:
  MissionPrefs missionPrefs() const;
  ListContext listContext();
  void resetToNewMission();
  bool writeAnnounced(const QString& path);
  void setTitle(const QString& t);
  void afterListChange(bool flightGroups);
  void markChanged();

  Preferences& prefs_;
  Prompts& prompts_;
  Document doc_;
  EditorState st_;
  Templates templates_;
  Clipboards clip_;
  VoiceList voices_;
  QStringList history_;
  QString title_;
  QString lastOpenDir_;
  bool saveAsCancelled_ = false;
  bool omitWarnings_ = false;
};

} // namespace zephlo
