#include "scene/ScreenSize.h"

#include <GLFW/glfw3.h>

namespace dusk::scene {

ScreenPoint screenCentre() {
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    if (monitor == nullptr) {
        return {};
    }
    const GLFWvidmode* mode = glfwGetVideoMode(monitor);
    if (mode == nullptr) {
        return {};
    }
    return {mode->width / 2, mode->height / 2};
}

}  // namespace dusk::scene
