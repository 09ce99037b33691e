#include "scene/SkyBox.h"

#include <btBulletDynamicsCommon.h>

#include <utility>

#include "scene/PhysicsWorld.h"

namespace dusk::scene {

namespace {

// Static bodies never move; the factors only matter if one ever became dynamic.
void holdStill(btRigidBody* body) {
    body->setLinearFactor(btVector3(1.0f, 0.0f, 1.0f));
    body->setAngularFactor(btVector3(0.0f, 1.0f, 0.0f));
    body->setLinearVelocity(btVector3(0.0f, 0.0f, 0.0f));
}

Body createFloorPlane(PhysicsWorld& physics, float x, float z) {
    auto* shape = new btStaticPlaneShape(btVector3(0.0f, 1.0f, 0.0f), 1.0f);
    return Body(physics, shape, x, 0.0f, z, 0.0f);
}

struct WallPlacement {
    btVector3 position;
    btQuaternion rotation;  // (yaw, pitch, roll): pitch turns about x, roll about z
};

// The floor plane stood upright, its normal facing into the play area. The
// angles are 1.57, not pi/2, so every wall leans 0.0008 toward +y.
WallPlacement wallPlacement(int index, float half) {
    switch (index) {
        case 0:
            return {btVector3(0.0f, 0.0f, half), btQuaternion(0.0f, -1.57f, 0.0f)};
        case 1:
            return {btVector3(0.0f, 0.0f, -half), btQuaternion(0.0f, 1.57f, 0.0f)};
        case 2:
            return {btVector3(half, 0.0f, 0.0f), btQuaternion(0.0f, 0.0f, 1.57f)};
        default:
            return {btVector3(-half, 0.0f, 0.0f), btQuaternion(0.0f, 0.0f, -1.57f)};
    }
}

}  // namespace

SkyBox::SkyBox(std::shared_ptr<const StaticModel> model, const mat4& modelMatrix,
               PhysicsWorld& physics)
    : Object(std::move(model), modelMatrix), physics(physics) {
    buildGround();
    buildWalls();
}

void SkyBox::buildGround() {
    body = createFloorPlane(physics, 0.0f, 0.0f);
    holdStill(body.get());
}

void SkyBox::buildWalls() {
    const auto half = static_cast<float>(areaWidth / 2);
    for (int i = 0; i < 4; ++i) {
        walls[i].reset();  // building again replaces the old walls
        const WallPlacement placement = wallPlacement(i, half);
        Body wall = createFloorPlane(physics, placement.position.x(), placement.position.z());
        // Turn it about its own origin, then put it back where it was made.
        btTransform turned(btMatrix3x3(placement.rotation), btVector3(0.0f, 0.0f, 0.0f));
        wall->setCenterOfMassTransform(turned);
        wall->getWorldTransform().getOrigin() += placement.position;
        holdStill(wall.get());
        walls[i] = std::move(wall);
    }
}

void SkyBox::update() {
    body->activate();
    body->setLinearVelocity(btVector3(0.0f, 0.0f, 0.0f));
    for (const Body& wall : walls) {
        wall->activate();
        wall->setLinearVelocity(btVector3(0.0f, 0.0f, 0.0f));
    }
}

}  // namespace dusk::scene
