// The JSON form of a mission: exact round trips and clear refusals.
#include "core/briefing/briefing_codec.h"
#include "core/briefing/test_instructions.h"
#include "core/check/example_mission.h"
#include "core/check/texts.h"
#include "core/json/json_mission.h"
#include "core/mission/new_mission.h"
#include "core/mission/reader.h"
#include "core/mission/writer.h"
#ifndef _WIN32
#include "support/special_files.h"
#endif
#include "support/test_missions.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

using namespace zephlo;
using namespace zephlo::testing;
using Json = nlohmann::ordered_json;
namespace fs = std::filesystem;

namespace {

Json exported(const std::vector<Byte>& bytes) {
  const Result<std::string> text = missionToJson(bytes, "m.tie");
  EXPECT_TRUE(text.ok()) << text.error().message;
  return text.ok() ? Json::parse(*text) : Json();
}

Result<std::vector<Byte>> imported(const Json& j) { return missionFromJson(j.dump(), "in.json"); }

std::string refusal(const Json& j) {
  const Result<std::vector<Byte>> r = imported(j);
  return r.ok() ? "accepted" : r.error().message;
}

void expectRoundTrip(const std::vector<Byte>& bytes, const std::string& what) {
  const Result<std::string> text = missionToJson(bytes, "m.tie");
  ASSERT_TRUE(text.ok()) << what << ": " << text.error().message;
  const Result<std::vector<Byte>> back = missionFromJson(*text, "m.json");
  ASSERT_TRUE(back.ok()) << what << ": " << back.error().message;
  EXPECT_TRUE(*back == bytes) << what;
}

} // namespace

TEST(MissionJson, EveryAcceptedMissionComesBackByteForByte) {
  // Random bytes everywhere: texts with bytes after their NUL and above 127,
  // streams cut short or longer than 7000 words, odd optional flags.
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    GenOptions o;
    o.seed = seed;
    o.flightGroups = static_cast<int>(seed % 3) * 2;
    o.messages = static_cast<int>(seed % 2) * 3;
    o.trailingBytes = seed == 3 ? 17 : 0;
    o.fillEverything = seed == 4;
    expectRoundTrip(generateMission(o).bytes, "seed " + std::to_string(seed));
  }
  GenOptions big;
  big.flightGroups = 192;
  big.messages = 64;
  big.fillEverything = true;
  expectRoundTrip(generateMission(big).bytes, "192 flight groups");

  // The two things the editor's own save changes survive here: a one-byte
  // NUL briefing string and a backdrop at the origin.
  Document d = newMission({});
  d.flightGroups[0].set(fg::CraftType, 183);
  std::vector<Byte> bytes = *serializeMission(d);
  ASSERT_EQ(getI16(bytes.data() + 2 + size::header + fg::startPointOffset(1) + wp::Z), 8);
  setI16(bytes.data() + 2 + size::header + fg::startPointOffset(1) + wp::Z, 0);
  const std::size_t tags = 2 + size::header + size::flightGroup + 10 * (368 + 487) + size::briefing;
  ASSERT_EQ(getU16(bytes.data() + tags), 0);
  bytes[tags] = 1;
  bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(tags) + 2, Byte{0});
  ASSERT_TRUE(parseMission(bytes, "x").ok());
  expectRoundTrip(bytes, "editor fix-ups");
}

TEST(MissionJson, FieldsLandWhereTheirNamesSay) {
  Document d = newMission({});
  d.flightGroups.push_back(d.flightGroups[0]);
  d.briefing.texts[0] = "Caf\xe9"; // 8-bit text
  Json j = exported(*serializeMission(d));
  EXPECT_EQ(j["flightGroups"][0]["name"], "Unnamed");
  EXPECT_EQ(j["teams"][1]["name"], "Imperial");
  EXPECT_EQ(j["briefing"]["texts"][0], "Caf\u00e9");
  EXPECT_EQ(j["briefing"]["instructions"],
            Json::parse(R"([{"time":9999,"command":34,"commandName":"<Briefing End Marker>"}])"));

  j["flightGroups"][1]["name"] = "Red";
  j["flightGroups"][1]["orders"][5]["speed"] = 7;                 // region 2, order 2
  j["flightGroups"][1]["orders"][5]["waypoints"][2]["x"] = -1234; // waypoint 3
  j["flightGroups"][1]["goals"][7]["points"] = -4;
  j["flightGroups"][1]["goalStrings"][1]["fail"] = "Lost";
  j["globalGoals"][2]["goalStrings"]["prevent"][3]["success"] = "Held";
  j["messages"] = Json::array();
  j["briefing"]["instructions"] = Json::parse(
      R"([{"time":5,"command":18,"index":2,"x":-3,"y":4,"color":1},{"time":9999,"command":34}])");
  const Result<std::vector<Byte>> bytes = imported(j);
  ASSERT_TRUE(bytes.ok()) << bytes.error().message;
  Result<Document> r = parseMission(*bytes, "x");
  ASSERT_TRUE(r.ok());
  const Document& e = *r;
  const FGObject& f = e.flightGroups[1];
  EXPECT_EQ(f.name(), "Red");
  EXPECT_EQ(f.order(2, 2)[ord::Speed], 7);
  EXPECT_EQ(getI16(f.order(2, 2) + ord::waypointOffset(3) + wp::X), -1234);
  EXPECT_EQ(static_cast<std::int8_t>(f.goal(7)[goal::Points]), -4);
  EXPECT_EQ(goalText(f.goalStrings[1 * 3 + 2]), "Lost");
  EXPECT_EQ(goalText(e.globalGoalStrings[2].strings[(1 * 4 + 3) * 3 + 1]), "Held");
  EXPECT_EQ(e.briefing.texts[0], "Caf\xe9");
  const std::vector<TCommandObject> list = decodeBriefing(e.briefing);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].X, -3);
  EXPECT_EQ(list[0].Color, 1);
}

TEST(MissionJson, BriefingParametersAreNamedInStreamOrderAtTheEndsOfTheirRanges) {
  for (bool high : {false, true}) {
    Document d = newMission({});
    const InstructionList list = everyCodeAtRangeEnd(high);
    ASSERT_TRUE(encodeBriefing(list, d.briefing).ok());
    const std::vector<Byte> bytes = *serializeMission(d);
    const Json j = exported(bytes);
    const Json& tag = j["briefing"]["instructions"][17]; // code 18
    std::vector<std::string> keys;
    for (auto it = tag.begin(); it != tag.end(); ++it)
      keys.push_back(it.key());
    // The readable name of the code stands beside it; the parameters follow.
    EXPECT_EQ(keys, (std::vector<std::string>{"time", "command", "commandName", "index", "x", "y",
                                              "color"}));
    const Json& info = j["briefing"]["instructions"][26]; // code 27: the flag first
    EXPECT_EQ(info["command"], 27);
    EXPECT_EQ(std::next(info.begin(), 3).key(), "index");
    EXPECT_EQ(std::next(info.begin(), 4).key(), "infoIcon");
    EXPECT_EQ(tag["x"], high ? 32767 : -32768) << "positions are signed";
    expectRoundTrip(bytes, high ? "high" : "low");
  }
}

TEST(MissionJson, BadValuesAreRefusedWithTheirPath) {
  Document d = newMission({});
  d.flightGroups.resize(4, d.flightGroups[0]);
  const Json good = exported(*serializeMission(d));
  auto with = [&](auto change) {
    Json j = good;
    change(j);
    return refusal(j);
  };
  EXPECT_EQ(with([](Json& j) { j["flightGroups"][3]["orders"][1]["speed"] = 300; }),
            "in.json: flightGroups[3].orders[1].speed: expected an integer 0..255, got 300");
  EXPECT_EQ(
      with([](Json& j) { j["flightGroups"][0]["goals"][0]["points"] = "high"; }),
      "in.json: flightGroups[0].goals[0].points: expected an integer -128..127, got \"high\"");
  EXPECT_EQ(with([](Json& j) { j["teams"][0].erase("name"); }),
            "in.json: teams[0].name: this field is missing");
  EXPECT_EQ(with([](Json& j) { j["teams"][0]["nmae"] = "x"; }),
            "in.json: teams[0].nmae: not a field of this record");
  EXPECT_EQ(with([](Json& j) { j["flightGroups"][0]["name"] = std::string(21, 'a'); }),
            "in.json: flightGroups[0].name: expected a text of at most 20 characters, got 21");
  EXPECT_EQ(with([](Json& j) { j["messages"].push_back(j["teams"][0]); }),
            "in.json: messages[0].number: this field is missing");
  EXPECT_EQ(with([](Json& j) { j["briefing"]["texts"][0] = "\u20ac"; }),
            "in.json: briefing.texts[0]: expected 8-bit characters (U+0000..U+00FF), got U+20AC");
  EXPECT_EQ(with([](Json& j) {
              j["briefing"]["instructions"] = Json::array();
              for (int i = 0; i < 3501; ++i)
                j["briefing"]["instructions"].push_back(Json{{"time", 1}, {"command", 3}});
            }),
            "in.json: briefing.instructions: expected instructions of at most 7000 words, got "
            "7002 words");
  EXPECT_EQ(with([](Json& j) { j["flightGroups"][0]["nameName"] = "x"; }),
            "in.json: flightGroups[0].nameName: not a field of this record")
      << "only the numbers that stand for words have names";
  EXPECT_EQ(with([](Json& j) { j["reservedA"] = "0g"; }),
            "in.json: reservedA: expected a hex string of at most 17458 bytes, got the "
            "character 'g'");
  EXPECT_EQ(with([](Json& j) { j["optionalSections"][0]["value"] = 1; }),
            "in.json: optionalSections[0].value: only a section whose flag is 1 has a value");
  EXPECT_EQ(with([](Json& j) { j["platform"] = 12; }),
            "in.json: platform: expected a number whose low byte is 18 (X-Wing Alliance), got 12");
  EXPECT_EQ(
      with([](Json& j) { j["flightGroups"][0]["goalStrings"][0]["fail"] = std::string("\0x", 2); }),
      "in.json: flightGroups[0].goalStrings[0].fail: a goal string that begins with NUL "
      "must be empty");
  EXPECT_EQ(with([](Json& j) { j["reservedStrings"] = Json::array({"0001"}); }),
            "in.json: reservedStrings[0]: expected an empty string or bytes whose first byte "
            "(the flag) is not 0");
  const auto bad = missionFromJson("{\"platform\": 18,", "in.json");
  ASSERT_FALSE(bad.ok());
  EXPECT_EQ(bad.error().message.rfind("in.json: not valid JSON: ", 0), 0u) << bad.error().message;

  // What the reader refuses is refused with the reader's message.
  const auto tie = missionToJson(std::vector<Byte>(40, 0xFF), "t.tie");
  ASSERT_FALSE(tie.ok());
  EXPECT_EQ(tie.error().message, "Cannot import TIE Fighter files.");
}

TEST(MissionJson, NamesStandBesideTheNumbersAndImportIgnoresThem) {
  Document d = exampleMission();
  d.teams[0].setName("R\xE9publique"); // 8-bit text
  d.flightGroups[1].set(fg::CraftType, 250);
  const std::vector<Byte> bytes = *serializeMission(d);
  Json j = exported(bytes);
  const Json& red = j["flightGroups"][0];
  EXPECT_EQ(red["craftType"], 1);
  EXPECT_EQ(red["craftTypeName"], "Xwing");
  EXPECT_EQ(red["teamName"], "R\u00E9publique");
  EXPECT_FALSE(j["flightGroups"][1].contains("craftTypeName")) << "250 is past the list";
  // Names the mission gives: its flight groups' labels for triggers and targets.
  const MissionLists lists = buildMissionLists(d);
  const int target = red["orders"][0]["target1"];
  EXPECT_EQ(red["orders"][0]["target1Name"], lists.fgNames.at(static_cast<std::size_t>(target)));
  EXPECT_EQ(red["orders"][0]["commandName"], "Attack targets");
  const Json& arrival = j["flightGroups"][4]["arrivalPair1"]["first"];
  EXPECT_EQ(arrival["conditionName"], "arrive");
  EXPECT_EQ(arrival["variableName"], "X-W Red (1)");
  EXPECT_EQ(j["briefing"]["instructions"][0]["commandName"], "Title Text");
  EXPECT_EQ(red["optionalCraftTypeNames"].size(), 10u);

  // Names changed or removed by hand change nothing.
  Json edited = j;
  edited["flightGroups"][0]["craftTypeName"] = "TIE Fighter";
  edited["flightGroups"][0]["orders"][0].erase("target1Name");
  edited["briefing"]["instructions"][0]["commandName"] = 5;
  const Result<std::vector<Byte>> back = imported(edited);
  ASSERT_TRUE(back.ok()) << back.error().message;
  EXPECT_TRUE(*back == bytes);
}

TEST(MissionJson, CountsComeFromTheArrays) {
  const std::vector<Byte> bytes = *serializeMission(exampleMission());
  Json j = exported(bytes);
  EXPECT_FALSE(j["header"].contains("NumFGs"));
  EXPECT_FALSE(j["briefing"].contains("streamLength"));
  // As a script adds a flight group and a message and drops an instruction.
  j["flightGroups"].push_back(j["flightGroups"][1]);
  j["flightGroups"].back()["name"] = "Blue";
  j["messages"].push_back(j["messages"][0]);
  Json& list = j["briefing"]["instructions"];
  list.erase(list.begin() + 1);
  // What an older export or a stale edit says beside them does not count.
  j["header"]["NumFGs"] = 2;
  j["briefing"]["streamLength"] = 3;
  const Result<std::vector<Byte>> edited = imported(j);
  ASSERT_TRUE(edited.ok()) << edited.error().message;
  const Result<Document> doc = parseMission(*edited, "x");
  ASSERT_TRUE(doc.ok()) << doc.error().message;
  EXPECT_EQ(doc->flightGroups.size(), 7u);
  EXPECT_EQ(doc->flightGroups.back().name(), "Blue");
  EXPECT_EQ(doc->messages.size(), 4u);
  const Result<Document> before = parseMission(bytes, "x");
  EXPECT_EQ(decodeBriefing(doc->briefing).size(), decodeBriefing(before->briefing).size() - 1);
  EXPECT_EQ(doc->briefing.streamLength(), before->briefing.streamLength() - 4) << "Zoom: 4 words";
}

TEST(MissionJson, TheEditorsFileCommandsTakeAndGiveADocument) {
  TempDir dir;
  const Document doc = exampleMission();
  const std::string path = dir.path("example.json");
  ASSERT_TRUE(exportMissionJson(doc, path).ok());
  const Result<Document> back = importMissionJson(path);
  ASSERT_TRUE(back.ok()) << back.error().message;
  EXPECT_EQ(*serializeMission(*back), *serializeMission(doc));

  // A failed export leaves the old file whole.
  const std::vector<std::uint8_t> before = readFile(path);
  fs::create_directory(dir.path("folder.json"));
  EXPECT_FALSE(exportMissionJson(doc, dir.path("folder.json")).ok());
  EXPECT_FALSE(exportMissionJson(doc, dir.path("no/such/x.json")).ok());
  EXPECT_EQ(readFile(path), before);

  // Whatever the name stands for, a refusal that names it, at once.
  writeFile(dir.path("empty.json"), {});
  std::vector<std::uint8_t> deep(200000, '[');
  writeFile(dir.path("deep.json"), deep);
  std::vector<std::string> refused{dir.path("folder.json"), dir.path("empty.json"),
                                   dir.path("deep.json"), dir.path("missing.json")};
#ifndef _WIN32
  const std::string fifo = dir.path("fifo.json");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  refused.push_back(fifo);
#endif
  for (const std::string& bad : refused) {
    const Result<Document> r = importMissionJson(bad);
    ASSERT_FALSE(r.ok()) << bad;
    EXPECT_NE(r.error().message.find(bad), std::string::npos) << r.error().message;
  }
#ifndef _WIN32
  const std::string zero = dir.path("zero");
  if (!makeCharDevice(zero, 1, 5)) GTEST_SKIP() << "this test cannot create device nodes";
  const Result<Document> r = importMissionJson(zero);
  ASSERT_FALSE(r.ok());
  EXPECT_NE(r.error().message.find(zero), std::string::npos) << r.error().message;
#endif
}
