#include "app/main_window.h"

#include "app/document_controller.h"
#include "app/list_models.h"
#include "app/pref_form.h"
#include "check/err_form.h"
#include "mission/list_lines.h"
#include "platform/settings_store.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace zephlo {

namespace {

QListView* makeList(const QString& name, QWidget* parent) {
  auto* v = new QListView(parent);
  v->setObjectName(name);
  v->setSelectionMode(QAbstractItemView::ExtendedSelection);
  v->setUniformItemSizes(true);
  v->setContextMenuPolicy(Qt::CustomContextMenu);
  v->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QPalette p = v->palette();
  p.setColor(QPalette::Base, Qt::black);
  p.setColor(QPalette::Text, Qt::white);
  v->setPalette(p);
  v->setItemDelegate(new ListLineDelegate(v));
  return v;
}

std::set<int> selectedRows(const QListView* v) {
  std::set<int> rows;
  for (const QModelIndex& i : v->selectionModel()->selectedIndexes())
    rows.insert(i.row());
  return rows;
}

} // namespace

TForm1::TForm1(DocumentController& controller, Preferences& prefs, SettingsStore& store,
               QWidget* parent)
    : QMainWindow(parent), c_(controller), prefs_(prefs), store_(store) {
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(DocumentController::programTitle());
  c_.prompts().setParent(this);
  buildPages();
  buildMenusAndToolBars();

  connect(&c_, &DocumentController::documentReplaced, this, [this] {
    // A new or opened mission starts in region 1.
    regionGroup_->actions().at(c_.state().currentRegion - 1)->setChecked(true);
    rebuildFlightGroups();
    rebuildMessages();
  });
  connect(&c_, &DocumentController::flightGroupsChanged, this, &TForm1::rebuildFlightGroups);
  connect(&c_, &DocumentController::messagesChanged, this, &TForm1::rebuildMessages);
  connect(&c_, &DocumentController::titleChanged, this, &QWidget::setWindowTitle);
  connect(&c_, &DocumentController::modifiedChanged, this, [this](bool m) {
    saveAction_->setEnabled(m);
    saveButton_->setEnabled(m);
  });
  connect(&c_, &DocumentController::historyChanged, this, &TForm1::rebuildHistoryMenus);
  connect(&c_, &DocumentController::checkResultsReady, this, &TForm1::showCheckResults);
  connect(&c_, &DocumentController::currentFlightGroupChanged, this, [this](int i) {
    if (!rebuilding_ && i < fgModel_->rowCount()) {
      ShipList->selectionModel()->setCurrentIndex(fgModel_->index(i),
                                                  QItemSelectionModel::NoUpdate);
    }
  });
  connect(&c_, &DocumentController::currentMessageChanged, this, [this](int i) {
    if (!rebuilding_ && i < msgModel_->rowCount()) {
      MsgStrList->selectionModel()->setCurrentIndex(msgModel_->index(i),
                                                    QItemSelectionModel::NoUpdate);
    }
  });

  saveAction_->setEnabled(false);
  saveButton_->setEnabled(false);
  rebuildFlightGroups();
  rebuildMessages();
  rebuildHistoryMenus();
  if (!prefs_.mainGeometry.isEmpty())
    restoreGeometry(prefs_.mainGeometry);
  else
    resize(1024, 700);
  if (!prefs_.mainState.isEmpty()) restoreState(prefs_.mainState);
  if (prefs_.wmx) setWindowState(windowState() | Qt::WindowMaximized);
}

int TForm1::currentPage() const { return OverallPages->currentIndex(); }

void TForm1::buildPages() {
  OverallPages = new QTabWidget(this);
  OverallPages->setObjectName(QStringLiteral("OverallPages"));

  auto* fgPage = new QWidget(OverallPages);
  auto* fgLayout = new QVBoxLayout(fgPage);
  fgLayout->setContentsMargins(2, 2, 2, 2);
  ShipList = makeList(QStringLiteral("ShipList"), fgPage);
  const Document& doc = c_.document();
  fgModel_ =
      new LinesModel({[&doc] { return static_cast<int>(doc.flightGroups.size()); },
                      [&doc](int row) { return fgLineText(doc, row); },
                      [this, &doc](int row) {
                        return fgLineColour(doc, row, prefs_.blacken, c_.state().currentRegion);
                      }},
                     this);
  ShipList->setModel(fgModel_);
  fgLayout->addWidget(ShipList);
  OverallPages->addTab(fgPage, QStringLiteral("Flight Groups"));

  auto* msgPage = new QWidget(OverallPages);
  auto* msgLayout = new QVBoxLayout(msgPage);
  msgLayout->setContentsMargins(2, 2, 2, 2);
  MsgStrList = makeList(QStringLiteral("MsgStrList"), msgPage);
  msgModel_ =
      new LinesModel({[&doc] { return static_cast<int>(doc.messages.size()); },
                      [this, &doc](int row) { return msgLineText(doc, row, c_.voices().entries); },
                      [&doc](int row) { return msgLineColour(doc, row); }},
                     this);
  MsgStrList->setModel(msgModel_);
  msgLayout->addWidget(MsgStrList);
  OverallPages->addTab(msgPage, QStringLiteral("Messages"));

  // The pages sit on the left of the splitter; the map takes its right side.
  auto* split = new QSplitter(Qt::Horizontal, this);
  split->setObjectName(QStringLiteral("MainSplitter"));
  split->addWidget(OverallPages);
  setCentralWidget(split);

  connect(ShipList, &QListView::clicked, this, &TForm1::ShipListClick);
  connect(MsgStrList, &QListView::clicked, this, &TForm1::MsgStrListClick);
  connect(ShipList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (!rebuilding_) c_.setFlightGroupSelection(selectedRows(ShipList));
  });
  connect(MsgStrList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (!rebuilding_) c_.setMessageSelection(selectedRows(MsgStrList));
  });
  connect(ShipList->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& i) {
            if (!rebuilding_ && i.isValid()) c_.selectFlightGroup(i.row());
          });
  connect(MsgStrList->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& i) {
            if (!rebuilding_ && i.isValid()) c_.selectMessage(i.row());
          });
  connect(ShipList, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { fgPopup_->exec(ShipList->viewport()->mapToGlobal(p)); });
  connect(MsgStrList, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { msgPopup_->exec(MsgStrList->viewport()->mapToGlobal(p)); });
}

void TForm1::buildMenusAndToolBars() {
  QStyle* st = style();
  auto action = [this](const QString& text, auto slot, const QKeySequence& key = {}) {
    auto* a = new QAction(text, this);
    if (!key.isEmpty()) a->setShortcut(key);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };

  // File
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(action(QStringLiteral("&New..."), &TForm1::NewBtnClick, QKeySequence("Ctrl+N")));
  file->addAction(
      action(QStringLiteral("&Open..."), &TForm1::OpenBtnClick, QKeySequence("Ctrl+O")));
  saveAction_ = action(QStringLiteral("&Save "), &TForm1::SaveBtnClick, QKeySequence("Ctrl+S"));
  file->addAction(saveAction_);
  file->addAction(
      action(QStringLiteral("Save &As..."), &TForm1::SaveAsBtnClick, QKeySequence("Ctrl+A")));

  // Edit: the list commands act on the page shown.
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->addAction(action(QStringLiteral("Add &FG"), &TForm1::NewFGButClick, QKeySequence("Ins")));
  edit->addAction(
      action(QStringLiteral("&Delete FG"), &TForm1::DeleteButClick, QKeySequence("Ctrl+Del")));
  edit->addAction(action(QStringLiteral("&Copy"), &TForm1::CopyBtnClick, QKeySequence("Ctrl+C")));
  edit->addAction(action(QStringLiteral("&Paste"), &TForm1::PasteBtnClick, QKeySequence("Ctrl+V")));
  edit->addAction(action(QStringLiteral("Move &up"), &TForm1::UpBtnClick));
  edit->addAction(action(QStringLiteral("&Move down"), &TForm1::DownBtnClick));

  // Options
  QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
  QAction* prefsAction = action(QStringLiteral("&Preferences..."), &TForm1::PreferencesClick);
  prefsAction->setObjectName(QStringLiteral("PreferencesAction"));
  options->addAction(prefsAction);

  // Region: the current region dims flight groups absent from it.
  QMenu* region = menuBar()->addMenu(QStringLiteral("&Region"));
  regionGroup_ = new QActionGroup(this);
  for (int r = 1; r <= 4; ++r) {
    auto* a = new QAction(QStringLiteral("Region &%1").arg(r), regionGroup_);
    a->setCheckable(true);
    a->setChecked(r == 1);
    a->setShortcut(QKeySequence(QStringLiteral("Shift+F%1").arg(r)));
    connect(a, &QAction::triggered, this, [this, r] { c_.setCurrentRegion(r); });
    region->addAction(a);
  }

  // Info
  QMenu* info = menuBar()->addMenu(QStringLiteral("&Info"));
  QMenu* links = info->addMenu(QStringLiteral("&Links"));
  const QString readme = QStringLiteral(ZEPHLO_SOURCE_DIR "/README.md");
  QAction* readmeAction = links->addAction(QStringLiteral("Zephlo &README"));
  readmeAction->setEnabled(QFileInfo::exists(readme));
  connect(readmeAction, &QAction::triggered, this,
          [readme] { QDesktopServices::openUrl(QUrl::fromLocalFile(readme)); });
  info->addAction(action(QStringLiteral("&About..."), &TForm1::AboutClick));

  // Project bar: New, Open with the history, Save As, Save.
  QToolBar* project = addToolBar(QStringLiteral("Project"));
  project->setObjectName(QStringLiteral("ProjectBar"));
  project->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* newBtn = project->addAction(st->standardIcon(QStyle::SP_FileIcon),
                                       QStringLiteral("New Mission"), this, &TForm1::NewBtnClick);
  newBtn->setObjectName(QStringLiteral("NewBtn"));
  HistPopUp = new QMenu(this);
  HistPopUp->setObjectName(QStringLiteral("HistPopUp"));
  auto* openBtn = new QToolButton(project);
  openBtn->setObjectName(QStringLiteral("OpenBtn"));
  openBtn->setIcon(st->standardIcon(QStyle::SP_DialogOpenButton));
  openBtn->setText(QStringLiteral("Open"));
  openBtn->setToolTip(QStringLiteral("Open"));
  openBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  openBtn->setPopupMode(QToolButton::MenuButtonPopup);
  openBtn->setMenu(HistPopUp);
  connect(openBtn, &QToolButton::clicked, this, &TForm1::OpenBtnClick);
  project->addWidget(openBtn);
  project->addAction(st->standardIcon(QStyle::SP_DriveFDIcon), QStringLiteral("Save As"), this,
                     &TForm1::SaveAsBtnClick);
  saveButton_ = project->addAction(st->standardIcon(QStyle::SP_DialogSaveButton),
                                   QStringLiteral("Save"), this, &TForm1::SaveBtnClick);

  // Check bar.
  QToolBar* check = addToolBar(QStringLiteral("Check"));
  check->setObjectName(QStringLiteral("CheckBar"));
  check->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* err = check->addAction(st->standardIcon(QStyle::SP_MessageBoxWarning),
                                  QStringLiteral("Error Check"), this, &TForm1::ErrBtnClick);
  err->setObjectName(QStringLiteral("ErrBtn"));

  // List bar.
  QToolBar* list = addToolBar(QStringLiteral("Lists"));
  list->setObjectName(QStringLiteral("ListBar"));
  auto listButton = [&](QStyle::StandardPixmap icon, const QString& hint, auto slot,
                        const QString& name) {
    QAction* a = list->addAction(st->standardIcon(icon), hint, this, slot);
    a->setToolTip(hint);
    a->setObjectName(name);
  };
  listButton(QStyle::SP_FileDialogNewFolder, QStringLiteral("New FG or Message"),
             &TForm1::NewFGButClick, QStringLiteral("NewFGBut"));
  listButton(QStyle::SP_TrashIcon, QStringLiteral("Delete selections"), &TForm1::DeleteButClick,
             QStringLiteral("DeleteBut"));
  listButton(QStyle::SP_FileDialogDetailedView, QStringLiteral("Copy current selection"),
             &TForm1::CopyBtnClick, QStringLiteral("CopyBtn"));
  listButton(QStyle::SP_FileDialogContentsView, QStringLiteral("Paste"), &TForm1::PasteBtnClick,
             QStringLiteral("PasteBtn"));
  listButton(QStyle::SP_ArrowUp, QStringLiteral("Move selections up"), &TForm1::UpBtnClick,
             QStringLiteral("UpBtn"));
  listButton(QStyle::SP_ArrowDown, QStringLiteral("Move selections down"), &TForm1::DownBtnClick,
             QStringLiteral("DownBtn"));

  // Pop-up menus of the two lists.
  fgPopup_ = new QMenu(this);
  fgPopup_->setObjectName(QStringLiteral("FGPopUp"));
  fgPopup_->addAction(QStringLiteral("Add &FG"), this, &TForm1::NewFGButClick);
  fgPopup_->addAction(QStringLiteral("&Delete"), this, &TForm1::DeleteButClick);
  fgPopup_->addAction(QStringLiteral("&Copy"), this, &TForm1::CopyBtnClick);
  fgPopup_->addAction(QStringLiteral("&Paste"), this, &TForm1::PasteBtnClick);
  fgPopup_->addAction(QStringLiteral("Move &up"), this, &TForm1::UpBtnClick);
  fgPopup_->addAction(QStringLiteral("&Move down"), this, &TForm1::DownBtnClick);
  fgPopup_->addSeparator();
  reopenMenu_ = fgPopup_->addMenu(QStringLiteral("&Reopen"));
  reopenMenu_->setObjectName(QStringLiteral("ReopenMenu"));
  fgPopup_->addAction(QStringLiteral("Save"), this, &TForm1::SaveBtnClick);

  msgPopup_ = new QMenu(this);
  msgPopup_->setObjectName(QStringLiteral("MsgPopUp"));
  msgPopup_->addAction(QStringLiteral("&Add Message"), this, &TForm1::NewFGButClick);
  msgPopup_->addAction(QStringLiteral("&Delete"), this, &TForm1::DeleteButClick);
  msgPopup_->addAction(QStringLiteral("&Copy"), this, &TForm1::CopyBtnClick);
  msgPopup_->addAction(QStringLiteral("&Paste"), this, &TForm1::PasteBtnClick);
  msgPopup_->addAction(QStringLiteral("Move &Up"), this, &TForm1::UpBtnClick);
  msgPopup_->addAction(QStringLiteral("&Move Down"), this, &TForm1::DownBtnClick);
}

void TForm1::rebuildHistoryMenus() {
  HistPopUp->clear();
  reopenMenu_->clear();
  for (int i = 0; i < c_.history().size(); ++i) {
    const QString caption = c_.historyCaption(i);
    for (QMenu* m : {HistPopUp, reopenMenu_}) {
      QAction* a = m->addAction(caption);
      a->setToolTip(c_.history().at(i));
      connect(a, &QAction::triggered, this, [this, i] { c_.reopen(i); });
    }
  }
  reopenMenu_->setEnabled(!c_.history().isEmpty());
}

void TForm1::rebuildFlightGroups() {
  rebuilding_ = true;
  fgModel_->rebuild();
  const int count = fgModel_->rowCount();
  QItemSelection sel;
  for (int row : c_.state().selectedFGs) {
    if (row < count) sel.select(fgModel_->index(row), fgModel_->index(row));
  }
  ShipList->selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect);
  if (c_.state().currentFG < count) {
    ShipList->selectionModel()->setCurrentIndex(fgModel_->index(c_.state().currentFG),
                                                QItemSelectionModel::NoUpdate);
  }
  rebuilding_ = false;
}

void TForm1::rebuildMessages() {
  rebuilding_ = true;
  msgModel_->rebuild();
  const int count = msgModel_->rowCount();
  QItemSelection sel;
  for (int row : c_.state().selectedMsgs) {
    if (row < count) sel.select(msgModel_->index(row), msgModel_->index(row));
  }
  MsgStrList->selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect);
  if (c_.state().currentMsg < count) {
    MsgStrList->selectionModel()->setCurrentIndex(msgModel_->index(c_.state().currentMsg),
                                                  QItemSelectionModel::NoUpdate);
  }
  rebuilding_ = false;
}

void TForm1::ShipListClick() {
  const QModelIndex i = ShipList->currentIndex();
  if (i.isValid()) c_.selectFlightGroup(i.row());
}

void TForm1::MsgStrListClick() {
  const QModelIndex i = MsgStrList->currentIndex();
  if (i.isValid()) c_.selectMessage(i.row());
}

void TForm1::NewBtnClick() { c_.newMission(); }
void TForm1::OpenBtnClick() { c_.open(); }
void TForm1::SaveBtnClick() { c_.save(); }
void TForm1::SaveAsBtnClick() { c_.saveAs(); }
void TForm1::ErrBtnClick() { c_.runCheck(true); }
void TForm1::NewFGButClick() { c_.addItem(currentPage()); }
void TForm1::CopyBtnClick() { c_.copyItem(currentPage()); }
void TForm1::PasteBtnClick() { c_.pasteItem(currentPage()); }
void TForm1::UpBtnClick() { c_.moveUp(currentPage()); }
void TForm1::DownBtnClick() { c_.moveDown(currentPage()); }

// Deleting from the keyboard must not fire while the designer types in a box.
bool TForm1::deleteAllowed() const {
  const QWidget* f = QApplication::focusWidget();
  if (!f) return true;
  if (qobject_cast<const QLineEdit*>(f) || qobject_cast<const QAbstractSpinBox*>(f) ||
      qobject_cast<const QPlainTextEdit*>(f) || qobject_cast<const QTextEdit*>(f)) {
    return false;
  }
  if (auto* combo = qobject_cast<const QComboBox*>(f)) return !combo->isEditable();
  return true;
}

void TForm1::DeleteButClick() {
  if (!deleteAllowed()) return;
  c_.deleteSelection(currentPage());
}

void TForm1::PreferencesClick() {
  TPrefForm form(prefs_, store_, c_.prompts(), this);
  connect(&form, &TPrefForm::autolinkChanged, &c_, &DocumentController::setAutolinkPreference);
  c_.prompts().runModal(form);
  c_.preferencesChanged();
}

void TForm1::AboutClick() {
  c_.prompts().showInformation(DocumentController::programTitle() +
                               QStringLiteral("\nA mission editor for X-Wing Alliance.\n"
                                              "Free software under the MIT licence."));
}

void TForm1::showCheckResults(const CheckResult& result) {
  TErrForm form(result, c_.omitWarnings(), this);
  connect(&form, &TErrForm::omitWarningsChanged, &c_, &DocumentController::setOmitWarnings);
  c_.prompts().runModal(form);
}

void TForm1::closeEvent(QCloseEvent* e) {
  if (!c_.canClose()) {
    e->ignore();
    return;
  }
  prefs_.mainGeometry = saveGeometry();
  prefs_.mainState = saveState();
  prefs_.wmx = isMaximized();
  if (!store_.save(prefs_, c_.history())) {
    c_.prompts().showError(QStringLiteral("Error saving History."));
  }
  e->accept();
}

} // namespace zephlo
