#include "scene/AnimatedObject.h"

#include <btBulletDynamicsCommon.h>

#include <utility>

#include "math/Random.h"
#include "scene/FacingAngle.h"
#include "scene/PhysicsWorld.h"

namespace dusk::scene {

double wanderTurnSpeed(int turnDirection, int randomValue) {
    const double r = static_cast<float>(randomValue);
    return turnDirection * (r * 0.3 / 32767.0) * 0.5;
}

double wanderWalkLimit(int randomValue) {
    return static_cast<float>(randomValue) * 1500.0f / 32767.0f;
}

AnimatedObject::AnimatedObject(std::shared_ptr<const SkinnedModel> model, PhysicsWorld& physics,
                               Random& random)
    : SceneObject(mat4(1.0f)), model(std::move(model)) {
    placeRandomly(random);
    createBody(physics);
}

void AnimatedObject::createBody(PhysicsWorld& physics) {
    const auto halfHeight = static_cast<float>(height);
    auto* shape =
        new btCylinderShape(btVector3(static_cast<float>(radius), halfHeight, halfHeight));
    body = Body(physics, shape, modelMatrix[3][0], halfHeight, modelMatrix[3][2], 1.0f);
    // The linear factor also scales gravity: the body never moves vertically.
    body->setLinearFactor(btVector3(1.0f, 0.0f, 1.0f));
    body->setAngularFactor(btVector3(0.0f, 1.0f, 0.0f));
}

void AnimatedObject::update(Random& random) {
    if (active) {
        wander(random);
    }
}

void AnimatedObject::wander(Random& random) {
    double turn = 0.0;
    if (static_cast<double>(walkCounter) < walkLimit) {
        turn = wanderTurnSpeed(turnDirection, random.next());
        ++walkCounter;
    } else {
        turnDirection = -turnDirection;
        walkCounter = 0;
        walkLimit = wanderWalkLimit(random.next());
    }
    body->activate();
    body->setAngularVelocity(btVector3(0.0f, static_cast<float>(turn), 0.0f));

    // The facing before this update's refresh.
    const vec3 walk = walkDirection(facingAngleDegrees(modelMatrix));
    body->setLinearVelocity(btVector3(walk.x, 0.0f, walk.z));
    followBody();
}

void AnimatedObject::followBody() {
    const btTransform& transform = body->getWorldTransform();
    const btMatrix3x3& rotation = transform.getBasis();
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row) {
            modelMatrix[column][row] = rotation[row][column];
        }
        modelMatrix[column][3] = 0.0f;
    }
    // The model stands on y = 0 whatever the height of the body's centre.
    const btVector3& origin = transform.getOrigin();
    modelMatrix[3] = vec4(origin.x(), 0.0f, origin.z(), 1.0f);
}

}  // namespace dusk::scene
