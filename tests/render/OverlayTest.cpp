// The scene target and the screen pass: sizes and completeness, the quad,
// the lens-flare look at full and at no health, and the game-over picture.
#include <Magick++.h>
#include <unistd.h>

#include <csignal>
#include <vector>

#include "RenderTestSupport.h"
#include "assets/Image.h"
#include "render/RenderTarget.h"
#include "render/ScreenOverlay.h"
#include "render/Uniforms.h"
#include "support/RunDir.h"

namespace dusk::test {
namespace {

using RenderTargetTest = RenderTest;

TEST_F(RenderTargetTest, texturesHaveTheTargetSizeAndTheTargetIsComplete) {
    const RenderTarget target(200, 120);
    GLint bound = -1;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    EXPECT_EQ(bound, 0) << "the window's framebuffer is bound again";
    for (GLuint texture : {target.colorTexture(), target.depthTexture()}) {
        GLint w = 0, h = 0;
        glBindTexture(GL_TEXTURE_2D, texture);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
        EXPECT_EQ(w, 200);
        EXPECT_EQ(h, 120);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer());
    EXPECT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), GLenum(GL_FRAMEBUFFER_COMPLETE));
    GLint depthBits = 0;
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT,
                                          GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE, &depthBits);
    EXPECT_GE(depthBits, 24);
    EXPECT_EQ(drainGlErrors(), 0);
}

TEST_F(RenderTargetTest, anIncompleteTargetSaysSoAndAborts) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The message goes to standard output; the death test reads standard error.
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            RenderTarget target(0, 0);
        },
        ::testing::KilledBySignal(SIGABRT), "Error! FrameBuffer is not complete");
}

// A 32 x 32 scene (blue, with its top-right quarter red) shown through the
// overlay into a 32 x 32 screen target.
class OverlayTest : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        programs = std::make_unique<GamePrograms>();
        scene = std::make_unique<RenderTarget>(32, 32);
        screen = std::make_unique<RenderTarget>(32, 32);
        glViewport(0, 0, 32, 32);
        glBindFramebuffer(GL_FRAMEBUFFER, scene->framebuffer());
        glClearColor(sceneBlue.r, sceneBlue.g, sceneBlue.b, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glEnable(GL_SCISSOR_TEST);
        glScissor(16, 16, 16, 16);
        glClearColor(0.9f, 0.1f, 0.1f, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glDisable(GL_SCISSOR_TEST);
        glBindFramebuffer(GL_FRAMEBUFFER, screen->framebuffer());
    }
    std::unique_ptr<ScreenOverlay> makeOverlay() {
        return std::make_unique<ScreenOverlay>(programs->all[LensFlare].get(),
                                               scene->colorTexture(), scene->depthTexture());
    }
    // The transparency flag as the last draw left it in the program.
    int flag(const ScreenOverlay& overlay) {
        const GLuint p = overlay.program->id();
        GLint value = -1;
        glGetUniformiv(p, glGetUniformLocation(p, "transparencyFlag"), &value);
        return value;
    }

    const vec3 sceneBlue{0.2f, 0.6f, 0.9f};
    std::unique_ptr<GamePrograms> programs;
    std::unique_ptr<RenderTarget> scene, screen;
};

std::vector<float> bufferContents(GLuint buffer) {
    GLint bytes = 0;
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &bytes);
    std::vector<float> data(static_cast<size_t>(bytes) / sizeof(float));
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, bytes, data.data());
    return data;
}

TEST_F(OverlayTest, holdsTheQuadStartsTransparentAndLeavesItsArrayBound) {
    const ScopedCwd cwd(DUSK_RUN_DIR);
    const auto overlay = makeOverlay();
    GLint array = 0;
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &array);
    EXPECT_EQ(static_cast<GLuint>(array), overlay->vertexArray.get());
    EXPECT_EQ(flag(*overlay), 1);

    const std::vector<float> positions = {-1, -1, 0, 1, -1, 0, -1, 1, 0,
                                          -1, 1,  0, 1, -1, 0, 1,  1, 0};
    const std::vector<float> uvs = {0, 0, 1, 0, 0, 1, 0, 1, 1, 0, 1, 1};
    EXPECT_EQ(bufferContents(overlay->positionBuffer.get()), positions);  // 72 bytes
    EXPECT_EQ(bufferContents(overlay->uvBuffer.get()), uvs);              // 48 bytes
    EXPECT_EQ(drainGlErrors(), 0);
}

TEST_F(OverlayTest, healthDrainsColourAndClosesInDarkRedFromTheEdges) {
    const ScopedCwd cwd(DUSK_RUN_DIR);
    const auto overlay = makeOverlay();
    overlay->setTransparencyFlag(0);
    overlay->draw(1.0f);
    const vec4 clean = readPixel(8, 8);
    EXPECT_NEAR(clean.r, sceneBlue.r, 1.5f / 255);
    EXPECT_NEAR(clean.g, sceneBlue.g, 1.5f / 255);
    EXPECT_NEAR(clean.b, sceneBlue.b, 1.5f / 255);
    EXPECT_GT(readPixel(24, 24).r, 0.85f) << "the scene's top right stays top right";
    const vec4 cleanCorner = readPixel(0, 0);
    EXPECT_NEAR(cleanCorner.b, sceneBlue.b, 1.5f / 255) << "full health: no red frame";

    overlay->draw(0.0f);
    const vec4 centre = readPixel(14, 14), corner = readPixel(0, 0), edge = readPixel(0, 14);
    EXPECT_NEAR(centre.r, centre.g, 2.0f / 255) << "no health: the centre is grey";
    EXPECT_NEAR(centre.g, centre.b, 2.0f / 255);
    for (const vec4& c : {corner, edge}) {
        EXPECT_GT(c.r, 0.15f);
        EXPECT_LT(c.r, 0.5f) << "dark red";
        EXPECT_LT(c.g + c.b, 0.2f * c.r);
    }

    overlay->draw(0.5f);
    const vec4 half = readPixel(8, 8);
    EXPECT_GT(half.b - half.r, 0.1f) << "half health keeps some colour";
    EXPECT_LT(half.b - half.r, clean.b - clean.r);
    EXPECT_EQ(drainGlErrors(), 0);
}

TEST_F(OverlayTest, transparencySwitchesAVisibleGrade) {
    const ScopedCwd cwd(DUSK_RUN_DIR);
    const auto overlay = makeOverlay();
    overlay->draw(1.0f);
    const vec4 on = readPixel(0, 0);
    overlay->setTransparencyFlag(0);
    overlay->draw(1.0f);
    const vec4 off = readPixel(0, 0);
    EXPECT_GT(glm::length(vec3(off) - vec3(on)), 0.15f);
}

class GameOverTest : public OverlayTest {
protected:
    // A picture whose top half is red and bottom half green.
    void writePicture() {
        initImageLibrary();
        Magick::Image picture(Magick::Geometry(8, 8), Magick::Color("green"));
        picture.fillColor(Magick::Color("red"));
        picture.draw(Magick::DrawableRectangle(0, 0, 7, 3));
        picture.write(run.file("Textures/gameOverScreen.png").string());
    }
    RunDir run;
};

TEST_F(GameOverTest, showsThePictureUprightAndUnalteredThenRestoresTheOverlay) {
    writePicture();
    const ScopedCwd cwd(run.path());
    const auto overlay = makeOverlay();
    ASSERT_NE(overlay->gameOverPicture->name(), 0u);
    for (int before : {1, 0}) {
        overlay->setTransparencyFlag(before);
        glClear(GL_COLOR_BUFFER_BIT);
        overlay->drawGameOver();
        const vec4 top = readPixel(16, 28), bottom = readPixel(16, 3);
        EXPECT_GT(top.r, 0.95f);
        EXPECT_LT(top.g, 0.05f);
        EXPECT_LT(bottom.r, 0.05f);
        EXPECT_GT(bottom.g, 0.45f);
        EXPECT_EQ(overlay->transparencyFlag(), before);
        overlay->draw(1.0f);
        EXPECT_EQ(flag(*overlay), before) << "the next draw has the flag back";
        GLint texture = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        EXPECT_EQ(static_cast<GLuint>(texture), scene->colorTexture());
    }
    EXPECT_EQ(drainGlErrors(), 0);
}

}  // namespace
}  // namespace dusk::test
