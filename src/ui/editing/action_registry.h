// One QAction per command, shared by every window's menus, tool bars and
// pop-up menus, so enabling, checking and shortcuts have one source. The
// main window's commands have a name of their own (Act); a window registers
// its own commands here under an id and draws them from here too.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QStyle>

#include <array>
#include <initializer_list>
#include <map>

class QAction;
class QActionGroup;
class QUndoStack;
class QWidget;

namespace zephlo {

enum class Act {
  New,
  Open,
  Save,
  SaveAs,
  Undo,
  Redo,
  AddItem,
  DeleteItems,
  Copy,
  Paste,
  MoveUp,
  MoveDown,
  ErrorCheck,
  Preferences,
  About,
  Datapad,   // shows or hides "Flight Group Details"
  MainPages, // shows or hides the lists beside the map
  BriefingEditor,
  HeaderDialog,
  ListEditor,
  LoadByList,
  TextSections,
  WavManager,
  Hyperbuoys,
  AddBackdrop,
  ExportJson,
  ImportJson,
  Quit,
  AboutQt,
  Region1,
  Region2,
  Region3,
  Region4,
  Count
};

// What a window's own command looks like.
struct ActionSpec {
  QString id;   // the action's object name, unique in the registry
  QString text; // menu caption
  QString hint; // tool-tip and tool-bar caption
  QStyle::StandardPixmap icon = QStyle::SP_CustomBase; // none
  QKeySequence key = {};
  bool checkable = false;
};

class ActionRegistry : public QObject {
  Q_OBJECT
public:
  // owner: the main window, whose style gives the icons and whose active
  // state makes the shortcuts work.
  ActionRegistry(QWidget* owner, QUndoStack& undo);

  QAction* operator[](Act id) const { return acts_[static_cast<std::size_t>(id)]; }
  QAction* region(int r) const; // 1-4
  QActionGroup* regionGroup() const { return regionGroup_; }

  // A window's own command, made once; asking again for the id gives the
  // same action.
  QAction* add(const ActionSpec& spec);
  // A registered command, or null.
  QAction* find(const QString& id) const;

  // Makes the shortcuts of these commands work while window is active too.
  void attach(QWidget* window, std::initializer_list<Act> ids) const;
  // Undo, Redo, Save and Save As: what every editing window offers.
  void attachEditing(QWidget* window) const;

  // A pop-up item with its own caption that runs an action and follows its
  // enabled and visible state.
  QAction* alias(QAction* of, const QString& caption, QObject* parent) const;

private:
  QAction* make(const ActionSpec& spec);
  void makeDialogActions();

  QWidget* owner_;
  std::array<QAction*, static_cast<std::size_t>(Act::Count)> acts_{};
  std::map<QString, QAction*> own_;
  QActionGroup* regionGroup_ = nullptr;
};

} // namespace zephlo
