#include "assets/MeshArrays.h"

namespace dusk {

void MeshArrays::reserve(uint32_t vertexTotal, uint32_t indexTotal) {
    positions.reserve(3 * size_t(vertexTotal));
    normals.reserve(3 * size_t(vertexTotal));
    uvs.reserve(2 * size_t(vertexTotal));
    indices.reserve(indexTotal);
}

void MeshArrays::appendVertices(const aiMesh& mesh) {
    const bool hasUvs = mesh.HasTextureCoords(0);
    for (unsigned int v = 0; v < mesh.mNumVertices; ++v) {
        const aiVector3D& p = mesh.mVertices[v];
        positions.insert(positions.end(), {p.x, p.y, p.z});
        // Smooth normals are generated for every triangle mesh; a mesh of
        // points or lines gets none, and then a zero normal stands in.
        const aiVector3D n = mesh.mNormals != nullptr ? mesh.mNormals[v] : aiVector3D(0.0f);
        normals.insert(normals.end(), {n.x, n.y, n.z});
        const aiVector3D uv = hasUvs ? mesh.mTextureCoords[0][v] : aiVector3D(0.0f);
        uvs.insert(uvs.end(), {uv.x, uv.y});
    }
}

void MeshArrays::appendIndices(const aiMesh& mesh) {
    for (unsigned int f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        uint32_t last = 0;
        for (unsigned int k = 0; k < 3; ++k) {
            if (k < face.mNumIndices) {
                last = face.mIndices[k];
            }
            indices.push_back(last);
        }
    }
}

std::vector<SubMesh> layOutSubMeshes(const aiScene& scene, uint32_t& vertexTotal,
                                     uint32_t& indexTotal) {
    std::vector<SubMesh> subMeshes(scene.mNumMeshes);
    vertexTotal = 0;
    indexTotal = 0;
    for (unsigned int i = 0; i < scene.mNumMeshes; ++i) {
        const aiMesh& mesh = *scene.mMeshes[i];
        SubMesh& sub = subMeshes[i];
        sub.materialIndex = mesh.mMaterialIndex;
        sub.indexCount = 3 * mesh.mNumFaces;
        sub.baseVertex = vertexTotal;
        sub.baseIndex = indexTotal;
        vertexTotal += mesh.mNumVertices;
        indexTotal += sub.indexCount;
    }
    return subMeshes;
}

}  // namespace dusk
