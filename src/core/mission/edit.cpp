#include "core/mission/edit.h"

#include "core/mission/change_scope.h"
#include "core/mission/fg_rules.h"

#include <algorithm>
#include <cassert>
#include <numeric>

namespace zephlo {

namespace {

void addIndex(std::vector<int>& v, int i) {
  auto it = std::lower_bound(v.begin(), v.end(), i);
  if (it == v.end() || *it != i) v.insert(it, i);
}

// The point coordinates of a record: the start points, the two further
// points and every order's waypoints. A drag changes only these.
constexpr std::array<std::pair<std::size_t, std::size_t>, 2> kFixedPoints{
    {{fg::StartPoints, fg::StartPoints + 4 * 8}, {fg::FurtherPoint1, fg::FurtherPoint2 + 8}}};

bool isPointByte(std::size_t at) {
  for (const auto& [from, to] : kFixedPoints)
    if (at >= from && at < to) return true;
  constexpr std::size_t kOrderSize = fg::orderOffset(1, 2) - fg::orderOffset(1, 1);
  const std::size_t first = fg::orderOffset(1, 1);
  const std::size_t last = fg::orderOffset(kRegionCount, kOrdersPerRegion) + kOrderSize;
  if (at < first || at >= last) return false;
  const std::size_t inOrder = (at - first) % kOrderSize;
  return inOrder >= ord::Waypoints && inOrder < ord::Waypoints + 8 * 8;
}

unsigned aspectsOf(const FGObject& a, const FGObject& b) {
  unsigned m = 0;
  bool points = false, others = false;
  for (std::size_t k = 0; k < a.record.size() && !(points && others); ++k) {
    if (a.record[k] == b.record[k]) continue;
    (isPointByte(k) ? points : others) = true;
  }
  if (others || a.goalStrings != b.goalStrings) m |= kFGRecord;
  if (points || a.record[fg::Orientation] != b.record[fg::Orientation] ||
      a.record[fg::Heading] != b.record[fg::Heading])
    m |= kFGPosition;
  if (regionSet(a) != regionSet(b)) m |= kFGRegions;
  if (a.autolink != b.autolink || a.briefingPoint != b.briefingPoint) m |= kFGEditorOnly;
  return m;
}

unsigned aspectsOf(const MsgObject&, const MsgObject&) { return 0; }

constexpr unsigned kAllAspects = kFGRecord | kFGPosition | kFGRegions | kFGEditorOnly;

} // namespace

// ---- Change -------------------------------------------------------------

bool Change::empty() const {
  return flightGroups.empty() && messages.empty() && !flightGroupList && !messageList &&
         globalGoals.none() && teams.none() && goalStrings.none() && !header && !briefing &&
         !texts && !teamIff && !voices;
}

void Change::merge(const Change& later) {
  for (int i : later.flightGroups)
    addIndex(flightGroups, i);
  for (int i : later.messages)
    addIndex(messages, i);
  flightGroupList |= later.flightGroupList;
  messageList |= later.messageList;
  fgAspects |= later.fgAspects;
  fgBytes.add(later.fgBytes);
  msgBytes.add(later.msgBytes);
  teamBytes.add(later.teamBytes);
  globalGoals |= later.globalGoals;
  teams |= later.teams;
  goalStrings |= later.goalStrings;
  header |= later.header;
  briefing |= later.briefing;
  texts |= later.texts;
  teamIff |= later.teamIff;
  voices |= later.voices;
}

// ---- ListDelta ------------------------------------------------------------

template <class T> void ListDelta<T>::revert(std::vector<T>& list) const {
  if (!structural) {
    for (const auto& [k, p] : patches)
      applyBytes(bytesOf(list[k]), p, false);
    return;
  }
  std::vector<T> out(beforeSize);
  for (std::size_t k = 0; k < afterSize; ++k) {
    if (origin[k] >= 0) out[static_cast<std::size_t>(origin[k])] = list[k];
  }
  for (const auto& [k, p] : patches)
    applyBytes(bytesOf(out[static_cast<std::size_t>(origin[k])]), p, false);
  for (const auto& [i, rec] : removed)
    out[i] = rec;
  list.swap(out);
}

template <class T> void ListDelta<T>::reapply(std::vector<T>& list) const {
  if (!structural) {
    for (const auto& [k, p] : patches)
      applyBytes(bytesOf(list[k]), p, true);
    return;
  }
  std::vector<T> out;
  out.reserve(afterSize);
  auto next = added.begin();
  for (std::size_t k = 0; k < afterSize; ++k) {
    if (origin[k] >= 0) {
      out.push_back(list[static_cast<std::size_t>(origin[k])]);
    } else {
      out.push_back(next->second);
      ++next;
    }
  }
  for (const auto& [k, p] : patches)
    applyBytes(bytesOf(out[k]), p, true);
  list.swap(out);
}

template <class T> std::size_t ListDelta<T>::memoryUse() const {
  std::size_t n = sizeof(*this) + origin.capacity() * sizeof(std::int32_t) +
                  (removed.capacity() + added.capacity()) * sizeof(std::pair<std::uint32_t, T>);
  for (const auto& [k, p] : patches)
    n += sizeof(k) + p.memoryUse();
  return n;
}

template struct ListDelta<FGObject>;
template struct ListDelta<MsgObject>;

// ---- Delta ------------------------------------------------------------------

bool Delta::empty() const {
  return flightGroups.empty() && messages.empty() && parts.empty() && briefingStrings.empty() &&
         !voicesChanged;
}

void Delta::revert(Document& doc) const {
  flightGroups.revert(doc.flightGroups);
  messages.revert(doc.messages);
  for (const auto& [id, p] : parts)
    applyBytes(partBytes(doc, id), p, false);
  for (const StringPatch& s : briefingStrings)
    (s.tag ? doc.briefing.tags : doc.briefing.texts)[static_cast<std::size_t>(s.index)] = s.before;
  if (voicesChanged) doc.voiceEntries = voicesBefore;
}

void Delta::reapply(Document& doc) const {
  flightGroups.reapply(doc.flightGroups);
  messages.reapply(doc.messages);
  for (const auto& [id, p] : parts)
    applyBytes(partBytes(doc, id), p, true);
  for (const StringPatch& s : briefingStrings)
    (s.tag ? doc.briefing.tags : doc.briefing.texts)[static_cast<std::size_t>(s.index)] = s.after;
  if (voicesChanged) doc.voiceEntries = voicesAfter;
}

std::size_t Delta::memoryUse() const {
  std::size_t n = sizeof(*this) + flightGroups.memoryUse() + messages.memoryUse();
  for (const auto& [id, p] : parts)
    n += sizeof(id) + p.memoryUse();
  for (const StringPatch& s : briefingStrings)
    n += sizeof(s) + s.before.capacity() + s.after.capacity();
  for (const auto& v : {std::cref(voicesBefore), std::cref(voicesAfter)})
    for (const std::string& s : v.get())
      n += sizeof(s) + s.capacity();
  return n;
}

// ---- parts ------------------------------------------------------------------

std::span<Byte> partBytes(Document& doc, PartId id) {
  const auto i = static_cast<std::size_t>(id.index);
  switch (id.kind) {
  case PartKind::Header: return doc.header;
  case PartKind::GlobalGoal: return bytesOf(doc.globalGoals[i]);
  case PartKind::Team: return bytesOf(doc.teams[i]);
  case PartKind::GoalStrings: return bytesOf(doc.globalGoalStrings[i]);
  case PartKind::BriefingBlock: return doc.briefing.block;
  case PartKind::Notes: return doc.notes;
  case PartKind::WinDebrief: return doc.winDebrief;
  case PartKind::Hints: return doc.hints;
  case PartKind::Description: return doc.description;
  case PartKind::Optional: return bytesOf(doc.optional[i]);
  case PartKind::TeamIff: return doc.teamIff;
  }
  return {};
}

namespace {

void notePart(Change& c, PartId id) {
  const auto i = static_cast<std::size_t>(id.index);
  switch (id.kind) {
  case PartKind::Header:
  case PartKind::Optional: c.header = true; break;
  case PartKind::GlobalGoal: c.globalGoals.set(i); break;
  case PartKind::Team: c.teams.set(i); break;
  case PartKind::GoalStrings: c.goalStrings.set(i); break;
  case PartKind::BriefingBlock: c.briefing = true; break;
  case PartKind::Notes:
  case PartKind::WinDebrief:
  case PartKind::Hints:
  case PartKind::Description: c.texts = true; break;
  case PartKind::TeamIff: c.teamIff = true; break;
  }
}

} // namespace

// ---- Edit -------------------------------------------------------------------

template <class T> struct Edit::ListTrack {
  explicit ListTrack(std::vector<T>& l) : list(l), beforeSize(l.size()) {}

  std::vector<T>& list;
  std::size_t beforeSize;
  bool structural = false;
  std::vector<std::int32_t> origin; // filled once the first structural change happens
  std::map<std::int32_t, T> before; // by index before the edit

  std::int32_t originOf(std::size_t k) const {
    return structural ? origin[k] : static_cast<std::int32_t>(k);
  }
  void makeStructural() {
    if (structural) return;
    origin.resize(list.size());
    std::iota(origin.begin(), origin.end(), 0);
    structural = true;
  }
  T& touch(int i) {
    const auto k = static_cast<std::size_t>(i);
    assert(k < list.size());
    const std::int32_t o = originOf(k);
    if (o >= 0 && before.find(o) == before.end()) before.emplace(o, list[k]);
    return list[k];
  }
  void insert(int i, T v) {
    makeStructural();
    list.insert(list.begin() + i, std::move(v));
    origin.insert(origin.begin() + i, -1);
  }
  void erase(int i) {
    touch(i);
    makeStructural();
    list.erase(list.begin() + i);
    origin.erase(origin.begin() + i);
  }
  void swap(int i, int j) {
    makeStructural();
    std::swap(list[static_cast<std::size_t>(i)], list[static_cast<std::size_t>(j)]);
    std::swap(origin[static_cast<std::size_t>(i)], origin[static_cast<std::size_t>(j)]);
  }

  bool identity() const {
    if (list.size() != beforeSize) return false;
    for (std::size_t k = 0; k < origin.size(); ++k)
      if (origin[k] != static_cast<std::int32_t>(k)) return false;
    return true;
  }

  ListDelta<T> finish(std::vector<int>& changed, unsigned& aspects, ByteSpans& bytes) {
    ListDelta<T> d;
    d.beforeSize = beforeSize;
    d.afterSize = list.size();
    auto patchOf = [&](const T& was, std::size_t k) {
      if (was == list[k]) return;
      if (auto p = diffBytes(bytesOf(was), bytesOf(list[k]))) {
        d.patches.emplace_back(static_cast<std::uint32_t>(k), std::move(*p));
        addIndex(changed, static_cast<int>(k));
        aspects |= aspectsOf(was, list[k]);
        bytes.add(changedBytes(was, list[k]));
      }
    };
    if (!structural || identity()) {
      for (const auto& [o, was] : before)
        patchOf(was, static_cast<std::size_t>(o));
      return d;
    }
    d.structural = true;
    d.origin = origin;
    std::vector<bool> kept(beforeSize, false);
    for (std::size_t k = 0; k < list.size(); ++k) {
      const std::int32_t o = origin[k];
      if (o < 0) {
        d.added.emplace_back(static_cast<std::uint32_t>(k), list[k]);
        addIndex(changed, static_cast<int>(k));
        aspects |= kAllAspects;
        bytes.add(wholeRecord(list[k]));
        continue;
      }
      kept[static_cast<std::size_t>(o)] = true;
      if (auto it = before.find(o); it != before.end()) patchOf(it->second, k);
    }
    for (const auto& [o, was] : before) {
      if (!kept[static_cast<std::size_t>(o)])
        d.removed.emplace_back(static_cast<std::uint32_t>(o), was);
    }
    return d;
  }
};

Edit::Edit(Document& doc, EditorState& state)
    : doc_(doc), state_(state), stateBefore_(state),
      fgs_(std::make_unique<ListTrack<FGObject>>(doc.flightGroups)),
      msgs_(std::make_unique<ListTrack<MsgObject>>(doc.messages)) {}

Edit::~Edit() {
  if (!finished_) rollback();
}

FGObject& Edit::flightGroup(int i) { return fgs_->touch(i); }
MsgObject& Edit::message(int i) { return msgs_->touch(i); }
void Edit::appendFlightGroup(FGObject f) {
  fgs_->insert(static_cast<int>(doc_.flightGroups.size()), std::move(f));
}
void Edit::insertFlightGroup(int i, FGObject f) { fgs_->insert(i, std::move(f)); }
void Edit::eraseFlightGroup(int i) { fgs_->erase(i); }
void Edit::swapFlightGroups(int i, int j) { fgs_->swap(i, j); }
void Edit::appendMessage(MsgObject m) {
  msgs_->insert(static_cast<int>(doc_.messages.size()), std::move(m));
}
void Edit::eraseMessage(int i) { msgs_->erase(i); }
void Edit::swapMessages(int i, int j) { msgs_->swap(i, j); }

std::span<Byte> Edit::touchPart(PartId id) {
  std::span<Byte> b = partBytes(doc_, id);
  if (partsBefore_.find(id) == partsBefore_.end())
    partsBefore_.emplace(id, std::vector<Byte>(b.begin(), b.end()));
  return b;
}

Block<size::header>& Edit::header() {
  touchPart({PartKind::Header});
  return doc_.header;
}
GGObject& Edit::globalGoal(int t) {
  touchPart({PartKind::GlobalGoal, t});
  return doc_.globalGoals[static_cast<std::size_t>(t)];
}
TeamDetailObject& Edit::team(int t) {
  touchPart({PartKind::Team, t});
  return doc_.teams[static_cast<std::size_t>(t)];
}
GGStrObject& Edit::globalGoalStrings(int t) {
  touchPart({PartKind::GoalStrings, t});
  return doc_.globalGoalStrings[static_cast<std::size_t>(t)];
}
OptionalSection& Edit::optional(int k) {
  touchPart({PartKind::Optional, k});
  return doc_.optional[static_cast<std::size_t>(k)];
}
Block<size::textSection>& Edit::notes() {
  touchPart({PartKind::Notes});
  return doc_.notes;
}
Block<size::textSection>& Edit::winDebrief() {
  touchPart({PartKind::WinDebrief});
  return doc_.winDebrief;
}
Block<size::textSection>& Edit::hints() {
  touchPart({PartKind::Hints});
  return doc_.hints;
}
Block<size::textSection>& Edit::description() {
  touchPart({PartKind::Description});
  return doc_.description;
}
std::array<Byte, kTeamCount>& Edit::teamIff() {
  touchPart({PartKind::TeamIff});
  return doc_.teamIff;
}
Briefing& Edit::briefing() {
  touchPart({PartKind::BriefingBlock});
  if (!briefingTouched_) {
    tagsBefore_ = doc_.briefing.tags;
    textsBefore_ = doc_.briefing.texts;
    briefingTouched_ = true;
  }
  return doc_.briefing;
}
std::vector<std::string>& Edit::voices() {
  if (!voicesTouched_) {
    voicesBefore_ = doc_.voiceEntries;
    voicesTouched_ = true;
  }
  return doc_.voiceEntries;
}

Delta Edit::finish(Change& change) {
  assert(!finished_);
  finished_ = true;
  Delta d;
  change = Change{};
  d.flightGroups = fgs_->finish(change.flightGroups, change.fgAspects, change.fgBytes);
  unsigned messageAspects = 0; // messages have no aspects of their own
  d.messages = msgs_->finish(change.messages, messageAspects, change.msgBytes);
  change.flightGroupList = d.flightGroups.structural;
  change.messageList = d.messages.structural;
  for (const auto& [id, was] : partsBefore_) {
    if (auto p = diffBytes(was, partBytes(doc_, id))) {
      if (id.kind == PartKind::Team) change.teamBytes.add(ByteSpan::of(p->offset, p->after.size()));
      d.parts.emplace_back(id, std::move(*p));
      notePart(change, id);
    }
  }
  if (briefingTouched_) {
    for (int i = 0; i < size::briefingStrings; ++i) {
      const auto k = static_cast<std::size_t>(i);
      if (tagsBefore_[k] != doc_.briefing.tags[k])
        d.briefingStrings.push_back({true, i, tagsBefore_[k], doc_.briefing.tags[k]});
      if (textsBefore_[k] != doc_.briefing.texts[k])
        d.briefingStrings.push_back({false, i, textsBefore_[k], doc_.briefing.texts[k]});
    }
    if (!d.briefingStrings.empty()) change.briefing = true;
  }
  if (voicesTouched_ && voicesBefore_ != doc_.voiceEntries) {
    d.voicesChanged = true;
    d.voicesBefore = std::move(voicesBefore_);
    d.voicesAfter = doc_.voiceEntries;
  }
  change.voices = d.voicesChanged || voicesMarked_;
  return d;
}

void Edit::rollback() {
  Change ignored;
  Delta d = finish(ignored);
  d.revert(doc_);
  state_ = stateBefore_;
}

// ---- operations -----------------------------------------------------------

Result<Applied> applyOperation(Document& doc, EditorState& state, const Operation& op) {
  Applied a;
  a.before = state;
  Status s;
  {
    Edit e(doc, state);
    s = op.run(e);
    if (s.ok()) a.delta = e.finish(a.change);
    // Otherwise the Edit puts the document back as it goes.
  }
  if (!s.ok()) {
    state = a.before;
    return s.error();
  }
  a.after = state;
  return a;
}

Operation editFlightGroups(std::string name, std::string mergeKey, std::vector<int> indexes,
                           std::function<void(FGObject&, Edit&)> fn) {
  return {std::move(name), std::move(mergeKey),
          [indexes = std::move(indexes), fn = std::move(fn)](Edit& e) -> Status {
            const int n = static_cast<int>(e.doc().flightGroups.size());
            for (int i : indexes) {
              if (i >= 0 && i < n) fn(e.flightGroup(i), e);
            }
            return {};
          }};
}

Operation editMessages(std::string name, std::string mergeKey, std::vector<int> indexes,
                       std::function<void(MsgObject&, Edit&)> fn) {
  return {std::move(name), std::move(mergeKey),
          [indexes = std::move(indexes), fn = std::move(fn)](Edit& e) -> Status {
            const int n = static_cast<int>(e.doc().messages.size());
            for (int i : indexes) {
              if (i >= 0 && i < n) fn(e.message(i), e);
            }
            return {};
          }};
}

std::string mergeKeyFor(const std::string& control, const std::vector<int>& indexes) {
  std::string key = control + ":";
  for (int i : indexes)
    key += std::to_string(i) + ",";
  return key;
}

} // namespace zephlo
