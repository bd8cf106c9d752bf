#include "core/mission/byte_patch.h"

#include <algorithm>

namespace zephlo {

std::optional<BytePatch> diffBytes(std::span<const Byte> before, std::span<const Byte> after) {
  const std::size_t n = std::min(before.size(), after.size());
  std::size_t first = 0;
  while (first < n && before[first] == after[first])
    ++first;
  if (first == n) return std::nullopt;
  std::size_t last = n;
  while (last > first && before[last - 1] == after[last - 1])
    --last;
  BytePatch p;
  p.offset = static_cast<std::uint32_t>(first);
  p.before.assign(before.begin() + static_cast<std::ptrdiff_t>(first),
                  before.begin() + static_cast<std::ptrdiff_t>(last));
  p.after.assign(after.begin() + static_cast<std::ptrdiff_t>(first),
                 after.begin() + static_cast<std::ptrdiff_t>(last));
  return p;
}

void applyBytes(std::span<Byte> b, const BytePatch& p, bool forward) {
  const std::vector<Byte>& src = forward ? p.after : p.before;
  std::memcpy(b.data() + p.offset, src.data(), src.size());
}

} // namespace zephlo
