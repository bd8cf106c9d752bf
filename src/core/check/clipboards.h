// The editor's two clipboard files, "Conds.clp" (six-byte triggers) and
// "Orders.clp" (148-byte orders): records back to back, no header. They are
// read at start-up and rewritten whole after every addition.
#pragma once

#include "core/mission/bytes.h"
#include "core/mission/layout.h"
#include "core/mission/result.h"

#include <filesystem>
#include <vector>

namespace zephlo {

inline constexpr const char* kTriggerClipboardFile = "Conds.clp";
inline constexpr const char* kOrderClipboardFile = "Orders.clp";

template <std::size_t N> class RecordClipboard {
public:
  using Record = Block<N>;

  explicit RecordClipboard(std::filesystem::path file) : file_(std::move(file)) {}

  // Reads the file's records. A missing file is an empty clipboard. Bytes
  // after the last whole record are reported and left out.
  Status load();
  // Appends a record and rewrites the file from the whole list. Refused
  // when the file could not be read, so its records are never replaced by
  // a shorter list.
  Status add(const Record& r);

  const std::vector<Record>& records() const { return records_; }
  const std::filesystem::path& file() const { return file_; }

private:
  std::filesystem::path file_;
  std::vector<Record> records_;
  bool readable_ = true;
};

using TriggerClipboard = RecordClipboard<trig::Size>;
using OrderClipboard = RecordClipboard<ord::Size>;

// The order as the clipboard keeps it: order, throttle, both variables, the
// four targets with their types and the link flags; every other byte 0.
Block<ord::Size> orderForClipboard(const Byte* order);

} // namespace zephlo
