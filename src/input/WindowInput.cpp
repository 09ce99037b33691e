#include "input/WindowInput.h"

#include <GLFW/glfw3.h>

#include <utility>

#include "settings/KeyBindings.h"

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

WindowInput::WindowInput(GLFWwindow* window, ScreenPoint reference, const UserSettings& settings)
    : window(window), settings(settings), refX(reference.x), refY(reference.y) {
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

InputFrame WindowInput::read(bool playingNow, bool throttled, float dt) {
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
        const KeyBindings& bindings = settings.keys;
        for (const Action action : {Action::Fly, Action::Scream}) {
            for (const int key : bindings.keysFor(action)) {
                if (key >= 0 && key < keyCount) {
                    latched[key] = false;
                }
            }
        }
    }
    frame.shiftHeld = held(GLFW_KEY_LEFT_SHIFT) || held(GLFW_KEY_RIGHT_SHIFT);
    readPad(frame, dt);
    return frame;
}

bool WindowInput::actionHeld(int action) const {
    for (const int key : settings.keys.keysFor(static_cast<Action>(action))) {
        if (key >= 0 && key < keyCount && held(key)) {
            return true;
        }
    }
    return false;
}

bool WindowInput::actionPressed(int action) {
    bool any = false;
    for (const int key : settings.keys.keysFor(static_cast<Action>(action))) {
        if (key >= 0 && key < keyCount) {
            any = pressed(key) || any;  // every key's latch is read
        }
    }
    return any;
}

// Without a pad nothing changes: the frame keeps what the keys and the mouse
// gave. A pad's buttons are pressed for the round only while it runs.
void WindowInput::readPad(InputFrame& frame, float dt) {
    const GamepadReader::Reading reading = padReader.poll();
    if (reading.change != GamepadReader::Change::None) {
        pad.reset();
        frame.padChange = reading.change;
        frame.padName = reading.name;
    }
    if (!reading.present) {
        return;
    }
    const UserSettings& options = settings;
    frame.pad = pad.next(reading.state, static_cast<float>(options.gamepadDeadZone), playing);
    if (playing) {
        addPad(frame.pad, options, dt, frame.controls);
    }
}

void addPad(const PadFrame& pad, const UserSettings& options, float dt,
            scene::PlayerControls& controls) {
    controls.walkForward = pad.walk.y;
    controls.walkRight = pad.walk.x;
    controls.move.run = controls.move.run || pad.run;
    controls.fly = controls.fly || pad.fly;
    controls.scream = controls.scream || pad.scream;
    if (pad.look.x != 0.0f || pad.look.y != 0.0f) {
        const LookTurn turn = lookTurn(pad.look, options.gamepadLookSpeed, options.invertLook, dt);
        controls.turnHorizontal += turn.horizontal;
        controls.turnVertical += turn.vertical;
    }
}

void WindowInput::readControls(scene::PlayerControls& controls) {
    scene::MovementKeys& keys = controls.move;
    keys.forward = actionHeld(static_cast<int>(Action::Forward));
    keys.backward = actionHeld(static_cast<int>(Action::Back));
    keys.right = actionHeld(static_cast<int>(Action::Right));
    keys.left = actionHeld(static_cast<int>(Action::Left));
    keys.run = actionHeld(static_cast<int>(Action::Run));
    controls.fly = actionPressed(static_cast<int>(Action::Fly));
    controls.scream = actionPressed(static_cast<int>(Action::Scream));

    double x = 0.0;
    double y = 0.0;
    glfwGetCursorPos(window, &x, &y);
    centreCursor();
    const UserSettings& options = settings;
    const float speed = options.mouseSpeed();
    controls.turnHorizontal = speed * static_cast<float>(refX - x);
    const float vertical = speed * static_cast<float>(refY - y);
    controls.turnVertical = options.invertLook ? -vertical : vertical;
}

void WindowInput::forget() {
    latched.fill(false);
    pending = InputFrame{};
    pad.reset();
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

void WindowInput::onKey(GLFWwindow* window, int key, int, int action, int mods) {
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
    if ((mods & GLFW_MOD_SHIFT) != 0) {
        input->pending.shiftedPresses.push_back(key);
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

void WindowInput::onFramebufferSize(GLFWwindow* window, int width, int height) {
    if (WindowInput* input = of(window); input != nullptr) {
        input->pending.newWidth = width;
        input->pending.newHeight = height;
    }
}

}  // namespace dusk
