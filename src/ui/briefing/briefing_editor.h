// "Briefing Editor": plays the briefing on its map, edits the instruction
// list on the map and as a list, and edits the map tags and texts. The
// window composes its pages and panels, hands each the changes that concern
// it, and runs its commands from the action registry. Every change goes
// through the editing document as one undoable step.
#pragma once

#include "core/briefing/map_tools.h"
#include "ui/briefing/briefing_map_tools.h"

#include <QWidget>

#include <memory>

class QStatusBar;
class QTabWidget;

namespace zephlo {

class ActionRegistry;
class BriefingMapPage;
class BriefingSession;
class BriefingSidePanel;
class BriefingStringsPage;
class EditingDocument;
class InstructionListPage;
struct BriefingActions;
struct Change;

class TBrfForm : public QWidget {
  Q_OBJECT
public:
  TBrfForm(EditingDocument& doc, ActionRegistry& registry, QWidget* parent = nullptr);
  ~TBrfForm() override;

  BriefingPlayback& playback();
  BrfMode insertMode() const;
  int selectedIcon() const;
  int selectedInstruction() const;
  // The map point the map area shows at a pixel, and back.
  BriefingMapPoint mapPointAt(QPoint pixel) const;
  QPoint pixelOf(BriefingMapPoint map) const;

  // An insert command on the page shown.
  void insertCommand(std::uint16_t code);

protected:
  void keyPressEvent(QKeyEvent* e) override;

private:
  void documentChanged(const Change& change);
  void pageChanging(int index);
  void insertingChanged(bool on);
  void refreshCaption();
  void refreshTitleStrip();

  EditingDocument& doc_;
  std::unique_ptr<BriefingActions> actions_;
  BriefingSession* session_ = nullptr;
  QTabWidget* BrfPages = nullptr;
  BriefingMapPage* mapPage_ = nullptr;
  InstructionListPage* listPage_ = nullptr;
  BriefingStringsPage* stringsPage_ = nullptr;
  BriefingSidePanel* side_ = nullptr;
  QStatusBar* statusLine_ = nullptr;
};

} // namespace zephlo
