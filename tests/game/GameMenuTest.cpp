// The settings menu and the window options inside the frame loop, with real
// key and mouse events: F10 opens the menu over a paused game (and closing it
// leaves a pause made with P), a click in it changes a setting and writes the
// file, its tabs stay where they are whichever is shown, the Play tab's
// difficulty holds from the next round, H and F11 do too, and a frame cap
// holds the frames back. (The menu is centred, 640 pixels square with DejaVu
// Sans; its tabs are at height 87.)
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
        session->settingsStore().load(runDir->file("settings.toml"));
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

    Xdo::run("xdotool mousemove 392 360 click 1");  // the Game tab's "HUD (H)" box
    ASSERT_TRUE(framesUntil([&] { return !session->settings().hud; }));
    EXPECT_TRUE(session->isPaused()) << "a click in the menu does not resume";
    EXPECT_FALSE(session->hud().isVisible());
    EXPECT_NE(settingsFile().find("hud = false"), std::string::npos) << settingsFile();

    Xdo::run("xdotool mousemove 640 360 key F10");
    ASSERT_TRUE(framesUntil([&] { return !session->settingsMenu().isOpen(); }));
    EXPECT_FALSE(session->isPaused());
    Xdo::run("xdotool key h");
    ASSERT_TRUE(framesUntil([&] { return session->hud().isVisible(); }));
    EXPECT_NE(settingsFile().find("hud = true"), std::string::npos) << settingsFile();

    // A pause made with P outlasts the menu, closed by F10 or by Esc.
    Xdo::run("xdotool key p");
    ASSERT_TRUE(framesUntil([&] { return session->isPaused(); }));
    const double timer = session->round().seconds();
    for (const char* close : {"F10", "Escape"}) {
        Xdo::run("xdotool key F10");
        ASSERT_TRUE(framesUntil([&] { return session->settingsMenu().isOpen(); }));
        Xdo::run(std::string("xdotool key ") + close);
        ASSERT_TRUE(framesUntil([&] { return !session->settingsMenu().isOpen(); }));
        EXPECT_TRUE(session->isPaused()) << close;
    }
    for (int i = 0; i < 5; ++i) {
        session->runFrame();
    }
    EXPECT_EQ(session->round().seconds(), timer) << "the round's timer ran on";
    EXPECT_FALSE(closeRequested());
}

// Each tab is where it was whichever tab is shown: a click aimed at the Play
// tab from the Controls tab opens it and binds no key.
TEST_F(GameMenuTest, TheTabsStayInPlace) {
    session->settings().graphicsQuality = GraphicsQuality::Low;  // cheap frames
    Xdo::run("xdotool key F10");
    ASSERT_TRUE(framesUntil([&] { return session->settingsMenu().isOpen(); }));
    const auto click = [&](const char* at) {
        Xdo::run(std::string("xdotool mousemove ") + at + " click 1");
        for (int i = 0; i < 5; ++i) {
            session->runFrame();
        }
    };
    click("432 87");  // Controls
    click("499 87");  // Play
    EXPECT_FALSE(session->settingsMenu().isCapturingKey());
    click("341 177");  // the Play tab's "Captions" box
    EXPECT_TRUE(session->settings().captions);
    click("565 87");  // Records
    click("432 87");  // Controls
    click("357 87");  // Game
    EXPECT_FALSE(session->settingsMenu().isCapturingKey());
    click("392 360");  // the Game tab's "HUD (H)" box
    EXPECT_FALSE(session->settings().hud);
}

// The Controls tab binds the key pressed after a click on an action's slot;
// the key that action had moves to no other action, and the file keeps it.
TEST_F(GameMenuTest, TheControlsTabBindsTheNextKeyAndSavesIt) {
    Xdo::run("xdotool key F10");
    ASSERT_TRUE(framesUntil([&] { return session->settingsMenu().isOpen(); }));
    Xdo::run("xdotool mousemove 432 87 click 1");  // the "Controls" tab
    for (int i = 0; i < 5; ++i) {
        session->runFrame();
    }
    Xdo::run("xdotool mousemove 494 298 click 1");  // scream's first key
    ASSERT_TRUE(framesUntil([&] { return session->settingsMenu().isCapturingKey(); }));
    Xdo::run("xdotool mousemove 640 360 key e");
    ASSERT_TRUE(framesUntil([&] { return !session->settingsMenu().isCapturingKey(); }));
    const KeyBindings& keys = session->settings().keys;
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
// next round on; the round being played keeps its own, and the F2 panel
// states the round's reach.
TEST_F(GameMenuTest, ThePlayTabsDifficultyHoldsFromTheNextRound) {
    Xdo::run("xdotool key F10");
    ASSERT_TRUE(framesUntil([&] { return session->settingsMenu().isOpen(); }));
    Xdo::run("xdotool mousemove 499 87 click 1");  // the "Play" tab
    for (int i = 0; i < 5; ++i) {
        session->runFrame();
    }
    Xdo::run("xdotool mousemove 400 117 click 1");  // the difficulty's list
    for (int i = 0; i < 5; ++i) {
        session->runFrame();
    }
    Xdo::run("xdotool mousemove 400 196 click 1");  // "Hard"
    ASSERT_TRUE(
        framesUntil([&] { return session->settings().difficulty == DifficultyLevel::Hard; }));
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
    const std::string help = session->hud().helpLines[9].text;
    EXPECT_EQ(help.substr(0, help.find(':')), "Scream (behind a kid, within 4)");
}

TEST_F(GameMenuTest, F11GoesFullscreenOnThePrimaryMonitorAndBack) {
    Xdo::run("xdotool key F11");
    ASSERT_TRUE(framesUntil([&] { return glfwGetWindowMonitor(window) != nullptr; }));
    EXPECT_TRUE(session->settings().fullscreen);
    Xdo::run("xdotool key F11");
    ASSERT_TRUE(framesUntil([&] { return glfwGetWindowMonitor(window) == nullptr; }));
    int width = 0;
    int height = 0;
    glfwGetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 1280);
    EXPECT_EQ(height, 720);
}

TEST_F(GameMenuTest, AFrameCapHoldsFramesBack) {
    // Small and cheap frames, so that the cap is what limits them.
    session->settings().graphicsQuality = GraphicsQuality::Low;
    session->renderer().resize(160, 120);
    const double uncapped = secondsFor30Frames();
    if (uncapped > 0.8) {
        GTEST_SKIP() << "frames here are slower than the cap: " << uncapped << " s for 30";
    }
    session->settings().frameCap = 30;
    session->settingsChanged();
    EXPECT_GT(secondsFor30Frames(), 0.95) << "30 frames at 30 a second; uncapped " << uncapped;
}

}  // namespace dusk::test
