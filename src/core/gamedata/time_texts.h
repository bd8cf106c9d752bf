// Times as the editor shows them: "m:ss", the explosion-time codes and the
// order time parameter.
#pragma once

#include <string>

namespace zephlo {

// "m:ss", e.g. 63 -> "1:03".
std::string secondsText(int seconds);
// Text beside a one-byte explosion time code, e.g. " = 0:05 (approx)".
std::string timeCodeText(int code);
// Seconds meant by an order's time parameter: v up to 20, then 5 seconds a step.
int orderTimeCode(int value);

} // namespace zephlo
