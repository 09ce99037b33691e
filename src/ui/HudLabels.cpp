#include "ui/HudLabels.h"

#include <cstdio>

namespace dusk::ui {

std::string kidsLeftLabel(int left, int total) {
    return std::to_string(left) + " / " + std::to_string(total);
}

std::string roundTimerLabel(double seconds) {
    const long tenths = seconds > 0.0 ? static_cast<long>(seconds * 10.0) : 0;
    const long minutes = tenths / 600;
    const long secondTenths = tenths % 600;
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld.%ld", minutes, secondTenths / 10,
                  secondTenths % 10);
    return text;
}

}  // namespace dusk::ui
