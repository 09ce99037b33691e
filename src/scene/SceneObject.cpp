#include "scene/SceneObject.h"

#include "math/Random.h"

namespace dusk::scene {

SceneObject::SceneObject(const mat4& modelMatrix) : modelMatrix(modelMatrix) {}

float randomPlacementCoordinate(int randomValue, int extent) {
    const float scaled = static_cast<float>(randomValue) / 32767.0f * static_cast<float>(extent);
    return static_cast<float>(static_cast<double>(scaled) - static_cast<double>(extent / 2));
}

void SceneObject::placeRandomly(Random& random) {
    const float x = randomPlacementCoordinate(random.next(), areaWidth);
    const float z = randomPlacementCoordinate(random.next(), areaDepth);
    modelMatrix = translate(modelMatrix, vec3(x, 0.0f, z));
}

}  // namespace dusk::scene
