// What each instruction code takes: its parameter words in stream order,
// the field of the decoded item each fills, what it means, the values that
// mean something, and the control of the instruction fields that edits it.
// The codec packs the words in this order, the JSON names them from here and
// the briefing editor lays its fields out from here.
#pragma once

#include "core/briefing/briefing_codec.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zephlo {

// The field of TCommandObject a parameter word fills.
enum class ParamField : std::uint8_t { Index, X, Y, Color, CraftType, InfoIcon, Rotation };

// What a parameter means; it decides how the value is shown and chosen.
enum class ParamKind : std::uint8_t {
  TextNumber, // a briefing text, 0..127
  TagNumber,  // a map tag string, 0..127
  IconNumber, // a flight group's index
  MapX,       // map units, shown in kilometres
  MapY,
  Zoom,      // pixels per 223 map units, a whole number
  TagColour, // "Green" .. "Black"
  CraftType,
  Iff,
  OnOff,    // ship information off or on
  Rotation, // "0 degrees", "270 degrees", "180 degrees", "90 degrees", "Mirror"
  Region,   // one of the four regions
};

// The control of the instruction fields that edits a parameter.
enum class ParamControl : std::uint8_t {
  IndexBox,
  ColourBox,
  XField,
  YField,
  CraftBox,
  SameAsX, // no control: it takes the X field's value (the zoom's Y)
};

// How a control shows its parameter.
enum class ParamShow : std::uint8_t { Choice, Kilometres, Whole };

struct Parameter {
  ParamField field;
  ParamKind kind;
  ParamControl control;
  // The values that mean something, which the controls offer. The stream
  // keeps any word: decoding, encoding and JSON never clamp to this.
  int lo = 0, hi = 0;

  bool isSigned() const { return lo < 0; }
  // The parameter's name in the mission's JSON.
  const char* name() const;
  ParamShow show() const;
};

struct InstructionSchema {
  std::vector<Parameter> params; // in stream order
  // The labels of the instruction fields for this code.
  std::string indexLabel, colourLabel, xLabel;
  bool zoomPresets = false; // the index box's place shows the zoom presets
};

// Any code; codes without parameters (and those above 34) take none.
const InstructionSchema& instructionSchema(std::uint16_t code);
// The parameter a control edits for a code, or null.
const Parameter* paramOf(std::uint16_t code, ParamControl control);

// A field's value: X and Y as the signed numbers they are, the rest as words.
int paramValue(const TCommandObject& c, ParamField field);
std::uint16_t paramWord(const TCommandObject& c, ParamField field);
void setParamWord(TCommandObject& c, ParamField field, std::uint16_t word);

} // namespace zephlo
