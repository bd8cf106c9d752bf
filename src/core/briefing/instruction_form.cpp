#include "core/briefing/instruction_form.h"

#include "core/briefing/instruction_lines.h"
#include "core/gamedata/vocabularies.h"
#include "core/mission/layout.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace zephlo {

namespace {

constexpr ZoomPreset kZoomPresets[] = {
    {1, "-----"},
    {16, "16   -   36 km  across"},
    {24, "24   -   24 km  across"},
    {32, "32   -   18 km  across (default)"},
    {48, "48   -   12 km  across"},
    {64, "64   -   9 km  across"},
    {80, "80   -   7 km  across"},
    {100, "100 -   6 km  across"},
    {168, "168 -   3 km  across"},
};

constexpr TimeIncrement kIncrements[] = {
    {"1/25", 1}, {"1/4", 6}, {"1/2", 12}, {"1", 25}, {"5", 125}};

std::vector<std::string> numbered(const std::array<std::string, 128>& strings) {
  std::vector<std::string> out;
  out.reserve(strings.size());
  for (std::size_t i = 0; i < strings.size(); ++i)
    out.push_back(std::to_string(i) + ": " + strings[i]);
  return out;
}

std::vector<std::string> icons(const Document& d, int value) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < d.flightGroups.size(); ++i)
    out.push_back(i == 0 ? "0" : d.flightGroups[i].name());
  while (static_cast<int>(out.size()) <= value)
    out.push_back(std::to_string(out.size()));
  return out;
}

std::optional<int> wholeNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (end != text.c_str() + text.size() || errno == ERANGE) return std::nullopt;
  return static_cast<int>(std::clamp<long>(v, -2147483647L, 2147483647L));
}

std::string trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

FieldView choiceView(const TCommandObject& c, ParamControl control, const Document& d) {
  FieldView v;
  const Parameter* p = paramOf(c.Command, control);
  if (!p) return v;
  v.shown = true;
  v.value = paramValue(c, p->field);
  v.choices = paramChoices(p->kind, d, v.value);
  return v;
}

FieldView textView(const TCommandObject& c, ParamControl control) {
  FieldView v;
  const Parameter* p = paramOf(c.Command, control);
  if (!p) return v;
  v.shown = true;
  v.value = paramValue(c, p->field);
  v.text = p->show() == ParamShow::Whole ? std::to_string(v.value) : briefingKmText(v.value);
  return v;
}

} // namespace

std::array<std::string, 4> briefingRegionNames(const Document& d) {
  std::array<std::string, 4> names;
  for (std::size_t r = 0; r < names.size(); ++r)
    names[r] = getText(d.header, hdr::RegionNames + r * hdr::RegionNameSize, hdr::RegionNameSize);
  return names;
}

std::vector<std::string> paramChoices(ParamKind kind, const Document& d, int value) {
  switch (kind) {
  case ParamKind::TextNumber: return numbered(d.briefing.texts);
  case ParamKind::TagNumber: return numbered(d.briefing.tags);
  case ParamKind::IconNumber: return icons(d, value);
  case ParamKind::TagColour: return {"Green", "Red", "Yellow", "Blue", "Purple", "Black"};
  case ParamKind::CraftType: return vocab::craftTypes();
  case ParamKind::Iff: return vocab::iffs();
  case ParamKind::OnOff: return {"Off", "On"};
  case ParamKind::Rotation:
    return {"0 degrees", "270 degrees", "180 degrees", "90 degrees", "Mirror"};
  case ParamKind::Region: {
    const auto names = briefingRegionNames(d);
    return {names.begin(), names.end()};
  }
  case ParamKind::MapX:
  case ParamKind::MapY:
  case ParamKind::Zoom: break;
  }
  return {};
}

std::span<const ZoomPreset> zoomPresets() { return kZoomPresets; }

int zoomPresetOf(int zoom) {
  for (std::size_t i = 1; i < std::size(kZoomPresets); ++i)
    if (kZoomPresets[i].zoom == zoom) return static_cast<int>(i);
  return 0;
}

std::span<const TimeIncrement> timeIncrements() { return kIncrements; }

InstructionFormView instructionForm(const InstructionList& list, int position, const Document& d) {
  InstructionFormView v;
  if (list.empty()) return v;
  position = std::clamp(position, 0, static_cast<int>(list.size()) - 1);
  const TCommandObject& c = list[static_cast<std::size_t>(position)];
  const InstructionSchema& schema = instructionSchema(c.Command);
  v.numberLabel = "Instruction #" + std::to_string(position + 1);
  v.time = instructionTime(c);
  v.timeLabel = "Time (" + tickSecondsText(v.time) + " sec)";
  v.code = c.Command;
  v.endMarker = isEndMarker(c);
  v.indexLabel = schema.indexLabel;
  v.colourLabel = schema.colourLabel;
  v.xLabel = schema.xLabel;
  v.index = choiceView(c, ParamControl::IndexBox, d);
  v.colour = choiceView(c, ParamControl::ColourBox, d);
  v.craft = choiceView(c, ParamControl::CraftBox, d);
  v.x = textView(c, ParamControl::XField);
  v.y = textView(c, ParamControl::YField);
  v.zoomPresets = schema.zoomPresets;
  v.zoomPreset = zoomPresetOf(c.X);
  v.indexLabelOn = v.index.shown || v.zoomPresets;
  return v;
}

std::optional<TCommandObject> withChoice(TCommandObject c, ParamControl control, int item) {
  const Parameter* p = paramOf(c.Command, control);
  if (!p || item < p->lo || item > p->hi) return std::nullopt;
  setParamWord(c, p->field, static_cast<std::uint16_t>(item));
  return c;
}

std::optional<TCommandObject> withText(TCommandObject c, ParamControl control,
                                       const std::string& text) {
  const Parameter* p = paramOf(c.Command, control);
  if (!p || p->show() == ParamShow::Choice) return std::nullopt;
  const std::string t = trimmed(text);
  std::optional<int> v;
  if (p->show() == ParamShow::Whole) {
    if (auto n = wholeNumber(t)) v = std::clamp(*n, p->lo, p->hi);
  } else if (auto units = briefingKmField(t); units && *units >= p->lo && *units <= p->hi) {
    v = units;
  }
  if (!v) return std::nullopt;
  const auto word = static_cast<std::uint16_t>(*v);
  setParamWord(c, p->field, word);
  for (const Parameter& follower : instructionSchema(c.Command).params)
    if (follower.control == ParamControl::SameAsX && control == ParamControl::XField)
      setParamWord(c, follower.field, word);
  return c;
}

TCommandObject withZoomPreset(TCommandObject c, int preset) {
  if (preset < 0 || preset >= static_cast<int>(std::size(kZoomPresets))) return c;
  c.X = c.Y = static_cast<std::int16_t>(kZoomPresets[preset].zoom);
  return c;
}

std::string controlTitle(std::uint16_t code, ParamControl control) {
  const Parameter* p = paramOf(code, control);
  if (!p) return "Instruction";
  switch (p->kind) {
  case ParamKind::TextNumber: return "Text";
  case ParamKind::TagNumber: return "Map Tag";
  case ParamKind::IconNumber: return "Icon";
  case ParamKind::MapX: return "X";
  case ParamKind::MapY: return "Y";
  case ParamKind::Zoom: return "Zoom";
  case ParamKind::TagColour: return "Color";
  case ParamKind::CraftType: return "Craft";
  case ParamKind::Iff: return "IFF";
  case ParamKind::OnOff: return "Info";
  case ParamKind::Rotation: return "Rotation";
  case ParamKind::Region: return "Region";
  }
  return "Instruction";
}

} // namespace zephlo
