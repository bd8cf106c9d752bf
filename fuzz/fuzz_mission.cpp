#include "fuzz_mission.h"

#include "core/mission/layout.h"

#include <algorithm>

namespace zephlo::fuzz {

namespace {

constexpr std::size_t kFixedRecords =
    kTeamCount * size::globalGoal + kTeamCount * size::team + size::header;

// Copies n bytes from the input (zeros once it runs out).
void take(std::span<const Byte>& in, std::vector<Byte>& out, std::size_t n) {
  const std::size_t k = std::min(n, in.size());
  out.insert(out.end(), in.begin(), in.begin() + static_cast<std::ptrdiff_t>(k));
  out.insert(out.end(), n - k, 0);
  in = in.subspan(k);
}

void zeros(std::vector<Byte>& out, std::size_t n) { out.insert(out.end(), n, 0); }

} // namespace

Compact missionFromCompact(std::span<const Byte> in, std::size_t maxFlightGroups,
                           std::size_t maxMessages) {
  Compact c;
  if (in.size() >= 2) {
    c.flightGroups = in[0] % (maxFlightGroups + 1);
    c.messages = in[1] % (maxMessages + 1);
    in = in.subspan(2);
  }
  std::vector<Byte> records;
  take(in, records,
       c.flightGroups * size::flightGroup + c.messages * size::message + kFixedRecords);
  const std::size_t headerAt = records.size() - size::header;
  setU16(records.data() + headerAt + hdr::NumFGs, static_cast<std::uint16_t>(c.flightGroups));
  setU16(records.data() + headerAt + hdr::NumMessages, static_cast<std::uint16_t>(c.messages));

  std::vector<Byte>& f = c.file;
  f.push_back(kPlatformXwa);
  f.push_back(0);
  const auto copy = [&](std::size_t from, std::size_t n) {
    f.insert(f.end(), records.begin() + static_cast<std::ptrdiff_t>(from),
             records.begin() + static_cast<std::ptrdiff_t>(from + n));
  };
  copy(headerAt, size::header);
  copy(0, headerAt);
  take(in, f, size::briefing);
  zeros(f, 2 * 2 * size::briefingStrings + size::reservedA);
  for (std::size_t s = 0; s < 4; ++s)
    zeros(f, 2 + size::optionalData[s]); // no optional value
  zeros(f, size::textSection + size::reservedB + size::reservedC);
  // Every goal string in its short form.
  zeros(f, c.flightGroups * size::fgGoalStrings + kTeamCount * size::teamGoalStrings);
  zeros(f, size::reservedD + size::reservedStrings + size::reservedE + 3 * size::textSection);
  return c;
}

std::vector<Byte> compactFromMission(std::span<const Byte> file) {
  const std::size_t headerAt = size::platform;
  if (file.size() < headerAt + size::header) return {};
  const std::size_t fgs = getU16(file.data() + headerAt + hdr::NumFGs);
  const std::size_t msgs = getU16(file.data() + headerAt + hdr::NumMessages);
  const std::size_t records =
      fgs * size::flightGroup + msgs * size::message + kFixedRecords - size::header;
  if (fgs > 255 || msgs > 255 || file.size() < headerAt + size::header + records) return {};
  std::vector<Byte> out{static_cast<Byte>(fgs), static_cast<Byte>(msgs)};
  const auto at = file.begin() + static_cast<std::ptrdiff_t>(headerAt);
  out.insert(out.end(), at + static_cast<std::ptrdiff_t>(size::header),
             at + static_cast<std::ptrdiff_t>(size::header + records));
  out.insert(out.end(), at, at + static_cast<std::ptrdiff_t>(size::header));
  const auto briefing = at + static_cast<std::ptrdiff_t>(size::header + records);
  if (file.end() - briefing >= static_cast<std::ptrdiff_t>(size::briefing))
    out.insert(out.end(), briefing, briefing + static_cast<std::ptrdiff_t>(size::briefing));
  return out;
}

std::vector<Byte> expectedAfterSave(std::span<const Byte> file) {
  std::vector<Byte> out(file.begin(), file.end());
  std::size_t p = size::platform;
  const std::size_t fgs = getU16(out.data() + p + hdr::NumFGs);
  const std::size_t msgs = getU16(out.data() + p + hdr::NumMessages);
  p += size::header;
  for (std::size_t i = 0; i < fgs; ++i, p += size::flightGroup) {
    Byte* start = out.data() + p + fg::StartPoints;
    if (out[p + fg::CraftType] == kBackdrop && getU16(start) == 0 && getU16(start + 2) == 0 &&
        getU16(start + 4) == 0) {
      setU16(start + 4, 8);
    }
  }
  p += msgs * size::message + kTeamCount * (size::globalGoal + size::team) + size::briefing;
  for (int i = 0; i < 2 * size::briefingStrings; ++i) {
    const std::size_t len = getU16(out.data() + p);
    if (len == 1 && out[p + 2] == 0) {
      setU16(out.data() + p, 0);
      out.erase(out.begin() + static_cast<std::ptrdiff_t>(p + 2));
      p += 2;
    } else {
      p += 2 + len;
    }
  }
  return out;
}

} // namespace zephlo::fuzz
