// Reading a mission file: all or nothing.
#pragma once

#include "mission/document.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string>

namespace zephlo {

enum class ReadStatus {
  Ok,
  Missing,      // no file at the path
  Unreadable,   // the file exists but cannot be read
  TieFighter,   // another game's file
  XWing,        // another game's file
  Predecessor,  // the predecessor game's formats
  Unrecognized, // not a mission file at all
  Damaged,      // a mission file that ends early or claims more than it holds
};

struct ReadOutcome {
  ReadStatus status = ReadStatus::Ok;
  std::string message;                // what to tell the designer; empty on success
  int noticeMs = 0;                   // above 0: a short timed notice instead of an error box
  std::unique_ptr<Document> document; // set only on success

  bool ok() const { return status == ReadStatus::Ok; }
};

// Reads the whole file at path. On anything but success no document is
// returned, so the caller's open document stays as it was.
ReadOutcome readMission(const std::string& path, bool autolink = true);

// The same from bytes already in memory; name is used in messages.
ReadOutcome parseMission(std::span<const Byte> bytes, const std::string& name,
                         bool autolink = true);

} // namespace zephlo
