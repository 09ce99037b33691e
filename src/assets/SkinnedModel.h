#pragma once
#include <assimp/scene.h>

#include <assimp/Importer.hpp>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "assets/BoneRecord.h"
#include "assets/Image.h"
#include "assets/MeshArrays.h"
#include "assets/SubMesh.h"
#include "assets/VertexWeights.h"
#include "math/Math.h"
#include "math/Sphere.h"

namespace dusk {

// The row-major aiMatrix4x4 as our column-major mat4 (same mathematical place).
mat4 toColumnMajor(const aiMatrix4x4& m);

// The timing of an animation: how its ticks run and how many a loop has.
struct AnimationClock {
    double ticksPerSecond = 0.0;
    double duration = 0.0;
};

// An animated, skinned model: shared arrays as StaticModel plus the bone
// influences, the skeleton's bones, and the imported scene kept alive for the
// animation. What the renderer uploads (GpuSkinnedModel); no GL here. Its
// texture is always "Model/Object/animTest.png".
class SkinnedModel {
public:
    SkinnedModel() = default;
    SkinnedModel(const SkinnedModel&) = delete;
    SkinnedModel& operator=(const SkinnedModel&) = delete;

    // Always true; failures are printed. Every mesh reads the texture anew
    // (see loadModelImage), the last read is kept.
    bool load(const std::string& modelPath);

    // The clock of the first animation (the walk); none without a scene or
    // an animation.
    std::optional<AnimationClock> walkClock() const;

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

    std::vector<SubMesh> subMeshes;
    MeshArrays arrays;
    std::unique_ptr<Image> image;  // of material 0; null when it failed to load
    std::map<std::string, uint32_t> boneIndexByName;
    uint32_t boneCount = 0;
    std::vector<BoneRecord> bones;
    // The vertices as vectors, and every vertex's influences.
    std::vector<vec3> bindPositions;
    std::vector<VertexWeights> vertexWeights;
    mat4 globalInverseTransform{1.0f};
    // The imported scene, read by the posing; null after a failed import.
    const aiScene* scene = nullptr;

private:
    void buildScene();
    Assimp::Importer importer;
    void updateNode(const aiAnimation& animation, float t, const aiNode& node,
                    const mat4& parentTransform);
};

}  // namespace dusk
