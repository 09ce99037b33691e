#pragma once
// The one Bullet world of the game. Every body is made by createRigidBody and
// owns its own shape and motion state; bodies are released only together with
// their object (releaseRigidBody) or, in tests, with the whole world.
class btCollisionShape;
class btDiscreteDynamicsWorld;
class btRigidBody;

namespace dusk::scene {

extern btDiscreteDynamicsWorld* physicsWorld;

// Gravity is -200, not -9.81: the game's units are large and the player must
// drop quickly after a flight impulse.
constexpr float kGravity = -200.0f;
constexpr int kMaxSubSteps = 10;
constexpr float kFixedSubStep = 1.0f / 60.0f;

// Creates the world on the first call; later calls return the same world.
btDiscreteDynamicsWorld* createPhysicsWorld();

// A body at (x, y, z) with an identity rotation, added to the world. Mass 0
// makes it static. The body takes ownership of the shape.
btRigidBody* createRigidBody(btCollisionShape* shape, float x, float y, float z, float mass);

// Takes the body out of the world, then frees its motion state, its shape and
// the body. Does nothing for null, or for a body the world no longer holds
// (already released, or the world is gone), so nothing is freed twice.
void releaseRigidBody(btRigidBody* body);

// One frame of simulation: fixed sub-steps of 1/60 s, at most 10 of them;
// time beyond that is dropped, the remainder carries over. Returns the number
// of sub-steps actually simulated.
int stepPhysics(float dt);

// Removes and frees every body (with its motion state and shape), then the
// world and its parts; physicsWorld becomes null. The game never calls it:
// tests use it to start from a fresh world. Objects still holding bodies must
// be destroyed first.
void destroyPhysicsWorld();

}  // namespace dusk::scene
