// Recovery copies: while a mission has unsaved changes, the editor keeps a
// copy of it in a private folder, so a crash, a killed process or a power
// cut loses at most the last few seconds of work. Each running editor owns
// its copies through a lock file that names its process; copies whose owner
// is gone are offered at the next start.
//
// In the folder, for a copy with id ID: ID.tie (the mission's bytes),
// ID.lst (the voice list's entries, when they were changed), ID.info (what
// the copy belongs to) and ID.lock (the owning process, while it runs).
#pragma once

#include "core/mission/bytes.h"
#include "core/mission/file_stamp.h"
#include "core/mission/result.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zephlo {

// What a recovery copy belongs to.
struct RecoveryInfo {
  std::string missionPath;             // the file the mission came from; empty when unnamed
  std::int64_t savedAt = 0;            // seconds since 1970, when the copy was written
  std::optional<FileStamp> fileStamp;  // the mission file as the editor last read or wrote it
  std::string voiceListPath;           // the voice list file, "none" when there is none
  bool voicesSaved = false;            // ID.lst holds the list's entries

  bool operator==(const RecoveryInfo&) const = default;
};

// A copy found in the folder.
struct RecoveryCopy {
  std::string id;
  RecoveryInfo info;
};

// What a recovery gives back.
struct RecoveredWork {
  std::vector<Byte> mission;
  std::optional<std::vector<std::string>> voices;
};

// The info file's text and back; a damaged info file is refused.
std::string recoveryInfoText(const RecoveryInfo& info);
Result<RecoveryInfo> parseRecoveryInfo(const std::string& text);

// Whether the process with this id still runs.
bool processAlive(std::int64_t pid);

class RecoveryFolder {
public:
  // id: unique for this run of the editor (process id and start time).
  RecoveryFolder(std::filesystem::path folder, std::string id, std::int64_t pid);

  const std::filesystem::path& folder() const { return folder_; }
  const std::string& id() const { return id_; }

  // Makes the folder (readable by the user only) and the lock file.
  Status claim();
  // Writes this editor's copy, each file safely and readable by the user only.
  Status write(std::span<const Byte> mission, const RecoveryInfo& info,
               const std::vector<std::string>* voices);
  // Removes this editor's copy (saved, or thrown away by choice).
  void removeOwn();
  // Removes the lock at a clean exit; the copy, if any, goes too.
  void release();

  // Copies no running editor owns, oldest first. alive tells whether a
  // process runs (processAlive unless a test says otherwise).
  std::vector<RecoveryCopy>
  orphans(const std::function<bool(std::int64_t)>& alive = processAlive) const;
  // The mission bytes and voice entries of a copy.
  Result<RecoveredWork> load(const std::string& id) const;
  // Removes a copy's files.
  void discard(const std::string& id) const;

private:
  std::filesystem::path file(const std::string& id, const char* ext) const;

  std::filesystem::path folder_;
  std::string id_;
  std::int64_t pid_;
};

} // namespace zephlo
