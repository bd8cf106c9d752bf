// A small mission to try the tool and the editor on: flight groups on both
// sides, messages, goals and a short briefing. The checker finds nothing
// wrong with it.
#pragma once

#include "core/mission/document.h"

namespace zephlo {

Document exampleMission();

} // namespace zephlo
