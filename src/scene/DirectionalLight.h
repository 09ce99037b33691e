#pragma once
#include <vector>

#include "scene/SceneObject.h"

namespace dusk {
class ShaderProgram;
}

namespace dusk::scene {

// The dusk sun. Its direction points from the scene toward the light and is
// sent to every program it knows as "lightDir" (not normalised: the shaders
// do that). The shadow map looks along the opposite direction. The model
// matrix is kept but no rendering reads it.
class DirectionalLight : public SceneObject {
public:
    // programs is copied: programs made later do not receive the direction.
    DirectionalLight(const mat4& modelMatrix, std::vector<ShaderProgram*> programs,
                     const vec3& direction);

    void update(float) override {}
    // Uploads "lightDir" to each program in list order; the last one stays
    // current.
    void draw() override;

    std::vector<ShaderProgram*> programs;  // not owned
    vec3 direction;
};

}  // namespace dusk::scene
