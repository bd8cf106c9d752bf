#include "ui/details/details_window.h"

#include "core/check/clipboards.h"
#include "core/mission/shared_values.h"
#include "core/mission/store_values.h"
#include "ui/details/condition_tool_window.h"
#include "ui/editing/action_registry.h"
#include "ui/editing/document_follower.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zephlo {

using namespace pages;

TDatapad::TDatapad(EditingDocument& controller, ActionRegistry& actions, QWidget* parent)
    : ToolWindow(parent, Qt::Tool), c_(controller), fields_(controller) {
  setObjectName(QStringLiteral("Datapad"));
  setWindowTitle(QStringLiteral("Flight Group Details"));

  FGPages = new QTabWidget(this);
  FGPages->setObjectName(QStringLiteral("FGPages"));
  // Every page's tab shows at once: the window is as wide as its tabs.
  FGPages->setUsesScrollButtons(false);
  FGPages->setElideMode(Qt::ElideNone);
  buildShipPage();
  buildOptionsPage();
  buildRolePage();
  buildArrivalPages();
  buildFGGoalsPage();
  buildOrderPages();
  buildGGoalsPage();
  buildMessagePage();
  buildMothersPanel();

  CondTool = new TCondToolForm(controller, lists_, this);
  CondTool->setCancelLabels(Cond5Lab, Cond6Lab);
  buildCommands(actions);
  loadClipboards();

  auto* top = new QHBoxLayout;
  top->addWidget(FGPages, 1);
  top->addWidget(MothersPanel);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(top);
  layout->addWidget(CondTool);

  follower_ = new DocumentFollower(c_, this, [this](const ViewUpdate& u) { refresh(u); });
  // Only the page shown is kept up to date: another page is filled afresh.
  connect(FGPages, &QTabWidget::currentChanged, this, [this] { follower_->refreshAll(); });
  // Filled once now: the page decides which panels show, and so the
  // window's size before it first shows.
  follower_->refreshAll();
}

TDatapad::~TDatapad() = default;

DatapadPage TDatapad::currentPage() const {
  return static_cast<DatapadPage>(FGPages->currentIndex());
}

void TDatapad::showPage(DatapadPage page) { FGPages->setCurrentIndex(static_cast<int>(page)); }

void TDatapad::buildMothersPanel() {
  MothersPanel = new QGroupBox(fromBytes(mothershipPanelTitle(false)), this);
  MothersPanel->setObjectName(QStringLiteral("MothersPanel"));
  auto* l = new QVBoxLayout(MothersPanel);
  ArrMotherBox = pages::combo(MothersPanel, "ArrMotherBox", {});
  ArrAltmotherBox = pages::combo(MothersPanel, "ArrAltmotherBox", {});
  for (QComboBox* b : {ArrMotherBox, ArrAltmotherBox})
    b->setMinimumWidth(140);
  l->addWidget(caption(MothersPanel, QStringLiteral("Via:"), ArrMotherBox));
  l->addWidget(ArrMotherBox);
  l->addWidget(caption(MothersPanel, QStringLiteral("Alternative:"), ArrAltmotherBox));
  l->addWidget(ArrAltmotherBox);
  l->addStretch();
  // The departure page edits the departure motherships; every other page
  // the arrival ones.
  connect(ArrMotherBox, &QComboBox::activated, this,
          [this](int item) { MotherStoreChange(false, item); });
  connect(ArrAltmotherBox, &QComboBox::activated, this,
          [this](int item) { MotherStoreChange(true, item); });
}

void TDatapad::buildCommands(ActionRegistry& actions) {
  command(actions, ExtBtn, "ExtrasAction", QStringLiteral("Extras..."),
          QStringLiteral("Flight group extras"), this, [this] { emit extrasRequested(); });
  const QString add = QStringLiteral("Add to Clipboard");
  command(actions, AddOrderBtn, "AddOrderAction", QStringLiteral("+"), add, this,
          [this] { AddOrderBtnClick(); });
  CondTool->setAddAction(command(actions, nullptr, "AddTriggerAction", QStringLiteral("+"), add,
                                 CondTool, [this] { CondTool->AddToClipBtnClick(); }));
}

void TDatapad::loadClipboards() {
  // The clipboards live in the editor's folder when one is set, else in the
  // user's data folder for the program.
  QString folder = c_.preferences().editorDir;
  if (!QFileInfo(folder).isDir()) {
    folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
  }
  const std::string dir = QFile::encodeName(folder).toStdString();
  orders_ = std::make_unique<OrderClipboard>(std::filesystem::path(dir) / kOrderClipboardFile);
  if (Status s = orders_->load(); !s)
    c_.prompts().showError(QString::fromStdString(s.error().message));
  CondTool->setClipboardFolder(dir);
}

bool TDatapad::eventFilter(QObject* watched, QEvent* event) {
  // The cancel triggers' labels on the message page pick slots 5 and 6.
  if (event->type() == QEvent::MouseButtonPress && (watched == Cond5Lab || watched == Cond6Lab)) {
    CondTool->selectSlot(watched == Cond5Lab ? 5 : 6);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

namespace {

CondPage condPageOf(DatapadPage p) {
  switch (p) {
  case DatapadPage::Arrival: return CondPage::Arrival;
  case DatapadPage::Departure: return CondPage::Departure;
  case DatapadPage::Jump: return CondPage::Jump;
  case DatapadPage::FGGoals: return CondPage::FGGoals;
  case DatapadPage::GGoals: return CondPage::GlobalGoals;
  case DatapadPage::Msg: return CondPage::Message;
  default: return CondPage::Other;
  }
}

} // namespace

void TDatapad::refresh(const ViewUpdate& u) {
  ++filling_;
  const Document& d = c_.document();
  if (u.lists()) lists_ = buildMissionLists(d);
  if (u.flightGroupMoved()) {
    const bool fgs = !d.flightGroups.empty();
    for (QWidget* p : {Ship, Options, Role, Arrival, Departure, FGGoals, OrderPage, Jump})
      p->setEnabled(fgs);
    MothersPanel->setEnabled(fgs);
  }
  switch (currentPage()) {
  case DatapadPage::Ship: fillShip(u); break;
  case DatapadPage::Options: fillOptions(u); break;
  case DatapadPage::Role: fillRole(u); break;
  case DatapadPage::Arrival: fillArrival(u); break;
  case DatapadPage::Departure: fillDeparture(u); break;
  case DatapadPage::FGGoals: fillFGGoals(u); break;
  case DatapadPage::Orders: fillOrders(u); break;
  case DatapadPage::Jump: fillJump(u); break;
  case DatapadPage::GGoals: fillGGoals(u); break;
  case DatapadPage::Msg: fillMsg(u); break;
  }
  fillMothers(u);
  fillCaption();
  CondTool->follow(condPageOf(currentPage()), c_.state().currentGlobalGoal, u);
  --filling_;
}

// The caption names what the page edits and, when an edit writes into
// several, how many: "Flight Group Details – X-W Red 1 (3 selected)".
void TDatapad::fillCaption() {
  QString caption = QStringLiteral("Flight Group Details");
  const EditorState& st = c_.state();
  if (currentPage() == DatapadPage::Msg) {
    if (hasMessage())
      caption += QStringLiteral(" – Message %1").arg(st.currentMsg + 1) +
                 fromBytes(selectedCountText(msgSelection(st).size()));
  } else if (hasFlightGroup() && static_cast<std::size_t>(st.currentFG) < lists_.fgNames.size()) {
    caption += QStringLiteral(" – ") +
               fromBytes(lists_.fgNames[static_cast<std::size_t>(st.currentFG)]) +
               fromBytes(selectedCountText(fgSelection(st).size()));
  }
  if (windowTitle() != caption) setWindowTitle(caption);
}

void TDatapad::apply(const Operation& op) {
  if (filling()) return;
  c_.apply(op);
}

} // namespace zephlo
