// Finding the game's install folder.
#pragma once

#include <QString>

namespace zephlo {

// The install path the game recorded in the Windows registry, read from a
// Wine prefix's system.reg and mapped into the prefix ("C:\Games\XWA" ->
// PREFIX/drive_c/Games/XWA). Empty when there is none.
QString wineInstallPath(const QString& prefix);

// The game folder: the preference when it is set; otherwise on Windows the
// game's registry value, elsewhere the value found in the Wine prefix
// ($WINEPREFIX, else ~/.wine). Empty when nothing is known.
QString findGameFolder(const QString& preference);

// The path as it is spelt on disk: each component that does not exist as
// written is replaced by an entry of its folder whose name differs only in
// case. Backslashes count as separators, so the game's own relative paths
// ("wave\MissionVoice") can be appended as they are. Components past the
// first one that cannot be found are kept as written.
QString resolveCaseInsensitive(const QString& path);

} // namespace zephlo
