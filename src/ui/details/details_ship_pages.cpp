// The "Ship", "Options", "Role", "Arrival" and "Departure" pages.
#include "core/check/texts.h"
#include "core/gamedata/vocabularies.h"
#include "core/mission/fg_stores.h"
#include "core/mission/shared_values.h"
#include "core/mission/store_values.h"
#include "ui/details/details_window.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/mixed_controls.h"
#include "ui/editing/page_controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zephlo {

using namespace pages;

namespace {

QStringList numbered(int from, int to) {
  QStringList out;
  for (int i = from; i <= to; ++i)
    out << QString::number(i);
  return out;
}

QStringList nameSuggestions() {
  return {QStringLiteral("1.0 1.0 1.0"),
          "Red",
          "Blue",
          "Green",
          "Gold",
          "Rogue",
          "Avenger",
          "Alpha",
          "Beta",
          "Gamma",
          "Delta",
          "Epsilon",
          "Zeta",
          "Eta",
          "Theta",
          "Iota",
          "Kappa",
          "Lambda",
          "Mu",
          "Nu",
          "Xi"};
}

QListWidget* multiList(QWidget* parent, const char* name, const QStringList& items) {
  auto* l = new QListWidget(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->addItems(items);
  l->setSelectionMode(QAbstractItemView::MultiSelection);
  return l;
}

QStringList withoutNone(const vocab::List& l) {
  return qlist(std::vector<std::string>(l.begin() + 1, l.end()));
}

QStringList optionalLabels(OptionalList which) {
  switch (which) {
  case OptionalList::Warheads: return withoutNone(vocab::warheads());
  case OptionalList::Beams: return withoutNone(vocab::beams());
  case OptionalList::Countermeasures: return withoutNone(vocab::countermeasures());
  }
  return {};
}

constexpr int kOptionalCraftRows = 10;

} // namespace

void TDatapad::buildShipPage() {
  Ship = page(FGPages, "Ship", QStringLiteral("Ship"));
  auto* g = new QGridLayout(Ship);
  ShipBox = fields_.combo(Ship, FgField::CraftType, qlist(vocab::craftTypes()));
  ShipName = combo(Ship, "ShipName", nameSuggestions(), true);
  ShipName->lineEdit()->setMaxLength(static_cast<int>(fg::NameSize));
  // Return stores the name; it does not add it to the suggestions.
  ShipName->setInsertPolicy(QComboBox::NoInsert);
  FGSizeSpin = fields_.spin(Ship, FgField::NumCraft, 0, 255);
  WaveSpin = fields_.spin(Ship, FgField::Waves, 1, 256);
  TeamBox = fields_.combo(Ship, FgField::Team, numbered(1, 10));
  PlayerBox =
      fields_.combo(Ship, FgField::Player, QStringList{QStringLiteral("(A.I.)")} + numbered(1, 8));
  PlrPosSpin = fields_.combo(Ship, FgField::PlayerPosition,
                             QStringList{QStringLiteral("2 (1)")} + numbered(2, 6));
  GGSpin = fields_.spin(Ship, FgField::GlobalGroup, 0, 255);
  GUSpin = fields_.spin(Ship, FgField::GlobalUnit, 0, 255);
  ExtBtn = new QToolButton(Ship);
  ExtBtn->setObjectName(QStringLiteral("ExtBtn"));
  ExtBtn->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

  int row = 0;
  auto add = [&](const QString& caption, QWidget* w) {
    g->addWidget(pages::caption(Ship, caption, w), row, 0);
    g->addWidget(w, row++, 1);
  };
  add(QStringLiteral("Craft:"), ShipBox);
  add(QStringLiteral("Name:"), ShipName);
  add(QStringLiteral("Craft per wave:"), FGSizeSpin);
  add(QStringLiteral("Waves:"), WaveSpin);
  add(QStringLiteral("Team:"), TeamBox);
  add(QStringLiteral("Player:"), PlayerBox);
  add(QStringLiteral("Position:"), PlrPosSpin);
  add(QStringLiteral("Global group:"), GGSpin);
  add(QStringLiteral("Global unit:"), GUSpin);
  g->addWidget(ExtBtn, row++, 1);
  g->setRowStretch(row, 1);
  connect(ShipName, &QComboBox::editTextChanged, this, &TDatapad::ShipNameChange);
  showStoredOnFinish(ShipName->lineEdit(), [this] { showName(); });
}

void TDatapad::buildOptionsPage() {
  Options = page(FGPages, "Options", QStringLiteral("Options"));
  auto* g = new QGridLayout(Options);
  OrientationBox = fields_.combo(Options, FgField::Orientation, numbered(0, 255));
  MissleSelBox = multiList(Options, "MissleSelBox", optionalLabels(OptionalList::Warheads));
  BeamSelBox = multiList(Options, "BeamSelBox", optionalLabels(OptionalList::Beams));
  CounterSelbox =
      multiList(Options, "CounterSelbox", optionalLabels(OptionalList::Countermeasures));
  OpShipTypes = fields_.combo(Options, FgField::OptionalCraftCategory,
                              qlist(vocab::optionalCraftCategories()));

  OpShipPanel = new QWidget(Options);
  auto* op = new QGridLayout(OpShipPanel);
  op->setContentsMargins(0, 0, 0, 0);
  OpFGList = new QListWidget(OpShipPanel);
  OpFGList->setObjectName(QStringLiteral("OpFGList"));
  for (int n = 0; n < kOptionalCraftRows; ++n)
    OpFGList->addItem(QString());
  OpFGList->setCurrentRow(0);
  OpShipBox = combo(OpShipPanel, "OpShipBox", qlist(vocab::craftTypes()));
  OpFGCountSpin = mixedSpin(OpShipPanel, "OpFGCountSpin", 0, 255);
  OpShipWavesSpin = mixedSpin(OpShipPanel, "OpShipWavesSpin", 1, 256);
  commitOnFinish(OpFGCountSpin);
  commitOnFinish(OpShipWavesSpin);
  op->addWidget(OpFGList, 0, 0, 4, 1);
  op->addWidget(caption(OpShipPanel, QStringLiteral("Craft:"), OpShipBox), 0, 1);
  op->addWidget(OpShipBox, 0, 2);
  op->addWidget(caption(OpShipPanel, QStringLiteral("Count:"), OpFGCountSpin), 1, 1);
  op->addWidget(OpFGCountSpin, 1, 2);
  op->addWidget(caption(OpShipPanel, QStringLiteral("Waves:"), OpShipWavesSpin), 2, 1);
  op->addWidget(OpShipWavesSpin, 2, 2);

  g->addWidget(caption(Options, QStringLiteral("Orientation:"), OrientationBox), 0, 0);
  g->addWidget(OrientationBox, 0, 1);
  g->addWidget(caption(Options, QStringLiteral("Warheads"), MissleSelBox), 1, 0);
  g->addWidget(caption(Options, QStringLiteral("Beams"), BeamSelBox), 1, 1);
  g->addWidget(caption(Options, QStringLiteral("Countermeasures"), CounterSelbox), 1, 2);
  g->addWidget(MissleSelBox, 2, 0);
  g->addWidget(BeamSelBox, 2, 1);
  g->addWidget(CounterSelbox, 2, 2);
  g->addWidget(caption(Options, QStringLiteral("Other craft:"), OpShipTypes), 3, 0);
  g->addWidget(OpShipTypes, 3, 1, 1, 2);
  g->addWidget(OpShipPanel, 4, 0, 1, 3);
  g->setRowStretch(5, 1);

  const auto lists = optionalLists();
  for (auto [l, which] : lists) {
    connect(l, &QListWidget::itemSelectionChanged, this, [this, l, which] {
      if (filling()) return;
      // What the list showed chosen is what every selected flight group holds.
      const SharedRows shown = sharedOptionalItems(c_.document(), c_.state(), which);
      apply(storeOptionalItems(which, chosenListRows(l), shown.all, c_.state()));
    });
  }
  connect(OpFGList, &QListWidget::currentRowChanged, this, [this] {
    ++filling_;
    fillOptionalCraftRow();
    --filling_;
  });
  auto craftStore = [this](OptionalCraftField field, int value) {
    if (filling() || !hasFlightGroup()) return;
    apply(storeOptionalCraft(field, std::max(0, OpFGList->currentRow()), value, c_.state()));
    ++filling_;
    fillOptionalCraftRow(); // a value held at a limit shows as stored
    --filling_;
  };
  connect(OpShipBox, &QComboBox::activated, this,
          [craftStore](int i) { craftStore(OptionalCraftField::Type, i); });
  connect(OpFGCountSpin, &QSpinBox::valueChanged, this,
          [craftStore](int v) { craftStore(OptionalCraftField::Count, v); });
  connect(OpShipWavesSpin, &QSpinBox::valueChanged, this,
          [craftStore](int v) { craftStore(OptionalCraftField::Waves, v); });
}

void TDatapad::buildRolePage() {
  Role = page(FGPages, "Role", QStringLiteral("Role"));
  auto* g = new QGridLayout(Role);
  RoleBox = fields_.combo(Role, FgField::Role1, qlist(vocab::tacticalRoles()));
  Role2Box = fields_.combo(Role, FgField::Role2, qlist(vocab::tacticalRoles()));
  Edit1 = fields_.edit(Role, FgField::Role1Switch);
  Edit2 = fields_.edit(Role, FgField::Role2Switch);
  Edit5 = fields_.edit(Role, FgField::RoleUnknown1);
  Edit7 = fields_.edit(Role, FgField::RoleUnknown2);
  UseRole1 = new QCheckBox(QStringLiteral("Use this Role"), Role);
  UseRole1->setObjectName(QStringLiteral("UseRole1"));
  UseRole2 = new QCheckBox(QStringLiteral("Use this Role"), Role);
  UseRole2->setObjectName(QStringLiteral("UseRole2"));
  RoleOrderLab = label(Role, "RoleOrderLab");
  RoleOrderLab->setWordWrap(true);
  TotalFGsLab = label(Role, "TotalFGsLab");
  TotalatStartLab = label(Role, "TotalatStartLab");
  TotalObLab = label(Role, "TotalObLab");

  // The switch column is headed once; each switch also names itself.
  g->addWidget(caption(Role, QStringLiteral("Switch"), Edit1), 0, 2);
  nameBox(Edit1, QStringLiteral("Role 1 switch"));
  nameBox(Edit2, QStringLiteral("Role 2 switch"));
  nameBox(Edit7, QStringLiteral("Second unknown"));
  g->addWidget(caption(Role, QStringLiteral("Role 1:"), RoleBox), 1, 0);
  g->addWidget(RoleBox, 1, 1);
  g->addWidget(Edit1, 1, 2);
  g->addWidget(UseRole1, 1, 3);
  g->addWidget(caption(Role, QStringLiteral("Role 2:"), Role2Box), 2, 0);
  g->addWidget(Role2Box, 2, 1);
  g->addWidget(Edit2, 2, 2);
  g->addWidget(UseRole2, 2, 3);
  g->addWidget(caption(Role, QStringLiteral("Unknowns:"), Edit5), 3, 0);
  g->addWidget(Edit5, 3, 1);
  g->addWidget(Edit7, 3, 2);
  g->addWidget(RoleOrderLab, 4, 0, 1, 4);
  g->addWidget(TotalFGsLab, 5, 0, 1, 4);
  g->addWidget(TotalatStartLab, 6, 0, 1, 4);
  g->addWidget(TotalObLab, 7, 0, 1, 4);
  g->setRowStretch(8, 1);

  for (auto [box, role] : {std::pair{UseRole1, 1}, std::pair{UseRole2, 2}}) {
    connect(box, &QCheckBox::clicked, this, [this, role = role](bool on) {
      if (filling() || !hasFlightGroup()) return;
      apply(storeRoleUsed(role, on, c_.state()));
    });
  }
}

void TDatapad::buildArrivalPages() {
  Arrival = page(FGPages, "Arrival", QStringLiteral("Arrival"));
  auto* a = new QGridLayout(Arrival);
  ArrMinSpin = fields_.spin(Arrival, FgField::ArrivalMinutes, 0, 255);
  ArrSecSpin = fields_.spin(Arrival, FgField::ArrivalSeconds, 0, 255);
  a->addWidget(caption(Arrival, QStringLiteral("Delay:"), ArrMinSpin), 0, 0);
  a->addWidget(ArrMinSpin, 0, 1);
  a->addWidget(caption(Arrival, QStringLiteral("min"), ArrMinSpin), 0, 2);
  a->addWidget(ArrSecSpin, 0, 3);
  a->addWidget(caption(Arrival, QStringLiteral("sec"), ArrSecSpin), 0, 4);
  a->setRowStretch(1, 1);
  a->setColumnStretch(5, 1);

  Departure = page(FGPages, "Departure", QStringLiteral("Departure"));
  auto* d = new QGridLayout(Departure);
  DepMin = fields_.spin(Departure, FgField::DepartureMinutes, 0, 255);
  DepSec = fields_.spin(Departure, FgField::DepartureSeconds, 0, 255);
  DepartWhenBox = fields_.combo(Departure, FgField::AbortWhen, qlist(vocab::abortConditions()));
  ExpTimeSpin = fields_.spin(Departure, FgField::ExplosionTime, 0, 255);
  ExpLabel = label(Departure, "ExpLabel");
  d->addWidget(caption(Departure, QStringLiteral("Delay:"), DepMin), 0, 0);
  d->addWidget(DepMin, 0, 1);
  d->addWidget(caption(Departure, QStringLiteral("min"), DepMin), 0, 2);
  d->addWidget(DepSec, 0, 3);
  d->addWidget(caption(Departure, QStringLiteral("sec"), DepSec), 0, 4);
  d->addWidget(caption(Departure, QStringLiteral("Abort mission when:"), DepartWhenBox), 1, 0);
  d->addWidget(DepartWhenBox, 1, 1, 1, 4);
  d->addWidget(caption(Departure, QStringLiteral("Explosion time:"), ExpTimeSpin), 2, 0);
  d->addWidget(ExpTimeSpin, 2, 1);
  d->addWidget(ExpLabel, 2, 2, 1, 3);
  d->setRowStretch(3, 1);
  d->setColumnStretch(5, 1);
}

// ---- filling ----

bool TDatapad::hasFlightGroup() const { return fields_.hasFlightGroup(); }

const FGObject& TDatapad::currentFlightGroup() const { return fields_.currentFlightGroup(); }

void TDatapad::fillShip(const ViewUpdate& u) {
  if (!hasFlightGroup()) return;
  fields_.fill(u, Ship);
  if (u.flightGroup(ByteSpan::of(fg::Name, fg::NameSize))) showName();
}

void TDatapad::showName() {
  if (!hasFlightGroup()) return;
  const std::optional<std::string> name = sharedName(c_.document(), c_.state());
  showSharedText(ShipName, name ? std::optional(fromBytes(*name)) : std::nullopt);
}

void TDatapad::fillOptions(const ViewUpdate& u) {
  if (!hasFlightGroup()) return;
  fields_.fill(u, Options);
  const FGObject& f = currentFlightGroup();
  const auto lists = optionalLists();
  for (auto [l, which] : lists) {
    if (!u.flightGroup(optionalListBytes(which))) continue;
    showSharedRows(l, optionalLabels(which), sharedOptionalItems(c_.document(), c_.state(), which));
  }
  if (u.flightGroup(fieldBytes(FgField::OptionalCraftCategory)))
    OpShipPanel->setVisible(showsUserDefinedCraft(f));
  if (!u.flightGroup(optionalCraftBytes())) return;
  for (int n = 0; n < kOptionalCraftRows; ++n)
    OpFGList->item(n)->setText(fromBytes(optionalCraftRowText(f, n)));
  fillOptionalCraftRow();
}

std::array<std::pair<QListWidget*, OptionalList>, 3> TDatapad::optionalLists() const {
  return {{{MissleSelBox, OptionalList::Warheads},
           {BeamSelBox, OptionalList::Beams},
           {CounterSelbox, OptionalList::Countermeasures}}};
}

void TDatapad::fillOptionalCraftRow() {
  if (!hasFlightGroup()) return;
  const int row = std::max(0, OpFGList->currentRow());
  auto shared = [&](OptionalCraftField field) {
    return sharedOptionalCraft(c_.document(), c_.state(), field, row);
  };
  showShared(OpShipBox, shared(OptionalCraftField::Type));
  showShared(OpFGCountSpin, shared(OptionalCraftField::Count));
  showShared(OpShipWavesSpin, shared(OptionalCraftField::Waves));
}

void TDatapad::fillRole(const ViewUpdate& u) {
  if (u.anyFlightGroup(roleCountBytes())) {
    const RoleCounts counts = roleCounts(c_.document());
    TotalFGsLab->setText(fromBytes(counts.total));
    TotalatStartLab->setText(fromBytes(counts.atStart));
    TotalObLab->setText(fromBytes(counts.objects));
  }
  if (!hasFlightGroup()) return;
  fields_.fill(u, Role);
  const FGObject& f = currentFlightGroup();
  const Document& d = c_.document();
  if (u.flightGroup(fieldBytes(FgField::Role1Switch)))
    showShared(UseRole1, sharedRoleUsed(d, c_.state(), 1));
  if (u.flightGroup(fieldBytes(FgField::Role2Switch)))
    showShared(UseRole2, sharedRoleUsed(d, c_.state(), 2));
  if (u.order(orderFieldBytes(OrderField::Command))) {
    const int order =
        orderFieldValue(f, OrderField::Command, c_.state().currentRegion, c_.state().currentOrder);
    RoleOrderLab->setText(fromBytes(orderDescriptionText(order)));
  }
}

void TDatapad::fillArrival(const ViewUpdate& u) {
  if (hasFlightGroup()) fields_.fill(u, Arrival);
}

void TDatapad::fillDeparture(const ViewUpdate& u) {
  if (!hasFlightGroup()) return;
  fields_.fill(u, Departure);
  if (u.flightGroup(fieldBytes(FgField::ExplosionTime)))
    ExpLabel->setText(fromBytes(timeCodeText(currentFlightGroup().at(fg::ExplosionTime))));
}

void TDatapad::fillMothers(const ViewUpdate& u) {
  const bool departure = currentPage() == DatapadPage::Departure;
  MothersPanel->setTitle(fromBytes(mothershipPanelTitle(departure)));
  if (!hasFlightGroup()) return;
  const FGObject& f = currentFlightGroup();
  const std::pair<QComboBox*, MothershipSlot> boxes[] = {
      {ArrMotherBox, mothershipSlot(false, departure)},
      {ArrAltmotherBox, mothershipSlot(true, departure)}};
  if (u.fgLabels()) {
    QStringList items{QStringLiteral("None")};
    for (const std::string& s : lists_.fgNames)
      items << fromBytes(s);
    for (auto [box, slot] : boxes)
      refill(box, items, mothershipItem(f, slot));
  }
  for (auto [box, slot] : boxes) {
    if (u.fgLabels() || u.flightGroup(mothershipBytes(slot)))
      showShared(box, sharedMothership(c_.document(), c_.state(), slot));
  }
}

void TDatapad::MotherStoreChange(bool alternative, int item) {
  if (filling() || !hasFlightGroup()) return;
  const bool departure = currentPage() == DatapadPage::Departure;
  apply(storeMothership(mothershipSlot(alternative, departure), item, c_.state()));
}

void TDatapad::ShipNameChange(const QString& text) {
  if (filling() || !hasFlightGroup()) return;
  apply(storeName(toBytes(text), c_.state(), c_.preferences().linkColor));
}

} // namespace zephlo
