#include "core/briefing/instruction_lines.h"

#include "core/briefing/instruction_list.h"
#include "core/briefing/playback.h"
#include "core/gamedata/vocabularies.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zephlo {

namespace {

std::string nameIn(const std::vector<std::string>& list, int i) {
  return i >= 0 && i < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(i)]
                                                     : std::to_string(i);
}

std::string stringAt(const std::array<std::string, 128>& list, int i) {
  return i >= 0 && i < 128 ? list[static_cast<std::size_t>(i)] : std::string();
}

std::string quoted(std::string s, std::size_t limit) {
  if (s.size() > limit) {
    s.resize(limit);
    while (!s.empty() && s.back() == ' ')
      s.pop_back();
    s += "....";
  }
  return "\"" + s + "\"";
}

std::string colourName(int c) {
  static const char* names[] = {"Green", "Red", "Yellow", "Blue", "Purple", "Black"};
  return c >= 0 && c < 6 ? names[c] : std::to_string(c);
}

std::string rotationName(int r) {
  static const char* names[] = {"0 deg", "270 deg", "180 deg", "90 deg", "mirror"};
  return r >= 0 && r < 5 ? names[r] : std::to_string(r);
}

std::string at(int x, int y) { return "X: " + briefingKmText(x) + ",   Y: " + briefingKmText(y); }

} // namespace

std::string playbackTimeLabel(int ticks) {
  char buf[32];
  std::snprintf(buf, sizeof buf, " Time: %d.%02d", ticks / 25, ticks % 25 * 4);
  return buf;
}

std::string instructionLabel(int position) {
  return "Instruction #" + std::to_string(position + 1) + " :";
}

std::string briefingKmText(int mapUnits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", mapUnits / 160.0);
  return buf;
}

std::optional<double> decimalNumber(const std::string& text) {
  // Whatever the user's locale, a point is the decimal point.
  const char* first = text.data();
  const char* last = text.data() + text.size();
  while (first != last && (*first == ' ' || *first == '\t'))
    ++first;
  while (last != first && (last[-1] == ' ' || last[-1] == '\t'))
    --last;
  if (first != last && *first == '+') ++first;
  double v = 0;
  const auto [end, error] = std::from_chars(first, last, v);
  if (first == last || error != std::errc() || end != last || !std::isfinite(v))
    return std::nullopt;
  return v;
}

std::optional<int> briefingKmField(const std::string& text) {
  if (text.empty() || text == "-") return 0;
  const std::optional<double> km = decimalNumber(text);
  if (!km) return std::nullopt;
  const double units = std::nearbyint(*km * 160);
  if (units < -32768 || units > 32767) return std::nullopt;
  return static_cast<int>(units);
}

std::optional<int> runningTimeField(const std::string& text) {
  const std::optional<double> seconds = decimalNumber(text);
  if (!seconds) return std::nullopt;
  // Far beyond the 16-bit tick count: kept out of range, so the edit refuses it.
  return static_cast<int>(std::nearbyint(std::clamp(*seconds * 25, -1.0, 70000.0)));
}

std::string briefingStringField(std::string text) {
  // The reader takes a string's length from one byte.
  if (text.size() > 255) text.resize(255);
  return text;
}

std::string instructionLine(const TCommandObject& c, const InstructionLineContext& ctx) {
  std::string line = tickSecondsText(instructionTime(c));
  static constexpr int pad[] = {12, 10, 9, 7, 5, 3};
  const std::size_t n = line.size();
  line.append(n >= 1 && n <= 6 ? static_cast<std::size_t>(pad[n - 1]) : 1, ' ');
  const int code = c.Command;
  const int index = c.Index;
  if (code == brf::EndCode) return line + "<end marker>";
  if (code == brfcode::PageBreak) return line + std::string(60, '=');
  if (code == brfcode::ClearBoxes) return line + "xxxx [  ]";
  if (code >= brfcode::FirstBox && code < brfcode::FirstBox + 8)
    return line + " [ " + std::to_string(code - 8) + " ]        Icon#" + std::to_string(index);
  if (code == brfcode::ClearTags) return line + "xxxx  ^";
  if (code >= brfcode::FirstTag && code < brfcode::FirstTag + 8)
    return line + " ^" + std::to_string(code - 17) + quoted(stringAt(ctx.tags, index), 255) +
           "    at    " + at(c.X, c.Y) + "     Color: " + colourName(c.Color);
  if (code == brfcode::TitleText)
    return line + commandName(c.Command) + "   " + quoted(stringAt(ctx.texts, index), 40);
  if (code == brfcode::Text)
    return line + commandName(c.Command) + "   " + quoted(stringAt(ctx.texts, index), 55);
  if (code == brfcode::MoveMap) return line + commandName(c.Command) + "        " + at(c.X, c.Y);
  if (code == brfcode::ZoomMap)
    return line + commandName(c.Command) + "        X: " + std::to_string(c.X) +
           ",   Y: " + std::to_string(c.Y);
  if (code == brfcode::NewIcon)
    return line + " +  #" + std::to_string(index) + ":    " +
           nameIn(vocab::craftTypes(), c.CraftType) + "     IFF: " + nameIn(vocab::iffs(), c.Color);
  if (code == brfcode::ShipData)
    return line + " i_" + (index == 1 ? "ON" : "OFF") + " for Icon #" + std::to_string(c.InfoIcon);
  if (code == brfcode::MoveIcon)
    return line + "<-> #" + std::to_string(index) + "   to    " + at(c.X, c.Y);
  if (code == brfcode::RotateIcon)
    return line + " @  #" + std::to_string(index) + "   by   " + rotationName(c.Rotation);
  if (code == brfcode::ChangeRegion)
    return line + " ~~~~~~~~   Region#" + std::to_string(index) + ": \"" +
           (index < 4 ? ctx.regionNames[static_cast<std::size_t>(index)] : std::string()) +
           "\"  ~~~~~~~~~~~~";
  return line + commandName(c.Command);
}

} // namespace zephlo
