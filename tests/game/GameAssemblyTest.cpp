#include "GameFixture.h"
#include "render/ScreenOverlay.h"
#include "render/ShaderProgram.h"
#include "scene/AnimatedObject.h"
#include "scene/DirectionalLight.h"
#include "scene/PointLight.h"
#include "scene/SkyBox.h"
#include "scene/Tree.h"

namespace dusk::test {

using AssemblyTest = GameFixture;

TEST_F(AssemblyTest, ProgramsAreMadeInOrderAndSharedByTheirUsers) {
    ASSERT_EQ(game->programs.size(), 5u);
    EXPECT_EQ(game->programs[0], game->basicProgram);
    EXPECT_EQ(game->programs[3], game->depthProgram);
    EXPECT_EQ(game->programs[4], game->lensFlareProgram);
    EXPECT_EQ(game->kids[0]->program, game->programs[1]) << "kids draw with the skinning program";
    EXPECT_EQ(game->skyBox->program, game->programs[2]) << "the sky draws with the sky program";
    EXPECT_EQ(game->ground->program, game->basicProgram);
    EXPECT_EQ(game->directionalLight->programs, game->programs);
    EXPECT_EQ(game->overlay->program, game->lensFlareProgram);
}

TEST_F(AssemblyTest, BuildsTenKidsTenLightsAndSeventyTrees) {
    ASSERT_EQ(game->kids.size(), 10u);
    ASSERT_EQ(game->pointLights.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(game->pointLights[i]->index, i);
        EXPECT_TRUE(game->kids[i]->isActive());
        EXPECT_EQ(game->kids[i]->model, game->kids[0]->model) << "copies share one model";
    }
    ASSERT_EQ(game->trees.size(), 70u);
    for (int i = 0; i < 70; ++i) {
        const bool firstKind = game->trees[i]->model == game->trees[0]->model;
        EXPECT_EQ(firstKind, i < 40) << "tree " << i;
    }
    EXPECT_NE(game->trees[40]->model, game->trees[0]->model);
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
    EXPECT_FLOAT_EQ(game->health / game->maxHealth, 1.0f);
    EXPECT_FLOAT_EQ(game->magic, 20000.0f);
    EXPECT_EQ(game->width, 1280);
    EXPECT_EQ(game->height, 720);
}

TEST_F(AssemblyTest, ShadowFramebufferIsCompleteAndLeftBound) {
    GLint bound = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), game->shadowFramebuffer);
    EXPECT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER),
              static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    glBindTexture(GL_TEXTURE_2D, game->shadowDepthTexture);
    GLint width = 0;
    GLint mode = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, &mode);
    EXPECT_EQ(width, 4096);
    EXPECT_EQ(mode, GL_COMPARE_REF_TO_TEXTURE);
}

}  // namespace dusk::test
