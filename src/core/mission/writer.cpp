#include "core/mission/writer.h"

#include "core/mission/safe_write.h"

namespace zephlo {

namespace {

class Out {
public:
  explicit Out(std::vector<Byte>& v) : v_(v) {}
  void bytes(const Byte* p, std::size_t n) { v_.insert(v_.end(), p, p + n); }
  template <std::size_t N> void block(const Block<N>& b) { bytes(b.data(), N); }
  void u8(Byte b) { v_.push_back(b); }
  void u16(std::uint16_t w) {
    u8(static_cast<Byte>(w & 0xFF));
    u8(static_cast<Byte>(w >> 8));
  }
  // The length is one word: a longer text is cut so the layout stays sound.
  void countedString(const std::string& s) {
    const std::size_t n = s.size() < 0xFFFF ? s.size() : 0xFFFF;
    u16(static_cast<std::uint16_t>(n));
    bytes(reinterpret_cast<const Byte*>(s.data()), n);
  }
  // The short form: an empty text is its NUL alone.
  void goalString(const GoalString& s) {
    if (s[0] == 0)
      u8(0);
    else
      block(s);
  }

private:
  std::vector<Byte>& v_;
};

std::size_t estimatedSize(const Document& d) {
  return 200000 + d.flightGroups.size() * (size::flightGroup + 24 * 64) +
         d.messages.size() * size::message + d.trailing.size();
}

// name: the file the bytes are for, named in the refusals.
Result<std::vector<Byte>> serialize(const Document& d, const std::string& name) {
  if (d.flightGroups.size() > size::maxRecords || d.messages.size() > size::maxRecords) {
    return makeError(ErrorKind::Refused,
                     "Cannot save " + name + ": it holds more than " +
                         std::to_string(size::maxRecords) +
                         " flight groups or messages, more than a mission file can count.");
  }
  Block<size::header> header = d.header;
  setU16(header, hdr::NumFGs, static_cast<std::uint16_t>(d.flightGroups.size()));
  setU16(header, hdr::NumMessages, static_cast<std::uint16_t>(d.messages.size()));

  std::vector<Byte> v;
  v.reserve(estimatedSize(d));
  Out out(v);
  out.u16(d.platform);
  out.block(header);
  for (const FGObject& f : d.flightGroups)
    out.block(f.recordForFile());
  for (const MsgObject& m : d.messages)
    out.block(m.record);
  for (const GGObject& g : d.globalGoals)
    out.block(g.record);
  for (const TeamDetailObject& t : d.teams)
    out.block(t.record);

  out.block(d.briefing.block);
  for (const std::string& s : d.briefing.tags)
    out.countedString(s);
  for (const std::string& s : d.briefing.texts)
    out.countedString(s);

  out.block(d.reservedA);
  for (int s = 0; s < 4; ++s) {
    const OptionalSection& o = d.optional[s];
    out.u8(o.flag);
    out.u8(o.second);
    if (o.hasValue()) out.u8(o.value);
    out.bytes(o.data.data(), size::optionalData[s]);
  }
  out.block(d.notes);
  out.block(d.reservedB);
  out.block(d.reservedC);

  for (const FGObject& f : d.flightGroups) {
    for (const GoalString& s : f.goalStrings)
      out.goalString(s);
  }
  for (const GGStrObject& g : d.globalGoalStrings) {
    for (const GoalString& s : g.strings)
      out.goalString(s);
  }

  out.block(d.reservedD);
  for (const ReservedString& r : d.reservedStrings) {
    out.u8(r.flag);
    if (r.flag != 0) out.block(r.body);
  }
  out.block(d.reservedE);
  out.block(d.winDebrief);
  out.block(d.hints);
  out.block(d.description);
  out.bytes(d.trailing.data(), d.trailing.size());
  if (v.size() > size::maxFile) {
    return makeError(ErrorKind::Refused, "Cannot save " + name + ": it would take " +
                                             std::to_string(v.size()) +
                                             " bytes, more than can be opened again (" +
                                             std::to_string(size::maxFile) + ").");
  }
  return v;
}

} // namespace

Result<std::vector<Byte>> serializeMission(const Document& doc, const std::string& name) {
  if (!name.empty()) return serialize(doc, name);
  return serialize(doc, doc.fileName.empty() ? std::string("the mission") : doc.fileName);
}

Status writeMission(const Document& doc, const std::string& path, const WriteOptions& options) {
  Result<std::vector<Byte>> bytes = serialize(doc, path);
  if (!bytes) return bytes.error();
  return writeFileSafely(path, *bytes, options);
}

} // namespace zephlo
