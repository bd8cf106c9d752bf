// The editor's main window: menus, tool bars and the list pages.
#pragma once

#include <QMainWindow>

class QAction;
class QActionGroup;
class QListView;
class QMenu;
class QTabWidget;
class QToolButton;

namespace zephlo {

class DocumentController;
class LinesModel;
class SettingsStore;
struct CheckResult;
struct Preferences;

class TForm1 : public QMainWindow {
  Q_OBJECT
public:
  TForm1(DocumentController& controller, Preferences& prefs, SettingsStore& store,
         QWidget* parent = nullptr);

  // The list page shown: 0 flight groups, 1 messages.
  int currentPage() const;

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

private:
  void buildMenusAndToolBars();
  void buildPages();
  void rebuildFlightGroups();
  void rebuildMessages();
  void rebuildHistoryMenus();
  void showCheckResults(const CheckResult& result);
  void ShipListClick();
  void MsgStrListClick();
  bool deleteAllowed() const;

  DocumentController& c_;
  Preferences& prefs_;
  SettingsStore& store_;
  QTabWidget* OverallPages = nullptr;
  QListView* ShipList = nullptr;
  QListView* MsgStrList = nullptr;
  LinesModel* fgModel_ = nullptr;
  LinesModel* msgModel_ = nullptr;
  QMenu* HistPopUp = nullptr;
  QMenu* reopenMenu_ = nullptr;
  QMenu* fgPopup_ = nullptr;
  QMenu* msgPopup_ = nullptr;
  QAction* saveAction_ = nullptr;
  QAction* saveButton_ = nullptr;
  QActionGroup* regionGroup_ = nullptr;
  bool rebuilding_ = false;
};

} // namespace zephlo
