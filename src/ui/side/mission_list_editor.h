// "Mission.lst Files": the game's campaign and melee mission lists, edited
// as whole texts, with new entries and battle headers numbered for the designer.
#pragma once

#include "core/lists/mission_list.h"

#include <QDialog>

#include <array>
#include <filesystem>
#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace zephlo {

class EditingDocument;

class TlstForm : public QDialog {
  Q_OBJECT
public:
  TlstForm(EditingDocument& c, QWidget* parent = nullptr);
  static void run(EditingDocument& c, QWidget* parent);

public slots:
  void FormActivate();
  void AutoAddButClick();
  void Button1Click();
  void BackupLstBtnClick();
  void OKBtnClick();

private:
  struct ListPage {
    QPlainTextEdit* memo = nullptr;
    // Where the list is written on OK; nothing when its folder is missing or
    // it could not be read (so a list that exists is never replaced blindly).
    std::optional<std::filesystem::path> path;
  };
  ListPage& page(ListFolder which) { return pages_[static_cast<std::size_t>(which)]; }
  void readList(ListFolder which);
  ListLines memoLines(ListFolder which) const;
  void setMemoLines(ListFolder which, const ListLines& lines);
  void showNextNumbers(int mission, int battle);

  EditingDocument& c_;
  std::array<ListPage, 2> pages_{};
  QTabWidget* PageControl1 = nullptr;
  QLineEdit* LstNum = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QLineEdit* BattleNum = nullptr;
  QLineEdit* BattleDesc = nullptr;
  QPushButton* AutoAddBut = nullptr;
  QPushButton* Button1 = nullptr;
  int nextMission_ = 1;
  int nextBattle_ = 1;
};

} // namespace zephlo
