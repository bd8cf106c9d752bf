// The side of the briefing editor: "Run time:", "Seen by:", the hidden
// "Unknowns:" group with the spare words, "Save Mission" and "Close".
#pragma once

#include <QWidget>

#include <array>

class QLineEdit;
class QListWidget;
class QSpinBox;

namespace zephlo {

class ActionRegistry;
class BriefingSession;

class BriefingSidePanel : public QWidget {
  Q_OBJECT
public:
  BriefingSidePanel(BriefingSession& session, const ActionRegistry& registry, QWidget* parent);

  // The briefing's header words and team flags.
  void showHeader();
  // The team names of "Seen by:".
  void showTeams();
  // An insert mode holds the header fields (their place stays).
  void setInserting(bool on);

private:
  void buildHeader();
  void runTimeTyped();

  BriefingSession& session_;
  QWidget* header_ = nullptr;
  QLineEdit* RunTimeEdit = nullptr;
  QListWidget* SeenByList = nullptr;
  std::array<QSpinBox*, 3> spareSpins_{};
};

} // namespace zephlo
