// "Briefing Editor": plays the briefing on its map, edits the instruction
// list on the map and as a list, and edits the map tags and texts. Every
// change goes through the controller as one undoable step; an instruction
// being placed with an insert mode lives only in the window's preview until
// "Done".
#pragma once

#include "core/briefing/map_tools.h"
#include "core/briefing/playback.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTableWidget;
class QTimer;
class QToolBar;
class QToolButton;

namespace zephlo {

class BrfMapView;
class EditingDocument;
struct Change;

// The instructions the insert commands make, in menu order.
enum class BrfInsert {
  PageBreak,
  TitleText,
  Text,
  MoveMap,
  ZoomMap,
  ClearBoxes,
  Box,
  ClearTags,
  Tag,
  NewIcon,
  ShipData,
  MoveIcon,
  RotateIcon,
  Region,
};
inline constexpr int kBrfInsertCount = 14;

// The guided inserts of the map page.
enum class BrfMode { None, Zoom, MoveMap, Text, Tag, Icon, Region };

class TBrfForm : public QWidget {
  Q_OBJECT
public:
  explicit TBrfForm(EditingDocument& controller, QWidget* parent = nullptr);
  ~TBrfForm() override;

  BriefingPlayback& playback() { return pb_; }
  BrfMode insertMode() const { return mode_; }
  int selectedIcon() const { return selectedIcon_; }
  int selectedInstruction() const { return selected_; }
  // The map point the map area shows at a pixel, and back.
  BriefingMapPoint mapPointAt(QPoint pixel) const;
  QPoint pixelOf(BriefingMapPoint map) const;

signals:
  // "Save Mission" saves through the main window's Save (as Ctrl+S does).
  void saveRequested();

public slots:
  // The VCR panel.
  void PlayBtnClick();
  void PauseBtnClick();
  void StopBtnClick();
  void RewPlayBtnClick();
  void StepBtnClick();
  void NextInstBtnClick();
  void PrevInstBtnClick();
  void NextPageBtnClick();
  // The insert group.
  void DoneBtnClick();
  void CancelBtnClick();
  // The instruction list page.
  void DeleteInstBtnClick();
  void MoveUpBtnClick();
  void MoveDownBtnClick();
  void SetAllToStart1Click();
  // One insert command on the page shown.
  void insertCommand(BrfInsert kind);

protected:
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Building (brf_form*.cpp).
  void buildWysiwygPage();
  void buildVcrPanel(QWidget* page);
  void buildInsertGroup(QWidget* page);
  void buildSelectedIconGroup(QWidget* page);
  void buildListPage();
  void buildStringsPage();
  void buildSidePanel(QWidget* side);
  void buildActions();
  void buildPopups();

  // Keeping up with the document.
  void documentChanged(const Change& change);
  // The document's list into the playback, keeping the picture.
  void takeList();
  void refreshCaption();
  void refreshTitleStrip();
  void fillHeaderFields();
  void fillStrings();
  void fillIconChoices();

  // The map page.
  void repaintMap();
  void showClock();
  void afterVcr();
  void rewindForEditing();
  void startClock();
  void stopClock();
  void playTimerTick();
  void transitionTimerTick();
  void timeBarMoved(int value);
  void mapPress(QMouseEvent* e);
  void mapMove(QMouseEvent* e);
  void mapRelease(QMouseEvent* e);
  void updateVcrStates();
  void pageChanging(int index);

  // Inserting on the map page.
  void insertOnMap(BrfInsert kind);
  void insertAtClock(const TCommandObject& item, bool resume);
  void iconTool(IconTool tool);
  void showInfoTool();
  void arrowTool(ArrowMove move);
  void enterMode(BrfMode mode);
  void leaveMode();
  void previewMode();
  void modeControlsChanged();

  // The list page.
  void fillList();
  void showInstruction();
  void instructionEdited();
  void selectInstruction(int position);
  void insertOnList(BrfInsert kind);
  TCommandObject itemFor(BrfInsert kind, const InstructionList& list, int current);
  int timeStep() const;

  bool apply(const Operation& op);
  InstructionList documentList() const;
  std::array<std::string, 4> regionNames() const;

  EditingDocument& c_;
  BriefingPlayback pb_;
  BrfMode mode_ = BrfMode::None;
  int selectedIcon_ = 0;
  int selected_ = 0; // current line of the instruction list
  int lastRotation_ = 0;
  // The map point last clicked, in any mode; the insert modes place there.
  BriefingMapPoint lastClick_;
  bool clickedInMode_ = false; // the preview shows once the map is clicked
  // The preview of an insert mode and what "Cancel" puts back.
  int insertPos_ = -1;
  int insertTime_ = 0;
  PlaybackState stateBeforeInsert_;
  int nextBeforeInsert_ = 0;
  // A drag on the map: the instruction it edits, and its number for merging.
  int dragPos_ = -1;
  int dragIcon_ = -1;
  int dragId_ = 0;
  bool applying_ = false;
  bool filling_ = false;

  // Window.
  QTabWidget* BrfPages = nullptr;
  QAction* insertActions_[kBrfInsertCount] = {};
  QMenu* wysiwygPopup_ = nullptr;
  QMenu* listPopup_ = nullptr;
  QAction* popPlay_ = nullptr;
  QAction* popPause_ = nullptr;
  QAction* popStop_ = nullptr;
  QAction* popStart1_ = nullptr;
  // Side panel.
  QWidget* sideHeader_ = nullptr;
  QLineEdit* RunTimeEdit = nullptr;
  QListWidget* SeenByList = nullptr;
  QGroupBox* UnknownsGroup = nullptr;
  std::array<QSpinBox*, 3> spareSpins_{};
  QPushButton* SaveMissionBtn = nullptr;

  // WYSIWYG page.
  QToolBar* wysiwygBar_ = nullptr;
  QAction* ShowCurr = nullptr;
  QAction* ShowNums = nullptr;
  QAction* StopAtStop = nullptr;
  QAction* LockX = nullptr;
  QAction* XSnapBtn = nullptr;
  QAction* LockY = nullptr;
  QAction* YSnapBtn = nullptr;
  int snapX_ = 1, snapY_ = 1;
  QLabel* TitleStrip = nullptr;
  BrfMapView* MapBox = nullptr;
  QLabel* CaptionArea = nullptr;
  QScrollBar* TimeBar = nullptr;
  QStackedWidget* bottomStack_ = nullptr;
  QWidget* VcrPanel = nullptr;
  QLabel* TimeLabel = nullptr;
  QLabel* InstLabel = nullptr;
  QLabel* XPosLabel = nullptr;
  QLabel* YPosLabel = nullptr;
  QGroupBox* SelIconGroup = nullptr;
  QLabel* SelIconLabel = nullptr;
  QGroupBox* InsertGroup = nullptr;
  QLabel* GuideTitle = nullptr;
  QLabel* GuideText = nullptr;
  QScrollBar* ZoomBar = nullptr;
  QScrollBar* XScroll = nullptr;
  QScrollBar* YScroll = nullptr;
  QComboBox* InsTextBox = nullptr;
  QComboBox* InsTagBox = nullptr;
  QComboBox* InsColorBox = nullptr;
  QComboBox* InsCraftBox = nullptr;
  QComboBox* InsIffBox = nullptr;
  QComboBox* InsRegionBox = nullptr;
  QPushButton* DoneBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  std::array<QToolButton*, 8> vcrButtons_{};
  QTimer* playTimer_ = nullptr;
  QTimer* transitionTimer_ = nullptr;

  // Instruction List page.
  QListWidget* InstList = nullptr;
  QLabel* InstNumLabel = nullptr;
  QLabel* TimeSecLabel = nullptr;
  QSpinBox* TimeSpin = nullptr;
  QButtonGroup* IncrementGroup = nullptr;
  QComboBox* CommandBox = nullptr;
  QLabel* IndexLabel = nullptr;
  QComboBox* IndexBox = nullptr;
  QComboBox* ZoomPresetBox = nullptr;
  QLabel* ColorLabel = nullptr;
  QComboBox* ColorBox = nullptr;
  QLabel* XLabel = nullptr;
  QLineEdit* XEdit = nullptr;
  QLabel* YLabel = nullptr;
  QLineEdit* YEdit = nullptr;
  QLabel* CraftLabel = nullptr;
  QComboBox* CraftBox = nullptr;

  // Strings page.
  QTableWidget* TagGrid = nullptr;
  QTableWidget* TextGrid = nullptr;
};

} // namespace zephlo
