#include "core/check/example_mission.h"

#include "core/briefing/briefing_codec.h"
#include "core/map/backdrops.h"
#include "core/mission/new_mission.h"

#include <cstdint>

namespace zephlo {

namespace {

// Craft types, conditions and codes by their names in the game's lists.
constexpr Byte kXwing = 1, kYwing = 2, kTieFighter = 5, kCorvette = 40, kFrigate = 42;
constexpr Byte kRebel = 0, kImperial = 1;
constexpr Byte kArrive = 1, kDestroyed = 2;
constexpr Byte kAll = 0;                                          // amount "100%"
constexpr Byte kMust = 0, kMustNot = 1;                           // goal requirements
constexpr Byte kFlightGroup = 1;                                  // variable type
constexpr Byte kAttack = 7, kHoldSteady = 28, kPatrolAttack = 26; // orders

void setTrigger(Byte* t, Byte condition, Byte type, Byte variable, Byte amount = kAll) {
  t[trig::Condition] = condition;
  t[trig::VariableType] = type;
  t[trig::Variable] = variable;
  t[trig::Amount] = amount;
}

struct Craft {
  const char* name;
  Byte type, count, iff, team;
  std::int16_t x, y;
};

FGObject flightGroup(const Templates& t, const Craft& c) {
  FGObject f = makeFlightGroup(t, c.iff, 0, true);
  f.setName(c.name);
  f.set(fg::CraftType, c.type);
  f.set(fg::NumCraft, c.count);
  f.set(fg::Team, c.team);
  Byte* start = f.record.data() + fg::startPointOffset(1);
  setI16(start + wp::X, c.x);
  setI16(start + wp::Y, c.y);
  return f;
}

// Order 1 of region 1 against one flight group, flying to one waypoint.
void giveOrder(FGObject& f, Byte command, Byte target, std::int16_t x, std::int16_t y) {
  Byte* o = f.order(1, 1);
  o[ord::Command] = command;
  o[ord::Target1Type] = kFlightGroup;
  o[ord::Target1] = target;
  Byte* w = o + ord::waypointOffset(1);
  setI16(w + wp::X, x);
  setI16(w + wp::Y, y);
  setI16(w + wp::Enabled, 1);
}

void setGoal(FGObject& f, int g, Byte requirement, Byte condition, Byte team) {
  Byte* goal = f.goal(g);
  goal[goal::Requirement] = requirement;
  goal[goal::Condition] = condition;
  goal[goal::Amount] = kAll;
  goal[goal::Team] = team;
}

MsgObject message(const Templates& t, const char* text, Byte condition, Byte fgIndex) {
  MsgObject m;
  m.record = t.message;
  m.setText(text);
  m.record[msg::SentTo] = 1; // team 1
  setTrigger(m.record.data() + msg::Pair1 + pair::First, condition, kFlightGroup, fgIndex);
  m.computeSentToAny();
  return m;
}

TCommandObject instruction(std::int16_t time, std::uint16_t code) {
  TCommandObject c;
  c.Time = time;
  c.Command = code;
  return c;
}

void writeBriefing(Document& d) {
  d.briefing.texts[0] = "Ambush at Kessa";
  d.briefing.texts[1] = "Redemption is taking on wounded. Protect her.";
  d.briefing.texts[2] = "Destroy the corvette Tyrant before it calls for help.";
  d.briefing.tags[0] = "Tyrant";
  std::vector<TCommandObject> list;
  list.push_back(instruction(0, 4)); // title text 0
  TCommandObject zoom = instruction(0, 7);
  zoom.X = 48;
  zoom.Y = 48;
  list.push_back(zoom);
  struct Icon {
    Byte type, iff;
    std::int16_t x, y;
  };
  const Icon icons[] = {{kFrigate, kRebel, 0, 400},
                        {kXwing, kRebel, -300, 200},
                        {kCorvette, kImperial, 200, -500},
                        {kTieFighter, kImperial, -200, -600}};
  for (std::uint16_t i = 0; i < 4; ++i) {
    TCommandObject icon = instruction(0, 26);
    icon.Index = i;
    icon.CraftType = icons[i].type;
    icon.Color = icons[i].iff;
    list.push_back(icon);
    TCommandObject move = instruction(0, 28);
    move.Index = i;
    move.X = icons[i].x;
    move.Y = icons[i].y;
    list.push_back(move);
  }
  TCommandObject text = instruction(25, 5);
  text.Index = 1;
  list.push_back(text);
  list.push_back(instruction(150, 9)); // box around icon 0
  list.back().Index = 0;
  text.Time = 250;
  text.Index = 2;
  list.push_back(text);
  TCommandObject tag = instruction(250, 18);
  tag.Index = 0;
  tag.X = 200;
  tag.Y = -560;
  tag.Color = 1;
  list.push_back(tag);
  list.push_back(instruction(static_cast<std::int16_t>(brf::EndTime), brf::EndCode));
  (void)encodeBriefing(list, d.briefing); // far below the stream's room
  d.briefing.setRunningTime(20 * brf::TicksPerSecond);
}

} // namespace

Document exampleMission() {
  Document d = newMission(MissionPrefs{});
  const Templates t = makeTemplates(MissionPrefs{}, d.teamIff[0]);
  const Craft craft[] = {
      {"Red", kXwing, 2, kRebel, 0, -1600, 800},
      {"Gold", kYwing, 2, kRebel, 0, 1600, 800},
      {"Redemption", kFrigate, 1, kRebel, 0, 0, 1600},
      {"Tyrant", kCorvette, 1, kImperial, 1, 1200, -2400},
      {"Alpha", kTieFighter, 3, kImperial, 1, -1200, -2800},
  };
  d.flightGroups.clear();
  for (const Craft& c : craft)
    d.flightGroups.push_back(flightGroup(t, c));
  enum { Red, Gold, Redemption, Tyrant, Alpha };

  FGObject& red = d.flightGroups[Red];
  red.set(fg::PlayerNumber, 1);
  red.set(fg::ArriveByMothership, 1);
  red.set(fg::ArrivalMothership, Redemption);
  giveOrder(red, kAttack, Alpha, -1200, -1600);
  giveOrder(d.flightGroups[Gold], kAttack, Tyrant, 1200, -1200);
  giveOrder(d.flightGroups[Tyrant], kPatrolAttack, Redemption, 400, -400);
  giveOrder(d.flightGroups[Alpha], kAttack, Redemption, -400, 800);
  // The frigate holds its place: an order without targets or waypoints.
  d.flightGroups[Redemption].order(1, 1)[ord::Command] = kHoldSteady;
  // The TIE fighters come once the Rebels have arrived.
  setTrigger(d.flightGroups[Alpha].record.data() + fg::ArrivalPair1 + pair::First, kArrive,
             kFlightGroup, Red);
  d.flightGroups[Alpha].set(fg::ArrivalDelaySeconds, 30);

  setGoal(d.flightGroups[Tyrant], 0, kMust, kDestroyed, 0);
  setGoal(d.flightGroups[Redemption], 0, kMustNot, kDestroyed, 0);
  FGObject backdrop = makeDefaultBackdrop(t, 0);
  backdrop.set(fg::Iff, kRebel);
  d.flightGroups.push_back(backdrop);
  setU16(d.header, hdr::NumFGs, static_cast<std::uint16_t>(d.flightGroups.size()));

  d.messages = {
      message(t, "Red Leader: Stay close to the Redemption.", kArrive, Red),
      message(t, "Redemption: TIE fighters inbound!", kArrive, Alpha),
      message(t, "Gold Leader: The corvette is down.", kDestroyed, Tyrant),
  };
  setU16(d.header, hdr::NumMessages, static_cast<std::uint16_t>(d.messages.size()));

  // Team 1 wins when the corvette is destroyed.
  setTrigger(d.globalGoals[0].record.data() + gg::blockOffset(0) + gg::Pair1 + pair::First,
             kDestroyed, kFlightGroup, Tyrant);
  writeBriefing(d);
  return d;
}

} // namespace zephlo
