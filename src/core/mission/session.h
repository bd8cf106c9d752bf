// Rules of an editing session that are not about the mission's bytes: the
// recent-files history, the window title, and how the command line and the
// start-up preference choose what to open.
#pragma once

#include "core/mission/document.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zephlo {

// Recently opened missions, newest first, without duplicates. Entries are
// absolute, normalised paths, so the same file named two ways is one entry
// and an entry still opens from another working folder.
class History {
public:
  // A menu item finds its entry by the one digit of its caption.
  static constexpr std::size_t kLimit = 9;

  const std::vector<std::string>& entries() const { return entries_; }
  // Replaces the entries (as read from the settings): normalised, duplicates
  // and empty entries dropped, cut to the limit.
  void assign(const std::vector<std::string>& paths);
  // Puts path at the top, removing it further down and dropping the oldest
  // entry past the limit.
  void add(const std::string& path);

private:
  std::vector<std::string> entries_;
};

// The absolute, normalised form of a path (relative to the working folder).
std::string absolutePath(const std::string& path);

// What the window title shows: the program's title alone at start, the
// file and the mission's title after an open or an announced save, and
// "[Unnamed]" after New Mission. The result is UTF-8: the file name as the
// system spells it, the mission's 8-bit title read as Latin-1.
enum class TitleKind { Program, Opened, Saved, New };
std::string windowTitle(const std::string& program, TitleKind kind, const Document& doc);

// The start-up preference.
enum class StartupMode { Ask = 0, NewMission = 1, OpenDialog = 2, LastFile = 3 };
StartupMode startupModeFrom(int preference);

// The mission named on the command line, if any. Windows shells may split
// a path with a blank into two arguments; they are joined only when the
// first names no file and the joined path does.
std::optional<std::string> commandLinePath(const std::vector<std::string>& args,
                                           const std::function<bool(const std::string&)>& exists);

// The pages of the main window's page control.
enum class MainPage { FlightGroups = 0, Messages = 1, Teams = 2 };

} // namespace zephlo
