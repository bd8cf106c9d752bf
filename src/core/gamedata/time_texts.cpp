#include "core/gamedata/time_texts.h"

namespace zephlo {

namespace {

// value * tenths / 10 rounded to the nearest whole number, ties to even;
// integer arithmetic keeps the ties exact.
int roundTenths(int value, int tenths) {
  const int n = value * tenths;
  int q = n / 10;
  const int r = n % 10;
  if (r > 5 || (r == 5 && q % 2 != 0)) ++q;
  return q;
}

} // namespace

std::string secondsText(int seconds) {
  // Not reachable from a one-byte or two-byte value; written with a sign
  // rather than as a wrong positive time.
  long long s = seconds;
  std::string text;
  if (s < 0) {
    text = "-";
    s = -s;
  }
  const long long rest = s % 60;
  text += std::to_string(s / 60) + ":";
  if (rest < 10) text += "0";
  return text + std::to_string(rest);
}

std::string timeCodeText(int code) {
  int c = code;
  if (c >= 57 && c <= 84) c -= 55;
  // Codes past 85 were never tried in the game; so are values no byte holds.
  if (c < 0 || c > 85) return " = (untested)";
  static constexpr int kLowCodes[] = {-1, 0, 5, 9, 14, 19};
  int s = 0;
  if (c <= 5)
    s = kLowCodes[c];
  else if (c <= 7)
    s = c * 4;
  else if (c <= 14)
    s = roundTenths(c, 42);
  else if (c <= 34)
    s = roundTenths(c, 45);
  else
    s = roundTenths(c, 46);
  if (s < 0) return " = (default)";
  if (s == 0) return " = 0:00";
  return " = " + secondsText(s) + " (approx)";
}

int orderTimeCode(int value) { return value <= 20 ? value : 20 + (value - 20) * 5; }

} // namespace zephlo
