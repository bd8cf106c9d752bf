// The one mission being edited: the document, where the user is in it, and
// the undo stack. It is the only place that changes the document: every edit
// arrives as a core operation, goes on the undo stack and is announced with
// what it changed, so each window refreshes only what concerns it.
#pragma once

#include "core/mission/document.h"
#include "core/mission/edit.h"
#include "core/mission/list_commands.h"
#include "core/mission/new_mission.h"
#include "platform/preferences.h"
#include "platform/prompts.h"

#include <QObject>
#include <QUndoStack>

#include <set>
#include <string>
#include <vector>

namespace zephlo {

class EditCommand;

class EditingDocument : public QObject {
  Q_OBJECT
public:
  EditingDocument(Preferences& prefs, Prompts& prompts, QObject* parent = nullptr);
  ~EditingDocument() override;

  const Document& document() const { return doc_; }
  const EditorState& state() const { return st_; }
  const Preferences& preferences() const { return prefs_; }
  Prompts& prompts() { return prompts_; }
  // New flight groups, backdrops and buoys start from these.
  const Templates& templates() const { return templates_; }

  // Undo and redo: the stack's own actions serve every window.
  QUndoStack& undoStack() { return undo_; }
  // Changed since the last save, load or New Mission.
  bool isModified() const { return !undo_.isClean(); }

  // The one way to change the mission. A refused edit shows its reason and
  // changes nothing; returns whether the edit was made.
  bool apply(const Operation& op);

  // What takes the place of the mission being edited: nothing to undo for
  // any. An opened mission is not changed; a new one also rebuilds the
  // templates from the preferences; work recovered after a crash is changed.
  // Recovered and imported work is changed, though there is nothing to undo.
  enum class Replacement { Opened, New, Recovered, Imported };
  void replace(Document doc, EditorState state, Replacement kind);
  // The mission was written to fileName: not an edit, so nothing to undo.
  void markSaved(const std::string& fileName);
  // The voice list file the mission goes with, and its entries as read:
  // which file it belongs to, not an edit of the mission.
  void setVoiceList(const std::string& path, std::vector<std::string> entries);

  // Current items and selections: where the user is, not edits.
  void selectFlightGroup(int index);
  void selectMessage(int index);
  void setFlightGroupSelection(const std::set<int>& rows);
  void setMessageSelection(const std::set<int>& rows);
  void setCurrentRegion(int region);   // 1-4
  void setCurrentOrder(int order);     // 1-4
  void setCurrentGoal(int goal);       // the flight-group goal, 0-7
  void setCurrentTeam(int team);       // 0-9
  void setCurrentGlobalGoal(int kind); // 0 "Primary", 1 "Prevent", 2 "Secondary"
  // Adds and deletes keep the voice list beside the messages while its panel shows.
  void setVoicePanelVisible(bool on) { voicePanelVisible_ = on; }
  bool voicePanelVisible() const { return voicePanelVisible_; }

signals:
  // A new or opened mission: everything changed.
  void documentReplaced();
  // An edit, undo or redo changed these parts.
  void documentChanged(const zephlo::Change& change);
  // The current items or selections changed.
  void stateChanged();
  // Other lines selected in a list: the pages show whether they differ.
  void selectionChanged();
  void currentFlightGroupChanged(int index);
  void currentMessageChanged(int index);
  void regionChanged(int region);
  void orderChanged(int order);
  void modifiedChanged(bool modified);
  // Saved under a (maybe new) file name.
  void fileNameChanged();

private:
  friend class EditCommand;

  // After an undo or redo: puts back the current items and selections the
  // step had, then tells the views what changed.
  void announce(const Change& change, const EditorState& target);
  // Tells the views about current items and selections that differ from prior.
  void stateSignals(const EditorState& prior);

  Preferences& prefs_;
  Prompts& prompts_;
  Document doc_;
  EditorState st_;
  Templates templates_;
  QUndoStack undo_;
  bool voicePanelVisible_ = false;
};

// The preferences a new mission and new flight groups follow.
MissionPrefs missionPrefsOf(const Preferences& prefs);
// What the list commands need: templates, preferences, the voice panel.
ListContext listContextOf(const EditingDocument& doc);
// The list's "new flight group" edit, for commands that add one and then
// shape it (a craft placed from the map's palette).
Operation newFlightGroupOperation(const EditingDocument& doc);
// The game's install folder: the preference, else where the game was found.
QString gameFolderOf(const EditingDocument& doc);

} // namespace zephlo
