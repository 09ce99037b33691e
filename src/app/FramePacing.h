#pragma once
// How a frame ends: the wait the frame cap asks for, the F2 frame-time line
// and the OpenGL error report.
#include <string>

namespace dusk {

// How long to wait after a frame that began at frameStart, at time now, so
// that frames come no faster than cap a second (0: no cap, no wait).
double frameCapWait(double frameStart, double now, int cap);

// "50 FPS / Frametime: 0.02s" for a frame time of 0.02 s.
std::string frameTimeLine(float dt);

// Drains GL's error flags, printing "ERROR: OpenGL!" once per error; returns
// how many there were.
int reportGlErrors();

}  // namespace dusk
