#pragma once
#include <string>

namespace dusk {

class Session;

// Drives the session from its first frame until the window's close flag is
// set; a round still in play is then recorded as left.
void runMainLoop(Session& session);

// "50 FPS / Frametime: 0.02s" for a frame time of 0.02 s.
std::string frameTimeLine(float dt);

// Drains GL's error flags, printing "ERROR: OpenGL!" once per error; returns
// how many there were.
int reportGlErrors();

}  // namespace dusk
