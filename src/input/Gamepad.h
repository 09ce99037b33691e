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
//   Start        the settings menu (the game pauses under it)
//   Back         the HUD on or off
//
// As with keys, a button pressed while the round stands still (paused, an
// end screen) is not the round's until it has been let go: A pressed on an
// end screen does not fly in the next round. On an end screen A and B choose
// when they are let go, and only after a press made there.
//
//   Gamepad pad;
//   const PadFrame frame = pad.next(state, settings.gamepadDeadZone, playing);
#include <GL/glew.h>  // before GLFW, which would bring in gl.h
#include <GLFW/glfw3.h>

#include <array>

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
    // The round's: held (pressed while it ran), and once per pull.
    bool run = false;
    bool fly = false;
    bool scream = false;
    // Pressed this frame (a button held down counts once):
    bool menu = false;  // Start
    bool hud = false;   // Back
    // Let go this frame after a press made while the round stood still:
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

    // The frame for the pad's state now; playing: the round runs. The first
    // state after construction or reset() presses nothing: a button already
    // down when the pad came does nothing until it is released, and neither
    // does a pulled trigger.
    PadFrame next(const GLFWgamepadstate& now, float deadZone, bool playing = true);
    // Forgets the last state: a pad came or went, or a new state of the game
    // starts (the end screen, the next round). What is down at the next state
    // answers nothing (no play again when let go, nothing for the round)
    // until it is let go, even if it went down just now.
    void reset();

private:
    // The buttons, then the left trigger pulled past half as one more.
    static constexpr int inputCount = GLFW_GAMEPAD_BUTTON_LAST + 2;
    static constexpr int leftTrigger = GLFW_GAMEPAD_BUTTON_LAST + 1;

    enum class Press {
        Up,
        Round,    // pressed while the round ran: the round's while held
        Waiting,  // pressed while it stood still: letting go chooses
        Stale,    // down from before: nothing until let go
    };

    static bool down(const GLFWgamepadstate& state, int input);
    bool pressed(const GLFWgamepadstate& now, int input) const;
    // Follows every input's press; true for each let go from Waiting.
    std::array<bool, inputCount> follow(const GLFWgamepadstate& now, bool playing);
    bool screams(const GLFWgamepadstate& now, bool playing);

    GLFWgamepadstate before_{};
    bool hasBefore_ = false;
    bool screamArmed_ = false;  // the trigger has been let go since the last scream
    std::array<Press, inputCount> presses_{};
};

}  // namespace dusk
