#include <algorithm>
#include <cmath>
#include <vector>

#include "GameFixture.h"
#include "app/FramePacing.h"
#include "render/RenderTarget.h"

namespace dusk::test {

class GameRenderTest : public GameFixture {
protected:
    void frame() {
        session->step(1.0f / 60.0f);
        renderFrame();
    }
    std::vector<unsigned char> screenPixels() {
        std::vector<unsigned char> pixels(1280 * 720 * 4);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
        glReadPixels(0, 0, 1280, 720, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
    GLint sceneFilter(GLenum which) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, session->renderer().sceneTarget().colorTexture());
        GLint value = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, which, &value);
        return value;
    }
};

TEST_F(GameRenderTest, SteadyFramesRaiseNoGlError) {
    for (int i = 0; i < 10; ++i) {
        frame();
        glfwSwapBuffers(window);
        glfwPollEvents();
        EXPECT_EQ(reportGlErrors(), 0) << "frame " << i;
    }
}

TEST_F(GameRenderTest, SceneTextureFiltersFollowTheSamplingSettings) {
    const struct {
        int mode;
        bool bilinear;
        GLint min;
    } table[] = {{-1, false, GL_NEAREST},
                 {-1, true, GL_LINEAR},
                 {0, false, GL_NEAREST_MIPMAP_NEAREST},
                 {0, true, GL_LINEAR_MIPMAP_NEAREST},
                 {1, false, GL_NEAREST_MIPMAP_LINEAR},
                 {1, true, GL_LINEAR_MIPMAP_LINEAR}};
    for (const auto& row : table) {
        session->toggles().set(DebugToggles::Mipmap, row.mode);
        session->toggles().set(DebugToggles::Bilinear, row.bilinear ? 1 : 0);
        frame();
        EXPECT_EQ(sceneFilter(GL_TEXTURE_MIN_FILTER), row.min) << row.mode << " " << row.bilinear;
        EXPECT_EQ(sceneFilter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    }
}

TEST_F(GameRenderTest, TreesInViewChangeAsTheCameraTurns) {
    std::vector<int> counts;
    for (int step = 0; step < 8; ++step) {
        const float angle = 0.785f * static_cast<float>(step);
        const vec3 eye(0.0f, 2.5f, 0.0f);
        world().camera.viewMatrix =
            lookAt(eye, eye + vec3(std::sin(angle), 0.0f, std::cos(angle)), vec3(0, 1, 0));
        renderFrame();
        const int inView = session->renderer().treesInView();
        EXPECT_GE(inView, 0);
        EXPECT_LE(inView, 70);
        counts.push_back(inView);
    }
    EXPECT_NE(*std::min_element(counts.begin(), counts.end()),
              *std::max_element(counts.begin(), counts.end()));
    EXPECT_LT(*std::min_element(counts.begin(), counts.end()), 70) << "some trees are behind";
}

TEST_F(GameRenderTest, WireframeFramesDifferFromFilledOnes) {
    frame();
    frame();
    const auto filled = screenPixels();
    session->toggles().set(DebugToggles::Wireframe, 1);
    frame();
    const auto lines = screenPixels();
    size_t differing = 0;
    for (size_t i = 0; i < filled.size(); i += 4) {
        if (std::abs(filled[i] - lines[i]) + std::abs(filled[i + 1] - lines[i + 1]) > 24) {
            ++differing;
        }
    }
    EXPECT_GT(differing, filled.size() / 4 / 20) << "at least 5% of the pixels change";
}

// Each frame sets the state it needs: whatever another drawer (the HUD, a
// menu, a test) left behind, the same world gives the same picture.
TEST_F(GameRenderTest, AFramesPictureDoesNotDependOnTheStateLeftBehind) {
    frame();
    renderFrame();
    const auto clean = screenPixels();
    GLuint stray = 0;
    glGenTextures(1, &stray);
    glActiveTexture(GL_TEXTURE3);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, stray);
    glActiveTexture(GL_TEXTURE3);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
    glViewport(0, 0, 10, 10);
    glUseProgram(0);
    glBindVertexArray(0);
    renderFrame();
    EXPECT_EQ(screenPixels(), clean);
    glActiveTexture(GL_TEXTURE0);
    glDeleteTextures(1, &stray);
    EXPECT_EQ(reportGlErrors(), 0);
}

}  // namespace dusk::test
