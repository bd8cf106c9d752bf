// Small helpers the editing pages share: building controls with their
// object names, showing values without firing edits, and the Latin-1
// conversion of the mission's 8-bit texts.
#pragma once

#include "ui/editing/action_registry.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include <string>
#include <vector>

namespace zephlo::pages {

// Mission texts are bytes; Latin-1 keeps every byte as one character.
inline QString fromBytes(const std::string& s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
// A character Latin-1 cannot hold becomes "?".
inline std::string toBytes(const QString& s) {
  std::string out;
  out.reserve(static_cast<std::size_t>(s.size()));
  for (QChar ch : s)
    out.push_back(ch.unicode() < 256 ? static_cast<char>(ch.unicode()) : '?');
  return out;
}

inline QStringList qlist(const std::vector<std::string>& items) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& s : items)
    out << fromBytes(s);
  return out;
}

// A window's own command: registered once under its id, drawn by its tool
// button, run by fn in receiver.
template <class Fn>
QAction* command(ActionRegistry& actions, QToolButton* button, const char* id, const QString& text,
                 const QString& hint, QObject* receiver, Fn fn) {
  QAction* a = actions.add({QString::fromLatin1(id), text, hint});
  a->setIconText(text); // the button reads as the command; the hint is its tool-tip
  QObject::connect(a, &QAction::triggered, receiver, fn);
  if (button) button->setDefaultAction(a);
  return a;
}

// A page of a tab control, added under its caption.
inline QWidget* page(QTabWidget* tabs, const char* name, const QString& caption) {
  auto* w = new QWidget(tabs);
  w->setObjectName(QString::fromLatin1(name));
  tabs->addTab(w, caption);
  return w;
}

// The black lists and edits of the editor: white text unless a line sets
// its own colour.
inline void blackBase(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, Qt::black);
  p.setColor(QPalette::Text, Qt::white);
  w->setPalette(p);
}

inline QComboBox* combo(QWidget* parent, const char* name, const QStringList& items,
                        bool editable = false) {
  auto* b = new QComboBox(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->addItems(items);
  b->setEditable(editable);
  b->setMaxVisibleItems(24);
  return b;
}

inline QSpinBox* spin(QWidget* parent, const char* name, int lo, int hi, int step = 1) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(QString::fromLatin1(name));
  s->setRange(lo, hi);
  s->setSingleStep(step);
  return s;
}

inline QLineEdit* edit(QWidget* parent, const char* name, int maxLength) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setMaxLength(maxLength);
  return e;
}

inline QLabel* label(QWidget* parent, const char* name, const QString& text = {}) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(QString::fromLatin1(name));
  return l;
}

// A label that names control: a screen reader reads it for the control,
// and its shortcut, if any, goes there.
inline QLabel* caption(QWidget* parent, const QString& text, QWidget* control) {
  auto* l = new QLabel(text, parent);
  l->setBuddy(control);
  return l;
}

// A box that shares its row's label says on its own what it holds.
inline void nameBox(QWidget* control, const QString& name) {
  control->setToolTip(name);
  control->setAccessibleName(name);
}

// Whether the user is typing in w right now: it has the keyboard focus and
// holds text not yet committed. A refresh leaves such a control alone.
inline bool beingTyped(const QWidget* w) {
  if (!w->hasFocus()) return false;
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->isModified();
  if (auto* s = qobject_cast<const QAbstractSpinBox*>(w)) {
    const auto* e = s->findChild<const QLineEdit*>();
    return e && e->isModified();
  }
  return false;
}

// A box whose shown value is converted (points x 25, times, kilometres)
// commits when editing finishes: Enter, the focus leaving, an arrow step.
// Committing on every keystroke would store "2" of "250" and refill the box
// under the cursor.
inline void commitOnFinish(QAbstractSpinBox* s) { s->setKeyboardTracking(false); }

// A committed text is no longer being typed: the refresh after the edit may
// show the value as stored.
inline void committed(QLineEdit* e) { e->setModified(false); }

// A number typed into an edit box commits when editing finishes (Enter, the
// focus leaving), as one step; commit gets the text.
template <class Commit> void commitTextOnFinish(QLineEdit* e, Commit commit) {
  QObject::connect(e, &QLineEdit::editingFinished, e, [e, commit] {
    if (!e->isModified()) return;
    committed(e);
    commit(e->text());
  });
}

// A text box that stores as it is typed (a name, merged into one undo step)
// shows the stored text once editing finishes: a character Latin-1 cannot
// hold became "?", a long text was cut.
template <class Show> void showStoredOnFinish(QLineEdit* e, Show show) {
  QObject::connect(e, &QLineEdit::editingFinished, e, [e, show] {
    committed(e);
    show();
  });
}

// Showing a value never writes it back, and leaves a control that already
// shows it, or that the user is typing in, alone.
inline void showValue(QComboBox* b, int index) {
  if (b->currentIndex() == index && !b->isEditable()) return;
  const QSignalBlocker block(b);
  b->setCurrentIndex(index < b->count() ? index : -1);
}
inline void showValue(QSpinBox* s, int value) {
  if (s->value() == value || beingTyped(s)) return;
  const QSignalBlocker block(s);
  s->setValue(value);
}
inline void showValue(QLineEdit* e, const QString& text) {
  if (e->text() == text || beingTyped(e)) return;
  const QSignalBlocker block(e);
  e->setText(text);
}
inline void showValue(QCheckBox* c, bool on) {
  const QSignalBlocker block(c);
  c->setChecked(on);
}
// A number in whichever control shows it: list index, spin value or text.
inline void showNumber(QWidget* w, int value) {
  if (auto* b = qobject_cast<QComboBox*>(w))
    showValue(b, value);
  else if (auto* s = qobject_cast<QSpinBox*>(w))
    showValue(s, value);
  else if (auto* e = qobject_cast<QLineEdit*>(w))
    showValue(e, QString::number(value));
}

// Whether the user is editing that cell of the grid: its editor is open.
// The grid commits the text when editing finishes.
inline bool cellBeingEdited(const QTableWidget* g, int row, int column) {
  return g->indexWidget(g->model()->index(row, column)) != nullptr;
}
// A grid cell shows a value: set in place and only when it differs (the
// grid may be inside its own change signal), never under the user's typing.
inline void showCell(QTableWidget* g, int row, int column, const QString& text) {
  if (cellBeingEdited(g, row, column)) return;
  if (QTableWidgetItem* i = g->item(row, column)) {
    if (i->text() != text) i->setText(text);
  } else {
    g->setItem(row, column, new QTableWidgetItem(text));
  }
}

inline void showEditText(QComboBox* b, const QString& text) {
  if (b->currentText() == text) return;
  if (const QLineEdit* e = b->lineEdit(); e && (b->hasFocus() || e->hasFocus()) && e->isModified())
    return; // being typed in
  const QSignalBlocker block(b);
  b->setEditText(text);
}
inline void refill(QComboBox* b, const QStringList& items, int index) {
  const QSignalBlocker block(b);
  if (b->count() != items.size() || [&] {
        for (int i = 0; i < items.size(); ++i)
          if (b->itemText(i) != items[i]) return true;
        return false;
      }()) {
    b->clear();
    b->addItems(items);
  }
  b->setCurrentIndex(index < b->count() ? index : -1);
}

} // namespace zephlo::pages
