// The mission's voice list: another file beside the mission, with its own
// changed flag. Loaded beside an opened mission, created, assigned, cleared,
// saved, carried to a new name, and offered for saving before it is lost.
#pragma once

#include "ui/editing/disk_watch.h"

#include <QObject>
#include <QString>

namespace zephlo {

class EditingDocument;
struct Change;
struct Document;
struct Preferences;

class VoiceListSession : public QObject {
  Q_OBJECT
public:
  VoiceListSession(EditingDocument& doc, Preferences& prefs, QObject* parent = nullptr);

  // Changed since it was loaded, created or saved.
  bool voicesChanged() const { return changed_; }
  // The list found for a mission about to be opened; errors are shown.
  void loadFor(Document& doc);
  // A new or opened mission took the place of the old one.
  void replaced();
  // The list holds changes not yet in its file (work recovered after a crash).
  void markChanged() { changed_ = true; }
  // Each returns false when it was refused or failed; the reason has been shown.
  bool createVoiceList();
  // Assigns a chosen voice file to the current message, or with endLine >= 0
  // to that end-of-mission line; offers to create a missing list first.
  bool assignVoice(int endLine);
  bool clearVoice();
  bool saveVoices();
  // "WAV .lst file has been changed. Save it?" when the list changed and its file exists.
  void offerVoiceSave();
  // After Save As the list follows the mission to its new name and is
  // saved there.
  void carryToNewName();

  DiskWatch& watch() { return watch_; }

signals:
  // The list was loaded, created, saved or forgotten.
  void voicesReplaced();
  // A line for the status bar.
  void statusMessage(const QString& text);
  // A voice was chosen for the current line: the panel plays it.
  void voiceChosen(const QString& file);

private:
  // The list file is now what the editor read or wrote.
  void trackFile();
  void changedOnDisk();

  EditingDocument& doc_;
  Preferences& prefs_;
  bool changed_ = false;
  DiskWatch watch_;
};

} // namespace zephlo
