#include "scene/Tree.h"

#include <btBulletDynamicsCommon.h>

#include <utility>

namespace dusk::scene {

namespace {
constexpr float kCullingRadius = 50.0f;
constexpr float kCullingCentreHeight = 5.0f;
}  // namespace

Tree::Tree(std::shared_ptr<const StaticModel> model, PhysicsWorld& physics, Random& random)
    : Object(std::move(model), mat4(1.0f)) {
    placeRandomly(random);
    createTrunk(physics);
    updateBoundingSphere();
}

Tree::Tree(std::shared_ptr<const StaticModel> model, const mat4& modelMatrix)
    : Object(std::move(model), modelMatrix) {
    updateBoundingSphere();
}

void Tree::createTrunk(PhysicsWorld& physics) {
    const auto radius = static_cast<float>(trunkRadius);
    const auto halfHeight = static_cast<float>(trunkHeight);
    auto* shape = new btCylinderShape(btVector3(radius, halfHeight, halfHeight));
    body = Body(physics, shape, modelMatrix[3][0], halfHeight, modelMatrix[3][2], 0.0f);
    body->setLinearFactor(btVector3(1.0f, 0.0f, 1.0f));
    body->setAngularFactor(btVector3(0.0f, 1.0f, 0.0f));
    body->setLinearVelocity(btVector3(0.0f, 0.0f, 0.0f));
}

void Tree::update() {
    if (!body) {
        return;
    }
    body->activate();
    body->setLinearVelocity(btVector3(0.0f, 0.0f, 0.0f));
}

void Tree::updateBoundingSphere() {
    boundingCenter =
        vec3(modelMatrix[3][0], modelMatrix[3][1] + kCullingCentreHeight, modelMatrix[3][2]);
    boundingRadius = kCullingRadius;
}

}  // namespace dusk::scene
