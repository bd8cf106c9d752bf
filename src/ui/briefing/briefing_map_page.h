// The "WYSIWYG" page: the briefing playing on its map, the insert and
// option bars, the caption, the playback controls or the insert group below
// the map, and the "Selected Icon:" group. The map hands its mouse to the
// active tool: the pick tool, or the tool of the insert mode open.
#pragma once

#include "core/briefing/map_tools.h"
#include "ui/briefing/briefing_map_tools.h"

#include <QWidget>

#include <memory>

class QLabel;
class QMenu;
class QStackedWidget;

namespace zephlo {

class BriefingSession;
class BrfMapView;
class InsertPanel;
class SelectedIconPanel;
struct BriefingActions;
struct Change;

class BriefingMapPage : public QWidget {
  Q_OBJECT
public:
  BriefingMapPage(BriefingSession& session, const BriefingActions& actions, QWidget* parent);

  BriefingSession& session() { return session_; }
  InsertPanel& insertPanel() { return *insertPanel_; }
  BrfMode mode() const { return active_->mode(); }

  // An insert command on this page: into its insert mode, or in at the
  // clock at once.
  void insert(std::uint16_t code);
  // An undo under an insert mode: the mode ends without inserting.
  void leaveMode();
  // The insert tools lay the page out for their group, and back.
  void setInserting(bool on);
  // The page is shown: the map opens on the briefing's start.
  void opened();

  void repaintMap();
  void showTitle(const QString& text);
  void documentChanged(const Change& change);

  // The map point a pixel of the map shows, and back.
  BriefingMapPoint mapPointAt(QPoint pixel) const;
  QPoint pixelOf(BriefingMapPoint map) const;
  QSize mapSize() const;
  // Where the map was last clicked, in any mode; the insert modes place there.
  BriefingMapPoint lastClick() const { return lastClick_; }
  BriefingDragSettings dragSettings() const;

signals:
  // An insert mode opened or ended: the window holds its other parts.
  void insertingChanged(bool on);

private:
  void buildBars();
  void buildPopup();
  void setTool(BrfMapTool* tool);
  void startMode(BrfMode mode);
  void done();
  void cancel();
  void showPointer(QPoint pixel);
  void updatePopup();
  void setAllToStart1();

  BriefingSession& session_;
  const BriefingActions& actions_;
  BrfPickTool pick_{*this};
  std::unique_ptr<BrfInsertTool> insertTool_;
  BrfMapTool* active_ = &pick_;
  BriefingMapPoint lastClick_;
  int snapX_ = 1, snapY_ = 1;
  QMenu* popup_ = nullptr;
  QAction* popPlay_ = nullptr;
  QAction* popPause_ = nullptr;
  QAction* popStop_ = nullptr;

  QLabel* TitleStrip = nullptr;
  BrfMapView* MapBox = nullptr;
  QLabel* CaptionArea = nullptr;
  QStackedWidget* bottomStack_ = nullptr;
  InsertPanel* insertPanel_ = nullptr;
  SelectedIconPanel* SelIconGroup = nullptr;
  QLabel* XPosLabel = nullptr;
  QLabel* YPosLabel = nullptr;
};

} // namespace zephlo
