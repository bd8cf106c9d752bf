#include "core/mission/header_edits.h"

#include "core/mission/store_values.h"

#include <charconv>

namespace zephlo {

namespace {

constexpr std::size_t kTable16EntryText = hdr::StringTable16TextSize;

std::size_t regionNameOffset(std::size_t r) { return hdr::RegionNames + r * hdr::RegionNameSize; }
std::size_t headerStringOffset(std::size_t r) {
  return hdr::HeaderStrings + r * hdr::HeaderStringSize;
}
std::size_t table72Offset(std::size_t r) {
  return hdr::StringTable72 + r * hdr::StringTable72Entry;
}
std::size_t table16Offset(std::size_t r) {
  return hdr::StringTable16 + r * hdr::StringTable16Entry;
}

std::string shownText(const Block<size::header>& h, std::size_t off, std::size_t width) {
  return trimmed(getText(h, off, width));
}

// Writes the text only when it differs from what the dialog showed, so the
// bytes behind an unchanged text's terminator survive.
void storeText(Edit& e, std::size_t off, std::size_t width, const std::string& text) {
  if (shownText(e.doc().header, off, width) != text) setText(e.header(), off, width, text);
}

void storeByte(Edit& e, std::size_t off, Byte value) {
  if (e.doc().header[off] != value) e.header()[off] = value;
}

Status checkTableByte(int row, int tag) {
  if (row < 0 || row >= kHeaderStringTable16 || (tag != 5 && tag != 9 && tag != 12))
    return makeError(ErrorKind::BadInput, "There is no header value " + std::to_string(tag) +
                                              " in row " + std::to_string(row + 1) + ".");
  return {};
}

std::size_t tableByteOffset(int row, int tag) {
  return table16Offset(static_cast<std::size_t>(row)) + 63 + static_cast<std::size_t>(tag);
}

} // namespace

const std::vector<std::string>& mothershipBriefingItems() {
  static const std::vector<std::string> items = [] {
    std::vector<std::string> l{"0",
                               "1",
                               "2",
                               "3",
                               "Defiance",
                               "Liberty",
                               "Independance",
                               "7",
                               "Phantom Squadron ",
                               "Vector Squadron",
                               "Rogue Squadron ",
                               "Family Transport"};
    for (int n = 12; n <= 20; ++n)
      l.push_back(std::to_string(n));
    return l;
  }();
  return items;
}

HeaderValues headerValues(const Document& doc) {
  const auto& h = doc.header;
  HeaderValues v;
  v.missionType = h[hdr::MissionType];
  v.unknown1 = h[hdr::UnknownFlag1];
  v.unknown2 = h[hdr::UnknownFlag2];
  for (std::size_t r = 0; r < v.regionNames.size(); ++r)
    v.regionNames[r] = shownText(h, regionNameOffset(r), hdr::RegionNameSize);
  for (std::size_t r = 0; r < v.headerStrings.size(); ++r)
    v.headerStrings[r] = shownText(h, headerStringOffset(r), hdr::HeaderStringSize);
  for (std::size_t k = 0; k < v.time.size(); ++k)
    v.time[k] = h[hdr::TimeValues + k];
  v.mothership1 = h[hdr::MothershipBriefing1];
  v.unknowns = {h[hdr::UnknownValues], h[hdr::UnknownValues + 1]};
  v.mothership2 = h[hdr::MothershipBriefing2];
  v.unknown = h[hdr::UnknownValue];
  for (std::size_t k = 0; k < 4; ++k) {
    v.use[k] = doc.optional[k].flag;
    v.values[k] = doc.optional[k].value;
  }
  for (std::size_t r = 0; r < v.strings72.size(); ++r)
    v.strings72[r] = shownText(h, table72Offset(r), hdr::StringTable72Entry);
  for (std::size_t r = 0; r < v.strings16.size(); ++r)
    v.strings16[r] = shownText(h, table16Offset(r), kTable16EntryText);
  return v;
}

Operation changeHeaderOperation(HeaderValues v) {
  return {"Change Mission Header", "", [v = std::move(v)](Edit& e) -> Status {
            storeByte(e, hdr::MissionType, v.missionType);
            storeByte(e, hdr::UnknownFlag1, v.unknown1);
            storeByte(e, hdr::UnknownFlag2, v.unknown2);
            for (std::size_t r = 0; r < v.regionNames.size(); ++r)
              storeText(e, regionNameOffset(r), hdr::RegionNameSize, v.regionNames[r]);
            for (std::size_t r = 0; r < v.headerStrings.size(); ++r)
              storeText(e, headerStringOffset(r), hdr::HeaderStringSize, v.headerStrings[r]);
            for (std::size_t k = 0; k < v.time.size(); ++k)
              storeByte(e, hdr::TimeValues + k, v.time[k]);
            storeByte(e, hdr::MothershipBriefing1, v.mothership1);
            storeByte(e, hdr::UnknownValues, v.unknowns[0]);
            storeByte(e, hdr::UnknownValues + 1, v.unknowns[1]);
            storeByte(e, hdr::MothershipBriefing2, v.mothership2);
            storeByte(e, hdr::UnknownValue, v.unknown);
            for (std::size_t r = 0; r < v.strings72.size(); ++r)
              storeText(e, table72Offset(r), hdr::StringTable72Entry, v.strings72[r]);
            for (std::size_t r = 0; r < v.strings16.size(); ++r)
              storeText(e, table16Offset(r), kTable16EntryText, v.strings16[r]);
            for (std::size_t k = 0; k < 4; ++k) {
              const OptionalSection& o = e.doc().optional[k];
              if (o.flag != v.use[k] || o.value != v.values[k]) {
                OptionalSection& w = e.optional(static_cast<int>(k));
                w.flag = v.use[k];
                w.value = v.values[k];
              }
            }
            return {};
          }};
}

Byte headerTableByte(const Document& doc, int row, int tag) {
  if (!checkTableByte(row, tag)) return 0;
  return doc.header[tableByteOffset(row, tag)];
}

Operation headerTableByteOperation(int row, int tag, Byte value) {
  return {"Change Mission Header",
          "HeaderTableByte:" + std::to_string(row) + ":" + std::to_string(tag),
          [row, tag, value](Edit& e) -> Status {
            if (Status s = checkTableByte(row, tag); !s) return s;
            storeByte(e, tableByteOffset(row, tag), value);
            return {};
          }};
}

Result<Byte> byteFromText(std::string_view text, const std::string& field) {
  const std::string t = trimmed(text);
  int value = -1;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size() || value < 0 || value > 255)
    return makeError(ErrorKind::BadInput,
                     field + " must be a whole number from 0 to 255, not \"" + t + "\".");
  return static_cast<Byte>(value);
}

Byte tickedByte(Byte read, bool ticked) {
  if (ticked == (read != 0)) return read;
  return ticked ? 1 : 0;
}

Byte chosenByte(Byte read, int item) { return item < 0 ? read : clampByte(item); }

} // namespace zephlo
