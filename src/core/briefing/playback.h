// The briefing as the game plays it: a tick clock runs the instruction list
// in time order and each instruction changes the picture's state. A plain
// state machine; the window drives it from its timers and paints its state.
#pragma once

#include "core/briefing/briefing_codec.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zephlo {

inline constexpr int kBriefingIcons = 51;
inline constexpr int kBriefingSlots = 8;
inline constexpr int kRestZoom = 32;
inline constexpr int kTransitionSteps = 30;

struct BriefingIcon {
  std::uint8_t craftType = 0;
  std::uint8_t iff = 0;
  std::int16_t x = 0, y = 0;
  bool shown = false;
  std::uint8_t rotation = 0; // 0, 1 (270), 2 (180), 3 (90), 4 (mirror)
  int lastMove = -1;         // list position of the "Move Icon" that placed it
  bool operator==(const BriefingIcon&) const = default;
};

struct BriefingBox {
  int icon = -1; // none
  int growth = 0;
  bool operator==(const BriefingBox&) const = default;
};

struct BriefingTag {
  int instruction = -1; // the "Map Tag" that set it, or none
  int shownLength = 0;
  bool operator==(const BriefingTag&) const = default;
};

// Everything the picture shows; also what each instruction's snapshot keeps.
struct PlaybackState {
  int xoff = 0, yoff = 0;       // pan offset, pixels
  int targetX = 0, targetY = 0; // map target, map units
  int pixelTargetX = 0, pixelTargetY = 0;
  int zoom = kRestZoom, targetZoom = kRestZoom;
  bool zoomIn = false, zoomOut = false;
  bool panRight = false, panLeft = false, panDown = false, panUp = false;
  std::array<BriefingTag, kBriefingSlots> tags{};
  std::array<BriefingBox, kBriefingSlots> boxes{};
  int text = -1; // current caption's text number
  bool info = false;
  int infoCraft = 0;
  std::array<BriefingIcon, kBriefingIcons> icons{};
  int iconCount = 0;     // "New Icon" instructions met so far
  int regionScreen = -1; // region whose name fills the map, or none

  bool operator==(const PlaybackState&) const = default;
};

// Halves to even, as every rounding of the editor.
int briefingRound(double v);
// Map units to pixels and back at a zoom (pixels per 223 map units).
int briefingPixel(int mapUnits, int zoom);
int briefingMapUnits(int pixelFromOrigin, int zoom);

class BriefingPlayback {
public:
  // Takes the list and the strings and rewinds for editing.
  void load(const Briefing& briefing);
  // Takes an edited list. The state is kept; snapshots of the old list are
  // dropped, so stepping back replays from the start instead.
  void setList(std::vector<TCommandObject> list);
  // Takes an edited briefing: its strings and running time, and its list
  // when that changed (as setList). True when the list changed.
  bool take(const Briefing& briefing);
  void setPauseAtPageBreaks(bool on) { pauseAtPageBreaks_ = on; }

  const std::vector<TCommandObject>& list() const { return list_; }
  const std::array<std::string, 128>& tags() const { return tags_; }
  const PlaybackState& state() const { return state_; }
  PlaybackState& state() { return state_; }
  int time() const { return time_; }
  int runningTime() const { return runningTime_; }
  // Position of the next instruction to run; the one before it is current
  // (-1 before the first has run).
  int next() const { return next_; }
  int current() const { return next_ - 1; }
  bool playing() const { return playing_; }
  bool inTransition() const { return transition_ >= 0; }
  int transitionStep() const { return transition_; }

  void rewind();
  // One tick of the clock; true when the picture changed.
  bool tick();
  // One step of the region transition; true when it has ended.
  bool transitionTick();

  // The VCR controls. play() answers why it refuses, or nothing.
  std::optional<std::string> play();
  void pause();
  void rewindAndStop();
  std::optional<std::string> rewindAndPlay();
  void step();
  void nextInstruction();
  void previousInstruction();
  void nextPage();
  // The time bar: seeks while the clock is stopped.
  void seek(int ticks);

  // Runs an instruction just inserted at the clock and makes it current.
  void executeAt(int position);
  // Puts the clock at a time without running anything (the arrow moves).
  void setTime(int ticks) { time_ = ticks; }
  // Finishes pending zoom and pan, shows tags whole and boxes at rest.
  void completeAnimations();

private:
  void endTransition();
  // Runs one instruction on the state and keeps its snapshot.
  void execute(int position);
  bool animate();
  void runDue();
  void restore(int position);
  static int instructionTime(const TCommandObject& c) { return static_cast<std::uint16_t>(c.Time); }
  bool isEnd(int position) const;

  std::vector<TCommandObject> list_{
      TCommandObject{static_cast<std::int16_t>(brf::EndTime), brf::EndCode}};
  std::vector<std::optional<PlaybackState>> snapshots_{1};
  std::array<std::string, 128> tags_{};
  PlaybackState state_;
  int time_ = 0;
  int next_ = 0;
  int runningTime_ = brf::NewRunningTime;
  bool playing_ = false;
  bool pauseAtPageBreaks_ = false;
  int transition_ = -1;
  bool resumeAfterTransition_ = false;
  int rewindDepth_ = 0;
};

} // namespace zephlo
