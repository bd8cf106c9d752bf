#include "ui/briefing/instruction_fields_panel.h"

#include "ui/editing/page_controls.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

namespace zephlo {

using pages::fromBytes;
using pages::toBytes;

InstructionFieldsPanel::InstructionFieldsPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("InstructionFields"));
  setMaximumWidth(380);
  build();

  // Times re-sort the list: a time typed goes in once it is finished.
  pages::commitOnFinish(TimeSpin);
  connect(IncrementGroup, &QButtonGroup::idClicked, this,
          [this] { TimeSpin->setSingleStep(timeStep()); });
  connect(TimeSpin, &QSpinBox::valueChanged, this, [this](int v) {
    TCommandObject c = item_;
    c.Time = static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    emit edited(c, QStringLiteral("Change Time"), QStringLiteral("time"));
  });
  connect(CommandBox, &QComboBox::currentIndexChanged, this, [this](int code) {
    if (code < 0) return;
    TCommandObject c = item_;
    c.Command = static_cast<std::uint16_t>(code);
    emit edited(c, QStringLiteral("Change Instruction"), QStringLiteral("code"));
  });
  connect(IndexBox, &QComboBox::currentIndexChanged, this,
          [this](int i) { choose(ParamControl::IndexBox, i, "index"); });
  connect(ColorBox, &QComboBox::currentIndexChanged, this,
          [this](int i) { choose(ParamControl::ColourBox, i, "colour"); });
  connect(CraftBox, &QComboBox::currentIndexChanged, this,
          [this](int i) { choose(ParamControl::CraftBox, i, "craft"); });
  connect(ZoomPresetBox, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0) return;
    emit edited(withZoomPreset(item_, i), QStringLiteral("Change Zoom"), QStringLiteral("x"));
  });
  connect(XEdit, &QLineEdit::editingFinished, this,
          [this] { typed(XEdit, ParamControl::XField, "x"); });
  connect(YEdit, &QLineEdit::editingFinished, this,
          [this] { typed(YEdit, ParamControl::YField, "y"); });
}

void InstructionFieldsPanel::build() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  int r = 0;
  InstNumLabel = pages::label(this, "InstNumLabel");
  grid->addWidget(InstNumLabel, r++, 0, 1, 2);
  TimeSecLabel = pages::label(this, "TimeSecLabel");
  grid->addWidget(TimeSecLabel, r, 0);
  // Times are unsigned 16-bit tick counts in the stream.
  TimeSpin = pages::spin(this, "TimeSpin", 0, 65535);
  grid->addWidget(TimeSpin, r++, 1);
  auto* increments = new QGroupBox(QStringLiteral("Time Adjust Increment (sec)"), this);
  auto* incRow = new QHBoxLayout(increments);
  IncrementGroup = new QButtonGroup(this);
  int id = 0;
  for (const TimeIncrement& inc : timeIncrements()) {
    auto* b = new QRadioButton(QString::fromLatin1(inc.caption), increments);
    b->setObjectName(QStringLiteral("Increment%1").arg(id));
    IncrementGroup->addButton(b, id++);
    incRow->addWidget(b);
  }
  IncrementGroup->button(0)->setChecked(true);
  grid->addWidget(increments, r++, 0, 1, 2);

  QStringList codes;
  for (int code = 0; code <= brf::EndCode; ++code)
    codes << fromBytes(commandName(static_cast<std::uint16_t>(code)));
  CommandBox = pages::combo(this, "CommandBox", codes);
  grid->addWidget(CommandBox, r++, 0, 1, 2);
  IndexLabel = pages::label(this, "IndexLabel");
  grid->addWidget(IndexLabel, r++, 0, 1, 2);
  IndexBox = pages::combo(this, "IndexBox", {});
  QStringList presets;
  for (const ZoomPreset& p : zoomPresets())
    presets << QString::fromLatin1(p.text);
  ZoomPresetBox = pages::combo(this, "ZoomPresetBox", presets);
  grid->addWidget(IndexBox, r, 0, 1, 2);
  grid->addWidget(ZoomPresetBox, r++, 0, 1, 2);
  ColorLabel = pages::label(this, "ColorLabel");
  ColorBox = pages::combo(this, "ColorBox", {});
  grid->addWidget(ColorLabel, r, 0);
  grid->addWidget(ColorBox, r++, 1);
  XLabel = pages::label(this, "XLabel");
  XEdit = pages::edit(this, "XEdit", 12);
  grid->addWidget(XLabel, r, 0);
  grid->addWidget(XEdit, r++, 1);
  YLabel = pages::label(this, "YLabel", QStringLiteral("      Y:"));
  YEdit = pages::edit(this, "YEdit", 12);
  grid->addWidget(YLabel, r, 0);
  grid->addWidget(YEdit, r++, 1);
  CraftLabel = pages::label(this, "CraftLabel", QStringLiteral("      Craft:"));
  CraftBox = pages::combo(this, "CraftBox", pages::qlist(paramChoices(ParamKind::CraftType, {})));
  grid->addWidget(CraftLabel, r, 0);
  grid->addWidget(CraftBox, r++, 1);
}

int InstructionFieldsPanel::timeStep() const {
  const auto steps = timeIncrements();
  const int id = std::clamp(IncrementGroup->checkedId(), 0, static_cast<int>(steps.size()) - 1);
  return steps[static_cast<std::size_t>(id)].ticks;
}

void InstructionFieldsPanel::choose(ParamControl control, int item, const char* key) {
  if (auto c = withChoice(item_, control, item))
    emit edited(*c, QStringLiteral("Change ") + fromBytes(controlTitle(item_.Command, control)),
                QString::fromLatin1(key));
}

void InstructionFieldsPanel::typed(QLineEdit* field, ParamControl control, const char* key) {
  // Typing is over: the field shows the value as stored from here on.
  pages::committed(field);
  if (auto c = withText(item_, control, toBytes(field->text())))
    emit edited(*c, QStringLiteral("Change ") + fromBytes(controlTitle(item_.Command, control)),
                QString::fromLatin1(key));
  // A text that is no value gives way to the stored one.
  pages::showValue(field, fromBytes(control == ParamControl::XField ? view_.x.text : view_.y.text));
}

void InstructionFieldsPanel::offer(QComboBox* box, const FieldView& view) {
  pages::refill(box, pages::qlist(view.choices), view.value);
  box->setVisible(view.shown);
}

void InstructionFieldsPanel::showInstruction(const InstructionList& list, int position,
                                             const Document& d) {
  if (list.empty()) return;
  item_ =
      list[static_cast<std::size_t>(std::clamp(position, 0, static_cast<int>(list.size()) - 1))];
  view_ = instructionForm(list, position, d);
  InstNumLabel->setText(fromBytes(view_.numberLabel));
  TimeSecLabel->setText(fromBytes(view_.timeLabel));
  TimeSpin->setSingleStep(timeStep());
  pages::showValue(TimeSpin, view_.time);
  pages::showValue(CommandBox, view_.code);
  TimeSpin->setEnabled(!view_.endMarker);
  CommandBox->setEnabled(!view_.endMarker);

  IndexLabel->setText(fromBytes(view_.indexLabel));
  ColorLabel->setText(fromBytes(view_.colourLabel));
  XLabel->setText(fromBytes(view_.xLabel));
  offer(IndexBox, view_.index);
  offer(ColorBox, view_.colour);
  ZoomPresetBox->setVisible(view_.zoomPresets);
  if (view_.zoomPresets) pages::showValue(ZoomPresetBox, view_.zoomPreset);
  CraftBox->setVisible(view_.craft.shown);
  if (view_.craft.shown) pages::showValue(CraftBox, view_.craft.value);
  // A hidden field's label stays, greyed.
  IndexLabel->setEnabled(view_.indexLabelOn);
  ColorLabel->setEnabled(view_.colour.shown);
  XLabel->setEnabled(view_.x.shown);
  YLabel->setEnabled(view_.y.shown);
  CraftLabel->setEnabled(view_.craft.shown);
  XEdit->setVisible(view_.x.shown);
  YEdit->setVisible(view_.y.shown);
  pages::showValue(XEdit, fromBytes(view_.x.text));
  pages::showValue(YEdit, fromBytes(view_.y.text));
}

} // namespace zephlo
