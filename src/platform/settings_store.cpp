#include "platform/settings_store.h"

#include "core/mission/input_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace zephlo {

namespace {

// The history menus find an entry by the single digit of its caption.
constexpr int kMaxHistory = 9;
// A damaged "Count" must not make the start-up read thousands of values.
constexpr int kMaxHistoryCount = 99;

// Bounds of the integer values; the dialog offers the same ranges.
constexpr int kCraftTypeCount = 232;
// The map's hold-zoom step divides by (20 - speed).
constexpr int kMinZoomSpeed = 0;
constexpr int kMaxZoomSpeed = 19;
// Compared with the map's zoom value, which runs from 4 to 2000.
constexpr int kMinIconZoom = 0;
constexpr int kMaxIconZoom = 2000;

constexpr QLatin1String kHistoryFile("EDHistry.txt");

// Reads an integer that indexes a list or feeds a division; anything that
// is not a number in [lo, hi] takes the default instead.
int readInt(const QSettings& s, const QString& key, int def, int lo, int hi) {
  bool ok = false;
  const int v = s.value(key, def).toInt(&ok);
  return ok && v >= lo && v <= hi ? v : def;
}

bool readBool(const QSettings& s, const QString& key, bool def) {
  return s.value(key, def).toBool();
}

QString readText(const QSettings& s, const QString& key, const QString& def = QString()) {
  return s.value(key, def).toString();
}

// Every stored value, with the group and name it is kept under; reading and
// writing both walk these lists.
struct TextValue {
  const char* group;
  const char* key;
  QString Preferences::*member;
};
struct BoolValue {
  const char* group;
  const char* key;
  bool Preferences::*member;
};
struct IntValue {
  const char* group;
  const char* key;
  int Preferences::*member;
  int lo, hi;
};

const TextValue kTexts[] = {
    {"Directories", "Missions", &Preferences::missionsDir},
    {"Directories", "XWA", &Preferences::gameDir},
    {"Directories", "Zephlo", &Preferences::editorDir},
    {"Directories", "Wave", &Preferences::waveDir},
    {"Directories", "OPT", &Preferences::optDir},
};

const BoolValue kBools[] = {
    {"Options", "AutoLink", &Preferences::autoLink},
    {"Options", "CheckPlayable", &Preferences::checkPlayable},
    {"Options", "ConfirmDeletes", &Preferences::confirmDeletes},
    {"Options", "Blacken", &Preferences::blacken},
    {"Options", "EnableWPs", &Preferences::enableWPs},
    {"Options", "LinkColor", &Preferences::linkColor},
    {"Options", "AdjustForRes", &Preferences::adjustForRes},
    {"Options", "UseWiz", &Preferences::useWiz},
    {"Options", "DirInReopen", &Preferences::dirInReopen},
    {"Options", "FileSavedMsg", &Preferences::fileSavedMsg},
    {"Options", "DoBackups", &Preferences::doBackups},
    {"Map", "GhostText", &Preferences::ghostText},
    {"Map", "Centre", &Preferences::centre},
    {"Map", "ConfirmClose", &Preferences::confirmClose},
    {"Map", "DefaultName", &Preferences::defaultName},
    {"Map", "DefaultWPtime", &Preferences::defaultWPtime},
    {"Map", "DefaultWPdist", &Preferences::defaultWPdist},
    {"Map", "DefaultPalet", &Preferences::defaultPalet},
    {"Map", "DefaultFGList", &Preferences::defaultFGList},
    {"Map", "DefaultHyp", &Preferences::defaultHyp},
    {"Map", "DefaultOptions", &Preferences::defaultOptions},
    {"Map", "LimitShrink", &Preferences::limitShrink},
    {"Map", "GhostGrid", &Preferences::ghostGrid},
    {"Map", "OnlyXY", &Preferences::onlyXY},
    {"Layout", "wmx", &Preferences::wmx},
    {"Layout", "dpo", &Preferences::dpo},
    {"Layout", "mpo", &Preferences::mpo},
    {"Layout", "osv", &Preferences::osv},
};

const IntValue kInts[] = {
    {"Options", "DefaultFormat", &Preferences::defaultFormat, 0, 1},
    {"Options", "OpenProgWith", &Preferences::openProgWith, 0, 3},
    {"Options", "DefaultShip", &Preferences::defaultShip, 0, kCraftTypeCount - 1},
    {"Options", "DefaultAI", &Preferences::defaultAI, 0, 5},
    {"Options", "RecoverySeconds", &Preferences::recoverySeconds, 0, 3600},
    {"Map", "DefaultWPs", &Preferences::defaultWPs, 0, 2},
    {"Map", "AutoCtr", &Preferences::autoCtr, 0, 4},
    {"Map", "ZoomSpeed", &Preferences::zoomSpeed, kMinZoomSpeed, kMaxZoomSpeed},
    {"Map", "DblClickLink", &Preferences::dblClickLink, 0, 1},
    {"Map", "IconZoomSmall", &Preferences::iconZoomSmall, kMinIconZoom, kMaxIconZoom},
};

QString keyOf(const char* group, const char* key) {
  return QLatin1String(group) + QLatin1Char('/') + QLatin1String(key);
}

void addHistoryEntry(QStringList& history, const QString& path) {
  if (history.size() >= kMaxHistory) return;
  if (path.trimmed().isEmpty() || path == QLatin1String("empty")) return;
  if (!history.contains(path)) history.append(path);
}

// The one-time import of a history kept as a text file in the editor's
// folder. The file is removed only after it was read, so an unreadable file
// is not lost.
bool importHistoryFile(const QString& editorDir, QStringList& history) {
  const QFileInfo dir(editorDir);
  // The editor folder defaults to "Undefined", which must not be taken as a
  // folder relative to wherever the editor was started.
  if (editorDir.isEmpty() || !dir.isAbsolute() || !dir.isDir()) return false;
  const QString path = QDir(editorDir).filePath(kHistoryFile);
  if (!QFileInfo::exists(path)) return false;
  // Only a regular file of a list's size is read: a FIFO would stop the
  // editor before its first window.
  const Result<std::vector<Byte>> bytes = readWholeInput(QFile::encodeName(path).toStdString(),
                                                         SizeLimit{1 << 20, "a history file may"});
  if (!bytes) return false;
  // The file comes from Windows, written in its code page.
  const QString text = QString::fromLocal8Bit(reinterpret_cast<const char*>(bytes->data()),
                                              static_cast<qsizetype>(bytes->size()));
  QStringList imported;
  for (const QString& line : text.split(QLatin1Char('\n')))
    addHistoryEntry(imported, line.trimmed());
  history = imported;
  QFile::remove(path);
  return true;
}

} // namespace

SettingsStore::SettingsStore() {
#if defined(Q_OS_WIN)
  // The registry: no file to be anything else.
  settings_ =
      std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                  QStringLiteral("Quen's Editors"), QStringLiteral("Zephlo"));
#else
  // Where the native format keeps the user's settings, named here so it can
  // be looked at before Qt reads it.
  open(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quen's Editors/Zephlo.conf"),
       QSettings::NativeFormat);
#endif
}

SettingsStore::SettingsStore(const QString& iniPath) { open(iniPath, QSettings::IniFormat); }

void SettingsStore::open(const QString& path, QSettings::Format format) {
  const QFileInfo file(path);
  if (file.exists() && !file.isFile()) {
    problem_ = QStringLiteral("Cannot read ") + path +
               QStringLiteral(": it is not a regular file. The preferences and history of "
                              "this run will not be kept.");
    return;
  }
  settings_ =
      format == QSettings::NativeFormat
          ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                        QStringLiteral("Quen's Editors"), QStringLiteral("Zephlo"))
          : std::make_unique<QSettings>(path, QSettings::IniFormat);
}

void SettingsStore::load(Preferences& prefs, QStringList& history) {
  history.clear();
  if (!settings_) return;
  QSettings& s = *settings_;
  const Preferences def;

  for (const TextValue& v : kTexts)
    prefs.*v.member = readText(s, keyOf(v.group, v.key), def.*v.member);
  for (const BoolValue& v : kBools)
    prefs.*v.member = readBool(s, keyOf(v.group, v.key), def.*v.member);
  for (const IntValue& v : kInts)
    prefs.*v.member = readInt(s, keyOf(v.group, v.key), def.*v.member, v.lo, v.hi);

  prefs.mainGeometry = s.value(QStringLiteral("Layout/MainGeometry")).toByteArray();
  prefs.mainState = s.value(QStringLiteral("Layout/MainState")).toByteArray();
  prefs.splitterState = s.value(QStringLiteral("Layout/SplitterState")).toByteArray();
  prefs.datapadGeometry = s.value(QStringLiteral("Layout/DatapadGeometry")).toByteArray();
  prefs.wpGeometry = s.value(QStringLiteral("Layout/WPGeometry")).toByteArray();

  if (importHistoryFile(prefs.editorDir, history)) return;

  s.beginGroup(QStringLiteral("History"));
  const int count = readInt(s, QStringLiteral("Count"), 0, 0, kMaxHistoryCount);
  for (int i = 1; i <= count && history.size() < kMaxHistory; ++i)
    addHistoryEntry(history, readText(s, QStringLiteral("file%1").arg(i), QStringLiteral("empty")));
  s.endGroup();
}

bool SettingsStore::save(const Preferences& prefs, const QStringList& history) {
  if (!settings_) return false;
  QSettings& s = *settings_;

  if (!cleared_) {
    for (const TextValue& v : kTexts)
      s.setValue(keyOf(v.group, v.key), prefs.*v.member);
    for (const BoolValue& v : kBools)
      s.setValue(keyOf(v.group, v.key), prefs.*v.member);
    for (const IntValue& v : kInts)
      s.setValue(keyOf(v.group, v.key), prefs.*v.member);
    s.setValue(QStringLiteral("Layout/MainGeometry"), prefs.mainGeometry);
    s.setValue(QStringLiteral("Layout/MainState"), prefs.mainState);
    s.setValue(QStringLiteral("Layout/SplitterState"), prefs.splitterState);
    s.setValue(QStringLiteral("Layout/DatapadGeometry"), prefs.datapadGeometry);
    s.setValue(QStringLiteral("Layout/WPGeometry"), prefs.wpGeometry);
  }

  const int count = std::min<int>(history.size(), kMaxHistory);
  if (count > 0) {
    s.beginGroup(QStringLiteral("History"));
    s.setValue(QStringLiteral("Count"), count);
    for (int i = 0; i < count; ++i)
      s.setValue(QStringLiteral("file%1").arg(i + 1), history[i]);
    // Entries of a longer, older history would otherwise linger past "Count".
    const QStringList keys = s.childKeys();
    for (const QString& key : keys) {
      if (!key.startsWith(QLatin1String("file"))) continue;
      bool ok = false;
      const int n = key.mid(4).toInt(&ok);
      if (ok && n > count) s.remove(key);
    }
    s.endGroup();
  }

  s.sync();
  // A format error comes from reading a damaged file; the write that
  // follows replaces it whole. Only a failed write loses the history.
  return s.status() != QSettings::AccessError;
}

void SettingsStore::clear() {
  cleared_ = true;
  if (!settings_) return;
  settings_->clear();
  settings_->sync();
  // The user's settings live under the organisation; remove what the
  // organisation itself holds as well. INI files used by tests have no
  // organisation to clear.
  if (settings_->format() == QSettings::NativeFormat && !settings_->organizationName().isEmpty()) {
#if !defined(Q_OS_WIN)
    const QFileInfo file(QFileInfo(settings_->fileName()).absolutePath() + QStringLiteral(".conf"));
    if (file.exists() && !file.isFile()) return;
#endif
    QSettings organisation(QSettings::NativeFormat, QSettings::UserScope,
                           settings_->organizationName());
    organisation.clear();
    organisation.sync();
  }
}

} // namespace zephlo
