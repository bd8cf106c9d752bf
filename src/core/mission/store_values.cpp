#include "core/mission/store_values.h"

#include <algorithm>
#include <charconv>

namespace zephlo {

namespace {

std::vector<int> selectionOf(const std::set<int>& sel, int current) {
  std::vector<int> out(sel.begin(), sel.end());
  if (out.empty()) out.push_back(current);
  return out;
}

} // namespace

std::vector<int> fgSelection(const EditorState& st) {
  return selectionOf(st.selectedFGs, st.currentFG);
}

std::vector<int> msgSelection(const EditorState& st) {
  return selectionOf(st.selectedMsgs, st.currentMsg);
}

std::vector<int> chosenRows(const std::vector<int>& own, const std::vector<int>& chosen,
                            const std::vector<int>& shown) {
  std::vector<int> out = chosen;
  for (int r : own)
    if (std::find(shown.begin(), shown.end(), r) == shown.end()) out.push_back(r);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

std::optional<int> parseNumber(std::string_view text) {
  const std::string t = trimmed(text);
  std::string_view s = t;
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty() || s == "-") return std::nullopt;
  long long v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec == std::errc::result_out_of_range) return s.front() == '-' ? -2147483647 - 1 : 2147483647;
  if (ec != std::errc{} || end != s.data() + s.size()) return std::nullopt;
  return static_cast<int>(std::clamp<long long>(v, -2147483647 - 1, 2147483647));
}

Byte clampByte(int value) { return static_cast<Byte>(std::clamp(value, 0, 255)); }

Byte clampSignedByte(int value) {
  return static_cast<Byte>(static_cast<std::int8_t>(std::clamp(value, -128, 127)));
}

int signedByte(Byte b) { return static_cast<std::int8_t>(b); }

Byte pointsToByte(int points) { return clampSignedByte(points / 25); }

int pointsFromByte(Byte b) { return signedByte(b) * 25; }

} // namespace zephlo
