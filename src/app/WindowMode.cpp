#include "app/WindowMode.h"

#include <GLFW/glfw3.h>

namespace dusk {

void WindowMode::setFullscreen(bool on) {
    if (on == fullscreen) {
        return;
    }
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
    if (on && mode == nullptr) {
        return;
    }
    fullscreen = on;
    if (on) {
        glfwGetWindowPos(window, &windowedX, &windowedY);
        glfwSetWindowMonitor(window, monitor, 0, 0, mode->width, mode->height, mode->refreshRate);
    } else {
        glfwSetWindowMonitor(window, nullptr, windowedX, windowedY, windowed.width, windowed.height,
                             GLFW_DONT_CARE);
    }
}

void WindowMode::setVsync(bool on) { glfwSwapInterval(on ? 1 : 0); }

}  // namespace dusk
