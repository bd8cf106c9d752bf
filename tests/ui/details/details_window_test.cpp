// The "Flight Group Details" window, the extras window and the "Teams" page
// as a designer uses them: several records edited at once, one undo step
// per control, fills that never write.
#include "support/editor_fixture.h"
#include "ui/details/details_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

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
  for (int page = 0; page <= static_cast<int>(DatapadPage::Msg); ++page) {
    e.pad->showPage(static_cast<DatapadPage>(page));
    for (int f : {1, 0, 2, 1})
      e.c.selectFlightGroup(f);
  }
  EXPECT_EQ(e.c.undoStack().count(), 0);
  EXPECT_FALSE(e.c.isModified());
  e.pad->showPage(DatapadPage::Ship);
  EXPECT_EQ(e.find<QSpinBox>("FGSizeSpin")->value(), 5);
  e.c.selectFlightGroup(0);
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
  pad->resize(700, 650);
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
  EXPECT_EQ(pad2->size(), QSize(700, 650));
}
