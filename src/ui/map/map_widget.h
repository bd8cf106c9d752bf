// The map beside the editing pages: PaintBox1 inside ScrollBox1 with its
// jog bars, the zoom bar and the map's tool bars. It follows the editing
// document's notices, keeps the map's fields of the flight groups in a
// cache of its own, and sends every change of the mission back through the
// editing document as an operation. Its commands are actions of the
// registry; its mouse modes are tools (map_tools.h).
#pragma once

#include "core/map/filters.h"
#include "core/map/map_cache.h"
#include "core/map/map_options.h"
#include "core/map/map_view.h"
#include "render/map_painter.h"
#include "ui/map/map_tools.h"

#include <QWidget>

#include <array>
#include <optional>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QScrollBar;
class QSlider;
class QTimer;
class QToolBar;

namespace zephlo {

class ActionRegistry;
class EditingDocument;
class MapCanvas;
struct Change;
struct Preferences;

MapPreferences mapPreferencesFrom(const Preferences& p);

// A command of the map's windows, made once in the registry under its id;
// a tool bar shows its short caption, the hint is its tool-tip.
QAction* mapCommand(ActionRegistry& registry, const char* id, const QString& caption,
                    const QString& hint, bool checkable = false, const char* key = nullptr);

class MapWidget : public QWidget {
  Q_OBJECT
public:
  MapWidget(EditingDocument& controller, ActionRegistry& actions, const Preferences& prefs,
            QWidget* parent = nullptr);
  ~MapWidget() override;

  const MapView& view() const { return view_; }
  const MapFilters& filters() const { return filters_; }
  const MapOptions& options() const { return options_; }
  // The map's fields of every flight group, for the region and order shown.
  const MapCache& cache() const { return cache_; }
  const QImage& image() const { return renderer_.image(); }
  QWidget* canvas() const;
  // Whether w is the map's own focus holder (Delete acts on its flight group).
  bool holdsFocus(const QWidget* w) const;

  // The Map menu's items, drawn from the registry: views, snaps, all snaps
  // off, all waypoints, icons only, grid on and the options dialog.
  void fillMapMenu(QMenu* menu) const;
  // Commands of other windows that sit on the map's tool bar.
  void addToolActions(const QList<QAction*>& actions);
  // The map options dialog: distances, times, hyperspace line, waypoint lines.
  void showOptionsDialog();
  // The preferences changed: the painter's options follow.
  void preferencesChanged();

  // Handlers of the map area, as the mouse and the hold timer call them:
  // each hands the event to the active tool.
  void PaintBox1MouseDown(QMouseEvent* e);
  void PaintBox1MouseMove(QMouseEvent* e);
  void PaintBox1MouseUp(QMouseEvent* e);
  void PaintBox1DblClick(QMouseEvent* e);
  void Timer1Timer();

signals:
  // Both buttons pressed together: show or hide the details window.
  void toggleDatapad();
  // The map made a flight group current and set the selection: the lists
  // show it.
  void selectionSet();

private:
  friend class MapCanvas;
  friend class MapTool;
  friend class SelectTool;
  friend class DragTool;
  friend class PaletteTool;
  friend class PanTool;
  friend class HoldZoomTool;
  friend class SelectBoxTool;

  struct Tools {
    explicit Tools(MapWidget& map);
    SelectTool select;
    DragTool drag;
    PaletteTool palette;
    PanTool pan, panHand; // on empty space, on a start point
    HoldZoomTool holdZoom;
    SelectBoxTool selectBox;
  };

  // map_widget_bars.cpp
  QAction* command(const char* id, const QString& caption, const QString& hint,
                   bool checkable = false, const char* key = nullptr) {
    return mapCommand(actions_, id, caption, hint, checkable, key);
  }
  void buildToolBars();
  void buildViewBar(QToolBar* bar);
  void buildDisplayBar(QToolBar* bar);
  void buildFilterBar(QToolBar* bar);
  void buildMenuCommands();
  void buildMapArea();
  void filterClicked();

  // Following the editing document: only what a notice concerns.
  void documentReplaced();
  void documentChanged(const Change& change);
  void currentFlightGroupChanged(int fg);
  void regionChanged(int region);
  void orderChanged(int order);
  void shownOrderChanged();
  void stateChanged();

  void repaintMap();
  void redrawCurrent();
  void applyFilters();
  void fitToBattlefield();
  void applyAutoCentre();
  void centreOnCurrent();
  void setZoom(int zoom);
  void syncScrollBars();
  void updateZoomLabel();
  void refillSelectionBox();
  void showChooserLine(int fg);
  void applyCurrentOnly();
  void setView(ViewMode mode);
  void setTeam(int team);
  void readOut(double x, double y);
  void canvasResized(int w, int h);
  int fgCount() const;

  // For the tools.
  void startTool(MapTool& tool, const QMouseEvent& press);
  void endTool();
  void pickFlightGroup(int fg);
  void showLocked(int fg, QPointF at);
  void selectBox(const QRectF& box, bool adds);
  std::string nextDragKey();

  EditingDocument& c_;
  ActionRegistry& actions_;
  const Preferences& prefs_;
  MapView view_;
  MapFilters filters_;
  MapOptions options_;
  MapCache cache_;
  MapRenderer renderer_;
  bool initialised_ = false;
  bool pendingFit_ = false; // a fit asked for before the map had a size
  bool syncing_ = false;    // the program sets bars and boxes: no write-back

  Tools tools_;
  MapTool* active_ = nullptr;
  int dragSerial_ = 0;
  std::optional<QPointF> lockedAt_; // where "Locked!" is shown until the next repaint
  std::optional<QRectF> band_;      // the selection box being drawn

  QWidget* ScrollBox1 = nullptr;
  MapCanvas* PaintBox1 = nullptr;
  QScrollBar* XScroll = nullptr;
  QScrollBar* YScroll = nullptr;
  QSlider* ZoomBar = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* SelectionBox = nullptr;
  QTimer* Timer1 = nullptr;
  QToolBar* mapBar_ = nullptr;

  QAction *XY = nullptr, *XZ = nullptr, *YZ = nullptr;
  QAction *LockBattleCtr = nullptr, *LockCtr = nullptr, *LockCurr = nullptr, *LockZero = nullptr;
  QAction *CurrOnly = nullptr, *AllWPS = nullptr, *CurrWPs = nullptr;
  QAction *AllIFF = nullptr, *ShowStartBtn = nullptr;
  QAction *EasyBtn = nullptr, *MedBtn = nullptr, *HardBtn = nullptr;
  std::array<QAction*, 6> iffButtons_{};
  std::array<QAction*, kClassButtons> classButtons_{};
  std::array<QAction*, 4> regionButtons_{};
  QActionGroup *xSnapGroup_ = nullptr, *ySnapGroup_ = nullptr;
  QMenu *XsnapPop = nullptr, *YSnapPop = nullptr;
};

} // namespace zephlo
