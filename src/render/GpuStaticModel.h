#pragma once
#include <GL/glew.h>

#include <array>
#include <memory>
#include <vector>

#include "assets/SubMesh.h"
#include "render/GlHandle.h"
#include "render/GpuTexture.h"

namespace dusk {

class StaticModel;

// A StaticModel uploaded: all its meshes in one vertex array over shared
// buffers, and its texture. Attribute locations: 0 position, 1 normal, 2 uv.
class GpuStaticModel {
public:
    // Uploads the model's arrays and image (the vertex array is left unbound).
    explicit GpuStaticModel(const StaticModel& model);

    // Draws every sub-mesh, the texture bound for those of material 0.
    void draw() const;
    // Draws count indices from elementBuffer (uploaded by the caller, indices
    // as in StaticModel::triangles) starting at index first, the texture
    // bound as draw binds it for a model of one mesh. The model's own
    // indices stay bound to its vertex array.
    void drawTriangles(GLuint elementBuffer, size_t first, size_t count) const;

    GlVertexArray vertexArray;
    std::array<GlBuffer, 4> buffers;  // 0 index, 1 position, 2 normal, 3 uv
    std::vector<SubMesh> subMeshes;
    std::unique_ptr<GpuTexture> texture;  // null when the image failed to load
};

}  // namespace dusk
