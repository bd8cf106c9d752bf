#include "ui/main/main_window.h"

#include "core/check/texts.h"
#include "core/mission/change_scope.h"
#include "core/mission/fg_stores.h"
#include "core/mission/list_lines.h"
#include "core/mission/team_edits.h"
#include "platform/settings_store.h"
#include "ui/details/details_window.h"
#include "ui/details/extras_window.h"
#include "ui/details/teams_page.h"
#include "ui/editing/action_registry.h"
#include "ui/editing/editor_session.h"
#include "ui/editing/page_controls.h"
#include "ui/main/list_models.h"
#include "ui/main/preferences_dialog.h"
#include "ui/map/backdrop_picker.h"
#include "ui/map/map_widget.h"
#include "ui/side/error_list.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
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
  pages::blackBase(v);
  // The lines line up in columns with blanks: a fixed-pitch font keeps them.
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(v->font().pointSizeF());
  v->setFont(fixed);
  v->setItemDelegate(new ListLineDelegate(v));
  return v;
}

std::set<int> selectedRows(const QListView* v) {
  std::set<int> rows;
  for (const QModelIndex& i : v->selectionModel()->selectedIndexes())
    rows.insert(i.row());
  return rows;
}

void selectRows(QListView* v, const std::set<int>& rows, int current) {
  QAbstractItemModel* m = v->model();
  const int count = m->rowCount();
  QItemSelection sel;
  for (int row : rows) {
    if (row >= 0 && row < count) sel.select(m->index(row, 0), m->index(row, 0));
  }
  v->selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect);
  if (current >= 0 && current < count)
    v->selectionModel()->setCurrentIndex(m->index(current, 0), QItemSelectionModel::NoUpdate);
}

} // namespace

TForm1::TForm1(EditorSession& session, SettingsStore& store, QWidget* parent)
    : QMainWindow(parent), session_(session), c_(session.doc), files_(session.files),
      lists_(session.lists), prefs_(session.prefs), store_(store) {
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(FileCommands::programTitle());
  c_.prompts().setParent(this);
  actions_ = new ActionRegistry(this, c_.undoStack());
  buildPages();
  buildMenusAndToolBars();
  setAcceptDrops(true);
  buildToolWindows();
  buildBriefingEditor();
  buildDialogs();
  buildMap();
  // Two rows of tool bars, so every button shows at 1280 pixels.
  if (auto* bar = findChild<QToolBar*>(QStringLiteral("WindowBar"))) insertToolBarBreak(bar);

  connect(&c_, &EditingDocument::documentReplaced, this, [this] {
    // A new or opened mission starts in region 1.
    actions_->region(c_.state().currentRegion)->setChecked(true);
    resetLists();
  });
  connect(&c_, &EditingDocument::documentChanged, this, &TForm1::documentChanged);
  connect(&c_, &EditingDocument::stateChanged, this, [this] {
    showSelections();
    updateCommandStates();
  });
  // Another window (the logic graph) may choose what is selected.
  connect(&c_, &EditingDocument::selectionChanged, this, [this] {
    if (!syncing_) showSelections();
  });
  // Flight groups absent from the region shown are dimmed when the preference says so.
  connect(&c_, &EditingDocument::regionChanged, this, [this] {
    if (prefs_.blacken) fgModel_->refreshAll();
  });
  connect(&files_, &FileCommands::titleChanged, this, &QWidget::setWindowTitle);
  connect(&c_, &EditingDocument::modifiedChanged, this, [this] { updateCommandStates(); });
  connect(&files_, &FileCommands::historyChanged, this, &TForm1::rebuildHistoryMenus);
  auto status = [this](const QString& text) { statusBar()->showMessage(text); };
  connect(&files_, &FileCommands::statusMessage, this, status);
  connect(&session_.voices, &VoiceListSession::statusMessage, this, status);
  connect(&session_.checker, &CheckerSession::checkResultsReady, this, &TForm1::showCheckResults);

  resetLists();
  rebuildHistoryMenus();
  updateCommandStates();
  placeWindow();
}

TForm1::~TForm1() {
  // A box being typed in finishes when it loses the focus (it commits, or
  // shows what was stored): let it now, while every window that owns one
  // still stands, not while the tool windows are being taken down.
  QWidget* focus = QApplication::focusWidget();
  for (QWidget* w = focus; w; w = w->parentWidget()) {
    if (w == this) {
      focus->clearFocus();
      break;
    }
  }
}

MainPage TForm1::currentPage() const { return static_cast<MainPage>(OverallPages->currentIndex()); }

void TForm1::placeWindow() {
  if (!prefs_.mainGeometry.isEmpty()) {
    restoreGeometry(prefs_.mainGeometry);
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    // First start: most of the screen, centred, whatever its size.
    const QRect avail = screen->availableGeometry();
    const QSize size = avail.size() * 0.8;
    setGeometry(QRect(avail.topLeft() + QPoint((avail.width() - size.width()) / 2,
                                               (avail.height() - size.height()) / 2),
                      size));
  }
  if (!prefs_.mainState.isEmpty()) restoreState(prefs_.mainState);
  if (prefs_.wmx) setWindowState(windowState() | Qt::WindowMaximized);
}

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
  msgModel_ = new LinesModel({[this] { return messageRows(); },
                              [this](int row) { return messageLine(row); },
                              [this, &doc](int row) {
                                return endMsgMode_ ? rgb(255, 255, 255) : msgLineColour(doc, row);
                              }},
                             this);
  MsgStrList->setModel(msgModel_);
  msgLayout->addWidget(MsgStrList);
  OverallPages->addTab(msgPage, QStringLiteral("Messages"));
  OverallPages->addTab(new TeamsPage(c_, *actions_, OverallPages), QStringLiteral("Teams"));
  connect(OverallPages, &QTabWidget::currentChanged, this, [this] { updateCommandStates(); });

  // The pages sit on the left of the splitter; the map takes its right side.
  auto* split = new QSplitter(Qt::Horizontal, this);
  split->setObjectName(QStringLiteral("MainSplitter"));
  split->addWidget(OverallPages);
  setCentralWidget(split);

  // A click makes a line current (ShipListClick, MsgStrListClick); the
  // selection is what the list commands and the pages act on.
  for (QListView* v : {ShipList, MsgStrList}) {
    const bool fgs = v == ShipList;
    connect(v->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, v, fgs] {
      if (syncing_) return;
      // The list told the document; the document need not tell it back.
      syncing_ = true;
      if (fgs)
        c_.setFlightGroupSelection(selectedRows(v));
      else if (!endMsgMode_)
        c_.setMessageSelection(selectedRows(v));
      syncing_ = false;
      updateCommandStates();
    });
    connect(v->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, fgs](const QModelIndex& i) {
              if (syncing_ || !i.isValid()) return;
              if (fgs)
                c_.selectFlightGroup(i.row());
              else if (endMsgMode_)
                endLineSelected(i.row());
              else
                c_.selectMessage(i.row());
            });
    connect(v, &QWidget::customContextMenuRequested, this, [this, v, fgs](const QPoint& p) {
      (fgs ? fgPopup_ : msgPopup_)->exec(v->viewport()->mapToGlobal(p));
    });
  }
}

void TForm1::buildMenusAndToolBars() {
  ActionRegistry& a = *actions_;
  connect(a[Act::New], &QAction::triggered, this, &TForm1::NewBtnClick);
  connect(a[Act::Open], &QAction::triggered, this, &TForm1::OpenBtnClick);
  connect(a[Act::Save], &QAction::triggered, this, &TForm1::SaveBtnClick);
  connect(a[Act::SaveAs], &QAction::triggered, this, &TForm1::SaveAsBtnClick);
  connect(a[Act::AddItem], &QAction::triggered, this, &TForm1::NewFGButClick);
  connect(a[Act::DeleteItems], &QAction::triggered, this, &TForm1::DeleteButClick);
  connect(a[Act::Copy], &QAction::triggered, this, &TForm1::CopyBtnClick);
  connect(a[Act::Paste], &QAction::triggered, this, &TForm1::PasteBtnClick);
  connect(a[Act::MoveUp], &QAction::triggered, this, &TForm1::UpBtnClick);
  connect(a[Act::MoveDown], &QAction::triggered, this, &TForm1::DownBtnClick);
  connect(a[Act::ErrorCheck], &QAction::triggered, this, &TForm1::ErrBtnClick);
  connect(a[Act::Preferences], &QAction::triggered, this, &TForm1::PreferencesClick);
  connect(a[Act::About], &QAction::triggered, this, &TForm1::AboutClick);
  for (int r = 1; r <= 4; ++r)
    connect(a.region(r), &QAction::triggered, this, [this, r] { c_.setCurrentRegion(r); });

  connect(a[Act::ExportJson], &QAction::triggered, &files_, &FileCommands::exportJson);
  connect(a[Act::ImportJson], &QAction::triggered, &files_, &FileCommands::importJson);
  connect(a[Act::Quit], &QAction::triggered, this, &QWidget::close);
  connect(a[Act::AboutQt], &QAction::triggered, qApp, &QApplication::aboutQt);

  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addActions({a[Act::New], a[Act::Open]});
  recentMenu_ = file->addMenu(QStringLiteral("Recent &Files"));
  recentMenu_->setObjectName(QStringLiteral("RecentMenu"));
  file->addActions({a[Act::Save], a[Act::SaveAs]});
  file->addSeparator();
  file->addActions({a[Act::ExportJson], a[Act::ImportJson]});
  file->addSeparator();
  file->addAction(a[Act::Quit]);

  // Edit: undo and redo first; the list commands act on the page shown.
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->addActions({a[Act::Undo], a[Act::Redo]});
  edit->addSeparator();
  edit->addActions({a[Act::AddItem], a[Act::DeleteItems], a[Act::Copy], a[Act::Paste],
                    a[Act::MoveUp], a[Act::MoveDown]});

  connect(a[Act::MainPages], &QAction::toggled, OverallPages, &QWidget::setVisible);
  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->addActions({a[Act::MainPages], a[Act::Datapad]});

  menuBar()->addMenu(QStringLiteral("&Options"))->addAction(a[Act::Preferences]);

  // Region: the current region dims flight groups absent from it.
  QMenu* region = menuBar()->addMenu(QStringLiteral("&Region"));
  for (int r = 1; r <= 4; ++r)
    region->addAction(a.region(r));

  QMenu* info = menuBar()->addMenu(QStringLiteral("&Info"));
  QMenu* links = info->addMenu(QStringLiteral("&Links"));
  const QString readme = QStringLiteral(ZEPHLO_SOURCE_DIR "/README.md");
  QAction* readmeAction = a.add({QStringLiteral("ReadmeAction"), QStringLiteral("Zephlo &README"),
                                 QStringLiteral("Open the README")});
  links->addAction(readmeAction);
  readmeAction->setEnabled(QFileInfo::exists(readme));
  connect(readmeAction, &QAction::triggered, this,
          [readme] { QDesktopServices::openUrl(QUrl::fromLocalFile(readme)); });
  info->addAction(a[Act::About]);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->addActions({a[Act::About], a[Act::AboutQt]});

  // Project bar: New, Open with the history, Save As, Save; then undo and redo.
  QToolBar* project = addToolBar(QStringLiteral("Project"));
  project->setObjectName(QStringLiteral("ProjectBar"));
  // Icons alone, as on every desktop: the commands everyone knows leave room
  // for the mission's own on a small screen. Tool tips name them.
  project->setToolButtonStyle(Qt::ToolButtonIconOnly);
  project->addAction(a[Act::New]);
  HistPopUp = new QMenu(this);
  HistPopUp->setObjectName(QStringLiteral("HistPopUp"));
  auto* openBtn = new QToolButton(project);
  openBtn->setObjectName(QStringLiteral("OpenBtn"));
  openBtn->setDefaultAction(a[Act::Open]);
  openBtn->setToolButtonStyle(Qt::ToolButtonIconOnly);
  openBtn->setPopupMode(QToolButton::MenuButtonPopup);
  openBtn->setMenu(HistPopUp);
  project->addWidget(openBtn);
  project->addAction(a[Act::SaveAs]);
  project->addAction(a[Act::Save]);
  QToolBar* undoBar = addToolBar(QStringLiteral("Undo"));
  undoBar->setObjectName(QStringLiteral("UndoBar"));
  undoBar->addActions({a[Act::Undo], a[Act::Redo]});

  QToolBar* check = addToolBar(QStringLiteral("Check"));
  check->setObjectName(QStringLiteral("CheckBar"));
  check->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  check->addAction(a[Act::ErrorCheck]);

  QToolBar* windows = addToolBar(QStringLiteral("Windows"));
  windows->setObjectName(QStringLiteral("WindowBar"));
  windows->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  windows->addActions({a[Act::MainPages], a[Act::Datapad]});

  buildTeamBar();

  QToolBar* list = addToolBar(QStringLiteral("Lists"));
  list->setObjectName(QStringLiteral("ListBar"));
  list->addActions({a[Act::AddItem], a[Act::DeleteItems], a[Act::Copy], a[Act::Paste],
                    a[Act::MoveUp], a[Act::MoveDown]});

  // Pop-up menus of the two lists; items captioned differently follow their action.
  fgPopup_ = new QMenu(this);
  fgPopup_->setObjectName(QStringLiteral("FGPopUp"));
  fgPopup_->addActions({a[Act::AddItem],
                        a.alias(a[Act::DeleteItems], QStringLiteral("&Delete"), fgPopup_),
                        a[Act::Copy], a[Act::Paste], a[Act::MoveUp], a[Act::MoveDown]});
  fgPopup_->addSeparator();
  reopenMenu_ = fgPopup_->addMenu(QStringLiteral("&Reopen"));
  reopenMenu_->setObjectName(QStringLiteral("ReopenMenu"));
  fgPopup_->addAction(a.alias(a[Act::Save], QStringLiteral("Save"), fgPopup_));

  msgPopup_ = new QMenu(this);
  msgPopup_->setObjectName(QStringLiteral("MsgPopUp"));
  msgPopup_->addActions({a.alias(a[Act::AddItem], QStringLiteral("&Add Message"), msgPopup_),
                         a.alias(a[Act::DeleteItems], QStringLiteral("&Delete"), msgPopup_),
                         a[Act::Copy], a[Act::Paste],
                         a.alias(a[Act::MoveUp], QStringLiteral("Move &Up"), msgPopup_),
                         a.alias(a[Act::MoveDown], QStringLiteral("&Move Down"), msgPopup_)});
}

void TForm1::updateCommandStates() {
  const MainPage page = currentPage();
  const bool listPage = page != MainPage::Teams;
  (*actions_)[Act::Save]->setEnabled(c_.isModified());
  (*actions_)[Act::MoveUp]->setEnabled(lists_.canMoveUp(page));
  (*actions_)[Act::MoveDown]->setEnabled(lists_.canMoveDown(page));
  for (QAction* a : {(*actions_)[Act::AddItem], (*actions_)[Act::DeleteItems],
                     (*actions_)[Act::Copy], (*actions_)[Act::Paste]})
    a->setEnabled(listPage);
}

void TForm1::rebuildHistoryMenus() {
  HistPopUp->clear();
  reopenMenu_->clear();
  recentMenu_->clear();
  const QStringList h = files_.history();
  for (int i = 0; i < h.size(); ++i) {
    const QString caption = files_.historyCaption(i);
    for (QMenu* m : {HistPopUp, reopenMenu_, recentMenu_}) {
      QAction* a = m->addAction(caption);
      a->setToolTip(h.at(i));
      connect(a, &QAction::triggered, this, [this, i] { files_.reopen(i); });
    }
  }
  // "&Load by lst..." sits with the history: another way to reopen a mission.
  if ((*actions_)[Act::LoadByList]) reopenMenu_->addAction((*actions_)[Act::LoadByList]);
  reopenMenu_->setEnabled(!h.isEmpty());
  recentMenu_->setEnabled(!h.isEmpty());
}

void TForm1::resetLists() {
  fgModel_->reset();
  msgModel_->reset();
  showSelections();
  updateCommandStates();
}

void TForm1::documentChanged(const Change& c) {
  // Only the lines that read what changed are drawn again.
  if (c.flightGroupList) {
    fgModel_->reset();
  } else if (const LineRows rows = fgLinesToRefresh(c); !rows.empty()) {
    fgModel_->refreshRows(rows.first, rows.last);
  }
  if (endMsgMode_) {
    // The end-of-mission lines of the current team show in place of the messages.
    if (endLinesChanged(c, c_.state().currentTeam)) msgModel_->refreshAll();
  } else if (c.messageList) {
    msgModel_->reset();
  } else if (const LineRows rows = msgLinesToRefresh(c); !rows.empty()) {
    msgModel_->refreshRows(rows.first, rows.last);
  }
  if (c.flightGroupList || c.messageList) {
    showSelections();
    updateCommandStates();
  }
}

void TForm1::showSelections() {
  syncing_ = true;
  const EditorState& st = c_.state();
  selectRows(ShipList, st.selectedFGs, st.currentFG);
  selectRows(MsgStrList, st.selectedMsgs, st.currentMsg);
  if (st.currentFG < fgModel_->rowCount()) ShipList->scrollTo(fgModel_->index(st.currentFG));
  if (st.currentMsg < msgModel_->rowCount()) MsgStrList->scrollTo(msgModel_->index(st.currentMsg));
  syncing_ = false;
}

void TForm1::NewBtnClick() { files_.newMission(); }
void TForm1::OpenBtnClick() { files_.open(); }
void TForm1::SaveBtnClick() { files_.save(); }
void TForm1::SaveAsBtnClick() { files_.saveAs(); }
void TForm1::ErrBtnClick() { session_.checker.runCheck(true); }
void TForm1::NewFGButClick() { lists_.addItem(currentPage()); }
void TForm1::CopyBtnClick() { lists_.copyItem(currentPage()); }
void TForm1::PasteBtnClick() { lists_.pasteItem(currentPage()); }
void TForm1::UpBtnClick() { lists_.moveUp(currentPage()); }
void TForm1::DownBtnClick() { lists_.moveDown(currentPage()); }

// Deleting acts on the list the designer is working in; with the focus on
// anything else (a tab, a box on another page) it does nothing.
bool TForm1::deleteAllowed() const {
  const QWidget* f = QApplication::focusWidget();
  return isActiveWindow() && f && (f == ShipList || f == MsgStrList || map_->holdsFocus(f));
}

void TForm1::DeleteButClick() {
  if (!deleteAllowed()) return;
  // On the map, Delete acts on the map's flight group.
  const bool onMap = map_->holdsFocus(QApplication::focusWidget());
  lists_.deleteSelection(onMap ? MainPage::FlightGroups : currentPage());
}

void TForm1::PreferencesClick() {
  TPrefForm form(prefs_, store_, c_.prompts(), this);
  // The box sets the flag of every flight group on each click: an edit.
  connect(&form, &TPrefForm::autolinkChanged, this,
          [this](bool on) { c_.apply(storeAutolinkEverywhere(on, c_.document())); });
  c_.prompts().runModal(form);
  files_.preferencesChanged();
  session_.recovery.preferencesChanged();
  map_->preferencesChanged();
  fgModel_->refreshAll(); // dimming of absent flight groups is a preference
}

void TForm1::AboutClick() {
  // Where the settings live, so a designer can back them up or clear them.
  c_.prompts().showInformation(
      FileCommands::programTitle() +
      QStringLiteral("\nA mission editor for X-Wing Alliance.\n"
                     "Free software under the MIT licence.\n\nSettings: %1")
          .arg(QDir::toNativeSeparators(store_.settings().fileName())));
}

void TForm1::showCheckResults(const CheckResult& result) {
  CheckerSession& checker = session_.checker;
  TErrForm form(result, checker.omitWarnings(),
                {checker.limitWarnings(), checker.limitsChecked(), checker.logicFindings(),
                 checker.logicChecked()},
                this);
  connect(&form, &TErrForm::omitWarningsChanged, &checker, &CheckerSession::setOmitWarnings);
  connect(&form, &TErrForm::checkLimitsChanged, &checker, &CheckerSession::setLimitsChecked);
  connect(&form, &TErrForm::checkLogicChanged, &checker, &CheckerSession::setLogicChecked);
  c_.prompts().runModal(form);
}

void TForm1::buildTeamBar() {
  // "Cycle Current Team": a click goes to the next team (after the tenth,
  // the first); the drop-down lists the ten teams by name.
  QToolBar* bar = addToolBar(QStringLiteral("Palette"));
  bar->setObjectName(QStringLiteral("PaletteBar"));
  auto* drop = new QToolButton(bar);
  drop->setObjectName(QStringLiteral("TeamDrop"));
  drop->setText(QStringLiteral("Cycle Current Team"));
  drop->setToolTip(QStringLiteral("Cycle Current Team"));
  drop->setPopupMode(QToolButton::MenuButtonPopup);
  auto* menu = new QMenu(drop);
  menu->setObjectName(QStringLiteral("TeamMenu"));
  drop->setMenu(menu);
  connect(menu, &QMenu::aboutToShow, this, [this, menu] {
    menu->clear();
    const std::vector<std::string> names = teamNameList(c_.document());
    for (int t = 0; t < static_cast<int>(names.size()); ++t) {
      QAction* a = menu->addAction(pages::fromBytes(names[static_cast<std::size_t>(t)]));
      a->setCheckable(true);
      a->setChecked(t == c_.state().currentTeam);
      connect(a, &QAction::triggered, this, [this, t] { c_.setCurrentTeam(t); });
    }
  });
  connect(drop, &QToolButton::clicked, this,
          [this] { c_.setCurrentTeam(cycledTeam(c_.state().currentTeam)); });
  bar->addWidget(drop);
}

void TForm1::buildToolWindows() {
  datapad_ = new TDatapad(c_, *actions_, this);
  actions_->attachEditing(datapad_);
  QAction* show = (*actions_)[Act::Datapad];
  connect(show, &QAction::toggled, datapad_, &QWidget::setVisible);
  connect(datapad_, &TDatapad::visibilityChanged, show, &QAction::setChecked);
  shipExt_ = new TShipExt(c_, *actions_, this);
  actions_->attachEditing(shipExt_);
  connect(shipExt_, &TShipExt::backdropPickerRequested, this,
          [this] { TBDropForm::chooseBackdrop(c_, session_.backdropNames, shipExt_); });
  connect(datapad_, &TDatapad::extrasRequested, this, [this] {
    shipExt_->show();
    shipExt_->raise();
  });
}

void TForm1::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (toolWindowsPlaced_) return;
  toolWindowsPlaced_ = true;
  if (auto* split = findChild<QSplitter*>(QStringLiteral("MainSplitter"));
      split && !prefs_.splitterState.isEmpty())
    listWidthChosen_ = split->restoreState(prefs_.splitterState);
  fitListToLines();
  (*actions_)[Act::Datapad]->setChecked(prefs_.dpo);
  if (!prefs_.datapadGeometry.isEmpty() && datapad_->restoreGeometry(prefs_.datapadGeometry))
    return;
  // The details window starts beside the main window's right edge, inside
  // the screen.
  datapad_->adjustSize();
  QRect r(QPoint(0, 0), datapad_->sizeHint());
  r.moveTopRight(frameGeometry().topRight() + QPoint(-8, 60));
  if (const QScreen* screen = this->screen()) {
    const QRect avail = screen->availableGeometry();
    if (r.right() > avail.right()) r.moveRight(avail.right());
  }
  datapad_->move(r.topLeft());
}

namespace {

// The local mission file among dropped URLs, if there is exactly one.
QString droppedMission(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().constFirst();
  if (!url.isLocalFile()) return {};
  const QString path = url.toLocalFile();
  return path.endsWith(QStringLiteral(".tie"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* e) {
  if (!droppedMission(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* e) {
  const QString path = droppedMission(e->mimeData());
  if (path.isEmpty()) return;
  e->acceptProposedAction();
  if (files_.confirmDiscard()) files_.openPath(path);
}

void TForm1::closeEvent(QCloseEvent* e) {
  if (!files_.canClose()) {
    e->ignore();
    return;
  }
  // Saved or thrown away by choice: nothing is left to recover.
  session_.recovery.closing();
  prefs_.mainGeometry = saveGeometry();
  prefs_.mainState = saveState();
  prefs_.wmx = isMaximized();
  prefs_.dpo = datapad_->isVisible();
  prefs_.datapadGeometry = datapad_->saveGeometry();
  if (auto* split = findChild<QSplitter*>(QStringLiteral("MainSplitter")))
    prefs_.splitterState = split->saveState();
  saveMapLayout();
  if (!store_.save(prefs_, files_.history())) {
    c_.prompts().showError(QStringLiteral("Error saving History."));
  }
  e->accept();
}

} // namespace zephlo
