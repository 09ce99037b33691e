#include "input/Gamepad.h"

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

bool Gamepad::down(const GLFWgamepadstate& state, int input) {
    return input == leftTrigger ? travel(state, GLFW_GAMEPAD_AXIS_LEFT_TRIGGER) > triggerPulled
                                : held(state, input);
}

bool Gamepad::pressed(const GLFWgamepadstate& now, int input) const {
    return hasBefore_ && down(now, input) && !down(before_, input);
}

void Gamepad::reset() {
    hasBefore_ = false;
    presses_.fill(Press::Up);
}

std::array<bool, Gamepad::inputCount> Gamepad::follow(const GLFWgamepadstate& now, bool playing) {
    std::array<bool, inputCount> chosen{};
    for (int input = 0; input < inputCount; ++input) {
        Press& press = presses_[input];
        if (!down(now, input)) {
            chosen[input] = press == Press::Waiting;
            press = Press::Up;
        } else if (!hasBefore_) {
            press = Press::Stale;
        } else if (press == Press::Up) {
            press = playing ? Press::Round : Press::Waiting;
        }
    }
    return chosen;
}

// A pull while the round stands still is used up: the trigger is let go
// before the round's next scream.
bool Gamepad::screams(const GLFWgamepadstate& now, bool playing) {
    const float pull = travel(now, GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER);
    if (!hasBefore_ || pull < triggerReleased) {
        screamArmed_ = pull < triggerReleased;
    } else if (screamArmed_ && pull > triggerPulled) {
        screamArmed_ = false;
        return playing;
    }
    return false;
}

PadFrame Gamepad::next(const GLFWgamepadstate& now, float deadZone, bool playing) {
    PadFrame frame;
    frame.walk =
        stickTilt(now.axes[GLFW_GAMEPAD_AXIS_LEFT_X], now.axes[GLFW_GAMEPAD_AXIS_LEFT_Y], deadZone);
    frame.look = stickTilt(now.axes[GLFW_GAMEPAD_AXIS_RIGHT_X], now.axes[GLFW_GAMEPAD_AXIS_RIGHT_Y],
                           deadZone);
    frame.scream = screams(now, playing);
    frame.menu = pressed(now, GLFW_GAMEPAD_BUTTON_START);
    frame.hud = pressed(now, GLFW_GAMEPAD_BUTTON_BACK);
    const std::array<bool, inputCount> chosen = follow(now, playing);
    const auto round = [&](int input) { return presses_[input] == Press::Round; };
    frame.run = round(leftTrigger) || round(GLFW_GAMEPAD_BUTTON_LEFT_THUMB);
    frame.fly = round(GLFW_GAMEPAD_BUTTON_A);
    frame.playAgain = chosen[GLFW_GAMEPAD_BUTTON_A];
    frame.quit = chosen[GLFW_GAMEPAD_BUTTON_B];
    before_ = now;
    hasBefore_ = true;
    return frame;
}

}  // namespace dusk
