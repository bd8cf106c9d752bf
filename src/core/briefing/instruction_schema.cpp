#include "core/briefing/instruction_schema.h"

#include "core/gamedata/vocabularies.h"

#include <algorithm>
#include <array>

namespace zephlo {

namespace {

constexpr int kLastCode = brf::EndCode;

int lastOf(const vocab::List& list) { return static_cast<int>(list.size()) - 1; }

Parameter param(ParamField field, ParamKind kind, ParamControl control) {
  Parameter p{field, kind, control};
  switch (kind) {
  case ParamKind::TextNumber:
  case ParamKind::TagNumber: p.hi = 127; break;
  // An icon number is a flight group's index; the word holds any of them.
  case ParamKind::IconNumber: p.hi = 0xFFFF; break;
  case ParamKind::MapX:
  case ParamKind::MapY:
  case ParamKind::Zoom:
    p.lo = -32768;
    p.hi = 32767;
    break;
  case ParamKind::TagColour: p.hi = 5; break;
  case ParamKind::CraftType: p.hi = lastOf(vocab::craftTypes()); break;
  case ParamKind::Iff: p.hi = lastOf(vocab::iffs()); break;
  case ParamKind::OnOff: p.hi = 1; break;
  case ParamKind::Rotation: p.hi = 4; break;
  case ParamKind::Region: p.hi = 3; break;
  }
  return p;
}

using F = ParamField;
using K = ParamKind;
using C = ParamControl;

InstructionSchema schemaOf(std::uint16_t code) {
  InstructionSchema s;
  s.indexLabel = "                  Unused";
  s.colourLabel = "      Color:";
  s.xLabel = "      X:";
  const Parameter icon = param(F::Index, K::IconNumber, C::IndexBox);
  const Parameter x = param(F::X, K::MapX, C::XField);
  const Parameter y = param(F::Y, K::MapY, C::YField);
  if (code >= brfcode::FirstBox && code < brfcode::FirstBox + 8) {
    s.indexLabel = "                   Icon # to Box:";
    s.params = {icon};
  } else if (code >= brfcode::FirstTag && code < brfcode::FirstTag + 8) {
    s.indexLabel = "                   Map Tag:";
    // The colour comes last, after X and Y.
    s.params = {param(F::Index, K::TagNumber, C::IndexBox), x, y,
                param(F::Color, K::TagColour, C::ColourBox)};
  }
  switch (code) {
  case brfcode::TitleText:
    s.indexLabel = "  Title (won't show up in Briefing):";
    s.params = {param(F::Index, K::TextNumber, C::IndexBox)};
    break;
  case brfcode::Text:
    s.indexLabel = "             Text to show:";
    s.params = {param(F::Index, K::TextNumber, C::IndexBox)};
    break;
  case brfcode::MoveMap:
    s.indexLabel = "        Option: Center on Icon:";
    s.params = {x, y};
    break;
  case brfcode::ZoomMap:
    // Playback reads only X; Y is kept equal to it.
    s.indexLabel = "             Zoom 'presets':";
    s.xLabel = "Zoom:";
    s.zoomPresets = true;
    s.params = {param(F::X, K::Zoom, C::XField), param(F::Y, K::Zoom, C::SameAsX)};
    break;
  case brfcode::NewIcon:
    s.indexLabel = "            Icon # to Add:";
    s.colourLabel = "         IFF:";
    s.params = {icon, param(F::CraftType, K::CraftType, C::CraftBox),
                param(F::Color, K::Iff, C::ColourBox)};
    break;
  case brfcode::ShipData:
    // The on/off flag comes first; the icon box edits the second word.
    s.indexLabel = "          Ship info for Icon:";
    s.colourLabel = "      Info:";
    s.params = {param(F::Index, K::OnOff, C::ColourBox),
                param(F::InfoIcon, K::IconNumber, C::IndexBox)};
    break;
  case brfcode::MoveIcon:
    s.indexLabel = "           Icon # to move:";
    s.params = {icon, x, y};
    break;
  case brfcode::RotateIcon:
    s.indexLabel = "               Icon # to Rotate:";
    s.colourLabel = "Rotation:";
    s.params = {icon, param(F::Rotation, K::Rotation, C::ColourBox)};
    break;
  case brfcode::ChangeRegion:
    s.indexLabel = "               Region:";
    s.params = {param(F::Index, K::Region, C::IndexBox)};
    break;
  default: break;
  }
  return s;
}

} // namespace

const char* Parameter::name() const {
  switch (field) {
  case F::Index: return "index";
  case F::X: return "x";
  case F::Y: return "y";
  case F::Color: return "color";
  case F::CraftType: return "craftType";
  case F::InfoIcon: return "infoIcon";
  case F::Rotation: return "rotation";
  }
  return "";
}

ParamShow Parameter::show() const {
  if (kind == K::MapX || kind == K::MapY) return ParamShow::Kilometres;
  if (kind == K::Zoom) return ParamShow::Whole;
  return ParamShow::Choice;
}

const InstructionSchema& instructionSchema(std::uint16_t code) {
  static const std::array<InstructionSchema, kLastCode + 2> table = [] {
    std::array<InstructionSchema, kLastCode + 2> t;
    for (int c = 0; c <= kLastCode + 1; ++c)
      t[static_cast<std::size_t>(c)] = schemaOf(static_cast<std::uint16_t>(c));
    return t;
  }();
  // Every code above the end marker decodes with no parameters.
  return table[std::min<std::size_t>(code, kLastCode + 1)];
}

const Parameter* paramOf(std::uint16_t code, ParamControl control) {
  for (const Parameter& p : instructionSchema(code).params)
    if (p.control == control) return &p;
  return nullptr;
}

std::uint16_t paramWord(const TCommandObject& c, ParamField field) {
  switch (field) {
  case F::Index: return c.Index;
  case F::X: return static_cast<std::uint16_t>(c.X);
  case F::Y: return static_cast<std::uint16_t>(c.Y);
  case F::Color: return c.Color;
  case F::CraftType: return c.CraftType;
  case F::InfoIcon: return c.InfoIcon;
  case F::Rotation: return c.Rotation;
  }
  return 0;
}

int paramValue(const TCommandObject& c, ParamField field) {
  if (field == F::X) return c.X;
  if (field == F::Y) return c.Y;
  return paramWord(c, field);
}

void setParamWord(TCommandObject& c, ParamField field, std::uint16_t word) {
  switch (field) {
  case F::Index: c.Index = word; break;
  case F::X: c.X = static_cast<std::int16_t>(word); break;
  case F::Y: c.Y = static_cast<std::int16_t>(word); break;
  case F::Color: c.Color = word; break;
  case F::CraftType: c.CraftType = word; break;
  case F::InfoIcon: c.InfoIcon = word; break;
  case F::Rotation: c.Rotation = word; break;
  }
}

} // namespace zephlo
