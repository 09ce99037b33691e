#pragma once
// Render and diagnostic settings, toggled by the function keys and read by
// the main loop and the frame passes.

namespace dusk {

extern bool showFrameTime;        // F2
extern bool wireframeMode;        // F3
extern bool bilinearSampling;     // F4
extern int mipmapMode;            // F5: -1 off, 0 nearest, 1 linear
extern bool frustumCulling;       // F8: prints "Objects drawn: " while on
extern bool transparencyEnabled;  // F9: last value sent to "transparencyFlag"

// Restores the start values (tests run several games in one process).
void resetSettings();

// F5 cycles off -> nearest neighbour -> bilinear -> off.
int nextMipmapMode(int mode);

}  // namespace dusk
