// Finding the game's install folder.
#pragma once

#include <QString>

namespace zephlo {

// The game folder: the preference when it is set (the designer's choice
// wins); otherwise the first folder the search of this machine finds that
// holds Missions\Mission.lst (the game's registry entry, Wine and Proton
// prefixes, Steam's libraries, the usual install folders), else the install
// folder a registry names. Empty when nothing is known.
QString findGameFolder(const QString& preference);

} // namespace zephlo
