#include "app/WindowInput.h"

#include <GLFW/glfw3.h>

#include <utility>

namespace dusk {

static_assert(WindowInput::keyCount == GLFW_KEY_LAST + 1);

WindowInput::WindowInput(GLFWwindow* window) : window(window) {
    glfwSetWindowUserPointer(window, this);
    glfwSetKeyCallback(window, onKey);
    glfwSetMouseButtonCallback(window, onMouseButton);
    glfwSetWindowFocusCallback(window, onFocus);
    glfwSetFramebufferSizeCallback(window, onFramebufferSize);
}

WindowInput::~WindowInput() {
    glfwSetKeyCallback(window, nullptr);
    glfwSetMouseButtonCallback(window, nullptr);
    glfwSetWindowFocusCallback(window, nullptr);
    glfwSetFramebufferSizeCallback(window, nullptr);
    glfwSetWindowUserPointer(window, nullptr);
}

bool WindowInput::pressed(int key) {
    if (key < 0 || key >= keyCount) {
        return false;
    }
    const bool wasLatched = std::exchange(latched[key], false);
    return glfwGetKey(window, key) == GLFW_PRESS || wasLatched;
}

WindowInput::Events WindowInput::take() { return std::exchange(pending, Events{}); }

void WindowInput::forget() {
    latched.fill(false);
    pending = Events{};
}

bool keyPressed(GLFWwindow* window, WindowInput* input, int key) {
    return input != nullptr ? input->pressed(key) : glfwGetKey(window, key) == GLFW_PRESS;
}

WindowInput* WindowInput::of(GLFWwindow* window) {
    return static_cast<WindowInput*>(glfwGetWindowUserPointer(window));
}

void WindowInput::onKey(GLFWwindow* window, int key, int, int action, int) {
    WindowInput* input = of(window);
    if (input == nullptr || action != GLFW_PRESS) {
        return;
    }
    if (key >= 0 && key < keyCount) {
        input->latched[key] = true;
    }
    input->pending.keys.push_back(key);
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

void WindowInput::onFramebufferSize(GLFWwindow* window, int width, int height) {
    if (WindowInput* input = of(window); input != nullptr) {
        input->pending.newWidth = width;
        input->pending.newHeight = height;
    }
}

}  // namespace dusk
