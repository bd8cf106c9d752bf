// Controls that show whether the records an edit writes into differ: an
// empty box, "(mixed)" in a drop-down, a partly ticked box, no choice among
// radio buttons. Setting the control then writes into all of them.
#pragma once

#include "core/mission/shared_values.h"

#include <QSpinBox>

#include <optional>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace zephlo::pages {

// The grey hint a mixed box shows, and the entry a mixed drop-down shows.
QString mixedText();

// A number box that can stand empty for differing values. A number typed
// into it while empty commits even when it equals the value hidden behind.
class MixedSpinBox : public QSpinBox {
public:
  explicit MixedSpinBox(QWidget* parent = nullptr);
  void setMixed(bool on);
  bool isMixed() const { return mixed_; }

protected:
  QString textFromValue(int value) const override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

private:
  // A whole number typed into the empty box, read before the box takes it.
  bool typedWhileMixed() const;
  void commitTyped(bool typed);

  bool mixed_ = false;
};

MixedSpinBox* mixedSpin(QWidget* parent, const char* name, int lo, int hi, int step = 1);

// A shared value shown as showValue shows it; none shows the control mixed.
void showShared(QComboBox* b, std::optional<int> index);
void showShared(QSpinBox* s, std::optional<int> value);
void showShared(QLineEdit* e, const std::optional<QString>& text);
// Whether an edit shows the records differ and nothing was typed in it.
bool showsMixed(const QLineEdit* e);
void showShared(QCheckBox* c, std::optional<bool> on);
// A pair of radio buttons for a yes/no value: neither chosen when mixed.
void showShared(QAbstractButton* yes, QAbstractButton* no, std::optional<bool> on);
// Whichever control shows the number: list index, spin value or text.
void showSharedNumber(QWidget* w, std::optional<int> value);
// An editable drop-down's text.
void showSharedText(QComboBox* b, const std::optional<QString>& text);

// A multi-choice list over several records: the labels as its items, the
// rows every record holds chosen, and the rows only some hold marked
// "(mixed)" and left unchosen, so choosing one gives it to all.
void showSharedRows(QListWidget* l, const QStringList& labels, const SharedRows& rows);
// The rows chosen in a multi-choice list.
std::vector<int> chosenListRows(const QListWidget* l);

} // namespace zephlo::pages
