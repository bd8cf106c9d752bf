#include "ui/editing/disk_watch.h"

#include "ui/editing/path_text.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace zephlo {

DiskWatch::DiskWatch(QObject* parent) : QObject(parent) {
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &DiskWatch::fileEvent);
  // A file replaced by a rename leaves the watcher; its folder tells.
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &DiskWatch::fileEvent);
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(app, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
      if (s == Qt::ApplicationActive && pending_) check();
    });
  }
}

void DiskWatch::track(const QString& path) { track(path, stampOf(toPath(path))); }

void DiskWatch::track(const QString& path, const std::optional<FileStamp>& stamp) {
  clear();
  path_ = path;
  stamp_ = stamp;
  if (QFileInfo::exists(path)) watcher_.addPath(path);
  watcher_.addPath(QFileInfo(path).absolutePath());
}

void DiskWatch::clear() {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
  path_.clear();
  stamp_.reset();
  pending_ = false;
  reported_.reset();
}

bool DiskWatch::changed() const { return !path_.isEmpty() && changedSince(stamp_, toPath(path_)); }

void DiskWatch::fileEvent() {
  if (path_.isEmpty()) return;
  // After a replace the old file is gone from the watcher: watch the new one.
  if (!watcher_.files().contains(path_) && QFileInfo::exists(path_)) watcher_.addPath(path_);
  const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  if (app && QGuiApplication::applicationState() != Qt::ApplicationActive) {
    pending_ = true;
    return;
  }
  check();
}

void DiskWatch::check() {
  pending_ = false;
  if (path_.isEmpty()) return;
  const std::optional<FileStamp> now = stampOf(toPath(path_));
  if (now == stamp_) {
    reported_.reset();
    return;
  }
  if (reported_ && *reported_ == now) return;
  reported_ = now;
  emit changedOnDisk();
}

QString DiskWatch::changedText() const {
  return QFileInfo(path_).fileName() +
         QStringLiteral(" was changed by another program since it was opened.");
}

QString DiskWatch::reloadQuestion() const {
  return QFileInfo(path_).fileName() +
         QStringLiteral(" was changed by another program. Reload it?");
}

} // namespace zephlo
