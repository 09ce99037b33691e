// The scene objects with the game's own files: the generated kid, tree and
// ground models and the game's shader programs, loaded from a copy of the
// run directory and drawn off screen.
#include "SceneTestSupport.h"
#include "assets/SkinnedModel.h"
#include "assets/StaticModel.h"
#include "render/GpuStaticModel.h"
#include "render/ModelDraw.h"
#include "render/Renderer.h"
#include "render/Uniforms.h"
#include "scene/AnimatedObject.h"
#include "scene/Object.h"
#include "scene/Tree.h"
#include "support/RunDir.h"

namespace dusk::test {
namespace {

using scene::AnimatedObject;
using scene::Object;
using scene::Tree;

// A camera six units in front of the point, a little above it.
mat4 lookingAt(const vec3& point) {
    return perspective(1.0471976f, 1.0f, 0.1f, 1000.0f) *
           lookAt(point + vec3(0.0f, 1.5f, 6.0f), point + vec3(0.0f, 1.0f, 0.0f), vec3(0, 1, 0));
}

class GameArtTest : public SceneGlTest {
protected:
    void SetUp() override {
        SceneGlTest::SetUp();
        cwd = std::make_unique<ScopedCwd>(run.path());
    }
    void TearDown() override {
        cwd.reset();
        SceneGlTest::TearDown();
    }

    std::unique_ptr<ShaderProgram> gameProgram(const std::string& vertex,
                                               const std::string& fragment) {
        auto program = std::make_unique<ShaderProgram>("Duskhollow/Shader/" + vertex,
                                                       "Duskhollow/Shader/" + fragment);
        // Keep the shadow sampler off the colour texture's unit.
        glUseProgram(program->id());
        setUniform(program->id(), "shadowMap", 1);
        return program;
    }

    static std::shared_ptr<StaticModel> staticModel(const std::string& model,
                                                    const std::string& texture) {
        auto loaded = std::make_shared<StaticModel>();
        loaded->load(model, texture);
        return loaded;
    }

    RunDir run;
    std::unique_ptr<ScopedCwd> cwd;
};

TEST_F(GameArtTest, GameKidFitsTheShaderIsPosedByItsWalkAndATerrifiedKidStandsStill) {
    auto skinning = gameProgram("skinning.vert", "basic.frag");
    auto model = std::make_shared<SkinnedModel>();
    testing::internal::CaptureStdout();
    model->load("Model/Object/animTest2.dae");
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(said.find("Error"), std::string::npos) << said;
    ASSERT_GT(model->boneCount, 1u);
    ASSERT_LT(static_cast<int>(model->boneCount), activeUniformArraySize(skinning->id(), "gBones"));

    std::vector<mat4> pose;
    model->boneTransforms(0.3f, pose);
    ASSERT_EQ(pose.size(), model->boneCount);
    EXPECT_GT(
        std::count_if(pose.begin(), pose.end(), [](const mat4& m) { return m != mat4(1.0f); }), 0)
        << "the animation moved no bone";

    Random random;
    AnimatedObject kid(model, *physics, random);
    kid.update(random);
    kid.setActive(false);
    const mat4 stoodAt = kid.modelMatrix;
    for (int i = 0; i < 10; ++i) {
        kid.update(random);
        physics->step(1.0f / 60.0f);
    }
    EXPECT_EQ(kid.modelMatrix, stoodAt);
}

TEST_F(GameArtTest, ModelDrawsWithTheGivenProgramMatrixAndTextureUnitZero) {
    auto basic = gameProgram("basic.vert", "basic.frag");
    auto depth = gameProgram("DepthRTT.vertexshader", "DepthRTT.fragmentshader");
    Random random;
    Tree tree(staticModel("Model/Object/tree1.obj", "Model/Image/tree1.png"), *physics, random);

    OffscreenTarget target;
    ASSERT_TRUE(target.complete());
    glUseProgram(basic->id());
    setUniform(basic->id(), "color_texture", 5);
    setUniform(basic->id(), "view_proj", lookingAt(vec3(tree.modelMatrix[3]) + vec3(0, 3, 0)));
    const GpuStaticModel treeModel(*tree.model);
    EXPECT_GT(samplesPassed([&] { drawModel(*basic, treeModel, tree.modelMatrix); }), 50u);
    EXPECT_EQ(readUniformMatrix(basic->id(), "model"), tree.modelMatrix);
    EXPECT_EQ(readUniformInt(basic->id(), "color_texture"), 0);

    drawModel(*depth, treeModel, tree.modelMatrix);
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(GLuint(current), depth->id());
    EXPECT_EQ(readUniformMatrix(depth->id(), "model"), tree.modelMatrix);

    // Without a texture of its own the model still says unit 0.
    const auto bare = staticModel("Model/Object/tree3.obj", "Model/Image/missing.png");
    glUseProgram(basic->id());
    setUniform(basic->id(), "color_texture", 3);
    drawModel(*basic, GpuStaticModel(*bare), mat4(1.0f));
    EXPECT_EQ(readUniformInt(basic->id(), "color_texture"), 0);
    EXPECT_EQ(drainGlErrors(), 0);
}

// The depth pass sends the flat ground (facing straight up at height 0)
// behind the far plane. Trees stand at height 0 too, moved only along x and
// z: a tree vertex that met the rule would leave a hole in its shadow. The
// shader itself judges every vertex of the shipped art, its gl_Position read
// back through transform feedback.
TEST_F(GameArtTest, TheDepthPassDropsTheFlatGroundButNoTreeVertex) {
    auto depth = gameProgram("DepthRTT.vertexshader", "DepthRTT.fragmentshader");
    const char* position = "gl_Position";
    glTransformFeedbackVaryings(depth->id(), 1, &position, GL_INTERLEAVED_ATTRIBS);
    glLinkProgram(depth->id());
    GLint linked = 0;
    glGetProgramiv(depth->id(), GL_LINK_STATUS, &linked);
    ASSERT_TRUE(linked);
    glUseProgram(depth->id());
    setUniform(depth->id(), "depth_view_proj", mat4(1.0f));

    // How many of the object's drawn vertices went behind the far plane.
    auto dropped = [&](const Object& object, size_t& drawn) {
        drawn = 0;
        for (const SubMesh& sub : object.model->subMeshes) {
            drawn += sub.indexCount;
        }
        GLuint buffer = 0;
        glGenBuffers(1, &buffer);
        glBindBufferBase(GL_TRANSFORM_FEEDBACK_BUFFER, 0, buffer);
        glBufferData(GL_TRANSFORM_FEEDBACK_BUFFER, GLsizeiptr(drawn * sizeof(vec4)), nullptr,
                     GL_STATIC_READ);
        // drawModel's own steps: the program cannot change during feedback.
        const GpuStaticModel model(*object.model);
        setUniform(depth->id(), "model", object.modelMatrix);
        glEnable(GL_RASTERIZER_DISCARD);
        glBeginTransformFeedback(GL_TRIANGLES);
        model.draw();
        glEndTransformFeedback();
        glDisable(GL_RASTERIZER_DISCARD);
        std::vector<vec4> out(drawn);
        glGetBufferSubData(GL_TRANSFORM_FEEDBACK_BUFFER, 0, GLsizeiptr(drawn * sizeof(vec4)),
                           out.data());
        glDeleteBuffers(1, &buffer);
        return std::count(out.begin(), out.end(), vec4(0.0f, 0.0f, 2.0f, 1.0f));
    };
    size_t drawn = 0;
    Object ground(staticModel("Model/Object/ground20.obj", "Model/Image/ground19.jpg"), mat4(1.0f));
    EXPECT_GT(dropped(ground, drawn), 0) << "the rule must still find the ground";
    ASSERT_GT(drawn, 0u);
    for (const char* file : {"Model/Object/tree1.obj", "Model/Object/tree3.obj"}) {
        Tree tree(staticModel(file, "Model/Image/tree1.png"),
                  translate(mat4(1.0f), vec3(7.0f, 0.0f, -3.0f)));
        EXPECT_EQ(dropped(tree, drawn), 0) << file;
        EXPECT_GT(drawn, 100u) << file;
    }
    EXPECT_EQ(drainGlErrors(), 0);
}

}  // namespace
}  // namespace dusk::test
