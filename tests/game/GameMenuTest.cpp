// The settings menu and the window options inside the frame loop, with real
// key and mouse events: F10 opens the menu over a paused game, a click in it
// changes a setting and writes the file, the Play tab's difficulty holds from
// the next round, H and F11 do too, and a frame cap holds the frames back.
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "FrameLoopFixture.h"
#include "settings/KeyBindings.h"
#include "settings/SettingsStore.h"
#include "support/Xdo.h"

namespace dusk::test {

class GameMenuTest : public FrameLoopFixture {
protected:
    void SetUp() override {
        FrameLoopFixture::SetUp();
        // A settings file of the test's own: saves must not reach a real one.
        // (Missing, so its values are the defaults the frame loop started with.)
        settings::store().load(runDir->file("settings.toml"));
    }
    void TearDown() override {
        FrameLoopFixture::TearDown();
        settings::reset();
    }
    std::string settingsFile() const {
        std::ifstream in(runDir->file("settings.toml"));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    double secondsFor30Frames() {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 30; ++i) {
            session->runFrame();
        }
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
};

TEST_F(GameMenuTest, F10OpensTheMenuOverAPausedGameAndAClickInItIsSaved) {
    Xdo::run("xdotool key F10");
    ASSERT_TRUE(framesUntil([&] { return session->settingsMenu().isOpen(); }));
    EXPECT_TRUE(session->isPaused());
    EXPECT_EQ(settingsFile(), "") << "nothing is written before a change";

    // The "HUD (H)" box of the centred menu, as DejaVu Sans lays it out.
    Xdo::run("xdotool mousemove 446 476 click 1");
    ASSERT_TRUE(framesUntil([&] { return !settings::current().hud; }));
    EXPECT_TRUE(session->isPaused()) << "a click in the menu does not resume";
    EXPECT_FALSE(session->hud().isVisible());
    EXPECT_NE(settingsFile().find("hud = false"), std::string::npos) << settingsFile();

    Xdo::run("xdotool mousemove 640 360 key F10");
    ASSERT_TRUE(framesUntil([&] { return !session->settingsMenu().isOpen(); }));
    EXPECT_FALSE(session->isPaused());
    Xdo::run("xdotool key h");
    ASSERT_TRUE(framesUntil([&] { return session->hud().isVisible(); }));
    EXPECT_NE(settingsFile().find("hud = true"), std::string::npos) << settingsFile();
}

// The Controls tab binds the key pressed after a click on an action's slot;
// the key that action had moves to no other action, and the file keeps it.
TEST_F(GameMenuTest, TheControlsTabBindsTheNextKeyAndSavesIt) {
    Xdo::run("xdotool key F10");
    ASSERT_TRUE(framesUntil([&] { return session->settingsMenu().isOpen(); }));
    Xdo::run("xdotool mousemove 537 202 click 1");  // the "Controls" tab
    for (int i = 0; i < 5; ++i) {
        session->runFrame();
    }
    Xdo::run("xdotool mousemove 531 318 click 1");  // scream's first key
    ASSERT_TRUE(framesUntil([&] { return session->settingsMenu().isCapturingKey(); }));
    Xdo::run("xdotool mousemove 640 360 key e");
    ASSERT_TRUE(framesUntil([&] { return !session->settingsMenu().isCapturingKey(); }));
    const KeyBindings& keys = settings::current().keys;
    EXPECT_EQ(keys.keysFor(Action::Scream)[0], GLFW_KEY_E);
    EXPECT_FALSE(keys.isBound(Action::Scream, GLFW_KEY_LEFT_CONTROL));
    EXPECT_TRUE(session->settingsMenu().isOpen()) << "the menu stays for the next binding";
    EXPECT_NE(settingsFile().find("scream = [\"E\"]"), std::string::npos) << settingsFile();
    const std::string help = session->hud().helpLines[9].text;
    EXPECT_EQ(help.substr(0, help.find(" / ")), "Scream (behind a kid, within 5): E");

    Xdo::run("xdotool key Escape");  // closes the menu; the game goes on
    ASSERT_TRUE(framesUntil([&] { return !session->settingsMenu().isOpen(); }));
    for (int i = 0; i < 5; ++i) {
        session->runFrame();
    }
    EXPECT_FALSE(closeRequested());
}

// A difficulty chosen in the Play tab is saved at once and holds from the
// next round on; the round being played keeps its own.
TEST_F(GameMenuTest, ThePlayTabsDifficultyHoldsFromTheNextRound) {
    Xdo::run("xdotool key F10");
    ASSERT_TRUE(framesUntil([&] { return session->settingsMenu().isOpen(); }));
    Xdo::run("xdotool mousemove 596 202 click 1");  // the "Play" tab; the menu shrinks
    for (int i = 0; i < 5; ++i) {
        session->runFrame();
    }
    Xdo::run("xdotool mousemove 500 296 click 1");  // the difficulty's list
    for (int i = 0; i < 5; ++i) {
        session->runFrame();
    }
    Xdo::run("xdotool mousemove 450 375 click 1");  // "Hard"
    ASSERT_TRUE(
        framesUntil([&] { return settings::current().difficulty == DifficultyLevel::Hard; }));
    EXPECT_NE(settingsFile().find("difficulty = \"Hard\""), std::string::npos) << settingsFile();
    EXPECT_EQ(session->round().difficulty().name, "Standard");
    Xdo::run("xdotool mousemove 640 360 key F10");
    ASSERT_TRUE(framesUntil([&] { return !session->settingsMenu().isOpen(); }));
    ::testing::internal::CaptureStdout();
    session->playAgain(false);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(session->round().difficulty().name, "Hard");
    EXPECT_EQ(session->round().difficulty().sight.distance, Difficulty::hard().sight.distance)
        << "the new round plays by Hard's numbers";
}

TEST_F(GameMenuTest, F11GoesFullscreenOnThePrimaryMonitorAndBack) {
    Xdo::run("xdotool key F11");
    ASSERT_TRUE(framesUntil([&] { return glfwGetWindowMonitor(window) != nullptr; }));
    EXPECT_TRUE(settings::current().fullscreen);
    Xdo::run("xdotool key F11");
    ASSERT_TRUE(framesUntil([&] { return glfwGetWindowMonitor(window) == nullptr; }));
    int width = 0;
    int height = 0;
    glfwGetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 1280);
    EXPECT_EQ(height, 720);
}

TEST_F(GameMenuTest, AFrameCapHoldsFramesBack) {
    EXPECT_EQ(frameCapWait(10.0, 10.01, 0), 0.0) << "no cap, no wait";
    EXPECT_NEAR(frameCapWait(10.0, 10.01, 50), 0.01, 1e-9);
    EXPECT_EQ(frameCapWait(10.0, 10.05, 50), 0.0) << "a late frame waits not at all";

    // Small and cheap frames, so that the cap is what limits them.
    settings::current().graphicsQuality = GraphicsQuality::Low;
    session->renderer().resize(160, 120);
    const double uncapped = secondsFor30Frames();
    if (uncapped > 0.8) {
        GTEST_SKIP() << "frames here are slower than the cap: " << uncapped << " s for 30";
    }
    settings::current().frameCap = 30;
    session->settingsChanged();
    EXPECT_GT(secondsFor30Frames(), 0.95) << "30 frames at 30 a second; uncapped " << uncapped;
}

}  // namespace dusk::test
