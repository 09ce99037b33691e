#pragma once
#include <string>

namespace dusk {

// Drives the game from the first frame until the window's close flag is set,
// then releases the lights, sky and ground and empties the object lists.
void runMainLoop();

// "50 FPS / Frametime: 0.02s" for a frame time of 0.02 s.
std::string frameTimeLine(float dt);

// Drains GL's error flags, printing "ERROR: OpenGL!" once per error; returns
// how many there were.
int reportGlErrors();

}  // namespace dusk
