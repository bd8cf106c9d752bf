// The tools of the briefing map. The map hands its mouse events to the
// active tool: outside the insert modes the pick tool selects and drags
// icons and tags; each insert mode is a tool that lays out the insert group
// when activated, previews, and puts its instruction in at "Done".
#pragma once

#include "core/briefing/instruction_inserts.h"

#include <QString>

#include <initializer_list>
#include <memory>

class QMouseEvent;
class QPainter;
class QWidget;

namespace zephlo {

class BriefingMapPage;
class BriefingSession;
class InsertPanel;

// The insert modes of the map page, each a tool.
using BrfMode = InsertMode;

class BrfMapTool {
public:
  explicit BrfMapTool(BriefingMapPage& page) : page_(page) {}
  virtual ~BrfMapTool() = default;
  BrfMapTool(const BrfMapTool&) = delete;
  BrfMapTool& operator=(const BrfMapTool&) = delete;

  virtual BrfMode mode() const { return BrfMode::None; }
  virtual void activate() {}
  virtual void deactivate() {}
  virtual void press(QMouseEvent*) {}
  virtual void move(QMouseEvent*) {}
  virtual void release(QMouseEvent*) {}
  // Drawn over the briefing: what is being placed.
  virtual void paintOver(QPainter&) {}

protected:
  BriefingSession& session() const;
  BriefingMapPage& page_;
};

// Selects the icon clicked; a drag with the left button moves the icon or
// tag by editing the instruction that placed it, as one undo step.
class BrfPickTool final : public BrfMapTool {
public:
  using BrfMapTool::BrfMapTool;
  void deactivate() override { release(nullptr); }
  void press(QMouseEvent* e) override;
  void move(QMouseEvent* e) override;
  void release(QMouseEvent*) override;

private:
  // The drag's first step on an icon that no "Move Icon" placed: one goes
  // in at the clock where the pointer is, and the drag then edits it.
  void insertMove(BriefingMapPoint pointer);

  int dragPos_ = -1;        // the instruction the drag edits
  int dragIcon_ = -1;       // the icon whose picture follows
  int dragId_ = 0;          // one undo step per drag
  bool insertMove_ = false; // the drag puts a "Move Icon" in first
  QString refusal_;         // why this press cannot drag, said once it tries
};

// An insert mode: the new instruction is previewed until "Done" applies it
// as one step, or "Cancel" puts the map back as it was.
class BrfInsertTool : public BrfMapTool {
public:
  using BrfMapTool::BrfMapTool;
  void activate() override;
  void deactivate() override;
  // False when the insert was refused: the mode stays, nothing is lost.
  bool finish();
  void cancel();
  // A control of the insert group moved.
  virtual void controlsChanged();

protected:
  InsertPanel& panel() const;
  // The guide: title, the first step, the controls shown; `clicks` adds the
  // step of clicking on the map.
  void guide(const QString& title, const QString& first, std::initializer_list<QWidget*> controls,
             bool clicks = false) const;
  virtual void showGuide() = 0;
  virtual InstructionInsert make(int current, int time) const = 0;

private:
  PlaybackState before_;
  int next_ = 0;
  int time_ = 0;
};

// Makes the tool of an insert mode.
std::unique_ptr<BrfInsertTool> makeInsertTool(BrfMode mode, BriefingMapPage& page);

} // namespace zephlo
