#include "core/mission/backup.h"
#include "core/mission/fg_rules.h"
#include "core/mission/new_mission.h"
#include "core/mission/reader.h"
#include "core/mission/utf8_path.h"
#include "core/mission/writer.h"
#include "support/test_missions.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#if !defined(_WIN32)
#include <sys/resource.h>
#endif

using namespace zephlo;
using namespace zephlo::testing;

namespace {

std::unique_ptr<Document> parseOk(const std::vector<Byte>& bytes) {
  Result<Document> r = parseMission(bytes, "test.tie");
  EXPECT_TRUE(r) << r.error().message;
  return r ? std::make_unique<Document>(std::move(*r)) : nullptr;
}

std::vector<Byte> bytesFor(const Document& d) {
  Result<std::vector<Byte>> r = serializeMission(d);
  EXPECT_TRUE(r) << r.error().message;
  return r ? *r : std::vector<Byte>{};
}

std::vector<Byte> platformFile(Byte low, Byte high) {
  std::vector<Byte> v(20000, 0);
  v[0] = low;
  v[1] = high;
  return v;
}

} // namespace

TEST(RoundTrip, RandomMissionsComeBackByteForByte) {
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    GenOptions o;
    o.seed = seed;
    o.flightGroups = static_cast<int>(seed % 5);
    o.messages = static_cast<int>((seed * 7) % 6);
    o.fillEverything = seed % 3 == 0;
    o.trailingBytes = seed % 4 == 0 ? 37 : 0;
    const GeneratedMission m = generateMission(o);
    auto doc = parseOk(m.bytes);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->flightGroups.size(), static_cast<std::size_t>(o.flightGroups));
    EXPECT_EQ(doc->messages.size(), static_cast<std::size_t>(o.messages));
    EXPECT_EQ(doc->trailing.size(), o.trailingBytes);
    const std::vector<Byte> out = bytesFor(*doc);
    ASSERT_EQ(out.size(), m.bytes.size()) << "seed " << seed;
    EXPECT_TRUE(out == m.bytes) << "seed " << seed;
  }
}

TEST(RoundTrip, EmptyListsPutGlobalGoalsRightAfterTheHeader) {
  GenOptions o;
  o.flightGroups = 0;
  o.messages = 0;
  const GeneratedMission m = generateMission(o);
  EXPECT_EQ(m.boundaries[2].first, "global goals");
  EXPECT_EQ(m.boundaries[2].second, 2u + 9198u);
  auto doc = parseOk(m.bytes);
  ASSERT_TRUE(doc);
  EXPECT_TRUE(doc->flightGroups.empty());
  EXPECT_EQ(bytesFor(*doc), m.bytes);
}

TEST(RoundTrip, WriterFixUps) {
  GenOptions o;
  o.flightGroups = 2;
  const GeneratedMission m = generateMission(o);
  auto doc = parseOk(m.bytes);
  ASSERT_TRUE(doc);
  // The header's count follows the list, whatever it held before.
  doc->flightGroups.push_back(doc->flightGroups[0]);
  // A backdrop at the origin is moved to Z = 8 in the file only.
  FGObject& f = doc->flightGroups[1];
  f.record[fg::CraftType] = 183;
  f.setStartPoint(1, {0, 0, 0, 1});
  // A briefing string holding a lone NUL is written as length 0.
  doc->briefing.tags[5] = std::string(1, '\0');
  doc->briefing.tags[5].clear();

  const std::vector<Byte> out = bytesFor(*doc);
  auto back = parseOk(out);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->numFGsField(), 3);
  EXPECT_EQ(back->flightGroups.size(), 3u);
  EXPECT_EQ(back->flightGroups[1].startPoint(1).z, 8);
  EXPECT_EQ(doc->flightGroups[1].startPoint(1).z, 0) << "the document keeps 0";

  // Any other position or craft type is written as it stands.
  f.setStartPoint(1, {5, 0, 0, 1});
  auto moved = parseOk(bytesFor(*doc));
  EXPECT_EQ(moved->flightGroups[1].startPoint(1).z, 0);
  f.setStartPoint(1, {0, 0, 0, 1});
  f.record[fg::CraftType] = 182;
  auto other = parseOk(bytesFor(*doc));
  EXPECT_EQ(other->flightGroups[1].startPoint(1).z, 0);
}

TEST(Reader, LoneNulBriefingStringReadsEmptyAndWritesAsLengthZero) {
  GenOptions o;
  GeneratedMission m = generateMission(o);
  std::size_t at = 0;
  for (auto& [name, pos] : m.boundaries) {
    if (name == "text 0") at = pos;
  }
  ASSERT_GT(at, 0u);
  // Replace text 0 with length 1 holding NUL.
  const std::size_t oldLen = m.bytes[at] | (m.bytes[at + 1] << 8);
  std::vector<Byte> bytes(m.bytes.begin(), m.bytes.begin() + static_cast<long>(at));
  bytes.insert(bytes.end(), {1, 0, 0});
  bytes.insert(bytes.end(), m.bytes.begin() + static_cast<long>(at + 2 + oldLen), m.bytes.end());
  auto doc = parseOk(bytes);
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->briefing.texts[0], "");
  const std::vector<Byte> out = bytesFor(*doc);
  EXPECT_EQ(out.size() + 1, bytes.size());
  EXPECT_EQ(out[at], 0);
  EXPECT_EQ(out[at + 1], 0);
}

TEST(Reader, GoalStringShortForm) {
  Document d = newMission({});
  setGoalText(d.flightGroups[0].goalStrings[0], std::string(64, 'A'));
  d.flightGroups[0].goalStrings[1].fill('B');
  d.flightGroups[0].goalStrings[1][0] = 0; // empty, whatever follows in memory
  const std::size_t before = bytesFor(d).size();
  Document e = newMission({});
  EXPECT_EQ(before, bytesFor(e).size() + 63) << "a full text takes 64 bytes, an empty one 1";
  auto back = parseOk(bytesFor(d));
  EXPECT_EQ(goalText(back->flightGroups[0].goalStrings[0]), std::string(64, 'A'));
  EXPECT_EQ(goalText(back->flightGroups[0].goalStrings[1]), "");
}

TEST(Reader, PlatformDispatchUsesTheLowByte) {
  struct Case {
    Byte low;
    ErrorKind kind;
    const char* message;
  };
  const Case cases[] = {
      {255, ErrorKind::ForeignFormat, "Cannot import TIE Fighter files."},
      {2, ErrorKind::ForeignFormat, "Cannot import X-Wing files."},
      {12, ErrorKind::ForeignFormat, "Cannot import X-Wing vs. TIE Fighter files."},
      {14, ErrorKind::ForeignFormat, "Cannot import Balance of Power files."},
      {7, ErrorKind::Unrecognized, "Unrecognized file type"},
  };
  for (const Case& c : cases) {
    Result<Document> r = parseMission(platformFile(c.low, 0xFF), "x.tie");
    ASSERT_FALSE(r) << int(c.low);
    EXPECT_EQ(r.error().kind, c.kind) << int(c.low);
    EXPECT_EQ(r.error().message, c.message);
  }
  // 18 with any high byte is a mission of this format, and comes back as read.
  GeneratedMission m = generateMission({});
  m.bytes[1] = 7;
  auto doc = parseOk(m.bytes);
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->platform & 0xFF, 18);
  EXPECT_EQ(bytesFor(*doc), m.bytes);
}

TEST(Reader, TruncatedFilesAreRefusedWithTheSectionAndOffset) {
  GenOptions o;
  o.flightGroups = 2;
  o.messages = 2;
  o.seed = 99;
  const GeneratedMission m = generateMission(o);
  std::vector<std::size_t> cuts;
  for (const auto& [name, pos] : m.boundaries) {
    if (pos > 0 && pos < m.bytes.size()) {
      cuts.push_back(pos);
      cuts.push_back(pos - 1);
      cuts.push_back(pos + 1);
    }
  }
  for (std::size_t c = 1; c < m.bytes.size(); c += 4099)
    cuts.push_back(c);
  for (std::size_t cut : cuts) {
    if (cut == 0 || cut >= m.bytes.size()) continue;
    const std::vector<Byte> part(m.bytes.begin(), m.bytes.begin() + static_cast<long>(cut));
    Result<Document> r = parseMission(part, "/missions/cut.tie");
    ASSERT_FALSE(r) << "cut at " << cut;
    const Error& e = r.error();
    EXPECT_EQ(e.kind, ErrorKind::Damaged);
    EXPECT_NE(e.message.find("/missions/cut.tie is damaged"), std::string::npos) << e.message;
    EXPECT_NE(e.message.find("byte offset"), std::string::npos) << e.message;
    EXPECT_FALSE(e.section.empty());
    ASSERT_TRUE(e.offset.has_value());
    EXPECT_LE(*e.offset, cut);
  }
}

TEST(Reader, ImpossibleCountsAreRefusedBeforeAllocating) {
  GeneratedMission m = generateMission({});
  m.bytes[2] = 0xFF; // NumFGs = 65535
  m.bytes[3] = 0xFF;
  Result<Document> r = parseMission(m.bytes, "big.tie");
  ASSERT_FALSE(r);
  EXPECT_EQ(r.error().kind, ErrorKind::Damaged);
  EXPECT_NE(r.error().message.find("65535 flight groups"), std::string::npos);

  GeneratedMission n = generateMission({});
  n.bytes[4] = 0xFF; // NumMessages = 65535
  n.bytes[5] = 0xFF;
  r = parseMission(n.bytes, "big.tie");
  ASSERT_FALSE(r);
  EXPECT_NE(r.error().message.find("65535 messages"), std::string::npos);
}

TEST(Reader, DerivedFields) {
  Document d = newMission({});
  FGObject a = d.flightGroups[0];
  a.record[fg::Team] = 2;
  a.record[fg::Iff] = 2;
  a.record[fg::StartRegion] = 0;
  a.order(3, 2)[ord::Command] = 50;
  a.order(3, 2)[ord::Parameter1] = 2;
  FGObject b = a;
  b.record[fg::Iff] = 5;
  FGObject c = a;
  c.record[fg::Team] = 12; // no such team: ignored by the table
  c.record[fg::Iff] = 4;
  d.flightGroups = {a, b, c};
  MsgObject m;
  m.record[msg::SentTo + 7] = 1;
  MsgObject n;
  d.messages = {n, m};
  auto back = parseOk(bytesFor(d));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->teamIff[2], 2) << "the first flight group of the team wins";
  EXPECT_EQ(back->teamIff[0], 0);
  const RegionSet region = regionSet(back->flightGroups[0]);
  EXPECT_EQ(region[0], 1);
  EXPECT_EQ(region[1], 0);
  EXPECT_EQ(region[2], 1);
  EXPECT_EQ(region[3], 0);
  EXPECT_EQ(back->messages[0].sentToAnyTeam, 0);
  EXPECT_EQ(back->messages[1].sentToAnyTeam, 1);
  EXPECT_EQ(back->messages[1].listPosition, 1u);
  EXPECT_TRUE(back->flightGroups[0].autolink);
  Result<Document> noLink = parseMission(bytesFor(d), "x.tie", false);
  EXPECT_FALSE(noLink->flightGroups[0].autolink);
}

TEST(ReadWriteFiles, MissingUnreadableAndSafeSaving) {
  TempDir dir;
  Result<Document> r = readMission(dir.path("nope.tie"));
  EXPECT_EQ(r.error().kind, ErrorKind::Missing);
  EXPECT_EQ(r.error().message, dir.path("nope.tie") + " does not exist.");
  EXPECT_EQ(readMission(dir.root()).error().kind, ErrorKind::Unreadable);

  Document d = newMission({});
  const std::string path = dir.path("m.tie");
  ASSERT_TRUE(writeMission(d, path).ok());
  const std::vector<Byte> first = readFile(path);
  EXPECT_EQ(first, bytesFor(d));

  // Saving into a folder that does not exist fails with a reason, naming the file.
  Status w = writeMission(d, dir.path("no/such/folder/m.tie"));
  ASSERT_FALSE(w);
  EXPECT_NE(w.error().message.find(dir.path("no/such/folder/m.tie")), std::string::npos);

  d.flightGroups.resize(20, d.flightGroups[0]);
#if !defined(_WIN32)
  // A write that fails half-way leaves the old file as it was and no temporary
  // file. Past the file-size limit the saver copes on its own: the signal
  // that would end the program is its business, not the caller's.
  std::signal(SIGXFSZ, SIG_DFL);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 50000;
  setrlimit(RLIMIT_FSIZE, &small);
  w = writeMission(d, path);
  setrlimit(RLIMIT_FSIZE, &old);
  ASSERT_FALSE(w);
  EXPECT_NE(w.error().message.find("m.tie"), std::string::npos);
  EXPECT_NE(w.error().message.find("too large"), std::string::npos) << w.error().message;
  EXPECT_EQ(readFile(path), first);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"m.tie"});

  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
#endif
  // A successful save replaces it and keeps its permissions.
  ASSERT_TRUE(writeMission(d, path).ok());
  EXPECT_EQ(readFile(path), bytesFor(d));
#if !defined(_WIN32)
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_write |
                                                             std::filesystem::perms::group_read);
#endif
  auto back = readMission(path);
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back->flightGroups.size(), 20u);
  EXPECT_EQ(back->fileName, path);
}

TEST(SafetyCopy, WhenAndWhere) {
  EXPECT_EQ(safetyCopyPath("/m/a.tie", true),
            utf8FromPath(std::filesystem::path("/m") / "Backup.tie"));
  EXPECT_EQ(safetyCopyPath("/m/a.tie", false), std::nullopt);
  EXPECT_EQ(safetyCopyPath("Unnamed", true), std::nullopt);
  EXPECT_EQ(safetyCopyPath("/m/backup.TIE", true), std::nullopt);
  EXPECT_EQ(safetyCopyPath("/m/BACKUP.tie", true), std::nullopt);
  EXPECT_EQ(safetyCopyPath("D:\\m.tie", true, 'd'), std::nullopt);
  EXPECT_TRUE(safetyCopyPath("E:/m.tie", true, 'D').has_value());
}
