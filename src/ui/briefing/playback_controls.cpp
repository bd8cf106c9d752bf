#include "ui/briefing/playback_controls.h"

#include "core/briefing/instruction_lines.h"
#include "ui/briefing/briefing_actions.h"
#include "ui/briefing/briefing_session.h"
#include "ui/editing/page_controls.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <functional>

namespace zephlo {

using pages::fromBytes;

PlaybackControls::PlaybackControls(BriefingSession& session, const BriefingActions& actions,
                                   QWidget* parent)
    : QWidget(parent), session_(session), actions_(actions) {
  auto* col = new QVBoxLayout(this);
  col->setContentsMargins(0, 0, 0, 0);
  TimeBar = new QScrollBar(Qt::Horizontal, this);
  TimeBar->setObjectName(QStringLiteral("TimeBar"));
  connect(TimeBar, &QScrollBar::valueChanged, this, [this](int t) { session_.seek(t); });
  col->addWidget(TimeBar);

  VcrPanel = new QWidget(this);
  VcrPanel->setObjectName(QStringLiteral("VcrPanel"));
  auto* row = new QHBoxLayout(VcrPanel);
  row->setContentsMargins(0, 0, 0, 0);
  static const char* const names[] = {"StopBtn",  "RewPlayBtn", "PrevInstBtn", "PlayBtn",
                                      "PauseBtn", "StepBtn",    "NextInstBtn", "NextPageBtn"};
  for (std::size_t i = 0; i < actions.vcr.size(); ++i) {
    QToolButton* b = commandButton(VcrPanel, names[i], actions.vcr[i]);
    b->setMinimumWidth(36);
    row->addWidget(b);
  }
  TimeLabel = pages::label(VcrPanel, "TimeLabel");
  InstLabel = pages::label(VcrPanel, "InstLabel");
  TimeLabel->setMinimumWidth(100);
  row->addSpacing(12);
  row->addWidget(TimeLabel);
  row->addWidget(InstLabel);
  row->addStretch(1);
  col->addWidget(VcrPanel);

  BriefingSession& s = session_;
  const std::array<std::function<void()>, std::tuple_size_v<decltype(actions.vcr)>> commands{
      [&s] { s.rewindAndStop(); },
      [&s] { s.rewindAndPlay(); },
      [&s] { s.previousInstruction(); },
      [&s] { s.play(); },
      [&s] { s.pause(); },
      [&s] { s.step(); },
      [&s] { s.nextInstruction(); },
      [&s] { s.nextPage(); }};
  for (std::size_t i = 0; i < actions.vcr.size(); ++i)
    connect(actions.vcr[i], &QAction::triggered, this, commands[i]);
  connect(&session_, &BriefingSession::clockMoved, this, &PlaybackControls::showClock);
  connect(&session_, &BriefingSession::playingChanged, this, &PlaybackControls::showPlaying);
  showClock();
  showPlaying();
}

void PlaybackControls::showClock() {
  const BriefingPlayback& pb = session_.playback();
  TimeLabel->setText(fromBytes(playbackTimeLabel(pb.time())));
  InstLabel->setText(fromBytes(instructionLabel(std::max(pb.current(), 0))));
  const QSignalBlocker block(TimeBar);
  TimeBar->setRange(0, pb.runningTime());
  TimeBar->setValue(pb.time());
}

void PlaybackControls::showPlaying() {
  const QSignalBlocker block(actions_.vcrAction(Vcr::Play));
  actions_.vcrAction(Vcr::Play)->setChecked(session_.playback().playing());
  VcrPanel->setEnabled(!session_.playback().inTransition());
}

} // namespace zephlo
