#include "scene/Tree.h"

#include <btBulletDynamicsCommon.h>

#include <utility>

#include "scene/Physics.h"

namespace dusk::scene {

namespace {
constexpr float kCullingRadius = 50.0f;
constexpr float kCullingCentreHeight = 5.0f;
}  // namespace

Tree::Tree(const std::string& modelPath, const mat4& modelMatrix, ShaderProgram* program,
           const std::string& texturePath)
    : Object(modelPath, modelMatrix, program, texturePath) {
    updateBoundingSphere();
}

Tree::Tree(std::shared_ptr<StaticModel> model, const mat4& modelMatrix, ShaderProgram* program)
    : Object(std::move(model), modelMatrix, program) {
    updateBoundingSphere();
}

Tree::Tree(const Tree& prototype) : Object(prototype) {
    placeRandomly();
    createTrunk();
    updateBoundingSphere();
}

void Tree::createTrunk() {
    const auto radius = static_cast<float>(trunkRadius);
    const auto halfHeight = static_cast<float>(trunkHeight);
    auto* shape = new btCylinderShape(btVector3(radius, halfHeight, halfHeight));
    body = createRigidBody(shape, modelMatrix[3][0], halfHeight, modelMatrix[3][2], 0.0f);
    body->setLinearFactor(btVector3(1.0f, 0.0f, 1.0f));
    body->setAngularFactor(btVector3(0.0f, 1.0f, 0.0f));
    body->setLinearVelocity(btVector3(0.0f, 0.0f, 0.0f));
}

void Tree::update(float) {
    if (body == nullptr) {
        return;  // a prototype has no trunk
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
