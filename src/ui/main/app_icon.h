// The editor's icon for its windows where no icon theme has it: the same
// picture as the installed one, drawn here so the program needs no SVG
// support to show it.
#pragma once

#include <QIcon>

namespace zephlo {

QIcon applicationIcon();

// Tells the desktop who the program is: the desktop file's name, by which
// Wayland compositors find the name and icon, and the windows' icon (the
// installed theme's, else the one drawn here).
void presentToTheDesktop();

} // namespace zephlo
