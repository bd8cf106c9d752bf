#include "core/briefing/instruction_list.h"
#include "core/briefing/playback.h"
#include "core/briefing/test_instructions.h"
#include "support/test_documents.h"

#include <gtest/gtest.h>

using namespace zephlo;
using zephlo::testing::at;
using zephlo::testing::newIconAt;

namespace {

Briefing briefingOf(const InstructionList& list, int runningTime = 600) {
  Briefing b = newBriefing();
  EXPECT_TRUE(encodeBriefing(list, b).ok());
  b.setRunningTime(static_cast<std::uint16_t>(runningTime));
  b.tags[0] = "Rebel Base";
  return b;
}

// A briefing that uses every kind of instruction.
InstructionList sampleList() {
  return {at(0, brfcode::ZoomMap, 0, 48, 48),
          at(0, brfcode::MoveMap, 0, 1000, -500),
          newIconAt(0, 0, 1, 0),
          at(0, brfcode::MoveIcon, 0, 900, -400),
          newIconAt(0, 1, 53, 1),
          at(0, brfcode::MoveIcon, 1, 1500, -700),
          at(10, brfcode::Text, 1),
          at(20, brfcode::FirstBox, 1),
          at(30, brfcode::FirstTag, 0, 800, -600),
          at(40, brfcode::ZoomMap, 0, 80, 80),
          at(60, brfcode::PageBreak),
          at(80, brfcode::MoveMap, 0, -2000, 3000),
          at(90, brfcode::RotateIcon, 1),
          at(100, brfcode::ShipData, 1),
          at(140, brfcode::ShipData, 0),
          at(150, brfcode::ChangeRegion, 2),
          newIconAt(160, 0, 5, 1),
          at(170, brfcode::ClearTags),
          at(180, brfcode::ClearBoxes),
          zephlo::testing::endMarker()};
}

} // namespace

TEST(Playback, TimeZeroIsInstantAndLaterInstructionsAnimate) {
  BriefingPlayback pb;
  // The move comes before the zoom in the list; the zoom still applies first.
  pb.load(briefingOf({at(0, brfcode::MoveMap, 0, 2230, 0), at(0, brfcode::ZoomMap, 0, 100),
                      at(5, brfcode::ZoomMap, 0, 118), at(5, brfcode::MoveMap, 0, 0, 2230),
                      zephlo::testing::endMarker()}));
  EXPECT_EQ(pb.state().zoom, 100);
  EXPECT_EQ(pb.state().xoff, -1000);
  EXPECT_EQ(pb.next(), 2);
  pb.seek(5);
  EXPECT_EQ(pb.state().zoom, 100);
  EXPECT_TRUE(pb.state().zoomIn);
  EXPECT_TRUE(pb.state().panUp);
  std::vector<int> zooms;
  for (int i = 0; i < 6; ++i) {
    pb.tick();
    zooms.push_back(pb.state().zoom);
  }
  // 18 below the target: steps of 7 while 9 or more, 2 from 8 down to 4, then 1.
  EXPECT_EQ(zooms, (std::vector<int>{107, 114, 116, 117, 118, 118}));
  EXPECT_FALSE(pb.state().zoomIn);
  // Zooming keeps the map centred on its target at the new scale.
  EXPECT_EQ(pb.state().yoff, briefingPixel(-2230, 118));
  EXPECT_EQ(pb.state().xoff, 0);
}

TEST(Playback, ZoomAndPanStepsAtTheirThresholds) {
  auto firstStep = [](int from, int to) {
    BriefingPlayback pb;
    pb.load(briefingOf({at(0, brfcode::ZoomMap, 0, from), at(1, brfcode::ZoomMap, 0, to),
                        zephlo::testing::endMarker()}));
    pb.seek(1);
    pb.tick();
    return pb.state().zoom - from;
  };
  EXPECT_EQ(firstStep(32, 41), 7);
  EXPECT_EQ(firstStep(32, 40), 2);
  EXPECT_EQ(firstStep(32, 36), 2);
  EXPECT_EQ(firstStep(32, 35), 1);
  EXPECT_EQ(firstStep(41, 32), -7);
  EXPECT_EQ(firstStep(35, 32), -1);

  // Pan: 14 pixels while 19 or more away, then 4, ending on the target.
  BriefingPlayback pb;
  pb.load(briefingOf({at(1, brfcode::MoveMap, 0, -223, 0), zephlo::testing::endMarker()}));
  pb.seek(1);
  EXPECT_EQ(pb.state().pixelTargetX, 32);
  std::vector<int> offsets;
  while (pb.state().panRight) {
    pb.tick();
    offsets.push_back(pb.state().xoff);
  }
  EXPECT_EQ(offsets, (std::vector<int>{14, 18, 22, 26, 30, 32}));
}

TEST(Playback, IconsRegionsAndSameTimeInstructions) {
  BriefingPlayback pb;
  pb.load(briefingOf({at(0, brfcode::ChangeRegion, 1), newIconAt(0, 3, 1, 0),
                      at(0, brfcode::MoveIcon, 3, 10, 20), newIconAt(0, 51, 1, 0),
                      at(0, brfcode::MoveIcon, 60, 10, 20), newIconAt(7, 4, 2, 1),
                      at(7, brfcode::MoveIcon, 4, -5, -6), at(7, brfcode::RotateIcon, 4, 0),
                      at(9, brfcode::ChangeRegion, 2), zephlo::testing::endMarker()}));
  // A region change at clock 0 keeps the icons placed with it.
  EXPECT_EQ(pb.state().regionScreen, 1);
  EXPECT_TRUE(pb.state().icons[3].shown);
  EXPECT_EQ(pb.state().icons[3].x, 10);
  EXPECT_EQ(pb.state().iconCount, 1); // icon 51 is beyond the slots and ignored
  pb.seek(7);
  // All three instructions at tick 7 ran in one tick, in list order.
  EXPECT_EQ(pb.next(), 8);
  EXPECT_EQ(pb.state().icons[4].x, -5);
  EXPECT_EQ(pb.state().icons[4].lastMove, 6);
  EXPECT_EQ(pb.state().regionScreen, -1);
  pb.tick();
  pb.tick();
  // Later a region change clears them.
  EXPECT_EQ(pb.state().regionScreen, 2);
  EXPECT_FALSE(pb.state().icons[3].shown);
  EXPECT_FALSE(pb.state().icons[4].shown);
}

TEST(Playback, BoxesShrinkTagsRevealAndInfoFollowsTheIcon) {
  BriefingPlayback pb;
  pb.load(briefingOf({newIconAt(0, 2, 53, 1), at(1, brfcode::FirstBox + 3, 2),
                      at(1, brfcode::FirstTag + 1, 0, 5, 5), at(2, brfcode::ShipData, 1),
                      zephlo::testing::endMarker()}));
  pb.seek(1);
  EXPECT_EQ(pb.state().boxes[3], (BriefingBox{2, 7}));
  EXPECT_EQ(pb.state().tags[1].shownLength, 0);
  std::vector<int> shown;
  for (int i = 0; i < 5; ++i) {
    pb.tick();
    shown.push_back(pb.state().tags[1].shownLength);
  }
  EXPECT_EQ(shown, (std::vector<int>{3, 6, 9, 10, 10})); // "Rebel Base"
  EXPECT_EQ(pb.state().boxes[3].growth, 2);
  // "Show Ship data" takes the on/off flag from Index and the icon from InfoIcon.
  EXPECT_TRUE(pb.state().info);
  EXPECT_EQ(pb.state().infoCraft, 0); // icon 0 was never created
  TCommandObject on = at(2, brfcode::ShipData, 1);
  on.InfoIcon = 2;
  pb.setList({newIconAt(0, 2, 53, 1), on, zephlo::testing::endMarker()});
  pb.rewind();
  pb.seek(2);
  EXPECT_TRUE(pb.state().info);
  EXPECT_EQ(pb.state().infoCraft, 53);
}

TEST(Playback, SeekingBackRestoresWhatPlayingForwardShowed) {
  BriefingPlayback pb;
  pb.load(briefingOf(sampleList()));
  for (int t : {45, 95, 120, 165, 199}) {
    BriefingPlayback fresh;
    fresh.load(briefingOf(sampleList()));
    fresh.seek(t);
    pb.seek(300);
    pb.seek(t);
    EXPECT_EQ(pb.time(), t);
    EXPECT_EQ(pb.next(), fresh.next()) << t;
    EXPECT_EQ(pb.state(), fresh.state()) << "seeking back to tick " << t;
  }
  // "Previous Instruction" restores the state stored with the instruction before.
  pb.seek(0);
  pb.nextInstruction(); // 10: text
  const PlaybackState afterText = pb.state();
  pb.nextInstruction(); // 20: box
  pb.nextInstruction(); // 30: tag
  pb.previousInstruction();
  EXPECT_EQ(pb.next(), 8);
  EXPECT_EQ(pb.time(), 20);
  EXPECT_EQ(pb.state().boxes[0].icon, 1);
  pb.previousInstruction();
  EXPECT_EQ(pb.state(), afterText);
  EXPECT_EQ(pb.time(), 10);
  pb.previousInstruction(); // before it only the opening picture: rewound
  EXPECT_EQ(pb.time(), 0);
  EXPECT_EQ(pb.state().text, -1);

  // The last instruction before the end marker stays on screen; the next
  // press runs the end marker, which rewinds.
  BriefingPlayback last;
  last.load(briefingOf({at(0, brfcode::ZoomMap, 0, 48, 48), at(10, brfcode::Text, 1),
                        zephlo::testing::endMarker()}));
  last.nextInstruction(); // the text, the last before the end
  EXPECT_EQ(last.time(), 10);
  EXPECT_EQ(last.state().text, 1) << "shown, not rewound away";
  last.nextInstruction();
  EXPECT_EQ(last.time(), 0);
  EXPECT_EQ(last.state().text, -1);
  last.nextInstruction();
  EXPECT_EQ(last.state().text, 1) << "from the top again";
}

TEST(Playback, StepsPagesAndTheEndOfTheBriefing) {
  BriefingPlayback pb;
  pb.load(briefingOf(sampleList(), 200));
  pb.nextPage();
  EXPECT_EQ(pb.time(), 60);
  EXPECT_EQ(pb.next(), 11);
  // Not playing: the zoom to 80 and the tag are complete at once.
  EXPECT_EQ(pb.state().zoom, 80);
  EXPECT_EQ(pb.state().tags[0].shownLength, 10);
  pb.nextPage(); // no more page breaks: runs to the end marker and rewinds
  EXPECT_EQ(pb.time(), 0);
  EXPECT_EQ(pb.state().zoom, 48);

  EXPECT_EQ(pb.play(), std::nullopt);
  for (int i = 0; i < 150; ++i)
    pb.tick();
  // The region change holds the clock for its transition, then resumes.
  EXPECT_TRUE(pb.inTransition());
  EXPECT_FALSE(pb.playing());
  EXPECT_FALSE(pb.tick());
  int steps = 1;
  while (!pb.transitionTick())
    ++steps;
  EXPECT_EQ(steps, kTransitionSteps);
  EXPECT_TRUE(pb.playing());
  EXPECT_EQ(pb.state().regionScreen, -1);
  for (int i = 0; i < 51; ++i)
    pb.tick();
  // Past the running time playback starts again from the top.
  EXPECT_EQ(pb.time(), 0);
  EXPECT_TRUE(pb.playing());

  // A briefing of only the end marker refuses to play and never loops.
  BriefingPlayback empty;
  empty.load(newBriefing());
  EXPECT_EQ(empty.play(), "There are no instruction to playback");
  empty.nextInstruction();
  empty.nextPage();
  EXPECT_EQ(empty.time(), 0);
  BriefingPlayback zero;
  zero.load(briefingOf(sampleList(), 0));
  EXPECT_EQ(zero.play(), "This Brief's running time is set to zero seconds");
}

TEST(Playback, PlayingLeavesAnUneditedBlockByteForByte) {
  Briefing b = briefingOf(sampleList());
  b.setWord(6999, 0); // words past the stream stay zero
  const Briefing before = b;
  BriefingPlayback pb;
  pb.load(b);
  pb.play();
  for (int i = 0; i < 700; ++i) {
    pb.tick();
    while (pb.inTransition())
      pb.transitionTick();
  }
  pb.seek(100);
  pb.previousInstruction();
  ASSERT_TRUE(encodeBriefing(pb.list(), b).ok());
  EXPECT_EQ(b, before);
}

TEST(Playback, RandomStreamsPlayWithinTheirBounds) {
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    zephlo::testing::GenOptions o;
    o.seed = seed;
    const Document d = zephlo::testing::generatedDocument(o);
    BriefingPlayback pb;
    pb.load(d.briefing);
    const int runningTime = d.briefing.runningTime();
    const int size = static_cast<int>(pb.list().size());
    pb.seek(runningTime);
    pb.seek(runningTime / 2);
    for (int i = 0; i < 3; ++i) {
      pb.nextPage();
      pb.nextInstruction();
      pb.previousInstruction();
    }
    if (!pb.play()) {
      for (int i = 0; i < 300; ++i) {
        pb.tick();
        pb.transitionTick();
      }
    }
    EXPECT_LE(pb.next(), size) << seed;
    EXPECT_LE(pb.time(), std::max(runningTime, 0xFFFF)) << seed;
  }
}
