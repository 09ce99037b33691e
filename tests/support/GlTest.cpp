#include "GlTest.h"

#include <chrono>
#include <thread>

namespace dusk::test {

GLFWwindow* openGlWindow(int width, int height, bool visible) {
    if (!glfwInit()) {
        return nullptr;
    }
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_VISIBLE, visible ? GLFW_TRUE : GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(width, height, "Duskhollow test", nullptr, nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        glfwDestroyWindow(window);
        return nullptr;
    }
    // glewInit can leave GL_INVALID_ENUM behind on core profiles.
    while (glGetError() != GL_NO_ERROR) {
    }
    return window;
}

bool waitForKeyState(GLFWwindow* window, int key, int state) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < deadline) {
        glfwPollEvents();
        if (glfwGetKey(window, key) == state) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

void GlTest::SetUp() {
    window = openGlWindow(320, 240);
    ASSERT_NE(window, nullptr) << "no 3.3 core context (is DISPLAY set, e.g. under xvfb-run?)";
}

void GlTest::TearDown() {
    if (window != nullptr) {
        glfwDestroyWindow(window);
        window = nullptr;
    }
}

int GlTest::drainGlErrors() {
    int count = 0;
    while (glGetError() != GL_NO_ERROR) {
        ++count;
    }
    return count;
}

}  // namespace dusk::test
