// Edits of the "Msg" page: each writes into every selected message (the
// current one when none is selected), except the text, which goes into the
// current message only.
#pragma once

#include "core/mission/edit.h"

#include <string>
#include <string_view>
#include <vector>

namespace zephlo {

// The text as the page shows it: without a leading "1", "2" or "3" marker.
std::string messageTextShown(const MsgObject& m);
// Stores the shown text into the current message, cut to 64 characters.
// A marker the page hides is kept in front of it, so editing never drops it.
Operation storeMessageText(std::string_view shown, const EditorState& st);

Operation storeMessageColour(int colour, const EditorState& st);
// The delay is one byte: values past 255 are held at 255.
Operation storeMessageDelay(int delay, const EditorState& st);
// "Delay:  " and the seconds the delay code means.
std::string messageDelayLabel(int delay);
// The sent-to teams (rows 0-7 of "Sent to Teams:"); every message written
// keeps its sent-to-anyone value in step.
// The teams chosen in "Sent to Teams", into every selected message; shown:
// the teams the list showed chosen (see chosenRows).
Operation storeSentTo(const std::vector<int>& teamRows, const std::vector<int>& shown,
                      const EditorState& st);
std::vector<int> sentToRows(const MsgObject& m);
// The I.D. keeps its first 8 characters.
Operation storeMessageId(std::string_view id, const EditorState& st);
// The hidden number: 0 when the text is not a number.
Operation storeMessageHidden(std::string_view text, const EditorState& st);
// Cancel triggers: "And" stores 1, "Or" 0.
Operation storeCancelAnd(bool andChosen, const EditorState& st);
bool cancelIsAnd(const MsgObject& m);

} // namespace zephlo
