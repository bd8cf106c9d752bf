#include "platform/game_folder.h"

#include "core/lists/game_search.h"
#include "core/mission/utf8_path.h"

namespace zephlo {

QString findGameFolder(const QString& preference) {
  if (!preference.isEmpty()) return preference;
  const GameSearch search = findGame(searchPlacesFromEnvironment());
  // A folder the installer recorded is still the best guess without a list:
  // its voice files can be used all the same.
  const auto folder = search.folder ? search.folder : search.recorded;
  return folder ? QString::fromStdString(utf8FromPath(*folder)) : QString();
}

} // namespace zephlo
