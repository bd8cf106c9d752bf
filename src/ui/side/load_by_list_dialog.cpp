#include "ui/side/load_by_list_dialog.h"

#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"
#include "ui/editing/path_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace zephlo {

TLBLForm::TLBLForm(EditingDocument& c, QWidget* parent) : QDialog(parent), c_(c) {
  setObjectName(QStringLiteral("TLBLForm"));
  setWindowTitle(QStringLiteral("Load by .lst"));
  auto* layout = new QVBoxLayout(this);
  TabControl1 = new QTabBar(this);
  TabControl1->setObjectName(QStringLiteral("TabControl1"));
  TabControl1->addTab(QStringLiteral("Campaign"));
  TabControl1->addTab(QStringLiteral("Melee"));
  layout->addWidget(TabControl1);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  pages::blackBase(ListBox1);
  layout->addWidget(ListBox1);
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  layout->addWidget(Label1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("OKBtn"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  resize(420, 520);

  connect(TabControl1, &QTabBar::currentChanged, this, &TLBLForm::TabControl1Change);
  connect(ListBox1, &QListWidget::currentRowChanged, this, &TLBLForm::ListBox1Click);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TLBLForm::OKBtnClick);
  connect(ok, &QPushButton::clicked, this, &TLBLForm::OKBtnClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  TabControl1Change();
}

ListFolder TLBLForm::folder() const {
  return TabControl1->currentIndex() == 1 ? ListFolder::Melee : ListFolder::Missions;
}

void TLBLForm::TabControl1Change() {
  auto path = missionListPath(toPath(gameFolderOf(c_)), folder());
  Result<ListLines> lines = path ? readMissionList(*path) : Result<ListLines>(path.error());
  // The list shown before goes either way: its entries name missions of the
  // other folder, and OK would open the wrong one.
  choices_.clear();
  ListBox1->clear();
  Label1->clear();
  if (!lines) {
    c_.prompts().showError(fromMessage(lines.error().message));
    return;
  }
  choices_ = loadByListChoices(*lines);
  for (const ListChoice& choice : choices_) {
    auto* item = new QListWidgetItem(pages::fromBytes(choice.text), ListBox1);
    if (choice.bold) {
      QFont f = item->font();
      f.setBold(true);
      item->setFont(f);
    }
  }
  Label1->clear();
}

void TLBLForm::ListBox1Click() {
  const int row = ListBox1->currentRow();
  if (row < 0 || row >= static_cast<int>(choices_.size())) return;
  Label1->setText(
      pages::fromBytes(entryFileName(choices_[static_cast<std::size_t>(row)].fileEntry)));
}

void TLBLForm::OKBtnClick() {
  hide();
  const int row = ListBox1->currentRow();
  if (row >= 0 && row < static_cast<int>(choices_.size())) {
    auto r = missionForChoice(toPath(gameFolderOf(c_)), folder(),
                              choices_[static_cast<std::size_t>(row)]);
    if (!r)
      c_.prompts().showError(fromMessage(r.error().message));
    else
      chosen_ = *r;
  }
  accept();
}

std::optional<QString> TLBLForm::choose(EditingDocument& c, QWidget* parent) {
  TLBLForm form(c, parent);
  c.prompts().runModal(form);
  if (!form.chosen()) return std::nullopt;
  return fromPath(form.chosen()->string());
}

} // namespace zephlo
