// Graphics quality in the real game: Fast draws the very picture of Exact
// frame by frame (sight areas on), also across a wireframe toggle and mipmap
// changes made with the real keys, where two trees cross and with every
// lantern in view; Low draws with a quarter of the shadow map's side at
// half the window's size, and a render scale fills the whole window.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "GameFixture.h"
#include "app/FramePacing.h"
#include "assets/StaticModel.h"
#include "math/Sphere.h"
#include "render/RenderTarget.h"
#include "render/ScreenOverlay.h"
#include "render/ShadowTarget.h"
#include "settings/SettingsStore.h"

namespace dusk::test {

class GameQualityTest : public GameFixture {
protected:
    int freeDrawsSeen = 0;
    int litDrawsSeen = 0;
    int lanternsSentSeen = 0;
    int fewestKidsDrawn = scene::World::kidCount;
    int treesLeftOut = 0;  // of those in the 50-unit culling spheres' view

    struct View {
        vec3 eye;
        vec3 target;
    };

    // Two trees of the forest that cross the deepest, seen across the line
    // between them: where their surfaces meet, pixels of equal depth.
    View crossingTrees() {
        Sphere best[2];
        float deepest = -1e9f;
        const auto& trees = world().trees;
        for (size_t i = 0; i < trees.size(); ++i) {
            for (size_t j = i + 1; j < trees.size(); ++j) {
                const Sphere a = trees[i]->model->bounds.placedBy(trees[i]->modelMatrix);
                const Sphere b = trees[j]->model->bounds.placedBy(trees[j]->modelMatrix);
                const float depth = a.radius + b.radius - glm::length(a.centre - b.centre);
                if (depth > deepest) {  // the pair in one order, whatever the trees'
                    deepest = depth;
                    best[0] = a.centre.x < b.centre.x ? a : b;
                    best[1] = a.centre.x < b.centre.x ? b : a;
                }
            }
        }
        const vec3 middle = 0.5f * (best[0].centre + best[1].centre);
        const vec3 across =
            glm::normalize(glm::cross(best[1].centre - best[0].centre, vec3(0.0f, 1.0f, 0.0f)));
        return {middle + across * (best[0].radius + best[1].radius), middle};
    }

    // Above and behind the lanterns' middle, far enough to see all of them.
    View everyLantern() {
        vec3 middle(0.0f);
        for (const vec3& lantern : world().lanterns) {
            middle += lantern / static_cast<float>(world().lanterns.size());
        }
        float spread = 0.0f;
        for (const vec3& lantern : world().lanterns) {
            spread = std::max(spread, glm::length(lantern - middle));
        }
        return {middle + glm::normalize(vec3(-0.4f, 0.9f, -1.0f)) * (2.2f * spread + 4.0f), middle};
    }

    View view(int pose) {
        if (pose == 3) {
            return crossingTrees();
        }
        if (pose == 4) {
            return everyLantern();
        }
        const vec3 eyes[] = {{-7.0f, 2.5f, 1.0f}, {10.0f, 4.0f, -12.0f}, {-20.0f, 3.0f, 15.0f}};
        const float headings[] = {2.0f, -0.7f, 3.6f};
        const vec3 eye = eyes[pose];
        return {eye, eye + vec3(std::sin(headings[pose]), -0.2f, std::cos(headings[pose]))};
    }

    // One frame from a fixed pose, without an update: nothing moves between
    // the runs that are compared. Poses 0-2 look over the forest, 3 at two
    // trees crossing, 4 at every lantern.
    std::vector<unsigned char> frameFrom(int pose, bool paintWindowFirst = false) {
        const View seen = view(pose);
        world().camera.viewMatrix = lookAt(seen.eye, seen.target, vec3(0.0f, 1.0f, 0.0f));
        if (paintWindowFirst) {  // magenta wherever the frame leaves a pixel alone
            glBindFramebuffer(GL_FRAMEBUFFER, 0);
            glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT);
        }
        renderFrame();
        freeDrawsSeen += session->renderer().lanternFreeDraws();
        litDrawsSeen += session->renderer().lanternLitDraws();
        lanternsSentSeen += session->renderer().lanternsSent();
        fewestKidsDrawn = std::min(fewestKidsDrawn, session->renderer().kidsDrawn());
        treesLeftOut += session->renderer().treesInView() - session->renderer().treesDrawn();
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
        session->settings().graphicsQuality = quality;
        const struct {
            const char* key;
            int glfwKey;
            int pose;
        } steps[] = {
            {nullptr, 0, 0},        {nullptr, 0, 1}, {"F3", GLFW_KEY_F3, 1}, {nullptr, 0, 2},
            {"F3", GLFW_KEY_F3, 2}, {nullptr, 0, 0}, {"F5", GLFW_KEY_F5, 0}, {nullptr, 0, 1},
            {"F5", GLFW_KEY_F5, 2}, {nullptr, 0, 0}, {"F5", GLFW_KEY_F5, 1}, {nullptr, 0, 2},
            {nullptr, 0, 3},        {nullptr, 0, 4},
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
            if (session->toggles().value(DebugToggles::Mipmap) != -1) {
                appendLevelOne(frames.back());
            }
        }
        return frames;
    }

    void appendLevelOne(std::vector<unsigned char>& into) {
        std::vector<unsigned char> level(640 * 360 * 4);
        glBindTexture(GL_TEXTURE_2D, session->renderer().sceneTarget().colorTexture());
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

    struct Band {
        const char* name;
        int x, y, width, height;
    };
    // Strips along the window's four edges, where a picture that does not
    // fill the window would show the clear colour or nothing.
    static std::vector<Band> edgeBands() {
        return {{"left", 0, 0, 24, 720},
                {"right", 1256, 0, 24, 720},
                {"bottom", 0, 0, 1280, 24},
                {"top", 0, 696, 1280, 24}};
    }

    static size_t magentaPixels(const std::vector<unsigned char>& frame) {
        size_t count = 0;
        for (size_t i = 0; i < frame.size(); i += 4) {
            count += frame[i] == 255 && frame[i + 1] == 0 && frame[i + 2] == 255;
        }
        return count;
    }

    // The mean difference of the colour channels inside the band, 0..255.
    static double meanDifference(const std::vector<unsigned char>& a,
                                 const std::vector<unsigned char>& b, const Band& band) {
        double sum = 0.0;
        for (int y = band.y; y < band.y + band.height; ++y) {
            for (int x = band.x; x < band.x + band.width; ++x) {
                const size_t at = (static_cast<size_t>(y) * 1280 + static_cast<size_t>(x)) * 4;
                for (size_t c = 0; c < 3; ++c) {
                    sum += std::abs(int(a[at + c]) - int(b[at + c]));
                }
            }
        }
        return sum / (3.0 * band.width * band.height);
    }

    GLint shadowMapWidth() {
        glActiveTexture(GL_TEXTURE1);
        glBindTexture(GL_TEXTURE_2D, session->renderer().shadowMap().depthTexture());
        GLint width = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glActiveTexture(GL_TEXTURE0);
        return width;
    }
};

TEST_F(GameQualityTest, FastDrawsTheExactPictureThroughWireframeAndMipmapChanges) {
    session->settings().sightAreas = true;  // the areas on the ground draw alike too
    // The kids in a crowd whose lanterns' pools overlap, four units apart.
    for (int i = 0; i < scene::World::kidCount; ++i) {
        const int row = i < 4 ? 0 : i < 7 ? 1 : 2;
        const int column = i < 4 ? i : i < 7 ? i - 4 : i - 7;
        placeKid(i, 4.0f * static_cast<float>(column) - (row == 0 ? 6.0f : 4.0f),
                 4.0f * static_cast<float>(row) - 4.0f, 0.7f * static_cast<float>(i));
    }
    session->step(1.0f / 60.0f);  // the kids' lanterns where they stand
    frameFrom(0);                 // the scene texture's own filter gives way to the game's
    const auto exact = playScript(GraphicsQuality::Exact);
    ASSERT_EQ(session->toggles().value(DebugToggles::Mipmap), -1);
    ASSERT_FALSE(session->toggles().on(DebugToggles::Wireframe));
    EXPECT_EQ(fewestKidsDrawn, scene::World::kidCount) << "Exact draws every kid";
    EXPECT_LT(treesLeftOut, 0) << "and every tree, also those out of view";
    treesLeftOut = 0;
    const auto fast = playScript(GraphicsQuality::Fast);
    EXPECT_LT(fewestKidsDrawn, scene::World::kidCount) << "Fast leaves out kids out of view";
    EXPECT_GT(treesLeftOut, 0) << "and trees their own ball puts out of view";
    for (size_t i = 0; i < exact.size(); ++i) {
        ASSERT_EQ(exact[i].size(), fast[i].size());
        EXPECT_EQ(differingPixels(exact[i], fast[i]), 0u) << "frame " << i;
    }
    EXPECT_NE(differingPixels(exact[1], exact[3]), 0u) << "the script shows different frames";
    EXPECT_EQ(session->renderer().kidsDrawn(), scene::World::kidCount) << "pose 4 shows every kid";
    ASSERT_EQ(world().lanterns.size(), size_t{scene::World::kidCount});
    const mat4 viewProj = session->renderer().viewProjection(world().camera, 1.0471975803375244f);
    for (const vec3& lantern : world().lanterns) {
        const vec4 clip = viewProj * vec4(lantern, 1.0f);
        EXPECT_LT(std::max(std::abs(clip.x), std::abs(clip.y)), 0.9f * clip.w) << "in view";
    }
    // At pose 3 the trees drawn in the other order change pixels: there are
    // ties of equal depth there, which the order of the draws decides.
    session->settings().graphicsQuality = GraphicsQuality::Exact;
    std::reverse(world().trees.begin(), world().trees.end());
    const size_t ties = differingPixels(exact[12], frameFrom(3));
    std::reverse(world().trees.begin(), world().trees.end());
    EXPECT_GT(ties, 0u);
    ASSERT_NE(session->renderer().overlay().fullHealthProgram, nullptr)
        << "full health: the cheaper screen pass";
    // Both lit programs drew: some trees and ground near a lantern, some not.
    EXPECT_GT(freeDrawsSeen, 0);
    EXPECT_GT(litDrawsSeen, 0);
    // Each lit draw summed only the lanterns that reach it, not all ten.
    EXPECT_GT(lanternsSentSeen, 0);
    EXPECT_LT(lanternsSentSeen, litDrawsSeen * scene::World::kidCount);
    EXPECT_EQ(reportGlErrors(), 0);
}

TEST_F(GameQualityTest, LowDrawsHalfSizeWithASmallerMapOverTheWholeWindow) {
    frameFrom(0);
    const auto exact = frameFrom(0);
    EXPECT_EQ(shadowMapWidth(), 4096);
    session->settings().graphicsQuality = GraphicsQuality::Low;
    frameFrom(0);
    const auto low = frameFrom(0);
    EXPECT_EQ(shadowMapWidth(), 1024);
    EXPECT_EQ(session->renderer().sceneTarget().size(), (RenderTarget::Size{640, 360}));
    EXPECT_GT(differingPixels(exact, low), 0u) << "a coarser picture";
    // Scaled up to every pixel of the window: none is left as it was, and
    // each band along the edges looks as it does at full size (measured:
    // under 1.6 on the 0..255 scale).
    EXPECT_EQ(magentaPixels(frameFrom(0, true)), 0u);
    for (const Band& band : edgeBands()) {
        EXPECT_LT(meanDifference(exact, low, band), 4.0) << band.name;
    }
    session->settings().renderScale = 1.0;  // the player's scale holds at Low
    frameFrom(0);
    EXPECT_EQ(session->renderer().sceneTarget().size(), (RenderTarget::Size{1280, 720}));
    EXPECT_EQ(reportGlErrors(), 0);
}

TEST_F(GameQualityTest, ScaleOneIsTheFullSizePictureAgainAfterASmallerOne) {
    frameFrom(1);
    const auto exact = frameFrom(1);
    const int treesInView = session->renderer().treesInView();
    session->settings().graphicsQuality = GraphicsQuality::Fast;
    for (const double scale : {0.75, 0.5, 0.6}) {
        session->settings().renderScale = scale;
        const auto scaled = frameFrom(1, true);
        EXPECT_EQ(session->renderer().treesInView(), treesInView)
            << scale << ": the view is the window's, whatever the target's size";
        EXPECT_EQ(magentaPixels(scaled), 0u) << scale;
        for (const Band& band : edgeBands()) {
            EXPECT_LT(meanDifference(exact, scaled, band), 4.0) << scale << " " << band.name;
        }
    }
    session->settings().renderScale = 1.0;
    EXPECT_EQ(differingPixels(exact, frameFrom(1)), 0u) << "Fast at scale 1 is Exact's picture";
    session->settings().graphicsQuality = GraphicsQuality::Exact;
    EXPECT_EQ(differingPixels(exact, frameFrom(1)), 0u);
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
    session->settings().fieldOfView = 90.0;
    session->runFrame();
    const auto exact = window();
    EXPECT_GT(differingPixels(before, exact), 1280u * 720u / 10u) << "the wider view shows";
    session->settings().graphicsQuality = GraphicsQuality::Fast;
    session->runFrame();
    EXPECT_EQ(differingPixels(exact, window()), 0u);
    EXPECT_TRUE(session->isPaused());
}

}  // namespace dusk::test
