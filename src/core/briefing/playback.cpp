#include "core/briefing/playback.h"

#include <algorithm>
#include <cmath>

namespace zephlo {

int briefingRound(double v) { return static_cast<int>(std::nearbyint(v)); }

int briefingPixel(int mapUnits, int zoom) {
  return briefingRound(mapUnits * static_cast<double>(zoom) / 223.0);
}

int briefingMapUnits(int pixelFromOrigin, int zoom) {
  const int z = zoom == 0 ? 4 : zoom;
  return briefingRound(pixelFromOrigin / static_cast<double>(z) * 223.0);
}

namespace {

constexpr std::uint16_t kPageBreak = 3;
constexpr std::uint16_t kText = 5;
constexpr std::uint16_t kMoveMap = 6;
constexpr std::uint16_t kZoomMap = 7;
constexpr std::uint16_t kClearBoxes = 8;
constexpr std::uint16_t kClearTags = 17;
constexpr std::uint16_t kNewIcon = 26;
constexpr std::uint16_t kShipData = 27;
constexpr std::uint16_t kMoveIcon = 28;
constexpr std::uint16_t kRotateIcon = 29;
constexpr std::uint16_t kChangeRegion = 30;

bool validIcon(int n) { return n >= 0 && n < kBriefingIcons; }

} // namespace

void BriefingPlayback::load(const Briefing& briefing) {
  tags_ = briefing.tags;
  runningTime_ = briefing.runningTime();
  playing_ = false;
  transition_ = -1;
  setList(decodeBriefing(briefing));
  rewind();
}

bool BriefingPlayback::take(const Briefing& briefing) {
  tags_ = briefing.tags;
  runningTime_ = briefing.runningTime();
  std::vector<TCommandObject> list = decodeBriefing(briefing);
  if (list == list_) return false;
  setList(std::move(list));
  return true;
}

void BriefingPlayback::setList(std::vector<TCommandObject> list) {
  list_ = std::move(list);
  snapshots_.assign(list_.size(), std::nullopt);
  next_ = std::clamp(next_, 0, static_cast<int>(list_.size()));
}

bool BriefingPlayback::isEnd(int position) const {
  return list_[static_cast<std::size_t>(position)].Command == brf::EndCode;
}

void BriefingPlayback::rewind() {
  // An end marker reached while rewinding must not rewind again.
  if (rewindDepth_ > 0) return;
  ++rewindDepth_;
  state_ = PlaybackState{};
  time_ = 0;
  next_ = 0;
  transition_ = -1;
  const int n = static_cast<int>(list_.size());
  if (playing_) {
    runDue();
  } else {
    // The opening picture: zooms at time 0 first, so the moves that follow
    // land where the opening zoom puts them.
    for (int pass = 0; pass < 2; ++pass) {
      for (int i = 0; i < n; ++i) {
        const TCommandObject& c = list_[static_cast<std::size_t>(i)];
        if (instructionTime(c) != 0 || isEnd(i) || (c.Command == kZoomMap) != (pass == 0)) continue;
        execute(i);
      }
    }
    while (next_ < n && instructionTime(list_[static_cast<std::size_t>(next_)]) == 0 &&
           !isEnd(next_))
      ++next_;
    // Every time-0 instruction stands for the whole opening picture.
    for (int i = 0; i < next_; ++i)
      snapshots_[static_cast<std::size_t>(i)] = state_;
  }
  --rewindDepth_;
}

void BriefingPlayback::runDue() {
  const int n = static_cast<int>(list_.size());
  bool first = true;
  while (next_ < n) {
    const int t = instructionTime(list_[static_cast<std::size_t>(next_)]);
    if (first ? t > time_ : t != time_) break;
    first = false;
    const int pos = next_++;
    time_ = t;
    const bool end = isEnd(pos);
    execute(pos);
    if (end) break;
  }
}

void BriefingPlayback::execute(int pos) {
  const TCommandObject c = list_[static_cast<std::size_t>(pos)];
  PlaybackState& s = state_;
  const std::uint16_t code = c.Command;
  if (code == kPageBreak) {
    if (pauseAtPageBreaks_ && playing_) pause();
  } else if (code == kText) {
    s.text = c.Index;
  } else if (code == kMoveMap) {
    s.targetX = -c.X;
    s.targetY = -c.Y;
    s.pixelTargetX = briefingPixel(s.targetX, s.zoom);
    s.pixelTargetY = briefingPixel(s.targetY, s.zoom);
    if (instructionTime(c) == 0) {
      s.xoff = s.pixelTargetX;
      s.yoff = s.pixelTargetY;
      s.panRight = s.panLeft = s.panDown = s.panUp = false;
    } else {
      s.panRight = s.pixelTargetX > s.xoff;
      s.panLeft = s.pixelTargetX < s.xoff;
      s.panDown = s.pixelTargetY > s.yoff;
      s.panUp = s.pixelTargetY < s.yoff;
    }
  } else if (code == kZoomMap) {
    if (instructionTime(c) == 0) {
      s.zoom = s.targetZoom = c.X;
      s.zoomIn = s.zoomOut = false;
    } else {
      s.targetZoom = c.X;
      s.zoomIn = s.targetZoom > s.zoom;
      s.zoomOut = s.targetZoom < s.zoom;
    }
  } else if (code == kClearBoxes) {
    s.boxes = {};
  } else if (code > kClearBoxes && code < kClearTags) {
    s.boxes[code - 9u] = {c.Index, 7};
  } else if (code == kClearTags) {
    s.tags = {};
  } else if (code > kClearTags && code < kNewIcon) {
    s.tags[code - 18u] = {pos, 0};
  } else if (code == kNewIcon && validIcon(c.Index)) {
    BriefingIcon& icon = s.icons[c.Index];
    icon.craftType = static_cast<std::uint8_t>(c.CraftType);
    icon.iff = static_cast<std::uint8_t>(c.Color);
    icon.x = icon.y = 0;
    icon.shown = c.CraftType != 0;
    ++s.iconCount;
  } else if (code == kShipData && validIcon(c.InfoIcon)) {
    s.info = c.Index == 1;
    s.infoCraft = s.icons[c.InfoIcon].craftType;
  } else if (code == kMoveIcon && validIcon(c.Index)) {
    s.icons[c.Index].x = c.X;
    s.icons[c.Index].y = c.Y;
    s.icons[c.Index].lastMove = pos;
  } else if (code == kRotateIcon && validIcon(c.Index)) {
    s.icons[c.Index].rotation = static_cast<std::uint8_t>(c.Rotation);
    s.icons[c.Index].shown = true;
  } else if (code == kChangeRegion) {
    const bool wasPlaying = playing_;
    s.tags = {};
    s.boxes = {};
    if (time_ != 0) {
      s.icons = {};
      s.iconCount = 0;
    }
    playing_ = false;
    s.regionScreen = c.Index;
    if (wasPlaying) {
      transition_ = 0;
      resumeAfterTransition_ = true;
    }
  } else if (code == brf::EndCode) {
    rewind();
    return;
  }
  snapshots_[static_cast<std::size_t>(pos)] = state_;
}

void BriefingPlayback::executeAt(int position) {
  if (position < 0 || position >= static_cast<int>(list_.size()) || isEnd(position)) return;
  next_ = position + 1;
  execute(position);
}

bool BriefingPlayback::animate() {
  PlaybackState& s = state_;
  bool changed = false;
  auto zoomStep = [](int distance) { return distance >= 9 ? 7 : distance >= 4 ? 2 : 1; };
  const bool zooming = s.zoomIn || s.zoomOut;
  if (s.zoomIn) {
    s.zoom += zoomStep(s.targetZoom - s.zoom);
    if (s.zoom >= s.targetZoom) s.zoomIn = false;
  } else if (s.zoomOut) {
    s.zoom -= zoomStep(s.zoom - s.targetZoom);
    if (s.zoom <= s.targetZoom) s.zoomOut = false;
  }
  if (zooming) {
    // Keep the map centred on its target while the scale changes.
    s.pixelTargetX = s.xoff = briefingPixel(s.targetX, s.zoom);
    s.pixelTargetY = s.yoff = briefingPixel(s.targetY, s.zoom);
    changed = true;
  }
  auto pan = [&changed](bool& flag, int& offset, int target, int sign) {
    if (!flag) return;
    const int distance = (target - offset) * sign;
    offset += sign * (distance >= 19 ? 14 : 4);
    // A short last step may overshoot; the map still ends on its target.
    if ((target - offset) * sign <= 0) {
      offset = target;
      flag = false;
    }
    changed = true;
  };
  pan(s.panRight, s.xoff, s.pixelTargetX, 1);
  pan(s.panLeft, s.xoff, s.pixelTargetX, -1);
  pan(s.panDown, s.yoff, s.pixelTargetY, 1);
  pan(s.panUp, s.yoff, s.pixelTargetY, -1);
  for (BriefingBox& b : s.boxes) {
    if (b.growth > 0) {
      --b.growth;
      changed = true;
    }
  }
  for (BriefingTag& t : s.tags) {
    if (t.instruction < 0 || t.instruction >= static_cast<int>(list_.size())) continue;
    const std::size_t tag = list_[static_cast<std::size_t>(t.instruction)].Index;
    const int length = tag < tags_.size() ? static_cast<int>(tags_[tag].size()) : 0;
    if (t.shownLength < length) {
      t.shownLength = std::min(length, t.shownLength + 3);
      changed = true;
    }
  }
  return changed;
}

bool BriefingPlayback::tick() {
  if (inTransition()) return false;
  ++time_;
  bool changed = animate();
  if (time_ > runningTime_) {
    rewind();
    return true;
  }
  // Outside a transition the region's name stays up for one tick only.
  if (state_.regionScreen >= 0) {
    state_.regionScreen = -1;
    changed = true;
  }
  if (next_ < static_cast<int>(list_.size()) &&
      instructionTime(list_[static_cast<std::size_t>(next_)]) <= time_) {
    runDue();
    changed = true;
  }
  return changed;
}

bool BriefingPlayback::transitionTick() {
  if (!inTransition()) return true;
  if (++transition_ >= kTransitionSteps) {
    endTransition();
    return true;
  }
  return false;
}

void BriefingPlayback::endTransition() {
  if (!inTransition()) return;
  transition_ = -1;
  state_.regionScreen = -1;
  if (resumeAfterTransition_) playing_ = true;
  resumeAfterTransition_ = false;
}

void BriefingPlayback::completeAnimations() {
  PlaybackState& s = state_;
  if (s.zoomIn || s.zoomOut) {
    s.zoom = s.targetZoom;
    s.zoomIn = s.zoomOut = false;
    s.pixelTargetX = s.xoff = briefingPixel(s.targetX, s.zoom);
    s.pixelTargetY = s.yoff = briefingPixel(s.targetY, s.zoom);
  }
  if (s.panLeft || s.panRight) s.xoff = s.pixelTargetX;
  if (s.panUp || s.panDown) s.yoff = s.pixelTargetY;
  s.panLeft = s.panRight = s.panUp = s.panDown = false;
  for (BriefingBox& b : s.boxes)
    b.growth = 0;
  for (BriefingTag& t : s.tags) {
    if (t.instruction < 0 || t.instruction >= static_cast<int>(list_.size())) continue;
    const std::size_t tag = list_[static_cast<std::size_t>(t.instruction)].Index;
    t.shownLength = tag < tags_.size() ? static_cast<int>(tags_[tag].size()) : 0;
  }
}

std::optional<std::string> BriefingPlayback::play() {
  if (list_.empty() || (list_.size() == 1 && isEnd(0)))
    return std::string("There are no instruction to playback");
  if (runningTime_ == 0) return std::string("This Brief's running time is set to zero seconds");
  if (inTransition())
    resumeAfterTransition_ = true;
  else
    playing_ = true;
  return std::nullopt;
}

void BriefingPlayback::pause() {
  playing_ = false;
  resumeAfterTransition_ = false;
  PlaybackState& s = state_;
  if (s.zoomIn || s.zoomOut || s.zoom != s.targetZoom) {
    s.zoom = s.targetZoom;
    s.zoomIn = s.zoomOut = false;
    s.pixelTargetX = s.xoff = briefingPixel(s.targetX, s.zoom);
    s.pixelTargetY = s.yoff = briefingPixel(s.targetY, s.zoom);
  }
}

void BriefingPlayback::rewindAndStop() {
  transition_ = -1;
  resumeAfterTransition_ = false;
  state_.info = false;
  pause();
  rewind();
}

std::optional<std::string> BriefingPlayback::rewindAndPlay() {
  if (auto refused = play()) return refused;
  transition_ = -1;
  resumeAfterTransition_ = false;
  playing_ = true;
  rewind();
  return std::nullopt;
}

void BriefingPlayback::step() {
  pause();
  tick();
}

// The last instruction before the end marker is executed and stays on
// screen; rewinding at once would take its picture away before it was ever
// drawn, so the designer could never step to the briefing's last picture.
// The next press runs the end marker, which rewinds.
void BriefingPlayback::nextInstruction() {
  const bool wasPlaying = playing_ || resumeAfterTransition_;
  transition_ = -1;
  resumeAfterTransition_ = false;
  pause();
  state_.regionScreen = -1;
  const int n = static_cast<int>(list_.size());
  if (next_ >= n) {
    rewind();
  } else {
    const int pos = next_++;
    time_ = instructionTime(list_[static_cast<std::size_t>(pos)]);
    const bool end = isEnd(pos);
    execute(pos);
    if (!end && !wasPlaying) {
      completeAnimations();
      snapshots_[static_cast<std::size_t>(pos)] = state_;
    }
  }
  if (wasPlaying) playing_ = true;
}

void BriefingPlayback::restore(int pos) {
  const auto& snap = snapshots_[static_cast<std::size_t>(pos)];
  if (snap) {
    state_ = *snap;
    state_.regionScreen = -1;
    time_ = instructionTime(list_[static_cast<std::size_t>(pos)]);
    next_ = pos + 1;
    return;
  }
  // The list changed since this instruction last ran: replay up to it.
  const bool wasPlaying = playing_;
  playing_ = false;
  rewind();
  while (next_ <= pos && !isEnd(next_)) {
    const int i = next_++;
    time_ = instructionTime(list_[static_cast<std::size_t>(i)]);
    execute(i);
    completeAnimations();
  }
  state_.regionScreen = -1;
  playing_ = wasPlaying;
}

void BriefingPlayback::previousInstruction() {
  const int target = next_ - 2;
  if (target < 0 || next_ > static_cast<int>(list_.size())) {
    rewind();
    return;
  }
  if (instructionTime(list_[static_cast<std::size_t>(target)]) == 0 && !playing_) {
    rewind();
    return;
  }
  restore(target);
}

void BriefingPlayback::nextPage() {
  const bool wasPlaying = playing_;
  transition_ = -1;
  resumeAfterTransition_ = false;
  pause();
  const int n = static_cast<int>(list_.size());
  for (;;) {
    if (next_ >= n || isEnd(next_)) {
      rewind();
      break;
    }
    const int pos = next_++;
    time_ = instructionTime(list_[static_cast<std::size_t>(pos)]);
    execute(pos);
    if (list_[static_cast<std::size_t>(pos)].Command == kPageBreak) break;
  }
  if (!wasPlaying) completeAnimations();
  state_.regionScreen = -1;
  if (wasPlaying) playing_ = true;
}

void BriefingPlayback::seek(int ticks) {
  pause();
  transition_ = -1;
  const int target = std::clamp(ticks, 0, runningTime_);
  if (target == 0) {
    rewind();
    return;
  }
  if (target < time_) {
    int p = -1;
    for (int i = std::min(next_, static_cast<int>(list_.size())) - 1; i >= 0; --i) {
      if (instructionTime(list_[static_cast<std::size_t>(i)]) < target) {
        p = i;
        break;
      }
    }
    if (p >= 0 && snapshots_[static_cast<std::size_t>(p)])
      restore(p);
    else
      rewind();
  }
  while (time_ < target) {
    tick();
    if (time_ == 0) break; // ran past the running time
  }
}

} // namespace zephlo
