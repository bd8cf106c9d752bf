#include "ui/details/extras_window.h"

#include "core/gamedata/vocabularies.h"
#include "ui/details/formations_window.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace zephlo {

using namespace pages;

TShipExt::TShipExt(EditingDocument& controller, QWidget* parent)
    : QWidget(parent, Qt::Tool), c_(controller) {
  setObjectName(QStringLiteral("ShipExt"));
  setWindowTitle(QStringLiteral("Flight Group Extras"));

  StatusBox = fieldCombo(FgField::Status1, qlist(vocab::craftStatuses()));
  Status2Box = fieldCombo(FgField::Status2, qlist(vocab::craftStatuses()));
  AIBox = fieldCombo(FgField::AiRank, qlist(vocab::aiRanks()));
  RadioBox = fieldCombo(FgField::Radio, qlist(vocab::radioChannels()));
  IFFBox = fieldCombo(FgField::Iff, qlist(vocab::iffs()));
  ColorBox = fieldCombo(FgField::Colour, qlist(vocab::markings()));
  FormBox = fieldCombo(FgField::Formation, qlist(vocab::formations()));
  MissleBox = fieldCombo(FgField::Warhead, qlist(vocab::warheads()));
  BeamBox = fieldCombo(FgField::Beam, qlist(vocab::beams()));
  CounterBox = fieldCombo(FgField::Countermeasure, qlist(vocab::countermeasures()));
  AppearBox = fieldCombo(FgField::Difficulty, qlist(vocab::difficulties()));
  SpacingSpin = spin(this, controlName(FgField::Spacing), 0, 255);
  fieldControls_.push_back({SpacingSpin, FgField::Spacing});
  connect(SpacingSpin, &QSpinBox::valueChanged, this,
          [this](int v) { FieldChange(FgField::Spacing, v); });
  SpecShpSpin = spin(this, controlName(FgField::SpecialCraft), 0, 255);
  fieldControls_.push_back({SpecShpSpin, FgField::SpecialCraft});
  connect(SpecShpSpin, &QSpinBox::valueChanged, this,
          [this](int v) { FieldChange(FgField::SpecialCraft, v); });

  RandomChk = new QCheckBox(QStringLiteral("Random"), this);
  RandomChk->setObjectName(QStringLiteral("RandomChk"));
  connect(RandomChk, &QCheckBox::clicked, this,
          [this](bool on) { FieldChange(FgField::RandomSpecialCraft, on ? 1 : 0); });
  AutoLinkChk = new QCheckBox(QStringLiteral("Autolink: Shiptype/Team/IFF"), this);
  AutoLinkChk->setObjectName(QStringLiteral("AutoLinkChk"));
  connect(AutoLinkChk, &QCheckBox::clicked, this, [this](bool on) {
    if (!filling() && !c_.document().flightGroups.empty()) c_.apply(storeAutolink(on, c_.state()));
  });

  const QStringList suggestions = qlist(cargoSuggestions());
  CargoEd = combo(this, "CargoEd", suggestions, true);
  SpecCargEd = combo(this, "SpecCargEd", suggestions, true);
  for (auto [box, field] :
       {std::pair{CargoEd, CargoField::Cargo}, std::pair{SpecCargEd, CargoField::SpecialCargo}}) {
    box->lineEdit()->setMaxLength(static_cast<int>(fg::CargoSize));
    connect(box, &QComboBox::editTextChanged, this, [this, field = field](const QString& t) {
      if (!filling() && !c_.document().flightGroups.empty())
        c_.apply(storeCargo(field, toBytes(t), c_.state()));
    });
  }
  FormBtn = new QPushButton(QStringLiteral("View Formations"), this);
  FormBtn->setObjectName(QStringLiteral("FormBtn"));
  connect(FormBtn, &QPushButton::clicked, this, [this] {
    if (!formations_) formations_ = new TFormationsForm(this);
    formations_->show();
    formations_->raise();
  });
  PickBDrops = new QPushButton(QStringLiteral("Choose Backdrop"), this);
  PickBDrops->setObjectName(QStringLiteral("PickBDrops"));
  connect(PickBDrops, &QPushButton::clicked, this, &TShipExt::backdropPickerRequested);

  auto* craft = new QGroupBox(QStringLiteral("Craft"), this);
  auto* cg = new QGridLayout(craft);
  int row = 0;
  auto add = [&](QGridLayout* g, const QString& caption, QWidget* w) {
    g->addWidget(new QLabel(caption, g->parentWidget()), row, 0);
    g->addWidget(w, row++, 1);
  };
  add(cg, QStringLiteral("Status 1"), StatusBox);
  add(cg, QStringLiteral("Status 2"), Status2Box);
  add(cg, QStringLiteral("A.I."), AIBox);
  add(cg, QStringLiteral("Radio"), RadioBox);
  add(cg, QStringLiteral("IFF"), IFFBox);
  add(cg, QStringLiteral("Color"), ColorBox);
  add(cg, QStringLiteral("Form"), FormBox);
  add(cg, QStringLiteral("Spacing"), SpacingSpin);
  cg->addWidget(FormBtn, row++, 1);
  add(cg, QStringLiteral("Missile"), MissleBox);
  add(cg, QStringLiteral("Beam"), BeamBox);
  add(cg, QStringLiteral("Counter"), CounterBox);

  CargoGroup = new QGroupBox(QStringLiteral("Cargo"), this);
  auto* gg = new QGridLayout(CargoGroup);
  CargoLab = label(CargoGroup, "CargoLab", QStringLiteral("Default:"));
  SpecCargLab = label(CargoGroup, "SpecCargLab", QStringLiteral("Special:"));
  SpecShpLab1 = label(CargoGroup, "SpecShpLab1", QStringLiteral("Spec"));
  SpecShpLab2 = label(CargoGroup, "SpecShpLab2", QStringLiteral("Ship#:"));
  gg->addWidget(CargoLab, 0, 0);
  gg->addWidget(CargoEd, 0, 1, 1, 2);
  gg->addWidget(SpecCargLab, 1, 0);
  gg->addWidget(SpecCargEd, 1, 1, 1, 2);
  auto* spec = new QVBoxLayout;
  spec->setSpacing(0);
  spec->addWidget(SpecShpLab1);
  spec->addWidget(SpecShpLab2);
  gg->addLayout(spec, 2, 0);
  gg->addWidget(SpecShpSpin, 2, 1);
  gg->addWidget(RandomChk, 2, 2);
  gg->addWidget(PickBDrops, 3, 1, 1, 2);

  auto* bottom = new QGridLayout;
  row = 0;
  bottom->addWidget(new QLabel(QStringLiteral("Appears in Difficulty:"), this), 0, 0);
  bottom->addWidget(AppearBox, 0, 1);
  bottom->addWidget(AutoLinkChk, 1, 0, 1, 2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(craft);
  layout->addWidget(CargoGroup);
  layout->addLayout(bottom);
  layout->addStretch();

  connect(&c_, &EditingDocument::documentReplaced, this, &TShipExt::fill);
  connect(&c_, &EditingDocument::documentChanged, this, &TShipExt::fill);
  connect(&c_, &EditingDocument::currentFlightGroupChanged, this, &TShipExt::fill);
  connect(&c_, &EditingDocument::stateChanged, this, &TShipExt::fill);
}

QComboBox* TShipExt::fieldCombo(FgField field, const QStringList& items) {
  QComboBox* b = combo(this, controlName(field), items);
  fieldControls_.push_back({b, field});
  connect(b, &QComboBox::activated, this, [this, field](int i) { FieldChange(field, i); });
  return b;
}

void TShipExt::FieldChange(FgField field, int value) {
  if (filling() || c_.document().flightGroups.empty()) return;
  c_.apply(storeField(field, value, c_.state()));
}

void TShipExt::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  fill();
}

void TShipExt::fill() {
  if (!isVisible()) return;
  const Document& d = c_.document();
  const int current = c_.state().currentFG;
  const bool valid = current >= 0 && current < static_cast<int>(d.flightGroups.size());
  setEnabled(valid);
  if (!valid) return;
  ++filling_;
  const FGObject& f = d.flightGroups[static_cast<std::size_t>(c_.state().currentFG)];
  for (const auto& [w, field] : fieldControls_)
    showNumber(w, fieldValue(f, field));
  showValue(RandomChk, f.at(fg::RandomSpecialCraft) != 0);
  showValue(AutoLinkChk, f.autolink);
  showEditText(CargoEd, fromBytes(getText(f.record, fg::Cargo, fg::CargoSize)));
  showEditText(SpecCargEd, fromBytes(getText(f.record, fg::SpecialCargo, fg::CargoSize)));

  // A backdrop uses the cargo fields for brightness and size.
  const ExtrasCaptions caps = extrasCaptions(f);
  CargoGroup->setTitle(fromBytes(caps.group));
  CargoLab->setText(fromBytes(caps.cargo));
  SpecCargLab->setText(fromBytes(caps.special));
  SpecShpLab1->setText(fromBytes(caps.specialCraft1));
  SpecShpLab2->setText(fromBytes(caps.specialCraft2));
  QPalette p = SpecCargEd->palette();
  p.setColor(QPalette::Base, specialCargoUnused(f) ? palette().color(QPalette::Button)
                                                   : palette().color(QPalette::Base));
  SpecCargEd->setPalette(p);
  --filling_;
}

} // namespace zephlo
