#include "scene/Camera.h"

#include <btBulletDynamicsCommon.h>

#include <cmath>

#include "scene/PhysicsWorld.h"

namespace dusk::scene {

namespace {

constexpr float kWalkSpeed = 3.0f;
constexpr float kRunSpeed = 8.0f;

float cosF(float angle) { return static_cast<float>(std::cos(static_cast<double>(angle))); }
float sinF(float angle) { return static_cast<float>(std::sin(static_cast<double>(angle))); }

}  // namespace

vec3 viewDirection(float horizontalAngle, float verticalAngle) {
    const float cosV = cosF(verticalAngle);
    return vec3(cosV * sinF(horizontalAngle), sinF(verticalAngle), cosV * cosF(horizontalAngle));
}

vec3 rightDirection(float horizontalAngle) {
    const float angle = horizontalAngle - 1.57f;
    return vec3(sinF(angle), 0.0f, cosF(angle));
}

vec3 movementSum(const MovementKeys& keys, const vec3& direction, const vec3& right) {
    vec3 sum(0.0f);
    if (keys.forward) {
        sum += direction;
    }
    if (keys.backward) {
        sum -= direction;
    }
    if (keys.right) {
        sum += right;
    }
    if (keys.left) {
        sum -= right;
    }
    return sum;
}

Camera::Camera(PhysicsWorld& physics) : SceneObject(mat4(1.0f)) {
    // btCylinderShape stands along y: (radius, half height, half height).
    auto* shape = new btCylinderShape(btVector3(static_cast<float>(radius), height, height));
    body = Body(physics, shape, -7.0f, height, 1.0f, 1.0f);
    body->setAngularFactor(btVector3(0.0f, 0.0f, 0.0f));
}

void Camera::update(const PlayerControls& controls) {
    turn(controls.turnHorizontal, controls.turnVertical);
    move(controls.move, controls.walkForward, controls.walkRight);
}

void Camera::turn(float horizontal, float vertical) {
    horizontalAngle += horizontal;
    verticalAngle += vertical;
}

void Camera::fly() {
    body->applyImpulse(btVector3(0.0f, 15.0f, 0.0f), btVector3(0.3f, 0.1f, 0.3f));
}

void Camera::move(const MovementKeys& keys, float walkForward, float walkRight) {
    const vec3 direction = viewDirection(horizontalAngle, verticalAngle);
    const vec3 right = rightDirection(horizontalAngle);
    const vec3 up = glm::cross(right, direction);

    speed = keys.run ? kRunSpeed : kWalkSpeed;
    vec3 sum = movementSum(keys, direction, right);
    if (walkForward != 0.0f || walkRight != 0.0f) {
        sum += direction * walkForward + right * walkRight;
    }
    moveDirection = sum * speed;

    // Only the horizontal part is kept, and any vertical velocity (gravity,
    // last frame's flight impulse) is dropped: no vertical momentum carries
    // from one frame to the next.
    body->activate();
    body->setLinearVelocity(btVector3(moveDirection.x, 0.0f, moveDirection.z));

    const btVector3& origin = body->getWorldTransform().getOrigin();
    const vec3 position(origin.x(), origin.y(), origin.z());
    modelMatrix[3] = vec4(position, modelMatrix[3][3]);
    viewMatrix = lookAt(position, position + direction, up);
}

}  // namespace dusk::scene
