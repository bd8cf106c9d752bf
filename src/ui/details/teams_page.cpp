#include "ui/details/teams_page.h"

#include "core/check/texts.h"
#include "core/gamedata/vocabularies.h"
#include "core/mission/change_scope.h"
#include "core/mission/team_edits.h"
#include "render/qt_colour.h"
#include "ui/editing/action_registry.h"
#include "ui/editing/document_follower.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QToolButton>

namespace zephlo {

using namespace pages;

TeamsPage::TeamsPage(EditingDocument& controller, ActionRegistry& actions, QWidget* parent)
    : QWidget(parent), c_(controller) {
  setObjectName(QStringLiteral("TeamsPage"));
  TeamNameLab = label(this, "TeamNameLab");
  TeamName1Ed = combo(this, "TeamName1Ed", qlist(vocab::teamNameChoices()), true);
  TeamName1Ed->lineEdit()->setMaxLength(static_cast<int>(team::NameSize));
  FriendsList = new QListWidget(this);
  FriendsList->setObjectName(QStringLiteral("FriendsList"));
  FriendsList->setSelectionMode(QAbstractItemView::MultiSelection);
  for (int t = 1; t <= 8; ++t)
    FriendsList->addItem(QString::number(t));
  // The eight teams side by side, wrapping onto a second row when narrow:
  // all of them show on a short screen too.
  FriendsList->setFlow(QListView::LeftToRight);
  FriendsList->setWrapping(true);
  FriendsList->setResizeMode(QListView::Adjust);
  FriendsList->setUniformItemSizes(true);
  FriendsList->setGridSize(
      QSize(FriendsList->fontMetrics().horizontalAdvance(QStringLiteral("88")) * 2,
            FriendsList->sizeHintForRow(0) + 4));
  FriendsList->setFixedHeight(FriendsList->gridSize().height() * 2 + 2 * FriendsList->frameWidth() +
                              2);
  TeamIFFBox1 = combo(this, "TeamIFFBox1", qlist(vocab::iffs()));
  JoinByRadio = new QToolButton(this);
  JoinByRadio->setObjectName(QStringLiteral("JoinByRadio"));
  JoinByRadio->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  PrevTeamBtn = new QToolButton(this);
  PrevTeamBtn->setObjectName(QStringLiteral("PrevTeamBtn"));
  NextTeamBtn = new QToolButton(this);
  NextTeamBtn->setObjectName(QStringLiteral("NextTeamBtn"));
  for (QToolButton* b : {PrevTeamBtn, NextTeamBtn})
    b->setFixedWidth(32);
  buildCommands(actions);

  auto* g = new QGridLayout(this);
  g->addWidget(TeamNameLab, 0, 0);
  g->addWidget(PrevTeamBtn, 0, 1);
  g->addWidget(NextTeamBtn, 0, 2);
  g->addWidget(TeamName1Ed, 1, 0, 1, 3);
  TeamNameLab->setBuddy(TeamName1Ed);
  g->addWidget(caption(this, QStringLiteral("Allies:"), FriendsList), 2, 0);
  g->addWidget(FriendsList, 3, 0, 1, 3);
  g->addWidget(caption(this, QStringLiteral("IFF for Autolink"), TeamIFFBox1), 4, 0);
  g->addWidget(TeamIFFBox1, 5, 0, 1, 3);
  g->addWidget(JoinByRadio, 6, 0, 1, 3);

  // The six end-of-mission lines, by the tag each edit writes.
  const char* names[] = {"Succ1Ed", "Succ2Ed", "Fail1Ed", "Fail2Ed", "Sec1Ed", "Sec2Ed"};
  const char* groups[] = {"Primary Success", "Primary Failure", "Secondary Success"};
  int row = 7;
  for (int k = 0; k < 3; ++k) {
    auto* box = new QGroupBox(QString::fromLatin1(groups[k]), this);
    auto* v = new QVBoxLayout(box);
    for (int j = 0; j < 2; ++j) {
      const int tag = k * 2 + j + 1;
      QLineEdit* e = edit(box, names[tag - 1], static_cast<int>(team::EndTextSize));
      blackBase(e);
      v->addWidget(e);
      endEdits_[static_cast<std::size_t>(tag - 1)] = e;
      connect(e, &QLineEdit::textEdited, this, [this, tag](const QString& text) {
        if (!filling()) c_.apply(storeEndText(tag, toBytes(text), c_.state()));
      });
      showStoredOnFinish(e, [this, e, tag] {
        const auto t = static_cast<std::size_t>(c_.state().currentTeam);
        showValue(e, fromBytes(endText(c_.document().teams[t], tag)));
      });
    }
    g->addWidget(box, row++, 0, 1, 3);
  }
  g->setRowStretch(row, 1);

  connect(TeamName1Ed, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (!filling()) c_.apply(storeTeamName(toBytes(text), c_.state()));
  });
  showStoredOnFinish(TeamName1Ed->lineEdit(), [this] {
    const auto t = static_cast<std::size_t>(c_.state().currentTeam);
    ++filling_;
    showEditText(TeamName1Ed, fromBytes(c_.document().teams[t].name()));
    --filling_;
  });
  connect(FriendsList, &QListWidget::itemSelectionChanged, this, [this] {
    if (filling()) return;
    std::vector<int> rows;
    for (int i = 0; i < FriendsList->count(); ++i)
      if (FriendsList->item(i)->isSelected()) rows.push_back(i);
    c_.apply(storeAllies(rows, c_.state()));
  });
  connect(TeamIFFBox1, &QComboBox::activated, this, [this](int iff) {
    if (!filling()) c_.apply(storeTeamIff(iff, c_.state()));
  });
  new DocumentFollower(c_, this, [this](const ViewUpdate& u) { refresh(u); });
}

void TeamsPage::buildCommands(ActionRegistry& actions) {
  const QString link = QStringLiteral("Link Team by Radio");
  command(actions, JoinByRadio, "LinkTeamByRadioAction", link, link, this,
          [this] { JoinByRadioClick(); });
  QAction* previous = command(actions, PrevTeamBtn, "PreviousTeamAction", QStringLiteral("<"),
                              QStringLiteral("Previous team"), this,
                              [this] { c_.setCurrentTeam(previousTeam(c_.state().currentTeam)); });
  QAction* next = command(actions, NextTeamBtn, "NextTeamAction", QStringLiteral(">"),
                          QStringLiteral("Next team"), this,
                          [this] { c_.setCurrentTeam(nextTeam(c_.state().currentTeam)); });
  // The commands may be reached while the page is hidden: they follow the team at once.
  auto enable = [this, previous, next] {
    const int t = c_.state().currentTeam;
    previous->setEnabled(previousTeam(t) != t);
    next->setEnabled(nextTeam(t) != t);
  };
  connect(&c_, &EditingDocument::stateChanged, this, enable);
  enable();
}

void TeamsPage::JoinByRadioClick() {
  const int team = c_.state().currentTeam;
  if (c_.apply(linkTeamByRadio(c_.state())))
    c_.prompts().timedNotice(fromBytes(linkedByRadioNotice(c_.document(), team)), 1000);
}

void TeamsPage::refresh(const ViewUpdate& u) {
  ++filling_;
  const Document& d = c_.document();
  const int t = c_.state().currentTeam;
  const TeamDetailObject& team = d.teams[static_cast<std::size_t>(t)];
  if (u.teamMoved()) TeamNameLab->setText(fromBytes(teamNameCaption(t)));
  if (u.team(ByteSpan::of(team::Name, team::NameSize)))
    showEditText(TeamName1Ed, fromBytes(team.name()));
  const int iff = d.teamIff[static_cast<std::size_t>(t)];
  if (u.teamIff()) showValue(TeamIFFBox1, iff);
  if (u.team(ByteSpan::of(team::Allies, 8))) {
    const std::vector<int> rows = allyRows(team);
    const QSignalBlocker block(FriendsList);
    for (int i = 0; i < FriendsList->count(); ++i)
      FriendsList->item(i)->setSelected(std::find(rows.begin(), rows.end(), i) != rows.end());
  }
  // The lines read in the colour of the team's autolink IFF.
  const QColor colour = toQColor(iffColour(iff, IffVariant::Normal));
  for (std::size_t k = 0; k < endEdits_.size(); ++k) {
    QLineEdit* e = endEdits_[k];
    if (u.team(ByteSpan::of(team::endTextOffset(static_cast<int>(k)), team::EndTextSize)))
      showValue(e, fromBytes(endText(team, static_cast<int>(k) + 1)));
    if (u.teamIff()) {
      QPalette p = e->palette();
      p.setColor(QPalette::Text, colour);
      e->setPalette(p);
    }
  }
  --filling_;
}

} // namespace zephlo
