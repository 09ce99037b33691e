// Playing again in the real binary, started as the desktop menu starts it
// (--no-console, standard input at its end): the end screen waits for the
// window; Shift+R plays the same forest again, R the next one, Esc ends.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "support/GameProcess.h"
#include "support/RunDir.h"
#include "support/Xdo.h"

namespace dusk::test {
namespace {

const char* const lost = "GAME OVER! The kid has seen you. (Press enter to close)\n";

void pause(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

// Shift+R or R, held long enough for the end screen's 30 reads a second.
void press(const std::string& keys) {
    Xdo::mouseMove(640, 360);
    Xdo::run("xdotool keydown " + keys);
    pause(0.3);
    Xdo::run("xdotool keyup " + keys);
}

// In forest 157 a kid starts five steps from the player, facing it: standing
// still, the round is lost within a few seconds.
TEST(PlayAgain, TheEndScreenWaitsAndRAndShiftRPlayTheNextOrTheSameForest) {
    RunDir dir;
    GameProcess game(dir.path());
    game.setArguments({"--seed", "157", "--no-console"});
    ASSERT_TRUE(game.start(GameProcess::Input::CloseAfterWrite));
    ASSERT_NE(Xdo::findWindow("^Duskhollow$", 60.0, game.pid()), 0u) << game.describe();
    Xdo::mouseMove(640, 360);
    // Each picture is taken the same time into its round: the kid that
    // sees the player has taken as much health (the screen reddens).
    ASSERT_TRUE(game.waitForOutput("Loading Model: Tree 3\n", 60.0)) << game.describe();
    pause(0.8);
    const std::string first = dir.file("first.png").string();
    ASSERT_TRUE(Xdo::screenshot(first));
    ASSERT_TRUE(game.waitForOutput(lost, 60.0)) << game.describe();
    EXPECT_TRUE(game.stillRunningAfter(3.0)) << "the end screen waits for the window";

    size_t from = game.out().size();
    press("Shift_L r");
    ASSERT_TRUE(game.waitForOutput("New round (seed 157)\n", 10.0, from)) << game.describe();
    pause(0.8);
    const std::string same = dir.file("same.png").string();
    ASSERT_TRUE(Xdo::screenshot(same));
    ASSERT_TRUE(game.waitForOutput(lost, 60.0, from)) << "the same kid sees the player again";

    from = game.out().size();
    press("r");
    ASSERT_TRUE(game.waitForOutput("New round (seed 158)\n", 10.0, from)) << game.describe();
    pause(0.8);
    const std::string next = dir.file("next.png").string();
    ASSERT_TRUE(Xdo::screenshot(next));

    // The same forest: the trees where they were, the kids a step or two
    // from where they were; the next forest: another picture altogether.
    const double sameDifference = Xdo::imageDifference(first, same);
    const double nextDifference = Xdo::imageDifference(first, next);
    EXPECT_LT(sameDifference, 0.5 * nextDifference)
        << "same " << sameDifference << ", next " << nextDifference;

    ASSERT_TRUE(endWithEscape(game, 30.0)) << game.describe();
    ASSERT_TRUE(game.wait(10.0));
    EXPECT_EQ(game.exitCode(), 0);
    EXPECT_EQ(game.out().find("ERROR"), std::string::npos) << game.out();
}

}  // namespace
}  // namespace dusk::test
