#include "core/mission/briefing_block.h"

namespace zephlo {

std::uint16_t Briefing::word(int k) const {
  if (k < 1 || k > brf::StreamWords) return 0;
  return getU16(block, brf::Stream + static_cast<std::size_t>(k - 1) * 2);
}

void Briefing::setWord(int k, std::uint16_t v) {
  if (k < 1 || k > brf::StreamWords) return;
  setU16(block, brf::Stream + static_cast<std::size_t>(k - 1) * 2, v);
}

Briefing newBriefing() {
  Briefing b;
  b.setRunningTime(brf::NewRunningTime);
  b.setWord(1, brf::EndTime);
  b.setWord(2, brf::EndCode);
  b.setStreamLength(2);
  b.block[brf::TeamFlags] = 1;
  return b;
}

} // namespace zephlo
