// The briefing editor's commands: one QAction each in the action registry,
// under ids that start with "Brf", drawn from there by the tool bars, the
// buttons and the pop-up menus of every part of the window. The registry
// keeps them between windows; a new window starts them from their defaults.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

class QAction;
class QToolButton;
class QWidget;

namespace zephlo {

class ActionRegistry;

inline constexpr int kBrfInsertCount = 14;
inline constexpr int kBrfIconTools = 7; // rotations, mirror, clear, box

// The VCR panel's commands, in panel order.
enum class Vcr { Stop, RewPlay, PrevInst, Play, Pause, Step, NextInst, NextPage, Count };

struct BriefingActions {
  explicit BriefingActions(ActionRegistry& registry);

  ActionRegistry& registry;
  // The insert commands in menu order; each action's data is its code.
  std::array<QAction*, kBrfInsertCount> inserts{};
  std::array<QAction*, static_cast<int>(Vcr::Count)> vcr{};
  QAction* deleteInst = nullptr;
  QAction* moveUp = nullptr;
  QAction* moveDown = nullptr;
  QAction* setAllToStart1 = nullptr;
  QAction* done = nullptr;
  QAction* cancel = nullptr;
  // "Selected Icon:": the tools of IconTool in its order, the info tool and
  // the eight "Move:" arrows in ArrowMove order.
  std::array<QAction*, kBrfIconTools> iconTools{};
  QAction* showInfo = nullptr;
  std::array<QAction*, 8> arrows{};
  // The view and drag options of the map page.
  QAction* showCurr = nullptr;
  QAction* showNums = nullptr;
  QAction* stopAtStop = nullptr;
  QAction* lockX = nullptr;
  QAction* xSnap = nullptr;
  QAction* lockY = nullptr;
  QAction* ySnap = nullptr;

  QAction* vcrAction(Vcr v) const { return vcr[static_cast<std::size_t>(v)]; }
  // The insert command of a code, or null.
  QAction* insertFor(std::uint16_t code) const;
  void setInsertsEnabled(bool on) const;
};

// A button that runs an action and shows its caption, enabled state and hint.
QToolButton* commandButton(QWidget* parent, const char* name, QAction* action);

} // namespace zephlo
