// What the parts of the briefing editor share: the editing document, the
// playback with its clock and transition timers, the selected icon and the
// rotation chosen last. Edits of this window go through apply(), so the
// window can tell its own edits from undo, redo and other windows.
#pragma once

#include "core/briefing/instruction_inserts.h"
#include "core/briefing/playback.h"

#include <QObject>

#include <functional>

class QTimer;

namespace zephlo {

class EditingDocument;
struct Change;

// Whether a change may have renamed flight groups, which name the icons.
bool renamesFlightGroups(const Change& change);

class BriefingSession : public QObject {
  Q_OBJECT
public:
  explicit BriefingSession(EditingDocument& doc, QObject* parent = nullptr);

  EditingDocument& editing() { return doc_; }
  const Document& document() const;
  BriefingPlayback& playback() { return pb_; }
  const BriefingPlayback& playback() const { return pb_; }
  int selectedIcon() const { return selectedIcon_; }
  void selectIcon(int icon);
  int lastRotation() const { return lastRotation_; }
  void setLastRotation(int rotation) { lastRotation_ = rotation; }

  // An edit of this window; false when it was refused (the reason shown).
  bool apply(const Operation& op);
  bool applying() const { return applying_; }
  // The briefing of the document into the playback; true when its
  // instructions changed (strings and running time never rewind it).
  bool takeBriefing();

  // The VCR panel.
  void play();
  void pause();
  void rewindAndStop();
  void rewindAndPlay();
  void step();
  void nextInstruction();
  void previousInstruction();
  void nextPage();
  void togglePlay();
  void seek(int ticks);
  // Stopped at the start with the opening picture whole, for editing.
  void rewindForEditing();
  // Holds the clock before an insert.
  void halt();
  // The timers follow the playback and the views hear of it.
  void settle();

  // An insert at the clock made by `make` from the current instruction and
  // the time: shown at once and made current; playback goes on after it
  // when `resume` and it was running.
  bool insertAtClock(const std::function<InstructionInsert(int current, int time)>& make,
                     bool resume, bool settleAnimations = true);

signals:
  // The time or the current instruction moved.
  void clockMoved();
  // The picture needs painting again.
  void pictureChanged();
  // Playing, paused or in a region transition.
  void playingChanged();
  // A line for the window's status line: why the mouse did nothing, or
  // empty to clear it.
  void told(const QString& text);

private:
  void playTick();
  void transitionTick();

  EditingDocument& doc_;
  BriefingPlayback pb_;
  QTimer* playTimer_;
  QTimer* transitionTimer_;
  int selectedIcon_ = 0;
  int lastRotation_ = 0;
  bool applying_ = false;
};

} // namespace zephlo
