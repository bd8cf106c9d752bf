// The "FG Goals", "Orders", "Jump", "GGoals" and "Msg" pages.
#include "core/check/clipboards.h"
#include "core/check/texts.h"
#include "core/gamedata/vocabularies.h"
#include "core/mission/fg_stores.h"
#include "core/mission/goal_edits.h"
#include "core/mission/list_lines.h"
#include "core/mission/message_edits.h"
#include "core/mission/shared_values.h"
#include "core/mission/team_edits.h"
#include "render/qt_colour.h"
#include "ui/details/condition_tool_window.h"
#include "ui/details/details_window.h"
#include "ui/editing/document_follower.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/mixed_controls.h"
#include "ui/editing/page_controls.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

namespace zephlo {

using namespace pages;

namespace {

QListWidget* blackList(QWidget* parent, const char* name) {
  auto* l = new QListWidget(parent);
  l->setObjectName(QString::fromLatin1(name));
  blackBase(l);
  return l;
}

} // namespace

void TDatapad::buildFGGoalsPage() {
  FGGoals = page(FGPages, "FGGoals", QStringLiteral("FG Goals"));
  auto* g = new QGridLayout(FGGoals);
  FGgoalList = blackList(FGGoals, "FGgoalList");
  for (int i = 0; i < kFGGoalCount; ++i)
    FGgoalList->addItem(QString());
  FGGoalPointsSpin = mixedSpin(FGGoals, "FGGoalPointsSpin", -3200, 3175, 25);
  FGGoalTeamBox = combo(FGGoals, "FGGoalTeamBox", {});
  FGGoalUnk = new QCheckBox(QStringLiteral("?"), FGGoals);
  FGGoalUnk->setObjectName(QStringLiteral("FGGoalUnk"));
  FGGoalTimeSpin = mixedSpin(FGGoals, "FGGoalTimeSpin", 0, 255);
  commitOnFinish(FGGoalPointsSpin);
  commitOnFinish(FGGoalTimeSpin);
  g->addWidget(FGgoalList, 0, 0, 1, 4);
  g->addWidget(caption(FGGoals, QStringLiteral("Points:"), FGGoalPointsSpin), 1, 0);
  g->addWidget(FGGoalPointsSpin, 1, 1);
  g->addWidget(caption(FGGoals, QStringLiteral("Time:"), FGGoalTimeSpin), 1, 2);
  g->addWidget(FGGoalTimeSpin, 1, 3);
  g->addWidget(caption(FGGoals, QStringLiteral("Applies to Team:"), FGGoalTeamBox), 2, 0);
  g->addWidget(FGGoalTeamBox, 2, 1, 1, 2);
  g->addWidget(FGGoalUnk, 2, 3);

  connect(FGgoalList, &QListWidget::currentRowChanged, this, [this](int row) {
    if (filling() || row < 0) return;
    c_.setCurrentGoal(row);
  });
  // A committed value shows as stored: points are kept in steps of 25.
  auto showGoal = [this] {
    if (filling() || !hasFlightGroup()) return;
    ++filling_;
    showShared(FGGoalPointsSpin, sharedGoalField(c_.document(), c_.state(), GoalField::Points));
    showShared(FGGoalTimeSpin, sharedGoalField(c_.document(), c_.state(), GoalField::Time));
    --filling_;
  };
  connect(FGGoalPointsSpin, &QSpinBox::valueChanged, this, [this, showGoal](int v) {
    if (!filling() && hasFlightGroup()) apply(storeGoalPoints(v, c_.state()));
    showGoal();
  });
  connect(FGGoalTeamBox, &QComboBox::activated, this, [this](int i) {
    if (!filling() && hasFlightGroup()) apply(storeGoalTeam(i, c_.state()));
  });
  connect(FGGoalUnk, &QCheckBox::clicked, this, [this](bool on) {
    if (!filling() && hasFlightGroup()) apply(storeGoalFlag(on, c_.state()));
  });
  connect(FGGoalTimeSpin, &QSpinBox::valueChanged, this, [this, showGoal](int v) {
    if (!filling() && hasFlightGroup()) apply(storeGoalTime(v, c_.state()));
    showGoal();
  });
}

void TDatapad::buildGGoalsPage() {
  GGoals = page(FGPages, "GGoals", QStringLiteral("GGoals"));
  auto* gg = new QGridLayout(GGoals);
  GGTeamLab = label(GGoals, "GGTeamLab");
  GGRadios = new QButtonGroup(GGoals);
  GGRadios->setObjectName(QStringLiteral("GGRadios"));
  int col = 0;
  for (const char* caption : {"Primary", "Prevent", "Secondary"}) {
    auto* r = new QRadioButton(QString::fromLatin1(caption), GGoals);
    GGRadios->addButton(r, col);
    gg->addWidget(r, 1, col++);
  }
  GGRadios->button(0)->setChecked(true);
  GGPointsED = spin(GGoals, "GGPointsED", -3200, 3175, 25);
  commitOnFinish(GGPointsED);
  gg->addWidget(GGTeamLab, 0, 0, 1, 3);
  gg->addWidget(caption(GGoals, QStringLiteral("Points:"), GGPointsED), 2, 0);
  gg->addWidget(GGPointsED, 2, 1);
  gg->setRowStretch(3, 1);
  connect(GGRadios, &QButtonGroup::idClicked, this, [this](int kind) {
    c_.setCurrentGlobalGoal(kind);
    CondTool->selectSlot(1);
  });
  connect(GGPointsED, &QSpinBox::valueChanged, this, [this](int v) {
    if (filling()) return;
    apply(storeGlobalGoalPoints(c_.state().currentGlobalGoal, v, c_.state()));
    ++filling_;
    showValue(GGPointsED, globalGoalPoints(c_.document(), c_.state().currentTeam,
                                           c_.state().currentGlobalGoal));
    --filling_;
  });
}

void TDatapad::buildOrderPages() {
  OrderPage = page(FGPages, "OrderPage", QStringLiteral("Orders"));
  auto* g = new QGridLayout(OrderPage);
  OrderTitleLab = label(OrderPage, "OrderTitleLab");
  OrderBox = orderCombo(OrderPage, OrderField::Command, "OrderBox", qlist(vocab::orders()));
  OrderSpeedBox =
      orderCombo(OrderPage, OrderField::Speed, "OrderSpeedBox", qlist(vocab::orderSpeeds()));
  OrderDescLab = label(OrderPage, "OrderDescLab");
  OrderDescLab->setWordWrap(true);
  P1Lab = label(OrderPage, "P1Lab");
  P2Lab = label(OrderPage, "P2Lab");
  OrderP1 = mixedSpin(OrderPage, "OrderP1", 0, 255);
  OrderP2 = mixedSpin(OrderPage, "OrderP2", 0, 255);
  commitOnFinish(OrderP1);
  commitOnFinish(OrderP2);
  connect(OrderP1, &QSpinBox::valueChanged, this,
          [this](int v) { OrderFieldChange(OrderField::Parameter1, v); });
  connect(OrderP2, &QSpinBox::valueChanged, this,
          [this](int v) { OrderFieldChange(OrderField::Parameter2, v); });
  const QStringList kinds = qlist(vocab::variableTypes());
  T1Class = orderCombo(OrderPage, OrderField::Target1Type, "T1Class", kinds);
  T1Index = orderCombo(OrderPage, OrderField::Target1, "T1Index", {});
  T2Class = orderCombo(OrderPage, OrderField::Target2Type, "T2Class", kinds);
  T2Index = orderCombo(OrderPage, OrderField::Target2, "T2Index", {});
  T3Class = orderCombo(OrderPage, OrderField::Target3Type, "T3Class", kinds);
  T3Index = orderCombo(OrderPage, OrderField::Target3, "T3Index", {});
  T4Class = orderCombo(OrderPage, OrderField::Target4Type, "T4Class", kinds);
  T4Index = orderCombo(OrderPage, OrderField::Target4, "T4Index", {});
  OneAnd2Chk = new QCheckBox(QStringLiteral("Link targets"), OrderPage);
  OneAnd2Chk->setObjectName(QStringLiteral("OneAnd2Chk"));
  ThreeAnd4Chk = new QCheckBox(QStringLiteral("Link targets"), OrderPage);
  ThreeAnd4Chk->setObjectName(QStringLiteral("ThreeAnd4Chk"));
  connect(OneAnd2Chk, &QCheckBox::clicked, this,
          [this](bool on) { OrderFieldChange(OrderField::Link12, on ? 1 : 0); });
  connect(ThreeAnd4Chk, &QCheckBox::clicked, this,
          [this](bool on) { OrderFieldChange(OrderField::Link34, on ? 1 : 0); });
  AddOrderBtn = new QToolButton(OrderPage);
  AddOrderBtn->setObjectName(QStringLiteral("AddOrderBtn"));
  AddOrderBtn->setFixedWidth(28);

  // The title ("Order 1 in Region 1") names the order box.
  OrderTitleLab->setBuddy(OrderBox);
  P1Lab->setBuddy(OrderP1);
  P2Lab->setBuddy(OrderP2);
  g->addWidget(OrderTitleLab, 0, 0, 1, 3);
  g->addWidget(AddOrderBtn, 0, 3);
  g->addWidget(OrderBox, 1, 0, 1, 2);
  g->addWidget(caption(OrderPage, QStringLiteral("Speed:"), OrderSpeedBox), 1, 2);
  g->addWidget(OrderSpeedBox, 1, 3);
  g->addWidget(OrderDescLab, 2, 0, 1, 4);
  g->addWidget(P1Lab, 3, 0);
  g->addWidget(OrderP1, 3, 1);
  g->addWidget(P2Lab, 3, 2);
  g->addWidget(OrderP2, 3, 3);
  int row = 4;
  for (auto [cls, idx, n] : {std::tuple{T1Class, T1Index, 1}, std::tuple{T2Class, T2Index, 2},
                             std::tuple{T3Class, T3Index, 3}, std::tuple{T4Class, T4Index, 4}}) {
    nameBox(idx, QStringLiteral("Target %1").arg(n));
    g->addWidget(caption(OrderPage, QStringLiteral("Target %1:").arg(n), cls), row, 0);
    g->addWidget(cls, row, 1);
    g->addWidget(idx, row, 2, 1, 2);
    ++row;
    if (n == 2) g->addWidget(OneAnd2Chk, row++, 1);
    if (n == 4) g->addWidget(ThreeAnd4Chk, row++, 1);
  }
  g->setRowStretch(row, 1);

  Jump = page(FGPages, "Jump", QStringLiteral("Jump"));
  auto* j = new QVBoxLayout(Jump);
  JumpLab = label(Jump, "JumpLab");
  j->addWidget(JumpLab);
  j->addStretch();
}

void TDatapad::buildMessagePage() {
  Messag = page(FGPages, "Messag", QStringLiteral("Msg"));
  auto* g = new QGridLayout(Messag);
  MsgtextEd = edit(Messag, "MsgtextEd", static_cast<int>(msg::TextSize) - 1);
  blackBase(MsgtextEd);
  MsgColorBox = combo(Messag, "MsgColorBox", qlist(vocab::messageColours()));
  MsgDelaySpin = mixedSpin(Messag, "MsgDelaySpin", 0, 255);
  commitOnFinish(MsgDelaySpin);
  MsgDelayLab = label(Messag, "MsgDelayLab");
  SeenByList = new QListWidget(Messag);
  SeenByList->setObjectName(QStringLiteral("SeenByList"));
  SeenByList->setSelectionMode(QAbstractItemView::MultiSelection);
  MsgID = edit(Messag, "MsgID", static_cast<int>(msg::IdSize));
  MsgUnk3 = edit(Messag, "MsgUnk3", 4);
  MsgUnk3->hide();
  and5And = new QRadioButton(QStringLiteral("And"), Messag);
  and5And->setObjectName(QStringLiteral("and5And"));
  And5Or = new QRadioButton(QStringLiteral("Or"), Messag);
  And5Or->setObjectName(QStringLiteral("And5Or"));
  auto* cancelGroup = new QButtonGroup(Messag);
  cancelGroup->addButton(and5And);
  cancelGroup->addButton(And5Or);
  Cond5Lab = label(Messag, "Cond5Lab");
  Cond6Lab = label(Messag, "Cond6Lab");
  for (QLabel* l : {Cond5Lab, Cond6Lab}) {
    l->setCursor(Qt::PointingHandCursor);
    l->installEventFilter(this);
  }

  MsgDelayLab->setBuddy(MsgDelaySpin);
  g->addWidget(caption(Messag, QStringLiteral("Text:"), MsgtextEd), 0, 0);
  g->addWidget(MsgtextEd, 0, 1, 1, 3);
  g->addWidget(caption(Messag, QStringLiteral("Color:"), MsgColorBox), 1, 0);
  g->addWidget(MsgColorBox, 1, 1);
  g->addWidget(caption(Messag, QStringLiteral("I.D."), MsgID), 1, 2);
  g->addWidget(MsgID, 1, 3);
  g->addWidget(MsgDelayLab, 2, 0);
  g->addWidget(MsgDelaySpin, 2, 1);
  g->addWidget(caption(Messag, QStringLiteral("Sent to Teams:"), SeenByList), 3, 0);
  g->addWidget(SeenByList, 4, 0, 3, 2);
  g->addWidget(new QLabel(QStringLiteral("Cancel Message:"), Messag), 3, 2, 1, 2);
  g->addWidget(Cond5Lab, 4, 2, 1, 2);
  g->addWidget(and5And, 5, 2);
  g->addWidget(And5Or, 5, 3);
  g->addWidget(Cond6Lab, 6, 2, 1, 2);
  g->setRowStretch(7, 1);

  connect(MsgtextEd, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!filling() && hasMessage()) apply(storeMessageText(toBytes(t), c_.state()));
  });
  auto showStoredMessage = [this] {
    if (filling() || !hasMessage()) return;
    ++filling_;
    const MsgObject& m = c_.document().messages[static_cast<std::size_t>(c_.state().currentMsg)];
    showValue(MsgtextEd, fromBytes(messageTextShown(m)));
    showSharedMessage();
    --filling_;
  };
  showStoredOnFinish(MsgtextEd, showStoredMessage);
  showStoredOnFinish(MsgID, showStoredMessage);
  connect(MsgColorBox, &QComboBox::activated, this, [this](int i) {
    if (!filling() && hasMessage()) apply(storeMessageColour(i, c_.state()));
  });
  connect(MsgDelaySpin, &QSpinBox::valueChanged, this, [this, showStoredMessage](int v) {
    if (!filling() && hasMessage()) apply(storeMessageDelay(v, c_.state()));
    showStoredMessage();
  });
  connect(SeenByList, &QListWidget::itemSelectionChanged, this, [this] {
    if (filling() || !hasMessage()) return;
    // What the list showed chosen is what every selected message holds.
    const SharedRows shown = sharedSentTo(c_.document(), c_.state());
    apply(storeSentTo(chosenListRows(SeenByList), shown.all, c_.state()));
  });
  connect(MsgID, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!filling() && hasMessage()) apply(storeMessageId(toBytes(t), c_.state()));
  });
  commitTextOnFinish(MsgUnk3, [this, showStoredMessage](const QString& t) {
    if (!filling() && hasMessage()) apply(storeMessageHidden(toBytes(t), c_.state()));
    showStoredMessage();
  });
  connect(and5And, &QRadioButton::clicked, this, [this] {
    if (!filling() && hasMessage()) apply(storeCancelAnd(true, c_.state()));
  });
  connect(And5Or, &QRadioButton::clicked, this, [this] {
    if (!filling() && hasMessage()) apply(storeCancelAnd(false, c_.state()));
  });
}

// ---- order fields ----

QComboBox* TDatapad::orderCombo(QWidget* parent, OrderField field, const char* name,
                                const QStringList& items) {
  QComboBox* b = combo(parent, name, items);
  connect(b, &QComboBox::activated, this, [this, field](int i) { OrderFieldChange(field, i); });
  return b;
}

void TDatapad::OrderFieldChange(OrderField field, int value) {
  if (filling() || !hasFlightGroup()) return;
  apply(storeOrderField(field, value, c_.state()));
}

void TDatapad::AddOrderBtnClick() {
  if (!hasFlightGroup()) return;
  const EditorState& st = c_.state();
  const Status s = orders_->add(
      orderForClipboard(currentFlightGroup().order(st.currentRegion, st.currentOrder)));
  if (!s) c_.prompts().showError(QString::fromStdString(s.error().message));
}

// ---- filling ----

bool TDatapad::hasMessage() const {
  const int m = c_.state().currentMsg;
  return m >= 0 && m < static_cast<int>(c_.document().messages.size());
}

void TDatapad::fillFGGoals(const ViewUpdate& u) {
  if (!hasFlightGroup()) return;
  const Document& d = c_.document();
  const FGObject& f = currentFlightGroup();
  const int current = c_.state().currentGoal;
  // A line names teams and flight groups and takes its team's IFF colour.
  const bool names = u.lists() || u.teamIff();
  for (int i = 0; i < kFGGoalCount; ++i) {
    if (!names && !u.flightGroup(ByteSpan::of(fg::goalOffset(i), fg::GoalSize))) continue;
    QListWidgetItem* item = FGgoalList->item(i);
    item->setText(fromBytes(fgGoalLineText(f.goal(i), lists_)));
    item->setForeground(toQColor(fgGoalLineColour(d, f.goal(i))));
  }
  if (u.goalMoved()) {
    const QSignalBlocker block(FGgoalList);
    FGgoalList->setCurrentRow(current);
  }
  auto shared = [&](GoalField field) { return sharedGoalField(d, c_.state(), field); };
  if (u.teamNames() || u.goal(ByteSpan::of(goal::Team))) {
    refill(FGGoalTeamBox, qlist(lists_.teamNames), f.goal(current)[goal::Team]);
    showShared(FGGoalTeamBox, shared(GoalField::Team));
  }
  if (u.goal(ByteSpan::of(goal::Points))) showShared(FGGoalPointsSpin, shared(GoalField::Points));
  if (u.goal(ByteSpan::of(goal::TeamFlag))) {
    const std::optional<int> flag = shared(GoalField::TeamFlag);
    showShared(FGGoalUnk, flag ? std::optional(*flag != 0) : std::nullopt);
  }
  if (u.goal(ByteSpan::of(goal::Time))) showShared(FGGoalTimeSpin, shared(GoalField::Time));
}

void TDatapad::fillOrders(const ViewUpdate& u) {
  if (!hasFlightGroup()) return;
  const EditorState& st = c_.state();
  const FGObject& f = currentFlightGroup();
  auto value = [&](OrderField field) {
    return orderFieldValue(f, field, st.currentRegion, st.currentOrder);
  };
  auto shared = [&](OrderField field) { return sharedOrderField(c_.document(), st, field); };
  if (u.orderMoved())
    OrderTitleLab->setText(fromBytes(orderTitleText(st.currentRegion, st.currentOrder)));
  const std::pair<QWidget*, OrderField> plain[] = {{OrderBox, OrderField::Command},
                                                   {OrderSpeedBox, OrderField::Speed},
                                                   {OrderP1, OrderField::Parameter1},
                                                   {OrderP2, OrderField::Parameter2}};
  for (auto [w, field] : plain) {
    if (u.order(orderFieldBytes(field))) showSharedNumber(w, shared(field));
  }
  const std::tuple<QComboBox*, QComboBox*, OrderField, OrderField> targets[] = {
      {T1Class, T1Index, OrderField::Target1Type, OrderField::Target1},
      {T2Class, T2Index, OrderField::Target2Type, OrderField::Target2},
      {T3Class, T3Index, OrderField::Target3Type, OrderField::Target3},
      {T4Class, T4Index, OrderField::Target4Type, OrderField::Target4}};
  for (const auto& [cls, idx, typeField, valueField] : targets) {
    if (!u.lists() && !u.order(orderFieldBytes(valueField))) continue;
    // The values' list follows the current flight group's type; a type or
    // value that differs shows mixed.
    const Choices ch = variableChoices(value(typeField), value(valueField), lists_);
    refill(idx, qlist(ch.items), ch.selected);
    const std::optional<int> type = shared(typeField);
    showShared(cls, type);
    if (!type || !shared(valueField)) showShared(idx, std::nullopt);
  }
  for (auto [box, field] :
       {std::pair{OneAnd2Chk, OrderField::Link12}, std::pair{ThreeAnd4Chk, OrderField::Link34}}) {
    if (!u.order(orderFieldBytes(field))) continue;
    const std::optional<int> linked = shared(field);
    showShared(box, linked ? std::optional(*linked != 0) : std::nullopt);
  }
  if (u.order(ByteSpan::of(ord::Command, ord::Parameter2 + 1))) fillOrderLabels();
}

void TDatapad::fillOrderLabels() {
  const EditorState& st = c_.state();
  const Byte* o = currentFlightGroup().order(st.currentRegion, st.currentOrder);
  OrderDescLab->setText(fromBytes(orderDescriptionText(o[ord::Command])));
  const OrderCaptions caps =
      orderParameterCaptions(o[ord::Command], o[ord::Parameter1], o[ord::Parameter2]);
  P1Lab->setText(fromBytes(caps.first));
  P2Lab->setText(fromBytes(caps.second));
}

void TDatapad::fillJump(const ViewUpdate& u) {
  const EditorState& st = c_.state();
  if (u.orderMoved()) JumpLab->setText(fromBytes(jumpLabelText(st.currentRegion, st.currentOrder)));
}

void TDatapad::fillGGoals(const ViewUpdate& u) {
  const Document& d = c_.document();
  const int team = c_.state().currentTeam;
  if (u.teamMoved() || u.teamNames())
    GGTeamLab->setText(fromBytes(globalGoalTeamCaption(lists_.teamNames, team)));
  const int kind = c_.state().currentGlobalGoal;
  if (u.globalGoalMoved()) {
    const QSignalBlocker block(GGRadios);
    GGRadios->button(kind)->setChecked(true);
  }
  if (u.globalGoal()) showValue(GGPointsED, globalGoalPoints(d, team, kind));
}

void TDatapad::fillMsg(const ViewUpdate& u) {
  const Document& d = c_.document();
  if (u.messageMoved()) Messag->setEnabled(hasMessage());
  if (u.teamNames() || u.messageMoved() || u.message(ByteSpan::of(msg::SentTo, 8)))
    showSharedRows(SeenByList, qlist(sentToTeamNames(lists_.teamNames)),
                   hasMessage() ? sharedSentTo(d, c_.state()) : SharedRows{});
  if (!hasMessage()) return;
  const MsgObject& m = d.messages[static_cast<std::size_t>(c_.state().currentMsg)];
  if (u.message(ByteSpan::of(msg::Text, msg::TextSize)))
    showValue(MsgtextEd, fromBytes(messageTextShown(m)));
  if (u.message(ByteSpan::of(msg::Colour))) {
    QPalette p = MsgtextEd->palette();
    p.setColor(QPalette::Text, toQColor(iffColour(m.record[msg::Colour], IffVariant::Normal)));
    MsgtextEd->setPalette(p);
  }
  if (u.message(ByteSpan::of(msg::Colour)) || u.message(ByteSpan::of(msg::Delay)) ||
      u.message(ByteSpan::of(msg::Id, msg::IdSize)) || u.message(ByteSpan::of(msg::Unknown)) ||
      u.message(ByteSpan::of(msg::CancelAnd)))
    showSharedMessage();
}

// The controls that write into every selected message show what those
// messages share, or that they differ.
void TDatapad::showSharedMessage() {
  const Document& d = c_.document();
  const EditorState& st = c_.state();
  auto shared = [&](MessageField field) { return sharedMessageField(d, st, field); };
  showShared(MsgColorBox, shared(MessageField::Colour));
  const std::optional<int> delay = shared(MessageField::Delay);
  showShared(MsgDelaySpin, delay);
  MsgDelayLab->setText(delay ? fromBytes(messageDelayLabel(*delay)) : QStringLiteral("Delay:"));
  const std::optional<std::string> id = sharedMessageId(d, st);
  showShared(MsgID, id ? std::optional(fromBytes(*id)) : std::nullopt);
  showSharedNumber(MsgUnk3, shared(MessageField::Hidden));
  const std::optional<int> isAnd = shared(MessageField::CancelAnd);
  showShared(and5And, And5Or, isAnd ? std::optional(*isAnd != 0) : std::nullopt);
}

} // namespace zephlo
