#pragma once
// What the player asks of the round in one frame, read once a frame from the
// keyboard and mouse (and whatever else the player plays with).

namespace dusk::scene {

// The movement keys held in one frame. W/Up, S/Down, D/Right and A/Left each
// count once however many of a pair are down; run is the left Shift.
struct MovementKeys {
    bool forward = false;
    bool backward = false;
    bool right = false;
    bool left = false;
    bool run = false;
};

struct PlayerControls {
    MovementKeys move;
    // The turn of this frame in radians: the cursor's offset from its
    // reference point times the mouse speed (a cursor moved up looks up
    // unless the look is inverted).
    float turnHorizontal = 0.0f;
    float turnVertical = 0.0f;
    // A gamepad's walk: how far the stick is tilted forward and to the right
    // (-1..1; full tilt walks as fast as the keys).
    float walkForward = 0.0f;
    float walkRight = 0.0f;
    bool fly = false;     // Space held, or pressed since the last frame
    bool scream = false;  // left Control held, or pressed since the last frame
};

}  // namespace dusk::scene
