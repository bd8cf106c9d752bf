// Owns the one mission document and the editor state. It is the only place
// that changes the document: every edit arrives as a core operation, goes on
// the undo stack, and is announced with what it changed.
#pragma once

#include "core/check/checker.h"
#include "core/mission/document.h"
#include "core/mission/edit.h"
#include "core/mission/list_commands.h"
#include "core/mission/new_mission.h"
#include "core/mission/session.h"
#include "platform/preferences.h"
#include "platform/prompts.h"

#include <QObject>
#include <QStringList>
#include <QUndoStack>

#include <optional>
#include <string>
#include <vector>

namespace zephlo {

class EditCommand;

class DocumentController : public QObject {
  Q_OBJECT
public:
  DocumentController(Preferences& prefs, Prompts& prompts, QObject* parent = nullptr);
  ~DocumentController() override;

  const Document& document() const { return doc_; }
  const EditorState& state() const { return st_; }
  const Preferences& preferences() const { return prefs_; }
  Prompts& prompts() { return prompts_; }
  QString title() const { return title_; }
  static QString programTitle();

  // Undo and redo: the stack's own actions and slots serve the menus.
  QUndoStack& undoStack() { return undo_; }
  // Changed since the last save, load or New Mission: the stack is not at
  // its clean point.
  bool isModified() const { return !undo_.isClean(); }
  // The voice list is another file with its own changed flag.
  bool voicesChanged() const { return voicesChanged_; }

  // The one way to change the mission. A refused edit shows its reason and
  // changes nothing; returns whether the edit was made.
  bool apply(const Operation& op);

  // History, newest first.
  QStringList history() const;
  void setHistory(const QStringList& paths);
  // Menu caption of history entry i: "&i " and the path or the file name.
  QString historyCaption(int i) const;

  // Document commands. Each returns false when the user cancelled it or it failed.
  bool newMission();
  bool open();
  bool openPath(const QString& path); // no prompt
  bool reopen(int historyIndex);
  bool save();
  bool saveAs();
  // The changed prompt; false when the command must stop.
  bool confirmDiscard();
  bool canClose() { return confirmDiscard(); }
  bool saveAsCancelled() const { return saveAsCancelled_; }

  // Start-up: the command line wins over the start-up preference.
  void startUp(const QStringList& arguments);

  // Checker: announce shows "No known errors." when nothing counts.
  CheckResult runCheck(bool announce);
  bool omitWarnings() const { return omitWarnings_; }
  void setOmitWarnings(bool on) { omitWarnings_ = on; }
  // "Check the game's limits": kept for the whole run, over every mission.
  bool limitsChecked() const { return limitsChecked_; }
  void setLimitsChecked(bool on) { limitsChecked_ = on; }
  // The warnings about the game's limits, voice files looked up in the game folder.
  std::vector<std::string> limitWarnings() const;

  // Current items and selections: where the user is, not edits.
  void selectFlightGroup(int index);
  void selectMessage(int index);
  void setFlightGroupSelection(const std::set<int>& rows);
  void setMessageSelection(const std::set<int>& rows);
  void setCurrentRegion(int region);
  void setCurrentOrder(int order); // 1-4
  void setCurrentGoal(int goal);   // the flight-group goal, 0-7
  void setCurrentTeam(int team);   // 0-9

  // List commands on the page shown.
  void addItem(MainPage page);
  void deleteSelection(MainPage page);
  void copyItem(MainPage page);
  void pasteItem(MainPage page);
  void moveUp(MainPage page);
  void moveDown(MainPage page);
  bool canMoveUp(MainPage page) const;
  bool canMoveDown(MainPage page) const;

  // The list's "new flight group" edit, for commands that add one and then
  // shape it (a craft placed from the map's palette).
  Operation newFlightGroupOperation() const;

  void setAutolinkPreference(bool on);
  void preferencesChanged();

  // The game's install folder: the preference, else where the game recorded it.
  QString gameFolder() const;
  // Header dialog, tools and the backdrop picker build on the new-flight-group template.
  const Templates& templates() const { return templates_; }

  // The voice list (document_controller_side_files.cpp). Each returns false when
  // it was refused or failed; the reason has been shown.
  bool createVoiceList();
  // Assigns a chosen voice file to the current message, or with endLine >= 0
  // to that end-of-mission line; offers to create a missing list first.
  bool assignVoice(int endLine);
  bool clearVoice();
  bool saveVoices();
  // "WAV .lst file has been changed. Save it?" when the list changed and its file exists.
  void offerVoiceSave();
  void setVoicePanelVisible(bool on) { voicePanelVisible_ = on; }
  QString lastVoiceFolder() const { return prefs_.waveDir; }
  // Backdrops.txt of the editor's folder, read once at start-up: the names
  // of the backdrop numbers, nothing when there is no such file.
  void loadBackdropNames(const QString& editorFolder);
  const std::optional<std::vector<std::string>>& backdropNames() const { return backdropNames_; }
  // Load by lst: opens a mission chosen from a mission list (no prompt).
  bool openFromList(const QString& path) { return openPath(path); }

signals:
  // A new or opened mission: everything changed.
  void documentReplaced();
  // An edit, undo or redo changed these parts.
  void documentChanged(const zephlo::Change& change);
  // The current items or selections were set by an edit, undo or redo.
  void stateChanged();
  void currentFlightGroupChanged(int index);
  void currentMessageChanged(int index);
  void regionChanged(int region);
  void titleChanged(const QString& title);
  void modifiedChanged(bool modified);
  void historyChanged();
  // The voice list was loaded, created, saved or forgotten.
  void voicesReplaced();
  // A voice was chosen for the current line: the panel plays it.
  void voiceChosen(const QString& file);
  // The checker found lines to show.
  void checkResultsReady(const zephlo::CheckResult& result);

private:
  friend class EditCommand;

  MissionPrefs missionPrefs() const;
  ListContext listContext() const;
  void resetToNewMission();
  void loadVoices();
  bool writeAnnounced(const QString& path);
  void setTitle(TitleKind kind);
  void refreshTitle(const Change& change);
  void addToHistory(const QString& path);
  // After an undo or redo: tells the views what changed and puts back the
  // current items and selections the step had.
  void announce(const Change& change, const EditorState& target);
  // Tells the views about current items and selections that differ from prior.
  void stateSignals(const EditorState& prior);
  // The map fields beside the records follow the records, the current
  // region and the current order; they are no part of an undo step.
  void refreshMapFields(const Change* change);

  Preferences& prefs_;
  Prompts& prompts_;
  Document doc_;
  EditorState st_;
  Templates templates_;
  Clipboards clip_;
  History history_;
  QUndoStack undo_;
  QString title_;
  TitleKind titleKind_ = TitleKind::Program;
  QString lastOpenDir_;
  bool voicesChanged_ = false;
  bool saveAsCancelled_ = false;
  bool omitWarnings_ = false;
  bool voicePanelVisible_ = false;
  std::optional<std::vector<std::string>> backdropNames_;
  bool limitsChecked_ = false;
};

} // namespace zephlo
