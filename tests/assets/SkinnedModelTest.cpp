// Skinned models imported from a COLLADA file: bone slots in the influence
// buffer, a bone shared by two meshes, the fixed texture, the skinning
// layout, the pose of the imported animation, and files that fail.
#include <cmath>
#include <limits>

#include "AssetTestSupport.h"
#include "assets/SkinnedModel.h"
#include "render/GpuSkinnedModel.h"
#include "support/GlTest.h"
#include "support/RunDir.h"

namespace dusk::test {
namespace {

// Armature (z + 5) > Hip (y + 1) > Spine (y + 2), and Armature > Arm (x + 1).
// Mesh 0 over Hip and Spine: vertex 0 half each, vertex 1 all Spine, vertex 2
// no bone. Mesh 1 over Spine (another inverse bind: y - 30) and Arm: vertex 0
// Arm, 1 Spine, 2 a quarter Spine and three quarters Arm. Spine's transform
// is animated to (0, 2, 4) at 1 s and back at 2 s.
// COLLADA reads a 16-float record as a matrix only when its type says so.
// clang-format off
#define PARAM_TYPE_1 "float"
#define PARAM_TYPE_3 "float"
#define PARAM_TYPE_16 "float4x4"
#define SOURCE(id, kind, n, count, values, stride, param)                                \
    "<source id='" id "'><" kind " id='" id "-a' count='" #n "'>" values "</" kind ">"   \
    "<technique_common><accessor source='#" id "-a' count='" #count "' stride='" #stride \
    "'><param name='" param "' type='" PARAM_TYPE_##stride "'/></accessor>"              \
    "</technique_common></source>\n"
#define MOVE(x, y, z) "1 0 0 " #x " 0 1 0 " #y " 0 0 1 " #z " 0 0 0 1 "
#define MESH(n, positions)                                                                   \
    "<geometry id='m" #n "'><mesh>"                                                          \
    SOURCE("m" #n "-p", "float_array", 9, 3, positions, 3, "X")                              \
    "<vertices id='m" #n "-v'><input semantic='POSITION' source='#m" #n "-p'/></vertices>"   \
    "<triangles count='1'><input semantic='VERTEX' source='#m" #n "-v' offset='0'/>"         \
    "<p>0 1 2</p></triangles></mesh></geometry>\n"
#define SKIN(n, joints, binds, weights, nw, vcount, v)                                       \
    "<controller id='s" #n "'><skin source='#m" #n "'>"                                      \
    "<bind_shape_matrix>" MOVE(0, 0, 0) "</bind_shape_matrix>"                               \
    SOURCE("s" #n "-j", "Name_array", 2, 2, joints, 1, "JOINT")                              \
    SOURCE("s" #n "-b", "float_array", 32, 2, binds, 16, "TRANSFORM")                        \
    SOURCE("s" #n "-w", "float_array", nw, nw, weights, 1, "WEIGHT")                         \
    "<joints><input semantic='JOINT' source='#s" #n "-j'/>"                                  \
    "<input semantic='INV_BIND_MATRIX' source='#s" #n "-b'/></joints>"                       \
    "<vertex_weights count='3'><input semantic='JOINT' source='#s" #n "-j' offset='0'/>"     \
    "<input semantic='WEIGHT' source='#s" #n "-w' offset='1'/>"                              \
    "<vcount>" vcount "</vcount><v>" v "</v></vertex_weights></skin></controller>\n"
#define JOINT(name, x, y, z)                                                                 \
    "<node id='" name "' name='" name "' sid='" name "' type='JOINT'>"                       \
    "<matrix sid='transform'>" MOVE(x, y, z) "</matrix>"
#define INSTANCE(n)                                                                          \
    "<node id='b" #n "' name='b" #n "'><instance_controller url='#s" #n "'>"                 \
    "<skeleton>#Hip</skeleton></instance_controller></node>\n"

const char* const kKid =
    "<?xml version='1.0' encoding='utf-8'?>\n"
    "<COLLADA xmlns='http://www.collada.org/2005/11/COLLADASchema' version='1.4.1'>\n"
    "<asset><unit meter='1'/><up_axis>Y_UP</up_axis></asset><library_geometries>\n"
    MESH(0, "0 0 0 1 0 0 0 1 0") MESH(1, "0 0 1 1 0 1 0 1 1")
    "</library_geometries><library_controllers>\n"
    SKIN(0, "Hip Spine", MOVE(0, -1, 0) MOVE(0, -3, 0), "0.5 0.5 1", 3, "2 1 0", "0 0 1 1 1 2")
    SKIN(1, "Spine Arm", MOVE(0, -30, 0) MOVE(-1, 0, 0), "1 1 0.25 0.75", 4, "1 1 2",
         "1 0 0 1 0 2 1 3")
    "</library_controllers><library_animations><animation id='spin'>\n"
    SOURCE("t", "float_array", 3, 3, "0 1 2", 1, "TIME")
    SOURCE("o", "float_array", 48, 3, MOVE(0, 2, 0) MOVE(0, 2, 4) MOVE(0, 2, 0), 16, "TRANSFORM")
    SOURCE("i", "Name_array", 3, 3, "LINEAR LINEAR LINEAR", 1, "INTERPOLATION")
    "<sampler id='x'><input semantic='INPUT' source='#t'/><input semantic='OUTPUT' source='#o'/>"
    "<input semantic='INTERPOLATION' source='#i'/></sampler>"
    "<channel source='#x' target='Spine/transform'/></animation></library_animations>\n"
    "<library_visual_scenes><visual_scene id='Scene'>\n"
    "<node id='Armature' name='Armature'><matrix sid='transform'>" MOVE(0, 0, 5) "</matrix>\n"
    JOINT("Hip", 0, 1, 0) JOINT("Spine", 0, 2, 0) "</node></node>" JOINT("Arm", 1, 0, 0)
    "</node></node>\n" INSTANCE(0) INSTANCE(1)
    "</visual_scene></library_visual_scenes><scene><instance_visual_scene url='#Scene'/>"
    "</scene></COLLADA>\n";
// clang-format on

const char* const kSkinTexture = "Model/Object/animTest.png";

class SkinnedModelTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        run.write("kid.dae", kKid);
        writeTwoToneImage(kSkinTexture, 2, 2, "white", "white");
    }
    RunDir run;
    ScopedCwd cwd{run.path()};
};

TEST_F(SkinnedModelTest, InfluencesFillSlotsInOrderAndASharedBoneKeepsItsFirstOffset) {
    SkinnedModel model;
    printedLines([&] { EXPECT_TRUE(model.load("kid.dae")); });
    ASSERT_NE(model.scene, nullptr) << "the scene stays with the model for the animation";
    ASSERT_EQ(model.boneCount, 3u);
    ASSERT_EQ(model.bones.size(), 3u);
    const uint32_t hip = model.boneIndexByName.at("Hip"), spine = model.boneIndexByName.at("Spine"),
                   arm = model.boneIndexByName.at("Arm");
    EXPECT_EQ(arm, 2u) << "indices go by first appearance";
    EXPECT_FLOAT_EQ(model.bones[spine].offsetMatrix[3][1], -3.0f) << "the first mesh's offset";

    const GpuSkinnedModel gpu(model);
    std::vector<VertexWeights> w(6);
    glBindBuffer(GL_ARRAY_BUFFER, gpu.buffers[4].get());
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, 6 * sizeof(VertexWeights), w.data());
    auto ids = [&](int v) { return std::vector<uint32_t>(w[v].boneIds, w[v].boneIds + 4); };
    auto weights = [&](int v) { return std::vector<float>(w[v].weights, w[v].weights + 4); };
    EXPECT_EQ(ids(0), std::vector<uint32_t>({hip, spine, 0, 0}));
    EXPECT_EQ(weights(0), std::vector<float>({0.5f, 0.5f, 0, 0}));
    EXPECT_EQ(ids(1), std::vector<uint32_t>({spine, 0, 0, 0}));
    EXPECT_EQ(ids(2), std::vector<uint32_t>(4, 0));
    EXPECT_EQ(weights(2), std::vector<float>(4, 0.0f));
    // The second mesh's vertices start at its base vertex, 3.
    EXPECT_EQ(ids(3), std::vector<uint32_t>({arm, 0, 0, 0}));
    EXPECT_EQ(ids(4), std::vector<uint32_t>({spine, 0, 0, 0}));
    EXPECT_EQ(ids(5), std::vector<uint32_t>({spine, arm, 0, 0}));
    EXPECT_EQ(weights(5), std::vector<float>({0.25f, 0.75f, 0, 0}));
    EXPECT_EQ(drainGlErrors(), 0);
}

TEST_F(SkinnedModelTest, LayoutSwapsUvAndNormalAndReadsBoneIdsAsIntegers) {
    SkinnedModel loaded;
    printedLines([&] { loaded.load("kid.dae"); });
    const GpuSkinnedModel model(loaded);
    glBindVertexArray(model.vertexArray.get());
    const GLuint slots[5] = {1, 3, 2, 4, 4};
    for (GLuint location = 0; location < 5; ++location) {
        GLint buffer = 0;
        glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &buffer);
        EXPECT_EQ(GLuint(buffer), model.buffers[slots[location]].get()) << "location " << location;
    }
    GLint integer = 0, type = 0, idStride = 0, weightStride = 0;
    glGetVertexAttribiv(3, GL_VERTEX_ATTRIB_ARRAY_INTEGER, &integer);
    glGetVertexAttribiv(3, GL_VERTEX_ATTRIB_ARRAY_TYPE, &type);
    glGetVertexAttribiv(3, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &idStride);
    glGetVertexAttribiv(4, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &weightStride);
    void* weightOffset = nullptr;
    glGetVertexAttribPointerv(4, GL_VERTEX_ATTRIB_ARRAY_POINTER, &weightOffset);
    EXPECT_TRUE(integer);
    EXPECT_EQ(type, GL_INT);
    EXPECT_EQ(std::vector<GLint>({idStride, weightStride}), std::vector<GLint>({32, 32}));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(weightOffset), 16u);
    glBindVertexArray(0);
}

TEST_F(SkinnedModelTest, EveryMeshLoadsTheFixedTextureTwiceAndReportsOnce) {
    SkinnedModel model, bare;
    EXPECT_EQ(printedLines([&] { model.load("kid.dae"); }),
              std::vector<std::string>(2, "Loaded Texture: Model/Object/animTest.png"));
    EXPECT_NE(model.image, nullptr);

    run.remove(kSkinTexture);
    const auto lines = printedLines([&] { bare.load("kid.dae"); });
    ASSERT_EQ(lines.size(), 6u);
    for (size_t mesh = 0; mesh < 2; ++mesh) {
        const std::string prefix = "Error loading texture 'Model/Object/animTest.png': ";
        EXPECT_EQ(lines[3 * mesh].rfind(prefix, 0), 0u) << lines[3 * mesh];
        EXPECT_EQ(lines[3 * mesh + 1], lines[3 * mesh]);
        EXPECT_EQ(lines[3 * mesh + 2], "Error loading texture 'Model/Object/animTest.png'");
    }
    EXPECT_EQ(bare.image, nullptr);
    EXPECT_EQ(bare.boneCount, 3u) << "the model loads all the same";
}

// COLLADA keys arrive in milliseconds at 1000 ticks/s. At 0.5 s Spine is half
// way to (0, 2, 4): armature (z + 5) x Hip (y + 1) x Spine x offset (y - 3).
TEST_F(SkinnedModelTest, ImportedAnimationPosesTheBonesByNodeName) {
    SkinnedModel model;
    printedLines([&] { model.load("kid.dae"); });
    std::vector<mat4> pose;
    model.boneTransforms(0.5f, pose);
    ASSERT_EQ(pose.size(), 3u);
    const vec4 spine = pose[model.boneIndexByName.at("Spine")][3];
    const vec4 arm = pose[model.boneIndexByName.at("Arm")][3];
    EXPECT_NEAR(glm::distance(spine, vec4(0, 0, 7, 1)), 0.0f, 1e-4f);
    EXPECT_NEAR(glm::distance(arm, vec4(0, 0, 5, 1)), 0.0f, 1e-5f)
        << "the armature reaches every bone";
}

TEST_F(SkinnedModelTest, ATimeThatIsNoNumberPosesLikeTimeZero) {
    SkinnedModel model;
    printedLines([&] { model.load("kid.dae"); });
    std::vector<mat4> atZero, pose;
    model.boneTransforms(0.0f, atZero);
    model.boneTransforms(0.5f, pose);
    ASSERT_NE(pose, atZero) << "the animation must move between 0 and 0.5 s";
    const float inf = std::numeric_limits<float>::infinity();
    for (float t : {std::numeric_limits<float>::quiet_NaN(), inf, -inf, 3.0e38f}) {
        model.boneTransforms(t, pose);
        EXPECT_EQ(pose, atZero) << "at " << t;
    }
}

// The ball that decides whether a kid is drawn must hold the vertices where
// the skinning program puts them, or a kid at the view's edge would vanish.
TEST_F(SkinnedModelTest, PosedBoundsHoldTheVerticesWhereTheSkinningPutsThem) {
    SkinnedModel model;
    printedLines([&] { model.load("kid.dae"); });
    // No pose sent yet: the program keeps every vertex in the bind pose.
    const Sphere bind = model.posedBounds({});
    EXPECT_NEAR(glm::distance(bind.centre, vec3(0.5f)), 0.0f, 1e-6f);
    EXPECT_NEAR(bind.radius, std::sqrt(0.75f), 1e-6f);
    // Every bone ten to the right: the vertex no bone holds stays at (0, 1, 0).
    const Sphere moved = model.posedBounds(std::vector<mat4>(3, translate(mat4(1.0f), {10, 0, 0})));
    EXPECT_NEAR(glm::distance(moved.centre, vec3(5.5f, 0.5f, 0.5f)), 0.0f, 1e-5f);
    EXPECT_NEAR(moved.radius, std::sqrt(5.5f * 5.5f + 0.5f), 1e-5f);
    // Halfway through the animation Hip and Arm move 5 along z, Spine 7: the
    // second mesh's Spine vertex reaches (1, 0, 8), the vertex without a bone
    // stays at (0, 1, 0).
    std::vector<mat4> pose;
    model.boneTransforms(0.5f, pose);
    const Sphere walking = model.posedBounds(pose);
    EXPECT_NEAR(glm::distance(walking.centre, vec3(0.5f, 0.5f, 4.0f)), 0.0f, 1e-4f);
    EXPECT_NEAR(walking.radius, std::sqrt(0.5f + 16.0f), 1e-4f);
}

TEST_F(SkinnedModelTest, FailedImportOrMissingAnimationLeavesBonesAsTheyWere) {
    run.write("broken.dae", std::string(kKid).substr(0, 900));
    SkinnedModel broken, still;
    const auto lines = printedLines([&] { EXPECT_TRUE(broken.load("broken.dae")); });
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("Error parsing 'broken.dae': '", 0), 0u) << lines[0];
    EXPECT_EQ(broken.scene, nullptr);
    std::vector<mat4> pose(7);
    broken.boneTransforms(1.0f, pose);
    EXPECT_TRUE(pose.empty());
    EXPECT_FALSE(broken.walkClock());
    GpuSkinnedModel(broken).draw();

    std::string file = kKid;
    const size_t from = file.find("<animation"), to = file.find("</library_animations>");
    run.write("still.dae", file.erase(from, to - from));
    printedLines([&] { still.load("still.dae"); });
    ASSERT_NE(still.scene, nullptr);
    ASSERT_FALSE(still.walkClock()) << "no animation";
    still.boneTransforms(1.0f, pose);
    EXPECT_EQ(pose, std::vector<mat4>(3, mat4(1.0f)));
    EXPECT_EQ(drainGlErrors(), 0);
}

}  // namespace
}  // namespace dusk::test
