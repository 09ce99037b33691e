#pragma once
#include <GL/glew.h>
#include <assimp/scene.h>

#include <assimp/Importer.hpp>
#include <map>
#include <string>
#include <vector>

#include "assets/BoneRecord.h"
#include "assets/SubMesh.h"
#include "assets/VertexWeights.h"
#include "math/Math.h"
#include "math/Sphere.h"

namespace dusk {

class Texture;

// The row-major aiMatrix4x4 as our column-major mat4 (same mathematical place).
mat4 toColumnMajor(const aiMatrix4x4& m);

// An animated, skinned model: shared buffers as StaticModel plus the bone
// influences, the skeleton's bones, and the imported scene kept alive for the
// animation. Attribute locations: 0 position, 1 uv, 2 normal, 3 bone ids
// (integer), 4 weights. Its texture is always "Model/Object/animTest.png".
class SkinnedModel {
public:
    SkinnedModel() = default;
    ~SkinnedModel();
    SkinnedModel(const SkinnedModel&) = delete;
    SkinnedModel& operator=(const SkinnedModel&) = delete;

    bool load(const std::string& modelPath);  // always true; failures are printed
    void draw() const;
    void clear();

    // Poses the skeleton from the first animation at timeSeconds; out holds
    // boneCount matrices afterwards. Without a scene or an animation every bone
    // keeps its last (at first identity) finalTransform.
    void boneTransforms(float timeSeconds, std::vector<mat4>& out);

    // Enters the bones of one mesh (a new name gets the next index and the
    // mesh's offset matrix; a known name keeps its first offset) and writes
    // each influence into the first free slot of vertex baseVertex + id.
    // Influences past the fourth, or on a vertex id outside weights, are
    // dropped without a word.
    void collectBones(const aiMesh& mesh, uint32_t baseVertex, std::vector<VertexWeights>& weights);

    // A ball around every vertex as the skinning program places it with
    // these bone matrices (a bone beyond them counts as an all-zero matrix,
    // as the program's unset ones are), in the model's own space.
    Sphere posedBounds(const std::vector<mat4>& pose) const;

    GLuint vertexArray = 0;
    GLuint buffers[5] = {0, 0, 0, 0, 0};  // 0 index, 1 position, 2 normal, 3 uv, 4 weights
    std::vector<SubMesh> subMeshes;
    std::vector<Texture*> textures;
    std::map<std::string, uint32_t> boneIndexByName;
    uint32_t boneCount = 0;
    std::vector<BoneRecord> bones;
    // What the vertex buffers hold, kept for posedBounds.
    std::vector<vec3> bindPositions;
    std::vector<VertexWeights> vertexWeights;
    mat4 globalInverseTransform{1.0f};
    const aiScene* scene = nullptr;
    Assimp::Importer importer;

private:
    void buildScene();
    void loadTexture();
    void updateNode(const aiAnimation& animation, float t, const aiNode& node,
                    const mat4& parentTransform);
};

}  // namespace dusk
