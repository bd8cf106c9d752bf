// The fields of the selected instruction on the briefing editor's
// "Instruction List" page: what each control shows for an instruction, read
// from the instruction schema, and the instruction a control's new value
// makes. The page only fills its controls from here and applies the result.
#pragma once

#include "core/briefing/instruction_list.h"
#include "core/briefing/instruction_schema.h"
#include "core/mission/document.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zephlo {

// The mission's four region names, as the header holds them.
std::array<std::string, 4> briefingRegionNames(const Document& d);

// The items a choice parameter offers, value k at item k. Icons are the
// flight groups by name with entry 0 shown as "0", and run on as numbers up
// to `value`, so a stored number beyond the flight groups still shows.
std::vector<std::string> paramChoices(ParamKind kind, const Document& d, int value = 0);

// The zoom presets of "Zoom Map to", in box order.
struct ZoomPreset {
  int zoom;
  const char* text;
};
std::span<const ZoomPreset> zoomPresets();
// The preset showing a zoom; 0 ("-----") when none matches.
int zoomPresetOf(int zoom);

// "Time Adjust Increment (sec)": the captions and their steps in ticks.
struct TimeIncrement {
  const char* caption;
  int ticks;
};
std::span<const TimeIncrement> timeIncrements();

// One control of the fields as it shows an instruction.
struct FieldView {
  bool shown = false;
  std::vector<std::string> choices; // a choice's items
  int value = 0;                    // a choice's item
  std::string text;                 // a typed field's text
};

struct InstructionFormView {
  std::string numberLabel; // "Instruction #3"
  std::string timeLabel;   // "Time (1.5 sec)"
  int time = 0;
  int code = 0;
  bool endMarker = false; // its time and code cannot be edited
  std::string indexLabel, colourLabel, xLabel;
  // A hidden field's label stays, greyed.
  bool indexLabelOn = false;
  FieldView index, colour, x, y, craft;
  bool zoomPresets = false;
  int zoomPreset = 0;
};
InstructionFormView instructionForm(const InstructionList& list, int position, const Document& d);

// The instruction with a new value in a choice control (index, colour or
// craft box); nothing when the code has no parameter there.
std::optional<TCommandObject> withChoice(TCommandObject c, ParamControl control, int item);
// The instruction with a typed value (X or Y field): kilometres for a
// position, a whole number for a zoom (Y follows X). Nothing when the text
// is no such value, so the field shows the stored one again.
std::optional<TCommandObject> withText(TCommandObject c, ParamControl control,
                                       const std::string& text);
TCommandObject withZoomPreset(TCommandObject c, int preset);

// What a control edits, for the name of its undo step ("Icon", "X" ...).
std::string controlTitle(std::uint16_t code, ParamControl control);

} // namespace zephlo
