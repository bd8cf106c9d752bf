// Every test that applies an operation applies it through here: the step is
// checked to be exact, so an undo that misses a byte fails wherever it shows.
#pragma once

#include "core/mission/edit.h"
#include "core/mission/writer.h"

#include <gtest/gtest.h>

namespace zephlo::testing {

// Applies op to d as the editor does. Undo must give back the document it
// started from, to the bytes a save writes; redo the edited one. Returns the
// step, or an empty one when op was refused (which fails the test).
inline Applied applyChecked(Document& d, EditorState& st, const Operation& op) {
  const Document before = d;
  Result<Applied> r = applyOperation(d, st, op);
  EXPECT_TRUE(r.ok()) << op.name << ": " << (r.ok() ? std::string() : r.error().message);
  if (!r.ok()) return {};
  Document back = d;
  r->delta.revert(back);
  EXPECT_TRUE(back == before) << op.name << ": undo does not give back the document";
  const auto bytesBefore = serializeMission(before), bytesBack = serializeMission(back);
  EXPECT_TRUE(bytesBefore.ok() == bytesBack.ok() &&
              (!bytesBefore.ok() || *bytesBefore == *bytesBack))
      << op.name << ": undo does not give back the saved bytes";
  r->delta.reapply(back);
  EXPECT_TRUE(back == d) << op.name << ": redo does not give the edited document";
  return std::move(*r);
}

inline Applied applyChecked(Document& d, const Operation& op) {
  EditorState st;
  return applyChecked(d, st, op);
}

} // namespace zephlo::testing
