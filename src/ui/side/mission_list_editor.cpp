#include "ui/side/mission_list_editor.h"

#include "core/lists/text_lines.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"
#include "ui/editing/path_text.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zephlo {

namespace {

QPlainTextEdit* memo(QWidget* parent, const char* name) {
  auto* m = new QPlainTextEdit(parent);
  m->setObjectName(QString::fromLatin1(name));
  m->setLineWrapMode(QPlainTextEdit::NoWrap);
  return m;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

} // namespace

TlstForm::TlstForm(EditingDocument& c, QWidget* parent) : QDialog(parent), c_(c) {
  setObjectName(QStringLiteral("TlstForm"));
  setWindowTitle(QStringLiteral("Mission.lst Files"));
  auto* layout = new QHBoxLayout(this);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  auto* missionPg = new QWidget(PageControl1);
  missionPg->setObjectName(QStringLiteral("MissionPg"));
  auto* meleePg = new QWidget(PageControl1);
  meleePg->setObjectName(QStringLiteral("MeleePg"));
  page(ListFolder::Missions).memo = memo(missionPg, "MissionLstMemo");
  page(ListFolder::Melee).memo = memo(meleePg, "MeleeLstMemo");
  (new QVBoxLayout(missionPg))->addWidget(page(ListFolder::Missions).memo);
  (new QVBoxLayout(meleePg))->addWidget(page(ListFolder::Melee).memo);
  PageControl1->addTab(missionPg, QStringLiteral("Mission"));
  PageControl1->addTab(meleePg, QStringLiteral("Melee"));
  layout->addWidget(PageControl1, 1);

  auto* side = new QVBoxLayout;
  auto* entry = new QGroupBox(QStringLiteral("New Mission Entry"), this);
  auto* ef = new QFormLayout(entry);
  LstNum = pages::edit(entry, "LstNum", 6);
  LstNum->setReadOnly(true);
  Edit2 = pages::edit(entry, "Edit2", 260);
  Edit2->setReadOnly(true);
  Edit1 = pages::edit(entry, "Edit1", 255);
  AutoAddBut = pushButton(entry, "AutoAddBut", QStringLiteral("&Add"));
  ef->addRow(QStringLiteral("Next availiable #:"), LstNum);
  ef->addRow(QStringLiteral("Mission File"), Edit2);
  ef->addRow(QStringLiteral("Mission Description"), Edit1);
  ef->addRow(AutoAddBut);
  side->addWidget(entry);

  auto* battle = new QGroupBox(QStringLiteral("New Battle Header"), this);
  auto* bf = new QFormLayout(battle);
  BattleNum = pages::edit(battle, "BattleNum", 6);
  BattleNum->setReadOnly(true);
  BattleDesc = pages::edit(battle, "BattleDesc", 255);
  Button1 = pushButton(battle, "Button1", QStringLiteral("A&dd "));
  bf->addRow(QStringLiteral("Next Battle #:"), BattleNum);
  bf->addRow(QStringLiteral("Battle Name:"), BattleDesc);
  bf->addRow(Button1);
  side->addWidget(battle);

  auto* backup = pushButton(this, "BackupLstBtn", QStringLiteral("&Backup "));
  side->addWidget(backup);
  side->addStretch();
  auto* buttons = new QHBoxLayout;
  auto* ok = pushButton(this, "OKBtn", QStringLiteral("&OK"));
  auto* cancel = pushButton(this, "BitBtn1", QStringLiteral("&Cancel"));
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  side->addLayout(buttons);
  layout->addLayout(side);

  connect(AutoAddBut, &QPushButton::clicked, this, &TlstForm::AutoAddButClick);
  connect(Button1, &QPushButton::clicked, this, &TlstForm::Button1Click);
  connect(backup, &QPushButton::clicked, this, &TlstForm::BackupLstBtnClick);
  connect(ok, &QPushButton::clicked, this, &TlstForm::OKBtnClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // New entries go only into the campaign list.
  connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
    AutoAddBut->setEnabled(index == 0);
    Button1->setEnabled(index == 0);
  });
  resize(900, 560);
  FormActivate();
}

void TlstForm::readList(ListFolder which) {
  ListPage& p = page(which);
  p.path.reset();
  auto path = missionListPath(toPath(gameFolderOf(c_)), which);
  if (!path) {
    c_.prompts().showError(fromMessage(path.error().message));
    return;
  }
  auto lines = readMissionList(*path);
  if (!lines) {
    c_.prompts().showError(fromMessage(lines.error().message));
    // A missing list is made on OK; one that cannot be read is left alone.
    if (lines.error().kind == ErrorKind::Missing) p.path = *path;
    return;
  }
  setMemoLines(which, *lines);
  p.path = *path;
}

ListLines TlstForm::memoLines(ListFolder which) const {
  const QString text = pages_[static_cast<std::size_t>(which)].memo->toPlainText();
  ListLines out;
  if (text.isEmpty()) return out;
  for (const QString& line : text.split(QLatin1Char('\n')))
    out.push_back(pages::toBytes(line));
  return out;
}

void TlstForm::setMemoLines(ListFolder which, const ListLines& lines) {
  QStringList shown;
  for (const std::string& l : lines)
    shown << pages::fromBytes(l);
  page(which).memo->setPlainText(shown.join(QLatin1Char('\n')));
}

void TlstForm::showNextNumbers(int mission, int battle) {
  nextMission_ = mission;
  nextBattle_ = battle;
  LstNum->setText(QString::number(mission));
  Edit1->setText(pages::fromBytes(defaultMissionDescription(mission)));
  BattleNum->setText(QString::number(battle));
  BattleDesc->setText(pages::fromBytes(defaultBattleName(battle)));
}

void TlstForm::FormActivate() {
  // Without a game folder there is one thing to say, not one per list.
  if (auto game = checkedGameFolder(toPath(gameFolderOf(c_))); !game) {
    c_.prompts().showError(fromMessage(game.error().message));
    for (ListPage& p : pages_)
      p.path.reset();
  } else {
    readList(ListFolder::Missions);
    readList(ListFolder::Melee);
  }
  const ListLines campaign = memoLines(ListFolder::Missions);
  showNextNumbers(nextMissionNumber(campaign, memoLines(ListFolder::Melee)),
                  nextBattleNumber(campaign));
  const Document& doc = c_.document();
  Edit2->setText(doc.hasFileName() ? pages::fromBytes(fileNameOf(doc.fileName)) : QString());
}

void TlstForm::AutoAddButClick() {
  ListLines campaign = memoLines(ListFolder::Missions);
  if (Status s = addMissionEntry(campaign, nextMission_, pages::toBytes(Edit2->text()),
                                 pages::toBytes(Edit1->text()));
      !s) {
    c_.prompts().showError(fromMessage(s.error().message));
  } else {
    setMemoLines(ListFolder::Missions, campaign);
  }
  // The number moves on either way, as the designer saw it do.
  nextMission_ += 1;
  LstNum->setText(QString::number(nextMission_));
  Edit1->setText(pages::fromBytes(defaultMissionDescription(nextMission_)));
}

void TlstForm::Button1Click() {
  ListLines campaign = memoLines(ListFolder::Missions);
  addBattleHeader(campaign, nextBattle_, pages::toBytes(BattleDesc->text()));
  setMemoLines(ListFolder::Missions, campaign);
  nextBattle_ += 1;
  BattleNum->setText(QString::number(nextBattle_));
  BattleDesc->setText(pages::fromBytes(defaultBattleName(nextBattle_)));
}

void TlstForm::BackupLstBtnClick() {
  const auto which = PageControl1->currentIndex() == 0 ? ListFolder::Missions : ListFolder::Melee;
  auto path = missionListPath(toPath(gameFolderOf(c_)), which);
  if (!path) {
    c_.prompts().showError(fromMessage(path.error().message));
    return;
  }
  if (Status s = writeMissionList(listBackupPath(*path), memoLines(which)); !s)
    c_.prompts().showError(fromMessage(s.error().message));
}

void TlstForm::OKBtnClick() {
  for (ListFolder which : {ListFolder::Missions, ListFolder::Melee}) {
    const ListPage& p = page(which);
    if (!p.path) continue;
    if (Status s = writeMissionList(*p.path, memoLines(which)); !s) {
      // The dialog stays open: nothing the designer typed is lost.
      c_.prompts().showError(fromMessage(s.error().message));
      return;
    }
  }
  accept();
}

void TlstForm::run(EditingDocument& c, QWidget* parent) {
  // Without a game folder there are no lists to edit: an empty editor would
  // only invite typing that has nowhere to go.
  if (auto game = checkedGameFolder(toPath(gameFolderOf(c))); !game) {
    c.prompts().showError(fromMessage(game.error().message));
    return;
  }
  TlstForm form(c, parent);
  c.prompts().runModal(form);
}

} // namespace zephlo
