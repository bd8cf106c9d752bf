// The playback controls under the briefing map: the time bar, the VCR
// buttons (the registry's commands) and the time and instruction labels.
#pragma once

#include <QWidget>

class QLabel;
class QScrollBar;

namespace zephlo {

class BriefingSession;
struct BriefingActions;

class PlaybackControls : public QWidget {
  Q_OBJECT
public:
  PlaybackControls(BriefingSession& session, const BriefingActions& actions, QWidget* parent);

private:
  void showClock();
  void showPlaying();

  BriefingSession& session_;
  const BriefingActions& actions_;

  QScrollBar* TimeBar = nullptr;
  QWidget* VcrPanel = nullptr;
  QLabel* TimeLabel = nullptr;
  QLabel* InstLabel = nullptr;
};

} // namespace zephlo
