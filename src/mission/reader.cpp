#include "mission/reader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace zephlo {

namespace {

// Thrown inside the parser when the file holds less than a section needs.
struct Damage {
  std::string what;
};

class Cursor {
public:
  explicit Cursor(std::span<const Byte> data) : data_(data) {}

  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return data_.size() - pos_; }

  void section(std::string name) { section_ = std::move(name); }

  const Byte* take(std::size_t n) {
    if (n > remaining()) {
      throw Damage{"it ends in the middle of " + section_ + " (" + std::to_string(n) +
                   " bytes needed at byte offset " + std::to_string(pos_) + ", " +
                   std::to_string(remaining()) + " left)"};
    }
    const Byte* p = data_.data() + pos_;
    pos_ += n;
    return p;
  }
  Byte u8() { return *take(1); }
  std::uint16_t u16() { return getU16(take(2)); }
  template <std::size_t N> void into(Block<N>& b) { std::memcpy(b.data(), take(N), N); }
  void into(Byte* dst, std::size_t n) { std::memcpy(dst, take(n), n); }

  // A count of fixed-size records must fit in what is left before anything
  // is allocated for it.
  void checkCount(std::size_t count, std::size_t recordSize, const std::string& what) {
    if (count * recordSize > remaining()) {
      throw Damage{"the header claims " + std::to_string(count) + " " + what + " (" +
                   std::to_string(count * recordSize) + " bytes) but only " +
                   std::to_string(remaining()) + " bytes follow at byte offset " +
                   std::to_string(pos_)};
    }
  }

  std::string countedString() {
    const std::size_t len = u16();
    const Byte* p = take(len);
    if (len == 1 && p[0] == 0) return {};
    return std::string(reinterpret_cast<const char*>(p), len);
  }

  void goalString(GoalString& s) {
    s.fill(0);
    s[0] = u8();
    if (s[0] != 0) into(s.data() + 1, s.size() - 1);
  }

private:
  std::span<const Byte> data_;
  std::size_t pos_ = 0;
  std::string section_;
};

std::unique_ptr<Document> parseXwa(Cursor& in, bool autolink) {
  auto doc = std::make_unique<Document>();
  Document& d = *doc;
  d.platform = kPlatformXwa;

  in.section("the header");
  in.into(d.header);

  const std::size_t numFGs = d.numFGsField();
  in.checkCount(numFGs, size::flightGroup, "flight groups");
  d.flightGroups.resize(numFGs);
  for (std::size_t i = 0; i < numFGs; ++i) {
    in.section("flight group " + std::to_string(i + 1) + " of " + std::to_string(numFGs));
    FGObject& f = d.flightGroups[i];
    in.into(f.record);
    f.autolink = autolink;
    f.loadStartPoints();
    f.computeRegionSet();
  }
  buildTeamIffTable(d);

  const std::size_t numMsgs = d.numMessagesField();
  in.checkCount(numMsgs, size::message, "messages");
  d.messages.resize(numMsgs);
  for (std::size_t i = 0; i < numMsgs; ++i) {
    in.section("message " + std::to_string(i + 1) + " of " + std::to_string(numMsgs));
    MsgObject& m = d.messages[i];
    in.into(m.record);
    m.listPosition = static_cast<std::uint32_t>(i);
    m.computeSentToAny();
  }

  for (int t = 0; t < kTeamCount; ++t) {
    in.section("the global goals of team " + std::to_string(t + 1));
    in.into(d.globalGoals[t].record);
  }
  for (int t = 0; t < kTeamCount; ++t) {
    in.section("team " + std::to_string(t + 1));
    in.into(d.teams[t].record);
  }

  in.section("the briefing block");
  in.into(d.briefing.block);
  for (int i = 0; i < size::briefingStrings; ++i) {
    in.section("briefing tag string " + std::to_string(i + 1));
    d.briefing.tags[i] = in.countedString();
  }
  for (int i = 0; i < size::briefingStrings; ++i) {
    in.section("briefing text string " + std::to_string(i + 1));
    d.briefing.texts[i] = in.countedString();
  }

  in.section("reserved block A");
  in.into(d.reservedA);
  for (int s = 0; s < 4; ++s) {
    in.section("optional-value section " + std::to_string(s + 1));
    OptionalSection& o = d.optional[s];
    o.flag = in.u8();
    o.second = in.u8();
    if (o.hasValue()) o.value = in.u8();
    in.into(o.data.data(), size::optionalData[s]);
  }
  in.section("the notes text");
  in.into(d.notes);
  in.section("reserved block B");
  in.into(d.reservedB);
  in.section("reserved block C");
  in.into(d.reservedC);

  for (std::size_t i = 0; i < d.flightGroups.size(); ++i) {
    in.section("the goal strings of flight group " + std::to_string(i + 1));
    for (GoalString& s : d.flightGroups[i].goalStrings)
      in.goalString(s);
  }
  for (int t = 0; t < kTeamCount; ++t) {
    in.section("the global-goal strings of team " + std::to_string(t + 1));
    for (GoalString& s : d.globalGoalStrings[t].strings)
      in.goalString(s);
  }

  in.section("reserved block D");
  in.into(d.reservedD);
  in.section("the reserved string table");
  for (ReservedString& r : d.reservedStrings) {
    r.flag = in.u8();
    if (r.flag != 0) in.into(r.body);
  }
  in.section("reserved block E");
  in.into(d.reservedE);
  in.section("the Win Debrief text");
  in.into(d.winDebrief);
  in.section("the Hints text");
  in.into(d.hints);
  in.section("the Description text");
  in.into(d.description);

  const std::size_t rest = in.remaining();
  const Byte* tail = in.take(rest);
  d.trailing.assign(tail, tail + rest);
  return doc;
}

ReadOutcome refused(ReadStatus s, std::string message, int noticeMs = 0) {
  ReadOutcome o;
  o.status = s;
  o.message = std::move(message);
  o.noticeMs = noticeMs;
  return o;
}

} // namespace

ReadOutcome parseMission(std::span<const Byte> bytes, const std::string& name, bool autolink) {
  Cursor in(bytes);
  try {
    in.section("the platform word");
    const auto kind = static_cast<std::int8_t>(in.u16() & 0xFF);
    switch (kind) {
    case 18: break;
    case -1: return refused(ReadStatus::TieFighter, "Cannot import TIE Fighter files.", 1500);
    case 2: return refused(ReadStatus::XWing, "Cannot import X-Wing files.", 1500);
    case 12:
      return refused(ReadStatus::Predecessor, "Cannot import X-Wing vs. TIE Fighter files.", 1500);
    case 14: return refused(ReadStatus::Predecessor, "Cannot import Balance of Power files.", 1500);
    default: return refused(ReadStatus::Unrecognized, "Unrecognized file type");
    }
    ReadOutcome ok;
    ok.document = parseXwa(in, autolink);
    ok.document->fileName = name;
    return ok;
  } catch (const Damage& d) {
    return refused(ReadStatus::Damaged, name + " is damaged: " + d.what + ".");
  } catch (const std::bad_alloc&) {
    return refused(ReadStatus::Damaged, name + " is too large to open.");
  }
}

ReadOutcome readMission(const std::string& path, bool autolink) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    return refused(ReadStatus::Missing, path + " does not exist.");
  }
  if (std::filesystem::is_directory(path, ec)) {
    return refused(ReadStatus::Unreadable, "Cannot read " + path + ": it is a folder.");
  }
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    return refused(ReadStatus::Unreadable,
                   "Cannot read " + path + ": " + std::strerror(errno) + ".");
  }
  const auto size = std::filesystem::file_size(path, ec);
  std::vector<Byte> bytes(ec ? 0 : static_cast<std::size_t>(size));
  std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
  bytes.resize(got);
  // The file may have grown since its size was taken: read what follows.
  Byte chunk[4096];
  while (!std::ferror(f) && (got = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  const bool failed = std::ferror(f) != 0;
  const int err = errno;
  std::fclose(f);
  if (failed) {
    return refused(ReadStatus::Unreadable, "Cannot read " + path + ": " + std::strerror(err) + ".");
  }
  return parseMission(bytes, path, autolink);
}

} // namespace zephlo
