// The mission header dialog's values: read when the dialog opens, stored as
// one edit when it closes with OK.
#pragma once

#include "core/mission/document.h"
#include "core/mission/edit.h"
#include "core/mission/result.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zephlo {

inline constexpr int kHeaderStringTable72 = 72;
inline constexpr int kHeaderStringTable16 = 16;

struct HeaderValues {
  Byte missionType = 0;
  Byte unknown1 = 0, unknown2 = 0; // tick boxes; other values than 0/1 are kept as read
  std::array<std::string, kRegionCount> regionNames;
  std::array<std::string, 4> headerStrings;
  std::array<Byte, 4> time{};
  Byte mothership1 = 0, mothership2 = 0;
  std::array<Byte, 2> unknowns{}; // header 9136, 9137
  Byte unknown = 0;               // header 9139
  std::array<Byte, 4> use{};      // flags of the optional-value sections
  std::array<Byte, 4> values{};   // their value bytes
  std::array<std::string, kHeaderStringTable72> strings72;
  std::array<std::string, kHeaderStringTable16> strings16; // first 64 characters of each entry

  bool operator==(const HeaderValues&) const = default;
};

// The items of both "Mothership-Briefing?" lists (the mission types are
// vocab::missionTypes()); trailing blanks belong to the items.
const std::vector<std::string>& mothershipBriefingItems();

// The values as the dialog shows them; texts without surrounding blanks.
HeaderValues headerValues(const Document& doc);

// Stores the values ("Change Mission Header"). Only fields whose shown value
// changed are written, so an OK without edits changes no byte; texts are cut
// to their field and NUL-padded.
Operation changeHeaderOperation(HeaderValues values);

// The three single bytes of a 16-entry table row that the dialog writes at
// once: tag 5, 9 or 12 selects entry byte 63 + tag (68, 72, 75).
Byte headerTableByte(const Document& doc, int row, int tag);
Operation headerTableByteOperation(int row, int tag, Byte value);

// A tick box over a byte: the byte read stays, whatever its value, unless
// the tick was changed; then ticked stores 1 and unticked 0.
Byte tickedByte(Byte read, bool ticked);
// A drop-down over a byte: a box showing no item (the byte lies outside its
// list) keeps the byte read.
Byte chosenByte(Byte read, int item);

// A number typed into one of the dialog's edits as a byte; an error naming
// the field when it is not a whole number from 0 to 255.
Result<Byte> byteFromText(std::string_view text, const std::string& field);

} // namespace zephlo
