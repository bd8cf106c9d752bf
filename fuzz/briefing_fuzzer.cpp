// The briefing codec on any block: decoding never reads outside the stream,
// what was decoded encodes and decodes to the same list, encoding touches
// only the stream, and a repair leaves a stream that ends where it says.
#include "core/briefing/briefing_codec.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace zephlo;

namespace {

[[noreturn]] void fault(const char* what) {
  std::fprintf(stderr, "briefing codec: %s\n", what);
  std::abort();
}

// Every byte of the block except the stream length and the stream itself.
bool sameOutsideStream(const Briefing& a, const Briefing& b) {
  const std::size_t streamEnd = brf::Stream + 2 * static_cast<std::size_t>(brf::StreamWords);
  return std::equal(a.block.begin(), a.block.begin() + brf::StreamLength, b.block.begin()) &&
         std::equal(a.block.begin() + brf::Spare3, a.block.begin() + brf::Stream,
                    b.block.begin() + brf::Spare3) &&
         std::equal(a.block.begin() + streamEnd, a.block.end(), b.block.begin() + streamEnd);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The input: the block's first ten bytes (running time, spare words,
  // stream length), a word number, then stream words from that word on, so
  // both ends of the stream are in reach. The rest of the block is zero.
  Briefing b;
  const std::size_t head = std::min<std::size_t>(size, brf::Stream);
  std::memcpy(b.block.data(), data, head);
  if (size > brf::Stream + 2) {
    const std::size_t word = getU16(data + brf::Stream) % brf::StreamWords;
    const std::size_t at = brf::Stream + 2 * word;
    const std::size_t n = std::min(size - brf::Stream - 2, b.block.size() - at);
    std::memcpy(b.block.data() + at, data + brf::Stream + 2, n);
  }

  const std::vector<TCommandObject> list = decodeBriefing(b);
  if (list.empty()) fault("decoding gave no instruction at all");
  for (const TCommandObject& c : list) {
    if (static_cast<int>(parameterWords(c).size()) != parameterCount(c.Command))
      fault("an instruction's parameter words do not match its code");
    if (commandName(c.Command).empty()) fault("an instruction has no name");
  }

  Briefing encoded = b;
  if (encodeBriefing(list, encoded)) {
    if (!sameOutsideStream(b, encoded)) fault("encoding changed bytes outside the stream");
    if (decodeBriefing(encoded) != list) fault("decode(encode(list)) differs from list");
  } else if (encoded != b) {
    fault("a refused encoding changed the block");
  }

  Briefing repaired = b;
  if (repairBriefingStream(repaired)) {
    const int n = repaired.streamLength();
    if (n < 2 || n > brf::StreamWords || repaired.word(n - 1) != brf::EndTime)
      fault("a repaired stream does not end with the end time");
    if (!sameOutsideStream(b, repaired)) fault("the repair changed bytes outside the stream");
    decodeBriefing(repaired);
  } else if (repaired != b) {
    fault("a repair that did nothing changed the block");
  }
  return 0;
}
