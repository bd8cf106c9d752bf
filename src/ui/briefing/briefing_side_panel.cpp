#include "ui/briefing/briefing_side_panel.h"

#include "core/briefing/briefing_edits.h"
#include "core/briefing/instruction_lines.h"
#include "ui/briefing/briefing_session.h"
#include "ui/editing/action_registry.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zephlo {

using pages::fromBytes;
using pages::toBytes;

namespace {

constexpr int kSeenByTeams = 8; // the teams "Seen by:" shows and edits

} // namespace

BriefingSidePanel::BriefingSidePanel(BriefingSession& session, const ActionRegistry& registry,
                                     QWidget* parent)
    : QWidget(parent), session_(session) {
  auto* col = new QVBoxLayout(this);
  col->setContentsMargins(0, 0, 0, 0);
  buildHeader();
  col->addWidget(header_);

  // The spare words stay editable for those who know what they hold.
  auto* unknowns = new QGroupBox(QStringLiteral("Unknowns:"), this);
  unknowns->setObjectName(QStringLiteral("UnknownsGroup"));
  auto* unknownsCol = new QVBoxLayout(unknowns);
  for (int i = 0; i < 3; ++i) {
    QSpinBox* s = pages::spin(unknowns, "", 0, 65535);
    s->setObjectName(QStringLiteral("Unknown%1").arg(i + 1));
    pages::commitOnFinish(s);
    unknownsCol->addWidget(s);
    spareSpins_[static_cast<std::size_t>(i)] = s;
    connect(s, &QSpinBox::valueChanged, this, [this, i](int v) {
      session_.apply(setBriefingSpareWord(i + 1, static_cast<std::uint16_t>(v)));
    });
  }
  unknowns->hide();
  col->addWidget(unknowns);
  col->addStretch(1);
  auto* save = new QPushButton(QStringLiteral("Save Mission"), this);
  save->setObjectName(QStringLiteral("SaveMissionBtn"));
  connect(save, &QPushButton::clicked, registry[Act::Save], &QAction::trigger);
  col->addWidget(save);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("CloseBtn"));
  connect(close, &QPushButton::clicked, this, [this] { window()->close(); });
  col->addWidget(close);
  showHeader();
  showTeams();
}

void BriefingSidePanel::buildHeader() {
  header_ = new QWidget(this);
  auto* col = new QVBoxLayout(header_);
  col->setContentsMargins(0, 0, 0, 0);
  col->addWidget(new QLabel(QStringLiteral("Run time:"), header_));
  RunTimeEdit = pages::edit(header_, "RunTimeEdit", 8);
  RunTimeEdit->setMaximumWidth(80);
  col->addWidget(RunTimeEdit);
  connect(RunTimeEdit, &QLineEdit::editingFinished, this, &BriefingSidePanel::runTimeTyped);
  col->addWidget(new QLabel(QStringLiteral("Seen by:"), header_));
  SeenByList = new QListWidget(header_);
  SeenByList->setObjectName(QStringLiteral("SeenByList"));
  SeenByList->setSelectionMode(QAbstractItemView::MultiSelection);
  SeenByList->setMaximumWidth(150);
  SeenByList->setMaximumHeight(150);
  for (int t = 0; t < kSeenByTeams; ++t)
    SeenByList->addItem(QString());
  col->addWidget(SeenByList);
  connect(SeenByList, &QListWidget::itemSelectionChanged, this, [this] {
    for (int t = 0; t < kSeenByTeams; ++t) {
      const bool seen = SeenByList->item(t)->isSelected();
      if (seen != session_.document().briefing.seenByTeam(t))
        session_.apply(setBriefingSeenBy(t, seen));
    }
  });
  QSizePolicy keep = header_->sizePolicy();
  keep.setRetainSizeWhenHidden(true); // the map keeps its width during an insert
  header_->setSizePolicy(keep);
}

void BriefingSidePanel::runTimeTyped() {
  // Typing is over: the field shows the time as stored from here on.
  pages::committed(RunTimeEdit);
  const std::optional<int> ticks = runningTimeField(toBytes(RunTimeEdit->text()));
  if (ticks && *ticks != session_.document().briefing.runningTime())
    session_.apply(setBriefingRunningTime(*ticks));
  showHeader();
}

void BriefingSidePanel::showHeader() {
  const Briefing& b = session_.document().briefing;
  pages::showValue(RunTimeEdit, fromBytes(tickSecondsText(b.runningTime())));
  {
    const QSignalBlocker block(SeenByList);
    for (int t = 0; t < kSeenByTeams; ++t)
      SeenByList->item(t)->setSelected(b.seenByTeam(t));
  }
  static constexpr std::size_t spares[] = {brf::Spare1, brf::Spare2, brf::Spare3};
  for (std::size_t i = 0; i < std::size(spares); ++i)
    pages::showValue(spareSpins_[i], getU16(b.block, spares[i]));
}

void BriefingSidePanel::showTeams() {
  for (int t = 0; t < kSeenByTeams; ++t) {
    const QString name = fromBytes(session_.document().teams[static_cast<std::size_t>(t)].name());
    if (SeenByList->item(t)->text() != name) SeenByList->item(t)->setText(name);
  }
}

void BriefingSidePanel::setInserting(bool on) { header_->setVisible(!on); }

} // namespace zephlo
