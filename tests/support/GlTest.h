#pragma once
// A hidden GLFW window with a 3.3 core context, current on this thread, with
// GLEW ready: the real GL objects of the game can be made and read back.
#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

namespace dusk::test {

// Creates the window (hidden unless visible is true); returns null on failure.
GLFWwindow* openGlWindow(int width, int height, bool visible = false);

// Polls the window's events until glfwGetKey reports the state (real key
// events from xdotool arrive asynchronously); false after about 3 seconds.
bool waitForKeyState(GLFWwindow* window, int key, int state);

class GlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Drains and returns the pending GL errors (0 when there were none).
    static int drainGlErrors();

    GLFWwindow* window = nullptr;
};

}  // namespace dusk::test
