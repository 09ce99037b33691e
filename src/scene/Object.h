#pragma once
#include <memory>

#include "scene/SceneObject.h"

namespace dusk {
class StaticModel;
}

namespace dusk::scene {

// A static textured model in the world. The model is shared with every other
// object (of this round and the next) that shows it.
class Object : public SceneObject {
public:
    Object(std::shared_ptr<const StaticModel> model, const mat4& modelMatrix);

    std::shared_ptr<const StaticModel> model;
};

}  // namespace dusk::scene
