#pragma once

namespace dusk::scene {

// The mouse's reference point: half the display's width and height in pixels
// (integer halves), used as a position in window coordinates.
struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// Asks GLFW for the primary monitor's video mode. Without a monitor or a mode
// (no display) the point is (0, 0). GLFW must be initialised.
ScreenPoint screenCentre();

}  // namespace dusk::scene
