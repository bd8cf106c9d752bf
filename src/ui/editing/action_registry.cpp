#include "ui/editing/action_registry.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QStyle>
#include <QUndoStack>
#include <QWidget>

namespace zephlo {

namespace {

QAction* make(QWidget* owner, const QString& name, const QString& text, const QString& hint,
              QStyle::StandardPixmap icon, const QKeySequence& key = {}) {
  auto* a = new QAction(text, owner);
  a->setObjectName(name);
  if (icon != QStyle::SP_CustomBase) a->setIcon(owner->style()->standardIcon(icon));
  if (!hint.isEmpty()) {
    a->setIconText(hint);
    a->setToolTip(hint);
  }
  if (!key.isEmpty()) a->setShortcut(key);
  owner->addAction(a); // shortcuts work while the window is active
  return a;
}

} // namespace

Actions::Actions(QWidget* owner, QUndoStack& undoStack) : QObject(owner) {
  constexpr auto none = QStyle::SP_CustomBase;
  newMission = make(owner, "NewBtn", "&New...", "New Mission", QStyle::SP_FileIcon,
                    QKeySequence(QStringLiteral("Ctrl+N")));
  open = make(owner, "OpenAction", "&Open...", "Open", QStyle::SP_DialogOpenButton,
              QKeySequence(QStringLiteral("Ctrl+O")));
  save = make(owner, "SaveBtn", "&Save ", "Save", QStyle::SP_DialogSaveButton,
              QKeySequence(QStringLiteral("Ctrl+S")));
  saveAs = make(owner, "SaveAsBtn", "Save &As...", "Save As", QStyle::SP_DriveFDIcon,
                QKeySequence(QStringLiteral("Ctrl+A")));

  undo = undoStack.createUndoAction(owner, QStringLiteral("&Undo"));
  undo->setObjectName(QStringLiteral("UndoAction"));
  undo->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo"),
                                 owner->style()->standardIcon(QStyle::SP_ArrowBack)));
  undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
  owner->addAction(undo);
  redo = undoStack.createRedoAction(owner, QStringLiteral("&Redo"));
  redo->setObjectName(QStringLiteral("RedoAction"));
  redo->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"),
                                 owner->style()->standardIcon(QStyle::SP_ArrowForward)));
  redo->setShortcuts(
      {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
  owner->addAction(redo);

  addItem = make(owner, "NewFGBut", "Add &FG", "New FG or Message", QStyle::SP_FileDialogNewFolder,
                 QKeySequence(QStringLiteral("Ins")));
  deleteItems = make(owner, "DeleteBut", "&Delete FG", "Delete selections", QStyle::SP_TrashIcon,
                     QKeySequence(QStringLiteral("Ctrl+Del")));
  copy = make(owner, "CopyBtn", "&Copy", "Copy current selection",
              QStyle::SP_FileDialogDetailedView, QKeySequence(QStringLiteral("Ctrl+C")));
  paste = make(owner, "PasteBtn", "&Paste", "Paste", QStyle::SP_FileDialogContentsView,
               QKeySequence(QStringLiteral("Ctrl+V")));
  moveUp = make(owner, "UpBtn", "Move &up", "Move selections up", QStyle::SP_ArrowUp);
  moveDown = make(owner, "DownBtn", "&Move down", "Move selections down", QStyle::SP_ArrowDown);
  errorCheck = make(owner, "ErrBtn", "Error Check", "Error Check", QStyle::SP_MessageBoxWarning);
  preferences = make(owner, "PreferencesAction", "&Preferences...", "", none);
  about = make(owner, "AboutAction", "&About...", "", none);
  datapad = make(owner, "DatapadAction", "&Datapad", "Show Datapad", QStyle::SP_FileDialogInfoView,
                 QKeySequence(QStringLiteral("F6")));
  datapad->setCheckable(true);
  mainPages = make(owner, "ShowFGList", "Main &Pages", "Show Main Pages",
                   QStyle::SP_FileDialogListView, QKeySequence(QStringLiteral("F5")));
  mainPages->setCheckable(true);
  mainPages->setChecked(true);

  briefingEditor =
      make(owner, "BriefingBtn", "&Briefing Editor", "Briefing Editor", QStyle::SP_MediaPlay);

  regionGroup = new QActionGroup(this);
  for (int r = 1; r <= 4; ++r) {
    QAction* a = make(owner, QStringLiteral("Region%1").arg(r), QStringLiteral("Region &%1").arg(r),
                      "", none, QKeySequence(QStringLiteral("Shift+F%1").arg(r)));
    a->setCheckable(true);
    a->setChecked(r == 1);
    regionGroup->addAction(a);
    regions[static_cast<std::size_t>(r - 1)] = a;
  }
  makeDialogActions(owner);
}

void Actions::makeDialogActions(QWidget* owner) {
  constexpr auto none = QStyle::SP_CustomBase;
  headerDialog = make(owner, "HeaderBtn", "Mission parameters", "Mission parameters",
                      QStyle::SP_FileDialogListView);
  listEditor = make(owner, "Battle", "Edit .lst files", "Edit .lst files",
                    QStyle::SP_FileDialogDetailedView);
  loadByList = make(owner, "LoadByLst1", "&Load by lst...", "Load by .lst", none,
                    QKeySequence(QStringLiteral("Alt+L")));
  textSections = make(owner, "TextSections1", "&Text Sections", "Text Sections",
                      QStyle::SP_FileDialogContentsView, QKeySequence(QStringLiteral("F8")));
  textSections->setCheckable(true);
  wavManager = make(owner, "WAVfilemanager1", "WA&V file manager", "WAV file manager",
                    QStyle::SP_MediaVolume);
  wavManager->setCheckable(true);
  hyperbuoys = make(owner, "HyperbouyWizard1", "&Hyperbouy Wizard...", "", none);
  addBackdrop = make(owner, "AddBackdrop2", "Add default Backdrop", "", none);
}

QAction* Actions::alias(QAction* of, const QString& caption, QObject* parent) {
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
