#include "GameFixture.h"
#include "render/ScreenOverlay.h"
#include "render/ShaderProgram.h"
#include "render/ShadowTarget.h"

namespace dusk::test {

using AssemblyTest = GameFixture;

TEST_F(AssemblyTest, EveryProgramIsLinkedAndTheOverlayDrawsWithTheLensFlareOne) {
    const Renderer& renderer = session->renderer();
    const ScenePrograms& programs = renderer.programs();
    for (const ShaderProgram* program :
         {programs.basic.get(), programs.skinning.get(), programs.sky.get(), programs.depth.get(),
          programs.lensFlare.get(), programs.upscale.get(), programs.lanternFree.get()}) {
        GLint linked = 0;
        glGetProgramiv(program->id(), GL_LINK_STATUS, &linked);
        EXPECT_TRUE(linked);
    }
    EXPECT_EQ(renderer.overlay().program, programs.lensFlare.get());
}

TEST_F(AssemblyTest, BuildsTenKidsAndSeventyTreesOnModelsLoadedOnce) {
    ASSERT_EQ(world().kids.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(kid(i).isActive());
        EXPECT_EQ(kid(i).model, kid(0).model) << "kids share one model";
    }
    ASSERT_EQ(world().trees.size(), 70u);
    for (int i = 0; i < 70; ++i) {
        const bool firstKind = world().trees[i]->model == world().trees[0]->model;
        EXPECT_EQ(firstKind, i < 40) << "tree " << i;
    }
    EXPECT_NE(world().trees[40]->model, world().trees[0]->model);
    // The player, the ground's and the sky's five planes, the kids, the trees.
    EXPECT_EQ(world().physics.bodyCount(), 1 + 5 + 5 + 10 + 70);
}

TEST_F(AssemblyTest, LoadsTheKidBeforeTheTreesAndReportsNoFailures) {
    const std::string& out = constructionOutput;
    const size_t kid = out.find("Loaded Texture: Model/Object/animTest.png");
    const size_t tree1 = out.find("Loading Model: Tree 1");
    const size_t tree3 = out.find("Loading Model: Tree 3");
    ASSERT_NE(kid, std::string::npos) << out;
    ASSERT_NE(tree1, std::string::npos) << out;
    ASSERT_NE(tree3, std::string::npos) << out;
    EXPECT_LT(kid, tree1);
    EXPECT_LT(tree1, tree3);
    EXPECT_EQ(out.find("Error"), std::string::npos) << out;
    EXPECT_EQ(out.find("error"), std::string::npos) << out;
}

TEST_F(AssemblyTest, StartsWithFullHealthAndMagic) {
    EXPECT_FLOAT_EQ(round().healthFraction(), 1.0f);
    EXPECT_FLOAT_EQ(round().magic, 20000.0f);
    EXPECT_EQ(session->renderer().width(), 1280);
    EXPECT_EQ(session->renderer().height(), 720);
}

TEST_F(AssemblyTest, ShadowFramebufferIsCompleteWithAComparingDepthTexture) {
    const ShadowTarget& shadow = session->renderer().shadowMap();
    glBindFramebuffer(GL_FRAMEBUFFER, shadow.framebuffer());
    EXPECT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER),
              static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glBindTexture(GL_TEXTURE_2D, shadow.depthTexture());
    GLint width = 0;
    GLint mode = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, &mode);
    EXPECT_EQ(width, 4096);
    EXPECT_EQ(mode, GL_COMPARE_REF_TO_TEXTURE);
}

}  // namespace dusk::test
