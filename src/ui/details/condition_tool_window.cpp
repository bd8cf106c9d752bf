#include "ui/details/condition_tool_window.h"

#include "core/gamedata/vocabularies.h"
#include "render/qt_colour.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/mixed_controls.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QToolButton>

#include <tuple>

namespace zephlo {

using namespace pages;

namespace {

const QColor kSlotHighlight(169, 3, 145);

} // namespace

TCondToolForm::TCondToolForm(EditingDocument& controller, const MissionLists& lists,
                             QWidget* parent)
    : QWidget(parent), c_(controller), lists_(lists) {
  setObjectName(QStringLiteral("CondToolForm"));
  auto* g = new QGridLayout(this);
  g->setContentsMargins(0, 4, 0, 0);

  PercentBox = combo(this, "PercentBox", qlist(vocab::amounts()));
  ClassBox = combo(this, "ClassBox", qlist(vocab::variableTypes()));
  IndexBox = combo(this, "IndexBox", {});
  CondBox = combo(this, "CondBox", qlist(vocab::conditions()));
  RegionFGBox = combo(this, "RegionFGBox", {});
  CondUnk2 = edit(this, "CondUnk2", 4);
  CondUnk2->setFixedWidth(48);
  AddToClipBtn = new QToolButton(this);
  AddToClipBtn->setObjectName(QStringLiteral("AddToClipBtn"));
  AddToClipBtn->setFixedWidth(28);
  heading_ = label(this, "CondHeading");
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  g->addWidget(heading_, 0, 0, 1, 3);

  // The boxes read as a sentence ("100% of ... must ..."); each names
  // itself too.
  const std::pair<QWidget*, const char*> named[] = {
      {PercentBox, "Amount"}, {ClassBox, "Variable type"}, {IndexBox, "Variable"},
      {CondBox, "Condition"}, {RegionFGBox, "Parameter"},  {CondUnk2, "Second parameter"}};
  for (auto [w, name] : named)
    nameBox(w, QString::fromLatin1(name));

  auto* boxes = new QHBoxLayout;
  boxes->addWidget(PercentBox);
  boxes->addWidget(new QLabel(QStringLiteral("of"), this));
  boxes->addWidget(ClassBox);
  boxes->addWidget(IndexBox, 1);
  boxes->addWidget(new QLabel(QStringLiteral("must"), this));
  boxes->addWidget(CondBox, 1);
  boxes->addWidget(RegionFGBox);
  boxes->addWidget(CondUnk2);
  boxes->addWidget(AddToClipBtn);
  g->addLayout(boxes, 1, 0, 1, 3);

  auto andOr = [this](const char* andName, const char* orName, QRadioButton*& a, QRadioButton*& o) {
    a = new QRadioButton(QStringLiteral("And"), this);
    a->setObjectName(QString::fromLatin1(andName));
    o = new QRadioButton(QStringLiteral("Or"), this);
    o->setObjectName(QString::fromLatin1(orName));
    auto* group = new QButtonGroup(this);
    group->addButton(a);
    group->addButton(o);
    a->setChecked(true);
    auto* row = new QHBoxLayout;
    row->addWidget(a);
    row->addWidget(o);
    row->addStretch();
    return row;
  };
  for (int k = 0; k < 4; ++k) {
    QLabel* l = label(this, nullptr);
    l->setObjectName(QStringLiteral("Cond%1Lab").arg(k + 1));
    l->setCursor(Qt::PointingHandCursor);
    l->installEventFilter(this);
    CondLabs[static_cast<std::size_t>(k)] = l;
  }
  g->addWidget(CondLabs[0], 2, 0);
  g->addLayout(andOr("and2And", "and2Or", and2And, and2Or), 3, 0);
  g->addWidget(CondLabs[1], 4, 0);
  g->addLayout(andOr("GlbAnd", "GlbOr", GlbAnd, GlbOr), 5, 0);
  g->addWidget(CondLabs[2], 6, 0);
  g->addLayout(andOr("and4And", "And4Or", and4And, And4Or), 7, 0);
  g->addWidget(CondLabs[3], 8, 0);

  StrPanel = new QWidget(this);
  StrPanel->setObjectName(QStringLiteral("StrPanel"));
  auto* sp = new QGridLayout(StrPanel);
  sp->setContentsMargins(0, 0, 0, 0);
  const char* names[] = {"FGStrIncomp", "FGStrSucc", "FGStrFail"};
  for (int t = 0; t < 3; ++t) {
    auto i = static_cast<std::size_t>(t);
    strLabels_[i] = label(StrPanel, nullptr);
    strEdits_[i] = edit(StrPanel, names[t], static_cast<int>(size::goalString) - 1);
    blackBase(strEdits_[i]);
    strLabels_[i]->setBuddy(strEdits_[i]);
    sp->addWidget(strLabels_[i], t, 0);
    sp->addWidget(strEdits_[i], t, 1);
    connect(strEdits_[i], &QLineEdit::textEdited, this,
            [this, t](const QString& text) { FGStrIncompChange(t + 1, text); });
    showStoredOnFinish(strEdits_[i], [this, i, t] {
      showValue(strEdits_[i], fromBytes(goalString(c_.document(), c_.state(), target(), t + 1)));
    });
  }
  g->addWidget(StrPanel, 9, 0, 1, 3);
  g->setColumnStretch(0, 1);

  connect(PercentBox, &QComboBox::activated, this, [this] { BoxChange(ToolBox::Amount); });
  connect(ClassBox, &QComboBox::activated, this, [this] { BoxChange(ToolBox::VariableType); });
  connect(IndexBox, &QComboBox::activated, this, [this] { BoxChange(ToolBox::Variable); });
  connect(CondBox, &QComboBox::activated, this, [this] { BoxChange(ToolBox::Condition); });
  connect(RegionFGBox, &QComboBox::activated, this, [this] { BoxChange(ToolBox::Parameter1); });
  // Not a number stores 0, which the box then shows; a mixed box left
  // empty writes nothing.
  commitTextOnFinish(CondUnk2, [this](const QString&) {
    if (showsMixed(CondUnk2)) return;
    BoxChange(ToolBox::Parameter2);
  });
  // Clicks, not toggles: a pair shown mixed has neither button on, and
  // choosing either must write it.
  const std::tuple<QRadioButton*, QRadioButton*, AndOr> pairs[] = {
      {and2And, and2Or, AndOr::Pair12},
      {GlbAnd, GlbOr, AndOr::Between},
      {and4And, And4Or, AndOr::Pair34}};
  for (auto [andButton, orButton, which] : pairs) {
    connect(andButton, &QRadioButton::clicked, this, [this, which] { AndOrClick(which, false); });
    connect(orButton, &QRadioButton::clicked, this, [this, which] { AndOrClick(which, true); });
  }
}

void TCondToolForm::setAddAction(QAction* add) { AddToClipBtn->setDefaultAction(add); }

TCondToolForm::~TCondToolForm() = default;

void TCondToolForm::setCancelLabels(QLabel* slot5, QLabel* slot6) {
  CondLabs[4] = slot5;
  CondLabs[5] = slot6;
}

void TCondToolForm::setClipboardFolder(const std::string& folder) {
  clipboard_ =
      std::make_unique<TriggerClipboard>(std::filesystem::path(folder) / kTriggerClipboardFile);
  if (Status s = clipboard_->load(); !s)
    c_.prompts().showError(QString::fromStdString(s.error().message));
}

int TCondToolForm::currentSlot() const {
  auto it = slots_.find(page_);
  return it == slots_.end() ? 1 : it->second;
}

CondTarget TCondToolForm::target() const { return CondTarget{page_, currentSlot(), goalKind_}; }

void TCondToolForm::follow(CondPage page, int goalKind, const ViewUpdate& u) {
  const bool moved = page != page_ || goalKind != goalKind_;
  page_ = page;
  goalKind_ = goalKind;
  if (moved || u.everything() || toolConcerned(u, page_)) fill();
}

void TCondToolForm::selectSlot(int slot) {
  if (!slotSelectable(page_, slot)) return;
  slots_[page_] = slot;
  fill();
}

bool TCondToolForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    for (std::size_t k = 0; k < CondLabs.size(); ++k) {
      if (CondLabs[k] == watched) {
        selectSlot(static_cast<int>(k) + 1);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TCondToolForm::fill() {
  ++filling_;
  const Document& d = c_.document();
  const EditorState& st = c_.state();
  const ToolLayout layout = toolLayout(page_);
  const int slotTotal = slotCount(page_);
  setVisible(layout.shown);
  heading_->setText(fromBytes(toolHeading(d, st, target(), lists_)));

  // The trigger sentences of the target's slotTotal.
  const std::vector<std::string> texts = slotTexts(d, st, target(), lists_);
  for (std::size_t k = 0; k < CondLabs.size(); ++k) {
    if (!CondLabs[k]) continue;
    const bool used = k < texts.size();
    if (k < 4) CondLabs[k]->setVisible(used || slotTotal == 0);
    CondLabs[k]->setText(used ? fromBytes(texts[k]) : QString());
  }
  // Neither button chosen where the records an edit writes into differ.
  const AndOrFlags ors = andOrFlags(d, st, target());
  const std::pair<QRadioButton*, QRadioButton*> pairs[] = {
      {and2Or, and2And}, {GlbOr, GlbAnd}, {And4Or, and4And}};
  for (std::size_t k = 0; k < 3; ++k)
    showShared(pairs[k].first, pairs[k].second, ors[k]);
  and2And->setVisible(layout.pair12);
  and2Or->setVisible(layout.pair12);
  for (QWidget* w : {static_cast<QWidget*>(GlbAnd), static_cast<QWidget*>(GlbOr),
                     static_cast<QWidget*>(and4And), static_cast<QWidget*>(And4Or)})
    w->setVisible(layout.pairs34);
  highlight();
  fillBoxes();

  // The goal strings of the current goal, or of the global goal and slot.
  StrPanel->setVisible(layout.strings);
  if (layout.strings) {
    const StringPanel panel = stringPanel(page_, goalKind_);
    for (std::size_t t = 0; t < 3; ++t) {
      strLabels_[t]->setText(fromBytes(panel.labels[t]));
      strLabels_[t]->setVisible(panel.visible[t]);
      strEdits_[t]->setVisible(panel.visible[t]);
      QPalette p = strEdits_[t]->palette();
      p.setColor(QPalette::Text, toQColor(panel.colours[t]));
      strEdits_[t]->setPalette(p);
      showValue(strEdits_[t], fromBytes(goalString(d, st, target(), static_cast<int>(t) + 1)));
    }
  }
  --filling_;
}

void TCondToolForm::fillBoxes() {
  const Document& d = c_.document();
  const std::optional<ToolBoxes> current = toolBoxesFor(d, c_.state(), target());
  const std::optional<SharedToolBoxes> shared = sharedToolBoxes(d, c_.state(), target());
  const bool typed = toolLayout(page_).variableType;
  ClassBox->setEnabled(typed);
  if (!current || !shared) return;
  // A box whose byte differs between the records an edit writes into shows
  // "(mixed)"; the lists a box offers follow the current record.
  showShared(PercentBox, shared->amount);
  if (typed) showShared(ClassBox, shared->variableType);
  const Choices ch =
      toolVariableChoices(page_, current->variableType, shared->variable.value_or(-1), lists_);
  refill(IndexBox, qlist(ch.items), ch.selected);
  showShared(IndexBox, shared->variable ? std::optional(ch.selected) : std::nullopt);
  // Variables of differing types name different things: choose a type first.
  IndexBox->setEnabled(!typed || shared->variableType.has_value());
  showShared(CondBox, shared->condition);
  refill(RegionFGBox, qlist(parameterChoices(current->condition, lists_)), current->parameter1);
  showShared(RegionFGBox, shared->parameter1);
  showShared(CondUnk2, shared->parameter2 ? std::optional(QString::number(*shared->parameter2))
                                          : std::nullopt);
  goalTeam_ = current->goalTeam;
}

void TCondToolForm::highlight() {
  const int slot = currentSlot();
  for (std::size_t k = 0; k < CondLabs.size(); ++k) {
    if (!CondLabs[k]) continue;
    QPalette p = CondLabs[k]->palette();
    p.setColor(QPalette::WindowText,
               static_cast<int>(k) + 1 == slot ? kSlotHighlight : QColor(Qt::black));
    CondLabs[k]->setPalette(p);
  }
}

ToolBoxes TCondToolForm::boxes() const {
  // A box showing "(mixed)" stands for the current record's value.
  const ToolBoxes current = toolBoxesFor(c_.document(), c_.state(), target()).value_or(ToolBoxes{});
  auto index = [](const QComboBox* b, int fallback) {
    return b->currentIndex() >= 0 ? b->currentIndex() : fallback;
  };
  ToolBoxes b;
  b.amount = index(PercentBox, current.amount);
  b.variableType = index(ClassBox, current.variableType);
  b.variable = index(IndexBox, current.variable);
  b.condition = index(CondBox, current.condition);
  b.parameter1 = index(RegionFGBox, current.parameter1);
  b.parameter2Text = showsMixed(CondUnk2) ? current.parameter2Text : toBytes(CondUnk2->text());
  b.goalTeam = goalTeam_;
  return b;
}

void TCondToolForm::BoxChange(ToolBox changed) {
  if (filling()) return;
  if (auto op = toolBoxChanged(target(), changed, boxes(), c_.state())) c_.apply(*op);
  // The parameter list follows the condition, the variable list its type;
  // shown again from the records whether or not anything was written.
  ++filling_;
  fillBoxes();
  --filling_;
}

void TCondToolForm::AndOrClick(AndOr which, bool isOr) {
  if (filling()) return;
  if (auto op = storeAndOr(target(), which, isOr, c_.state())) c_.apply(*op);
}

void TCondToolForm::FGStrIncompChange(int tag, const QString& text) {
  if (filling()) return;
  if (auto op = storeGoalString(target(), tag, toBytes(text), c_.state())) c_.apply(*op);
}

void TCondToolForm::AddToClipBtnClick() {
  if (!clipboard_) return;
  const ToolBoxes b = boxes();
  const Trigger t = triggerFromBoxes(b.amount, b.variableType, b.variable, b.condition,
                                     b.parameter1, b.parameter2Text);
  Block<trig::Size> record{};
  std::copy(t.begin(), t.end(), record.begin());
  if (Status s = clipboard_->add(record); !s)
    c_.prompts().showError(QString::fromStdString(s.error().message));
}

} // namespace zephlo
