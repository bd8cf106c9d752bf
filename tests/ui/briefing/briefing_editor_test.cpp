#include "core/mission/reader.h"
#include "ui/briefing/briefing_window_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include <filesystem>
#include <fstream>

using namespace zephlo;
using namespace zephlo::testing;

TEST(BriefingEditor, OpensWithCaptionAndTheDescriptionFromTheGamesList) {
  BriefingEditor b;
  const std::filesystem::path game = b.e.dir.path("XWA");
  std::filesystem::create_directories(game / "MISSIONS");
  std::ofstream(game / "MISSIONS" / "mission.LST") << "1\r\n* BRIEF.TIE\r\nThe long night\r\n";
  EXPECT_TRUE(b.form->windowTitle().startsWith("Briefing Editor - (brief.tie)           " +
                                               QString(30, ' ')));
  EXPECT_EQ(b.child<QLabel>("TitleStrip")->text(), "<Mission Description from .lst file>");
  b.form->close();
  QApplication::processEvents();

  b.e.prefs.gameDir = q(game.string());
  b.e.trigger("BriefingBtn");
  auto* form = b.e.w.findChild<TBrfForm*>();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->findChild<QLabel*>("TitleStrip")->text(), "The long night");
  EXPECT_EQ(b.steps(), 0) << "opening an unedited briefing changes nothing";

  // The first briefing text is the mission's title in the main caption.
  form->findChild<QTableWidget*>("TextGrid")->item(0, 1)->setText("Operation Dawn");
  EXPECT_EQ(b.e.c.document().briefing.texts[0], "Operation Dawn");
  EXPECT_TRUE(b.e.w.windowTitle().endsWith(" - Operation Dawn"))
      << b.e.w.windowTitle().toStdString();
  b.e.c.undoStack().undo();
  EXPECT_TRUE(b.e.w.windowTitle().endsWith(" - Title"));
  EXPECT_EQ(form->findChild<QTableWidget*>("TextGrid")->item(0, 1)->text(), "Title");
}

TEST(BriefingEditor, InsertsEveryKindOnTheListPageAsOneStepEach) {
  BriefingEditor b(
      {item(0, brfcode::Text, 1), item(50, brfcode::PageBreak), newInstruction(brf::EndCode)});
  b.page(1);
  auto* list = b.child<QListWidget>("InstList");
  list->setCurrentRow(1); // the page break at 2 seconds
  const char* names[] = {"BrfInsPageBreak", "BrfInsTitle",      "BrfInsText",     "BrfInsMoveMap",
                         "BrfInsZoom",      "BrfInsClearBoxes", "BrfInsBox",      "BrfInsClearTags",
                         "BrfInsTag",       "BrfInsNewIcon",    "BrfInsShipData", "BrfInsMoveIcon",
                         "BrfInsRotate",    "BrfInsRegion"};
  int steps = 0;
  for (const char* n : names) {
    b.insert(n);
    EXPECT_EQ(b.steps(), ++steps) << n;
    const InstructionList l = b.list();
    const int at = b.form->selectedInstruction();
    EXPECT_EQ(instructionTime(l[static_cast<std::size_t>(at)]), 50) << n;
    EXPECT_EQ(list->count(), static_cast<int>(l.size()));
  }
  const std::vector<int> got = codesOf(b.list());
  for (int code : {3, 4, 5, 6, 7, 8, 9, 17, 18, 26, 27, 28, 29, 30})
    EXPECT_NE(std::find(got.begin(), got.end(), code), got.end()) << code;
  EXPECT_EQ(got.back(), brf::EndCode);
  // "Zoom Map to" starts at the resting zoom.
  for (const TCommandObject& c : b.list())
    if (c.Command == brfcode::ZoomMap) {
      EXPECT_EQ(c.X, 32);
    }

  // Undo takes one insert back and the list follows.
  const std::size_t before = b.list().size();
  b.e.c.undoStack().undo();
  EXPECT_EQ(b.list().size(), before - 1);
  EXPECT_EQ(list->count(), static_cast<int>(before - 1));

  // A zoom's X field takes a whole zoom and keeps Y equal; other text is left.
  const InstructionList l = b.list();
  const auto zoom = std::find_if(
      l.begin(), l.end(), [](const TCommandObject& c) { return c.Command == brfcode::ZoomMap; });
  list->setCurrentRow(static_cast<int>(zoom - l.begin()));
  auto* x = b.child<QLineEdit>("XEdit");
  x->setText("80");
  emit x->editingFinished();
  x->setText("far");
  emit x->editingFinished();
  const TCommandObject z = b.list()[static_cast<std::size_t>(zoom - l.begin())];
  EXPECT_EQ(z.X, 80);
  EXPECT_EQ(z.Y, 80);
  EXPECT_EQ(x->text(), "80");
}

TEST(BriefingEditor, ListPageFieldsDeleteAndMoveKeepTheEndMarker) {
  BriefingEditor b({item(0, brfcode::Text, 1), item(25, brfcode::MoveIcon, 2, 160, -320),
                    item(50, brfcode::PageBreak), newInstruction(brf::EndCode)});
  b.page(1);
  auto* list = b.child<QListWidget>("InstList");
  list->setCurrentRow(1);
  EXPECT_EQ(b.child<QLabel>("InstNumLabel")->text(), "Instruction #2");
  EXPECT_EQ(b.child<QLabel>("TimeSecLabel")->text(), "Time (1 sec)");
  EXPECT_EQ(b.child<QLabel>("IndexLabel")->text(), "           Icon # to move:");
  EXPECT_EQ(b.child<QLineEdit>("XEdit")->text(), "1.00");

  auto* y = b.child<QLineEdit>("YEdit");
  y->setText("-0.5");
  emit y->editingFinished();
  EXPECT_EQ(b.list()[1].Y, -80);

  // A later time re-sorts the list; the selection follows the instruction.
  b.child<QRadioButton>("Increment3")->click(); // steps of one second
  b.child<QSpinBox>("TimeSpin")->stepUp();
  b.child<QSpinBox>("TimeSpin")->stepUp();
  EXPECT_EQ(b.list()[2].Command, brfcode::MoveIcon);
  EXPECT_EQ(instructionTime(b.list()[2]), 75);
  EXPECT_EQ(b.form->selectedInstruction(), 2);

  // The end marker stays put and nothing goes below it.
  list->setCurrentRow(3);
  const auto before = b.list();
  b.click("MoveUpBtn");
  b.click("DeleteInstBtn");
  list->setCurrentRow(2);
  b.click("MoveDownBtn");
  EXPECT_EQ(b.list(), before);
  list->setCurrentRow(3);
  EXPECT_FALSE(b.child<QSpinBox>("TimeSpin")->isEnabled()) << "the end marker keeps its time";

  b.e.prompts.yesNo = {false, true};
  list->setCurrentRow(0);
  b.click("DeleteInstBtn");
  EXPECT_EQ(b.e.prompts.log.last(), "question: Delete Current Instruction - Are You Sure?");
  EXPECT_EQ(b.list().size(), 4u) << "No keeps it";
  b.click("DeleteInstBtn");
  EXPECT_EQ(b.list().size(), 3u);
}

TEST(BriefingEditor, InsertModesPreviewUntilDoneAndCancelLeavesTheDocument) {
  BriefingEditor b(
      {icon(0, 0, 1), item(0, brfcode::MoveIcon, 0, 0, 0), newInstruction(brf::EndCode)});
  const Document original = b.e.c.document();
  auto* vcr = b.child<QWidget>("VcrPanel");

  // A text inserted after the start comes with a page break; Cancel drops both.
  b.click("StepBtn");
  b.click("StepBtn");
  ASSERT_EQ(b.form->playback().time(), 2);
  b.insert("BrfInsText");
  EXPECT_EQ(b.form->insertMode(), BrfMode::Text);
  EXPECT_FALSE(vcr->isVisible());
  EXPECT_FALSE(b.child<QTabWidget>("BrfPages")->isTabEnabled(1)) << "the page cannot be left";
  EXPECT_EQ(b.child<QLabel>("GuideText")->text(),
            "1. Choose the Text you want to show from the drop down list.\n2. Press the \"Done\" "
            "button to insert the instruction or \"Cancel\" to abort.");
  b.click("CancelBtn");
  EXPECT_EQ(b.form->insertMode(), BrfMode::None);
  EXPECT_TRUE(vcr->isVisible());
  EXPECT_EQ(b.e.c.document(), original);
  EXPECT_EQ(b.steps(), 0);

  b.insert("BrfInsText");
  b.child<QComboBox>("InsTextBox")->setCurrentIndex(1);
  b.click("DoneBtn");
  EXPECT_EQ(b.steps(), 1) << "Done is one step";
  EXPECT_EQ(codesOf(b.list()), (std::vector<int>{26, 28, 3, 5, 34}));
  EXPECT_EQ(b.list()[3].Index, 1);
  EXPECT_EQ(b.child<QLabel>("CaptionArea")->text(), "First words");

  // Zoom and move preview live and store what the bars show.
  b.insert("BrfInsZoom");
  b.child<QScrollBar>("ZoomBar")->setValue(64);
  EXPECT_EQ(b.form->playback().state().zoom, 64);
  b.click("DoneBtn");
  EXPECT_EQ(b.list()[4].Command, brfcode::ZoomMap);
  EXPECT_EQ(b.list()[4].X, 64);
  EXPECT_EQ(b.form->playback().state().zoom, 64);
  b.insert("BrfInsMoveMap");
  b.child<QScrollBar>("XScroll")->setValue(100);
  b.child<QScrollBar>("YScroll")->setValue(-64);
  b.click("DoneBtn");
  EXPECT_EQ(b.list()[5].Command, brfcode::MoveMap);
  EXPECT_EQ(b.list()[5].X, 348); // 100 x 223 / 64
  EXPECT_EQ(b.list()[5].Y, -223);

  // A tag and an icon go where the map was last clicked.
  const QPoint spot = b.form->pixelOf({800, 400});
  b.insert("BrfInsTag");
  b.child<QComboBox>("InsTagBox")->setCurrentIndex(1);
  b.child<QComboBox>("InsColorBox")->setCurrentIndex(2);
  b.mouse(QEvent::MouseButtonPress, b.form->pixelOf({0, 0}), Qt::LeftButton);
  b.mouse(QEvent::MouseButtonPress, spot, Qt::LeftButton);
  b.click("DoneBtn");
  const TCommandObject tag = b.list()[6];
  EXPECT_EQ(tag.Command, brfcode::FirstTag);
  EXPECT_EQ(tag.Index, 1);
  EXPECT_EQ(tag.Color, 2);
  EXPECT_NEAR(tag.X, 800, 4);
  EXPECT_NEAR(tag.Y, 400, 4);

  b.insert("BrfInsNewIcon");
  b.child<QComboBox>("InsCraftBox")->setCurrentIndex(5);
  EXPECT_EQ(b.child<QComboBox>("InsIffBox")->currentIndex(), 1) << "the craft presets its IFF";
  b.mouse(QEvent::MouseButtonPress, spot, Qt::LeftButton);
  b.click("DoneBtn");
  const InstructionList l = b.list();
  EXPECT_EQ(l[7].Command, brfcode::NewIcon);
  EXPECT_EQ(l[7].Index, 1) << "the next icon number";
  EXPECT_EQ(l[7].CraftType, 5);
  EXPECT_EQ(l[8].Command, brfcode::MoveIcon);
  EXPECT_EQ(instructionTime(l[8]), 2);
  EXPECT_TRUE(b.form->playback().state().icons[1].shown);

  b.insert("BrfInsRegion");
  b.child<QComboBox>("InsRegionBox")->setCurrentIndex(2);
  b.click("DoneBtn");
  EXPECT_EQ(b.list()[9].Command, brfcode::ChangeRegion);
  EXPECT_EQ(b.list()[9].Index, 2);
  EXPECT_EQ(b.steps(), 6);

  // Undo takes the last insert back in one step.
  b.e.c.undoStack().undo();
  EXPECT_EQ(b.list().size(), 10u);
}

TEST(BriefingEditor, MapToolsInsertAtTheClock) {
  InstructionList start{icon(0, 0, 1), item(0, brfcode::MoveIcon, 0, 0, 0)};
  for (int k = 0; k < 8; ++k)
    start.push_back(item(0, static_cast<std::uint16_t>(brfcode::FirstBox + k), 0));
  start.push_back(newInstruction(brf::EndCode));
  BriefingEditor b(start);

  // At clock 0 an arrow first moves the clock to tick 1; each press is one tick on.
  b.click("ArrowRight");
  b.click("ArrowDown");
  InstructionList l = b.list();
  ASSERT_EQ(l.size(), 13u);
  EXPECT_EQ(instructionTime(l[10]), 1);
  EXPECT_EQ(l[10].X, 40);
  EXPECT_EQ(instructionTime(l[11]), 2);
  EXPECT_EQ(l[11].Y, 40);
  EXPECT_EQ(b.form->playback().time(), 3);

  b.click("Rot90Btn");
  EXPECT_EQ(b.list()[12].Command, brfcode::RotateIcon);
  EXPECT_EQ(b.list()[12].Rotation, 3);
  EXPECT_EQ(b.form->playback().state().icons[0].rotation, 3);

  // All eight boxes are in use: a warning, and slot 1.
  b.click("BoxIconBtn");
  EXPECT_TRUE(b.e.prompts.log.last().contains("Seems like all FG Boxes are in use"));
  EXPECT_EQ(b.list()[13].Command, brfcode::FirstBox);

  b.click("InfoIconBtn");
  l = b.list();
  EXPECT_EQ(l[14].Command, brfcode::ShipData);
  EXPECT_EQ(instructionTime(l[15]) - instructionTime(l[14]), 120);

  b.insert("BrfInsPageBreak");
  b.insert("BrfInsClearBoxes");
  b.insert("BrfInsClearTags");
  b.click("ClearIconBtn");
  const std::vector<int> got = codesOf(b.list());
  for (int code : {3, 8, 17})
    EXPECT_NE(std::find(got.begin(), got.end(), code), got.end()) << code;
  EXPECT_FALSE(b.form->playback().state().icons[0].shown) << "craft type 0 hides the icon";
  EXPECT_EQ(b.steps(), 9);

  // "Save Mission" writes the edited briefing through the main window.
  b.click("SaveMissionBtn");
  EXPECT_FALSE(b.e.c.isModified());
  auto saved = readMission(b.e.c.document().fileName);
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(decodeBriefing(saved->briefing), b.list());
}

TEST(BriefingEditor, DragsIconsAndTagsWithLocksAndSnapSteps) {
  TCommandObject tag = item(0, brfcode::FirstTag, 0, 1600, 800);
  BriefingEditor b(
      {icon(0, 0, 1), item(0, brfcode::MoveIcon, 0, 0, 0), tag, newInstruction(brf::EndCode)});
  const QPoint iconAt = b.form->pixelOf({0, 0});
  const QPoint target = b.form->pixelOf({500, 300});
  const BriefingMapPoint pointer = b.form->mapPointAt(target);
  b.drag(iconAt, target);
  EXPECT_EQ(b.list()[1].X, pointer.x);
  EXPECT_EQ(b.list()[1].Y, pointer.y);
  EXPECT_EQ(b.steps(), 1) << "one drag, one step";
  EXPECT_EQ(b.form->playback().state().icons[0].x, pointer.x);

  // Locked X moves only Y; a snap step of 26 truncates Y to its multiple.
  b.command("BrfLockX")->setChecked(true);
  b.command("BrfYSnap")->trigger();
  const QPoint from = b.form->pixelOf({pointer.x, pointer.y});
  const QPoint to = b.form->pixelOf({-700, -900});
  const BriefingMapPoint p2 = b.form->mapPointAt(to);
  b.drag(from, to);
  EXPECT_EQ(b.list()[1].X, pointer.x);
  EXPECT_EQ(b.list()[1].Y, p2.y / 26 * 26);
  EXPECT_EQ(b.steps(), 2);

  // A tag is grabbed 20 pixels right of its place.
  b.command("BrfLockX")->setChecked(false);
  b.command("BrfXSnap")->trigger();
  b.command("BrfXSnap")->trigger(); // 51
  const TCommandObject tagBefore = b.list()[2];
  const QPoint tagAt = b.form->pixelOf({1600, 800}) + QPoint(20, 0);
  const QPoint tagTo = b.form->pixelOf({2400, 1000});
  const BriefingMapPoint p3 = b.form->mapPointAt(tagTo);
  b.drag(tagAt, tagTo);
  EXPECT_EQ(b.list()[2].X, p3.x / 51 * 51);
  EXPECT_EQ(b.list()[2].Y, p3.y / 26 * 26);

  b.e.c.undoStack().undo();
  EXPECT_EQ(b.list()[2], tagBefore);

  // Both coordinates locked: nothing can move, and the status line says so.
  b.command("BrfLockX")->setChecked(true);
  b.command("BrfLockY")->setChecked(true);
  b.drag(tagAt, tagTo);
  EXPECT_EQ(b.list()[2], tagBefore);
  const QString said = b.child<QStatusBar>("BrfStatus")->currentMessage();
  EXPECT_TRUE(said.contains("Both coordinates are locked")) << said.toStdString();
}

TEST(BriefingEditor, DraggingAnIconWithoutMoveIconPutsOneInAtTheClock) {
  BriefingEditor b({icon(0, 0, 1), item(100, brfcode::PageBreak), newInstruction(brf::EndCode)});
  b.child<QScrollBar>("TimeBar")->setValue(150);
  const QPoint from = b.form->pixelOf({0, 0});
  const QPoint to = b.form->pixelOf({800, -400});
  const BriefingMapPoint pointer = b.form->mapPointAt(to);
  QTest::mousePress(b.map(), Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(b.map(), (from + to) / 2);
  QTest::mouseMove(b.map(), to);
  QTest::mouseRelease(b.map(), Qt::LeftButton, Qt::NoModifier, to);

  auto saved = parseMission(savedBytes(b.e.c.document()), "m.tie");
  ASSERT_TRUE(saved.ok());
  const InstructionList list = decodeBriefing(saved->briefing);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[2].Command, brfcode::MoveIcon);
  EXPECT_EQ(list[2].Time, 150) << "at the clock";
  EXPECT_EQ(list[2].X, pointer.x);
  EXPECT_EQ(list[2].Y, pointer.y);
  EXPECT_EQ(b.steps(), 1) << "the insert and the drag are one step";
  EXPECT_EQ(b.form->playback().state().icons[0].x, pointer.x);
  auto* lines = b.child<QListWidget>("InstList");
  ASSERT_EQ(lines->count(), 4);
  EXPECT_TRUE(lines->item(2)->text().contains("<-> #0")) << lines->item(2)->text().toStdString();

  // The next drag edits that instruction; undo takes both away one by one.
  const QPoint further = b.form->pixelOf({1600, 0});
  b.drag(to, further);
  EXPECT_EQ(b.list().size(), 4u);
  EXPECT_EQ(b.list()[2].X, b.form->mapPointAt(further).x);
  b.e.c.undoStack().undo();
  b.e.c.undoStack().undo();
  EXPECT_EQ(codesOf(b.list()),
            (std::vector<int>{brfcode::NewIcon, brfcode::PageBreak, brf::EndCode}));
}

TEST(BriefingEditor, ADragThatCannotBeDoneSaysWhyInTheStatusLine) {
  // 1165 tags, an icon and the end marker: no room for one more "Move Icon".
  InstructionList full(1165, item(0, brfcode::FirstTag));
  full.insert(full.begin(), icon(0, 0, 1));
  full.push_back(newInstruction(brf::EndCode));
  BriefingEditor b(full);
  auto* status = b.child<QStatusBar>("BrfStatus");
  const QPoint empty = b.form->pixelOf({-1600, -1000});
  b.drag(empty, empty + QPoint(30, 30));
  EXPECT_TRUE(status->currentMessage().contains("no icon or map tag"))
      << status->currentMessage().toStdString();

  const Document before = b.e.c.document();
  const auto boxes = b.e.prompts.log.size();
  const QPoint iconAt = b.form->pixelOf({0, 0});
  b.drag(iconAt, iconAt + QPoint(40, 0));
  EXPECT_TRUE(status->currentMessage().contains("full")) << status->currentMessage().toStdString();
  EXPECT_EQ(b.e.c.document(), before);
  EXPECT_EQ(b.e.prompts.log.size(), boxes) << "said in the line, not in a box";

  // The next press clears it.
  QTest::mouseClick(b.map(), Qt::LeftButton, Qt::NoModifier, iconAt);
  EXPECT_TRUE(status->currentMessage().isEmpty());
}

TEST(BriefingEditor, StringsPageNamesEachGridOnce) {
  BriefingEditor b;
  b.page(2);
  QWidget* page = b.child<QWidget>("StringsPage");
  // Every title the page shows: labels, frames and column headers.
  QStringList titles;
  for (QLabel* l : page->findChildren<QLabel*>())
    if (l->isVisible()) titles << l->text();
  for (QGroupBox* g : page->findChildren<QGroupBox*>())
    if (g->isVisible()) titles << g->title();
  for (QTableWidget* t : page->findChildren<QTableWidget*>())
    for (int c = 0; c < t->columnCount(); ++c)
      titles << t->horizontalHeaderItem(c)->text();
  EXPECT_EQ(titles.count("Map Tags"), 1) << titles.join(" | ").toStdString();
  EXPECT_EQ(titles.count("Briefing Texts"), 1) << titles.join(" | ").toStdString();
  EXPECT_EQ(b.child<QTableWidget>("TagGrid")->horizontalHeaderItem(1)->text(), "Map Tags");
  EXPECT_EQ(b.child<QTableWidget>("TextGrid")->horizontalHeaderItem(1)->text(), "Briefing Texts");
}

TEST(BriefingEditor, VcrControlsRunTheClock) {
  BriefingEditor b({item(0, brfcode::Text, 1), item(50, brfcode::ZoomMap, 0, 64, 64),
                    item(100, brfcode::PageBreak), item(150, brfcode::Text, 0),
                    newInstruction(brf::EndCode)});
  BriefingPlayback& pb = b.form->playback();
  b.click("NextInstBtn");
  EXPECT_EQ(pb.time(), 50);
  EXPECT_EQ(pb.state().zoom, 64) << "stepping completes the zoom at once";
  EXPECT_EQ(b.child<QLabel>("InstLabel")->text(), "Instruction #2 :");
  b.click("StepBtn");
  EXPECT_EQ(pb.time(), 51);
  EXPECT_EQ(b.child<QLabel>("TimeLabel")->text(), " Time: 2.04");
  b.click("NextPageBtn");
  EXPECT_EQ(pb.time(), 100);
  b.click("PrevInstBtn");
  EXPECT_EQ(pb.time(), 50);
  b.child<QScrollBar>("TimeBar")->setValue(160);
  EXPECT_EQ(pb.time(), 160);
  EXPECT_EQ(pb.state().text, 0);
  b.click("StopBtn");
  EXPECT_EQ(pb.time(), 0);
  EXPECT_EQ(b.child<QScrollBar>("TimeBar")->value(), 0);

  b.click("PlayBtn");
  EXPECT_TRUE(pb.playing());
  for (int i = 0; i < 100 && pb.time() < 3; ++i)
    QTest::qWait(20);
  EXPECT_GE(pb.time(), 3) << "the 40 ms clock runs";
  b.click("PauseBtn");
  EXPECT_FALSE(pb.playing());
  const int paused = pb.time();
  QTest::qWait(100);
  EXPECT_EQ(pb.time(), paused);
  EXPECT_EQ(b.steps(), 0) << "playing edits nothing";
}

TEST(BriefingEditor, ZeroRunningTimeAndAnOverfullBriefingAreRefused) {
  // 1166 tags of six words and the end marker fill 6998 of the 7000 words.
  InstructionList full;
  for (int k = 0; k < 1166; ++k)
    full.push_back(item(1, brfcode::FirstTag));
  full.push_back(newInstruction(brf::EndCode));
  BriefingEditor b(full, 0);
  b.click("PlayBtn");
  EXPECT_EQ(b.e.prompts.log.last(),
            "information: This Brief's running time is set to zero seconds");
  EXPECT_FALSE(b.form->playback().playing());

  const Document before = b.e.c.document();
  b.page(1);
  b.insert("BrfInsMoveIcon");
  EXPECT_TRUE(b.e.prompts.log.last().startsWith("error: ")) << b.e.prompts.log.last().toStdString();
  EXPECT_EQ(b.e.c.document(), before);

  b.page(0);
  b.insert("BrfInsZoom");
  b.click("DoneBtn");
  EXPECT_TRUE(b.e.prompts.log.last().startsWith("error: "));
  EXPECT_EQ(b.form->insertMode(), BrfMode::Zoom) << "nothing lost: the insert is still open";
  EXPECT_TRUE(b.form->isVisible());
  b.click("CancelBtn");
  EXPECT_EQ(b.e.c.document(), before);
}

TEST(BriefingEditor, SideFieldsKeysAndPopUpCommands) {
  BriefingEditor b(
      {item(0, brfcode::Text, 1), item(5, brfcode::ChangeRegion, 1), newInstruction(brf::EndCode)});
  auto* runTime = b.child<QLineEdit>("RunTimeEdit");
  EXPECT_EQ(runTime->text(), "24");
  runTime->setText("30.52");
  emit runTime->editingFinished();
  EXPECT_EQ(b.e.c.document().briefing.runningTime(), 763);

  b.child<QListWidget>("SeenByList")->item(2)->setSelected(true);
  EXPECT_TRUE(b.e.c.document().briefing.seenByTeam(2));
  EXPECT_EQ(b.steps(), 2);

  b.e.edit([](Edit& ed) { ed.flightGroup(1).setStartPoint(1, {320, -160, 0, 1}); });
  b.e.prompts.yesNo = {true};
  b.command("BrfSetAllToStart1")->trigger();
  EXPECT_EQ(b.e.prompts.log.last(),
            "question: Set Briefing Points to Start Point 1 for Briefing 1?");
  EXPECT_EQ(b.e.c.document().flightGroups[1].briefingPoint.x, 320);
  EXPECT_EQ(b.e.c.document().flightGroups[1].briefingPoint.y, -160);

  // The space bar plays and pauses; a region change while playing runs its
  // transition with the VCR panel held, then playing goes on.
  b.form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(b.form));
  b.map()->setFocus();
  QTest::keyClick(b.map(), Qt::Key_Space);
  BriefingPlayback& pb = b.form->playback();
  EXPECT_TRUE(pb.playing());
  for (int i = 0; i < 200 && !pb.inTransition(); ++i)
    QTest::qWait(10);
  ASSERT_TRUE(pb.inTransition());
  EXPECT_FALSE(b.child<QWidget>("VcrPanel")->isEnabled());
  for (int i = 0; i < 300 && pb.inTransition(); ++i)
    QTest::qWait(10);
  EXPECT_FALSE(pb.inTransition());
  EXPECT_TRUE(b.child<QWidget>("VcrPanel")->isEnabled());
  EXPECT_TRUE(pb.playing()) << "the clock resumes after the transition";
  QTest::keyClick(b.map(), Qt::Key_Space);
  EXPECT_FALSE(pb.playing());

  // Ctrl+S saves through the main window; Delete on the list deletes.
  QTest::keyClick(b.map(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(b.e.c.isModified());
  b.page(1);
  auto* list = b.child<QListWidget>("InstList");
  list->setCurrentRow(1);
  list->setFocus();
  b.e.prompts.yesNo = {true};
  QTest::keyClick(list, Qt::Key_Delete);
  EXPECT_EQ(b.list().size(), 2u);
}

TEST(BriefingEditor, UndoAndRedoWorkHereAndSayWhatTheyUndo) {
  BriefingEditor b;
  b.form->show();
  b.form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(b.form));
  auto* time = b.child<QLineEdit>("RunTimeEdit");
  time->setFocus();
  time->selectAll();
  QTest::keyClicks(time, "30");
  QTest::keyClick(time, Qt::Key_Return);
  const std::uint16_t edited = b.e.c.document().briefing.runningTime();
  ASSERT_NE(edited, 600);
  QAction* undo = b.e.action("UndoAction");
  EXPECT_TRUE(undo->text().startsWith("&Undo ")) << undo->text().toStdString();
  EXPECT_GT(undo->text().size(), QString("&Undo ").size()) << "the step's name follows";

  b.map()->setFocus();
  QTest::keyClick(b.map(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(b.e.c.document().briefing.runningTime(), 600);
  QTest::keyClick(b.map(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(b.e.c.document().briefing.runningTime(), edited);
  QTest::keyClick(b.map(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(b.e.c.document().briefing.runningTime(), edited) << "nothing left to redo";
  QTest::keyClick(b.map(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(b.map(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(b.e.c.document().briefing.runningTime(), edited);
}

TEST(BriefingEditor, AnInstantInsertCompletesTheRunningAnimations) {
  BriefingEditor b({item(2, brfcode::ZoomMap, 0, 200, 200), newInstruction(brf::EndCode)});
  BriefingPlayback& pb = b.form->playback();
  b.click("StopBtn");
  b.click("PlayBtn");
  for (int i = 0; i < 200 && !pb.state().zoomIn; ++i)
    QTest::qWait(2);
  ASSERT_TRUE(pb.state().zoomIn) << "the zoom is under way";
  ASSERT_LT(pb.state().zoom, 200);
  b.insert("BrfInsClearBoxes");
  EXPECT_EQ(b.steps(), 1);
  EXPECT_FALSE(pb.state().zoomIn);
  EXPECT_EQ(pb.state().zoom, 200) << "the picture shows where the zoom was going";
  b.click("PauseBtn");
}
