// The animation step on scenes built in memory: looping time, key search and
// extrapolation, rotation blending, the node walk, and the cases a file can
// get wrong (no scene, no animation, a channel without keys). No GL needed.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "assets/Animation.h"
#include "assets/SkinnedModel.h"

namespace dusk {
namespace {

aiVectorKey vectorKey(double time, float x, float y = 0, float z = 0) {
    return aiVectorKey(time, aiVector3D(x, y, z));
}

aiNode* node(const char* name, const aiMatrix4x4& transform, std::vector<aiNode*> children = {}) {
    aiNode* n = new aiNode(name);
    n->mTransformation = transform;
    if (!children.empty()) {
        n->addChildren(unsigned(children.size()), children.data());
    }
    return n;
}

aiMatrix4x4 moved(float x, float y, float z) {
    aiMatrix4x4 m;
    return aiMatrix4x4::Translation(aiVector3D(x, y, z), m);
}

// A channel that moves its node along x (0 at tick 0, 100 at tick 100), turns
// it a quarter about z and stretches it twice along x.
aiNodeAnim* slide(const char* name) {
    aiNodeAnim* channel = new aiNodeAnim;
    channel->mNodeName = name;
    channel->mNumPositionKeys = 2;
    channel->mPositionKeys = new aiVectorKey[2]{vectorKey(0, 0), vectorKey(100, 100)};
    channel->mNumRotationKeys = 1;
    channel->mRotationKeys =
        new aiQuatKey[1]{aiQuatKey(0, aiQuaternion(aiVector3D(0, 0, 1), 1.5707964f))};
    channel->mNumScalingKeys = 1;
    channel->mScalingKeys = new aiVectorKey[1]{vectorKey(0, 2, 1, 1)};
    return channel;
}

// Root (z + 5) > Hip (bone 0, moved by its channel) > Knee (bone 1, no
// channel, x + 1 from the file) and Root > Prop (not a bone) > Hand (bone 2).
struct Rig {
    Rig(double ticksPerSecond = 25, double duration = 100) {
        scene.mRootNode = node("Root", moved(0, 0, 5),
                               {node("Hip", moved(0, 9, 0), {node("Knee", moved(1, 0, 0))}),
                                node("Prop", moved(3, 0, 0), {node("Hand", aiMatrix4x4())})});
        aiAnimation* animation = new aiAnimation;
        animation->mTicksPerSecond = ticksPerSecond;
        animation->mDuration = duration;
        animation->mNumChannels = 1;
        animation->mChannels = new aiNodeAnim* [1] { slide("Hip") };
        scene.mNumAnimations = 1;
        scene.mAnimations = new aiAnimation* [1] { animation };
        const char* names[3] = {"Hip", "Knee", "Hand"};
        for (uint32_t i = 0; i < 3; ++i) {
            model.boneIndexByName[names[i]] = i;
            model.bones.emplace_back();
        }
        model.boneCount = 3;
        model.bones[1].offsetMatrix = translate(mat4(1.0f), vec3(0, 0, -2));
        model.scene = &scene;
    }
    ~Rig() { model.scene = nullptr; }
    vec3 origin(float seconds, uint32_t bone) {
        std::vector<mat4> pose;
        model.boneTransforms(seconds, pose);
        EXPECT_EQ(pose.size(), 3u);
        return vec3(pose.at(bone)[3]);
    }
    aiScene scene;
    SkinnedModel model;
};

TEST(AnimationTime, LoopsOverTheDurationAtTheFileRateOr25) {
    EXPECT_FLOAT_EQ(animationTime(5.0f, 25.0, 100.0), 25.0f);  // 125 ticks
    EXPECT_FLOAT_EQ(animationTime(1.0f, 0.0, 1000.0), 25.0f);
    EXPECT_FLOAT_EQ(animationTime(0.75f, 1000.0, 2000.0), 750.0f);
    EXPECT_EQ(animationTime(3.0f, 25.0, 0.0), 0.0f) << "no loop to run through, not NaN";
}

TEST(KeySearch, PicksTheSegmentEndingAfterTAndExtrapolatesUnclamped) {
    const aiVectorKey keys[3] = {vectorKey(0, 0), vectorKey(10, 10), vectorKey(20, 40)};
    const KeySegment atKey = keySegment(keys, 3, 10.0f);
    EXPECT_EQ(atKey.index, 1u);
    EXPECT_EQ(atKey.factor, 0.0f);
    EXPECT_EQ(interpolateVector(keys, 3, 10.0f).x, 10.0f) << "a key hit exactly is that key";
    EXPECT_FLOAT_EQ(interpolateVector(keys, 3, 15.0f).x, 25.0f);

    // Past the last key (duration 30, t = 25): segment 0 with factor 2.5.
    const KeySegment late = keySegment(keys, 3, 25.0f);
    EXPECT_EQ(late.index, 0u);
    EXPECT_FLOAT_EQ(late.factor, 2.5f);
    EXPECT_FLOAT_EQ(interpolateVector(keys, 3, 25.0f).x, 25.0f);
    EXPECT_FLOAT_EQ(keySegment(keys, 3, -5.0f).factor, -0.5f);

    const aiVectorKey same[2] = {vectorKey(4, 1), vectorKey(4, 9)};
    EXPECT_EQ(keySegment(same, 2, 7.0f).factor, 0.0f) << "two keys at one time";
    const aiVectorKey one[1] = {vectorKey(3, 7, 8, 9)};
    EXPECT_EQ(interpolateVector(one, 1, 50.0f), aiVector3D(7, 8, 9));
}

TEST(RotationBlend, TakesTheShortWayNormalisesAndLeavesASingleKeyAlone) {
    const aiQuaternion q(aiVector3D(0, 0, 1), 1.2f);
    const aiQuaternion minusQ(-q.w, -q.x, -q.y, -q.z);
    for (float factor : {0.0f, 0.3f, 1.0f, 2.5f}) {
        const aiQuaternion r = blendRotation(q, minusQ, factor);
        EXPECT_NEAR(r.w, q.w, 1e-6f) << factor;
        EXPECT_NEAR(r.z, q.z, 1e-6f) << factor;
    }
    // Half way from no turn to a quarter turn about z is an eighth turn.
    const aiQuaternion half =
        blendRotation(aiQuaternion(), aiQuaternion(aiVector3D(0, 0, 1), 1.5707964f), 0.5f);
    const vec4 x = rotationMatrix(half) * vec4(1, 0, 0, 1);
    EXPECT_NEAR(x.x, std::sqrt(0.5f), 1e-6f);
    EXPECT_NEAR(x.y, std::sqrt(0.5f), 1e-6f);

    EXPECT_EQ(blendRotation(aiQuaternion(2, 0, 0, 0), aiQuaternion(2, 0, 0, 0), 0.5f),
              aiQuaternion(1, 0, 0, 0))
        << "a blend comes out normalised";
    const aiQuatKey unnormalised[1] = {aiQuatKey(0, aiQuaternion(2, 0, 0, 0))};
    EXPECT_EQ(interpolateRotation(unnormalised, 1, 9.0f), aiQuaternion(2, 0, 0, 0));
}

TEST(BoneTransforms, WalkComposesChannelsFileTransformsRootAndOffsets) {
    Rig rig;
    // 5 s at 25 ticks/s in a 100-tick loop: tick 25, so Hip slides to x = 25
    // in place of its file transform (y + 9).
    EXPECT_EQ(rig.origin(5.0f, 0), vec3(25, 0, 5));
    // Knee: its file transform (x + 1), stretched, then turned (to y + 2), then
    // moved with Hip; its offset (z - 2) applies first of all.
    const vec3 knee = rig.origin(5.0f, 1);
    EXPECT_NEAR(glm::distance(knee, vec3(25, 2, 3)), 0.0f, 1e-5f);
    // Hand sits below a node that is no bone: the walk goes through it.
    EXPECT_EQ(rig.origin(5.0f, 2), vec3(3, 0, 5));

    Rig stillRate(0.0, 100);
    EXPECT_EQ(stillRate.origin(1.0f, 0), vec3(25, 0, 5)) << "0 ticks/s runs at 25";
}

TEST(BoneTransforms, WithoutSceneAnimationOrKeysBonesKeepTheirLastMatrices) {
    SkinnedModel empty;
    std::vector<mat4> pose(4);
    empty.boneTransforms(1.0f, pose);
    EXPECT_TRUE(pose.empty());

    Rig rig;
    const vec3 posed = rig.origin(5.0f, 0);
    rig.scene.mAnimations[0]->mChannels[0]->mNumRotationKeys = 0;
    EXPECT_EQ(rig.origin(2.0f, 0), posed) << "a channel without keys poses nothing";
    rig.scene.mAnimations[0]->mChannels[0]->mNumRotationKeys = 1;

    Rig still;
    still.scene.mNumAnimations = 0;
    EXPECT_EQ(still.origin(2.0f, 2), vec3(0, 0, 0)) << "identity until first posed";
    still.scene.mNumAnimations = 1;
}

TEST(BoneSlots, InfluencesTakeTheFirstSlotWhoseWeightIsZero) {
    VertexWeights v;
    EXPECT_TRUE(v.add(7, 0.0f));
    EXPECT_TRUE(v.add(9, 0.5f));
    EXPECT_EQ(v.boneIds[0], 9u) << "a 0.0 weight occupies its slot only nominally";
    for (uint32_t bone = 1; bone <= 3; ++bone) {
        EXPECT_TRUE(v.add(bone, 0.1f));
    }
    EXPECT_FALSE(v.add(4, 0.9f));
    EXPECT_EQ(std::vector<uint32_t>(v.boneIds, v.boneIds + 4), std::vector<uint32_t>({9, 1, 2, 3}));
    EXPECT_EQ(v.weights[0], 0.5f) << "the fifth influence is dropped, not written over";
}

// Importers drop 0.0 weights and limit influences themselves, so a mesh built
// in memory brings them to the bone collection; so does a vertex id beyond
// the mesh, which must not write outside the influence list.
TEST(BoneSlots, CollectingBonesKeepsZeroWeightsNominalAndIgnoresStrayVertexIds) {
    aiMesh mesh;
    mesh.mNumBones = 2;
    mesh.mBones = new aiBone* [2] { new aiBone, new aiBone };
    mesh.mBones[0]->mName = "A";
    mesh.mBones[0]->mNumWeights = 1;
    mesh.mBones[0]->mWeights = new aiVertexWeight[1]{aiVertexWeight(1, 0.0f)};
    mesh.mBones[1]->mName = "B";
    mesh.mBones[1]->mNumWeights = 2;
    mesh.mBones[1]->mWeights =
        new aiVertexWeight[2]{aiVertexWeight(1, 1.0f), aiVertexWeight(1u << 28, 1.0f)};
    SkinnedModel model;
    std::vector<VertexWeights> weights(3);
    model.collectBones(mesh, 1, weights);
    EXPECT_EQ(model.boneCount, 2u);
    EXPECT_EQ(weights[2].boneIds[0], 1u);
    EXPECT_EQ(weights[2].weights[0], 1.0f);
    EXPECT_EQ(weights[1].weights[0], 0.0f);
}

}  // namespace
}  // namespace dusk
