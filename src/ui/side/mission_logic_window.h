// "Mission Logic": the mission's web of triggers drawn as a graph, what can
// never happen in red, with the findings listed below. A double click on a
// flight group, message or goal makes it current in the editor. The window
// follows every edit of what the graph shows.
#pragma once

#include "core/check/mission_logic.h"
#include "render/logic_graph.h"

#include "ui/editing/tool_window.h"
#include <QTimer>

class QListWidget;
class QScrollArea;

namespace zephlo {

class EditingDocument;
struct Change;

class MissionLogicWindow : public ToolWindow {
  Q_OBJECT
public:
  explicit MissionLogicWindow(EditingDocument& doc, QWidget* parent = nullptr);

  const MissionLogic& logic() const { return logic_; }
  const LogicLayout& layout() const { return layout_; }
  // The canvas the graph is drawn on, in points of the layout at 1:1.
  QWidget* canvas() const { return canvas_; }
  // Makes node i current in the editor, as a double click on it does.
  void activateNode(int node);

private:
  void rebuild();

  EditingDocument& doc_;
  MissionLogic logic_;
  LogicLayout layout_;
  QScrollArea* scroll_ = nullptr;
  QWidget* canvas_ = nullptr;
  QListWidget* FindingsList = nullptr;
  QTimer rebuildSoon_;
};

} // namespace zephlo
