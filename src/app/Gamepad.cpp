#include "app/Gamepad.h"

#include <algorithm>
#include <cmath>

namespace dusk {

namespace {

// How far a trigger is pulled, 0 (let go) to 1: GLFW gives -1 to 1.
float travel(const GLFWgamepadstate& state, int axis) {
    return std::clamp((state.axes[axis] + 1.0f) * 0.5f, 0.0f, 1.0f);
}

bool held(const GLFWgamepadstate& state, int button) { return state.buttons[button] == GLFW_PRESS; }

constexpr double radiansPerDegree = 3.14159265358979323846 / 180.0;

}  // namespace

Tilt stickTilt(float axisX, float axisY, float deadZone) {
    const float x = std::isfinite(axisX) ? axisX : 0.0f;
    const float y = std::isfinite(axisY) ? -axisY : 0.0f;
    const float length = std::sqrt(x * x + y * y);
    const float zone = std::clamp(deadZone, 0.0f, 0.9f);
    if (length <= zone) {
        return {};
    }
    // A square gate reaches past 1 on the diagonals: that is full tilt too.
    const float reach = std::min(1.0f, (length - zone) / (1.0f - zone));
    return {x / length * reach, y / length * reach};
}

LookTurn lookTurn(const Tilt& look, double degreesPerSecond, bool invert, float dt) {
    const double turn = degreesPerSecond * radiansPerDegree * dt;
    const float vertical = static_cast<float>(look.y * turn);
    return {static_cast<float>(-look.x * turn), invert ? -vertical : vertical};
}

bool Gamepad::pressed(const GLFWgamepadstate& now, int button) const {
    return hasBefore_ && held(now, button) && !held(before_, button);
}

PadFrame Gamepad::next(const GLFWgamepadstate& now, float deadZone) {
    PadFrame frame;
    frame.walk =
        stickTilt(now.axes[GLFW_GAMEPAD_AXIS_LEFT_X], now.axes[GLFW_GAMEPAD_AXIS_LEFT_Y], deadZone);
    frame.look = stickTilt(now.axes[GLFW_GAMEPAD_AXIS_RIGHT_X], now.axes[GLFW_GAMEPAD_AXIS_RIGHT_Y],
                           deadZone);
    frame.run = travel(now, GLFW_GAMEPAD_AXIS_LEFT_TRIGGER) > triggerPulled ||
                held(now, GLFW_GAMEPAD_BUTTON_LEFT_THUMB);
    frame.fly = held(now, GLFW_GAMEPAD_BUTTON_A);

    const float pull = travel(now, GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER);
    if (!hasBefore_ || pull < triggerReleased) {
        screamArmed_ = pull < triggerReleased;
    } else if (screamArmed_ && pull > triggerPulled) {
        frame.scream = true;
        screamArmed_ = false;
    }

    frame.pause = pressed(now, GLFW_GAMEPAD_BUTTON_START);
    frame.hud = pressed(now, GLFW_GAMEPAD_BUTTON_BACK);
    frame.playAgain = pressed(now, GLFW_GAMEPAD_BUTTON_A);
    frame.quit = pressed(now, GLFW_GAMEPAD_BUTTON_B);
    before_ = now;
    hasBefore_ = true;
    return frame;
}

}  // namespace dusk
