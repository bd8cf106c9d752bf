#include "ui/briefing/briefing_strings_page.h"

#include "core/briefing/briefing_edits.h"
#include "core/briefing/instruction_lines.h"
#include "ui/briefing/briefing_session.h"
#include "ui/editing/page_controls.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zephlo {

using pages::fromBytes;
using pages::toBytes;

namespace {

constexpr int kRows = 32; // the strings the editor edits

void showCells(QTableWidget* grid, const std::array<std::string, 128>& strings) {
  const QSignalBlocker block(grid);
  // A cell's editor lives in the grid's viewport and holds the focus.
  const QWidget* focus = QApplication::focusWidget();
  const bool editing = focus && grid->viewport()->isAncestorOf(focus);
  for (int r = 0; r < kRows; ++r) {
    QTableWidgetItem* cell = grid->item(r, 1);
    if (editing && grid->currentItem() == cell) continue;
    const QString text = fromBytes(strings[static_cast<std::size_t>(r)]);
    if (cell->text() != text) cell->setText(text);
  }
}

} // namespace

BriefingStringsPage::BriefingStringsPage(BriefingSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
  setObjectName(QStringLiteral("StringsPage"));
  auto* col = new QVBoxLayout(this);
  auto* help = new QLabel(QStringLiteral("Map Tags are short descriptions, usually FG names, that "
                                         "will be placed on the Briefing Map itself, "
                                         "among the icons.  "
                                         "Enclosing words in [ ] brackets will cause them to be "
                                         "highlighted in the briefing."),
                          this);
  help->setWordWrap(true);
  col->addWidget(help);
  auto* grids = new QHBoxLayout;
  TagGrid = makeGrid("TagGrid", QStringLiteral("Map Tags"), true);
  TextGrid = makeGrid("TextGrid", QStringLiteral("Briefing Texts"), false);
  grids->addWidget(TagGrid);
  grids->addWidget(TextGrid);
  col->addLayout(grids, 1);
  showStrings();
}

QTableWidget* BriefingStringsPage::makeGrid(const char* name, const QString& title, bool tags) {
  // The column header names the grid; no frame repeats it.
  auto* g = new QTableWidget(kRows, 2, this);
  g->setObjectName(QString::fromLatin1(name));
  g->setHorizontalHeaderLabels({QStringLiteral("#"), title});
  g->verticalHeader()->hide();
  g->horizontalHeader()->setStretchLastSection(true);
  g->setColumnWidth(0, 36);
  for (int r = 0; r < kRows; ++r) {
    auto* n = new QTableWidgetItem(QString::number(r));
    n->setFlags(Qt::ItemIsEnabled);
    g->setItem(r, 0, n);
    g->setItem(r, 1, new QTableWidgetItem);
  }
  connect(g, &QTableWidget::itemChanged, this, [this, tags](QTableWidgetItem* item) {
    if (item->column() != 1) return;
    const auto row = static_cast<std::size_t>(item->row());
    auto stored = [this, tags, row]() -> const std::string& {
      const Briefing& b = session_.document().briefing;
      return (tags ? b.tags : b.texts)[row];
    };
    const std::string text = briefingStringField(toBytes(item->text()));
    if (text != stored()) session_.apply(setBriefingString(tags, item->row(), text));
    // The cell shows what is stored: a string cut to length, or the old one
    // when the edit was refused.
    const QSignalBlocker block(item->tableWidget());
    if (item->text() != fromBytes(stored())) item->setText(fromBytes(stored()));
  });
  return g;
}

void BriefingStringsPage::showStrings() {
  const Briefing& b = session_.document().briefing;
  showCells(TagGrid, b.tags);
  showCells(TextGrid, b.texts);
}

} // namespace zephlo
