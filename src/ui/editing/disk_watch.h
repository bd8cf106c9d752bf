// Watches one file the editor keeps open (the mission, its voice list) for
// changes made by another program. The editor's own saves are told apart by
// the file's stamp; a change is reported only while the editor is the active
// application, or as soon as it becomes active again.
#pragma once

#include "core/mission/file_stamp.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include <optional>

namespace zephlo {

class DiskWatch : public QObject {
  Q_OBJECT
public:
  explicit DiskWatch(QObject* parent = nullptr);

  // The file is now what the editor read or wrote: watch it from here on.
  void track(const QString& path);
  // The same with what the file was when the editor last read or wrote it
  // (work recovered after a crash); nothing: it did not exist then.
  void track(const QString& path, const std::optional<FileStamp>& stamp);
  const std::optional<FileStamp>& stamp() const { return stamp_; }
  // Nothing to watch (a new mission, a mission without a voice list).
  void clear();
  const QString& path() const { return path_; }
  // Whether the file changed since it was tracked.
  bool changed() const;
  // Looks now instead of waiting for the watcher (also used by tests).
  void check();
  // "<name> was changed by another program since it was opened."
  QString changedText() const;
  // "<name> was changed by another program. Reload it?"
  QString reloadQuestion() const;

signals:
  // Another program changed, replaced or removed the file.
  void changedOnDisk();

private:
  void fileEvent();

  QFileSystemWatcher watcher_;
  QString path_;
  std::optional<FileStamp> stamp_;
  bool pending_ = false; // a change waits for the editor to become active
  // What the file was when a change was last reported (nothing: removed), so
  // one change is reported once and a further change again.
  std::optional<std::optional<FileStamp>> reported_;
};

} // namespace zephlo
