#include "platform/sound_player.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace zephlo {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::hasAudioOutput() { return !QMediaDevices::defaultAudioOutput().isNull(); }

QString SoundPlayer::noAudioText() {
  return QStringLiteral("No sound output on this computer: voice files are not played.");
}

bool SoundPlayer::play(const QString& file) {
  close();
  if (!QFileInfo(file).isFile() || !hasAudioOutput()) return false;
  if (!effect_) effect_ = new QSoundEffect(this);
  file_ = file;
  effect_->setSource(QUrl::fromLocalFile(file));
  effect_->play();
  return true;
}

void SoundPlayer::close() {
  file_.clear();
  if (effect_) effect_->stop();
}

} // namespace zephlo
