// Checks on the art that artgen leaves in the run directory, read back the way
// the game reads it: Assimp with the loaders' flags, Magick++ for the images,
// and the game's own loaders on a real GL context.
#include <Magick++.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "assets/Image.h"
#include "assets/SkinnedModel.h"
#include "assets/StaticModel.h"
#include "support/GlTest.h"
#include "support/RunDir.h"

namespace fs = std::filesystem;

namespace {

constexpr unsigned kStaticFlags =
    aiProcess_Triangulate | aiProcess_GenSmoothNormals | aiProcess_FlipUVs;
constexpr unsigned kSkinnedFlags = kStaticFlags | aiProcess_LimitBoneWeights;

const char* const kStaticModels[] = {"Model/Object/ground20.obj", "Model/Object/skybox.obj",
                                     "Model/Object/tree1.obj", "Model/Object/tree3.obj"};
const char* const kKidModel = "Model/Object/animTest2.dae";
const char* const kImages[] = {"Model/Image/ground19.jpg", "Model/Image/skybox2.jpg",
                               "Model/Image/tree1.png", "Model/Object/animTest.png",
                               "Textures/gameOverScreen.png"};

std::string runFile(const std::string& relative) {
    return (fs::path(DUSK_RUN_DIR) / relative).string();
}

// An imported file that stays alive as long as its importer.
struct Imported {
    std::unique_ptr<Assimp::Importer> importer = std::make_unique<Assimp::Importer>();
    const aiScene* scene = nullptr;
    std::string error;
};

Imported import(const std::string& relative, unsigned flags) {
    Imported result;
    result.scene = result.importer->ReadFile(runFile(relative), flags);
    result.error = result.importer->GetErrorString();
    return result;
}

struct Box {
    aiVector3D lo{1e30f, 1e30f, 1e30f};
    aiVector3D hi{-1e30f, -1e30f, -1e30f};
    void add(const aiVector3D& p) {
        for (int i = 0; i < 3; ++i) {
            lo[i] = std::min(lo[i], p[i]);
            hi[i] = std::max(hi[i], p[i]);
        }
    }
};

Box boundsOf(const aiScene* scene) {
    Box box;
    for (unsigned m = 0; m < scene->mNumMeshes; ++m)
        for (unsigned v = 0; v < scene->mMeshes[m]->mNumVertices; ++v)
            box.add(scene->mMeshes[m]->mVertices[v]);
    return box;
}

// Calls fn with the three corners of every triangle of every mesh.
void forEachTriangle(
    const aiScene* scene,
    const std::function<void(const aiVector3D&, const aiVector3D&, const aiVector3D&)>& fn) {
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        const aiMesh* mesh = scene->mMeshes[m];
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            const aiFace& face = mesh->mFaces[f];
            fn(mesh->mVertices[face.mIndices[0]], mesh->mVertices[face.mIndices[1]],
               mesh->mVertices[face.mIndices[2]]);
        }
    }
}

unsigned triangleCount(const aiScene* scene) {
    unsigned n = 0;
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) n += scene->mMeshes[m]->mNumFaces;
    return n;
}

Magick::Image readImage(const std::string& relative) {
    dusk::initImageLibrary();
    Magick::Image image;
    image.read(runFile(relative));
    return image;
}

// 8-bit RGBA samples, as the texture loader converts them.
std::vector<unsigned char> rgbaOf(Magick::Image image) {
    Magick::Blob blob;
    image.depth(8);
    image.write(&blob, "RGBA");
    const auto* bytes = static_cast<const unsigned char*>(blob.data());
    return std::vector<unsigned char>(bytes, bytes + blob.length());
}

// Number of places along lines a and b (columns, or rows when rows is true)
// where the colour jumps by more than a soft edge would.
int jumpsBetween(const std::vector<unsigned char>& px, int w, int h, int a, int b, bool rows) {
    int jumps = 0;
    const int n = rows ? w : h;
    for (int i = 0; i < n; ++i) {
        const size_t pa = rows ? (size_t(a) * w + i) : (size_t(i) * w + a);
        const size_t pb = rows ? (size_t(b) * w + i) : (size_t(i) * w + b);
        int step = 0;
        for (int c = 0; c < 3; ++c) step += std::abs(int(px[pa * 4 + c]) - int(px[pb * 4 + c]));
        if (step > 25) ++jumps;
    }
    return jumps;
}

// The wrap-around seam (last line against the first) must be no rougher than
// the roughest ordinary step between neighbouring lines. The picture is first
// averaged down to 128 columns so the grain does not hide cut shapes.
void expectSeamless(Magick::Image image, bool rows) {
    image.scale(
        Magick::Geometry("128x" + std::to_string(128 * image.rows() / image.columns()) + "!"));
    const auto px = rgbaOf(image);
    const int w = int(image.columns()), h = int(image.rows());
    const int count = rows ? h : w;
    int roughest = 0;
    for (int i = 0; i + 1 < count; ++i)
        roughest = std::max(roughest, jumpsBetween(px, w, h, i, i + 1, rows));
    EXPECT_LE(jumpsBetween(px, w, h, count - 1, 0, rows), roughest)
        << (rows ? "top and bottom" : "left and right") << " edges do not meet";
}

// ---------------------------------------------------------------------------
// Posing the imported kid independently of the game's animation code: at a
// time that falls on the keys, each channel's nearest key gives T * R * S.

const aiNodeAnim* channelFor(const aiAnimation* anim, const aiString& name) {
    for (unsigned c = 0; c < anim->mNumChannels; ++c)
        if (anim->mChannels[c]->mNodeName == name) return anim->mChannels[c];
    return nullptr;
}

template <typename Key>
const Key& nearestKey(const Key* keys, unsigned count, double ticks) {
    unsigned best = 0;
    for (unsigned i = 1; i < count; ++i)
        if (std::fabs(keys[i].mTime - ticks) < std::fabs(keys[best].mTime - ticks)) best = i;
    return keys[best];
}

void poseNode(const aiNode* node, const aiAnimation* anim, double ticks, const aiMatrix4x4& parent,
              std::map<std::string, aiMatrix4x4>& globals) {
    aiMatrix4x4 local = node->mTransformation;
    if (const aiNodeAnim* ch = channelFor(anim, node->mName)) {
        local = aiMatrix4x4(nearestKey(ch->mScalingKeys, ch->mNumScalingKeys, ticks).mValue,
                            nearestKey(ch->mRotationKeys, ch->mNumRotationKeys, ticks).mValue,
                            nearestKey(ch->mPositionKeys, ch->mNumPositionKeys, ticks).mValue);
    }
    const aiMatrix4x4 global = parent * local;
    globals[node->mName.C_Str()] = global;
    for (unsigned i = 0; i < node->mNumChildren; ++i)
        poseNode(node->mChildren[i], anim, ticks, global, globals);
}

struct Pose {
    std::map<std::string, aiMatrix4x4> joints;  // model-space transform of every node
    std::vector<aiVector3D> vertices;           // skinned, all meshes in order
};

Pose poseAt(const aiScene* scene, double seconds) {
    const aiAnimation* anim = scene->mAnimations[0];
    const double tps = anim->mTicksPerSecond != 0.0 ? anim->mTicksPerSecond : 25.0;
    Pose pose;
    poseNode(scene->mRootNode, anim, seconds * tps, aiMatrix4x4(), pose.joints);
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        const aiMesh* mesh = scene->mMeshes[m];
        std::vector<aiVector3D> skinned(mesh->mNumVertices, aiVector3D(0, 0, 0));
        for (unsigned b = 0; b < mesh->mNumBones; ++b) {
            const aiBone* bone = mesh->mBones[b];
            const aiMatrix4x4 skin = pose.joints[bone->mName.C_Str()] * bone->mOffsetMatrix;
            for (unsigned w = 0; w < bone->mNumWeights; ++w) {
                const aiVertexWeight& vw = bone->mWeights[w];
                skinned[vw.mVertexId] += (skin * mesh->mVertices[vw.mVertexId]) * vw.mWeight;
            }
        }
        pose.vertices.insert(pose.vertices.end(), skinned.begin(), skinned.end());
    }
    return pose;
}

aiVector3D jointPosition(const Pose& pose, const std::string& name) {
    const auto it = pose.joints.find(name);
    if (it == pose.joints.end()) return aiVector3D(NAN, NAN, NAN);
    return aiVector3D(it->second.a4, it->second.b4, it->second.c4);
}

std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace

// --- every file ---------------------------------------------------------------

TEST(ArtFiles, EveryModelImportsWithTexturedTrianglesOnMaterialZero) {
    std::vector<std::pair<std::string, unsigned>> models;
    for (const char* m : kStaticModels) models.emplace_back(m, kStaticFlags);
    models.emplace_back(kKidModel, kSkinnedFlags);
    for (const auto& [file, flags] : models) {
        SCOPED_TRACE(file);
        const Imported in = import(file, flags);
        ASSERT_NE(in.scene, nullptr) << in.error;
        EXPECT_EQ(in.scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE, 0u);
        ASSERT_GT(in.scene->mNumMeshes, 0u);
        for (unsigned m = 0; m < in.scene->mNumMeshes; ++m) {
            const aiMesh* mesh = in.scene->mMeshes[m];
            EXPECT_EQ(mesh->mMaterialIndex, 0u) << "only material 0 gets the model's texture";
            EXPECT_TRUE(mesh->HasTextureCoords(0));
            EXPECT_TRUE(mesh->HasNormals());
            for (unsigned f = 0; f < mesh->mNumFaces; ++f)
                ASSERT_EQ(mesh->mFaces[f].mNumIndices, 3u);
        }
    }
}

TEST(ArtFiles, ImagesDecodeToEightBitRgbaOfTheirSizes) {
    const std::map<std::string, std::pair<size_t, size_t>> sizes = {
        {"Model/Image/ground19.jpg", {512, 512}},
        {"Model/Image/skybox2.jpg", {2048, 1024}},
        {"Model/Image/tree1.png", {512, 512}},
        {"Model/Object/animTest.png", {512, 512}},
        {"Textures/gameOverScreen.png", {1024, 512}}};
    for (const char* file : kImages) {
        SCOPED_TRACE(file);
        Magick::Image image;
        ASSERT_NO_THROW(image = readImage(file));
        EXPECT_EQ(image.columns(), sizes.at(file).first);
        EXPECT_EQ(image.rows(), sizes.at(file).second);
        EXPECT_EQ(image.depth(), 8u);
        EXPECT_EQ(rgbaOf(image).size(), image.columns() * image.rows() * 4);
    }
    // The atlases and the game-over picture carry an alpha channel of their own.
    for (const char* file : {"Model/Image/tree1.png", "Textures/gameOverScreen.png"})
        EXPECT_TRUE(readImage(file).matte()) << file;
}

TEST(ArtFiles, GeneratorRewritesTheSameTenFiles) {
    const fs::path artgen = fs::path(DUSK_RUN_DIR).parent_path() / "tools" / "artgen";
    ASSERT_TRUE(fs::exists(artgen)) << artgen;
    dusk::test::RunDir scratch;
    const fs::path out = scratch.path() / "again";
    const std::string command = artgen.string() + " " + out.string() + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::vector<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(out))
        if (entry.is_regular_file()) written.push_back(fs::relative(entry.path(), out).string());
    EXPECT_EQ(written.size(), 10u);
    std::vector<std::string> expected(std::begin(kStaticModels), std::end(kStaticModels));
    expected.push_back(kKidModel);
    expected.insert(expected.end(), std::begin(kImages), std::end(kImages));
    for (const std::string& file : expected) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(fs::exists(out / file));
        // Same program, same bytes: nothing random or dated gets in.
        EXPECT_TRUE(fileBytes(out / file) == fileBytes(runFile(file)));
    }
}

// --- ground and sky -------------------------------------------------------------

TEST(ArtFiles, GroundIsTheFloorOfThePlayAreaWithARepeatingSeamlessTexture) {
    const Imported in = import("Model/Object/ground20.obj", kStaticFlags);
    ASSERT_NE(in.scene, nullptr) << in.error;
    const Box box = boundsOf(in.scene);
    EXPECT_LE(box.lo.x, -90.0f);
    EXPECT_GE(box.hi.x, 90.0f);
    EXPECT_LE(box.lo.z, -90.0f);
    EXPECT_GE(box.hi.z, 90.0f);
    EXPECT_NEAR(box.lo.y, 0.0f, 1e-4f);
    EXPECT_NEAR(box.hi.y, 0.0f, 1e-4f);
    EXPECT_GE(triangleCount(in.scene), 2u * 24u * 24u) << "too coarse to light well";
    int facingDown = 0;
    forEachTriangle(in.scene, [&](const aiVector3D& a, const aiVector3D& b, const aiVector3D& c) {
        if (((b - a) ^ (c - a)).y <= 0.0f) ++facingDown;
    });
    EXPECT_EQ(facingDown, 0) << "front faces must look up, back faces are culled";
    float uLo = 1e9f, uHi = -1e9f;
    const aiMesh* mesh = in.scene->mMeshes[0];
    for (unsigned v = 0; v < mesh->mNumVertices; ++v) {
        uLo = std::min(uLo, mesh->mTextureCoords[0][v].x);
        uHi = std::max(uHi, mesh->mTextureCoords[0][v].x);
    }
    EXPECT_GE(uHi - uLo, 6.0f) << "the texture should repeat many times across the ground";

    const Magick::Image image = readImage("Model/Image/ground19.jpg");
    expectSeamless(image, false);
    expectSeamless(image, true);
}

TEST(ArtFiles, SkyEnclosesThePlayAreaFacingInwardWithMatchingEdges) {
    const Imported in = import("Model/Object/skybox.obj", kStaticFlags);
    ASSERT_NE(in.scene, nullptr) << in.error;
    const Box box = boundsOf(in.scene);
    for (int axis = 0; axis < 3; ++axis) {
        const float half = std::max(-box.lo[axis], box.hi[axis]);
        EXPECT_GE(half, 300.0f);
        EXPECT_LE(half, 500.0f) << "must stay well inside the far plane";
        EXPECT_LE(box.lo[axis], -300.0f);
        EXPECT_GE(box.hi[axis], 300.0f);
    }
    float nearest = 1e9f;
    for (unsigned v = 0; v < in.scene->mMeshes[0]->mNumVertices; ++v)
        nearest = std::min(nearest, in.scene->mMeshes[0]->mVertices[v].Length());
    EXPECT_GT(nearest, 150.0f);
    int facingOut = 0;
    forEachTriangle(in.scene, [&](const aiVector3D& a, const aiVector3D& b, const aiVector3D& c) {
        const aiVector3D centre = (a + b + c) / 3.0f;
        const aiVector3D n = (b - a) ^ (c - a);
        if (n.Length() > 1e-6f * centre.SquareLength() && n * centre >= 0.0f) ++facingOut;
    });
    EXPECT_EQ(facingOut, 0) << "seen from inside, every face must be a front face";

    expectSeamless(readImage("Model/Image/skybox2.jpg"), false);
}

// --- trees ----------------------------------------------------------------------

TEST(ArtFiles, TreesStandOnTheGroundWithATrunkAndAnAtlasMapping) {
    float heights[2] = {0, 0};
    int index = 0;
    for (const char* file : {"Model/Object/tree1.obj", "Model/Object/tree3.obj"}) {
        SCOPED_TRACE(file);
        const Imported in = import(file, kStaticFlags);
        ASSERT_NE(in.scene, nullptr) << in.error;
        const Box box = boundsOf(in.scene);
        EXPECT_NEAR(box.lo.y, 0.0f, 0.01f);
        heights[index++] = box.hi.y;
        EXPECT_GE(box.hi.y, 9.0f);
        EXPECT_LE(box.hi.y, 14.0f);
        const unsigned triangles = triangleCount(in.scene);
        EXPECT_GE(triangles, 150u);
        EXPECT_LE(triangles, 1500u);
        // The trunk at the foot: centred on the origin, about 0.5 thick like its body.
        float footRadius = 0.0f;
        for (unsigned m = 0; m < in.scene->mNumMeshes; ++m) {
            const aiMesh* mesh = in.scene->mMeshes[m];
            for (unsigned v = 0; v < mesh->mNumVertices; ++v) {
                const aiVector3D& p = mesh->mVertices[v];
                if (p.y < 0.5f) footRadius = std::max(footRadius, std::hypot(p.x, p.z));
                const aiVector3D& uv = mesh->mTextureCoords[0][v];
                ASSERT_TRUE(uv.x >= 0.0f && uv.x <= 1.0f && uv.y >= 0.0f && uv.y <= 1.0f)
                    << "an atlas region cannot repeat";
            }
        }
        EXPECT_GE(footRadius, 0.4f);
        EXPECT_LE(footRadius, 0.65f);
    }
    EXPECT_GT(std::fabs(heights[0] - heights[1]), 0.1f) << "two species, two shapes";
}

// --- the kid --------------------------------------------------------------------

TEST(KidArt, SkeletonFitsTheShaderAndEveryVertexIsFullyWeighted) {
    const Imported in = import(kKidModel, kSkinnedFlags);
    ASSERT_NE(in.scene, nullptr) << in.error;
    std::map<std::string, int> bones;
    for (unsigned m = 0; m < in.scene->mNumMeshes; ++m) {
        const aiMesh* mesh = in.scene->mMeshes[m];
        std::vector<float> sums(mesh->mNumVertices, 0.0f);
        std::vector<int> counts(mesh->mNumVertices, 0);
        for (unsigned b = 0; b < mesh->mNumBones; ++b) {
            const aiBone* bone = mesh->mBones[b];
            bones[bone->mName.C_Str()]++;
            EXPECT_NE(in.scene->mRootNode->FindNode(bone->mName), nullptr) << bone->mName.C_Str();
            for (unsigned w = 0; w < bone->mNumWeights; ++w) {
                sums[bone->mWeights[w].mVertexId] += bone->mWeights[w].mWeight;
                counts[bone->mWeights[w].mVertexId]++;
            }
        }
        for (unsigned v = 0; v < mesh->mNumVertices; ++v) {
            ASSERT_NEAR(sums[v], 1.0f, 1e-4f) << "vertex " << v;
            ASSERT_GE(counts[v], 1);
            ASSERT_LE(counts[v], 4);
        }
    }
    EXPECT_GE(bones.size(), 15u);
    EXPECT_LE(bones.size(), 30u);
    EXPECT_LE(bones.size(), 64u) << "the skinning shader holds 64 matrices";
}

TEST(KidArt, StandsAboutTwoPointFourTallOnItsFeetFacingPlusZ) {
    const Imported in = import(kKidModel, kSkinnedFlags);
    ASSERT_NE(in.scene, nullptr) << in.error;
    const Box box = boundsOf(in.scene);
    EXPECT_NEAR(box.lo.y, 0.0f, 0.03f) << "origin between the feet";
    EXPECT_NEAR(box.hi.y - box.lo.y, 2.4f, 0.15f);
    EXPECT_LT(std::fabs(box.lo.x + box.hi.x), 0.1f);
    EXPECT_LT(box.hi.x - box.lo.x, 1.2f);
    // The toes point the way it walks: the shoes reach further forward than back.
    float front = -1e9f, back = 1e9f;
    for (unsigned v = 0; v < in.scene->mMeshes[0]->mNumVertices; ++v) {
        const aiVector3D& p = in.scene->mMeshes[0]->mVertices[v];
        if (p.y < 0.12f) {
            front = std::max(front, p.z);
            back = std::min(back, p.z);
        }
    }
    EXPECT_GT(front, 1.5f * -back);
    // In the file's own frame (the root adds no turn or scale the game would miss).
    const aiMatrix4x4& root = in.scene->mRootNode->mTransformation;
    EXPECT_TRUE(root.IsIdentity());
}

TEST(KidArt, OneLoopingWalkOfAboutASecondMovesEveryJoint) {
    const Imported in = import(kKidModel, kSkinnedFlags);
    ASSERT_NE(in.scene, nullptr) << in.error;
    ASSERT_EQ(in.scene->mNumAnimations, 1u);
    const aiAnimation* anim = in.scene->mAnimations[0];
    const double tps = anim->mTicksPerSecond != 0.0 ? anim->mTicksPerSecond : 25.0;
    EXPECT_NEAR(anim->mDuration / tps, 1.0, 0.2);
    const aiMesh* mesh = in.scene->mMeshes[0];
    for (unsigned b = 0; b < mesh->mNumBones; ++b)
        EXPECT_NE(channelFor(anim, mesh->mBones[b]->mName), nullptr)
            << mesh->mBones[b]->mName.C_Str();
    for (unsigned c = 0; c < anim->mNumChannels; ++c) {
        const aiNodeAnim* ch = anim->mChannels[c];
        SCOPED_TRACE(ch->mNodeName.C_Str());
        ASSERT_GE(ch->mNumPositionKeys, 2u);
        ASSERT_GE(ch->mNumRotationKeys, 2u);
        ASSERT_GE(ch->mNumScalingKeys, 1u);
        EXPECT_NEAR(ch->mPositionKeys[0].mTime, 0.0, 1e-6);
        EXPECT_NEAR(ch->mPositionKeys[ch->mNumPositionKeys - 1].mTime, anim->mDuration, 1e-3);
        // The loop closes: the last pose is the first.
        const aiVector3D p0 = ch->mPositionKeys[0].mValue;
        const aiVector3D pN = ch->mPositionKeys[ch->mNumPositionKeys - 1].mValue;
        EXPECT_LT((p0 - pN).Length(), 1e-4f);
        const aiQuaternion q0 = ch->mRotationKeys[0].mValue;
        const aiQuaternion qN = ch->mRotationKeys[ch->mNumRotationKeys - 1].mValue;
        EXPECT_GT(std::fabs(q0.w * qN.w + q0.x * qN.x + q0.y * qN.y + q0.z * qN.z), 1.0f - 1e-5f);
    }
}

TEST(KidArt, WalkKeepsAFootOnTheGroundAndSwingsArmsAgainstLegs) {
    const Imported in = import(kKidModel, kSkinnedFlags);
    ASSERT_NE(in.scene, nullptr) << in.error;
    ASSERT_GT(in.scene->mNumAnimations, 0u);
    float strides[2] = {0, 0};
    int opposed = 0;
    for (int step = 0; step < 8; ++step) {
        const double t = step / 8.0;
        SCOPED_TRACE("t = " + std::to_string(t));
        const Pose pose = poseAt(in.scene, t);
        float lo = 1e9f, hi = -1e9f;
        for (const aiVector3D& p : pose.vertices) {
            lo = std::min(lo, p.y);
            hi = std::max(hi, p.y);
        }
        EXPECT_NEAR(lo, 0.0f, 0.05f) << "a foot on the ground, none below it";
        EXPECT_GT(hi, 2.1f);
        // Differences left minus right along the walk: feet, knees (the shins'
        // joints) and hands.
        const float feet = jointPosition(pose, "foot_L").z - jointPosition(pose, "foot_R").z;
        const float knees = jointPosition(pose, "shin_L").z - jointPosition(pose, "shin_R").z;
        const float hands = jointPosition(pose, "hand_L").z - jointPosition(pose, "hand_R").z;
        ASSERT_FALSE(std::isnan(feet) || std::isnan(knees) || std::isnan(hands))
            << "limb joints missing";
        if (std::fabs(knees) > 0.1f && std::fabs(hands) > 0.05f) {
            EXPECT_LT(knees * hands, 0.0f) << "each arm swings against the leg on its side";
            ++opposed;
        }
        if (step == 2) strides[0] = feet;
        if (step == 6) strides[1] = feet;
    }
    EXPECT_GE(opposed, 4) << "arms and legs hardly swing";
    // A quarter cycle in one foot leads, three quarters in the other.
    EXPECT_GT(std::fabs(strides[0]), 0.3f);
    EXPECT_GT(std::fabs(strides[1]), 0.3f);
    EXPECT_LT(strides[0] * strides[1], 0.0f);
}

// --- through the game's own loaders ---------------------------------------------

class ArtThroughGameLoaders : public dusk::test::GlTest {};

TEST_F(ArtThroughGameLoaders, EveryModelLoadsWithItsTextureAndTheKidPoses) {
    dusk::test::ScopedCwd cwd(DUSK_RUN_DIR);
    const std::pair<const char*, const char*> statics[] = {
        {"Model/Object/ground20.obj", "Model/Image/ground19.jpg"},
        {"Model/Object/skybox.obj", "Model/Image/skybox2.jpg"},
        {"Model/Object/tree1.obj", "Model/Image/tree1.png"},
        {"Model/Object/tree3.obj", "Model/Image/tree1.png"}};
    for (const auto& [model, texture] : statics) {
        SCOPED_TRACE(model);
        dusk::StaticModel loaded;
        EXPECT_TRUE(loaded.load(model, texture));
        ASSERT_FALSE(loaded.subMeshes.empty());
        EXPECT_NE(loaded.image, nullptr);
    }
    dusk::SkinnedModel kid;
    kid.load(kKidModel);
    ASSERT_NE(kid.scene, nullptr);
    EXPECT_NE(kid.image, nullptr);
    EXPECT_GE(kid.boneCount, 15u);
    // Poses a quarter cycle apart differ, and a whole cycle later the pose returns.
    std::vector<dusk::mat4> a, b, c;
    kid.boneTransforms(0.10f, a);
    kid.boneTransforms(0.35f, b);
    kid.boneTransforms(1.10f, c);
    ASSERT_EQ(a.size(), kid.boneCount);
    float change = 0.0f, drift = 0.0f;
    for (size_t i = 0; i < a.size(); ++i)
        for (int col = 0; col < 4; ++col)
            for (int row = 0; row < 4; ++row) {
                change = std::max(change, std::fabs(a[i][col][row] - b[i][col][row]));
                drift = std::max(drift, std::fabs(a[i][col][row] - c[i][col][row]));
            }
    EXPECT_GT(change, 0.05f);
    EXPECT_LT(drift, 1e-3f);
    EXPECT_EQ(drainGlErrors(), 0);
}
