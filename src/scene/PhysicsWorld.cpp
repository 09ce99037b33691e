#include "scene/PhysicsWorld.h"

#include <btBulletDynamicsCommon.h>

#include <algorithm>

namespace dusk::scene {

PhysicsWorld::PhysicsWorld()
    : broadphase(std::make_unique<btDbvtBroadphase>()),
      configuration(
          std::make_unique<btDefaultCollisionConfiguration>(btDefaultCollisionConstructionInfo())),
      dispatcher(std::make_unique<btCollisionDispatcher>(configuration.get())),
      solver(std::make_unique<btSequentialImpulseConstraintSolver>()),
      world(std::make_unique<btDiscreteDynamicsWorld>(dispatcher.get(), broadphase.get(),
                                                      solver.get(), configuration.get())) {
    world->setGravity(btVector3(0.0f, kGravity, 0.0f));
}

PhysicsWorld::~PhysicsWorld() {
    btCollisionObjectArray& objects = world->getCollisionObjectArray();
    while (objects.size() > 0) {
        freeObject(objects[objects.size() - 1]);
    }
}

btRigidBody* PhysicsWorld::addBody(btCollisionShape* shape, float x, float y, float z, float mass) {
    btTransform start;
    start.setIdentity();
    start.setOrigin(btVector3(x, y, z));
    btVector3 inertia(0.0f, 0.0f, 0.0f);
    if (mass != 0.0f) {
        shape->calculateLocalInertia(mass, inertia);
    }
    auto* motionState = new btDefaultMotionState(start);
    btRigidBody::btRigidBodyConstructionInfo info(mass, motionState, shape, inertia);
    auto* body = new btRigidBody(info);
    world->addRigidBody(body);
    return body;
}

void PhysicsWorld::removeBody(btRigidBody* body) {
    if (body != nullptr && holds(body)) {
        freeObject(body);
    }
}

bool PhysicsWorld::holds(const btCollisionObject* object) const {
    const btCollisionObjectArray& objects = world->getCollisionObjectArray();
    return objects.findLinearSearch(const_cast<btCollisionObject*>(object)) < objects.size();
}

int PhysicsWorld::bodyCount() const { return world->getNumCollisionObjects(); }

int PhysicsWorld::step(float dt) {
    // stepSimulation reports the sub-steps the time asked for, not the ones
    // it ran after clamping to the maximum.
    const int due = world->stepSimulation(dt, kMaxSubSteps, kFixedSubStep);
    return std::min(due, kMaxSubSteps);
}

void PhysicsWorld::freeObject(btCollisionObject* object) {
    if (btRigidBody* body = btRigidBody::upcast(object); body != nullptr) {
        delete body->getMotionState();
    }
    world->removeCollisionObject(object);
    delete object->getCollisionShape();
    delete object;
}

}  // namespace dusk::scene
