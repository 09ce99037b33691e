#include "scene/Camera.h"

#include <GLFW/glfw3.h>
#include <btBulletDynamicsCommon.h>

#include <cmath>

#include "scene/Physics.h"
#include "scene/ScreenSize.h"
#include "settings/SettingsStore.h"

namespace dusk::scene {

namespace {

constexpr float kWalkSpeed = 3.0f;
constexpr float kRunSpeed = 8.0f;

bool pressed(GLFWwindow* window, int key) { return glfwGetKey(window, key) == GLFW_PRESS; }

float cosF(float angle) { return static_cast<float>(std::cos(static_cast<double>(angle))); }
float sinF(float angle) { return static_cast<float>(std::sin(static_cast<double>(angle))); }

}  // namespace

MovementKeys readMovementKeys(GLFWwindow* window) {
    MovementKeys keys;
    keys.forward = pressed(window, GLFW_KEY_UP) || pressed(window, GLFW_KEY_W);
    keys.backward = pressed(window, GLFW_KEY_DOWN) || pressed(window, GLFW_KEY_S);
    keys.right = pressed(window, GLFW_KEY_RIGHT) || pressed(window, GLFW_KEY_D);
    keys.left = pressed(window, GLFW_KEY_LEFT) || pressed(window, GLFW_KEY_A);
    keys.run = pressed(window, GLFW_KEY_LEFT_SHIFT);
    return keys;
}

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

Camera::Camera(const mat4& modelMatrix, GLFWwindow* window)
    : SceneObject(modelMatrix), window(window), reference(screenCentre()) {
    glfwSetCursorPos(window, reference.x, reference.y);
    // btCylinderShape stands along y: (radius, half height, half height).
    auto* shape = new btCylinderShape(btVector3(static_cast<float>(radius), height, height));
    body = createRigidBody(shape, -7.0f, height, 1.0f, 1.0f);
    body->setAngularFactor(btVector3(0.0f, 0.0f, 0.0f));
}

void Camera::update(float) {
    const UserSettings& options = settings::current();
    mouseSpeed = options.mouseSpeed();
    invertLook = options.invertLook;
    double xpos = 0.0;
    double ypos = 0.0;
    glfwGetCursorPos(window, &xpos, &ypos);
    glfwSetCursorPos(window, reference.x, reference.y);
    turn(reference.x - xpos, reference.y - ypos);
    move(readMovementKeys(window));
}

void Camera::turn(double offsetX, double offsetY) {
    horizontalAngle += mouseSpeed * static_cast<float>(offsetX);
    const float vertical = mouseSpeed * static_cast<float>(offsetY);
    verticalAngle += invertLook ? -vertical : vertical;
}

void Camera::move(const MovementKeys& keys) {
    const vec3 direction = viewDirection(horizontalAngle, verticalAngle);
    const vec3 right = rightDirection(horizontalAngle);
    const vec3 up = glm::cross(right, direction);

    speed = keys.run ? kRunSpeed : kWalkSpeed;
    moveDirection = movementSum(keys, direction, right) * speed;

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
