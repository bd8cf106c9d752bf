#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
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
  QFile file(path);
  if (!file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  QStringList imported;
  QTextStream in(&file);
  // The file comes from Windows, written in its code page.
  in.setEncoding(QStringConverter::System);
  while (!in.atEnd())
    addHistoryEntry(imported, in.readLine().trimmed());
  file.close();
  history = imported;
  QFile::remove(path);
  return true;
}

} // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Quen's Editors"),
                                            QStringLiteral("Zephlo"))) {}

SettingsStore::SettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

void SettingsStore::load(Preferences& prefs, QStringList& history) {
  QSettings& s = *settings_;
  const Preferences def;

  s.beginGroup(QStringLiteral("Directories"));
  prefs.missionsDir = readText(s, QStringLiteral("Missions"));
  prefs.gameDir = readText(s, QStringLiteral("XWA"));
  prefs.editorDir = readText(s, QStringLiteral("Zephlo"), def.editorDir);
  prefs.waveDir = readText(s, QStringLiteral("Wave"));
  prefs.optDir = readText(s, QStringLiteral("OPT"));
  s.endGroup();

  s.beginGroup(QStringLiteral("Options"));
  prefs.autoLink = readBool(s, QStringLiteral("AutoLink"), def.autoLink);
  prefs.checkPlayable = readBool(s, QStringLiteral("CheckPlayable"), def.checkPlayable);
  prefs.confirmDeletes = readBool(s, QStringLiteral("ConfirmDeletes"), def.confirmDeletes);
  prefs.blacken = readBool(s, QStringLiteral("Blacken"), def.blacken);
  prefs.enableWPs = readBool(s, QStringLiteral("EnableWPs"), def.enableWPs);
  prefs.linkColor = readBool(s, QStringLiteral("LinkColor"), def.linkColor);
  prefs.adjustForRes = readBool(s, QStringLiteral("AdjustForRes"), def.adjustForRes);
  prefs.useWiz = readBool(s, QStringLiteral("UseWiz"), def.useWiz);
  prefs.defaultFormat = readInt(s, QStringLiteral("DefaultFormat"), def.defaultFormat, 0, 1);
  prefs.openProgWith = readInt(s, QStringLiteral("OpenProgWith"), def.openProgWith, 0, 3);
  prefs.dirInReopen = readBool(s, QStringLiteral("DirInReopen"), def.dirInReopen);
  prefs.defaultShip =
      readInt(s, QStringLiteral("DefaultShip"), def.defaultShip, 0, kCraftTypeCount - 1);
  prefs.defaultAI = readInt(s, QStringLiteral("DefaultAI"), def.defaultAI, 0, 5);
  prefs.fileSavedMsg = readBool(s, QStringLiteral("FileSavedMsg"), def.fileSavedMsg);
  prefs.doBackups = readBool(s, QStringLiteral("DoBackups"), def.doBackups);
  s.endGroup();

  s.beginGroup(QStringLiteral("Map"));
  prefs.ghostText = readBool(s, QStringLiteral("GhostText"), def.ghostText);
  prefs.centre = readBool(s, QStringLiteral("Centre"), def.centre);
  prefs.confirmClose = readBool(s, QStringLiteral("ConfirmClose"), def.confirmClose);
  prefs.defaultWPs = readInt(s, QStringLiteral("DefaultWPs"), def.defaultWPs, 0, 2);
  prefs.autoCtr = readInt(s, QStringLiteral("AutoCtr"), def.autoCtr, 0, 4);
  prefs.zoomSpeed =
      readInt(s, QStringLiteral("ZoomSpeed"), def.zoomSpeed, kMinZoomSpeed, kMaxZoomSpeed);
  prefs.dblClickLink = readInt(s, QStringLiteral("DblClickLink"), def.dblClickLink, 0, 1);
  prefs.defaultName = readBool(s, QStringLiteral("DefaultName"), def.defaultName);
  prefs.defaultWPtime = readBool(s, QStringLiteral("DefaultWPtime"), def.defaultWPtime);
  prefs.defaultWPdist = readBool(s, QStringLiteral("DefaultWPdist"), def.defaultWPdist);
  prefs.defaultPalet = readBool(s, QStringLiteral("DefaultPalet"), def.defaultPalet);
  prefs.defaultFGList = readBool(s, QStringLiteral("DefaultFGList"), def.defaultFGList);
  prefs.defaultHyp = readBool(s, QStringLiteral("DefaultHyp"), def.defaultHyp);
  prefs.defaultOptions = readBool(s, QStringLiteral("DefaultOptions"), def.defaultOptions);
  prefs.limitShrink = readBool(s, QStringLiteral("LimitShrink"), def.limitShrink);
  prefs.ghostGrid = readBool(s, QStringLiteral("GhostGrid"), def.ghostGrid);
  prefs.onlyXY = readBool(s, QStringLiteral("OnlyXY"), def.onlyXY);
  prefs.iconZoomSmall =
      readInt(s, QStringLiteral("IconZoomSmall"), def.iconZoomSmall, kMinIconZoom, kMaxIconZoom);
  s.endGroup();

  s.beginGroup(QStringLiteral("Layout"));
  prefs.mainGeometry = s.value(QStringLiteral("MainGeometry")).toByteArray();
  prefs.mainState = s.value(QStringLiteral("MainState")).toByteArray();
  prefs.wmx = readBool(s, QStringLiteral("wmx"), def.wmx);
  prefs.dpo = readBool(s, QStringLiteral("dpo"), def.dpo);
  prefs.mpo = readBool(s, QStringLiteral("mpo"), def.mpo);
  s.endGroup();

  history.clear();
  if (importHistoryFile(prefs.editorDir, history)) return;

  s.beginGroup(QStringLiteral("History"));
  const int count = readInt(s, QStringLiteral("Count"), 0, 0, kMaxHistoryCount);
  for (int i = 1; i <= count && history.size() < kMaxHistory; ++i)
    addHistoryEntry(history, readText(s, QStringLiteral("file%1").arg(i), QStringLiteral("empty")));
  s.endGroup();
}

bool SettingsStore::save(const Preferences& prefs, const QStringList& history) {
  QSettings& s = *settings_;

  if (!cleared_) {
    s.beginGroup(QStringLiteral("Directories"));
    s.setValue(QStringLiteral("Missions"), prefs.missionsDir);
    s.setValue(QStringLiteral("XWA"), prefs.gameDir);
    s.setValue(QStringLiteral("Zephlo"), prefs.editorDir);
    s.setValue(QStringLiteral("Wave"), prefs.waveDir);
    s.setValue(QStringLiteral("OPT"), prefs.optDir);
    s.endGroup();

    s.beginGroup(QStringLiteral("Options"));
    s.setValue(QStringLiteral("AutoLink"), prefs.autoLink);
    s.setValue(QStringLiteral("CheckPlayable"), prefs.checkPlayable);
    s.setValue(QStringLiteral("ConfirmDeletes"), prefs.confirmDeletes);
    s.setValue(QStringLiteral("Blacken"), prefs.blacken);
    s.setValue(QStringLiteral("EnableWPs"), prefs.enableWPs);
    s.setValue(QStringLiteral("LinkColor"), prefs.linkColor);
    s.setValue(QStringLiteral("AdjustForRes"), prefs.adjustForRes);
    s.setValue(QStringLiteral("UseWiz"), prefs.useWiz);
    s.setValue(QStringLiteral("DefaultFormat"), prefs.defaultFormat);
    s.setValue(QStringLiteral("OpenProgWith"), prefs.openProgWith);
    s.setValue(QStringLiteral("DirInReopen"), prefs.dirInReopen);
    s.setValue(QStringLiteral("DefaultShip"), prefs.defaultShip);
    s.setValue(QStringLiteral("DefaultAI"), prefs.defaultAI);
    s.setValue(QStringLiteral("FileSavedMsg"), prefs.fileSavedMsg);
    s.setValue(QStringLiteral("DoBackups"), prefs.doBackups);
    s.endGroup();

    s.beginGroup(QStringLiteral("Map"));
    s.setValue(QStringLiteral("GhostText"), prefs.ghostText);
    s.setValue(QStringLiteral("Centre"), prefs.centre);
    s.setValue(QStringLiteral("ConfirmClose"), prefs.confirmClose);
    s.setValue(QStringLiteral("DefaultWPs"), prefs.defaultWPs);
    s.setValue(QStringLiteral("AutoCtr"), prefs.autoCtr);
    s.setValue(QStringLiteral("ZoomSpeed"), prefs.zoomSpeed);
    s.setValue(QStringLiteral("DblClickLink"), prefs.dblClickLink);
    s.setValue(QStringLiteral("DefaultName"), prefs.defaultName);
    s.setValue(QStringLiteral("DefaultWPtime"), prefs.defaultWPtime);
    s.setValue(QStringLiteral("DefaultWPdist"), prefs.defaultWPdist);
    s.setValue(QStringLiteral("DefaultPalet"), prefs.defaultPalet);
    s.setValue(QStringLiteral("DefaultFGList"), prefs.defaultFGList);
    s.setValue(QStringLiteral("DefaultHyp"), prefs.defaultHyp);
    s.setValue(QStringLiteral("DefaultOptions"), prefs.defaultOptions);
    s.setValue(QStringLiteral("LimitShrink"), prefs.limitShrink);
    s.setValue(QStringLiteral("GhostGrid"), prefs.ghostGrid);
    s.setValue(QStringLiteral("OnlyXY"), prefs.onlyXY);
    s.setValue(QStringLiteral("IconZoomSmall"), prefs.iconZoomSmall);
    s.endGroup();

    s.beginGroup(QStringLiteral("Layout"));
    s.setValue(QStringLiteral("MainGeometry"), prefs.mainGeometry);
    s.setValue(QStringLiteral("MainState"), prefs.mainState);
    s.setValue(QStringLiteral("wmx"), prefs.wmx);
    s.setValue(QStringLiteral("dpo"), prefs.dpo);
    s.setValue(QStringLiteral("mpo"), prefs.mpo);
    s.endGroup();
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
  return s.status() == QSettings::NoError;
}

void SettingsStore::clear() {
  settings_->clear();
  settings_->sync();
  // The user's settings live under the organisation; remove what the
  // organisation itself holds as well. INI files used by tests have no
  // organisation to clear.
  if (settings_->format() == QSettings::NativeFormat && !settings_->organizationName().isEmpty()) {
    QSettings organisation(QSettings::NativeFormat, QSettings::UserScope,
                           settings_->organizationName());
    organisation.clear();
    organisation.sync();
  }
  cleared_ = true;
}

} // namespace zephlo
