// What the commands that draw pictures share.
#pragma once

namespace zephlo::tool {

// Fonts need a GUI application; it runs on the offscreen platform, so no
// display is needed. Safe to call more than once.
void ensureGuiApplication();

} // namespace zephlo::tool
