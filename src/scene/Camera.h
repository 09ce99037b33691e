#pragma once
#include "scene/PlayerControls.h"
#include "scene/SceneObject.h"

namespace dusk::scene {

class PhysicsWorld;

// Where the player looks: (cos v sin h, sin v, cos v cos h).
vec3 viewDirection(float horizontalAngle, float verticalAngle);
// The player's right: (sin(h - 1.57), 0, cos(h - 1.57)). The constant is 1.57,
// not pi/2, so "right" is a hair off perpendicular to the view.
vec3 rightDirection(float horizontalAngle);
// The unscaled sum of the held directions (forward minus backward, right
// minus left); not normalised, so diagonals are faster.
vec3 movementSum(const MovementKeys& keys, const vec3& direction, const vec3& right);

// The player: an upright cylinder body that turns with the mouse and walks
// with the keys; its eye is the body's centre.
class Camera : public SceneObject {
public:
    // Creates the body at (-7, 1.5, 1).
    explicit Camera(PhysicsWorld& physics);

    // The turn of the controls, then walking from the keys held.
    void update(const PlayerControls& controls);
    mat4 getViewMatrix() const { return viewMatrix; }

    // Turns by the given angles (radians).
    void turn(float horizontal, float vertical);
    // Sets the body's horizontal velocity from the keys (and a stick's
    // tilt, forward and right, -1..1) and rebuilds the model and view
    // matrices from where the body stands now.
    void move(const MovementKeys& keys, float walkForward = 0.0f, float walkRight = 0.0f);
    // One frame's flight: an upward impulse on the body.
    void fly();

    float height = 1.5f;
    double radius = 0.5;
    mat4 viewMatrix{1.0f};
    vec3 moveDirection{0.0f, 0.0f, 0.0f};
    float horizontalAngle = 2.0f;
    float verticalAngle = 0.0f;
    float speed = 3.0f;
};

}  // namespace dusk::scene
