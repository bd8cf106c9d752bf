// The editor's main window: menus, tool bars and the list pages.
#pragma once

#include "core/mission/session.h"

#include <QMainWindow>

class QListView;
class QToolBar;
class QMenu;
class QTabWidget;

namespace zephlo {

class ActionRegistry;
class EditingDocument;
class FileCommands;
class ListActions;
struct EditorSession;
class LinesModel;
class MapWidget;
class TOrderSel;
class TWPform;
class TDatapad;
class TShipExt;
class TMemoForm;
class MissionLogicWindow;
class WavPanel;
class SettingsStore;
struct Change;
struct CheckResult;
struct Preferences;

class TForm1 : public QMainWindow {
  Q_OBJECT
public:
  TForm1(EditorSession& session, SettingsStore& store, QWidget* parent = nullptr);
  ~TForm1() override;

  // The page shown; the list commands act on it.
  MainPage currentPage() const;

public slots:
  void NewBtnClick();
  void OpenBtnClick();
  void SaveBtnClick();
  void SaveAsBtnClick();
  void ErrBtnClick();
  void NewFGButClick();
  void DeleteButClick();
  void CopyBtnClick();
  void PasteBtnClick();
  void UpBtnClick();
  void DownBtnClick();
  void PreferencesClick();
  void AboutClick();

protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  // A mission file dropped on the window opens as Open would.
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

private:
  void buildMenusAndToolBars();
  void buildPages();
  void placeWindow();
  void buildToolWindows();
  void buildTeamBar();
  void buildBriefingEditor(); // main_window_briefing.cpp
  QToolBar* missionBar();
  void buildMap();
  void buildMapToolWindows();
  // Widens the pages beside the map until the flight-group lines fit, up to
  // near half the window, until the designer moves the divider.
  void fitListToLines();
  void saveMapLayout();
  void documentChanged(const Change& change);
  void resetLists();
  // Selects the lines of the editor state's selections without telling the
  // controller back.
  void showSelections();
  void updateCommandStates();
  void rebuildHistoryMenus();
  void showCheckResults(const CheckResult& result);
  bool deleteAllowed() const;
  // Dialogs, side files and tools (main_window_dialogs.cpp).
  void buildDialogs();
  void loadBackdropNames(const QString& editorFolder);
  void setEndMessageMode(bool on);
  void endLineSelected(int line);
  int messageRows() const;
  std::string messageLine(int row) const;

  EditorSession& session_;
  EditingDocument& c_;
  FileCommands& files_;
  ListActions& lists_;
  Preferences& prefs_;
  SettingsStore& store_;
  ActionRegistry* actions_ = nullptr;
  QTabWidget* OverallPages = nullptr;
  QListView* ShipList = nullptr;
  QListView* MsgStrList = nullptr;
  LinesModel* fgModel_ = nullptr;
  LinesModel* msgModel_ = nullptr;
  QMenu* HistPopUp = nullptr;
  QMenu* reopenMenu_ = nullptr;
  QMenu* recentMenu_ = nullptr; // File > Recent Files
  QMenu* fgPopup_ = nullptr;
  QMenu* msgPopup_ = nullptr;
  TDatapad* datapad_ = nullptr;
  TShipExt* shipExt_ = nullptr;
  TMemoForm* memo_ = nullptr;
  MissionLogicWindow* logicWindow_ = nullptr;
  WavPanel* wavPanel_ = nullptr;
  bool endMsgMode_ = false; // the message list shows the end-of-mission lines
  bool endModeHidDatapad_ = false;
  MapWidget* map_ = nullptr;
  TOrderSel* orderSel_ = nullptr;
  TWPform* wpForm_ = nullptr;
  bool toolWindowsPlaced_ = false;
  // The designer moved the divider, or it came back from the settings.
  bool listWidthChosen_ = false;
  bool syncing_ = false; // selections are being set from the editor state
};

} // namespace zephlo
