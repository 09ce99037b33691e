#pragma once
class btCollisionShape;
class btRigidBody;

namespace dusk::scene {

class PhysicsWorld;

// One rigid body of a physics world, owned: the handle takes the body out of
// its world and frees it when it goes. Moving hands the body on; an empty
// handle holds nothing.
class Body {
public:
    Body() = default;
    // Adds a body for the shape (now owned by the world) at (x, y, z).
    Body(PhysicsWorld& world, btCollisionShape* shape, float x, float y, float z, float mass);
    ~Body();
    Body(Body&& other) noexcept;
    Body& operator=(Body&& other) noexcept;
    Body(const Body&) = delete;
    Body& operator=(const Body&) = delete;

    btRigidBody* get() const { return body; }
    btRigidBody* operator->() const { return body; }
    explicit operator bool() const { return body != nullptr; }
    // Frees the body now; the handle is empty afterwards.
    void reset();

private:
    PhysicsWorld* world = nullptr;
    btRigidBody* body = nullptr;
};

}  // namespace dusk::scene
