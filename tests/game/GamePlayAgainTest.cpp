// Playing again from the end screen with real keys, as xdotool's `key` sends
// them (all within one frame's events): Shift+R the same forest, R the next;
// after the day's forest the next is no other day's. A new round shows only
// its own toast.
#include "FrameLoopFixture.h"

namespace dusk::test {
namespace {

class GamePlayAgainTest : public FrameLoopFixture {
protected:
    GamePlayAgainTest() { options.readConsole = false; }  // the end screen waits for the window

    // Loses the round (a kid sees the player at no health), shows the end
    // screen, sends keys and returns the seed of the round they start.
    std::uint32_t playAgainWith(const std::string& keys) {
        parkOtherKids(0);
        placeKid(0, 20.0f, 20.0f);
        round().health = 0.01f;
        stepWith(vec3(20.5f, 2.5f, 28.0f), 1.0f / 60.0f);
        EXPECT_EQ(session->endScreen(), ui::EndScreen::Lost);
        session->runFrame();
        Xdo::run("xdotool key " + keys);
        EXPECT_TRUE(framesUntil([&] { return !roundEnded(); })) << keys << " played no round";
        return round().seed();
    }
};

TEST_F(GamePlayAgainTest, AQuickShiftRPlaysTheSameForestWithOnlyItsOwnToast) {
    EXPECT_EQ(playAgainWith("shift+r"), 1u);
    std::string toasts;
    for (const ui::Toasts::Visible& toast : session->hud().toasts.visible(glfwGetTime())) {
        toasts += toast.text + "\n";
    }
    EXPECT_EQ(toasts, "New round (seed 1)\n");
    EXPECT_EQ(playAgainWith("r"), 2u);
}

class GameDailyTest : public GamePlayAgainTest {
protected:
    GameDailyTest() {
        options.seed = 20261231;  // the day's forest on a month's last day
        options.daily = true;
    }
};

TEST_F(GameDailyTest, AfterTheDaysForestRPlaysForestOneAndShiftRTheDaysAgain) {
    EXPECT_EQ(playAgainWith("shift+r"), 20261231u);
    EXPECT_EQ(playAgainWith("r"), 1u) << "not 20261232, no day's forest";
    EXPECT_EQ(playAgainWith("r"), 2u) << "then on as in a run with no seed";
}

}  // namespace
}  // namespace dusk::test
