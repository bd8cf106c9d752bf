// Plays one WAV file at a time for the voice manager. A machine without an
// audio output plays nothing and says so instead of failing silently.
#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

namespace zephlo {

class SoundPlayer : public QObject {
  Q_OBJECT
public:
  explicit SoundPlayer(QObject* parent = nullptr);
  ~SoundPlayer() override;

  // Whether the machine has somewhere to play sound.
  static bool hasAudioOutput();
  // The text shown where sound cannot be played.
  static QString noAudioText();

  // Prepares file and plays it. Returns false, playing nothing, when the
  // file does not exist or there is no audio output.
  bool play(const QString& file);
  void close();
  QString file() const { return file_; }

private:
  QSoundEffect* effect_ = nullptr; // made on the first play, so a silent run opens no audio
  QString file_;
};

} // namespace zephlo
