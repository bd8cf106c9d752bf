#include "core/gamedata/vocabularies.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"
#include "support/test_prefs.h"
#include "ui/main/preferences_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>

using namespace zephlo;

namespace {

// Answers folder choices from a queue and records where each browser
// started; any other question fails the test.
class ScriptedPrompts : public Prompts {
public:
  std::deque<QString> folders;
  QStringList startDirs;

  QString chooseFolder(const QString&, const QString& dir) override {
    startDirs << dir;
    if (folders.empty()) {
      ADD_FAILURE() << "unexpected folder choice";
      return {};
    }
    QString answer = folders.front();
    folders.pop_front();
    return answer;
  }

  bool askYesNo(const QString& text) override {
    unexpected(text);
    return false;
  }
  Answer askYesNoCancel(const QString& text) override {
    unexpected(text);
    return Answer::Cancel;
  }
  int askChoice(const QString&, const QString& text, const QStringList&) override {
    unexpected(text);
    return -1;
  }
  void showError(const QString& text) override { unexpected(text); }
  void showInformation(const QString& text) override { unexpected(text); }
  void timedNotice(const QString& text, int) override { unexpected(text); }
  QString chooseOpenFile(const QString& caption, const QString&, const QString&) override {
    unexpected(caption);
    return {};
  }
  QString chooseSaveFile(const QString& caption, const QString&, const QString&,
                         const QString&) override {
    unexpected(caption);
    return {};
  }
  StartupChoice chooseStartupAction() override {
    unexpected("start-up choice");
    return StartupChoice::Closed;
  }
  int runModal(QDialog&) override {
    unexpected("modal dialog");
    return 0;
  }

private:
  static void unexpected(const QString& what) { ADD_FAILURE() << what.toStdString(); }
};

class PrefFormTest : public ::testing::Test {
protected:
  QTemporaryDir dir;
  SettingsStore store{dir.filePath(QStringLiteral("zephlo.ini"))};
  ScriptedPrompts prompts;

  template <typename T> static T* child(QWidget& form, const char* name) {
    T* widget = form.findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  static void click(QWidget& form, const char* name) {
    QAbstractButton* button = child<QAbstractButton>(form, name);
    if (!button) return;
    // A check box reacts only on its box and caption, which start at its left.
    const QPoint at = qobject_cast<QCheckBox*>(button) ? QPoint(6, button->height() / 2)
                                                       : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
  }
};

} // namespace

namespace {

struct BoolControl {
  const char* name;
  bool Preferences::*field;
};
const BoolControl kBoolControls[] = {
    {"UseAutoChk", &Preferences::autoLink},
    {"CheckPlayableChk", &Preferences::checkPlayable},
    {"ConfirmDeletesChk", &Preferences::confirmDeletes},
    {"BlackenChk", &Preferences::blacken},
    {"EnableWPsChk", &Preferences::enableWPs},
    {"LinkColorChk", &Preferences::linkColor},
    {"AdjustForResChk", &Preferences::adjustForRes},
    {"UseWizChk", &Preferences::useWiz},
    {"DirInReopenChk", &Preferences::dirInReopen},
    {"FileSavedMsgChk", &Preferences::fileSavedMsg},
    {"DoBackupsChk", &Preferences::doBackups},
    {"GhostTextChk", &Preferences::ghostText},
    {"CentreChk", &Preferences::centre},
    {"DefaultNameChk", &Preferences::defaultName},
    {"DefaultWPtimeChk", &Preferences::defaultWPtime},
    {"DefaultWPdistChk", &Preferences::defaultWPdist},
    {"DefaultPaletChk", &Preferences::defaultPalet},
    {"DefaultHypChk", &Preferences::defaultHyp},
    {"DefaultOptionsChk", &Preferences::defaultOptions},
    {"LimitShrinkChk", &Preferences::limitShrink},
    {"GhostGridChk", &Preferences::ghostGrid},
    {"OnlyXYChk", &Preferences::onlyXY},
};

struct IntControl {
  const char* name;
  int Preferences::*field;
  int other; // a valid value other than the default
};
const IntControl kIntControls[] = {
    {"DefaultFormatCombo", &Preferences::defaultFormat, 0},
    {"OpenProgWithCombo", &Preferences::openProgWith, 2},
    {"DefaultShipCombo", &Preferences::defaultShip, 17},
    {"DefaultAICombo", &Preferences::defaultAI, 1},
    {"DefaultWPsCombo", &Preferences::defaultWPs, 1},
    {"AutoCtrCombo", &Preferences::autoCtr, 3},
    {"ZoomSpeedSpin", &Preferences::zoomSpeed, 7},
    {"DblClickLinkCombo", &Preferences::dblClickLink, 1},
    {"IconZoomSmallSpin", &Preferences::iconZoomSmall, 64},
};

int shownNumber(QWidget* control) {
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentIndex();
  if (auto* spin = qobject_cast<QSpinBox*>(control)) return spin->value();
  ADD_FAILURE() << "not a combo or spin box";
  return -1;
}

void setNumber(QWidget* control, int value) {
  if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setCurrentIndex(value);
  if (auto* spin = qobject_cast<QSpinBox*>(control)) spin->setValue(value);
}

} // namespace

// Each value on its own, so two controls wired to each other's value
// cannot hide behind equal values.
TEST_F(PrefFormTest, EachControlShowsAndStoresItsOwnValue) {
  const Preferences def;
  for (const BoolControl& c : kBoolControls) {
    SCOPED_TRACE(c.name);
    Preferences changed = def;
    changed.*c.field = !(def.*c.field);
    {
      Preferences prefs = changed;
      TPrefForm form(prefs, store, prompts);
      auto* box = child<QCheckBox>(form, c.name);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->isChecked(), changed.*c.field);
    }
    Preferences prefs = def;
    TPrefForm form(prefs, store, prompts);
    form.show();
    child<QCheckBox>(form, c.name)->setChecked(changed.*c.field);
    click(form, "OKBtn");
    EXPECT_EQ(prefs, changed);
  }
  for (const IntControl& c : kIntControls) {
    SCOPED_TRACE(c.name);
    Preferences changed = def;
    changed.*c.field = c.other;
    {
      Preferences prefs = changed;
      TPrefForm form(prefs, store, prompts);
      auto* control = child<QWidget>(form, c.name);
      ASSERT_NE(control, nullptr);
      EXPECT_EQ(shownNumber(control), c.other);
    }
    Preferences prefs = def;
    TPrefForm form(prefs, store, prompts);
    form.show();
    setNumber(child<QWidget>(form, c.name), c.other);
    click(form, "OKBtn");
    EXPECT_EQ(prefs, changed);
  }
}

TEST_F(PrefFormTest, CancelStoresNothing) {
  Preferences prefs;
  TPrefForm form(prefs, store, prompts);
  form.show();
  EXPECT_EQ(form.windowTitle(), "Preferences");
  for (const BoolControl& c : kBoolControls) {
    auto* box = child<QCheckBox>(form, c.name);
    if (box) box->setChecked(!box->isChecked());
  }
  for (const IntControl& c : kIntControls)
    if (auto* control = child<QWidget>(form, c.name)) setNumber(control, c.other);
  click(form, "CancelBtn");
  EXPECT_EQ(form.result(), QDialog::Rejected);
  // The autolink box acts only when clicked; here it was set without a click.
  EXPECT_EQ(prefs, Preferences{});
}

// The numbers mean the choices in the order the map and the start-up use.
TEST_F(PrefFormTest, ChoicesShowTheirMeaning) {
  const Preferences original = zephlo::testing::nonDefaultPreferences();
  Preferences prefs = original;
  TPrefForm form(prefs, store, prompts);
  form.show();
  auto* ship = child<QComboBox>(form, "DefaultShipCombo");
  ASSERT_NE(ship, nullptr);
  EXPECT_EQ(ship->count(), static_cast<int>(vocab::craftTypes().size()));
  EXPECT_EQ(ship->currentText().toStdString(), vocab::craftTypes()[231]);
  EXPECT_EQ(ship->itemText(1), "Xwing");
  EXPECT_EQ(child<QComboBox>(form, "OpenProgWithCombo")->currentText(), "Last Used File");
  EXPECT_EQ(child<QComboBox>(form, "DefaultAICombo")->currentText(), "Jedi");
  EXPECT_EQ(child<QComboBox>(form, "DefaultWPsCombo")->currentText(), "Curr WPs only");
  EXPECT_EQ(child<QComboBox>(form, "AutoCtrCombo")->currentText(), "No Adjustment");
  EXPECT_EQ(child<QComboBox>(form, "DblClickLinkCombo")->currentText(),
            "Zoom-out to fit Battlefield");
  EXPECT_EQ(child<QComboBox>(form, "DefaultFormatCombo")->currentText(), "XvT");
  EXPECT_EQ(child<QLabel>(form, "XWADirLbl")->text(), QDir::toNativeSeparators(original.gameDir));

  // OK without a change gives back exactly what was shown.
  click(form, "OKBtn");
  EXPECT_EQ(prefs, original);
}

TEST_F(PrefFormTest, AutolinkTakesEffectOnEveryClickEvenWhenCancelled) {
  Preferences prefs;
  TPrefForm form(prefs, store, prompts);
  std::vector<bool> sent;
  QObject::connect(&form, &TPrefForm::autolinkChanged, [&](bool on) { sent.push_back(on); });
  form.show();

  click(form, "UseAutoChk");
  EXPECT_EQ(sent, std::vector<bool>{false});
  EXPECT_FALSE(prefs.autoLink);
  click(form, "UseAutoChk");
  click(form, "UseAutoChk");
  EXPECT_EQ(sent, (std::vector<bool>{false, true, false}));

  child<QCheckBox>(form, "ConfirmDeletesChk")->setChecked(false);
  click(form, "CancelBtn");
  EXPECT_FALSE(prefs.autoLink);
  EXPECT_TRUE(prefs.confirmDeletes);
}

TEST_F(PrefFormTest, BrowseSetsTheFolderAtOnce) {
  const QString missions = dir.filePath(QStringLiteral("missions"));
  const QString chosen = dir.filePath(QStringLiteral("chosen"));
  ASSERT_TRUE(QDir().mkpath(missions));
  Preferences prefs;
  prefs.missionsDir = missions;
  prefs.waveDir = dir.filePath(QStringLiteral("gone"));
  TPrefForm form(prefs, store, prompts);
  form.show();

  // An existing folder is where the browser starts; the chosen one is kept
  // even though the dialog is cancelled.
  prompts.folders = {chosen};
  click(form, "StartDirBrwsBut");
  EXPECT_EQ(prompts.startDirs.value(0), missions);
  EXPECT_EQ(prefs.missionsDir, chosen);
  EXPECT_EQ(child<QLabel>(form, "MissionsDirLbl")->text(), QDir::toNativeSeparators(chosen));

  // A missing folder, or the editor folder's "Undefined", starts at home.
  prompts.folders = {QString(), chosen + "/wave"};
  click(form, "EDBrwsBut");
  click(form, "Button1");
  EXPECT_EQ(prompts.startDirs.value(1), QDir::homePath());
  EXPECT_EQ(prompts.startDirs.value(2), QDir::homePath());
  EXPECT_EQ(prefs.editorDir, "Undefined"); // the browser was cancelled
  EXPECT_EQ(prefs.waveDir, chosen + "/wave");

  prompts.folders = {"/games/xwa", "/games/xwa/FlightModels"};
  click(form, "XvTBrwsBut");
  click(form, "OPTBrwsBtn");
  EXPECT_EQ(prefs.gameDir, "/games/xwa");
  EXPECT_EQ(prefs.optDir, "/games/xwa/FlightModels");

  click(form, "CancelBtn");
  EXPECT_EQ(prefs.missionsDir, chosen);
  EXPECT_EQ(prefs.waveDir, chosen + "/wave");
}

TEST_F(PrefFormTest, ClearPreferencesKeepsThemFromBeingWrittenAtClose) {
  Preferences prefs = zephlo::testing::nonDefaultPreferences();
  ASSERT_TRUE(store.save(prefs, {"/m/a.tie"}));
  TPrefForm form(prefs, store, prompts);
  form.show();
  click(form, "Button2");
  EXPECT_TRUE(store.cleared());
  click(form, "OKBtn");

  ASSERT_TRUE(store.save(prefs, {"/m/b.tie"}));
  QSettings raw(dir.filePath(QStringLiteral("zephlo.ini")), QSettings::IniFormat);
  EXPECT_EQ(raw.childGroups(), QStringList{"History"});
  EXPECT_EQ(raw.value("History/file1").toString(), "/m/b.tie");
}
