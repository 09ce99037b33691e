#pragma once
// The Bullet world of one round. It owns every body added to it (with the
// body's shape and motion state) until the body is removed; destroying the
// world frees whatever it still holds.
#include <memory>

class btBroadphaseInterface;
class btCollisionDispatcher;
class btCollisionObject;
class btCollisionShape;
class btDefaultCollisionConfiguration;
class btDiscreteDynamicsWorld;
class btRigidBody;
class btSequentialImpulseConstraintSolver;

namespace dusk::scene {

// Gravity is -200, not -9.81: the game's units are large and the player must
// drop quickly after a flight impulse.
constexpr float kGravity = -200.0f;
constexpr int kMaxSubSteps = 10;
constexpr float kFixedSubStep = 1.0f / 60.0f;

class PhysicsWorld {
public:
    PhysicsWorld();
    ~PhysicsWorld();
    PhysicsWorld(const PhysicsWorld&) = delete;
    PhysicsWorld& operator=(const PhysicsWorld&) = delete;

    // A body at (x, y, z) with an identity rotation, added to the world. Mass 0
    // makes it static. The world takes ownership of the shape and the body.
    btRigidBody* addBody(btCollisionShape* shape, float x, float y, float z, float mass);
    // Takes the body out of the world, then frees its motion state, its shape
    // and the body. Does nothing for null or for a body this world does not
    // hold, so nothing is freed twice.
    void removeBody(btRigidBody* body);
    bool holds(const btCollisionObject* object) const;
    int bodyCount() const;

    // One frame of simulation: fixed sub-steps of 1/60 s, at most 10 of them;
    // time beyond that is dropped, the remainder carries over. Returns the
    // number of sub-steps actually simulated.
    int step(float dt);

    btDiscreteDynamicsWorld& dynamics() { return *world; }
    const btDiscreteDynamicsWorld& dynamics() const { return *world; }

private:
    void freeObject(btCollisionObject* object);

    std::unique_ptr<btBroadphaseInterface> broadphase;
    std::unique_ptr<btDefaultCollisionConfiguration> configuration;
    std::unique_ptr<btCollisionDispatcher> dispatcher;
    std::unique_ptr<btSequentialImpulseConstraintSolver> solver;
    std::unique_ptr<btDiscreteDynamicsWorld> world;
};

}  // namespace dusk::scene
