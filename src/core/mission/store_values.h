// Small conversions shared by the field edits: which records a control
// writes into, and how a control's value becomes a stored byte.
#pragma once

#include "core/mission/bytes.h"
#include "core/mission/document.h"

#include <optional>
#include <string_view>
#include <vector>

namespace zephlo {

// The flight groups (messages) a control writes into: the selected lines,
// or the current line when nothing is selected.
std::vector<int> fgSelection(const EditorState& st);
std::vector<int> msgSelection(const EditorState& st);

// A multi-choice list over several records: the rows the designer has
// chosen, and the rows the list showed chosen before (those every record
// held). A record keeps what it held of the rows shown unchosen, since
// those differed between the records, and loses the rows unchosen since.
// Sorted, without repeats.
std::vector<int> chosenRows(const std::vector<int>& own, const std::vector<int>& chosen,
                            const std::vector<int>& shown);

// The number an edit box holds: nothing while it is empty, a lone sign or
// not a number at all, so a half-typed value is never stored.
std::optional<int> parseNumber(std::string_view text);

// Values outside a byte field's range are held at its ends rather than
// wrapped, so 256 never turns into 0.
Byte clampByte(int value);
// A signed byte field, -128 to 127, stored as its two's-complement byte.
Byte clampSignedByte(int value);
int signedByte(Byte b);

// Points are stored divided by 25 in a signed byte.
Byte pointsToByte(int points);
int pointsFromByte(Byte b);

} // namespace zephlo
