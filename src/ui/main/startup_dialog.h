// Asks what to do at start-up when the preference says to ask.
#pragma once

#include "platform/prompts.h"

#include <QDialog>

namespace zephlo {

class StartupDialog : public QDialog {
  Q_OBJECT
public:
  explicit StartupDialog(QWidget* parent = nullptr);
  StartupChoice choice() const { return choice_; }

private:
  StartupChoice choice_ = StartupChoice::Closed;
};

} // namespace zephlo
