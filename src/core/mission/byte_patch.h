// The smallest before/after picture of a changed object: the bytes from its
// first to its last differing byte. Undo keeps these instead of copies of
// whole records, so a field edit costs a few bytes.
#pragma once

#include "core/mission/bytes.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <type_traits>
#include <vector>

namespace zephlo {

struct BytePatch {
  std::uint32_t offset = 0;
  std::vector<Byte> before, after;

  std::size_t memoryUse() const { return sizeof(*this) + before.capacity() + after.capacity(); }
};

// The differing range of two equally long byte runs, or nothing when equal.
std::optional<BytePatch> diffBytes(std::span<const Byte> before, std::span<const Byte> after);
// Writes the patch's after (forward) or before (backward) bytes into b.
void applyBytes(std::span<Byte> b, const BytePatch& p, bool forward);

// The object representation of a record, for records that are plain bytes
// and numbers (every record object of a mission is).
template <class T> std::span<const Byte> bytesOf(const T& v) {
  static_assert(std::is_trivially_copyable_v<T>);
  return {reinterpret_cast<const Byte*>(&v), sizeof(T)};
}
template <class T> std::span<Byte> bytesOf(T& v) {
  static_assert(std::is_trivially_copyable_v<T>);
  return {reinterpret_cast<Byte*>(&v), sizeof(T)};
}

} // namespace zephlo
