#pragma once
// A gamepad's state as the game's controls. GLFW gives the pad's sticks,
// triggers and buttons in one layout for every pad it has a mapping for
// (GLFWgamepadstate); this turns one such state a frame into what the player
// does:
//
//   left stick   walk, as fast as it is tilted (full tilt: the key's speed)
//   right stick  look
//   A            fly while held; on the end screens: play again
//   B            on the end screens: quit
//   right trigger  scream, once per pull
//   left trigger or a click of the left stick  run
//   Start        pause;  Back  the HUD on or off
//
//   Gamepad pad;
//   const PadFrame frame = pad.next(state, settings.gamepadDeadZone);
#include <GL/glew.h>  // before GLFW, which would bring in gl.h
#include <GLFW/glfw3.h>

namespace dusk {

// A stick's tilt after the dead zone: x to the right, y away from the player
// (forward, or up for the look), length 0..1.
struct Tilt {
    float x = 0.0f;
    float y = 0.0f;
};

// The pad's part of one frame's input.
struct PadFrame {
    Tilt walk;
    Tilt look;
    bool run = false;     // held
    bool fly = false;     // held
    bool scream = false;  // once per pull of the trigger
    // Pressed this frame (a button held down counts once):
    bool pause = false;      // Start
    bool hud = false;        // Back
    bool playAgain = false;  // A
    bool quit = false;       // B
};

// The camera's turn for a look tilt held for dt seconds, in radians, in the
// camera's own sense: horizontal grows to the left, vertical grows upward
// (downward with invert).
struct LookTurn {
    float horizontal = 0.0f;
    float vertical = 0.0f;
};
LookTurn lookTurn(const Tilt& look, double degreesPerSecond, bool invert, float dt);

// A stick's raw axes (-1..1, GLFW's y grows downward) as a tilt: nothing
// inside the dead zone (a circle of that radius), then rising from 0 at its
// edge to 1 at full tilt, in the stick's own direction.
Tilt stickTilt(float axisX, float axisY, float deadZone);

class Gamepad {
public:
    static constexpr float triggerPulled = 0.5f;    // of the trigger's travel
    static constexpr float triggerReleased = 0.3f;  // before the next pull counts

    // The frame for the pad's state now. The first state after construction
    // or reset() presses nothing: a button already down when the pad came is
    // not pressed until it is released, and neither is a pulled trigger.
    PadFrame next(const GLFWgamepadstate& now, float deadZone);
    // Forgets the last state (a pad was connected or disconnected).
    void reset() { hasBefore_ = false; }

private:
    bool pressed(const GLFWgamepadstate& now, int button) const;

    GLFWgamepadstate before_{};
    bool hasBefore_ = false;
    bool screamArmed_ = false;  // the trigger has been let go since the last scream
};

}  // namespace dusk
