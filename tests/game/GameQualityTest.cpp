// Graphics quality in the real game: Fast draws the very picture of Exact
// frame by frame, also across a wireframe toggle and mipmap changes made
// with the real keys; Low halves the shadow map and changes little else.
#include <cmath>
#include <vector>

#include "GameFixture.h"
#include "app/MainLoop.h"
#include "app/Settings.h"
#include "render/RenderTarget.h"
#include "render/ScreenOverlay.h"
#include "render/ShadowTarget.h"
#include "settings/SettingsStore.h"

namespace dusk::test {

class GameQualityTest : public GameFixture {
protected:
    int freeDrawsSeen = 0;
    int litDrawsSeen = 0;

    void TearDown() override {
        settings::reset();
        GameFixture::TearDown();
    }

    // One frame from a fixed pose, without an update: nothing moves between
    // the runs that are compared.
    std::vector<unsigned char> frameFrom(int pose) {
        const vec3 eyes[] = {{-7.0f, 2.5f, 1.0f}, {10.0f, 4.0f, -12.0f}, {-20.0f, 3.0f, 15.0f}};
        const float headings[] = {2.0f, -0.7f, 3.6f};
        const vec3 eye = eyes[pose];
        const vec3 ahead(std::sin(headings[pose]), -0.2f, std::cos(headings[pose]));
        world().camera.viewMatrix = lookAt(eye, eye + ahead, vec3(0.0f, 1.0f, 0.0f));
        renderFrame();
        freeDrawsSeen += session->renderer().lanternFreeDraws();
        litDrawsSeen += session->renderer().lanternLitDraws();
        std::vector<unsigned char> pixels(1280 * 720 * 4);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
        glReadPixels(0, 0, 1280, 720, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    void tap(const std::string& key, int glfwKey) {
        pressKey(key, glfwKey);
        ::testing::internal::CaptureStdout();
        session->handleKeys();
        ::testing::internal::GetCapturedStdout();
        releaseKey(key, glfwKey);
    }

    // The same frames and key presses; every key ends where it started.
    std::vector<std::vector<unsigned char>> playScript(GraphicsQuality quality) {
        settings::current().graphicsQuality = quality;
        const struct {
            const char* key;
            int glfwKey;
            int pose;
        } steps[] = {
            {nullptr, 0, 0},        {nullptr, 0, 1}, {"F3", GLFW_KEY_F3, 1}, {nullptr, 0, 2},
            {"F3", GLFW_KEY_F3, 2}, {nullptr, 0, 0}, {"F5", GLFW_KEY_F5, 0}, {nullptr, 0, 1},
            {"F5", GLFW_KEY_F5, 2}, {nullptr, 0, 0}, {"F5", GLFW_KEY_F5, 1}, {nullptr, 0, 2},
        };
        std::vector<std::vector<unsigned char>> frames;
        for (const auto& step : steps) {
            if (step.key != nullptr) {
                tap(step.key, step.glfwKey);
            }
            frames.push_back(frameFrom(step.pose));
            // The window shows the scene texture one to one, so its mip
            // levels never reach the picture here: compare them directly
            // while the filter samples them.
            if (mipmapMode != -1) {
                appendLevelOne(frames.back());
            }
        }
        return frames;
    }

    void appendLevelOne(std::vector<unsigned char>& into) {
        std::vector<unsigned char> level(640 * 360 * 4);
        glBindTexture(GL_TEXTURE_2D, session->renderer().sceneTarget().colorTexture);
        glGetTexImage(GL_TEXTURE_2D, 1, GL_RGBA, GL_UNSIGNED_BYTE, level.data());
        into.insert(into.end(), level.begin(), level.end());
    }

    static size_t differingPixels(const std::vector<unsigned char>& a,
                                  const std::vector<unsigned char>& b) {
        size_t count = 0;
        for (size_t i = 0; i < a.size(); i += 4) {
            count += a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2];
        }
        return count;
    }

    GLint shadowMapWidth() {
        glActiveTexture(GL_TEXTURE1);
        glBindTexture(GL_TEXTURE_2D, session->renderer().shadowMap().depthTexture);
        GLint width = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glActiveTexture(GL_TEXTURE0);
        return width;
    }
};

TEST_F(GameQualityTest, FastDrawsTheExactPictureThroughWireframeAndMipmapChanges) {
    session->step(1.0f / 60.0f);  // the kids' lanterns where they stand
    frameFrom(0);                 // the scene texture's own filter gives way to the game's
    const auto exact = playScript(GraphicsQuality::Exact);
    ASSERT_EQ(mipmapMode, -1);
    ASSERT_FALSE(wireframeMode);
    const auto fast = playScript(GraphicsQuality::Fast);
    for (size_t i = 0; i < exact.size(); ++i) {
        ASSERT_EQ(exact[i].size(), fast[i].size());
        EXPECT_EQ(differingPixels(exact[i], fast[i]), 0u) << "frame " << i;
    }
    EXPECT_NE(differingPixels(exact[1], exact[3]), 0u) << "the script shows different frames";
    ASSERT_NE(session->renderer().overlay().fullHealthProgram, nullptr)
        << "full health: the cheaper screen pass";
    // Both lit programs drew: some trees and ground near a lantern, some not.
    EXPECT_GT(freeDrawsSeen, 0);
    EXPECT_GT(litDrawsSeen, 0);
    EXPECT_EQ(reportGlErrors(), 0);
}

TEST_F(GameQualityTest, LowHalvesTheShadowMapAndChangesOnlyAFewPixels) {
    frameFrom(0);
    const auto exact = frameFrom(0);
    EXPECT_EQ(shadowMapWidth(), 4096);
    settings::current().graphicsQuality = GraphicsQuality::Low;
    frameFrom(0);
    const auto low = frameFrom(0);
    EXPECT_EQ(shadowMapWidth(), 2048);
    const size_t changed = differingPixels(exact, low);
    EXPECT_GT(changed, 0u) << "shadow edges come from the coarser map";
    // Measured: about 4.6%, along the edges of the shadows only.
    EXPECT_LT(changed, 1280u * 720u / 10u) << "the shadows are where they were";

    settings::current().graphicsQuality = GraphicsQuality::Exact;
    EXPECT_EQ(differingPixels(exact, frameFrom(0)), 0u) << "back to the full map at once";
    EXPECT_EQ(shadowMapWidth(), 4096);
    EXPECT_EQ(reportGlErrors(), 0);
}

// While paused nothing moves, but the picture still follows the settings: a
// wider field of view shows at once, and Fast's culling agrees with it.
TEST_F(GameQualityTest, WhilePausedAFieldOfViewChangeShowsAtOnceAndFastStaysExact) {
    session->step(1.0f / 60.0f);
    session->setPaused(true);
    const auto window = [this] {
        renderFrame();
        std::vector<unsigned char> pixels(1280 * 720 * 4);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
        glReadPixels(0, 0, 1280, 720, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    };
    session->runFrame();
    const auto before = window();
    settings::current().fieldOfView = 90.0;
    session->runFrame();
    const auto exact = window();
    EXPECT_GT(differingPixels(before, exact), 1280u * 720u / 10u) << "the wider view shows";
    settings::current().graphicsQuality = GraphicsQuality::Fast;
    session->runFrame();
    EXPECT_EQ(differingPixels(exact, window()), 0u);
    EXPECT_TRUE(session->isPaused());
}

}  // namespace dusk::test
