// The list commands of the main window's pages (add, delete, copy, paste,
// move up and down) on the editing document, with the run's clipboards.
#pragma once

#include "core/mission/list_commands.h"
#include "core/mission/session.h"

namespace zephlo {

class EditingDocument;

class ListActions {
public:
  explicit ListActions(EditingDocument& doc);

  void addItem(MainPage page);
  // Asks first when the preference says so.
  void deleteSelection(MainPage page);
  void copyItem(MainPage page);
  void pasteItem(MainPage page);
  void moveUp(MainPage page);
  void moveDown(MainPage page);
  bool canMoveUp(MainPage page) const;
  bool canMoveDown(MainPage page) const;

private:
  EditingDocument& doc_;
  Clipboards clip_;
};

} // namespace zephlo
