#include "app/WorldModelsLoader.h"

#include <cstdint>
#include <string>

#include "assets/SkinnedModel.h"
#include "assets/StaticModel.h"
#include "base/Console.h"

namespace dusk {

namespace {

std::shared_ptr<const StaticModel> loadStatic(const char* model, const char* texture) {
    auto loaded = std::make_shared<StaticModel>();
    loaded->load(model, texture);  // failures are printed by the loader
    return loaded;
}

std::shared_ptr<SkinnedModel> loadKid(int boneCapacity) {
    auto kid = std::make_shared<SkinnedModel>();
    kid->load("Model/Object/animTest2.dae");
    if (static_cast<int64_t>(kid->boneCount) > boneCapacity) {
        printLine("Warning: the model has " + std::to_string(kid->boneCount) +
                  " bones, the shader has room for " + std::to_string(boneCapacity) +
                  "; extra bones are ignored");
    }
    return kid;
}

}  // namespace

scene::WorldModels loadWorldModels(int boneCapacity) {
    scene::WorldModels models;
    models.ground = loadStatic("Model/Object/ground20.obj", "Model/Image/ground19.jpg");
    models.sky = loadStatic("Model/Object/skybox.obj", "Model/Image/skybox2.jpg");
    models.kid = loadKid(boneCapacity);
    printLine("Loading Model: Tree 1");
    models.firstTree = loadStatic("Model/Object/tree1.obj", "Model/Image/tree1.png");
    printLine("Loading Model: Tree 3");
    models.secondTree = loadStatic("Model/Object/tree3.obj", "Model/Image/tree1.png");
    return models;
}

}  // namespace dusk
