#pragma once
#include <assimp/scene.h>

#include <cstdint>
#include <vector>

#include "assets/SubMesh.h"

namespace dusk {

// The flat arrays both model kinds build from an imported scene, as the
// renderer uploads them: every mesh's vertices one after the other, and
// indices that stay local to their own mesh (the draw adds baseVertex).
struct MeshArrays {
    std::vector<float> positions;  // x, y, z per vertex
    std::vector<float> normals;    // x, y, z per vertex
    std::vector<float> uvs;        // u, v per vertex; (0, 0) for meshes without UVs
    std::vector<uint32_t> indices;

    void reserve(uint32_t vertexTotal, uint32_t indexTotal);
    void appendVertices(const aiMesh& mesh);
    // Three indices per face. Triangulation leaves points and lines as they
    // are (a truncated "f 1 2" arrives as a line); such a face is padded with
    // its last index (0 for an empty face) into a degenerate triangle, so the
    // face still fills its three slots and nothing reads past its index list.
    void appendIndices(const aiMesh& mesh);
};

// One SubMesh per mesh of the scene, in order, with running vertex and index
// totals; the grand totals come back through the two references.
std::vector<SubMesh> layOutSubMeshes(const aiScene& scene, uint32_t& vertexTotal,
                                     uint32_t& indexTotal);

}  // namespace dusk
