// The "Instruction List" page: the list of instructions, the fields of the
// selected one, and the list commands.
#include "core/briefing/instruction_lines.h"
#include "core/gamedata/vocabularies.h"
#include "ui/briefing/briefing_editor.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QButtonGroup>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zephlo {

using pages::fromBytes;
using pages::toBytes;

namespace {

const QStringList kZoomPresets = {
    QStringLiteral("-----"),
    QStringLiteral("16   -   36 km  across"),
    QStringLiteral("24   -   24 km  across"),
    QStringLiteral("32   -   18 km  across (default)"),
    QStringLiteral("48   -   12 km  across"),
    QStringLiteral("64   -   9 km  across"),
    QStringLiteral("80   -   7 km  across"),
    QStringLiteral("100 -   6 km  across"),
    QStringLiteral("168 -   3 km  across"),
};
constexpr int kZoomPresetValues[] = {1, 16, 24, 32, 48, 64, 80, 100, 168};
constexpr int kIncrementTicks[] = {1, 6, 12, 25, 125};

QStringList tagColours() {
  return {QStringLiteral("Green"), QStringLiteral("Red"),    QStringLiteral("Yellow"),
          QStringLiteral("Blue"),  QStringLiteral("Purple"), QStringLiteral("Black")};
}

QStringList numbered(const std::array<std::string, 128>& strings) {
  QStringList out;
  for (int i = 0; i < 128; ++i)
    out << QStringLiteral("%1: ").arg(i) + fromBytes(strings[static_cast<std::size_t>(i)]);
  return out;
}

bool isBox(int code) { return code >= brfcode::FirstBox && code < brfcode::FirstBox + 8; }
bool isTag(int code) { return code >= brfcode::FirstTag && code < brfcode::FirstTag + 8; }

} // namespace

void TBrfForm::buildListPage() {
  auto* page = new QWidget(BrfPages);
  page->setObjectName(QStringLiteral("ListPage"));
  auto* row = new QHBoxLayout(page);

  InstList = new QListWidget(page);
  InstList->setObjectName(QStringLiteral("InstList"));
  pages::blackBase(InstList);
  // The lines line up in columns with blanks: a fixed-pitch font keeps them.
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(InstList->font().pointSizeF());
  InstList->setFont(fixed);
  InstList->setContextMenuPolicy(Qt::CustomContextMenu);
  InstList->installEventFilter(this);
  connect(InstList, &QListWidget::currentRowChanged, this, [this](int r) {
    if (filling_ || r < 0) return;
    selected_ = r;
    showInstruction();
  });
  connect(InstList, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { listPopup_->popup(InstList->viewport()->mapToGlobal(at)); });
  row->addWidget(InstList, 1);

  auto* fields = new QWidget(page);
  fields->setMaximumWidth(380);
  auto* grid = new QGridLayout(fields);
  int r = 0;
  InstNumLabel = pages::label(fields, "InstNumLabel");
  grid->addWidget(InstNumLabel, r++, 0, 1, 2);
  TimeSecLabel = pages::label(fields, "TimeSecLabel");
  grid->addWidget(TimeSecLabel, r, 0);
  // Times are unsigned 16-bit tick counts in the stream.
  TimeSpin = pages::spin(fields, "TimeSpin", 0, 65535);
  grid->addWidget(TimeSpin, r++, 1);
  auto* increments = new QGroupBox(QStringLiteral("Time Adjust Increment (sec)"), fields);
  auto* incRow = new QHBoxLayout(increments);
  IncrementGroup = new QButtonGroup(this);
  const char* incNames[] = {"1/25", "1/4", "1/2", "1", "5"};
  for (int i = 0; i < 5; ++i) {
    auto* b = new QRadioButton(QString::fromLatin1(incNames[i]), increments);
    b->setObjectName(QStringLiteral("Increment%1").arg(i));
    IncrementGroup->addButton(b, i);
    incRow->addWidget(b);
  }
  IncrementGroup->button(0)->setChecked(true);
  connect(IncrementGroup, &QButtonGroup::idClicked, this,
          [this] { TimeSpin->setSingleStep(timeStep()); });
  grid->addWidget(increments, r++, 0, 1, 2);

  QStringList codes;
  for (int code = 0; code <= brf::EndCode; ++code)
    codes << fromBytes(commandName(static_cast<std::uint16_t>(code)));
  CommandBox = pages::combo(fields, "CommandBox", codes);
  grid->addWidget(CommandBox, r++, 0, 1, 2);
  IndexLabel = pages::label(fields, "IndexLabel");
  grid->addWidget(IndexLabel, r++, 0, 1, 2);
  IndexBox = pages::combo(fields, "IndexBox", {});
  ZoomPresetBox = pages::combo(fields, "ZoomPresetBox", kZoomPresets);
  grid->addWidget(IndexBox, r, 0, 1, 2);
  grid->addWidget(ZoomPresetBox, r++, 0, 1, 2);
  ColorLabel = pages::label(fields, "ColorLabel");
  ColorBox = pages::combo(fields, "ColorBox", {});
  grid->addWidget(ColorLabel, r, 0);
  grid->addWidget(ColorBox, r++, 1);
  XLabel = pages::label(fields, "XLabel");
  XEdit = pages::edit(fields, "XEdit", 12);
  grid->addWidget(XLabel, r, 0);
  grid->addWidget(XEdit, r++, 1);
  YLabel = pages::label(fields, "YLabel", QStringLiteral("      Y:"));
  YEdit = pages::edit(fields, "YEdit", 12);
  grid->addWidget(YLabel, r, 0);
  grid->addWidget(YEdit, r++, 1);
  CraftLabel = pages::label(fields, "CraftLabel", QStringLiteral("      Craft:"));
  CraftBox = pages::combo(fields, "CraftBox", pages::qlist(vocab::craftTypes()));
  grid->addWidget(CraftLabel, r, 0);
  grid->addWidget(CraftBox, r++, 1);

  auto* del = new QPushButton(QStringLiteral("Delete Instruction"), fields);
  del->setObjectName(QStringLiteral("DeleteInstBtn"));
  auto* up = new QPushButton(QStringLiteral("Move Instruction up"), fields);
  up->setObjectName(QStringLiteral("MoveUpBtn"));
  auto* down = new QPushButton(QStringLiteral("Move Instruction down"), fields);
  down->setObjectName(QStringLiteral("MoveDownBtn"));
  grid->addWidget(del, r++, 0, 1, 2);
  grid->addWidget(up, r, 0);
  grid->addWidget(down, r++, 1);
  auto* insert = new QPushButton(QStringLiteral("Insert"), fields);
  insert->setObjectName(QStringLiteral("InsertBtn"));
  auto* insertMenu = new QMenu(insert);
  for (QAction* a : insertActions_)
    insertMenu->addAction(a);
  insert->setMenu(insertMenu);
  grid->addWidget(insert, r++, 0, 1, 2);
  grid->setRowStretch(r, 1);
  row->addWidget(fields);
  connect(del, &QPushButton::clicked, this, &TBrfForm::DeleteInstBtnClick);
  connect(up, &QPushButton::clicked, this, &TBrfForm::MoveUpBtnClick);
  connect(down, &QPushButton::clicked, this, &TBrfForm::MoveDownBtnClick);

  // Each field writes only what it shows into the selected instruction.
  auto edited = [this](auto change) {
    if (filling_) return;
    TCommandObject c = pb_.list()[static_cast<std::size_t>(selected_)];
    change(c);
    auto where = std::make_shared<int>(selected_);
    if (apply(changeBriefingInstruction(selected_, c, where))) selectInstruction(*where);
  };
  connect(TimeSpin, &QSpinBox::valueChanged, this, [edited](int v) {
    edited([v](TCommandObject& c) {
      c.Time = static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    });
  });
  connect(CommandBox, &QComboBox::currentIndexChanged, this, [edited](int code) {
    edited([code](TCommandObject& c) { c.Command = static_cast<std::uint16_t>(code); });
  });
  connect(IndexBox, &QComboBox::currentIndexChanged, this, [edited](int i) {
    if (i < 0) return;
    edited([i](TCommandObject& c) {
      (c.Command == brfcode::ShipData ? c.InfoIcon : c.Index) = static_cast<std::uint16_t>(i);
    });
  });
  connect(ColorBox, &QComboBox::currentIndexChanged, this, [edited](int i) {
    if (i < 0) return;
    edited([i](TCommandObject& c) {
      const auto v = static_cast<std::uint16_t>(i);
      if (c.Command == brfcode::ShipData)
        c.Index = v;
      else if (c.Command == brfcode::RotateIcon)
        c.Rotation = v;
      else
        c.Color = v;
    });
  });
  connect(CraftBox, &QComboBox::currentIndexChanged, this, [edited](int i) {
    if (i >= 0) edited([i](TCommandObject& c) { c.CraftType = static_cast<std::uint16_t>(i); });
  });
  connect(ZoomPresetBox, &QComboBox::currentIndexChanged, this, [edited](int i) {
    if (i < 0 || i >= static_cast<int>(std::size(kZoomPresetValues))) return;
    edited([i](TCommandObject& c) { c.X = c.Y = static_cast<std::int16_t>(kZoomPresetValues[i]); });
  });
  connect(XEdit, &QLineEdit::editingFinished, this, [this, edited] {
    const QString text = XEdit->text().trimmed();
    const bool zoom = pb_.list()[static_cast<std::size_t>(selected_)].Command == brfcode::ZoomMap;
    // A zoom is a whole number; a position is kilometres. Text that is
    // neither leaves the field as it was.
    bool ok = false;
    const int zoomValue = text.toInt(&ok);
    const std::optional<int> v =
        zoom ? (ok ? std::optional<int>(zoomValue) : std::nullopt) : briefingKmField(toBytes(text));
    if (v) {
      edited([x = *v, zoom](TCommandObject& c) {
        c.X = static_cast<std::int16_t>(std::clamp(x, -32768, 32767));
        if (zoom) c.Y = c.X; // only X is used; Y is kept equal
      });
    }
    showInstruction();
  });
  connect(YEdit, &QLineEdit::editingFinished, this, [this, edited] {
    const auto v = briefingKmField(toBytes(YEdit->text().trimmed()));
    if (v)
      edited([y = *v](TCommandObject& c) {
        c.Y = static_cast<std::int16_t>(std::clamp(y, -32768, 32767));
      });
    showInstruction();
  });
  BrfPages->addTab(page, QStringLiteral("Instruction List"));
}

int TBrfForm::timeStep() const {
  const int id = IncrementGroup->checkedId();
  return kIncrementTicks[std::clamp(id, 0, 4)];
}

void TBrfForm::fillIconChoices() {
  if (InstList) showInstruction();
}

void TBrfForm::fillList() {
  filling_ = true;
  const Briefing& b = c_.document().briefing;
  const InstructionLineContext ctx{b.tags, b.texts, regionNames()};
  const InstructionList& list = pb_.list();
  const int n = static_cast<int>(list.size());
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
  filling_ = false;
}

void TBrfForm::selectInstruction(int position) {
  selected_ = std::clamp(position, 0, static_cast<int>(pb_.list().size()) - 1);
  filling_ = true;
  InstList->setCurrentRow(selected_);
  filling_ = false;
  showInstruction();
}

void TBrfForm::showInstruction() {
  const InstructionList& list = pb_.list();
  if (list.empty()) return;
  selected_ = std::clamp(selected_, 0, static_cast<int>(list.size()) - 1);
  const TCommandObject& c = list[static_cast<std::size_t>(selected_)];
  const int code = c.Command;
  const Document& d = c_.document();
  filling_ = true;
  InstNumLabel->setText(QStringLiteral("Instruction #%1").arg(selected_ + 1));
  TimeSecLabel->setText(QStringLiteral("Time (") + fromBytes(tickSecondsText(instructionTime(c))) +
                        QStringLiteral(" sec)"));
  TimeSpin->setSingleStep(timeStep());
  pages::showValue(TimeSpin, instructionTime(c));
  pages::showValue(CommandBox, code);
  const bool end = isEndMarker(c);
  TimeSpin->setEnabled(!end);
  CommandBox->setEnabled(!end);

  QStringList icons;
  for (std::size_t i = 0; i < d.flightGroups.size(); ++i)
    icons << (i == 0 ? QStringLiteral("0") : fromBytes(d.flightGroups[i].name()));
  QStringList regions;
  for (const std::string& r : regionNames())
    regions << fromBytes(r);

  QString indexLabel = QStringLiteral("                  Unused");
  QStringList indexItems, colorItems;
  int indexValue = c.Index, colorValue = c.Color;
  bool xy = false, xOnly = false, craft = false;
  if (code == brfcode::TitleText) {
    indexLabel = QStringLiteral("  Title (won't show up in Briefing):");
    indexItems = numbered(d.briefing.texts);
  } else if (code == brfcode::Text) {
    indexLabel = QStringLiteral("             Text to show:");
    indexItems = numbered(d.briefing.texts);
  } else if (code == brfcode::MoveMap) {
    indexLabel = QStringLiteral("        Option: Center on Icon:");
    xy = true;
  } else if (code == brfcode::ZoomMap) {
    indexLabel = QStringLiteral("             Zoom 'presets':");
    xOnly = true;
  } else if (isBox(code)) {
    indexLabel = QStringLiteral("                   Icon # to Box:");
    indexItems = icons;
  } else if (isTag(code)) {
    indexLabel = QStringLiteral("                   Map Tag:");
    indexItems = numbered(d.briefing.tags);
    colorItems = tagColours();
    xy = true;
  } else if (code == brfcode::NewIcon) {
    indexLabel = QStringLiteral("            Icon # to Add:");
    indexItems = icons;
    colorItems = pages::qlist(vocab::iffs());
    craft = true;
  } else if (code == brfcode::ShipData) {
    indexLabel = QStringLiteral("          Ship info for Icon:");
    indexItems = icons;
    colorItems = {QStringLiteral("Off"), QStringLiteral("On")};
    indexValue = c.InfoIcon;
    colorValue = c.Index;
  } else if (code == brfcode::MoveIcon) {
    indexLabel = QStringLiteral("           Icon # to move:");
    indexItems = icons;
    xy = true;
  } else if (code == brfcode::RotateIcon) {
    indexLabel = QStringLiteral("               Icon # to Rotate:");
    indexItems = icons;
    colorItems = {QStringLiteral("0 degrees"), QStringLiteral("270 degrees"),
                  QStringLiteral("180 degrees"), QStringLiteral("90 degrees"),
                  QStringLiteral("Mirror")};
    colorValue = c.Rotation;
  } else if (code == brfcode::ChangeRegion) {
    indexLabel = QStringLiteral("               Region:");
    indexItems = regions;
  }
  IndexLabel->setText(indexLabel);
  XLabel->setText(code == brfcode::ZoomMap ? QStringLiteral("Zoom:") : QStringLiteral("      X:"));
  ColorLabel->setText(code == brfcode::NewIcon      ? QStringLiteral("         IFF:")
                      : code == brfcode::ShipData   ? QStringLiteral("      Info:")
                      : code == brfcode::RotateIcon ? QStringLiteral("Rotation:")
                                                    : QStringLiteral("      Color:"));
  // An icon number beyond the flight groups still shows as its number.
  while (!indexItems.isEmpty() && indexItems.size() <= indexValue && indexItems == icons)
    indexItems << QString::number(indexItems.size());
  pages::refill(IndexBox, indexItems, indexValue);
  pages::refill(ColorBox, colorItems, colorValue);
  IndexBox->setVisible(!indexItems.isEmpty());
  ZoomPresetBox->setVisible(code == brfcode::ZoomMap);
  if (code == brfcode::ZoomMap) {
    const auto* preset = std::find(std::begin(kZoomPresetValues), std::end(kZoomPresetValues), c.X);
    pages::showValue(ZoomPresetBox, preset == std::end(kZoomPresetValues)
                                        ? 0
                                        : static_cast<int>(preset - std::begin(kZoomPresetValues)));
  }
  IndexLabel->setEnabled(!indexItems.isEmpty() || code == brfcode::ZoomMap);
  ColorBox->setVisible(!colorItems.isEmpty());
  ColorLabel->setEnabled(!colorItems.isEmpty());
  XEdit->setVisible(xy || xOnly);
  XLabel->setEnabled(xy || xOnly);
  YEdit->setVisible(xy);
  YLabel->setEnabled(xy);
  CraftBox->setVisible(craft);
  CraftLabel->setEnabled(craft);
  pages::showValue(XEdit, code == brfcode::ZoomMap ? QString::number(c.X)
                                                   : fromBytes(briefingKmText(c.X)));
  pages::showValue(YEdit, fromBytes(briefingKmText(c.Y)));
  pages::showValue(CraftBox, c.CraftType);
  filling_ = false;
}

TCommandObject TBrfForm::itemFor(BrfInsert kind, const InstructionList& list, int current) {
  static constexpr std::uint16_t codes[kBrfInsertCount] = {
      brfcode::PageBreak,  brfcode::TitleText,   brfcode::Text,     brfcode::MoveMap,
      brfcode::ZoomMap,    brfcode::ClearBoxes,  brfcode::FirstBox, brfcode::ClearTags,
      brfcode::FirstTag,   brfcode::NewIcon,     brfcode::ShipData, brfcode::MoveIcon,
      brfcode::RotateIcon, brfcode::ChangeRegion};
  TCommandObject c = newInstruction(codes[static_cast<int>(kind)], selectedIcon_, lastRotation_);
  if (kind == BrfInsert::NewIcon)
    c.Index = static_cast<std::uint16_t>(newIconNumber(list, current));
  if (kind == BrfInsert::MoveIcon || kind == BrfInsert::RotateIcon)
    c.Index = static_cast<std::uint16_t>(selectedIcon_);
  return c;
}

void TBrfForm::insertOnList(BrfInsert kind) {
  const int selected = selected_;
  const TCommandObject item = itemFor(kind, pb_.list(), selected);
  auto where = std::make_shared<int>(selected);
  auto warning = std::make_shared<std::string>();
  const Operation op = editBriefingList("Insert " + commandName(item.Command), {},
                                        [=](InstructionList& list) -> Status {
                                          const int pos = insertOnListPage(list, selected, item);
                                          *warning = assignFreeSlot(list, pos);
                                          *where = sortByTime(list, pos);
                                          return {};
                                        });
  if (!apply(op)) return;
  if (!warning->empty()) c_.prompts().showInformation(fromBytes(*warning));
  selectInstruction(*where);
}

void TBrfForm::DeleteInstBtnClick() {
  const InstructionList& list = pb_.list();
  if (list.size() <= 1 || isEndMarker(list[static_cast<std::size_t>(selected_)])) return;
  if (c_.preferences().confirmDeletes &&
      !c_.prompts().askYesNo(QStringLiteral("Delete Current Instruction - Are You Sure?")))
    return;
  const int at = selected_;
  if (apply(deleteBriefingInstruction(at))) selectInstruction(at);
}

void TBrfForm::MoveUpBtnClick() {
  auto where = std::make_shared<int>(selected_);
  if (apply(moveBriefingInstruction(selected_, true, where))) selectInstruction(*where);
}

void TBrfForm::MoveDownBtnClick() {
  auto where = std::make_shared<int>(selected_);
  if (apply(moveBriefingInstruction(selected_, false, where))) selectInstruction(*where);
}

void TBrfForm::SetAllToStart1Click() {
  if (!c_.prompts().askYesNo(
          QStringLiteral("Set Briefing Points to Start Point 1 for Briefing 1?")))
    return;
  apply(setBriefingPointsToStart1());
}

} // namespace zephlo
