// The main window's dialogs, side files and tools: the mission header, the
// text sections, the voice manager panel, the mission lists and the
// hyperbuoy and backdrop tools.
#include "core/map/backdrops.h"
#include "core/mission/list_lines.h"
#include "core/mission/team_edits.h"
#include "platform/preferences.h"
#include "ui/details/details_window.h"
#include "ui/editing/action_registry.h"
#include "ui/editing/editor_session.h"
#include "ui/editing/path_text.h"
#include "ui/main/list_models.h"
#include "ui/main/main_window.h"
#include "ui/map/hyperbuoy_wizard.h"
#include "ui/side/header_dialog.h"
#include "ui/side/load_by_list_dialog.h"
#include "ui/side/mission_list_editor.h"
#include "ui/side/mission_logic_window.h"
#include "ui/side/text_sections_window.h"
#include "ui/side/voice_panel.h"

#include <QAction>
#include <QCoreApplication>
#include <QLayout>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>

namespace zephlo {

namespace {
constexpr int kEndLines = 6;
} // namespace

void TForm1::buildDialogs() {
  ActionRegistry& a = *actions_;
  const bool editorFolderSet = !prefs_.editorDir.isEmpty() && prefs_.editorDir != "Undefined";
  loadBackdropNames(editorFolderSet ? prefs_.editorDir : QCoreApplication::applicationDirPath());
  connect(a[Act::HeaderDialog], &QAction::triggered, this, [this] { THeaderForm::edit(c_, this); });
  connect(a[Act::ListEditor], &QAction::triggered, this, [this] { TlstForm::run(c_, this); });
  connect(a[Act::LoadByList], &QAction::triggered, this, [this] {
    if (!files_.confirmDiscard()) return;
    if (auto path = TLBLForm::choose(c_, this)) files_.openPath(*path);
  });
  connect(a[Act::Hyperbuoys], &QAction::triggered, this, [this] { THyperForm::run(c_, this); });
  connect(a[Act::AddBackdrop], &QAction::triggered, this,
          [this] { c_.apply(addDefaultBackdropOperation(c_.templates())); });

  // Menus: File gets "Load by lst", View the two windows, and a Tools menu
  // sits before Region.
  const QList<QAction*> menus = menuBar()->actions();
  auto menuNamed = [&menus](const QString& title) -> QMenu* {
    for (QAction* m : menus) {
      if (m->text() == title) return m->menu();
    }
    return nullptr;
  };
  if (QMenu* file = menuNamed(QStringLiteral("&File"))) file->addAction(a[Act::LoadByList]);
  if (QMenu* view = menuNamed(QStringLiteral("&View")))
    view->addActions({a[Act::TextSections], a[Act::WavManager]});
  auto* tools = new QMenu(QStringLiteral("&Tools"), this);
  tools->setObjectName(QStringLiteral("ToolsMenu"));
  tools->addActions({a[Act::Hyperbuoys], a[Act::AddBackdrop]});
  QAction* before = nullptr;
  for (QAction* m : menus) {
    if (m->text() == QStringLiteral("&Region")) before = m;
  }
  menuBar()->insertMenu(before, tools);

  // Mission parameters, Briefing Editor, Edit .lst files.
  QToolBar* mission = missionBar();
  const QList<QAction*> shown = mission->actions();
  mission->insertAction(shown.isEmpty() ? nullptr : shown.first(), a[Act::HeaderDialog]);
  mission->addAction(a[Act::ListEditor]);
  if (auto* windows = findChild<QToolBar*>(QStringLiteral("WindowBar"))) {
    windows->addActions({a[Act::TextSections], a[Act::WavManager]});
    windows->widgetForAction(a[Act::TextSections])->setObjectName(QStringLiteral("DescBtn"));
    windows->widgetForAction(a[Act::WavManager])->setObjectName(QStringLiteral("ShowWAVman"));
  }
  fgPopup_->addSeparator();
  QAction* addBuoys = a.alias(a[Act::Hyperbuoys], QStringLiteral("Add Hyperbuoys..."), fgPopup_);
  addBuoys->setObjectName(QStringLiteral("AddHyperbuoys1"));
  QAction* addBackdrop = a.alias(a[Act::AddBackdrop], QStringLiteral("Add Backdrop"), fgPopup_);
  addBackdrop->setObjectName(QStringLiteral("AddBackdrop1"));
  fgPopup_->addActions({addBuoys, addBackdrop});

  // Text sections: a tool window kept for the run, so it comes back where
  // it was and on the tab last shown.
  memo_ = new TMemoForm(c_, this);
  a.attachEditing(memo_);
  connect(a[Act::TextSections], &QAction::toggled, memo_, &QWidget::setVisible);
  connect(memo_, &TMemoForm::visibilityChanged, a[Act::TextSections], &QAction::setChecked);

  // "Mission Logic": the web of triggers, made when first shown.
  QAction* logic = a.add({QStringLiteral("MissionLogicAction"),
                          QStringLiteral("Mission &Logic"),
                          QStringLiteral("Mission Logic"),
                          QStyle::SP_CustomBase,
                          {},
                          true});
  if (QMenu* view = menuNamed(QStringLiteral("&View"))) view->addAction(logic);
  connect(logic, &QAction::toggled, this, [this, logic](bool on) {
    if (!logicWindow_) {
      if (!on) return;
      logicWindow_ = new MissionLogicWindow(c_, this);
      actions_->attachEditing(logicWindow_);
      connect(logicWindow_, &MissionLogicWindow::visibilityChanged, logic, &QAction::setChecked);
    }
    logicWindow_->setVisible(on);
  });

  // The voice manager sits under the message list.
  wavPanel_ = new WavPanel(c_, session_.voices, *actions_, MsgStrList->parentWidget());
  MsgStrList->parentWidget()->layout()->addWidget(wavPanel_);
  wavPanel_->hide();
  connect(a[Act::WavManager], &QAction::toggled, this, [this](bool on) {
    wavPanel_->setShown(on);
    c_.setVoicePanelVisible(on);
  });
  connect(MsgStrList, &QListView::doubleClicked, a[Act::WavManager], &QAction::toggle);
  connect(wavPanel_, &WavPanel::endMessagesToggled, this, &TForm1::setEndMessageMode);
  wavPanel_->setPageShowing(currentPage() == MainPage::Messages);
  connect(OverallPages, &QTabWidget::currentChanged, this, [this](int page) {
    wavPanel_->setPageShowing(page == static_cast<int>(MainPage::Messages));
  });
  connect(&c_, &EditingDocument::stateChanged, this, [this] {
    // The team whose end-of-mission lines show may have changed.
    if (endMsgMode_) msgModel_->refreshAll();
  });
}

void TForm1::loadBackdropNames(const QString& editorFolder) {
  session_.backdropNames.reset();
  auto names = readBackdropNames(toPath(editorFolder + QStringLiteral("/Backdrops.txt")));
  if (!names) {
    c_.prompts().showError(fromMessage(names.error().message));
    return;
  }
  session_.backdropNames = std::move(*names);
}

int TForm1::messageRows() const {
  return endMsgMode_ ? kEndLines : static_cast<int>(c_.document().messages.size());
}

std::string TForm1::messageLine(int row) const {
  const Document& doc = c_.document();
  if (!endMsgMode_) return msgLineText(doc, row, doc.voiceEntries);
  const auto team = static_cast<std::size_t>(c_.state().currentTeam);
  return endText(doc.teams.at(team), row + 1);
}

void TForm1::setEndMessageMode(bool on) {
  if (endMsgMode_ == on) return;
  endMsgMode_ = on;
  // The end-of-mission lines take the editing window's place while they show.
  if (on) {
    endModeHidDatapad_ = (*actions_)[Act::Datapad]->isChecked();
    (*actions_)[Act::Datapad]->setChecked(false);
  } else if (endModeHidDatapad_) {
    (*actions_)[Act::Datapad]->setChecked(true);
  }
  msgModel_->reset();
  syncing_ = true;
  if (on) {
    MsgStrList->setCurrentIndex(msgModel_->index(0));
  } else {
    c_.setMessageSelection({c_.state().currentMsg});
  }
  syncing_ = false;
  if (on)
    wavPanel_->setEndLine(0);
  else
    showSelections();
}

void TForm1::endLineSelected(int line) { wavPanel_->setEndLine(line); }

} // namespace zephlo
