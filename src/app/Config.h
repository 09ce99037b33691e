#pragma once
#include <optional>
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

// Whether a window of this size may be asked for: GLFW refuses 0 or less (and
// Debian's GLFW asserts on a negative size), and X describes a window's sides
// in 15 bits of a signed 16-bit field, while neither GLFW nor Xlib checks
// larger sizes: they crash inside instead of failing.
bool windowSizeAcceptable(const WindowConfig& config);

// Line 1 is the width, line 2 the height; further lines are ignored. A file
// that cannot be opened, or a missing line, gives 0.
WindowConfig readWindowConfig(const std::string& path);

// The window size of the run: the settings file's width and height when it
// gives both, otherwise the config file's size as read.
WindowConfig chooseWindowSize(const WindowConfig& configFile, std::optional<int> width,
                              std::optional<int> height);

}  // namespace dusk
