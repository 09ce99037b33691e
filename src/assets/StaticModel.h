#pragma once
#include <GL/glew.h>

#include <string>
#include <vector>

#include "assets/SubMesh.h"
#include "math/Math.h"
#include "math/Sphere.h"

namespace dusk {

class Texture;
struct MeshArrays;

// All meshes of one model file in one set of shared buffers, with the one
// texture the caller names. Attribute locations: 0 position, 1 normal, 2 uv.
class StaticModel {
public:
    StaticModel() = default;
    ~StaticModel();
    StaticModel(const StaticModel&) = delete;
    StaticModel& operator=(const StaticModel&) = delete;

    // True when the import succeeded and GL reported no error after upload.
    bool load(const std::string& modelPath, const std::string& texturePath);
    void draw() const;
    // Draws count indices from elementBuffer (uploaded by the caller, indices
    // as in `triangles`) starting at index first, the texture bound as draw
    // binds it for a model of one mesh. The model's own indices stay bound.
    void drawTriangles(GLuint elementBuffer, size_t first, size_t count) const;
    void clear();

    GLuint vertexArray = 0;
    GLuint buffers[6] = {0, 0, 0, 0, 0, 0};  // 0 index, 1 position, 2 normal, 3 uv
    std::vector<SubMesh> subMeshes;
    std::vector<Texture*> textures;  // exactly one slot after a load
    // The geometry as loaded, for tests on the CPU side: every vertex, and
    // three indices per triangle counted from the first vertex of the model.
    std::vector<vec3> positions;
    std::vector<uint32_t> triangles;
    Sphere bounds;       // around positions
    bool level = false;  // every position at one height (a flat ground)

private:
    void keepGeometry(const MeshArrays& arrays);
    void bindTextureOf(const SubMesh& sub) const;
};

}  // namespace dusk
