// A mission's voice list: one WAV file name per message, in message order.
#pragma once

#include <string>
#include <vector>

namespace zephlo {

struct VoiceList {
  std::vector<std::string> entries;
  bool changed = false;
};

} // namespace zephlo
