#include "core/mission/reader.h"

#include "core/mission/input_file.h"
#include "core/mission/layout.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace zephlo {

namespace {

// Thrown inside the parser when the file holds less than a section needs.
struct Damage {
  std::string what;
  std::string section;
  std::size_t offset = 0;
};

// Reads the file front to back, either from bytes in memory or from an open
// file through a small buffer, so a large mission is never held twice.
class Cursor {
public:
  explicit Cursor(std::span<const Byte> data)
      : buf_(data.data()), end_(data.size()), total_(data.size()) {}
  Cursor(std::FILE* f, std::size_t size)
      : file_(f), storage_(new Byte[kChunk]), buf_(storage_.get()), total_(size) {}

  std::size_t position() const { return consumed_; }
  std::size_t remaining() const { return total_ > consumed_ ? total_ - consumed_ : 0; }

  // Names the section being read; the text is only built for a message.
  void section(const char* what, std::size_t number = 0, std::size_t count = 0) {
    what_ = what;
    number_ = number;
    count_ = count;
  }

  const Byte* take(std::size_t n) {
    if (end_ - pos_ < n) refill(n);
    const Byte* p = buf_ + pos_;
    pos_ += n;
    consumed_ += n;
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
                       std::to_string(consumed_),
                   "the header", consumed_};
    }
  }

  std::string countedString() {
    const std::size_t len = u16();
    if (len > remaining()) fail(len);
    const Byte* p = take(len);
    if (len == 1 && p[0] == 0) return {};
    return std::string(reinterpret_cast<const char*>(p), len);
  }

  void goalString(GoalString& s) {
    s[0] = u8();
    if (s[0] != 0)
      into(s.data() + 1, s.size() - 1);
    else
      std::memset(s.data() + 1, 0, s.size() - 1);
  }

  // Everything after the last section, however much there is.
  std::vector<Byte> rest() {
    std::vector<Byte> out(buf_ + pos_, buf_ + end_);
    consumed_ += end_ - pos_;
    pos_ = end_;
    if (file_) {
      // Only up to the size the file had when it was opened: a file that
      // keeps growing must not grow the document with it.
      Byte chunk[4096];
      while (remaining() > 0) {
        const std::size_t got = std::fread(chunk, 1, std::min(sizeof chunk, remaining()), file_);
        if (got == 0) break;
        out.insert(out.end(), chunk, chunk + got);
        consumed_ += got;
      }
      if (std::ferror(file_)) readError();
    }
    return out;
  }

private:
  static constexpr std::size_t kChunk = 256 * 1024; // larger than any one section

  void refill(std::size_t n) {
    if (file_ && n <= kChunk) {
      const std::size_t left = end_ - pos_;
      std::memmove(storage_.get(), buf_ + pos_, left);
      pos_ = 0;
      end_ = left + std::fread(storage_.get() + left, 1, kChunk - left, file_);
      if (std::ferror(file_)) readError();
    }
    if (end_ - pos_ < n) fail(n);
  }

  [[noreturn]] void fail(std::size_t needed) const {
    const std::size_t left = end_ - pos_;
    throw Damage{"it ends in the middle of " + sectionName() + " (" + std::to_string(needed) +
                     " bytes needed at byte offset " + std::to_string(consumed_) + ", " +
                     std::to_string(left) + " left)",
                 sectionName(), consumed_};
  }
  [[noreturn]] void readError() const {
    throw Damage{"it could not be read past byte offset " + std::to_string(consumed_) + " (" +
                     std::strerror(errno) + ")",
                 sectionName(), consumed_};
  }

  std::string sectionName() const {
    std::string s = what_;
    if (number_ > 0) s += " " + std::to_string(number_);
    if (count_ > 0) s += " of " + std::to_string(count_);
    return s;
  }

  std::FILE* file_ = nullptr;
  std::unique_ptr<Byte[]> storage_;
  const Byte* buf_ = nullptr;
  std::size_t pos_ = 0;      // next byte in the buffer
  std::size_t end_ = 0;      // bytes held in the buffer
  std::size_t consumed_ = 0; // bytes taken from the whole file
  std::size_t total_ = 0;    // size of the file as it started
  const char* what_ = "";
  std::size_t number_ = 0, count_ = 0;
};

void parseXwa(Cursor& in, std::uint16_t platform, bool autolink, Document& d) {
  // Only the low byte names the format; the word is kept whole so that a
  // save gives back the bytes that were read.
  d.platform = platform;

  in.section("the header");
  in.into(d.header);

  const std::size_t numFGs = d.numFGsField();
  in.checkCount(numFGs, size::flightGroup, "flight groups");
  d.flightGroups.reserve(numFGs);
  for (std::size_t i = 0; i < numFGs; ++i) {
    in.section("flight group", i + 1, numFGs);
    FGObject& f = d.flightGroups.emplace_back(in.take(size::flightGroup));
    f.autolink = autolink;
  }
  buildTeamIffTable(d);

  const std::size_t numMsgs = d.numMessagesField();
  in.checkCount(numMsgs, size::message, "messages");
  d.messages.resize(numMsgs);
  for (std::size_t i = 0; i < numMsgs; ++i) {
    in.section("message", i + 1, numMsgs);
    MsgObject& m = d.messages[i];
    in.into(m.record);
    m.listPosition = static_cast<std::uint32_t>(i);
    m.computeSentToAny();
  }

  for (int t = 0; t < kTeamCount; ++t) {
    in.section("the global goals of team", static_cast<std::size_t>(t + 1));
    in.into(d.globalGoals[t].record);
  }
  for (int t = 0; t < kTeamCount; ++t) {
    in.section("team", static_cast<std::size_t>(t + 1));
    in.into(d.teams[t].record);
  }

  in.section("the briefing block");
  in.into(d.briefing.block);
  for (int i = 0; i < size::briefingStrings; ++i) {
    in.section("briefing tag string", static_cast<std::size_t>(i + 1));
    d.briefing.tags[i] = in.countedString();
  }
  for (int i = 0; i < size::briefingStrings; ++i) {
    in.section("briefing text string", static_cast<std::size_t>(i + 1));
    d.briefing.texts[i] = in.countedString();
  }

  in.section("reserved block A");
  in.into(d.reservedA);
  for (int s = 0; s < 4; ++s) {
    in.section("optional-value section", static_cast<std::size_t>(s + 1));
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
    in.section("the goal strings of flight group", i + 1);
    for (GoalString& s : d.flightGroups[i].goalStrings)
      in.goalString(s);
  }
  for (int t = 0; t < kTeamCount; ++t) {
    in.section("the global-goal strings of team", static_cast<std::size_t>(t + 1));
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

  d.trailing = in.rest();
}

Result<Document> parseFrom(Cursor& in, const std::string& name, bool autolink) {
  try {
    in.section("the platform word");
    const std::uint16_t platform = in.u16();
    const auto kind = static_cast<std::int8_t>(platform & 0xFF);
    switch (kind) {
    case 18: break;
    case -1: return makeError(ErrorKind::ForeignFormat, "Cannot import TIE Fighter files.");
    case 2: return makeError(ErrorKind::ForeignFormat, "Cannot import X-Wing files.");
    case 12:
      return makeError(ErrorKind::ForeignFormat, "Cannot import X-Wing vs. TIE Fighter files.");
    case 14: return makeError(ErrorKind::ForeignFormat, "Cannot import Balance of Power files.");
    default: return makeError(ErrorKind::Unrecognized, "Unrecognized file type");
    }
    Result<Document> doc{Document{}};
    parseXwa(in, platform, autolink, *doc);
    doc->fileName = name;
    return doc;
  } catch (const Damage& d) {
    Error e = makeError(ErrorKind::Damaged, name + " is damaged: " + d.what + ".");
    e.section = d.section;
    e.offset = d.offset;
    return e;
  } catch (const std::bad_alloc&) {
    return makeError(ErrorKind::TooLarge, name + " is too large to open.");
  }
}

} // namespace

SizeLimit missionSizeLimit() { return {size::maxFile, "any mission can"}; }

std::optional<Error> refusedByPlatform(std::span<const Byte> first) {
  Result<Document> r = parseMission(first.first(std::min<std::size_t>(first.size(), 2)), "", false);
  if (!r &&
      (r.error().kind == ErrorKind::ForeignFormat || r.error().kind == ErrorKind::Unrecognized))
    return r.error();
  return std::nullopt;
}

Result<Document> parseMission(std::span<const Byte> bytes, const std::string& name, bool autolink) {
  Cursor in(bytes);
  return parseFrom(in, name, autolink);
}

Result<Document> readMission(const std::string& path, bool autolink) {
  std::size_t size = 0;
  Result<FileHandle> f = openRegularFile(path, missionSizeLimit(), size);
  if (!f) return f.error();
  std::setvbuf(f->get(), nullptr, _IONBF, 0); // the cursor does its own buffering
  Cursor in(f->get(), size);
  return parseFrom(in, path, autolink);
}

Result<Document> readMissionInput(const std::string& path, bool autolink) {
  if (path != "-") return readMission(path, autolink);
  const Result<std::vector<Byte>> bytes =
      readWholeInput(path, missionSizeLimit(), refusedByPlatform);
  if (!bytes) return bytes.error();
  return parseMission(*bytes, inputName(path), autolink);
}

} // namespace zephlo
