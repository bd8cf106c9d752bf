#include "ui/editing/action_registry.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QUndoStack>
#include <QWidget>

namespace zephlo {

namespace {

QKeySequence key(const char* text) { return QKeySequence(QString::fromLatin1(text)); }

} // namespace

QAction* ActionRegistry::make(const ActionSpec& s) {
  auto* a = new QAction(s.text, owner_);
  a->setObjectName(s.id);
  if (s.icon != QStyle::SP_CustomBase) a->setIcon(owner_->style()->standardIcon(s.icon));
  if (!s.hint.isEmpty()) {
    a->setIconText(s.hint);
    a->setToolTip(s.hint);
  }
  if (!s.key.isEmpty()) a->setShortcut(s.key);
  a->setCheckable(s.checkable);
  owner_->addAction(a); // shortcuts work while the main window is active
  return a;
}

ActionRegistry::ActionRegistry(QWidget* owner, QUndoStack& undoStack)
    : QObject(owner), owner_(owner) {
  auto set = [this](Act id, const ActionSpec& spec) {
    acts_[static_cast<std::size_t>(id)] = make(spec);
  };
  set(Act::New, {"NewBtn", "&New...", "New Mission", QStyle::SP_FileIcon, key("Ctrl+N")});
  set(Act::Open, {"OpenAction", "&Open...", "Open", QStyle::SP_DialogOpenButton, key("Ctrl+O")});
  set(Act::Save, {"SaveBtn", "&Save ", "Save", QStyle::SP_DialogSaveButton, key("Ctrl+S")});
  set(Act::SaveAs, {"SaveAsBtn", "Save &As...", "Save As", QStyle::SP_DriveFDIcon, key("Ctrl+A")});
  // Ctrl+A is this editor's own; Ctrl+Shift+S is every other program's.
  (*this)[Act::SaveAs]->setShortcuts({key("Ctrl+A"), key("Ctrl+Shift+S")});
  set(Act::ExportJson, {"ExportJsonAction", "&Export JSON...", ""});
  set(Act::ImportJson, {"ImportJsonAction", "&Import JSON...", ""});
  set(Act::Quit, {"QuitAction", "&Quit", "", QStyle::SP_CustomBase, key("Ctrl+Q")});

  // The stack's own actions show what they will undo: "Undo Change Name".
  QAction* undo = undoStack.createUndoAction(owner, QStringLiteral("&Undo"));
  undo->setObjectName(QStringLiteral("UndoAction"));
  undo->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo"),
                                 owner->style()->standardIcon(QStyle::SP_ArrowBack)));
  undo->setShortcut(key("Ctrl+Z"));
  owner->addAction(undo);
  acts_[static_cast<std::size_t>(Act::Undo)] = undo;
  QAction* redo = undoStack.createRedoAction(owner, QStringLiteral("&Redo"));
  redo->setObjectName(QStringLiteral("RedoAction"));
  redo->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"),
                                 owner->style()->standardIcon(QStyle::SP_ArrowForward)));
  redo->setShortcuts({key("Ctrl+Y"), key("Ctrl+Shift+Z")});
  owner->addAction(redo);
  acts_[static_cast<std::size_t>(Act::Redo)] = redo;

  set(Act::AddItem,
      {"NewFGBut", "Add &FG", "New FG or Message", QStyle::SP_FileDialogNewFolder, key("Ins")});
  set(Act::DeleteItems,
      {"DeleteBut", "&Delete FG", "Delete selections", QStyle::SP_TrashIcon, key("Ctrl+Del")});
  set(Act::Copy, {"CopyBtn", "&Copy", "Copy current selection", QStyle::SP_FileDialogDetailedView,
                  key("Ctrl+C")});
  set(Act::Paste,
      {"PasteBtn", "&Paste", "Paste", QStyle::SP_FileDialogContentsView, key("Ctrl+V")});
  set(Act::MoveUp, {"UpBtn", "Move &up", "Move selections up", QStyle::SP_ArrowUp});
  set(Act::MoveDown, {"DownBtn", "&Move down", "Move selections down", QStyle::SP_ArrowDown});
  set(Act::ErrorCheck, {"ErrBtn", "Error Check", "Error Check", QStyle::SP_MessageBoxWarning});
  set(Act::Preferences, {"PreferencesAction", "&Preferences...", ""});
  set(Act::About, {"AboutAction", "&About...", ""});
  set(Act::AboutQt, {"AboutQtAction", "About &Qt", ""});
  set(Act::Datapad, {"DatapadAction", "&Datapad", "Show Datapad", QStyle::SP_FileDialogInfoView,
                     key("F6"), true});
  set(Act::MainPages, {"ShowFGList", "Main &Pages", "Show Main Pages",
                       QStyle::SP_FileDialogListView, key("F5"), true});
  (*this)[Act::MainPages]->setChecked(true);
  set(Act::BriefingEditor,
      {"BriefingBtn", "&Briefing Editor", "Briefing Editor", QStyle::SP_MediaPlay});

  regionGroup_ = new QActionGroup(this);
  for (int r = 1; r <= 4; ++r) {
    const auto id = static_cast<Act>(static_cast<int>(Act::Region1) + r - 1);
    set(id, {QStringLiteral("Region%1").arg(r), QStringLiteral("Region &%1").arg(r), "",
             QStyle::SP_CustomBase, QKeySequence(QStringLiteral("Shift+F%1").arg(r)), true});
    region(r)->setChecked(r == 1);
    regionGroup_->addAction(region(r));
  }
  makeDialogActions();
}

void ActionRegistry::makeDialogActions() {
  auto set = [this](Act id, const ActionSpec& spec) {
    acts_[static_cast<std::size_t>(id)] = make(spec);
  };
  set(Act::HeaderDialog,
      {"HeaderBtn", "Mission parameters", "Mission parameters", QStyle::SP_FileDialogListView});
  set(Act::ListEditor,
      {"Battle", "Edit .lst files", "Edit .lst files", QStyle::SP_FileDialogDetailedView});
  set(Act::LoadByList,
      {"LoadByLst1", "&Load by lst...", "Load by .lst", QStyle::SP_CustomBase, key("Alt+L")});
  set(Act::TextSections, {"TextSections1", "&Text Sections", "Text Sections",
                          QStyle::SP_FileDialogContentsView, key("F8"), true});
  set(Act::WavManager, {"WAVfilemanager1",
                        "WA&V file manager",
                        "WAV file manager",
                        QStyle::SP_MediaVolume,
                        {},
                        true});
  set(Act::Hyperbuoys, {"HyperbouyWizard1", "&Hyperbouy Wizard...", ""});
  set(Act::AddBackdrop, {"AddBackdrop2", "Add default Backdrop", ""});
}

QAction* ActionRegistry::region(int r) const {
  return (*this)[static_cast<Act>(static_cast<int>(Act::Region1) + r - 1)];
}

QAction* ActionRegistry::add(const ActionSpec& spec) {
  if (QAction* known = find(spec.id)) return known;
  QAction* a = make(spec);
  own_.emplace(spec.id, a);
  return a;
}

QAction* ActionRegistry::find(const QString& id) const {
  const auto it = own_.find(id);
  if (it != own_.end()) return it->second;
  for (QAction* a : acts_)
    if (a && a->objectName() == id) return a;
  return nullptr;
}

void ActionRegistry::attach(QWidget* window, std::initializer_list<Act> ids) const {
  for (Act id : ids)
    window->addAction((*this)[id]);
}

void ActionRegistry::attachEditing(QWidget* window) const {
  attach(window, {Act::Undo, Act::Redo, Act::Save, Act::SaveAs});
}

QAction* ActionRegistry::alias(QAction* of, const QString& caption, QObject* parent) const {
  auto* a = new QAction(caption, parent);
  a->setObjectName(of->objectName() + QStringLiteral("Alias"));
  connect(a, &QAction::triggered, of, &QAction::trigger);
  auto follow = [a, of] {
    a->setEnabled(of->isEnabled());
    a->setVisible(of->isVisible());
  };
  connect(of, &QAction::changed, a, follow);
  follow();
  return a;
}

} // namespace zephlo
