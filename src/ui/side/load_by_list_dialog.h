// "Load by .lst": lists the missions of the campaign or melee list and opens
// the one chosen.
#pragma once

#include "core/lists/mission_list.h"

#include <QDialog>

#include <filesystem>
#include <optional>

class QLabel;
class QListWidget;
class QTabBar;

namespace zephlo {

class EditingDocument;

class TLBLForm : public QDialog {
  Q_OBJECT
public:
  TLBLForm(EditingDocument& c, QWidget* parent = nullptr);
  // After the changed prompt, shows the window modally and opens the
  // mission chosen in it.
  // The mission the designer chose from a list, when one was chosen.
  static std::optional<QString> choose(EditingDocument& c, QWidget* parent);

  // The mission chosen with "&OK" or a double click; nothing for a line
  // that is no mission or a file that does not exist.
  const std::optional<std::filesystem::path>& chosen() const { return chosen_; }

public slots:
  void TabControl1Change();
  void ListBox1Click();
  void OKBtnClick();

private:
  ListFolder folder() const;

  EditingDocument& c_;
  QTabBar* TabControl1 = nullptr;
  QListWidget* ListBox1 = nullptr;
  QLabel* Label1 = nullptr;
  std::vector<ListChoice> choices_;
  std::optional<std::filesystem::path> chosen_;
};

} // namespace zephlo
