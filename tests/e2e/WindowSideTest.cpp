// The real binary through its window: bare key taps (press and release in a
// few milliseconds) each count once, the HUD and its toasts are in the
// picture, and a paused game stands still.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/GameProcess.h"
#include "support/RunDir.h"
#include "support/Xdo.h"

namespace dusk::test {
namespace {

int count(const std::string& s, const std::string& text) {
    int n = 0;
    for (size_t at = s.find(text); at != std::string::npos; at = s.find(text, at + 1)) {
        ++n;
    }
    return n;
}

class WindowSide : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(game.start(GameProcess::Input::KeepOpen));
        ASSERT_TRUE(game.waitForOutput("Loading Model: Tree 3", 120.0)) << game.describe();
        window = Xdo::findWindow("^Duskhollow$", 30.0, game.pid());
        ASSERT_NE(window, 0u);
        Xdo::mouseMoveInWindow(window, 640, 360);
        game.stillRunningAfter(2.0);
    }
    void tap(const std::string& key, double after = 0.6) {
        Xdo::run("xdotool key " + key);
        game.stillRunningAfter(after);
    }
    std::string shot(const std::string& name) {
        const std::string path = (dir.path() / (name + ".png")).string();
        EXPECT_TRUE(Xdo::screenshot(path));
        return path;
    }
    void endWithTappedEscape() {
        tap("Escape", 0.0);
        ASSERT_TRUE(game.wait(20.0)) << "a bare Esc tap must end the game; " << game.describe();
        EXPECT_EQ(game.exitCode(), 0);
        EXPECT_EQ(game.err(), "");
    }

    RunDir dir;
    GameProcess game{dir.path()};
    unsigned long window = 0;
};

TEST_F(WindowSide, BareTapsCountOnceAndHeldKeysStillRepeat) {
    size_t from = game.out().size();
    for (int i = 0; i < 5; ++i) {
        tap("F3");
    }
    const std::string taps = game.out().substr(from);
    EXPECT_EQ(taps,
              "enable wireframe mode\ndisable wireframe mode\nenable wireframe mode\n"
              "disable wireframe mode\nenable wireframe mode\n");

    from = game.out().size();
    Xdo::holdKey("F4", 1.0);
    game.stillRunningAfter(0.5);
    const std::string held = game.out().substr(from);
    // Read about every 0.1 s, or every frame when frames are slower (as in
    // the sanitizer build): more than once, at most about ten times.
    const int toggles = count(held, "texture sampling");
    EXPECT_GE(toggles, 2) << held;
    EXPECT_LE(toggles, 11) << held;
    endWithTappedEscape();
}

TEST_F(WindowSide, HudTogglesAndToastsShowAndAPausedGameStandsStill) {
    tap("p", 1.0);
    const std::string paused1 = shot("paused1");
    game.stillRunningAfter(1.0);
    const std::string paused2 = shot("paused2");
    EXPECT_EQ(Xdo::imageDifference(paused1, paused2), 0.0) << "nothing moves while paused";

    const std::string kidsCorner = "260x70+0+0";
    tap("h", 1.0);
    const std::string hidden = shot("hidden");
    EXPECT_GT(Xdo::imageDifference(paused2, hidden, kidsCorner), 0.02)
        << "H hides the kids-left figure";
    EXPECT_EQ(Xdo::imageDifference(paused2, hidden, "600x300+340+200"), 0.0) << "the scene stays";
    tap("h", 1.0);

    const size_t from = game.out().size();
    tap("F8", 0.4);
    EXPECT_NE(game.out().find("enable View Frustum Culling\n", from), std::string::npos);
    const std::string toast = shot("toast");
    EXPECT_GT(Xdo::imageDifference(paused2, toast, "500x60+390+10"), 0.02)
        << "a toast shows the message";

    tap("p", 0.5);
    const std::string playing1 = shot("playing1");
    game.stillRunningAfter(1.0);
    const std::string playing2 = shot("playing2");
    EXPECT_GT(Xdo::imageDifference(playing1, playing2), 0.0) << "the kids wander again";
    endWithTappedEscape();
}

}  // namespace
}  // namespace dusk::test
