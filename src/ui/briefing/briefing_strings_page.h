// The "Strings" page: the map tags and the briefing texts the editor edits
// (numbers 0 to 31 of each list), one cell each.
#pragma once

#include <QWidget>

class QTableWidget;

namespace zephlo {

class BriefingSession;

class BriefingStringsPage : public QWidget {
  Q_OBJECT
public:
  BriefingStringsPage(BriefingSession& session, QWidget* parent);

  // The cells whose string changed, except one being edited.
  void showStrings();

private:
  QTableWidget* makeGrid(const char* name, const QString& title, bool tags);

  BriefingSession& session_;
  QTableWidget* TagGrid = nullptr;
  QTableWidget* TextGrid = nullptr;
};

} // namespace zephlo
