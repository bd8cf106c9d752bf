// The "Flight Group Details" window, the extras window and the "Teams" page
// as a designer uses them: several records edited at once, one undo step
// per control, fills that never write.
#include "core/mission/fg_stores.h"
#include "core/mission/team_edits.h"
#include "support/editor_fixture.h"
#include "ui/details/details_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <filesystem>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

struct Pad : Editor {
  TDatapad* pad = w.findChild<TDatapad*>();

  // The windows show, as they do for the designer: a hidden one waits.
  Pad() {
    w.show();
    pad->show();
  }

  template <class T> T* find(const char* name) {
    T* t = w.findChild<T*>(name);
    EXPECT_NE(t, nullptr) << name;
    return t;
  }
  // Opens a mission of n flight groups (all autolinked) and m messages.
  void open(int fgs, int msgs = 0) {
    Document d = newMission({});
    d.flightGroups.resize(static_cast<std::size_t>(fgs), d.flightGroups[0]);
    d.messages.resize(static_cast<std::size_t>(msgs));
    const std::string path = dir.path("m.tie");
    ASSERT_TRUE(writeMission(d, path).ok());
    prefs.autoLink = true;
    ASSERT_TRUE(files.openPath(q(path)));
  }
  // The details window becomes the active window with the keyboard in widget.
  void focusIn(QWidget* widget) {
    pad->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(pad));
    widget->setFocus();
    QApplication::processEvents();
  }
  void choose(QComboBox* box, int item) {
    box->setCurrentIndex(item);
    emit box->activated(item);
  }
  const FGObject& fg(int i) const { return c.document().flightGroups[static_cast<std::size_t>(i)]; }
};

} // namespace

TEST(Datapad, AFieldWritesIntoEverySelectedFlightGroupAsOneStep) {
  Pad e;
  e.open(4);
  e.edit([](Edit& ed) { ed.teamIff()[2] = 1; }); // team 3 is imperial
  e.c.undoStack().clear();
  e.c.setFlightGroupSelection({0, 1, 3});
  e.pad->showPage(DatapadPage::Ship);
  e.choose(e.find<QComboBox>("TeamBox"), 2);
  for (int i : {0, 1, 3}) {
    EXPECT_EQ(e.fg(i).at(fg::Team), 2) << i;
    EXPECT_EQ(e.fg(i).at(fg::Iff), 1) << "autolink takes the team's IFF, fg " << i;
  }
  EXPECT_EQ(e.fg(2).at(fg::Team), 0) << "not selected";
  EXPECT_EQ(e.c.undoStack().count(), 1);
  e.c.undoStack().undo();
  for (int i : {0, 1, 3})
    EXPECT_EQ(e.fg(i).at(fg::Team), 0);

  // Waves show one more than they store; spinning merges into one step.
  QSpinBox* waves = e.find<QSpinBox>("WaveSpin");
  EXPECT_EQ(waves->value(), 1);
  waves->setValue(3);
  waves->setValue(4);
  EXPECT_EQ(e.fg(0).at(fg::NumWavesMinusOne), 3);
  EXPECT_EQ(e.c.undoStack().count(), 1);
  EXPECT_EQ(e.c.undoStack().undoText(), "Change Waves");
}

TEST(Datapad, FillingNeverWritesAndFollowsTheCurrentFlightGroup) {
  Pad e;
  e.open(3);
  e.edit([](Edit& ed) { ed.flightGroup(1).set(fg::NumCraft, 5); });
  e.c.undoStack().clear();
  // A click on a line makes it current and the one selected.
  auto click = [&e](int f) {
    e.c.selectFlightGroup(f);
    e.c.setFlightGroupSelection({f});
  };
  for (int page = 0; page <= static_cast<int>(DatapadPage::Msg); ++page) {
    e.pad->showPage(static_cast<DatapadPage>(page));
    for (int f : {1, 0, 2, 1})
      click(f);
  }
  EXPECT_EQ(e.c.undoStack().count(), 0);
  EXPECT_FALSE(e.c.isModified());
  e.pad->showPage(DatapadPage::Ship);
  EXPECT_EQ(e.find<QSpinBox>("FGSizeSpin")->value(), 5);
  click(0);
  EXPECT_EQ(e.find<QSpinBox>("FGSizeSpin")->value(), 1);
}

TEST(Datapad, TypingANameIsOneStepAndColoursTheMarkings) {
  Pad e;
  e.open(2);
  e.edit([](Edit& ed) { ed.flightGroup(0).set(fg::CraftType, 5); }); // a TIE
  e.c.undoStack().clear();
  e.c.setFlightGroupSelection({0});
  e.pad->showPage(DatapadPage::Ship);
  QLineEdit* name = e.find<QComboBox>("ShipName")->lineEdit();
  name->selectAll();
  QTest::keyClicks(name, "Gold");
  EXPECT_EQ(e.fg(0).name(), "Gold");
  EXPECT_EQ(e.fg(0).at(fg::Colour), 2) << "TIEs have no red: gold is one up";
  EXPECT_EQ(e.c.undoStack().count(), 1) << "one step for the whole word";
  EXPECT_EQ(name->text(), "Gold") << "refreshing the page leaves the typed text alone";
}

TEST(Datapad, MessagePageAndConditionTool) {
  Pad e;
  e.open(2, 3);
  e.c.setMessageSelection({0, 2});
  e.c.selectMessage(2);
  e.c.setMessageSelection({0, 2});
  e.pad->showPage(DatapadPage::Msg);
  QTabWidget* pages = e.find<QTabWidget>("FGPages");
  EXPECT_EQ(pages->tabText(pages->currentIndex()), "Msg");
  e.find<QSpinBox>("MsgDelaySpin")->setValue(25);
  EXPECT_EQ(e.find<QLabel>("MsgDelayLab")->text(), "Delay:  0:45");
  QTest::keyClicks(e.find<QLineEdit>("MsgtextEd"), "Go");
  const auto& m = e.c.document().messages;
  EXPECT_EQ(m[0].record[msg::Delay], 25);
  EXPECT_EQ(m[2].record[msg::Delay], 25);
  EXPECT_EQ(m[1].record[msg::Delay], 0);
  EXPECT_EQ(m[2].text(), "Go");
  EXPECT_EQ(m[0].text(), "") << "the text goes into the current message only";

  // Arrival page: a click on the third trigger label makes it current; a
  // condition chosen writes that trigger of every selected flight group.
  e.c.setFlightGroupSelection({0, 1});
  e.pad->showPage(DatapadPage::Arrival);
  QLabel* third = e.find<QLabel>("Cond3Lab");
  QTest::mouseClick(third, Qt::LeftButton);
  EXPECT_EQ(third->palette().color(QPalette::WindowText), QColor(169, 3, 145));
  EXPECT_EQ(e.find<QLabel>("Cond1Lab")->palette().color(QPalette::WindowText), QColor(Qt::black));
  e.choose(e.find<QComboBox>("CondBox"), 2);
  for (int i : {0, 1})
    EXPECT_EQ(e.fg(i).at(fg::ArrivalPair2 + pair::First + trig::Condition), 2) << i;
  EXPECT_EQ(e.fg(0).at(fg::ArrivalPair1 + pair::First + trig::Condition), 0);
  EXPECT_EQ(e.find<QComboBox>("RegionFGBox")->itemText(0), "0");
}

TEST(Datapad, TeamsPageAndExtras) {
  Pad e;
  e.open(2);
  e.find<QTabWidget>("OverallPages")->setCurrentIndex(2);
  e.c.setCurrentTeam(2);
  e.choose(e.find<QComboBox>("TeamIFFBox1"), 1);
  EXPECT_EQ(e.c.document().teams[2].name(), "Imperial");
  e.choose(e.find<QComboBox>("TeamIFFBox1"), 2);
  EXPECT_EQ(e.c.document().teams[2].name(), "Imperial") << "Blue leaves the name";

  e.c.setCurrentTeam(0);
  e.find<QToolButton>("JoinByRadio")->click();
  EXPECT_EQ(e.fg(0).at(fg::Radio), 1);
  EXPECT_TRUE(e.prompts.log.last().startsWith("notice 1000: Team 1."))
      << e.prompts.log.last().toStdString();
  e.find<QToolButton>("TeamDrop")->click();
  EXPECT_EQ(e.c.state().currentTeam, 1);

  // Extras: "Random" into every selected flight group.
  e.c.setFlightGroupSelection({0, 1});
  e.find<QToolButton>("ExtBtn")->click();
  QCheckBox* random = e.find<QCheckBox>("RandomChk");
  random->click();
  EXPECT_EQ(e.fg(0).at(fg::RandomSpecialCraft), 1);
  EXPECT_EQ(e.fg(1).at(fg::RandomSpecialCraft), 1);
}

TEST(Datapad, TheWindowLayoutComesBackNextTime) {
  Editor e;
  e.w.show();
  auto* pad = e.w.findChild<TDatapad*>();
  e.trigger("DatapadAction"); // shown at start: F6 hides it
  EXPECT_FALSE(pad->isVisible());
  e.trigger("DatapadAction");
  ASSERT_TRUE(pad->isVisible());
  const QSize chosen = pad->size() + QSize(60, 40); // dragged larger
  pad->resize(chosen);
  e.w.close();
  ASSERT_FALSE(e.prefs.datapadGeometry.isEmpty());

  // A new run with the preferences the store wrote.
  Preferences prefs;
  QStringList history;
  e.store.load(prefs, history);
  EditorSession session{prefs, e.prompts};
  TForm1 again{session, e.store};
  again.show();
  auto* pad2 = again.findChild<TDatapad*>();
  EXPECT_TRUE(pad2->isVisible());
  EXPECT_EQ(pad2->size(), chosen);
}

namespace {

// Types over the box's text and ends the editing with key (Enter), or by
// moving the focus on when key is 0.
void typeOver(Pad& e, QAbstractSpinBox* box, const char* text, Qt::Key key,
              QWidget* next = nullptr) {
  e.focusIn(box);
  box->selectAll();
  QTest::keyClicks(box, text);
  if (key != 0) QTest::keyClick(box, key);
  if (next) next->setFocus();
  QApplication::processEvents();
}

} // namespace

TEST(DatapadBoxes, TypedPointsTimesAndWavesAreStoredOnceEditingFinishes) {
  Pad e;
  e.open(2);
  e.c.setFlightGroupSelection({0, 1});
  e.edit([](Edit& ed) {
    for (int f : {0, 1})
      ed.flightGroup(f).goal(0)[goal::Points] = 24; // 600 points
  });
  e.c.undoStack().clear();
  e.pad->showPage(DatapadPage::FGGoals);
  QSpinBox* points = e.find<QSpinBox>("FGGoalPointsSpin");
  ASSERT_EQ(points->text(), "600");

  e.focusIn(points);
  points->selectAll();
  QTest::keyClicks(points, "250");
  EXPECT_EQ(e.fg(0).goal(0)[goal::Points], 24) << "nothing is stored while typing";
  EXPECT_EQ(points->text(), "250") << "and the box is not refilled under the cursor";
  QTest::keyClick(points, Qt::Key_Enter);
  for (int i : {0, 1})
    EXPECT_EQ(e.fg(i).goal(0)[goal::Points], 10) << "250 points stored as 10, fg " << i;
  EXPECT_EQ(points->text(), "250");
  EXPECT_EQ(e.c.undoStack().count(), 1);

  // A value the byte cannot keep shows as stored once committed.
  typeOver(e, points, "260", Qt::Key_Return);
  EXPECT_EQ(e.fg(0).goal(0)[goal::Points], 10);
  EXPECT_EQ(points->text(), "250");

  // The goal's time, ended by an arrow step after typing.
  QSpinBox* time = e.find<QSpinBox>("FGGoalTimeSpin");
  typeOver(e, time, "45", Qt::Key_Enter);
  EXPECT_EQ(e.fg(1).goal(0)[goal::Time], 45);
  EXPECT_EQ(e.c.undoStack().count(), 2);
  QTest::keyClick(time, Qt::Key_Up);
  EXPECT_EQ(e.fg(1).goal(0)[goal::Time], 46) << "an arrow step commits at once";

  // Waves show one more than they store; leaving the box commits.
  e.pad->showPage(DatapadPage::Ship);
  QSpinBox* waves = e.find<QSpinBox>("WaveSpin");
  const int steps = e.c.undoStack().count();
  typeOver(e, waves, "12", Qt::Key(0), e.find<QSpinBox>("GGSpin"));
  EXPECT_EQ(e.fg(0).at(fg::NumWavesMinusOne), 11);
  EXPECT_EQ(e.c.undoStack().count(), steps + 1);
  EXPECT_EQ(waves->text(), "12");

  // The message delay, whose label reads the delay as time.
  e.edit([](Edit& ed) { ed.appendMessage(MsgObject{}); });
  e.pad->showPage(DatapadPage::Msg);
  typeOver(e, e.find<QSpinBox>("MsgDelaySpin"), "25", Qt::Key_Enter);
  EXPECT_EQ(e.c.document().messages[0].record[msg::Delay], 25);
  EXPECT_EQ(e.find<QLabel>("MsgDelayLab")->text(), "Delay:  0:45");
}

TEST(DatapadBoxes, AnEditElsewhereLeavesTheBoxBeingTypedIn) {
  Pad e;
  e.open(2);
  e.pad->showPage(DatapadPage::Ship);
  QSpinBox* size = e.find<QSpinBox>("FGSizeSpin");
  e.focusIn(size);
  size->selectAll();
  QTest::keyClicks(size, "12");
  // Another window changes the same field of the same flight group.
  e.c.apply(storeField(FgField::NumCraft, 3, e.c.state()));
  EXPECT_EQ(size->text(), "12") << "the typed text stays";
  QTest::keyClick(size, Qt::Key_Enter);
  EXPECT_EQ(e.fg(0).at(fg::NumCraft), 12);
  EXPECT_EQ(size->text(), "12");

  // A role switch typed as text, shown signed: an unused role shows "-1".
  e.pad->showPage(DatapadPage::Role);
  auto* sw = e.find<QLineEdit>("Edit2");
  ASSERT_EQ(sw->text(), "-1");
  e.focusIn(sw);
  sw->selectAll();
  QTest::keyClicks(sw, "0");
  EXPECT_EQ(e.fg(0).at(fg::Role2Switch), 255) << "stored when editing finishes";
  QTest::keyClick(sw, Qt::Key_Enter);
  EXPECT_EQ(e.fg(0).at(fg::Role2Switch), 0);
  EXPECT_TRUE(e.find<QCheckBox>("UseRole2")->isChecked()) << "the role is used now";
}

TEST(DatapadBoxes, AnEditRefreshesOnlyTheControlsThatShowWhatChanged) {
  Pad e;
  e.open(3);
  e.pad->showPage(DatapadPage::Ship);
  QSpinBox* group = e.find<QSpinBox>("GGSpin");
  QComboBox* team = e.find<QComboBox>("TeamBox");
  // A mark in a control no edit below concerns: a refresh would wipe it.
  auto mark = [group] {
    const QSignalBlocker block(group);
    group->setValue(77);
  };
  mark();
  // A map drag moves the start point: no control of the page shows it.
  e.edit([](Edit& ed) { setI16(ed.flightGroup(0).record, fg::startPointOffset(1) + wp::X, 500); });
  EXPECT_EQ(group->value(), 77);
  // The team, written from another window, shows; the global group is not read again.
  e.c.apply(storeField(FgField::Team, 4, e.c.state()));
  EXPECT_EQ(team->currentIndex(), 4);
  EXPECT_EQ(group->value(), 77);
  // An edit of another flight group leaves this one's page alone.
  e.edit([](Edit& ed) { ed.flightGroup(2).set(fg::Team, 7); });
  EXPECT_EQ(team->currentIndex(), 4);
  // The global group itself.
  e.edit([](Edit& ed) { ed.flightGroup(0).set(fg::GlobalGroup, 9); });
  EXPECT_EQ(group->value(), 9);

  // The flight-group list redraws only the lines that read what changed.
  QSignalSpy lines(e.list("ShipList")->model(), &QAbstractItemModel::dataChanged);
  e.edit([](Edit& ed) { setI16(ed.flightGroup(1).record, fg::startPointOffset(1) + wp::Y, 9); });
  EXPECT_EQ(lines.count(), 0) << "a map drag changes no line";
  e.c.setFlightGroupSelection({1});
  e.c.apply(storeName("Red", e.c.state(), false));
  ASSERT_EQ(lines.count(), 1);
  EXPECT_EQ(lines[0][0].toModelIndex().row(), 1);
  EXPECT_EQ(lines[0][1].toModelIndex().row(), 1);
}

TEST(DatapadCommands, TheWindowsCommandsAreActionsOfTheRegistry) {
  Pad e;
  e.open(1);
  // "Extras..." opens the extras window, from the button or the action.
  QAction* extras = e.action("ExtrasAction");
  ASSERT_NE(extras, nullptr);
  EXPECT_EQ(e.find<QToolButton>("ExtBtn")->defaultAction(), extras);
  extras->trigger();
  EXPECT_TRUE(e.w.findChild<QWidget*>("ShipExt")->isVisible());

  // The clipboards' "+" append to their files in the editor's folder.
  e.pad->showPage(DatapadPage::Arrival);
  e.trigger("AddTriggerAction");
  e.trigger("AddTriggerAction");
  EXPECT_EQ(std::filesystem::file_size(e.dir.path("Conds.clp")), 12u);
  e.pad->showPage(DatapadPage::Orders);
  e.find<QToolButton>("AddOrderBtn")->click();
  EXPECT_EQ(std::filesystem::file_size(e.dir.path("Orders.clp")), 148u);

  for (const char* id : {"FormationsAction", "ChooseBackdropAction", "LinkTeamByRadioAction",
                         "PreviousTeamAction", "NextTeamAction"})
    EXPECT_NE(e.action(id), nullptr) << id;
  // The previous team stops at the first.
  EXPECT_FALSE(e.action("PreviousTeamAction")->isEnabled());
  e.trigger("NextTeamAction");
  EXPECT_EQ(e.c.state().currentTeam, 1);
  EXPECT_TRUE(e.action("PreviousTeamAction")->isEnabled());
}

TEST(TeamsPageBoxes, NamesShowAsStoredOnceTypedAndEditsElsewhereLeaveTheLineTyped) {
  Pad e;
  e.open(1);
  e.find<QTabWidget>("OverallPages")->setCurrentIndex(2);
  e.w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&e.w));
  QLineEdit* name = e.find<QComboBox>("TeamName1Ed")->lineEdit();
  name->setFocus();
  name->selectAll();
  QTest::keyClicks(name, "Bl");
  for (const char16_t ch : {u'\u00e9', u'\u20ac'}) // e acute, then a euro sign
    QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(QChar(ch)), Qt::NoModifier);
  EXPECT_EQ(e.c.document().teams[0].name(), "Bl\xe9?") << "a character Latin-1 lacks is a ?";
  EXPECT_EQ(name->text(), QString::fromUtf8("Bl\u00e9\u20ac")) << "not rewritten while typed";
  EXPECT_EQ(e.c.undoStack().count(), 1) << "one step for the whole name";
  QLineEdit* line = e.find<QLineEdit>("Succ1Ed");
  line->setFocus(); // the name's editing finishes
  EXPECT_EQ(name->text(), QString::fromLatin1("Bl\xe9?"));

  QTest::keyClicks(line, "We");
  // The team's name changes in another window while the line is typed.
  e.c.apply(storeTeamName("Red", e.c.state()));
  e.c.apply(storeEndText(1, "Lost", e.c.state()));
  EXPECT_EQ(name->text(), "Red");
  EXPECT_EQ(line->text(), "We") << "the line being typed is left alone";
  line->clearFocus();
  EXPECT_EQ(line->text(), "Lost") << "and shows what is stored once its editing finishes";
}

TEST(ExtrasBoxes, TheSpecialCraftIsStoredWhenTypedAndTheCaptionsFollowTheCraft) {
  Pad e;
  e.open(2);
  e.c.setFlightGroupSelection({0, 1});
  e.find<QToolButton>("ExtBtn")->click();
  auto* extras = e.w.findChild<QWidget*>("ShipExt");
  extras->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(extras));
  QSpinBox* special = e.find<QSpinBox>("SpecShpSpin");
  const Byte before = e.fg(1).at(fg::SpecialCraft);
  special->setFocus();
  special->selectAll();
  QTest::keyClicks(special, "12");
  EXPECT_EQ(e.fg(1).at(fg::SpecialCraft), before) << "nothing stored while typing";
  QTest::keyClick(special, Qt::Key_Enter);
  EXPECT_EQ(e.fg(0).at(fg::SpecialCraft), 12);
  EXPECT_EQ(e.fg(1).at(fg::SpecialCraft), 12);
  EXPECT_EQ(e.c.undoStack().count(), 1);

  // Another window makes the flight group a backdrop: the cargo boxes are
  // brightness and size now, and the box shows the backdrop's number.
  e.edit([](Edit& ed) {
    ed.flightGroup(0).set(fg::CraftType, kBackdrop);
    ed.flightGroup(0).set(fg::BackdropNumber, 3);
  });
  EXPECT_EQ(e.find<QLabel>("CargoLab")->text(), "  Bright:");
  e.c.setFlightGroupSelection({0});
  EXPECT_EQ(special->value(), 3);
  e.c.apply(storeAutolink(false, e.c.state()));
  EXPECT_FALSE(e.find<QCheckBox>("AutoLinkChk")->isChecked());
}

TEST(DatapadGoals, TheChosenGoalsStayAcrossAnotherMission) {
  Pad e;
  e.open(2);
  e.pad->showPage(DatapadPage::FGGoals);
  auto* goals = e.find<QListWidget>("FGgoalList");
  QTest::mouseClick(goals->viewport(), Qt::LeftButton, {},
                    goals->visualItemRect(goals->item(3)).center());
  ASSERT_EQ(e.c.state().currentGoal, 3);
  e.pad->showPage(DatapadPage::GGoals);
  auto* kinds = e.w.findChild<QButtonGroup*>("GGRadios");
  ASSERT_NE(kinds, nullptr);
  kinds->button(2)->click(); // Secondary

  // Another mission: the goals chosen stay as they were.
  e.open(3);
  EXPECT_EQ(e.c.state().currentGoal, 3);
  EXPECT_TRUE(kinds->button(2)->isChecked());
  e.pad->showPage(DatapadPage::FGGoals);
  EXPECT_EQ(goals->currentRow(), 3);
  // Clicking another flight group's line makes its goal 1 current, as a
  // click on a line always has.
  e.c.selectFlightGroup(1);
  EXPECT_EQ(e.c.state().currentGoal, 0);
}
