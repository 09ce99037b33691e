#pragma once
#include "math/Math.h"
#include "scene/Body.h"

namespace dusk {
class Random;
}

namespace dusk::scene {

// Everything that stands in the world: a model matrix (world transform and the
// "model" uniform) and, for objects in the physics world, a rigid body, which
// the object owns: destroying the object takes the body out of the world.
class SceneObject {
public:
    explicit SceneObject(const mat4& modelMatrix);
    virtual ~SceneObject() = default;
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;

    // Moves the object to a random spot of the play area: x drawn first, then z.
    void placeRandomly(Random& random);

    mat4 modelMatrix;
    Body body;
    int areaDepth = 150;
    int areaWidth = 150;
};

// Where one generator value puts an object along an axis of the given extent:
// 0 gives -extent/2, 32767 gives +extent/2.
float randomPlacementCoordinate(int randomValue, int extent);

}  // namespace dusk::scene
