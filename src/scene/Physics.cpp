#include "scene/Physics.h"

#include <btBulletDynamicsCommon.h>

#include <algorithm>

namespace dusk::scene {

btDiscreteDynamicsWorld* physicsWorld = nullptr;

namespace {

// The world's parts, kept so that destroyPhysicsWorld can free them.
btBroadphaseInterface* broadphase = nullptr;
btDefaultCollisionConfiguration* collisionConfiguration = nullptr;
btCollisionDispatcher* dispatcher = nullptr;
btSequentialImpulseConstraintSolver* solver = nullptr;

bool worldHolds(const btCollisionObject* object) {
    const btCollisionObjectArray& objects = physicsWorld->getCollisionObjectArray();
    return objects.findLinearSearch(const_cast<btCollisionObject*>(object)) < objects.size();
}

// Removes the object from the world and frees it with what it owns.
void freeCollisionObject(btCollisionObject* object) {
    btRigidBody* body = btRigidBody::upcast(object);
    if (body != nullptr) {
        delete body->getMotionState();
    }
    physicsWorld->removeCollisionObject(object);
    delete object->getCollisionShape();
    delete object;
}

}  // namespace

btDiscreteDynamicsWorld* createPhysicsWorld() {
    if (physicsWorld != nullptr) {
        return physicsWorld;
    }
    broadphase = new btDbvtBroadphase();
    btDefaultCollisionConstructionInfo info;
    collisionConfiguration = new btDefaultCollisionConfiguration(info);
    dispatcher = new btCollisionDispatcher(collisionConfiguration);
    solver = new btSequentialImpulseConstraintSolver();
    physicsWorld =
        new btDiscreteDynamicsWorld(dispatcher, broadphase, solver, collisionConfiguration);
    physicsWorld->setGravity(btVector3(0.0f, kGravity, 0.0f));
    return physicsWorld;
}

btRigidBody* createRigidBody(btCollisionShape* shape, float x, float y, float z, float mass) {
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
    physicsWorld->addRigidBody(body);
    return body;
}

void releaseRigidBody(btRigidBody* body) {
    if (body == nullptr || physicsWorld == nullptr || !worldHolds(body)) {
        return;
    }
    freeCollisionObject(body);
}

int stepPhysics(float dt) {
    // stepSimulation reports the sub-steps the time asked for, not the ones
    // it ran after clamping to the maximum.
    const int due = physicsWorld->stepSimulation(dt, kMaxSubSteps, kFixedSubStep);
    return std::min(due, kMaxSubSteps);
}

void destroyPhysicsWorld() {
    if (physicsWorld == nullptr) {
        return;
    }
    btCollisionObjectArray& objects = physicsWorld->getCollisionObjectArray();
    while (objects.size() > 0) {
        freeCollisionObject(objects[objects.size() - 1]);
    }
    delete physicsWorld;
    delete solver;
    delete dispatcher;
    delete collisionConfiguration;
    delete broadphase;
    physicsWorld = nullptr;
    solver = nullptr;
    dispatcher = nullptr;
    collisionConfiguration = nullptr;
    broadphase = nullptr;
}

}  // namespace dusk::scene
