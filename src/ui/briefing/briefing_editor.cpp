#include "ui/briefing/briefing_editor.h"

#include "core/briefing/briefing_edits.h"
#include "core/lists/mission_list.h"
#include "render/briefing_painter.h"
#include "ui/briefing/briefing_map_view.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace zephlo {

using pages::fromBytes;
using pages::toBytes;

TBrfForm::TBrfForm(EditingDocument& controller, QWidget* parent)
    : QWidget(parent, Qt::Window), c_(controller) {
  setObjectName(QStringLiteral("TBrfForm"));
  setAttribute(Qt::WA_DeleteOnClose);

  // A stream whose length cannot be real is mended before anything reads it.
  auto repaired = std::make_shared<bool>(false);
  c_.apply(repairBriefingOperation(repaired));
  if (*repaired)
    c_.prompts().showInformation(
        QStringLiteral("Briefing structure is inconsistent, attempting to correct it..."));

  pb_.load(c_.document().briefing);
  pb_.completeAnimations();

  playTimer_ = new QTimer(this);
  playTimer_->setInterval(40);
  connect(playTimer_, &QTimer::timeout, this, &TBrfForm::playTimerTick);
  transitionTimer_ = new QTimer(this);
  transitionTimer_->setInterval(25);
  connect(transitionTimer_, &QTimer::timeout, this, &TBrfForm::transitionTimerTick);

  BrfPages = new QTabWidget(this);
  BrfPages->setObjectName(QStringLiteral("BrfPages"));
  buildActions();
  buildWysiwygPage();
  buildListPage();
  buildStringsPage();
  buildPopups();

  auto* side = new QWidget(this);
  buildSidePanel(side);
  auto* row = new QHBoxLayout(this);
  row->addWidget(BrfPages, 1);
  row->addWidget(side);

  connect(BrfPages, &QTabWidget::currentChanged, this, &TBrfForm::pageChanging);
  connect(&c_, &EditingDocument::documentChanged, this, &TBrfForm::documentChanged);
  // Another mission replaces the one this window edits.
  connect(&c_, &EditingDocument::documentReplaced, this, &QWidget::close);
  // Save As gives the mission another file name, and maybe another description.
  connect(&c_, &EditingDocument::fileNameChanged, this, [this] {
    refreshCaption();
    refreshTitleStrip();
  });

  refreshCaption();
  refreshTitleStrip();
  fillHeaderFields();
  fillStrings();
  fillIconChoices();
  fillList();
  selectInstruction(0);
  showClock();
  repaintMap();
  resize(1180, 760);
}

TBrfForm::~TBrfForm() = default;

bool TBrfForm::apply(const Operation& op) {
  applying_ = true;
  const bool ok = c_.apply(op);
  applying_ = false;
  return ok;
}

InstructionList TBrfForm::documentList() const { return decodeBriefing(c_.document().briefing); }

std::array<std::string, 4> TBrfForm::regionNames() const {
  return briefingPaintOptions(c_.document()).regionNames;
}

void TBrfForm::takeList() {
  pb_.setTags(c_.document().briefing.tags);
  pb_.setRunningTime(c_.document().briefing.runningTime());
  pb_.setList(documentList());
}

void TBrfForm::documentChanged(const Change& change) {
  if (change.flightGroupList || !change.flightGroups.empty()) fillIconChoices();
  if (change.teams.any() || change.header) {
    refreshCaption();
    fillHeaderFields();
  }
  if (!change.briefing) return;
  if (mode_ != BrfMode::None) {
    // An undo under an open insert mode: the preview starts again from it.
    leaveMode();
  }
  takeList();
  if (!applying_) {
    // Undo, redo or another window: show the briefing as it now stands.
    stopClock();
    rewindForEditing();
    selected_ = std::clamp(selected_, 0, static_cast<int>(pb_.list().size()) - 1);
  }
  fillHeaderFields();
  fillStrings();
  fillList();
  showInstruction();
  showClock();
  repaintMap();
}

void TBrfForm::refreshCaption() {
  const Document& d = c_.document();
  setWindowTitle(QStringLiteral("Briefing Editor - (") + fromBytes(fileNameOf(d.fileName)) +
                 QStringLiteral(")           ") + QString(30, QLatin1Char(' ')) +
                 fromBytes(d.teams[0].name()));
}

void TBrfForm::refreshTitleStrip() {
  QString text = QStringLiteral("<Mission Description from .lst file>");
  const std::string game = toBytes(c_.preferences().gameDir);
  if (auto path = missionListPath(game, ListFolder::Missions)) {
    if (auto lines = readMissionList(*path)) {
      if (auto found = missionDescription(*lines, fileNameOf(c_.document().fileName)))
        text = fromBytes(*found);
    }
  }
  TitleStrip->setText(text);
}

void TBrfForm::buildSidePanel(QWidget* side) {
  auto* col = new QVBoxLayout(side);
  col->setContentsMargins(0, 0, 0, 0);
  sideHeader_ = new QWidget(side);
  auto* header = new QVBoxLayout(sideHeader_);
  header->setContentsMargins(0, 0, 0, 0);
  header->addWidget(new QLabel(QStringLiteral("Run time:"), sideHeader_));
  RunTimeEdit = pages::edit(sideHeader_, "RunTimeEdit", 8);
  RunTimeEdit->setMaximumWidth(80);
  header->addWidget(RunTimeEdit);
  connect(RunTimeEdit, &QLineEdit::editingFinished, this, [this] {
    bool ok = false;
    const double seconds = RunTimeEdit->text().toDouble(&ok);
    if (!ok || filling_) {
      fillHeaderFields();
      return;
    }
    const int ticks = briefingRound(seconds * brf::TicksPerSecond);
    if (ticks != c_.document().briefing.runningTime()) apply(setBriefingRunningTime(ticks));
    fillHeaderFields();
  });
  header->addWidget(new QLabel(QStringLiteral("Seen by:"), sideHeader_));
  SeenByList = new QListWidget(sideHeader_);
  SeenByList->setObjectName(QStringLiteral("SeenByList"));
  SeenByList->setSelectionMode(QAbstractItemView::MultiSelection);
  SeenByList->setMaximumWidth(150);
  SeenByList->setMaximumHeight(150);
  for (int t = 0; t < 8; ++t)
    SeenByList->addItem(QString());
  header->addWidget(SeenByList);
  connect(SeenByList, &QListWidget::itemSelectionChanged, this, [this] {
    if (filling_) return;
    for (int t = 0; t < 8; ++t) {
      const bool seen = SeenByList->item(t)->isSelected();
      if (seen != c_.document().briefing.seenByTeam(t)) apply(setBriefingSeenBy(t, seen));
    }
  });
  QSizePolicy keep = sideHeader_->sizePolicy();
  keep.setRetainSizeWhenHidden(true); // the map keeps its width during an insert
  sideHeader_->setSizePolicy(keep);
  col->addWidget(sideHeader_);

  // The spare words stay editable for those who know what they hold.
  UnknownsGroup = new QGroupBox(QStringLiteral("Unknowns:"), side);
  UnknownsGroup->setObjectName(QStringLiteral("UnknownsGroup"));
  auto* unknowns = new QVBoxLayout(UnknownsGroup);
  for (int i = 0; i < 3; ++i) {
    QSpinBox* s = pages::spin(UnknownsGroup, "", 0, 65535);
    s->setObjectName(QStringLiteral("Unknown%1").arg(i + 1));
    unknowns->addWidget(s);
    spareSpins_[static_cast<std::size_t>(i)] = s;
    connect(s, &QSpinBox::valueChanged, this, [this, i](int v) {
      if (!filling_) apply(setBriefingSpareWord(i + 1, static_cast<std::uint16_t>(v)));
    });
  }
  UnknownsGroup->hide();
  col->addWidget(UnknownsGroup);
  col->addStretch(1);
  SaveMissionBtn = new QPushButton(QStringLiteral("Save Mission"), side);
  SaveMissionBtn->setObjectName(QStringLiteral("SaveMissionBtn"));
  connect(SaveMissionBtn, &QPushButton::clicked, this, &TBrfForm::saveRequested);
  col->addWidget(SaveMissionBtn);
  auto* close = new QPushButton(QStringLiteral("Close"), side);
  close->setObjectName(QStringLiteral("CloseBtn"));
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  col->addWidget(close);
}

void TBrfForm::fillHeaderFields() {
  filling_ = true;
  const Briefing& b = c_.document().briefing;
  pages::showValue(RunTimeEdit, fromBytes(tickSecondsText(b.runningTime())));
  for (int t = 0; t < 8; ++t) {
    QListWidgetItem* item = SeenByList->item(t);
    item->setText(fromBytes(c_.document().teams[static_cast<std::size_t>(t)].name()));
    item->setSelected(b.seenByTeam(t));
  }
  static constexpr std::size_t spares[] = {brf::Spare1, brf::Spare2, brf::Spare3};
  for (std::size_t i = 0; i < 3; ++i)
    pages::showValue(spareSpins_[i], getU16(b.block, spares[i]));
  filling_ = false;
}

void TBrfForm::buildStringsPage() {
  auto* page = new QWidget(BrfPages);
  page->setObjectName(QStringLiteral("StringsPage"));
  auto* col = new QVBoxLayout(page);
  auto* help = new QLabel(QStringLiteral("Map Tags are short descriptions, usually FG names, that "
                                         "will be placed on the Briefing Map itself, "
                                         "among the icons.  "
                                         "Enclosing words in [ ] brackets will cause them to be "
                                         "highlighted in the briefing."),
                          page);
  help->setWordWrap(true);
  col->addWidget(help);
  auto* grids = new QHBoxLayout;
  auto makeGrid = [&](const char* name, const QString& title, bool tag) {
    auto* box = new QGroupBox(title, page);
    auto* l = new QVBoxLayout(box);
    auto* g = new QTableWidget(32, 2, box);
    g->setObjectName(QString::fromLatin1(name));
    g->setHorizontalHeaderLabels({QStringLiteral("#"), title});
    g->verticalHeader()->hide();
    g->horizontalHeader()->setStretchLastSection(true);
    g->setColumnWidth(0, 36);
    for (int r = 0; r < 32; ++r) {
      auto* n = new QTableWidgetItem(QString::number(r));
      n->setFlags(Qt::ItemIsEnabled);
      g->setItem(r, 0, n);
      g->setItem(r, 1, new QTableWidgetItem);
    }
    connect(g, &QTableWidget::itemChanged, this, [this, tag](QTableWidgetItem* item) {
      if (filling_ || item->column() != 1) return;
      QString text = item->text();
      // The reader takes a string's length from one byte.
      if (text.size() > 255) text.truncate(255);
      const auto& list = tag ? c_.document().briefing.tags : c_.document().briefing.texts;
      if (toBytes(text) != list[static_cast<std::size_t>(item->row())])
        apply(setBriefingString(tag, item->row(), toBytes(text)));
      fillStrings();
    });
    l->addWidget(g);
    grids->addWidget(box);
    return g;
  };
  TagGrid = makeGrid("TagGrid", QStringLiteral("Map Tags"), true);
  TextGrid = makeGrid("TextGrid", QStringLiteral("Briefing Texts"), false);
  col->addLayout(grids, 1);
  BrfPages->addTab(page, QStringLiteral("Strings"));
}

void TBrfForm::fillStrings() {
  filling_ = true;
  const Briefing& b = c_.document().briefing;
  for (int r = 0; r < 32; ++r) {
    TagGrid->item(r, 1)->setText(fromBytes(b.tags[static_cast<std::size_t>(r)]));
    TextGrid->item(r, 1)->setText(fromBytes(b.texts[static_cast<std::size_t>(r)]));
  }
  filling_ = false;
}

void TBrfForm::pageChanging(int index) {
  if (index == 0) {
    // The map page always opens on the briefing's start.
    stopClock();
    rewindForEditing();
    afterVcr();
  } else {
    stopClock();
    pb_.pause();
    updateVcrStates();
  }
}

void TBrfForm::keyPressEvent(QKeyEvent* e) {
  // An insert mode ends with its own buttons, not with Escape.
  if (e->key() == Qt::Key_Escape && mode_ != BrfMode::None) {
    CancelBtnClick();
    return;
  }
  QWidget::keyPressEvent(e);
}

bool TBrfForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == InstList && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    DeleteInstBtnClick();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

} // namespace zephlo
