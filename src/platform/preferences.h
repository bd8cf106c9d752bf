// The editor's preferences, folders, window layout and history, as kept
// between runs.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zephlo {

struct Preferences {
  // "Directories"
  QString missionsDir;             // "Missions": Save As starting folder
  QString gameDir;                 // "XWA": the game folder
  QString editorDir = "Undefined"; // "Zephlo": the editor's own folder
  QString waveDir;                 // "Wave"
  QString optDir;                  // "OPT"

  // "Options"
  bool autoLink = true;
  bool checkPlayable = true;
  bool confirmDeletes = true;
  bool blacken = true; // dim flight groups absent from the current region
  bool enableWPs = true;
  bool linkColor = true;
  bool adjustForRes = false;
  bool useWiz = true;
  int defaultFormat = 1;
  int openProgWith = 0; // 0 ask, 1 new mission, 2 open dialog, 3 last file
  bool dirInReopen = false;
  int defaultShip = 1;
  int defaultAI = 2;
  bool fileSavedMsg = false;
  bool doBackups = false;
  int recoverySeconds = 60; // a recovery copy of unsaved work this often; 0: never

  // "Map"
  bool ghostText = true;
  bool centre = true;
  bool confirmClose = true;
  int defaultWPs = 0;
  int autoCtr = 1;
  int zoomSpeed = 15;
  int dblClickLink = 0;
  bool defaultName = false;
  bool defaultWPtime = false;
  bool defaultWPdist = false;
  bool defaultPalet = false;
  bool defaultFGList = false;
  bool defaultHyp = true;
  bool defaultOptions = false;
  bool limitShrink = true;
  bool ghostGrid = true;
  bool onlyXY = false;
  int iconZoomSmall = 4;

  // "Layout"
  QByteArray mainGeometry;
  QByteArray mainState;
  QByteArray splitterState;   // lists beside the map
  QByteArray datapadGeometry; // "Flight Group Details"
  bool wmx = false;           // main window maximised
  bool dpo = true;            // editing window open
  bool mpo = true;            // map window open
  bool osv = false;           // order/region selector shown
  QByteArray wpGeometry;      // where the waypoint editor was last

  bool operator==(const Preferences&) const = default;
};

} // namespace zephlo
