// Several flight groups or messages selected in the main window's lists:
// the details window says how many an edit changes, shows which values they
// do not share, and a value set writes into all of them as one step.
#include "core/mission/message_edits.h"
#include "core/mission/reader.h"
#include "support/editor_fixture.h"
#include "ui/details/details_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

struct Bulk : Editor {
  TDatapad* pad = w.findChild<TDatapad*>();

  // Three flight groups "Red", "Blue" and "Gold" of 1, 2 and 2 craft, and
  // three messages of delays 0, 5 and 5.
  Bulk() {
    Document d = newMission({});
    d.flightGroups.resize(3, d.flightGroups[0]);
    const char* names[] = {"Red", "Blue", "Gold"};
    for (std::size_t i = 0; i < 3; ++i) {
      d.flightGroups[i].setName(names[i]);
      d.flightGroups[i].set(fg::NumCraft, i == 0 ? 1 : 2);
    }
    d.messages.resize(3);
    d.messages[1].record[msg::Delay] = 5;
    d.messages[2].record[msg::Delay] = 5;
    EXPECT_TRUE(writeMission(d, dir.path("bulk.tie")).ok());
    EXPECT_TRUE(files.openPath(q(dir.path("bulk.tie"))));
    w.show();
    pad->show();
    QApplication::processEvents();
  }
  template <class T> T* find(const char* name) {
    T* t = w.findChild<T*>(name);
    EXPECT_NE(t, nullptr) << name;
    return t;
  }
  // A click on line row of a list, with Ctrl to add it to the selection.
  void click(const char* listName, int row, Qt::KeyboardModifiers mods = {}) {
    QListView* l = list(listName);
    const QRect r = l->visualRect(l->model()->index(row, 0));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, mods, r.center());
  }
  void typeInto(QWidget* box, const QString& text) {
    pad->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(pad));
    box->setFocus();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
    QApplication::processEvents();
  }
  // The mission as Save writes it.
  Document saved() {
    EXPECT_TRUE(files.save());
    auto d = readMission(dir.path("bulk.tie"));
    EXPECT_TRUE(d.ok());
    return d.ok() ? *d : Document{};
  }
};

} // namespace

TEST(BulkEdits, TwoFlightGroupsNamedDifferentlyAreRenamedTogether) {
  Bulk e;
  e.pad->showPage(DatapadPage::Ship);
  e.click("ShipList", 0);
  EXPECT_FALSE(e.pad->windowTitle().contains("selected"));
  EXPECT_TRUE(e.pad->windowTitle().startsWith("Flight Group Details – "));
  EXPECT_TRUE(e.pad->windowTitle().contains("Red"));
  e.click("ShipList", 1, Qt::ControlModifier);
  EXPECT_TRUE(e.pad->windowTitle().contains("Blue"));
  EXPECT_TRUE(e.pad->windowTitle().endsWith("(2 selected)")) << e.pad->windowTitle().toStdString();

  auto* name = e.find<QComboBox>("ShipName");
  EXPECT_EQ(name->currentText(), "");
  EXPECT_EQ(name->lineEdit()->placeholderText(), "(mixed)");
  // Red has one craft and Blue two: the box stands empty.
  EXPECT_EQ(e.find<QSpinBox>("FGSizeSpin")->text(), "");
  EXPECT_EQ(e.find<QComboBox>("TeamBox")->currentText(), "1") << "the same team shows";

  const std::vector<Byte> before = savedBytes(e.c.document());
  e.typeInto(name->lineEdit(), "Green");
  const Document d = e.saved();
  ASSERT_EQ(d.flightGroups.size(), 3u);
  EXPECT_EQ(d.flightGroups[0].name(), "Green");
  EXPECT_EQ(d.flightGroups[1].name(), "Green");
  EXPECT_EQ(d.flightGroups[2].name(), "Gold");
  EXPECT_EQ(name->currentText(), "Green") << "no longer mixed";
  e.c.undoStack().undo();
  EXPECT_EQ(savedBytes(e.c.document()), before) << "one step";
  EXPECT_EQ(name->currentText(), "");
}

TEST(BulkEdits, MixedBoxesTakeAValueForEverySelectedFlightGroup) {
  Bulk e;
  e.pad->showPage(DatapadPage::Ship);
  e.click("ShipList", 0);
  e.click("ShipList", 2, Qt::ControlModifier);
  auto* size = e.find<QSpinBox>("FGSizeSpin");
  ASSERT_EQ(size->text(), "");
  // The number behind the empty box is the current flight group's 1: typed
  // again, it still goes into both.
  e.typeInto(size, "1");
  EXPECT_EQ(e.c.document().flightGroups[0].at(fg::NumCraft), 1);
  EXPECT_EQ(e.c.document().flightGroups[2].at(fg::NumCraft), 1);
  EXPECT_EQ(size->text(), "1");
  EXPECT_EQ(e.c.undoStack().count(), 1);

  // A drop-down shows "(mixed)" and a choice sets both.
  e.edit([](Edit& ed) { ed.flightGroup(2).set(fg::PlayerNumber, 3); });
  auto* player = e.find<QComboBox>("PlayerBox");
  EXPECT_EQ(player->currentIndex(), -1);
  EXPECT_EQ(player->placeholderText(), "(mixed)");
  player->setCurrentIndex(2);
  emit player->activated(2);
  EXPECT_EQ(e.c.document().flightGroups[0].at(fg::PlayerNumber), 2);
  EXPECT_EQ(e.c.document().flightGroups[2].at(fg::PlayerNumber), 2);

  // A box ticked for one and not the other is partly ticked; a click ticks both.
  e.pad->showPage(DatapadPage::Role);
  e.edit([](Edit& ed) {
    ed.flightGroup(0).set(fg::Role1Switch, 0);
    ed.flightGroup(2).set(fg::Role1Switch, 255);
  });
  auto* use = e.find<QCheckBox>("UseRole1");
  EXPECT_EQ(use->checkState(), Qt::PartiallyChecked);
  use->click();
  EXPECT_EQ(e.c.document().flightGroups[2].at(fg::Role1Switch), 0);
  EXPECT_EQ(use->checkState(), Qt::Checked);
  EXPECT_FALSE(use->isTristate());
}

TEST(BulkEdits, SeveralMessagesShowWhatTheyDoNotShare) {
  Bulk e;
  auto* pages = e.w.findChild<QTabWidget*>(QStringLiteral("OverallPages"));
  pages->setCurrentIndex(1);
  e.pad->showPage(DatapadPage::Msg);
  e.click("MsgStrList", 0);
  e.click("MsgStrList", 1, Qt::ControlModifier);
  EXPECT_TRUE(e.pad->windowTitle().endsWith("Message 2 (2 selected)"))
      << e.pad->windowTitle().toStdString();
  auto* delay = e.find<QSpinBox>("MsgDelaySpin");
  EXPECT_EQ(delay->text(), "");
  EXPECT_EQ(e.find<QLabel>("MsgDelayLab")->text(), "Delay:");
  e.typeInto(delay, "7");
  for (int m : {0, 1})
    EXPECT_EQ(e.c.document().messages[static_cast<std::size_t>(m)].record[msg::Delay], 7) << m;
  EXPECT_EQ(e.c.document().messages[2].record[msg::Delay], 5);
  EXPECT_EQ(delay->text(), "7");

  // And and Or: neither chosen while the two differ.
  e.edit([](Edit& ed) { ed.message(1).record[msg::CancelAnd] = 1; });
  EXPECT_FALSE(e.find<QRadioButton>("and5And")->isChecked());
  EXPECT_FALSE(e.find<QRadioButton>("And5Or")->isChecked());
  e.find<QRadioButton>("And5Or")->click();
  EXPECT_FALSE(cancelIsAnd(e.c.document().messages[0]) || cancelIsAnd(e.c.document().messages[1]));
}

TEST(BulkEdits, EveryPageShowsItsTabAndTheToolSaysWhoseTriggersItShows) {
  Bulk e;
  auto* tabs = e.find<QTabWidget>("FGPages");
  QTabBar* bar = tabs->tabBar();
  for (int i = 0; i < tabs->count(); ++i)
    EXPECT_TRUE(bar->rect().contains(bar->tabRect(i))) << tabs->tabText(i).toStdString();
  for (QWidget* arrow : bar->findChildren<QWidget*>())
    EXPECT_FALSE(arrow->isVisible()) << "no scroll arrows";

  e.click("ShipList", 1);
  auto* heading = e.find<QLabel>("CondHeading");
  auto* mothers = e.find<QGroupBox>("MothersPanel");
  e.pad->showPage(DatapadPage::Arrival);
  EXPECT_TRUE(heading->text().startsWith("Arrival of ") && heading->text().contains("Blue"));
  EXPECT_EQ(mothers->title(), "Arrival mothership");
  e.pad->showPage(DatapadPage::Departure);
  EXPECT_TRUE(heading->text().startsWith("Departure of "));
  EXPECT_EQ(mothers->title(), "Departure mothership");
  e.c.setCurrentGoal(2);
  e.pad->showPage(DatapadPage::FGGoals);
  EXPECT_TRUE(heading->text().startsWith("Goal 3 of "));
  e.pad->showPage(DatapadPage::GGoals);
  EXPECT_EQ(heading->text(), "Primary goal of team 1");
  e.pad->showPage(DatapadPage::Msg);
  EXPECT_EQ(heading->text(), "Message 1");
}

namespace {

// A box is labelled when a label names it, when it names itself (a box in
// a row that one label heads), or when its titled group does.
bool labelled(QWidget* box, QWidget& window) {
  for (QLabel* l : window.findChildren<QLabel*>())
    if (l->buddy() == box && !l->text().trimmed().isEmpty()) return true;
  if (!box->toolTip().isEmpty()) return true;
  auto* group = qobject_cast<QGroupBox*>(box->parentWidget());
  return group && !group->title().isEmpty();
}

// The boxes a designer types in or chooses from that show now.
QList<QWidget*> shownBoxes(QWidget& window) {
  QList<QWidget*> out;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    const bool box = qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                     (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget()) &&
                      !qobject_cast<QAbstractSpinBox*>(w->parentWidget()));
    if (box && w->isVisible()) out << w;
  }
  return out;
}

} // namespace

TEST(BulkEdits, EveryBoxOnEveryPageHasALabel) {
  Bulk e;
  for (int p = 0; p <= static_cast<int>(DatapadPage::Msg); ++p) {
    e.pad->showPage(static_cast<DatapadPage>(p));
    QApplication::processEvents();
    for (QWidget* box : shownBoxes(*e.pad))
      EXPECT_TRUE(labelled(box, *e.pad)) << "page " << p << ": " << box->objectName().toStdString();
  }
  auto* pages = e.w.findChild<QTabWidget*>(QStringLiteral("OverallPages"));
  pages->setCurrentIndex(2);
  QWidget* teams = pages->currentWidget();
  QApplication::processEvents();
  ASSERT_FALSE(shownBoxes(*teams).isEmpty());
  for (QWidget* box : shownBoxes(*teams))
    EXPECT_TRUE(labelled(box, *teams)) << "teams: " << box->objectName().toStdString();
}

TEST(BulkEdits, TheConditionToolShowsWhatTheTriggersDoNotShareAndWritesTheBoxChanged) {
  Bulk e;
  // Arrival trigger 1 of Red and Gold: both name a flight group, not the same.
  e.edit([](Edit& ed) {
    for (int i : {0, 2}) {
      ed.flightGroup(i).set(fg::ArrivalPair1 + trig::VariableType, 1);
      ed.flightGroup(i).set(fg::ArrivalPair1 + trig::Variable, i == 0 ? 1 : 2);
    }
    ed.flightGroup(0).set(fg::ArrivalPair1 + pair::Or, 1);
    ed.flightGroup(0).set(fg::ArrivalPair1 + trig::Parameter2, 3);
    ed.flightGroup(2).set(fg::ArrivalPair1 + trig::Parameter2, 5);
  });
  e.pad->showPage(DatapadPage::Arrival);
  e.click("ShipList", 0);
  e.click("ShipList", 2, Qt::ControlModifier);
  const QString heading = e.find<QLabel>("CondHeading")->text();
  EXPECT_TRUE(heading.startsWith("Arrival of ") && heading.contains("Gold") &&
              heading.endsWith(" (2 selected)"))
      << heading.toStdString();
  auto* variable = e.find<QComboBox>("IndexBox");
  EXPECT_EQ(variable->currentIndex(), -1);
  EXPECT_EQ(variable->placeholderText(), "(mixed)");
  auto* amount = e.find<QComboBox>("PercentBox");
  EXPECT_EQ(amount->currentIndex(), 0);
  EXPECT_TRUE(amount->placeholderText().isEmpty());

  const int steps = e.c.undoStack().count();
  QTest::keyClick(amount, Qt::Key_Down);
  EXPECT_EQ(e.c.undoStack().count(), steps + 1);
  Document d = e.saved();
  for (std::size_t i : {0u, 2u}) {
    EXPECT_EQ(d.flightGroups[i].at(fg::ArrivalPair1 + trig::Amount), 1) << i;
    EXPECT_EQ(d.flightGroups[i].at(fg::ArrivalPair1 + trig::Variable), i == 0 ? 1 : 2)
        << "each keeps the flight group it waits for";
  }
  EXPECT_EQ(d.flightGroups[1].at(fg::ArrivalPair1 + trig::Amount), 0) << "not selected";
  EXPECT_EQ(variable->placeholderText(), "(mixed)");

  // Choosing a variable in the mixed box sets it in both.
  QTest::keyClick(variable, Qt::Key_Down);
  for (std::size_t i : {0u, 2u})
    EXPECT_EQ(e.c.document().flightGroups[i].at(fg::ArrivalPair1 + trig::Variable),
              variable->currentIndex());
  EXPECT_GE(variable->currentIndex(), 0);
  EXPECT_TRUE(variable->placeholderText().isEmpty());

  // And or Or between triggers 1 and 2: neither while they differ; a click sets both.
  auto* andButton = e.find<QRadioButton>("and2And");
  auto* orButton = e.find<QRadioButton>("and2Or");
  EXPECT_FALSE(andButton->isChecked() || orButton->isChecked());
  andButton->click();
  for (std::size_t i : {0u, 2u})
    EXPECT_EQ(e.c.document().flightGroups[i].at(fg::ArrivalPair1 + pair::Or), 0) << i;
  EXPECT_TRUE(andButton->isChecked());

  // The second parameter differs: its box stands empty. Left empty it
  // writes nothing; a number typed in goes into both.
  auto* second = e.find<QLineEdit>("CondUnk2");
  EXPECT_EQ(second->text(), "");
  EXPECT_EQ(second->placeholderText(), "(mixed)");
  const int before = e.c.undoStack().count();
  second->setFocus();
  QTest::keyClicks(second, "1");
  QTest::keyClick(second, Qt::Key_Backspace);
  QTest::keyClick(second, Qt::Key_Return);
  EXPECT_EQ(e.c.undoStack().count(), before) << "typed and taken back: nothing to write";
  EXPECT_EQ(e.c.document().flightGroups[0].at(fg::ArrivalPair1 + trig::Parameter2), 3);
  e.typeInto(second, "7");
  for (std::size_t i : {0u, 2u})
    EXPECT_EQ(e.c.document().flightGroups[i].at(fg::ArrivalPair1 + trig::Parameter2), 7) << i;
  EXPECT_EQ(second->text(), "7");
}

TEST(BulkEdits, ListsOfChoicesMarkWhatOnlySomeHave) {
  Bulk e;
  // Red carries warhead row 1, Gold rows 1 and 3.
  e.edit([](Edit& ed) {
    ed.flightGroup(0).set(fg::OptionalWarheads, 2);
    ed.flightGroup(2).set(fg::OptionalWarheads, 2);
    ed.flightGroup(2).set(fg::OptionalWarheads + 1, 4);
  });
  e.pad->showPage(DatapadPage::Options);
  e.click("ShipList", 0);
  e.click("ShipList", 2, Qt::ControlModifier);
  auto* warheads = e.find<QListWidget>("MissleSelBox");
  auto clickItem = [](QListWidget* l, int row) {
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
  };
  EXPECT_TRUE(warheads->item(1)->isSelected());
  EXPECT_FALSE(warheads->item(3)->isSelected());
  EXPECT_TRUE(warheads->item(3)->text().endsWith("(mixed)"));
  EXPECT_FALSE(warheads->item(1)->text().endsWith("(mixed)"));

  clickItem(warheads, 3);
  EXPECT_TRUE(warheads->item(3)->isSelected());
  EXPECT_FALSE(warheads->item(3)->text().endsWith("(mixed)"));
  clickItem(warheads, 1);
  Document d = e.saved();
  for (std::size_t i : {0u, 2u}) {
    EXPECT_EQ(d.flightGroups[i].at(fg::OptionalWarheads), 4) << i;
    EXPECT_EQ(d.flightGroups[i].at(fg::OptionalWarheads + 1), 0) << i;
  }
  EXPECT_EQ(d.flightGroups[1].at(fg::OptionalWarheads), 0) << "not selected";

  // "Sent to Teams" of two messages, only the second sent to team 3.
  e.edit([](Edit& ed) {
    for (int m : {0, 1})
      ed.message(m).record[msg::SentTo] = 1;
    ed.message(1).record[msg::SentTo + 2] = 1;
  });
  auto* pages = e.w.findChild<QTabWidget*>(QStringLiteral("OverallPages"));
  pages->setCurrentIndex(1);
  e.pad->showPage(DatapadPage::Msg);
  e.click("MsgStrList", 0);
  e.click("MsgStrList", 1, Qt::ControlModifier);
  auto* teams = e.find<QListWidget>("SeenByList");
  EXPECT_TRUE(teams->item(0)->isSelected());
  EXPECT_TRUE(teams->item(2)->text().endsWith("(mixed)"));
  clickItem(teams, 1);
  d = e.saved();
  EXPECT_EQ(sentToRows(d.messages[0]), (std::vector<int>{0, 1}));
  EXPECT_EQ(sentToRows(d.messages[1]), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(sentToRows(d.messages[2]), std::vector<int>{});
}
