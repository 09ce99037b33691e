#pragma once
#include <array>
#include <vector>

struct GLFWwindow;

namespace dusk {

// The window's input beyond what glfwGetKey tells at one moment:
// - every key press is latched until it is read, so a key pressed and
//   released between two reads of the throttled key handler still counts
//   once, while a key held down reads as pressed at every read;
// - the keys that act once per press (H, P, the menu keys), clicks and the
//   loss of focus arrive as events.
// Make it before Dear ImGui installs its callbacks (ImGui chains to ours).
class WindowInput {
public:
    struct Events {
        std::vector<int> keys;  // GLFW key codes, one per press (no repeats)
        int clicks = 0;         // mouse button presses
        bool focusLost = false;
        int newWidth = 0;  // the framebuffer's new size, 0 when unchanged
        int newHeight = 0;
    };

    static constexpr int keyCount = 349;  // GLFW_KEY_LAST + 1

    explicit WindowInput(GLFWwindow* window);
    ~WindowInput();
    WindowInput(const WindowInput&) = delete;
    WindowInput& operator=(const WindowInput&) = delete;

    // Down now, or pressed since the last read of this key.
    bool pressed(int key);
    // The events since the last call.
    Events take();
    // Drops latched presses and pending events.
    void forget();

private:
    static void onKey(GLFWwindow* window, int key, int scancode, int action, int mods);
    static void onMouseButton(GLFWwindow* window, int button, int action, int mods);
    static void onFocus(GLFWwindow* window, int focused);
    static void onFramebufferSize(GLFWwindow* window, int width, int height);
    static WindowInput* of(GLFWwindow* window);

    GLFWwindow* window;
    std::array<bool, keyCount> latched{};
    Events pending;
    bool hadFocus = false;
};

// glfwGetKey, or the latched read when there is a WindowInput.
bool keyPressed(GLFWwindow* window, WindowInput* input, int key);

}  // namespace dusk
