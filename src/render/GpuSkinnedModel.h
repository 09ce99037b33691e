#pragma once
#include <GL/glew.h>

#include <array>
#include <memory>
#include <vector>

#include "assets/SubMesh.h"
#include "render/GlHandle.h"
#include "render/GpuTexture.h"

namespace dusk {

class SkinnedModel;

// A SkinnedModel uploaded: shared buffers as GpuStaticModel plus the bone
// influences. Attribute locations: 0 position, 1 uv, 2 normal, 3 bone ids
// (integer), 4 weights.
class GpuSkinnedModel {
public:
    // Uploads the model's arrays, influences and image (the vertex array is
    // left unbound).
    explicit GpuSkinnedModel(const SkinnedModel& model);

    // Draws every sub-mesh, the texture bound for those of material 0.
    void draw() const;

    GlVertexArray vertexArray;
    std::array<GlBuffer, 5> buffers;  // 0 index, 1 position, 2 normal, 3 uv, 4 weights
    std::vector<SubMesh> subMeshes;
    std::unique_ptr<GpuTexture> texture;  // null when the image failed to load
};

}  // namespace dusk
