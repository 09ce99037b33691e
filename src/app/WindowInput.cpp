#include "app/WindowInput.h"

#include <GLFW/glfw3.h>

#include <utility>

namespace dusk {

WindowInput::WindowInput(GLFWwindow* window) : window(window) {
    glfwSetInputMode(window, GLFW_STICKY_KEYS, GLFW_TRUE);
    glfwSetInputMode(window, GLFW_STICKY_MOUSE_BUTTONS, GLFW_TRUE);
    glfwSetWindowUserPointer(window, this);
    glfwSetKeyCallback(window, onKey);
    glfwSetMouseButtonCallback(window, onMouseButton);
    glfwSetWindowFocusCallback(window, onFocus);
}

WindowInput::~WindowInput() {
    glfwSetKeyCallback(window, nullptr);
    glfwSetMouseButtonCallback(window, nullptr);
    glfwSetWindowFocusCallback(window, nullptr);
    glfwSetWindowUserPointer(window, nullptr);
}

WindowInput::Events WindowInput::take() { return std::exchange(pending, Events{}); }

WindowInput* WindowInput::of(GLFWwindow* window) {
    return static_cast<WindowInput*>(glfwGetWindowUserPointer(window));
}

void WindowInput::onKey(GLFWwindow* window, int key, int, int action, int) {
    if (WindowInput* input = of(window); input != nullptr && action == GLFW_PRESS) {
        input->pending.keys.push_back(key);
    }
}

void WindowInput::onMouseButton(GLFWwindow* window, int, int action, int) {
    if (WindowInput* input = of(window); input != nullptr && action == GLFW_PRESS) {
        ++input->pending.clicks;
    }
}

void WindowInput::onFocus(GLFWwindow* window, int focused) {
    WindowInput* input = of(window);
    if (input == nullptr) {
        return;
    }
    // Only the loss of a focus once had counts: without a window manager a
    // new window is told it lost focus before it ever had it, and plays on.
    if (focused == GLFW_TRUE) {
        input->hadFocus = true;
    } else if (input->hadFocus) {
        input->pending.focusLost = true;
    }
}

}  // namespace dusk
