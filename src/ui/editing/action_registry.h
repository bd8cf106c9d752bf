// One QAction per command of the main window, shared by the menus, the tool
// bars and the pop-up menus, so enabling and checking have one source.
#pragma once

#include <QObject>
#include <array>

class QAction;
class QActionGroup;
class QUndoStack;
class QWidget;

namespace zephlo {

class Actions : public QObject {
  Q_OBJECT
public:
  Actions(QWidget* owner, QUndoStack& undo);

  QAction* newMission = nullptr;
  QAction* open = nullptr;
  QAction* save = nullptr;
  QAction* saveAs = nullptr;
  QAction* undo = nullptr;
  QAction* redo = nullptr;
  QAction* addItem = nullptr;
  QAction* deleteItems = nullptr;
  QAction* copy = nullptr;
  QAction* paste = nullptr;
  QAction* moveUp = nullptr;
  QAction* moveDown = nullptr;
  QAction* errorCheck = nullptr;
  QAction* preferences = nullptr;
  QAction* about = nullptr;
  QAction* datapad = nullptr;   // shows or hides "Flight Group Details"
  QAction* mainPages = nullptr; // shows or hides the lists beside the map
  QAction* briefingEditor = nullptr;
  // The dialogs, side files and tools.
  QAction* headerDialog = nullptr;
  QAction* listEditor = nullptr;
  QAction* loadByList = nullptr;
  QAction* textSections = nullptr;
  QAction* wavManager = nullptr;
  QAction* hyperbuoys = nullptr;
  QAction* addBackdrop = nullptr;
  QActionGroup* regionGroup = nullptr;
  std::array<QAction*, 4> regions{};

  // A pop-up item with its own caption that runs an action and follows its
  // enabled and visible state.
  QAction* alias(QAction* of, const QString& caption, QObject* parent);

private:
  void makeDialogActions(QWidget* owner);
};

} // namespace zephlo
