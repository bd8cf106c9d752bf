#include "platform/game_folder.h"
#include "platform/settings_store.h"
#include "support/test_prefs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

using namespace zephlo;

namespace {

QStringList paths(int n, const QString& stem = QStringLiteral("/m/mission")) {
  QStringList list;
  for (int i = 1; i <= n; ++i)
    list << QStringLiteral("%1%2.tie").arg(stem).arg(i);
  return list;
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
}

class SettingsStoreTest : public ::testing::Test {
protected:
  QTemporaryDir dir;
  QString ini() const { return dir.filePath(QStringLiteral("zephlo.ini")); }
};

} // namespace

TEST_F(SettingsStoreTest, EveryValueSurvivesSaveAndLoad) {
  const Preferences written = zephlo::testing::nonDefaultPreferences();
  const QStringList history = paths(3, QStringLiteral("C:\\Missions\\b "));
  {
    SettingsStore store(ini());
    ASSERT_TRUE(store.save(written, history));
  }
  SettingsStore store(ini());
  Preferences read;
  QStringList readHistory{QStringLiteral("stale")};
  store.load(read, readHistory);
  EXPECT_EQ(read, written);
  EXPECT_EQ(readHistory, history);
}

namespace {

struct BoolValue {
  const char* key;
  bool Preferences::*field;
};
const BoolValue kBoolValues[] = {
    {"Options/AutoLink", &Preferences::autoLink},
    {"Options/CheckPlayable", &Preferences::checkPlayable},
    {"Options/ConfirmDeletes", &Preferences::confirmDeletes},
    {"Options/Blacken", &Preferences::blacken},
    {"Options/EnableWPs", &Preferences::enableWPs},
    {"Options/LinkColor", &Preferences::linkColor},
    {"Options/AdjustForRes", &Preferences::adjustForRes},
    {"Options/UseWiz", &Preferences::useWiz},
    {"Options/DirInReopen", &Preferences::dirInReopen},
    {"Options/FileSavedMsg", &Preferences::fileSavedMsg},
    {"Options/DoBackups", &Preferences::doBackups},
    {"Map/GhostText", &Preferences::ghostText},
    {"Map/Centre", &Preferences::centre},
    {"Map/ConfirmClose", &Preferences::confirmClose},
    {"Map/DefaultName", &Preferences::defaultName},
    {"Map/DefaultWPtime", &Preferences::defaultWPtime},
    {"Map/DefaultWPdist", &Preferences::defaultWPdist},
    {"Map/DefaultPalet", &Preferences::defaultPalet},
    {"Map/DefaultFGList", &Preferences::defaultFGList},
    {"Map/DefaultHyp", &Preferences::defaultHyp},
    {"Map/DefaultOptions", &Preferences::defaultOptions},
    {"Map/LimitShrink", &Preferences::limitShrink},
    {"Map/GhostGrid", &Preferences::ghostGrid},
    {"Map/OnlyXY", &Preferences::onlyXY},
    {"Layout/wmx", &Preferences::wmx},
    {"Layout/dpo", &Preferences::dpo},
    {"Layout/mpo", &Preferences::mpo},
};

struct IntValue {
  const char* key;
  int Preferences::*field;
  int other; // a valid value other than the default
};
const IntValue kIntValues[] = {
    {"Options/DefaultFormat", &Preferences::defaultFormat, 0},
    {"Options/OpenProgWith", &Preferences::openProgWith, 2},
    {"Options/DefaultShip", &Preferences::defaultShip, 17},
    {"Options/DefaultAI", &Preferences::defaultAI, 1},
    {"Map/DefaultWPs", &Preferences::defaultWPs, 1},
    {"Map/AutoCtr", &Preferences::autoCtr, 3},
    {"Map/ZoomSpeed", &Preferences::zoomSpeed, 7},
    {"Map/DblClickLink", &Preferences::dblClickLink, 1},
    {"Map/IconZoomSmall", &Preferences::iconZoomSmall, 64},
};

struct TextValue {
  const char* key;
  QString Preferences::*field;
};
const TextValue kTextValues[] = {
    {"Directories/Missions", &Preferences::missionsDir},
    {"Directories/XWA", &Preferences::gameDir},
    {"Directories/Zephlo", &Preferences::editorDir},
    {"Directories/Wave", &Preferences::waveDir},
    {"Directories/OPT", &Preferences::optDir},
};

} // namespace

// Each value on its own, under the name the registry has always used, so
// two values crossed with each other cannot hide behind equal values.
TEST_F(SettingsStoreTest, EachValueHasItsOwnName) {
  const Preferences def;
  auto check = [&](const char* key, const QVariant& stored, const Preferences& changed) {
    SCOPED_TRACE(key);
    QFile::remove(ini());
    {
      SettingsStore store(ini());
      ASSERT_TRUE(store.save(changed, {}));
    }
    QSettings raw(ini(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(key).toString(), stored.toString());
    raw.clear();
    raw.setValue(key, stored);
    raw.sync();
    SettingsStore store(ini());
    Preferences read;
    QStringList history;
    store.load(read, history);
    EXPECT_EQ(read, changed);
  };
  for (const BoolValue& v : kBoolValues) {
    Preferences changed = def;
    changed.*v.field = !(def.*v.field);
    check(v.key, changed.*v.field, changed);
  }
  for (const IntValue& v : kIntValues) {
    Preferences changed = def;
    changed.*v.field = v.other;
    check(v.key, v.other, changed);
  }
  for (const TextValue& v : kTextValues) {
    Preferences changed = def;
    changed.*v.field = QStringLiteral("/folder/for/") + QLatin1String(v.key);
    check(v.key, changed.*v.field, changed);
  }
}

TEST_F(SettingsStoreTest, MissingAndDamagedValuesTakeTheirDefaults) {
  SettingsStore empty(ini());
  Preferences prefs = zephlo::testing::nonDefaultPreferences();
  QStringList history = paths(2);
  empty.load(prefs, history);
  EXPECT_EQ(prefs, Preferences{});
  EXPECT_EQ(prefs.editorDir, "Undefined");
  EXPECT_TRUE(history.isEmpty());

  {
    QSettings raw(ini(), QSettings::IniFormat);
    raw.setValue("Options/DefaultShip", 232);    // beyond the craft list
    raw.setValue("Options/DefaultAI", 5);        // valid, kept
    raw.setValue("Options/OpenProgWith", "abc"); // not a number
    raw.setValue("Options/AutoLink", "0");       // registry-style flag
    raw.setValue("Options/DirInReopen", 1);
    raw.setValue("Map/ZoomSpeed", 20); // would divide the hold-zoom step by zero
    raw.setValue("Map/AutoCtr", -1);
    raw.setValue("Map/IconZoomSmall", 5000);
    raw.setValue("Map/DefaultWPs", 3);
    raw.setValue("History/Count", 1000000);
  }
  SettingsStore store(ini());
  store.load(prefs, history);
  const Preferences def;
  EXPECT_EQ(prefs.defaultShip, def.defaultShip);
  EXPECT_EQ(prefs.defaultAI, 5);
  EXPECT_EQ(prefs.openProgWith, def.openProgWith);
  EXPECT_FALSE(prefs.autoLink);
  EXPECT_TRUE(prefs.dirInReopen);
  EXPECT_EQ(prefs.zoomSpeed, def.zoomSpeed);
  EXPECT_EQ(prefs.autoCtr, def.autoCtr);
  EXPECT_EQ(prefs.iconZoomSmall, def.iconZoomSmall);
  EXPECT_EQ(prefs.defaultWPs, def.defaultWPs);
  EXPECT_TRUE(history.isEmpty());
}

TEST_F(SettingsStoreTest, HistoryIsWrittenAsCountAndNumberedFiles) {
  SettingsStore store(ini());
  const Preferences prefs;
  ASSERT_TRUE(store.save(prefs, paths(9)));
  {
    QSettings raw(ini(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("History/Count").toInt(), 9);
    for (int i = 1; i <= 9; ++i)
      EXPECT_EQ(raw.value(QStringLiteral("History/file%1").arg(i)).toString(), paths(9)[i - 1]);
    EXPECT_FALSE(raw.contains("History/file10"));
  }

  // A shorter history leaves no entries of the longer one behind, and more
  // than nine are never written.
  ASSERT_TRUE(store.save(prefs, paths(4, QStringLiteral("/n/new"))));
  {
    QSettings raw(ini(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("History/Count").toInt(), 4);
    EXPECT_FALSE(raw.contains("History/file5"));
    EXPECT_FALSE(raw.contains("History/file9"));
  }
  ASSERT_TRUE(store.save(prefs, paths(12)));
  {
    QSettings raw(ini(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("History/Count").toInt(), 9);
    EXPECT_FALSE(raw.contains("History/file10"));
  }

  // An empty history does not replace the stored one.
  ASSERT_TRUE(store.save(prefs, {}));
  QSettings raw(ini(), QSettings::IniFormat);
  EXPECT_EQ(raw.value("History/Count").toInt(), 9);
}

TEST_F(SettingsStoreTest, HistoryReadSkipsEmptyBlankAndRepeatedEntries) {
  {
    QSettings raw(ini(), QSettings::IniFormat);
    raw.setValue("History/Count", 14);
    raw.setValue("History/file1", "/m/a.tie");
    raw.setValue("History/file2", "empty");
    raw.setValue("History/file3", "   ");
    raw.setValue("History/file4", "/m/a.tie");
    // file5 missing
    for (int i = 6; i <= 14; ++i)
      raw.setValue(QStringLiteral("History/file%1").arg(i), QStringLiteral("/m/%1.tie").arg(i));
  }
  SettingsStore store(ini());
  Preferences prefs;
  QStringList history;
  store.load(prefs, history);
  EXPECT_EQ(history, (QStringList{"/m/a.tie", "/m/6.tie", "/m/7.tie", "/m/8.tie", "/m/9.tie",
                                  "/m/10.tie", "/m/11.tie", "/m/12.tie", "/m/13.tie"}));
}

TEST_F(SettingsStoreTest, HistoryFileInEditorFolderIsImportedOnceAndDeleted) {
  const QString editorDir = dir.filePath(QStringLiteral("editor"));
  const QString historyFile = editorDir + QStringLiteral("/EDHistry.txt");
  QByteArray lines = "C:\\XWA\\Missions\\one.tie\r\n\r\n  \r\nC:\\XWA\\Missions\\one.tie\r\n";
  for (int i = 2; i <= 12; ++i)
    lines += QStringLiteral("/m/%1.tie\n").arg(i).toUtf8();
  writeFile(historyFile, lines);
  Preferences prefs;
  prefs.editorDir = editorDir;
  {
    SettingsStore store(ini());
    ASSERT_TRUE(store.save(prefs, paths(5))); // replaced by the file's history
  }

  SettingsStore store(ini());
  QStringList history;
  store.load(prefs, history);
  QStringList expected{"C:\\XWA\\Missions\\one.tie"};
  for (int i = 2; i <= 9; ++i)
    expected << QStringLiteral("/m/%1.tie").arg(i);
  EXPECT_EQ(history, expected);
  EXPECT_FALSE(QFile::exists(historyFile));

  // Next time the stored history is read again.
  store.load(prefs, history);
  EXPECT_EQ(history, paths(5));
}

TEST_F(SettingsStoreTest, UndefinedEditorFolderIsNotTakenRelativeToTheWorkingFolder) {
  const QString historyFile = dir.filePath(QStringLiteral("Undefined/EDHistry.txt"));
  writeFile(historyFile, "/m/from-file.tie\n");
  const QString oldCurrent = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  SettingsStore store(ini());
  Preferences prefs;
  QStringList history;
  store.load(prefs, history);
  QDir::setCurrent(oldCurrent);
  EXPECT_EQ(prefs.editorDir, "Undefined");
  EXPECT_TRUE(history.isEmpty());
  EXPECT_TRUE(QFile::exists(historyFile));
}

TEST_F(SettingsStoreTest, ClearRemovesEverythingAndStopsTheWriteAtClose) {
  SettingsStore store(ini());
  ASSERT_TRUE(store.save(zephlo::testing::nonDefaultPreferences(), paths(3)));
  EXPECT_FALSE(store.cleared());
  store.clear();
  EXPECT_TRUE(store.cleared());
  EXPECT_TRUE(QSettings(ini(), QSettings::IniFormat).allKeys().isEmpty());

  // At close only the history is written; the preferences start from their
  // defaults next time.
  ASSERT_TRUE(store.save(zephlo::testing::nonDefaultPreferences(), paths(2)));
  QSettings raw(ini(), QSettings::IniFormat);
  EXPECT_EQ(raw.childGroups(), QStringList{"History"});
  SettingsStore next(ini());
  Preferences prefs;
  QStringList history;
  next.load(prefs, history);
  EXPECT_EQ(prefs, Preferences{});
  EXPECT_EQ(history, paths(2));
}

TEST_F(SettingsStoreTest, FailedWriteIsReported) {
  writeFile(dir.filePath(QStringLiteral("plain-file")), "x");
  SettingsStore store(dir.filePath(QStringLiteral("plain-file/zephlo.ini")));
  EXPECT_FALSE(store.save(Preferences{}, paths(1)));

  // A damaged file is read as far as it goes and rewritten whole: that
  // write succeeded, so it is no failure.
  writeFile(ini(), QByteArray("[Options\0\xff\xfe\nAutoLink\n=x\n[\n", 24));
  SettingsStore damaged(ini());
  Preferences prefs;
  QStringList history;
  damaged.load(prefs, history);
  EXPECT_TRUE(damaged.save(prefs, paths(2)));
  SettingsStore again(ini());
  again.load(prefs, history);
  EXPECT_EQ(history, paths(2));
}

#ifndef Q_OS_WIN
TEST_F(SettingsStoreTest, ASettingsOrHistoryFileThatIsNoFileIsNeverOpened) {
  // Each of these would block the editor before its first window.
  ASSERT_EQ(::mkfifo(ini().toLocal8Bit().constData(), 0600), 0);
  SettingsStore store(ini());
  EXPECT_EQ(store.problem(), "Cannot read " + ini() +
                                 ": it is not a regular file. The preferences and history of "
                                 "this run will not be kept.");
  Preferences prefs;
  QStringList history{"stale"};
  store.load(prefs, history);
  EXPECT_EQ(prefs, Preferences{});
  EXPECT_TRUE(history.isEmpty());
  EXPECT_FALSE(store.save(prefs, paths(1))) << "nothing was kept";
  store.clear();
  EXPECT_TRUE(QFileInfo(ini()).exists() && !QFileInfo(ini()).isFile());

  const QString editorDir = dir.filePath(QStringLiteral("editor"));
  QDir().mkpath(editorDir);
  const QString historyFile = editorDir + QStringLiteral("/EDHistry.txt");
  ASSERT_EQ(::mkfifo(historyFile.toLocal8Bit().constData(), 0600), 0);
  SettingsStore plain(dir.filePath(QStringLiteral("plain.ini")));
  ASSERT_TRUE(plain.save(prefs, paths(3)));
  prefs.editorDir = editorDir;
  plain.load(prefs, history);
  EXPECT_EQ(history, paths(3)) << "the stored history, not the FIFO's";
  EXPECT_TRUE(QFileInfo::exists(historyFile));
}
#endif

#ifndef Q_OS_WIN
namespace {

// Points HOME and WINEPREFIX at a fake tree for one test.
class FakeHome {
public:
  FakeHome() {
    for (const char* name : kNames)
      saved_.push_back(qgetenv(name));
    qputenv("HOME", dir.path().toUtf8());
    qputenv("WINEPREFIX", (dir.path() + "/prefix").toUtf8());
    qunsetenv("XDG_DATA_HOME");
  }
  ~FakeHome() {
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
      if (saved_[i].isNull())
        qunsetenv(kNames[i]);
      else
        qputenv(kNames[i], saved_[i]);
    }
  }
  QTemporaryDir dir;

private:
  static constexpr const char* kNames[] = {"HOME", "WINEPREFIX", "XDG_DATA_HOME"};
  std::vector<QByteArray> saved_;
};

} // namespace

TEST(GameFolder, ThePreferenceThenTheSearchThenWhatTheRegistryNames) {
  FakeHome home;
  const QString prefix = home.dir.path() + "/prefix";
  EXPECT_EQ(findGameFolder("/my/xwa"), "/my/xwa");
  EXPECT_EQ(findGameFolder(QString()), QString());

  // The installer recorded a folder that has no mission list yet.
  ASSERT_TRUE(QDir().mkpath(prefix + "/drive_c/XWA"));
  writeFile(prefix + "/system.reg",
            "[Software\\\\LucasArts Entertainment Company LLC\\\\X-Wing Alliance\\\\V1.0] 1\n"
            "\"Install Path\"=\"C:\\\\XWA\"\n");
  EXPECT_EQ(findGameFolder(QString()), prefix + "/drive_c/XWA");

  // A game in Steam's library wins over a folder without a list.
  const QString steamGame = home.dir.path() + "/.local/share/Steam/steamapps/common/XWA";
  ASSERT_TRUE(QDir().mkpath(steamGame + "/Missions"));
  writeFile(steamGame + "/Missions/Mission.lst", "1\r\n");
  EXPECT_EQ(findGameFolder(QString()), steamGame);
  EXPECT_EQ(findGameFolder("/my/xwa"), "/my/xwa");
}
#endif
