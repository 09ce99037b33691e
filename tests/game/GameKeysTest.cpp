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

// The help F2 prints is the one the player reads: the goal first, then a
// line per key, and every debug key it names answers when tapped.
TEST_F(GameKeysTest, F2PrintsTheHelpWhoseKeysAnswerAndTogglesTheFrameTime) {
    const std::string help = tap("F2");
    EXPECT_TRUE(session->toggles().on(DebugToggles::FrameTime));
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = help.find('\n', start)) != std::string::npos;
         start = end + 1) {
        lines.push_back(help.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), 12u) << help;
    EXPECT_EQ(lines[0], "Frighten all Kids without being seen by them!");
    int answered = 0;
    for (const std::string& line : lines) {
        const std::string key = line.substr(0, line.find(" - "));
        if (key.size() == 2 && key[0] == 'F' && key != "F1" && key != "F2") {
            EXPECT_NE(tap(key), "") << line;
            ++answered;
        }
    }
    EXPECT_EQ(answered, 5) << "F3, F4, F5, F8 and F9";
    EXPECT_EQ(tap("F2"), help) << "the whole help again";
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
