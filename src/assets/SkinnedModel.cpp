#include "assets/SkinnedModel.h"

#include <assimp/postprocess.h>

#include <algorithm>

#include "assets/Animation.h"
#include "assets/MeshArrays.h"
#include "assets/ModelImport.h"
#include "base/Console.h"

namespace dusk {

namespace {

// No importer property is set: LimitBoneWeights keeps its default of four.
const unsigned int kSkinnedImportFlags = aiProcess_Triangulate | aiProcess_GenSmoothNormals |
                                         aiProcess_LimitBoneWeights | aiProcess_FlipUVs;

// The kid's texture, whatever the file's materials say.
const char* const kSkinTexture = "Model/Object/animTest.png";

}  // namespace

mat4 toColumnMajor(const aiMatrix4x4& m) {
    mat4 out;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            out[column][row] = m[row][column];
        }
    }
    return out;
}

bool SkinnedModel::load(const std::string& modelPath) {
    // A model loaded anew starts from an empty skeleton and no sub-meshes, so
    // nothing of an earlier file survives a failed or different import.
    subMeshes.clear();
    arrays = MeshArrays();
    image.reset();
    boneIndexByName.clear();
    bones.clear();
    bindPositions.clear();
    vertexWeights.clear();
    boneCount = 0;

    std::string error;
    scene = importModel(importer, modelPath, kSkinnedImportFlags, error);
    if (scene == nullptr) {
        printLine("Error parsing '" + modelPath + "': '" + error + "'");
    } else {
        globalInverseTransform = mat4(1.0f);
        buildScene();
    }
    return true;
}

void SkinnedModel::buildScene() {
    uint32_t vertexTotal = 0;
    uint32_t indexTotal = 0;
    subMeshes = layOutSubMeshes(*scene, vertexTotal, indexTotal);
    arrays.reserve(vertexTotal, indexTotal);
    std::vector<VertexWeights> weights(vertexTotal);
    for (unsigned int i = 0; i < scene->mNumMeshes; ++i) {
        const aiMesh& mesh = *scene->mMeshes[i];
        arrays.appendVertices(mesh);
        collectBones(mesh, subMeshes[i].baseVertex, weights);
        arrays.appendIndices(mesh);
        image = loadModelImage(kSkinTexture);
    }
    bindPositions.resize(arrays.positions.size() / 3);
    for (size_t v = 0; v < bindPositions.size(); ++v) {
        bindPositions[v] =
            vec3(arrays.positions[3 * v], arrays.positions[3 * v + 1], arrays.positions[3 * v + 2]);
    }
    vertexWeights = std::move(weights);
}

// The skinning program's own steps: bone ids clamped to its 64 matrices, the
// weighted sum, and the bind pose where that sum has no w.
Sphere SkinnedModel::posedBounds(const std::vector<mat4>& pose) const {
    const auto bone = [&pose](uint32_t id) {
        const size_t clamped = std::min<size_t>(id, 63);
        return clamped < pose.size() ? pose[clamped] : mat4(0.0f);
    };
    std::vector<vec3> placed(bindPositions.size());
    for (size_t v = 0; v < placed.size(); ++v) {
        const VertexWeights& w = v < vertexWeights.size() ? vertexWeights[v] : VertexWeights{};
        mat4 skin = bone(w.boneIds[0]) * w.weights[0] + bone(w.boneIds[1]) * w.weights[1] +
                    bone(w.boneIds[2]) * w.weights[2] + bone(w.boneIds[3]) * w.weights[3];
        if (skin[3][3] < 0.5f) {
            skin = mat4(1.0f);
        }
        placed[v] = vec3(skin * vec4(bindPositions[v], 1.0f));
    }
    return Sphere::around(placed);
}

void SkinnedModel::collectBones(const aiMesh& mesh, uint32_t baseVertex,
                                std::vector<VertexWeights>& weights) {
    for (unsigned int b = 0; b < mesh.mNumBones; ++b) {
        const aiBone& bone = *mesh.mBones[b];
        const std::string name(bone.mName.data, bone.mName.length);
        auto known = boneIndexByName.find(name);
        uint32_t index = 0;
        if (known != boneIndexByName.end()) {
            index = known->second;
        } else {
            index = boneCount++;
            bones.emplace_back();
            bones.back().offsetMatrix = toColumnMajor(bone.mOffsetMatrix);
            boneIndexByName.emplace(name, index);
        }
        for (unsigned int w = 0; w < bone.mNumWeights; ++w) {
            const size_t vertex = size_t(baseVertex) + bone.mWeights[w].mVertexId;
            if (vertex < weights.size()) {
                weights[vertex].add(index, bone.mWeights[w].mWeight);
            }
        }
    }
}

std::optional<AnimationClock> SkinnedModel::walkClock() const {
    if (scene == nullptr || scene->mNumAnimations == 0) {
        return std::nullopt;
    }
    const aiAnimation& walk = *scene->mAnimations[0];
    return AnimationClock{walk.mTicksPerSecond, walk.mDuration};
}

void SkinnedModel::boneTransforms(float timeSeconds, std::vector<mat4>& out) {
    // A failed import, a file without animation or a channel without keys
    // cannot be posed: the bones keep their last matrices.
    if (canAnimate(scene)) {
        const aiAnimation& animation = *scene->mAnimations[0];
        const float t = animationTime(timeSeconds, animation.mTicksPerSecond, animation.mDuration);
        updateNode(animation, t, *scene->mRootNode, mat4(1.0f));
    }
    out.resize(boneCount);
    for (uint32_t i = 0; i < boneCount && i < bones.size(); ++i) {
        out[i] = bones[i].finalTransform;
    }
}

void SkinnedModel::updateNode(const aiAnimation& animation, float t, const aiNode& node,
                              const mat4& parentTransform) {
    const aiNodeAnim* channel = findChannel(animation, node.mName);
    const mat4 local =
        channel != nullptr ? channelMatrix(*channel, t) : toColumnMajor(node.mTransformation);
    const mat4 global = parentTransform * local;
    auto bone = boneIndexByName.find(std::string(node.mName.data, node.mName.length));
    if (bone != boneIndexByName.end()) {
        BoneRecord& record = bones[bone->second];
        record.finalTransform = globalInverseTransform * global * record.offsetMatrix;
    }
    for (unsigned int i = 0; i < node.mNumChildren; ++i) {
        updateNode(animation, t, *node.mChildren[i], global);
    }
}

}  // namespace dusk
