#pragma once
// The HUD's short texts.
#include <string>

namespace dusk::ui {

// "7 / 10".
std::string kidsLeftLabel(int left, int total);

// The round timer: "m:ss.t" (tenths, rounded down), "83:20.0" past an hour.
std::string roundTimerLabel(double seconds);

}  // namespace dusk::ui
