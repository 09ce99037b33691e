#include "assets/StaticModel.h"

#include <assimp/postprocess.h>

#include <algorithm>
#include <assimp/Importer.hpp>

#include "assets/MeshArrays.h"
#include "assets/ModelImport.h"
#include "assets/Texture.h"
#include "base/Console.h"

namespace dusk {

namespace {

// Corners shared by several triangles become one vertex: the ground and the
// sky box shrink to about a fifth of their vertices (7,776 to 1,369 and 6,624
// to 1,223), which a software rasteriser shades every frame. The triangles,
// and so the picture, stay the same.
const unsigned int kStaticImportFlags = aiProcess_Triangulate | aiProcess_GenSmoothNormals |
                                        aiProcess_FlipUVs | aiProcess_JoinIdenticalVertices;

// The caller's texture, loaded a second time as the model loaders do; null
// (after the messages) when that second load fails.
Texture* loadModelTexture(const std::string& texturePath) {
    Texture* texture = new Texture(texturePath);
    if (!texture->load()) {
        printLine("Error loading texture '" + texturePath + "'");
        delete texture;
        return nullptr;
    }
    printLine("Loaded Texture: " + texturePath);
    return texture;
}

}  // namespace

StaticModel::~StaticModel() { clear(); }

bool StaticModel::load(const std::string& modelPath, const std::string& texturePath) {
    clear();
    subMeshes.clear();  // a failed import leaves no sub-meshes, not a former file's
    positions.clear();
    triangles.clear();
    bounds = Sphere();
    level = false;
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    glGenBuffers(6, buffers);

    bool loaded = false;
    {
        Assimp::Importer importer;
        std::string error;
        const aiScene* scene = importModel(importer, modelPath, kStaticImportFlags, error);
        if (scene == nullptr) {
            printLine("Error parsing '" + modelPath + "': '" + error + "'");
        } else {
            uint32_t vertexTotal = 0;
            uint32_t indexTotal = 0;
            subMeshes = layOutSubMeshes(*scene, vertexTotal, indexTotal);
            MeshArrays arrays;
            arrays.reserve(vertexTotal, indexTotal);
            for (unsigned int i = 0; i < scene->mNumMeshes; ++i) {
                arrays.appendVertices(*scene->mMeshes[i]);
                arrays.appendIndices(*scene->mMeshes[i]);
            }
            textures.assign(1, loadModelTexture(texturePath));
            uploadFloatAttribute(buffers[1], 0, arrays.positions, 3);
            uploadFloatAttribute(buffers[3], 2, arrays.uvs, 2);
            uploadFloatAttribute(buffers[2], 1, arrays.normals, 3);
            uploadIndices(buffers[0], arrays.indices);
            keepGeometry(arrays);
            loaded = glGetError() == GL_NO_ERROR;
        }
    }
    glBindVertexArray(0);
    return loaded;
}

void StaticModel::draw() const {
    glBindVertexArray(vertexArray);
    for (const SubMesh& sub : subMeshes) {
        bindTextureOf(sub);
        glDrawElementsInstancedBaseVertex(
            GL_TRIANGLES, GLsizei(sub.indexCount), GL_UNSIGNED_INT,
            reinterpret_cast<const void*>(uintptr_t(sub.baseIndex) * sizeof(uint32_t)), 1,
            GLint(sub.baseVertex));
    }
    glBindVertexArray(0);
}

void StaticModel::keepGeometry(const MeshArrays& arrays) {
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

void StaticModel::drawTriangles(GLuint elementBuffer, size_t first, size_t count) const {
    glBindVertexArray(vertexArray);
    if (!subMeshes.empty()) {
        bindTextureOf(subMeshes[0]);
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, elementBuffer);
    glDrawElements(GL_TRIANGLES, GLsizei(count), GL_UNSIGNED_INT,
                   reinterpret_cast<const void*>(first * sizeof(uint32_t)));
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers[0]);
    glBindVertexArray(0);
}

// Only slot 0 exists: a sub-mesh of another material draws with whatever
// unit 0 holds.
void StaticModel::bindTextureOf(const SubMesh& sub) const {
    if (sub.materialIndex < textures.size() && textures[sub.materialIndex] != nullptr) {
        textures[sub.materialIndex]->bind();
    }
}

void StaticModel::clear() { releaseModelObjects(textures, buffers, 6, vertexArray); }

}  // namespace dusk
