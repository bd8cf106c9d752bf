// Reading and writing the preferences and the history through QSettings
// (the registry on Windows, an INI file elsewhere).
#pragma once

#include "platform/preferences.h"

#include <QSettings>
#include <QStringList>
#include <memory>

namespace zephlo {

class SettingsStore {
public:
  // The user's own settings: organisation "Quen's Editors", application "Zephlo".
  SettingsStore();
  // Settings kept in an INI file, for tests.
  explicit SettingsStore(const QString& iniPath);
  // Why the settings file is not used ("Cannot read PATH: it is not a
  // regular file."), empty when it is: a FIFO or a device in its place
  // would stop the editor before its first window, so it is never opened,
  // and the run goes on with the defaults and keeps nothing.
  const QString& problem() const { return problem_; }

  // Reads all groups; values not present take their defaults. When the file
  // "EDHistry.txt" exists in the editor's folder, the history comes from it
  // (one path a line) and the file is deleted.
  void load(Preferences& prefs, QStringList& history);
  // Writes all groups unless the preferences were cleared during this run,
  // then the history (when it has entries). Returns false when the history
  // could not be written (a damaged file that was read is rewritten whole,
  // so that is no failure).
  bool save(const Preferences& prefs, const QStringList& history);
  // Deletes every value under "Quen's Editors" and keeps this run from
  // writing them again at close.
  void clear();
  bool cleared() const { return cleared_; }

  QSettings& settings() { return *settings_; }

private:
  // Opens path as the settings file unless something else than a file stands there.
  void open(const QString& path, QSettings::Format format);

  std::unique_ptr<QSettings> settings_;
  QString problem_;
  bool cleared_ = false;
};

} // namespace zephlo
