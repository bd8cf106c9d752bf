#include "core/briefing/briefing_codec.h"

#include "core/briefing/instruction_schema.h"

namespace zephlo {

int parameterCount(std::uint16_t code) {
  return static_cast<int>(instructionSchema(code).params.size());
}

std::vector<std::uint16_t> parameterWords(const TCommandObject& c) {
  std::vector<std::uint16_t> words;
  for (const Parameter& p : instructionSchema(c.Command).params)
    words.push_back(paramWord(c, p.field));
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
    for (const Parameter& s : instructionSchema(c.Command).params)
      setParamWord(c, s.field, next());
    list.push_back(c);
    if (p >= length || p >= brf::StreamWords) break;
  }
  return list;
}

std::size_t briefingWords(const std::vector<TCommandObject>& list) {
  std::size_t needed = 0;
  for (const auto& c : list)
    needed += 2 + static_cast<std::size_t>(parameterCount(c.Command));
  return needed;
}

Status encodeBriefing(const std::vector<TCommandObject>& list, Briefing& b) {
  const std::size_t needed = briefingWords(list);
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
