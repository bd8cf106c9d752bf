// The map beside the editing pages: PaintBox1 inside ScrollBox1 with its
// jog bars, the zoom bar and the map's tool bars. It follows the document
// controller's notices and sends every change of the mission back through
// the controller as an operation.
#pragma once

#include "core/map/filters.h"
#include "core/map/map_options.h"
#include "core/map/map_view.h"
#include "render/map_painter.h"

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
class QToolButton;

namespace zephlo {

class EditingDocument;
class MapCanvas;
struct Change;
struct Preferences;

MapPreferences mapPreferencesFrom(const Preferences& p);

class MapWidget : public QWidget {
  Q_OBJECT
public:
  MapWidget(EditingDocument& controller, const Preferences& prefs, QWidget* parent = nullptr);
  ~MapWidget() override;

  const MapView& view() const { return view_; }
  const MapFilters& filters() const { return filters_; }
  const QImage& image() const { return renderer_.image(); }
  // The Map menu's items: views, snaps, all snaps off, all waypoints, icons
  // only and grid on.
  void fillMapMenu(QMenu* menu);
  // Whether w is the map's own focus holder (Delete acts on its flight group).
  bool holdsFocus(const QWidget* w) const;
  QWidget* canvas() const;
  // Buttons of other windows that sit on the map's tool bar.
  void addToolActions(const QList<QAction*>& actions);
  // The map options dialog: distances, times, hyperspace line, waypoint lines.
  void showOptionsDialog();
  const MapOptions& options() const { return options_; }
  // The preferences changed: the painter's options follow.
  void preferencesChanged();

  // Handlers of the map area, as the mouse and keyboard call them.
  void PaintBox1MouseDown(QMouseEvent* e);
  void PaintBox1MouseMove(QMouseEvent* e);
  void PaintBox1MouseUp(QMouseEvent* e);
  void PaintBox1DblClick(QMouseEvent* e);
  void Timer1Timer();

signals:
  // Both buttons pressed together: show or hide the details window.
  void toggleDatapad();
  // A mouse release: the waypoint editor refreshes its grids.
  void mouseReleased();
  // The map made a flight group current and set the selection: the lists
  // show it.
  void selectionSet();

private:
  friend class MapCanvas;

  void buildToolBars();
  void buildMapArea();
  QAction* toggle(QToolBar* bar, const char* name, const QString& caption, const QString& hint,
                  bool checked = false);

  void documentReplaced();
  void documentChanged(const Change& change);
  void currentFlightGroupChanged(int fg);
  void regionOrOrderChanged();
  void stateChanged();

  void repaintMap();
  void redrawCurrent();
  void applyFilters();
  void fitToBattlefield();
  void applyAutoCentre();
  void setZoom(int zoom);
  void syncScrollBars();
  void updateZoomLabel();
  void refillSelectionBox();
  void applyCurrentOnly();
  void setView(ViewMode mode);
  void setTeam(int team);
  void readOut(double x, double y);
  void canvasResized(int w, int h);
  int fgCount() const;

  EditingDocument& c_;
  const Preferences& prefs_;
  MapView view_;
  MapFilters filters_;
  MapOptions options_;
  MapRenderer renderer_;
  bool initialised_ = false;
  bool pendingFit_ = false; // a fit asked for before the map had a size
  bool syncing_ = false;    // the program sets bars and boxes: no write-back

  // Interaction.
  bool dragging_ = false, panning_ = false, holdZooming_ = false;
  QPoint panStart_;
  int panScrollX_ = 0, panScrollY_ = 0;
  int ticks_ = 0;
  int dragSerial_ = 0;
  std::optional<QPointF> lockedAt_; // where "Locked!" is shown until the next repaint

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
  QAction *NamesOn = nullptr, *CurrOnly = nullptr, *AllWPS = nullptr, *CurrWPs = nullptr;
  QAction *LockBtn = nullptr, *LockX = nullptr, *LockY = nullptr, *PaletOn = nullptr;
  QAction *AllIFF = nullptr, *ShowStartBtn = nullptr;
  QAction *EasyBtn = nullptr, *MedBtn = nullptr, *HardBtn = nullptr;
  std::array<QAction*, 6> iffButtons_{};
  std::array<QAction*, kClassButtons> classButtons_{};
  std::array<QAction*, 4> regionButtons_{};
  QAction *XYView1 = nullptr, *XZView1 = nullptr, *YZView1 = nullptr;
  QAction *AllSnapOff1 = nullptr, *Allwaypoints1 = nullptr;
  QAction *ToggleIconsOnly1 = nullptr, *ToggleGrid1 = nullptr;
  QActionGroup *xSnapGroup_ = nullptr, *ySnapGroup_ = nullptr;
  QMenu *XsnapPop = nullptr, *YSnapPop = nullptr;
};

} // namespace zephlo
