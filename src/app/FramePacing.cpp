#include "app/FramePacing.h"

#include <GL/glew.h>

#include <algorithm>
#include <sstream>

#include "base/Console.h"

namespace dusk {

double frameCapWait(double frameStart, double now, int cap) {
    if (cap <= 0) {
        return 0.0;
    }
    return std::max(0.0, frameStart + 1.0 / cap - now);
}

std::string frameTimeLine(float dt) {
    std::ostringstream line;
    line << static_cast<int>(1.0f / dt) << " FPS / Frametime: " << dt << "s";
    return line.str();
}

int reportGlErrors() {
    int count = 0;
    while (glGetError() != GL_NO_ERROR) {
        printLine("ERROR: OpenGL!");
        ++count;
    }
    return count;
}

}  // namespace dusk
