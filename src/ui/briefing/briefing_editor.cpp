#include "ui/briefing/briefing_editor.h"

#include "core/lists/mission_list.h"
#include "ui/briefing/briefing_actions.h"
#include "ui/briefing/briefing_map_page.h"
#include "ui/briefing/briefing_session.h"
#include "ui/briefing/briefing_side_panel.h"
#include "ui/briefing/briefing_strings_page.h"
#include "ui/briefing/instruction_list_page.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zephlo {

using pages::fromBytes;
using pages::toBytes;

TBrfForm::TBrfForm(EditingDocument& doc, ActionRegistry& registry, QWidget* parent)
    : QWidget(parent, Qt::Window), doc_(doc) {
  setObjectName(QStringLiteral("TBrfForm"));
  setAttribute(Qt::WA_DeleteOnClose);

  // A stream whose length cannot be real is mended before anything reads it.
  auto repaired = std::make_shared<bool>(false);
  doc_.apply(repairBriefingOperation(repaired));
  if (*repaired)
    doc_.prompts().showInformation(
        QStringLiteral("Briefing structure is inconsistent, attempting to correct it..."));

  actions_ = std::make_unique<BriefingActions>(registry);
  session_ = new BriefingSession(doc_, this);
  BrfPages = new QTabWidget(this);
  BrfPages->setObjectName(QStringLiteral("BrfPages"));
  mapPage_ = new BriefingMapPage(*session_, *actions_, BrfPages);
  listPage_ = new InstructionListPage(*session_, *actions_, BrfPages);
  stringsPage_ = new BriefingStringsPage(*session_, BrfPages);
  BrfPages->addTab(mapPage_, QStringLiteral("WYSIWYG"));
  BrfPages->addTab(listPage_, QStringLiteral("Instruction List"));
  BrfPages->addTab(stringsPage_, QStringLiteral("Strings"));
  side_ = new BriefingSidePanel(*session_, registry, this);
  auto* column = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  row->addWidget(BrfPages, 1);
  row->addWidget(side_);
  column->addLayout(row, 1);
  // Says why the mouse did nothing on the map.
  statusLine_ = new QStatusBar(this);
  statusLine_->setObjectName(QStringLiteral("BrfStatus"));
  statusLine_->setSizeGripEnabled(false);
  column->addWidget(statusLine_);
  connect(session_, &BriefingSession::told, statusLine_,
          [this](const QString& text) { statusLine_->showMessage(text); });

  for (QAction* a : actions_->inserts)
    connect(a, &QAction::triggered, this,
            [this, code = static_cast<std::uint16_t>(a->data().toInt())] { insertCommand(code); });
  connect(BrfPages, &QTabWidget::currentChanged, this, &TBrfForm::pageChanging);
  connect(mapPage_, &BriefingMapPage::insertingChanged, this, &TBrfForm::insertingChanged);
  connect(&doc_, &EditingDocument::documentChanged, this, &TBrfForm::documentChanged);
  // Another mission replaces the one this window edits.
  connect(&doc_, &EditingDocument::documentReplaced, this, &QWidget::close);
  // Save As gives the mission another file name, and maybe another description.
  connect(&doc_, &EditingDocument::fileNameChanged, this, [this] {
    refreshCaption();
    refreshTitleStrip();
  });

  refreshCaption();
  refreshTitleStrip();
  session_->settle();
  resize(1180, 760);
}

TBrfForm::~TBrfForm() {
  // The pages go before the tabs that hold them; the window no longer listens.
  BrfPages->disconnect(this);
}

BriefingPlayback& TBrfForm::playback() { return session_->playback(); }
BrfMode TBrfForm::insertMode() const { return mapPage_->mode(); }
int TBrfForm::selectedIcon() const { return session_->selectedIcon(); }
int TBrfForm::selectedInstruction() const { return listPage_->selected(); }
BriefingMapPoint TBrfForm::mapPointAt(QPoint pixel) const { return mapPage_->mapPointAt(pixel); }
QPoint TBrfForm::pixelOf(BriefingMapPoint map) const { return mapPage_->pixelOf(map); }

void TBrfForm::insertCommand(std::uint16_t code) {
  if (insertMode() != BrfMode::None) return;
  if (BrfPages->currentWidget() == mapPage_)
    mapPage_->insert(code);
  else
    listPage_->insert(code);
}

void TBrfForm::documentChanged(const Change& change) {
  if (change.teams[0]) refreshCaption();
  if (change.teams.any()) side_->showTeams();
  if (change.briefing) {
    const bool listChanged = session_->takeBriefing();
    if (listChanged && !session_->applying()) {
      // Undo, redo or another window: the briefing shows as it now stands,
      // and an insert mode begun on the old one ends.
      mapPage_->leaveMode();
      session_->rewindForEditing();
    }
    side_->showHeader();
    stringsPage_->showStrings();
    // The clock's range and the picture follow; the map repaints here.
    session_->settle();
  }
  listPage_->documentChanged(change);
  mapPage_->documentChanged(change);
}

void TBrfForm::pageChanging(int index) {
  if (BrfPages->widget(index) == mapPage_) {
    mapPage_->opened();
  } else {
    session_->halt();
    session_->settle();
  }
}

void TBrfForm::insertingChanged(bool on) {
  side_->setInserting(on);
  // The page cannot be left until the insert ends.
  for (int i = 0; i < BrfPages->count(); ++i)
    if (BrfPages->widget(i) != mapPage_) BrfPages->setTabEnabled(i, !on);
}

void TBrfForm::refreshCaption() {
  const Document& d = doc_.document();
  setWindowTitle(QStringLiteral("Briefing Editor - (") + fromBytes(fileNameOf(d.fileName)) +
                 QStringLiteral(")           ") + QString(30, QLatin1Char(' ')) +
                 fromBytes(d.teams[0].name()));
}

void TBrfForm::refreshTitleStrip() {
  QString text = QStringLiteral("<Mission Description from .lst file>");
  const std::string game = toBytes(doc_.preferences().gameDir);
  if (auto path = missionListPath(game, ListFolder::Missions)) {
    if (auto lines = readMissionList(*path)) {
      if (auto found = missionDescription(*lines, fileNameOf(doc_.document().fileName)))
        text = fromBytes(*found);
    }
  }
  mapPage_->showTitle(text);
}

void TBrfForm::keyPressEvent(QKeyEvent* e) {
  // An insert mode ends with its own buttons, or with Escape as "Cancel".
  if (e->key() == Qt::Key_Escape && insertMode() != BrfMode::None) {
    actions_->cancel->trigger();
    return;
  }
  QWidget::keyPressEvent(e);
}

} // namespace zephlo
