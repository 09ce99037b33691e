#include "scene/Object.h"

#include <utility>

namespace dusk::scene {

Object::Object(std::shared_ptr<const StaticModel> model, const mat4& modelMatrix)
    : SceneObject(modelMatrix), model(std::move(model)) {}

}  // namespace dusk::scene
