#include "game/StateHash.h"

#include <btBulletDynamicsCommon.h>

#include "base/Fnv1a.h"
#include "game/Round.h"

namespace dusk {

namespace {

void addVector(Fnv1a& hash, const btVector3& v) {
    for (int i = 0; i < 3; ++i) {
        hash.addValue(v[i]);
    }
}

void addBodies(Fnv1a& hash, const btDiscreteDynamicsWorld& dynamics) {
    const btCollisionObjectArray& objects = dynamics.getCollisionObjectArray();
    hash.addValue(objects.size());
    for (int i = 0; i < objects.size(); ++i) {
        const btCollisionObject* object = objects[i];
        const btTransform& transform = object->getWorldTransform();
        for (int row = 0; row < 3; ++row) {
            addVector(hash, transform.getBasis()[row]);
        }
        addVector(hash, transform.getOrigin());
        if (const btRigidBody* body = btRigidBody::upcast(object)) {
            addVector(hash, body->getLinearVelocity());
            addVector(hash, body->getAngularVelocity());
        }
    }
}

}  // namespace

std::uint64_t stateHash(const Round& round) {
    Fnv1a hash;
    const scene::World& world = round.world();
    addBodies(hash, world.physics.dynamics());
    hash.addValue(world.camera.horizontalAngle);
    hash.addValue(world.camera.verticalAngle);
    hash.addValue(round.health);
    hash.addValue(round.magic);
    hash.addValue(round.seconds());
    hash.addValue(round.over());
    for (const auto& kid : world.kids) {
        hash.addValue(kid->isActive());
        hash.addValue(kid->walkCounter);
        hash.addValue(kid->turnDirection);
        hash.addValue(kid->walkLimit);
    }
    return hash.value();
}

}  // namespace dusk
