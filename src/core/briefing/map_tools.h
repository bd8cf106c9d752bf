// What the mouse and the tool buttons on the briefing map do, apart from
// the widgets: where a pixel lies on the map, which icon or tag a click
// hits, where a drag puts it, and the arrow moves that animate an icon.
#pragma once

#include "core/briefing/briefing_edits.h"
#include "core/briefing/playback.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zephlo {

struct BriefingMapPoint {
  int x = 0, y = 0;
  bool operator==(const BriefingMapPoint&) const = default;
};

// Pixel of a map point in a map area of the given size, and back.
BriefingMapPoint briefingToScreen(const PlaybackState& s, int width, int height,
                                  BriefingMapPoint map);
BriefingMapPoint screenToBriefing(const PlaybackState& s, int width, int height,
                                  BriefingMapPoint pixel);

// The first icon (0 up to one past the icons created, at most 50) within
// 4500 / zoom map units across and 3000 / zoom down of the point; -1 if none.
int hitBriefingIcon(const PlaybackState& s, BriefingMapPoint map);
// The highest shown tag slot (0..7) near the point 20 pixels left of the
// click, by the same distances; -1 if none.
int hitBriefingTag(const PlaybackState& s, const InstructionList& list, int width, int height,
                   BriefingMapPoint pixel);

struct BriefingDragSettings {
  bool lockX = false, lockY = false;
  int stepX = 1, stepY = 1; // 1, 26, 51 or 128
};
// The new X and Y of a dragged item: the pointer truncated to the snap
// steps, on each axis that is not locked.
BriefingMapPoint briefingDragTo(BriefingMapPoint pointer, BriefingMapPoint old,
                                const BriefingDragSettings& d);

// Why a drag with these settings moves nothing; empty when it can move.
std::string briefingDragHeld(const BriefingDragSettings& d);

// What a press on the map takes hold of: the icon it selects (or -1) and
// the instruction a drag from there edits (or -1). A drag takes the "Move
// Icon" that placed the icon hit, else the "Map Tag" of the tag hit. An
// icon that no "Move Icon" placed gets one at the clock when the drag
// starts (insertMove); a drag that can do nothing says why (refusal).
struct BriefingGrab {
  int icon = -1;
  int instruction = -1;
  bool insertMove = false;
  std::string refusal;
};
BriefingGrab grabOnBriefingMap(const BriefingPlayback& pb, int width, int height,
                               BriefingMapPoint pixel, bool dragging);
// Where a drag of the instruction at `position` puts it for the pointer;
// nothing when it stays where it is.
std::optional<BriefingMapPoint> briefingDragTarget(const InstructionList& list, int position,
                                                   BriefingMapPoint pointer,
                                                   const BriefingDragSettings& d);

// The caption under the map: the briefing text playback shows, if any.
std::string briefingCaption(const PlaybackState& s, const Briefing& b);
// "Icon #3: Red 1", the flight group's name when the icon has one.
std::string selectedIconText(const Document& d, int icon);

// The "Selected Icon:" buttons that insert one instruction for the icon.
enum class IconTool { Rotate0, Rotate90, Rotate180, Rotate270, Mirror, Clear, Box };
// The instruction a button inserts; `boxSlot` (1..8) is used by Box only.
TCommandObject selectedIconInstruction(IconTool tool, int icon, int boxSlot = 1);

// The insert tools on the map put their instruction at the playback time.
// A briefing text after the start gets a page break at the same time
// before it. Returns the position of the text.
int insertTextAtTime(InstructionList& list, int current, int time, TCommandObject text);
// Undoes insertTextAtTime for "Cancel": removes the text at `position` and
// the page break inserted with it, if any.
void cancelTextInsert(InstructionList& list, int position, int time);
// "Done" of the "Map Icon:" tool: a "New Icon" for the next icon number and
// a "Move Icon" to the clicked point, both at the time. Returns the
// position of the "New Icon"; the number is in `icon`.
int insertNewIcon(InstructionList& list, int current, int time, int craftType, int iff,
                  BriefingMapPoint at, int& icon);
// "Done" of the "Move Map" tool: the scroll position in map units.
BriefingMapPoint scrollToMap(int scrollX, int scrollY, int zoom);

// Shows an instruction inserted at the clock at once and makes it current.
void showInserted(BriefingPlayback& pb, InstructionList list, int position);

// An arrow press: a "Move Icon" at the clock (moved to tick 1 from 0).
// Apply `op`, then call afterArrowMove with the list of the document.
struct ArrowEdit {
  Operation op;
  PositionOut where;
  int time = 0;
};
ArrowEdit arrowMove(BriefingPlayback& pb, int icon, ArrowMove move);
// Shows the new instruction at once and moves the clock one tick on, so
// repeated presses make a moving icon.
void afterArrowMove(BriefingPlayback& pb, InstructionList list, const ArrowEdit& edit);

} // namespace zephlo
