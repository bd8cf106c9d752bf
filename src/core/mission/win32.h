// The Windows API for the few files that call it, without the min and max
// macros that would break std::min and std::max. Empty elsewhere.
#pragma once

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif
