#include "GameFixture.h"
#include "app/DebugToggles.h"
#include "render/ScreenOverlay.h"
#include "render/ShaderProgram.h"

namespace dusk::test {

class GameKeysTest : public GameFixture {
protected:
    // One key check with the key held down, as the main loop makes it.
    std::string tap(const std::string& key) {
        const int glfwKey =
            key == "Escape" ? GLFW_KEY_ESCAPE : GLFW_KEY_F1 + std::stoi(key.substr(1)) - 1;
        pressKey(key, glfwKey);
        ::testing::internal::CaptureStdout();
        session->handleKeys();
        std::string out = ::testing::internal::GetCapturedStdout();
        releaseKey(key, glfwKey);
        return out;
    }
};

TEST_F(GameKeysTest, F5CyclesTheMipmapModesBackToOff) {
    EXPECT_EQ(tap("F5"), "mipmap nearest neighbour\n");
    EXPECT_EQ(tap("F5"), "mipmap bilinear\n");
    EXPECT_EQ(tap("F5"), "mipmap off\n");
    EXPECT_EQ(session->toggles().value(DebugToggles::Mipmap), -1);
}

TEST_F(GameKeysTest, TogglesPrintTheirNewState) {
    EXPECT_EQ(tap("F3"), "enable wireframe mode\n");
    EXPECT_EQ(tap("F3"), "disable wireframe mode\n");
    EXPECT_EQ(tap("F4"), "texture sampling bilinear\n");
    EXPECT_EQ(tap("F4"), "texture sampling nearest neighbour\n");
    EXPECT_EQ(tap("F8"), "enable View Frustum Culling\n");
    EXPECT_EQ(tap("F8"), "disable View Frustum Culling\n");
    EXPECT_EQ(tap("F1"), "") << "F1 has no action";
}

TEST_F(GameKeysTest, F2PrintsTheTwelveHelpLinesAndTogglesTheFrameTime) {
    const std::string expected =
        "Frighten all Kids without being seen by them!\n"
        "WASD - Move\n"
        "Ctrl - Scream (to frighten a Kid if you are behind it)\n"
        "Space - Fly (as long as you have enough magic)\n"
        "Esc - End game\n"
        "F1 - Help\n"
        "F2 - Show Frametime\n"
        "F3 - Wireframemode (On/Off)\n"
        "F4 - Texture Samping (Bilinear/Nearest Neighbour)\n"
        "F5 - Mipmap Mode (Off/Nearest Neighbour/Bilinear)\n"
        "F8 - Viewfrustum - Culling (On/Off)\n"
        "F9 - Transparency (On/Off)\n";
    EXPECT_EQ(tap("F2"), expected);
    EXPECT_TRUE(session->toggles().on(DebugToggles::FrameTime));
    EXPECT_EQ(tap("F2"), expected);
    EXPECT_FALSE(session->toggles().on(DebugToggles::FrameTime));
}

TEST_F(GameKeysTest, F9SendsTheTransparencyFlagToTheOverlay) {
    const GLuint lensFlare = session->renderer().programs().lensFlare->id();
    EXPECT_EQ(uniformInt(lensFlare, "transparencyFlag"), 1) << "the overlay starts with it on";
    EXPECT_EQ(tap("F9"), "enable transparency\n");
    renderFrame();
    EXPECT_EQ(uniformInt(lensFlare, "transparencyFlag"), 1);
    EXPECT_EQ(tap("F9"), "disable transparency\n");
    round().health = round().maxHealth / 2;  // the full program, not the full-health shortcut
    renderFrame();
    EXPECT_EQ(uniformInt(lensFlare, "transparencyFlag"), 0);
}

TEST_F(GameKeysTest, EscapeSetsTheCloseFlagSilently) {
    EXPECT_EQ(tap("Escape"), "");
    EXPECT_TRUE(closeRequested());
}

}  // namespace dusk::test
