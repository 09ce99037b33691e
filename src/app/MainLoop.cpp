#include "app/MainLoop.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <sstream>

#include "app/Session.h"
#include "base/Console.h"

namespace dusk {

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

void runMainLoop(Session& session) {
    while (!session.finished()) {
        session.runFrame();
    }
    session.leaveRound();
}

}  // namespace dusk
