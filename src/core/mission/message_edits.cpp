#include "core/mission/message_edits.h"

#include "core/gamedata/time_texts.h"
#include "core/mission/store_values.h"

#include <algorithm>

namespace zephlo {

namespace {

constexpr int kSentToTeams = 8;

bool hasMarker(std::string_view text) {
  return !text.empty() && (text[0] == '1' || text[0] == '2' || text[0] == '3');
}

} // namespace

std::string messageTextShown(const MsgObject& m) {
  const std::string t = m.text();
  return hasMarker(t) ? t.substr(1) : t;
}

Operation storeMessageText(std::string_view shown, const EditorState& st) {
  const int cur = st.currentMsg;
  return editMessages("Change Message Text", mergeKeyFor("MsgtextEd", {cur}), {cur},
                      [s = std::string(shown)](MsgObject& m, Edit&) {
                        const std::string old = m.text();
                        m.setText(hasMarker(old) ? old.substr(0, 1) + s : s);
                      });
}

Operation storeMessageColour(int colour, const EditorState& st) {
  const std::vector<int> sel = msgSelection(st);
  const Byte c = clampByte(colour);
  return editMessages("Change Message Colour", mergeKeyFor("MsgColorBox", sel), sel,
                      [c](MsgObject& m, Edit&) { m.record[msg::Colour] = c; });
}

Operation storeMessageDelay(int delay, const EditorState& st) {
  const std::vector<int> sel = msgSelection(st);
  const Byte d = clampByte(delay);
  return editMessages("Change Message Delay", mergeKeyFor("MsgDelaySpin", sel), sel,
                      [d](MsgObject& m, Edit&) { m.record[msg::Delay] = d; });
}

std::string messageDelayLabel(int delay) {
  return "Delay:  " + secondsText(orderTimeCode(std::clamp(delay, 0, 255)));
}

Operation storeSentTo(const std::vector<int>& teamRows, const std::vector<int>& shown,
                      const EditorState& st) {
  const std::vector<int> sel = msgSelection(st);
  return editMessages("Change Message Teams", mergeKeyFor("SeenByList", sel), sel,
                      [teamRows, shown](MsgObject& m, Edit&) {
                        std::array<Byte, kSentToTeams> flags{};
                        for (int r : chosenRows(sentToRows(m), teamRows, shown))
                          if (r >= 0 && r < kSentToTeams) flags[static_cast<std::size_t>(r)] = 1;
                        std::copy(flags.begin(), flags.end(), m.record.begin() + msg::SentTo);
                        m.computeSentToAny();
                      });
}

std::vector<int> sentToRows(const MsgObject& m) {
  std::vector<int> rows;
  for (int t = 0; t < kSentToTeams; ++t) {
    if (m.record[msg::SentTo + static_cast<std::size_t>(t)] == 1) rows.push_back(t);
  }
  return rows;
}

Operation storeMessageId(std::string_view id, const EditorState& st) {
  const std::vector<int> sel = msgSelection(st);
  return editMessages(
      "Change Message I.D.", mergeKeyFor("MsgID", sel), sel,
      [s = std::string(id)](MsgObject& m, Edit&) { setText(m.record, msg::Id, msg::IdSize, s); });
}

Operation storeMessageHidden(std::string_view text, const EditorState& st) {
  const std::vector<int> sel = msgSelection(st);
  const Byte v = clampByte(parseNumber(text).value_or(0));
  return editMessages("Change Message", mergeKeyFor("MsgUnk3", sel), sel,
                      [v](MsgObject& m, Edit&) { m.record[msg::Unknown] = v; });
}

Operation storeCancelAnd(bool andChosen, const EditorState& st) {
  const std::vector<int> sel = msgSelection(st);
  return editMessages(
      "Change Cancel And/Or", mergeKeyFor("and5And", sel), sel,
      [andChosen](MsgObject& m, Edit&) { m.record[msg::CancelAnd] = andChosen ? 1 : 0; });
}

bool cancelIsAnd(const MsgObject& m) { return m.record[msg::CancelAnd] == 1; }

} // namespace zephlo
