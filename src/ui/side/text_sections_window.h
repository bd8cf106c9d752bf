// "Text Sections": the mission's notes, description, debriefing and hints,
// one at a time, with real line breaks where the file keeps "$".
#pragma once

#include "core/mission/text_edits.h"

#include "ui/editing/tool_window.h"

class QPlainTextEdit;
class QTabBar;

namespace zephlo {

class EditingDocument;
struct Change;

class TMemoForm : public ToolWindow {
  Q_OBJECT
public:
  TMemoForm(EditingDocument& c, QWidget* parent = nullptr);

  TextTab currentTab() const;
  void showTab(TextTab tab);

public slots:
  void MemoPagesChange(int index);
  void EditMemoChange();

protected:
  void aboutToShow() override;

private:
  // Fills the editor from the document; never taken for an edit.
  void fillEditor();

  EditingDocument& c_;
  QTabBar* MemoPages = nullptr;
  QPlainTextEdit* EditMemo = nullptr;
  bool filling_ = false;
};

} // namespace zephlo
