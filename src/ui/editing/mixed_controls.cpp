#include "ui/editing/mixed_controls.h"

#include "ui/editing/page_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QListWidget>

#include <algorithm>

namespace zephlo::pages {

QString mixedText() { return QStringLiteral("(mixed)"); }

MixedSpinBox::MixedSpinBox(QWidget* parent) : QSpinBox(parent) {
  // Connected first, so the edit it starts finds the box no longer mixed.
  connect(this, &QSpinBox::valueChanged, this, [this] { mixed_ = false; });
}

bool MixedSpinBox::typedWhileMixed() const {
  QString text = lineEdit()->text();
  int pos = 0;
  return mixed_ && !text.isEmpty() && validate(text, pos) == QValidator::Acceptable;
}

// The same number as the one hidden behind the empty box changes no value,
// so the box says nothing; yet the designer asked for it in every record.
void MixedSpinBox::commitTyped(bool typed) {
  if (!typed || !mixed_) return;
  mixed_ = false;
  emit valueChanged(value());
}

void MixedSpinBox::keyPressEvent(QKeyEvent* e) {
  const bool typed = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && typedWhileMixed();
  QSpinBox::keyPressEvent(e);
  commitTyped(typed);
}

void MixedSpinBox::focusOutEvent(QFocusEvent* e) {
  const bool typed = typedWhileMixed();
  QSpinBox::focusOutEvent(e);
  commitTyped(typed);
}

void MixedSpinBox::setMixed(bool on) {
  lineEdit()->setPlaceholderText(on ? mixedText() : QString());
  const bool was = mixed_;
  mixed_ = on;
  // An arrow step from an empty box leaves it empty until shown again.
  if (on == was && (on || !lineEdit()->text().isEmpty())) return;
  const QSignalBlocker block(lineEdit());
  lineEdit()->setText(textFromValue(value()));
}

QString MixedSpinBox::textFromValue(int value) const {
  return mixed_ ? QString() : QSpinBox::textFromValue(value);
}

MixedSpinBox* mixedSpin(QWidget* parent, const char* name, int lo, int hi, int step) {
  auto* s = new MixedSpinBox(parent);
  s->setObjectName(QString::fromLatin1(name));
  s->setRange(lo, hi);
  s->setSingleStep(step);
  return s;
}

void showShared(QComboBox* b, std::optional<int> index) {
  if (index) {
    b->setPlaceholderText(QString());
    showValue(b, *index);
    return;
  }
  b->setPlaceholderText(mixedText());
  const QSignalBlocker block(b);
  b->setCurrentIndex(-1);
}

void showShared(QSpinBox* s, std::optional<int> value) {
  if (beingTyped(s)) return;
  auto* m = dynamic_cast<MixedSpinBox*>(s);
  if (m) m->setMixed(!value);
  if (value) showValue(s, *value);
}

void showShared(QLineEdit* e, const std::optional<QString>& text) {
  if (beingTyped(e)) return;
  e->setPlaceholderText(text ? QString() : mixedText());
  showValue(e, text.value_or(QString()));
}

bool showsMixed(const QLineEdit* e) {
  return e->text().isEmpty() && e->placeholderText() == mixedText();
}

void showShared(QCheckBox* c, std::optional<bool> on) {
  const QSignalBlocker block(c);
  c->setTristate(!on);
  if (on)
    c->setChecked(*on);
  else
    c->setCheckState(Qt::PartiallyChecked);
}

void showShared(QAbstractButton* yes, QAbstractButton* no, std::optional<bool> on) {
  const QSignalBlocker a(yes), b(no);
  QButtonGroup* group = yes->group();
  // An exclusive group keeps one button checked; for none it lets go a moment.
  if (group) group->setExclusive(false);
  yes->setChecked(on.value_or(false));
  no->setChecked(on && !*on);
  if (group) group->setExclusive(true);
}

void showSharedNumber(QWidget* w, std::optional<int> value) {
  if (auto* b = qobject_cast<QComboBox*>(w))
    showShared(b, value);
  else if (auto* s = qobject_cast<QSpinBox*>(w))
    showShared(s, value);
  else if (auto* e = qobject_cast<QLineEdit*>(w))
    showShared(e, value ? std::optional(QString::number(*value)) : std::nullopt);
}

void showSharedText(QComboBox* b, const std::optional<QString>& text) {
  if (QLineEdit* e = b->lineEdit()) e->setPlaceholderText(text ? QString() : mixedText());
  showEditText(b, text.value_or(QString()));
}

void showSharedRows(QListWidget* l, const QStringList& labels, const SharedRows& rows) {
  const QSignalBlocker block(l);
  while (l->count() > labels.size())
    delete l->takeItem(l->count() - 1);
  while (l->count() < labels.size())
    l->addItem(QString());
  auto holds = [](const std::vector<int>& v, int i) {
    return std::find(v.begin(), v.end(), i) != v.end();
  };
  for (int i = 0; i < l->count(); ++i) {
    QListWidgetItem* item = l->item(i);
    const bool mixed = holds(rows.some, i);
    const QString text = mixed ? labels[i] + QLatin1Char(' ') + mixedText() : labels[i];
    if (item->text() != text) item->setText(text);
    item->setToolTip(mixed ? QStringLiteral("Only some of the selected have it: choose it to give "
                                            "it to all")
                           : QString());
    item->setSelected(holds(rows.all, i));
  }
}

std::vector<int> chosenListRows(const QListWidget* l) {
  std::vector<int> rows;
  for (int i = 0; i < l->count(); ++i)
    if (l->item(i)->isSelected()) rows.push_back(i);
  return rows;
}

} // namespace zephlo::pages
