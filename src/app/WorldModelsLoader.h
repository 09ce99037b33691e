#pragma once
#include "scene/World.h"

namespace dusk {

// Loads the models every round shares, in this order: ground, sky, kid (with
// a warning when its skeleton has more bones than the skinning program's
// boneCapacity), then "Loading Model: Tree 1" and the first tree, "Loading
// Model: Tree 3" and the second. A file that fails to load is reported by its
// loader and leaves a model that draws nothing.
scene::WorldModels loadWorldModels(int boneCapacity);

}  // namespace dusk
