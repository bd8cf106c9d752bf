// The insert commands of the briefing editor: the instruction each makes,
// which of them open an insert mode on the map page, and the operations
// that put them in (before the selected line, or at the playback clock) as
// one undo step each, telling where they went.
#pragma once

#include "core/briefing/briefing_edits.h"
#include "core/briefing/map_tools.h"

#include <memory>
#include <optional>
#include <string>

namespace zephlo {

// The insert modes of the map page: the new instruction is placed with the
// insert group's controls (and clicks on the map) until "Done".
enum class InsertMode { None, Zoom, MoveMap, Text, Tag, Icon, Region };
// The mode an insert command opens on the map page; None: it goes in at once.
InsertMode insertModeOf(std::uint16_t code);
// Whether a running playback goes on after an insert at once.
bool insertResumesPlayback(std::uint16_t code);
// The undo step's name: "Insert Map Tag", "Insert FG Box" ...
std::string insertStepName(std::uint16_t code);

// The instruction an insert command makes: the defaults, the next icon
// number for "New Icon", the selected icon for "Move Icon" and "Rotate Icon".
TCommandObject insertCommandItem(std::uint16_t code, const InstructionList& list, int current,
                                 int selectedIcon, int lastRotation);

// What "Done" of the insert modes stores.
TCommandObject zoomMapInstruction(int zoom);
// The pan of the "Move Map" scroll bars, as map units at the zoom.
TCommandObject moveMapInstruction(int scrollX, int scrollY, int zoom);
TCommandObject mapTagInstruction(int tag, int colour, BriefingMapPoint at);
// The rotation a "Selected Icon:" button chooses for later rotations.
std::optional<int> iconToolRotation(IconTool tool);

// The live previews of the zoom and move modes: the zoom changes around
// the map's target; the pan follows the scroll bars.
void previewZoom(PlaybackState& s, int zoom);
void previewPan(PlaybackState& s, int scrollX, int scrollY);

// An insert as an operation, and what it tells once applied.
struct InstructionInsert {
  Operation op;
  PositionOut where = std::make_shared<int>(-1); // the new instruction
  PositionOut also = std::make_shared<int>(-1);  // a second one made with it, or -1
  std::shared_ptr<std::string> warning = std::make_shared<std::string>(); // all slots in use
};

// Before the selected line with its time; a box or tag takes a free slot.
InstructionInsert insertOnListPageStep(TCommandObject item, int selected);
// At the clock, after `current` and the instructions of the same time; a
// box or tag takes a free slot, a briefing text after the start gets its
// page break.
InstructionInsert insertAtClockStep(TCommandObject item, int current, int time);
// An insert command that goes in at once on the map page, at the clock:
// "Show Ship data" as its on and off pair, "Move Icon" to where the selected
// icon stands, the others as insertCommandItem makes them.
InstructionInsert insertOnMapStep(std::uint16_t code, const BriefingPlayback& pb, int selectedIcon,
                                  int lastRotation);
// "Done" of "Map Icon:": the next icon and its move to the clicked point.
InstructionInsert insertNewIconStep(int craftType, int iff, BriefingMapPoint at, int current,
                                    int time);
// The first step of a drag of an icon that no "Move Icon" placed: one to
// the point at the clock. Later steps of the drag (dragBriefingPoint with
// the same dragId) join its undo step.
InstructionInsert dragInsertMoveStep(int icon, BriefingMapPoint to, int current, int time,
                                     int dragId);
// "Show Info for Selected Icon": on now, off 120 ticks later.
InstructionInsert insertShowInfoStep(int icon, int current, int time);

} // namespace zephlo
