#include "scene/Body.h"

#include <utility>

#include "scene/PhysicsWorld.h"

namespace dusk::scene {

Body::Body(PhysicsWorld& world, btCollisionShape* shape, float x, float y, float z, float mass)
    : world(&world), body(world.addBody(shape, x, y, z, mass)) {}

Body::~Body() { reset(); }

Body::Body(Body&& other) noexcept
    : world(std::exchange(other.world, nullptr)), body(std::exchange(other.body, nullptr)) {}

Body& Body::operator=(Body&& other) noexcept {
    if (this != &other) {
        reset();
        world = std::exchange(other.world, nullptr);
        body = std::exchange(other.body, nullptr);
    }
    return *this;
}

void Body::reset() {
    if (world != nullptr) {
        world->removeBody(body);
    }
    world = nullptr;
    body = nullptr;
}

}  // namespace dusk::scene
