// Documents for tests and benchmarks: generated missions read into memory.
#pragma once

#include "core/mission/document.h"
#include "support/test_missions.h"

namespace zephlo::testing {

// A generated mission as the reader gives it; fails the calling test (and
// returns a new mission) when the reader refuses it.
Document generatedDocument(const GenOptions& options);

// The large mission of the benchmarks: 192 flight groups, 64 messages,
// every string filled.
Document largeDocument(std::uint32_t seed = 7);

} // namespace zephlo::testing
