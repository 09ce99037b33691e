#include "assets/StaticModel.h"

#include <assimp/postprocess.h>

#include <algorithm>
#include <assimp/Importer.hpp>

#include "assets/ModelImport.h"
#include "base/Console.h"

namespace dusk {

namespace {

// Corners shared by several triangles become one vertex: the ground and the
// sky box shrink to about a fifth of their vertices (7,776 to 1,369 and 6,624
// to 1,223), which a software rasteriser shades every frame. The triangles,
// and so the picture, stay the same.
const unsigned int kStaticImportFlags = aiProcess_Triangulate | aiProcess_GenSmoothNormals |
                                        aiProcess_FlipUVs | aiProcess_JoinIdenticalVertices;

}  // namespace

bool StaticModel::load(const std::string& modelPath, const std::string& texturePath) {
    // Nothing of a former file survives a failed import.
    subMeshes.clear();
    arrays = MeshArrays();
    image.reset();
    positions.clear();
    triangles.clear();
    bounds = Sphere();
    level = false;

    Assimp::Importer importer;
    std::string error;
    const aiScene* scene = importModel(importer, modelPath, kStaticImportFlags, error);
    if (scene == nullptr) {
        printLine("Error parsing '" + modelPath + "': '" + error + "'");
        return false;
    }
    uint32_t vertexTotal = 0;
    uint32_t indexTotal = 0;
    subMeshes = layOutSubMeshes(*scene, vertexTotal, indexTotal);
    arrays.reserve(vertexTotal, indexTotal);
    for (unsigned int i = 0; i < scene->mNumMeshes; ++i) {
        arrays.appendVertices(*scene->mMeshes[i]);
        arrays.appendIndices(*scene->mMeshes[i]);
    }
    image = loadModelImage(texturePath);
    keepGeometry();
    return true;
}

void StaticModel::keepGeometry() {
    positions.resize(arrays.positions.size() / 3);
    for (size_t i = 0; i < positions.size(); ++i) {
        positions[i] =
            vec3(arrays.positions[3 * i], arrays.positions[3 * i + 1], arrays.positions[3 * i + 2]);
    }
    bounds = Sphere::around(positions);
    level = !positions.empty() &&
            std::all_of(positions.begin(), positions.end(),
                        [&](const vec3& p) { return p.y == positions.front().y; });
    triangles = arrays.indices;
    for (const SubMesh& sub : subMeshes) {
        for (size_t i = sub.baseIndex;
             i < sub.baseIndex + size_t(sub.indexCount) && i < triangles.size(); ++i) {
            triangles[i] += sub.baseVertex;
        }
    }
}

}  // namespace dusk
