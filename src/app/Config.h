#pragma once
#include <string>

namespace dusk {

struct WindowConfig {
    int width = 0;
    int height = 0;
};

// One line of the config file read the way atoi reads it: leading white space
// skipped, an optional sign, then digits up to the first non-digit; no digits
// give 0. Unlike atoi, a value beyond the int range is clamped instead of being
// undefined behaviour.
int parseConfigLine(const std::string& line);

// Line 1 is the width, line 2 the height; further lines are ignored. A file
// that cannot be opened, or a missing line, gives 0.
WindowConfig readWindowConfig(const std::string& path);

}  // namespace dusk
