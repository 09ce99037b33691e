// The scene objects with the game's own files: the generated kid, tree and
// ground models and the game's shader programs, loaded from a copy of the
// run directory and drawn off screen.
#include "SceneTestSupport.h"
#include "assets/SkinnedModel.h"
#include "assets/StaticModel.h"
#include "render/Uniforms.h"
#include "scene/AnimatedObject.h"
#include "scene/Object.h"
#include "scene/Physics.h"
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
        glUseProgram(program->program);
        setUniform(program->program, "shadowMap", 1);
        return program;
    }

    RunDir run;
    std::unique_ptr<ScopedCwd> cwd;
};

TEST_F(GameArtTest, GameKidFitsTheShaderUploadsItsPoseAndIsDrawnActiveOrTerrified) {
    auto skinning = gameProgram("skinning.vert", "basic.frag");
    testing::internal::CaptureStdout();
    AnimatedObject prototype("Model/Object/animTest2.dae", mat4(1.0f), skinning.get(),
                             "Model/Object/boy_smooth.png", nullptr);
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(said.find("Warning"), std::string::npos) << said;
    ASSERT_GT(prototype.model->boneCount, 1u);
    ASSERT_LT(static_cast<int>(prototype.model->boneCount), prototype.boneCapacity);

    AnimatedObject kid(prototype);
    kid.update(1.0f / 60.0f);
    const SkinnedModel& model = *prototype.model;
    int posed = 0;
    for (uint32_t i = 0; i < model.boneCount; ++i) {
        const mat4 uploaded =
            readUniformMatrix(skinning->program, "gBones[" + std::to_string(i) + "]");
        EXPECT_EQ(uploaded, model.bones[i].finalTransform) << "bone " << i;
        posed += uploaded != mat4(1.0f) ? 1 : 0;
    }
    EXPECT_GT(posed, 0) << "the animation moved no bone";
    EXPECT_EQ(
        readUniformMatrix(skinning->program, "gBones[" + std::to_string(model.boneCount) + "]"),
        mat4(0.0f))
        << "nothing beyond the skeleton is written";

    OffscreenTarget target;
    ASSERT_TRUE(target.complete());
    glUseProgram(skinning->program);
    setUniform(skinning->program, "view_proj", lookingAt(vec3(kid.modelMatrix[3])));
    EXPECT_GT(samplesPassed([&] { kid.draw(); }), 50u);

    kid.setActive(false);
    const mat4 stoodAt = kid.modelMatrix;
    for (int i = 0; i < 10; ++i) {
        kid.update(1.0f / 60.0f);
        scene::stepPhysics(1.0f / 60.0f);
    }
    EXPECT_EQ(kid.modelMatrix, stoodAt);
    EXPECT_GT(samplesPassed([&] { kid.draw(); }), 50u) << "a terrified kid is still drawn";
    EXPECT_EQ(readUniformMatrix(skinning->program, "model"), stoodAt);
    EXPECT_EQ(drainGlErrors(), 0);
}

TEST_F(GameArtTest, ObjectDrawsWithItsCurrentProgramMatrixAndTextureUnitZero) {
    auto basic = gameProgram("basic.vert", "basic.frag");
    auto depth = gameProgram("DepthRTT.vertexshader", "DepthRTT.fragmentshader");
    Tree prototype("Model/Object/tree1.obj", mat4(1.0f), basic.get(), "Model/Image/tree1.png");
    Tree tree(prototype);
    EXPECT_EQ(tree.model, prototype.model);

    OffscreenTarget target;
    ASSERT_TRUE(target.complete());
    glUseProgram(basic->program);
    setUniform(basic->program, "color_texture", 5);
    setUniform(basic->program, "view_proj", lookingAt(vec3(tree.modelMatrix[3]) + vec3(0, 3, 0)));
    EXPECT_GT(samplesPassed([&] { tree.draw(); }), 50u);
    EXPECT_EQ(readUniformMatrix(basic->program, "model"), tree.modelMatrix);
    EXPECT_EQ(readUniformInt(basic->program, "color_texture"), 0);

    // The shadow pass swaps the program in and out.
    tree.setProgram(depth.get());
    tree.draw();
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(GLuint(current), depth->program);
    EXPECT_EQ(readUniformMatrix(depth->program, "model"), tree.modelMatrix);
    EXPECT_EQ(prototype.program, basic.get()) << "the copy's program is its own";

    // Without a texture of its own the object still says unit 0.
    Object bare("Model/Object/tree3.obj", mat4(1.0f), basic.get(), "Model/Image/missing.png");
    glUseProgram(basic->program);
    setUniform(basic->program, "color_texture", 3);
    bare.draw();
    EXPECT_EQ(readUniformInt(basic->program, "color_texture"), 0);
    EXPECT_EQ(drainGlErrors(), 0);
}

}  // namespace
}  // namespace dusk::test
