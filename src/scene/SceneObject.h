#pragma once
#include "math/Math.h"

class btRigidBody;

namespace dusk::scene {

// Everything that stands in the world: a model matrix (world transform and the
// "model" uniform) and, for objects in the physics world, a rigid body.
// The object owns its body: destroying the object takes the body out of the
// world and frees it. Copying is up to the subclasses (a copy gets its own
// body or none, never its source's).
class SceneObject {
public:
    explicit SceneObject(const mat4& modelMatrix);
    virtual ~SceneObject();
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;

    virtual void update(float dt) = 0;
    virtual void draw() {}

    // Moves the object to a random spot of the play area: x drawn first, then z.
    void placeRandomly();

    mat4 modelMatrix;
    btRigidBody* body = nullptr;
    int areaDepth = 150;
    int areaWidth = 150;
};

// Where one generator value puts an object along an axis of the given extent:
// 0 gives -extent/2, 32767 gives +extent/2.
float randomPlacementCoordinate(int randomValue, int extent);

}  // namespace dusk::scene
