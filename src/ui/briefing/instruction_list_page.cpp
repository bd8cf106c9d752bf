#include "ui/briefing/instruction_list_page.h"

#include "core/briefing/instruction_form.h"
#include "core/briefing/instruction_lines.h"
#include "ui/briefing/briefing_actions.h"
#include "ui/briefing/briefing_session.h"
#include "ui/briefing/instruction_fields_panel.h"
#include "ui/editing/action_registry.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace zephlo {

using pages::fromBytes;

InstructionListPage::InstructionListPage(BriefingSession& session, const BriefingActions& actions,
                                         QWidget* parent)
    : QWidget(parent), session_(session) {
  setObjectName(QStringLiteral("ListPage"));
  auto* row = new QHBoxLayout(this);
  InstList = new QListWidget(this);
  InstList->setObjectName(QStringLiteral("InstList"));
  pages::blackBase(InstList);
  // The lines line up in columns with blanks: a fixed-pitch font keeps them.
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(InstList->font().pointSizeF());
  InstList->setFont(fixed);
  InstList->setContextMenuPolicy(Qt::CustomContextMenu);
  InstList->installEventFilter(this);
  row->addWidget(InstList, 1);

  auto* side = new QWidget(this);
  side->setMaximumWidth(380);
  auto* col = new QVBoxLayout(side);
  col->setContentsMargins(0, 0, 0, 0);
  fields_ = new InstructionFieldsPanel(side);
  col->addWidget(fields_);
  auto* buttons = new QGridLayout;
  auto wide = [side](const char* name, QAction* a) {
    QToolButton* b = commandButton(side, name, a);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
  };
  buttons->addWidget(wide("DeleteInstBtn", actions.deleteInst), 0, 0, 1, 2);
  buttons->addWidget(wide("MoveUpBtn", actions.moveUp), 1, 0);
  buttons->addWidget(wide("MoveDownBtn", actions.moveDown), 1, 1);
  auto* insertBtn = new QToolButton(side);
  insertBtn->setObjectName(QStringLiteral("InsertBtn"));
  insertBtn->setText(QStringLiteral("Insert"));
  insertBtn->setPopupMode(QToolButton::InstantPopup);
  insertBtn->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  auto* insertMenu = new QMenu(insertBtn);
  for (QAction* a : actions.inserts)
    insertMenu->addAction(a);
  insertBtn->setMenu(insertMenu);
  buttons->addWidget(insertBtn, 2, 0, 1, 2);
  col->addLayout(buttons);
  col->addStretch(1);
  row->addWidget(side);

  listPopup_ = new QMenu(this);
  listPopup_->setObjectName(QStringLiteral("ListPopUp"));
  for (QAction* a : actions.inserts)
    listPopup_->addAction(a);
  listPopup_->addSeparator();
  const ActionRegistry& r = actions.registry;
  listPopup_->addAction(r.alias(actions.deleteInst, QStringLiteral("&Delete"), listPopup_));
  listPopup_->addAction(r.alias(actions.moveUp, QStringLiteral("Move &up"), listPopup_));
  listPopup_->addAction(r.alias(actions.moveDown, QStringLiteral("Move do&wn"), listPopup_));

  connect(InstList, &QListWidget::currentRowChanged, this, [this](int r) {
    if (r < 0) return;
    selected_ = r;
    showFields();
  });
  connect(InstList, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { listPopup_->popup(InstList->viewport()->mapToGlobal(at)); });
  connect(actions.deleteInst, &QAction::triggered, this, &InstructionListPage::DeleteInstBtnClick);
  connect(actions.moveUp, &QAction::triggered, this, &InstructionListPage::MoveUpBtnClick);
  connect(actions.moveDown, &QAction::triggered, this, &InstructionListPage::MoveDownBtnClick);
  connect(fields_, &InstructionFieldsPanel::edited, this,
          [this](const TCommandObject& item, const QString& name, const QString& control) {
            auto where = std::make_shared<int>(selected_);
            if (session_.apply(changeBriefingInstruction(selected_, item, where, name.toStdString(),
                                                         control.toStdString())))
              select(*where);
          });
  fillList();
  select(0);
}

void InstructionListPage::documentChanged(const Change& change) {
  if (change.briefing || change.header) fillList();
  if (change.briefing || change.header || renamesFlightGroups(change)) showFields();
}

void InstructionListPage::fillList() {
  const Document& d = session_.document();
  const InstructionLineContext ctx{d.briefing.tags, d.briefing.texts, briefingRegionNames(d)};
  const InstructionList& list = session_.playback().list();
  const int n = static_cast<int>(list.size());
  const QSignalBlocker block(InstList);
  while (InstList->count() > n)
    delete InstList->takeItem(InstList->count() - 1);
  for (int i = 0; i < n; ++i) {
    const QString line = fromBytes(instructionLine(list[static_cast<std::size_t>(i)], ctx));
    if (i < InstList->count()) {
      if (InstList->item(i)->text() != line) InstList->item(i)->setText(line);
    } else {
      InstList->addItem(line);
    }
  }
  selected_ = std::clamp(selected_, 0, n - 1);
  if (InstList->currentRow() != selected_) InstList->setCurrentRow(selected_);
}

void InstructionListPage::select(int position) {
  selected_ = std::clamp(position, 0, static_cast<int>(session_.playback().list().size()) - 1);
  {
    const QSignalBlocker block(InstList);
    InstList->setCurrentRow(selected_);
  }
  showFields();
}

void InstructionListPage::showFields() {
  fields_->showInstruction(session_.playback().list(), selected_, session_.document());
}

void InstructionListPage::insert(std::uint16_t code) {
  const InstructionList& list = session_.playback().list();
  const InstructionInsert ins = insertOnListPageStep(
      insertCommandItem(code, list, selected_, session_.selectedIcon(), session_.lastRotation()),
      selected_);
  if (!session_.apply(ins.op)) return;
  if (!ins.warning->empty()) session_.editing().prompts().showInformation(fromBytes(*ins.warning));
  select(*ins.where);
}

void InstructionListPage::DeleteInstBtnClick() {
  if (!canDeleteInstruction(session_.playback().list(), selected_)) return;
  if (session_.editing().preferences().confirmDeletes &&
      !session_.editing().prompts().askYesNo(
          QStringLiteral("Delete Current Instruction - Are You Sure?")))
    return;
  const int at = selected_;
  if (session_.apply(deleteBriefingInstruction(at))) select(at);
}

void InstructionListPage::MoveUpBtnClick() { move(true); }

void InstructionListPage::MoveDownBtnClick() { move(false); }

void InstructionListPage::move(bool up) {
  auto where = std::make_shared<int>(selected_);
  if (session_.apply(moveBriefingInstruction(selected_, up, where))) select(*where);
}

bool InstructionListPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == InstList && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    DeleteInstBtnClick();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

} // namespace zephlo
