#pragma once
#include "scene/SceneObject.h"
#include "scene/ScreenSize.h"

struct GLFWwindow;

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

MovementKeys readMovementKeys(GLFWwindow* window);

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
    // Puts the cursor on the reference point and creates the body at
    // (-7, 1.5, 1). The window is not owned.
    Camera(const mat4& modelMatrix, GLFWwindow* window);

    // Takes the mouse settings of the moment, then mouse look, then walking
    // from the keys held now. dt is not used.
    void update(float dt) override;
    mat4 getViewMatrix() const { return viewMatrix; }

    // Turns by the cursor's offset from the reference point (reference minus
    // cursor, in pixels); with invertLook a cursor moved up looks down.
    void turn(double offsetX, double offsetY);
    // Sets the body's horizontal velocity from the keys and rebuilds the
    // model and view matrices from where the body stands now.
    void move(const MovementKeys& keys);

    GLFWwindow* window;
    float height = 1.5f;
    double radius = 0.5;
    mat4 viewMatrix{1.0f};
    vec3 moveDirection{0.0f, 0.0f, 0.0f};
    float horizontalAngle = 2.0f;
    float verticalAngle = 0.0f;
    float speed = 3.0f;
    float mouseSpeed = 0.002f;
    bool invertLook = false;
    // The centre of the display, measured once when the camera is made:
    // asking GLFW for the video mode costs X round trips (about 0.14 ms), a
    // quarter of a frame's whole update, and the display does not change
    // size under a running game.
    ScreenPoint reference;
};

}  // namespace dusk::scene
