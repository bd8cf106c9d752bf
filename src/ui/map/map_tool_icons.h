// Small pictures of our own for the map's tool buttons, so the bars fit a
// small screen while the menus keep the commands' captions. Each is painted
// in a 16 x 16 frame and made at every size a screen scale asks for.
#pragma once

#include <QIcon>
#include <QString>

namespace zephlo {

// The picture of the map command with this id; a null icon for a command
// that has none.
QIcon mapToolIcon(const QString& id);

} // namespace zephlo
