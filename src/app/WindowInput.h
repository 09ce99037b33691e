#pragma once
#include <vector>

struct GLFWwindow;

namespace dusk {

// The window's input as events, for the keys that act once per press (H, P,
// the menu keys), clicks and focus. Also makes GLFW keep taps: with sticky
// keys and buttons, a key pressed and released between two reads still
// reads as pressed once, so the throttled key handler never loses a press.
// Make it before Dear ImGui installs its callbacks (ImGui chains to ours).
class WindowInput {
public:
    struct Events {
        std::vector<int> keys;  // GLFW key codes, one per press (no repeats)
        int clicks = 0;         // mouse button presses
        bool focusLost = false;
    };

    explicit WindowInput(GLFWwindow* window);
    ~WindowInput();
    WindowInput(const WindowInput&) = delete;
    WindowInput& operator=(const WindowInput&) = delete;

    // The events since the last call.
    Events take();

private:
    static void onKey(GLFWwindow* window, int key, int scancode, int action, int mods);
    static void onMouseButton(GLFWwindow* window, int button, int action, int mods);
    static void onFocus(GLFWwindow* window, int focused);
    static WindowInput* of(GLFWwindow* window);

    GLFWwindow* window;
    Events pending;
    bool hadFocus = false;
};

}  // namespace dusk
