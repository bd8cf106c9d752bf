// A set of preferences in which every value differs from its default.
#pragma once

#include "platform/preferences.h"

namespace zephlo::testing {

inline Preferences nonDefaultPreferences() {
  Preferences p;
  p.missionsDir = "/data/missions";
  p.gameDir = "/games/X-Wing Alliance";
  p.editorDir = "/opt/zephlo-not-there";
  p.waveDir = "/games/X-Wing Alliance/Wave";
  p.optDir = "/games/X-Wing Alliance/FlightModels";
  p.autoLink = false;
  p.checkPlayable = false;
  p.confirmDeletes = false;
  p.blacken = false;
  p.enableWPs = false;
  p.linkColor = false;
  p.adjustForRes = true;
  p.useWiz = false;
  p.defaultFormat = 0;
  p.openProgWith = 3;
  p.dirInReopen = true;
  p.defaultShip = 231;
  p.defaultAI = 5;
  p.fileSavedMsg = true;
  p.doBackups = true;
  p.ghostText = false;
  p.centre = false;
  p.confirmClose = false;
  p.defaultWPs = 2;
  p.autoCtr = 4;
  p.zoomSpeed = 19;
  p.dblClickLink = 1;
  p.defaultName = true;
  p.defaultWPtime = true;
  p.defaultWPdist = true;
  p.defaultPalet = true;
  p.defaultFGList = true;
  p.defaultHyp = false;
  p.defaultOptions = true;
  p.limitShrink = false;
  p.ghostGrid = false;
  p.onlyXY = true;
  p.iconZoomSmall = 1500;
  p.mainGeometry = QByteArray("\x01\x00\xff geometry", 12);
  p.mainState = QByteArray("\x00\x00\x00\xff state", 10);
  p.wmx = true;
  p.dpo = false;
  p.mpo = false;
  return p;
}

} // namespace zephlo::testing
