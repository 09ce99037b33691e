#include "app/MainLoop.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <sstream>

#include "base/Console.h"
#include "app/Game.h"
#include "app/Settings.h"
#include "app/Startup.h"

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

namespace {

void runThrottledBlock(float dt) {
    game->handleKeys();
    if (showFrameTime) {
        printLine(frameTimeLine(dt));
    }
    if (frustumCulling) {
        printLine("Objects drawn: " + std::to_string(game->objectsDrawn + 12));
    }
}

}  // namespace

void runMainLoop() {
    double previousFrame = glfwGetTime();
    double lastThrottled = glfwGetTime();
    GLFWwindow* window = game->window;

    while (!glfwWindowShouldClose(window)) {
        const double now = glfwGetTime();
        const float dt = static_cast<float>(now - previousFrame);
        previousFrame = now;
        if (glfwGetTime() - lastThrottled > 0.1) {
            runThrottledBlock(dt);
            lastThrottled = glfwGetTime();
        }
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        game->update(window, dt);
        game->render();
        glfwSwapBuffers(window);
        glfwPollEvents();
        reportGlErrors();
    }
    game->releaseWorld();
}

}  // namespace dusk
