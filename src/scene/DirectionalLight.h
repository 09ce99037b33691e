#pragma once
#include "scene/SceneObject.h"

namespace dusk::scene {

// The dusk sun. Its direction points from the scene toward the light (not
// normalised: the shaders do that); the shadow map looks along the opposite
// direction. The model matrix is kept but nothing reads it.
class DirectionalLight : public SceneObject {
public:
    DirectionalLight(const mat4& modelMatrix, const vec3& direction)
        : SceneObject(modelMatrix), direction(direction) {}

    vec3 direction;
};

}  // namespace dusk::scene
