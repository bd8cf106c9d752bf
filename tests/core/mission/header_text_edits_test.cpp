#include "core/mission/header_edits.h"
#include "core/mission/new_mission.h"
#include "core/mission/text_edits.h"
#include "support/apply_checked.h"

#include <gtest/gtest.h>

#include <string>

using namespace zephlo;
using zephlo::testing::applyChecked;

namespace {

Applied apply(Document& d, const Operation& op) { return applyChecked(d, op); }

// A refused edit changes nothing.
bool refused(Document& d, const Operation& op) {
  const Document before = d;
  EditorState st;
  return !applyOperation(d, st, op).ok() && d == before;
}

} // namespace

TEST(HeaderEdits, OkWithoutEditsChangesNoByte) {
  Document d = newMission(MissionPrefs{});
  // Blanks around a name and bytes behind its terminator, as other tools leave them.
  setText(d.header, 98 + 132, 132, "  Deep Space ");
  d.header[98 + 132 + 20] = 'x';
  d.header[6] = 2;
  d.optional[1].flag = 7;

  const HeaderValues shown = headerValues(d);
  EXPECT_EQ(shown.regionNames[1], "Deep Space");
  EXPECT_EQ(shown.regionNames[0], "Region 1");
  const Document before = d;
  auto r = apply(d, changeHeaderOperation(shown));
  EXPECT_TRUE(r.delta.empty());
  EXPECT_EQ(d, before);
}

TEST(HeaderEdits, StoresEditedFieldsCutToTheirWidth) {
  Document d = newMission(MissionPrefs{});
  HeaderValues v = headerValues(d);
  v.regionNames[3] = std::string(140, 'r');
  v.headerStrings[0] = "A header string longer than twenty";
  v.strings16[2] = "cargo";
  v.missionType = 7;
  v.use[2] = 1;
  v.values[2] = 42;
  auto r = apply(d, changeHeaderOperation(v));
  EXPECT_TRUE(r.change.header);
  EXPECT_EQ(getText(d.header, 98 + 3 * 132, 132), std::string(132, 'r'));
  EXPECT_EQ(getText(d.header, 18, 20), "A header string long");
  EXPECT_EQ(d.header[18 + 20], 0); // the next string is untouched
  EXPECT_EQ(getText(d.header, 626 + 2 * 140, 64), "cargo");
  EXPECT_EQ(d.header[9130], 7);
  EXPECT_EQ(d.optional[2].flag, 1);
  EXPECT_EQ(d.optional[2].value, 42);

  r.delta.revert(d);
  EXPECT_EQ(d, newMission(MissionPrefs{}));
}

TEST(HeaderEdits, TableBytesAreWrittenAtOnce) {
  Document d = newMission(MissionPrefs{});
  auto r = apply(d, headerTableByteOperation(15, 9, 200));
  EXPECT_EQ(d.header[626 + 15 * 140 + 72], 200);
  EXPECT_EQ(headerTableByte(d, 15, 9), 200);
  EXPECT_TRUE(refused(d, headerTableByteOperation(16, 5, 1)));
  EXPECT_TRUE(refused(d, headerTableByteOperation(0, 6, 1)));

  EXPECT_EQ(*byteFromText(" 255", "Time"), 255);
  for (const char* bad : {"256", "-1", "", "1x"})
    EXPECT_NE(byteFromText(bad, "Time").error().message.find("Time"), std::string::npos) << bad;
}

TEST(TextEdits, DollarSignsAreLineBreaksBothWays) {
  Block<size::textSection> stored{};
  setText(stored, 0, size::textSection, "Line one$Line two");
  EXPECT_EQ(textForEditor(stored), "Line one\r\nLine two");
  EXPECT_EQ(storedFromEditor("Line one\r\nLine two"), stored);
  EXPECT_EQ(storedFromEditor("Line one\nLine two"), stored); // a Qt editor's line ends

  const Document fresh = newMission(MissionPrefs{});
  EXPECT_EQ(textForEditor(storedText(fresh, TextTab::Description)), "\r\n#");
  EXPECT_EQ(textForEditor(storedText(fresh, TextTab::Hints)), "#");
}

TEST(TextEdits, AFullTextIsShownAndStoredWhole) {
  Block<size::textSection> full;
  full.fill('a');
  full.back() = 0;
  EXPECT_EQ(textForEditor(full).size(), 4095u);
  // Line breaks take two characters on screen; none of the text is lost.
  for (std::size_t i = 0; i < 4095; i += 3)
    full[i] = '$';
  const std::string shown = textForEditor(full);
  EXPECT_EQ(shown.size(), 4095u + 1365u);
  EXPECT_EQ(storedFromEditor(shown), full);
  EXPECT_EQ(storedFromEditor(shown + "x"), full) << "typing past the room keeps nothing more";

  const auto stored = storedFromEditor(std::string(5000, 'b'));
  EXPECT_EQ(getText(stored, 0, size::textSection), std::string(4095, 'b'));
}

TEST(TextEdits, StoringAnUnchangedTextKeepsItsBytes) {
  Document d = newMission(MissionPrefs{});
  setText(d.notes, 0, size::textSection, "Keep");
  d.notes[10] = 'z'; // behind the terminator
  const Document before = d;
  apply(d, storeTextOperation(TextTab::Notes, textForEditor(d.notes)));
  EXPECT_EQ(d, before);

  const Applied edited = apply(d, storeTextOperation(TextTab::WinDebrief, "You won\r\nWell done"));
  EXPECT_TRUE(edited.change.texts);
  EXPECT_EQ(getText(d.winDebrief, 0, size::textSection), "You won$Well done");
}

TEST(HeaderEdits, TicksAndListsKeepBytesTheyCannotShow) {
  EXPECT_EQ(tickedByte(7, true), 7) << "a tick left as it was keeps the byte read";
  EXPECT_EQ(tickedByte(7, false), 0);
  EXPECT_EQ(tickedByte(0, true), 1);
  EXPECT_EQ(tickedByte(0, false), 0);
  EXPECT_EQ(chosenByte(40, -1), 40) << "past the list's end: nothing shown, nothing changed";
  EXPECT_EQ(chosenByte(40, 3), 3);
}
