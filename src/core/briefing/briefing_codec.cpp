#include "core/briefing/briefing_codec.h"

namespace zephlo {

namespace {

// The fields an instruction's parameter words fill, in stream order.
enum class Slot { Index, X, Y, Color, CraftType, InfoIcon, Rotation };

std::vector<Slot> slotsOf(std::uint16_t code) {
  using S = Slot;
  if (code == 4 || code == 5 || (code >= 9 && code <= 16) || code == 30) return {S::Index};
  if (code == 6 || code == 7) return {S::X, S::Y};
  if (code >= 18 && code <= 25) return {S::Index, S::X, S::Y, S::Color};
  if (code == 26) return {S::Index, S::CraftType, S::Color};
  if (code == 27) return {S::Index, S::InfoIcon};
  if (code == 28) return {S::Index, S::X, S::Y};
  if (code == 29) return {S::Index, S::Rotation};
  return {};
}

std::uint16_t& field(TCommandObject& c, Slot s) {
  switch (s) {
  case Slot::Index: return c.Index;
  case Slot::X: return reinterpret_cast<std::uint16_t&>(c.X);
  case Slot::Y: return reinterpret_cast<std::uint16_t&>(c.Y);
  case Slot::Color: return c.Color;
  case Slot::CraftType: return c.CraftType;
  case Slot::InfoIcon: return c.InfoIcon;
  case Slot::Rotation: return c.Rotation;
  }
  return c.Index;
}

} // namespace

int parameterCount(std::uint16_t code) { return static_cast<int>(slotsOf(code).size()); }

std::vector<std::uint16_t> parameterWords(const TCommandObject& c) {
  std::vector<std::uint16_t> words;
  // Only read through the reference.
  auto& item = const_cast<TCommandObject&>(c);
  for (Slot s : slotsOf(c.Command))
    words.push_back(field(item, s));
  return words;
}

std::string commandName(std::uint16_t code) {
  switch (code) {
  case 3: return "Page Break";
  case 4: return "Title Text:";
  case 5: return "Briefing Text:";
  case 6: return "Move Map to";
  case 7: return "Zoom Map to";
  case 8: return "Clear all Boxes";
  case 17: return "Clear all Tags";
  case 26: return "New Icon";
  case 27: return "Show Ship data";
  case 28: return "Move Icon";
  case 29: return "Rotate Icon";
  case 30: return "Change Region";
  case 34: return "<Briefing End Marker>";
  default: break;
  }
  if (code >= 9 && code <= 16) return "FG Box  #" + std::to_string(code - 8) + ": ";
  if (code >= 18 && code <= 25) return "Map Tag #" + std::to_string(code - 17) + ":";
  return std::to_string(code);
}

std::vector<TCommandObject> decodeBriefing(const Briefing& b) {
  std::vector<TCommandObject> list;
  const int length = b.streamLength();
  int p = 1;
  // Briefing::word answers 0 past word 7000, so a parameter that would lie
  // beyond the stream is never read from outside it.
  auto next = [&]() { return b.word(p++); };
  for (;;) {
    TCommandObject c;
    c.Time = static_cast<std::int16_t>(next());
    c.Command = next();
    c.Index = 0;
    if (c.Command == 0) {
      c.Command = brf::EndCode;
      c.Time = static_cast<std::int16_t>(brf::EndTime);
    }
    for (Slot s : slotsOf(c.Command))
      field(c, s) = next();
    list.push_back(c);
    if (p >= length || p >= brf::StreamWords) break;
  }
  return list;
}

Status encodeBriefing(const std::vector<TCommandObject>& list, Briefing& b) {
  std::size_t needed = 0;
  for (const auto& c : list)
    needed += 2 + static_cast<std::size_t>(parameterCount(c.Command));
  if (needed > static_cast<std::size_t>(brf::StreamWords)) {
    return makeError(ErrorKind::Refused, "The briefing needs " + std::to_string(needed) +
                                             " words but only 7000 fit. Remove some instructions.");
  }
  int p = 1;
  for (const auto& c : list) {
    b.setWord(p++, static_cast<std::uint16_t>(c.Time));
    b.setWord(p++, c.Command);
    for (std::uint16_t w : parameterWords(c))
      b.setWord(p++, w);
  }
  b.setStreamLength(static_cast<std::uint16_t>(p - 1));
  for (int k = p; k <= brf::StreamWords; ++k)
    b.setWord(k, 0);
  return {};
}

bool repairBriefingStream(Briefing& b) {
  if (b.streamLength() >= 7 || b.runningTime() == brf::NewRunningTime) return false;
  int n = 0;
  for (int k = brf::StreamWords; k >= 2; --k) {
    if (b.word(k) != 0) {
      n = k;
      break;
    }
  }
  if (n == 0 || b.streamLength() == n) return false;
  b.setStreamLength(static_cast<std::uint16_t>(n));
  b.setWord(n - 1, brf::EndTime);
  return true;
}

} // namespace zephlo
