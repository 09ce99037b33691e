#include "app/WindowInput.h"

#include <GLFW/glfw3.h>

#include <utility>

#include "settings/SettingsStore.h"

namespace dusk {

static_assert(WindowInput::keyCount == GLFW_KEY_LAST + 1);

namespace {

// The keys of the throttled handler, in the order it acts on them.
const int throttledKeys[] = {GLFW_KEY_ESCAPE, GLFW_KEY_F2, GLFW_KEY_F3, GLFW_KEY_F4,
                             GLFW_KEY_F5,     GLFW_KEY_F8, GLFW_KEY_F9};

}  // namespace

ScreenPoint screenCentre() {
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
    if (mode == nullptr) {
        return {};
    }
    return {mode->width / 2, mode->height / 2};
}

WindowInput::WindowInput(GLFWwindow* window, ScreenPoint reference)
    : window(window), refX(reference.x), refY(reference.y) {
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

InputFrame WindowInput::read(bool playingNow, bool throttled) {
    playing = playingNow;
    InputFrame frame = std::exchange(pending, InputFrame{});
    if (throttled) {
        for (const int key : throttledKeys) {
            if (pressed(key)) {
                frame.toggles.push_back(key);
            }
        }
    }
    if (playing) {
        readControls(frame.controls);
    } else {
        // A tap while the round stands still is not kept for it.
        for (const int key : {GLFW_KEY_SPACE, GLFW_KEY_LEFT_CONTROL}) {
            latched[key] = false;
        }
    }
    frame.shiftHeld = held(GLFW_KEY_LEFT_SHIFT) || held(GLFW_KEY_RIGHT_SHIFT);
    return frame;
}

void WindowInput::readControls(scene::PlayerControls& controls) {
    scene::MovementKeys& keys = controls.move;
    keys.forward = held(GLFW_KEY_UP) || held(GLFW_KEY_W);
    keys.backward = held(GLFW_KEY_DOWN) || held(GLFW_KEY_S);
    keys.right = held(GLFW_KEY_RIGHT) || held(GLFW_KEY_D);
    keys.left = held(GLFW_KEY_LEFT) || held(GLFW_KEY_A);
    keys.run = held(GLFW_KEY_LEFT_SHIFT);
    controls.fly = pressed(GLFW_KEY_SPACE);
    controls.scream = pressed(GLFW_KEY_LEFT_CONTROL);

    double x = 0.0;
    double y = 0.0;
    glfwGetCursorPos(window, &x, &y);
    centreCursor();
    const UserSettings& options = settings::current();
    const float speed = options.mouseSpeed();
    controls.turnHorizontal = speed * static_cast<float>(refX - x);
    const float vertical = speed * static_cast<float>(refY - y);
    controls.turnVertical = options.invertLook ? -vertical : vertical;
}

void WindowInput::forget() {
    latched.fill(false);
    pending = InputFrame{};
}

void WindowInput::centreCursor() { glfwSetCursorPos(window, refX, refY); }

bool WindowInput::held(int key) const {
    return glfwGetKey(window, key) == GLFW_PRESS && !(playing && suppressed[key]);
}

bool WindowInput::pressed(int key) {
    const bool wasLatched = std::exchange(latched[key], false);
    if (playing && suppressed[key]) {
        return false;
    }
    return glfwGetKey(window, key) == GLFW_PRESS || wasLatched;
}

WindowInput* WindowInput::of(GLFWwindow* window) {
    return static_cast<WindowInput*>(glfwGetWindowUserPointer(window));
}

void WindowInput::onKey(GLFWwindow* window, int key, int, int action, int) {
    WindowInput* input = of(window);
    if (input == nullptr || key < 0 || key >= keyCount) {
        return;
    }
    if (action == GLFW_RELEASE) {
        input->suppressed[key] = false;
    }
    if (action != GLFW_PRESS) {
        return;
    }
    input->latched[key] = true;
    input->suppressed[key] = !input->playing;
    input->pending.presses.push_back(key);
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
