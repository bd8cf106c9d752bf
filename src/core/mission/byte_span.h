// A run of bytes within a record, [first, end): which bytes an edit changed,
// or which bytes a control shows. A view asks whether the two meet.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zephlo {

struct ByteSpan {
  std::uint32_t first = 0, end = 0;

  static constexpr ByteSpan of(std::size_t offset, std::size_t length = 1) {
    return {static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(offset + length)};
  }
  constexpr bool empty() const { return end <= first; }
  constexpr bool meets(const ByteSpan& o) const {
    return !empty() && !o.empty() && first < o.end && o.first < end;
  }
  constexpr bool meets(std::size_t offset, std::size_t length = 1) const {
    return meets(of(offset, length));
  }
  // Grows to cover o as well.
  constexpr void add(const ByteSpan& o) {
    if (o.empty()) return;
    if (empty()) {
      *this = o;
      return;
    }
    first = std::min(first, o.first);
    end = std::max(end, o.end);
  }
  constexpr bool operator==(const ByteSpan&) const = default;
};

// A few runs of bytes, kept apart so that an edit of two distant fields (a
// start point and a waypoint) concerns neither field between them. Past
// kMax runs the two closest are joined: a view may then refresh a little
// more than needed, never less.
class ByteSpans {
public:
  static constexpr std::size_t kMax = 4;

  ByteSpans() = default;
  ByteSpans(ByteSpan s) { add(s); }

  void add(ByteSpan s) {
    if (s.empty()) return;
    std::size_t at = 0;
    while (at < n_ && runs_[at].first < s.first)
      ++at;
    std::array<ByteSpan, kMax + 1> all{};
    std::copy(runs_.begin(), runs_.begin() + static_cast<std::ptrdiff_t>(at), all.begin());
    all[at] = s;
    std::copy(runs_.begin() + static_cast<std::ptrdiff_t>(at),
              runs_.begin() + static_cast<std::ptrdiff_t>(n_),
              all.begin() + static_cast<std::ptrdiff_t>(at) + 1);
    std::size_t n = n_ + 1;
    // Join runs that meet or touch, then the closest while too many remain.
    std::size_t out = 0;
    for (std::size_t k = 1; k < n; ++k) {
      if (all[k].first <= all[out].end)
        all[out].end = std::max(all[out].end, all[k].end);
      else
        all[++out] = all[k];
    }
    n = out + 1;
    while (n > kMax) {
      std::size_t best = 0;
      for (std::size_t k = 1; k + 1 < n; ++k) {
        if (all[k + 1].first - all[k].end < all[best + 1].first - all[best].end) best = k;
      }
      all[best].end = all[best + 1].end;
      std::copy(all.begin() + static_cast<std::ptrdiff_t>(best) + 2,
                all.begin() + static_cast<std::ptrdiff_t>(n),
                all.begin() + static_cast<std::ptrdiff_t>(best) + 1);
      --n;
    }
    std::copy(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(n), runs_.begin());
    n_ = n;
  }
  void add(const ByteSpans& o) {
    for (ByteSpan s : o.runs())
      add(s);
  }
  bool empty() const { return n_ == 0; }
  bool meets(ByteSpan s) const {
    return std::any_of(runs_.begin(), runs_.begin() + static_cast<std::ptrdiff_t>(n_),
                       [s](ByteSpan r) { return r.meets(s); });
  }
  bool meets(std::size_t offset, std::size_t length = 1) const {
    return meets(ByteSpan::of(offset, length));
  }
  std::span<const ByteSpan> runs() const { return {runs_.data(), n_}; }
  bool operator==(const ByteSpans& o) const {
    return std::equal(runs().begin(), runs().end(), o.runs().begin(), o.runs().end());
  }

private:
  std::array<ByteSpan, kMax> runs_{};
  std::size_t n_ = 0;
};

} // namespace zephlo
