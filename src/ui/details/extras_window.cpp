#include "ui/details/extras_window.h"

#include "core/gamedata/vocabularies.h"
#include "core/mission/change_scope.h"
#include "ui/details/formations_window.h"
#include "ui/editing/action_registry.h"
#include "ui/editing/document_follower.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace zephlo {

using namespace pages;

TShipExt::TShipExt(EditingDocument& controller, ActionRegistry& actions, QWidget* parent)
    : QWidget(parent, Qt::Tool), c_(controller), fields_(controller) {
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
  SpacingSpin = fields_.spin(this, FgField::Spacing, 0, 255);
  SpecShpSpin = fields_.spin(this, FgField::SpecialCraft, 0, 255);

  RandomChk = new QCheckBox(QStringLiteral("Random"), this);
  RandomChk->setObjectName(QStringLiteral("RandomChk"));
  connect(RandomChk, &QCheckBox::clicked, this, [this](bool on) {
    if (!filling() && hasFlightGroup())
      c_.apply(storeField(FgField::RandomSpecialCraft, on ? 1 : 0, c_.state()));
  });
  AutoLinkChk = new QCheckBox(QStringLiteral("Autolink: Shiptype/Team/IFF"), this);
  AutoLinkChk->setObjectName(QStringLiteral("AutoLinkChk"));
  connect(AutoLinkChk, &QCheckBox::clicked, this, [this](bool on) {
    if (!filling() && hasFlightGroup()) c_.apply(storeAutolink(on, c_.state()));
  });

  const QStringList suggestions = qlist(cargoSuggestions());
  CargoEd = combo(this, "CargoEd", suggestions, true);
  SpecCargEd = combo(this, "SpecCargEd", suggestions, true);
  for (auto [box, field] :
       {std::pair{CargoEd, CargoField::Cargo}, std::pair{SpecCargEd, CargoField::SpecialCargo}}) {
    box->lineEdit()->setMaxLength(static_cast<int>(fg::CargoSize));
    connect(box, &QComboBox::editTextChanged, this, [this, field = field](const QString& t) {
      if (!filling() && hasFlightGroup()) c_.apply(storeCargo(field, toBytes(t), c_.state()));
    });
    showStoredOnFinish(box->lineEdit(), [this, box, field = field] {
      if (!hasFlightGroup()) return;
      ++filling_;
      showEditText(box, fromBytes(cargoText(currentFlightGroup(), field)));
      --filling_;
    });
  }
  FormBtn = new QToolButton(this);
  FormBtn->setObjectName(QStringLiteral("FormBtn"));
  PickBDrops = new QToolButton(this);
  PickBDrops->setObjectName(QStringLiteral("PickBDrops"));
  buildCommands(actions);

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

  new DocumentFollower(c_, this, [this](const ViewUpdate& u) { refresh(u); });
}

void TShipExt::buildCommands(ActionRegistry& actions) {
  const QString view = QStringLiteral("View Formations");
  command(actions, FormBtn, "FormationsAction", view, view, this, [this] {
    if (!formations_) formations_ = new TFormationsForm(this);
    formations_->show();
    formations_->raise();
  });
  const QString choose = QStringLiteral("Choose Backdrop");
  command(actions, PickBDrops, "ChooseBackdropAction", choose, choose, this,
          [this] { emit backdropPickerRequested(); });
}

QComboBox* TShipExt::fieldCombo(FgField field, const QStringList& items) {
  return fields_.combo(this, field, items);
}

void TShipExt::refresh(const ViewUpdate& u) {
  if (u.flightGroupMoved()) setEnabled(hasFlightGroup());
  if (!hasFlightGroup()) return;
  ++filling_;
  const FGObject& f = currentFlightGroup();
  fields_.fill(u);
  if (u.flightGroup(fieldBytes(FgField::RandomSpecialCraft)))
    showValue(RandomChk, f.at(fg::RandomSpecialCraft) != 0);
  if (u.flightGroupAspects(kFGEditorOnly)) showValue(AutoLinkChk, f.autolink);
  for (auto [box, field] :
       {std::pair{CargoEd, CargoField::Cargo}, std::pair{SpecCargEd, CargoField::SpecialCargo}}) {
    if (u.flightGroup(cargoBytes(field))) showEditText(box, fromBytes(cargoText(f, field)));
  }

  // A backdrop uses the cargo fields for brightness and size.
  if (u.flightGroup(fieldBytes(FgField::CraftType))) {
    const ExtrasCaptions caps = extrasCaptions(f);
    CargoGroup->setTitle(fromBytes(caps.group));
    CargoLab->setText(fromBytes(caps.cargo));
    SpecCargLab->setText(fromBytes(caps.special));
    SpecShpLab1->setText(fromBytes(caps.specialCraft1));
    SpecShpLab2->setText(fromBytes(caps.specialCraft2));
  }
  if (u.flightGroup(specialCargoUseBytes())) {
    QPalette p = SpecCargEd->palette();
    p.setColor(QPalette::Base, specialCargoUnused(f) ? palette().color(QPalette::Button)
                                                     : palette().color(QPalette::Base));
    SpecCargEd->setPalette(p);
  }
  --filling_;
}

} // namespace zephlo
