#pragma once
#include <memory>
#include <string>
#include <vector>

#include "assets/Image.h"
#include "assets/MeshArrays.h"
#include "assets/SubMesh.h"
#include "math/Math.h"
#include "math/Sphere.h"

namespace dusk {

// All meshes of one model file in one set of shared arrays, with the one
// image the caller names: what the renderer uploads (GpuStaticModel) and what
// the CPU needs of the geometry. No GL here.
class StaticModel {
public:
    StaticModel() = default;
    StaticModel(const StaticModel&) = delete;
    StaticModel& operator=(const StaticModel&) = delete;

    // Imports the model and then reads the image (see loadModelImage). True
    // when the import succeeded; a failed import ("Error parsing '<file>':
    // '<reason>'") leaves an empty model that draws nothing, and reads no image.
    bool load(const std::string& modelPath, const std::string& texturePath);

    std::vector<SubMesh> subMeshes;
    // Every mesh's vertices one after the other, indices local to their mesh.
    MeshArrays arrays;
    // The texture of material 0; null when it failed to load. A sub-mesh of
    // another material draws with whatever texture unit 0 holds.
    std::unique_ptr<Image> image;
    // The geometry for the CPU side: every vertex, and three indices per
    // triangle counted from the first vertex of the model.
    std::vector<vec3> positions;
    std::vector<uint32_t> triangles;
    Sphere bounds;       // around positions
    bool level = false;  // every position at one height (a flat ground)

private:
    void keepGeometry();
};

}  // namespace dusk
