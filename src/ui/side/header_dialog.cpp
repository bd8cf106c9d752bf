#include "ui/side/header_dialog.h"

#include "core/gamedata/vocabularies.h"
#include "core/mission/layout.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"
#include "ui/editing/path_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zephlo {

namespace {

constexpr std::array<int, 3> kStr2Tags = {5, 9, 12};

// A grid whose first column numbers the rows from 1 and cannot be edited.
QTableWidget* grid(QWidget* parent, const char* name, int rows, const QString& heading,
                   int maxLength) {
  auto* g = new QTableWidget(rows, 2, parent);
  g->setObjectName(QString::fromLatin1(name));
  g->setHorizontalHeaderLabels({QStringLiteral("#"), heading});
  g->verticalHeader()->hide();
  g->horizontalHeader()->setStretchLastSection(true);
  g->setColumnWidth(0, 32);
  g->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int r = 0; r < rows; ++r) {
    auto* n = new QTableWidgetItem(QString::number(r + 1));
    n->setFlags(Qt::ItemIsEnabled);
    g->setItem(r, 0, n);
    g->setItem(r, 1, new QTableWidgetItem);
  }
  g->setProperty("maxLength", maxLength);
  return g;
}

QString cell(const QTableWidget* g, int row) {
  const QTableWidgetItem* i = g->item(row, 1);
  return i ? i->text() : QString();
}

void setCell(QTableWidget* g, int row, const std::string& text) {
  g->item(row, 1)->setText(pages::fromBytes(text));
}

QLineEdit* numberEdit(QWidget* parent, const char* name) {
  auto* e = pages::edit(parent, name, 3);
  e->setMaximumWidth(48);
  return e;
}

QStringList items(const std::vector<std::string>& v) { return pages::qlist(v); }

} // namespace

THeaderForm::THeaderForm(EditingDocument& c, QWidget* parent) : QDialog(parent), c_(c) {
  setObjectName(QStringLiteral("THeaderForm"));
  setWindowTitle(QStringLiteral("Mission Parameters"));
  auto* layout = new QVBoxLayout(this);
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("HeaderPages"));
  auto* settings = new QWidget(tabs);
  auto* strings = new QWidget(tabs);
  buildSettingsPage(settings);
  buildStringsPage(strings);
  tabs->addTab(settings, QStringLiteral("Settings"));
  tabs->addTab(strings, QStringLiteral("Strings"));
  layout->addWidget(tabs);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OKBtn"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  connect(ok, &QPushButton::clicked, this, &THeaderForm::OKBtnClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(buttons);

  fill();
  resize(620, 560);
}

void THeaderForm::buildSettingsPage(QWidget* page) {
  auto* g = new QGridLayout(page);
  g->addWidget(new QLabel(QStringLiteral("Mission type"), page), 0, 0);
  HangarBox = pages::combo(page, "HangarBox", items(vocab::missionTypes()));
  g->addWidget(HangarBox, 0, 1);
  U6 = new QCheckBox(QStringLiteral("Unknown 1"), page);
  U6->setObjectName(QStringLiteral("U6"));
  U3 = new QCheckBox(QStringLiteral("Unknown 2"), page);
  U3->setObjectName(QStringLiteral("U3"));
  g->addWidget(U6, 0, 2);
  g->addWidget(U3, 0, 3);

  auto* regions = new QGroupBox(QStringLiteral("Region Names"), page);
  auto* rl = new QVBoxLayout(regions);
  RegionNameGrid = grid(regions, "RegionNameGrid", kRegionCount, QStringLiteral("Name"),
                        static_cast<int>(hdr::RegionNameSize));
  rl->addWidget(RegionNameGrid);
  g->addWidget(regions, 1, 0, 1, 2);
  auto* strs = new QGroupBox(QStringLiteral("?"), page);
  auto* sl = new QVBoxLayout(strs);
  HeaderStringGrid = grid(strs, "HeaderStringGrid", 4, QStringLiteral("?"),
                          static_cast<int>(hdr::HeaderStringSize));
  sl->addWidget(HeaderStringGrid);
  g->addWidget(strs, 1, 2, 1, 2);
  for (QTableWidget* t : {RegionNameGrid, HeaderStringGrid})
    t->setMaximumHeight(150);

  auto* time = new QHBoxLayout;
  time->addWidget(new QLabel(QStringLiteral("Time"), page));
  const char* timeNames[] = {"Edit2", "Edit3", "Edit4", "Edit5"};
  for (std::size_t k = 0; k < timeEdits_.size(); ++k) {
    timeEdits_[k] = numberEdit(page, timeNames[k]);
    time->addWidget(timeEdits_[k]);
  }
  time->addStretch();
  g->addLayout(time, 2, 0, 1, 4);

  const QStringList motherItems = items(mothershipBriefingItems());
  MotherBox1 = pages::combo(page, "MotherBox1", motherItems);
  MotherBox2 = pages::combo(page, "MotherBox2", motherItems);
  g->addWidget(pages::caption(page, QStringLiteral("Mothership-Briefing?"), MotherBox1), 3, 0);
  g->addWidget(MotherBox1, 3, 1);
  g->addWidget(pages::caption(page, QStringLiteral("Mothership-Briefing?"), MotherBox2), 4, 0);
  g->addWidget(MotherBox2, 4, 1);
  // The unknown values beside them, each under the name its errors use.
  Edit7 = numberEdit(page, "Edit7");
  Edit8 = numberEdit(page, "Edit8");
  Edit10 = numberEdit(page, "Edit10");
  const std::pair<QLineEdit*, QPoint> unknowns[] = {
      {Edit7, {3, 2}}, {Edit8, {3, 3}}, {Edit10, {4, 2}}};
  for (auto [edit, at] : unknowns) {
    auto* box = new QHBoxLayout;
    box->addWidget(pages::caption(page, unknownCaption(edit), edit));
    box->addWidget(edit);
    box->addStretch();
    g->addLayout(box, at.x(), at.y());
  }

  auto* use = new QGroupBox(QStringLiteral("Use"), page);
  auto* ul = new QGridLayout(use);
  for (std::size_t k = 0; k < 4; ++k) {
    useBoxes_[k] = new QCheckBox(QString::number(k + 1), use);
    useBoxes_[k]->setObjectName(QStringLiteral("C%1").arg(k + 1));
    valueEdits_[k] = numberEdit(use, QStringLiteral("V%1").arg(k + 1).toLatin1().constData());
    ul->addWidget(useBoxes_[k], 0, static_cast<int>(k));
    ul->addWidget(valueEdits_[k], 1, static_cast<int>(k));
  }
  g->addWidget(use, 5, 0, 1, 4);
  g->setRowStretch(6, 1);
}

void THeaderForm::buildStringsPage(QWidget* page) {
  auto* l = new QGridLayout(page);
  l->addWidget(new QLabel(QStringLiteral("72 strings - Global Units?"), page), 0, 0);
  Str3Grid = grid(page, "Str3Grid", kHeaderStringTable72, QStringLiteral("Text"), 87);
  l->addWidget(Str3Grid, 1, 0, 3, 1);
  l->addWidget(new QLabel(QStringLiteral("16 strings -Special Cargo ?"), page), 0, 1);
  Str2Grid = grid(page, "Str2Grid", kHeaderStringTable16, QStringLiteral("Text"), 64);
  l->addWidget(Str2Grid, 1, 1);
  auto* unknowns = new QGroupBox(QStringLiteral("Unknowns per above strings:"), page);
  auto* ul = new QHBoxLayout(unknowns);
  const char* names[] = {"Str2_5", "Str2_9", "Str2_12"};
  for (std::size_t k = 0; k < str2Unknowns_.size(); ++k) {
    str2Unknowns_[k] = numberEdit(unknowns, names[k]);
    ul->addWidget(str2Unknowns_[k]);
    const int tag = kStr2Tags[k];
    // Written when the number is complete, not at each digit.
    pages::commitTextOnFinish(str2Unknowns_[k],
                              [this, tag](const QString& t) { Str2UnknownChange(tag, t); });
  }
  ul->addStretch();
  l->addWidget(unknowns, 2, 1);
  l->setRowStretch(3, 1);
  connect(Str2Grid, &QTableWidget::currentCellChanged, this,
          [this](int row) { Str2GridSelectCell(row); });
}

QString THeaderForm::unknownCaption(const QLineEdit* edit) const {
  const int n = edit == Edit7 ? 3 : edit == Edit8 ? 4 : 5;
  return QStringLiteral("Unknown %1").arg(n);
}

void THeaderForm::fill() {
  filling_ = true;
  read_ = headerValues(c_.document());
  const HeaderValues& v = read_;
  HangarBox->setCurrentIndex(v.missionType < HangarBox->count() ? v.missionType : -1);
  U6->setChecked(v.unknown1 != 0);
  U3->setChecked(v.unknown2 != 0);
  for (int r = 0; r < kRegionCount; ++r)
    setCell(RegionNameGrid, r, v.regionNames[static_cast<std::size_t>(r)]);
  for (int r = 0; r < 4; ++r)
    setCell(HeaderStringGrid, r, v.headerStrings[static_cast<std::size_t>(r)]);
  for (std::size_t k = 0; k < 4; ++k) {
    timeEdits_[k]->setText(QString::number(v.time[k]));
    useBoxes_[k]->setChecked(v.use[k] != 0);
    valueEdits_[k]->setText(QString::number(v.values[k]));
  }
  MotherBox1->setCurrentIndex(v.mothership1 < MotherBox1->count() ? v.mothership1 : -1);
  MotherBox2->setCurrentIndex(v.mothership2 < MotherBox2->count() ? v.mothership2 : -1);
  Edit7->setText(QString::number(v.unknowns[0]));
  Edit8->setText(QString::number(v.unknowns[1]));
  Edit10->setText(QString::number(v.unknown));
  for (int r = 0; r < kHeaderStringTable72; ++r)
    setCell(Str3Grid, r, v.strings72[static_cast<std::size_t>(r)]);
  for (int r = 0; r < kHeaderStringTable16; ++r)
    setCell(Str2Grid, r, v.strings16[static_cast<std::size_t>(r)]);
  Str2Grid->setCurrentCell(0, 1);
  Str2GridSelectCell(0);
  filling_ = false;
}

void THeaderForm::Str2GridSelectCell(int row) {
  if (row < 0) return;
  str2Row_ = row;
  for (std::size_t k = 0; k < str2Unknowns_.size(); ++k) {
    str2Unknowns_[k]->setText(QString::number(headerTableByte(c_.document(), row, kStr2Tags[k])));
  }
}

void THeaderForm::Str2UnknownChange(int tag, const QString& text) {
  if (filling_ || text.isEmpty()) return;
  auto b = byteFromText(pages::toBytes(text), "Unknowns per above strings:");
  if (!b) {
    c_.prompts().showError(fromMessage(b.error().message));
  } else {
    // These three bytes are written at once, not on "&OK".
    c_.apply(headerTableByteOperation(str2Row_, tag, *b));
  }
  Str2GridSelectCell(str2Row_); // the boxes show what is stored
}

Result<HeaderValues> THeaderForm::values() const {
  HeaderValues v = read_;
  v.missionType = chosenByte(read_.missionType, HangarBox->currentIndex());
  v.unknown1 = tickedByte(read_.unknown1, U6->isChecked());
  v.unknown2 = tickedByte(read_.unknown2, U3->isChecked());
  for (int r = 0; r < kRegionCount; ++r)
    v.regionNames[static_cast<std::size_t>(r)] = pages::toBytes(cell(RegionNameGrid, r).trimmed());
  for (int r = 0; r < 4; ++r)
    v.headerStrings[static_cast<std::size_t>(r)] = pages::toBytes(cell(HeaderStringGrid, r));
  for (int r = 0; r < kHeaderStringTable72; ++r)
    v.strings72[static_cast<std::size_t>(r)] = pages::toBytes(cell(Str3Grid, r));
  for (int r = 0; r < kHeaderStringTable16; ++r)
    v.strings16[static_cast<std::size_t>(r)] = pages::toBytes(cell(Str2Grid, r));
  v.mothership1 = chosenByte(read_.mothership1, MotherBox1->currentIndex());
  v.mothership2 = chosenByte(read_.mothership2, MotherBox2->currentIndex());

  struct Number {
    const QLineEdit* edit;
    Byte* target;
    std::string field;
  };
  std::vector<Number> numbers = {{Edit7, &v.unknowns[0], pages::toBytes(unknownCaption(Edit7))},
                                 {Edit8, &v.unknowns[1], pages::toBytes(unknownCaption(Edit8))},
                                 {Edit10, &v.unknown, pages::toBytes(unknownCaption(Edit10))}};
  for (std::size_t k = 0; k < 4; ++k) {
    numbers.push_back({timeEdits_[k], &v.time[k], "Time " + std::to_string(k + 1)});
    numbers.push_back({valueEdits_[k], &v.values[k], "Value " + std::to_string(k + 1)});
    v.use[k] = tickedByte(read_.use[k], useBoxes_[k]->isChecked());
  }
  for (const Number& n : numbers) {
    auto b = byteFromText(pages::toBytes(n.edit->text()), n.field);
    if (!b) return b.error();
    *n.target = *b;
  }
  return v;
}

void THeaderForm::OKBtnClick() {
  auto v = values();
  if (!v) {
    // The dialog stays open so the designer can correct the number.
    c_.prompts().showError(fromMessage(v.error().message));
    return;
  }
  // Only what the designer changed is stored; an OK without edits changes nothing.
  if (*v != read_) c_.apply(changeHeaderOperation(std::move(*v)));
  accept();
}

void THeaderForm::edit(EditingDocument& c, QWidget* parent) {
  THeaderForm form(c, parent);
  c.prompts().runModal(form);
}

} // namespace zephlo
