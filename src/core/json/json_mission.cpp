#include "core/json/json_mission.h"

#include "core/briefing/briefing_codec.h"
#include "core/briefing/instruction_schema.h"
#include "core/check/texts.h"
#include "core/gamedata/vocabularies.h"
#include "core/json/json_fields.h"
#include "core/mission/layout.h"
#include "core/mission/reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <tuple>

namespace zephlo {

using namespace json;

namespace {

constexpr const char* kGoalStringNames[3] = {"incomplete", "success", "fail"};
constexpr const char* kGoalKinds[3] = {"primary", "prevent", "secondary"};
constexpr int kGoalEntries = 4; // entries of each global-goal kind
constexpr std::uint16_t kNewIconCode = 26;
// The readable names beside an instruction's numbers, ignored on import.
const std::vector<std::string> kInstructionNames = {"commandName", "craftTypeName", "colorName"};

// The file read front to back; the reader has already accepted it.
class In {
public:
  explicit In(std::span<const Byte> b) : b_(b) {}
  const Byte* take(std::size_t n) {
    if (b_.size() - pos_ < n) throw Refusal{"", "the file ends early"};
    const Byte* p = b_.data() + pos_;
    pos_ += n;
    return p;
  }
  Byte u8() { return *take(1); }
  std::uint16_t u16() { return getU16(take(2)); }
  std::span<const Byte> rest() { return b_.subspan(pos_); }

private:
  std::span<const Byte> b_;
  std::size_t pos_ = 0;
};

// The names the mission itself gives its numbers, as the editor shows them.
class DocumentNames : public MissionNames {
public:
  explicit DocumentNames(const Document& doc) : doc_(doc), lists_(buildMissionLists(doc)) {}
  std::optional<std::string> subject(int type, int variable) const override {
    return nonEmpty(subjectText(type, variable, lists_));
  }
  std::optional<std::string> team(int index) const override {
    if (index < 0 || index >= kTeamCount) return std::nullopt;
    return nonEmpty(trimmed(doc_.teams[static_cast<std::size_t>(index)].name()));
  }
  std::optional<std::string> flightGroup(int index) const override {
    if (index < 0 || static_cast<std::size_t>(index) >= lists_.fgNames.size()) return std::nullopt;
    return nonEmpty(lists_.fgNames[static_cast<std::size_t>(index)]);
  }

private:
  static std::optional<std::string> nonEmpty(const std::string& latin1) {
    if (latin1.empty()) return std::nullopt;
    return latin1ToUtf8(latin1);
  }
  const Document& doc_;
  MissionLists lists_;
};

// An instruction's name as the editor lists it, without the colon and
// blanks that lead to its parameters there.
std::string instructionName(std::uint16_t code) {
  std::string name = commandName(code);
  while (!name.empty() && (name.back() == ' ' || name.back() == ':'))
    name.pop_back();
  return name;
}

// A number's name from a list, or nothing past its end.
void addName(Json& item, const char* key, const vocab::List& list, std::size_t value) {
  if (value < list.size()) item[key] = list[value];
}

Json goalStringToJson(In& in) {
  const Byte* first = in.take(1);
  if (*first == 0) return "";
  in.take(size::goalString - 1);
  return textToJson(first, size::goalString);
}

Json goalStringTriples(In& in, int count) {
  Json a = Json::array();
  for (int i = 0; i < count; ++i) {
    Json t = Json::object();
    for (const char* n : kGoalStringNames)
      t[n] = goalStringToJson(in);
    a.push_back(std::move(t));
  }
  return a;
}

Json briefingToJson(In& in) {
  const Byte* b = in.take(size::briefing);
  auto word = [&](std::size_t off) { return getU16(b + off); };
  auto streamWord = [&](int k) { return word(brf::Stream + static_cast<std::size_t>(k - 1) * 2); };
  Json j = Json::object();
  j["runningTime"] = word(brf::RunningTime);
  j["spare1"] = word(brf::Spare1);
  j["spare2"] = word(brf::Spare2);
  // The length is the instructions' words; only a length past the stream's
  // room says more than they do.
  if (word(brf::StreamLength) > brf::StreamWords) j["streamLength"] = word(brf::StreamLength);
  j["spare3"] = word(brf::Spare3);

  const int used = std::min<int>(word(brf::StreamLength), brf::StreamWords);
  Json list = Json::array();
  int p = 1;
  while (p <= used) {
    static const std::vector<Parameter> none;
    const std::vector<Parameter>& params =
        p + 1 <= used ? instructionSchema(streamWord(p + 1)).params : none;
    if (p + 1 > used || p + 1 + static_cast<int>(params.size()) > used) {
      // An instruction cut short by the stream length: its words as they stand.
      Json words = Json::array();
      for (; p <= used; ++p)
        words.push_back(streamWord(p));
      list.push_back(Json{{"words", std::move(words)}});
      break;
    }
    Json item = Json::object();
    const std::uint16_t code = streamWord(p + 1);
    item["time"] = streamWord(p);
    item["command"] = code;
    item["commandName"] = instructionName(code);
    p += 2;
    for (const Parameter& prm : params) {
      const std::uint16_t w = streamWord(p++);
      item[prm.name()] = prm.isSigned() ? Json(static_cast<std::int16_t>(w)) : Json(w);
      if (std::string_view(prm.name()) == "craftType")
        addName(item, "craftTypeName", vocab::craftTypes(), w);
      // The colour of a new icon is its IFF.
      if (std::string_view(prm.name()) == "color" && code == kNewIconCode)
        addName(item, "colorName", vocab::iffs(), w);
    }
    list.push_back(std::move(item));
  }
  j["instructions"] = std::move(list);
  j["streamRest"] = toHex(b + brf::Stream + static_cast<std::size_t>(used) * 2,
                          static_cast<std::size_t>(brf::StreamWords - used) * 2, true);
  j["spareArea"] = toHex(b + brf::Unused, brf::TeamFlags - brf::Unused, true);
  Json flags = Json::array();
  for (int t = 0; t < kTeamCount; ++t)
    flags.push_back(b[brf::TeamFlags + static_cast<std::size_t>(t)]);
  j["teamFlags"] = std::move(flags);
  for (const char* list : {"tags", "texts"}) {
    Json a = Json::array();
    for (int i = 0; i < size::briefingStrings; ++i) {
      const std::size_t len = in.u16();
      const Byte* s = in.take(len);
      a.push_back(latin1ToUtf8(std::string_view(reinterpret_cast<const char*>(s), len)));
    }
    j[list] = std::move(a);
  }
  return j;
}

Json exportMission(std::span<const Byte> file, const MissionNames& names) {
  In in(file);
  Json j = Json::object();
  j["platform"] = in.u16();
  const Byte* header = in.take(size::header);
  j["header"] = recordToJson(header, headerTable(), &names);
  const std::size_t numFGs = getU16(header + hdr::NumFGs);
  const std::size_t numMsgs = getU16(header + hdr::NumMessages);

  Json fgs = Json::array();
  for (std::size_t i = 0; i < numFGs; ++i)
    fgs.push_back(recordToJson(in.take(size::flightGroup), flightGroupTable(), &names));
  Json msgs = Json::array();
  for (std::size_t i = 0; i < numMsgs; ++i)
    msgs.push_back(recordToJson(in.take(size::message), messageTable(), &names));
  Json goals = Json::array();
  for (int t = 0; t < kTeamCount; ++t)
    goals.push_back(recordToJson(in.take(size::globalGoal), globalGoalTable(), &names));
  Json teams = Json::array();
  for (int t = 0; t < kTeamCount; ++t)
    teams.push_back(recordToJson(in.take(size::team), teamTable(), &names));
  Json briefing = briefingToJson(in);

  const Byte* reservedA = in.take(size::reservedA);
  Json optional = Json::array();
  for (int s = 0; s < 4; ++s) {
    Json o = Json::object();
    const Byte flag = in.u8();
    o["flag"] = flag;
    o["second"] = in.u8();
    if (flag == 1) o["value"] = in.u8();
    o["data"] = toHex(in.take(size::optionalData[s]), size::optionalData[s], true);
    optional.push_back(std::move(o));
  }
  const Byte* notes = in.take(size::textSection);
  const Byte* reservedB = in.take(size::reservedB);
  const Byte* reservedC = in.take(size::reservedC);
  for (Json& f : fgs)
    f["goalStrings"] = goalStringTriples(in, kFGGoalCount);
  for (Json& g : goals) {
    Json kinds = Json::object();
    for (const char* kind : kGoalKinds)
      kinds[kind] = goalStringTriples(in, kGoalEntries);
    g["goalStrings"] = std::move(kinds);
  }
  const Byte* reservedD = in.take(size::reservedD);
  std::vector<std::string> reservedStrings;
  for (int i = 0; i < size::reservedStrings; ++i) {
    const Byte* entry = in.take(1);
    if (*entry != 0) in.take(size::reservedStringBody);
    reservedStrings.push_back(*entry == 0 ? "" : toHex(entry, 1 + size::reservedStringBody, true));
  }
  while (!reservedStrings.empty() && reservedStrings.back().empty())
    reservedStrings.pop_back();
  const Byte* reservedE = in.take(size::reservedE);
  const Byte* texts[3];
  for (const Byte*& t : texts)
    t = in.take(size::textSection);
  const std::span<const Byte> trailing = in.rest();

  // In the order of the file, each section under its own name.
  j["flightGroups"] = std::move(fgs);
  j["messages"] = std::move(msgs);
  j["globalGoals"] = std::move(goals);
  j["teams"] = std::move(teams);
  j["briefing"] = std::move(briefing);
  j["reservedA"] = toHex(reservedA, size::reservedA, true);
  j["optionalSections"] = std::move(optional);
  j["notes"] = textToJson(notes, size::textSection);
  j["reservedB"] = toHex(reservedB, size::reservedB, true);
  j["reservedC"] = toHex(reservedC, size::reservedC, true);
  j["reservedD"] = toHex(reservedD, size::reservedD, true);
  j["reservedStrings"] = reservedStrings;
  j["reservedE"] = toHex(reservedE, size::reservedE, true);
  j["winDebrief"] = textToJson(texts[0], size::textSection);
  j["hints"] = textToJson(texts[1], size::textSection);
  j["description"] = textToJson(texts[2], size::textSection);
  j["trailing"] = toHex(trailing.data(), trailing.size(), false);
  return j;
}

// ---- from JSON ----

class Out {
public:
  std::vector<Byte> bytes;
  Byte* grow(std::size_t n) {
    bytes.resize(bytes.size() + n);
    return bytes.data() + bytes.size() - n;
  }
  void u8(Byte b) { bytes.push_back(b); }
  void u16(std::uint16_t w) { setU16(grow(2), w); }
  void append(const Byte* p, std::size_t n) { bytes.insert(bytes.end(), p, p + n); }
};

[[noreturn]] void refuse(const std::string& path, const std::string& what) {
  throw Refusal{path, what};
}

void goalStringFromJson(const Json& j, Out& out, const std::string& path) {
  GoalString s{};
  textFromJson(j, s.data(), s.size(), path);
  if (s[0] != 0) {
    out.append(s.data(), s.size());
    return;
  }
  // The file keeps an empty goal string as its NUL alone; nothing may follow.
  if (std::any_of(s.begin(), s.end(), [](Byte b) { return b != 0; }))
    refuse(path, "a goal string that begins with NUL must be empty");
  out.u8(0);
}

void goalStringTriples(const Json& j, int count, Out& out, const std::string& path) {
  requireArray(j, static_cast<std::size_t>(count), path);
  for (int i = 0; i < count; ++i) {
    const std::string at = element(path, static_cast<std::size_t>(i));
    const Json& t = requireObject(j[static_cast<std::size_t>(i)], at);
    for (const char* n : kGoalStringNames)
      goalStringFromJson(require(t, n, at), out, member(at, n));
    refuseUnknown(t, {kGoalStringNames[0], kGoalStringNames[1], kGoalStringNames[2]}, at);
  }
}

std::uint16_t word(const Json& j, const std::string& name, const std::string& path) {
  return static_cast<std::uint16_t>(
      integerFromJson(require(j, name, path), 0, 65535, member(path, name)));
}

void hexBlock(const Json& j, const std::string& name, Byte* p, std::size_t n,
              const std::string& path) {
  fromHex(require(j, name, path), p, n, member(path, name));
}

std::string countedString(const Json& j, const std::string& path) {
  if (!j.is_string()) refuse(path, "expected a text, got " + excerpt(j));
  std::string s = utf8ToLatin1(j.get_ref<const std::string&>(), path);
  if (s.size() > 0xFFFF)
    refuse(path, "expected a text of at most 65535 characters, got " + std::to_string(s.size()));
  return s;
}

void briefingFromJson(const Json& j, Out& out, const std::string& path) {
  requireObject(j, path);
  Block<size::briefing> b{};
  setU16(b.data() + brf::RunningTime, word(j, "runningTime", path));
  setU16(b.data() + brf::Spare1, word(j, "spare1", path));
  setU16(b.data() + brf::Spare2, word(j, "spare2", path));
  setU16(b.data() + brf::Spare3, word(j, "spare3", path));

  std::vector<std::uint16_t> words;
  const std::string listPath = member(path, "instructions");
  const Json& list = require(j, "instructions", path);
  if (!list.is_array()) refuse(listPath, "expected an array, got " + excerpt(list));
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string at = element(listPath, i);
    const Json& item = requireObject(list[i], at);
    if (item.contains("words")) {
      const Json& raw = item["words"];
      if (!raw.is_array()) refuse(member(at, "words"), "expected an array of words");
      for (std::size_t k = 0; k < raw.size(); ++k)
        words.push_back(static_cast<std::uint16_t>(
            integerFromJson(raw[k], 0, 65535, element(member(at, "words"), k))));
      refuseUnknown(item, {"words"}, at);
      continue;
    }
    const std::uint16_t code = word(item, "command", at);
    words.push_back(word(item, "time", at));
    words.push_back(code);
    std::vector<std::string> names = {"time", "command"};
    names.insert(names.end(), kInstructionNames.begin(), kInstructionNames.end());
    for (const Parameter& prm : instructionSchema(code).params) {
      names.push_back(prm.name());
      const Json& v = require(item, prm.name(), at);
      const std::string vp = member(at, prm.name());
      words.push_back(prm.isSigned()
                          ? static_cast<std::uint16_t>(integerFromJson(v, -32768, 32767, vp))
                          : static_cast<std::uint16_t>(integerFromJson(v, 0, 65535, vp)));
    }
    refuseUnknown(item, names, at);
  }
  if (words.size() > brf::StreamWords)
    refuse(listPath, "expected instructions of at most " + std::to_string(brf::StreamWords) +
                         " words, got " + std::to_string(words.size()) + " words");
  // The stream length is the number of words the instructions take. A
  // length past the stream's room is kept only while the stream is full.
  std::uint16_t length = static_cast<std::uint16_t>(words.size());
  if (j.contains("streamLength")) {
    const std::uint16_t given = word(j, "streamLength", path);
    if (given > brf::StreamWords && words.size() == brf::StreamWords) length = given;
  }
  setU16(b.data() + brf::StreamLength, length);
  for (std::size_t k = 0; k < words.size(); ++k)
    setU16(b.data() + brf::Stream + k * 2, words[k]);
  const std::size_t restAt = brf::Stream + words.size() * 2;
  hexBlock(j, "streamRest", b.data() + restAt, brf::Unused - restAt, path);
  hexBlock(j, "spareArea", b.data() + brf::Unused, brf::TeamFlags - brf::Unused, path);
  const std::string flagsPath = member(path, "teamFlags");
  const Json& flags = requireArray(require(j, "teamFlags", path), kTeamCount, flagsPath);
  for (std::size_t t = 0; t < kTeamCount; ++t)
    b[brf::TeamFlags + t] =
        static_cast<Byte>(integerFromJson(flags[t], 0, 255, element(flagsPath, t)));
  out.append(b.data(), b.size());

  for (const char* name : {"tags", "texts"}) {
    const std::string at = member(path, name);
    const Json& a = requireArray(require(j, name, path), size::briefingStrings, at);
    for (std::size_t i = 0; i < a.size(); ++i) {
      const std::string s = countedString(a[i], element(at, i));
      out.u16(static_cast<std::uint16_t>(s.size()));
      out.append(reinterpret_cast<const Byte*>(s.data()), s.size());
    }
  }
  refuseUnknown(j,
                {"runningTime", "spare1", "spare2", "streamLength", "spare3", "instructions",
                 "streamRest", "spareArea", "teamFlags", "tags", "texts"},
                path);
}

template <std::size_t N> void hexSection(const Json& j, const char* name, Out& out) {
  Block<N> b{};
  hexBlock(j, name, b.data(), N, "");
  out.append(b.data(), N);
}

void textSection(const Json& j, const char* name, Out& out) {
  Block<size::textSection> b{};
  textFromJson(require(j, name, ""), b.data(), b.size(), name);
  out.append(b.data(), b.size());
}

const Json& recordList(const Json& j, const char* name, std::size_t expected, bool fixed) {
  const Json& a = require(j, name, "");
  if (fixed) return requireArray(a, expected, name);
  if (!a.is_array()) refuse(name, "expected an array, got " + excerpt(a));
  return a;
}

std::vector<Byte> importMission(const Json& j) {
  requireObject(j, "");
  Out out;
  const std::uint16_t platform = word(j, "platform", "");
  if ((platform & 0xFF) != kPlatformXwa)
    refuse("platform", "expected a number whose low byte is 18 (X-Wing Alliance), got " +
                           std::to_string(platform));
  out.u16(platform);

  Block<size::header> header{};
  recordFromJson(require(j, "header", ""), header.data(), headerTable(), "header");
  const Json& fgs = recordList(j, "flightGroups", 0, false);
  const Json& msgs = recordList(j, "messages", 0, false);
  // The counts are the lengths of the lists, whatever an older export or a
  // hand edit says beside them.
  for (const auto& [list, name, at] : {std::tuple{&fgs, "flightGroups", hdr::NumFGs},
                                       std::tuple{&msgs, "messages", hdr::NumMessages}}) {
    if (list->size() > 0xFFFF)
      refuse(name, "expected at most 65535 records, got " + std::to_string(list->size()));
    setU16(header, at, static_cast<std::uint16_t>(list->size()));
  }
  out.append(header.data(), header.size());

  for (std::size_t i = 0; i < fgs.size(); ++i)
    recordFromJson(fgs[i], out.grow(size::flightGroup), flightGroupTable(),
                   element("flightGroups", i), {"goalStrings"});
  for (std::size_t i = 0; i < msgs.size(); ++i)
    recordFromJson(msgs[i], out.grow(size::message), messageTable(), element("messages", i));
  const Json& goals = recordList(j, "globalGoals", kTeamCount, true);
  for (std::size_t t = 0; t < kTeamCount; ++t)
    recordFromJson(goals[t], out.grow(size::globalGoal), globalGoalTable(),
                   element("globalGoals", t), {"goalStrings"});
  const Json& teams = recordList(j, "teams", kTeamCount, true);
  for (std::size_t t = 0; t < kTeamCount; ++t)
    recordFromJson(teams[t], out.grow(size::team), teamTable(), element("teams", t));
  briefingFromJson(require(j, "briefing", ""), out, "briefing");

  hexSection<size::reservedA>(j, "reservedA", out);
  const Json& optional = recordList(j, "optionalSections", 4, true);
  for (std::size_t s = 0; s < 4; ++s) {
    const std::string at = element("optionalSections", s);
    const Json& o = requireObject(optional[s], at);
    const Byte flag =
        static_cast<Byte>(integerFromJson(require(o, "flag", at), 0, 255, member(at, "flag")));
    out.u8(flag);
    out.u8(
        static_cast<Byte>(integerFromJson(require(o, "second", at), 0, 255, member(at, "second"))));
    // The value byte is in the file only when the flag is 1.
    if (flag == 1)
      out.u8(
          static_cast<Byte>(integerFromJson(require(o, "value", at), 0, 255, member(at, "value"))));
    else if (o.contains("value"))
      refuse(member(at, "value"), "only a section whose flag is 1 has a value");
    hexBlock(o, "data", out.grow(size::optionalData[s]), size::optionalData[s], at);
    refuseUnknown(o, {"flag", "second", "value", "data"}, at);
  }
  textSection(j, "notes", out);
  hexSection<size::reservedB>(j, "reservedB", out);
  hexSection<size::reservedC>(j, "reservedC", out);
  for (std::size_t i = 0; i < fgs.size(); ++i) {
    const std::string at = element("flightGroups", i);
    goalStringTriples(require(fgs[i], "goalStrings", at), kFGGoalCount, out,
                      member(at, "goalStrings"));
  }
  for (std::size_t t = 0; t < kTeamCount; ++t) {
    const std::string at = member(element("globalGoals", t), "goalStrings");
    const Json& kinds =
        requireObject(require(goals[t], "goalStrings", element("globalGoals", t)), at);
    for (const char* kind : kGoalKinds)
      goalStringTriples(require(kinds, kind, at), kGoalEntries, out, member(at, kind));
    refuseUnknown(kinds, {kGoalKinds[0], kGoalKinds[1], kGoalKinds[2]}, at);
  }
  hexSection<size::reservedD>(j, "reservedD", out);
  const Json& reserved = require(j, "reservedStrings", "");
  if (!reserved.is_array() || reserved.size() > size::reservedStrings)
    refuse("reservedStrings", "expected an array of at most " +
                                  std::to_string(size::reservedStrings) + " hex strings");
  for (std::size_t i = 0; i < size::reservedStrings; ++i) {
    std::array<Byte, 1 + size::reservedStringBody> e{};
    if (i < reserved.size())
      fromHex(reserved[i], e.data(), e.size(), element("reservedStrings", i));
    const bool empty = std::all_of(e.begin(), e.end(), [](Byte b) { return b == 0; });
    if (!empty && e[0] == 0)
      refuse(element("reservedStrings", i),
             "expected an empty string or bytes whose first byte (the flag) is not 0");
    if (e[0] == 0)
      out.u8(0);
    else
      out.append(e.data(), e.size());
  }
  hexSection<size::reservedE>(j, "reservedE", out);
  textSection(j, "winDebrief", out);
  textSection(j, "hints", out);
  textSection(j, "description", out);
  const Json& trailing = require(j, "trailing", "");
  if (!trailing.is_string()) refuse("trailing", "expected a hex string, got " + excerpt(trailing));
  std::vector<Byte> rest(trailing.get_ref<const std::string&>().size() / 2);
  fromHex(trailing, rest.data(), rest.size(), "trailing");
  out.append(rest.data(), rest.size());

  refuseUnknown(j,
                {"platform", "header", "flightGroups", "messages", "globalGoals", "teams",
                 "briefing", "reservedA", "optionalSections", "notes", "reservedB", "reservedC",
                 "reservedD", "reservedStrings", "reservedE", "winDebrief", "hints", "description",
                 "trailing"},
                "");
  return std::move(out.bytes);
}

// Far deeper than the schema goes (a waypoint inside an order inside a
// flight group is five levels), and shallow enough for any recursion over
// the value.
constexpr int kMaxJsonDepth = 64;

} // namespace

Result<std::string> missionToJson(std::span<const Byte> file, const std::string& name) {
  const Result<Document> r = parseMission(file, name, false);
  if (!r) return r.error();
  try {
    const DocumentNames names(*r);
    return exportMission(file, names).dump(2) + "\n";
  } catch (const Refusal& e) {
    return makeError(ErrorKind::Damaged, name + " is damaged: " + e.what + ".");
  }
}

Result<std::vector<Byte>> missionFromJson(std::string_view text, const std::string& name) {
  auto bad = [&](const std::string& what) {
    return makeError(ErrorKind::BadInput, name + ": " + what);
  };
  if (const auto deep = nestingBeyond(text, kMaxJsonDepth))
    return bad("not valid JSON: nested deeper than " + std::to_string(kMaxJsonDepth) +
               " levels at byte " + std::to_string(*deep + 1));
  Json j;
  try {
    j = Json::parse(text);
  } catch (const Json::exception& e) {
    // Syntax errors and numbers no double can hold alike.
    std::string what = e.what();
    // Drop the library's "[json.exception.parse_error.101] " prefix.
    if (const auto close = what.find("] "); close != std::string::npos)
      what = what.substr(close + 2);
    constexpr std::size_t kLongest = 120;
    if (what.size() > kLongest) what = what.substr(0, kLongest) + "...";
    return bad("not valid JSON: " + what);
  } catch (const std::bad_alloc&) {
    return bad("too large to read");
  }
  try {
    std::vector<Byte> bytes = importMission(j);
    // The reader must take what was built; anything else is a fault here.
    const Result<Document> check = parseMission(bytes, name, false);
    if (!check) return bad(check.error().message);
    return bytes;
  } catch (const Refusal& e) {
    return bad((e.path.empty() ? std::string() : e.path + ": ") + e.what);
  } catch (const Json::exception& e) {
    return bad(std::string("cannot take the value: ") + e.what());
  } catch (const std::bad_alloc&) {
    return bad("too large to build a mission from");
  }
}

std::optional<Error> refusedAsJson(std::span<const Byte> first) {
  for (Byte b : first) {
    if (b == ' ' || b == '\t' || b == '\n' || b == '\r') continue;
    // UTF-8's byte order mark is taken by the parser as well.
    if (b == '{' || b == '[' || b == '"' || b == '-' || (b >= '0' && b <= '9') || b == 't' ||
        b == 'f' || b == 'n' || b == 0xEF)
      return std::nullopt;
    return makeError(ErrorKind::Unrecognized,
                     "not valid JSON: it does not begin with a JSON value");
  }
  return std::nullopt;
}

} // namespace zephlo
