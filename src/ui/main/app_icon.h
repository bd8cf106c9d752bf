// The editor's icon for its windows where no icon theme has it: the same
// picture as the installed one, drawn here so the program needs no SVG
// support to show it.
#pragma once

#include <QIcon>

namespace zephlo {

QIcon applicationIcon();

} // namespace zephlo
