// Every change of the briefing as an operation on the edit path, so each
// one can be undone. The instruction list is decoded from the block, edited
// and encoded back; a list that no longer fits is refused.
#pragma once

#include "core/briefing/instruction_list.h"
#include "core/mission/edit.h"

#include <functional>
#include <memory>
#include <string>

namespace zephlo {

// Runs fn on the decoded list, sorts it by time and encodes it back.
// fn may fail to refuse the edit.
Operation editBriefingList(std::string name, std::string mergeKey,
                           std::function<Status(InstructionList&)> fn);
// Replaces the whole list (an edit made on a copy).
Operation setBriefingList(std::string name, std::string mergeKey, InstructionList list);

// The position a list edit leaves selected, filled in when it runs.
using PositionOut = std::shared_ptr<int>;

Operation insertInstructionOnListPage(int selected, TCommandObject item, PositionOut where);
Operation insertInstructionAtTime(int current, int time, TCommandObject item, PositionOut where);
Operation deleteBriefingInstruction(int position);
Operation moveBriefingInstruction(int position, bool up, PositionOut where);
// Writes one instruction's fields (time, code, parameters) and re-sorts.
// `name` says what changed; consecutive edits of one control (`control`)
// on one instruction form one undo step.
Operation changeBriefingInstruction(int position, TCommandObject item, PositionOut where,
                                    std::string name = "Change Instruction",
                                    const std::string& control = {});

// A drag on the map: the instruction's X and Y become the given point.
// Consecutive moves of one drag merge into one undo step.
Operation dragBriefingPoint(int position, int x, int y, int dragId);
// The merge key of the steps of one drag.
std::string briefingDragKey(int dragId);

Operation setBriefingString(bool tag, int index, std::string text);
Operation setBriefingRunningTime(int ticks);
Operation setBriefingSeenBy(int team, bool seen);
Operation setBriefingSpareWord(int which, std::uint16_t value); // 1..3

// The repair of a stream whose length cannot be real, run when the editor
// opens; `repaired` tells whether to show the notice.
Operation repairBriefingOperation(std::shared_ptr<bool> repaired);

// "Set all to Start 1": every flight group's briefing point becomes its
// first start point.
Operation setBriefingPointsToStart1();

} // namespace zephlo
