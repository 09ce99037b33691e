#include "scene/World.h"

#include "assets/SkinnedModel.h"
#include "scene/Lanterns.h"

namespace dusk::scene {

World::World(const WorldModels& models, Random& random)
    : camera(physics),
      ground(models.ground, mat4(1.0f), physics),
      sky(models.sky, mat4(1.0f), physics),
      light(translate(mat4(1.0f), vec3(100.0f)), vec3(1.0f, 1.0f, 1.0f)),
      kidModel(models.kid),
      random(random) {
    for (int i = 0; i < kidCount; ++i) {
        kids.push_back(std::make_unique<AnimatedObject>(models.kid, physics, random));
    }
    for (int i = 0; i < firstTreeCount; ++i) {
        trees.push_back(std::make_unique<Tree>(models.firstTree, physics, random));
    }
    for (int i = 0; i < secondTreeCount; ++i) {
        trees.push_back(std::make_unique<Tree>(models.secondTree, physics, random));
    }
}

void World::moveCamera(const PlayerControls& controls) { camera.update(controls); }

void World::updateObjects(double seconds) {
    ground.update();
    bool walking = false;
    for (auto& kid : kids) {
        walking = walking || kid->isActive();
        kid->update(random);
    }
    if (walking && kidModel != nullptr) {
        kidModel->boneTransforms(static_cast<float>(seconds), kidPose);
    }
    for (auto& tree : trees) {
        tree->update();
    }
    std::vector<LanternCarrier> carriers;
    carriers.reserve(kids.size());
    for (const auto& kid : kids) {
        carriers.push_back({vec3(kid->modelMatrix[3]), kid->isActive()});
    }
    lanterns = lanternPositions(carriers, lanternRoom);
}

int World::activeKidCount() const {
    int count = 0;
    for (const auto& kid : kids) {
        count += kid->isActive() ? 1 : 0;
    }
    return count;
}

}  // namespace dusk::scene
